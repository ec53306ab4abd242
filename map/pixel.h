#pragma once

#include "map/raster.h"

#include <cstdint>

// Pixel words: a colour 0x00BBGGRR is held as Qt's RGB32 word 0xFFRRGGBB.
namespace umbrix::intern {

inline constexpr uint32_t Deckend = 0xFF000000; // alpha byte of every stored pixel
inline constexpr unsigned KanalBits = 8;
inline constexpr uint32_t KanalMaske = 0xFF;

constexpr uint32_t AlsPixel(Farbe F) {
    const uint32_t Rot = F & KanalMaske;
    const uint32_t Gruen = (F >> KanalBits) & KanalMaske;
    const uint32_t Blau = (F >> (2 * KanalBits)) & KanalMaske;
    return Deckend | Rot << (2 * KanalBits) | Gruen << KanalBits | Blau;
}

constexpr Farbe AlsFarbe(uint32_t Pixel) {
    const uint32_t Rot = (Pixel >> (2 * KanalBits)) & KanalMaske;
    const uint32_t Gruen = (Pixel >> KanalBits) & KanalMaske;
    const uint32_t Blau = Pixel & KanalMaske;
    return Blau << (2 * KanalBits) | Gruen << KanalBits | Rot;
}

} // namespace umbrix::intern
