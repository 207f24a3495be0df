#include "platform/gui/koordinaten.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace plat::gui {

QRect nach_qt(Punkt pos, Groesse groesse, int eltern_hoehe) {
  return {pos.x, eltern_hoehe - pos.y - groesse.hoehe, groesse.breite, groesse.hoehe};
}

void platziere(QWidget* kind, Punkt pos, Groesse groesse) {
  const QWidget* eltern = kind->parentWidget();
  const int h = eltern ? eltern->height() : desktop_groesse().hoehe;
  kind->setGeometry(nach_qt(pos, groesse, h));
}

Groesse desktop_groesse() {
  const QScreen* s = QGuiApplication::primaryScreen();
  if (!s) return {};
  const QRect r = s->geometry();
  return {r.width(), r.height()};
}

}  // namespace plat::gui
