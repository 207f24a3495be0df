// Tables written by this engine read the same in python3-dbf, and tables
// written by python3-dbf read the same here (fields, memos, deleted flags).
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "platform/tables/arbeitsbereiche.h"
#include "platform/tables/struktur.h"
#include "testing/temp_ordner.h"

namespace plat::tables {
namespace {

using rt::Value;

std::string python(const std::string& befehl, const std::string& pfad) {
  const std::string cmd = "/usr/bin/python3 " BT_SOURCE_DIR "/platform/tables/dbf_gegenprobe.py " +
                          befehl + " '" + pfad + "' 2>&1";
  std::string aus;
  FILE* p = ::popen(cmd.c_str(), "r");
  if (!p) return "popen failed";
  char buf[4096];
  while (std::size_t n = std::fread(buf, 1, sizeof buf, p)) aus.append(buf, n);
  const int rc = ::pclose(p);
  if (rc != 0) ADD_FAILURE() << cmd << " -> " << rc << "\n" << aus;
  return aus;
}

std::string hex(const std::string& s) {
  static const char* z = "0123456789abcdef";
  std::string h;
  for (unsigned char c : s) {
    h += z[c >> 4];
    h += z[c & 15];
  }
  return h;
}

// The same canonical form as the python side prints.
std::string kanonisch(Tabelle& t) {
  std::ostringstream o;
  for (long r = 1; r <= t.anzahl(); ++r) {
    t.gehe_zu(r);
    if (t.geloescht()) o << '*';
    for (int i = 1; i <= t.feld_anzahl(); ++i) {
      if (i > 1) o << '|';
      const Value v = t.lese(i);
      switch (t.feld_typ(i)) {
        case 'C':
        case 'M':
          o << hex(v.text());
          break;
        case 'N': {
          char b[64];
          std::snprintf(b, sizeof b, "%.2f", v.zahl());
          o << b;
          break;
        }
        case 'D': {
          const auto d = v.datum();
          if (d.leer()) {
            o << "leer";
          } else {
            const std::string s = d.dtos();
            o << s.substr(0, 4) << '-' << s.substr(4, 2) << '-' << s.substr(6, 2);
          }
          break;
        }
        case 'L':
          o << (v.logisch() ? 'T' : 'F');
          break;
        default:
          o << '?';
      }
    }
    o << '\n';
  }
  return o.str();
}

const std::string kMemo =
    "Erste Zeile\r\nzweite Zeile mit \x94\x84\x81 \xE1\r\n";  // öäü ß in code page 850

TEST(Gegenprobe, OurTablesReadTheSameInPythonDbf) {
  bt::test::TempOrdner dir;
  const std::string pfad = dir / "auftrag.dbf";
  erzeuge_tabelle(pfad, {{"auftrnr", 'N', 6, 0},
                         {"name", 'C', 20, 0},
                         {"betrag", 'N', 9, 2},
                         {"datum", 'D', 8, 0},
                         {"ok", 'L', 1, 0},
                         {"notiz", 'M', 10, 0}});
  auto t = oeffne_datei(pfad);
  t->anhaengen();
  t->schreibe("auftrnr", Value(4711));
  t->schreibe("name", Value("M\x81ller-Stra\xE1"
                            "e \x8E"));
  t->schreibe("betrag", Value(-1234.5));
  t->schreibe("datum", Value(*text::Datum::aus_ymd(2026, 12, 31)));
  t->schreibe("ok", Value(true));
  t->schreibe("notiz", Value(kMemo + std::string(1500, 'x')));
  t->anhaengen();
  t->anhaengen();
  t->schreibe("name", Value("gel\x94scht"));
  t->schreibe("notiz", Value("kurz"));
  t->loesche();
  t->gehe_zu(1);
  t->schreibe("notiz", Value(kMemo));  // rewritten memo: new blocks
  t->commit();
  const std::string unsere = kanonisch(*t);
  t.reset();
  EXPECT_EQ(python("lies", pfad), unsere);
  EXPECT_NE(unsere.find("4d816c6c6572"), std::string::npos);  // the bytes really are code page 850
}

TEST(Gegenprobe, PythonDbfTablesReadTheSameHereAndTakeOurChanges) {
  bt::test::TempOrdner dir;
  const std::string pfad = dir / "fremd.dbf";
  python("schreibe", pfad);
  auto t = oeffne_datei(pfad);
  EXPECT_EQ(python("lies", pfad), kanonisch(*t));
  t->gehe_zu(1);
  EXPECT_EQ(t->lese("name").text(),
            "M\x81ller-Stra\xE1"
            "e \x8E     ");
  EXPECT_EQ(t->lese("notiz").text().substr(0, kMemo.size()), kMemo);
  EXPECT_EQ(t->lese("datum").datum().dtos(), "20260228");
  t->gehe_zu(3);
  EXPECT_TRUE(t->geloescht());
  // Changes made here show in python3-dbf: a longer memo, an appended record.
  t->gehe_zu(2);
  t->schreibe("notiz", Value(std::string(600, 'n') + "\xE1"));
  t->anhaengen();
  t->schreibe("auftrnr", Value(99));
  t->schreibe("notiz", Value("neu"));
  t->commit();
  const std::string unsere = kanonisch(*t);
  t.reset();
  EXPECT_EQ(python("lies", pfad), unsere);
}

}  // namespace
}  // namespace plat::tables
