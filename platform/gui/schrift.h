// Fonts by compound name, as the program's windows name them: "12.Courier"
// (size, dot, face) or "Courier New 12pt" (face, size with unit).
#pragma once

#include <QFont>
#include <optional>
#include <string>

namespace plat::gui {

struct Schriftname {
  std::string familie;  // face as written, e.g. "Courier"
  int punkt = 0;        // size in points
};

// Splits a compound font name; no value when it has neither form.
std::optional<Schriftname> zerlege_schriftname(const std::string& name);

// The installed family that stands for a face name: Courier and Courier New
// are metric-compatible Liberation Mono, Arial and Helvetica Liberation Sans,
// Times New Roman Liberation Serif; other names are taken as they are.
QString schriftfamilie(const std::string& face);

// A Qt font from a compound name; the application font for a name of
// neither form.
QFont schrift(const std::string& compound_name);

}  // namespace plat::gui
