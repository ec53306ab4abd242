#include "sky/fehler.h"
#include "sky/sonne.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <tuple>

namespace umbrix {
namespace {

double InGrad(double Bogen) {
    return static_cast<double>(Bogen / GradInBogen);
}

TEST(Sonne, Sonnenstandstabelle) {
    struct Fall {
        uint16_t N;
        int32_t h, m;
        double E, DeltaGrad, Laenge, Bs;
        bool NachtImNorden;
    };
    const Fall Faelle[] = {
        {172, 12, 0, -1.3568, 23.4398, 15, -66.560, false},
        {355, 12, 0, 1.8672, -23.4380, 15, 66.561, true},
        {80, 12, 0, -7.3042, -0.2017, 15, 89.798, true},
        {307, 12, 0, 16.0145, -16.1045, 15, 73.858, true},
        {46, 12, 0, -13.9621, -13.1168, 15, 76.860, true},
        {1, 0, 0, -2.9044, -23.0018, -165, 66.997, true},
    };
    for (const Fall& f : Faelle) {
        SCOPED_TRACE(testing::Message() << "N=" << f.N << " h=" << f.h);
        const Sonnenstand S = SonnenstandBerechnen(f.N, f.h, f.m);
        EXPECT_EQ(S.JahresTag, f.N);
        EXPECT_EQ(S.Stunde, f.h);
        EXPECT_EQ(S.Minute, f.m);
        EXPECT_EQ(S.Bezugslaenge, -15.0);
        EXPECT_NEAR(S.Zeitgleichung, f.E, 5e-5);
        EXPECT_NEAR(InGrad(S.Deklination), f.DeltaGrad, 5e-5);
        EXPECT_EQ(S.SonnenBreite, static_cast<double>(S.Deklination / GradInBogen));
        EXPECT_EQ(S.SonnenLaenge, f.Laenge);
        const double Bs = Grenzbreite(S, S.SonnenLaenge);
        EXPECT_NEAR(Bs, f.Bs, 5e-4);
        // The night lies north of the boundary exactly when the sun lies south of it.
        EXPECT_EQ(S.SonnenBreite < Bs, f.NachtImNorden);
    }
}

TEST(Sonne, GrenzbreiteAnLaengen) {
    struct Fall {
        uint16_t N;
        double Laenge, Breite;
    };
    const Fall Faelle[] = {
        {172, 0, -65.792},  {172, 90, -31.389}, {172, -90, 31.389}, {172, -181, 65.686},
        {172, 183, 66.068}, {80, -90, -89.303}, {80, 0, 89.789},    {80, 90, 89.303},
        {80, 183, -89.792}, {80, -74, -76.27},  {80, -73, 40.77},   {80, 106, 76.27},
        {80, 107, -40.77},
    };
    for (const Fall& f : Faelle) {
        const Sonnenstand S = SonnenstandBerechnen(f.N, 12, 0);
        EXPECT_NEAR(Grenzbreite(S, f.Laenge), f.Breite, 5e-3) << f.N << " at " << f.Laenge;
    }
}

TEST(Sonne, SonnenLaengeUndFaltung) {
    struct Fall {
        int32_t h, m;
        double Laenge;
    };
    for (const Fall f : {Fall{13, 0, 0},
                         {12, 0, 15},
                         {1, 0, 180},
                         {0, 0, -165},
                         {-1, 30, -157.5},
                         {30, 0, 105},
                         {-23, 0, 180},
                         {25, 0, -180},
                         // One folding step only: far hours stay off the map.
                         {50, 0, -195},
                         {-24, -60, 210},
                         {80, 0, -645}}) {
        EXPECT_EQ(SonnenstandBerechnen(172, f.h, f.m).SonnenLaenge, f.Laenge) << f.h << ":" << f.m;
    }
}

TEST(Sonne, MinuteAendertNurSonnenLaengeUndGrenze) {
    const Sonnenstand A = SonnenstandBerechnen(100, 9, 0);
    const Sonnenstand B = SonnenstandBerechnen(100, 9, 37);
    EXPECT_EQ(A.Jahreswinkel, B.Jahreswinkel);
    EXPECT_EQ(A.Zeitgleichung, B.Zeitgleichung);
    EXPECT_EQ(A.Deklination, B.Deklination);
    EXPECT_NE(A.SonnenLaenge, B.SonnenLaenge);
    EXPECT_NE(Grenzbreite(A, 10), Grenzbreite(B, 10));

    const Sonnenstand C = SonnenstandBerechnen(100, 10, 0);
    EXPECT_NE(A.Jahreswinkel, C.Jahreswinkel);
    EXPECT_NE(A.Zeitgleichung, C.Zeitgleichung);
    EXPECT_NE(A.Deklination, C.Deklination);
}

TEST(Sonne, GrenzbreiteEigenschaften) {
    // Random days, clock times and longitudes, the usual ones and far beyond.
    std::mt19937 Zufall(20261211);
    std::uniform_int_distribution<int> Tag(0, 65535);
    std::uniform_int_distribution<int32_t> Stunde(-30, 60), Minute(-200, 200);
    std::uniform_real_distribution<double> Laenge(-181, 183);
    for (int i = 0; i < 2000; ++i) {
        const Sonnenstand S = SonnenstandBerechnen(static_cast<uint16_t>(Tag(Zufall)),
                                                   Stunde(Zufall), Minute(Zufall));
        const double L = Laenge(Zufall);
        const double B = Grenzbreite(S, L);
        const double Grenze = 90 - std::fabs(InGrad(S.Deklination));
        EXPECT_LE(std::fabs(B), Grenze + 1e-9) << i;
        EXPECT_NEAR(Grenzbreite(S, L + 360), B, 1e-6) << i;
        EXPECT_NEAR(Grenzbreite(S, L - 720), B, 1e-6) << i;
    }
}

TEST(Sonne, GrenzbreiteNullWoDerStundenwinkel90GradIst) {
    // Hour angle +-90 degrees: T = 6 or 18 local solar time.
    const Sonnenstand S = SonnenstandBerechnen(172, 12, 0);
    const double L = 15 - 90 - S.Zeitgleichung / 4; // T = 6 h
    EXPECT_NEAR(Grenzbreite(S, L), 0, 1e-9);
    EXPECT_NEAR(Grenzbreite(S, L + 180), 0, 1e-9);
}

TEST(Sonne, DeklinationNullIstDivisionDurchNull) {
    // delta is exactly zero when 284 + N + h / 24 is zero.
    for (uint16_t N : {uint16_t{0}, uint16_t{1}, uint16_t{100}, uint16_t{65535}}) {
        const int32_t h = -24 * (284 + N);
        const Sonnenstand S = SonnenstandBerechnen(N, h, 0);
        EXPECT_EQ(S.Deklination, 0.0) << N;
        try {
            Grenzbreite(S, 0);
            ADD_FAILURE() << "no error for N = " << N;
        } catch (const Fehler& e) {
            EXPECT_STREQ(e.what(), "Floating point division by zero");
        }
    }
}

TEST(Sonne, GrenzbreiteMitVorberechnetemTangens) {
    for (auto [N, h, m] : {std::tuple{172, 12, 0}, {355, 0, 30}, {80, 17, -5}, {1, 2000000, 7}}) {
        const Sonnenstand S = SonnenstandBerechnen(static_cast<uint16_t>(N), h, m);
        const long double Tangens = TangensDeklination(S);
        for (double Laenge = -181; Laenge <= 183; Laenge += 0.25) {
            ASSERT_EQ(Grenzbreite(S, Laenge, Tangens), Grenzbreite(S, Laenge))
                << N << " " << Laenge;
        }
    }
    const Sonnenstand Null = SonnenstandBerechnen(1, -24 * 285, 0);
    EXPECT_THROW(Grenzbreite(Null, 0, TangensDeklination(Null)), Fehler);
}

TEST(Sonne, ExtremeEingabenBleibenEndlich) {
    for (int32_t h : {INT32_MIN, INT32_MAX, -6817, 0}) {
        for (int32_t m : {INT32_MIN, INT32_MAX, 0}) {
            const Sonnenstand S = SonnenstandBerechnen(65535, h, m);
            for (double L : {-181.0, 0.0, 183.0, 1e6, -1e12}) {
                const double B = Grenzbreite(S, L);
                EXPECT_TRUE(std::isfinite(B)) << h << " " << m << " " << L;
                EXPECT_LE(std::fabs(B), 90.0);
            }
        }
    }
}

TEST(Sonne, UngueltigeLaengeIstEinFehler) {
    const Sonnenstand S = SonnenstandBerechnen(172, 12, 0);
    struct Fall {
        double Laenge;
        const char* Meldung;
    };
    for (const Fall f : {Fall{NAN, "Invalid floating point operation"},
                         {INFINITY, "Invalid floating point operation"}}) {
        try {
            Grenzbreite(S, f.Laenge);
            ADD_FAILURE() << "no error for " << f.Laenge;
        } catch (const Fehler& e) {
            EXPECT_STREQ(e.what(), f.Meldung) << f.Laenge;
        }
    }
}

} // namespace
} // namespace umbrix
