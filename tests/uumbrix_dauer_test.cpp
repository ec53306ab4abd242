// Long runs, every window size and extreme field values, all through the
// window's own handlers. The many steps run on a small paint area so they stay
// quick; what they check is that nothing crashes, drifts or grows.
#include "fenster_hilfen.h"

#include "app/feldwert.h"
#include "app/meldung.h"
#include "app/simulation.h"
#include "app/uumbrix.h"
#include "map/bild.h"
#include "map/karte.h"
#include "sky/fehler.h"

#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <fstream>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace umbrix;

namespace {

constexpr int PanelHoehe = 86;
// The paint area of the long runs: 40 x 20 pixels.
constexpr QSize KleineMalflaeche{40, 20};

constexpr int64_t Minutenschritte = 100000;
constexpr int64_t Tagesschritte = 10000;
constexpr int64_t Aufwaermschritte = 1000;
constexpr int64_t Pruefabstand = 997; // steps between checks of the fields, prime to the year
constexpr int EchteLaufzeit = 1000;   // ms of running simulation
constexpr long ErlaubtesWachstum = 2L * 1024 * 1024; // bytes of resident memory

long ResidentBytes() {
    std::ifstream Statm("/proc/self/statm");
    long Gesamt = 0;
    long Resident = 0;
    Statm >> Gesamt >> Resident;
    return Resident * sysconf(_SC_PAGESIZE);
}

// The moment as whole minutes, worked out with the calendar of std::chrono
// rather than with date-time reals.
namespace kalender {
using namespace std::chrono;

constexpr year Jahr{SimulationsJahr};
const sys_days Neujahr{Jahr / January / 1};
constexpr minutes JahresLaenge = days{365}; // the steps' year has no 29 February

// The date in the steps' year, if there is one. chrono's month and day hold
// only small values, so the ranges come first.
std::optional<sys_time<minutes>> Kodieren(uint16_t Tag, uint16_t Monat) {
    if (Monat < 1 || Monat > 12 || Tag < 1 || Tag > 31) {
        return std::nullopt;
    }
    const year_month_day Datum{Jahr, month{Monat}, day{Tag}};
    if (!Datum.ok()) {
        return std::nullopt;
    }
    return sys_days{Datum};
}

Felder Als(sys_time<minutes> Moment) {
    const sys_days Tag = floor<days>(Moment);
    const year_month_day Datum{Tag};
    const hh_mm_ss<minutes> Zeit{Moment - Tag};
    return {QString::number(static_cast<unsigned>(Datum.day())),
            QString::number(static_cast<unsigned>(Datum.month())),
            QString::number(Zeit.hours().count()), QString::number(Zeit.minutes().count())};
}

// N steps from a valid moment: every step encodes its date in the steps' year,
// so after 31 December the run goes on from 1 January of that same year; the
// moment is the start's offset into the year plus the steps, modulo a year.
Felder NachSchritten(const Felder& Start, minutes Schritt, int64_t N) {
    const sys_time<minutes> Anfang = *Kodieren(static_cast<uint16_t>(Start.Tag.toUInt()),
                                               static_cast<uint16_t>(Start.Monat.toUInt())) +
                                     hours{Start.Stunden.toInt()} + minutes{Start.Minuten.toInt()};
    return Als(Neujahr + (Anfang - Neujahr + Schritt * N) % JahresLaenge);
}
} // namespace kalender

// An edit-field text with the value FeldWert gives it.
struct Feldtext {
    const char* Name;
    QString Text;
    int32_t Wert;
};

const std::vector<Feldtext>& Extremtexte() {
    static const std::vector<Feldtext> Texte{
        {"2147483647", "2147483647", std::numeric_limits<int32_t>::max()},
        {"-2147483647", "-2147483647", -std::numeric_limits<int32_t>::max()},
        {"-2147483648", "-2147483648", std::numeric_limits<int32_t>::min()},
        {"$FFFFFFFF", "$FFFFFFFF", -1},
        {"$80000000", "$80000000", std::numeric_limits<int32_t>::min()},
        {"0x7FFFFFFF", "0x7FFFFFFF", std::numeric_limits<int32_t>::max()},
        {"2147483648", "2147483648", 0},
        {"4294967295", "4294967295", 0},
        {"$100000000", "$100000000", 0},
        {"65535", "65535", 65535},
        {"65536", "65536", 65536},
        {"-65536", "-65536", -65536},
        {"-1", "-1", -1},
        {"0", "0", 0},
        {"99999999", "99999999", 99999999},
        {"-99999999", "-99999999", -99999999},
        {"tausend Ziffern", QString(1000, '9'), 0},
        {"leer", "", 0},
        {"Buchstaben", "zwölf", 0},
        {"Blank danach", "7 ", 0},
        {"nur $", "$", 0},
        {"Vorzeichen doppelt", "+-1", 0},
        {"NUL", QString(QChar(0)) + "1", 0},
        {"breite Ziffern", QString::fromUtf8("１２"), 0},
    };
    return Texte;
}

} // namespace

class UumbrixDauerTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TFUmbrix> F;

    void MalflaecheSetzen(QSize Groesse) {
        F->resize(Groesse.width(), Groesse.height() + PanelHoehe);
        QCOMPARE(F->Paintbox1->size(), Groesse);
    }

    // Steps the running window N times and checks the fields against the
    // calendar every Pruefabstand steps and at the end.
    void Schritte(const Felder& Start, std::chrono::minutes Schritt, int64_t N) {
        FelderSetzen(*F, Start);
        for (int64_t i = 1; i <= Aufwaermschritte; ++i) {
            F->Timer1Timer();
        }
        QCOMPARE(FelderLesen(*F), kalender::NachSchritten(Start, Schritt, Aufwaermschritte));
        const long Vorher = ResidentBytes();
        for (int64_t i = Aufwaermschritte + 1; i <= N; ++i) {
            F->Timer1Timer();
            if (i % Pruefabstand == 0 || i == N) {
                QCOMPARE(FelderLesen(*F), kalender::NachSchritten(Start, Schritt, i));
            }
        }
        const long Nachher = ResidentBytes();
        qInfo("%lld steps: resident %ld KiB after warm-up, %ld KiB at the end",
              static_cast<long long>(N), Vorher / 1024, Nachher / 1024);
        QVERIFY2(Nachher - Vorher < ErlaubtesWachstum, "resident memory grew");
        QCOMPARE(F->Karte->Breite, KleineMalflaeche.width());
        QCOMPARE(F->Karte->Hoehe, KleineMalflaeche.height());
        QCOMPARE(Angezeigt(*F), Erwartet(*F));
        QVERIFY(OffeneBerichte().isEmpty());
    }

    // One draw at the window's current size: no report, and the frame shown
    // is the paint area's size.
    void GroessePruefen(QSize Fenster) {
        const QByteArray Name =
            QByteArray::number(Fenster.width()) + " x " + QByteArray::number(Fenster.height());
        F->resize(Fenster);
        QVERIFY2(F->size() == Fenster, Name);
        // The paint composes a frame of its own and reports what fails.
        F->Paintbox1->repaint();
        QVERIFY2(OffeneBerichte().isEmpty(), Name);
        F->BDarstellungClick();
        QVERIFY2(F->Karte.has_value(), Name);
        QVERIFY2(QSize(F->Karte->Breite, F->Karte->Hoehe) == F->Paintbox1->size(), Name);
        QVERIFY2(OffeneBerichte().isEmpty(), Name);
    }

private slots:
    void init() {
        F = std::make_unique<TFUmbrix>();
        F->show();
        QVERIFY(QTest::qWaitForWindowExposed(F.get()));
        MalflaecheSetzen(KleineMalflaeche);
    }

    void cleanup() {
        BerichteSchliessen();
        F.reset();
    }

    void MinutenschritteBleibenGenau() {
        F->RMinute->setChecked(true);
        // Crosses the turn of the year, from an odd minute.
        Schritte({"20", "11", "13", "7"}, std::chrono::minutes{2}, Minutenschritte);
    }

    void TagesschritteBleibenGenau() {
        F->RTag->setChecked(true);
        // Passes 28 February and the turn of the year 27 times.
        Schritte({"27", "2", "23", "59"}, std::chrono::days{1}, Tagesschritte);
    }

    // The timer's own ticks, as many as come in a second, each one step.
    void TimerTicksSindSchritte() {
        const Felder Start{"31", "12", "23", "30"};
        FelderSetzen(*F, Start);
        QSignalSpy Ticks(F->Timer1, &QTimer::timeout);
        F->BSimulation->click();
        QTest::qWait(EchteLaufzeit);
        F->BSimulation->click();
        QVERIFY(!F->Timer1->isActive());
        QVERIFY(Ticks.count() > 0);
        QCOMPARE(FelderLesen(*F),
                 kalender::NachSchritten(Start, std::chrono::minutes{2}, Ticks.count()));
        QCOMPARE(Angezeigt(*F), Erwartet(*F));
        QVERIFY(OffeneBerichte().isEmpty());
    }

    // Every width and every height from 0 to a few thousand pixels with the
    // other side small, window heights below the panel's (the scrolling
    // layout) included, then large sizes on both sides.
    void JedeFenstergroesse() {
        constexpr int BreiteBis = 4096;
        constexpr int HoeheBis = 3072;
        for (int W = 0; W <= BreiteBis; ++W) {
            GroessePruefen({W, PanelHoehe + KleineMalflaeche.height()});
        }
        for (int H = 0; H <= HoeheBis + PanelHoehe; ++H) {
            GroessePruefen({KleineMalflaeche.width(), H});
        }
        const int Breiten[] = {0, 1, 2, 359, 360, 361, 1036, 1919, 2000, 3000, 4000};
        const int Hoehen[] = {0, 1, 85, 86, 87, 246, 719, 1080, 2000, 3000, 3086};
        for (const int W : Breiten) {
            for (const int H : Hoehen) {
                GroessePruefen({W, H});
                if (!F->Paintbox1->size().isEmpty()) {
                    QCOMPARE(Angezeigt(*F), Erwartet(*F));
                }
            }
        }
    }

    // Hours and minutes, and days and months, at the 32-bit extremes and as
    // garbage: a draw gives the frame or an arithmetic message and shows
    // nothing of a failed frame; a step writes the moment the calendar gives
    // or fails with the date message and leaves the fields.
    void Extremwerte_data() {
        QTest::addColumn<Felder>("Texte");
        QTest::addColumn<int32_t>("Tag");
        QTest::addColumn<int32_t>("Monat");
        QTest::addColumn<int32_t>("Stunde");
        QTest::addColumn<int32_t>("Minute");
        for (const Feldtext& A : Extremtexte()) {
            for (const Feldtext& B : Extremtexte()) {
                QTest::addRow("Stunde %s, Minute %s", A.Name, B.Name)
                    << Felder{"21", "6", A.Text, B.Text} << 21 << 6 << A.Wert << B.Wert;
                QTest::addRow("Tag %s, Monat %s", A.Name, B.Name)
                    << Felder{A.Text, B.Text, "12", "0"} << A.Wert << B.Wert << 12 << 0;
            }
            QTest::addRow("alle %s", A.Name)
                << Felder{A.Text, A.Text, A.Text, A.Text} << A.Wert << A.Wert << A.Wert << A.Wert;
        }
    }

    void Extremwerte() {
        QFETCH(Felder, Texte);
        QFETCH(int32_t, Tag);
        QFETCH(int32_t, Monat);
        QFETCH(int32_t, Stunde);
        QFETCH(int32_t, Minute);
        QCOMPARE(FeldWert(Texte.Tag.toStdString()), Tag);
        QCOMPARE(FeldWert(Texte.Monat.toStdString()), Monat);
        QCOMPARE(FeldWert(Texte.Stunden.toStdString()), Stunde);
        QCOMPARE(FeldWert(Texte.Minuten.toStdString()), Minute);

        const QStringList Rechenfehler{DivisionDurchNull, UngueltigeOperation, Ueberlauf};
        FelderSetzen(*F, Texte);
        const QImage Vorher = Angezeigt(*F);
        try {
            F->BDarstellungClick();
            QCOMPARE(Angezeigt(*F), Erwartet(*F));
        } catch (const Fehler& e) {
            QVERIFY2(Rechenfehler.contains(e.what()), e.what());
            QCOMPARE(Angezeigt(*F), Vorher);
        }
        // From a click, a failure is one report with the message.
        F->BDarstellung->click();
        const QList<QMessageBox*> Berichte = OffeneBerichte();
        QVERIFY(Berichte.size() <= 1);
        if (!Berichte.isEmpty()) {
            const QString Text = Berichte.front()->text();
            bool Bekannt = false;
            for (const QString& Nachricht : Rechenfehler) {
                Bekannt |= Text == QString::fromStdString(Meldungstext(Nachricht.toStdString()));
            }
            QVERIFY2(Bekannt, qPrintable(Text));
        }
        BerichteSchliessen();

        for (QRadioButton* Weite : {F->RMinute, F->RTag}) {
            Weite->setChecked(true);
            FelderSetzen(*F, Texte);
            const auto Datum =
                kalender::Kodieren(static_cast<uint16_t>(Tag), static_cast<uint16_t>(Monat));
            try {
                F->Timer1Timer();
                QVERIFY2(Datum.has_value(), "a step from an impossible date");
                const std::chrono::minutes Schritt =
                    Weite == F->RMinute ? std::chrono::minutes{2} : std::chrono::days{1};
                QCOMPARE(FelderLesen(*F),
                         kalender::Als(*Datum + std::chrono::hours{static_cast<uint16_t>(Stunde)} +
                                       std::chrono::minutes{static_cast<uint16_t>(Minute)} +
                                       Schritt));
            } catch (const Fehler& e) {
                const bool Datumsfehler = std::string(e.what()) == DatumUngueltig;
                QVERIFY2(Datumsfehler || Rechenfehler.contains(e.what()), e.what());
                if (Datumsfehler) {
                    QVERIFY(!Datum.has_value());
                    QCOMPARE(FelderLesen(*F), Texte);
                }
            }
        }
        QVERIFY(OffeneBerichte().isEmpty());
    }
};

QTEST_MAIN(UumbrixDauerTest)
#include "uumbrix_dauer_test.moc"
