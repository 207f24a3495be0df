#include "docgen/placeholders/texthilfen.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

#include "platform/text/zahl.h"

namespace docgen {

std::string_view ltrim(std::string_view s) {
  const auto a = s.find_first_not_of(' ');
  return a == std::string_view::npos ? std::string_view() : s.substr(a);
}

std::string_view rtrim(std::string_view s) {
  const auto e = s.find_last_not_of(' ');
  return e == std::string_view::npos ? std::string_view() : s.substr(0, e + 1);
}

std::string_view alltrim(std::string_view s) { return ltrim(rtrim(s)); }

namespace {

unsigned char gross_zeichen(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 'a' + 'A');
  switch (c) {
    case 0x81:
      return 0x9A;  // ü
    case 0x82:
      return 0x90;  // é
    case 0x83:
      return 0xB6;  // â
    case 0x84:
      return 0x8E;  // ä
    case 0x85:
      return 0xB7;  // à
    case 0x86:
      return 0x8F;  // å
    case 0x87:
      return 0x80;  // ç
    case 0x88:
      return 0xD2;  // ê
    case 0x89:
      return 0xD3;  // ë
    case 0x8A:
      return 0xD4;  // è
    case 0x8B:
      return 0xD8;  // ï
    case 0x8C:
      return 0xD7;  // î
    case 0x8D:
      return 0xDE;  // ì
    case 0x91:
      return 0x92;  // æ
    case 0x93:
      return 0xE2;  // ô
    case 0x94:
      return 0x99;  // ö
    case 0x95:
      return 0xE3;  // ò
    case 0x96:
      return 0xEA;  // û
    case 0x97:
      return 0xEB;  // ù
    case 0x9B:
      return 0x9D;  // ø
    case 0xA0:
      return 0xB5;  // á
    case 0xA1:
      return 0xD6;  // í
    case 0xA2:
      return 0xE0;  // ó
    case 0xA3:
      return 0xE9;  // ú
    case 0xA4:
      return 0xA5;  // ñ
    case 0xC6:
      return 0xC7;  // ã
    case 0xE4:
      return 0xE5;  // õ
    case 0xEC:
      return 0xED;  // ý
    default:
      return c;
  }
}

}  // namespace

std::string gross850(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = static_cast<char>(gross_zeichen(static_cast<unsigned char>(c)));
  return r;
}

std::size_t at(std::string_view was, std::string_view in) {
  const auto k = in.find(was);
  return k == std::string_view::npos ? 0 : k + 1;
}

std::size_t rat(std::string_view was, std::string_view in) {
  const auto k = in.rfind(was);
  return k == std::string_view::npos ? 0 : k + 1;
}

std::string_view substr1(std::string_view s, long von, long laenge) {
  if (von < 1 || laenge < 1 || static_cast<std::size_t>(von) > s.size()) return {};
  return s.substr(static_cast<std::size_t>(von - 1), static_cast<std::size_t>(laenge));
}

std::string padr(std::string_view s, std::size_t n, char fuell) {
  std::string r(s.substr(0, n));
  r.append(n - r.size(), fuell);
  return r;
}

double val(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  std::string zahl;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) zahl += s[i++];
  bool ziffern = false;
  while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
    zahl += s[i++];
    ziffern = true;
  }
  if (i < s.size() && s[i] == '.') {
    zahl += s[i++];
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
      zahl += s[i++];
      ziffern = true;
    }
  }
  if (!ziffern) return 0;
  return std::strtod(zahl.c_str(), nullptr);
}

double als_zahl(const plat::rt::Value& v) {
  if (v.ist_zahl()) return v.zahl();
  if (v.ist_text()) return val(v.text());
  return 0;
}

}  // namespace docgen

#include "platform/tables/arbeitsbereiche.h"

namespace docgen {

plat::tables::Tabelle* tabelle_von(std::string_view name) {
  const int b = plat::tables::bereich_von(name);
  return b > 0 ? plat::tables::tabelle(b) : nullptr;
}

plat::tables::Tabelle* tabelle_von(const plat::rt::Value& v) {
  if (v.ist_zahl()) {
    const double n = v.zahl();
    return n >= 1 && n <= 250 ? plat::tables::tabelle(static_cast<int>(n)) : nullptr;
  }
  return v.ist_text() ? tabelle_von(std::string_view(v.text())) : nullptr;
}

std::optional<plat::rt::Value> feldwert(int bereich, std::string_view feld) {
  const plat::tables::Tabelle* t = plat::tables::tabelle(bereich);
  if (!t) return std::nullopt;
  const int pos = t->feld_pos(feld);
  if (pos == 0) return std::nullopt;
  return t->lese(pos);
}

std::string fall_text(std::string_view feld) {
  const auto v = feldwert(1, feld);
  if (!v) return {};
  return std::string(alltrim(v->ist_text() ? v->text() : als_text(*v)));
}

}  // namespace docgen
