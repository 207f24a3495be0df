// Window coordinates as the program writes them: pixels, origin at the lower
// left corner of the parent, y growing upwards, each position the element's
// lower left corner. Converted to Qt's top-left coordinates once, when an
// element is placed.
#pragma once

#include <QRect>

class QWidget;

namespace plat::gui {

struct Punkt {
  int x = 0;
  int y = 0;
};

struct Groesse {
  int breite = 0;
  int hoehe = 0;
};

// The Qt rectangle of an element at (x, y) with the given size inside a
// parent of height `eltern_hoehe`.
QRect nach_qt(Punkt pos, Groesse groesse, int eltern_hoehe);

// Places `kind` inside its parent widget; the parent's current height is
// taken as it is now.
void platziere(QWidget* kind, Punkt pos, Groesse groesse);

// The size of the desktop (the primary screen).
Groesse desktop_groesse();

}  // namespace plat::gui
