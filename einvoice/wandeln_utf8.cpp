#include "einvoice/wandeln_utf8.h"

#include "platform/text/codepage.h"

namespace einvoice {

std::string Wandeln_in_UTF8(std::string_view cString) {
  // Code page 850 assigns a character to every byte, so this never fails.
  return plat::text::cp850_to_utf8(cString);
}

std::string xml_wert(std::string_view cString) {
  std::string maskiert;
  maskiert.reserve(cString.size());
  for (char c : cString) {
    switch (c) {
      case '&':
        maskiert += "&amp;";
        break;
      case '<':
        maskiert += "&lt;";
        break;
      case '>':
        maskiert += "&gt;";
        break;
      default:
        maskiert += c;
    }
  }
  return Wandeln_in_UTF8(maskiert);
}

}  // namespace einvoice
