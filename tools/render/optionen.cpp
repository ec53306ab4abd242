#include "tools/render/optionen.h"

#include <charconv>
#include <limits>

namespace umbrix {

const char* const Hilfetext =
    R"(Usage: umbrix-render --size WxH --output FILE [options]

Renders the day-and-night world map for one moment into an image file, the
frame the Umbrix window shows for the same fields and options.

  --size WxH       image size in pixels, 1 to 16384 each (the window's map
                   area is 1036x633)
  --output FILE    image file; its suffix picks the format (.png, .ppm, .bmp,
                   .jpg, ...)
  --day TEXT       day of the month     \  field texts as typed into the
  --month TEXT     month                 | window (e.g. 7, +7, $1F); text
  --hour TEXT      hour, Central Europe  | that is not a number counts as 0.
  --minute TEXT    minute               /  Unset: the local clock.
  --year Y         year of the date, 0 to 65535 (default: the current year)
  --no-dst         do not take summer time into account
  --no-sun         leave out the sun marker
  --no-grid        leave out the graticule
  --coast FILE     coastline file (default: erde2.000 in the current folder)
  --help           show this text

Errors go to standard error; the exit status is 1 when rendering fails and
2 when the command line cannot be used.
)";

namespace {

int32_t Seite(std::string_view Text, std::string_view Groesse) {
    int32_t Wert = 0;
    const auto [Ende, Fehler] = std::from_chars(Text.data(), Text.data() + Text.size(), Wert);
    if (Text.empty() || Fehler != std::errc{} || Ende != Text.data() + Text.size() || Wert < 1 ||
        Wert > GroessteSeite) {
        throw Aufruffehler("invalid size '" + std::string(Groesse) + "' (expected WxH, 1 to " +
                           std::to_string(GroessteSeite) + " each)");
    }
    return Wert;
}

uint16_t JahrLesen(std::string_view Text) {
    uint32_t Wert = 0;
    const auto [Ende, Fehler] = std::from_chars(Text.data(), Text.data() + Text.size(), Wert);
    if (Text.empty() || Fehler != std::errc{} || Ende != Text.data() + Text.size() ||
        Wert > std::numeric_limits<uint16_t>::max()) {
        throw Aufruffehler("invalid year '" + std::string(Text) + "' (expected 0 to 65535)");
    }
    return static_cast<uint16_t>(Wert);
}

} // namespace

Renderauftrag OptionenLesen(std::span<const std::string_view> Argumente) {
    Renderauftrag A;
    bool MitGroesse = false;
    for (std::size_t i = 0; i < Argumente.size(); ++i) {
        std::string_view Name = Argumente[i];
        std::optional<std::string_view> Wert;
        if (const auto Gleich = Name.find('='); Name.starts_with("--") && Gleich != Name.npos) {
            Wert = Name.substr(Gleich + 1);
            Name = Name.substr(0, Gleich);
        }
        const auto Schalter = [&](bool& Ziel) {
            if (Wert) {
                throw Aufruffehler("option " + std::string(Name) + " takes no value");
            }
            Ziel = false;
        };
        const auto Argument = [&]() -> std::string_view {
            if (Wert) {
                return *Wert;
            }
            if (i + 1 >= Argumente.size()) {
                throw Aufruffehler("option " + std::string(Name) + " needs a value");
            }
            return Argumente[++i];
        };
        if (Name == "--help") {
            A.Hilfe = true;
        } else if (Name == "--no-dst") {
            Schalter(A.Sommerzeit);
        } else if (Name == "--no-sun") {
            Schalter(A.SonnenOrt);
        } else if (Name == "--no-grid") {
            Schalter(A.GradNetz);
        } else if (Name == "--size") {
            const std::string_view Groesse = Argument();
            const auto x = Groesse.find('x');
            if (x == Groesse.npos) {
                Seite("", Groesse);
            }
            A.Breite = Seite(Groesse.substr(0, x), Groesse);
            A.Hoehe = Seite(Groesse.substr(x + 1), Groesse);
            MitGroesse = true;
        } else if (Name == "--day") {
            A.Tag = std::string(Argument());
        } else if (Name == "--month") {
            A.Monat = std::string(Argument());
        } else if (Name == "--hour") {
            A.Stunde = std::string(Argument());
        } else if (Name == "--minute") {
            A.Minute = std::string(Argument());
        } else if (Name == "--year") {
            A.Jahr = JahrLesen(Argument());
        } else if (Name == "--coast") {
            A.Kuestendatei = std::string(Argument());
        } else if (Name == "--output") {
            A.Ausgabe = std::string(Argument());
        } else {
            throw Aufruffehler("unknown option '" + std::string(Argumente[i]) + "'");
        }
    }
    if (A.Hilfe) {
        return A;
    }
    if (!MitGroesse) {
        throw Aufruffehler("--size is required");
    }
    if (A.Ausgabe.empty()) {
        throw Aufruffehler("--output is required");
    }
    return A;
}

} // namespace umbrix
