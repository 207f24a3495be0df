#include <gtest/gtest.h>

#include "platform/process/uhr.h"
#include "platform/runtime/felder.h"
#include "platform/tables/arbeitsbereiche.h"
#include "platform/tables/struktur.h"
#include "testing/temp_ordner.h"
#include "platform/text/zahl.h"

namespace plat::tables {
namespace {

using rt::Value;
using text::Datum;

const std::vector<FeldDef> kFelder = {{"auftrnr", 'N', 6, 0},  {"name", 'C', 20, 0},
                                      {"betrag", 'N', 9, 2},   {"datum", 'D', 8, 0},
                                      {"erledigt", 'L', 1, 0}, {"notiz", 'M', 10, 0}};

class TabelleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    process::setze_uhr(&uhr_);
    pfad_ = dir_ / "auftrag.dbf";
    erzeuge_tabelle(pfad_, kFelder);
  }
  void TearDown() override {
    schliesse_alle();
    waehle(1);
    process::setze_uhr(nullptr);
  }

  // Appends records (auftrnr, name) and commits.
  void fuelle(Tabelle& t, const std::vector<std::pair<int, std::string>>& saetze) {
    for (const auto& [nr, name] : saetze) {
      t.anhaengen();
      t.schreibe("auftrnr", Value(nr));
      t.schreibe("name", Value(name));
    }
    t.commit();
  }
  std::vector<std::string> namen_der_reihe(Tabelle& t) {
    std::vector<std::string> n;
    for (t.gehe_oben(); !t.eof(); t.skip())
      n.push_back(std::string(t.lese("name").text().substr(0, 5)));
    return n;
  }

  process::VirtuelleUhr uhr_{process::VirtuelleUhr::lokal(2026, 12, 11, 9, 30)};
  bt::test::TempOrdner dir_;
  std::string pfad_;
};

TEST_F(TabelleTest, FieldsRoundTripThroughTheFile) {
  {
    Tabelle& t = oeffne(1, pfad_, "AUFTRAG");
    t.anhaengen();
    t.schreibe("AUFTRNR", Value(123));
    t.schreibe("Name",
               Value(std::string("M\x81ller-Stra\xE1") + "e"));  // Müller-Straße in code page 850
    t.schreibe(3, Value(1234.565));
    t.schreibe("datum", Value(*Datum::aus_ymd(2026, 2, 28)));
    t.schreibe("erledigt", Value(true));
    t.schreibe("notiz", Value(std::string(700, 'x') + "\r\nEnde"));
    t.anhaengen();  // a second, blank record
    t.commit();
  }
  schliesse_alle();
  Tabelle& t = oeffne(2, pfad_);
  EXPECT_EQ(t.alias(), "AUFTRAG");
  ASSERT_EQ(t.anzahl(), 2);
  EXPECT_EQ(t.recno(), 1);
  const Value nr = t.lese("auftrnr");
  EXPECT_EQ(nr.zahl(), 123);
  EXPECT_EQ(nr.breite(), 6);
  EXPECT_EQ(nr.dezimalen(), 0);
  EXPECT_EQ(t.lese("name").text(),
            "M\x81ller-Stra\xE1"
            "e       ");                               // padded to 20
  EXPECT_DOUBLE_EQ(t.lese("betrag").zahl(), 1234.57);  // rounded half away from zero
  EXPECT_EQ(t.lese("datum").datum(), *Datum::aus_ymd(2026, 2, 28));
  EXPECT_TRUE(t.lese("erledigt").logisch());
  EXPECT_EQ(t.lese("notiz").text(), std::string(700, 'x') + "\r\nEnde");
  t.skip();
  EXPECT_EQ(t.lese("name").text(), std::string(20, ' '));
  EXPECT_EQ(t.lese("betrag").zahl(), 0);
  EXPECT_TRUE(t.lese("datum").datum().leer());
  EXPECT_FALSE(t.lese("erledigt").logisch());
  EXPECT_EQ(t.lese("notiz").text(), "");
  t.skip();
  EXPECT_TRUE(t.eof());
  EXPECT_EQ(t.recno(), 3);
  EXPECT_EQ(t.lese("name").text(), std::string(20, ' '));  // empty values at eof
}

TEST_F(TabelleTest, HeaderCountDateAndEndMarkStayRight) {
  uhr_.vor(std::chrono::hours(24 * 40));  // 20.01.2027
  {
    Tabelle& t = oeffne(1, pfad_);
    fuelle(t, {{1, "A"}, {2, "B"}, {3, "C"}});
  }
  const std::string b = bt::test::lies_bytes(pfad_);
  EXPECT_EQ(static_cast<unsigned char>(b[0]), 0x83);  // with memo file
  EXPECT_EQ(static_cast<unsigned char>(b[1]), 127);   // 2027 - 1900
  EXPECT_EQ(b[2], 1);
  EXPECT_EQ(b[3], 20);
  EXPECT_EQ(static_cast<unsigned char>(b[4]), 3);
  const int kopf = static_cast<unsigned char>(b[8]) | static_cast<unsigned char>(b[9]) << 8;
  const int satz = static_cast<unsigned char>(b[10]) | static_cast<unsigned char>(b[11]) << 8;
  EXPECT_EQ(kopf, 32 + 6 * 32 + 1);
  EXPECT_EQ(satz, 1 + 6 + 20 + 9 + 8 + 1 + 10);
  EXPECT_EQ(b.size(), static_cast<std::size_t>(kopf + 3 * satz + 1));
  EXPECT_EQ(b.back(), '\x1a');
  EXPECT_EQ(b.substr(kopf, 7), "      1");  // deleted flag, then the number
}

TEST_F(TabelleTest, WrongValuesAreRefusedAndNothingChanges) {
  Tabelle& t = oeffne(1, pfad_);
  fuelle(t, {{1, "A"}});
  EXPECT_THROW(t.schreibe("auftrnr", Value(1234567)), TabellenFehler);  // does not fit N 6
  EXPECT_THROW(t.schreibe("auftrnr", Value("12")), TabellenFehler);
  EXPECT_THROW(t.schreibe("datum", Value(3)), TabellenFehler);
  EXPECT_THROW(t.schreibe("gibtsnicht", Value(3)), TabellenFehler);
  EXPECT_THROW(t.lese("gibtsnicht"), TabellenFehler);
  EXPECT_THROW(t.schreibe("notiz", Value("a\x1a\x1a"
                                         "b")),
               TabellenFehler);
  t.gehe_oben();
  EXPECT_EQ(t.lese("auftrnr").zahl(), 1);
  t.skip();
  ASSERT_TRUE(t.eof());
  EXPECT_THROW(t.schreibe("name", Value("x")), TabellenFehler);  // no record at eof
  // Text longer than the field is cut, as dBase does.
  t.gehe_oben();
  t.schreibe("name", Value(std::string(30, 'y')));
  EXPECT_EQ(t.lese("name").text(), std::string(20, 'y'));
}

TEST_F(TabelleTest, NavigationPassesDeletedAndFilteredRecords) {
  Tabelle& t = oeffne(1, pfad_);
  fuelle(t, {{1, "Anna"}, {2, "Bernd"}, {3, "Clara"}, {4, "Dora"}, {5, "Emil"}});
  t.gehe_zu(2);
  t.loesche();
  t.commit();
  EXPECT_EQ(namen_der_reihe(t), (std::vector<std::string>{"Anna ", "Clara", "Dora ", "Emil "}));
  t.gehe_zu(2);  // goto still reaches a deleted record
  EXPECT_TRUE(t.geloescht());
  t.setze_filter(
      [](const Tabelle& x) { return static_cast<int>(x.lese("auftrnr").zahl()) % 2 == 1; });
  EXPECT_EQ(namen_der_reihe(t), (std::vector<std::string>{"Anna ", "Clara", "Emil "}));
  t.gehe_oben();
  t.skip(-1);
  EXPECT_TRUE(t.bof());
  EXPECT_EQ(t.recno(), 1);
  t.gehe_zu(99);
  EXPECT_TRUE(t.eof());
  t.skip(-1);
  EXPECT_EQ(t.recno(), 5);
  t.skip(-2);
  EXPECT_EQ(t.recno(), 1);
  t.filter_aus();
  EXPECT_EQ(namen_der_reihe(t).size(), 4u);
  t.gehe_zu(2);
  t.loesche(false);
  EXPECT_EQ(namen_der_reihe(t).size(), 5u);
}

TEST_F(TabelleTest, SeekFollowsTheKeyAndTheIndexFollowsWrites) {
  Tabelle& t = oeffne(3, pfad_, "POSTEN");
  fuelle(t, {{30, "c1"}, {10, "a1"}, {20, "b1"}, {10, "a2"}, {100, "d1"}});
  t.setze_index([](const Tabelle& x) { return text::str(x.lese("auftrnr").zahl(), 6); });
  EXPECT_EQ(namen_der_reihe(t),
            (std::vector<std::string>{"a1   ", "a2   ", "b1   ", "c1   ", "d1   "}));
  struct Fall {
    std::string key;
    bool gefunden;
    long recno;
  };
  for (const Fall& f : std::vector<Fall>{{"    10", true, 2},
                                         {"    10  ", true, 2},
                                         {"    20", true, 3},
                                         {"     1", false, 6},
                                         {"   100", true, 5},
                                         {"    99", false, 6}}) {
    EXPECT_EQ(t.suche(f.key), f.gefunden) << f.key;
    EXPECT_EQ(t.recno(), f.recno) << f.key;
    EXPECT_EQ(t.eof(), !f.gefunden) << f.key;
  }
  // The order continues after a seek: the records of one case follow each other.
  ASSERT_TRUE(t.suche("    10"));
  t.skip();
  EXPECT_EQ(t.lese("name").text().substr(0, 2), "a2");
  t.skip();
  EXPECT_EQ(t.lese("name").text().substr(0, 2), "b1");
  // Changing a key field moves the record; an appended record joins the index.
  t.schreibe("auftrnr", Value(5));
  t.commit();
  t.anhaengen();
  t.schreibe("auftrnr", Value(15));
  t.schreibe("name", Value("neu"));
  t.commit();
  EXPECT_EQ(namen_der_reihe(t),
            (std::vector<std::string>{"b1   ", "a1   ", "a2   ", "neu  ", "c1   ", "d1   "}));
  EXPECT_FALSE(t.suche("    20"));
  EXPECT_TRUE(t.suche("    15"));
  // Deleted records are not found.
  t.loesche();
  t.commit();
  EXPECT_FALSE(t.suche("    15"));
}

TEST_F(TabelleTest, ShortKeysMatchOnlyWhenEqualApartFromTrailingBlanks) {
  Tabelle& t = oeffne(5, pfad_, "ADRESSEN");
  fuelle(t, {{1, "FH100"}, {2, "FH1"}, {3, "FH001"}});
  t.setze_index([](const Tabelle& x) { return x.lese("name").text().substr(0, 5); });
  EXPECT_TRUE(t.suche("FH1"));
  EXPECT_EQ(t.recno(), 2);
  EXPECT_FALSE(t.suche("FH10"));  // no nearest match
  EXPECT_TRUE(t.suche("FH001"));
  EXPECT_EQ(t.recno(), 3);
  t.setze_index(nullptr);
  EXPECT_THROW(t.suche("FH1"), TabellenFehler);
}

TEST_F(TabelleTest, WorkAreasSelectByNumberAndAliasAndRestore) {
  oeffne(1, pfad_, "Auftrag");
  erzeuge_tabelle(dir_ / "ADR.DBF", {{"name1", 'C', 30, 0}});
  oeffne(0, dir_ / "ADR.DBF");  // first free area
  EXPECT_EQ(gewaehlt(), 2);
  EXPECT_EQ(aktuelle()->alias(), "ADR");
  EXPECT_EQ(bereich_von("auftrag"), 1);
  EXPECT_EQ(bereich_von(" 5 "), 5);
  EXPECT_EQ(bereich_von("fehlt"), 0);
  EXPECT_EQ(bereich_von("251"), 0);
  {
    BereichWahren w;
    EXPECT_TRUE(waehle("AUFTRAG"));
    EXPECT_EQ(gewaehlt(), 1);
    EXPECT_FALSE(waehle("fehlt"));
    EXPECT_EQ(gewaehlt(), 1);
    waehle(250);
    EXPECT_EQ(aktuelle(), nullptr);
  }
  EXPECT_EQ(gewaehlt(), 2);
  EXPECT_THROW(oeffne(7, pfad_, "ADR"), TabellenFehler);  // alias in use elsewhere
  EXPECT_THROW(waehle(251), TabellenFehler);
  schliesse(1);
  EXPECT_EQ(tabelle(1), nullptr);
  EXPECT_EQ(bereich_von("auftrag"), 0);
}

TEST_F(TabelleTest, ExpressionsReadFieldsThroughTheWorkAreas) {
  Tabelle& t = oeffne(3, pfad_, "POSTEN");
  fuelle(t, {{7, "Sarg"}});
  t.gehe_oben();
  t.schreibe("notiz", Value("Eiche"));
  t.commit();
  rt::FeldQuelle* q = rt::feldquelle();
  ASSERT_NE(q, nullptr);  // installed by the first open
  waehle(1);
  EXPECT_EQ(q->bereich(""), 0);  // nothing open in the selected area
  EXPECT_EQ(q->bereich("posten"), 3);
  EXPECT_EQ(q->bereich("3"), 3);
  EXPECT_EQ(q->bereich("4"), 0);
  waehle(3);
  EXPECT_EQ(q->bereich(""), 3);
  EXPECT_EQ(q->lese(3, "AuftrNr")->zahl(), 7);
  EXPECT_EQ(q->lese(3, "notiz")->text(), "Eiche");
  EXPECT_FALSE(q->lese(3, "gibtsnicht"));
  EXPECT_EQ(q->typ(3, "notiz"), 'M');
  EXPECT_EQ(q->typ(3, "datum"), 'D');
  EXPECT_EQ(q->typ(3, "gibtsnicht"), 0);
  EXPECT_EQ(q->typ(4, "name"), 0);
}

TEST_F(TabelleTest, ExclusiveUseKeepsOthersOutAndAllowsZap) {
  {
    Tabelle& t = oeffne(1, pfad_);
    fuelle(t, {{1, "A"}, {2, "B"}});
    t.gehe_oben();
    t.schreibe("notiz", Value("Notiz"));
    t.commit();
    EXPECT_THROW(t.zap(), TabellenFehler);  // shared use
    EXPECT_THROW(oeffne(2, pfad_, "ZWEI", true), TabellenFehler);
    EXPECT_NO_THROW(oeffne(3, pfad_, "DREI"));  // shared with shared is fine
  }
  schliesse_alle();
  Tabelle& ex = oeffne(1, pfad_, "", true);
  EXPECT_THROW(oeffne(2, pfad_, "ZWEI"), TabellenFehler);
  ex.zap();
  EXPECT_EQ(ex.anzahl(), 0);
  EXPECT_TRUE(ex.eof());
  schliesse_alle();
  const std::string b = bt::test::lies_bytes(pfad_);
  EXPECT_EQ(b.size(), static_cast<std::size_t>(32 + 6 * 32 + 1 + 1));
  EXPECT_EQ(b[4], 0);
  EXPECT_EQ(bt::test::lies_bytes(dir_ / "auftrag.dbt").size(), 512u);
}

TEST_F(TabelleTest, RecordLocksExcludeASecondOpenOfTheFile) {
  Tabelle& a = oeffne(1, pfad_, "A");
  fuelle(a, {{1, "A"}, {2, "B"}});
  a.entsperre();
  Tabelle& b = oeffne(2, pfad_, "B");
  a.gehe_zu(1);
  b.gehe_zu(1);
  ASSERT_TRUE(a.sperre());
  EXPECT_FALSE(b.sperre());
  b.gehe_zu(2);
  EXPECT_TRUE(b.sperre());  // another record is free
  a.schreibe("name", Value("von A"));
  a.entsperre();  // writes the record and releases it
  b.gehe_zu(1);
  EXPECT_TRUE(b.sperre());  // taking the lock reads the record afresh
  EXPECT_EQ(b.lese("name").text().substr(0, 5), "von A");
}

TEST_F(TabelleTest, RecordsAppendedElsewhereAreSeenAndIndexed) {
  Tabelle& a = oeffne(1, pfad_, "A");
  fuelle(a, {{20, "b"}});
  a.setze_index([](const Tabelle& x) { return text::str(x.lese("auftrnr").zahl(), 6); });
  auto b = oeffne_datei(pfad_, "B");
  b->anhaengen();
  b->schreibe("auftrnr", Value(10));
  b->schreibe("name", Value("a"));
  b->commit();
  EXPECT_EQ(namen_der_reihe(a), (std::vector<std::string>{"a    ", "b    "}));
  EXPECT_TRUE(a.suche("    10"));
  a.anhaengen();  // the header count comes from the file, not from what this handle knew
  EXPECT_EQ(a.recno(), 3);
  a.commit();
  b.reset();
  // A table in use is not replaced under its users.
  EXPECT_THROW(erzeuge_tabelle(pfad_, {{"x", 'C', 1, 0}}), TabellenFehler);
  schliesse_alle();
  EXPECT_NO_THROW(erzeuge_tabelle(pfad_, {{"x", 'C', 1, 0}}));
}

TEST_F(TabelleTest, StructureCopiesIntoAStructureTableAndBack) {
  Tabelle& t = oeffne(1, pfad_);
  kopiere_struktur(t, dir_ / "STRU.DBF");
  {
    auto s = oeffne_datei(dir_ / "STRU.DBF");
    EXPECT_EQ(s->anzahl(), 6);
    EXPECT_EQ(s->feld_name(1), "FIELD_NAME");
    s->gehe_zu(3);
    EXPECT_EQ(s->lese("FIELD_NAME").text(), "BETRAG    ");
    EXPECT_EQ(s->lese("FIELD_TYPE").text(), "N");
    EXPECT_EQ(s->lese("FIELD_LEN").zahl(), 9);
    EXPECT_EQ(s->lese("FIELD_DEC").zahl(), 2);
  }
  erzeuge_aus_struktur(dir_ / "kopie.dbf", dir_ / "STRU.DBF");
  auto k = oeffne_datei(dir_ / "kopie.dbf");
  std::vector<FeldDef> erwartet = kFelder;
  for (auto& f : erwartet)
    for (auto& c : f.name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  EXPECT_EQ(struktur(*k), erwartet);
  EXPECT_EQ(k->anzahl(), 0);
  // A structure table with a bad definition gives a clear error and no file.
  {
    auto s = oeffne_datei(dir_ / "STRU.DBF");
    s->gehe_zu(4);
    s->schreibe("FIELD_LEN", Value(7));  // a date field of length 7
  }
  EXPECT_THROW(erzeuge_aus_struktur(dir_ / "falsch.dbf", dir_ / "STRU.DBF"), TabellenFehler);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "falsch.dbf"));
}

}  // namespace
}  // namespace plat::tables
