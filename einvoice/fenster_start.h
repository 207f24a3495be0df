// The entry window of the e-invoice program.
//
//   return einvoice::starte_fenster(argc, argv);   // from main, after --drive was taken out
//
// Sets up the invoice record (neuer_rechnungssatz), shows the entry window and
// runs it until it is closed; returns the program's exit status.
#pragma once

namespace einvoice {

int starte_fenster(int argc, char** argv);

}  // namespace einvoice
