#include "platform/gui/dialog.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QLabel>

#include "platform/gui/qt_testumgebung.h"

namespace plat::gui {
namespace {

TEST(Koordinaten, LowerLeftOriginBecomesTopLeft) {
  struct Fall {
    Punkt pos;
    Groesse groesse;
    int eltern_hoehe;
    QRect qt;
  };
  for (const Fall& f : {Fall{{10, 575}, {90, 20}, 666, {10, 71, 90, 20}},
                        Fall{{200, 150}, {692, 516}, 666, {200, 0, 692, 516}},
                        Fall{{0, 0}, {100, 20}, 100, {0, 80, 100, 20}},
                        Fall{{5, -10}, {10, 10}, 50, {5, 50, 10, 10}}}) {
    EXPECT_EQ(nach_qt(f.pos, f.groesse, f.eltern_hoehe), f.qt);
  }
}

TEST(Dialog, PlacesItselfOnTheDesktopAndItsElementsInTheDrawingArea) {
  test::anwendung();
  Dialog d(nullptr, nullptr, {10, 150}, {900, 700}, {}, false);
  EXPECT_EQ(d.flaeche_groesse().breite, 900 - 2 * RAND);
  EXPECT_EQ(d.flaeche_groesse().hoehe, 700 - 2 * RAND - TITELLEISTE);
  EXPECT_EQ(d.pos(), QPoint(10, desktop_groesse().hoehe - 150 - 700));

  auto* label = new QLabel(d.zeichenflaeche());
  platziere(label, {10, 575}, {90, 20});
  EXPECT_EQ(label->geometry(), QRect(10, d.flaeche_groesse().hoehe - 575 - 20, 90, 20));
  EXPECT_FALSE(d.isVisible());
}

TEST(Dialog, PresentationParametersApplyInOrderAndTheWindowFontStaysTheWindows) {
  test::anwendung();
  Dialog d(nullptr, nullptr, {0, 0}, {300, 200},
           {{PP_SCHRIFT, std::string("8.Helv")},
            {PP_HINTERGRUND, 7L},
            {PP_SCHRIFT, std::string("Courier New 12pt")}},
           false);
  EXPECT_EQ(QFontInfo(d.font()).family(), QStringLiteral("Liberation Mono"));
  EXPECT_EQ(d.font().pointSize(), 12);
  EXPECT_EQ(QFontInfo(d.zeichenflaeche()->font()).family(), QStringLiteral("Liberation Sans"));
  EXPECT_EQ(d.zeichenflaeche()->font().pointSize(), 8);
  EXPECT_EQ(d.zeichenflaeche()->palette().color(QPalette::Window), QColor(0xD4, 0xD0, 0xC8));
}

TEST(Dialog, ChildDialogIsPlacedRelativeToItsParentsLowerLeftCorner) {
  test::anwendung();
  Dialog eltern(nullptr, nullptr, {0, 0}, {800, 600}, {}, false);
  Dialog kind(eltern.zeichenflaeche(), &eltern, {100, 50}, {200, 100}, {}, false);
  const QPoint erwartet =
      eltern.zeichenflaeche()->mapToGlobal(QPoint(100, eltern.flaeche_groesse().hoehe - 50 - 100));
  EXPECT_EQ(kind.pos(), erwartet);
  EXPECT_EQ(kind.parentWidget(), &eltern);
}

}  // namespace
}  // namespace plat::gui
