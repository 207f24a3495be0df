#include "einvoice/stapel.h"

#include "einvoice/rechnungssatz.h"
#include "einvoice/texte.h"
#include "einvoice/zahlwert.h"
#include "platform/text/codepage.h"

namespace einvoice {

StapelEingaben lies_stapel_eingaben(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  std::vector<std::string_view> zeilen;
  while (!text.empty()) {
    const std::size_t ende = text.find('\n');
    std::string_view z = text.substr(0, ende);
    if (!z.empty() && z.back() == '\r') z.remove_suffix(1);
    zeilen.push_back(z);
    text = ende == std::string_view::npos ? std::string_view() : text.substr(ende + 1);
  }

  StapelEingaben e;
  e.felder.resize(kEingabeAnzahl);
  std::vector<std::string> fehler;
  for (std::size_t i = 0; i < zeilen.size(); ++i) {
    const int k = static_cast<int>(i) + 1;
    const std::string zeile = "Zeile " + std::to_string(k);
    if (k > kEingabeAnzahl) {
      if (!ist_leer(zeilen[i])) {
        fehler.push_back(zeile + T(": die Datei hat mehr als 19 Eingabefelder."));
        break;
      }
      continue;
    }
    const std::string wer = zeile + " (" + eingabe_bezeichnung(k) + ")";
    std::string wert;
    try {
      wert = plat::text::utf8_to_cp850(zeilen[i]);
    } catch (const plat::text::ConversionError&) {
      fehler.push_back(wer +
                       T(": enthält ein Zeichen, das das Programm nicht darstellen kann, oder ist "
                         "kein gültiges UTF-8."));
      continue;
    }
    bool steuer = false;
    for (char c : wert) steuer = steuer || static_cast<unsigned char>(c) < 0x20;
    if (steuer) {
      fehler.push_back(wer + T(": enthält ein Steuerzeichen."));
      continue;
    }
    const std::size_t laenge = ohne_endblanks(wert).size();
    if (laenge > static_cast<std::size_t>(eingabe_laenge(k))) {
      fehler.push_back(wer + T(": ist ") + std::to_string(laenge) +
                       T(" Zeichen lang; das Feld fasst höchstens ") +
                       std::to_string(eingabe_laenge(k)) + " Zeichen.");
      continue;
    }
    e.felder[i] = std::move(wert);
  }
  if (!fehler.empty()) {
    e.fehler = T("Die Eingaben sind fehlerhaft; es wurde nichts geschrieben:");
    for (const auto& f : fehler) e.fehler += "\n- " + f;
  }
  return e;
}

}  // namespace einvoice
