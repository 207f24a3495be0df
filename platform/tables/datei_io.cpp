#include "platform/tables/datei_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/tables/tabellen_fehler.h"

namespace plat::tables::io {

int oeffne(const std::string& pfad, bool& schreibbar) {
  if (schreibbar) {
    const int fd = ::open(pfad.c_str(), O_RDWR | O_CLOEXEC);
    if (fd >= 0 || (errno != EACCES && errno != EROFS && errno != EPERM)) return fd;
    schreibbar = false;
  }
  return ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC);
}

std::uint64_t groesse(int fd, const std::string& pfad) {
  struct stat st {};
  if (::fstat(fd, &st) != 0)
    throw TabellenFehler("Die Datei " + pfad + " lässt sich nicht prüfen: " + std::strerror(errno));
  if (!S_ISREG(st.st_mode))
    throw TabellenFehler("Die Datei " + pfad + " ist keine gewöhnliche Datei");
  return static_cast<std::uint64_t>(st.st_size);
}

void lies_genau(int fd, char* ziel, std::size_t n, std::uint64_t pos, const std::string& pfad) {
  std::size_t gelesen = 0;
  while (gelesen < n) {
    const ssize_t r = ::pread(fd, ziel + gelesen, n - gelesen, static_cast<off_t>(pos + gelesen));
    if (r < 0 && errno == EINTR) continue;
    if (r < 0)
      throw TabellenFehler("Die Datei " + pfad +
                           " lässt sich nicht lesen: " + std::strerror(errno));
    if (r == 0) throw TabellenFehler("Die Datei " + pfad + " ist beschädigt: sie endet unerwartet");
    gelesen += static_cast<std::size_t>(r);
  }
}

void schreibe_genau(int fd, const char* daten, std::size_t n, std::uint64_t pos,
                    const std::string& pfad) {
  std::size_t geschrieben = 0;
  while (geschrieben < n) {
    const ssize_t r =
        ::pwrite(fd, daten + geschrieben, n - geschrieben, static_cast<off_t>(pos + geschrieben));
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0)
      throw TabellenFehler("In die Datei " + pfad +
                           " lässt sich nicht schreiben: " + std::strerror(errno));
    geschrieben += static_cast<std::size_t>(r);
  }
}

void schreibe_datei(const std::string& pfad, const std::string& inhalt) {
  const std::string tmp = pfad + ".neu~";
  const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0)
    throw TabellenFehler("Die Datei " + pfad +
                         " lässt sich nicht anlegen: " + std::strerror(errno));
  try {
    schreibe_genau(fd, inhalt.data(), inhalt.size(), 0, pfad);
  } catch (...) {
    ::close(fd);
    ::unlink(tmp.c_str());
    throw;
  }
  if (::close(fd) != 0 || ::rename(tmp.c_str(), pfad.c_str()) != 0) {
    const int e = errno;
    ::unlink(tmp.c_str());
    throw TabellenFehler("Die Datei " + pfad + " lässt sich nicht anlegen: " + std::strerror(e));
  }
}

}  // namespace plat::tables::io
