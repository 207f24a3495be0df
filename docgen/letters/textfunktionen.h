// The template text functions: the office's own vocabulary for placeholder
// expressions. They read the current case from the host's work areas (1: the
// case record, 3: the order items) and host variables, never change a table's
// data, and leave the selected work area and record positions as they found
// them. Every parameter may be left out (no value).
#pragma once

#include <string>

#include "platform/runtime/value.h"

namespace docgen {

using plat::rt::Value;

// "X" when field best_art of work area 1 equals `bestart` exactly (same
// characters, same length), else "".
std::string EFzuX(const Value& bestart = {});

// The value (as stored) of the work-area-1 field named by the host variable
// TO2 / TD2 / TZ2 when it is not empty, else that of the field named by
// TO4 / TD4 / TZ4. A name that names no field counts as empty text.
Value EF_Friedhof();
Value EF_Datum();
Value EF_Uhrzeit();
// Member TW2 of the host object oBest when not empty, else member TW4; empty
// text when oBest has no such member.
Value EF_Wochentag();

// Fills the host array aGruen (nSumZeile elements, default 17) with the
// amounts of the case's items per form position (item codes "g1".."g9",
// "ga".."gh"), the total in element nSumZeile, all formatted in the mask
// "99,999,999.99" with the fill character `cFill` (default "_") in place of
// leading blanks. Items whose position lies outside 1..nSumZeile are skipped.
// Returns "".
std::string GruenBetraege(const Value& cFill = {}, const Value& nSumZeile = {});

// Joins values by ", ": the elements of an array (trailing blanks removed),
// or the given values formatted by TrimVT up to the first one left out.
std::string AkommaB(const Value& aFelder = {}, const Value& cF2 = {}, const Value& cF3 = {},
                    const Value& cF4 = {}, const Value& cF5 = {}, const Value& cF6 = {},
                    const Value& cF7 = {}, const Value& cF8 = {}, const Value& cF9 = {},
                    const Value& cF10 = {});

// Formats one value as text: texts split at the first blank (nL 1/2),
// letter-spaced (nD), framed in HTML emphasis (cN 1..7); numbers in width nL
// with nD decimals, padded with cN, suffix cE; dates in words (nL 2..4).
// A text "(...)" is an argument list: "TrimVT" + the text is stored in the run
// variable cVariable and evaluated.
std::string TrimVT(const Value& xVar = {}, const Value& nL = {}, const Value& nD = {},
                   const Value& cN = {}, const Value& cE = {});

// "Die Trauerfeier ist am <Tag>, dem <Datum>, um <Zeit> Uhr in der <Ort>."
// with the parts left out taken from the case record.
std::string Trauerfeier(const Value& cTFTag = {}, const Value& cTFDat = {},
                        const Value& cTFZeit = {}, const Value& cTFOrt = {},
                        const Value& cOrtart = {});

}  // namespace docgen
