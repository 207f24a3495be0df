#include "einvoice/cii_erzeugung.h"

#include "einvoice/cii_pruefung.h"
#include "einvoice/texte.h"
#include "einvoice/zahlwert.h"
#include "platform/files/dateien.h"
#include "platform/files/pfad.h"
#include "platform/text/codepage.h"
#include "platform/ui/benutzer.h"

namespace einvoice {
namespace {

constexpr const char* kTitel = "XRechnung";

std::string host_anzeige(std::string_view windows_pfad) {
  return plat::text::convert_lossy(plat::files::host_pfad(windows_pfad).string(),
                                   plat::text::CodePage::Utf8, plat::text::CodePage::Cp850);
}

}  // namespace

std::string rechnungs_ordner(std::string_view nummer) {
  return std::string(kBasisOrdner) + "\\R" + std::string(nummer);
}
std::string rechnungs_datei(std::string_view nummer) {
  return rechnungs_ordner(nummer) + "\\R" + std::string(nummer) + "_zug.xml";
}
std::string beschreibungs_datei(std::string_view nummer) {
  return rechnungs_ordner(nummer) + "\\R" + std::string(nummer) + ".txt";
}

std::string nummer_fehler(std::string_view nummer) {
  const std::string kopf = T("Die Rechnungsnummer \"") + std::string(nummer) + "\" ";
  for (char c : nummer) {
    if (static_cast<unsigned char>(c) < 0x20) {
      return kopf + T("enthält ein Steuerzeichen. Es wurde nichts geschrieben.");
    }
    if (std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) {
      return kopf + T("enthält das Zeichen ") + c +
             T(", das in einem Ordner- oder Dateinamen nicht stehen darf "
               "(\\ / : * ? \" < > |). Es wurde nichts geschrieben.");
    }
  }
  if (nummer.find("..") != std::string_view::npos) {
    return kopf + T("enthält \"..\" und würde damit auf einen anderen Ordner verweisen. "
                    "Es wurde nichts geschrieben.");
  }
  return "";
}

CiiErgebnis cii_schreiben(const std::vector<std::string>& aEC, Rechnungssatz& satz) {
  for (int k = 1; k <= kEingabeAnzahl; ++k) {
    const std::size_t i = static_cast<std::size_t>(k - 1);
    satz[eingabe_feld(k)] = std::string(ohne_endblanks(i < aEC.size() ? aEC[i] : std::string()));
  }
  CiiErgebnis e;
  e.abgeleitet = berechne_abgeleitete(satz);
  e.dokument = cii_dokument(satz, e.abgeleitet);

  const std::string& nummer = satz["Rech_Nummer"];
  e.pfad = rechnungs_datei(nummer);
  e.fehler = nummer_fehler(nummer);
  if (!e.fehler.empty()) return e;

  if (!plat::files::ordner_existiert(kBasisOrdner)) {
    e.fehler = T("Der Rechnungsordner ") + std::string(kBasisOrdner) + " (" +
               host_anzeige(kBasisOrdner) +
               T(") ist nicht vorhanden. Die Rechnung wurde nicht geschrieben.");
    return e;
  }
  const std::string ordner = rechnungs_ordner(nummer);
  if (std::string f = plat::files::erstelle_ordner(ordner, false); !f.empty()) {
    e.fehler = f + T(" Die Rechnung wurde nicht geschrieben.");
    return e;
  }
  if (std::string f = plat::files::schreibe_datei_atomar(e.pfad, e.dokument); !f.empty()) {
    e.fehler = f;
    return e;
  }
  e.geschrieben = true;
  e.probleme = pruefe_rechnung(satz, e.abgeleitet);
  return e;
}

std::string probleme_meldung(const CiiErgebnis& e) {
  std::string text = T("Die Rechnung wurde geschrieben:\n") + e.pfad +
                     T("\n\nSie erfüllt aber die XRechnung-Regeln nicht. Bitte korrigieren und neu "
                       "schreiben:\n");
  for (const std::string& p : e.probleme) text += "\n- " + p;
  return text;
}

std::string CII_Erzeugung(const std::vector<std::string>& aEC, Rechnungssatz& satz) {
  CiiErgebnis e = cii_schreiben(aEC, satz);
  auto& benutzer = plat::ui::benutzer();
  if (!e.geschrieben) {
    benutzer.meldung(e.fehler, kTitel);
    return "";
  }
  if (!e.probleme.empty()) benutzer.meldung(probleme_meldung(e), kTitel);
  return e.pfad;
}

}  // namespace einvoice
