// Every folder of tests/data is one golden case for the placeholder
// replacement on the demo data, run through the runner as users call it:
//   template.txt   the template (Windows-1252)
//   expected.txt   the exact output (Windows-1252)
//   aufruf.txt     runner options before the command, one per line (optional)
//   meldungen.txt  the exact standard error, the message boxes (optional;
//                  without it none may appear)
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string lies(const fs::path& pfad) {
  std::ifstream f(pfad, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

std::vector<std::string> zeilen(const std::string& text) {
  std::vector<std::string> r;
  std::size_t a = 0;
  while (a < text.size()) {
    std::size_t e = text.find('\n', a);
    if (e == std::string::npos) e = text.size();
    r.push_back(text.substr(a, e - a));
    a = e + 1;
  }
  return r;
}

struct Ergebnis {
  int rc = -1;
  std::string aus, fehler;
};

// Runs the runner without a shell, so that arguments pass as written.
Ergebnis docgen(std::vector<std::string> argumente, const fs::path& fehler_datei) {
  std::vector<std::string> alle = {BT_BINARY_DIR "/apps/docgen/docgen", "--data",
                                   BT_BINARY_DIR "/demo/data"};
  alle.insert(alle.end(), argumente.begin(), argumente.end());
  std::vector<char*> argv;
  for (auto& a : alle) argv.push_back(a.data());
  argv.push_back(nullptr);

  int rohr[2];
  if (::pipe(rohr) != 0) return {};
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(rohr[1], 1);
    std::FILE* f = std::freopen(fehler_datei.c_str(), "w", stderr);
    (void)f;
    ::close(rohr[0]);
    ::close(rohr[1]);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  ::close(rohr[1]);
  Ergebnis e;
  char buf[4096];
  for (ssize_t n; (n = ::read(rohr[0], buf, sizeof buf)) > 0;)
    e.aus.append(buf, static_cast<std::size_t>(n));
  ::close(rohr[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  e.rc = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  e.fehler = lies(fehler_datei);
  return e;
}

TEST(PlatzhalterGolden, JederFallErgibtGenauDieErwarteteAusgabe) {
  const fs::path daten = fs::path(BT_SOURCE_DIR) / "tests" / "data";
  std::vector<fs::path> faelle;
  for (const auto& e : fs::directory_iterator(daten))
    if (fs::exists(e.path() / "template.txt")) faelle.push_back(e.path());
  ASSERT_FALSE(faelle.empty());

  for (const fs::path& fall : faelle) {
    SCOPED_TRACE(fall.filename().string());
    std::vector<std::string> argumente;
    if (fs::exists(fall / "aufruf.txt")) argumente = zeilen(lies(fall / "aufruf.txt"));
    argumente.push_back("replace");
    argumente.push_back((fall / "template.txt").string());

    const Ergebnis e = docgen(argumente, fs::path(::testing::TempDir()) / "golden_stderr.txt");
    EXPECT_EQ(e.rc, 0) << e.fehler;
    EXPECT_EQ(e.aus, lies(fall / "expected.txt"));
    const fs::path meldungen = fall / "meldungen.txt";
    EXPECT_EQ(e.fehler, fs::exists(meldungen) ? lies(meldungen) : std::string());
  }
}

// Standard input works as a file, and a template with a character that code
// page 850 lacks is refused with a message instead of being half replaced.
TEST(PlatzhalterGolden, StandardeingabeUndUnpassendeZeichen) {
  const fs::path tmp = fs::path(::testing::TempDir());
  const fs::path eingabe = tmp / "golden_eingabe.txt";
  { std::ofstream(eingabe, std::ios::binary) << "Name: $(TRIM(1->name)) \x80"; }
  const std::string cmd =
      std::string("'" BT_BINARY_DIR "/apps/docgen/docgen' --data '" BT_BINARY_DIR
                  "/demo/data' replace - < '") +
      eingabe.string() + "' 2>/dev/null";
  std::FILE* p = ::popen(cmd.c_str(), "r");
  std::string aus;
  char buf[256];
  while (std::size_t n = std::fread(buf, 1, sizeof buf, p)) aus.append(buf, n);
  const int status = ::pclose(p);
  EXPECT_EQ(WEXITSTATUS(status), 2);  // the euro sign has no place in code page 850
  EXPECT_EQ(aus, "");

  { std::ofstream(eingabe, std::ios::binary) << "Name: $(TRIM(1->name)) \xE4"; }
  p = ::popen(cmd.c_str(), "r");
  aus.clear();
  while (std::size_t n = std::fread(buf, 1, sizeof buf, p)) aus.append(buf, n);
  EXPECT_EQ(WEXITSTATUS(::pclose(p)), 0);
  EXPECT_EQ(aus,
            "Name: Sch\xE4"
            "fer \xE4");
}

}  // namespace
