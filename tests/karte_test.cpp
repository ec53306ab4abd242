#include "map/karte.h"

#include "sky/fehler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace umbrix {
namespace {

struct Satz {
    double Breite, Laenge;
    int32_t Stift;
};

// A coastline array as the loader leaves it: record 0 all zero, then the
// given records, KuestenAnzahl the index of the last one.
std::vector<KuestenPunkt> Kueste(const std::vector<Satz>& Saetze) {
    std::vector<KuestenPunkt> K(KuestenMindestlaenge);
    for (std::size_t i = 0; i < Saetze.size(); ++i) {
        K[i + 1] = {Saetze[i].Breite, Saetze[i].Laenge, Saetze[i].Stift};
    }
    return K;
}

Bitmap Bauen(int32_t Breite, int32_t Hoehe, const std::vector<Satz>& Saetze, bool GradNetz) {
    std::optional<Bitmap> Karte;
    KarteAufbauen(Karte, Breite, Hoehe, GeometrieBerechnen(Breite, Hoehe), Kueste(Saetze),
                  static_cast<int32_t>(Saetze.size()), GradNetz);
    return *Karte;
}

int Zaehlen(const Bitmap& B, Farbe F) {
    int n = 0;
    for (int32_t y = 0; y < B.Hoehe; ++y) {
        for (int32_t x = 0; x < B.Breite; ++x) {
            n += PixelLesen(B, x, y) == F;
        }
    }
    return n;
}

TEST(Karte, Geometrie) {
    struct Fall {
        int32_t W, H, cx, cy;
        double sx, sy;
    };
    const Fall Faelle[] = {{1036, 633, 518, 316, 1036.0 / 360, 3.95625},
                           {7, 3, 3, 1, 7.0 / 360, 3.0 / 160},
                           {1, 1, 0, 0, 1.0 / 360, 1.0 / 160},
                           {0, 0, 0, 0, 0, 0}};
    for (const Fall& f : Faelle) {
        const Geometrie G = GeometrieBerechnen(f.W, f.H);
        EXPECT_EQ(G.cx, f.cx);
        EXPECT_EQ(G.cy, f.cy);
        EXPECT_EQ(G.sx, f.sx);
        EXPECT_EQ(G.sy, f.sy);
    }
}

TEST(Karte, GradnetzLinienUeberDieGanzeKarte) {
    struct Fall {
        int32_t W, H;
        std::vector<int32_t> Spalten, Zeilen;
    };
    const Fall Faelle[] = {
        {1036,
         633,
         {86, 173, 259, 345, 432, 518, 604, 691, 777, 863, 950},
         {553, 435, 316, 197, 79}},
        // Rows 12 and 88 are ties (12.5, 87.5), rounded to even.
        {100, 100, {8, 17, 25, 33, 42, 50, 58, 67, 75, 83, 92}, {88, 69, 50, 31, 12}},
    };
    for (const Fall& f : Faelle) {
        SCOPED_TRACE(testing::Message() << f.W << "x" << f.H);
        const Bitmap K = Bauen(f.W, f.H, {}, true);
        // Just above the centre parallel no label lies.
        const int32_t Frei = f.H / 2 - 1;
        int Linien = 0;
        for (int32_t x = 0; x < f.W; ++x) {
            Linien += PixelLesen(K, x, Frei) == Silber;
        }
        EXPECT_EQ(Linien, static_cast<int>(f.Spalten.size()));
        for (int32_t x : f.Spalten) {
            EXPECT_EQ(PixelLesen(K, x, Frei), Silber) << x;
        }
        Linien = 0;
        for (int32_t y = 0; y < f.H; ++y) {
            Linien += PixelLesen(K, f.W - 1, y) == Silber;
        }
        EXPECT_EQ(Linien, static_cast<int>(f.Zeilen.size()));
        for (int32_t y : f.Zeilen) {
            EXPECT_EQ(PixelLesen(K, 0, y), Silber) << y;
            EXPECT_EQ(PixelLesen(K, f.W - 1, y), Silber) << y;
        }
    }
    // At 1036 x 633 no label touches a line: each meridian covers rows 0 .. H - 1.
    const Bitmap K = Bauen(1036, 633, {}, true);
    for (int32_t x : {86, 518, 950}) {
        for (int32_t y = 0; y < 633; ++y) {
            ASSERT_EQ(PixelLesen(K, x, y), Silber) << x << "," << y;
        }
    }
    for (int32_t x = 0; x < 1036; ++x) {
        ASSERT_EQ(PixelLesen(K, x, 316), Silber) << x;
    }
}

TEST(Karte, BeschriftungenAufWeissenZellen) {
    const Bitmap K = Bauen(1036, 633, {}, true);
    struct Fall {
        const char* Name;
        int32_t x, y; // top-left corner of the label's cell
    };
    const Fall Faelle[] = {{"-150 deg at the bottom", 88, 608}, {"0 deg at the bottom", 520, 608},
                           {"150 deg at the bottom", 952, 608}, {"-60 deg", 2, 555},
                           {"0 deg on the left", 2, 318},       {"60 deg", 2, 81}};
    for (const Fall& f : Faelle) {
        SCOPED_TRACE(f.Name);
        int Rote = 0;
        for (int32_t y = f.y; y < f.y + 13; ++y) {
            for (int32_t x = f.x; x < f.x + 12; ++x) {
                const Farbe F = PixelLesen(K, x, y);
                EXPECT_TRUE(F == Weiss || F == Rot) << x << "," << y;
                Rote += F == Rot;
            }
        }
        EXPECT_GT(Rote, 5);
        EXPECT_EQ(PixelLesen(K, f.x - 1, f.y), Weiss);
    }

    // Where lines and labels meet (100 x 100): the label of the 30 deg south
    // parallel (cell from (2, 71)) hides the meridian at column 8 drawn before
    // it, and the 60 deg south parallel (row 88) runs over the meridian labels
    // at row 75 drawn before it.
    const Bitmap Klein = Bauen(100, 100, {}, true);
    EXPECT_EQ(PixelLesen(Klein, 8, 70), Silber);
    EXPECT_NE(PixelLesen(Klein, 8, 74), Silber);
    EXPECT_NE(PixelLesen(Klein, 52, 80), Silber);
    EXPECT_EQ(PixelLesen(Klein, 52, 88), Silber);
}

TEST(Karte, OhneGradnetzNurKuestenAufWeiss) {
    const Bitmap Leer = Bauen(1036, 633, {}, false);
    EXPECT_EQ(Zaehlen(Leer, Weiss), 1036 * 633);
    const Bitmap Kuestchen = Bauen(1036, 633, {{10, 10, 0}, {10, 20, 1}}, false);
    EXPECT_EQ(Zaehlen(Kuestchen, Blau) + Zaehlen(Kuestchen, Weiss), 1036 * 633);
    EXPECT_GT(Zaehlen(Kuestchen, Blau), 20);
}

// On a 360 x 160 map one degree is one pixel: (lambda, phi) lies at
// (180 + lambda, 80 - phi).
TEST(Karte, Kuestenlinien) {
    struct Fall {
        const char* Name;
        std::vector<Satz> Saetze;
        std::vector<std::pair<int32_t, int32_t>> Blau, Weiss;
    };
    const Fall Faelle[] = {
        {"a segment leaves out its end point",
         {{10, 0, 0}, {10, 5, 1}},
         {{180, 70}, {184, 70}},
         {{185, 70}, {179, 70}}},
        {"from 179 to -179: the pen only moves",
         {{10, 170, 0}, {10, 179, 1}, {10, -179, 1}, {10, -170, 1}},
         {{350, 70}, {358, 70}, {1, 70}, {9, 70}},
         {{359, 70}, {0, 70}, {180, 70}, {10, 70}}},
        {"a step of exactly 100 pixels is not drawn",
         {{20, -50, 0}, {20, 50, 1}},
         {},
         {{130, 60}, {180, 60}, {229, 60}}},
        {"a step of 99.9 pixels is",
         {{20, -49.9, 0}, {20, 50, 1}},
         {{130, 60}, {180, 60}, {229, 60}},
         {{230, 60}}},
        {"190 is drawn at -170",
         {{-10, 190, 0}, {-10, 200, 1}},
         {{10, 90}, {19, 90}},
         {{20, 90}, {350, 90}}},
        {"-190 stays left of the map",
         {{-10, -190, 0}, {-10, -175, 1}},
         {{0, 90}, {4, 90}},
         {{5, 90}, {350, 90}, {359, 90}}},
        {"pen flag 0 starts a new line",
         {{0, 10, 0}, {0, 20, 1}, {30, 20, 0}, {30, 25, 1}},
         {{190, 80}, {200, 50}},
         {{200, 65}, {205, 50}}},
    };
    for (const Fall& f : Faelle) {
        SCOPED_TRACE(f.Name);
        const Bitmap K = Bauen(360, 160, f.Saetze, false);
        for (auto [x, y] : f.Blau) {
            EXPECT_EQ(PixelLesen(K, x, y), umbrix::Blau) << x << "," << y;
        }
        for (auto [x, y] : f.Weiss) {
            EXPECT_EQ(PixelLesen(K, x, y), umbrix::Weiss) << x << "," << y;
        }
    }
}

TEST(Karte, NurDieSaetzeBisKuestenAnzahl) {
    std::optional<Bitmap> Karte;
    const auto K = Kueste({{10, 0, 0}, {10, 5, 1}, {10, 10, 1}});
    KarteAufbauen(Karte, 360, 160, GeometrieBerechnen(360, 160), K, 2, false);
    EXPECT_EQ(Zaehlen(*Karte, Blau), 5);
    KarteAufbauen(Karte, 360, 160, GeometrieBerechnen(360, 160), K, 0, false);
    EXPECT_EQ(Zaehlen(*Karte, Weiss), 360 * 160);
}

TEST(Karte, StiftHebenRundetVorDemAddieren) {
    // cy = 317 and a row displacement of exactly +0.5: the pen-up move goes to
    // row 317 + round(0.5) = 317, a line to the same point ends on round(317.5) = 318.
    const int32_t W = 360, H = 635;
    const Geometrie G = GeometrieBerechnen(W, H);
    ASSERT_EQ(G.cy, 317);
    // The nearest double to -0.5 / sy gives a product that rounds to 0.5.
    const double Breite = -0.5 / G.sy;
    ASSERT_EQ(static_cast<double>(-static_cast<long double>(G.sy) * Breite), 0.5);
    const Bitmap K = Bauen(W, H, {{Breite, 0, 0}, {Breite, 10, 1}}, false);
    EXPECT_EQ(PixelLesen(K, 180, 317), Blau);
    EXPECT_EQ(PixelLesen(K, 180, 318), Weiss);
    EXPECT_EQ(PixelLesen(K, 189, 318), Blau);
    EXPECT_EQ(PixelLesen(K, 190, 318), Weiss);
    EXPECT_EQ(PixelLesen(K, 189, 317), Weiss);
}

TEST(Karte, UeberlaufLaesstDieKarteBisDahinGezeichnet) {
    struct Fall {
        const char* Name;
        int32_t W;
        Satz Schlecht;
        const char* Meldung;
    };
    const Fall Faelle[] = {
        {"column beyond 64 bits", 360, {10, 1e300, 1}, UngueltigeOperation},
        {"row beyond 64 bits on a pen-up move", 360, {-1e30, 10, 0}, UngueltigeOperation},
        {"row beyond 64 bits on a line", 360, {1e30, 10, 1}, UngueltigeOperation},
        {"displacement beyond the double range", 720, {10, 1.7e308, 1}, Ueberlauf},
    };
    for (const Fall& f : Faelle) {
        SCOPED_TRACE(f.Name);
        std::optional<Bitmap> Karte;
        const std::vector<Satz> Saetze{{10, 0, 0}, {10, 5, 1}, f.Schlecht, {20, 0, 0}, {20, 5, 1}};
        try {
            KarteAufbauen(Karte, f.W, 160, GeometrieBerechnen(f.W, 160), Kueste(Saetze), 5, false);
            ADD_FAILURE() << "no error";
        } catch (const Fehler& e) {
            EXPECT_STREQ(e.what(), f.Meldung);
        }
        ASSERT_TRUE(Karte.has_value());
        EXPECT_EQ(Karte->Breite, f.W);
        const int32_t Faktor = f.W / 360;
        EXPECT_EQ(Zaehlen(*Karte, Blau), 5 * Faktor);
        EXPECT_EQ(PixelLesen(*Karte, f.W / 2, 70), Blau);
    }
}

TEST(Karte, NullGrosseKarte) {
    for (auto [W, H] : {std::pair{0, 0}, {0, 50}, {50, 0}}) {
        const Bitmap K = Bauen(W, H, {{10, 0, 0}, {10, 5, 1}}, true);
        EXPECT_EQ(K.Breite, W);
        EXPECT_EQ(K.Hoehe, H);
        EXPECT_TRUE(K.Pixel.empty());
    }
}

} // namespace
} // namespace umbrix
