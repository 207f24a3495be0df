// The program flow of the e-invoice program with its window: Main builds the
// entry window and runs its loop. Alt+X writes the invoice, Alt+T edits the
// work description, Esc closes the window.
#pragma once

#include "einvoice/rechnungssatz.h"

namespace einvoice {

// Runs the entry window on `satz` (seeded by the caller) until it is closed.
void Main(Rechnungssatz& satz);

}  // namespace einvoice
