// Damaged files: every one gives an error naming the file, and nothing is
// written to a file that could not be read.
#include <gtest/gtest.h>

#include <functional>

#include "platform/tables/arbeitsbereiche.h"
#include "platform/tables/struktur.h"
#include "testing/temp_ordner.h"

namespace plat::tables {
namespace {

struct Schaden {
  const char* name;
  std::function<void(std::string& dbf, std::string& dbt)> anrichten;
  const char* meldung_teil;  // part of the message besides the file name
};

void setze_u16(std::string& b, std::size_t at, int v) {
  b[at] = static_cast<char>(v & 0xFF);
  b[at + 1] = static_cast<char>(v >> 8);
}

TEST(Beschaedigt, DamagedFilesGiveClearErrorsAndStayUntouched) {
  bt::test::TempOrdner dir;
  const std::string dbf = dir / "fall.dbf";
  const std::string dbt = dir / "fall.dbt";
  erzeuge_tabelle(dbf, {{"name", 'C', 10, 0}, {"notiz", 'M', 10, 0}});
  {
    auto t = oeffne_datei(dbf);
    t->anhaengen();
    t->schreibe("name", rt::Value("Anna"));
    t->schreibe("notiz", rt::Value("Eine Notiz"));
    t->anhaengen();
    t->schreibe("name", rt::Value("Bernd"));
    t->commit();
  }
  const std::string gut_dbf = bt::test::lies_bytes(dbf);
  const std::string gut_dbt = bt::test::lies_bytes(dbt);
  const int kopf = 32 + 2 * 32 + 1;

  const std::vector<Schaden> faelle = {
      {"leer", [](std::string& b, std::string&) { b.clear(); }, "zu kurz"},
      {"abgeschnitten im Kopf", [](std::string& b, std::string&) { b.resize(50); },
       "endet im Kopf"},
      {"abgeschnitten in den Sätzen", [&](std::string& b, std::string&) { b.resize(kopf + 25); },
       "abgeschnitten"},
      {"fremde Kennung", [](std::string& b, std::string&) { b[0] = '\x30'; }, "Kennung 0x30"},
      {"Satzlänge falsch", [](std::string& b, std::string&) { setze_u16(b, 10, 30); },
       "Satzlänge 30"},
      {"Kopflänge zu klein", [](std::string& b, std::string&) { setze_u16(b, 8, 40); },
       "Kopflänge 40"},
      {"Feldende fehlt", [&](std::string& b, std::string&) { b[kopf - 1] = 'X'; },
       "Feldbeschreibung"},
      {"Feldtyp unbekannt", [](std::string& b, std::string&) { b[32 + 11] = 'Q'; }, "Feldtyp Q"},
      {"Feldname leer", [](std::string& b, std::string&) { b[32] = '\0'; }, "Feldname"},
      {"Datumsfeld zu lang", [](std::string& b, std::string&) { b[32 + 11] = 'D'; }, "Länge 8"},
      {"Memodatei fehlt", [](std::string&, std::string& m) { m = "<weg>"; }, "fehlt die Memodatei"},
      {"Memodatei zu kurz", [](std::string&, std::string& m) { m.resize(2); }, "zu kurz"},
  };
  for (const auto& f : faelle) {
    std::string b = gut_dbf, m = gut_dbt;
    f.anrichten(b, m);
    bt::test::schreibe_bytes(dbf, b);
    if (m == "<weg>")
      std::filesystem::remove(dbt);
    else
      bt::test::schreibe_bytes(dbt, m);
    try {
      oeffne(1, dbf);
      ADD_FAILURE() << f.name << ": opened";
    } catch (const TabellenFehler& e) {
      EXPECT_NE(e.utf8().find(dir.pfad()), std::string::npos) << f.name << ": " << e.utf8();
      EXPECT_NE(e.utf8().find(f.meldung_teil), std::string::npos) << f.name << ": " << e.utf8();
    }
    EXPECT_EQ(tabelle(1), nullptr) << f.name;
    EXPECT_EQ(bt::test::lies_bytes(dbf), b) << f.name << ": the table was written to";
    if (m != "<weg>") {
      EXPECT_EQ(bt::test::lies_bytes(dbt), m) << f.name << ": the memo file was written to";
    }
  }
  schliesse_alle();
}

TEST(Beschaedigt, MemoReferencesOutsideTheMemoFileAreReportedWhenRead) {
  bt::test::TempOrdner dir;
  const std::string dbf = dir / "fall.dbf";
  erzeuge_tabelle(dbf, {{"name", 'C', 10, 0}, {"notiz", 'M', 10, 0}});
  {
    auto t = oeffne_datei(dbf);
    t->anhaengen();
    t->schreibe("notiz", rt::Value("Eine Notiz"));
    t->commit();
  }
  std::string b = bt::test::lies_bytes(dbf);
  const std::size_t memo = 32 + 2 * 32 + 1 + 1 + 10;
  for (const char* verweis : {"       999", "      12x3"}) {
    b.replace(memo, 10, verweis);
    bt::test::schreibe_bytes(dbf, b);
    auto t = oeffne_datei(dbf);
    EXPECT_EQ(t->lese("name").text(), std::string(10, ' '));  // the other fields stay readable
    try {
      (void)t->lese("notiz");
      ADD_FAILURE() << verweis;
    } catch (const TabellenFehler& e) {
      EXPECT_NE(e.utf8().find("fall.db"), std::string::npos) << e.utf8();
      EXPECT_NE(e.utf8().find("beschädigt"), std::string::npos) << e.utf8();
    }
  }
}

TEST(Beschaedigt, MissingAndForeignFilesAreNamed) {
  bt::test::TempOrdner dir;
  try {
    oeffne(1, dir / "gibtsnicht.dbf");
    ADD_FAILURE();
  } catch (const TabellenFehler& e) {
    EXPECT_EQ(e.utf8(), "Die Tabelle " + (dir / "gibtsnicht.dbf") + " gibt es nicht");
  }
  EXPECT_THROW(oeffne(1, dir.pfad()), TabellenFehler);  // a folder
}

}  // namespace
}  // namespace plat::tables
