#include "map/raster.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace umbrix {
namespace {

constexpr int64_t Min64 = std::numeric_limits<int64_t>::min();
constexpr int64_t Max64 = std::numeric_limits<int64_t>::max();
constexpr int64_t Gross = int64_t{1} << 62;

// Legend of the pictures below: '.' white, 'S' black (pen), 'G' light grey (brush).
std::string Bildtext(const Bitmap& B) {
    const std::map<Farbe, char> Zeichen{{Weiss, '.'}, {Schwarz, 'S'}, {Hellgrau, 'G'}};
    std::string Text;
    for (int32_t y = 0; y < B.Hoehe; ++y) {
        for (int32_t x = 0; x < B.Breite; ++x) {
            const auto Eintrag = Zeichen.find(PixelLesen(B, x, y));
            Text += Eintrag == Zeichen.end() ? '?' : Eintrag->second;
        }
        Text += '\n';
    }
    return Text;
}

Bitmap Neu(int32_t Breite, int32_t Hoehe) {
    Bitmap B;
    BitmapAnlegen(B, Breite, Hoehe);
    B.Stift = Schwarz;
    B.Pinsel = Hellgrau;
    return B;
}

// The Breite x Hoehe window at (Links, Oben) of a larger bitmap.
Bitmap Ausschnitt(const Bitmap& Gross_, int32_t Links, int32_t Oben, int32_t Breite,
                  int32_t Hoehe) {
    Bitmap B = Neu(Breite, Hoehe);
    Kopieren(B, {-Links, -Oben}, Gross_);
    return B;
}

TEST(Raster, FarbenWerdenAlsQtRgb32Gehalten) {
    struct Fall {
        Farbe F;
        QRgb Qt;
    };
    const Fall Faelle[] = {{Weiss, 0xFFFFFFFF}, {Schwarz, 0xFF000000}, {Rot, 0xFFFF0000},
                           {Blau, 0xFF0000FF},  {Gelb, 0xFFFFFF00},    {0x123456, 0xFF563412}};
    for (const Fall& f : Faelle) {
        Bitmap B = Neu(2, 1);
        B.Pinsel = f.F;
        B.Stift = f.F;
        Rechteck(B, {0, 0}, {1, 1});
        EXPECT_EQ(PixelLesen(B, 0, 0), f.F);
        EXPECT_EQ(B.Pixel[0], f.Qt);
        EXPECT_EQ(AlsQImage(B).pixel(0, 0), f.Qt);
        EXPECT_EQ(PixelLesen(B, 1, 0), Weiss);
    }
}

TEST(Raster, LinieLaesstIhrenEndpunktAusUndLaesstDenStiftDort) {
    Bitmap B = Neu(8, 5);
    Bewegen(B, {1, 1});
    LinieZiehen(B, {6, 1});
    LinieZiehen(B, {6, 4});
    LinieZiehen(B, {2, 2});
    EXPECT_EQ(Bildtext(B), "........\n"
                           ".SSSSSS.\n"
                           "...S..S.\n"
                           "....SSS.\n"
                           "......S.\n");
    EXPECT_EQ(B.StiftOrt.x, 2);
    EXPECT_EQ(B.StiftOrt.y, 2);
}

TEST(Raster, GeschnitteneLinieTrifftDieselbenPixelWieUngeschnitten) {
    std::mt19937_64 Zufall(7);
    std::uniform_int_distribution<int64_t> Koordinate(-40, 60);
    for (int k = 0; k < 400; ++k) {
        const Punkt A{Koordinate(Zufall), Koordinate(Zufall)};
        const Punkt Z{Koordinate(Zufall), Koordinate(Zufall)};
        Bitmap Klein = Neu(20, 15);
        Bitmap Voll = Neu(200, 200);
        Bewegen(Klein, A);
        LinieZiehen(Klein, Z);
        Bewegen(Voll, {A.x + 80, A.y + 80});
        LinieZiehen(Voll, {Z.x + 80, Z.y + 80});
        ASSERT_EQ(Bildtext(Klein), Bildtext(Ausschnitt(Voll, 80, 80, 20, 15)))
            << "(" << A.x << "," << A.y << ") -> (" << Z.x << "," << Z.y << ")";
    }
}

TEST(Raster, LinieMitRiesigenKoordinatenWirdGenauGeschnitten) {
    struct Fall {
        const char* Name;
        Punkt A, Z;
        std::function<bool(int64_t, int64_t)> Gesetzt;
    };
    const Fall Faelle[] = {
        {"waagrecht ueber den ganzen Bereich",
         {Min64, 3},
         {Max64, 3},
         [](int64_t, int64_t y) { return y == 3; }},
        {"senkrecht ueber den ganzen Bereich",
         {4, Max64},
         {4, Min64},
         [](int64_t x, int64_t) { return x == 4; }},
        {"Diagonale",
         {-Gross, -Gross},
         {Gross, Gross},
         [](int64_t x, int64_t y) { return x == y; }},
        {"Steigung ein halb",
         {-Gross, -Gross / 2},
         {Gross, Gross / 2},
         [](int64_t x, int64_t y) { return y == (x + 1) / 2; }},
        {"ganz unterhalb", {-Gross, 20}, {Gross, 20}, [](int64_t, int64_t) { return false; }},
        {"Diagonale knapp an der Ecke vorbei",
         {-Gross, -Gross + 10},
         {Gross, Gross + 10},
         [](int64_t, int64_t) { return false; }},
    };
    for (const Fall& f : Faelle) {
        SCOPED_TRACE(f.Name);
        Bitmap B = Neu(10, 10);
        Bewegen(B, f.A);
        LinieZiehen(B, f.Z);
        Bitmap Erwartet = Neu(10, 10);
        for (int32_t y = 0; y < 10; ++y) {
            for (int32_t x = 0; x < 10; ++x) {
                if (f.Gesetzt(x, y)) {
                    Erwartet.Pixel[static_cast<std::size_t>(y * 10 + x)] = B.Pixel[0] & 0xFF000000;
                }
            }
        }
        EXPECT_EQ(Bildtext(B), Bildtext(Erwartet));
    }
}

TEST(Raster, RechteckFuelltUndUmrandetSeinenKasten) {
    const char* Erwartet = ".......\n"
                           ".SSSS..\n"
                           ".SGGS..\n"
                           ".SSSS..\n"
                           ".......\n";
    Bitmap B = Neu(7, 5);
    Rechteck(B, {1, 1}, {5, 4});
    EXPECT_EQ(Bildtext(B), Erwartet);
    Bitmap Vertauscht = Neu(7, 5);
    Rechteck(Vertauscht, {5, 4}, {1, 1});
    EXPECT_EQ(Bildtext(Vertauscht), Erwartet);

    Bitmap Ueberdeckt = Neu(6, 3);
    Rechteck(Ueberdeckt, {-1, -1}, {6 + 101, 3 + 101});
    EXPECT_EQ(Bildtext(Ueberdeckt), "GGGGGG\nGGGGGG\nGGGGGG\n");
}

TEST(Raster, VieleckFuelltPixelmittenUndZiehtJedeKante) {
    Bitmap B = Neu(9, 9);
    const Punkt Dreieck[] = {{0, 0}, {8, 0}, {0, 8}};
    Vieleck(B, Dreieck);
    EXPECT_EQ(Bildtext(B), "SSSSSSSSS\n"
                           "SGGGGG.S.\n"
                           "SGGGG.S..\n"
                           "SGGG.S...\n"
                           "SGG.S....\n"
                           "SG.S.....\n"
                           "S.S......\n"
                           "SS.......\n"
                           "S........\n");
    Bitmap Kasten = Neu(7, 6);
    const Punkt Ecken[] = {{1, 1}, {5, 1}, {5, 4}, {1, 4}};
    Vieleck(Kasten, Ecken);
    EXPECT_EQ(Bildtext(Kasten), ".......\n"
                                ".SSSSS.\n"
                                ".SGGGS.\n"
                                ".SGGGS.\n"
                                ".SSSSS.\n"
                                ".......\n");
}

TEST(Raster, GeschnittenesVieleckUndEllipseWieUngeschnitten) {
    std::mt19937_64 Zufall(11);
    std::uniform_int_distribution<int64_t> Koordinate(-30, 50);
    std::uniform_int_distribution<int> Eckenzahl(3, 9);
    for (int k = 0; k < 200; ++k) {
        std::vector<Punkt> Ecken(static_cast<std::size_t>(Eckenzahl(Zufall)));
        std::vector<Punkt> Verschoben;
        for (Punkt& P : Ecken) {
            P = {Koordinate(Zufall), Koordinate(Zufall)};
            Verschoben.push_back({P.x + 60, P.y + 60});
        }
        Bitmap Klein = Neu(21, 17);
        Bitmap Voll = Neu(160, 160);
        Vieleck(Klein, Ecken);
        Vieleck(Voll, Verschoben);
        Ellipse(Klein, Ecken[0], Ecken[1]);
        Ellipse(Voll, Verschoben[0], Verschoben[1]);
        ASSERT_EQ(Bildtext(Klein), Bildtext(Ausschnitt(Voll, 60, 60, 21, 17))) << "Fall " << k;
    }
}

TEST(Raster, EllipseLiegtImKastenUndBeruehrtSeineSeiten) {
    struct Fall {
        Punkt A, Z;
    };
    const Fall Faelle[] = {{{2, 3}, {15, 16}},
                           {{1, 1}, {20, 8}},
                           {{4, 2}, {5, 3}},
                           {{3, 3}, {3, 9}},
                           {{18, 12}, {6, 1}}};
    for (const Fall& f : Faelle) {
        const int64_t x1 = std::min(f.A.x, f.Z.x), x2 = std::max(f.A.x, f.Z.x);
        const int64_t y1 = std::min(f.A.y, f.Z.y), y2 = std::max(f.A.y, f.Z.y);
        SCOPED_TRACE(testing::Message() << x1 << "," << y1 << " - " << x2 << "," << y2);
        Bitmap B = Neu(24, 20);
        Ellipse(B, f.A, f.Z);
        int64_t xa = 99, xe = -1, ya = 99, ye = -1;
        for (int32_t y = 0; y < B.Hoehe; ++y) {
            for (int32_t x = 0; x < B.Breite; ++x) {
                const Farbe F = PixelLesen(B, x, y);
                if (F != Weiss) {
                    xa = std::min<int64_t>(xa, x), xe = std::max<int64_t>(xe, x);
                    ya = std::min<int64_t>(ya, y), ye = std::max<int64_t>(ye, y);
                }
                // Symmetric about the box centre.
                const int64_t sx = x1 + x2 - 1 - x, sy = y1 + y2 - 1 - y;
                if (sx >= 0 && sx < B.Breite && sy >= 0 && sy < B.Hoehe) {
                    EXPECT_EQ(F, PixelLesen(B, static_cast<int32_t>(sx), y));
                    EXPECT_EQ(F, PixelLesen(B, x, static_cast<int32_t>(sy)));
                }
            }
        }
        if (x2 == x1 || y2 == y1) {
            EXPECT_EQ(xe, -1) << "an empty box draws nothing";
            continue;
        }
        EXPECT_EQ(xa, x1);
        EXPECT_EQ(xe, x2 - 1);
        EXPECT_EQ(ya, y1);
        EXPECT_EQ(ye, y2 - 1);
        EXPECT_EQ(PixelLesen(B, static_cast<int32_t>(x1 + x2) / 2, static_cast<int32_t>(y1)),
                  Schwarz);
        if (x2 - x1 > 2 && y2 - y1 > 2) {
            EXPECT_EQ(PixelLesen(B, static_cast<int32_t>(x1), static_cast<int32_t>(y1)), Weiss);
            EXPECT_EQ(
                PixelLesen(B, static_cast<int32_t>(x1 + x2) / 2, static_cast<int32_t>(y1 + y2) / 2),
                Hellgrau);
        }
    }
}

TEST(Raster, KopierenUndUndKopierenSchneidenAnJedemRand) {
    const Punkt Orte[] = {{0, 0},  {-2, 1},    {3, -1},        {4, 3},          {5, 0},
                          {-3, 0}, {Min64, 0}, {Max64, Max64}, {-Gross, -Gross}};
    for (const Punkt& Ort : Orte) {
        SCOPED_TRACE(testing::Message() << Ort.x << "," << Ort.y);
        Bitmap Quelle = Neu(3, 3);
        Bitmap Ziel = Neu(5, 4);
        for (std::size_t i = 0; i < Quelle.Pixel.size(); ++i) {
            Quelle.Pixel[i] = 0xFF000000 | static_cast<uint32_t>(0x0F0F0F * (i + 1));
        }
        for (std::size_t i = 0; i < Ziel.Pixel.size(); ++i) {
            Ziel.Pixel[i] = 0xFF000000 | static_cast<uint32_t>(0x3C5A96 + 0x010203 * i);
        }
        Bitmap Kopie = Ziel;
        Bitmap Und = Ziel;
        Kopieren(Kopie, Ort, Quelle);
        UndKopieren(Und, Ort, Quelle);
        for (int64_t y = 0; y < Ziel.Hoehe; ++y) {
            for (int64_t x = 0; x < Ziel.Breite; ++x) {
                const auto i = static_cast<std::size_t>(y * Ziel.Breite + x);
                // Exact offsets once the source lies at or before the pixel.
                const uint64_t qx = static_cast<uint64_t>(x) - static_cast<uint64_t>(Ort.x);
                const uint64_t qy = static_cast<uint64_t>(y) - static_cast<uint64_t>(Ort.y);
                const bool Bedeckt = Ort.x <= x && qx < 3 && Ort.y <= y && qy < 3;
                const uint32_t Q =
                    Bedeckt ? Quelle.Pixel[static_cast<std::size_t>(qy * 3 + qx)] : 0;
                EXPECT_EQ(Kopie.Pixel[i], Bedeckt ? Q : Ziel.Pixel[i]) << x << "," << y;
                EXPECT_EQ(Und.Pixel[i], Bedeckt ? (Q & Ziel.Pixel[i]) : Ziel.Pixel[i])
                    << x << "," << y;
            }
        }
    }
}

TEST(Raster, TextStehtAufEinerZelleDesPinsels) {
    struct Fall {
        const char* Name;
        Punkt Ort;
    };
    const Fall Faelle[] = {{"ganz sichtbar", {3, 4}},
                           {"links angeschnitten", {-9, 4}},
                           {"oben angeschnitten", {3, -6}},
                           {"weit ausserhalb", {Max64, Min64}}};
    for (const Fall& f : Faelle) {
        SCOPED_TRACE(f.Name);
        Bitmap B = Neu(60, 30);
        B.Stift = Schwarz;
        B.Pinsel = Schwarz;
        Rechteck(B, {0, 0}, {60, 30});
        B.Pinsel = Weiss;
        TextAusgeben(B, f.Ort, "-150\xC2\xB0", Rot);
        int64_t xa = 99, xe = -1, ya = 99, ye = -1;
        int Rote = 0;
        for (int32_t y = 0; y < B.Hoehe; ++y) {
            for (int32_t x = 0; x < B.Breite; ++x) {
                const Farbe F = PixelLesen(B, x, y);
                if (F != Schwarz) {
                    ASSERT_TRUE(F == Weiss || F == Rot) << std::hex << F;
                    Rote += F == Rot;
                    xa = std::min<int64_t>(xa, x), xe = std::max<int64_t>(xe, x);
                    ya = std::min<int64_t>(ya, y), ye = std::max<int64_t>(ye, y);
                }
            }
        }
        if (f.Ort.x > 100) {
            EXPECT_EQ(xe, -1);
            continue;
        }
        EXPECT_GT(Rote, 10);
        EXPECT_EQ(xa, std::max<int64_t>(f.Ort.x, 0));
        EXPECT_EQ(ya, std::max<int64_t>(f.Ort.y, 0));
        // The cell is one opaque rectangle: its advance width and the font height.
        for (int64_t y = ya; y <= ye; ++y) {
            for (int64_t x = xa; x <= xe; ++x) {
                EXPECT_NE(PixelLesen(B, static_cast<int32_t>(x), static_cast<int32_t>(y)), Schwarz);
            }
        }
        EXPECT_GE(ye - f.Ort.y + 1, 13);
        EXPECT_LE(ye - f.Ort.y + 1, 17);
        EXPECT_GE(xe - f.Ort.x + 1, 25);
    }
}

} // namespace
} // namespace umbrix
