// The expression language of templates: type check, evaluation, code blocks,
// and "&name" substitution in texts. Expression texts are code page 850.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/runtime/value.h"

namespace plat::expr {

// "U" when a name in `text` is undefined, "UE" when it is no valid expression
// (or finding its value fails), otherwise the type letter of its value
// ("C", "M" for memo fields, "N", "D", "L", "A", "O", "B"). Never throws.
std::string typ_pruefen(std::string_view text) noexcept;

// Evaluates `text` anew (functions named in it run again). An error while
// evaluating (a syntax error included) goes to the platform's error handling
// (fehler.h) and throws AuswertungAbbruch, which ends the current host call
// with its neutral value. Parsed texts are cached, so evaluating the same text
// again costs no parse.
rt::Value auswerten(std::string_view text);

// Compiles "{|a, b| expr, expr}" into a code block value. Calling the block
// (its `call`) evaluates its expressions with the parameters as variables and
// gives the value of the last; an error inside goes to the error handling as
// for auswerten.
rt::Value block_kompilieren(std::string_view text);

// Calls a code block value with arguments (the EVAL function).
rt::Value block_ausfuehren(const rt::Value& block, const std::vector<rt::Value>& args = {});

// "" when `text` is a valid expression, else the cause with the column, as
// "Syntaxfehler an Spalte 7: ...".
std::string syntax_pruefen(std::string_view text);

// Replaces "&name" by the text value of the named variable. The name ends at
// the first character that cannot belong to a name; "&name" stays as written
// when no such variable is visible or its value is not text.
std::string namen_ersetzen(std::string_view text);

}  // namespace plat::expr
