#include "einvoice/stammdaten.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "einvoice/cii_dokument.h"
#include "einvoice/cii_pruefung.h"
#include "einvoice/test_hilfe.h"
#include "platform/process/uhr.h"

using namespace einvoice;
using namespace einvoice::test;
using ::testing::HasSubstr;

namespace {

TEST(Stammdaten, ReadsNameValueLinesAndConvertsToCodePage850) {
  Rechnungssatz satz;
  const std::string ini =
      "\xEF\xBB\xBF; Stammdaten des B\xC3\xBCros\r\n"
      "[Lieferant]\r\n"
      "Lieferant = Bestattungen M\xC3\xBCller & S\xC3\xB6hne\r\n"
      "\r\n"
      "Liefer_Ort=Osnabr\xC3\xBC"
      "ck\n"
      "# Kunde\n"
      "Kunde_VAT=DE 987.654.321\n"
      "Kunde_Tel=+4940123";
  EXPECT_EQ(lies_stammdaten(ini, satz), "");
  EXPECT_EQ(satz["Lieferant"], "Bestattungen M\x81ller & S\x94hne");
  EXPECT_EQ(satz["Liefer_Ort"],
            "Osnabr\x81"
            "ck");
  EXPECT_EQ(satz["Kunde_VAT"], "DE 987.654.321");
  EXPECT_EQ(satz["Kunde_Tel"], "+4940123");
  EXPECT_EQ(satz["Liefer_MA"], satz["Lieferant"]);  // contact defaults to the supplier's name
  EXPECT_EQ(satz["Liefer_Tel"], "");                // not named: stays empty, nothing guessed
}

TEST(Stammdaten, FaultyLinesAreNamedAndNothingIsTaken) {
  struct Fall {
    std::string ini;
    std::string meldung;
  };
  const std::vector<Fall> faelle = {
      {"Lieferant=A\nLieferantin=B\n", "Zeile 2: unbekanntes Feld \"Lieferantin\"."},
      {"Rech_Nummer=17\n", "Zeile 1: unbekanntes Feld \"Rech_Nummer\"."},
      {"Lieferant=Preis 5 \xE2\x82\xAC\n",
       "Zeile 1: der Wert von Lieferant enth\x84lt ein Zeichen"},
      {"Lieferant=M\xFCller\n",
       "Zeile 1: der Wert von Lieferant enth\x84lt ein Zeichen"},  // Latin-1, not UTF-8
      {"\n\nLieferant\n", "Zeile 3: kein \"Name=Wert\"."},
      {"Kunde=A\nKunde=B\n", "Zeile 2: das Feld Kunde steht schon weiter oben."},
  };
  for (const auto& f : faelle) {
    Rechnungssatz satz;
    const std::string m = lies_stammdaten(f.ini, satz);
    EXPECT_THAT(m, HasSubstr(f.meldung)) << f.ini;
    EXPECT_THAT(m, HasSubstr("C:\\Vuvuvira\\xR\\Stammdaten.ini"));
  }
}

class StammdatenDatei : public LaufwerkTest {};

TEST_F(StammdatenDatei, DemoDataWithoutFileTheFileWhenPresentAndNoStartWhenFaulty) {
  plat::process::VirtuelleUhr uhr(plat::process::VirtuelleUhr::lokal(2026, 12, 11));
  plat::process::UhrWechsel wechsel(uhr);

  std::optional<Rechnungssatz> demo = neuer_rechnungssatz();
  ASSERT_TRUE(demo);
  EXPECT_EQ((*demo)["Rech_Datum"], "20261211");
  (*demo)["L1_Bezeichnung"] = "Grabpflege";
  (*demo)["L1_Einzelpreis"] = (*demo)["L1_Menge"] = (*demo)["L1_Gesamtpreis"] = "1";
  (*demo)["Rech_Nummer"] = "1";
  // The demo master data carry everything an invoice needs.
  EXPECT_EQ(pruefe_rechnung(*demo, berechne_abgeleitete(*demo)), std::vector<std::string>{});

  std::ofstream(xr() / "stammdaten.INI") << "Lieferant=Eigene GmbH\nKunde=Kunde AG\n";  // any case
  std::optional<Rechnungssatz> eigen = neuer_rechnungssatz();
  ASSERT_TRUE(eigen);
  EXPECT_EQ((*eigen)["Lieferant"], "Eigene GmbH");
  EXPECT_EQ((*eigen)["Liefer_IBAN"], "");

  std::ofstream(xr() / "stammdaten.INI") << "Lieferant=Eigene GmbH\nFirma=X\n";
  EXPECT_FALSE(neuer_rechnungssatz());
  ASSERT_EQ(benutzer_.meldungen().size(), 1u);
  EXPECT_THAT(benutzer_.meldungen()[0], HasSubstr("Zeile 2: unbekanntes Feld \"Firma\""));
}

}  // namespace
