// Every invoice written from valid entries passes the XRechnung validation kit
// (XSD, EN 16931 and XRechnung 3.0 schematron). Needs java, Saxon-HE and xmllint;
// skipped without them.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>

#include "einvoice/cii_erzeugung.h"
#include "einvoice/cii_pruefung.h"
#include "einvoice/stammdaten.h"
#include "einvoice/stapel.h"
#include "einvoice/test_hilfe.h"

using namespace einvoice;
using namespace einvoice::test;

namespace {

// The kit beside the project, or where XRECHNUNG_KIT points.
fs::path kit() {
  const char* ort = std::getenv("XRECHNUNG_KIT");
  return ort && *ort ? fs::path(ort) : fs::path(BT_SOURCE_DIR) / "../shared/xrechnung";
}

std::string fehlende_werkzeuge() {
  if (!fs::exists(kit() / "validate.sh")) {
    return "validation kit not found at " + kit().string() + " (set XRECHNUNG_KIT)";
  }
  const std::string apt = " (apt-get install libxml2-utils libsaxonhe-java default-jre-headless)";
  if (std::system("command -v java >/dev/null 2>&1") != 0) return "java not installed" + apt;
  if (std::system("command -v xmllint >/dev/null 2>&1") != 0) return "xmllint not installed" + apt;
  const char* jar = std::getenv("SAXON_JAR");
  if (!fs::exists(jar ? jar : "/usr/share/java/Saxon-HE.jar"))
    return "Saxon-HE not installed" + apt;
  return "";
}

// Exit status of validate.sh and its report.
std::pair<int, std::string> validiere(const fs::path& datei) {
  const std::string befehl =
      "'" + (kit() / "validate.sh").string() + "' --tsv '" + datei.string() + "' 2>&1";
  std::string ausgabe;
  FILE* p = ::popen(befehl.c_str(), "r");
  if (!p) return {-1, "popen failed"};
  char puffer[4096];
  while (std::fgets(puffer, sizeof puffer, p)) ausgabe += puffer;
  const int status = ::pclose(p);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ausgabe};
}

class XRechnungValidierung : public LaufwerkTest {};

TEST_F(XRechnungValidierung, InvoicesFromValidEntriesAreAccepted) {
  if (std::string fehlt = fehlende_werkzeuge(); !fehlt.empty()) {
    GTEST_SKIP() << "XRechnung validation skipped: " << fehlt;
  }
  struct Fall {
    const char* name;
    void (*aendere)(std::vector<std::string>& e, Rechnungssatz& s);
  };
  const std::vector<Fall> faelle = {
      {"reference (umlauts, é, &, <, skipped line 3)",
       [](std::vector<std::string>&, Rechnungssatz&) {}},
      {"lines 2 and 4 only, due date across the year end",
       [](std::vector<std::string>& e, Rechnungssatz&) {
         e[1] = "20261228";
         e[6] = "";
         e[14] = "abc";
       }},
      {"total 123456.78, credit line with negative quantity",
       [](std::vector<std::string>& e, Rechnungssatz&) {
         e[4] = "99999.99";
         e[6] = "99999.99";
         e[8] = "11728.395";
         e[9] = "2";
         e[10] = "23456.79";
         e[16] = "25.00";
         e[17] = "-2";
         e[18] = "-50.00";
         e[14] = "50.00";
         e[11] = "Rabatt";
         e[12] = "50";
       }},
      {"demo invoice of the README with the demo master data",
       [](std::vector<std::string>& e, Rechnungssatz& s) {
         setze_demo_stammdaten(s);
         StapelEingaben d = lies_stapel_eingaben(
             lies(fs::path(BT_SOURCE_DIR) / "apps/xrechnung/demo-rechnung.txt"));
         ASSERT_EQ(d.fehler, "");
         e = d.felder;
       }},
  };
  for (const auto& f : faelle) {
    std::vector<std::string> e = referenz_eingaben();
    Rechnungssatz satz = referenz_satz();
    f.aendere(e, satz);
    e[0] = "V" + std::to_string(&f - faelle.data());
    CiiErgebnis r = cii_schreiben(e, satz);
    ASSERT_TRUE(r.geschrieben) << f.name << ": " << r.fehler;
    EXPECT_TRUE(r.probleme.empty()) << f.name << ": " << ::testing::PrintToString(r.probleme);
    auto [status, bericht] = validiere(xr() / ("R" + e[0]) / ("R" + e[0] + "_zug.xml"));
    EXPECT_EQ(status, 0) << f.name << "\n" << bericht;
  }
}

}  // namespace
