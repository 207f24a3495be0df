// What the operators do with values: arithmetic on numbers, texts and dates,
// comparisons, the substring test. Type mismatches raise a Laufzeitfehler.
#pragma once

#include "platform/expr/knoten.h"
#include "platform/runtime/value.h"

namespace plat::expr {

// Binary operators except .AND./.OR. (which short-circuit in the node).
rt::Value rechne(Op op, const rt::Value& a, const rt::Value& b);

// The classic "=" on texts: true when `a` begins with `b` (so every text
// equals the empty text); "==" compares exactly.
bool text_gleich(const std::string& a, const std::string& b);

// The decimals a number counts with in arithmetic.
int dezimalen_von(const rt::Value& zahl);

// A date moved by a number of days; raises a Laufzeitfehler outside 0001..9999.
text::Datum verschiebe(const text::Datum& d, double tage);

const char* op_zeichen(Op op);

}  // namespace plat::expr
