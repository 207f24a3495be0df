#include "docgen/drivers/kleine_funktionen.h"

#include "docgen/placeholders/texthilfen.h"
#include "platform/tables/arbeitsbereiche.h"
#include "platform/text/zahl.h"

namespace docgen {

using plat::rt::Value;
namespace tb = plat::tables;

namespace {

std::string text_von(const Value& v) { return v.ist_text() ? v.text() : als_text(v); }

bool gehoert_zum_auftrag(const tb::Tabelle& t, const Value& auftrag) {
  const Value v = t.lese("auftrnr");
  if (v.ist_zahl() && auftrag.ist_zahl()) return v.zahl() == auftrag.zahl();
  return alltrim(text_von(v)) == alltrim(text_von(auftrag));
}

}  // namespace

std::string SucheInDatei(const Value& nA, const Value& cFeld, const Value& cInhalt) {
  tb::Tabelle* posten = tabelle_von(nA.ist_nil() ? Value(3) : nA);
  const auto auftrag = feldwert(1, "auftrnr");
  if (!posten || !auftrag) return "nein";
  const std::string schluessel =
      auftrag->ist_zahl() ? plat::text::str(auftrag->zahl(), 6, 0) : text_von(*auftrag);
  const std::string feld = cFeld.ist_text() ? std::string(alltrim(cFeld.text())) : std::string();
  const std::string gesucht = gross850(text_von(cInhalt.ist_nil() ? Value("") : cInhalt));

  tb::BereichWahren wahren;
  const long satz = posten->recno();
  posten->benachrichtigung_aus();
  std::string antwort = "nein";
  const auto pruefe = [&] {
    const int pos = posten->feld_pos(feld);
    if (pos != 0 && gross850(text_von(posten->lese(pos))).find(gesucht) != std::string::npos)
      antwort = "ja";
  };
  if (posten->hat_index()) {
    if (posten->suche(schluessel))
      for (; !posten->eof() && gehoert_zum_auftrag(*posten, *auftrag); posten->skip()) pruefe();
  } else {
    // Without an index the case's items are found by going through the table.
    for (posten->gehe_oben(); !posten->eof(); posten->skip())
      if (gehoert_zum_auftrag(*posten, *auftrag)) pruefe();
  }
  posten->gehe_zu(satz);
  posten->benachrichtigung_an();
  return antwort;
}

std::string OhnePrompt(const Value& cText, const Value& cTrenner) {
  const std::string text = cText.ist_nil() ? std::string() : text_von(cText);
  const std::string trenner = cTrenner.ist_text() ? cTrenner.text() : std::string(":");
  const auto k = trenner.empty() ? std::string::npos : text.find(trenner);
  if (k == std::string::npos) return std::string(alltrim(text));
  return std::string(alltrim(std::string_view(text).substr(k + trenner.size())));
}

Value NeuesFormular(const Value& cHintergrund) {
  return cHintergrund.ist_nil() ? Value("") : cHintergrund;
}

}  // namespace docgen
