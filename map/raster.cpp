#include "map/raster.h"

#include "map/ellipsenraster.h"
#include "map/flaeche.h"
#include "map/ganz128.h"
#include "map/linie.h"
#include "map/pixel.h"

#include <QImage>

#include <algorithm>
#include <cstring>

namespace umbrix {

namespace {

using intern::AlsPixel;
using intern::Int128;

uint32_t* Zeile(Bitmap& B, int32_t y) {
    return B.Pixel.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(B.Breite);
}
const uint32_t* Zeile(const Bitmap& B, int32_t y) {
    return B.Pixel.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(B.Breite);
}

void Setzen(Bitmap& B, int32_t x, int32_t y, uint32_t Wert) {
    Zeile(B, y)[x] = Wert;
}

// Fills columns x0 .. x1 - 1 of rows y0 .. y1 - 1, clipped to the bitmap.
void Fuellen(Bitmap& B, Int128 x0, Int128 y0, Int128 x1, Int128 y1, uint32_t Wert) {
    const int32_t xa = static_cast<int32_t>(std::max<Int128>(x0, 0));
    const int32_t xe = static_cast<int32_t>(std::min<Int128>(x1, B.Breite));
    const int32_t ya = static_cast<int32_t>(std::max<Int128>(y0, 0));
    const int32_t ye = static_cast<int32_t>(std::min<Int128>(y1, B.Hoehe));
    for (int32_t y = ya; y < ye; ++y) {
        std::fill(Zeile(B, y) + xa, Zeile(B, y) + std::max(xa, xe), Wert);
    }
}

// Runs Verknuepfen(target row, source row, count) over the overlap of Quelle
// placed at Ort with Ziel.
template <class F> void Auflegen(Bitmap& Ziel, Punkt Ort, const Bitmap& Quelle, F&& Verknuepfen) {
    const Int128 xa = std::max<Int128>(Ort.x, 0);
    const Int128 xe = std::min<Int128>(static_cast<Int128>(Ort.x) + Quelle.Breite, Ziel.Breite);
    const Int128 ya = std::max<Int128>(Ort.y, 0);
    const Int128 ye = std::min<Int128>(static_cast<Int128>(Ort.y) + Quelle.Hoehe, Ziel.Hoehe);
    if (xe <= xa || ye <= ya) {
        return;
    }
    const auto Anzahl = static_cast<std::size_t>(xe - xa);
    for (Int128 y = ya; y < ye; ++y) {
        Verknuepfen(Zeile(Ziel, static_cast<int32_t>(y)) + static_cast<int32_t>(xa),
                    Zeile(Quelle, static_cast<int32_t>(y - Ort.y)) +
                        static_cast<int32_t>(xa - Ort.x),
                    Anzahl);
    }
}

} // namespace

void BitmapAnlegen(Bitmap& B, int32_t Breite, int32_t Hoehe) {
    B.Breite = std::max(Breite, 0);
    B.Hoehe = std::max(Hoehe, 0);
    B.Pixel.assign(static_cast<std::size_t>(B.Breite) * static_cast<std::size_t>(B.Hoehe),
                   AlsPixel(Weiss));
}

Farbe PixelLesen(const Bitmap& B, int32_t x, int32_t y) {
    return intern::AlsFarbe(Zeile(B, y)[x]);
}

void Bewegen(Bitmap& B, Punkt Ziel) {
    B.StiftOrt = Ziel;
}

void LinieZiehen(Bitmap& B, Punkt Ziel) {
    const uint32_t Wert = AlsPixel(B.Stift);
    intern::Linie(B.StiftOrt, Ziel).Rastern(B.Breite, B.Hoehe, [&](int32_t x, int32_t y) {
        Setzen(B, x, y, Wert);
    });
    B.StiftOrt = Ziel;
}

void Rechteck(Bitmap& B, Punkt LinksOben, Punkt RechtsUnten) {
    const Int128 x0 = std::min(LinksOben.x, RechtsUnten.x);
    const Int128 x1 = std::max(LinksOben.x, RechtsUnten.x);
    const Int128 y0 = std::min(LinksOben.y, RechtsUnten.y);
    const Int128 y1 = std::max(LinksOben.y, RechtsUnten.y);
    if (x1 <= x0 || y1 <= y0) {
        return;
    }
    Fuellen(B, x0, y0, x1, y1, AlsPixel(B.Pinsel));
    const uint32_t Rand = AlsPixel(B.Stift);
    Fuellen(B, x0, y0, x1, y0 + 1, Rand);
    Fuellen(B, x0, y1 - 1, x1, y1, Rand);
    Fuellen(B, x0, y0, x0 + 1, y1, Rand);
    Fuellen(B, x1 - 1, y0, x1, y1, Rand);
}

void Vieleck(Bitmap& B, std::span<const Punkt> Ecken) {
    intern::Flaechenraster Raster;
    Raster.Rastern(Ecken, B.Breite, B.Hoehe);
    const uint32_t Fuellung = AlsPixel(B.Pinsel);
    for (int32_t y = 0; y < B.Hoehe; ++y) {
        const auto Schnitte = Raster.Schnitte(y);
        for (std::size_t k = 0; k + 1 < Schnitte.size(); k += 2) {
            std::fill(Zeile(B, y) + Schnitte[k], Zeile(B, y) + Schnitte[k + 1], Fuellung);
        }
    }
    const uint32_t Rand = AlsPixel(B.Stift);
    for (std::size_t k = 0; k < Ecken.size(); ++k) {
        intern::Linie(Ecken[k], Ecken[(k + 1) % Ecken.size()])
            .Rastern(B.Breite, B.Hoehe, [&](int32_t x, int32_t y) { Setzen(B, x, y, Rand); });
    }
}

void Ellipse(Bitmap& B, Punkt LinksOben, Punkt RechtsUnten) {
    const uint32_t Fuellung = AlsPixel(B.Pinsel);
    const uint32_t Rand = AlsPixel(B.Stift);
    intern::Ellipsenraster(LinksOben, RechtsUnten)
        .Rastern(B.Breite, B.Hoehe, [&](int32_t x, int32_t y, bool AmRand) {
            Setzen(B, x, y, AmRand ? Rand : Fuellung);
        });
}

void Kopieren(Bitmap& Ziel, Punkt Ort, const Bitmap& Quelle) {
    Auflegen(Ziel, Ort, Quelle, [](uint32_t* Z, const uint32_t* Q, std::size_t n) {
        std::memcpy(Z, Q, n * sizeof(uint32_t));
    });
}

void UndKopieren(Bitmap& Ziel, Punkt Ort, const Bitmap& Quelle) {
    Auflegen(Ziel, Ort, Quelle, [](uint32_t* Z, const uint32_t* Q, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i) {
            Z[i] &= Q[i];
        }
    });
}

QImage AlsQImage(const Bitmap& B) {
    return QImage(reinterpret_cast<const uchar*>(B.Pixel.data()), B.Breite, B.Hoehe,
                  static_cast<qsizetype>(B.Breite) * static_cast<qsizetype>(sizeof(uint32_t)),
                  QImage::Format_RGB32);
}

} // namespace umbrix
