#include "docgen/letters/brief_adresse.h"

#include "docgen/placeholders/texthilfen.h"
#include "platform/runtime/variablen.h"
#include "platform/tables/arbeitsbereiche.h"

namespace docgen {
namespace {

using plat::rt::Value;
namespace tb = plat::tables;

std::string zeilenumbruch() {
  const Value* crlf = plat::rt::finde_variable("CRLF");
  return crlf && crlf->ist_text() ? crlf->text() : std::string("\r\n");
}

std::string feld(const tb::Tabelle& t, std::string_view name, bool getrimmt = true) {
  const int pos = t.feld_pos(name);
  if (pos == 0) return {};
  const Value v = t.lese(pos);
  const std::string s = v.ist_text() ? v.text() : als_text(v);
  return getrimmt ? std::string(alltrim(s)) : s;
}

// The contact person ("ansp") or the spouse ("eh") from the case record.
std::string person(int art, const std::string& praefix) {
  const auto f = [&](const char* name) { return fall_text(praefix + name); };
  const std::string name = f("_vname") + " " + f("_name");
  switch (art) {
    case 1: {
      const std::string nl = zeilenumbruch();
      return name + nl + f("_str") + nl + f("_ort") + nl;
    }
    case 2:
      return f("_anr") + " " + name + ", " + f("_str") + ", " + f("_ort");
    case 3:
      return f("_anr") + " " + name + " " + f("_str") + " " + f("_ort");
    default:
      return "";
  }
}

std::string eintrag(int art, const tb::Tabelle& t) {
  const std::string name1 = feld(t, "name1");
  const std::string name2 = feld(t, "name2");
  const std::string strasse = feld(t, "strasse");
  const std::string ort = feld(t, "plz_ort");
  switch (art) {
    case 1: {
      const std::string nl = zeilenumbruch();
      return name1 + nl + name2 + nl + strasse + nl + ort + nl;
    }
    case 2:
      return name1 + " " + name2 + ", " + strasse + ", " + ort;
    case 3:
      return name1 + " " + name2 + " " + strasse + " " + ort;
    default:
      return "";
  }
}

// Positions the address table on the first entry whose names hold `text`;
// false (at the end of the table) when none does.
bool suche_namen(tb::Tabelle& t, const std::string& text) {
  for (t.gehe_oben(); !t.eof(); t.skip()) {
    const std::string namen = feld(t, "name1", false) + feld(t, "name2", false);
    const std::string name_ort = feld(t, "name1") + " " + feld(t, "plz_ort");
    if (namen.find(text) != std::string::npos || name_ort.find(text) != std::string::npos)
      return true;
  }
  return false;
}

}  // namespace

std::string BriefAdresse(const Value& nArt, const Value& cVerskz, const Value& nA) {
  const int art = nArt.ist_nil() ? 1 : static_cast<int>(als_zahl(nArt));
  std::string verskz(alltrim(cVerskz.ist_nil()    ? std::string("FH001")
                             : cVerskz.ist_text() ? cVerskz.text()
                                                  : als_text(cVerskz)));

  if (verskz == "A") return person(art, "ansp");
  if (verskz == "E") return person(art, "eh");

  tb::Tabelle* t = tabelle_von(nA.ist_nil() ? Value(5) : nA);
  if (!t) return verskz;
  if (!verskz.empty() && verskz.size() < 6) {
    if (!t->hat_index() || !t->suche(verskz)) return verskz;
  } else {
    t->gehe_oben();
    if (verskz.empty() || !suche_namen(*t, verskz)) return verskz;
  }
  return eintrag(art, *t);
}

}  // namespace docgen
