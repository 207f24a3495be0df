// libFuzzer target for the table reader: the input is split into a DBF and a
// DBT file (the first two bytes give the DBF's length); the table is opened,
// every record and field read, an index built and sought, and a record
// appended. Damaged input must end in TabellenFehler, never in a crash.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/tables/arbeitsbereiche.h"

namespace {

const std::string& ordner() {
  static const std::string o = [] {
    std::string muster = (std::filesystem::temp_directory_path() / "dbf-fuzz-XXXXXX").string();
    return std::string(::mkdtemp(muster.data()));
  }();
  return o;
}

void schreibe(const std::string& pfad, const uint8_t* p, std::size_t n) {
  std::ofstream f(pfad, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(p), static_cast<std::streamsize>(n));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  std::size_t dbf_laenge = static_cast<std::size_t>(data[0]) | static_cast<std::size_t>(data[1])
                                                                   << 8;
  data += 2;
  size -= 2;
  if (dbf_laenge > size) dbf_laenge = size;
  const std::string dbf = ordner() + "/f.dbf";
  schreibe(dbf, data, dbf_laenge);
  schreibe(ordner() + "/f.dbt", data + dbf_laenge, size - dbf_laenge);
  using namespace plat::tables;
  try {
    auto t = oeffne_datei(dbf);
    long n = 0;
    for (t->gehe_oben(); !t->eof() && n < 1000; t->skip(), ++n) {
      for (int i = 1; i <= t->feld_anzahl(); ++i) {
        try {
          (void)t->lese(i);
        } catch (const TabellenFehler&) {
        }
      }
    }
    t->setze_index(
        [](const Tabelle& x) { return x.lese(1).typ_buchstabe() == 'C' ? x.lese(1).text() : "?"; });
    (void)t->suche("A");
    t->skip(-1);
    t->anhaengen();
    for (int i = 1; i <= t->feld_anzahl(); ++i) {
      if (t->feld_typ(i) == 'M') t->schreibe(i, plat::rt::Value("memo"));
    }
    t->gehe_oben();  // writes the record out (commit would also sync to disk: slow)
    (void)t->lese(t->feld_anzahl());
  } catch (const TabellenFehler&) {
  }
  return 0;
}
