// replace FILE: the template FILE (Windows-1252, "-" for standard input) with
// every placeholder replaced, written to standard output in Windows-1252, as
// the drivers read templates and write documents.
#include <fstream>
#include <iostream>
#include <iterator>

#include "apps/docgen/befehle.h"
#include "docgen/placeholders/platzhalter.h"
#include "platform/expr/fehler.h"
#include "platform/text/codepage.h"

namespace docgen::lauf {
namespace {

namespace tx = plat::text;

std::string utf8(const std::string& cp850) {
  return tx::convert_lossy(cp850, tx::CodePage::Cp850, tx::CodePage::Utf8);
}

}  // namespace

int replace_befehl(const std::vector<std::string>& argumente) {
  const std::string& name = argumente.at(0);
  std::string vorlage;
  if (name == "-") {
    vorlage.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
  } else {
    std::filesystem::path pfad = utf8(name);
    if (pfad.is_relative()) pfad = start_ordner() / pfad;
    std::ifstream datei(pfad, std::ios::binary);
    if (!datei) {
      std::cerr << "docgen: Die Vorlage " << pfad.string() << " l\xC3\xA4sst sich nicht lesen\n";
      return kAufrufFehler;
    }
    vorlage.assign(std::istreambuf_iterator<char>(datei), std::istreambuf_iterator<char>());
  }

  std::string text;
  try {
    text = tx::cp1252_to_cp850(vorlage);
  } catch (const tx::ConversionError& f) {
    std::cerr << "docgen: Die Vorlage enth\xC3\xA4lt an Byte " << f.position()
              << " ein Zeichen, das es in Codepage 850 nicht gibt\n";
    return kAufrufFehler;
  }

  std::string ergebnis;
  try {
    ergebnis = docgen::VariFunkErsatz_1(text);
  } catch (const plat::expr::AuswertungAbbruch&) {
    return kAusdruckFehler;  // shown and logged already
  }

  try {
    std::cout << tx::cp850_to_cp1252(ergebnis) << std::flush;
  } catch (const tx::ConversionError& f) {
    std::cerr << "docgen: Der ersetzte Text enth\xC3\xA4lt an Byte " << f.position()
              << " ein Zeichen, das es in Windows-1252 nicht gibt: "
              << utf8(ergebnis.substr(f.position(), 1)) << "\n";
    return kAusdruckFehler;
  }
  return kErfolg;
}

}  // namespace docgen::lauf
