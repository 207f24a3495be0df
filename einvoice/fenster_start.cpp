#include "einvoice/fenster_start.h"

#include <QApplication>

#include "einvoice/eingabefenster.h"
#include "einvoice/main_fenster.h"
#include "einvoice/stammdaten.h"
#include "einvoice/tzdialog.h"
#include "platform/gui/benutzer_qt.h"

namespace einvoice {

int starte_fenster(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(QString::fromUtf8(kEingabeTitel));
  QApplication::setWindowIcon(programm_symbol());
  plat::gui::QtBenutzer benutzer;
  plat::ui::BenutzerWechsel wechsel(benutzer);

  std::optional<Rechnungssatz> satz = neuer_rechnungssatz();
  if (!satz) return 1;
  Main(*satz);
  return 0;
}

}  // namespace einvoice
