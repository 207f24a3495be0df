// Opening a 50 000-record case-items table, building its index on the case
// number as six characters and seeking one key (target: at most 50 ms).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "platform/tables/arbeitsbereiche.h"
#include "platform/tables/struktur.h"
#include "platform/text/zahl.h"

namespace {

using namespace plat::tables;

const std::string& tabelle_50000() {
  static const std::string pfad = [] {
    std::string muster = (std::filesystem::temp_directory_path() / "bench-XXXXXX").string();
    const std::string ordner = ::mkdtemp(muster.data());
    const std::string p = ordner + "/POSTEN.DBF";
    erzeuge_tabelle(p, {{"auftrnr", 'N', 6, 0},
                        {"pos", 'N', 3, 0},
                        {"neu", 'C', 4, 0},
                        {"text", 'C', 40, 0},
                        {"betrageu", 'N', 10, 2}});
    auto t = oeffne_datei(p, "", true);
    for (int i = 0; i < 50000; ++i) {
      t->anhaengen();
      t->schreibe(1, plat::rt::Value((i * 7919) % 20000 + 1));  // cases in no particular order
      t->schreibe(2, plat::rt::Value(i % 10));
      t->schreibe(3, plat::rt::Value("g1"));
      t->schreibe(4, plat::rt::Value("Leistung"));
      t->schreibe(5, plat::rt::Value(123.45));
    }
    t->commit();
    return p;
  }();
  return pfad;
}

void OeffnenIndexSuchen(benchmark::State& state) {
  const std::string& pfad = tabelle_50000();
  for (auto _ : state) {
    Tabelle& t = oeffne(3, pfad, "POSTEN");
    t.setze_index([](const Tabelle& x) { return plat::text::str(x.lese(1).zahl(), 6); });
    benchmark::DoNotOptimize(t.suche(" 12345"));
    schliesse(3);
  }
}
BENCHMARK(OeffnenIndexSuchen)->Unit(benchmark::kMillisecond);

void SuchenImIndex(benchmark::State& state) {
  Tabelle& t = oeffne(3, tabelle_50000(), "POSTEN");
  t.setze_index([](const Tabelle& x) { return plat::text::str(x.lese(1).zahl(), 6); });
  long n = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(t.suche(plat::text::str(static_cast<double>(n++ % 20000 + 1), 6)));
  }
  schliesse(3);
}
BENCHMARK(SuchenImIndex)->Unit(benchmark::kMicrosecond);

}  // namespace

