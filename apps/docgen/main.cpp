// docgen: the host runner. Opens a data folder's tables as the office
// application does, positions them on a case, creates the host variables and
// runs one command.
//
//   docgen [--drive C=DIR] --data DIR [--case N] [--set NAME=VALUE]...
//          [--answer yes|no]... [--keys shift,ctrl,alt] COMMAND ARGS...
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "apps/docgen/befehle.h"
#include "docgen/host/host_daten.h"
#include "docgen/vorlagen/vorlagenfunktionen.h"
#include "platform/expr/fehler.h"
#include "platform/files/pfad.h"
#include "platform/tables/tabellen_fehler.h"
#include "platform/text/codepage.h"
#include "platform/ui/benutzer.h"

namespace {

using namespace docgen::lauf;

struct Fehler {
  std::string text;  // UTF-8
};

std::string cp850(const std::string& utf8, const std::string& was) {
  try {
    return plat::text::utf8_to_cp850(utf8);
  } catch (const plat::text::ConversionError&) {
    throw Fehler{was + " enthält ein Zeichen, das es in Codepage 850 nicht gibt: " + utf8};
  }
}

void hilfe(std::ostream& o) {
  o << "Aufruf: docgen [--drive C=ORDNER] --data ORDNER [--case N] [--set NAME=WERT]...\n"
       "              [--answer yes|no]... [--keys shift,ctrl,alt] BEFEHL ...\n"
       "Befehle:\n";
  for (const auto& b : befehle()) o << "  " << b.name << " " << b.argumente << "\n";
}

struct Optionen {
  docgen::HostAufruf host;
  std::vector<bool> antworten;
  std::vector<plat::ui::Taste> tasten;
  std::string befehl;
  std::vector<std::string> argumente;
};

Optionen lies_optionen(int argc, char** argv) {
  Optionen o;
  bool datenordner = false;
  int i = 1;
  auto wert = [&](const std::string& arg, const std::string& name) -> std::string {
    if (arg.size() > name.size() && arg.compare(0, name.size() + 1, name + "=") == 0)
      return arg.substr(name.size() + 1);
    if (i + 1 >= argc) throw Fehler{"Nach " + name + " fehlt der Wert"};
    return argv[++i];
  };
  auto ist = [](const std::string& arg, const std::string& name) {
    return arg == name || arg.compare(0, name.size() + 1, name + "=") == 0;
  };
  for (; i < argc; ++i) {
    const std::string arg = argv[i];
    if (ist(arg, "--data")) {
      o.host.datenordner = wert(arg, "--data");
      datenordner = true;
    } else if (ist(arg, "--case")) {
      const std::string n = wert(arg, "--case");
      std::size_t ende = 0;
      long fall = 0;
      try {
        fall = std::stol(n, &ende);
      } catch (const std::exception&) {
        ende = 0;
      }
      if (n.empty() || ende != n.size())
        throw Fehler{"--case erwartet eine Fallnummer, nicht \"" + n + "\""};
      o.host.fall = fall;
    } else if (ist(arg, "--set")) {
      const std::string s = wert(arg, "--set");
      const auto gleich = s.find('=');
      if (gleich == std::string::npos || gleich == 0)
        throw Fehler{"--set erwartet NAME=WERT, nicht \"" + s + "\""};
      const std::string name = s.substr(0, gleich);
      const bool gueltig =
          (std::isalpha(static_cast<unsigned char>(name[0])) || name[0] == '_') &&
          std::all_of(name.begin(), name.end(), [](char c) {
            return (c & 0x80) == 0 && (std::isalnum(static_cast<unsigned char>(c)) || c == '_');
          });
      if (!gueltig) throw Fehler{"--set: \"" + name + "\" ist kein Variablenname"};
      o.host.setzen.emplace_back(cp850(s.substr(0, gleich), "--set"),
                                 cp850(s.substr(gleich + 1), "--set"));
    } else if (ist(arg, "--answer")) {
      const std::string a = wert(arg, "--answer");
      if (a == "yes" || a == "ja")
        o.antworten.push_back(true);
      else if (a == "no" || a == "nein")
        o.antworten.push_back(false);
      else
        throw Fehler{"--answer erwartet yes oder no, nicht \"" + a + "\""};
    } else if (ist(arg, "--keys")) {
      std::string liste = wert(arg, "--keys") + ",";
      for (std::size_t a = 0, e; (e = liste.find(',', a)) != std::string::npos; a = e + 1) {
        const std::string t = liste.substr(a, e - a);
        if (t == "shift")
          o.tasten.push_back(plat::ui::Taste::Shift);
        else if (t == "ctrl")
          o.tasten.push_back(plat::ui::Taste::Ctrl);
        else if (t == "alt")
          o.tasten.push_back(plat::ui::Taste::Alt);
        else if (!t.empty())
          throw Fehler{"--keys kennt shift, ctrl und alt, nicht \"" + t + "\""};
      }
    } else if (arg == "--help" || arg == "-h") {
      hilfe(std::cout);
      std::exit(kErfolg);
    } else if (arg.size() > 1 && arg[0] == '-' && arg[1] == '-') {
      throw Fehler{"Unbekannte Angabe " + arg};
    } else {
      o.befehl = arg;
      for (++i; i < argc; ++i) o.argumente.push_back(cp850(argv[i], "Das Argument"));
      break;
    }
  }
  if (!datenordner) throw Fehler{"--data ORDNER fehlt"};
  if (o.befehl.empty()) throw Fehler{"Der Befehl fehlt"};
  return o;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string laufwerk_fehler = plat::files::laufwerk_argumente(argc, argv);
  try {
    if (!laufwerk_fehler.empty())
      throw Fehler{plat::text::convert_lossy(laufwerk_fehler, plat::text::CodePage::Cp850,
                                             plat::text::CodePage::Utf8)};
    Optionen o = lies_optionen(argc, argv);
    const Befehl* befehl = nullptr;
    for (const auto& b : befehle())
      if (o.befehl == b.name) befehl = &b;
    if (!befehl) throw Fehler{"Unbekannter Befehl " + o.befehl};
    if (static_cast<int>(o.argumente.size()) != befehl->anzahl_argumente)
      throw Fehler{std::string("Aufruf: docgen ... ") + befehl->name + " " + befehl->argumente};

    // Without a display, message boxes go to standard error and questions
    // take the answers given on the command line.
    plat::ui::SkriptBenutzer benutzer(true);
    for (bool a : o.antworten) benutzer.antworte(a);
    for (auto t : o.tasten) benutzer.halte(t);
    plat::ui::BenutzerWechsel wechsel(benutzer);

    docgen::registriere_vorlagenfunktionen();
    docgen::HostDaten host(o.host);
    std::error_code ec;
    start_ordner() = std::filesystem::current_path(ec);
    // The data folder is also the current folder of the host.
    if (::chdir(o.host.datenordner.c_str()) != 0)
      throw Fehler{"In den Datenordner " + o.host.datenordner.string() +
                   " lässt sich nicht wechseln"};
    return befehl->ausfuehren(o.argumente);
  } catch (const Fehler& f) {
    std::cerr << "docgen: " << f.text << "\n";
    hilfe(std::cerr);
    return kAufrufFehler;
  } catch (const docgen::HostFehler& f) {
    std::cerr << "docgen: " << f.what() << "\n";
    return kAufrufFehler;
  } catch (const plat::tables::TabellenFehler& f) {
    std::cerr << "docgen: " << f.utf8() << "\n";
    return kAufrufFehler;
  } catch (const plat::expr::AuswertungAbbruch&) {
    return kAusdruckFehler;  // shown and logged already
  }
}
