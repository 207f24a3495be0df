#include "platform/files/pfad.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "testing/temp_ordner.h"

namespace fs = std::filesystem;
using namespace plat::files;

namespace {

class PfadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wurzel_ = ordner_.pfad();
    fs::create_directories(wurzel_ / "c");
    vergiss_laufwerke();
    setze_laufwerk('C', wurzel_ / "c");
  }
  void TearDown() override {
    vergiss_laufwerke();
  }
  fs::path c() const { return wurzel_ / "c"; }
  bt::test::TempOrdner ordner_;
  fs::path wurzel_;
};

TEST_F(PfadTest, MapsDriveSeparatorsAndMatchesExistingNamesWithoutRegardToCase) {
  fs::create_directories(c() / "Vuvuvira" / "xR" / "R17");
  fs::create_directories(c() / "DERA");
  fs::create_directories(c() /
                         "Gr\xC3\xBC\xC3\x9F"
                         "e");  // "Grüße" on disk (UTF-8)
  struct Fall {
    std::string windows;
    fs::path host;
  };
  const std::vector<Fall> faelle = {
      {"C:\\Vuvuvira\\xR\\R17\\R17_zug.xml", c() / "Vuvuvira/xR/R17/R17_zug.xml"},
      {"c:\\vuvuvira\\XR\\r17\\R17_zug.xml", c() / "Vuvuvira/xR/R17/R17_zug.xml"},
      {"c:/dera/HTML_Brief.html", c() / "DERA/HTML_Brief.html"},
      {"C:\\DERA\\\\Neu\\Unter", c() / "DERA/Neu/Unter"},  // missing names stay as written
      {"\\dera", c() / "DERA"},                            // no drive: drive C
      {"C:\\GR\x9A\xE1"
       "E\\x.txt",
       c() / "Gr\xC3\xBC\xC3\x9F"
             "e/x.txt"},  // "GRÜßE" in code page 850
      {"C:\\", c()},
      {"/tmp/schon/host", fs::path("/tmp/schon/host")},
  };
  for (const auto& f : faelle) {
    EXPECT_EQ(host_pfad(f.windows), f.host) << f.windows;
  }
  EXPECT_EQ(host_pfad("relativ\\datei.txt"), fs::current_path() / "relativ/datei.txt");
}

TEST_F(PfadTest, DriveComesFromSettingThenEnvironmentThenUserDataFolder) {
  ::setenv("BT_DRIVE_Q", "/env/q", 1);
  EXPECT_EQ(laufwerk('q'), fs::path("/env/q"));
  setze_laufwerk('Q', "/gesetzt/q");
  EXPECT_EQ(laufwerk('Q'), fs::path("/gesetzt/q"));
  ::unsetenv("BT_DRIVE_Q");

  ::unsetenv("BT_DRIVE_R");
  ::setenv("XDG_DATA_HOME", "/daten", 1);
  EXPECT_EQ(laufwerk('r'), fs::path("/daten/bestattung/laufwerk_r"));
  ::unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(laufwerk('R'), fs::path(std::getenv("HOME")) / ".local/share/bestattung/laufwerk_r");
}

TEST_F(PfadTest, DriveOptionsAreTakenOutOfTheArguments) {
  struct Fall {
    std::vector<std::string> args;
    std::vector<std::string> rest;
    bool fehler;
  };
  const std::vector<Fall> faelle = {
      {{"prog", "--drive", "D=/d/ordner", "--write", "f.txt"}, {"prog", "--write", "f.txt"}, false},
      {{"prog", "--drive=e=/e", "x"}, {"prog", "x"}, false},
      {{"prog", "--drive", "C:/falsch"}, {"prog"}, true},
      {{"prog", "--drive"}, {"prog"}, true},
      {{"prog", "a", "b"}, {"prog", "a", "b"}, false},
  };
  for (const auto& f : faelle) {
    std::vector<char*> argv;
    for (const auto& a : f.args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    int argc = static_cast<int>(f.args.size());
    std::string fehler = laufwerk_argumente(argc, argv.data());
    EXPECT_EQ(!fehler.empty(), f.fehler) << f.args[1];
    std::vector<std::string> rest(argv.begin(), argv.begin() + argc);
    EXPECT_EQ(rest, f.rest);
    EXPECT_EQ(argv[argc], nullptr);
  }
  EXPECT_EQ(laufwerk('d'), fs::path("/d/ordner"));
  EXPECT_EQ(laufwerk('E'), fs::path("/e"));
}

}  // namespace
