// Writing one invoice: what Alt+X does.
//
//   std::vector<std::string> eingaben(19);   // the entry fields' texts, code page 850
//   std::string pfad = CII_Erzeugung(eingaben, satz);
//
// CII_Erzeugung refreshes the 19 invoice fields of `satz` from the entries
// (trailing blanks removed), derives totals and due date, writes
// "C:\Vuvuvira\xR\R<Nummer>\R<Nummer>_zug.xml" (the invoice folder is created
// when missing, the base folder must exist) and checks the invoice. It returns
// the Windows path of the written file, or an empty text when nothing was
// written. Refusals, write failures and the problems found by the check are
// shown in one message box each through plat::ui::benutzer(); a clean invoice
// shows nothing. cii_schreiben does the same without any message.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "einvoice/cii_dokument.h"
#include "einvoice/rechnungssatz.h"

namespace einvoice {

inline constexpr std::string_view kBasisOrdner = "C:\\Vuvuvira\\xR";

// Windows paths of one invoice number (trailing blanks are not removed here).
std::string rechnungs_ordner(std::string_view nummer);
std::string rechnungs_datei(std::string_view nummer);      // the XML invoice
std::string beschreibungs_datei(std::string_view nummer);  // the work description text

// Empty when the number can name the invoice folder; else why not (code page 850).
std::string nummer_fehler(std::string_view nummer);

struct CiiErgebnis {
  std::string pfad;  // Windows path of the invoice file
  bool geschrieben = false;
  std::string fehler;                 // why nothing was written (code page 850)
  std::vector<std::string> probleme;  // what the check found (code page 850)
  Abgeleitet abgeleitet;
  std::string dokument;  // the XML text (UTF-8)
};

CiiErgebnis cii_schreiben(const std::vector<std::string>& aEC, Rechnungssatz& satz);

// The message box text for the problems of a written invoice.
std::string probleme_meldung(const CiiErgebnis& e);

std::string CII_Erzeugung(const std::vector<std::string>& aEC, Rechnungssatz& satz);

}  // namespace einvoice
