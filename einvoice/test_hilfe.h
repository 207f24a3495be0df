// Shared pieces of the e-invoice tests: a temporary drive C: with the base
// folder, the master data and entries of the reference invoice.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "einvoice/rechnungssatz.h"
#include "einvoice/texte.h"
#include "platform/files/pfad.h"
#include "platform/ui/benutzer.h"
#include "testing/temp_ordner.h"

namespace einvoice::test {

namespace fs = std::filesystem;

inline std::string lies(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Master data of the reference invoice (code page 850).
inline Rechnungssatz referenz_satz() {
  Rechnungssatz s;
  s["Lieferant"] = T("Bestattungen Müller & Söhne");
  s["Liefer_Strasse"] = "Lindenallee 3";
  s["Liefer_PLZ"] = "D-49074";
  s["Liefer_Ort"] = T("Osnabrück");
  s["Liefer_Land"] = "DE";
  s["Liefer_Tel"] = "+49541123456";
  s["Liefer_Mail"] = "info@mueller-bestattungen.example";
  s["Liefer_MAMail"] = "anna@mueller-bestattungen.example";  // not the seller's address
  s["Liefer_VAT"] = "DE123456789";
  s["Liefer_IBAN"] = "DE89370400440532013000";
  s["Liefer_BIC"] = "COBADEFFXXX";
  s["Liefer_MA"] = T("Anna Müller");
  s["Kunden_Nummer"] = "4711";
  s["Kunde"] = T("Friedhofsgärtnerei Weiß");
  s["Kunde_Strasse"] = T("Große Straße 5");
  s["Kunde_PLZ"] = "20095";
  s["Kunde_Ort"] = "Hamburg";
  s["Kunde_Land"] = "DE";
  s["Kunde_Mail"] = "rechnung@weiss.example";
  s["Kunde_VAT"] = "DE 987.654.321";
  s["Kunde_MA"] = T("Jörg Weiß");
  s["Kunde_MAMail"] = "j.weiss@weiss.example";
  return s;
}

// The 19 entries of the reference invoice: line 3 has no total and is left out.
inline std::vector<std::string> referenz_eingaben() {
  return {"2026117   ", "20261225", "20261219", T("Überführung nach Orléans"),
          "65.00",      "1",        "65.00",    "Sarg & Kranz <Eiche>",
          "16.00",      "2",        "32.00",    "Nicht berechnet",
          "0.00",       "1",        "0",        "Trauerdruck",
          "12.50",      "4",        "50.00"};
}

// A temporary drive C: with C:\Vuvuvira\xR and a scripted user.
class LaufwerkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    c_ = ordner_.pfad();
    fs::create_directories(c_ / "Vuvuvira" / "xR");
    plat::files::vergiss_laufwerke();
    plat::files::setze_laufwerk('C', c_);
    plat::ui::setze_benutzer(&benutzer_);
  }
  void TearDown() override {
    plat::ui::setze_benutzer(nullptr);
    plat::files::vergiss_laufwerke();
  }
  fs::path xr() const { return c_ / "Vuvuvira" / "xR"; }

  bt::test::TempOrdner ordner_;
  fs::path c_;
  plat::ui::SkriptBenutzer benutzer_;
};

}  // namespace einvoice::test
