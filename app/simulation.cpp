#include "app/simulation.h"

#include "sky/fehler.h"
#include "sky/gleitkomma.h"

#include <chrono>

namespace umbrix {

namespace {

using namespace std::chrono;

constexpr sys_days Nullpunkt = sys_days{year{1899} / December / 30};

constexpr int64_t MsProTag = 86400000;
constexpr int64_t MsProStunde = 3600000;
constexpr int64_t MsProMinute = 60000;
constexpr int64_t MinutenProStunde = 60;
constexpr long double StundenProTag = 24.0L;
constexpr long double ZweiMinuten = 1.0L / 720.0L;
constexpr int32_t JahrMin = 1;
constexpr int32_t JahrMax = 9999;
constexpr unsigned MonateProJahr = 12;
constexpr unsigned LaengsterMonat = 31;

// The field value as the 16-bit unsigned integer of the step: modulo 65536.
uint16_t Kuerzen(int32_t Wert) {
    return static_cast<uint16_t>(Wert);
}

} // namespace

double DatumKodieren(int32_t Jahr, uint16_t Monat, uint16_t Tag) {
    // chrono's month and day hold only small values, so the ranges are checked
    // before the date is formed; ok() then rejects days beyond the month.
    if (Jahr < JahrMin || Jahr > JahrMax || Monat < 1 || Monat > MonateProJahr || Tag < 1 ||
        Tag > LaengsterMonat) {
        throw Fehler(DatumUngueltig);
    }
    const year_month_day Datum{year{Jahr}, month{Monat}, day{Tag}};
    if (!Datum.ok()) {
        throw Fehler(DatumUngueltig);
    }
    return static_cast<double>((sys_days{Datum} - Nullpunkt).count());
}

Zeitpunkt DatumDekodieren(double T) {
    const int64_t Ms = Runden(static_cast<long double>(T) * static_cast<long double>(MsProTag));
    const int64_t Tage = Ms / MsProTag;
    const int64_t Rest = Ms % MsProTag;
    const year_month_day Datum{Nullpunkt + days{Tage}};
    return Zeitpunkt{
        .Tag = static_cast<uint16_t>(static_cast<unsigned>(Datum.day())),
        .Monat = static_cast<uint16_t>(static_cast<unsigned>(Datum.month())),
        .Stunde = static_cast<uint16_t>(Rest / MsProStunde),
        .Minute = static_cast<uint16_t>(Rest / MsProMinute % MinutenProStunde),
    };
}

Zeitpunkt SimulationsSchritt(int32_t Tag, int32_t Monat, int32_t Stunde, int32_t Minute,
                             Schrittweite Weite) {
    const uint16_t T16 = Kuerzen(Tag);
    const uint16_t M16 = Kuerzen(Monat);
    const uint16_t S16 = Kuerzen(Stunde);
    const uint16_t Mi16 = Kuerzen(Minute);

    const long double D = DatumKodieren(SimulationsJahr, M16, T16);
    double T =
        static_cast<double>(D + S16 / StundenProTag +
                            Mi16 / StundenProTag / static_cast<long double>(MinutenProStunde));
    if (Weite == Schrittweite::ZweiMinuten) {
        T = static_cast<double>(ZweiMinuten + T);
    } else {
        T = static_cast<double>(T + 1.0L);
    }
    return DatumDekodieren(T);
}

} // namespace umbrix
