// A run-time error inside the platform (a wrong argument type, a division by
// zero, an undefined name). The expression language hands it to the error
// handling; the text is the cause as the user reads it (German, code page 850).
#pragma once

#include <stdexcept>
#include <string>

namespace plat::rt {

class Laufzeitfehler : public std::runtime_error {
 public:
  explicit Laufzeitfehler(const std::string& ursache) : std::runtime_error(ursache) {}
};

// A name that is neither a visible variable, a field nor a function. The type
// check reports it as "U".
class NameUndefiniert : public Laufzeitfehler {
 public:
  explicit NameUndefiniert(const std::string& ursache) : Laufzeitfehler(ursache) {}
};

}  // namespace plat::rt
