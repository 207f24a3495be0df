#include "docgen/letters/textfunktionen.h"

#include <gtest/gtest.h>

#include "docgen/testfall/testfall.h"
#include "platform/expr/expr.h"
#include "platform/runtime/variablen.h"
#include "platform/tables/arbeitsbereiche.h"

namespace docgen {
namespace {

namespace tb = plat::tables;
using plat::rt::Value;

plat::text::Datum datum(int j, int m, int t) { return *plat::text::Datum::aus_ymd(j, m, t); }

class Textfunktionen : public ::testing::Test {
 protected:
  test::TestFall fall_;
};

TEST_F(Textfunktionen, EFzuXVergleichtGenauMitNachlaufendenBlanks) {
  struct F {
    const char* feld;
    Value gesucht;
    const char* erwartet;
  };
  const std::vector<F> faelle = {
      {"E ", Value("E "), "X"}, {"E ", Value("E"), ""},   {"EF", Value("E"), ""},
      {"EF", Value("EF"), "X"}, {"EF", Value("EFX"), ""}, {"EF", Value(), ""},
      {"  ", Value("  "), "X"}, {"E ", Value(1), ""},
  };
  for (const F& f : faelle) {
    SCOPED_TRACE(std::string(f.feld) + "/" + plat::rt::als_text(f.gesucht));
    fall_.setze_fall("best_art", Value(f.feld));
    EXPECT_EQ(EFzuX(f.gesucht), f.erwartet);
  }
}

TEST_F(Textfunktionen, ZweiAlternativenNehmenDieErsteNichtLeere) {
  // TO2 names "friedhof" (empty), TO4 "messewo".
  EXPECT_EQ(EF_Friedhof().text(), "St. Marien                    ");
  fall_.setze_fall("friedhof", Value("Ohlsdorf"));
  EXPECT_EQ(EF_Friedhof().text(), "Ohlsdorf                      ");

  // A blank date in TD2 falls back to TD4, also when that is blank too.
  EXPECT_EQ(EF_Datum().datum(), datum(2026, 12, 18));
  fall_.setze_fall("messedat", Value(plat::text::Datum()));
  EXPECT_TRUE(EF_Datum().datum().leer());
  fall_.setze_fall("trauerdat", Value(datum(2026, 12, 19)));
  EXPECT_EQ(EF_Datum().datum(), datum(2026, 12, 19));

  EXPECT_EQ(EF_Uhrzeit().zahl(), 14.3);
  fall_.setze_fall("uhrzeit", Value("11:00"));
  EXPECT_EQ(EF_Uhrzeit().text(), "11:00");

  // A name that names no field counts as empty text.
  fall_.setze_variable("TZ2", "gibtsnicht");
  EXPECT_EQ(EF_Uhrzeit().zahl(), 14.3);
  fall_.setze_variable("TZ4", "auchnicht");
  EXPECT_EQ(EF_Uhrzeit().text(), "");
}

TEST_F(Textfunktionen, EFWochentagAusDemObjekt) {
  EXPECT_EQ(EF_Wochentag().text(), "Freitag");
  auto best = std::make_shared<plat::rt::Object>();
  best->members["TW2"] = Value("Montag");
  fall_.setze_variable("oBest", Value(best));
  EXPECT_EQ(EF_Wochentag().text(), "Montag");
  fall_.setze_variable("oBest", Value(std::make_shared<plat::rt::Object>()));
  EXPECT_EQ(EF_Wochentag().text(), "");
  fall_.setze_variable("oBest", Value("kein Objekt"));
  EXPECT_EQ(EF_Wochentag().text(), "");
}

std::vector<std::string> gruen() {
  const Value* g = plat::rt::finde_variable("aGruen");
  std::vector<std::string> r;
  for (const Value& v : *g->liste()) r.push_back(v.text());
  return r;
}

TEST_F(Textfunktionen, GruenBetraegeSummiertJePositionUndLaesstAllesWieEsWar) {
  fall_.setze_posten({{4711, "g1", 100, ""},
                      {4711, "g1", 50, ""},
                      {4712, "g1", 999, ""},
                      {4711, "ga", 20, ""},
                      {4711, "x5", 7, ""},
                      {4711, "g0", 3, ""},    // no position: skipped
                      {4711, "gz", 4, ""},    // beyond 17: skipped
                      {4711, "gh", 1.5, ""},  // booked to the total itself
                      {4711, "gg", 1234567.891, ""},
                      {4711, "G2", 9, ""}});
  tb::waehle(5);
  tb::tabelle(3)->gehe_zu(3);
  EXPECT_EQ(GruenBetraege(), "");
  EXPECT_EQ(tb::gewaehlt(), 5);
  EXPECT_EQ(tb::tabelle(3)->recno(), 3);

  std::vector<std::string> erwartet(17, "_________0.00");
  erwartet[0] = "_______150.00";
  erwartet[9] = "________20.00";
  erwartet[15] = "_1,234,567.89";
  erwartet[16] = "_1,234,739.39";  // 150 + 20 + 1234567.89 + 1.50
  EXPECT_EQ(gruen(), erwartet);

  GruenBetraege(Value("*"), Value(11));
  const auto g = gruen();
  ASSERT_EQ(g.size(), 11u);
  EXPECT_EQ(g[0], "*******150.00");
  EXPECT_EQ(g[9], "********20.00");
  EXPECT_EQ(g[10], "*******170.00");
}

TEST_F(Textfunktionen, AkommaBVerbindetBisZumErstenFehlendenWert) {
  const Value liste = Value::liste({Value("Rot  "), Value("Blau")});
  EXPECT_EQ(AkommaB(liste), "Rot, Blau");
  EXPECT_EQ(AkommaB(Value::liste({})), "");
  EXPECT_EQ(AkommaB(Value("A"), Value("B"), Value(), Value("D")), "A, B");
  EXPECT_EQ(AkommaB(Value("A")), "A");
  EXPECT_EQ(AkommaB(Value("A  "), Value(25), Value(datum(2026, 12, 18))), "A, 25, 18.12.2026");
}

TEST_F(Textfunktionen, TrimVTFormatiertTexteZahlenUndDaten) {
  struct F {
    std::vector<Value> args;
    const char* erwartet;
  };
  const Value d = Value(datum(2026, 3, 5));  // a Thursday
  const std::vector<F> faelle = {
      {{"Haus Garten Hof", 1}, "Haus"},
      {{"Haus Garten Hof", 2}, "Garten Hof"},
      {{"Haus", 1}, ""},
      {{"Haus", 2}, "Haus"},
      {{"Haus", 0, 1}, "H a u s"},
      {{"Haus", 0, 2}, "H  a  u  s"},
      {{" Haus ", 0, 0, 5}, "<b><i>Haus</i></b>"},
      {{" Haus ", "0", "0", "1"}, "<b>Haus</b>"},
      {{" Haus ", 0, 0, 2}, "<u>Haus</u>"},
      {{" Haus ", 0, 0, 3}, "<b><u>Haus</u></b>"},
      {{" Haus ", 0, 0, 6}, "<u><i>Haus</i></u>"},
      {{" Haus ", 0, 0, 7}, "<b><u><i>Haus</i></u></b>"},
      {{" Haus ", 0, 0, 8}, " Haus"},
      {{"Rot  "}, "Rot"},
      {{25, 6, 2, "*", " EUR"}, "*25.00 EUR"},
      {{25, 6, 2}, "25.00"},
      {{25}, "25"},
      {{Value::berechnet(2.5, 1)}, "2.5"},
      {{-3.456, 8, 1}, "-3.5"},
      {{d}, "05.03.2026"},
      {{d, 2}, "         5. M\x84rz       2026"},
      {{d, 3}, "Donnerstag, 05.03.2026"},
      {{d, 3, " den "}, "Donnerstag den 05.03.2026"},
      {{d, 4}, "Donnerstag,          5. M\x84rz       2026"},
      {{Value(plat::text::Datum()), 4},
       "  .  .    "},  // the blank date as the date format shows it
      {{true}, ""},
      {{}, ""},
      {{Value::liste({Value("a")})}, ""},
  };
  for (const F& f : faelle) {
    auto a = f.args;
    a.resize(5);
    SCOPED_TRACE(plat::rt::als_text(a[0]) + " " + plat::rt::als_text(a[1]));
    EXPECT_EQ(TrimVT(a[0], a[1], a[2], a[3], a[4]), f.erwartet);
  }
}

TEST_F(Textfunktionen, TrimVTMitArgumentlisteAlsText) {
  plat::rt::Rahmen lauf;
  lauf.erzeuge("cVariable", "(TrimVT('(1->vorname, 0, 0, 1)'))");
  EXPECT_EQ(TrimVT(Value("(1->vorname, 0, 0, 1)")), "<b>Karl</b>");
  EXPECT_EQ(plat::rt::finde_variable("cVariable")->text(), "TrimVT(1->vorname, 0, 0, 1)");
  // A list that names itself ends.
  lauf.erzeuge("cSelbst", "(cSelbst)");
  EXPECT_EQ(TrimVT(Value("(cSelbst)")), "");
}

TEST_F(Textfunktionen, TrauerfeierAusDemFallOderAusDenArgumenten) {
  const std::string anfang = "Die Trauerfeier ist am Freitag, dem 18.12.2026, um 14.30 Uhr in der ";
  EXPECT_EQ(Trauerfeier(), anfang + "Kirche St. Marien.");
  EXPECT_EQ(Trauerfeier({}, {}, {}, {}, Value("Kapelle")), anfang + "Kapelle St. Marien.");
  fall_.setze_fall("messezeit", Value(9.5));
  fall_.setze_fall("messewo", Value("  Friedhofskapelle Ohlsdorf "));
  EXPECT_EQ(Trauerfeier(),
            "Die Trauerfeier ist am Freitag, dem 18.12.2026, um  9.50 Uhr in der Friedhofskapelle "
            "Ohlsdorf.");
  EXPECT_EQ(
      Trauerfeier(Value(" Montag "), Value(datum(2027, 1, 4)), Value(11.0), Value(" San Michele "),
                  Value("  ")),
      "Die Trauerfeier ist am Montag, dem 04.01.2027, um 11.00 Uhr in der Kirche San Michele.");
  EXPECT_EQ(Trauerfeier(Value("Mo"), Value("4.1."), Value("11 Uhr"), Value("st. Ansgar")),
            "Die Trauerfeier ist am Mo, dem 4.1., um 11 Uhr Uhr in der st. Ansgar.");
}

TEST_F(Textfunktionen, VorlagenRufenSieBeimNamen) {
  const std::vector<std::pair<const char*, const char*>> faelle = {
      {"EFzuX('E ')", "X"},
      {"TrimVT(25, 6, 2, '*', ' EUR')", "*25.00 EUR"},
      {"AkommaB('A', 'B')", "A, B"},
      {"Trauerfeier(, , , , 'Kapelle')",
       "Die Trauerfeier ist am Freitag, dem 18.12.2026, um 14.30 Uhr in der Kapelle St. Marien."},
      {"GruenBetraege()", ""},
  };
  for (const auto& [ausdruck, erwartet] : faelle) {
    SCOPED_TRACE(ausdruck);
    EXPECT_EQ(plat::expr::auswerten(ausdruck).text(), erwartet);
  }
}

}  // namespace
}  // namespace docgen
