// Feeds arbitrary bytes as a template text to the placeholder replacement,
// with a funeral case in real tables and a few variables (one holding a
// placeholder) visible. The replacement must return, and return the same text
// and messages as the pass-by-pass yardstick.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "docgen/placeholders/platzhalter.h"
#include "docgen/placeholders/referenz.h"
#include "docgen/testfall/testfall.h"
#include "platform/expr/fehler.h"

namespace {

docgen::test::TestFall& fall() {
  static auto* f = new docgen::test::TestFall();
  return *f;
}

// Every run starts from the same variables: templates may assign them, and
// GruenBetraege fills aGruen.
void grundzustand() {
  fall().grundzustand();
  fall().setze_variable("cOrt", "Hamburg");
  fall().setze_variable("cName", "Garten  ");
  fall().setze_variable("cDollar", "$(cOrt) ");
  fall().setze_variable("nZahl", 1234.5);
  fall().setze_variable("lMann", true);
}

struct Ergebnis {
  std::string text;
  bool abbruch = false;
  std::vector<std::string> meldungen;
};

template <class F>
Ergebnis lauf(F&& f) {
  Ergebnis e;
  grundzustand();
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
  if (linear.abbruch != referenz.abbruch ||
      (!linear.abbruch &&
       (linear.text != referenz.text || linear.meldungen != referenz.meldungen))) {
    std::fprintf(stderr, "linear (%d):\n%s\n", linear.abbruch ? 1 : 0, linear.text.c_str());
    for (const auto& m : linear.meldungen) std::fprintf(stderr, "  %s\n", m.c_str());
    std::fprintf(stderr, "pass by pass (%d):\n%s\n", referenz.abbruch ? 1 : 0,
                 referenz.text.c_str());
    for (const auto& m : referenz.meldungen) std::fprintf(stderr, "  %s\n", m.c_str());
    std::abort();
  }
  return 0;
}
