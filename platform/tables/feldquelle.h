// The field source of the expression language over the work areas:
// "1->name", "(1)->betrag", "alias->feld" and bare names of the selected area.
#pragma once

#include "platform/runtime/felder.h"

namespace plat::tables {

rt::FeldQuelle& feldquelle_der_bereiche();
// Installs it when no other source is in force (oeffne does this).
void installiere_feldquelle();

}  // namespace plat::tables
