#include "platform/expr/lexer.h"

namespace plat::expr {

namespace {

bool ziffer(char c) { return c >= '0' && c <= '9'; }

// Tokens after which a "[" indexes; elsewhere it opens a text literal.
bool endet_operand(const std::vector<Token>& t) {
  if (t.empty()) return false;
  const Token& l = t.back();
  switch (l.art) {
    case TokenArt::Zahl:
    case TokenArt::Text:
    case TokenArt::Name:
    case TokenArt::Logisch:
      return true;
    case TokenArt::Symbol:
      return l.text == ")" || l.text == "]" || l.text == "}";
    case TokenArt::Ende:
      return false;
  }
  return false;
}

std::string gross(std::string_view s) {
  std::string g(s);
  for (char& c : g) c = gross_ascii(c);
  return g;
}

}  // namespace

std::vector<Token> zerlege(std::string_view s) {
  std::vector<Token> t;
  const std::size_t n = s.size();
  std::size_t i = 0;
  auto spalte = [](std::size_t pos) { return static_cast<int>(pos) + 1; };
  while (i < n) {
    const char c = s[i];
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      ++i;
      continue;
    }
    const std::size_t anfang = i;
    if (ziffer(c) || (c == '.' && i + 1 < n && ziffer(s[i + 1]))) {
      while (i < n && ziffer(s[i])) ++i;
      if (i + 1 < n && s[i] == '.' && ziffer(s[i + 1])) {
        ++i;
        while (i < n && ziffer(s[i])) ++i;
      }
      t.push_back({TokenArt::Zahl, std::string(s.substr(anfang, i - anfang)), spalte(anfang)});
      continue;
    }
    if (name_anfang(c)) {
      while (i < n && name_zeichen(s[i])) ++i;
      t.push_back({TokenArt::Name, std::string(s.substr(anfang, i - anfang)), spalte(anfang)});
      continue;
    }
    if (c == '\'' || c == '"' || (c == '[' && !endet_operand(t))) {
      const char ende = c == '[' ? ']' : c;
      const std::size_t zu = s.find(ende, i + 1);
      if (zu == std::string_view::npos) throw SyntaxFehler{spalte(anfang), "Text ohne Ende"};
      t.push_back({TokenArt::Text, std::string(s.substr(i + 1, zu - i - 1)), spalte(anfang)});
      i = zu + 1;
      continue;
    }
    if (c == '.') {
      // .T. .F. .Y. .N. .AND. .OR. .NOT.
      std::size_t j = i + 1;
      while (j < n && ist_buchstabe(s[j])) ++j;
      if (j < n && s[j] == '.' && j > i + 1) {
        const std::string w = gross(s.substr(i + 1, j - i - 1));
        if (w == "T" || w == "Y" || w == "F" || w == "N") {
          t.push_back({TokenArt::Logisch, (w == "T" || w == "Y") ? "T" : "F", spalte(anfang)});
          i = j + 1;
          continue;
        }
        if (w == "AND" || w == "OR" || w == "NOT") {
          t.push_back({TokenArt::Symbol, "." + w + ".", spalte(anfang)});
          i = j + 1;
          continue;
        }
      }
      throw SyntaxFehler{spalte(anfang), "unerwarteter Punkt"};
    }
    static constexpr std::string_view zweier[] = {"->", ":=", "==", "!=", "<>", "<=", ">=", "**"};
    bool gefunden = false;
    for (std::string_view z : zweier) {
      if (s.substr(i, 2) == z) {
        t.push_back({TokenArt::Symbol, std::string(z), spalte(anfang)});
        i += 2;
        gefunden = true;
        break;
      }
    }
    if (gefunden) continue;
    static constexpr std::string_view einer = "+-*/%^=<>#$!()[]{}|,:@&";
    if (einer.find(c) != std::string_view::npos) {
      t.push_back({TokenArt::Symbol, std::string(1, c), spalte(anfang)});
      ++i;
      continue;
    }
    throw SyntaxFehler{spalte(anfang), "unerwartetes Zeichen"};
  }
  t.push_back({TokenArt::Ende, "", spalte(n)});
  return t;
}

}  // namespace plat::expr
