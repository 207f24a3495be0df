// The commands of the runner `docgen`. Each runs once the host data is set
// up (tables open and positioned, host variables created) and returns the
// exit code. A new command is one function in its own file and one line in
// befehle.cpp.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace docgen::lauf {

// Exit codes of the runner.
inline constexpr int kErfolg = 0;
inline constexpr int kAusdruckFehler = 1;  // an evaluation failed (shown and logged)
inline constexpr int kAufrufFehler = 2;    // bad command line, data folder or case

struct Befehl {
  const char* name;
  const char* argumente;  // for the usage text, e.g. "EXPR"
  int anzahl_argumente;
  // Arguments in code page 850.
  int (*ausfuehren)(const std::vector<std::string>& argumente);
};

const std::vector<Befehl>& befehle();

// Writes program text (code page 850) to standard output as UTF-8, with a line end.
void ausgeben(const std::string& cp850);

// The folder the runner was started in (relative file arguments are read from
// there; the host's current folder is the data folder).
std::filesystem::path& start_ordner();

// The commands.
int replace_befehl(const std::vector<std::string>& argumente);
int eval_befehl(const std::vector<std::string>& argumente);
int type_befehl(const std::vector<std::string>& argumente);

}  // namespace docgen::lauf
