#include "platform/gui/schrift.h"

#include <gtest/gtest.h>

#include <QFontInfo>

#include "platform/gui/qt_testumgebung.h"

namespace plat::gui {
namespace {

TEST(Schrift, CompoundNamesInBothForms) {
  struct Fall {
    const char* name;
    const char* familie;
    int punkt;
  };
  for (const Fall& f : {Fall{"12.Courier", "Courier", 12},
                        Fall{"Courier New 12pt", "Courier New", 12}, Fall{" 8.Helv ", "Helv", 8},
                        Fall{"10.Courier New", "Courier New", 10}, Fall{"Arial 9PT", "Arial", 9}}) {
    const auto z = zerlege_schriftname(f.name);
    ASSERT_TRUE(z.has_value()) << f.name;
    EXPECT_EQ(z->familie, f.familie) << f.name;
    EXPECT_EQ(z->punkt, f.punkt) << f.name;
  }
  for (const char* kaputt : {"", "Courier", "12.", ".Courier", "Courier pt", "Courier 12"}) {
    EXPECT_FALSE(zerlege_schriftname(kaputt).has_value()) << kaputt;
  }
}

TEST(Schrift, CourierResolvesToInstalledLiberationMono) {
  test::anwendung();
  for (const char* name : {"12.Courier", "Courier New 12pt"}) {
    const QFont f = schrift(name);
    const QFontInfo info(f);
    EXPECT_EQ(info.family(), QStringLiteral("Liberation Mono")) << name;
    EXPECT_EQ(f.pointSize(), 12) << name;
    EXPECT_TRUE(info.fixedPitch()) << name;
  }
}

}  // namespace
}  // namespace plat::gui
