#include "platform/tables/tabellen_fehler.h"

#include "platform/text/codepage.h"

namespace plat::tables {

TabellenFehler::TabellenFehler(const std::string& utf8)
    : std::runtime_error(text::convert_lossy(utf8, text::CodePage::Utf8, text::CodePage::Cp850)),
      utf8_(utf8) {}

void beschaedigt(const std::string& pfad, const std::string& grund) {
  throw TabellenFehler("Die Tabelle " + pfad + " ist beschädigt: " + grund);
}

}  // namespace plat::tables
