#include "platform/files/pfad.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <map>
#include <system_error>
#include <vector>

#include "platform/text/codepage.h"

namespace plat::files {
namespace fs = std::filesystem;
namespace {

std::map<char, fs::path>& zuordnungen() {
  static std::map<char, fs::path> m;
  return m;
}

char gross(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

bool ist_buchstabe(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

fs::path benutzer_datenordner() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg && *xdg == '/') return fs::path(xdg);
  const char* home = std::getenv("HOME");
  if (home && *home) return fs::path(home) / ".local" / "share";
  return fs::temp_directory_path();
}

// Lower-case form of a UTF-8 name for comparing names as Windows does: ASCII
// letters and the Latin-1 letters (the accented letters of code page 850).
std::string gefaltet(std::string_view utf8) {
  std::string r(utf8);
  for (std::size_t i = 0; i < r.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(r[i]);
    if (c < 0x80) {
      r[i] = static_cast<char>(std::tolower(c));
    } else if (c == 0xC3 && i + 1 < r.size()) {
      unsigned char d = static_cast<unsigned char>(r[i + 1]);
      if (d >= 0x80 && d <= 0x9E && d != 0x97) r[i + 1] = static_cast<char>(d + 0x20);
      ++i;
    }
  }
  return r;
}

// The name of an entry of `ordner` that equals `name` without regard to case;
// `name` itself when it exists as written or nothing matches.
std::string passender_name(const fs::path& ordner, const std::string& name) {
  std::error_code ec;
  if (fs::exists(ordner / name, ec)) return name;
  if (!fs::is_directory(ordner, ec)) return name;
  const std::string gesucht = gefaltet(name);
  for (fs::directory_iterator it(ordner, ec), ende; !ec && it != ende; it.increment(ec)) {
    std::string kandidat = it->path().filename().string();
    if (gefaltet(kandidat) == gesucht) return kandidat;
  }
  return name;
}

std::vector<std::string> teile(std::string_view pfad) {
  std::vector<std::string> r;
  std::string teil;
  for (char c : pfad) {
    if (c == '\\' || c == '/') {
      if (!teil.empty()) r.push_back(teil);
      teil.clear();
    } else {
      teil += c;
    }
  }
  if (!teil.empty()) r.push_back(teil);
  return r;
}

}  // namespace

fs::path laufwerk(char buchstabe) {
  const char b = gross(buchstabe);
  auto& m = zuordnungen();
  if (auto it = m.find(b); it != m.end()) return it->second;
  const std::string var = std::string("BT_DRIVE_") + b;
  if (const char* wert = std::getenv(var.c_str()); wert && *wert) return fs::path(wert);
  return benutzer_datenordner() / "bestattung" /
         (std::string("laufwerk_") +
          static_cast<char>(std::tolower(static_cast<unsigned char>(b))));
}

void setze_laufwerk(char buchstabe, const fs::path& ordner) {
  std::error_code ec;
  fs::path p = fs::absolute(ordner, ec);
  zuordnungen()[gross(buchstabe)] = ec ? ordner : p.lexically_normal();
}

void vergiss_laufwerke() { zuordnungen().clear(); }

std::string laufwerk_argumente(int& argc, char** argv) {
  std::string fehler;
  int ziel = 1;
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    std::string_view wert;
    bool ist_option = false;
    if (arg == "--drive") {
      ist_option = true;
      if (i + 1 < argc) wert = argv[++i];
    } else if (arg.substr(0, 8) == "--drive=") {
      ist_option = true;
      wert = arg.substr(8);
    }
    if (!ist_option) {
      argv[ziel++] = argv[i];
      continue;
    }
    if (wert.size() < 3 || !ist_buchstabe(wert[0]) || wert[1] != '=') {
      if (fehler.empty()) {
        fehler =
            "Die Angabe --drive erwartet LAUFWERK=ORDNER, zum Beispiel --drive C=/home/buero/c "
            "(erhalten: \"" +
            std::string(wert) + "\").";
      }
      continue;
    }
    setze_laufwerk(wert[0], fs::path(std::string(wert.substr(2))));
  }
  argc = ziel;
  if (ziel >= 0) argv[ziel] = nullptr;
  return fehler;
}

fs::path host_pfad(std::string_view windows_pfad) {
  if (!windows_pfad.empty() && windows_pfad[0] == '/') {
    return fs::path(text::convert_lossy(windows_pfad, text::CodePage::Cp850, text::CodePage::Utf8));
  }
  fs::path basis;
  std::string_view rest = windows_pfad;
  if (rest.size() >= 2 && ist_buchstabe(rest[0]) && rest[1] == ':') {
    basis = laufwerk(rest[0]);
    rest.remove_prefix(2);
  } else if (!rest.empty() && rest[0] == '\\') {
    basis = laufwerk('C');
  } else {
    std::error_code ec;
    basis = fs::current_path(ec);
  }
  fs::path ergebnis = basis;
  bool vorhanden = true;  // while the folder so far exists, names are matched against it
  for (const std::string& teil : teile(rest)) {
    std::string name = text::convert_lossy(teil, text::CodePage::Cp850, text::CodePage::Utf8);
    if (name == "." || name == "..") {
      ergebnis /= name;
      continue;
    }
    if (vorhanden) {
      name = passender_name(ergebnis, name);
      std::error_code ec;
      vorhanden = fs::exists(ergebnis / name, ec);
    }
    ergebnis /= name;
  }
  return ergebnis;
}

}  // namespace plat::files
