// umbrix-render: one frame of the day-and-night map, rendered to an image
// file exactly as the window would show it for the same fields and options.
#include "app/feldwert.h"
#include "map/bild.h"
#include "map/karte.h"
#include "map/kueste.h"
#include "sky/fehler.h"
#include "tools/render/optionen.h"

#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QString>

#include <ctime>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int StatusRenderfehler = 1;
constexpr int StatusAufruffehler = 2;
constexpr int Jahrhundertbasis = 1900; // struct tm counts years from 1900

// The field texts a clock fill writes: decimal digits of the local time.
struct Uhrzeit {
    std::string Tag, Monat, Stunde, Minute;
    uint16_t Jahr;
};

Uhrzeit Jetzt() {
    const std::time_t t = std::time(nullptr);
    std::tm Lokal{};
    localtime_r(&t, &Lokal);
    return {std::to_string(Lokal.tm_mday), std::to_string(Lokal.tm_mon + 1),
            std::to_string(Lokal.tm_hour), std::to_string(Lokal.tm_min),
            static_cast<uint16_t>(Lokal.tm_year + Jahrhundertbasis)};
}

bool FormatBekannt(const std::string& Datei) {
    const QString Endung = QString::fromStdString(Datei).section('.', -1).toLower();
    return Datei.find('.') != std::string::npos &&
           QImageWriter::supportedImageFormats().contains(Endung.toLatin1());
}

int Rendern(const umbrix::Renderauftrag& A) {
    using namespace umbrix;
    if (!FormatBekannt(A.Ausgabe)) {
        std::cerr << "umbrix-render: no image format for '" << A.Ausgabe
                  << "' (use a suffix such as .png or .ppm)\n";
        return StatusAufruffehler;
    }
    const Uhrzeit Uhr = Jetzt();
    std::vector<KuestenPunkt> Kueste;
    int32_t KuestenAnzahl = 0;
    KuesteLaden(Kueste, KuestenAnzahl, A.Kuestendatei);

    const Geometrie G = GeometrieBerechnen(A.Breite, A.Hoehe);
    std::optional<Bitmap> Karte;
    KarteAufbauen(Karte, A.Breite, A.Hoehe, G, Kueste, KuestenAnzahl, A.GradNetz);
    const Bildvorgabe V{FeldWert(A.Tag.value_or(Uhr.Tag)),
                        FeldWert(A.Monat.value_or(Uhr.Monat)),
                        FeldWert(A.Stunde.value_or(Uhr.Stunde)),
                        FeldWert(A.Minute.value_or(Uhr.Minute)),
                        A.Jahr.value_or(Uhr.Jahr),
                        A.Sommerzeit,
                        A.SonnenOrt};
    Bitmap Bild;
    BildZeichnen(Bild, *Karte, G, V);
    if (!AlsQImage(Bild).save(QString::fromStdString(A.Ausgabe))) {
        std::cerr << "umbrix-render: cannot write '" << A.Ausgabe << "'\n";
        return StatusRenderfehler;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> Argumente(argv + 1, argv + argc);
    umbrix::Renderauftrag A;
    try {
        A = umbrix::OptionenLesen(Argumente);
    } catch (const umbrix::Aufruffehler& e) {
        std::cerr << "umbrix-render: " << e.what() << "\nTry 'umbrix-render --help'.\n";
        return StatusAufruffehler;
    }
    if (A.Hilfe) {
        std::cout << umbrix::Hilfetext;
        return 0;
    }

    // The labels need a QGuiApplication, but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int QtArgc = 1;
    char* QtArgv[] = {argv[0], nullptr};
    QGuiApplication Anwendung(QtArgc, QtArgv);
    try {
        return Rendern(A);
    } catch (const umbrix::Fehler& e) {
        std::cerr << "umbrix-render: " << e.what() << "\n";
        return StatusRenderfehler;
    }
}
