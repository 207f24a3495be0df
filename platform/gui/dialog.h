// The dialog window of the program's windows: a framed top-level window with
// a drawing area that carries the elements. It takes the arguments the
// windows' code uses (parent, owner, position and outer size in pixels with
// the origin at the lower left corner of the parent, presentation parameters,
// visibility) and converts them once to Qt's coordinates.
#pragma once

#include <QWidget>
#include <string>
#include <variant>
#include <vector>

#include "platform/gui/koordinaten.h"

namespace plat::gui {

// Presentation parameters: key and value.
inline constexpr int PP_HINTERGRUND = 4;  // background colour (farben.h)
inline constexpr int PP_SCHRIFT = 15;     // font by compound name (schrift.h)

struct Praesentation {
  int schluessel = 0;
  std::variant<long, std::string> wert;
};

// The frame the window system draws around the drawing area is taken as
// fixed, so that the drawing area of a window has the same size everywhere:
// the outer size less twice the border and the title bar.
inline constexpr int RAND = 4;
// The font of the elements on a drawing area unless they are given one.
inline constexpr const char* STANDARDSCHRIFT = "8.Helv";
inline constexpr int TITELLEISTE = 26;

class Dialog : public QWidget {
 public:
  // `eltern` null: the desktop. `besitzer` null: no owner. The position is
  // the outer lower left corner relative to the parent.
  Dialog(QWidget* eltern, QWidget* besitzer, Punkt pos, Groesse groesse,
         std::vector<Praesentation> pp = {}, bool sichtbar = true);

  QWidget* zeichenflaeche() const { return flaeche_; }
  Groesse flaeche_groesse() const { return {flaeche_->width(), flaeche_->height()}; }
  const std::vector<Praesentation>& praesentation() const { return pp_; }

  void setze_titel(const std::string& titel850);
  void setze_taskleiste(bool an) { taskleiste_ = an; }
  bool taskleiste() const { return taskleiste_; }
  void setze_minimieren(bool an);
  void setze_maximieren(bool an);
  void setze_hintergrund(long farbcode);

  // Shows the window when it was constructed visible. Geometry and
  // presentation parameters are already in place.
  void erzeuge();

  // Application-modal (true) or modeless (false); takes effect at the next show.
  void setze_modal(bool an);

 private:
  QWidget* flaeche_;
  std::vector<Praesentation> pp_;
  bool sichtbar_;
  bool taskleiste_ = false;
};

}  // namespace plat::gui
