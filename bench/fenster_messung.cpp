// Measures the window in a real display (run it under Xvfb through
// bench/fenster_xvfb.sh): the steps per second and CPU time per step of a
// running minute simulation, and the time of a resize at the initial size
// (reload of the coastlines, rebuild of the base map, one frame shown).
#include "app/uumbrix.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int Groessenwechsel = 50;
constexpr int SimulationsMillisekunden = 10000;
constexpr int Anlaufmillisekunden = 500;

double Prozesszeit() {
    rusage Verbrauch{};
    getrusage(RUSAGE_SELF, &Verbrauch);
    auto Sekunden = [](timeval t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
    return Sekunden(Verbrauch.ru_utime) + Sekunden(Verbrauch.ru_stime);
}

// A local loop: quitting the application's own would close its windows.
void Warten(int Millisekunden) {
    QEventLoop Schleife;
    QTimer::singleShot(Millisekunden, &Schleife, &QEventLoop::quit);
    Schleife.exec();
}

double Median(std::vector<double> Werte) {
    std::sort(Werte.begin(), Werte.end());
    return Werte[Werte.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QApplication Anwendung(argc, argv);
    umbrix::TFUmbrix Fenster;
    Fenster.show();
    Warten(Anlaufmillisekunden);

    // What one reported size change costs: the resize handler, then the
    // paint that builds the base map and shows the frame.
    std::vector<double> Zeiten;
    for (int i = 0; i < Groessenwechsel; ++i) {
        QElapsedTimer Uhr;
        Uhr.start();
        Fenster.FormShow();
        Fenster.Paintbox1->repaint();
        if (!Fenster.Karte) {
            std::fprintf(stderr, "the repaint built no base map\n");
            return 1;
        }
        Zeiten.push_back(static_cast<double>(Uhr.nsecsElapsed()) / 1e6);
    }

    long Schritte = 0;
    QObject::connect(Fenster.Timer1, &QTimer::timeout, [&Schritte] { ++Schritte; });
    Fenster.BSimulation->click();
    const double CpuVorher = Prozesszeit();
    QElapsedTimer Uhr;
    Uhr.start();
    Warten(SimulationsMillisekunden);
    const double Sekunden = static_cast<double>(Uhr.nsecsElapsed()) / 1e9;
    const double Cpu = Prozesszeit() - CpuVorher;

    std::printf("paint area                 %d x %d\n", Fenster.Paintbox1->width(),
                Fenster.Paintbox1->height());
    std::printf("resize (median of %d)      %.2f ms\n", Groessenwechsel, Median(Zeiten));
    std::printf("simulation steps           %ld in %.2f s = %.1f steps/s\n", Schritte, Sekunden,
                static_cast<double>(Schritte) / Sekunden);
    std::printf("CPU time per step          %.3f ms\n", Cpu * 1e3 / static_cast<double>(Schritte));
    std::printf("CPU load while simulating  %.1f %% of one core\n", 100 * Cpu / Sekunden);
    return 0;
}
