#include "platform/text/zahl.h"

#include <gtest/gtest.h>

using plat::text::str;

TEST(Zahl, RightAlignsRoundsAndOverflows) {
  struct Fall {
    double n;
    int breite, dez;
    const char* text;
  } faelle[] = {
      {14.3, 5, 2, "14.30"},     {9.5, 5, 2, " 9.50"},       {2.675, 8, 2, "    2.68"},
      {-2.675, 8, 2, "   -2.68"}, {0.005, 6, 2, "  0.01"},     {-0.001, 6, 2, "  0.00"},
      {123456.78, 8, 2, "********"}, {123456.78, 9, 2, "123456.78"}, {42, 6, 0, "    42"},
      {1.5, 3, 0, "  2"},        {65, 10, 2, "     65.00"},
  };
  for (const auto& f : faelle) {
    EXPECT_EQ(str(f.n, f.breite, f.dez), f.text) << f.n << " " << f.breite << " " << f.dez;
  }
}
