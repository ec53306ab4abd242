#include "map/flaeche.h"
#include "map/ganz128.h"

#include <algorithm>
#include <cstdint>

namespace umbrix::intern {

namespace {

// An edge from its upper end (x0, y0) to its lower end, y0 < y1; it crosses
// the centre lines of the rows y0 .. y1 - 1.
struct Kante {
    int64_t x0, y0, x1, y1;
};

bool KanteBilden(Punkt P, Punkt Q, Kante& K) {
    if (P.y == Q.y) {
        return false;
    }
    K = P.y < Q.y ? Kante{P.x, P.y, Q.x, Q.y} : Kante{Q.x, Q.y, P.x, P.y};
    return true;
}

int64_t Abrunden(Int128 Zaehler, int64_t Nenner, int64_t& Rest) {
    // Most numerators fit 64 bits, whose division is several times faster.
    const bool Schmal = Zaehler >= INT64_MIN && Zaehler <= INT64_MAX;
    Int128 q = Schmal ? static_cast<int64_t>(Zaehler) / Nenner : Zaehler / Nenner;
    Int128 r = Schmal ? static_cast<int64_t>(Zaehler) % Nenner : Zaehler % Nenner;
    if (r < 0) {
        r += Nenner;
        --q;
    }
    Rest = static_cast<int64_t>(r);
    return static_cast<int64_t>(q);
}

template <class F> void ZeilenDerKante(const Kante& K, int32_t Hoehe, F&& Melden) {
    const int64_t Erste = std::max<int64_t>(K.y0, 0);
    const int64_t Letzte = std::min<int64_t>(K.y1, Hoehe) - 1;
    if (Letzte < Erste) {
        return;
    }
    // The crossing of row y lies at X = x0 + (y + 1/2 - y0) * dx / D; the first
    // pixel whose centre is not left of it is ceil(X - 1/2) = ceil(Z / 2D) with
    // Z = (2 x0 - 1) D + (2y + 1 - 2 y0) dx, which grows by 2 dx per row.
    const int64_t D = K.y1 - K.y0;
    const int64_t dx = K.x1 - K.x0;
    const int64_t Nenner = 2 * D;
    const Int128 Z =
        static_cast<Int128>(2 * K.x0 - 1) * D + static_cast<Int128>(2 * Erste + 1 - 2 * K.y0) * dx;
    int64_t Rest = 0;
    int64_t Quotient = Abrunden(Z, Nenner, Rest);
    int64_t SchrittRest = 0;
    const int64_t SchrittQuotient = Abrunden(static_cast<Int128>(2) * dx, Nenner, SchrittRest);
    for (int64_t y = Erste; y <= Letzte; ++y) {
        Melden(static_cast<int32_t>(y), Quotient + (Rest != 0 ? 1 : 0));
        Quotient += SchrittQuotient;
        Rest += SchrittRest;
        if (Rest >= Nenner) {
            Rest -= Nenner;
            ++Quotient;
        }
    }
}

} // namespace

void Flaechenraster::Rastern(std::span<const Punkt> Ecken, int32_t Breite, int32_t Hoehe) {
    const std::size_t Zeilen = static_cast<std::size_t>(std::max(Hoehe, 0));
    Beginn.assign(Zeilen + 1, 0);
    Fuellstand.resize(Zeilen);
    const std::size_t n = Ecken.size();
    const auto KantenBesuchen = [&](auto&& Melden) {
        for (std::size_t k = 0; k < n; ++k) {
            Kante K{};
            if (KanteBilden(Ecken[k], Ecken[(k + 1) % n], K)) {
                ZeilenDerKante(K, Hoehe, Melden);
            }
        }
    };

    // Count per row, then place every crossing in its row's slot.
    KantenBesuchen([&](int32_t y, int64_t) { ++Beginn[y + 1]; });
    for (std::size_t y = 0; y < Zeilen; ++y) {
        Beginn[y + 1] += Beginn[y];
        Fuellstand[y] = Beginn[y];
    }
    Spalten.resize(static_cast<std::size_t>(Beginn[Zeilen]));
    KantenBesuchen([&](int32_t y, int64_t Spalte) {
        Spalten[Fuellstand[y]++] = static_cast<int32_t>(std::clamp<int64_t>(Spalte, 0, Breite));
    });
    for (std::size_t y = 0; y < Zeilen; ++y) {
        // A row meets only a handful of edges.
        const auto Anfang = Spalten.begin() + Beginn[y];
        const auto Ende = Spalten.begin() + Beginn[y + 1];
        for (auto i = Anfang; i != Ende; ++i) {
            std::rotate(std::upper_bound(Anfang, i, *i), i, i + 1);
        }
    }
}

} // namespace umbrix::intern
