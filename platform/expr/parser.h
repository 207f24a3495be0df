// Parses an expression text into a node tree.
#pragma once

#include <string_view>

#include "platform/expr/knoten.h"
#include "platform/expr/lexer.h"

namespace plat::expr {

// The tree of `text`; throws SyntaxFehler (with the column) when the text is
// no valid expression.
KnotenPtr parse(std::string_view text);

}  // namespace plat::expr
