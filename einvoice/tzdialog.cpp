#include "einvoice/tzdialog.h"

#include <QIcon>

namespace einvoice {
namespace {

constexpr const char* kFensterSchrift = "Courier New 12pt";

std::vector<plat::gui::Praesentation> mit_schrift(std::vector<plat::gui::Praesentation> pp) {
  pp.push_back({plat::gui::PP_SCHRIFT, std::string(kFensterSchrift)});
  return pp;
}

}  // namespace

QIcon programm_symbol() { return QIcon(QStringLiteral(":/einvoice/programm.png")); }

TzDialog::TzDialog(QWidget* oParent, QWidget* oOwner, plat::gui::Punkt aPos,
                   plat::gui::Groesse aSize, std::vector<plat::gui::Praesentation> aPP,
                   bool lVisible)
    : Dialog(oParent, oOwner, aPos, aSize, mit_schrift(std::move(aPP)), lVisible),
      cFont(kFensterSchrift) {
  setze_taskleiste(true);
  setWindowIcon(programm_symbol());
}

}  // namespace einvoice
