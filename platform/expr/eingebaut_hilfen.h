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
inline long ganz(double n) {
  if (!(n == n)) return 0;
  return static_cast<long>(std::clamp(std::trunc(n), -2147483647.0, 2147483647.0));
}

inline void pruefe_laenge(double n) {
  if (n > static_cast<double>(kMaxText)) throw rt::Laufzeitfehler("Text zu lang");
}

[[noreturn]] inline void argumentfehler(const char* funktion, const char* erwartet) {
  throw rt::Laufzeitfehler(std::string(funktion) + ": " + erwartet + " erwartet");
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
