// Feeds arbitrary bytes as a template text to the placeholder replacement,
// with a funeral case in real tables and a few variables (one holding a
// placeholder) visible. The replacement must return, and return the same text
// and messages as the pass-by-pass yardstick.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "docgen/placeholders/platzhalter.h"
#include "docgen/placeholders/referenz.h"
#include "docgen/testfall/testfall.h"
#include "platform/expr/fehler.h"

namespace {

docgen::test::TestFall& fall() {
  static docgen::test::TestFall* f = [] {
    auto* neu = new docgen::test::TestFall();
    neu->setze_variable("cOrt", "Hamburg");
    neu->setze_variable("cName", "Garten  ");
    neu->setze_variable("cDollar", "$(cOrt) ");
    neu->setze_variable("nZahl", 1234.5);
    neu->setze_variable("lMann", true);
    return neu;
  }();
  return *f;
}

struct Ergebnis {
  std::string text;
  bool abbruch = false;
  std::vector<std::string> meldungen;
};

template <class F>
Ergebnis lauf(F&& f) {
  Ergebnis e;
  fall().benutzer().leere_protokoll();
  try {
    e.text = f();
  } catch (const plat::expr::AuswertungAbbruch&) {
    e.abbruch = true;
  }
  e.meldungen = fall().benutzer().meldungen();
  return e;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string vorlage(reinterpret_cast<const char*>(data), size);
  const Ergebnis linear = lauf([&] { return docgen::VariFunkErsatz_1(vorlage); });
  bool zu_lang = false;
  const Ergebnis referenz = lauf([&] {
    auto r = docgen::platzhalter::ersetze_durchlaufweise(vorlage, 20000);
    zu_lang = !r;
    return r.value_or(std::string());
  });
  if (zu_lang) return 0;
  if (linear.abbruch != referenz.abbruch) std::abort();
  if (!linear.abbruch && (linear.text != referenz.text || linear.meldungen != referenz.meldungen))
    std::abort();
  return 0;
}
