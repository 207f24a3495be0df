// TRANSFORM: a value as text through a picture ("@" functions and/or a
// template such as "99,999.99").
#pragma once

#include <string>

#include "platform/runtime/value.h"

namespace plat::expr::intern {

// Functions: "!" upper case, "E" European (comma and point swapped), "Z"
// blank when zero, "B" left-aligned, "L" leading fill character (the
// character right after the "L", "0" when none is given: "@L_" fills with
// "_"). Number templates: "9" and "#" digits, "." decimal point, "," group
// separator (shown only between digits, else as the fill), "*" and "$" digits
// that fill with themselves; other characters stand as they are. A number too
// large for its template shows asterisks. Text templates: "!" upper-cases one
// character, "A", "N", "X", "9", "#" take one, other characters are inserted.
std::string transform(const rt::Value& x, const std::string& maske);

}  // namespace plat::expr::intern
