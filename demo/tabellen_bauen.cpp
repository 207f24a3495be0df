// demo_tabellen QUELLE ZIEL
//
// Builds a data folder from its readable source: every "*.tabelle" text
// becomes a DBF (with DBT) in ZIEL; every other file is copied as it is,
// keeping subfolders. Existing files in ZIEL are replaced.
#include <filesystem>
#include <iostream>

#include "platform/tables/tabellen_fehler.h"
#include "platform/tables/tabellen_text.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "Aufruf: demo_tabellen QUELLORDNER ZIELORDNER\n";
    return 2;
  }
  const fs::path quelle = argv[1];
  const fs::path ziel = argv[2];
  try {
    fs::create_directories(ziel);
    for (const auto& e : fs::recursive_directory_iterator(quelle)) {
      const fs::path rel = fs::relative(e.path(), quelle);
      if (e.is_directory()) {
        fs::create_directories(ziel / rel);
      } else if (e.path().extension() == ".tabelle") {
        plat::tables::baue_tabelle_aus_datei(e.path().string(),
                                             (ziel / rel).parent_path().string());
      } else if (e.is_regular_file()) {
        fs::copy_file(e.path(), ziel / rel, fs::copy_options::overwrite_existing);
      }
    }
  } catch (const plat::tables::TabellenFehler& f) {
    std::cerr << "demo_tabellen: " << f.utf8() << "\n";
    return 1;
  } catch (const std::exception& f) {
    std::cerr << "demo_tabellen: " << f.what() << "\n";
    return 1;
  }
  return 0;
}
