#include "platform/tables/sperren.h"

#include <fcntl.h>

#include <cerrno>
#include <system_error>

namespace plat::tables::sperren {
namespace {

int setze(int fd, int befehl, short art, off_t start, off_t laenge) {
  struct flock fl {};
  fl.l_type = art;
  fl.l_whence = SEEK_SET;
  fl.l_start = start;
  fl.l_len = laenge;
  fl.l_pid = 0;
  int r;
  do {
    r = ::fcntl(fd, befehl, &fl);
  } while (r == -1 && errno == EINTR);
  return r;
}

}  // namespace

bool versuche(int fd, off_t start, off_t laenge, bool exklusiv) {
  if (setze(fd, F_OFD_SETLK, exklusiv ? F_WRLCK : F_RDLCK, start, laenge) == 0) return true;
  if (errno == EAGAIN || errno == EACCES) return false;
  throw std::system_error(errno, std::generic_category(), "fcntl");
}

void warte(int fd, off_t start, off_t laenge, bool exklusiv) {
  if (setze(fd, F_OFD_SETLKW, exklusiv ? F_WRLCK : F_RDLCK, start, laenge) != 0)
    throw std::system_error(errno, std::generic_category(), "fcntl");
}

void loese(int fd, off_t start, off_t laenge) { setze(fd, F_OFD_SETLK, F_UNLCK, start, laenge); }

}  // namespace plat::tables::sperren
