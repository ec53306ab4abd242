#include "fenster_hilfen.h"

#include "app/feldwert.h"
#include "app/simulation.h"
#include "app/uumbrix.h"
#include "map/bild.h"
#include "map/karte.h"
#include "sky/fehler.h"

#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTime>
#include <QTimer>

#include <memory>
#include <string>

using namespace umbrix;

namespace {

Felder Uhr() {
    const QTime Zeit = QTime::currentTime();
    const QDate Datum = QDate::currentDate();
    return {QString::number(Datum.day()), QString::number(Datum.month()),
            QString::number(Zeit.hour()), QString::number(Zeit.minute())};
}

// The fields hold the clock as read at some moment between Vorher and now.
bool ZeigtUhr(const TFUmbrix& F, const Felder& Vorher) {
    const Felder Jetzt = FelderLesen(F);
    return Jetzt == Vorher || Jetzt == Uhr();
}

// Counts the paints of a widget.
class MalZaehler : public QObject {
public:
    explicit MalZaehler(QWidget* W) { W->installEventFilter(this); }
    int Anzahl = 0;

protected:
    bool eventFilter(QObject*, QEvent* E) override {
        if (E->type() == QEvent::Paint) {
            ++Anzahl;
        }
        return false;
    }
};

} // namespace

class UumbrixTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TFUmbrix> F;

    void Zeigen() {
        F = std::make_unique<TFUmbrix>();
        F->show();
        QVERIFY(QTest::qWaitForWindowExposed(F.get()));
    }

    // A new window shown with Ordner as the current directory, where its
    // first showing looks for the coastline file.
    void ZeigenIn(const QString& Ordner) {
        F.reset();
        const QString Vorher = QDir::currentPath();
        QVERIFY(QDir::setCurrent(Ordner));
        F = std::make_unique<TFUmbrix>();
        F->show();
        QVERIFY(QDir::setCurrent(Vorher));
        QVERIFY(QTest::qWaitForWindowExposed(F.get()));
    }

private slots:
    void init() { Zeigen(); }

    void cleanup() {
        BerichteSchliessen();
        F.reset();
        QCOMPARE(FUmbrix, nullptr);
    }

    void Anfangszustand() {
        const Felder Vorher = Uhr();
        F = std::make_unique<TFUmbrix>();
        QCOMPARE(FUmbrix, F.get());
        QVERIFY(!F->Karte.has_value());
        QCOMPARE(F->KuestenAnzahl, 0);
        QVERIFY(F->Kueste.empty());
        QCOMPARE(F->ETag->text(), QString());
        F->show();
        QVERIFY(QTest::qWaitForWindowExposed(F.get()));
        QVERIFY(ZeigtUhr(*F, Vorher));
        QVERIFY(F->RMinute->isChecked());
        QVERIFY(!F->RTag->isChecked());
        QVERIFY(F->CSommerzeit->isChecked());
        QVERIFY(F->CSonnenOrt->isChecked());
        QVERIFY(F->CGradNetz->isChecked());
        QVERIFY(!F->CAktuell->isChecked());
        QCOMPARE(F->BSimulation->text(), QString("Simulation"));
        QVERIFY(!F->Timer1->isActive());
        QVERIFY(!F->Timer2->isActive());
        QCOMPARE(F->KuestenAnzahl, 9);
        QVERIFY(OffeneBerichte().isEmpty());
        QCOMPARE(F->windowTitle(), QString("Umbrix, Tag- und Nachtgrenze"));
        // The icon: 64 x 64, an orange star on a transparent background.
        const QImage Symbol = F->windowIcon().pixmap(64, 64).toImage();
        QCOMPARE(QImage(":/umbrix.png").size(), QSize(64, 64));
        QCOMPARE(qAlpha(Symbol.pixel(1, 1)), 0);
        const QColor Mitte = Symbol.pixelColor(32, 32);
        QCOMPARE(Mitte.alpha(), 255);
        QVERIFY(Mitte.red() > 200 && Mitte.green() > 60 && Mitte.green() < 220 &&
                Mitte.blue() < 120);
    }

    void Layout() {
        QCOMPARE(F->size(), QSize(1036, 719));
        QCOMPARE(F->Paintbox1->size(), QSize(1036, 633));
        QCOMPARE(F->Panel1->geometry(), QRect(0, 633, 1036, 86));
        QCOMPARE(F->Paintbox1->mapTo(F.get(), QPoint(0, 0)), QPoint(0, 0));
        QCOMPARE(F->Panel1->mapTo(F.get(), QPoint(0, 0)), QPoint(0, 633));
        QCOMPARE(F->Panel1->frameShadow(), QFrame::Sunken);
        QCOMPARE(F->Panel1->lineWidth(), 1);
        QCOMPARE(F->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(F->font().pixelSize(), 13);
        QCOMPARE(F->Panel1->font().pixelSize(), 12);

        struct Steuer {
            QWidget* W;
            QString Text;
            QRect Platz;
        };
        const Steuer Tabelle[] = {
            {F->Label1, "Tag", {24, 20, 22, 14}},
            {F->Label2, "Monat", {120, 20, 39, 14}},
            {F->Label3, "Stunden", {240, 20, 53, 14}},
            {F->Label4, "Minuten", {368, 20, 50, 14}},
            {F->ETag, "", {56, 16, 49, 22}},
            {F->EMonat, "", {168, 16, 49, 22}},
            {F->EStunden, "", {304, 16, 49, 22}},
            {F->EMinuten, "", {432, 16, 49, 22}},
            {F->RMinute, "Minuten verändern", {744, 16, 145, 17}},
            {F->RTag, "Tage verändern", {744, 36, 129, 17}},
            {F->CSommerzeit, "Sommerzeit berücksichtigen", {24, 52, 209, 17}},
            {F->CSonnenOrt, "Sonnenort", {248, 52, 97, 17}},
            {F->CAktuell, "Aktualisieren", {360, 52, 113, 17}},
            {F->CGradNetz, "Gradnetz", {480, 52, 97, 17}},
            {F->BDarstellung, "Darstellen", {504, 14, 100, 25}},
            {F->BSimulation, "Simulation", {616, 14, 100, 25}},
            {F->BAktuell, "Aktuelle Zeit", {616, 48, 100, 25}},
        };
        for (const Steuer& S : Tabelle) {
            QCOMPARE(S.W->parentWidget(), F->Panel1);
            QCOMPARE(S.W->geometry(), S.Platz);
            if (auto* L = qobject_cast<QLabel*>(S.W)) {
                QCOMPARE(L->text(), S.Text);
                // The caption fits the stored size in the stand-in font.
                QVERIFY2(L->sizeHint().width() <= S.Platz.width() + 2, qPrintable(S.Text));
            } else if (auto* B = qobject_cast<QAbstractButton*>(S.W)) {
                QCOMPARE(B->text(), S.Text);
            }
        }
        QCOMPARE(F->Timer1->interval(), 10);
        QCOMPARE(F->Timer1->timerType(), Qt::PreciseTimer);
        QCOMPARE(F->Timer2->interval(), 10000);
        QCOMPARE(F->Timer2->timerType(), Qt::PreciseTimer);
    }

    void Tabreihenfolge() {
        QWidget* const Reihe[] = {F->ETag,      F->EMonat,       F->EStunden,    F->EMinuten,
                                  F->RMinute,   F->CSommerzeit,  F->CSonnenOrt,  F->CAktuell,
                                  F->CGradNetz, F->BDarstellung, F->BSimulation, F->BAktuell,
                                  F->ETag};
        F->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(F.get()));
        QCOMPARE(QApplication::focusWidget(), F->ETag);
        // Only the selected radio button is a tab stop.
        for (std::size_t i = 1; i < std::size(Reihe); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), Reihe[i]);
        }
        // The two radio buttons are one group, and the tab stop follows the selection.
        F->RTag->setChecked(true);
        QVERIFY(!F->RMinute->isChecked());
        F->EMinuten->setFocus();
        QTest::keyClick(F->EMinuten, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), F->RTag);
        QTest::keyClick(F->RTag, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), F->CSommerzeit);
    }

    void EnterLoestNichtsAus() {
        MalZaehler Maler(F->Paintbox1);
        const Felder Vorher = FelderLesen(*F);
        F->EStunden->setText("3");
        QTest::keyClick(F->EStunden, Qt::Key_Return);
        QTest::keyClick(F->ETag, Qt::Key_Enter);
        QTest::qWait(50);
        QCOMPARE(Maler.Anzahl, 0);
        QCOMPARE(F->ETag->text(), Vorher.Tag);
        QCOMPARE(F->EStunden->text(), QString("3"));
    }

    void Zeitquelle() {
        enum Aktion { AktualisierenAn, AktualisierenAus, SimulationKlick };
        struct Zustand {
            bool Timer1, Timer2;
            const char* Knopf;
        };
        const Zustand Manuell{false, false, "Simulation"};
        const Zustand Folgend{false, true, "Simulation"};
        const Zustand Simulierend{true, false, "Stopp"};
        const Zustand Beides{true, true, "Stopp"};
        struct Fall {
            const char* Name;
            QList<Aktion> Aktionen;
            Zustand Danach;
        };
        const Fall Faelle[] = {
            {"Manuell → Folgend", {AktualisierenAn}, Folgend},
            {"Folgend → Manuell", {AktualisierenAn, AktualisierenAus}, Manuell},
            {"Manuell → Simulierend", {SimulationKlick}, Simulierend},
            {"Folgend → Simulierend", {AktualisierenAn, SimulationKlick}, Simulierend},
            {"Simulierend → Manuell", {SimulationKlick, SimulationKlick}, Manuell},
            {"Simulierend → beides", {SimulationKlick, AktualisierenAn}, Beides},
            {"beides → Simulierend",
             {SimulationKlick, AktualisierenAn, AktualisierenAus},
             Simulierend},
            {"beides → Folgend", {SimulationKlick, AktualisierenAn, SimulationKlick}, Folgend},
            {"Stopp nimmt Aktualisieren nicht wieder auf",
             {AktualisierenAn, SimulationKlick, SimulationKlick},
             Manuell},
        };
        for (const Fall& f : Faelle) {
            Zeigen();
            for (const Aktion A : f.Aktionen) {
                if (A == SimulationKlick) {
                    F->BSimulation->click();
                } else {
                    F->CAktuell->setChecked(A == AktualisierenAn);
                }
            }
            QVERIFY2(F->Timer1->isActive() == f.Danach.Timer1, f.Name);
            QVERIFY2(F->Timer2->isActive() == f.Danach.Timer2, f.Name);
            QVERIFY2(F->CAktuell->isChecked() == f.Danach.Timer2, f.Name);
            QVERIFY2(F->BSimulation->text() == f.Danach.Knopf, f.Name);
            QVERIFY2(OffeneBerichte().isEmpty(), f.Name);
        }
    }

    void AktualisierenZeichnetNichtUndStartetNichtNeu() {
        MalZaehler Maler(F->Paintbox1);
        F->CAktuell->setChecked(true);
        QTest::qWait(60);
        QCOMPARE(Maler.Anzahl, 0);
        const int Rest = F->Timer2->remainingTime();
        QVERIFY(Rest < 10000 - 40);
        // Enabling the running timer again keeps its period.
        F->CAktuellClick();
        QVERIFY(F->Timer2->remainingTime() <= Rest);
    }

    void Simulationsschritt_data() {
        QTest::addColumn<Felder>("Vorher");
        QTest::addColumn<bool>("Minutenschritt");
        QTest::addColumn<Felder>("Nachher");
        QTest::newRow("31.12. 23:58, Minute")
            << Felder{"31", "12", "23", "58"} << true << Felder{"1", "1", "0", "0"};
        QTest::newRow("31.12. 10:30, Tag")
            << Felder{"31", "12", "10", "30"} << false << Felder{"1", "1", "10", "30"};
        QTest::newRow("28.2. 12:00, Tag")
            << Felder{"28", "2", "12", "0"} << false << Felder{"1", "3", "12", "0"};
        QTest::newRow("10.3. 25:00, Minute")
            << Felder{"10", "3", "25", "0"} << true << Felder{"11", "3", "1", "2"};
        QTest::newRow("1.1. 0:-1, Minute")
            << Felder{"1", "1", "0", "-1"} << true << Felder{"15", "2", "12", "17"};
        QTest::newRow("Stunde und Minute ungültig zählen als 0")
            << Felder{" 5", "$6", "x", ""} << true << Felder{"5", "6", "0", "2"};
    }

    void Simulationsschritt() {
        QFETCH(Felder, Vorher);
        QFETCH(bool, Minutenschritt);
        QFETCH(Felder, Nachher);
        FelderSetzen(*F, Vorher);
        (Minutenschritt ? F->RMinute : F->RTag)->setChecked(true);
        F->Timer1Timer();
        QCOMPARE(FelderLesen(*F), Nachher);
    }

    void SchrittSchreibtMinutenZuerst() {
        FelderSetzen(*F, {"31", "12", "23", "59"});
        QStringList Reihenfolge;
        QObject Beobachter; // ends the connections with this test
        const std::pair<QLineEdit*, QString> Namen[] = {{F->ETag, "Tag"},
                                                        {F->EMonat, "Monat"},
                                                        {F->EStunden, "Stunden"},
                                                        {F->EMinuten, "Minuten"}};
        for (const auto& [E, Name] : Namen) {
            connect(E, &QLineEdit::textChanged, &Beobachter,
                    [&Reihenfolge, N = Name] { Reihenfolge << N; });
        }
        F->Timer1Timer();
        QCOMPARE(Reihenfolge, (QStringList{"Minuten", "Stunden", "Tag", "Monat"}));
    }

    void UnmoeglichesDatum_data() {
        QTest::addColumn<Felder>("Vorher");
        QTest::newRow("29.2.") << Felder{"29", "2", "10", "0"};
        QTest::newRow("Monat 0") << Felder{"1", "0", "10", "0"};
        QTest::newRow("Monat 13") << Felder{"1", "13", "10", "0"};
        QTest::newRow("Tag 0") << Felder{"0", "1", "10", "0"};
        QTest::newRow("Tag 32") << Felder{"32", "1", "10", "0"};
        QTest::newRow("Tag leer") << Felder{"", "1", "10", "0"};
        QTest::newRow("Monat keine Zahl") << Felder{"1", "Mai", "10", "0"};
    }

    void UnmoeglichesDatum() {
        QFETCH(Felder, Vorher);
        FelderSetzen(*F, Vorher);
        MalZaehler Maler(F->Paintbox1);
        try {
            F->Timer1Timer();
            QFAIL("no error");
        } catch (const Fehler& e) {
            QCOMPARE(std::string(e.what()), std::string(DatumUngueltig));
        }
        QCOMPARE(FelderLesen(*F), Vorher);
        QCOMPARE(Maler.Anzahl, 0);
    }

    // A failing tick is reported once with a full stop; the simulation goes on
    // behind the report and opens no second one.
    void BerichtOhneStapel() {
        FelderSetzen(*F, {"29", "2", "10", "0"});
        F->BSimulation->click();
        QTRY_COMPARE(OffeneBerichte().size(), 1);
        QMessageBox* Box = OffeneBerichte().front();
        QCOMPARE(Box->windowTitle(), QString("Umbrix"));
        QCOMPARE(Box->icon(), QMessageBox::Critical);
        QCOMPARE(Box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(Box->text(), QString("Invalid argument to date encode."));
        QCOMPARE(QApplication::activeModalWidget(), Box);
        QTest::qWait(100);
        QCOMPARE(OffeneBerichte().size(), 1);
        QVERIFY(F->Timer1->isActive());

        // Once closed, the next failing tick reports again.
        Box->accept();
        QTRY_COMPARE(OffeneBerichte().size(), 1);
        QVERIFY(OffeneBerichte().front() != Box);

        // Valid fields: the simulation runs on from there.
        BerichteSchliessen();
        F->BSimulation->click();
        FelderSetzen(*F, {"1", "3", "10", "0"});
        F->BSimulation->click();
        QTRY_VERIFY(F->EMinuten->text().toInt() >= 4);
        QCOMPARE(F->ETag->text(), QString("1"));
        F->BSimulation->click();
        QVERIFY(OffeneBerichte().isEmpty());
    }

    void GradnetzZeichnetSofort() {
        QVERIFY(F->Karte.has_value());
        F->CGradNetz->setChecked(false);
        QVERIFY(F->Karte.has_value());
        QCOMPARE(Angezeigt(*F), Erwartet(*F, false));
        F->CGradNetz->setChecked(true);
        QCOMPARE(Angezeigt(*F), Erwartet(*F, true));
        QVERIFY(Erwartet(*F, true) != Erwartet(*F, false));
    }

    void AngezeigtIstDasBild_data() {
        QTest::addColumn<Felder>("Moment");
        QTest::addColumn<bool>("SonnenOrt");
        QTest::addColumn<bool>("Sommerzeit");
        QTest::newRow("Juni") << Felder{"21", "6", "12", "0"} << true << true;
        QTest::newRow("Dezember ohne Sonne") << Felder{"21", "12", "6", "30"} << false << true;
        QTest::newRow("März ohne Sommerzeit") << Felder{"3", "3", "18", "15"} << true << false;
    }

    void AngezeigtIstDasBild() {
        QFETCH(Felder, Moment);
        QFETCH(bool, SonnenOrt);
        QFETCH(bool, Sommerzeit);
        F->CSonnenOrt->setChecked(SonnenOrt);
        F->CSommerzeit->setChecked(Sommerzeit);
        FelderSetzen(*F, Moment);
        const QImage Vorher = Angezeigt(*F);
        F->BDarstellung->click();
        const QImage Bild = Angezeigt(*F);
        QCOMPARE(Bild, Erwartet(*F, true));
        QVERIFY(Bild != Vorher);
        // A paint of its own composes the same frame.
        QCOMPARE(F->Paintbox1->grab().toImage().convertToFormat(QImage::Format_RGB32), Bild);
    }

    void OptionenZeichnenSofort() {
        FelderSetzen(*F, {"21", "6", "12", "0"});
        F->BDarstellung->click();
        {
            // Setting an option to the state it has runs nothing.
            MalZaehler Maler(F->Paintbox1);
            F->CSonnenOrt->setChecked(true);
            F->CSommerzeit->setChecked(true);
            F->CGradNetz->setChecked(true);
            QVERIFY(F->Karte.has_value());
            QTest::qWait(20);
            QCOMPARE(Maler.Anzahl, 0);
        }
        const QImage Mit = Angezeigt(*F);
        F->CSonnenOrt->setChecked(false);
        QVERIFY(Angezeigt(*F) != Mit);
        QCOMPARE(Angezeigt(*F), Erwartet(*F, true));
        F->CSommerzeit->setChecked(false);
        QCOMPARE(Angezeigt(*F), Erwartet(*F, true));
        // Typing redraws nothing.
        const QImage Vorher = Angezeigt(*F);
        QTest::keyClicks(F->EStunden, "3");
        QTest::qWait(20);
        QCOMPARE(Angezeigt(*F), Vorher);
    }

    void BAktuellFuelltAusDerUhr() {
        FelderSetzen(*F, {"x", "y", "z", "w"});
        const Felder Vorher = Uhr();
        F->BAktuell->click();
        QVERIFY(ZeigtUhr(*F, Vorher));
        FelderSetzen(*F, {"", "", "", ""});
        F->Timer2Timer();
        QVERIFY(ZeigtUhr(*F, Vorher));
        QCOMPARE(Angezeigt(*F), Erwartet(*F, true));
    }

    void GroesseAendern() {
        F->BSimulation->click();
        FelderSetzen(*F, {"1", "1", "0", "0"});
        const Felder Vorher = Uhr();
        F->resize(800, 500);
        QVERIFY(!F->Karte.has_value());
        QVERIFY(ZeigtUhr(*F, Vorher));
        QCOMPARE(F->Paintbox1->size(), QSize(800, 414));
        QCOMPARE(F->Panel1->geometry(), QRect(0, 414, 800, 86));
        QCOMPARE(F->RMinute->geometry(), QRect(744, 16, 145, 17));
        QTRY_VERIFY(F->Karte.has_value());
        QCOMPARE(F->Karte->Breite, 800);
        QCOMPARE(F->Karte->Hoehe, 414);
        QVERIFY(F->Timer1->isActive());
        F->BSimulation->click();
        QCOMPARE(Angezeigt(*F), Erwartet(*F, true));
    }

    void NurSenkrechterBildlauf() {
        auto* Rollbalken = F->findChild<QScrollBar*>();
        QVERIFY(Rollbalken != nullptr);
        QCOMPARE(F->findChildren<QScrollBar*>().size(), 1);
        struct Fall {
            QSize Groesse;
            bool Bildlauf;
        };
        for (const Fall f : {Fall{{1036, 50}, true},
                             {{300, 85}, true},
                             {{300, 86}, false},
                             {{100, 719}, false},
                             {{1036, 719}, false}}) {
            F->resize(f.Groesse);
            QCOMPARE(Rollbalken->isVisible(), f.Bildlauf);
            QCOMPARE(Rollbalken->orientation(), Qt::Vertical);
            QCOMPARE(F->Panel1->height(), 86);
            QCOMPARE(F->Paintbox1->height(), std::max(0, f.Groesse.height() - 86));
            if (f.Bildlauf) {
                // Scrolled to the end, the panel's bottom edge comes into view.
                Rollbalken->setValue(Rollbalken->maximum());
                QCOMPARE(F->Panel1->geometry().bottom(), f.Groesse.height() - 1);
                QCOMPARE(F->Panel1->width() + Rollbalken->width(), f.Groesse.width());
                Rollbalken->setValue(0);
                QCOMPARE(F->Panel1->y(), 0);
            } else {
                QCOMPARE(F->Panel1->width(), f.Groesse.width());
            }
        }
        QTest::qWait(20);
        QVERIFY(OffeneBerichte().isEmpty());
    }

    void FormDestroyGibtFrei() {
        QVERIFY(F->Karte.has_value());
        F->FormDestroy();
        QVERIFY(!F->Karte.has_value());
        QVERIFY(F->Kueste.empty());
        QCOMPARE(F->Kueste.capacity(), std::size_t{0});
    }

    // Without a coastline file the window still shows, the fields stay empty,
    // and one report says why.
    void OhneKuestendatei() {
        QTemporaryDir Leer;
        ZeigenIn(Leer.path());
        QCOMPARE(OffeneBerichte().size(), 1);
        const QString Text = OffeneBerichte().front()->text();
        QVERIFY2(Text.startsWith("Cannot open file") && Text.endsWith("."), qPrintable(Text));
        QCOMPARE(FelderLesen(*F), (Felder{"", "", "", ""}));
        QVERIFY(F->isVisible());
        QTRY_VERIFY(F->Karte.has_value());
    }

    // A resize whose reload fails keeps the old base map; the next frame is
    // still drawn on a base map of the paint area's size.
    void NeuladenScheitertBeimVergroessern() {
        F.reset();
        QTemporaryDir Ordner;
        QVERIFY(QFile::copy("erde2.000", Ordner.filePath("erde2.000")));
        const QString Vorher = QDir::currentPath();
        QVERIFY(QDir::setCurrent(Ordner.path()));
        Zeigen();
        QVERIFY(QFile::remove("erde2.000"));
        F->resize(700, 400);
        QCOMPARE(OffeneBerichte().size(), 1);
        BerichteSchliessen();
        F->BDarstellung->click();
        QVERIFY(QDir::setCurrent(Vorher));
        QCOMPARE(F->Karte->Breite, 700);
        QCOMPARE(F->Karte->Hoehe, 314);
        QCOMPARE(Angezeigt(*F), Erwartet(*F, true));
    }

    // A message ending in ')' is shown without a full stop.
    void BerichtOhnePunktNachKlammer() {
        QTemporaryDir Ordner;
        QFile Leer(Ordner.filePath("erde2.000"));
        QVERIFY(Leer.open(QIODevice::WriteOnly));
        Leer.close();
        ZeigenIn(Ordner.path());
        QCOMPARE(OffeneBerichte().size(), 1);
        const QString Text = OffeneBerichte().front()->text();
        QCOMPARE(Text, QString("List index out of bounds (0)"));
    }
};

QTEST_MAIN(UumbrixTest)
#include "uumbrix_test.moc"
