#include "kalender.h"

namespace umbrix {

namespace {
constexpr int32_t WochentagSonntag = 1; // remainder that marks a Sunday in the search below
constexpr int32_t Maerz = 3;
constexpr int32_t Oktober = 10;
constexpr int32_t LetzterMoeglicherTag = 31;
constexpr int32_t Wochenlaenge = 7;
} // namespace

bool IstSchaltjahr(int32_t Jahr) {
    return Jahr % 4 == 0 && (Jahr % 100 != 0 || Jahr % 400 == 0);
}

int32_t WochentagNeujahr(int32_t Jahr) {
    // In 64 bits so that no year of the 32-bit range overflows; / and %
    // truncate toward zero as the rule requires.
    const int64_t J = Jahr;
    const int64_t q = J - 1;
    return static_cast<int32_t>((J + q / 4 - q / 100 + q / 400) % Wochenlaenge);
}

int32_t TageVorMonat(bool Schaltjahr, int32_t Monat) {
    int32_t Tage = 0;
    for (int32_t i = 1; i < Monat && i <= static_cast<int32_t>(Monatslaengen.size()); ++i) {
        Tage += Monatslaengen[i - 1];
        if (i == 2 && Schaltjahr) {
            ++Tage;
        }
    }
    return Tage;
}

uint16_t TagImJahr(uint8_t Tag, uint8_t Monat, uint16_t Jahr) {
    uint16_t Ergebnis = 0;
    for (uint32_t i = 1; i < Monat && i <= Monatslaengen.size(); ++i) {
        Ergebnis = static_cast<uint16_t>(Ergebnis + Monatslaengen[i - 1]);
    }
    Ergebnis = static_cast<uint16_t>(Ergebnis + Tag);
    if (IstSchaltjahr(Jahr) && Monat > 2) {
        Ergebnis = static_cast<uint16_t>(Ergebnis + 1);
    }
    return Ergebnis;
}

bool IstSommerzeit(int32_t Tag, int32_t Monat, int32_t Jahr) {
    if (Monat > Maerz && Monat < Oktober) {
        return true;
    }
    if (Monat != Maerz && Monat != Oktober) {
        return false;
    }
    // The last Sunday: the first day counting down from the 31st whose
    // position in the year falls on a Sunday. The sum is positive for every
    // year, so one of seven consecutive days always matches.
    const int32_t Vorlauf = TageVorMonat(IstSchaltjahr(Jahr), Monat) + WochentagNeujahr(Jahr);
    int32_t LetzterSonntag = LetzterMoeglicherTag;
    while (LetzterSonntag > LetzterMoeglicherTag - Wochenlaenge &&
           (Vorlauf + LetzterSonntag) % Wochenlaenge != WochentagSonntag) {
        --LetzterSonntag;
    }
    return Monat == Maerz ? Tag >= LetzterSonntag : Tag < LetzterSonntag;
}

} // namespace umbrix
