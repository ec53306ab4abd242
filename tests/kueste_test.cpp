#include "map/kueste.h"

#include "sky/fehler.h"

#include "fehlermeldung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace umbrix {

static void PrintTo(const KuestenPunkt& p, std::ostream* os) {
    *os << '(' << p.Breite << ' ' << p.Laenge << ' ' << p.Stift << ')';
}

namespace {

namespace fs = std::filesystem;

constexpr KuestenPunkt Null{0.0, 0.0, 0};

// A fresh directory under the system's temporary directory, removed with its
// content at the end of the test.
class Tempverzeichnis {
public:
    Tempverzeichnis() {
        std::string Vorlage = (fs::temp_directory_path() / "kueste_test.XXXXXX").string();
        if (::mkdtemp(Vorlage.data()) == nullptr) {
            throw std::runtime_error("mkdtemp failed");
        }
        Pfad_ = Vorlage;
    }
    ~Tempverzeichnis() { fs::remove_all(Pfad_); }
    std::string Datei(const std::string& Name) const { return (Pfad_ / Name).string(); }

private:
    fs::path Pfad_;
};

// Line k of a generated file: latitude k / 1000, longitude -k / 100, pen flag k % 2.
KuestenPunkt Erzeugt(int k) {
    return {k / 1000.0, -k / 100.0, k % 2};
}

void ErzeugteDateiSchreiben(const std::string& Pfad, int Zeilen) {
    std::ofstream Aus(Pfad, std::ios::binary);
    for (int k = 1; k <= Zeilen; ++k) {
        Aus << k << "e-3 -" << k << "e-2 " << k % 2 << '\n';
    }
}

// --- Splitting one line -----------------------------------------------------

TEST(ZeileZerlegen, GueltigeZeilen) {
    struct Fall {
        const char* Zeile;
        KuestenPunkt Erwartet;
    };
    for (const Fall f : {
             Fall{"54.5 10.25 0", {54.5, 10.25, 0}},
             {"-54.123 -170.456 1", {-54.123, -170.456, 1}},
             {"10 200 -1", {10, 200, -1}},
             {"1e1 -2.5E-1 2", {10, -0.25, 2}},
             {"45.5 1", {45.5, 0, 1}},   // one blank: the longitude is empty
             {"1", {0, 0, 1}},           // no blank: both coordinates are empty
             {"10 20   1", {10, 20, 1}}, // blanks before the pen flag are skipped
             {"+ - 1", {0, 0, 1}},       // a lone sign stands for 0
             {"10 20 -0", {10, 20, 0}},
             {"10 20 $0", {10, 20, 0}},
             {"10 20 0x0", {10, 20, 0}},
             {"10 20 $1", {10, 20, 1}},
             {"10 20 x1", {10, 20, 1}},
             {"10 20 $FFFFFFFF", {10, 20, -1}},
             {"10 20 2147483647", {10, 20, INT32_MAX}},
             {"1e-400 -1e-400 1", {0, 0, 1}}, // underflow passes as zero
         }) {
        KuestenPunkt p{111, 222, 333};
        ZeileZerlegen(f.Zeile, p.Breite, p.Laenge, p.Stift);
        EXPECT_EQ(p, f.Erwartet) << '"' << f.Zeile << '"';
    }
}

// A failing field leaves itself and the fields after it as they were.
TEST(ZeileZerlegen, FehlerNenntDasFeldUndLaesstDieRestlichenWerte) {
    struct Fall {
        const char* Zeile;
        const char* Meldung;
        KuestenPunkt Danach;
    };
    constexpr double B = 111, L = 222;
    constexpr int32_t S = 333;
    for (const Fall f : {
             Fall{"", "'' is not a valid integer value", {0, 0, S}},
             {"10 20 1 ", "'1 ' is not a valid integer value", {10, 20, S}},
             {"10 20 1.0", "'1.0' is not a valid integer value", {10, 20, S}},
             {"10 20 1 1", "'1 1' is not a valid integer value", {10, 20, S}},
             {"10 20   ", "'  ' is not a valid integer value", {10, 20, S}},
             {"10 20 2147483648", "'2147483648' is not a valid integer value", {10, 20, S}},
             {"10 20 -$1", "'-$1' is not a valid integer value", {10, 20, S}},
             {"10\t20\t1", "'10\t20\t1' is not a valid integer value", {0, 0, S}},
             {" 10 20 1", "'20 1' is not a valid integer value", {0, 10, S}},
             {"10  20 1", "'20 1' is not a valid integer value", {10, 0, S}},
             {"10 12,5 1", "'12,5' is not a valid floating point value", {10, L, S}},
             {"12.5x 20 1", "'12.5x' is not a valid floating point value", {B, L, S}},
             {"-3.5x 20 1", "'-3.5x' is not a valid floating point value", {B, L, S}},
             {"10 . 1", "'.' is not a valid floating point value", {10, L, S}},
             {"10 1e999 1", "'1e999' is not a valid floating point value", {10, L, S}},
             {"-1e400 20 1", "'-1e400' is not a valid floating point value", {B, L, S}},
         }) {
        KuestenPunkt p{B, L, S};
        EXPECT_EQ(Meldung([&] { ZeileZerlegen(f.Zeile, p.Breite, p.Laenge, p.Stift); }), f.Meldung)
            << '"' << f.Zeile << '"';
        EXPECT_EQ(p, f.Danach) << '"' << f.Zeile << '"';
    }
}

// --- Loading the file -------------------------------------------------------

const KuestenPunkt DreiZeilen[] = {{54.5, 10.25, 0}, {54.75, 10.5, 1}, {-3.5, 200, 1}};

TEST(KuesteLaden, ZeilenumbruecheGebenDieselbenPunkte) {
    for (const char* Datei : {"lf.000", "crlf.000", "cr.000", "ohne_umbruch.000", "nul.000"}) {
        std::vector<KuestenPunkt> Kueste;
        int32_t Anzahl = 0;
        KuesteLaden(Kueste, Anzahl, Datei);
        ASSERT_EQ(Anzahl, 3) << Datei;
        EXPECT_EQ(Kueste.size(), KuestenMindestlaenge) << Datei;
        EXPECT_EQ(Kueste[0], Null) << Datei;
        for (int k = 1; k <= 3; ++k) {
            EXPECT_EQ(Kueste[k], DreiZeilen[k - 1]) << Datei << " line " << k;
        }
        EXPECT_EQ(Kueste[4], Null) << Datei;
    }
}

TEST(KuesteLaden, ZweimalGeladenGleich) {
    std::vector<KuestenPunkt> Kueste;
    int32_t Anzahl = 0;
    KuesteLaden(Kueste, Anzahl, "lf.000");
    const std::vector<KuestenPunkt> Erstes = Kueste;
    KuesteLaden(Kueste, Anzahl, "lf.000");
    EXPECT_EQ(Anzahl, 3);
    EXPECT_EQ(Kueste, Erstes);
}

TEST(KuesteLaden, KuerzereDateiLaesstDieUebrigenPunkte) {
    std::vector<KuestenPunkt> Kueste;
    int32_t Anzahl = 0;
    KuesteLaden(Kueste, Anzahl, "lf.000");
    KuesteLaden(Kueste, Anzahl, "kurz.000");
    EXPECT_EQ(Anzahl, 1);
    EXPECT_EQ(Kueste[1], (KuestenPunkt{7, 8, 0}));
    EXPECT_EQ(Kueste[2], DreiZeilen[1]);
    EXPECT_EQ(Kueste[3], DreiZeilen[2]);
}

TEST(KuesteLaden, FehlendeDateiBeimErstenLauf) {
    std::vector<KuestenPunkt> Kueste;
    int32_t Anzahl = 0;
    EXPECT_EQ(Meldung([&] { KuesteLaden(Kueste, Anzahl); }), "Cannot open file erde2.000");
    EXPECT_EQ(Anzahl, 0);
    ASSERT_EQ(Kueste.size(), KuestenMindestlaenge);
    for (const KuestenPunkt& p : Kueste) {
        ASSERT_EQ(p, Null);
    }
}

// Every failure keeps the count of the run before, and the records of the
// lines before the failing one hold their new values.
TEST(KuesteLaden, FehlerLassenDieAnzahlDesVorigenLaufs) {
    struct Fall {
        std::string Datei;
        std::string Meldung;
        std::vector<KuestenPunkt> Punkte1Bis3; // records 1 to 3 afterwards
    };
    const Fall Faelle[] = {
        {"fehlt.000", "Cannot open file fehlt.000", {DreiZeilen[0], DreiZeilen[1], DreiZeilen[2]}},
        {".", "Cannot open file .", {DreiZeilen[0], DreiZeilen[1], DreiZeilen[2]}},
        {"leer.000", "List index out of bounds (0)", {DreiZeilen[0], DreiZeilen[1], DreiZeilen[2]}},
        {"nul_anfang.000",
         "List index out of bounds (0)",
         {DreiZeilen[0], DreiZeilen[1], DreiZeilen[2]}},
        {"leerzeile.000",
         "'' is not a valid integer value",
         {DreiZeilen[0], DreiZeilen[1], {0, 0, DreiZeilen[2].Stift}}},
        {"lf_cr.000",
         "'' is not a valid integer value",
         {DreiZeilen[0], {0, 0, DreiZeilen[1].Stift}, DreiZeilen[2]}},
        {"stift_fehler.000",
         "'x' is not a valid integer value",
         {{1, 2, 0}, {3, 4, DreiZeilen[1].Stift}, DreiZeilen[2]}},
        {"laenge_fehler.000",
         "'4,5' is not a valid floating point value",
         {{1, 2, 0}, {3, DreiZeilen[1].Laenge, DreiZeilen[1].Stift}, DreiZeilen[2]}},
    };
    for (const Fall& f : Faelle) {
        std::vector<KuestenPunkt> Kueste;
        int32_t Anzahl = 0;
        KuesteLaden(Kueste, Anzahl, "lf.000");
        EXPECT_EQ(Meldung([&] { KuesteLaden(Kueste, Anzahl, f.Datei); }), f.Meldung) << f.Datei;
        EXPECT_EQ(Anzahl, 3) << f.Datei;
        EXPECT_EQ(Kueste.size(), KuestenMindestlaenge) << f.Datei;
        EXPECT_EQ(Kueste[0], Null) << f.Datei;
        for (int k = 1; k <= 3; ++k) {
            EXPECT_EQ(Kueste[k], f.Punkte1Bis3[k - 1]) << f.Datei << " record " << k;
        }
    }
}

TEST(KuesteLaden, LeereLetzteZeileBeimErstenLaufZeichnetNichts) {
    std::vector<KuestenPunkt> Kueste;
    int32_t Anzahl = 0;
    EXPECT_EQ(Meldung([&] { KuesteLaden(Kueste, Anzahl, "leerzeile.000"); }),
              "'' is not a valid integer value");
    EXPECT_EQ(Anzahl, 0);
    EXPECT_EQ(Kueste.size(), KuestenMindestlaenge);
}

TEST(KuesteLaden, NurRegulaereDateien) {
    Tempverzeichnis Temp;
    const std::string Fifo = Temp.Datei("fifo.000");
    ASSERT_EQ(::mkfifo(Fifo.c_str(), 0600), 0);
    std::vector<KuestenPunkt> Kueste;
    int32_t Anzahl = 0;
    // Opening a FIFO for reading would wait for a writer; it must fail at once.
    EXPECT_EQ(Meldung([&] { KuesteLaden(Kueste, Anzahl, Fifo); }), "Cannot open file " + Fifo);
    EXPECT_EQ(Meldung([&] { KuesteLaden(Kueste, Anzahl, "/dev/null"); }),
              "Cannot open file /dev/null");
    EXPECT_EQ(Anzahl, 0);
}

TEST(KuesteLaden, SchreibsperreEinesAnderenHaeltDenLaderFern) {
    // flock locks belong to the open file description, so a second open in the
    // same process competes with the loader like another program would.
    const int Andere = ::open("lf.000", O_RDONLY | O_CLOEXEC);
    ASSERT_GE(Andere, 0);
    std::vector<KuestenPunkt> Kueste;
    int32_t Anzahl = 0;

    ASSERT_EQ(::flock(Andere, LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(Meldung([&] { KuesteLaden(Kueste, Anzahl, "lf.000"); }), "Cannot open file lf.000");
    EXPECT_EQ(Anzahl, 0);

    // Other readers are welcome.
    ASSERT_EQ(::flock(Andere, LOCK_SH | LOCK_NB), 0);
    KuesteLaden(Kueste, Anzahl, "lf.000");
    EXPECT_EQ(Anzahl, 3);
    ::close(Andere);
}

TEST(KuesteLaden, MehrZeilenAlsDasFeldFasst) {
    for (const int Zeilen : {31999, 32000, 40000}) {
        Tempverzeichnis Temp;
        const std::string Datei = Temp.Datei("lang.000");
        ErzeugteDateiSchreiben(Datei, Zeilen);
        std::vector<KuestenPunkt> Kueste;
        int32_t Anzahl = 0;
        KuesteLaden(Kueste, Anzahl, Datei);
        ASSERT_EQ(Anzahl, Zeilen);
        ASSERT_GE(Kueste.size(), static_cast<std::size_t>(Zeilen) + 1);
        EXPECT_EQ(Kueste[0], Null);
        for (int k = 1; k <= Zeilen; ++k) {
            ASSERT_EQ(Kueste[k], Erzeugt(k)) << Zeilen << " lines, record " << k;
        }

        // A shorter file afterwards keeps the grown array and what lies beyond.
        const std::size_t Laenge = Kueste.size();
        KuesteLaden(Kueste, Anzahl, "lf.000");
        EXPECT_EQ(Anzahl, 3);
        EXPECT_EQ(Kueste.size(), Laenge);
        EXPECT_EQ(Kueste[Zeilen], Erzeugt(Zeilen));
    }
}

TEST(KuesteLaden, MitgelieferteDaten) {
    std::vector<KuestenPunkt> Kueste;
    int32_t Anzahl = 0;
    KuesteLaden(Kueste, Anzahl, UMBRIX_KUESTENDATEI);
    EXPECT_GT(Anzahl, 5000);
    EXPECT_LE(Anzahl, 31999);
    EXPECT_EQ(Kueste.size(), KuestenMindestlaenge);
    EXPECT_EQ(Kueste[1].Stift, 0) << "the first point starts a line";
    for (int k = 1; k <= Anzahl; ++k) {
        const KuestenPunkt& p = Kueste[k];
        ASSERT_LE(std::abs(p.Breite), 90.0) << "record " << k;
        ASSERT_LE(std::abs(p.Laenge), 180.0) << "record " << k;
        ASSERT_TRUE(p.Stift == 0 || p.Stift == 1) << "record " << k;
    }
}

} // namespace
} // namespace umbrix
