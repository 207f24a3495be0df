#include "platform/runtime/value.h"

#include <gtest/gtest.h>

using plat::rt::Value;

TEST(Value, DefaultNumberText) {
  struct Fall {
    Value v;
    const char* text;
  } faelle[] = {
      {Value(42), "        42"},                 // whole number: width 10, no decimals
      {Value(2.5), "      2.50"},                // plain fraction: two decimals
      {Value::berechnet(1.5, 1), "       1.5"},  // decimals of a literal or computation
      {Value::berechnet(3, 2), "      3.00"},
      {Value(14.3, 5, 2), "14.30"},  // a field's own width and decimals
      {Value(9.5, 5, 2), " 9.50"},
      {Value(7, 3, 0), "  7"},
      {Value::berechnet(12345678901.25, 2), "12345678901.25"},  // widened, never asterisks
      {Value::berechnet(-0.004, 2), "      0.00"},
  };
  for (const auto& f : faelle) EXPECT_EQ(plat::rt::zahl_text(f.v), f.text) << f.v.zahl();
}

TEST(Value, EmptinessAndTextForm) {
  const auto datum = *plat::text::Datum::aus_ymd(2024, 3, 9);
  EXPECT_TRUE(Value().leer());
  EXPECT_TRUE(Value("   ").leer());
  EXPECT_FALSE(Value(" x ").leer());
  EXPECT_TRUE(Value(0).leer());
  EXPECT_TRUE(Value(plat::text::Datum()).leer());
  EXPECT_FALSE(Value(datum).leer());
  EXPECT_TRUE(Value(false).leer());

  EXPECT_EQ(plat::rt::als_text(Value(datum)), "09.03.2024");
  EXPECT_EQ(plat::rt::als_text(Value(9.5, 5, 2)), "9.50");
  EXPECT_EQ(plat::rt::als_text(Value(true)), ".T.");
  EXPECT_EQ(plat::rt::als_text(Value()), "NIL");
  EXPECT_EQ(plat::rt::als_text(Value("  a ")), "  a ");
}
