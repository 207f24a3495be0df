#include "docgen/drivers/kleine_funktionen.h"

#include <gtest/gtest.h>

#include "docgen/testfall/testfall.h"
#include "platform/tables/arbeitsbereiche.h"

namespace docgen {
namespace {

namespace tb = plat::tables;
using plat::rt::Value;

class KleineFunktionen : public ::testing::Test {
 protected:
  test::TestFall fall_;
};

TEST_F(KleineFunktionen, SucheInDateiFindetNurPostenDesFalls) {
  struct F {
    Value bereich;
    Value feld;
    Value inhalt;
    const char* erwartet;
  };
  const std::vector<F> faelle = {
      {3, "bezeichn", "sarg", "ja"},  // "Eichensarg", case ignored
      {3, "BEZEICHN", "EICHEN", "ja"},
      {3, "bezeichn", "Kranz", "ja"},     // found after the first record of the case
      {3, "bezeichn", "Kiefer", "nein"},  // an item of another case
      {3, "bezeichn", "Urne", "nein"},
      {3, "gibtsnicht", "sarg", "nein"},
      {"POSTEN", "neu", "GA", "ja"},
      {Value(), "bezeichn", "porto", "ja"},  // work area 3 by default
      {5, "name1", "Kirche", "nein"},        // the address table has no such order field
  };
  for (const F& f : faelle) {
    SCOPED_TRACE(plat::rt::als_text(f.feld) + " " + plat::rt::als_text(f.inhalt));
    tb::waehle(5);
    tb::tabelle(3)->gehe_zu(2);
    EXPECT_EQ(SucheInDatei(f.bereich, f.feld, f.inhalt), f.erwartet);
    EXPECT_EQ(tb::gewaehlt(), 5);
    EXPECT_EQ(tb::tabelle(3)->recno(), 2);
  }
}

TEST_F(KleineFunktionen, SucheInDateiOhnePostenUndMitUmlauten) {
  fall_.setze_posten({{4711, "g1", 10, "Sarg aus Eiche, gefr\x84st"}, {4712, "g1", 9, "Urne"}});
  EXPECT_EQ(SucheInDatei(3, "bezeichn", "GEFR\x8EST"), "ja");
  EXPECT_EQ(SucheInDatei(3, "bezeichn", "urne"), "nein");
  // Without an index the table is gone through.
  tb::tabelle(3)->setze_index(nullptr);
  EXPECT_EQ(SucheInDatei(3, "bezeichn", "SARG"), "ja");
  EXPECT_EQ(SucheInDatei(3, "bezeichn", "urne"), "nein");
  fall_.setze_posten({});
  EXPECT_EQ(SucheInDatei(3, "bezeichn", "sarg"), "nein");
}

TEST_F(KleineFunktionen, OhnePromptUndNeuesFormular) {
  EXPECT_EQ(OhnePrompt("Name: Rot"), "Rot");
  EXPECT_EQ(OhnePrompt("Rot"), "Rot");
  EXPECT_EQ(OhnePrompt("  Rot  "), "Rot");
  EXPECT_EQ(OhnePrompt("a-b", "-"), "b");
  EXPECT_EQ(OhnePrompt("Zeit: 11:00 "), "11:00");
  EXPECT_EQ(OhnePrompt("Ort => Hamburg", "=>"), "Hamburg");
  EXPECT_EQ(OhnePrompt("Name:"), "");
  EXPECT_EQ(OhnePrompt(), "");

  EXPECT_EQ(NeuesFormular(Value("Seite2.png")).text(), "Seite2.png");
  EXPECT_EQ(NeuesFormular().text(), "");
}

}  // namespace
}  // namespace docgen
