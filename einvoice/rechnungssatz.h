// The invoice record: named text fields (code page 850) of the e-invoice
// program, the operator's master data (party fields) and the 19 invoice fields
// that the entry window fills.
//
//   Rechnungssatz satz;                     // every field exists, empty
//   satz["Lieferant"] = "...";              // unknown names throw std::out_of_range
//   satz[eingabe_feld(1)]                   // "Rech_Nummer", entry fields count from 1
//   eingabe_laenge(4)                       // 50: the longest text entry field 4 takes
//   eingabe_bezeichnung(5)                  // "Position 1, Einzelpreis" for messages
#pragma once

#include <array>
#include <map>
#include <string>
#include <string_view>

namespace einvoice {

// The operator's master data, in seeding order.
inline constexpr std::array<std::string_view, 21> kParteiFelder = {
    "Lieferant",   "Liefer_Strasse", "Liefer_PLZ",  "Liefer_Ort", "Liefer_Land", "Liefer_Tel",
    "Liefer_Mail", "Liefer_VAT",     "Liefer_IBAN", "Liefer_BIC", "Liefer_MA",   "Kunden_Nummer",
    "Kunde",       "Kunde_Strasse",  "Kunde_PLZ",   "Kunde_Ort",  "Kunde_Land",  "Kunde_Mail",
    "Kunde_VAT",   "Kunde_MA",       "Kunde_MAMail"};
// Master data that is kept but not written into the invoice.
inline constexpr std::array<std::string_view, 4> kWeitereParteiFelder = {
    "Liefer_MATel", "Liefer_MAMail", "Kunde_Tel", "Kunde_MATel"};

// The invoice fields in entry-field order (entry field k is element k-1).
inline constexpr int kEingabeAnzahl = 19;
inline constexpr std::array<std::string_view, kEingabeAnzahl> kEingabeFelder = {
    "Rech_Nummer",    "Rech_Datum",     "Liefer_Datum",   "L1_Bezeichnung", "L1_Einzelpreis",
    "L1_Menge",       "L1_Gesamtpreis", "L2_Bezeichnung", "L2_Einzelpreis", "L2_Menge",
    "L2_Gesamtpreis", "L3_Bezeichnung", "L3_Einzelpreis", "L3_Menge",       "L3_Gesamtpreis",
    "L4_Bezeichnung", "L4_Einzelpreis", "L4_Menge",       "L4_Gesamtpreis"};

// True for the names of kParteiFelder and kWeitereParteiFelder.
bool ist_parteifeld(std::string_view name);

// Name of entry field k (1..19).
std::string_view eingabe_feld(int k);
// The most characters entry field k takes: 50 for the descriptions, else 10.
int eingabe_laenge(int k);
// How a message names entry field k (code page 850), e.g. "Rechnungsdatum" or
// "Position 2, Menge".
std::string eingabe_bezeichnung(int k);
// How a message names a master-data field: its name in Stammdaten.ini and its meaning.
std::string stammdaten_bezeichnung(std::string_view feld);

class Rechnungssatz {
 public:
  Rechnungssatz();
  std::string& operator[](std::string_view name);
  const std::string& operator[](std::string_view name) const;
  static bool bekannt(std::string_view name);

 private:
  std::map<std::string, std::string, std::less<>> felder_;
};

}  // namespace einvoice
