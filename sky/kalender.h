#pragma once

#include <array>
#include <cstdint>

// Calendar rules of the proleptic Gregorian calendar: leap years, the weekday
// of 1 January, days before a month, the day of the year and the Central
// European summer-time period. Pure functions; no argument is rejected.
namespace umbrix {

// Lengths of January to November in a common year: month i is entry i - 1.
// December has no entry, since no month comes after it in the year.
inline constexpr std::array<uint8_t, 11> Monatslaengen{31, 28, 31, 30, 31, 30,
                                                       31, 31, 30, 31, 30};

bool IstSchaltjahr(int32_t Jahr);

// Weekday of 1 January, 0 = Sunday ... 6 = Saturday, for years from 1 upward.
int32_t WochentagNeujahr(int32_t Jahr);

// Days of the months before Monat; 0 for months up to 1, 334 or 335 from 12 on.
int32_t TageVorMonat(bool Schaltjahr, int32_t Monat);

// Day of the year, 1 for 1 January. The day is not checked against its month
// (day 0 is the last day of the month before); month 0 sums no month and
// months from 13 on sum all eleven entries, as TageVorMonat does.
uint16_t TagImJahr(uint8_t Tag, uint8_t Monat, uint16_t Jahr);

// Summer time is in force for the whole day: from the last Sunday of March
// up to, not including, the last Sunday of October.
bool IstSommerzeit(int32_t Tag, int32_t Monat, int32_t Jahr);

} // namespace umbrix
