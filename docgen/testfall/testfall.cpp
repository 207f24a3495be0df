#include "docgen/testfall/testfall.h"

#include <unistd.h>

#include "docgen/vorlagen/vorlagenfunktionen.h"
#include "platform/tables/arbeitsbereiche.h"
#include "platform/tables/struktur.h"
#include "platform/text/datum.h"
#include "platform/text/zahl.h"

namespace docgen::test {
namespace {

namespace tb = plat::tables;
using plat::rt::Value;

std::filesystem::path neuer_ordner() {
  std::string muster = (std::filesystem::temp_directory_path() / "testfall-XXXXXX").string();
  return ::mkdtemp(muster.data());
}

plat::text::Datum datum(int j, int m, int t) { return *plat::text::Datum::aus_ymd(j, m, t); }

}  // namespace

std::vector<Posten> standard_posten() {
  return {{4711, "g1", 100, "Eichensarg"},
          {4712, "g1", 999, "Kiefernsarg"},
          {4711, "g1", 50, "Sargdecke"},
          {4711, "ga", 20, "Kranz"},
          {4711, "x5", 7, "Porto"}};
}

std::vector<Adresse> standard_adressen() {
  return {{"FH001", "Friedhofsverwaltung", "Ohlsdorf", "Fuhlsb\x81ttler Str. 756", "22337 Hamburg"},
          {"KI002", "Kirchengemeinde", "St. Marien", "Am Dom 1", "20095 Hamburg"},
          {"ST003", "Steinmetz K\x81hn", "", "Grabenweg 9", "22081 Hamburg"},
          {"FH004", "Friedhofsverwaltung", "Altona", "Stadionstr. 5", "22525 Hamburg"}};
}

TestFall::TestFall() : ordner_(neuer_ordner()) {
  docgen::registriere_vorlagenfunktionen();
  tb::schliesse_alle();

  const std::string fall = (ordner_ / "fall.dbf").string();
  tb::erzeuge_tabelle(
      fall, {{"AUFTRNR", 'N', 6, 0},   {"BEST_ART", 'C', 2, 0},    {"MESSETAG", 'C', 10, 0},
             {"MESSEDAT", 'D', 8, 0},  {"MESSEZEIT", 'N', 5, 2},   {"MESSEWO", 'C', 30, 0},
             {"ANSP_ANR", 'C', 10, 0}, {"ANSP_VNAME", 'C', 20, 0}, {"ANSP_NAME", 'C', 20, 0},
             {"ANSP_STR", 'C', 30, 0}, {"ANSP_ORT", 'C', 30, 0},   {"EH_ANR", 'C', 10, 0},
             {"EH_VNAME", 'C', 20, 0}, {"EH_NAME", 'C', 20, 0},    {"EH_STR", 'C', 30, 0},
             {"EH_ORT", 'C', 30, 0},   {"VORNAME", 'C', 20, 0},    {"NAME", 'C', 20, 0},
             {"FRIEDHOF", 'C', 30, 0}, {"TRAUERDAT", 'D', 8, 0},   {"UHRZEIT", 'C', 5, 0},
             {"BETRAG", 'N', 8, 2},    {"NOTIZ", 'M', 10, 0}});
  tb::Tabelle& f = tb::oeffne(1, fall, "FALL");
  f.anhaengen();
  const std::vector<std::pair<const char*, Value>> werte = {
      {"auftrnr", Value(4711)},
      {"best_art", Value("E ")},
      {"messetag", Value("Freitag")},
      {"messedat", Value(datum(2026, 12, 18))},
      {"messezeit", Value(14.3)},
      {"messewo", Value("St. Marien")},
      {"ansp_anr", Value("Frau")},
      {"ansp_vname", Value("Erika")},
      {"ansp_name", Value("Musterfrau")},
      {"ansp_str", Value("Lindenweg 3")},
      {"ansp_ort", Value("20095 Hamburg")},
      {"eh_anr", Value("Herrn")},
      {"eh_vname", Value("Hans")},
      {"eh_name", Value("Musterfrau")},
      {"eh_str", Value("Lindenweg 3")},
      {"eh_ort", Value("20095 Hamburg")},
      {"vorname", Value("Karl")},
      {"name", Value("Musterfrau")},
      {"friedhof", Value("")},
      {"uhrzeit", Value("")},
      {"betrag", Value(150.0)},
  };
  for (const auto& [feld, wert] : werte) f.schreibe(feld, wert);
  f.commit();
  f.entsperre();
  f.gehe_oben();

  setze_posten(standard_posten());
  setze_adressen(standard_adressen());
  tb::waehle(1);

  grundzustand();
}

TestFall::~TestFall() {
  tb::schliesse_alle();
  std::error_code ec;
  std::filesystem::remove_all(ordner_, ec);
}

void TestFall::grundzustand() {
  setze_variable("CRLF", "\r\n");
  setze_variable("TO2", "friedhof");
  setze_variable("TO4", "messewo");
  setze_variable("TD2", "trauerdat");
  setze_variable("TD4", "messedat");
  setze_variable("TZ2", "uhrzeit");
  setze_variable("TZ4", "messezeit");
  auto best = std::make_shared<plat::rt::Object>();
  best->members["TW2"] = Value("");
  best->members["TW4"] = Value("Freitag");
  setze_variable("oBest", Value(best));
  setze_variable("aGruen", Value::liste({}));
}

void TestFall::setze_posten(const std::vector<Posten>& posten) {
  const int vorher = tb::gewaehlt();
  tb::schliesse(3);
  const std::string pfad = (ordner_ / "posten.dbf").string();
  tb::erzeuge_tabelle(pfad, {{"AUFTRNR", 'N', 6, 0},
                             {"NEU", 'C', 3, 0},
                             {"BETRAGEU", 'N', 10, 2},
                             {"BEZEICHN", 'C', 30, 0}});
  tb::Tabelle& t = tb::oeffne(3, pfad, "POSTEN");
  for (const Posten& p : posten) {
    t.anhaengen();
    t.schreibe("auftrnr", Value(p.auftrnr));
    t.schreibe("neu", Value(p.neu));
    t.schreibe("betrageu", Value(p.betrageu));
    t.schreibe("bezeichn", Value(p.bezeichn));
    t.commit();
    t.entsperre();
  }
  t.setze_index([](const tb::Tabelle& s) {
    const Value v = s.lese("auftrnr");
    return plat::text::str(v.ist_zahl() ? v.zahl() : 0, 6, 0);
  });
  t.gehe_oben();
  tb::waehle(vorher);
}

void TestFall::setze_adressen(const std::vector<Adresse>& adressen) {
  const int vorher = tb::gewaehlt();
  tb::schliesse(5);
  const std::string pfad = (ordner_ / "adressen.dbf").string();
  tb::erzeuge_tabelle(pfad, {{"KURZ", 'C', 5, 0},
                             {"NAME1", 'C', 30, 0},
                             {"NAME2", 'C', 30, 0},
                             {"STRASSE", 'C', 30, 0},
                             {"PLZ_ORT", 'C', 30, 0},
                             {"EMAIL", 'C', 40, 0}});
  tb::Tabelle& t = tb::oeffne(5, pfad, "ADRESSEN");
  for (const Adresse& a : adressen) {
    t.anhaengen();
    t.schreibe("kurz", Value(a.kurz));
    t.schreibe("name1", Value(a.name1));
    t.schreibe("name2", Value(a.name2));
    t.schreibe("strasse", Value(a.strasse));
    t.schreibe("plz_ort", Value(a.plz_ort));
    t.commit();
    t.entsperre();
  }
  t.setze_index([](const tb::Tabelle& s) {
    const Value v = s.lese("kurz");
    return v.ist_text() ? v.text() : std::string();
  });
  t.gehe_oben();
  tb::waehle(vorher);
}

void TestFall::setze_fall(const std::string& feld, const Value& wert) {
  tb::Tabelle* f = tb::tabelle(1);
  f->schreibe(feld, wert);
  f->commit();
}

void TestFall::setze_variable(const std::string& name, const Value& wert) {
  host_.erzeuge(name, wert);
}

}  // namespace docgen::test
