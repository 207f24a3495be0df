#include "platform/tables/tabellen_text.h"

#include <gtest/gtest.h>

#include "platform/tables/arbeitsbereiche.h"
#include "testing/temp_ordner.h"

namespace plat::tables {
namespace {

const std::string kKopf =
    "# Test\n"
    "datei = FALL.DBF\n"
    "feld = nr N 6\n"
    "feld = betrag N 8 2\n"
    "feld = name C 12\n"
    "feld = am D\n"
    "feld = ok L\n"
    "feld = notiz M\n";

TEST(TabellenText, BuildsATableFromItsText) {
  bt::test::TempOrdner dir;
  const std::string pfad = baue_tabelle_aus_text(kKopf +
                                                     "[satz]\n"
                                                     "nr = 7\n"
                                                     "betrag = -12.5\n"
                                                     "name = \"  Weiß \"\n"
                                                     "am = 14.12.2026\n"
                                                     "ok = T\n"
                                                     "notiz = <<\n"
                                                     "Zeile 1\n"
                                                     "\n"
                                                     "Zeile 3\n"
                                                     ">>\n"
                                                     "[satz gelöscht]\n"
                                                     "name = weg\n",
                                                 dir.pfad());
  EXPECT_EQ(pfad, dir / "FALL.DBF");
  auto t = oeffne_datei(pfad);
  ASSERT_EQ(t->anzahl(), 2);
  t->gehe_zu(1);
  EXPECT_EQ(t->lese("nr").zahl(), 7);
  EXPECT_EQ(t->lese("betrag").zahl(), -12.5);
  EXPECT_EQ(t->lese("name").text(), "  Wei\xE1      ");
  EXPECT_EQ(t->lese("am").datum().dtos(), "20261214");
  EXPECT_TRUE(t->lese("ok").logisch());
  EXPECT_EQ(t->lese("notiz").text(), "Zeile 1\r\n\r\nZeile 3");
  t->gehe_zu(2);
  EXPECT_TRUE(t->geloescht());
}

TEST(TabellenText, BadTextNamesTheLine) {
  bt::test::TempOrdner dir;
  struct Fall {
    std::string text;
    std::string meldung;
  };
  for (const Fall& f : std::vector<Fall>{
           {kKopf + "[satz]\nnr = zwölf\n", "Zeile 10: Feld NR: \"zwölf\" ist keine Zahl"},
           {kKopf + "[satz]\nam = 31.02.2026\n",
            "Zeile 10: Feld AM: \"31.02.2026\" ist kein Datum"},
           {kKopf + "[satz]\nfehlt = 1\n", "Zeile 10: die Tabelle hat kein Feld fehlt"},
           {kKopf + "[satz]\nname = \xE2\x82\xAC\n",
            "Zeile 10: Feld NAME: ein Zeichen gibt es in Codepage 850 nicht"},
           {kKopf + "[satz]\nnotiz = <<\noffen\n", "Zeile 10: \">>\" fehlt"},
           {kKopf + "[zeile]\n", "Zeile 9: unbekannter Abschnitt [zeile]"},
           {"feld = x C 3\n", "\"datei = NAME.DBF\" fehlt"},
           {"datei = X.DBF\nfeld = x C\n", "Zeile 2: Feld x: die Länge fehlt"},
       }) {
    try {
      baue_tabelle_aus_text(f.text, dir.pfad(), "quelle.tabelle");
      ADD_FAILURE() << f.meldung;
    } catch (const TabellenFehler& e) {
      EXPECT_NE(e.utf8().find("quelle.tabelle"), std::string::npos) << e.utf8();
      EXPECT_NE(e.utf8().find(f.meldung), std::string::npos) << e.utf8();
    }
  }
}

}  // namespace
}  // namespace plat::tables
