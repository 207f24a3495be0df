// The time seam: the clock and sleeping. Code that waits or reads the date
// goes through here, so that tests run on a virtual clock and never sleep.
#pragma once

#include <chrono>

#include "platform/text/datum.h"

namespace plat::process {

class Uhr {
 public:
  using Zeitpunkt = std::chrono::system_clock::time_point;
  virtual ~Uhr() = default;
  // Local wall-clock time.
  virtual Zeitpunkt jetzt() = 0;
  // Sleeps for `hundertstel` hundredths of a second.
  virtual void schlafe(long hundertstel) = 0;
};

Uhr& uhr();
// Installs `u` (not owned); null restores the real clock.
void setze_uhr(Uhr* u);

// Today's date and the time of day "hh:mm:ss" in local time, from the clock in force.
text::Datum heute();
std::string uhrzeit();

class EchteUhr : public Uhr {
 public:
  Zeitpunkt jetzt() override;
  void schlafe(long hundertstel) override;
};

// A clock that stands still until told or until something sleeps: sleeping
// moves it forward at once.
class VirtuelleUhr : public Uhr {
 public:
  explicit VirtuelleUhr(Zeitpunkt start) : jetzt_(start) {}
  // Local midnight plus the given time of day.
  static Zeitpunkt lokal(int jahr, int monat, int tag, int stunde = 0, int minute = 0, int sekunde = 0);

  Zeitpunkt jetzt() override { return jetzt_; }
  void schlafe(long hundertstel) override;
  void vor(std::chrono::milliseconds d) { jetzt_ += d; }
  long geschlafen_hundertstel() const { return geschlafen_; }

 private:
  Zeitpunkt jetzt_;
  long geschlafen_ = 0;
};

// Installs a clock for the lifetime of the object.
class UhrWechsel {
 public:
  explicit UhrWechsel(Uhr& u);
  ~UhrWechsel();
  UhrWechsel(const UhrWechsel&) = delete;
  UhrWechsel& operator=(const UhrWechsel&) = delete;

 private:
  Uhr* vorher_;
};

}  // namespace plat::process
