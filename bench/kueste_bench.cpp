// Loading the shipped coastline file, which the window repeats at every
// resize. Run with --benchmark_repetitions=10
// --benchmark_report_aggregates_only=true for the median.
#include "map/kueste.h"

#include "sky/fehler.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

void KuesteLadenMessen(benchmark::State& Zustand) {
    std::vector<umbrix::KuestenPunkt> Kueste;
    int32_t KuestenAnzahl = 0;
    try {
        for (auto _ : Zustand) {
            umbrix::KuesteLaden(Kueste, KuestenAnzahl, UMBRIX_KUESTENDATEI);
            benchmark::DoNotOptimize(Kueste.data());
        }
    } catch (const umbrix::Fehler& e) {
        Zustand.SkipWithError(e.what());
        return;
    }
    Zustand.SetLabel(std::to_string(KuestenAnzahl) + " lines");
}

BENCHMARK(KuesteLadenMessen)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
