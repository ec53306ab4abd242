#pragma once

#include "map/karte.h"
#include "map/raster.h"

#include <cstdint>

// One frame: the base map with the night side, the day-night line and the
// sun marker.
namespace umbrix {

struct Bildvorgabe {
    int32_t Tag;     // field values, as FeldWert reads them
    int32_t Monat;
    int32_t Stunde;
    int32_t Minute;
    uint16_t Jahr;   // year of the local date
    bool Sommerzeit; // take an hour off inside the summer-time period
    bool SonnenOrt;  // draw the sun marker
};

// Composes the frame for Karte (of the paint area's size, with geometry G)
// into Bild, reusing Bild's storage from one frame to the next. Throws Fehler
// for an arithmetic error; Bild is then unspecified and must not be shown.
void BildZeichnen(Bitmap& Bild, const Bitmap& Karte, const Geometrie& G, const Bildvorgabe& V);

} // namespace umbrix
