// Small public functions for templates and the host.
#pragma once

#include <string>

#include "platform/runtime/value.h"

namespace docgen {

// "ja" when an order item of the current case (work area nA, default 3,
// positioned through its index on the case number as six characters) holds
// cInhalt in its field cFeld, upper and lower case alike; else "nein". Leaves
// the selected work area and the record position of nA as they were.
std::string SucheInDatei(const plat::rt::Value& nA = {}, const plat::rt::Value& cFeld = {},
                         const plat::rt::Value& cInhalt = {});

// The part of cText after the first cTrenner (default ":"), trimmed; without
// the separator the whole text, trimmed.
std::string OhnePrompt(const plat::rt::Value& cText = {}, const plat::rt::Value& cTrenner = {});

// cHintergrund, or "" when it is left out.
plat::rt::Value NeuesFormular(const plat::rt::Value& cHintergrund = {});

}  // namespace docgen
