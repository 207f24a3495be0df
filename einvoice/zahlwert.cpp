#include "einvoice/zahlwert.h"

#include <cctype>
#include <cstdlib>
#include <string>

namespace einvoice {
namespace {

bool ziffer(char c) { return c >= '0' && c <= '9'; }
bool blank(char c) { return c == ' ' || c == '\t'; }

std::string_view getrimmt(std::string_view t) {
  while (!t.empty() && blank(t.front())) t.remove_prefix(1);
  while (!t.empty() && blank(t.back())) t.remove_suffix(1);
  return t;
}

}  // namespace

double zahlwert(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  std::string zahl;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) zahl += text[i++];
  bool punkt = false;
  bool ziffern = false;
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (ziffer(c)) {
      ziffern = true;
    } else if (c == '.' && !punkt) {
      punkt = true;
    } else {
      break;
    }
    zahl += c;
  }
  if (!ziffern) return 0.0;
  return std::strtod(zahl.c_str(), nullptr);
}

bool ist_dezimalzahl(std::string_view text) {
  text = getrimmt(text);
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  bool punkt = false;
  bool ziffern = false;
  for (char c : text) {
    if (ziffer(c)) {
      ziffern = true;
    } else if (c == '.' && !punkt) {
      punkt = true;
    } else {
      return false;
    }
  }
  return ziffern;
}

int nachkommastellen(std::string_view text) {
  text = getrimmt(text);
  auto p = text.find('.');
  return p == std::string_view::npos ? 0 : static_cast<int>(text.size() - p - 1);
}

std::string_view ohne_endblanks(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

bool ist_leer(std::string_view text) { return getrimmt(text).empty(); }

}  // namespace einvoice
