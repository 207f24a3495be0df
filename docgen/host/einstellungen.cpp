#include "docgen/host/einstellungen.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "platform/text/codepage.h"

namespace docgen {
namespace {

std::string trim(const std::string& s) {
  const auto a = s.find_first_not_of(" \t\r");
  if (a == std::string::npos) return "";
  return s.substr(a, s.find_last_not_of(" \t\r") - a + 1);
}

bool name_gueltig(const std::string& n) {
  if (n.empty() || !(std::isalpha(static_cast<unsigned char>(n[0])) || n[0] == '_')) return false;
  for (char c : n)
    if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_')) return false;
  return true;
}

}  // namespace

Einstellungen einstellungen_aus_text(const std::string& utf8, const std::string& quelle) {
  Einstellungen e;
  e.quelle = quelle;
  auto fehler = [&](int zeile, const std::string& was) {
    return HostFehler(quelle + ", Zeile " + std::to_string(zeile) + ": " + was);
  };
  auto cp850 = [&](int zeile, const std::string& s) {
    try {
      return plat::text::utf8_to_cp850(s);
    } catch (const plat::text::ConversionError&) {
      throw fehler(zeile, "ein Zeichen gibt es in Codepage 850 nicht: " + s);
    }
  };
  enum class Abschnitt { Keiner, Bereich, Variablen } abschnitt = Abschnitt::Keiner;
  std::istringstream in(utf8);
  std::string zeile;
  int nr = 0;
  while (std::getline(in, zeile)) {
    ++nr;
    const std::string t = trim(zeile);
    if (t.empty() || t[0] == '#' || t[0] == ';') continue;
    if (t.front() == '[' && t.back() == ']') {
      std::istringstream k(t.substr(1, t.size() - 2));
      std::string wort;
      k >> wort;
      if (wort == "variablen") {
        abschnitt = Abschnitt::Variablen;
      } else if (wort == "bereich") {
        int b = 0;
        if (!(k >> b) || b < 1 || b > 250)
          throw fehler(nr, "[bereich N] mit N von 1 bis 250 erwartet");
        for (const auto& x : e.bereiche)
          if (x.nr == b)
            throw fehler(nr, "Bereich " + std::to_string(b) + " steht schon in Zeile " +
                                 std::to_string(x.zeile));
        e.bereiche.push_back({b, "", "", "", "", nr});
        abschnitt = Abschnitt::Bereich;
      } else {
        throw fehler(nr, "unbekannter Abschnitt " + t);
      }
      continue;
    }
    const auto gleich = t.find('=');
    if (gleich == std::string::npos) throw fehler(nr, "\"name = wert\" erwartet");
    const bool ausdruck = gleich > 0 && t[gleich - 1] == ':';
    const std::string name = trim(t.substr(0, ausdruck ? gleich - 1 : gleich));
    const std::string wert = cp850(nr, trim(t.substr(gleich + 1)));
    if (abschnitt == Abschnitt::Bereich) {
      auto& b = e.bereiche.back();
      if (name == "datei")
        b.datei = wert;
      else if (name == "alias")
        b.alias = wert;
      else if (name == "index")
        b.index = wert;
      else if (name == "suche")
        b.suche = wert;
      else
        throw fehler(nr, "unbekannte Angabe \"" + name + "\" (datei, alias, index, suche)");
    } else if (abschnitt == Abschnitt::Variablen) {
      VariablenEinstellung v;
      const auto doppel = name.find(':');
      v.name = trim(name.substr(0, doppel));
      if (doppel != std::string::npos) v.glied = trim(name.substr(doppel + 1));
      if (!name_gueltig(v.name) || (doppel != std::string::npos && !name_gueltig(v.glied)))
        throw fehler(nr, "ungültiger Variablenname \"" + name + "\"");
      v.wert = wert;
      v.ausdruck = ausdruck;
      v.zeile = nr;
      e.variablen.push_back(v);
    } else {
      throw fehler(nr, "vor \"" + name + "\" fehlt ein Abschnitt ([bereich N] oder [variablen])");
    }
  }
  for (const auto& b : e.bereiche)
    if (b.datei.empty())
      throw fehler(b.zeile, "Bereich " + std::to_string(b.nr) + " nennt keine datei");
  return e;
}

Einstellungen lies_einstellungen(const std::filesystem::path& datei) {
  std::ifstream f(datei, std::ios::binary);
  if (!f)
    throw HostFehler("Die Einstellungsdatei " + datei.string() +
                     " fehlt oder lässt sich nicht lesen");
  const std::string text{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
  return einstellungen_aus_text(text, datei.string());
}

}  // namespace docgen
