// The operator's master data (the party fields of the invoice record).
//
// At start they come from "C:\Vuvuvira\xR\Stammdaten.ini" when that file exists:
// one "Name=Wert" line per field (UTF-8; blank lines and lines starting with
// ";" or "#" are skipped). Otherwise built-in demo master data are used.
//
//   std::optional<Rechnungssatz> satz = neuer_rechnungssatz();  // what Main sets up
//   if (!satz) return 1;   // a faulty Stammdaten.ini; the user has been told
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "einvoice/rechnungssatz.h"

namespace einvoice {

inline constexpr std::string_view kStammdatenDatei = "C:\\Vuvuvira\\xR\\Stammdaten.ini";

// A plausible German seller and buyer.
void setze_demo_stammdaten(Rechnungssatz& satz);

// Reads the text of a Stammdaten.ini into the party fields. Fields the text does
// not name stay empty, except Liefer_MA, which takes the supplier's name.
// Returns an empty text, or a message (code page 850) naming every faulty line:
// an unknown field name, a line without "=", a field named twice, a value that
// code page 850 cannot hold or that is no valid UTF-8. Nothing is guessed.
std::string lies_stammdaten(std::string_view utf8_text, Rechnungssatz& satz);

// Seeds the party fields from Stammdaten.ini or the demo data; empty text or a message.
std::string lade_stammdaten(Rechnungssatz& satz);

// The invoice record as the program starts with it: master data, an empty
// invoice number, today's date as invoice and delivery date, empty lines.
// A faulty Stammdaten.ini is shown through plat::ui::benutzer() and gives nullopt.
std::optional<Rechnungssatz> neuer_rechnungssatz();

}  // namespace einvoice
