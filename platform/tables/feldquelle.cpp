// The expression language reads table fields through rt::FeldQuelle; this is
// that source over the work areas. It is installed with the first open table
// unless another source is in force.
#include "platform/tables/feldquelle.h"

#include "platform/runtime/felder.h"
#include "platform/tables/arbeitsbereiche.h"

namespace plat::tables {
namespace {

class BereichsQuelle final : public rt::FeldQuelle {
 public:
  int bereich(std::string_view alias_oder_nr) override {
    const int n = alias_oder_nr.find_first_not_of(' ') == std::string_view::npos
                      ? gewaehlt()
                      : bereich_von(alias_oder_nr);
    return tabelle(n) ? n : 0;
  }
  std::optional<rt::Value> lese(int bereich, std::string_view feld) override {
    Tabelle* t = tabelle(bereich);
    if (!t) return std::nullopt;
    const int pos = t->feld_pos(feld);
    if (pos == 0) return std::nullopt;
    return t->lese(pos);
  }
  char typ(int bereich, std::string_view feld) override {
    Tabelle* t = tabelle(bereich);
    if (!t) return 0;
    const int pos = t->feld_pos(feld);
    return pos == 0 ? 0 : t->feld_typ(pos);
  }
};

}  // namespace

rt::FeldQuelle& feldquelle_der_bereiche() {
  static BereichsQuelle q;
  return q;
}

void installiere_feldquelle() {
  if (!rt::feldquelle()) rt::setze_feldquelle(&feldquelle_der_bereiche());
}

}  // namespace plat::tables
