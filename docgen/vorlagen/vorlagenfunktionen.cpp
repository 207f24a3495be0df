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

// The text of the i-th argument (0-based); "" when it was left out or is no text.
std::string text_arg(const Argumente& a, std::size_t i) {
  if (i >= a.size()) return {};
  const Value& v = a[i].referenz ? *a[i].referenz : a[i].wert;
  return v.ist_text() ? v.text() : std::string();
}

}  // namespace

void registriere_vorlagenfunktionen() {
  using plat::rt::registriere;
  plat::rt::registriere_funktion(
      "VariFunkErsatz_1", [](Argumente& a) { return Value(VariFunkErsatz_1(text_arg(a, 0))); });
  plat::rt::registriere_funktion("F_Info", [](Argumente& a) { return F_Info(text_arg(a, 0)); });

  registriere("BriefAdresse", &BriefAdresse);
  registriere("EFzuX", &EFzuX);
  registriere("EF_Friedhof", &EF_Friedhof);
  registriere("EF_Wochentag", &EF_Wochentag);
  registriere("EF_Datum", &EF_Datum);
  registriere("EF_Uhrzeit", &EF_Uhrzeit);
  registriere("GruenBetraege", &GruenBetraege);
  registriere("AkommaB", &AkommaB);
  registriere("TrimVT", &TrimVT);
  registriere("Trauerfeier", &Trauerfeier);

  registriere("SucheInDatei", &SucheInDatei);
  registriere("OhnePrompt", &OhnePrompt);
  registriere("NeuesFormular", &NeuesFormular);
}

}  // namespace docgen
