#include "app/simulation.h"

#include "sky/fehler.h"

#include <gtest/gtest.h>

#include <string>

namespace umbrix {
namespace {

constexpr auto Minutenschritt = Schrittweite::ZweiMinuten;
constexpr auto Tagesschritt = Schrittweite::EinTag;

TEST(Simulation, EinSchritt) {
    struct Fall {
        const char* Name;
        int32_t Tag, Monat, Stunde, Minute;
        Schrittweite Weite;
        Zeitpunkt Danach;
    };
    const Fall Faelle[] = {
        {"Silvester kurz vor Mitternacht", 31, 12, 23, 58, Minutenschritt, {1, 1, 0, 0}},
        {"Silvester, ein Tag weiter", 31, 12, 10, 30, Tagesschritt, {1, 1, 10, 30}},
        {"Ende Februar 2015", 28, 2, 12, 0, Tagesschritt, {1, 3, 12, 0}},
        {"Stunde 25 greift in den nächsten Tag", 10, 3, 25, 0, Minutenschritt, {11, 3, 1, 2}},
        {"Minute -1 zählt als 65535", 1, 1, 0, -1, Minutenschritt, {15, 2, 12, 17}},
        {"Stunde 65537 zählt als 1", 1, 1, 65537, 0, Minutenschritt, {1, 1, 1, 2}},
        {"Stunden in das Schaltjahr 2016", 28, 2, 8760, 0, Tagesschritt, {29, 2, 0, 0}},
        {"Minuten in der Stunde laufen über", 5, 6, 7, 59, Minutenschritt, {5, 6, 8, 1}},
        {"Minutenschritt nahe Monatsende", 30, 4, 23, 59, Minutenschritt, {1, 5, 0, 1}},
    };
    for (const Fall& f : Faelle) {
        EXPECT_EQ(SimulationsSchritt(f.Tag, f.Monat, f.Stunde, f.Minute, f.Weite), f.Danach)
            << f.Name;
    }
}

TEST(Simulation, UnmoeglichesDatumScheitert) {
    struct Fall {
        const char* Name;
        int32_t Tag, Monat;
    };
    // FeldWert gives 0 for an empty or non-numeric field, so those are day or month 0.
    const Fall Faelle[] = {
        {"29. Februar 2015", 29, 2},
        {"Monat 0", 1, 0},
        {"Monat 13", 1, 13},
        {"Tag 0", 0, 1},
        {"Tag 32", 32, 1},
        {"31. April", 31, 4},
        {"Tag -1 zählt als 65535", -1, 1},
        // Beyond 255 a chrono month or day would wrap to a small valid value.
        {"Monat 257", 1, 257},
        {"Tag 257", 257, 1},
    };
    for (const Fall& f : Faelle) {
        try {
            SimulationsSchritt(f.Tag, f.Monat, 12, 0, Minutenschritt);
            ADD_FAILURE() << f.Name << ": no error";
        } catch (const Fehler& e) {
            EXPECT_EQ(std::string(e.what()), DatumUngueltig) << f.Name;
        }
    }
}

TEST(Simulation, FeldwerteModulo65536) {
    // Day 65537 is day 1, month 65548 is month 12.
    EXPECT_EQ(SimulationsSchritt(65537, 65548, 10, 0, Tagesschritt), (Zeitpunkt{2, 12, 10, 0}));
}

TEST(Simulation, DreihunderttausendMinutenschritteOhneDrift) {
    // 600000 minutes = 416 days 16 hours; the year cycles back after 365 days.
    Zeitpunkt Z{1, 1, 0, 0};
    for (int i = 0; i < 300000; ++i) {
        Z = SimulationsSchritt(Z.Tag, Z.Monat, Z.Stunde, Z.Minute, Minutenschritt);
    }
    EXPECT_EQ(Z, (Zeitpunkt{21, 2, 16, 0}));
}

TEST(Simulation, JederMinutenschrittGenauZweiMinuten) {
    // A whole year of steps: no step may lose or gain a minute to rounding.
    Zeitpunkt Z{1, 1, 0, 0};
    for (int i = 0; i < 365 * 720; ++i) {
        const Zeitpunkt Neu =
            SimulationsSchritt(Z.Tag, Z.Monat, Z.Stunde, Z.Minute, Minutenschritt);
        const int32_t Vorher = Z.Stunde * 60 + Z.Minute;
        const int32_t Nachher = Neu.Stunde * 60 + Neu.Minute;
        ASSERT_EQ((Nachher - Vorher + 1440) % 1440, 2) << i;
        Z = Neu;
    }
    EXPECT_EQ(Z, (Zeitpunkt{1, 1, 0, 0}));
}

TEST(Simulation, KodierenUndDekodieren) {
    EXPECT_EQ(DatumKodieren(1899, 12, 30), 0.0);
    EXPECT_EQ(DatumKodieren(1900, 1, 1), 2.0);
    EXPECT_EQ(DatumKodieren(2015, 1, 1), 42005.0);
    EXPECT_EQ(DatumKodieren(2016, 2, 29), 42429.0);
    EXPECT_THROW(DatumKodieren(2015, 2, 29), Fehler);
    EXPECT_THROW(DatumKodieren(0, 1, 1), Fehler);
    EXPECT_THROW(DatumKodieren(10000, 1, 1), Fehler);

    // 0.4 ms before 10:41 rounds up to 10:41; seconds are cut off.
    const double Tag = 42005.0;
    EXPECT_EQ(DatumDekodieren(Tag + (10 * 60 + 41) / 1440.0 - 0.0004 / 86400.0),
              (Zeitpunkt{1, 1, 10, 41}));
    EXPECT_EQ(DatumDekodieren(Tag + (10 * 60 + 41) / 1440.0 + 59.0 / 86400.0),
              (Zeitpunkt{1, 1, 10, 41}));
    EXPECT_EQ(DatumDekodieren(Tag + 1.0 - 0.0004 / 86400.0), (Zeitpunkt{2, 1, 0, 0}));
}

} // namespace
} // namespace umbrix
