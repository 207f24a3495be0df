#include "platform/gui/ereignisse.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QWidget>

namespace plat::gui {

int tastencode(int qt_taste, Qt::KeyboardModifiers mod, const QString& text) {
  const bool strg = mod.testFlag(Qt::ControlModifier);
  const bool alt = mod.testFlag(Qt::AltModifier);
  const bool shift = mod.testFlag(Qt::ShiftModifier);
  switch (qt_taste) {
    case Qt::Key_Escape:
      return TASTE_ESC;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return (strg || alt || shift) ? TASTE_KEINE : TASTE_ENTER;
    case Qt::Key_Backspace:
      return (shift || strg || alt) ? TASTE_KEINE : TASTE_RUECKSCHRITT;
    default:
      break;
  }
  if (qt_taste >= Qt::Key_F1 && qt_taste <= Qt::Key_F12 && !strg && !alt && !shift) {
    return 65648 + (qt_taste - Qt::Key_F1);
  }
  if (qt_taste >= Qt::Key_A && qt_taste <= Qt::Key_Z) {
    if (strg && !alt) return qt_taste - Qt::Key_A + 1;
    if (alt && !strg) return 327680 + qt_taste;
  }
  if (!strg && !alt && text.size() == 1 && text.at(0).isPrint()) return text.at(0).unicode();
  return TASTE_KEINE;
}

int tastencode(const QKeyEvent& e) { return tastencode(e.key(), e.modifiers(), e.text()); }

Ereignisschleife::Ereignisschleife(QWidget* fenster, Behandler behandler)
    : fenster_(fenster), behandler_(std::move(behandler)) {
  qApp->installEventFilter(this);
}

Ereignisschleife::~Ereignisschleife() { qApp->removeEventFilter(this); }

void Ereignisschleife::laufe() {
  if (!ende_) schleife_.exec();
}

void Ereignisschleife::schliessen_anfordern(QWidget* fenster) {
  QCoreApplication::postEvent(fenster, new QCloseEvent);
}

bool Ereignisschleife::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (ende_ || !objekt->isWidgetType()) return false;
  auto* w = static_cast<QWidget*>(objekt);
  if (w->window() != fenster_) return false;

  switch (ereignis->type()) {
    case QEvent::Close: {
      if (w != fenster_) return false;
      const bool verweigert = behandler_ && behandler_({EREIGNIS_SCHLIESSEN, 0, 0, fenster_});
      if (verweigert) return true;
      // exit() takes effect when the close event has been delivered.
      ende_ = true;
      schleife_.exit();
      return false;
    }
    case QEvent::ShortcutOverride: {
      auto* k = static_cast<QKeyEvent*>(ereignis);
      if (k->modifiers().testFlag(Qt::AltModifier) &&
          !k->modifiers().testFlag(Qt::ControlModifier) && k->key() >= Qt::Key_A &&
          k->key() <= Qt::Key_Z) {
        // Claim the key for the window: no shortcut takes it, and it comes
        // back as an ordinary key press, where it is handled.
        k->accept();
        return true;
      }
      return false;
    }
    case QEvent::KeyRelease:
      unterwegs_ = nullptr;
      return false;
    case QEvent::KeyPress: {
      // A key press travels up to the parents when the focused element
      // ignores it; only its first receiver counts. The focus may have moved
      // meanwhile (a nested window), so the press in hand is remembered
      // until its key is released.
      if (ereignis == unterwegs_ && unterwegs_ziel_ && w != unterwegs_ziel_ &&
          w->isAncestorOf(unterwegs_ziel_)) {
        return false;
      }
      QWidget* fokus = QApplication::focusWidget();
      if (w != (fokus && fokus->window() == fenster_ ? fokus : fenster_)) return false;
      unterwegs_ = ereignis;
      unterwegs_ziel_ = w;
      auto* k = static_cast<QKeyEvent*>(ereignis);
      if (!behandler_) return false;
      return behandler_({EREIGNIS_TASTATUR, tastencode(*k), 0, w});
    }
    default:
      return false;
  }
}

}  // namespace plat::gui
