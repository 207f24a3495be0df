#include "einvoice/cii_pruefung.h"

#include <string_view>

#include "einvoice/texte.h"
#include "einvoice/zahlwert.h"
#include "platform/text/datum.h"

namespace einvoice {
namespace {

bool ist_datum(std::string_view text) {
  auto d = plat::text::Datum::aus_dtos(text);
  return d && !d->leer();
}

bool zwei_grossbuchstaben(std::string_view t) {
  return t.size() >= 2 && t[0] >= 'A' && t[0] <= 'Z' && t[1] >= 'A' && t[1] <= 'Z';
}

std::string zitat(std::string_view wert) { return "\"" + std::string(wert) + "\""; }

class Liste {
 public:
  void neu(const std::string& wer, const std::string& was) { p_.push_back(wer + ": " + was); }
  std::vector<std::string> p_;
};

void pruefe_datum(Liste& l, const Rechnungssatz& s, int k) {
  const std::string& wert = s[eingabe_feld(k)];
  if (ist_leer(wert)) {
    l.neu(eingabe_bezeichnung(k), T("fehlt (8 Ziffern JJJJMMTT, zum Beispiel 20261211)."));
  } else if (!ist_datum(wert)) {
    l.neu(eingabe_bezeichnung(k),
          zitat(wert) + T(" ist kein gültiges Datum der Form JJJJMMTT (zum Beispiel 20261211)."));
  }
}

void pruefe_betrag(Liste& l, const Rechnungssatz& s, int k, bool nur_zwei_stellen,
                   bool nicht_negativ) {
  const std::string& wert = s[eingabe_feld(k)];
  const std::string wer = eingabe_bezeichnung(k);
  if (ist_leer(wert)) {
    l.neu(wer, T("fehlt."));
  } else if (!ist_dezimalzahl(wert)) {
    l.neu(wer, zitat(wert) + T(" ist keine Zahl mit Dezimalpunkt (zum Beispiel 65.00)."));
  } else {
    if (nur_zwei_stellen && nachkommastellen(wert) > 2) {
      l.neu(wer, zitat(wert) + T(" hat mehr als zwei Nachkommastellen."));
    }
    if (nicht_negativ && zahlwert(wert) < 0) {
      l.neu(wer, zitat(wert) + T(" ist negativ; ein Einzelpreis darf nicht negativ sein "
                                 "(eine Gutschrift über die Menge angeben)."));
    }
  }
}

void pruefe_stammdaten(Liste& l, const Rechnungssatz& s) {
  // Every master-data field that the invoice carries must be filled: an empty
  // element is refused, and several of them are required by XRechnung itself
  // (seller contact telephone and e-mail, buyer reference, VAT ids).
  for (std::string_view feld : kParteiFelder) {
    if (ist_leer(s[feld])) l.neu(stammdaten_bezeichnung(feld), T("fehlt."));
  }
  for (std::string_view feld : {"Liefer_Land", "Kunde_Land"}) {
    const std::string& w = s[feld];
    if (!ist_leer(w) && !(w.size() == 2 && zwei_grossbuchstaben(w))) {
      l.neu(stammdaten_bezeichnung(feld),
            zitat(w) + T(" ist kein Ländercode aus zwei Großbuchstaben (zum Beispiel DE)."));
    }
  }
  for (std::string_view feld : {"Liefer_VAT", "Kunde_VAT"}) {
    const std::string& w = s[feld];
    if (!ist_leer(w) && !zwei_grossbuchstaben(w)) {
      l.neu(stammdaten_bezeichnung(feld),
            zitat(w) + T(" beginnt nicht mit dem Ländercode (zum Beispiel DE123456789)."));
    }
  }
}

}  // namespace

std::vector<std::string> pruefe_rechnung(const Rechnungssatz& s, const Abgeleitet& a) {
  Liste l;
  if (ist_leer(s["Rech_Nummer"])) l.neu(eingabe_bezeichnung(1), T("fehlt."));
  pruefe_datum(l, s, 2);
  if (ist_datum(s["Rech_Datum"]) && a.Zahl_Datum.empty()) {
    l.neu(eingabe_bezeichnung(2),
          T("das Fälligkeitsdatum (10 Tage später) liegt nach dem Jahr 9999."));
  }
  pruefe_datum(l, s, 3);

  bool eine_position = false;
  for (int n = 1; n <= 4; ++n) {
    if (!position_aktiv(s, n)) continue;
    eine_position = true;
    const int k = 4 * n;  // entry field of the description
    if (ist_leer(s[eingabe_feld(k)])) l.neu(eingabe_bezeichnung(k), T("fehlt."));
    pruefe_betrag(l, s, k + 1, false, true);
    pruefe_betrag(l, s, k + 2, false, false);
    pruefe_betrag(l, s, k + 3, true, false);
  }
  if (!eine_position) {
    l.neu(
        "Rechnungspositionen",
        T("keine Position hat einen Gesamtpreis; eine Rechnung braucht mindestens eine Position."));
  }
  pruefe_stammdaten(l, s);
  return l.p_;
}

}  // namespace einvoice
