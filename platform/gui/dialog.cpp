#include "platform/gui/dialog.h"

#include <QApplication>

#include "platform/gui/farben.h"
#include "platform/gui/schrift.h"
#include "platform/gui/text_qt.h"

namespace plat::gui {
namespace {

void fuelle(QWidget* w, const QColor& c) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, c);
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

}  // namespace

Dialog::Dialog(QWidget* eltern, QWidget* besitzer, Punkt pos, Groesse groesse,
               std::vector<Praesentation> pp, bool sichtbar)
    : QWidget(besitzer, Qt::Window),
      flaeche_(new QWidget(this)),
      pp_(std::move(pp)),
      sichtbar_(sichtbar) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  // Presentation parameters in order; a later pair of the same key wins.
  for (const auto& p : pp_) {
    if (p.schluessel == PP_SCHRIFT && std::holds_alternative<std::string>(p.wert)) {
      setFont(schrift(std::get<std::string>(p.wert)));
    } else if (p.schluessel == PP_HINTERGRUND && std::holds_alternative<long>(p.wert)) {
      setze_hintergrund(std::get<long>(p.wert));
    }
  }
  // The window font is the window's own; the elements on the drawing area
  // keep the toolkit's default font (8-point sans serif) unless they are
  // given one, as the program's layouts expect.
  flaeche_->setFont(schrift(STANDARDSCHRIFT));

  const Groesse innen{std::max(0, groesse.breite - 2 * RAND),
                      std::max(0, groesse.hoehe - 2 * RAND - TITELLEISTE)};
  resize(innen.breite, innen.hoehe);
  flaeche_->setGeometry(0, 0, innen.breite, innen.hoehe);

  // Outer lower left corner relative to the parent -> outer top left on the desktop.
  QPoint oben_links;
  if (eltern) {
    const QRect r = nach_qt(pos, groesse, eltern->height());
    oben_links = eltern->mapToGlobal(r.topLeft());
  } else {
    oben_links = nach_qt(pos, groesse, desktop_groesse().hoehe).topLeft();
  }
  move(oben_links);
}

void Dialog::setze_titel(const std::string& titel850) { setWindowTitle(nach_qt(titel850)); }

void Dialog::setze_minimieren(bool an) { setWindowFlag(Qt::WindowMinimizeButtonHint, an); }

void Dialog::setze_maximieren(bool an) { setWindowFlag(Qt::WindowMaximizeButtonHint, an); }

void Dialog::setze_hintergrund(long farbcode) { fuelle(flaeche_, farbe(farbcode)); }

void Dialog::erzeuge() {
  if (sichtbar_) show();
}

void Dialog::setze_modal(bool an) { setWindowModality(an ? Qt::ApplicationModal : Qt::NonModal); }

}  // namespace plat::gui
