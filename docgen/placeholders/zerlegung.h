// The analysis of one placeholder: where its expression text lies, how many
// characters of the template it replaces, and whether it stands in a column.
// Shared by the replacement loop and by tests that check the loop against a
// plain pass-by-pass replacement.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace docgen::platzhalter {

// Finds `muster` at or after `ab` in the text under analysis; npos when absent.
using Finder = std::function<std::size_t(std::string_view muster, std::size_t ab)>;

struct Zerlegung {
  std::string ausdruck;  // the expression text to check and evaluate
  std::size_t laenge{};  // characters replaced, counted from the "$" (at least 1)
  bool spalte = false;   // column mode: the value keeps the placeholder's width
  bool block = false;    // the expression holds a code block to run first
};

// Analyses the placeholder whose "$" stands at index `p` of `text`. The finder
// answers searches in `text` (it may answer from a cache); the function itself
// only reads `text` around `p`.
Zerlegung zerlege(std::string_view text, std::size_t p, const Finder& finde);

// The value text of an analysed placeholder (type check, IIF, evaluation and
// formatting), with the expression text held in the run variable `cVariable`
// which must be visible. Shows the error message and returns "X X X X X" for
// an expression that fails the type check.
std::string wert_text(const Zerlegung& z);

// The text that stands for a faulty placeholder.
inline constexpr std::string_view kFehlerText = "X X X X X";

// Values that hold placeholders are read again, but not without end: a value
// that leads back to itself (a variable holding its own placeholder) would
// never finish. A value produced at this depth of re-reading, or one that
// would take the text written again beyond the budget, counts as faulty (one
// message per call).
inline constexpr int kMaxTiefe = 16;
inline std::size_t budget_fuer(std::size_t laenge) { return (std::size_t{1} << 20) + 16 * laenge; }

}  // namespace docgen::platzhalter
