// Entries for writing an invoice without the window (`xrechnung --write FILE`).
//
// FILE is UTF-8 text with the 19 entry fields, one per line, in entry-field order;
// blank lines are empty fields, missing lines at the end too.
//
//   StapelEingaben e = lies_stapel_eingaben(text);
//   if (!e.fehler.empty()) ...   // message (code page 850) naming every faulty field
//   CII_Erzeugung(e.felder, satz);
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace einvoice {

struct StapelEingaben {
  std::vector<std::string> felder;  // 19 texts in code page 850
  std::string fehler;
};

// Refuses a field longer than the window would take (10 characters, 50 for the
// descriptions), a character code page 850 cannot hold, control characters and
// non-empty lines after the 19th.
StapelEingaben lies_stapel_eingaben(std::string_view utf8_text);

}  // namespace einvoice
