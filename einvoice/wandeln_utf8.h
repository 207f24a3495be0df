// Text of the program (code page 850) into the XML invoice (UTF-8).
//
//   Wandeln_in_UTF8("M\x81ller")  == "M\xC3\xBCller"   // every byte above 7F, not only umlauts
//   xml_wert("A & B <C>")         == "A &amp; B &lt;C&gt;" (then converted to UTF-8)
#pragma once

#include <string>
#include <string_view>

namespace einvoice {

// Converts every character of the code page 850 text to UTF-8.
std::string Wandeln_in_UTF8(std::string_view cString);

// A field value as it goes between two tags: "&", "<" and ">" written as
// entities, then converted to UTF-8.
std::string xml_wert(std::string_view cString);

}  // namespace einvoice
