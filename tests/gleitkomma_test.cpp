#include "sky/fehler.h"
#include "sky/gleitkomma.h"

#include "fehlermeldung.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <random>

namespace umbrix {
namespace {

TEST(Gleitkomma, RundenHalbZurGeraden) {
    struct Fall {
        long double Wert;
        int64_t Ergebnis;
    };
    for (const Fall f : {Fall{0.5L, 0},
                         {1.5L, 2},
                         {2.5L, 2},
                         {-0.5L, 0},
                         {-1.5L, -2},
                         {317.5L, 318},
                         {316.5L, 316},
                         {2.4999999L, 2},
                         {-2.5000001L, -3},
                         {-9223372036854775808.0L, INT64_MIN},

                         {9223372036854775807.0L, INT64_MAX}}) {
        EXPECT_EQ(Runden(f.Wert), f.Ergebnis) << static_cast<double>(f.Wert);
    }
}

TEST(Gleitkomma, RundenWieNearbyintl) {
    std::mt19937_64 Zufall(5);
    std::uniform_int_distribution<int> Exponent(-3, 64);
    std::uniform_real_distribution<long double> Bruch(-1, 1);
    for (int i = 0; i < 200000; ++i) {
        const long double v = std::ldexp(Bruch(Zufall), Exponent(Zufall));
        // Halves and integers at every magnitude.
        for (long double w : {v, std::round(v), std::trunc(v) + 0.5L}) {
            const long double Erwartet = std::nearbyintl(w);
            if (Erwartet >= -9223372036854775808.0L && Erwartet < 9223372036854775808.0L) {
                ASSERT_EQ(Runden(w), static_cast<int64_t>(Erwartet)) << static_cast<double>(w);
            }
        }
    }
}

TEST(Gleitkomma, RundenAusserhalbInt64IstUngueltig) {
    for (long double v : {9223372036854775808.0L, -9223372036854775810.0L, 1e300L,
                          static_cast<long double>(NAN), static_cast<long double>(INFINITY)}) {
        EXPECT_EQ(Meldung([&] { Runden(v); }), "Invalid floating point operation");
    }
}

TEST(Gleitkomma, AlsDoublePrueftUeberlaufUndNaN) {
    EXPECT_EQ(AlsDouble(1.25L), 1.25);
    EXPECT_EQ(AlsDouble(static_cast<long double>(DBL_MAX)), DBL_MAX);
    EXPECT_EQ(AlsDouble(1e-4000L), 0.0); // underflow passes silently
    EXPECT_EQ(Meldung([] { AlsDouble(static_cast<long double>(DBL_MAX) * 2); }),
              "Floating point overflow");
    EXPECT_EQ(Meldung([] { AlsDouble(-1e400L); }), "Floating point overflow");
    EXPECT_EQ(Meldung([] { AlsDouble(static_cast<long double>(NAN)); }),
              "Invalid floating point operation");
}

} // namespace
} // namespace umbrix
