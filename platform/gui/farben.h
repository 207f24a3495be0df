// Colours the program asks for by number.
#pragma once

#include <QColor>

namespace plat::gui {

// The system colour the entry fields and text edits use (system colour code
// -47 of the program): a pale cream that sets the fields off on a light
// desktop theme and keeps black text easy to read.
inline constexpr long FARBE_EINGABE = -47;

// A colour by the program's number: 0..15 the standard 16-colour palette
// (7 light grey), negative numbers the system colours it uses.
QColor farbe(long code);

}  // namespace plat::gui
