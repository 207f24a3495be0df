// The e-invoice program.
//
//   xrechnung [--drive C=DIR]                 the entry window
//   xrechnung [--drive C=DIR] --write FILE    writes the invoice of FILE's 19 entries
//                                             as Alt+X would, prints the written path
//   xrechnung [--drive C=DIR] --drive-folder  prints the host folder of drive C:
//
// Exit status of --write: 0 written and clean, 1 written with problems (listed
// on standard error), 2 nothing written.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "einvoice/cii_erzeugung.h"
#include "einvoice/fenster_start.h"
#include "einvoice/stammdaten.h"
#include "einvoice/stapel.h"
#include "platform/files/pfad.h"
#include "platform/text/codepage.h"
#include "platform/ui/benutzer.h"

namespace {

constexpr const char* kHilfe =
    "Aufruf: xrechnung [--drive C=ORDNER] [--write EINGABEN.txt | --drive-folder]\n"
    "  ohne --write       \xC3\xB6"
    "ffnet das Eingabefenster\n"
    "  --write DATEI      schreibt die Rechnung aus den 19 Eingabefeldern der Datei\n"
    "                     (UTF-8, ein Feld je Zeile) und gibt den Pfad der Datei aus\n"
    "  --drive C=ORDNER   Ordner, der als Laufwerk C: dient (auch BT_DRIVE_C)\n"
    "  --drive-folder     gibt den Ordner des Laufwerks C: aus\n";

int schreibe(const std::string& datei) {
  plat::ui::SkriptBenutzer konsole(true);  // message boxes go to standard error
  plat::ui::BenutzerWechsel wechsel(konsole);

  std::error_code ec;
  std::ifstream in(datei, std::ios::binary);
  std::string text;
  if (std::filesystem::is_regular_file(datei, ec) && in) {
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  if (!std::filesystem::is_regular_file(datei, ec) || !in || in.bad()) {
    std::cerr << "xrechnung: Die Eingabedatei " << datei << " kann nicht gelesen werden.\n";
    return 2;
  }
  einvoice::StapelEingaben eingaben = einvoice::lies_stapel_eingaben(text);
  if (!eingaben.fehler.empty()) {
    konsole.meldung(eingaben.fehler, "XRechnung", nullptr);
    return 2;
  }
  std::optional<einvoice::Rechnungssatz> satz = einvoice::neuer_rechnungssatz();
  if (!satz) return 2;
  const std::string pfad = einvoice::CII_Erzeugung(eingaben.felder, *satz);
  if (pfad.empty()) return 2;
  std::cout << plat::files::host_pfad(pfad).string() << std::endl;
  return konsole.meldungen().empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (std::string fehler = plat::files::laufwerk_argumente(argc, argv); !fehler.empty()) {
    std::cerr << "xrechnung: "
              << plat::text::convert_lossy(fehler, plat::text::CodePage::Cp850,
                                           plat::text::CodePage::Utf8)
              << "\n";
    return 2;
  }
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--write") {
      if (i + 1 >= argc) {
        std::cerr << "xrechnung: --write erwartet den Namen der Eingabedatei.\n" << kHilfe;
        return 2;
      }
      return schreibe(argv[i + 1]);
    }
    if (arg == "--drive-folder") {
      std::cout << plat::files::laufwerk('C').string() << std::endl;
      return 0;
    }
    if (arg == "--help" || arg == "-h") {
      std::cout << kHilfe;
      return 0;
    }
  }
  return einvoice::starte_fenster(argc, argv);
}
