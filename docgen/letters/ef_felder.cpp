// The tick and the two-alternative fields of the funeral service.
#include "docgen/letters/textfunktionen.h"
#include "docgen/placeholders/texthilfen.h"
#include "platform/runtime/variablen.h"

namespace docgen {
namespace {

// The work-area-1 field whose name the host variable `variable` holds; empty
// text when the variable or the field does not exist.
Value feld_aus_variable(std::string_view variable) {
  const Value* name = plat::rt::finde_variable(variable);
  if (!name || !name->ist_text()) return Value("");
  return feldwert(1, alltrim(name->text())).value_or(Value(""));
}

Value erste_nicht_leere(std::string_view erste, std::string_view zweite) {
  Value v = feld_aus_variable(erste);
  if (!v.leer()) return v;
  return feld_aus_variable(zweite);
}

}  // namespace

std::string EFzuX(const Value& bestart) {
  const auto feld = feldwert(1, "best_art");
  if (!feld || !feld->ist_text() || !bestart.ist_text()) return "";
  return feld->text() == bestart.text() ? "X" : "";
}

Value EF_Friedhof() { return erste_nicht_leere("TO2", "TO4"); }
Value EF_Datum() { return erste_nicht_leere("TD2", "TD4"); }
Value EF_Uhrzeit() { return erste_nicht_leere("TZ2", "TZ4"); }

Value EF_Wochentag() {
  const Value* o = plat::rt::finde_variable("oBest");
  if (!o || !o->ist_objekt() || !o->objekt()) return Value("");
  const auto& m = o->objekt()->members;
  const auto tw2 = m.find("TW2");
  if (tw2 != m.end() && !tw2->second.leer()) return tw2->second;
  const auto tw4 = m.find("TW4");
  return tw4 != m.end() ? tw4->second : Value("");
}

}  // namespace docgen
