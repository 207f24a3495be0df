// The recipient's address of a letter or form: the case's contact person
// ("A"), the spouse ("E") or an entry of the address table found by its short
// key or by a piece of its name.
#pragma once

#include <string>

#include "platform/runtime/value.h"

namespace docgen {

// nArt: 1 block of lines ending with CRLF, 2 one line with ", ", 3 one line
// with blanks (default 1). cVerskz: "A", "E", a key of up to five characters
// or a search text (default "FH001"). nA: work area (number or alias) of the
// address table (default 5). Returns cVerskz itself (trimmed) when no entry
// is found. Leaves the address table on the found entry and the selected work
// area unchanged.
std::string BriefAdresse(const plat::rt::Value& nArt = {}, const plat::rt::Value& cVerskz = {},
                         const plat::rt::Value& nA = {});

}  // namespace docgen
