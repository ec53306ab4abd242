#pragma once

#include "map/kueste.h"
#include "map/raster.h"

#include <cstdint>
#include <optional>
#include <vector>

// Map geometry and the cached base map (graticule and coastlines).
namespace umbrix {

struct Geometrie {
    int32_t cx; // W div 2
    int32_t cy; // H div 2
    double sx;  // W / 360, pixels per degree of longitude
    double sy;  // H / 160, pixels per degree of latitude
};

Geometrie GeometrieBerechnen(int32_t Breite, int32_t Hoehe);

// Builds Karte at Breite x Hoehe: white, the graticule when GradNetz holds,
// then the coastlines of records 0 .. KuestenAnzahl. Karte is present from the
// start, so an arithmetic error (Fehler) leaves what was drawn so far.
void KarteAufbauen(std::optional<Bitmap>& Karte, int32_t Breite, int32_t Hoehe,
                   const Geometrie& G, const std::vector<KuestenPunkt>& Kueste,
                   int32_t KuestenAnzahl, bool GradNetz);

} // namespace umbrix
