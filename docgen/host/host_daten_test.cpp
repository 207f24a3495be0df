#include "docgen/host/host_daten.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/expr/expr.h"
#include "platform/tables/arbeitsbereiche.h"
#include "platform/tables/tabellen_text.h"
#include "testing/temp_ordner.h"
#include "platform/ui/benutzer.h"

namespace docgen {
namespace {

namespace fs = std::filesystem;
using plat::expr::auswerten;
using plat::rt::Value;

HostAufruf aufruf(const fs::path& ordner, std::optional<long> fall = std::nullopt,
                  std::vector<std::pair<std::string, std::string>> setzen = {}) {
  HostAufruf a;
  a.datenordner = ordner;
  a.fall = fall;
  a.setzen = std::move(setzen);
  return a;
}

// The demo data folder, built from its source into a temporary folder.
class HostDatenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* t : {"auftrag", "posten", "adressen"})
      plat::tables::baue_tabelle_aus_datei(
          std::string(BT_SOURCE_DIR) + "/demo/data/" + t + ".tabelle", dir_.pfad());
    fs::copy_file(std::string(BT_SOURCE_DIR) + "/demo/data/einstellungen.ini",
                  dir_ / "einstellungen.ini");
  }
  void TearDown() override { plat::tables::schliesse_alle(); }

  std::string text(const char* ausdruck) { return auswerten(ausdruck).text(); }

  bt::test::TempOrdner dir_;
  plat::ui::SkriptBenutzer benutzer_;
  plat::ui::BenutzerWechsel wechsel_{benutzer_};
};

TEST_F(HostDatenTest, WithoutACaseTheFirstCaseIsSetUpAsTheHostWould) {
  HostDaten host(aufruf(dir_.pfad()));
  EXPECT_EQ(plat::tables::gewaehlt(), 1);
  EXPECT_EQ(auswerten("1->auftrnr").zahl(), 1001);
  EXPECT_EQ(text("TRIM(1->name)"),
            "Sch\x84"
            "fer");
  EXPECT_EQ(text("POSTEN->neu"), "g1  ");  // work area 3 sought on the case number
  EXPECT_EQ(auswerten("(3)->auftrnr").zahl(), 1001);
  EXPECT_EQ(text("5->kurz"), "FH001");  // the address table on the first key
  EXPECT_EQ(text("cDatver"), dir_.pfad() + "\\");
  EXPECT_EQ(text("CRLF"), "\r\n");
  EXPECT_EQ(text("cBU5"), "Bestattungshaus Sonnenschein");
  EXPECT_EQ(auswerten("nV").zahl(), 1);
  EXPECT_EQ(text("TO2"), "messewo");
  EXPECT_EQ(text("oBest:TW2"), "Montag    ");  // the field, as stored
  EXPECT_EQ(text("oBest:TW4"), "Montag");
  EXPECT_EQ(plat::expr::typ_pruefen("cDruckerName"), "U");  // optional, not set here
  EXPECT_TRUE(benutzer_.meldungen().empty());
}

TEST_F(HostDatenTest, ACaseIsFoundAndTheItemsFollowIt) {
  {
    HostDaten host(aufruf(dir_.pfad(), 1004));
    EXPECT_EQ(text("TRIM(1->name)"), "M\x81\xE1ig");
    EXPECT_EQ(text("TRIM(3->text)"), "Kiefernsarg");
    EXPECT_EQ(text("oBest:TW4"), "Montag");
  }
  {
    HostDaten host(aufruf(dir_.pfad(), 1003));  // a case without items
    EXPECT_TRUE(plat::tables::tabelle(3)->eof());
  }
  EXPECT_EQ(plat::tables::tabelle(1), nullptr);  // closed when the host data ends
  EXPECT_EQ(plat::expr::typ_pruefen("cBU5"), "U");
}

TEST_F(HostDatenTest, SetVariablesComeFirstAndWin) {
  HostDaten host(aufruf(dir_.pfad(), std::nullopt, {{"cBU5", "Anderes Haus"}, {"cNeu", "x"}}));
  EXPECT_EQ(text("cBU5"), "Anderes Haus");
  EXPECT_EQ(text("cNeu"), "x");
}

TEST_F(HostDatenTest, ProblemsAreReportedClearly) {
  EXPECT_THROW(HostDaten(aufruf(dir_.pfad(), 999)), HostFehler);
  EXPECT_EQ(plat::tables::tabelle(1), nullptr);  // nothing left open
  EXPECT_THROW(HostDaten(aufruf(dir_ / "fehlt")), HostFehler);
  {
    std::ofstream f(dir_ / "einstellungen.ini", std::ios::app);
    f << "[bereich 7]\ndatei = AUFTRAG.DBF\nalias = ZWEI\nindex = auftrnr\n";
  }
  try {
    HostDaten host(aufruf(dir_.pfad()));
    ADD_FAILURE();
  } catch (const HostFehler& e) {
    EXPECT_NE(std::string(e.what()).find(
                  "der Index \"auftrnr\" von Bereich 7 ergibt keinen Text (Typ N)"),
              std::string::npos)
        << e.what();
  }
  fs::remove(dir_ / "einstellungen.ini");
  try {
    HostDaten host(aufruf(dir_.pfad()));
    ADD_FAILURE();
  } catch (const HostFehler& e) {
    EXPECT_NE(std::string(e.what()).find("einstellungen.ini fehlt"), std::string::npos) << e.what();
  }
}

}  // namespace
}  // namespace docgen
