// The platform's number text: a number right-aligned in a given width with a
// given number of decimals, rounded half away from zero. A number that does
// not fit is shown as asterisks of that width.
#pragma once

#include <string>

namespace plat::text {

// `breite` counts every character (sign, digits, decimal point). A point is
// the decimal separator.
std::string str(double n, int breite, int dezimalen = 0);

// The same text without the padding blanks (and never asterisks): the number
// with exactly `dezimalen` decimals.
std::string zahl_ohne_breite(double n, int dezimalen);

// Rounds half away from zero to `dezimalen` decimals, correcting the binary
// representation error first (so 2.675 rounds to 2.68 as typed).
double runde(double n, int dezimalen);

}  // namespace plat::text
