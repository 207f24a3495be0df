#include "docgen/placeholders/platzhalter.h"
#include "docgen/placeholders/texthilfen.h"
#include "platform/tables/arbeitsbereiche.h"

namespace docgen {
namespace {

// "1->", "(1)->", " kunden ->" -> the alias or number text.
std::string_view bereich_name(std::string_view bezeichner) {
  if (bezeichner.size() >= 2 && bezeichner.substr(bezeichner.size() - 2) == "->")
    bezeichner.remove_suffix(2);
  bezeichner = alltrim(bezeichner);
  while (bezeichner.size() >= 2 && bezeichner.front() == '(' && bezeichner.back() == ')')
    bezeichner = alltrim(bezeichner.substr(1, bezeichner.size() - 2));
  return bezeichner;
}

}  // namespace

plat::rt::Value F_Info(std::string_view e) {
  using plat::rt::Value;
  const long pfeil = static_cast<long>(at("->", e));
  const long gross = static_cast<long>(at(">", e));
  if (pfeil == 0) return Value::liste({Value(), Value()});

  std::string_view bezeichner;
  std::string_view feld;
  if (!e.empty() && e.front() == '(') {
    bezeichner = substr1(e, 2, pfeil);
    feld = substr1(e, gross + 1,
                   static_cast<long>(e.size()) - static_cast<long>(bezeichner.size()) - 2);
  } else {
    bezeichner = substr1(e, 1, pfeil + 1);
    feld = substr1(e, gross + 1, static_cast<long>(e.size()));
  }

  const plat::tables::Tabelle* t = tabelle_von(bereich_name(bezeichner));
  const int pos = t ? t->feld_pos(alltrim(feld)) : 0;
  if (pos == 0) return Value::liste({Value(), Value()});
  return Value::liste({Value(t->feld_laenge(pos)), Value(t->feld_dezimalen(pos))});
}

}  // namespace docgen
