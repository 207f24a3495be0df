// The user seam on Qt: message boxes and Yes/No boxes owned by a window, and
// the modifier keys as they are held at the moment of asking.
#pragma once

#include "platform/ui/benutzer.h"

namespace plat::gui {

class QtBenutzer : public plat::ui::Benutzer {
 public:
  // `besitzer` is a QWidget* (or null).
  void meldung(const std::string& text, const std::string& titel, void* besitzer) override;
  bool frage(const std::string& text, const std::string& titel, void* besitzer) override;
  bool gedrueckt(plat::ui::Taste taste) override;
};

}  // namespace plat::gui
