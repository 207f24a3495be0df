// Small text helpers in the manner of the platform's string functions, used
// by the placeholder replacement and the template functions. Texts are code
// page 850 bytes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/runtime/value.h"

namespace docgen {

// Blanks (only the space character) removed at the ends.
std::string_view ltrim(std::string_view s);
std::string_view rtrim(std::string_view s);
std::string_view alltrim(std::string_view s);

// Upper case in code page 850: ASCII letters and the accented letters that
// have a capital in the code page (umlauts included).
std::string gross850(std::string_view s);

// 1-based position of the first / last occurrence of `was` in `in`; 0 when none.
std::size_t at(std::string_view was, std::string_view in);
std::size_t rat(std::string_view was, std::string_view in);

// The part from 1-based `von` with up to `laenge` characters; a start beyond
// the text or a length below 1 gives "".
std::string_view substr1(std::string_view s, long von, long laenge);

// Padded with blanks (or cut) on the right to exactly `n` characters.
std::string padr(std::string_view s, std::size_t n, char fuell = ' ');

// The number a text begins with, as the platform reads it: leading blanks,
// an optional sign, digits, an optional decimal point with digits; 0 when
// the text does not begin with a number.
double val(std::string_view s);

// A number from a parameter: numbers as they are, texts read with val(),
// anything else 0.
double als_zahl(const plat::rt::Value& v);

// The platform's default number text (right-aligned in the number's own width
// or in ten characters) and a value as one line of text.
using plat::rt::als_text;
inline std::string zahl_standard(const plat::rt::Value& zahl) { return plat::rt::zahl_text(zahl); }

}  // namespace docgen

namespace plat::tables {
class Tabelle;
}

namespace docgen {

// The table open in the work area named by a number text ("3"), a number or
// an alias; null when none is open there.
plat::tables::Tabelle* tabelle_von(std::string_view alias_oder_nr);
plat::tables::Tabelle* tabelle_von(const plat::rt::Value& alias_oder_nr);

// The value of field `feld` of the current record of the table in work area
// `bereich`; nullopt when no table is open there or it has no such field.
std::optional<plat::rt::Value> feldwert(int bereich, std::string_view feld);

// The text of a field of work area 1 trimmed at both ends ("" when missing).
std::string fall_text(std::string_view feld);

}  // namespace docgen
