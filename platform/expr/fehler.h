// The platform's error handling for errors while an expression is evaluated:
// the user sees a message box with the expression and the cause, a line is
// appended to the error log, and AuswertungAbbruch ends the current host call,
// which then returns its neutral value (see im_hostaufruf).
#pragma once

#include <exception>
#include <filesystem>
#include <string>
#include <string_view>

namespace plat::expr {

// Thrown after an error was shown and logged. Host entries catch it and return
// their neutral value; nothing else should catch it.
class AuswertungAbbruch : public std::exception {
 public:
  AuswertungAbbruch(std::string ausdruck, std::string ursache)
      : ausdruck_(std::move(ausdruck)), ursache_(std::move(ursache)) {}
  const char* what() const noexcept override { return ursache_.c_str(); }
  const std::string& ausdruck() const { return ausdruck_; }
  const std::string& ursache() const { return ursache_; }

 private:
  std::string ausdruck_;
  std::string ursache_;
};

// The error log file; errors are appended to it. An empty path (the default)
// keeps no log; the host points it at "fehler.log" in its data folder.
void setze_fehlerprotokoll(std::filesystem::path datei);
const std::filesystem::path& fehlerprotokoll();

// Shows the error (message box "Fehler im Ausdruck:" with the expression and
// the cause, title "Laufzeitfehler") and appends a dated line to the log.
// Does not throw.
void fehler_melden(std::string_view ausdruck, std::string_view ursache);

// Runs one host call: an evaluation error ends it with `neutral`.
template <class R, class F>
R im_hostaufruf(R neutral, F&& f) {
  try {
    return f();
  } catch (const AuswertungAbbruch&) {
    return neutral;
  }
}

}  // namespace plat::expr
