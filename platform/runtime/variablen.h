// Named variables with dynamic scope.
//
// A function creates variables through its Rahmen (frame); they stay visible
// by name to everything it calls, directly or through evaluated expressions,
// until the frame ends. A variable of the same name created in a deeper frame
// hides the outer one meanwhile. Names are compared without regard to case.
// Host variables are created in a frame the host opens before it calls.
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <utility>

#include "platform/runtime/value.h"

namespace plat::rt {

class Rahmen {
 public:
  Rahmen();
  ~Rahmen();  // removes every variable this frame created
  Rahmen(const Rahmen&) = delete;
  Rahmen& operator=(const Rahmen&) = delete;

  // Creates `name` in this frame (hiding an outer one of the same name) and
  // returns its storage, valid until the frame ends. Creating a name this
  // frame already holds assigns it.
  Value& erzeuge(std::string_view name, Value wert = Value());

 private:
  // Upper-cased name and storage; a deque keeps the storage in place.
  std::deque<std::pair<std::string, Value>> eigene_;
};

// The innermost visible variable of that name, or null when none is visible.
Value* finde_variable(std::string_view name);
bool variable_sichtbar(std::string_view name);
// Assigns the innermost visible variable; when none is visible the variable is
// created in the innermost open frame (as an undeclared assignment does).
void setze_variable(std::string_view name, Value wert);

// The same lookup for a name already upper-cased (the expression language
// normalises names once when it parses).
Value* finde_variable_gross(std::string_view name_gross);

// ASCII upper case, as names are compared.
std::string gross(std::string_view name);

}  // namespace plat::rt
