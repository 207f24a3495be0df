#include "einvoice/stapel.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace einvoice;
using ::testing::HasSubstr;

namespace {

std::string zeilen(const std::vector<std::string>& z, const char* ende = "\n") {
  std::string r;
  for (const auto& s : z) r += s + ende;
  return r;
}

TEST(StapelEingaben, ReadsOneFieldPerLineInEntryOrder) {
  StapelEingaben e = lies_stapel_eingaben(
      "17   \r\n20261211\r\n20261205\r\nGrabpflege M\xC3\xBCller\r\n65.00\r\n1\r\n65.00");
  ASSERT_EQ(e.fehler, "");
  ASSERT_EQ(e.felder.size(), 19u);
  EXPECT_EQ(e.felder[0], "17   ");
  EXPECT_EQ(e.felder[3], "Grabpflege M\x81ller");
  EXPECT_EQ(e.felder[6], "65.00");
  EXPECT_EQ(e.felder[18], "");

  std::vector<std::string> voll(19, "1");
  voll[3] = std::string(50, 'x');  // a description takes 50 characters
  voll.push_back("");              // blank lines after the 19th do no harm
  e = lies_stapel_eingaben(zeilen(voll));
  EXPECT_EQ(e.fehler, "");
  EXPECT_EQ(e.felder[3].size(), 50u);
}

TEST(StapelEingaben, RefusesWhatTheWindowWouldNotTakeNamingTheField) {
  struct Fall {
    int zeile;
    std::string wert;
    std::string meldung;
  };
  const std::vector<Fall> faelle = {
      {1, "12345678901",
       "Zeile 1 (Rechnungsnummer): ist 11 Zeichen lang; das Feld fasst h\x94"
       "chstens 10"},
      {8, std::string(51, 'x'), "Zeile 8 (Position 2, Bezeichnung): ist 51 Zeichen lang"},
      {5, "5 \xE2\x82\xAC", "Zeile 5 (Position 1, Einzelpreis): enth\x84lt ein Zeichen"},
      {3,
       "2026\x01"
       "1205",
       "Zeile 3 (Lieferdatum): enth\x84lt ein Steuerzeichen"},
      {20, "mehr", "Zeile 20: die Datei hat mehr als 19 Eingabefelder"},
  };
  for (const auto& f : faelle) {
    std::vector<std::string> z(20, "");
    z[static_cast<std::size_t>(f.zeile - 1)] = f.wert;
    StapelEingaben e = lies_stapel_eingaben(zeilen(z));
    EXPECT_THAT(e.fehler, HasSubstr("es wurde nichts geschrieben"));
    EXPECT_THAT(e.fehler, HasSubstr(f.meldung)) << f.zeile;
  }
}

}  // namespace
