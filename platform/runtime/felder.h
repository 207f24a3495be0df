// Access to table fields for the expression language, without linking the
// table engine: the table layer implements FeldQuelle and installs it; the
// evaluator asks it for "alias->feld", "(1)->feld" and bare field names of
// the selected work area.
#pragma once

#include <optional>
#include <string_view>

#include "platform/runtime/value.h"

namespace plat::rt {

class FeldQuelle {
 public:
  virtual ~FeldQuelle() = default;
  // The work area named by an alias or a number text ("1", "kunden");
  // the empty text means the selected work area. 0 when none is open there.
  virtual int bereich(std::string_view alias_oder_nr) = 0;
  // The field's value in the current record of that area (C and M as text,
  // N as a number carrying the field's width and decimals, D, L); nullopt
  // when the area has no such field. Names are compared without regard to case.
  virtual std::optional<Value> lese(int bereich, std::string_view feld) = 0;
  // The field's type letter 'C', 'N', 'D', 'L' or 'M'; 0 when there is none.
  virtual char typ(int bereich, std::string_view feld) = 0;
};

// The source in force (not owned), or null when no table layer is installed.
FeldQuelle* feldquelle();
void setze_feldquelle(FeldQuelle* q);

// Installs a source for the lifetime of the object (tests, the runner).
class FeldQuelleWechsel {
 public:
  explicit FeldQuelleWechsel(FeldQuelle& q) : vorher_(feldquelle()) { setze_feldquelle(&q); }
  ~FeldQuelleWechsel() { setze_feldquelle(vorher_); }
  FeldQuelleWechsel(const FeldQuelleWechsel&) = delete;
  FeldQuelleWechsel& operator=(const FeldQuelleWechsel&) = delete;

 private:
  FeldQuelle* vorher_;
};

}  // namespace plat::rt
