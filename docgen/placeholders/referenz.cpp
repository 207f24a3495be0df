#include "docgen/placeholders/referenz.h"

#include <vector>

#include "docgen/placeholders/zerlegung.h"
#include "platform/runtime/variablen.h"
#include "platform/ui/benutzer.h"

namespace docgen::platzhalter {

std::optional<std::string> ersetze_durchlaufweise(std::string_view text,
                                                  std::size_t max_durchlaeufe) {
  plat::rt::Rahmen rahmen;
  rahmen.erzeuge("cVariable", std::string());
  std::string s(text);
  // The depth of re-reading of every character: 0 for the template's own text.
  std::vector<int> tiefe(s.size(), 0);
  std::size_t budget = budget_fuer(text.size());
  bool gemeldet = false;
  const Finder finde = [&s](std::string_view muster, std::size_t ab) { return s.find(muster, ab); };
  for (std::size_t durchlauf = 0;; ++durchlauf) {
    const std::size_t p = s.find('$');
    if (p == std::string::npos) return s;
    if (durchlauf >= max_durchlaeufe) return std::nullopt;
    const Zerlegung z = zerlege(s, p, finde);
    plat::rt::setze_variable("cVariable", z.ausdruck);
    std::string wert = wert_text(z);
    int neue_tiefe = 0;
    if (wert.find('$') != std::string::npos) {
      if (tiefe[p] >= kMaxTiefe || wert.size() > budget) {
        if (!gemeldet) plat::ui::benutzer().meldung("Fehler bei der Variablen:" + z.ausdruck);
        gemeldet = true;
        wert = kFehlerText;
      } else {
        budget -= wert.size();
        neue_tiefe = tiefe[p] + 1;
      }
    }
    s.replace(p, z.laenge, wert);
    tiefe.erase(tiefe.begin() + static_cast<std::ptrdiff_t>(p),
                tiefe.begin() + static_cast<std::ptrdiff_t>(p + z.laenge));
    tiefe.insert(tiefe.begin() + static_cast<std::ptrdiff_t>(p), wert.size(), neue_tiefe);
  }
}

}  // namespace docgen::platzhalter
