// The runner on the built demo data folder, as users and scripts call it.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

struct Ergebnis {
  int rc;
  std::string aus, fehler;
};

std::string lies(const std::string& pfad) {
  std::ifstream f(pfad);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

Ergebnis docgen(const std::string& argumente) {
  // One file per test process: ctest runs the tests of this file side by side.
  const std::string fehler_datei =
      ::testing::TempDir() + "docgen_e2e_stderr_" + std::to_string(::getpid()) + ".txt";
  const std::string cmd = BT_BINARY_DIR "/apps/docgen/docgen --data " BT_BINARY_DIR "/demo/data " +
                          argumente + " 2>" + fehler_datei;
  Ergebnis e;
  FILE* p = ::popen(cmd.c_str(), "r");
  char buf[4096];
  while (std::size_t n = std::fread(buf, 1, sizeof buf, p)) e.aus.append(buf, n);
  const int status = ::pclose(p);
  e.rc = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  e.fehler = lies(fehler_datei);
  std::remove(fehler_datei.c_str());
  return e;
}

TEST(DocgenRunner, EvaluatesAndTypesOnTheDemoData) {
  struct Fall {
    std::string argumente, aus;
    int rc;
  };
  for (const Fall& f : std::vector<Fall>{
           {"eval '1->name'", "Schäfer                       \n", 0},
           {"eval '5->name1'", "Friedhofsverwaltung der Stadt Köln      \n", 0},
           {"eval 'DTOC(1->messedat)'", "14.12.2026\n", 0},
           {"eval '1->auftrnr'", "1001\n", 0},
           {"eval '(3)->betrageu'", "1450.00\n", 0},
           {"eval 'AUFTRAG->messezeit'", "14.30\n", 0},
           {"eval '1->gebdat'", "03.05.1941\n", 0},
           {"eval 'EMPTY(1->notiz)'", ".F.\n", 0},
           {"eval 'oBest:TW4'", "Montag\n", 0},
           {"eval \"TRIM(cBU5) + ' ' + TRIM(za05x)\"", "Bestattungshaus Sonnenschein Köln\n", 0},
           {"--case 1004 eval 'TRIM(eh_vname) + \"|\" + TRIM(1->eh_name) + \"|\"'", "Ilse||\n", 0},
           {"--case 1004 eval 'TRIM(3->text)'", "Kiefernsarg\n", 0},
           {"--case 1005 eval 'DTOC(1->messedat)'", "  .  .    \n", 0},  // a blank date
           {"--set 'cBU5=Haus Lindner' eval cBU5", "Haus Lindner\n", 0},
           {"--set 'cGruss=Grüß Gott' eval cGruss", "Grüß Gott\n", 0},
           {"type cGibtEsNicht", "U\n", 0},
           {"type '1 +'", "UE\n", 0},
           {"type '1->notiz'", "M\n", 0},
           {"type '1->messedat'", "D\n", 0},
           {"type 'oBest'", "O\n", 0},
       }) {
    const Ergebnis e = docgen(f.argumente);
    EXPECT_EQ(e.aus, f.aus) << f.argumente << "\n" << e.fehler;
    EXPECT_EQ(e.rc, f.rc) << f.argumente << "\n" << e.fehler;
  }
}

TEST(DocgenRunner, FailuresGoToStandardErrorWithAnExitCode) {
  struct Fall {
    std::string argumente, fehler_teil;
    int rc;
  };
  for (const Fall& f : std::vector<Fall>{
           {"eval '1 +'", "Syntaxfehler an Spalte 4", 1},
           {"eval cGibtEsNicht", "cGibtEsNicht", 1},
           {"--case 4711 eval 1", "Den Fall 4711 gibt es nicht", 2},
           {"--case x eval 1", "--case erwartet eine Fallnummer", 2},
           {"--answer vielleicht eval 1", "--answer erwartet yes oder no", 2},
           {"--keys shift,meta eval 1", "--keys kennt shift, ctrl und alt", 2},
           {"--set 'cGruß=x' eval 1", "--set: \"cGruß\" ist kein Variablenname", 2},
           {"rechne 1", "Unbekannter Befehl rechne", 2},
           {"eval", "Aufruf: docgen ... eval EXPR", 2},
           {"--drive C eval 1", "--drive erwartet LAUFWERK=ORDNER", 2},
       }) {
    const Ergebnis e = docgen(f.argumente);
    EXPECT_EQ(e.rc, f.rc) << f.argumente << "\n" << e.fehler;
    EXPECT_NE(e.fehler.find(f.fehler_teil), std::string::npos) << f.argumente << "\n" << e.fehler;
    EXPECT_EQ(e.aus, "") << f.argumente;
  }
}

TEST(DocgenRunner, ARelativeDataFolderWorksAndErrorsAreLoggedThere) {
  const std::string log = BT_BINARY_DIR "/demo/data/fehler.log";
  std::remove(log.c_str());
  const std::string cmd =
      "cd " BT_BINARY_DIR " && apps/docgen/docgen --data demo/data/ eval 'cDatver + 1' 2>/dev/null";
  FILE* p = ::popen(cmd.c_str(), "r");
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(WEXITSTATUS(::pclose(p)), 1);
  const std::string zeilen = lies(log);
  EXPECT_NE(zeilen.find("cDatver + 1"), std::string::npos) << zeilen;
}

TEST(DocgenRunner, DataFolderOnAMappedDriveGivesAWindowsPath) {
  const Ergebnis e = docgen("--drive C=" BT_BINARY_DIR "/demo eval cDatver");
  EXPECT_EQ(e.aus, "C:\\data\\\n") << e.fehler;
}

}  // namespace
