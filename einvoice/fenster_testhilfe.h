// For the window tests: a drive C in a temporary folder, a scripted user, and
// key presses sent to whatever has the focus, as a keyboard would.
#pragma once

#include <QApplication>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "platform/files/pfad.h"
#include "platform/gui/qt_testumgebung.h"
#include "platform/text/codepage.h"
#include "platform/ui/benutzer.h"

namespace einvoice::test {

inline std::string cp850(const char* utf8) { return plat::text::utf8_to_cp850(utf8); }

// Drive C in a fresh temporary folder with the base folder C:\Vuvuvira\xR.
class Laufwerk {
 public:
  Laufwerk() {
    std::random_device zufall;
    wurzel_ = std::filesystem::temp_directory_path() / ("bt_fenster_" + std::to_string(zufall()));
    std::filesystem::create_directories(wurzel_ / "Vuvuvira" / "xR");
    plat::files::setze_laufwerk('C', wurzel_);
  }
  ~Laufwerk() {
    plat::files::vergiss_laufwerke();
    std::error_code ec;
    std::filesystem::remove_all(wurzel_, ec);
  }
  Laufwerk(const Laufwerk&) = delete;
  Laufwerk& operator=(const Laufwerk&) = delete;

  std::filesystem::path pfad(const std::string& windows) const {
    return plat::files::host_pfad(windows);
  }
  void schreibe(const std::string& windows, const std::string& bytes) const {
    std::filesystem::create_directories(pfad(windows).parent_path());
    std::ofstream(pfad(windows), std::ios::binary) << bytes;
  }
  std::string lies(const std::string& windows) const {
    std::ifstream f(pfad(windows), std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
  }
  bool gibt(const std::string& windows) const { return std::filesystem::exists(pfad(windows)); }

 private:
  std::filesystem::path wurzel_;
};

// The modal window now open, made active so that keys reach it (the
// offscreen platform has no window manager that would activate it).
inline QWidget* modales_fenster() {
  QWidget* w = QApplication::activeModalWidget();
  if (w) plat::gui::test::aktiviere(w);
  return w;
}

// The element a key goes to: the focused one, once the top modal window is active.
inline QWidget* fokus() {
  if (QApplication::activeModalWidget() != QApplication::activeWindow()) modales_fenster();
  QWidget* ziel = QApplication::focusWidget();
  return ziel ? ziel : QApplication::activeWindow();
}

// A key press and release at the focused element.
inline void taste(int qt_taste, Qt::KeyboardModifiers mod = Qt::NoModifier) {
  QTest::keyClick(fokus(), static_cast<Qt::Key>(qt_taste), mod);
}

inline void tippe(const char* utf8) {
  plat::gui::test::tippe_text(fokus(), QString::fromUtf8(utf8));
}

}  // namespace einvoice::test
