#include "platform/runtime/funktionen.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <unordered_map>

#include "platform/runtime/variablen.h"

namespace plat::rt {

namespace {

struct TextHash {
  using is_transparent = void;
  size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

// Entries are never removed, so pointers into the map stay valid.
using Register = std::unordered_map<std::string, Funktion, TextHash, std::equal_to<>>;

Register& reg() {
  static Register r;
  return r;
}

std::uint64_t g_generation = 1;

}  // namespace

void registriere_funktion(std::string_view name, Funktion f) {
  reg()[gross(name)] = std::move(f);
  ++g_generation;
}

const Funktion* finde_funktion_gross(std::string_view name_gross) {
  auto& r = reg();
  auto it = r.find(name_gross);
  return it == r.end() ? nullptr : &it->second;
}

const Funktion* finde_funktion(std::string_view name) { return finde_funktion_gross(gross(name)); }

std::uint64_t funktionen_generation() { return g_generation; }

namespace bindung {

void falscher_typ(int pos, const char* erwartet) {
  throw Laufzeitfehler("Argument " + std::to_string(pos) + ": " + erwartet + " erwartet");
}

long ganz(double n) {
  if (std::isnan(n)) return 0;
  return static_cast<long>(std::clamp(std::trunc(n), -2147483647.0, 2147483647.0));
}

}  // namespace bindung

}  // namespace plat::rt
