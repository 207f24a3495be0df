#include "einvoice/stammdaten.h"

#include <set>
#include <vector>

#include "einvoice/texte.h"
#include "platform/files/dateien.h"
#include "platform/process/uhr.h"
#include "platform/text/codepage.h"
#include "platform/ui/benutzer.h"

namespace einvoice {
namespace {

std::string_view getrimmt(std::string_view t) {
  while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
  while (!t.empty() && (t.back() == ' ' || t.back() == '\t' || t.back() == '\r'))
    t.remove_suffix(1);
  return t;
}

bool hat_steuerzeichen(std::string_view t) {
  for (char c : t) {
    if (static_cast<unsigned char>(c) < 0x20) return true;
  }
  return false;
}

}  // namespace

void setze_demo_stammdaten(Rechnungssatz& s) {
  s["Lieferant"] = T("Bestattungshaus Lindenhof & Söhne GmbH");
  s["Liefer_Strasse"] = T("Friedhofstraße 12");
  s["Liefer_PLZ"] = "49074";
  s["Liefer_Ort"] = T("Osnabrück");
  s["Liefer_Land"] = "DE";
  s["Liefer_Tel"] = "+495419876540";
  s["Liefer_Mail"] = "rechnung@lindenhof-bestattungen.example";
  s["Liefer_VAT"] = "DE287654321";
  s["Liefer_IBAN"] = "DE89370400440532013000";
  s["Liefer_BIC"] = "COBADEFFXXX";
  s["Liefer_MA"] = s["Lieferant"];
  s["Liefer_MATel"] = "+495419876541";
  s["Liefer_MAMail"] = "buero@lindenhof-bestattungen.example";
  s["Kunden_Nummer"] = "10472";
  s["Kunde"] = T("Steinmetzbetrieb Kranich GmbH");
  s["Kunde_Strasse"] = T("Große Straße 5");
  s["Kunde_PLZ"] = "20095";
  s["Kunde_Ort"] = "Hamburg";
  s["Kunde_Land"] = "DE";
  s["Kunde_Mail"] = "rechnungseingang@kranich-stein.example";
  s["Kunde_VAT"] = "DE 312.456.789";
  s["Kunde_MA"] = T("Jürgen Kranich");
  s["Kunde_MAMail"] = "j.kranich@kranich-stein.example";
  s["Kunde_Tel"] = "+49403216540";
  s["Kunde_MATel"] = "+49403216541";
}

std::string lies_stammdaten(std::string_view text, Rechnungssatz& satz) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);  // byte order mark
  std::vector<std::string> fehler;
  std::set<std::string, std::less<>> gesehen;
  int nr = 0;
  while (!text.empty() || nr == 0) {
    const std::size_t ende = text.find('\n');
    std::string_view zeile = getrimmt(text.substr(0, ende));
    text = ende == std::string_view::npos ? std::string_view() : text.substr(ende + 1);
    ++nr;
    const std::string wo = "Zeile " + std::to_string(nr) + ": ";
    if (zeile.empty() || zeile.front() == ';' || zeile.front() == '#' || zeile.front() == '[')
      continue;
    const std::size_t gleich = zeile.find('=');
    if (gleich == std::string_view::npos) {
      fehler.push_back(wo + T("kein \"Name=Wert\"."));
      continue;
    }
    const std::string name(getrimmt(zeile.substr(0, gleich)));
    const std::string_view wert = getrimmt(zeile.substr(gleich + 1));
    const std::string name_cp850 =
        plat::text::convert_lossy(name, plat::text::CodePage::Utf8, plat::text::CodePage::Cp850);
    if (!ist_parteifeld(name)) {
      fehler.push_back(wo + T("unbekanntes Feld \"") + name_cp850 + "\".");
      continue;
    }
    if (!gesehen.insert(name).second) {
      fehler.push_back(wo + T("das Feld ") + name_cp850 + T(" steht schon weiter oben."));
      continue;
    }
    try {
      std::string wert_cp850 = plat::text::utf8_to_cp850(wert);
      if (hat_steuerzeichen(wert_cp850)) {
        fehler.push_back(wo + T("der Wert von ") + name_cp850 + T(" enthält ein Steuerzeichen."));
        continue;
      }
      satz[name] = std::move(wert_cp850);
    } catch (const plat::text::ConversionError& e) {
      fehler.push_back(wo + T("der Wert von ") + name_cp850 +
                       T(" enthält ein Zeichen, das das Programm nicht darstellen kann, oder ist "
                         "kein gültiges UTF-8 (Zeichen ") +
                       std::to_string(gleich + 1 + e.position() + 1) + ").");
    }
  }
  if (!fehler.empty()) {
    std::string m = T("Die Stammdaten in ") + std::string(kStammdatenDatei) +
                    T(" sind fehlerhaft; das Programm übernimmt nichts davon:");
    for (const auto& f : fehler) m += "\n- " + f;
    return m;
  }
  if (!gesehen.count("Liefer_MA")) satz["Liefer_MA"] = satz["Lieferant"];
  return "";
}

std::string lade_stammdaten(Rechnungssatz& satz) {
  if (!plat::files::datei_existiert(kStammdatenDatei)) {
    setze_demo_stammdaten(satz);
    return "";
  }
  std::optional<std::string> text = plat::files::lies_datei(kStammdatenDatei);
  if (!text)
    return T("Die Stammdaten ") + std::string(kStammdatenDatei) +
           T(" können nicht gelesen werden.");
  Rechnungssatz neu = satz;
  std::string fehler = lies_stammdaten(*text, neu);
  if (fehler.empty()) satz = std::move(neu);
  return fehler;
}

std::optional<Rechnungssatz> neuer_rechnungssatz() {
  Rechnungssatz satz;
  if (std::string fehler = lade_stammdaten(satz); !fehler.empty()) {
    plat::ui::benutzer().meldung(fehler, "XRechnung");
    return std::nullopt;
  }
  const std::string heute = plat::process::heute().dtos();
  satz["Rech_Datum"] = heute;
  satz["Liefer_Datum"] = heute;
  return satz;
}

}  // namespace einvoice
