#include "sonne.h"

#include "fehler.h"
#include "gleitkomma.h"

#include <cmath>

namespace umbrix {

namespace {

constexpr long double StundenProTag = 24;
constexpr long double MinutenProStunde = 60;
constexpr long double GradProJahr = 360;
constexpr long double TageProJahr = 365;
constexpr long double GradProStunde = 15;
constexpr long double MinutenProGrad = 4;
constexpr long double Mittag = 12;
constexpr double Zonenbezug = -15.0; // Central European time: zone meridian 15 degrees east
constexpr long double Halbkreis = 180;
constexpr long double Vollkreis = 360;

// Fourier coefficients of the equation of time (minutes per radian term).
constexpr long double EMinutenFaktor = 229.2L;
constexpr long double EKonstant = 0.000075L;
constexpr long double ECos1 = 0.001868L;
constexpr long double ESin1 = 0.030277L;
constexpr long double ECos2 = 0.014615L;
constexpr long double ESin2 = 0.04089L;

// Declination: amplitude in degrees and the day offset of its phase.
constexpr long double DAmplitude = 23.44L;
constexpr long double DPhase = 284;

} // namespace

Sonnenstand SonnenstandBerechnen(uint16_t N, int32_t Stunde, int32_t Minute) {
    Sonnenstand S{};
    S.JahresTag = N;
    S.Stunde = Stunde;
    S.Minute = Minute;
    S.Bezugslaenge = Zonenbezug;

    const long double h = Stunde;
    const long double m = Minute;

    S.Jahreswinkel =
        AlsDouble(((N + h / StundenProTag) - 1) * GradProJahr / TageProJahr * GradInBogen);

    const long double g = S.Jahreswinkel;
    const long double Klammer =
        EKonstant + ECos1 * cosl(g) - ESin1 * sinl(g) - ECos2 * cosl(2 * g) - ESin2 * sinl(2 * g);
    S.Zeitgleichung = AlsDouble(EMinutenFaktor * Klammer);

    const long double Phase =
        (DPhase + N + h / StundenProTag) * GradProJahr / TageProJahr * GradInBogen;
    S.Deklination = AlsDouble(DAmplitude * sinl(Phase) * GradInBogen);

    // 12 - h is an exact integer (64 bits: no 32-bit hour overflows it)
    // before the minutes are taken off.
    const long double Stundenrest = static_cast<long double>(12 - static_cast<int64_t>(Stunde));
    S.SonnenLaenge =
        AlsDouble(GradProStunde * (Stundenrest - m / MinutenProStunde) + GradProStunde);
    if (S.SonnenLaenge > Halbkreis) {
        S.SonnenLaenge = AlsDouble(S.SonnenLaenge - Vollkreis);
    } else if (S.SonnenLaenge < -Halbkreis) {
        S.SonnenLaenge = AlsDouble(S.SonnenLaenge + Vollkreis);
    }

    S.SonnenBreite = AlsDouble(S.Deklination / GradInBogen);
    return S;
}

long double TangensDeklination(const Sonnenstand& S) {
    return tanl(S.Deklination);
}

double Grenzbreite(const Sonnenstand& S, double Laenge) {
    return Grenzbreite(S, Laenge, TangensDeklination(S));
}

double Grenzbreite(const Sonnenstand& S, double Laenge, long double TanDeklination) {
    const double Sonnenzeit = AlsDouble(
        static_cast<long double>(S.Stunde) + S.Minute / MinutenProStunde +
        S.Zeitgleichung / MinutenProStunde +
        (S.Bezugslaenge + static_cast<long double>(Laenge)) * MinutenProGrad / MinutenProStunde);
    const double Stundenwinkel = AlsDouble((Sonnenzeit - Mittag) * GradProStunde);

    if (TanDeklination == 0) {
        throw Fehler(DivisionDurchNull);
    }
    const long double q = -cosl(Stundenwinkel * GradInBogen) / TanDeklination;
    return AlsDouble(atanl(q) / GradInBogen);
}

} // namespace umbrix
