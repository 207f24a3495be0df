// A table from a readable text, for demo data and test fixtures.
//
//   # comment
//   datei = AUFTRAG.DBF
//   feld = auftrnr N 6
//   feld = betrag N 9 2
//   feld = name C 30
//   feld = messedat D
//   feld = notiz M
//
//   [satz]
//   auftrnr = 1001
//   name = Schäfer
//   messedat = 15.12.2026
//   notiz = <<
//   first line
//   second line
//   >>
//
//   [satz gelöscht]
//   ...
//
// The text is UTF-8 and is stored in code page 850. Values stand as written
// after "="; double quotes around a value keep blanks at its ends. Dates are
// "dd.mm.yyyy", logicals T or F (also J/N, .T./.F.). A value "<<" takes the
// following lines up to ">>" (memo text; lines joined with CR LF). Fields not
// named in a record stay blank.
#pragma once

#include <string>

namespace plat::tables {

// Builds the table described by `text` in the folder `ziel_ordner` (replacing
// a table of that name) and returns its path. `quelle` names the text in
// errors. Throws TabellenFehler with the source line for bad input.
std::string baue_tabelle_aus_text(const std::string& text, const std::string& ziel_ordner,
                                  const std::string& quelle = "Tabellentext");

// The same for a file.
std::string baue_tabelle_aus_datei(const std::string& datei, const std::string& ziel_ordner);

}  // namespace plat::tables
