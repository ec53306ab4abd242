#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

// The command line of umbrix-render.
namespace umbrix {

// A command line that cannot be used; what() says why.
class Aufruffehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr int32_t GroessteSeite = 16384; // pixels per side of the image

struct Renderauftrag {
    int32_t Breite = 0;
    int32_t Hoehe = 0;
    // Field texts as a user types them; absent ones come from the local clock.
    std::optional<std::string> Tag, Monat, Stunde, Minute;
    std::optional<uint16_t> Jahr; // absent: the current local year
    bool Sommerzeit = true;
    bool SonnenOrt = true;
    bool GradNetz = true;
    std::string Kuestendatei = "erde2.000";
    std::string Ausgabe;
    bool Hilfe = false;
};

// Reads the arguments after the program name: "--name value" or
// "--name=value". Throws Aufruffehler; --help needs no other option.
Renderauftrag OptionenLesen(std::span<const std::string_view> Argumente);

extern const char* const Hilfetext;

} // namespace umbrix
