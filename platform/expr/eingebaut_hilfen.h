// Small helpers for the built-in functions.
#pragma once

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/runtime/funktionen.h"
#include "platform/runtime/laufzeitfehler.h"

namespace plat::expr::intern {

// Longest text a built-in builds (a runaway REPLICATE must not eat memory).
inline constexpr std::size_t kMaxText = std::size_t{16} * 1024 * 1024;

// The i-th argument (0-based); Nil when it was left out.
inline const rt::Value& arg(const rt::Argumente& a, std::size_t i) {
  static const rt::Value nil;
  return i < a.size() ? a[i].wert : nil;
}

// A count or position from a number, clamped into int range (NaN gives 0).
inline long ganz(double n) { return rt::bindung::ganz(n); }

inline void pruefe_laenge(double n) {
  if (n > static_cast<double>(kMaxText)) throw rt::Laufzeitfehler("Text zu lang");
}

[[noreturn]] inline void argumentfehler(const char* funktion, const char* erwartet) {
  throw rt::Laufzeitfehler(std::string(funktion) + ": " + erwartet + " erwartet");
}

// Upper and lower case, with the German letters of code page 850.
inline char gross_850(char c) {
  switch (static_cast<unsigned char>(c)) {
    case 0x84:
      return static_cast<char>(0x8E);  // ä
    case 0x94:
      return static_cast<char>(0x99);  // ö
    case 0x81:
      return static_cast<char>(0x9A);  // ü
    case 0x82:
      return static_cast<char>(0x90);  // é
    default:
      return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  }
}
inline char klein_850(char c) {
  switch (static_cast<unsigned char>(c)) {
    case 0x8E:
      return static_cast<char>(0x84);
    case 0x99:
      return static_cast<char>(0x94);
    case 0x9A:
      return static_cast<char>(0x81);
    case 0x90:
      return static_cast<char>(0x82);
    default:
      return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
}

// Registers a built-in unless the name is taken already.
inline void nur_neu(std::string_view name, rt::Funktion f) {
  if (!rt::finde_funktion(name)) rt::registriere_funktion(name, std::move(f));
}
template <class R, class... P>
void nur_neu(std::string_view name, R (*f)(P...)) {
  if (!rt::finde_funktion(name)) rt::registriere(name, f);
}

}  // namespace plat::expr::intern
