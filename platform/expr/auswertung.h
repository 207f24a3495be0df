// Internals shared by the evaluator's parts: the nesting guard, the error
// funnel at the outermost evaluation, and running a code block.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "platform/expr/knoten.h"
#include "platform/runtime/value.h"

namespace plat::expr::intern {

// Counts nested evaluations (expressions evaluated from functions that an
// expression called, code blocks, macros) and stops runaway recursion with a
// Laufzeitfehler before the stack runs out.
class Verschachtelung {
 public:
  Verschachtelung();
  ~Verschachtelung();
  Verschachtelung(const Verschachtelung&) = delete;
  Verschachtelung& operator=(const Verschachtelung&) = delete;
  // True for the outermost evaluation outside a type check: errors are
  // reported there.
  bool aussen() const;
};

// Runs `f` as one evaluation of `ausdruck`. At the outermost level an error
// goes to the error handling (message, log line) and AuswertungAbbruch is
// thrown; nested levels pass errors on to the outermost.
rt::Value geschuetzt(std::string_view ausdruck, const std::function<rt::Value()>& f);

rt::Value fuehre_aus(const std::shared_ptr<const BlockRumpf>& rumpf,
                     const std::vector<rt::Value>& args);

// Type check in progress: errors are not reported, only passed on.
class PruefModus {
 public:
  PruefModus();
  ~PruefModus();
  PruefModus(const PruefModus&) = delete;
  PruefModus& operator=(const PruefModus&) = delete;
};

}  // namespace plat::expr::intern
