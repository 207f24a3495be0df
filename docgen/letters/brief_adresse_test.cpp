#include "docgen/letters/brief_adresse.h"

#include <gtest/gtest.h>

#include "docgen/testfall/testfall.h"
#include "platform/tables/arbeitsbereiche.h"

namespace docgen {
namespace {

namespace tb = plat::tables;
using plat::rt::Value;

class Adressblock : public ::testing::Test {
 protected:
  test::TestFall fall_;
};

struct F {
  Value art;
  Value verskz;
  Value bereich;
  const char* erwartet;
  long satz;  // record of the address table afterwards; 0: at its end
};

TEST_F(Adressblock, LayoutsUndSuchen) {
  const std::vector<F> faelle = {
      // Contact person and spouse from the case record.
      {1, "A", {}, "Erika Musterfrau\r\nLindenweg 3\r\n20095 Hamburg\r\n", 1},
      {Value(), "  A  ", {}, "Erika Musterfrau\r\nLindenweg 3\r\n20095 Hamburg\r\n", 1},
      {2, "A", {}, "Frau Erika Musterfrau, Lindenweg 3, 20095 Hamburg", 1},
      {3, "A", {}, "Frau Erika Musterfrau Lindenweg 3 20095 Hamburg", 1},
      {2, "E", {}, "Herrn Hans Musterfrau, Lindenweg 3, 20095 Hamburg", 1},
      {4, "A", {}, "", 1},
      // Table entries by key (the default is "FH001" in work area 5).
      {Value(), Value(), Value(),
       "Friedhofsverwaltung\r\nOhlsdorf\r\nFuhlsb\x81ttler Str. 756\r\n22337 Hamburg\r\n", 1},
      {2, "KI002", 5, "Kirchengemeinde St. Marien, Am Dom 1, 20095 Hamburg", 2},
      {3, "KI002", "ADRESSEN", "Kirchengemeinde St. Marien Am Dom 1 20095 Hamburg", 2},
      {1, "ST003", {}, "Steinmetz K\x81hn\r\n\r\nGrabenweg 9\r\n22081 Hamburg\r\n", 3},
      {1, "XY9", {}, "XY9", 0},
      {1, "FH", {}, "FH", 0},  // a key matches whole, never as a prefix
      {7, "KI002", {}, "", 2},
      // Search texts: the first entry from the top, upper and lower case apart.
      {1,
       "Friedhofsverwaltung",
       {},
       "Friedhofsverwaltung\r\nOhlsdorf\r\nFuhlsb\x81ttler Str. 756\r\n22337 Hamburg\r\n",
       1},
      {3, "Altona", {}, "Friedhofsverwaltung Altona Stadionstr. 5 22525 Hamburg", 4},
      {3, "verwaltungAltona", {}, "verwaltungAltona", 0},  // name1 is joined untrimmed
      {3,
       "Friedhofsverwaltung 22525",
       {},
       "Friedhofsverwaltung Altona Stadionstr. 5 22525 Hamburg",
       4},
      {3, "Steinmetz K\x81hn 22081", {}, "Steinmetz K\x81hn  Grabenweg 9 22081 Hamburg", 3},
      {1, "friedhofsverwaltung", {}, "friedhofsverwaltung", 0},
      {1, "Nirgendwo", {}, "Nirgendwo", 0},
      {1, "      ", {}, "", 1},
      {1, "KI002", 9, "KI002", 0},  // no table open there
  };
  for (const F& f : faelle) {
    SCOPED_TRACE(plat::rt::als_text(f.art) + " '" + plat::rt::als_text(f.verskz) + "'");
    tb::waehle(1);
    tb::tabelle(5)->gehe_oben();
    EXPECT_EQ(BriefAdresse(f.art, f.verskz, f.bereich), f.erwartet);
    EXPECT_EQ(tb::gewaehlt(), 1);
    if (f.satz == 0) {
      if (f.bereich.ist_zahl() && f.bereich.zahl() == 9) continue;
      EXPECT_TRUE(tb::tabelle(5)->eof());
    } else {
      EXPECT_EQ(tb::tabelle(5)->recno(), f.satz);
    }
  }
}

TEST_F(Adressblock, LeererNachnameGibtEinenBlankNachDemVornamen) {
  fall_.setze_fall("eh_name", Value(""));
  EXPECT_EQ(BriefAdresse(1, "E"), "Hans \r\nLindenweg 3\r\n20095 Hamburg\r\n");
  fall_.setze_variable("CRLF", "<br>");
  EXPECT_EQ(BriefAdresse(1, "E"), "Hans <br>Lindenweg 3<br>20095 Hamburg<br>");
}

}  // namespace
}  // namespace docgen
