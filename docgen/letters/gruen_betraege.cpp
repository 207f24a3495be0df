// Amounts per form position for the forms of the cemetery administration.
#include <cmath>

#include "docgen/letters/textfunktionen.h"
#include "docgen/placeholders/texthilfen.h"
#include "platform/runtime/variablen.h"
#include "platform/tables/arbeitsbereiche.h"
#include "platform/text/zahl.h"

namespace docgen {
namespace {

namespace tb = plat::tables;

constexpr int kMaskenBreite = 13;  // "99,999,999.99"
constexpr int kMaxZeilen = 9999;

// An amount in the mask "99,999,999.99": groups of three digits separated by
// commas, two decimals, every position left of the first significant digit
// showing the fill character; asterisks when the amount does not fit.
std::string maske(double betrag, char fuell) {
  const std::string zahl = plat::text::zahl_ohne_breite(std::fabs(betrag), 2);
  const std::string ganz = zahl.substr(0, zahl.size() - 3);
  std::string gruppiert;
  for (std::size_t i = 0; i < ganz.size(); ++i) {
    if (i > 0 && (ganz.size() - i) % 3 == 0) gruppiert += ',';
    gruppiert += ganz[i];
  }
  std::string text = gruppiert + zahl.substr(zahl.size() - 3);
  if (betrag < 0 && plat::text::runde(betrag, 2) != 0) text = "-" + text;
  if (static_cast<int>(text.size()) > kMaskenBreite) return std::string(kMaskenBreite, '*');
  return std::string(kMaskenBreite - text.size(), fuell) + text;
}

// Form position of an item code: "g1".."g9" give 1..9, "g" + another
// character its code minus 87 ("ga" 10 .. "gh" 17); 0 for other codes.
int position(const Value& neu) {
  if (!neu.ist_text() || neu.text().empty() || neu.text()[0] != 'g') return 0;
  const unsigned char c = neu.text().size() > 1 ? static_cast<unsigned char>(neu.text()[1]) : 0;
  if (c >= '1' && c <= '9') return c - '0';
  return static_cast<int>(c) - 87;
}

// Adds the case's items from work area 3 to `summen`, leaving the work area
// selection, the record position and the notifications as they were (the
// filter is cleared).
void summiere(std::vector<double>& summen) {
  tb::Tabelle* posten = tb::tabelle(3);
  tb::Tabelle* fall = tb::tabelle(1);
  if (!posten || !fall) return;
  const Value auftrag = fall->lese("auftrnr");
  if (!auftrag.ist_zahl()) return;
  const double nr = auftrag.zahl();

  tb::BereichWahren wahren;
  const long satz = posten->recno();
  tb::waehle(3);
  posten->benachrichtigung_aus();
  posten->setze_filter([nr](const tb::Tabelle& t) {
    const Value v = t.lese("auftrnr");
    return v.ist_zahl() && v.zahl() == nr;
  });
  posten->gehe_oben();
  for (; !posten->eof(); posten->skip()) {
    const int pos = position(posten->lese("neu"));
    if (pos < 1 || pos > static_cast<int>(summen.size())) continue;
    const Value betrag = posten->lese("betrageu");
    if (betrag.ist_zahl()) summen[static_cast<std::size_t>(pos - 1)] += betrag.zahl();
  }
  posten->filter_aus();
  posten->gehe_zu(satz);
  posten->benachrichtigung_an();
}

}  // namespace

std::string GruenBetraege(const Value& cFill, const Value& nSumZeile) {
  const char fuell = cFill.ist_text() && !cFill.text().empty() ? cFill.text()[0] : '_';
  const double zeilen = nSumZeile.ist_nil() ? 17 : als_zahl(nSumZeile);
  if (!(zeilen >= 1 && zeilen <= kMaxZeilen)) {
    plat::rt::setze_variable("aGruen", Value::liste({}));
    return "";
  }
  std::vector<double> summen(static_cast<std::size_t>(zeilen), 0.0);
  summiere(summen);

  plat::rt::Array gruen;
  gruen.reserve(summen.size());
  double gesamt = summen.back();
  for (std::size_t i = 0; i + 1 < summen.size(); ++i) {
    gesamt += summen[i];
    gruen.emplace_back(maske(summen[i], fuell));
  }
  gruen.emplace_back(maske(gesamt, fuell));
  plat::rt::setze_variable("aGruen", Value::liste(std::move(gruen)));
  return "";
}

}  // namespace docgen
