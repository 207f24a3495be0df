// Placeholder replacement in template texts.
//
// A placeholder is "$(" expression ")" followed by a blank, with the quoted,
// comma, position-suffix, code-block and IIF variants the office's templates
// use. Expressions are evaluated by the platform's expression language against
// the host's work areas and named variables.
#pragma once

#include <string>
#include <string_view>

#include "platform/runtime/value.h"

namespace docgen {

// Returns `cString` with every placeholder replaced by the text of its value.
// While a placeholder is evaluated, its expression text is visible to the
// functions it calls as the run variable `cVariable` (they may reassign it).
// An expression that fails the type check gives the message box
// "Fehler bei der Variablen:" + expression and "X X X X X" in the text.
// Runs in time linear in the text and the number of placeholders; ends on
// every input. An error inside an evaluated expression propagates
// (plat::expr::AuswertungAbbruch).
std::string VariFunkErsatz_1(std::string_view cString);

// Width and decimals of the table field named by "alias->feld" (or a work-area
// number, with or without one enclosing pair of parentheses) as a two-element
// array; both elements without a value when no such field is open.
plat::rt::Value F_Info(std::string_view cVariable);

}  // namespace docgen
