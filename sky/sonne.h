#pragma once

#include <cstdint>

// Sun model: equation of time, declination and subsolar point for a day of
// the year and a Central European clock time, and the latitude of the
// day-night boundary at any longitude. Intermediates run in long double
// (64-bit significand); every stored value is rounded to double.
namespace umbrix {

// pi / 180 with a 64-bit significand; the only degree-radian factor.
inline constexpr long double GradInBogen = 0.017453292519943295769L;

struct Sonnenstand {
    uint16_t JahresTag;   // N, day of the year
    int32_t Stunde;       // h, clock hour after the summer-time correction
    int32_t Minute;       // m, minute as entered
    double Jahreswinkel;  // gamma, fractional-year angle, radians
    double Zeitgleichung; // E, apparent minus mean solar time, minutes
    double Bezugslaenge;  // always -15: the negated longitude of the zone meridian
    double Deklination;   // delta, radians
    double SonnenLaenge;  // subsolar longitude, degrees east, folded once into [-180, 180]
    double SonnenBreite;  // subsolar latitude, degrees north
};

// No argument is rejected: any hour and minute go into the formulas.
Sonnenstand SonnenstandBerechnen(uint16_t N, int32_t Stunde, int32_t Minute);

// Latitude (degrees north, strictly between -90 and 90) at which the sun's
// centre stands on the horizon on the meridian Laenge (degrees east).
// Throws Fehler(DivisionDurchNull) when the declination is exactly zero.
double Grenzbreite(const Sonnenstand& S, double Laenge);

// The same result bit for bit, for callers that evaluate many longitudes on
// one record: TanDeklination is TangensDeklination(S), computed once.
long double TangensDeklination(const Sonnenstand& S);
double Grenzbreite(const Sonnenstand& S, double Laenge, long double TanDeklination);

} // namespace umbrix
