// Feeds arbitrary texts to the expression language: the type check, and for
// texts that pass it, evaluation. Neither may crash, hang or leak; evaluation
// errors must end in AuswertungAbbruch only.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/expr/expr.h"
#include "platform/expr/fehler.h"
#include "platform/expr/test_feldquelle.h"
#include "platform/process/uhr.h"
#include "platform/runtime/funktionen.h"
#include "platform/runtime/variablen.h"
#include "platform/ui/benutzer.h"

namespace {

using plat::rt::Value;

struct Host {
  Host() : uhr(plat::process::VirtuelleUhr::lokal(2024, 3, 9, 14, 30)) {
    plat::process::setze_uhr(&uhr);
    plat::ui::setze_benutzer(&benutzer);
    plat::rt::setze_feldquelle(&quelle);
    quelle.bereiche[1].alias = "AUFTRAG";
    quelle.feld(1, "name", 'C', Value("M\x81ller     "));
    quelle.feld(1, "betrag", 'N', Value(1234.5, 8, 2));
    quelle.feld(1, "messedat", 'D', Value(*plat::text::Datum::aus_ymd(2024, 3, 15)));
    quelle.feld(1, "notiz", 'M', Value("Notiz"));
    quelle.bereiche[5].alias = "ADRESSEN";
    quelle.feld(5, "name1", 'C', Value("Verwaltung"));
    auto best = std::make_shared<plat::rt::Object>();
    best->members["TW2"] = Value("Freitag");
    rahmen.erzeuge("oBest", Value(best));
    rahmen.erzeuge("cName", "Garten  ");
    rahmen.erzeuge("nZahl", 12.5);
    rahmen.erzeuge("aListe", Value::liste({Value("a"), Value(1)}));
    rahmen.erzeuge("cMakro", "cName + '!'");
    plat::rt::registriere(
        "Verdopple", +[](std::string& s) { s += s.size() < 1000 ? s : ""; });
  }
  plat::process::VirtuelleUhr uhr;
  plat::ui::SkriptBenutzer benutzer;
  plat::expr::test::TestFeldQuelle quelle;
  plat::rt::Rahmen rahmen;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Host host;
  const std::string text(reinterpret_cast<const char*>(data), size);
  plat::rt::Rahmen lauf;  // variables the text creates vanish after the run
  (void)plat::expr::typ_pruefen(text);
  try {
    (void)plat::expr::auswerten(text);
  } catch (const plat::expr::AuswertungAbbruch&) {
  }
  (void)plat::expr::namen_ersetzen(text);
  host.benutzer.leere_protokoll();
  return 0;
}
