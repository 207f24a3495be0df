// Operating-system record locks on table files (open-file-description locks,
// so two tables in one process exclude each other as two processes do).
//
// Locks lie beyond any real data, in the region that dBase-style engines use:
// a record's lock at kSatzBasis + record number, the header lock for appends at
// kSatzBasis itself, and the use marker (shared for a normal open, exclusive
// for an exclusive one) at kNutzung.
#pragma once

#include <sys/types.h>

namespace plat::tables::sperren {

inline constexpr off_t kSatzBasis = 1000000000;
inline constexpr off_t kKopf = kSatzBasis;
inline constexpr off_t kNutzung = 1000000000 - 1;

// Tries to take the lock on [start, start + laenge); false when another
// holder has a conflicting one. `exklusiv` takes a write lock, else a read lock.
bool versuche(int fd, off_t start, off_t laenge, bool exklusiv);
// Takes the lock, waiting for other holders.
void warte(int fd, off_t start, off_t laenge, bool exklusiv);
void loese(int fd, off_t start, off_t laenge);

}  // namespace plat::tables::sperren
