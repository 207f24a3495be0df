#include "platform/text/codepage.h"

#include <gtest/gtest.h>

using namespace plat::text;

TEST(CodePage, RoundTripsGermanLettersThroughAllThreePages) {
  const std::string utf8 = "Grüße aus Köln, Straße, Ärger, é, ÖÜ";
  const std::string cp850 = utf8_to_cp850(utf8);
  EXPECT_EQ(cp850[2], '\x81');  // ü in code page 850
  EXPECT_EQ(cp850_to_utf8(cp850), utf8);
  const std::string cp1252 = cp850_to_cp1252(cp850);
  EXPECT_EQ(cp1252[2], '\xFC');  // ü in Windows-1252
  EXPECT_EQ(cp1252_to_cp850(cp1252), cp850);
  EXPECT_EQ(cp1252_to_utf8(cp1252), utf8);
}

TEST(CodePage, RefusesCharactersTheTargetCannotHoldAndNamesThePosition) {
  // The euro sign exists in Windows-1252 but not in code page 850.
  try {
    (void)utf8_to_cp850("ab€");
    FAIL() << "no error";
  } catch (const ConversionError& e) {
    EXPECT_EQ(e.position(), 2u);
    EXPECT_NE(std::string(e.what()).find("Stelle 3"), std::string::npos);
  }
  EXPECT_FALSE(fits_cp850("Preis 5 €"));
  EXPECT_TRUE(fits_cp850("Müller & Söhne"));
  EXPECT_THROW((void)utf8_to_cp850("\xC3"), ConversionError);  // truncated UTF-8
  EXPECT_EQ(convert_lossy("a€b", CodePage::Utf8, CodePage::Cp850), "a?b");
}

TEST(CodePage, AsciiAndEmptyPassUnchanged) {
  EXPECT_EQ(cp850_to_utf8(""), "");
  EXPECT_EQ(utf8_to_cp1252("plain text 123\r\n"), "plain text 123\r\n");
}
