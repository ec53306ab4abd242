#include "gleitkomma.h"

#include "fehler.h"

#include <cmath>

namespace umbrix {

namespace {
// 2^63: the first magnitude that no int64 holds (the lowest, -2^63, still fits).
constexpr long double Int64Grenze = 9223372036854775808.0L;
} // namespace

double AlsDouble(long double Wert) {
    if (std::isnan(Wert)) {
        throw Fehler(UngueltigeOperation);
    }
    const double Ergebnis = static_cast<double>(Wert);
    if (std::isinf(Ergebnis) && std::isfinite(Wert)) {
        throw Fehler(Ueberlauf);
    }
    return Ergebnis;
}

int64_t Runden(long double Wert) {
    // Both round in the current mode, which is to-nearest-even. Below 2^63 in
    // magnitude, adding and taking off 2^63 leaves a last place worth 1, so the
    // addition does the rounding; that costs a fraction of nearbyintl, which
    // saves and restores the floating-point environment on every call.
    const long double Verschiebung = std::copysign(Int64Grenze, Wert);
    const long double Ganz = std::fabs(Wert) < Int64Grenze ? (Wert + Verschiebung) - Verschiebung
                                                           : std::nearbyintl(Wert);
    if (!(Ganz >= -Int64Grenze && Ganz < Int64Grenze)) {
        throw Fehler(UngueltigeOperation);
    }
    return static_cast<int64_t>(Ganz);
}

} // namespace umbrix
