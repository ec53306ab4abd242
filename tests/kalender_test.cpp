#include "sky/kalender.h"

#include <gtest/gtest.h>

namespace umbrix {
namespace {

TEST(Kalender, Schaltjahre) {
    struct Fall {
        int32_t Jahr;
        bool Schalt;
    };
    for (const Fall f : {Fall{2000, true}, {2024, true}, {1900, false}, {2023, false},
                         {2100, false}, {-4, true}, {-100, false}, {-400, true}, {0, true}}) {
        EXPECT_EQ(IstSchaltjahr(f.Jahr), f.Schalt) << f.Jahr;
    }
}

TEST(Kalender, WochentagNeujahr) {
    struct Fall {
        int32_t Jahr;
        int32_t Tag;
    };
    for (const Fall f : {Fall{1, 1}, {1900, 1}, {2000, 6}, {2015, 4}, {2023, 0}, {2024, 1},
                         {2100, 5}, {9999, 5}}) {
        EXPECT_EQ(WochentagNeujahr(f.Jahr), f.Tag) << f.Jahr;
    }
    // The whole 32-bit range is computed without overflow.
    EXPECT_GE(WochentagNeujahr(INT32_MAX), 0);
    EXPECT_LE(WochentagNeujahr(INT32_MIN), 0);
}

TEST(Kalender, TageVorMonat) {
    struct Fall {
        bool Schalt;
        int32_t Monat;
        int32_t Tage;
    };
    for (const Fall f : {Fall{false, 1, 0}, {false, 0, 0}, {false, -5, 0}, {true, 2, 31},
                         {false, 3, 59}, {true, 3, 60}, {false, 10, 273}, {true, 10, 274},
                         {false, 12, 334}, {true, 12, 335}, {false, 13, 334},
                         {false, INT32_MAX, 334}}) {
        EXPECT_EQ(TageVorMonat(f.Schalt, f.Monat), f.Tage) << f.Schalt << " " << f.Monat;
    }
}

TEST(Kalender, TagImJahr) {
    struct Fall {
        uint8_t Tag, Monat;
        uint16_t Jahr;
        uint16_t Ergebnis;
    };
    for (const Fall f : {Fall{1, 1, 2023, 1}, {31, 12, 2023, 365}, {31, 12, 2024, 366},
                         {1, 3, 2023, 60}, {1, 3, 2024, 61}, {29, 2, 2023, 60}, {29, 2, 2024, 60},
                         {0, 1, 2023, 0}, {40, 1, 2023, 40}, {0, 3, 2023, 59},
                         // Months outside 1..12: nothing summed for 0, all eleven from 13 on.
                         {5, 0, 2023, 5}, {5, 0, 2024, 5}, {5, 13, 2023, 339}, {5, 13, 2024, 340},
                         {255, 255, 2024, 590}}) {
        EXPECT_EQ(TagImJahr(f.Tag, f.Monat, f.Jahr), f.Ergebnis)
            << int(f.Tag) << "." << int(f.Monat) << "." << f.Jahr;
    }
}

TEST(Kalender, TagImJahrStimmtMitTageVorMonatFuerGueltigeMonate) {
    for (int Jahr : {2023, 2024, 1900, 2000}) {
        for (uint8_t Monat = 1; Monat <= 12; ++Monat) {
            EXPECT_EQ(TagImJahr(17, Monat, static_cast<uint16_t>(Jahr)), TageVorMonat(IstSchaltjahr(Jahr), Monat) + 17)
                << int(Monat) << "." << Jahr;
        }
    }
}

TEST(Kalender, Sommerzeit) {
    struct Fall {
        int32_t Tag, Monat, Jahr;
        bool Sommer;
    };
    for (const Fall f : {
             // 2024: last Sundays on 31 March and 27 October.
             Fall{30, 3, 2024, false}, {31, 3, 2024, true}, {26, 10, 2024, true},
             {27, 10, 2024, false},
             // 2023: 26 March and 29 October.
             {25, 3, 2023, false}, {26, 3, 2023, true}, {28, 10, 2023, true},
             {29, 10, 2023, false},
             // Whole months and values outside the calendar.
             {1, 4, 2024, true}, {30, 9, 2024, true}, {1, 1, 2024, false}, {29, 2, 2024, false},
             {1, 11, 2024, false}, {31, 12, 2024, false}, {15, 0, 2024, false},
             {15, 13, 2024, false}, {40, 3, 2024, true}, {0, 10, 2024, true},
             {-5, 10, 2024, true}, {INT32_MAX, 3, 2024, true}, {INT32_MIN, 10, 2024, true},
             // Negative years still find a last Sunday.
             {31, 3, -2024, true}, {1, 3, -2024, false}}) {
        EXPECT_EQ(IstSommerzeit(f.Tag, f.Monat, f.Jahr), f.Sommer)
            << f.Tag << "." << f.Monat << "." << f.Jahr;
    }
}

TEST(Kalender, LetzterSonntagLiegtZwischen25Und31) {
    // Exactly one day of 25..31 switches, in March and October, for many years.
    for (int32_t Jahr = 1; Jahr <= 3000; Jahr += 7) {
        int32_t WechselMaerz = 0, WechselOktober = 0;
        for (int32_t Tag = 25; Tag <= 31; ++Tag) {
            WechselMaerz += IstSommerzeit(Tag, 3, Jahr) != IstSommerzeit(Tag - 1, 3, Jahr);
            WechselOktober += IstSommerzeit(Tag, 10, Jahr) != IstSommerzeit(Tag - 1, 10, Jahr);
        }
        EXPECT_EQ(WechselMaerz, 1) << Jahr;
        EXPECT_EQ(WechselOktober, 1) << Jahr;
    }
}

} // namespace
} // namespace umbrix
