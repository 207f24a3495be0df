#include "platform/files/dateien.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/files/pfad.h"
#include "testing/temp_ordner.h"

namespace fs = std::filesystem;
using namespace plat::files;

namespace {

class DateienTest : public ::testing::Test {
 protected:
  void SetUp() override {
    c_ = ordner_.pfad();
    fs::create_directories(c_ / "Basis");
    vergiss_laufwerke();
    setze_laufwerk('C', c_);
  }
  void TearDown() override {
    vergiss_laufwerke();
  }
  static std::string inhalt(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }
  int eintraege(const fs::path& ordner) const {
    return static_cast<int>(
        std::distance(fs::directory_iterator(ordner), fs::directory_iterator()));
  }
  bt::test::TempOrdner ordner_;
  fs::path c_;
};

TEST_F(DateienTest, AtomicWriteReplacesWholeFileKeepsRightsAndLeavesNothingBeside) {
  EXPECT_EQ(schreibe_datei_atomar("C:\\basis\\R1_zug.xml", std::string("erst\0x", 6)), "");
  EXPECT_EQ(inhalt(c_ / "Basis/R1_zug.xml"), std::string("erst\0x", 6));
  EXPECT_TRUE(datei_existiert("c:\\BASIS\\r1_ZUG.xml"));
  EXPECT_FALSE(ordner_existiert("c:\\BASIS\\r1_ZUG.xml"));

  fs::permissions(c_ / "Basis/R1_zug.xml", fs::perms(0640));
  EXPECT_EQ(schreibe_datei_atomar("C:\\Basis\\r1_zug.XML", "zweit"), "");  // same file, other case
  EXPECT_EQ(inhalt(c_ / "Basis/R1_zug.xml"), "zweit");
  EXPECT_EQ(fs::status(c_ / "Basis/R1_zug.xml").permissions(), fs::perms(0640));
  EXPECT_EQ(eintraege(c_ / "Basis"), 1);
  EXPECT_EQ(lies_datei("C:\\Basis\\R1_zug.xml").value_or("?"), "zweit");
  EXPECT_FALSE(lies_datei("C:\\Basis\\fehlt.txt").has_value());
}

TEST_F(DateienTest, FailedWritesSayWhereAndWhyAndLeaveNoFile) {
  std::string fehler = schreibe_datei_atomar("C:\\Fehlt\\R1_zug.xml", "x");
  EXPECT_NE(fehler.find((c_ / "Fehlt/R1_zug.xml").string()), std::string::npos) << fehler;
  EXPECT_NE(fehler.find("nicht vorhanden"), std::string::npos) << fehler;
  EXPECT_FALSE(fs::exists(c_ / "Fehlt"));

  fs::create_directories(c_ / "Basis/Ordner");
  EXPECT_NE(schreibe_datei_atomar("C:\\Basis\\Ordner", "x"), "");
  EXPECT_TRUE(fs::is_directory(c_ / "Basis/Ordner"));

  if (::geteuid() != 0) {  // root may write anywhere
    fs::permissions(c_ / "Basis", fs::perms(0555));
    fehler = schreibe_datei_atomar("C:\\Basis\\R2_zug.xml", "x");
    EXPECT_NE(fehler.find("Berechtigung"), std::string::npos) << fehler;
    fs::permissions(c_ / "Basis", fs::perms(0755));
    EXPECT_FALSE(fs::exists(c_ / "Basis/R2_zug.xml"));
  }
}

TEST_F(DateienTest, FolderCreationWithAndWithoutParents) {
  EXPECT_EQ(erstelle_ordner("C:\\basis\\R17", false), "");
  EXPECT_TRUE(fs::is_directory(c_ / "Basis/R17"));
  EXPECT_EQ(erstelle_ordner("C:\\BASIS\\r17", false), "");  // exists already: fine

  std::string fehler = erstelle_ordner("C:\\Neu\\R18", false);
  EXPECT_NE(fehler.find("konnte nicht angelegt werden"), std::string::npos) << fehler;
  EXPECT_FALSE(fs::exists(c_ / "Neu"));

  EXPECT_EQ(erstelle_ordner("C:\\Neu\\R18"), "");
  EXPECT_TRUE(ordner_existiert("c:\\neu\\r18"));

  std::ofstream(c_ / "Basis/datei") << "x";
  EXPECT_NE(erstelle_ordner("C:\\Basis\\datei", false), "");
}

}  // namespace
