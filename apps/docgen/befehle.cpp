#include "apps/docgen/befehle.h"

#include <iostream>

#include "platform/text/codepage.h"

namespace docgen::lauf {

const std::vector<Befehl>& befehle() {
  static const std::vector<Befehl> alle = {
      {"eval", "EXPR", 1, eval_befehl},
      {"type", "EXPR", 1, type_befehl},
      {"replace", "FILE", 1, replace_befehl},
  };
  return alle;
}

std::filesystem::path& start_ordner() {
  static std::filesystem::path ordner;
  return ordner;
}

void ausgeben(const std::string& cp850) {
  std::cout << plat::text::convert_lossy(cp850, plat::text::CodePage::Cp850,
                                         plat::text::CodePage::Utf8)
            << '\n';
}

}  // namespace docgen::lauf
