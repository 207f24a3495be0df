// Splits an expression text into tokens with their 1-based columns.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace plat::expr {

enum class TokenArt {
  Ende,
  Zahl,     // text: the digits as written
  Text,     // text: the literal's content without quotes
  Name,     // text: the name as written
  Logisch,  // text: "T" or "F"
  Symbol,   // text: the operator or punctuation, ".AND."-style words upper-cased
};

struct Token {
  TokenArt art = TokenArt::Ende;
  std::string text;
  int spalte = 0;
};

// A syntax error with the 1-based column where it was found.
struct SyntaxFehler {
  int spalte;
  std::string grund;
};

// Characters of names: ASCII letters, digits and "_" (not the locale's idea
// of a letter, so that code page 850 bytes never count).
inline bool ist_buchstabe(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
inline bool name_anfang(char c) { return ist_buchstabe(c) || c == '_'; }
inline bool name_zeichen(char c) { return name_anfang(c) || (c >= '0' && c <= '9'); }
inline char gross_ascii(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Tokens of `text`, ending with an Ende token; a SyntaxFehler is thrown for an
// unterminated literal or a character that belongs to no token.
std::vector<Token> zerlege(std::string_view text);

}  // namespace plat::expr
