#include "platform/tables/arbeitsbereiche.h"

#include <strings.h>

#include <array>
#include <cctype>

#include "platform/tables/dbf_tabelle.h"
#include "platform/tables/feldquelle.h"

namespace plat::tables {
namespace {

constexpr int kBereiche = 250;

struct Bereiche {
  std::array<std::unique_ptr<Tabelle>, kBereiche + 1> tabellen;
  int gewaehlt = 1;
};

Bereiche& bereiche() {
  static Bereiche b;
  return b;
}

std::string_view ohne_blanks(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// The number of a number text ("3", " 12 "), or -1 when it is none.
int nummer(std::string_view s) {
  s = ohne_blanks(s);
  if (s.empty() || s.size() > 4) return -1;
  int n = 0;
  for (char c : s) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}

std::string alias_aus_pfad(const std::string& pfad) {
  const auto schraeg = pfad.find_last_of('/');
  std::string name = schraeg == std::string::npos ? pfad : pfad.substr(schraeg + 1);
  const auto punkt = name.find_last_of('.');
  if (punkt != std::string::npos && punkt > 0) name.resize(punkt);
  for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return name;
}

}  // namespace

int gewaehlt() { return bereiche().gewaehlt; }

void waehle(int bereich) {
  if (bereich < 1 || bereich > kBereiche)
    throw TabellenFehler("Arbeitsbereich " + std::to_string(bereich) +
                         " gibt es nicht (1 bis 250)");
  bereiche().gewaehlt = bereich;
}

bool waehle(std::string_view alias_oder_nr) {
  const int n = bereich_von(alias_oder_nr);
  if (n == 0) return false;
  bereiche().gewaehlt = n;
  return true;
}

int bereich_von(std::string_view alias_oder_nr) {
  const int n = nummer(alias_oder_nr);
  if (n >= 0) return n >= 1 && n <= kBereiche ? n : 0;
  const std::string_view a = ohne_blanks(alias_oder_nr);
  if (a.empty()) return 0;
  auto& b = bereiche();
  for (int i = 1; i <= kBereiche; ++i) {
    const auto& t = b.tabellen[static_cast<std::size_t>(i)];
    if (t && t->alias().size() == a.size() &&
        ::strncasecmp(t->alias().data(), a.data(), a.size()) == 0)
      return i;
  }
  return 0;
}

Tabelle* tabelle(int bereich) {
  if (bereich < 1 || bereich > kBereiche) return nullptr;
  return bereiche().tabellen[static_cast<std::size_t>(bereich)].get();
}

Tabelle* aktuelle() { return tabelle(gewaehlt()); }

std::unique_ptr<Tabelle> oeffne_datei(const std::string& pfad, const std::string& alias,
                                      bool exklusiv) {
  return std::make_unique<DbfTabelle>(pfad, alias.empty() ? alias_aus_pfad(pfad) : alias, exklusiv);
}

Tabelle& oeffne(int bereich, const std::string& pfad, const std::string& alias, bool exklusiv) {
  auto& b = bereiche();
  if (bereich == 0) {
    for (int i = 1; i <= kBereiche && bereich == 0; ++i)
      if (!b.tabellen[static_cast<std::size_t>(i)]) bereich = i;
    if (bereich == 0) throw TabellenFehler("Kein Arbeitsbereich ist mehr frei für " + pfad);
  }
  if (bereich < 1 || bereich > kBereiche)
    throw TabellenFehler("Arbeitsbereich " + std::to_string(bereich) +
                         " gibt es nicht (1 bis 250)");
  const std::string name = alias.empty() ? alias_aus_pfad(pfad) : alias;
  const int belegt = bereich_von(name);
  if (belegt != 0 && belegt != bereich && nummer(name) < 0)
    throw TabellenFehler("Der Alias " + name + " ist schon in Arbeitsbereich " +
                         std::to_string(belegt) + " geöffnet (" + pfad + ")");
  schliesse(bereich);
  b.tabellen[static_cast<std::size_t>(bereich)] = oeffne_datei(pfad, name, exklusiv);
  b.gewaehlt = bereich;
  installiere_feldquelle();
  return *b.tabellen[static_cast<std::size_t>(bereich)];
}

void schliesse(int bereich) {
  if (bereich < 1 || bereich > kBereiche) return;
  auto& t = bereiche().tabellen[static_cast<std::size_t>(bereich)];
  if (!t) return;
  std::unique_ptr<Tabelle> weg = std::move(t);
  weg->commit();  // a write error shows here; the table is closed all the same
}

void schliesse_alle() {
  for (int i = 1; i <= kBereiche; ++i) {
    try {
      schliesse(i);
    } catch (const TabellenFehler&) {  // NOLINT(bugprone-empty-catch): close the rest regardless
    }
  }
}

BereichWahren::BereichWahren() : bereich_(gewaehlt()) {}
BereichWahren::~BereichWahren() { bereiche().gewaehlt = bereich_; }

}  // namespace plat::tables
