#include "einvoice/cii_erzeugung.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "einvoice/test_hilfe.h"
#include "einvoice/wandeln_utf8.h"

using namespace einvoice;
using namespace einvoice::test;
using ::testing::HasSubstr;

namespace {

std::vector<std::string> zeilen_ids(const std::string& xml) {
  std::vector<std::string> r;
  for (std::size_t p = 0; (p = xml.find("<ram:LineID>", p)) != std::string::npos; ++p) {
    r.push_back(xml.substr(p + 12, xml.find('<', p + 12) - p - 12));
  }
  return r;
}

TEST(WandelnInUtf8, ConvertsEveryByteOfCodePage850AndEscapesMarkup) {
  struct Fall {
    std::string ein, aus;
  };
  const std::vector<Fall> faelle = {
      {"\x84\x94\x81\xE1\x8E\x99\x9A", "äöüßÄÖÜ"},
      {"Orl\x82"
       "ans \x9D",
       "Orléans Ø"},  // beyond the seven German letters
      {"plain 123 \"'", "plain 123 \"'"},
      {"", ""},
  };
  for (const auto& f : faelle) {
    EXPECT_EQ(Wandeln_in_UTF8(f.ein), f.aus);
    EXPECT_EQ(xml_wert(f.ein), f.aus);
  }
  EXPECT_EQ(xml_wert("A & B <C> \x84"), "A &amp; B &lt;C&gt; ä");
  const std::string arg = "M\x81ller";
  (void)Wandeln_in_UTF8(arg);
  EXPECT_EQ(arg, "M\x81ller");
}

class CiiErzeugungTest : public LaufwerkTest {};

TEST_F(CiiErzeugungTest, ReferenceInvoiceMatchesTheHandWrittenFileByteForByte) {
  Rechnungssatz satz = referenz_satz();
  const std::string pfad = CII_Erzeugung(referenz_eingaben(), satz);
  EXPECT_EQ(pfad, "C:\\Vuvuvira\\xR\\R2026117\\R2026117_zug.xml");
  const std::string erwartet =
      lies(fs::path(BT_SOURCE_DIR) / "einvoice/testdaten/R2026117_zug.xml");
  ASSERT_FALSE(erwartet.empty());
  EXPECT_EQ(lies(xr() / "R2026117/R2026117_zug.xml"), erwartet);
  EXPECT_TRUE(benutzer_.protokoll().empty()) << benutzer_.protokoll().front().text;
  // The record keeps the refreshed entries, the number without its trailing blanks.
  EXPECT_EQ(satz["Rech_Nummer"], "2026117");
  EXPECT_EQ(satz["L4_Bezeichnung"], "Trauerdruck");
}

TEST_F(CiiErzeugungTest, LinesTotalsAndDueDates) {
  struct Fall {
    const char* name;
    std::vector<std::string> gesamt;  // totals of lines 1..4
    std::string datum;
    std::vector<std::string> zeilen;
    std::string total;
    std::string faellig;
  };
  const std::vector<Fall> faelle = {
      {"Lücken", {"", "32.00", "abc", "65.00"}, "20261225", {"2", "4"}, "97.00", "20270104"},
      {"Null", {"0", "0.00", "", "x1"}, "20260220", {}, "0.00", "20260302"},
      {"Komma", {"65,00", "", "", ""}, "20280225", {"1"}, "65.00", "20280306"},
      {"groß", {"99999.99", "23456.79", "", ""}, "20261211", {"1", "2"}, "123456.78", "20261221"},
      {"negativ", {"  10.50", "-32.00", "", ""}, "20261301", {"1", "2"}, "-21.50", ""},
      {"Datum kurz", {"1", "", "", ""}, "2026121", {"1"}, "1.00", ""},
  };
  for (const auto& f : faelle) {
    std::vector<std::string> e = referenz_eingaben();
    e[1] = f.datum;
    for (std::size_t n = 0; n < 4; ++n) e[4 * n + 6] = f.gesamt[n];
    Rechnungssatz satz = referenz_satz();
    CiiErgebnis r = cii_schreiben(e, satz);
    ASSERT_TRUE(r.geschrieben) << f.name << r.fehler;
    EXPECT_EQ(zeilen_ids(r.dokument), f.zeilen) << f.name;
    EXPECT_EQ(r.abgeleitet.Total_Preis, f.total) << f.name;
    EXPECT_EQ(r.abgeleitet.Zahl_Datum, f.faellig) << f.name;
    EXPECT_THAT(r.dokument,
                HasSubstr("<ram:GrandTotalAmount>" + f.total + "</ram:GrandTotalAmount>"));
    EXPECT_THAT(r.dokument,
                HasSubstr("<udt:DateTimeString format=\"102\">" + f.faellig + "</udt:"));
    EXPECT_EQ(lies(xr() / "R2026117/R2026117_zug.xml"), r.dokument) << f.name;
  }
  // A total typed with a decimal comma stands in the file as typed.
  std::vector<std::string> e = referenz_eingaben();
  e[6] = "65,00";
  Rechnungssatz satz = referenz_satz();
  EXPECT_THAT(cii_schreiben(e, satz).dokument,
              HasSubstr("<ram:LineTotalAmount>65,00</ram:LineTotalAmount>"));
}

TEST_F(CiiErzeugungTest, EveryPrintableByteOfCodePage850GivesWellFormedUtf8) {
  if (std::system("command -v xmllint >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "xmllint not installed";
  std::string alle;
  for (int b = 0x20; b <= 0xFF; ++b) alle += static_cast<char>(b);
  Rechnungssatz satz = referenz_satz();
  satz["Lieferant"] = alle;  // the supplier's name goes into four elements
  satz["Kunde_Strasse"] = "<![CDATA[ & ]]> <!-- -->";
  std::vector<std::string> e = referenz_eingaben();
  e[3] = alle.substr(0, 50);
  CiiErgebnis r = cii_schreiben(e, satz);
  ASSERT_TRUE(r.geschrieben) << r.fehler;
  const fs::path datei = xr() / "R2026117/R2026117_zug.xml";
  EXPECT_EQ(std::system(("xmllint --noout '" + datei.string() + "'").c_str()), 0);
  EXPECT_THAT(r.dokument, HasSubstr("<ram:Name> !\"#$%&amp;'()*+,-./0123456789:;&lt;=&gt;?@ABC"));
  EXPECT_THAT(r.dokument, HasSubstr("\u00C7\u00FC\u00E9"));  // 80 81 82 of code page 850
}

TEST_F(CiiErzeugungTest, EmptyWindowStillWritesItsFileAndListsEveryProblemInOneMessage) {
  Rechnungssatz satz = referenz_satz();
  const std::string pfad = CII_Erzeugung(std::vector<std::string>(19), satz);
  EXPECT_EQ(pfad, "C:\\Vuvuvira\\xR\\R\\R_zug.xml");
  const std::string xml = lies(xr() / "R/R_zug.xml");
  EXPECT_THAT(xml, HasSubstr("<ram:DuePayableAmount>0.00</ram:DuePayableAmount>"));
  EXPECT_TRUE(zeilen_ids(xml).empty());
  ASSERT_EQ(benutzer_.meldungen().size(), 1u);
  const std::string m = benutzer_.meldungen()[0];
  EXPECT_THAT(m, HasSubstr(pfad));
  EXPECT_THAT(m, HasSubstr("- Rechnungsnummer: fehlt"));
  EXPECT_THAT(m, HasSubstr("- Rechnungsdatum: fehlt"));
  EXPECT_THAT(m, HasSubstr("- Lieferdatum: fehlt"));
  EXPECT_THAT(m, HasSubstr("- Rechnungspositionen: keine Position"));
}

TEST_F(CiiErzeugungTest, RewritingANumberLeavesOnlyTheNewFile) {
  Rechnungssatz satz = referenz_satz();
  std::vector<std::string> e = referenz_eingaben();
  ASSERT_NE(CII_Erzeugung(e, satz), "");
  e[0] = "2026117";  // without the trailing blanks: the same file
  e[18] = "60.00";
  ASSERT_NE(CII_Erzeugung(e, satz), "");
  EXPECT_THAT(lies(xr() / "R2026117/R2026117_zug.xml"), HasSubstr("<ram:BasisAmount>157.00<"));
  EXPECT_EQ(std::distance(fs::directory_iterator(xr() / "R2026117"), fs::directory_iterator()), 1);
  EXPECT_EQ(std::distance(fs::directory_iterator(xr()), fs::directory_iterator()), 1);
}

TEST_F(CiiErzeugungTest, NumbersThatWouldLeaveTheFolderAreRefusedBeforeAnythingIsWritten) {
  for (std::string nummer :
       {"1/2", "..\\x", "a:b", "x*", "w?", "q\"", "<a", "b>", "a|b", "..", "a\tb"}) {
    benutzer_.leere_protokoll();
    std::vector<std::string> e = referenz_eingaben();
    e[0] = nummer;
    Rechnungssatz satz = referenz_satz();
    EXPECT_EQ(CII_Erzeugung(e, satz), "") << nummer;
    ASSERT_EQ(benutzer_.meldungen().size(), 1u) << nummer;
    EXPECT_THAT(benutzer_.meldungen()[0], HasSubstr("Es wurde nichts geschrieben")) << nummer;
    EXPECT_THAT(benutzer_.meldungen()[0], HasSubstr(nummer)) << nummer;
  }
  EXPECT_TRUE(fs::is_empty(xr()));
  EXPECT_EQ(std::distance(fs::directory_iterator(c_), fs::directory_iterator()), 1);
}

TEST_F(CiiErzeugungTest, WriteFailuresAreShownWithThePath) {
  Rechnungssatz satz = referenz_satz();
  // The invoice's name is taken by a folder.
  fs::create_directories(xr() / "R2026117/R2026117_zug.xml");
  EXPECT_EQ(CII_Erzeugung(referenz_eingaben(), satz), "");
  ASSERT_EQ(benutzer_.meldungen().size(), 1u);
  EXPECT_THAT(benutzer_.meldungen()[0], HasSubstr((xr() / "R2026117/R2026117_zug.xml").string()));

  // No base folder: the program does not create it.
  benutzer_.leere_protokoll();
  fs::remove_all(c_ / "Vuvuvira");
  EXPECT_EQ(CII_Erzeugung(referenz_eingaben(), satz), "");
  ASSERT_EQ(benutzer_.meldungen().size(), 1u);
  EXPECT_THAT(benutzer_.meldungen()[0], HasSubstr("C:\\Vuvuvira\\xR"));
  EXPECT_THAT(benutzer_.meldungen()[0], HasSubstr("nicht vorhanden"));
  EXPECT_FALSE(fs::exists(c_ / "Vuvuvira"));
}

}  // namespace
