#include "einvoice/main_fenster.h"

#include "einvoice/cii_erzeugung.h"
#include "einvoice/eingabefenster.h"
#include "einvoice/modalfen.h"
#include "platform/files/dateien.h"
#include "platform/gui/ereignisse.h"
#include "platform/ui/benutzer.h"

namespace einvoice {
namespace {

// Alt+T: the work description of the invoice number as entered (not trimmed).
void beschreibung_bearbeiten(Eingabefenster& e, Rechnungssatz& satz) {
  std::string puffer;
  satz["Rech_Nummer"] = e.aEC[0]->text850();
  const std::string& nummer = satz["Rech_Nummer"];
  // A number that cannot name a folder, or that leads out of the base
  // folder, opens no editor; the user is told why.
  if (std::string f = nummer_fehler(nummer); !f.empty()) {
    plat::ui::benutzer().meldung(f, "", e.oDlg.get());
    return;
  }
  const std::string datei = beschreibungs_datei(nummer);
  const std::string ordner = rechnungs_ordner(nummer);
  if (!plat::files::ordner_existiert(ordner)) {
    if (std::string f = plat::files::erstelle_ordner(ordner, false); !f.empty()) {
      plat::ui::benutzer().meldung(f, "", e.oDlg.get());
      return;
    }
  }
  ModalFen(puffer, std::nullopt, e.oDlg->zeichenflaeche(), std::nullopt, std::nullopt, datei);
  e.oDlg->rtfMLE->setze_text850(puffer);
}

}  // namespace

void Main(Rechnungssatz& satz) {
  Eingabefenster e = baue_eingabefenster();
  TzDialog& fenster = *e.oDlg;

  plat::gui::Ereignisschleife schleife(&fenster, [&](const plat::gui::Ereignis& ev) {
    if (ev.code != plat::gui::EREIGNIS_TASTATUR) return false;
    switch (ev.p1) {
      case plat::gui::TASTE_ESC:
        plat::gui::Ereignisschleife::schliessen_anfordern(&fenster);
        break;
      case plat::gui::TASTE_ALT_X:
        CII_Erzeugung(e.texte(), satz);
        break;
      case plat::gui::TASTE_ALT_T:
        beschreibung_bearbeiten(e, satz);
        break;
      default:
        break;
    }
    return false;  // every key goes on to its element
  });

  fenster.setze_modal(true);
  fenster.show();
  fenster.activateWindow();
  e.aEC[0]->setFocus();
  schleife.laufe();
}

}  // namespace einvoice
