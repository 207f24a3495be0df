#include "platform/runtime/funktionen.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/runtime/variablen.h"

using namespace plat::rt;

namespace {

std::string verbinde(const std::string& a, double n, bool l, plat::text::Datum d) {
  return a + "|" + std::to_string(static_cast<int>(n)) + "|" + (l ? "T" : "F") + "|" + d.dtos();
}

void verdopple(std::string& s, double& n) {
  s += s;
  n *= 2;
}

std::string gegeben(std::optional<double> n) { return n ? "ja" : "nein"; }

int ganzzahl(int n) { return n; }

Value rufe(const char* name, Argumente a) { return (*finde_funktion(name))(a); }

}  // namespace

TEST(Funktionen, TypedBindingConvertsAndFillsLeftOutArguments) {
  registriere("Verbinde", &verbinde);
  registriere("Gegeben", &gegeben);
  const auto d = *plat::text::Datum::aus_ymd(2024, 1, 2);
  EXPECT_EQ(rufe("VERBINDE", {{"x"}, {3}, {true}, {d}}).text(), "x|3|T|20240102");
  // left out (missing or Nil) arguments take "", 0, false, the blank date
  EXPECT_EQ(rufe("verbinde", {{Value()}, {7}}).text(), "|7|F|        ");
  EXPECT_EQ(rufe("gegeben", {}).text(), "nein");
  EXPECT_EQ(rufe("gegeben", {{0}}).text(), "ja");
  EXPECT_THROW(rufe("verbinde", {{5}}), Laufzeitfehler);
  // int parameters: truncated, and clamped instead of overflowing
  registriere("Ganzzahl", &ganzzahl);
  EXPECT_EQ(rufe("ganzzahl", {{-7.9}}).zahl(), -7);
  EXPECT_EQ(rufe("ganzzahl", {{1e300}}).zahl(), 2147483647);
  EXPECT_EQ(finde_funktion("GibtEsNicht"), nullptr);
}

TEST(Funktionen, ReferenceParametersWriteBackToTheVariable) {
  registriere("Verdopple", &verdopple);
  Rahmen r;
  Value& s = r.erzeuge("cText", "ab");
  Value& n = r.erzeuge("nZahl", 4);
  Argumente a{{s, &s}, {n, &n}};
  rufe("verdopple", a);
  EXPECT_EQ(s.text(), "abab");
  EXPECT_EQ(n.zahl(), 8);
  // by value: nothing to write back to, no crash
  EXPECT_NO_THROW(rufe("verdopple", {{"x"}, {1}}));
}
