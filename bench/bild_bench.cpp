// Frame composition and base-map building, measured against a plain copy of
// one 1036 x 633 frame. Besides its CPU time each figure shows "xMemcpy", that
// time as a multiple of the copy, and "Seitenfehler", minor page faults per run.
#include "map/bild.h"
#include "map/karte.h"
#include "map/kueste.h"
#include "sky/fehler.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace umbrix {
namespace {

constexpr int32_t FensterBreite = 1036; // the paint area of the window's layout
constexpr int32_t FensterHoehe = 633;
constexpr std::size_t Rahmenbytes = std::size_t{FensterBreite} * FensterHoehe * sizeof(uint32_t);

long Seitenfehler() {
    rusage Nutzung{};
    getrusage(RUSAGE_SELF, &Nutzung);
    return Nutzung.ru_minflt;
}

double MemcpySekunden = 0; // median CPU time of one frame copy, measured at start

double CpuSekunden() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Starts the figures of one run: CPU time and page faults so far.
struct Messung {
    double Sekunden = CpuSekunden();
    long Fehler = Seitenfehler();
};

void Kennzahlen(benchmark::State& State, const Messung& Anfang) {
    const auto Runden = static_cast<double>(State.iterations());
    State.counters["xMemcpy"] = (CpuSekunden() - Anfang.Sekunden) / Runden / MemcpySekunden;
    State.counters["Seitenfehler"] = static_cast<double>(Seitenfehler() - Anfang.Fehler) / Runden;
}

double MemcpyMessen() {
    std::vector<uint32_t> Quelle(Rahmenbytes / sizeof(uint32_t), 0xFFFFFFFF);
    std::vector<uint32_t> Ziel(Quelle.size());
    std::vector<double> Zeiten;
    for (int i = 0; i < 301; ++i) {
        const double Anfang = CpuSekunden();
        std::memcpy(Ziel.data(), Quelle.data(), Rahmenbytes);
        benchmark::DoNotOptimize(Ziel.data());
        benchmark::ClobberMemory();
        Zeiten.push_back(CpuSekunden() - Anfang);
    }
    std::nth_element(Zeiten.begin(), Zeiten.begin() + 150, Zeiten.end());
    return Zeiten[150];
}

// The shipped coastlines, loaded once at start.
struct Kuestendaten {
    std::vector<KuestenPunkt> Kueste;
    int32_t KuestenAnzahl = 0;
};
Kuestendaten Kuestenlinien;

const Kuestendaten& GeteilteKueste() {
    return Kuestenlinien;
}

void BM_Memcpy(benchmark::State& State) {
    std::vector<uint32_t> Quelle(Rahmenbytes / sizeof(uint32_t), 0xFFFFFFFF);
    std::vector<uint32_t> Ziel(Quelle.size());
    const Messung Anfang;
    for (auto _ : State) {
        std::memcpy(Ziel.data(), Quelle.data(), Rahmenbytes);
        benchmark::DoNotOptimize(Ziel.data());
        benchmark::ClobberMemory();
    }
    Kennzahlen(State, Anfang);
}

void BM_Bild(benchmark::State& State) {
    const auto W = static_cast<int32_t>(State.range(0));
    const auto H = static_cast<int32_t>(State.range(1));
    const Geometrie G = GeometrieBerechnen(W, H);
    std::optional<Bitmap> Karte;
    const Kuestendaten& K = GeteilteKueste();
    KarteAufbauen(Karte, W, H, G, K.Kueste, K.KuestenAnzahl, true);
    Bitmap Bild;
    // A simulation: two minutes further at every frame.
    Bildvorgabe V{21, 6, 0, 0, 2026, true, true};
    BildZeichnen(Bild, *Karte, G, V);
    const Messung Anfang;
    for (auto _ : State) {
        V.Minute = (V.Minute + 2) % (24 * 60);
        BildZeichnen(Bild, *Karte, G, V);
        benchmark::DoNotOptimize(Bild.Pixel.data());
        benchmark::ClobberMemory();
    }
    Kennzahlen(State, Anfang);
}

void BM_KarteAufbauen(benchmark::State& State) {
    const Geometrie G = GeometrieBerechnen(FensterBreite, FensterHoehe);
    const Kuestendaten& K = GeteilteKueste();
    State.SetLabel(std::to_string(K.KuestenAnzahl) + " records");
    std::optional<Bitmap> Karte;
    const Messung Anfang;
    for (auto _ : State) {
        Karte.reset();
        KarteAufbauen(Karte, FensterBreite, FensterHoehe, G, K.Kueste, K.KuestenAnzahl, true);
        benchmark::DoNotOptimize(Karte->Pixel.data());
    }
    Kennzahlen(State, Anfang);
}

BENCHMARK(BM_Memcpy);
BENCHMARK(BM_Bild)->Args({FensterBreite, FensterHoehe})->Args({1920, 1080})->Args({3840, 2160});
BENCHMARK(BM_KarteAufbauen)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace umbrix

int main(int argc, char** argv) {
    // The labels need a QGuiApplication; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int QtArgc = 1;
    QGuiApplication App(QtArgc, argv);
    benchmark::Initialize(&argc, argv);
    try {
        umbrix::KuesteLaden(umbrix::Kuestenlinien.Kueste, umbrix::Kuestenlinien.KuestenAnzahl,
                            UMBRIX_KUESTENDATEI);
    } catch (const umbrix::Fehler& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    umbrix::MemcpySekunden = umbrix::MemcpyMessen();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
