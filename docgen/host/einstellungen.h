// The plain settings file of a data folder ("einstellungen.ini"): which table
// stands in which work area (alias, index key, what to seek once the case is
// positioned) and the host variables the generator finds.
//
//   [bereich 3]
//   datei = POSTEN.DBF
//   alias = POSTEN
//   index = STR(auftrnr, 6)
//   suche = STR(1->auftrnr, 6)
//
//   [variablen]
//   cBU5 = Bestattungshaus Sonnenschein      text as it stands
//   nV = 1.5                                 nName number, lName T/F, dName dd.mm.yyyy
//   oBest:TW2 := 1->messetag                 ":=" takes the value of an expression
//
// The file is UTF-8; texts are kept in code page 850. Lines starting with "#"
// are comments.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace docgen {

// An error of the host data (settings, tables, positioning). The message is
// UTF-8 and names the file and line where there is one.
class HostFehler : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct BereichEinstellung {
  int nr = 0;
  std::string datei, alias, index, suche;  // index and suche: expressions (code page 850)
  int zeile = 0;
};

struct VariablenEinstellung {
  std::string name;   // variable name
  std::string glied;  // member name for "objekt:glied", else empty
  std::string wert;   // text or expression (code page 850)
  bool ausdruck = false;
  int zeile = 0;
};

struct Einstellungen {
  std::string quelle;
  std::vector<BereichEinstellung> bereiche;
  std::vector<VariablenEinstellung> variablen;
};

inline constexpr const char* kEinstellungsdatei = "einstellungen.ini";

Einstellungen einstellungen_aus_text(const std::string& utf8, const std::string& quelle);
// Reads the file; throws HostFehler when it is missing or malformed.
Einstellungen lies_einstellungen(const std::filesystem::path& datei);

}  // namespace docgen
