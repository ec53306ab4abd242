#pragma once

#include "map/raster.h"

#include <cstdint>
#include <span>
#include <vector>

// The interior of a polygon, row by row: a pixel belongs to it when its centre
// lies inside (even-odd rule). Vertex coordinates must lie within +-2^60.
namespace umbrix::intern {

class Flaechenraster {
public:
    // Finds, for every row 0 .. Hoehe - 1, the columns where the polygon's edges
    // cross the row's centre line. Keeps its buffers for the next polygon.
    void Rastern(std::span<const Punkt> Ecken, int32_t Breite, int32_t Hoehe);

    // The crossings of row y, sorted and clamped to 0 .. Breite. Taken in
    // pairs they give the interior's spans [Anfang, Ende).
    std::span<const int32_t> Schnitte(int32_t y) const {
        return {Spalten.data() + Beginn[y], Spalten.data() + Beginn[y + 1]};
    }

private:
    std::vector<int32_t> Beginn; // row y's crossings start at Beginn[y]
    std::vector<int32_t> Fuellstand;
    std::vector<int32_t> Spalten;
};

} // namespace umbrix::intern
