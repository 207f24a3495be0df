// eval EXPR: the value of the expression on one line; type EXPR: its type letter.
#include "apps/docgen/befehle.h"
#include "platform/expr/expr.h"
#include "platform/expr/fehler.h"
#include "platform/runtime/value.h"

namespace docgen::lauf {

int eval_befehl(const std::vector<std::string>& argumente) {
  try {
    ausgeben(plat::rt::als_text(plat::expr::auswerten(argumente.at(0))));
    return kErfolg;
  } catch (const plat::expr::AuswertungAbbruch&) {
    return kAusdruckFehler;  // already shown and logged
  }
}

int type_befehl(const std::vector<std::string>& argumente) {
  ausgeben(plat::expr::typ_pruefen(argumente.at(0)));
  return kErfolg;
}

}  // namespace docgen::lauf
