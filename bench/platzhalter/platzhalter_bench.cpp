// Placeholder replacement over letters of growing size with one placeholder
// per about 60 bytes of text: the time must grow linearly with the text (a
// ten times larger letter takes at most twelve times as long), and the
// throughput must reach 10 MB/s. The pass-by-pass yardstick shows what the
// linear loop saves.
#include <benchmark/benchmark.h>

#include <string>

#include "docgen/placeholders/platzhalter.h"
#include "docgen/placeholders/referenz.h"
#include "docgen/testfall/testfall.h"

namespace {

// About 600 bytes with ten placeholders of the usual forms.
constexpr const char* kAbsatz =
    "Sehr geehrte $(1->ansp_anr) $(1->ansp_name) , wir best\x84tigen Ihnen den Auftrag "
    "$(1->auftrnr) vom $(cDatum) \r\n"
    "f\x81r die Bestattung von $(TrimVT(1->vorname)) $(1->name) . Der Rechnungsbetrag "
    "von $(1->betrag) EUR ist bis zum $(dFaellig) zu zahlen.\r\n"
    "$(IIF(lMann,'cHerr','cFrau')) $('Gesch\x84"
    "ftsf\x81hrer') in $(cOrt), den Angaben "
    "zufolge wird die Urne sp\x84ter beigesetzt, die Einzelheiten kl\x84ren wir noch mit "
    "Ihnen pers\x94nlich.\r\n"
    "Position 1\t$(nZahl) \tEUR, Position 2 in einer Spalte \t$(cKurz) \tbitte beachten.\r\n"
    "Mit freundlichen Gr\x81\xE1"
    "en, Ihr Bestattungshaus, Hamburger Stra\xE1"
    "e 1.\r\n";

docgen::test::TestFall& fall() {
  static docgen::test::TestFall* f = [] {
    auto* neu = new docgen::test::TestFall();
    neu->setze_variable("cDatum", "11.12.2026");
    neu->setze_variable("dFaellig", *plat::text::Datum::aus_ymd(2026, 12, 25));
    neu->setze_variable("lMann", true);
    neu->setze_variable("cHerr", "Herrn");
    neu->setze_variable("cFrau", "Frau");
    neu->setze_variable("cOrt", "Hamburg");
    neu->setze_variable("nZahl", 1234.5);
    neu->setze_variable("cKurz", "ab");
    return neu;
  }();
  return *f;
}

std::string vorlage(std::size_t bytes) {
  std::string s;
  while (s.size() < bytes) s += kAbsatz;
  return s;
}

void BM_Linear(benchmark::State& state) {
  fall();
  const std::string text = vorlage(static_cast<std::size_t>(state.range(0)));
  if (docgen::VariFunkErsatz_1(kAbsatz).find("X X X X X") != std::string::npos ||
      !fall().benutzer().meldungen().empty()) {
    state.SkipWithError("the letter has faulty placeholders");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(docgen::VariFunkErsatz_1(text));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_Linear)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_Durchlaufweise(benchmark::State& state) {
  fall();
  const std::string text = vorlage(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(docgen::platzhalter::ersetze_durchlaufweise(text));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_Durchlaufweise)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
