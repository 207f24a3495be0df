#include "platform/tables/dbf_format.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <set>

#include "platform/tables/tabellen_fehler.h"
#include "platform/text/zahl.h"

namespace plat::tables {
namespace {

std::uint32_t u32(std::string_view b, std::size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

int u16(std::string_view b, std::size_t at) {
  return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}

void put_u32(std::string& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

void put_u16(std::string& b, std::size_t at, int v) {
  b[at] = static_cast<char>(v & 0xFF);
  b[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}

std::string gross(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

bool name_gueltig(const std::string& n) {
  if (n.empty() || n.size() > 10) return false;
  if (!(std::isalpha(static_cast<unsigned char>(n[0])) || n[0] == '_')) return false;
  return std::all_of(n.begin(), n.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
  });
}

// Checks one field's type and length; returns the reason or "".
std::string feld_fehler(const FeldDef& f) {
  const std::string was = "Feld " + f.name + ": ";
  switch (f.typ) {
    case 'C':
      if (f.laenge < 1 || f.laenge > 65535 || f.dezimalen != 0)
        return was + "Länge " + std::to_string(f.laenge) + " ungültig für Typ C";
      return "";
    case 'N':
      if (f.laenge < 1 || f.laenge > 20)
        return was + "Länge " + std::to_string(f.laenge) + " ungültig für Typ N";
      if (f.dezimalen < 0 || f.dezimalen > 15 || (f.dezimalen > 0 && f.dezimalen > f.laenge - 2))
        return was + std::to_string(f.dezimalen) + " Dezimalen passen nicht zur Länge " +
               std::to_string(f.laenge);
      return "";
    case 'D':
      if (f.laenge != 8)
        return was + "ein Datumsfeld hat die Länge 8, nicht " + std::to_string(f.laenge);
      return "";
    case 'L':
      if (f.laenge != 1)
        return was + "ein logisches Feld hat die Länge 1, nicht " + std::to_string(f.laenge);
      return "";
    case 'M':
      if (f.laenge != 10)
        return was + "ein Memofeld hat die Länge 10, nicht " + std::to_string(f.laenge);
      return "";
    default: {
      const auto c = static_cast<unsigned char>(f.typ);
      return was + "Feldtyp " +
             (std::isprint(c) ? std::string(1, f.typ) : "0x" + std::to_string(c)) +
             " wird nicht unterstützt";
    }
  }
}

void setze_versatz(DbfKopf& k) {
  k.versatz.clear();
  int v = 1;
  for (const auto& f : k.felder) {
    k.versatz.push_back(v);
    v += f.laenge;
  }
}

std::string ohne_blanks(std::string_view s) {
  const auto a = s.find_first_not_of(' ');
  if (a == std::string_view::npos) return "";
  const auto e = s.find_last_not_of(' ');
  return std::string(s.substr(a, e - a + 1));
}

}  // namespace

bool DbfKopf::hat_memo() const {
  return std::any_of(felder.begin(), felder.end(), [](const FeldDef& f) { return f.typ == 'M'; });
}

DbfKopf lies_kopf(std::string_view b, std::uint64_t groesse, const std::string& pfad) {
  if (groesse < 32 || b.size() < 32)
    beschaedigt(pfad, "die Datei ist zu kurz für eine dBase-Tabelle");
  DbfKopf k;
  k.version = static_cast<unsigned char>(b[0]);
  if (k.version != 0x03 && k.version != 0x83) {
    beschaedigt(
        pfad, "unbekannte Kennung 0x" + [&] {
          static const char* hex = "0123456789ABCDEF";
          return std::string{hex[k.version >> 4], hex[k.version & 15]};
        }() + " (erwartet wird eine dBase-III-Tabelle)");
  }
  k.jahr = 1900 + static_cast<unsigned char>(b[1]);
  k.monat = static_cast<unsigned char>(b[2]);
  k.tag = static_cast<unsigned char>(b[3]);
  k.anzahl = u32(b, 4);
  k.kopf_laenge = u16(b, 8);
  k.satz_laenge = u16(b, 10);
  k.sprache = static_cast<unsigned char>(b[29]);
  if (k.kopf_laenge < 32 + 32 + 1)
    beschaedigt(pfad, "Kopflänge " + std::to_string(k.kopf_laenge) + " ist zu klein");
  if (static_cast<std::uint64_t>(k.kopf_laenge) > groesse ||
      b.size() < static_cast<std::size_t>(k.kopf_laenge))
    beschaedigt(pfad, "die Datei endet im Kopf (Kopflänge " + std::to_string(k.kopf_laenge) + ")");

  std::set<std::string> namen;
  std::size_t pos = 32;
  for (;;) {
    if (pos >= static_cast<std::size_t>(k.kopf_laenge))
      beschaedigt(pfad, "das Ende der Feldbeschreibungen fehlt");
    if (static_cast<unsigned char>(b[pos]) == kKopfEnde) break;
    if (pos + 32 > static_cast<std::size_t>(k.kopf_laenge))
      beschaedigt(pfad, "eine Feldbeschreibung ist unvollständig");
    std::string_view d = b.substr(pos, 32);
    FeldDef f;
    const auto nul = d.substr(0, 11).find('\0');
    f.name = std::string(d.substr(0, nul == std::string_view::npos ? 11 : nul));
    if (!name_gueltig(f.name))
      beschaedigt(pfad,
                  "ungültiger Feldname in Feldbeschreibung " + std::to_string(k.felder.size() + 1));
    if (!namen.insert(gross(f.name)).second) beschaedigt(pfad, "Feld " + f.name + " ist doppelt");
    f.typ = d[11];
    f.laenge = static_cast<unsigned char>(d[16]);
    f.dezimalen = static_cast<unsigned char>(d[17]);
    if (f.typ == 'C' &&
        f.dezimalen > 0) {  // long text fields keep the high byte of the length there
      f.laenge += 256 * f.dezimalen;
      f.dezimalen = 0;
    }
    if (f.typ == 'F') f.typ = 'N';
    if (auto e = feld_fehler(f); !e.empty()) beschaedigt(pfad, e);
    k.felder.push_back(f);
    pos += 32;
  }
  if (k.felder.empty()) beschaedigt(pfad, "die Tabelle hat keine Felder");
  setze_versatz(k);
  long summe = 1;
  for (const auto& f : k.felder) summe += f.laenge;
  if (summe != k.satz_laenge)
    beschaedigt(pfad, "die Satzlänge " + std::to_string(k.satz_laenge) +
                          " passt nicht zu den Feldern (" + std::to_string(summe) + ")");
  const std::uint64_t daten = groesse - static_cast<std::uint64_t>(k.kopf_laenge);
  const std::uint64_t vorhanden = daten / static_cast<std::uint64_t>(k.satz_laenge);
  if (vorhanden < k.anzahl)
    beschaedigt(pfad, "der Kopf nennt " + std::to_string(k.anzahl) +
                          " Sätze, die Datei enthält nur " + std::to_string(vorhanden) +
                          " (abgeschnitten?)");
  return k;
}

DbfKopf neuer_kopf(std::vector<FeldDef> felder, text::Datum datum, const std::string& pfad) {
  DbfKopf k;
  std::set<std::string> namen;
  long summe = 1;
  for (auto& f : felder) {
    f.name = gross(f.name);
    f.typ = static_cast<char>(std::toupper(static_cast<unsigned char>(f.typ)));
    if (f.typ == 'F') f.typ = 'N';
    if (!name_gueltig(f.name))
      throw TabellenFehler("Tabelle " + pfad + ": ungültiger Feldname \"" + f.name + "\"");
    if (!namen.insert(f.name).second)
      throw TabellenFehler("Tabelle " + pfad + ": Feld " + f.name + " ist doppelt");
    if (auto e = feld_fehler(f); !e.empty()) throw TabellenFehler("Tabelle " + pfad + ": " + e);
    summe += f.laenge;
  }
  if (felder.empty())
    throw TabellenFehler("Tabelle " + pfad + ": eine Tabelle braucht mindestens ein Feld");
  if (felder.size() > 2046 || summe > 65535)
    throw TabellenFehler("Tabelle " + pfad + ": zu viele oder zu lange Felder");
  k.felder = std::move(felder);
  k.version = k.hat_memo() ? 0x83 : 0x03;
  k.kopf_laenge = static_cast<int>(32 + 32 * k.felder.size() + 1);
  k.satz_laenge = static_cast<int>(summe);
  k.sprache = kSpracheCp850;
  if (!datum.leer()) {
    k.jahr = datum.jahr();
    k.monat = datum.monat();
    k.tag = datum.tag();
  }
  setze_versatz(k);
  return k;
}

std::string kopf_bytes(const DbfKopf& k) {
  std::string b(static_cast<std::size_t>(k.kopf_laenge), '\0');
  b[0] = static_cast<char>(k.version);
  b[1] = static_cast<char>(std::clamp(k.jahr - 1900, 0, 255));
  b[2] = static_cast<char>(k.monat);
  b[3] = static_cast<char>(k.tag);
  put_u32(b, 4, k.anzahl);
  put_u16(b, 8, k.kopf_laenge);
  put_u16(b, 10, k.satz_laenge);
  b[29] = static_cast<char>(k.sprache);
  std::size_t pos = 32;
  for (const auto& f : k.felder) {
    std::copy(f.name.begin(), f.name.end(), b.begin() + static_cast<long>(pos));
    b[pos + 11] = f.typ;
    if (f.typ == 'C') {
      b[pos + 16] = static_cast<char>(f.laenge & 0xFF);
      b[pos + 17] = static_cast<char>(f.laenge >> 8);
    } else {
      b[pos + 16] = static_cast<char>(f.laenge);
      b[pos + 17] = static_cast<char>(f.dezimalen);
    }
    pos += 32;
  }
  b[pos] = static_cast<char>(kKopfEnde);
  return b;
}

void setze_anzahl_datum(std::string& b, std::uint32_t anzahl, text::Datum datum) {
  if (!datum.leer()) {
    b[1] = static_cast<char>(std::clamp(datum.jahr() - 1900, 0, 255));
    b[2] = static_cast<char>(datum.monat());
    b[3] = static_cast<char>(datum.tag());
  }
  put_u32(b, 4, anzahl);
}

rt::Value feld_wert(const FeldDef& f, std::string_view roh) {
  switch (f.typ) {
    case 'N': {
      const std::string t = ohne_blanks(roh);
      double n = 0;
      if (!t.empty()) {
        char* ende = nullptr;
        n = std::strtod(t.c_str(), &ende);
        if (ende == t.c_str() || !std::isfinite(n)) n = 0;  // asterisks of an overflow read as 0
      }
      return rt::Value(n, f.laenge, f.dezimalen);
    }
    case 'D': {
      auto d = text::Datum::aus_dtos(roh);
      return rt::Value(d ? *d : text::Datum());
    }
    case 'L': {
      const char c = roh.empty() ? ' ' : roh[0];
      return rt::Value(c == 'T' || c == 't' || c == 'Y' || c == 'y');
    }
    default:
      return rt::Value(std::string(roh));
  }
}

std::string feld_roh(const FeldDef& f, const rt::Value& wert, const std::string& pfad) {
  const auto laenge = static_cast<std::size_t>(f.laenge);
  if (wert.ist_nil()) return std::string(laenge, ' ');
  auto falsch = [&](const char* erwartet) {
    return TabellenFehler("Feld " + f.name + " der Tabelle " + pfad + " erwartet " + erwartet +
                          ", nicht den Typ " + std::string(1, wert.typ_buchstabe()));
  };
  switch (f.typ) {
    case 'C': {
      if (!wert.ist_text()) throw falsch("einen Text");
      std::string s = wert.text().substr(0, laenge);
      s.resize(laenge, ' ');
      return s;
    }
    case 'N': {
      if (!wert.ist_zahl()) throw falsch("eine Zahl");
      std::string s = text::str(wert.zahl(), f.laenge, f.dezimalen);
      if (!s.empty() && s[0] == '*')
        throw TabellenFehler("Die Zahl " + text::zahl_ohne_breite(wert.zahl(), f.dezimalen) +
                             " passt nicht in Feld " + f.name + " (N " + std::to_string(f.laenge) +
                             "," + std::to_string(f.dezimalen) + ") der Tabelle " + pfad);
      return s;
    }
    case 'D':
      if (!wert.ist_datum()) throw falsch("ein Datum");
      return wert.datum().dtos();
    case 'L':
      if (!wert.ist_logisch()) throw falsch("einen logischen Wert");
      return wert.logisch() ? "T" : "F";
    default:
      throw TabellenFehler("Feld " + f.name + " der Tabelle " + pfad + ": Typ " +
                           std::string(1, f.typ) + " nicht direkt schreibbar");
  }
}

}  // namespace plat::tables
