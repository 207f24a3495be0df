// The CII XML text of one invoice, composed in memory from the invoice record.
//
//   Abgeleitet a = berechne_abgeleitete(satz);   // Total_Preis, Total_MwSt, Zahl_Datum, RevCharge
//   std::string xml = cii_dokument(satz, a);      // UTF-8, CR LF, no line end after the last line
#pragma once

#include <string>

#include "einvoice/rechnungssatz.h"

namespace einvoice {

// The fields the writer derives for one run (code page 850).
struct Abgeleitet {
  std::string Total_Preis;  // sum of the line totals, two decimals, never padded or cut
  std::string Total_MwSt;   // "0.00"
  std::string Zahl_Datum;   // invoice date + 10 days as CCYYMMDD; empty for an invalid date
  std::string RevCharge;    // the reverse-charge note
};

Abgeleitet berechne_abgeleitete(const Rechnungssatz& satz);

// True when line n (1..4) goes into the file: its total reads as a number other than 0.
bool position_aktiv(const Rechnungssatz& satz, int n);

std::string cii_dokument(const Rechnungssatz& satz, const Abgeleitet& abgeleitet);

}  // namespace einvoice
