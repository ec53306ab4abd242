#include "map/karte.h"

#include "sky/fehler.h"
#include "sky/gleitkomma.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace umbrix {

namespace {

constexpr long double GradLaenge = 360; // longitudes across the map
constexpr long double GradBreite = 160; // latitudes down the map
constexpr long double Halbkreis = 180;
constexpr long double Netzweite = 30; // degrees between graticule lines
constexpr int32_t Meridiane = 5;      // on each side of the centre
constexpr int32_t Parallelen = 3;
constexpr int64_t BeschriftungAbstand = 2;        // label offset from its line
constexpr int64_t MeridianBeschriftungUnten = 25; // label row above the bottom edge
constexpr long double Sprunggrenze = 100;         // a step this wide (pixels) is never drawn
constexpr const char* Gradzeichen = "\xC2\xB0";

std::string Beschriftung(int32_t Grad) {
    return std::to_string(Grad) + Gradzeichen;
}

void Gradnetz(Bitmap& K, int32_t Breite, int32_t Hoehe, const Geometrie& G) {
    K.Stift = Silber;
    const int32_t Netz = static_cast<int32_t>(Netzweite);
    for (int32_t i = -Meridiane; i <= Meridiane; ++i) {
        const double dx = AlsDouble(i * static_cast<long double>(G.sx) * Netzweite);
        const int64_t x = Runden(G.cx + static_cast<long double>(dx));
        Bewegen(K, {x, 0});
        LinieZiehen(K, {x, Hoehe});
        TextAusgeben(K, {x + BeschriftungAbstand, Hoehe - MeridianBeschriftungUnten},
                     Beschriftung(i * Netz), Rot);
    }
    for (int32_t i = -Parallelen; i <= Parallelen; ++i) {
        const double dy = AlsDouble(-static_cast<long double>(G.sy) * i * Netzweite);
        const int64_t y = Runden(G.cy + static_cast<long double>(dy));
        Bewegen(K, {0, y});
        LinieZiehen(K, {Breite, y});
        TextAusgeben(K, {BeschriftungAbstand, y + BeschriftungAbstand}, Beschriftung(i * Netz),
                     Rot);
    }
}

// The pen-up row: the centre added after rounding, checked like the rounding.
int64_t ZeileNachRunden(int32_t cy, double dy) {
    int64_t y = 0;
    if (__builtin_add_overflow(static_cast<int64_t>(cy), Runden(dy), &y)) {
        throw Fehler(UngueltigeOperation);
    }
    return y;
}

void Kuestenlinien(Bitmap& K, const Geometrie& G, const std::vector<KuestenPunkt>& Kueste,
                   int32_t KuestenAnzahl) {
    K.Stift = Blau;
    double LetztesDx = 0;
    // Record 0 is always visited; records the array does not hold are not.
    const int64_t Letzter =
        std::min<int64_t>(std::max(KuestenAnzahl, 0), static_cast<int64_t>(Kueste.size()) - 1);
    for (int64_t k = 0; k <= Letzter; ++k) {
        const KuestenPunkt& P = Kueste[static_cast<std::size_t>(k)];
        const double Laenge = P.Laenge > Halbkreis ? AlsDouble(P.Laenge - 2 * Halbkreis) : P.Laenge;
        const double dx = AlsDouble(static_cast<long double>(G.sx) * Laenge);
        const double dy = AlsDouble(-static_cast<long double>(G.sy) * P.Breite);
        const int64_t x = Runden(G.cx + static_cast<long double>(dx));
        if (P.Stift == 0) {
            Bewegen(K, {x, ZeileNachRunden(G.cy, dy)});
        } else if (std::fabs(static_cast<long double>(dx) - LetztesDx) >= Sprunggrenze) {
            Bewegen(K, {x, Runden(G.cy + static_cast<long double>(dy))});
        } else {
            LinieZiehen(K, {x, Runden(G.cy + static_cast<long double>(dy))});
        }
        LetztesDx = dx;
    }
}

} // namespace

Geometrie GeometrieBerechnen(int32_t Breite, int32_t Hoehe) {
    return {Breite / 2, Hoehe / 2, AlsDouble(Breite / GradLaenge), AlsDouble(Hoehe / GradBreite)};
}

void KarteAufbauen(std::optional<Bitmap>& Karte, int32_t Breite, int32_t Hoehe, const Geometrie& G,
                   const std::vector<KuestenPunkt>& Kueste, int32_t KuestenAnzahl, bool GradNetz) {
    Karte.emplace();
    BitmapAnlegen(*Karte, Breite, Hoehe);
    if (GradNetz) {
        Gradnetz(*Karte, Breite, Hoehe, G);
    }
    Kuestenlinien(*Karte, G, Kueste, KuestenAnzahl);
}

} // namespace umbrix
