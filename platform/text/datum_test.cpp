#include "platform/text/datum.h"

#include <gtest/gtest.h>

using plat::text::Datum;

TEST(Datum, ReadsAndWritesBothTextForms) {
  auto d = Datum::aus_dtos("20261211");
  ASSERT_TRUE(d);
  EXPECT_EQ(d->dtoc(), "11.12.2026");
  EXPECT_EQ(d->dtoc(false), "11.12.26");
  EXPECT_EQ(d->dtos(), "20261211");
  EXPECT_EQ(d->wochentag(), 6);  // a Friday
  EXPECT_EQ(Datum::aus_dtoc("11.12.2026"), d);
  EXPECT_EQ(Datum::aus_dtoc("11.12.26"), d);
}

TEST(Datum, RefusesDaysThatDoNotExist) {
  for (const char* s : {"20260231", "20250229", "20261301", "2026121", "2026121x", "00000101", ""}) {
    EXPECT_FALSE(Datum::aus_dtos(s)) << s;
  }
  EXPECT_TRUE(Datum::aus_dtos("20240229"));
  EXPECT_TRUE(Datum::aus_dtos("20000229"));
  EXPECT_FALSE(Datum::aus_dtos("19000229"));
}

TEST(Datum, BlankDateStaysBlank) {
  auto b = Datum::aus_dtos("        ");
  ASSERT_TRUE(b);
  EXPECT_TRUE(b->leer());
  EXPECT_EQ(b->dtoc(), "  .  .    ");
  EXPECT_TRUE(b->plus_tage(10).leer());
  EXPECT_EQ(Datum::aus_dtoc(""), Datum());
}

TEST(Datum, DayArithmeticAcrossMonthAndYearEnds) {
  struct Fall {
    const char* von;
    long tage;
    const char* nach;
  } faelle[] = {{"20261225", 10, "20270104"}, {"20240220", 10, "20240301"},
                {"20250220", 10, "20250302"}, {"20261231", 1, "20270101"},
                {"20270101", -1, "20261231"}, {"00010101", 0, "00010101"}};
  for (const auto& f : faelle) {
    auto d = Datum::aus_dtos(f.von);
    ASSERT_TRUE(d) << f.von;
    EXPECT_EQ(d->plus_tage(f.tage).dtos(), f.nach) << f.von;
  }
  EXPECT_EQ(Datum::aus_dtos("00010101")->wochentag(), 2);  // a Monday
}
