// Formatting one value as text, and joining values by ", ".
#include <array>

#include "docgen/letters/textfunktionen.h"
#include "docgen/placeholders/texthilfen.h"
#include "platform/expr/expr.h"
#include "platform/runtime/variablen.h"
#include "platform/text/zahl.h"

namespace docgen {
namespace {

// Letter-spacing wider than this is taken as this: a template cannot mean more.
constexpr int kMaxSperrung = 100;
// An argument list in text form may hold another one; so deep and no deeper.
constexpr int kMaxListenTiefe = 32;
int listen_tiefe = 0;

constexpr std::array<const char*, 7> kWochentage = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                                    "Donnerstag", "Freitag", "Samstag"};
constexpr std::array<const char*, 12> kMonate = {"Januar",    "Februar", "M\x84rz",  "April",
                                                 "Mai",       "Juni",    "Juli",     "August",
                                                 "September", "Oktober", "November", "Dezember"};

std::string text_formatieren(std::string s, const Value& nL_, const Value& nD_, const Value& cN_) {
  const int nL = static_cast<int>(als_zahl(nL_));
  const double nD = als_zahl(nD_);
  const int cN = static_cast<int>(als_zahl(cN_));

  if (nL == 1 || nL == 2) {
    const auto blank = s.find(' ');
    if (nL == 1) s = blank == std::string::npos ? std::string() : s.substr(0, blank);
    if (nL == 2 && blank != std::string::npos) s = s.substr(blank + 1);
  }
  if (nD > 0) {
    const int sperrung = nD > kMaxSperrung ? kMaxSperrung : static_cast<int>(nD);
    std::string gesperrt;
    gesperrt.reserve(s.size() * static_cast<std::size_t>(sperrung + 1));
    for (char c : s) {
      gesperrt += c;
      gesperrt.append(static_cast<std::size_t>(sperrung), ' ');
    }
    s = std::move(gesperrt);
  }
  static constexpr std::array<std::array<const char*, 2>, 8> kRahmen = {
      {{"", ""},
       {"<b>", "</b>"},
       {"<u>", "</u>"},
       {"<b><u>", "</u></b>"},
       {"<i>", "</i>"},
       {"<b><i>", "</i></b>"},
       {"<u><i>", "</i></u>"},
       {"<b><u><i>", "</i></u></b>"}}};
  if (cN >= 1 && cN <= 7)
    return std::string(kRahmen[cN][0]) + std::string(alltrim(s)) + kRahmen[cN][1];
  return std::string(rtrim(s));
}

std::string zahl_formatieren(const Value& x, const Value& nL_, const Value& nD_, const Value& cN,
                             const Value& cE) {
  int breite = 0;
  int dezimalen = 0;
  if (nL_.ist_nil()) {
    const std::string standard = zahl_standard(x);
    breite = static_cast<int>(standard.size());
    const auto punkt = standard.find('.');
    dezimalen = punkt == std::string::npos ? 0 : static_cast<int>(standard.size() - punkt - 1);
  } else {
    breite = static_cast<int>(als_zahl(nL_));
    dezimalen = static_cast<int>(als_zahl(nD_));
  }
  std::string s(ltrim(plat::text::str(x.zahl(), breite, dezimalen)));
  if (!cN.leer() && cN.ist_text() && static_cast<int>(s.size()) < breite)
    s = std::string(static_cast<std::size_t>(breite) - s.size(), cN.text()[0]) + s;
  if (cE.ist_text()) s += cE.text();
  return s;
}

std::string datum_formatieren(const plat::text::Datum& d, const Value& nL_, const Value& nD) {
  if (d.leer()) return d.dtoc();
  const int nL = static_cast<int>(als_zahl(nL_));
  const std::string trenner = nD.ist_text() ? nD.text() : ", ";
  const auto zahl = [](int n) { return zahl_standard(Value(n)); };
  std::string in_worten = zahl(d.tag()) + ". " + kMonate[static_cast<std::size_t>(d.monat() - 1)] +
                          " " + zahl(d.jahr());
  const std::string wochentag = kWochentage[static_cast<std::size_t>(d.wochentag() - 1)];
  switch (nL) {
    case 2:
      return in_worten;
    case 3:
      return wochentag + trenner + d.dtoc();
    case 4:
      return wochentag + trenner + in_worten;
    default:
      return d.dtoc();
  }
}

struct TiefenZaehler {
  TiefenZaehler() { ++listen_tiefe; }
  ~TiefenZaehler() { --listen_tiefe; }
  TiefenZaehler(const TiefenZaehler&) = delete;
  TiefenZaehler& operator=(const TiefenZaehler&) = delete;
};

}  // namespace

std::string TrimVT(const Value& xVar, const Value& nL, const Value& nD, const Value& cN,
                   const Value& cE) {
  if (xVar.ist_text()) {
    const std::string& s = xVar.text();
    if (s.size() > 2 && s.front() == '(' && s.back() == ')') {
      TiefenZaehler zaehler;
      if (listen_tiefe > kMaxListenTiefe) return "";
      const std::string aufruf = "TrimVT" + s;
      plat::rt::setze_variable("cVariable", aufruf);
      const Value r = plat::expr::auswerten(aufruf);
      return r.ist_text() ? r.text() : std::string();
    }
    return text_formatieren(s, nL, nD, cN);
  }
  if (xVar.ist_zahl()) return zahl_formatieren(xVar, nL, nD, cN, cE);
  if (xVar.ist_datum()) return datum_formatieren(xVar.datum(), nL, nD);
  return "";
}

std::string AkommaB(const Value& aFelder, const Value& cF2, const Value& cF3, const Value& cF4,
                    const Value& cF5, const Value& cF6, const Value& cF7, const Value& cF8,
                    const Value& cF9, const Value& cF10) {
  std::string r;
  if (aFelder.ist_liste()) {
    bool erstes = true;
    for (const Value& v : *aFelder.liste()) {
      if (!erstes) r += ", ";
      erstes = false;
      r += v.ist_text() ? std::string(rtrim(v.text())) : TrimVT(v);
    }
    return r;
  }
  r = TrimVT(aFelder);
  for (const Value* v : {&cF2, &cF3, &cF4, &cF5, &cF6, &cF7, &cF8, &cF9, &cF10}) {
    if (v->ist_nil()) break;
    r += ", " + TrimVT(*v);
  }
  return r;
}

}  // namespace docgen
