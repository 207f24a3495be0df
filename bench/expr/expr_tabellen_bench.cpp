// The same placeholder expression over a real DBF table in work area 1.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "platform/expr/expr.h"
#include "platform/tables/arbeitsbereiche.h"
#include "platform/tables/struktur.h"

namespace {

using plat::rt::Value;

void auswerten_auf_tabelle(benchmark::State& state, const char* ausdruck) {
  std::string muster = (std::filesystem::temp_directory_path() / "exprbench-XXXXXX").string();
  const std::string ordner = ::mkdtemp(muster.data());
  const std::string pfad = ordner + "/AUFTRAG.DBF";
  plat::tables::erzeuge_tabelle(
      pfad, {{"auftrnr", 'N', 6, 0}, {"name", 'C', 30, 0}, {"vorname", 'C', 20, 0}});
  {
    auto& t = plat::tables::oeffne(1, pfad, "AUFTRAG");
    t.anhaengen();
    t.schreibe("auftrnr", Value(4711));
    t.schreibe("name", Value("Schmidt"));
    t.schreibe("vorname", Value("Anna"));
    t.commit();
    t.gehe_oben();
  }
  for (auto _ : state) benchmark::DoNotOptimize(plat::expr::auswerten(ausdruck));
  state.SetItemsProcessed(state.iterations());
  plat::tables::schliesse_alle();
  std::filesystem::remove_all(ordner);
}

}  // namespace

BENCHMARK_CAPTURE(auswerten_auf_tabelle, platzhalter,
                  "IIF(EMPTY(1->name), 'unbekannt', TRIM(1->name))");
BENCHMARK_CAPTURE(auswerten_auf_tabelle, nackter_feldname, "TRIM(vorname) + ' ' + TRIM(name)");
