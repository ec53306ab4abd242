#pragma once

#include <cstdint>

// The simulation step: moves a moment given as day, month, hour and minute on
// by two minutes or by one day. Pure arithmetic, no window.
namespace umbrix {

inline constexpr const char* DatumUngueltig = "Invalid argument to date encode";

// Every step encodes its date in this year, whatever the clock says.
inline constexpr int32_t SimulationsJahr = 2015;

enum class Schrittweite { ZweiMinuten, EinTag };

// A moment as the edit fields hold it.
struct Zeitpunkt {
    uint16_t Tag;
    uint16_t Monat;
    uint16_t Stunde;
    uint16_t Minute;

    bool operator==(const Zeitpunkt&) const = default;
};

// One step from the field values (each taken modulo 65536). Hours and minutes
// beyond their ranges carry over into the date. Throws Fehler with
// DatumUngueltig when day and month are no date of SimulationsJahr.
Zeitpunkt SimulationsSchritt(int32_t Tag, int32_t Monat, int32_t Stunde, int32_t Minute,
                             Schrittweite Weite);

// A date-time value: whole days since 30 December 1899 plus the time of day
// as a fraction of 24 hours.
double DatumKodieren(int32_t Jahr, uint16_t Monat, uint16_t Tag);

// The moment of T >= 0 to the minute (year dropped); seconds are cut off after
// rounding T to whole milliseconds.
Zeitpunkt DatumDekodieren(double T);

} // namespace umbrix
