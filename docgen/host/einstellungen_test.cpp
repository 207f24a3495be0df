#include "docgen/host/einstellungen.h"

#include <gtest/gtest.h>

namespace docgen {
namespace {

TEST(Einstellungen, ReadsAreasAndVariables) {
  const Einstellungen e = einstellungen_aus_text(
      "# Kommentar\n"
      "[bereich 3]\n"
      "datei = POSTEN.DBF\n"
      "alias = POSTEN\n"
      "index = STR(auftrnr, 6)\n"
      "suche = STR(1->auftrnr, 6)\n"
      "\n"
      "[variablen]\n"
      "za05x = Köln\n"
      "cLeer =\n"
      "oBest:TW2 := 1->messetag\n"
      "cPfad = C:\\WINDOWS\\system32\\cmd.exe\n",
      "einstellungen.ini");
  ASSERT_EQ(e.bereiche.size(), 1u);
  EXPECT_EQ(e.bereiche[0].nr, 3);
  EXPECT_EQ(e.bereiche[0].datei, "POSTEN.DBF");
  EXPECT_EQ(e.bereiche[0].alias, "POSTEN");
  EXPECT_EQ(e.bereiche[0].index, "STR(auftrnr, 6)");
  EXPECT_EQ(e.bereiche[0].suche, "STR(1->auftrnr, 6)");
  ASSERT_EQ(e.variablen.size(), 4u);
  EXPECT_EQ(e.variablen[0].name, "za05x");
  EXPECT_EQ(e.variablen[0].wert, "K\x94ln");  // code page 850
  EXPECT_EQ(e.variablen[1].wert, "");
  EXPECT_EQ(e.variablen[2].name, "oBest");
  EXPECT_EQ(e.variablen[2].glied, "TW2");
  EXPECT_TRUE(e.variablen[2].ausdruck);
  EXPECT_EQ(e.variablen[2].wert, "1->messetag");
  EXPECT_EQ(e.variablen[3].wert, "C:\\WINDOWS\\system32\\cmd.exe");
  EXPECT_FALSE(e.variablen[3].ausdruck);
}

TEST(Einstellungen, MistakesNameFileAndLine) {
  struct Fall {
    std::string text, meldung;
  };
  for (const Fall& f : std::vector<Fall>{
           {"datei = X.DBF\n", "Zeile 1: vor \"datei\" fehlt ein Abschnitt"},
           {"[bereich 0]\n", "Zeile 1: [bereich N] mit N von 1 bis 250 erwartet"},
           {"[bereich 2]\ndatei = A\n[bereich 2]\n", "Zeile 3: Bereich 2 steht schon in Zeile 1"},
           {"[bereich 2]\nalias = A\n", "Zeile 1: Bereich 2 nennt keine datei"},
           {"[bereich 2]\ndatei = A\nschluessel = x\n",
            "Zeile 3: unbekannte Angabe \"schluessel\""},
           {"[variablen]\n1x = 2\n", "Zeile 2: ungültiger Variablenname \"1x\""},
           {"[variablen]\ncText\n", "Zeile 2: \"name = wert\" erwartet"},
           {"[variablen]\ncText = \xE2\x82\xAC\n",
            "Zeile 2: ein Zeichen gibt es in Codepage 850 nicht"},
           {"[optionen]\n", "Zeile 1: unbekannter Abschnitt [optionen]"},
       }) {
    try {
      einstellungen_aus_text(f.text, "daten/einstellungen.ini");
      ADD_FAILURE() << f.meldung;
    } catch (const HostFehler& e) {
      EXPECT_NE(std::string(e.what()).find("daten/einstellungen.ini, " + f.meldung),
                std::string::npos)
          << e.what();
    }
  }
}

}  // namespace
}  // namespace docgen
