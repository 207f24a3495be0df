#include "platform/gui/text_qt.h"

#include <gtest/gtest.h>

#include "platform/text/codepage.h"

namespace plat::gui {
namespace {

std::string cp850(const char* utf8) { return plat::text::utf8_to_cp850(utf8); }

TEST(TextQt, ProgramTextRoundTripsThroughQt) {
  for (const char* utf8 : {"", "RechnungsNr:", "Arbeitsaufwand Büro", "Größe ÄÖÜ äöü ß é ½ ─┼"}) {
    const std::string text = cp850(utf8);
    const QString q = nach_qt(text);
    EXPECT_EQ(q, QString::fromUtf8(utf8));
    EXPECT_EQ(von_qt(q), text) << utf8;
  }
}

TEST(TextQt, CharactersOutsideCp850AreRefusedNotChanged) {
  struct Fall {
    const char* utf8;
    const char* fremd;
  };
  for (const Fall& f : {Fall{"10 €", "€"}, Fall{"a – b – c „x“", "–„“"},
                        Fall{"Emoji 😀 und €", "😀€"}, Fall{"ganz normal: Müller", ""}}) {
    const QString q = QString::fromUtf8(f.utf8);
    EXPECT_EQ(fremde_zeichen(q), QString::fromUtf8(f.fremd)) << f.utf8;
    EXPECT_EQ(von_qt(q).has_value(), *f.fremd == 0) << f.utf8;
  }
}

TEST(TextQt, Windows1252LacksBoxDrawingButHasEuro) {
  EXPECT_EQ(fremde_zeichen_1252(QString::fromUtf8("─ € ä")), QString::fromUtf8("─"));
}

TEST(TextQt, MultiLineTextKeepsWindowsLineEnds) {
  const std::string text = cp850("Zeile 1\r\nZeile ä\r\n");
  const QString q = mehrzeilig_nach_qt(text);
  EXPECT_EQ(q, QString::fromUtf8("Zeile 1\nZeile ä\n"));
  EXPECT_EQ(mehrzeilig_von_qt(q), text);
  EXPECT_EQ(mehrzeilig_von_qt(QStringLiteral("a\r\nb")), std::string("a\r\nb"));
}

}  // namespace
}  // namespace plat::gui
