#include "platform/files/dateien.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/files/pfad.h"
#include "platform/text/codepage.h"

namespace plat::files {
namespace fs = std::filesystem;
namespace {

// Host path for a message (program text, code page 850).
std::string anzeige(const fs::path& p) {
  return text::convert_lossy(p.string(), text::CodePage::Utf8, text::CodePage::Cp850);
}

// The reason of a failed call in German (code page 850).
std::string grund(int fehler) {
  switch (fehler) {
    case ENOENT:
      return "Der Ordner ist nicht vorhanden.";
    case ENOTDIR:
      return "Ein Teil des Pfades ist kein Ordner.";
    case EACCES:
    case EPERM:
      return "Keine Berechtigung.";
    case ENOSPC:
      return "Der Datentr\x84ger ist voll.";
    case EDQUOT:
      return "Das Speicherkontingent ist ersch\x94pft.";
    case EROFS:
      return "Der Datentr\x84ger ist schreibgesch\x81tzt.";
    case EISDIR:
      return "Unter diesem Namen besteht ein Ordner.";
    case EEXIST:
      return "Unter diesem Namen besteht bereits eine Datei.";
    case ENAMETOOLONG:
      return "Der Name ist zu lang.";
    case EIO:
      return "Ein-/Ausgabefehler.";
    default:
      return text::convert_lossy(std::strerror(fehler), text::CodePage::Utf8,
                                 text::CodePage::Cp850);
  }
}

bool schreibe_alles(int fd, std::string_view inhalt) {
  const char* p = inhalt.data();
  std::size_t rest = inhalt.size();
  while (rest > 0) {
    ssize_t n = ::write(fd, p, rest);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    rest -= static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

bool datei_existiert(std::string_view windows_pfad) {
  std::error_code ec;
  return fs::is_regular_file(host_pfad(windows_pfad), ec);
}

bool ordner_existiert(std::string_view windows_pfad) {
  std::error_code ec;
  return fs::is_directory(host_pfad(windows_pfad), ec);
}

std::string erstelle_ordner(std::string_view windows_pfad, bool mit_uebergeordneten) {
  const fs::path p = host_pfad(windows_pfad);
  std::error_code ec;
  if (fs::is_directory(p, ec)) return "";
  if (mit_uebergeordneten) {
    fs::create_directories(p, ec);
  } else {
    fs::create_directory(p, ec);
  }
  if (ec || !fs::is_directory(p)) {
    const int e = ec ? ec.value() : EEXIST;
    return "Der Ordner " + anzeige(p) + " konnte nicht angelegt werden. " + grund(e);
  }
  return "";
}

std::string schreibe_datei_atomar(std::string_view windows_pfad, std::string_view inhalt) {
  const fs::path ziel = host_pfad(windows_pfad);
  const fs::path ordner = ziel.has_parent_path() ? ziel.parent_path() : fs::path(".");
  const std::string kopf = "Die Datei " + anzeige(ziel) + " konnte nicht geschrieben werden. ";

  std::error_code ec;
  if (fs::is_directory(ziel, ec)) return kopf + grund(EISDIR);

  std::string vorlage = (ordner / ("." + ziel.filename().string() + ".neu-XXXXXX")).string();
  int fd = ::mkstemp(vorlage.data());
  if (fd < 0) return kopf + grund(errno);

  // The new file gets the rights of the file it replaces, else the usual ones.
  struct stat alt {};
  mode_t rechte = 0644;
  if (::stat(ziel.c_str(), &alt) == 0) rechte = alt.st_mode & 07777;
  int fehler = 0;
  if (::fchmod(fd, rechte) != 0 || !schreibe_alles(fd, inhalt) || ::fsync(fd) != 0) fehler = errno;
  if (::close(fd) != 0 && fehler == 0) fehler = errno;
  if (fehler == 0 && ::rename(vorlage.c_str(), ziel.c_str()) != 0) fehler = errno;
  if (fehler != 0) {
    ::unlink(vorlage.c_str());
    return kopf + grund(fehler);
  }
  // Make the rename itself durable.
  int dfd = ::open(ordner.c_str(), O_RDONLY | O_DIRECTORY);
  if (dfd >= 0) {
    ::fsync(dfd);
    ::close(dfd);
  }
  return "";
}

std::optional<std::string> lies_datei(std::string_view windows_pfad) {
  const fs::path p = host_pfad(windows_pfad);
  std::error_code ec;
  if (!fs::is_regular_file(p, ec)) return std::nullopt;
  std::ifstream in(p, std::ios::binary);
  if (!in) return std::nullopt;
  std::string inhalt((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return inhalt;
}

}  // namespace plat::files
