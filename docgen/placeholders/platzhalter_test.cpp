#include "docgen/placeholders/platzhalter.h"

#include <gtest/gtest.h>

#include <random>

#include "docgen/placeholders/referenz.h"
#include "docgen/testfall/testfall.h"
#include "platform/runtime/funktionen.h"
#include "platform/runtime/variablen.h"

namespace docgen {
namespace {

using plat::rt::Value;

class Platzhalter : public ::testing::Test {
 protected:
  void SetUp() override {
    fall_.setze_variable("cName", "Garten  ");
    fall_.setze_variable("cOrt", "Hamburg");
    fall_.setze_variable("cDatum", "12.03.2026");
    fall_.setze_variable("cKurz", "ab");
    fall_.setze_variable("cLang", "Langer Text");
    fall_.setze_variable("lMann", true);
    fall_.setze_variable("cHerr", "Herrn");
    fall_.setze_variable("cFrau", "Frau");
    fall_.setze_variable("nZahl", 1234.5);
    fall_.setze_variable("dTermin", *plat::text::Datum::aus_ymd(2026, 12, 18));
    fall_.setze_variable("cDollar", "$(cOrt)");
    fall_.setze_variable("D7", true);
  }
  std::vector<std::string> meldungen() { return fall_.benutzer().meldungen(); }

  test::TestFall fall_;
};

struct Fall {
  const char* vorlage;
  const char* erwartet;
  std::vector<std::string> meldungen;
};

TEST_F(Platzhalter, ErsetztJedeFormWieDieVorlagenSieSchreiben) {
  const std::vector<Fall> faelle = {
      // Running text: trimmed value, the blank after the placeholder stays.
      {"Haus $(cName) Hof", "Haus Garten Hof", {}},
      {"$('Text') bleibt", "Text bleibt", {}},
      {"$('a, b') c", "a, b c", {}},
      {"$(cOrt), den $(cDatum) ", "Hamburg, den 12.03.2026 ", {}},
      // A ")," before the placeholder does not spoil it.
      {"(a), b $(cOrt) ", "(a), b Hamburg ", {}},
      // Numeric fields keep their width and decimals.
      {"$(1->betrag) ", "  150.00 ", {}},
      {"$(FALL->betrag) ", "  150.00 ", {}},
      // Width and decimals from the two characters before the first ")".
      {"$(nZahl+0.82) ", " 1235.32 ", {}},
      // The position suffix disappears with the placeholder.
      {"$(cName,3,4) x", "Garten x", {}},
      {"$(1->vorname,3,4) x", "Karl x", {}},
      // Code blocks run once and are inserted as their value.
      {"$({||DATE()}) ", "11.12.2026 ", {}},
      {"$({|| DATE()}) ", "11.12.2026 DATE()}) ", {}},
      {"$({||cOrt}) ", "Hamburg ", {}},
      // IIF yields the expression to insert.
      {"$(IIF(lMann,'cHerr','cFrau')) ", "Herrn ", {}},
      {"$(dTermin) ", "18.12.2026 ", {}},
      // A value holding a placeholder is replaced in a later pass.
      {"$(cDollar) ", "Hamburg ", {}},
      // Other types give empty text; "D" + days after today in running text.
      {"[$(lMann) ]", "[ ]", {}},
      {"$(D7,1) ", "18.12.2026 ", {}},
      // Template functions.
      {"$(TrimVT('(1->vorname,0,0,1)')) ", "<b>Karl</b> ", {}},
      {"$(Trauerfeier()) ",
       "Die Trauerfeier ist am Freitag, dem 18.12.2026, um 14.30 Uhr in der Kirche St. Marien. ",
       {}},
      // Faulty placeholders: message, "X X X X X", and the rest goes on.
      {"$(cGibtEsNicht) $(cOrt) ",
       "X X X X X Hamburg ",
       {"Fehler bei der Variablen:(cGibtEsNicht)"}},
      {"$(TRIM(cA) + cB) ", "X X X X X + cB) ", {"Fehler bei der Variablen:(TRIM(cA)"}},
      {"Preis 5 $ netto", "Preis 5 X X X X X netto", {"Fehler bei der Variablen:"}},
      // A broken code block is reported like every faulty placeholder.
      {"A $ b {||}) c", "A X X X X X b {||}) c", {"Fehler bei der Variablen:b {||}"}},
      // No blank follows: the placeholder runs to the end of the text.
      {"Ende $(cOrt)", "Ende X X X X X", {"Fehler bei der Variablen:"}},
      {"$(cOrt) und $", "Hamburg und X X X X X", {"Fehler bei der Variablen:"}},
      {"$", "X X X X X", {"Fehler bei der Variablen:"}},
      {"ohne Platzhalter", "ohne Platzhalter", {}},
      {"", "", {}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.vorlage);
    fall_.benutzer().leere_protokoll();
    EXPECT_EQ(VariFunkErsatz_1(f.vorlage), f.erwartet);
    EXPECT_EQ(meldungen(), f.meldungen);
  }
}

TEST_F(Platzhalter, SpaltenmodusHaeltDieBreiteDesPlatzhalters) {
  const std::vector<Fall> faelle = {
      {"$(cKurz) \tRest", "ab       \tRest", {}},      // padded to the 8 characters of "$(cKurz)"
      {"$(cLang) \tRest", "Langer T \tRest", {}},      // cut to 8
      {"$(dTermin) \tRest", "18.12.2026 \tRest", {}},  // 10 characters, as the placeholder
      {"$(1->betrag) \tRest", "  150.00 \tRest", {}},
      {"$(D7,1) \tRest", " \tRest", {}},       // no relative date in a column
      {"$(cKurz)  \tRest", "ab  \tRest", {}},  // the tab does not follow the first blank
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.vorlage);
    EXPECT_EQ(VariFunkErsatz_1(f.vorlage), f.erwartet);
  }
}

// A function that runs while a placeholder is evaluated sees the expression in
// cVariable and may change it; the later evaluations of the same placeholder
// then compute the new expression.
TEST_F(Platzhalter, DieWiederholtenAuswertungenSehenEinGeaendertesCVariable) {
  int aufrufe = 0;
  std::string gesehen;
  plat::rt::registriere_funktion("Wechsel", [&](plat::rt::Argumente&) {
    ++aufrufe;
    gesehen = plat::rt::finde_variable("cVariable")->text();
    plat::rt::setze_variable("cVariable", "'gewechselt'");
    return Value("erst");
  });
  EXPECT_EQ(VariFunkErsatz_1("$(Wechsel()) "), "gewechselt ");
  EXPECT_EQ(gesehen, "(Wechsel())");
  EXPECT_GE(aufrufe, 1);
  EXPECT_EQ(plat::rt::finde_variable("cVariable"), nullptr);  // released after the call
}

TEST_F(Platzhalter, EinWertDerSichSelbstEnthaeltEndet) {
  fall_.setze_variable("cSelbst", "x$(cSelbst) ");
  const std::string r = VariFunkErsatz_1("A $(cSelbst) B");
  EXPECT_NE(r.find("X X X X X"), std::string::npos);
  EXPECT_EQ(r.substr(0, 3), "A x");
  EXPECT_EQ(r.substr(r.size() - 2), " B");
  EXPECT_EQ(meldungen().size(), 1u);
}

// The linear loop gives the same text and the same messages as replacing pass
// by pass on the whole text, also where placeholders overlap, values hold
// placeholders, and terminators are missing.
TEST_F(Platzhalter, GleichesErgebnisWieDurchlaufweise) {
  const std::vector<std::string> teile = {"$(cOrt) ",
                                          "$(cName)",
                                          " ",
                                          "\t",
                                          ") ",
                                          "),",
                                          ", ",
                                          "'",
                                          "$",
                                          "$(",
                                          "$('x') ",
                                          "$('a) b') ",
                                          "$(cDollar) ",
                                          "$(cOrt),",
                                          "$(1->betrag) ",
                                          "$({||cOrt}) ",
                                          "$(cGibtEsNicht) ",
                                          "$(IIF(lMann,'cHerr','cFrau')) ",
                                          "$(cName,3,4) ",
                                          "Text ",
                                          "$(cKurz) \t",
                                          "$({|| DATE()}) ",
                                          "$('$(cOrt) ') ",
                                          "{||",
                                          "})",
                                          "->"};
  std::mt19937 zufall(4711);
  for (int i = 0; i < 400; ++i) {
    std::string vorlage;
    const int n = 1 + static_cast<int>(zufall() % 12);
    for (int k = 0; k < n; ++k) vorlage += teile[zufall() % teile.size()];
    SCOPED_TRACE(vorlage);

    fall_.benutzer().leere_protokoll();
    std::string linear;
    bool linear_fehler = false;
    try {
      linear = VariFunkErsatz_1(vorlage);
    } catch (const std::exception&) {
      linear_fehler = true;
    }
    const auto meldungen_linear = meldungen();

    fall_.benutzer().leere_protokoll();
    std::optional<std::string> referenz;
    bool referenz_fehler = false;
    try {
      referenz = platzhalter::ersetze_durchlaufweise(vorlage);
    } catch (const std::exception&) {
      referenz_fehler = true;
    }
    ASSERT_EQ(linear_fehler, referenz_fehler);
    if (linear_fehler) continue;
    ASSERT_TRUE(referenz.has_value());
    EXPECT_EQ(linear, *referenz);
    EXPECT_EQ(meldungen_linear, meldungen());
  }
}

TEST_F(Platzhalter, FInfoLiestBreiteUndDezimalenDesFeldes) {
  const std::vector<std::pair<const char*, std::vector<int>>> faelle = {
      {"1->betrag", {8, 2}},
      {"(1->betrag)", {8, 2}},
      {"FALL->betrag", {8, 2}},
      {"(fall->BETRAG)", {8, 2}},
      {"((1)->betrag)", {8, 2}},
      {"3->betrageu", {10, 2}},
      {"1->auftrnr", {6, 0}},
      {"1->gibtsnicht", {}},
      {"9->betrag", {}},
      {"betrag", {}},
      {"", {}},
  };
  for (const auto& [ausdruck, erwartet] : faelle) {
    SCOPED_TRACE(ausdruck);
    const Value r = F_Info(ausdruck);
    ASSERT_TRUE(r.ist_liste());
    ASSERT_EQ(r.liste()->size(), 2u);
    const auto& a = *r.liste();
    if (erwartet.empty()) {
      EXPECT_TRUE(a[0].ist_nil() && a[1].ist_nil());
    } else {
      EXPECT_EQ(a[0].zahl(), erwartet[0]);
      EXPECT_EQ(a[1].zahl(), erwartet[1]);
    }
  }
}

}  // namespace
}  // namespace docgen
