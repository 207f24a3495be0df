#include "platform/tables/tabellen_text.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include "platform/tables/arbeitsbereiche.h"
#include "platform/tables/struktur.h"
#include "platform/text/codepage.h"

namespace plat::tables {
namespace {

std::string trim(const std::string& s) {
  const auto a = s.find_first_not_of(" \t\r");
  if (a == std::string::npos) return "";
  return s.substr(a, s.find_last_not_of(" \t\r") - a + 1);
}

struct Satz {
  bool geloescht = false;
  struct Wert {
    std::string feld, utf8;
    int zeile;
  };
  std::vector<Wert> werte;
};

class Leser {
 public:
  Leser(const std::string& quelle) : quelle_(quelle) {}

  [[noreturn]] void fehler(int zeile, const std::string& was) const {
    throw TabellenFehler(quelle_ + ", Zeile " + std::to_string(zeile) + ": " + was);
  }

  rt::Value wert(const FeldDef& f, const std::string& utf8, int zeile) const {
    std::string cp;
    try {
      cp = text::utf8_to_cp850(utf8);
    } catch (const text::ConversionError&) {
      fehler(zeile, "Feld " + f.name + ": ein Zeichen gibt es in Codepage 850 nicht");
    }
    switch (f.typ) {
      case 'N': {
        if (trim(cp).empty()) return rt::Value(0.0);
        std::size_t n = 0;
        double d = 0;
        try {
          d = std::stod(trim(cp), &n);
        } catch (const std::exception&) {
          n = 0;
        }
        if (n != trim(cp).size())
          fehler(zeile, "Feld " + f.name + ": \"" + utf8 + "\" ist keine Zahl");
        return rt::Value(d);
      }
      case 'D': {
        auto d = text::Datum::aus_dtoc(trim(cp));
        if (!d) fehler(zeile, "Feld " + f.name + ": \"" + utf8 + "\" ist kein Datum (TT.MM.JJJJ)");
        return rt::Value(*d);
      }
      case 'L': {
        const std::string t = trim(cp);
        if (t == "T" || t == ".T." || t == "J" || t == "j" || t == "t") return rt::Value(true);
        if (t.empty() || t == "F" || t == ".F." || t == "N" || t == "n" || t == "f")
          return rt::Value(false);
        fehler(zeile, "Feld " + f.name + ": \"" + utf8 + "\" ist kein logischer Wert (T oder F)");
      }
      default:
        return rt::Value(cp);
    }
  }

 private:
  std::string quelle_;
};

}  // namespace

std::string baue_tabelle_aus_text(const std::string& text, const std::string& ziel_ordner,
                                  const std::string& quelle) {
  Leser leser(quelle);
  std::string datei;
  std::vector<FeldDef> felder;
  std::vector<Satz> saetze;
  std::istringstream in(text);
  std::string zeile;
  int nr = 0;
  while (std::getline(in, zeile)) {
    ++nr;
    const std::string t = trim(zeile);
    if (t.empty() || t[0] == '#') continue;
    if (t.front() == '[') {
      if (t == "[satz]" || t == "[satz gelöscht]") {
        saetze.push_back({t != "[satz]", {}});
        continue;
      }
      leser.fehler(nr, "unbekannter Abschnitt " + t);
    }
    const auto gleich = t.find('=');
    if (gleich == std::string::npos) leser.fehler(nr, "\"name = wert\" erwartet");
    const std::string name = trim(t.substr(0, gleich));
    std::string wert = trim(t.substr(gleich + 1));
    if (wert == "<<") {
      const int anfang = nr;
      std::string block;
      bool zu = false;
      while (std::getline(in, zeile)) {
        ++nr;
        if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
        if (trim(zeile) == ">>") {
          zu = true;
          break;
        }
        if (!block.empty() || nr > anfang + 1) block += "\r\n";
        block += zeile;
      }
      if (!zu) leser.fehler(anfang, "\">>\" fehlt");
      wert = block;
    } else if (wert.size() >= 2 && wert.front() == '"' && wert.back() == '"') {
      wert = wert.substr(1, wert.size() - 2);
    }
    if (saetze.empty()) {
      if (name == "datei") {
        datei = wert;
      } else if (name == "feld") {
        std::istringstream f(wert);
        FeldDef d;
        std::string typ;
        f >> d.name >> typ;
        if (d.name.empty() || typ.size() != 1)
          leser.fehler(nr, "\"feld = name typ [länge [dezimalen]]\" erwartet");
        d.typ = static_cast<char>(std::toupper(static_cast<unsigned char>(typ[0])));
        d.laenge = d.typ == 'D' ? 8 : d.typ == 'L' ? 1 : d.typ == 'M' ? 10 : 0;
        if (!(f >> d.laenge) && d.laenge == 0)
          leser.fehler(nr, "Feld " + d.name + ": die Länge fehlt");
        f >> d.dezimalen;
        felder.push_back(d);
      } else {
        leser.fehler(nr, "\"datei\" oder \"feld\" erwartet, nicht \"" + name + "\"");
      }
    } else {
      saetze.back().werte.push_back({name, wert, nr});
    }
  }
  if (datei.empty()) leser.fehler(nr, "\"datei = NAME.DBF\" fehlt");
  std::string pfad = ziel_ordner + "/" + datei;
  erzeuge_tabelle(pfad, felder);
  auto t = oeffne_datei(pfad, "", true);
  for (const Satz& s : saetze) {
    t->anhaengen();
    for (const auto& w : s.werte) {
      const int pos = t->feld_pos(w.feld);
      if (pos == 0) leser.fehler(w.zeile, "die Tabelle hat kein Feld " + w.feld);
      t->schreibe(pos, leser.wert({t->feld_name(pos), t->feld_typ(pos), t->feld_laenge(pos),
                                   t->feld_dezimalen(pos)},
                                  w.utf8, w.zeile));
    }
    if (s.geloescht) t->loesche();
  }
  t->commit();
  return pfad;
}

std::string baue_tabelle_aus_datei(const std::string& datei, const std::string& ziel_ordner) {
  std::ifstream f(datei, std::ios::binary);
  if (!f) throw TabellenFehler("Die Datei " + datei + " lässt sich nicht lesen");
  const std::string text{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
  return baue_tabelle_aus_text(text, ziel_ordner, datei);
}

}  // namespace plat::tables
