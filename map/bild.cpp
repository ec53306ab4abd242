#include "map/bild.h"

#include "map/ellipsenraster.h"
#include "map/flaeche.h"
#include "map/linie.h"
#include "map/pixel.h"
#include "sky/gleitkomma.h"
#include "sky/kalender.h"
#include "sky/sonne.h"

#include <emmintrin.h>

#include <array>
#include <cstring>

namespace umbrix {

namespace {

using intern::AlsPixel;

constexpr int64_t Rand = 50;          // the overlay reaches this far left of and above the map
constexpr int64_t Ueberstand = 101;   // the overlay is this much wider and higher than the map
constexpr int32_t ErsteLaenge = -181; // boundary vertices at every whole degree
constexpr int32_t LetzteLaenge = 183;
constexpr std::size_t Randecken = LetzteLaenge - ErsteLaenge + 1;
constexpr std::size_t Eckenzahl = Randecken + 4; // and four closing vertices
constexpr int64_t ObenZu = 1;                    // closing row over the top
constexpr int64_t LinksZu = 1;                   // closing column on the left
constexpr long double MarkeVor = 6;              // marker box: centre - 6 .. centre + 7
constexpr long double MarkeNach = 7;

// The night polygon and the marker box in overlay coordinates.
struct Nacht {
    std::array<Punkt, Eckenzahl> Ecken;
    Punkt MarkeLinksOben, MarkeRechtsUnten;
};

int64_t Pixelort(int32_t Mitte, double Versatz, long double a, long double b = 0) {
    return Runden(Mitte + static_cast<long double>(Versatz) + a + b);
}

Nacht NachtBerechnen(const Geometrie& G, int32_t Breite, int32_t Hoehe, const Bildvorgabe& V) {
    const uint16_t N =
        TagImJahr(static_cast<uint8_t>(V.Tag), static_cast<uint8_t>(V.Monat), V.Jahr);
    int32_t Stunde = V.Stunde;
    if (V.Sommerzeit && IstSommerzeit(V.Tag, V.Monat, V.Jahr)) {
        // Two's-complement wrap, as the field's 32-bit integer does.
        Stunde = static_cast<int32_t>(static_cast<uint32_t>(Stunde) - 1U);
    }
    const Sonnenstand S = SonnenstandBerechnen(N, Stunde, V.Minute);
    const long double Tangens = TangensDeklination(S);

    Nacht Ergebnis{};
    const long double sx = G.sx;
    const long double sy = G.sy;
    for (int32_t i = ErsteLaenge; i <= LetzteLaenge; ++i) {
        const double dx = AlsDouble(i * sx);
        const double dy = AlsDouble(-static_cast<long double>(Grenzbreite(S, i, Tangens)) * sy);
        Ergebnis.Ecken[static_cast<std::size_t>(i - ErsteLaenge)] = {Pixelort(G.cx, dx, Rand),
                                                                     Pixelort(G.cy, dy, Rand)};
    }

    const double sdx = AlsDouble(sx * S.SonnenLaenge);
    const double sdy = AlsDouble(-sy * S.SonnenBreite);
    const double bdy = AlsDouble(-sy * Grenzbreite(S, S.SonnenLaenge, Tangens));
    const int64_t Ow = Breite + Ueberstand;
    const int64_t Oh = Hoehe + Ueberstand;
    const int64_t Yc = sdy > bdy ? ObenZu : Oh;
    const Punkt Erste = Ergebnis.Ecken[0];
    const Punkt Letzte = Ergebnis.Ecken[Randecken - 1];
    Ergebnis.Ecken[Randecken] = {Ow, Letzte.y};
    Ergebnis.Ecken[Randecken + 1] = {Ow, Yc};
    Ergebnis.Ecken[Randecken + 2] = {LinksZu, Yc};
    Ergebnis.Ecken[Randecken + 3] = {LinksZu, Erste.y};

    Ergebnis.MarkeLinksOben = {Pixelort(G.cx, sdx, Rand, -MarkeVor),
                               Pixelort(G.cy, sdy, Rand, -MarkeVor)};
    Ergebnis.MarkeRechtsUnten = {Pixelort(G.cx, sdx, Rand, MarkeNach),
                                 Pixelort(G.cy, sdy, Rand, MarkeNach)};
    return Ergebnis;
}

constexpr uint32_t Tagmaske = 0xFFFFFFFF; // the white overlay keeps every bit

// Frames up to this size stay in the cache from one frame to the next; larger
// ones go to memory anyway, and stores that bypass the cache save reading each
// line of the frame in before it is overwritten.
constexpr std::size_t Cachegrenze = std::size_t{8} << 20;

// Ziel[i] = Quelle[i] & Maske for n pixels.
void Schreiben(uint32_t* Ziel, const uint32_t* Quelle, int32_t n, uint32_t Maske, bool Vorbei) {
    int32_t i = 0;
    if (Vorbei) {
        for (; i < n && reinterpret_cast<uintptr_t>(Ziel + i) % sizeof(__m128i) != 0; ++i) {
            Ziel[i] = Quelle[i] & Maske;
        }
        const __m128i M = _mm_set1_epi32(static_cast<int>(Maske));
        constexpr int32_t Block = sizeof(__m128i) / sizeof(uint32_t);
        for (; i + Block <= n; i += Block) {
            const __m128i Q = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Quelle + i));
            _mm_stream_si128(reinterpret_cast<__m128i*>(Ziel + i), _mm_and_si128(Q, M));
        }
    }
    for (; i < n; ++i) {
        Ziel[i] = Quelle[i] & Maske;
    }
}

// Overlay coordinates to map coordinates. Marker corners stay far inside the
// 64-bit range: even 32-bit field values move them by less than 2^60.
Punkt AufKarte(Punkt P) {
    return {P.x - Rand, P.y - Rand};
}

} // namespace

void BildZeichnen(Bitmap& Bild, const Bitmap& Karte, const Geometrie& G, const Bildvorgabe& V) {
    const int32_t W = Karte.Breite;
    const int32_t H = Karte.Hoehe;
    const Nacht Ueberlagerung = NachtBerechnen(G, W, H, V);

    Bild.Breite = W;
    Bild.Hoehe = H;
    Bild.Pixel.resize(Karte.Pixel.size());
    if (W == 0 || H == 0) {
        return;
    }

    // The overlay is never built: its night spans are ANDed in while Karte is
    // copied row by row, then the outline and the marker are written over them.
    std::array<Punkt, Eckenzahl> Ecken;
    for (std::size_t k = 0; k < Eckenzahl; ++k) {
        Ecken[k] = AufKarte(Ueberlagerung.Ecken[k]);
    }
    thread_local intern::Flaechenraster Raster; // keeps its buffers from frame to frame
    Raster.Rastern(Ecken, W, H);

    const uint32_t Nachtmaske = AlsPixel(Hellgrau);
    const auto Breite = static_cast<std::size_t>(W);
    const bool Vorbei = Bild.Pixel.size() * sizeof(uint32_t) > Cachegrenze;
    for (int32_t y = 0; y < H; ++y) {
        const uint32_t* Quelle = Karte.Pixel.data() + static_cast<std::size_t>(y) * Breite;
        uint32_t* Ziel = Bild.Pixel.data() + static_cast<std::size_t>(y) * Breite;
        const auto Schnitte = Raster.Schnitte(y);
        int32_t x = 0;
        for (std::size_t j = 0; j + 1 < Schnitte.size(); j += 2) {
            Schreiben(Ziel + x, Quelle + x, Schnitte[j] - x, Tagmaske, Vorbei);
            Schreiben(Ziel + Schnitte[j], Quelle + Schnitte[j], Schnitte[j + 1] - Schnitte[j],
                      Nachtmaske, Vorbei);
            x = Schnitte[j + 1];
        }
        Schreiben(Ziel + x, Quelle + x, W - x, Tagmaske, Vorbei);
    }
    _mm_sfence();

    const uint32_t Linienfarbe = AlsPixel(Schwarz);
    for (std::size_t k = 0; k < Eckenzahl; ++k) {
        intern::Linie(Ecken[k], Ecken[(k + 1) % Eckenzahl])
            .Rastern(W, H, [&](int32_t px, int32_t py) {
                Bild.Pixel[static_cast<std::size_t>(py) * Breite + static_cast<std::size_t>(px)] =
                    Linienfarbe;
            });
    }

    if (V.SonnenOrt) {
        const uint32_t Markenmaske = AlsPixel(Gelb);
        intern::Ellipsenraster(AufKarte(Ueberlagerung.MarkeLinksOben),
                               AufKarte(Ueberlagerung.MarkeRechtsUnten))
            .Rastern(W, H, [&](int32_t px, int32_t py, bool AmRand) {
                const std::size_t i =
                    static_cast<std::size_t>(py) * Breite + static_cast<std::size_t>(px);
                Bild.Pixel[i] = AmRand ? Linienfarbe : Karte.Pixel[i] & Markenmaske;
            });
    }
}

} // namespace umbrix
