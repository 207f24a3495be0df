// For tests: the one QApplication of a test program, created on first use
// (tests run with QT_QPA_PLATFORM=offscreen), and a way to act once the
// next event loop is running.
#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace plat::gui::test {

inline QApplication& anwendung() {
  static int argc = 1;
  static char name[] = "test";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
  }();
  return *app;
}

// Makes `fenster` the active window, so that key presses go to its focus.
inline void aktiviere(QWidget* fenster) {
  fenster->activateWindow();
  QApplication::setActiveWindow(fenster);
}

// Types `text` into `ziel` as key presses, one character each; unlike
// QTest::keyClicks it also takes characters beyond ASCII.
inline void tippe_text(QWidget* ziel, const QString& text) {
  for (const QChar c : text) {
    const Qt::Key taste = (c.unicode() < 0x80 && c.isLetterOrNumber())
                              ? static_cast<Qt::Key>(c.toUpper().unicode())
                              : (c == QLatin1Char(' ') ? Qt::Key_Space : Qt::Key_unknown);
    const Qt::KeyboardModifiers mod = c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
    QTest::sendKeyEvent(QTest::Press, ziel, taste, QString(c), mod);
    QTest::sendKeyEvent(QTest::Release, ziel, taste, QString(c), mod);
  }
}

// Runs `schritt` as soon as an event loop (the window's own) takes events.
inline void danach(std::function<void()> schritt) {
  QTimer::singleShot(0, &anwendung(), std::move(schritt));
}

}  // namespace plat::gui::test
