#include "map/linie.h"

#include <algorithm>

namespace umbrix::intern {

namespace {

Nat128 Betrag(Int128 v) {
    return v < 0 ? static_cast<Nat128>(-v) : static_cast<Nat128>(v);
}
int Richtung(Int128 v) {
    return v < 0 ? -1 : 1;
}

} // namespace

Linie::Linie(Punkt A, Punkt B) {
    const Int128 dx = static_cast<Int128>(B.x) - A.x;
    const Int128 dy = static_cast<Int128>(B.y) - A.y;
    XHaupt = Betrag(dx) >= Betrag(dy);
    const Int128 dHaupt = XHaupt ? dx : dy;
    const Int128 dNeben = XHaupt ? dy : dx;
    HauptAnfang = XHaupt ? A.x : A.y;
    NebenAnfang = XHaupt ? A.y : A.x;
    HauptRichtung = Richtung(dHaupt);
    NebenRichtung = Richtung(dNeben);
    Lang = Betrag(dHaupt);
    Kurz = Betrag(dNeben);
}

Nat128 Linie::Versatz(Nat128 t) const {
    // t < n and a <= n < 2^64, so t * a fits; 2 * (t * a mod n) < 2^65.
    const Nat128 Produkt = t * Kurz;
    const Nat128 Rest = Produkt % Lang;
    return Produkt / Lang + (2 * Rest >= Lang ? 1 : 0);
}

Linie::Bereich Linie::Sichtbar(int32_t Breite, int32_t Hoehe) const {
    constexpr Bereich Leer{0, -1};
    const Int128 HauptGrenze = XHaupt ? Breite : Hoehe;
    const Int128 NebenGrenze = XHaupt ? Hoehe : Breite;
    if (Lang == 0 || HauptGrenze <= 0 || NebenGrenze <= 0) {
        return Leer;
    }

    // The major axis bounds t directly.
    Int128 Erster = 0;
    Int128 Letzter = static_cast<Int128>(Lang) - 1;
    if (HauptRichtung > 0) {
        Erster = std::max(Erster, -HauptAnfang);
        Letzter = std::min(Letzter, HauptGrenze - 1 - HauptAnfang);
    } else {
        Erster = std::max(Erster, HauptAnfang - (HauptGrenze - 1));
        Letzter = std::min(Letzter, HauptAnfang);
    }
    if (Letzter < Erster) {
        return Leer;
    }

    // f is monotone in t, so the minor axis cuts off a prefix and a suffix,
    // found by bisection rather than by stepping through hidden pixels.
    // The minor coordinate runs from the start to the end's; when both lie
    // inside, so does every pixel.
    const Int128 NebenEnde = NebenAnfang + NebenRichtung * static_cast<Int128>(Kurz);
    if (NebenAnfang >= 0 && NebenAnfang < NebenGrenze && NebenEnde >= 0 &&
        NebenEnde < NebenGrenze) {
        return {Erster, Letzter};
    }
    const Int128 fMin = NebenRichtung > 0 ? -NebenAnfang : NebenAnfang - (NebenGrenze - 1);
    const Int128 fMax = NebenRichtung > 0 ? NebenGrenze - 1 - NebenAnfang : NebenAnfang;
    const auto f = [this](Int128 t) {
        return static_cast<Int128>(Versatz(static_cast<Nat128>(t)));
    };
    if (f(Erster) < fMin) {
        if (f(Letzter) < fMin) {
            return Leer;
        }
        Int128 Unten = Erster;
        Int128 Oben = Letzter;
        while (Unten < Oben) {
            const Int128 Mitte = Unten + (Oben - Unten) / 2;
            if (f(Mitte) >= fMin) {
                Oben = Mitte;
            } else {
                Unten = Mitte + 1;
            }
        }
        Erster = Unten;
    }
    if (f(Letzter) > fMax) {
        if (f(Erster) > fMax) {
            return Leer;
        }
        Int128 Unten = Erster;
        Int128 Oben = Letzter;
        while (Unten < Oben) {
            const Int128 Mitte = Oben - (Oben - Unten) / 2;
            if (f(Mitte) <= fMax) {
                Unten = Mitte;
            } else {
                Oben = Mitte - 1;
            }
        }
        Letzter = Unten;
    }
    return {Erster, Letzter};
}

} // namespace umbrix::intern
