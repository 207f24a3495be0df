#include "einvoice/cii_pruefung.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "einvoice/cii_erzeugung.h"
#include "einvoice/test_hilfe.h"
#include "einvoice/zahlwert.h"

using namespace einvoice;
using namespace einvoice::test;

namespace {

std::vector<std::string> pruefe(const Rechnungssatz& basis,
                                const std::vector<std::string>& eingaben) {
  Rechnungssatz satz = basis;
  for (int k = 1; k <= kEingabeAnzahl; ++k) {
    satz[eingabe_feld(k)] = std::string(ohne_endblanks(eingaben[static_cast<std::size_t>(k - 1)]));
  }
  return pruefe_rechnung(satz, berechne_abgeleitete(satz));
}

TEST(CiiPruefung, EachBrokenRuleNamesTheFieldToCorrect) {
  struct Fall {
    std::string feld;  // entry field name or master-data field
    std::string wert;
    std::string meldung;
  };
  const std::vector<Fall> faelle = {
      {"Rech_Nummer", "", "Rechnungsnummer: fehlt."},
      {"Rech_Datum", "20261301", "Rechnungsdatum: \"20261301\" ist kein g\x81ltiges Datum"},
      {"Liefer_Datum", "", "Lieferdatum: fehlt"},
      {"Liefer_Datum", "5.12.2026", "Lieferdatum: \"5.12.2026\" ist kein g\x81ltiges Datum"},
      {"L1_Bezeichnung", "", "Position 1, Bezeichnung: fehlt."},
      {"L2_Einzelpreis", "-16.00", "Position 2, Einzelpreis: \"-16.00\" ist negativ"},
      {"L2_Einzelpreis", "", "Position 2, Einzelpreis: fehlt."},
      {"L4_Menge", "vier", "Position 4, Menge: \"vier\" ist keine Zahl"},
      {"L1_Gesamtpreis", "65,00",
       "Position 1, Gesamtpreis: \"65,00\" ist keine Zahl mit Dezimalpunkt"},
      {"L1_Gesamtpreis", "65.001",
       "Position 1, Gesamtpreis: \"65.001\" hat mehr als zwei Nachkommastellen"},
      {"Liefer_Tel", "", "Stammdaten Liefer_Tel (Telefon des Lieferanten): fehlt."},
      {"Liefer_Mail", " ", "Stammdaten Liefer_Mail (E-Mail des Lieferanten): fehlt."},
      {"Kunden_Nummer", "", "Stammdaten Kunden_Nummer (Kundennummer, K\x84uferreferenz): fehlt."},
      {"Kunde_VAT", "", "Stammdaten Kunde_VAT (USt-IdNr. des Kunden): fehlt."},
      {"Liefer_VAT", "123456789",
       "Stammdaten Liefer_VAT (USt-IdNr. des Lieferanten): \"123456789\" beginnt nicht"},
      {"Kunde_Land", "Deutschland",
       "Stammdaten Kunde_Land (Land des Kunden): \"Deutschland\" ist kein L\x84ndercode"},
  };
  const std::vector<std::string> eingaben = referenz_eingaben();
  ASSERT_TRUE(pruefe(referenz_satz(), eingaben).empty());
  for (const auto& f : faelle) {
    Rechnungssatz satz = referenz_satz();
    std::vector<std::string> e = eingaben;
    bool eingabe = false;
    for (int k = 1; k <= kEingabeAnzahl; ++k) {
      if (eingabe_feld(k) == f.feld) {
        e[static_cast<std::size_t>(k - 1)] = f.wert;
        eingabe = true;
      }
    }
    if (!eingabe) satz[f.feld] = f.wert;
    const std::vector<std::string> p = pruefe(satz, e);
    ASSERT_EQ(p.size(), 1u) << f.feld << "=" << f.wert << ": " << ::testing::PrintToString(p);
    EXPECT_EQ(p[0].substr(0, f.meldung.size()), f.meldung);
  }
}

TEST(CiiPruefung, AcceptsWhatTheRulesAllow) {
  // Negative quantity (a credit line), a price with more decimals, whole numbers, leading blanks.
  std::vector<std::string> e = referenz_eingaben();
  e[8] = "16.125";
  e[9] = "-2";
  e[10] = "-32.25";
  e[16] = "  12";
  e[18] = "50";
  EXPECT_TRUE(pruefe(referenz_satz(), e).empty())
      << ::testing::PrintToString(pruefe(referenz_satz(), e));
}

}  // namespace
