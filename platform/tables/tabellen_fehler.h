// The error of the table layer: a file that cannot be opened, is damaged, or
// an operation the table does not allow. The message names the file.
#pragma once

#include <stdexcept>
#include <string>

namespace plat::tables {

class TabellenFehler : public std::runtime_error {
 public:
  // `utf8` is the message as written in the source (UTF-8); what() gives it
  // in code page 850, as program text is shown to the user.
  explicit TabellenFehler(const std::string& utf8);
  // The message in UTF-8 (for the console and logs).
  const std::string& utf8() const { return utf8_; }

 private:
  std::string utf8_;
};

// "Die Tabelle <pfad> ist beschädigt: <grund>" as a TabellenFehler.
[[noreturn]] void beschaedigt(const std::string& pfad, const std::string& grund);

}  // namespace plat::tables
