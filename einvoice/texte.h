// Program text for messages: the sources are UTF-8, the program's texts are
// code page 850. T("Prüfung") gives the code page 850 bytes of a literal.
#pragma once

#include <string>
#include <string_view>

#include "platform/text/codepage.h"

namespace einvoice {

inline std::string T(std::string_view utf8) { return plat::text::utf8_to_cp850(utf8); }

}  // namespace einvoice
