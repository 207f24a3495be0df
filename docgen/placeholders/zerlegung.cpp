#include "docgen/placeholders/zerlegung.h"

#include "docgen/placeholders/texthilfen.h"

namespace docgen::platzhalter {
namespace {

constexpr auto npos = std::string_view::npos;

bool enthaelt(std::string_view in, std::string_view was) { return in.find(was) != npos; }

// Characters from `p` up to (not including) `bis`; up to the end of the text
// when the terminator was not found, so that every placeholder is consumed.
std::size_t laenge_bis(std::string_view text, std::size_t p, std::size_t bis) {
  return bis == npos ? text.size() - p : bis - p;
}

// The compound form: the expression text still has its parentheses and holds
// "," or "{||" or "->" or ":". Strips the parentheses and a position suffix.
std::string zusammengesetzt(std::string_view e) {
  const long len = static_cast<long>(e.size());
  const bool block = enthaelt(e, "{||");
  const auto ohne_klammern = [&] { return std::string(e.substr(1, e.size() - 2)); };
  if (block && enthaelt(e, "})")) return ohne_klammern();
  if (!enthaelt(e, ",") || (block && at("}", e) > rat(",", e))) return ohne_klammern();
  if (enthaelt(e, "')") && at(")", e) > rat(",", e)) return ohne_klammern();
  if (enthaelt(e, "))") && static_cast<long>(at("))", e)) == len - 1) return ohne_klammern();

  // A position suffix follows the expression: find where it begins.
  long anf = 0;
  const long zu = static_cast<long>(at("}", e));
  if (block && zu < static_cast<long>(rat(",", e))) {
    const auto komma = e.find(',', static_cast<std::size_t>(zu));  // first "," after the "}"
    anf = static_cast<long>(komma) + 2;
  } else if (const long k = static_cast<long>(rat(")", e.substr(0, e.size() - 1))); k > 0) {
    anf = k + 2;
  } else {
    anf = static_cast<long>(at(",", e)) + 1;
  }
  return std::string(substr1(e, 2, anf - 3));
}

}  // namespace

Zerlegung zerlege(std::string_view text, std::size_t p, const Finder& finde) {
  Zerlegung z;
  const std::size_t klammer_blank = finde(") ", p);

  if (text.compare(p, 3, "$('") == 0) {
    // Quoted text: the expression runs to the first "') ", the replaced part to
    // the first ") " (the blank after it stays).
    const std::size_t q = finde("') ", p);
    if (q != npos) z.ausdruck = std::string(text.substr(p + 1, q + 1 - p));
    z.laenge = klammer_blank == npos ? text.size() - p : klammer_blank - p + 1;
  } else {
    if (klammer_blank != npos) z.ausdruck = std::string(text.substr(p + 1, klammer_blank - p));
    const std::size_t klammer_komma = finde("),", p);
    if (klammer_komma != npos && klammer_blank != npos && klammer_komma < klammer_blank) {
      // Followed by a comma: the comma stays in the text.
      z.ausdruck = std::string(text.substr(p + 1, klammer_komma - p));
      z.laenge = laenge_bis(text, p, finde(", ", p));
    } else {
      const std::string_view e = z.ausdruck;
      if (e.size() >= 5 &&
          (enthaelt(e, ",") || enthaelt(e, "{||") || enthaelt(e, "->") || enthaelt(e, ":"))) {
        z.ausdruck = zusammengesetzt(e);
        z.block = enthaelt(z.ausdruck, "{||");
      }
      z.laenge = laenge_bis(text, p, finde(" ", p));
    }
  }

  // Column mode: the blank that ends the placeholder is followed by a tab.
  const std::size_t blank = finde(" ", p);
  z.spalte = blank != npos && blank == finde(" \t", p);
  return z;
}

}  // namespace docgen::platzhalter
