// The program's dialog window: a plat::gui::Dialog with the house defaults
// (window font "Courier New 12pt", its own taskbar entry, the program icon)
// and the member that holds the window's multi-line edit.
#pragma once

#include <string>
#include <vector>

#include "platform/gui/dialog.h"
#include "platform/gui/felder.h"

namespace einvoice {

class TzDialog : public plat::gui::Dialog {
 public:
  // The arguments of the base dialog, in its order. The font pair is added
  // after the caller's own presentation parameters.
  TzDialog(QWidget* oParent, QWidget* oOwner, plat::gui::Punkt aPos, plat::gui::Groesse aSize,
           std::vector<plat::gui::Praesentation> aPP = {}, bool lVisible = true);

  std::string cFont = "Courier New 12pt";
  plat::gui::Mehrzeilig* rtfMLE = nullptr;  // set by the code that builds the window's content
};

// The program icon (a sheet with a blue stamp).
QIcon programm_symbol();

}  // namespace einvoice
