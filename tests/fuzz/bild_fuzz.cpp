// One whole frame for fuzzed field texts, options and paint sizes: either a
// frame of the paint area's size or one of the program's arithmetic messages.
#include "app/feldwert.h"
#include "map/bild.h"
#include "map/karte.h"
#include "map/kueste.h"
#include "sky/fehler.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <vector>

namespace {

constexpr uint32_t GroessteSeite = 2000;

bool IstRechenMeldung(std::string_view Meldung) {
    return Meldung == "Floating point division by zero" ||
           Meldung == "Invalid floating point operation" || Meldung == "Floating point overflow";
}

// Takes the next field text: up to the next newline.
std::string_view NaechstesFeld(std::string_view& Rest) {
    const std::size_t Ende = Rest.find('\n');
    const std::string_view Feld = Rest.substr(0, Ende);
    Rest.remove_prefix(Ende == std::string_view::npos ? Rest.size() : Ende + 1);
    return Feld;
}

const std::vector<umbrix::KuestenPunkt>& Kueste() {
    static const std::vector<umbrix::KuestenPunkt> Punkte = [] {
        // A few records across the map, one crossing the date line.
        std::vector<umbrix::KuestenPunkt> p(umbrix::KuestenMindestlaenge);
        p[1] = {50, 10, 0};
        p[2] = {40, 30, 1};
        p[3] = {-20, 179, 1};
        p[4] = {-20, 181, 1};
        p[5] = {75, -170, 1};
        return p;
    }();
    return Punkte;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QGuiApplication Anwendung(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Daten, size_t Groesse) {
    if (Groesse < 7) {
        return 0;
    }
    const auto Breite = static_cast<int32_t>((Daten[0] | Daten[1] << 8) % (GroessteSeite + 1));
    const auto Hoehe = static_cast<int32_t>((Daten[2] | Daten[3] << 8) % (GroessteSeite + 1));
    const uint8_t Schalter = Daten[4];
    const auto Jahr = static_cast<uint16_t>(Daten[5] | Daten[6] << 8);
    std::string_view Rest(reinterpret_cast<const char*>(Daten + 7), Groesse - 7);

    umbrix::Bildvorgabe V{};
    V.Tag = umbrix::FeldWert(NaechstesFeld(Rest));
    V.Monat = umbrix::FeldWert(NaechstesFeld(Rest));
    V.Stunde = umbrix::FeldWert(NaechstesFeld(Rest));
    V.Minute = umbrix::FeldWert(NaechstesFeld(Rest));
    V.Jahr = Jahr;
    V.Sommerzeit = (Schalter & 1) != 0;
    V.SonnenOrt = (Schalter & 2) != 0;
    const bool GradNetz = (Schalter & 4) != 0;

    const umbrix::Geometrie G = umbrix::GeometrieBerechnen(Breite, Hoehe);
    std::optional<umbrix::Bitmap> Karte;
    umbrix::KarteAufbauen(Karte, Breite, Hoehe, G, Kueste(), 5, GradNetz);
    umbrix::Bitmap Bild;
    try {
        umbrix::BildZeichnen(Bild, *Karte, G, V);
        if (Bild.Breite != Breite || Bild.Hoehe != Hoehe) {
            std::abort();
        }
    } catch (const umbrix::Fehler& e) {
        if (!IstRechenMeldung(e.what())) {
            std::abort();
        }
    }
    return 0;
}
