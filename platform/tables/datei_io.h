// Small POSIX file helpers of the table layer: every short read or failed
// write becomes a TabellenFehler naming the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace plat::tables::io {

// Opens for reading and writing; when the file may only be read (permissions,
// read-only medium) it is opened for reading and `schreibbar` becomes false.
// -1 with errno set when it cannot be opened at all.
int oeffne(const std::string& pfad, bool& schreibbar);
std::uint64_t groesse(int fd, const std::string& pfad);
void lies_genau(int fd, char* ziel, std::size_t n, std::uint64_t pos, const std::string& pfad);
void schreibe_genau(int fd, const char* daten, std::size_t n, std::uint64_t pos,
                    const std::string& pfad);
// Writes a whole file through a temporary file beside it and a rename, so
// that a reader never sees it half-written.
void schreibe_datei(const std::string& pfad, const std::string& inhalt);

}  // namespace plat::tables::io
