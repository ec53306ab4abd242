// Loading the coastline file, which the window repeats at every resize.
// Run with --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
// for the median.
#include "map/kueste.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int ErsatzZeilen = 32000;
constexpr int ZeilenProLinie = 50;
constexpr int Tausendstel = 1000;
constexpr int GroessteBreite = 90;
constexpr int GroessteLaenge = 180;
constexpr uint32_t Startwert = 12345;

// Stands in for the shipped file while it is absent: lines such as
// "-54.123 -170.456 1" in a temporary directory, removed at exit.
class Ersatzdatei {
public:
    Ersatzdatei() {
        std::string Vorlage = (fs::temp_directory_path() / "kueste_bench.XXXXXX").string();
        if (::mkdtemp(Vorlage.data()) == nullptr) {
            std::perror("mkdtemp");
            std::exit(EXIT_FAILURE);
        }
        Verzeichnis_ = Vorlage;
        std::ofstream Aus(Pfad(), std::ios::binary);
        uint32_t Zufall = Startwert;
        const auto Tausendstelgrad = [&Zufall](int Grenze) {
            Zufall = Zufall * 1664525u + 1013904223u; // a linear congruential generator
            const auto Spanne = static_cast<uint32_t>(2 * Grenze * Tausendstel);
            return static_cast<int>((Zufall >> 8) % Spanne) - Grenze * Tausendstel;
        };
        for (int k = 0; k < ErsatzZeilen; ++k) {
            const int Breite = Tausendstelgrad(GroessteBreite);
            const int Laenge = Tausendstelgrad(GroessteLaenge);
            Aus << Grad(Breite) << ' ' << Grad(Laenge) << ' ' << (k % ZeilenProLinie != 0) << '\n';
        }
    }
    ~Ersatzdatei() { fs::remove_all(Verzeichnis_); }
    std::string Pfad() const { return (Verzeichnis_ / "erde2.000").string(); }

private:
    static std::string Grad(int Tausendstelgrad) {
        char Text[16];
        std::snprintf(Text, sizeof Text, "%s%d.%03d", Tausendstelgrad < 0 ? "-" : "",
                      std::abs(Tausendstelgrad) / Tausendstel,
                      std::abs(Tausendstelgrad) % Tausendstel);
        return Text;
    }

    fs::path Verzeichnis_;
};

void KuesteLadenMessen(benchmark::State& Zustand) {
    static const bool Mitgeliefert = fs::exists(UMBRIX_KUESTENDATEI);
    static const std::unique_ptr<Ersatzdatei> Ersatz =
        Mitgeliefert ? nullptr : std::make_unique<Ersatzdatei>();
    static const std::string Pfad = Mitgeliefert ? UMBRIX_KUESTENDATEI : Ersatz->Pfad();
    std::vector<umbrix::KuestenPunkt> Kueste;
    int32_t KuestenAnzahl = 0;
    for (auto _ : Zustand) {
        umbrix::KuesteLaden(Kueste, KuestenAnzahl, Pfad);
        benchmark::DoNotOptimize(Kueste.data());
    }
    Zustand.SetLabel((Mitgeliefert ? "shipped file, " : "generated file, ") +
                     std::to_string(KuestenAnzahl) + " lines");
}

BENCHMARK(KuesteLadenMessen)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
