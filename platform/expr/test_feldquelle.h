// A small in-memory field source for tests and benchmarks: work areas with
// an alias and one record each.
#pragma once

#include <map>
#include <string>

#include "platform/runtime/felder.h"
#include "platform/runtime/variablen.h"

namespace plat::expr::test {

class TestFeldQuelle : public rt::FeldQuelle {
 public:
  struct Feld {
    char typ;
    rt::Value wert;
  };
  struct Bereich {
    std::string alias;
    std::map<std::string, Feld> felder;  // upper-cased names
  };

  int gewaehlt = 1;
  std::map<int, Bereich> bereiche;
  int lesezugriffe = 0;

  void feld(int bereich, const std::string& name, char typ, rt::Value wert) {
    bereiche[bereich].felder[rt::gross(name)] = {typ, std::move(wert)};
  }

  int bereich(std::string_view a) override {
    if (a.empty()) return bereiche.count(gewaehlt) ? gewaehlt : 0;
    if (a.find_first_not_of("0123456789") == std::string_view::npos) {
      const int n = std::stoi(std::string(a));
      return bereiche.count(n) ? n : 0;
    }
    for (const auto& [n, b] : bereiche)
      if (rt::gross(b.alias) == rt::gross(a)) return n;
    return 0;
  }
  std::optional<rt::Value> lese(int b, std::string_view feld) override {
    ++lesezugriffe;
    auto& f = bereiche[b].felder;
    auto it = f.find(rt::gross(feld));
    if (it == f.end()) return std::nullopt;
    return it->second.wert;
  }
  char typ(int b, std::string_view feld) override {
    auto& f = bereiche[b].felder;
    auto it = f.find(rt::gross(feld));
    return it == f.end() ? 0 : it->second.typ;
  }
};

}  // namespace plat::expr::test
