// Coastline file bytes through ZeileZerlegen and KuesteLaden: every failure is
// one of the loader's messages, and the array keeps its invariants.
#include "map/kueste.h"
#include "sky/fehler.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

bool IstLadeMeldung(std::string_view Meldung) {
    return Meldung.starts_with("Cannot open file ") ||
           Meldung == "List index out of bounds (0)" ||
           (Meldung.starts_with("'") && (Meldung.ends_with("' is not a valid integer value") ||
                                         Meldung.ends_with("' is not a valid floating point value")));
}

void Pruefen(bool Bedingung) {
    if (!Bedingung) {
        std::abort();
    }
}

std::string Dateiname() {
    return "/tmp/umbrix-kueste-fuzz-" + std::to_string(getpid()) + ".000";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Daten, size_t Groesse) {
    const std::string Text(reinterpret_cast<const char*>(Daten), Groesse);

    // The bytes as one line.
    double Breite = 7, Laenge = 8;
    int32_t Stift = 9;
    try {
        umbrix::ZeileZerlegen(Text, Breite, Laenge, Stift);
    } catch (const umbrix::Fehler& e) {
        // what() ends at a NUL byte that the quoted field may carry.
        Pruefen(Text.find('\0') != std::string::npos || IstLadeMeldung(e.what()));
    }

    // The bytes as a whole file, loaded twice into the same array.
    const std::string Datei = Dateiname();
    if (std::FILE* f = std::fopen(Datei.c_str(), "wb")) {
        std::fwrite(Text.data(), 1, Text.size(), f);
        std::fclose(f);
    }
    std::vector<umbrix::KuestenPunkt> Kueste;
    int32_t Anzahl = 0;
    for (int Lauf = 0; Lauf < 2; ++Lauf) {
        const int32_t Vorher = Anzahl;
        try {
            umbrix::KuesteLaden(Kueste, Anzahl, Datei);
            Pruefen(Anzahl > 0);
        } catch (const umbrix::Fehler& e) {
            Pruefen(IstLadeMeldung(e.what()));
            Pruefen(Anzahl == Vorher);
        }
        Pruefen(Kueste.size() >= umbrix::KuestenMindestlaenge);
        Pruefen(static_cast<std::size_t>(Anzahl) < Kueste.size());
        Pruefen(Kueste[0].Breite == 0 && Kueste[0].Laenge == 0 && Kueste[0].Stift == 0);
    }
    std::remove(Datei.c_str());
    return 0;
}
