#include "platform/gui/schrift.h"

#include <QApplication>
#include <algorithm>
#include <cctype>

namespace plat::gui {
namespace {

std::string klein(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

std::string getrimmt(const std::string& s) {
  const auto a = s.find_first_not_of(' ');
  if (a == std::string::npos) return {};
  const auto e = s.find_last_not_of(' ');
  return s.substr(a, e - a + 1);
}

bool nur_ziffern(const std::string& s) {
  return !s.empty() &&
         std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c); });
}

}  // namespace

std::optional<Schriftname> zerlege_schriftname(const std::string& roh) {
  const std::string name = getrimmt(roh);
  // "12.Courier": size, dot, face
  const auto punkt = name.find('.');
  if (punkt != std::string::npos && nur_ziffern(name.substr(0, punkt))) {
    std::string face = getrimmt(name.substr(punkt + 1));
    if (face.empty()) return std::nullopt;
    return Schriftname{face, std::stoi(name.substr(0, punkt))};
  }
  // "Courier New 12pt": face, blank, size with "pt"
  const auto blank = name.rfind(' ');
  if (blank != std::string::npos) {
    std::string groesse = klein(name.substr(blank + 1));
    if (groesse.size() > 2 && groesse.compare(groesse.size() - 2, 2, "pt") == 0) {
      groesse.resize(groesse.size() - 2);
      std::string face = getrimmt(name.substr(0, blank));
      if (nur_ziffern(groesse) && !face.empty()) return Schriftname{face, std::stoi(groesse)};
    }
  }
  return std::nullopt;
}

QString schriftfamilie(const std::string& face) {
  const std::string f = klein(face);
  if (f == "courier" || f == "courier new") return QStringLiteral("Liberation Mono");
  if (f == "arial" || f == "helv" || f == "helvetica") return QStringLiteral("Liberation Sans");
  if (f == "times new roman" || f == "times" || f == "tms rmn")
    return QStringLiteral("Liberation Serif");
  return QString::fromStdString(face);
}

QFont schrift(const std::string& compound_name) {
  const auto teile = zerlege_schriftname(compound_name);
  if (!teile || teile->punkt <= 0) return QApplication::font();
  QFont f(schriftfamilie(teile->familie), teile->punkt);
  if (f.family().contains(QStringLiteral("Mono"))) f.setStyleHint(QFont::TypeWriter);
  return f;
}

}  // namespace plat::gui
