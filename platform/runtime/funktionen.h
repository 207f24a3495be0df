// The registry of public functions by name, as templates call them.
//
// Names are compared without regard to case ("IIf" and "IIF" are one).
// Arguments are positional; left-out ones arrive as no value (Nil). An
// argument passed by reference ("@name") carries a pointer to the variable's
// storage so the function can write back.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/runtime/value.h"

namespace plat::rt {

struct Argument {
  Value wert;
  Value* referenz = nullptr;  // set for "@name" arguments
};
using Argumente = std::vector<Argument>;
using Funktion = std::function<Value(Argumente&)>;

void registriere_funktion(std::string_view name, Funktion f);
// The function registered under `name`, or null.
const Funktion* finde_funktion(std::string_view name);

}  // namespace plat::rt
