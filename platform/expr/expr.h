// The expression language of templates: type check, evaluation, code blocks,
// and "&name" substitution in texts. Expression texts are code page 850.
#pragma once

#include <string>
#include <string_view>

#include "platform/runtime/value.h"

namespace plat::expr {

// "U" when a name in `text` is undefined, "UE" when it is no valid expression
// (or finding its value fails), otherwise the type letter of its value
// ("C", "M" for memo fields, "N", "D", "L", "A", "O", "B"). Never throws.
std::string typ_pruefen(std::string_view text);

// Evaluates `text` anew (functions named in it run again). An error while
// evaluating goes to the platform's error handling and throws AuswertungAbbruch,
// which ends the current host call with its neutral value.
rt::Value auswerten(std::string_view text);

// Compiles "{|a, b| expr, expr}" into a code block value.
rt::Value block_kompilieren(std::string_view text);

// Replaces "&name" by the text value of the named variable.
std::string namen_ersetzen(std::string_view text);

}  // namespace plat::expr
