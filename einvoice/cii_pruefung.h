// Native checks of a written invoice against the XRechnung rules that the
// shape of this invoice can break (no Java at run time).
//
//   std::vector<std::string> p = pruefe_rechnung(satz, abgeleitet);
//   // each entry one problem in plain German (code page 850), naming the entry
//   // field or the master-data field to correct; empty when all is well
#pragma once

#include <string>
#include <vector>

#include "einvoice/cii_dokument.h"
#include "einvoice/rechnungssatz.h"

namespace einvoice {

std::vector<std::string> pruefe_rechnung(const Rechnungssatz& satz, const Abgeleitet& abgeleitet);

}  // namespace einvoice
