#include "platform/runtime/variablen.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

namespace plat::rt {

namespace {

struct TextHash {
  using is_transparent = void;
  size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

// For each upper-cased name the storages of its visible generations, the
// innermost last.
using Sichtbar = std::unordered_map<std::string, std::vector<Value*>, TextHash, std::equal_to<>>;

Sichtbar& sichtbar() {
  static Sichtbar s;
  return s;
}

// Open frames, innermost last. The bottom frame holds variables created by an
// assignment while no frame was open; it lives as long as the program.
std::vector<Rahmen*>& rahmen_stapel() {
  static std::vector<Rahmen*> s;
  return s;
}

Rahmen& grundrahmen() {
  static Rahmen* r = new Rahmen();  // never destroyed: outlives every other frame
  return *r;
}

}  // namespace

std::string gross(std::string_view name) {
  std::string g(name);
  for (char& c : g)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return g;
}

Rahmen::Rahmen() {
  sichtbar();  // constructed first, so it outlives frames with static storage
  rahmen_stapel().push_back(this);
}

Rahmen::~Rahmen() {
  auto& s = sichtbar();
  // Remove this frame's generations, newest first (they are normally the
  // innermost of their names).
  for (auto it = eigene_.rbegin(); it != eigene_.rend(); ++it) {
    auto f = s.find(it->first);
    if (f == s.end()) continue;
    auto& gen = f->second;
    auto pos = std::find(gen.rbegin(), gen.rend(), &it->second);
    if (pos != gen.rend()) gen.erase(std::next(pos).base());
    if (gen.empty()) s.erase(f);
  }
  auto& st = rahmen_stapel();
  auto pos = std::find(st.rbegin(), st.rend(), this);
  if (pos != st.rend()) st.erase(std::next(pos).base());
}

Value& Rahmen::erzeuge(std::string_view name, Value wert) {
  std::string g = gross(name);
  for (auto& [n, v] : eigene_) {
    if (n == g) {
      v = std::move(wert);
      return v;
    }
  }
  auto& e = eigene_.emplace_back(g, std::move(wert));
  sichtbar()[std::move(g)].push_back(&e.second);
  return e.second;
}

Value* finde_variable_gross(std::string_view name_gross) {
  auto& s = sichtbar();
  auto f = s.find(name_gross);
  if (f == s.end() || f->second.empty()) return nullptr;
  return f->second.back();
}

Value* finde_variable(std::string_view name) { return finde_variable_gross(gross(name)); }

bool variable_sichtbar(std::string_view name) { return finde_variable(name) != nullptr; }

void setze_variable(std::string_view name, Value wert) {
  if (Value* v = finde_variable(name)) {
    *v = std::move(wert);
    return;
  }
  if (rahmen_stapel().empty()) grundrahmen();  // created only here, so it stays the bottom frame
  rahmen_stapel().back()->erzeuge(name, std::move(wert));
}

}  // namespace plat::rt
