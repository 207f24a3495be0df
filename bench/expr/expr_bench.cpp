// Evaluating placeholder expressions once they are parsed (the cache holds
// them after the first call): field access, a function call and IIF.
#include <benchmark/benchmark.h>

#include "platform/expr/expr.h"
#include "platform/expr/test_feldquelle.h"
#include "platform/runtime/variablen.h"

namespace {

using plat::rt::Value;

struct Host {
  Host() : wechsel(quelle) {
    quelle.bereiche[1].alias = "AUFTRAG";
    quelle.feld(1, "name", 'C', Value("Schmidt             "));
    quelle.feld(1, "vorname", 'C', Value("Anna                "));
    quelle.feld(1, "betrag", 'N', Value(1234.5, 10, 2));
    rahmen.erzeuge("cHerr", "Herrn");
    rahmen.erzeuge("lMann", false);
  }
  plat::expr::test::TestFeldQuelle quelle;
  plat::rt::FeldQuelleWechsel wechsel;
  plat::rt::Rahmen rahmen;
};

void auswerten_text(benchmark::State& state, const char* ausdruck) {
  Host host;
  for (auto _ : state) benchmark::DoNotOptimize(plat::expr::auswerten(ausdruck));
  state.SetItemsProcessed(state.iterations());
}

void typ_pruefen_text(benchmark::State& state, const char* ausdruck) {
  Host host;
  for (auto _ : state) benchmark::DoNotOptimize(plat::expr::typ_pruefen(ausdruck));
  state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK_CAPTURE(auswerten_text, platzhalter, "IIF(EMPTY(1->name), 'unbekannt', TRIM(1->name))");
BENCHMARK_CAPTURE(auswerten_text, anrede,
                  "IIF(lMann, cHerr, 'Frau') + ' ' + TRIM(AUFTRAG->vorname)");
BENCHMARK_CAPTURE(auswerten_text, feld, "1->betrag");
BENCHMARK_CAPTURE(typ_pruefen_text, platzhalter, "IIF(EMPTY(1->name), 'unbekannt', TRIM(1->name))");
