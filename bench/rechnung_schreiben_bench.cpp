// Writing one invoice: composing the XML text alone, and the whole run with
// folder, atomic write (flushed to disk) and checks.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "einvoice/cii_erzeugung.h"
#include "einvoice/stammdaten.h"
#include "platform/files/pfad.h"

namespace {

std::vector<std::string> eingaben() {
  return {"2026117",
          "20261225",
          "20261219",
          "\x9A"
          "berf\x81hrung nach Orl\x82"
          "ans",
          "65.00",
          "1",
          "65.00",
          "Sarg & Kranz <Eiche>",
          "16.00",
          "2",
          "32.00",
          "Blumenschmuck",
          "40.00",
          "1",
          "40.00",
          "Trauerdruck",
          "12.50",
          "4",
          "50.00"};
}

void BM_CiiDokument(benchmark::State& state) {
  einvoice::Rechnungssatz satz;
  einvoice::setze_demo_stammdaten(satz);
  const auto e = eingaben();
  for (int k = 1; k <= einvoice::kEingabeAnzahl; ++k)
    satz[einvoice::eingabe_feld(k)] = e[static_cast<std::size_t>(k - 1)];
  for (auto _ : state) {
    einvoice::Abgeleitet a = einvoice::berechne_abgeleitete(satz);
    benchmark::DoNotOptimize(einvoice::cii_dokument(satz, a));
  }
}
BENCHMARK(BM_CiiDokument);

void BM_CiiErzeugung(benchmark::State& state) {
  namespace fs = std::filesystem;
  const fs::path c = fs::temp_directory_path() / ("bench_rechnung_" + std::to_string(::getpid()));
  fs::create_directories(c / "Vuvuvira/xR");
  plat::files::setze_laufwerk('C', c);
  einvoice::Rechnungssatz satz;
  einvoice::setze_demo_stammdaten(satz);
  const auto e = eingaben();
  for (auto _ : state) {
    benchmark::DoNotOptimize(einvoice::CII_Erzeugung(e, satz));
  }
  fs::remove_all(c);
}
BENCHMARK(BM_CiiErzeugung)->Unit(benchmark::kMicrosecond);

}  // namespace
