#include "einvoice/rechnungssatz.h"

#include <algorithm>
#include <stdexcept>

#include "einvoice/texte.h"

namespace einvoice {

std::string_view eingabe_feld(int k) {
  if (k < 1 || k > kEingabeAnzahl) throw std::out_of_range("Eingabefeld " + std::to_string(k));
  return kEingabeFelder[static_cast<std::size_t>(k - 1)];
}

int eingabe_laenge(int k) { return (k >= 4 && k % 4 == 0) ? 50 : 10; }

std::string eingabe_bezeichnung(int k) {
  switch (k) {
    case 1:
      return "Rechnungsnummer";
    case 2:
      return "Rechnungsdatum";
    case 3:
      return "Lieferdatum";
    default:
      break;
  }
  static const char* const teile[] = {"Bezeichnung", "Einzelpreis", "Menge", "Gesamtpreis"};
  return "Position " + std::to_string(k / 4) + ", " + teile[k % 4];
}

std::string stammdaten_bezeichnung(std::string_view feld) {
  static const std::map<std::string_view, std::string_view> bedeutung = {
      {"Lieferant", "Name des Lieferanten"},
      {"Liefer_Strasse", "Straße des Lieferanten"},
      {"Liefer_PLZ", "Postleitzahl des Lieferanten"},
      {"Liefer_Ort", "Ort des Lieferanten"},
      {"Liefer_Land", "Land des Lieferanten"},
      {"Liefer_Tel", "Telefon des Lieferanten"},
      {"Liefer_Mail", "E-Mail des Lieferanten"},
      {"Liefer_VAT", "USt-IdNr. des Lieferanten"},
      {"Liefer_IBAN", "IBAN des Lieferanten"},
      {"Liefer_BIC", "BIC des Lieferanten"},
      {"Liefer_MA", "Ansprechpartner des Lieferanten"},
      {"Kunden_Nummer", "Kundennummer, Käuferreferenz"},
      {"Kunde", "Name des Kunden"},
      {"Kunde_Strasse", "Straße des Kunden"},
      {"Kunde_PLZ", "Postleitzahl des Kunden"},
      {"Kunde_Ort", "Ort des Kunden"},
      {"Kunde_Land", "Land des Kunden"},
      {"Kunde_Mail", "E-Mail-Adresse des Kunden"},
      {"Kunde_VAT", "USt-IdNr. des Kunden"},
      {"Kunde_MA", "Ansprechpartner des Kunden"},
      {"Kunde_MAMail", "E-Mail des Ansprechpartners beim Kunden"},
  };
  std::string r = "Stammdaten " + std::string(feld);
  if (auto it = bedeutung.find(feld); it != bedeutung.end()) r += " (" + T(it->second) + ")";
  return r;
}

Rechnungssatz::Rechnungssatz() {
  for (auto n : kParteiFelder) felder_.emplace(n, "");
  for (auto n : kWeitereParteiFelder) felder_.emplace(n, "");
  for (auto n : kEingabeFelder) felder_.emplace(n, "");
}

std::string& Rechnungssatz::operator[](std::string_view name) {
  auto it = felder_.find(name);
  if (it == felder_.end())
    throw std::out_of_range("unbekanntes Rechnungsfeld " + std::string(name));
  return it->second;
}

const std::string& Rechnungssatz::operator[](std::string_view name) const {
  auto it = felder_.find(name);
  if (it == felder_.end())
    throw std::out_of_range("unbekanntes Rechnungsfeld " + std::string(name));
  return it->second;
}

namespace {
template <typename Liste>
bool enthaelt(const Liste& liste, std::string_view name) {
  return std::find(liste.begin(), liste.end(), name) != liste.end();
}
}  // namespace

bool ist_parteifeld(std::string_view name) {
  return enthaelt(kParteiFelder, name) || enthaelt(kWeitereParteiFelder, name);
}

bool Rechnungssatz::bekannt(std::string_view name) {
  return ist_parteifeld(name) || enthaelt(kEingabeFelder, name);
}

}  // namespace einvoice
