#include "docgen/vorlagen/vorlagenfunktionen.h"

#include "docgen/drivers/kleine_funktionen.h"
#include "docgen/letters/brief_adresse.h"
#include "docgen/letters/textfunktionen.h"
#include "docgen/placeholders/platzhalter.h"
#include "platform/runtime/funktionen.h"

namespace docgen {
namespace {

using plat::rt::Argumente;
using plat::rt::Value;

// The i-th argument (0-based), no value when it was left out.
Value arg(const Argumente& a, std::size_t i) { return i < a.size() ? a[i].wert : Value(); }

std::string text_arg(const Argumente& a, std::size_t i) {
  const Value v = arg(a, i);
  return v.ist_text() ? v.text() : std::string();
}

}  // namespace

void registriere_vorlagenfunktionen() {
  using plat::rt::registriere_funktion;
  registriere_funktion("VariFunkErsatz_1",
                       [](Argumente& a) { return Value(VariFunkErsatz_1(text_arg(a, 0))); });
  registriere_funktion("F_Info", [](Argumente& a) { return F_Info(text_arg(a, 0)); });

  registriere_funktion("BriefAdresse", [](Argumente& a) {
    return Value(BriefAdresse(arg(a, 0), arg(a, 1), arg(a, 2)));
  });
  registriere_funktion("EFzuX", [](Argumente& a) { return Value(EFzuX(arg(a, 0))); });
  registriere_funktion("EF_Friedhof", [](Argumente&) { return EF_Friedhof(); });
  registriere_funktion("EF_Wochentag", [](Argumente&) { return EF_Wochentag(); });
  registriere_funktion("EF_Datum", [](Argumente&) { return EF_Datum(); });
  registriere_funktion("EF_Uhrzeit", [](Argumente&) { return EF_Uhrzeit(); });
  registriere_funktion("GruenBetraege", [](Argumente& a) {
    return Value(GruenBetraege(arg(a, 0), arg(a, 1)));
  });
  registriere_funktion("AkommaB", [](Argumente& a) {
    return Value(AkommaB(arg(a, 0), arg(a, 1), arg(a, 2), arg(a, 3), arg(a, 4), arg(a, 5),
                         arg(a, 6), arg(a, 7), arg(a, 8), arg(a, 9)));
  });
  registriere_funktion("TrimVT", [](Argumente& a) {
    return Value(TrimVT(arg(a, 0), arg(a, 1), arg(a, 2), arg(a, 3), arg(a, 4)));
  });
  registriere_funktion("Trauerfeier", [](Argumente& a) {
    return Value(Trauerfeier(arg(a, 0), arg(a, 1), arg(a, 2), arg(a, 3), arg(a, 4)));
  });

  registriere_funktion("SucheInDatei", [](Argumente& a) {
    return Value(SucheInDatei(arg(a, 0), arg(a, 1), arg(a, 2)));
  });
  registriere_funktion("OhnePrompt",
                       [](Argumente& a) { return Value(OhnePrompt(arg(a, 0), arg(a, 1))); });
  registriere_funktion("NeuesFormular", [](Argumente& a) { return NeuesFormular(arg(a, 0)); });
}

}  // namespace docgen
