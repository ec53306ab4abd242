#pragma once

#include "map/ganz128.h"
#include "map/raster.h"

#include <cstdint>

// The pixels of a one-pixel line, clipped to a Breite x Hoehe area without
// visiting any pixel outside it, for any pair of 64-bit end points.
namespace umbrix::intern {

// A line from A to B visits n = max(|dx|, |dy|) pixels t = 0 .. n - 1 (B itself
// is left out): t steps along the major axis and the minor axis advances by
// f(t) = floor((2ta + n) / 2n), a the minor extent, i.e. t * a / n rounded
// with halves away from A.
class Linie {
public:
    Linie(Punkt A, Punkt B);

    // Calls Setzen(x, y) for every pixel of the line inside 0 .. Breite - 1,
    // 0 .. Hoehe - 1, in order from A.
    template <class F> void Rastern(int32_t Breite, int32_t Hoehe, F&& Setzen) const;

private:
    struct Bereich {
        Int128 Erster;
        Int128 Letzter; // inclusive; empty when Letzter < Erster
    };
    // The steps t whose pixel lies inside the area.
    Bereich Sichtbar(int32_t Breite, int32_t Hoehe) const;
    Nat128 Versatz(Nat128 t) const; // f(t)

    bool XHaupt = true; // x is the major axis
    Int128 HauptAnfang = 0, NebenAnfang = 0;
    int HauptRichtung = 1, NebenRichtung = 1;
    Nat128 Lang = 0; // n, the number of pixels
    Nat128 Kurz = 0; // a, the minor extent
};

template <class F> void Linie::Rastern(int32_t Breite, int32_t Hoehe, F&& Setzen) const {
    const Bereich B = Sichtbar(Breite, Hoehe);
    if (B.Letzter < B.Erster) {
        return;
    }
    // Incremental form of f: Rest = (2ta + n) mod 2n.
    const Nat128 t0 = static_cast<Nat128>(B.Erster);
    const Nat128 Produkt = t0 * Kurz;
    Nat128 f = Produkt / Lang;
    Nat128 Rest = 2 * (Produkt % Lang) + Lang;
    if (Rest >= 2 * Lang) {
        Rest -= 2 * Lang;
        ++f;
    }
    const Int128 Anzahl = B.Letzter - B.Erster + 1;
    Int128 Haupt = HauptAnfang + HauptRichtung * B.Erster;
    for (Int128 k = 0; k < Anzahl; ++k) {
        const Int128 Neben = NebenAnfang + NebenRichtung * static_cast<Int128>(f);
        if (XHaupt) {
            Setzen(static_cast<int32_t>(Haupt), static_cast<int32_t>(Neben));
        } else {
            Setzen(static_cast<int32_t>(Neben), static_cast<int32_t>(Haupt));
        }
        Haupt += HauptRichtung;
        Rest += 2 * Kurz;
        if (Rest >= 2 * Lang) {
            Rest -= 2 * Lang;
            ++f;
        }
    }
}

} // namespace umbrix::intern
