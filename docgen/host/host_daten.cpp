#include "docgen/host/host_daten.h"

#include <strings.h>

#include <memory>

#include "platform/expr/expr.h"
#include "platform/expr/fehler.h"
#include "platform/files/pfad.h"
#include "platform/runtime/value.h"
#include "platform/tables/arbeitsbereiche.h"
#include "platform/text/codepage.h"
#include "platform/text/datum.h"

namespace docgen {
namespace fs = std::filesystem;
namespace tables = plat::tables;
using plat::rt::Value;

namespace {

std::string utf8(const std::string& cp850) {
  return plat::text::convert_lossy(cp850, plat::text::CodePage::Cp850, plat::text::CodePage::Utf8);
}

// The file `name` in `ordner`, its name matched without regard to case.
fs::path finde_datei(const fs::path& ordner, const std::string& name) {
  fs::path genau = ordner / name;
  if (fs::exists(genau)) return genau;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(ordner, ec)) {
    const std::string n = e.path().filename().string();
    if (n.size() == name.size() && ::strncasecmp(n.c_str(), name.c_str(), n.size()) == 0)
      return e.path();
  }
  return genau;
}

// Hungarian prefix: a lower-case type letter followed by an upper-case
// letter, a digit or "_" ("nV", "dHeute").
char praefix(const std::string& name) {
  if (name.size() < 2 || !std::islower(static_cast<unsigned char>(name[0]))) return 'c';
  const auto z = static_cast<unsigned char>(name[1]);
  if (!(std::isupper(z) || std::isdigit(z) || z == '_')) return 'c';
  return name[0];
}

Value einfacher_wert(const VariablenEinstellung& v, const std::string& quelle) {
  auto fehler = [&](const std::string& was) {
    return HostFehler(quelle + ", Zeile " + std::to_string(v.zeile) + ": " + v.name + ": " + was);
  };
  switch (praefix(v.glied.empty() ? v.name : v.glied)) {
    case 'n': {
      std::size_t n = 0;
      double d = 0;
      try {
        d = std::stod(v.wert, &n);
      } catch (const std::exception&) {
        n = 0;
      }
      if (v.wert.empty() || n != v.wert.size())
        throw fehler("\"" + utf8(v.wert) + "\" ist keine Zahl");
      return Value(d);
    }
    case 'l':
      if (v.wert == "T" || v.wert == ".T.") return Value(true);
      if (v.wert == "F" || v.wert == ".F." || v.wert.empty()) return Value(false);
      throw fehler("\"" + utf8(v.wert) + "\" ist kein logischer Wert (T oder F)");
    case 'd': {
      auto d = plat::text::Datum::aus_dtoc(v.wert);
      if (!d) throw fehler("\"" + utf8(v.wert) + "\" ist kein Datum (TT.MM.JJJJ)");
      return Value(*d);
    }
    default:
      return Value(v.wert);
  }
}

void setze(const std::string& name, const std::string& glied, Value wert,
           plat::rt::Rahmen& rahmen) {
  if (glied.empty()) {
    rahmen.erzeuge(name, std::move(wert));
    return;
  }
  Value* o = plat::rt::finde_variable(name);
  if (!o || !o->ist_objekt())
    o = &rahmen.erzeuge(name, Value(std::make_shared<plat::rt::Object>()));
  std::string schluessel = glied;
  for (char& c : schluessel) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  o->objekt()->members[schluessel] = std::move(wert);
}

}  // namespace

std::string datver_text(const fs::path& datenordner) {
  std::error_code ec;
  const fs::path ordner = fs::weakly_canonical(datenordner, ec);
  for (char b = 'C'; b <= 'Z'; ++b) {
    const fs::path wurzel = fs::weakly_canonical(plat::files::laufwerk(b), ec);
    const fs::path rel = ordner.lexically_relative(wurzel);
    if (rel.empty() || *rel.begin() == "..") continue;
    std::string text = std::string(1, b) + ":\\";
    for (const auto& teil : rel) {
      if (teil == ".") continue;
      text += teil.string() + "\\";
    }
    return plat::text::convert_lossy(text, plat::text::CodePage::Utf8, plat::text::CodePage::Cp850);
  }
  return plat::text::convert_lossy(ordner.string() + "\\", plat::text::CodePage::Utf8,
                                   plat::text::CodePage::Cp850);
}

HostDaten::HostDaten(const HostAufruf& aufruf) : aufruf_(aufruf) {
  // Absolute, so that the host may make the data folder its current folder.
  std::error_code ec;
  aufruf_.datenordner = fs::absolute(aufruf_.datenordner, ec).lexically_normal();
  if (!aufruf_.datenordner.empty() && aufruf_.datenordner.filename().empty())
    aufruf_.datenordner = aufruf_.datenordner.parent_path();  // no trailing slash
  if (!fs::is_directory(aufruf_.datenordner))
    throw HostFehler("Den Datenordner " + aufruf_.datenordner.string() + " gibt es nicht");
  einstellungen_ = lies_einstellungen(finde_datei(aufruf_.datenordner, kEinstellungsdatei));
  plat::expr::setze_fehlerprotokoll(aufruf_.datenordner / "fehler.log");
  try {
    rahmen_.erzeuge("cDatver", Value(datver_text(aufruf_.datenordner)));
    rahmen_.erzeuge("CRLF", Value("\r\n"));
    rahmen_.erzeuge("oCB", Value());
    erzeuge_variablen(false);
    for (const auto& [name, wert] : aufruf_.setzen) rahmen_.erzeuge(name, Value(wert));
    oeffne_bereiche();
    positioniere(aufruf_.fall);
    erzeuge_variablen(true);
    tables::waehle(1);
  } catch (...) {
    for (int b : geoeffnet_) tables::schliesse(b);
    throw;
  }
}

HostDaten::~HostDaten() {
  for (int b : geoeffnet_) {
    try {
      tables::schliesse(b);
    } catch (const tables::TabellenFehler&) {  // NOLINT(bugprone-empty-catch): closing the rest
                                               // matters more
    }
  }
}

void HostDaten::erzeuge_variablen(bool ausdruecke) {
  for (const auto& v : einstellungen_.variablen) {
    if (v.ausdruck != ausdruecke) continue;
    if (ausdruecke && v.glied.empty()) {
      bool von_aussen = false;
      for (const auto& s : aufruf_.setzen)
        if (::strcasecmp(s.first.c_str(), v.name.c_str()) == 0) von_aussen = true;
      if (von_aussen) continue;
    }
    setze(v.name, v.glied,
          ausdruecke ? plat::expr::auswerten(v.wert) : einfacher_wert(v, einstellungen_.quelle),
          rahmen_);
  }
}

void HostDaten::oeffne_bereiche() {
  for (const auto& b : einstellungen_.bereiche) {
    const fs::path pfad = finde_datei(aufruf_.datenordner, b.datei);
    try {
      tables::oeffne(b.nr, pfad.string(), b.alias);
    } catch (const tables::TabellenFehler& f) {
      throw HostFehler(f.utf8());
    }
    geoeffnet_.push_back(b.nr);
    if (b.index.empty()) continue;
    {
      tables::BereichWahren w;
      tables::waehle(b.nr);
      const std::string typ = plat::expr::typ_pruefen(b.index);
      if (typ != "C" && !(typ == "U" && tables::tabelle(b.nr)->anzahl() == 0))
        throw HostFehler(einstellungen_.quelle + ", Zeile " + std::to_string(b.zeile) +
                         ": der Index \"" + utf8(b.index) + "\" von Bereich " +
                         std::to_string(b.nr) + " ergibt keinen Text (Typ " + typ + ")");
    }
    const int nr = b.nr;
    const std::string ausdruck = b.index;
    tables::tabelle(nr)->setze_index([nr, ausdruck](const tables::Tabelle&) {
      tables::BereichWahren w;
      tables::waehle(nr);
      const Value v = plat::expr::auswerten(ausdruck);
      if (!v.ist_text())
        throw HostFehler("Der Index \"" + utf8(ausdruck) + "\" ergibt keinen Text");
      return v.text();
    });
  }
}

void HostDaten::positioniere(std::optional<long> fall) {
  tables::Tabelle* eins = tables::tabelle(1);
  if (eins) {
    eins->gehe_oben();
    if (fall) {
      if (eins->feld_pos("auftrnr") == 0)
        throw HostFehler("Die Tabelle " + eins->pfad() + " in Bereich 1 hat kein Feld auftrnr");
      while (!eins->eof() && eins->lese("auftrnr").zahl() != static_cast<double>(*fall))
        eins->skip();
      if (eins->eof())
        throw HostFehler("Den Fall " + std::to_string(*fall) + " gibt es nicht in " + eins->pfad());
    }
  } else if (fall) {
    throw HostFehler("In Bereich 1 ist keine Tabelle geöffnet; der Fall " + std::to_string(*fall) +
                     " lässt sich nicht einstellen");
  }
  for (const auto& b : einstellungen_.bereiche) {
    if (b.nr == 1) continue;
    tables::Tabelle* t = tables::tabelle(b.nr);
    if (b.suche.empty()) {
      t->gehe_oben();
      continue;
    }
    if (!t->hat_index())
      throw HostFehler(einstellungen_.quelle + ", Zeile " + std::to_string(b.zeile) + ": Bereich " +
                       std::to_string(b.nr) + " hat keinen index zum Suchen");
    tables::BereichWahren w;
    tables::waehle(b.nr);
    const Value k = plat::expr::auswerten(b.suche);
    if (!k.ist_text())
      throw HostFehler(einstellungen_.quelle + ", Zeile " + std::to_string(b.zeile) +
                       ": die Suche \"" + utf8(b.suche) + "\" ergibt keinen Text");
    t->suche(k.text());
  }
}

}  // namespace docgen
