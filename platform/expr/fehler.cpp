#include "platform/expr/fehler.h"

#include <cstdio>

#include "platform/process/uhr.h"
#include "platform/ui/benutzer.h"

namespace plat::expr {

namespace {

std::filesystem::path& protokoll_pfad() {
  static std::filesystem::path p;
  return p;
}

std::string eine_zeile(std::string_view s) {
  std::string z(s);
  for (char& c : z)
    if (c == '\r' || c == '\n' || c == '\t') c = ' ';
  return z;
}

}  // namespace

void setze_fehlerprotokoll(std::filesystem::path datei) { protokoll_pfad() = std::move(datei); }

const std::filesystem::path& fehlerprotokoll() { return protokoll_pfad(); }

void fehler_melden(std::string_view ausdruck, std::string_view ursache) {
  try {
    const auto& pfad = protokoll_pfad();
    if (!pfad.empty()) {
      const std::string zeile = process::heute().dtoc() + " " + process::uhrzeit() +
                                " Fehler im Ausdruck: " + eine_zeile(ausdruck) + " | " +
                                eine_zeile(ursache) + "\n";
      if (std::FILE* f = std::fopen(pfad.c_str(), "ab")) {
        std::fwrite(zeile.data(), 1, zeile.size(), f);
        std::fclose(f);
      }
    }
    ui::benutzer().meldung(
        "Fehler im Ausdruck:\n" + std::string(ausdruck) + "\n" + std::string(ursache),
        "Laufzeitfehler");
  } catch (...) {
    // The error is already being handled; a failing message box or log must
    // not replace it.
  }
}

}  // namespace plat::expr
