#include "map/bild.h"

#include "sky/fehler.h"
#include "sky/gleitkomma.h"
#include "sky/kalender.h"
#include "sky/sonne.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace umbrix {
namespace {

// The 365 boundary vertices of the night polygon in overlay coordinates.
std::vector<Punkt> Randecken(const Geometrie& G, const Sonnenstand& S) {
    const long double cx = G.cx, cy = G.cy, sx = G.sx, sy = G.sy;
    std::vector<Punkt> Ecken;
    for (int32_t i = -181; i <= 183; ++i) {
        const double dx = AlsDouble(i * sx);
        const double dy = AlsDouble(-static_cast<long double>(Grenzbreite(S, i)) * sy);
        Ecken.push_back({Runden(cx + dx + 50), Runden(cy + dy + 50)});
    }
    return Ecken;
}

// The frame composed step by step on a real overlay bitmap: white background
// rectangle, the 369-vertex night polygon, the marker, AND onto a copy of Karte.
Bitmap Referenzbild(const Bitmap& Karte, const Geometrie& G, const Bildvorgabe& V) {
    const int32_t W = Karte.Breite;
    const int32_t H = Karte.Hoehe;
    Bitmap Arbeit;
    BitmapAnlegen(Arbeit, W, H);
    Kopieren(Arbeit, {0, 0}, Karte);

    const uint16_t N =
        TagImJahr(static_cast<uint8_t>(V.Tag), static_cast<uint8_t>(V.Monat), V.Jahr);
    int32_t Stunde = V.Stunde;
    if (V.Sommerzeit && IstSommerzeit(V.Tag, V.Monat, V.Jahr)) {
        Stunde -= 1;
    }
    const Sonnenstand S = SonnenstandBerechnen(N, Stunde, V.Minute);

    const int64_t OW = W + 101;
    const int64_t OH = H + 101;
    Bitmap Ueber;
    BitmapAnlegen(Ueber, static_cast<int32_t>(OW), static_cast<int32_t>(OH));
    Ueber.Stift = Schwarz;
    Ueber.Pinsel = Weiss;
    Rechteck(Ueber, {-1, -1}, {OW + 101, OH + 101});

    const long double cx = G.cx, cy = G.cy, sx = G.sx, sy = G.sy;
    std::vector<Punkt> Ecken = Randecken(G, S);
    const double sdx = AlsDouble(sx * S.SonnenLaenge);
    const double sdy = AlsDouble(-sy * S.SonnenBreite);
    const double bdy = AlsDouble(-sy * Grenzbreite(S, S.SonnenLaenge));
    const int64_t Yc = sdy > bdy ? 1 : OH;
    const Punkt Letzte = Ecken.back();
    const Punkt Erste = Ecken.front();
    Ecken.push_back({OW, Letzte.y});
    Ecken.push_back({OW, Yc});
    Ecken.push_back({1, Yc});
    Ecken.push_back({1, Erste.y});

    Ueber.Pinsel = Hellgrau;
    Vieleck(Ueber, Ecken);
    if (V.SonnenOrt) {
        Ueber.Pinsel = Gelb;
        Ellipse(Ueber, {Runden(cx + sdx + 50 - 6), Runden(cy + sdy + 50 - 6)},
                {Runden(cx + sdx + 50 + 7), Runden(cy + sdy + 50 + 7)});
    }
    UndKopieren(Arbeit, {-50, -50}, Ueber);

    Bitmap Bild;
    BitmapAnlegen(Bild, W, H);
    Kopieren(Bild, {0, 0}, Arbeit);
    return Bild;
}

// A base map in every colour: graticule, labels and a ragged coastline.
Bitmap Grundkarte(int32_t W, int32_t H, bool GradNetz = true) {
    std::vector<KuestenPunkt> Kueste(KuestenMindestlaenge);
    std::mt19937 Zufall(3);
    std::uniform_real_distribution<double> Schritt(-4, 4);
    double Breite = 0, Laenge = -180;
    for (std::size_t k = 1; k < 800; ++k) {
        Breite = std::clamp(Breite + Schritt(Zufall), -85.0, 85.0);
        Laenge += std::fabs(Schritt(Zufall));
        Kueste[k] = {Breite, Laenge, k % 97 == 1 ? 0 : 1};
    }
    std::optional<Bitmap> Karte;
    KarteAufbauen(Karte, W, H, GeometrieBerechnen(W, H), Kueste, 799, GradNetz);
    return *Karte;
}

Bitmap Zeichnen(const Bitmap& Karte, const Bildvorgabe& V) {
    Bitmap Bild;
    BildZeichnen(Bild, Karte, GeometrieBerechnen(Karte.Breite, Karte.Hoehe), V);
    return Bild;
}

Bitmap Weisse(int32_t W, int32_t H) {
    Bitmap B;
    BitmapAnlegen(B, W, H);
    return B;
}

constexpr uint16_t Jahr = 2026;
constexpr Bildvorgabe Juni{21, 6, 12, 0, Jahr, false, true};
constexpr Bildvorgabe Dezember{21, 12, 12, 0, Jahr, false, true};

TEST(Bild, GleichDerSchrittweisenZusammensetzung) {
    const std::pair<int32_t, int32_t> Groessen[] = {
        {1, 1},    {2, 2},    {7, 3},    {3, 7},     {1, 40},     {40, 1}, {100, 64}, {179, 90},
        {180, 90}, {181, 81}, {178, 50}, {360, 160}, {1036, 633}, {0, 5},  {5, 0},    {0, 0}};
    const Bildvorgabe Vorgaben[] = {
        Juni,
        Dezember,
        {20, 3, 6, 30, Jahr, true, true},
        {23, 9, 18, 45, Jahr, true, false},
        {1, 7, 0, 0, Jahr, true, true},   // summer time: hour -1
        {5, 5, 1, 0, Jahr, false, true},  // sun at 180
        {5, 5, 25, 0, Jahr, false, true}, // sun at -180
        {0, 13, 100, -30, Jahr, false, true},
        {29, 2, 1000000, 7, 2028, true, true},
        {15, 1, -2147483647, 2147483647, Jahr, false, true},
        {31, 10, 3, 59, 2027, true, true},
    };
    Bitmap Bild; // reused across sizes, as the window does
    for (auto [W, H] : Groessen) {
        const Bitmap Karte = Grundkarte(W, H, W % 2 == 0);
        const Geometrie G = GeometrieBerechnen(W, H);
        for (const Bildvorgabe& V : Vorgaben) {
            SCOPED_TRACE(testing::Message() << W << "x" << H << " " << V.Tag << "." << V.Monat
                                            << ". " << V.Stunde << ":" << V.Minute);
            BildZeichnen(Bild, Karte, G, V);
            const Bitmap Referenz = Referenzbild(Karte, G, V);
            ASSERT_EQ(Bild.Breite, W);
            ASSERT_EQ(Bild.Hoehe, H);
            const auto Abweichung =
                std::mismatch(Bild.Pixel.begin(), Bild.Pixel.end(), Referenz.Pixel.begin());
            ASSERT_TRUE(Abweichung.first == Bild.Pixel.end())
                << "first difference at pixel " << (Abweichung.first - Bild.Pixel.begin());
        }
    }
}

TEST(Bild, FarbenAufTagseiteNachtseiteUndUnterDerMarke) {
    struct Fall {
        Farbe Karte, Tag, Nacht, Marke;
    };
    const Fall Faelle[] = {{Weiss, Weiss, 0xF0F0F0, 0x00FFFF},
                           {Blau, Blau, 0xF00000, 0x000000},
                           {Silber, Silber, Silber, 0x00C0C0},
                           {Rot, Rot, 0x0000F0, Rot}};
    const int32_t W = 1036, H = 633;
    const Geometrie G = GeometrieBerechnen(W, H);
    const Sonnenstand S = SonnenstandBerechnen(TagImJahr(21, 6, Jahr), 12, 0);
    const auto Spalte = [&](double Laenge) {
        return static_cast<int32_t>(std::lround(G.cx + Laenge * G.sx));
    };
    const auto Zeile = [&](double Breite) {
        return static_cast<int32_t>(std::lround(G.cy - Breite * G.sy));
    };
    for (const Fall& f : Faelle) {
        Bitmap Karte = Weisse(W, H);
        Karte.Pinsel = f.Karte;
        Karte.Stift = f.Karte;
        Rechteck(Karte, {0, 0}, {W, H});
        const Bitmap Bild = Zeichnen(Karte, Juni);
        EXPECT_EQ(PixelLesen(Bild, Spalte(15), Zeile(0)), f.Tag);
        EXPECT_EQ(PixelLesen(Bild, Spalte(-165), Zeile(0)), f.Nacht);
        EXPECT_EQ(PixelLesen(Bild, Spalte(S.SonnenLaenge), Zeile(S.SonnenBreite)), f.Marke);
    }
}

TEST(Bild, NachtseiteImJuniUntenImDezemberOben) {
    struct Fall {
        const char* Name;
        Bildvorgabe V;
        Farbe Oben, Unten;
    };
    const Fall Faelle[] = {
        {"June", {21, 6, 12, 0, Jahr, false, false}, Weiss, Hellgrau},
        {"June at midnight", {21, 6, 0, 0, Jahr, true, false}, Weiss, Hellgrau},
        {"December", {21, 12, 12, 0, Jahr, false, false}, Hellgrau, Weiss},
        {"December morning", {28, 12, 8, 15, Jahr, true, false}, Hellgrau, Weiss}};
    for (const Fall& f : Faelle) {
        SCOPED_TRACE(f.Name);
        for (auto [W, H] : {std::pair{1036, 633}, {360, 160}, {181, 90}}) {
            const Bitmap Bild = Zeichnen(Weisse(W, H), f.V);
            for (int32_t x = 0; x < W; ++x) {
                ASSERT_EQ(PixelLesen(Bild, x, 0), f.Oben) << W << "x" << H << " column " << x;
                ASSERT_EQ(PixelLesen(Bild, x, H - 1), f.Unten) << W << "x" << H << " column " << x;
            }
        }
    }
}

TEST(Bild, TagNachtLinieReichtUeberJedeSpalte) {
    // Vertex 0 (-181 deg) and vertex 364 (183 deg) lie outside the visible
    // overlay columns 50 .. W + 49, except that vertex 0 lands on column 50 for
    // even widths up to 180; so no column lacks the line.
    struct Fall {
        int32_t W;
        int64_t Erste, Letzte;
    };
    for (const Fall& f : {Fall{1036, 47, 1095}, {180, 50, 232}, {178, 50, 229}, {181, 49, 232}}) {
        const auto Ecken =
            Randecken(GeometrieBerechnen(f.W, 100), SonnenstandBerechnen(172, 12, 0));
        EXPECT_EQ(Ecken.front().x, f.Erste) << f.W;
        EXPECT_EQ(Ecken.back().x, f.Letzte) << f.W;
    }
    const std::pair<int32_t, int32_t> Groessen[] = {{1036, 633}, {180, 90}, {178, 100},
                                                    {181, 90},   {8, 40},   {1, 30}};
    for (auto [W, H] : Groessen) {
        for (const Bildvorgabe& V : {Juni, Dezember, Bildvorgabe{5, 8, 9, 40, Jahr, true, false}}) {
            const Bitmap Bild = Zeichnen(Weisse(W, H), V);
            for (int32_t x = 0; x < W; ++x) {
                bool Schwarz_ = false;
                for (int32_t y = 0; y < H; ++y) {
                    Schwarz_ = Schwarz_ || PixelLesen(Bild, x, y) == Schwarz;
                }
                ASSERT_TRUE(Schwarz_) << W << "x" << H << " column " << x;
            }
        }
    }
}

// The pixels in which two frames differ, as a bounding box.
struct Kasten {
    int32_t x0 = 1 << 30, y0 = 1 << 30, x1 = -1, y1 = -1;
};
Kasten Unterschied(const Bitmap& A, const Bitmap& B) {
    Kasten K;
    for (int32_t y = 0; y < A.Hoehe; ++y) {
        for (int32_t x = 0; x < A.Breite; ++x) {
            if (PixelLesen(A, x, y) != PixelLesen(B, x, y)) {
                K = {std::min(K.x0, x), std::min(K.y0, y), std::max(K.x1, x), std::max(K.y1, y)};
            }
        }
    }
    return K;
}

TEST(Bild, SonnenmarkeNurInIhremKasten) {
    struct Fall {
        const char* Name;
        Bildvorgabe V;
        int32_t x0, x1; // visible columns of the 13 x 13 box
    };
    // 1036 x 633, 21 June: the sun at 15 deg (column 561), 1 h at 180 deg
    // (column 1036), 25 h at -180 deg (column 0).
    const Fall Faelle[] = {{"noon", Juni, 555, 567},
                           {"sun at 180 deg", {21, 6, 1, 0, Jahr, false, true}, 1030, 1035},
                           {"sun at -180 deg", {21, 6, 25, 0, Jahr, false, true}, 0, 6}};
    const Bitmap Karte = Grundkarte(1036, 633);
    for (const Fall& f : Faelle) {
        SCOPED_TRACE(f.Name);
        Bildvorgabe Ohne = f.V;
        Ohne.SonnenOrt = false;
        const Bitmap Mit = Zeichnen(Karte, f.V);
        const Kasten K = Unterschied(Mit, Zeichnen(Karte, Ohne));
        const Sonnenstand S = SonnenstandBerechnen(TagImJahr(21, 6, Jahr), f.V.Stunde, 0);
        const auto Zeile = static_cast<int32_t>(
            std::lround(316 - S.SonnenBreite * GeometrieBerechnen(1036, 633).sy));
        EXPECT_EQ(K.x0, f.x0);
        EXPECT_EQ(K.x1, f.x1);
        EXPECT_EQ(K.y0, Zeile - 6);
        EXPECT_EQ(K.y1, Zeile + 6);
    }
}

TEST(Bild, SommerzeitNimmtEineStundeAb) {
    const Bitmap Karte = Grundkarte(360, 160);
    struct Fall {
        Bildvorgabe Mit, Ohne;
    };
    const Fall Faelle[] = {
        {{1, 7, 0, 0, Jahr, true, true}, {1, 7, -1, 0, Jahr, false, true}},
        {{15, 8, 14, 30, Jahr, true, true}, {15, 8, 13, 30, Jahr, false, true}},
        {{15, 1, 14, 30, Jahr, true, true}, {15, 1, 14, 30, Jahr, false, true}},
    };
    for (const Fall& f : Faelle) {
        EXPECT_EQ(Zeichnen(Karte, f.Mit).Pixel, Zeichnen(Karte, f.Ohne).Pixel);
    }
    const Bildvorgabe OhneSommerzeit{1, 7, 0, 0, Jahr, false, true};
    EXPECT_NE(Zeichnen(Karte, Faelle[0].Mit).Pixel, Zeichnen(Karte, OhneSommerzeit).Pixel);
}

TEST(Bild, DeklinationNullTeiltDurchNull) {
    // hour = -24 (284 + N) makes the declination exactly zero.
    struct Fall {
        int32_t Tag, Monat;
        uint16_t N;
    };
    for (const Fall& f : {Fall{1, 1, 1}, Fall{31, 12, 365}, Fall{1, 3, 60}}) {
        for (auto [W, H] : {std::pair{1036, 633}, {0, 0}}) {
            Bitmap Bild;
            const Bildvorgabe V{f.Tag, f.Monat, -24 * (284 + f.N), 0, Jahr, false, true};
            try {
                BildZeichnen(Bild, Weisse(W, H), GeometrieBerechnen(W, H), V);
                ADD_FAILURE() << "no error for N = " << f.N;
            } catch (const Fehler& e) {
                EXPECT_STREQ(e.what(), DivisionDurchNull);
            }
        }
    }
}

TEST(Bild, LeereZeichenflaeche) {
    for (auto [W, H] : {std::pair{0, 0}, {0, 633}, {1036, 0}}) {
        const Bitmap Bild = Zeichnen(Weisse(W, H), Juni);
        EXPECT_EQ(Bild.Breite, W);
        EXPECT_EQ(Bild.Hoehe, H);
        EXPECT_TRUE(Bild.Pixel.empty());
    }
}

} // namespace
} // namespace umbrix
