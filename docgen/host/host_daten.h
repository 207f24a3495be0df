// The host's side of a call into the document generator: open the data
// folder's tables in their work areas, build their indexes, position them on
// a case and create the host variables, as the office application does
// before it calls.
//
//   docgen::HostAufruf aufruf;
//   aufruf.datenordner = "/srv/buero/daten";
//   aufruf.fall = 1001;
//   docgen::HostDaten host(aufruf);
//   auto wert = plat::expr::auswerten("1->name");
//
// Lifetime: the host variables live in a frame of this object and the tables
// stay open until it ends (objects of this class end in reverse order of
// creation, like every frame).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "docgen/host/einstellungen.h"
#include "platform/runtime/variablen.h"

namespace docgen {

struct HostAufruf {
  std::filesystem::path datenordner;
  // Case number for work area 1 (field auftrnr); without it the first record.
  std::optional<long> fall;
  // Host variables given from outside (NAME, text in code page 850); they are
  // created before anything is evaluated and win over the settings file.
  std::vector<std::pair<std::string, std::string>> setzen;
};

class HostDaten {
 public:
  // Throws HostFehler (settings, tables, unknown case) or
  // plat::expr::AuswertungAbbruch (an expression of the settings failed; it
  // was shown and logged).
  explicit HostDaten(const HostAufruf& aufruf);
  ~HostDaten();
  HostDaten(const HostDaten&) = delete;
  HostDaten& operator=(const HostDaten&) = delete;

  const Einstellungen& einstellungen() const { return einstellungen_; }

 private:
  void oeffne_bereiche();
  void positioniere(std::optional<long> fall);
  void erzeuge_variablen(bool ausdruecke);

  HostAufruf aufruf_;
  Einstellungen einstellungen_;
  std::vector<int> geoeffnet_;
  plat::rt::Rahmen rahmen_;
};

// The data folder as the host variable cDatver holds it: "X:\...\" when the
// folder lies on a mapped drive, else the host path followed by a backslash.
// Code page 850.
std::string datver_text(const std::filesystem::path& datenordner);

}  // namespace docgen
