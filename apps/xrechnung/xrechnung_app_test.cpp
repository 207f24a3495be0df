// The program in batch mode, run as a user would run it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "testing/temp_ordner.h"

namespace fs = std::filesystem;
using ::testing::HasSubstr;

namespace {

struct Lauf {
  int status;
  std::string aus, fehler;
};

class XrechnungApp : public ::testing::Test {
 protected:
  void SetUp() override {
    c_ = fs::path(ordner_.pfad()) / "c";
    fs::create_directories(c_ / "Vuvuvira/xR");
  }

  static std::string lies(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }
  fs::path eingaben(const std::string& text) const {
    fs::path p = c_.string() + ".txt";
    std::ofstream(p, std::ios::binary) << text;
    return p;
  }
  Lauf starte(const std::string& args) const {
    const fs::path err = c_.string() + ".err";
    const std::string befehl = std::string("env -u DISPLAY -u WAYLAND_DISPLAY '") + XRECHNUNG_EXE +
                               "' --drive 'C=" + c_.string() + "' " + args + " 2>'" + err.string() +
                               "'";
    Lauf l;
    FILE* p = ::popen(befehl.c_str(), "r");
    char puffer[4096];
    while (p && std::fgets(puffer, sizeof puffer, p)) l.aus += puffer;
    const int s = p ? ::pclose(p) : -1;
    l.status = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
    l.fehler = lies(err);
    fs::remove(err);
    return l;
  }
  bt::test::TempOrdner ordner_;
  fs::path c_;
};

const std::string kGut =
    "17\n20261211\n20261205\nGrabpflege Herbst\n65.00\n1\n65.00\n"
    "Gestecke Tannengr\xC3\xBCn\n16.00\n2\n32.00\n";

TEST_F(XrechnungApp, WritesTheInvoicePrintsItsPathAndExitsCleanly) {
  Lauf l = starte("--write '" + eingaben(kGut).string() + "'");
  EXPECT_EQ(l.status, 0) << l.fehler;
  EXPECT_EQ(l.aus, (c_ / "Vuvuvira/xR/R17/R17_zug.xml").string() + "\n");
  EXPECT_EQ(l.fehler, "");
  const std::string xml = lies(c_ / "Vuvuvira/xR/R17/R17_zug.xml");
  EXPECT_THAT(xml, HasSubstr("<ram:Name>Gestecke Tannengr\xC3\xBCn</ram:Name>"));
  EXPECT_THAT(xml, HasSubstr("<ram:GrandTotalAmount>97.00</ram:GrandTotalAmount>"));
}

TEST_F(XrechnungApp, ProblemsGoToStandardErrorWithNonZeroStatus) {
  struct Fall {
    std::string eingaben;
    int status;
    std::string fehler;
    bool datei;  // R17_zug.xml written
  };
  const std::vector<Fall> faelle = {
      {"17\n2026-12-11\n20261205\nGrabpflege\n65.00\n1\n65,00\n", 1,
       "Rechnungsdatum: \"2026-12-11\" ist kein g\xC3\xBCltiges Datum", true},
      {"17\n20261211\n20261205\n" + std::string(51, 'x') + "\n65.00\n1\n65.00\n", 2,
       "Zeile 4 (Position 1, Bezeichnung): ist 51 Zeichen lang", false},
      {"1/7\n20261211\n", 2, "Die Rechnungsnummer \"1/7\"", false},
  };
  for (const auto& f : faelle) {
    fs::remove_all(c_ / "Vuvuvira/xR/R17");
    Lauf l = starte("--write '" + eingaben(f.eingaben).string() + "'");
    EXPECT_EQ(l.status, f.status) << f.eingaben;
    EXPECT_THAT(l.fehler, HasSubstr(f.fehler));
    EXPECT_EQ(fs::exists(c_ / "Vuvuvira/xR/R17/R17_zug.xml"), f.datei) << f.eingaben;
    EXPECT_EQ(l.aus.empty(), !f.datei);
  }
}

TEST_F(XrechnungApp, UnreadableInputMissingBaseFolderAndNoWindowAreClearErrors) {
  Lauf l = starte("--write '" + (c_ / "fehlt.txt").string() + "'");
  EXPECT_EQ(l.status, 2);
  EXPECT_THAT(l.fehler, HasSubstr("kann nicht gelesen werden"));

  const fs::path datei = eingaben(kGut);
  fs::remove_all(c_ / "Vuvuvira");
  l = starte("--write '" + datei.string() + "'");
  EXPECT_EQ(l.status, 2);
  EXPECT_THAT(l.fehler, HasSubstr("C:\\Vuvuvira\\xR"));
  EXPECT_THAT(l.fehler, HasSubstr("nicht vorhanden"));

  l = starte("--drive falsch");
  EXPECT_EQ(l.status, 2);
  EXPECT_THAT(l.fehler, HasSubstr("--drive"));
}

}  // namespace
