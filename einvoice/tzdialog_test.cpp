#include "einvoice/tzdialog.h"

#include <gtest/gtest.h>

#include <QFontInfo>

#include "platform/gui/qt_testumgebung.h"

namespace einvoice {
namespace {

TEST(TzDialog, HouseDefaultsComeAfterTheCallersPresentationParameters) {
  plat::gui::test::anwendung();
  TzDialog d(nullptr, nullptr, {10, 10}, {300, 200},
             {{plat::gui::PP_HINTERGRUND, 7L}, {plat::gui::PP_SCHRIFT, std::string("8.Helv")}},
             false);
  ASSERT_EQ(d.praesentation().size(), 3u);
  EXPECT_EQ(d.praesentation()[0].schluessel, plat::gui::PP_HINTERGRUND);
  EXPECT_EQ(std::get<std::string>(d.praesentation()[1].wert), "8.Helv");
  EXPECT_EQ(std::get<std::string>(d.praesentation()[2].wert), "Courier New 12pt");
  EXPECT_EQ(d.cFont, "Courier New 12pt");
  EXPECT_EQ(QFontInfo(d.font()).family(), QStringLiteral("Liberation Mono"));
  EXPECT_EQ(d.font().pointSize(), 12);
  EXPECT_TRUE(d.taskleiste());
  EXPECT_FALSE(d.windowIcon().isNull());
  EXPECT_EQ(d.windowIcon().availableSizes().value(0), QSize(64, 64));
  EXPECT_EQ(d.rtfMLE, nullptr);
}

}  // namespace
}  // namespace einvoice
