// Reading numbers out of entry texts.
//
//   zahlwert("  65,00") == 65      // the number at the start of the text
//   ist_dezimalzahl("65.00")       // true: what the XML schema takes as a decimal
//   nachkommastellen("65.125") == 3
#pragma once

#include <string_view>

namespace einvoice {

// The number at the start of the text after leading blanks: optional sign,
// digits, at most one decimal point; reading stops at the first other
// character; a text without a leading number gives 0.
double zahlwert(std::string_view text);

// True when the text (leading and trailing blanks aside) is a decimal number
// with a point: optional sign, digits, optional decimals.
bool ist_dezimalzahl(std::string_view text);

// Count of digits after the decimal point (0 without a point).
int nachkommastellen(std::string_view text);

// Removes trailing blanks.
std::string_view ohne_endblanks(std::string_view text);
// True when the text holds blanks only (or nothing).
bool ist_leer(std::string_view text);

}  // namespace einvoice
