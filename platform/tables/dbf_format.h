// The dBase III+ file format: the header with its field descriptors, and the
// text form of C, N, D and L field values inside a record.
//
// Header: version, date of last update (year - 1900, month, day), record
// count, header length, record length, the language byte, then one 32-byte
// descriptor per field and the terminator 0x0D. Each record starts with the
// deleted flag (' ' or '*'); the file ends with 0x1A.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/runtime/value.h"
#include "platform/text/datum.h"

namespace plat::tables {

struct FeldDef {
  std::string name;  // up to 10 characters, as stored
  char typ = 'C';    // 'C', 'N', 'D', 'L' or 'M'
  int laenge = 0;
  int dezimalen = 0;
  bool operator==(const FeldDef&) const = default;
};

struct DbfKopf {
  unsigned char version = 0x03;      // 0x83 with a memo file
  int jahr = 0, monat = 0, tag = 0;  // last update
  std::uint32_t anzahl = 0;
  int kopf_laenge = 0;
  int satz_laenge = 0;
  unsigned char sprache = 0;  // language byte; 0x02 marks code page 850
  std::vector<FeldDef> felder;
  std::vector<int> versatz;  // position of each field inside a record (the flag is byte 0)

  bool hat_memo() const;
};

inline constexpr unsigned char kDateiEnde = 0x1A;
inline constexpr unsigned char kKopfEnde = 0x0D;
inline constexpr unsigned char kSpracheCp850 = 0x02;

// Parses and checks the header of the table file `pfad`. `bytes` is the start
// of the file (at least the declared header length, when the file has it),
// `groesse` the file's size. Throws TabellenFehler naming the file for
// anything that does not add up: too short, unknown version, bad field
// descriptors, record length against the fields, fewer records than the
// header counts.
DbfKopf lies_kopf(std::string_view bytes, std::uint64_t groesse, const std::string& pfad);

// Checks a list of field definitions for a new table (names, types, lengths)
// and builds its header with `anzahl` records, dated `datum`. Names are stored
// upper-cased.
DbfKopf neuer_kopf(std::vector<FeldDef> felder, text::Datum datum, const std::string& pfad);

// The header as bytes, terminator included.
std::string kopf_bytes(const DbfKopf& k);

// Puts the record count and date into the first 8 bytes of a header.
void setze_anzahl_datum(std::string& kopf_anfang, std::uint32_t anzahl, text::Datum datum);

// The value of a C, N, D or L field from its stored text `roh`.
rt::Value feld_wert(const FeldDef& f, std::string_view roh);

// The stored text of `wert` for a C, N, D or L field: exactly f.laenge bytes.
// No value gives blanks. Throws TabellenFehler (naming field and file) for a
// value of the wrong type or a number that does not fit. Longer text is cut
// to the field's length, as dBase does.
std::string feld_roh(const FeldDef& f, const rt::Value& wert, const std::string& pfad);

}  // namespace plat::tables
