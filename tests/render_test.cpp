#include "app/feldwert.h"
#include "map/bild.h"
#include "map/karte.h"
#include "map/kueste.h"

#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace umbrix {
namespace {

constexpr const char* Kuestendatei = "render_kueste.000"; // in the tests' data folder

struct Lauf {
    int Status;
    std::string Fehlerausgabe, Ausgabe;
};

Lauf Starten(const QStringList& Argumente) {
    QProcess P;
    P.start(UMBRIX_RENDER, Argumente);
    EXPECT_TRUE(P.waitForFinished(60000));
    return {P.exitStatus() == QProcess::NormalExit ? P.exitCode() : -1,
            P.readAllStandardError().toStdString(), P.readAllStandardOutput().toStdString()};
}

Bitmap Erwartet(int32_t W, int32_t H, const Bildvorgabe& V, bool GradNetz) {
    std::vector<KuestenPunkt> Kueste;
    int32_t KuestenAnzahl = 0;
    KuesteLaden(Kueste, KuestenAnzahl, Kuestendatei);
    const Geometrie G = GeometrieBerechnen(W, H);
    std::optional<Bitmap> Karte;
    KarteAufbauen(Karte, W, H, G, Kueste, KuestenAnzahl, GradNetz);
    Bitmap Bild;
    BildZeichnen(Bild, *Karte, G, V);
    return Bild;
}

TEST(Render, BildWieImFenster) {
    struct Fall {
        const char* Name;
        QStringList Argumente;
        int32_t W, H;
        Bildvorgabe V;
        bool GradNetz;
    };
    const Fall Faelle[] = {
        {"window size, PNG",
         {"--size", "1036x633", "--day", "21", "--month", "6", "--hour", "14", "--minute", "0",
          "--year", "2026", "--output", "bild.png"},
         1036,
         633,
         {21, 6, 14, 0, 2026, true, true},
         true},
        {"field texts, options, PPM",
         {"--size=181x90", "--day= 7", "--month", "$C", "--hour", "x10", "--minute", "12 ",
          "--year", "2024", "--no-dst", "--no-sun", "--no-grid", "--output", "bild.ppm"},
         181,
         90,
         {7, 12, 16, 0, 2024, false, false},
         false},
        {"odd small size, BMP",
         {"--size", "7x3", "--day", "1", "--month", "7", "--hour", "0", "--minute", "30", "--year",
          "2026", "--output", "klein.bmp"},
         7,
         3,
         {1, 7, 0, 30, 2026, true, true},
         true},
    };
    for (const Fall& f : Faelle) {
        SCOPED_TRACE(f.Name);
        QTemporaryDir Ordner;
        QStringList Argumente = f.Argumente;
        Argumente.last() = Ordner.filePath(Argumente.last());
        Argumente << "--coast" << Kuestendatei;
        const Lauf L = Starten(Argumente);
        ASSERT_EQ(L.Status, 0) << L.Fehlerausgabe;
        QImage Gelesen(Argumente[Argumente.size() - 3]);
        ASSERT_FALSE(Gelesen.isNull());
        ASSERT_EQ(Gelesen.width(), f.W);
        ASSERT_EQ(Gelesen.height(), f.H);
        const Bitmap Bild = Erwartet(f.W, f.H, f.V, f.GradNetz);
        const QImage Soll = AlsQImage(Bild);
        for (int y = 0; y < f.H; ++y) {
            for (int x = 0; x < f.W; ++x) {
                ASSERT_EQ(Gelesen.pixel(x, y), Soll.pixel(x, y)) << x << "," << y;
            }
        }
    }
}

TEST(Render, FehlerMitMeldungUndStatus) {
    struct Fall {
        const char* Name;
        QStringList Argumente;
        int Status;
        const char* Meldung;
    };
    const Fall Faelle[] = {
        {"missing coastline file",
         {"--size", "50x40", "--coast", "fehlt.000", "--output", "a.png"},
         1,
         "Cannot open file fehlt.000"},
        {"declination exactly zero",
         {"--size", "50x40", "--day", "1", "--month", "1", "--hour", "-6840", "--no-dst", "--coast",
          Kuestendatei, "--output", "a.png"},
         1,
         "Floating point division by zero"},
        {"zero size", {"--size", "0x40", "--output", "a.png"}, 2, "invalid size"},
        {"no size", {"--output", "a.png"}, 2, "--size is required"},
        {"no output", {"--size", "5x5"}, 2, "--output is required"},
        {"unknown suffix",
         {"--size", "5x5", "--coast", Kuestendatei, "--output", "a.xyz"},
         2,
         "no image format"},
        {"bad year", {"--size", "5x5", "--year", "70000", "--output", "a.png"}, 2, "invalid year"},
        {"unknown option", {"--size", "5x5", "--farbe", "--output", "a.png"}, 2, "unknown option"},
        {"value missing", {"--size", "5x5", "--output"}, 2, "needs a value"},
    };
    for (const Fall& f : Faelle) {
        SCOPED_TRACE(f.Name);
        QTemporaryDir Ordner;
        QStringList Argumente = f.Argumente;
        for (QString& a : Argumente) {
            if (a == "a.png" || a == "a.xyz") {
                a = Ordner.filePath(a);
            }
        }
        const Lauf L = Starten(Argumente);
        EXPECT_EQ(L.Status, f.Status);
        EXPECT_NE(L.Fehlerausgabe.find(f.Meldung), std::string::npos) << L.Fehlerausgabe;
        EXPECT_FALSE(QFileInfo::exists(Ordner.filePath("a.png"))) << "no image on failure";
    }
}

TEST(Render, Hilfe) {
    const Lauf L = Starten({"--help"});
    EXPECT_EQ(L.Status, 0);
    for (const char* Teil : {"--size WxH", "--output FILE", "--no-dst", "--coast FILE", "--year"}) {
        EXPECT_NE(L.Ausgabe.find(Teil), std::string::npos) << Teil;
    }
}

} // namespace
} // namespace umbrix
