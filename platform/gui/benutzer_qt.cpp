#include "platform/gui/benutzer_qt.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "platform/gui/text_qt.h"

namespace plat::gui {
namespace {

QString titel_oder_programm(const std::string& titel) {
  return titel.empty() ? QApplication::applicationDisplayName() : nach_qt(titel);
}

}  // namespace

void QtBenutzer::meldung(const std::string& text, const std::string& titel, void* besitzer) {
  QMessageBox box(QMessageBox::Information, titel_oder_programm(titel), nach_qt(text),
                  QMessageBox::Ok, static_cast<QWidget*>(besitzer));
  box.exec();
}

bool QtBenutzer::frage(const std::string& text, const std::string& titel, void* besitzer) {
  QMessageBox box(QMessageBox::Question, titel_oder_programm(titel), nach_qt(text),
                  QMessageBox::Yes | QMessageBox::No, static_cast<QWidget*>(besitzer));
  box.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
  box.button(QMessageBox::No)->setText(QStringLiteral("Nein"));
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

bool QtBenutzer::gedrueckt(plat::ui::Taste taste) {
  const Qt::KeyboardModifiers m = QGuiApplication::queryKeyboardModifiers();
  switch (taste) {
    case plat::ui::Taste::Shift:
      return m.testFlag(Qt::ShiftModifier);
    case plat::ui::Taste::Ctrl:
      return m.testFlag(Qt::ControlModifier);
    case plat::ui::Taste::Alt:
      return m.testFlag(Qt::AltModifier);
  }
  return false;
}

}  // namespace plat::gui
