#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

class QImage;

// A small raster layer: 32-bit bitmaps with a pen and a brush. Colours are
// given as 0x00BBGGRR (red in the low byte). A figure's bounds are inclusive
// on the left and top and exclusive on the right and bottom; outlines are one
// pixel wide; everything outside the bitmap is clipped.
namespace umbrix {

using Farbe = uint32_t; // 0x00BBGGRR

inline constexpr Farbe Weiss = 0xFFFFFF;
inline constexpr Farbe Schwarz = 0x000000;
inline constexpr Farbe Silber = 0xC0C0C0;
inline constexpr Farbe Rot = 0x0000FF;
inline constexpr Farbe Blau = 0xFF0000;
inline constexpr Farbe Hellgrau = 0xF0F0F0;
inline constexpr Farbe Gelb = 0x00FFFF;

struct Punkt {
    int64_t x;
    int64_t y;
};

// Pixels are held as Qt's RGB32 words (0xFFRRGGBB), so a frame is shown
// without conversion; PixelLesen gives them back as 0x00BBGGRR.
struct Bitmap {
    int32_t Breite = 0;
    int32_t Hoehe = 0;
    std::vector<uint32_t> Pixel; // row-major, Breite * Hoehe words
    Farbe Stift = Schwarz;       // pen colour
    Farbe Pinsel = Weiss;        // brush colour
    Punkt StiftOrt{0, 0};        // pen position
};

// Sizes the bitmap and makes every pixel white (keeps its storage when it can).
void BitmapAnlegen(Bitmap& B, int32_t Breite, int32_t Hoehe);
Farbe PixelLesen(const Bitmap& B, int32_t x, int32_t y);

void Bewegen(Bitmap& B, Punkt Ziel);     // pen moves without drawing
void LinieZiehen(Bitmap& B, Punkt Ziel); // end point not drawn, pen left there
void Rechteck(Bitmap& B, Punkt LinksOben, Punkt RechtsUnten);
void Vieleck(Bitmap& B, std::span<const Punkt> Ecken);
void Ellipse(Bitmap& B, Punkt LinksOben, Punkt RechtsUnten);

// Text in the label font ("Verdana" 10 pt, 13 px) with its top-left corner at
// Ort, in colour Farbe, on character cells painted with the brush.
void TextAusgeben(Bitmap& B, Punkt Ort, std::string_view Utf8Text, Farbe Textfarbe);

// Lays Quelle onto Ziel with its top-left corner at Ort: a plain copy, or a
// bitwise AND of both pixels.
void Kopieren(Bitmap& Ziel, Punkt Ort, const Bitmap& Quelle);
void UndKopieren(Bitmap& Ziel, Punkt Ort, const Bitmap& Quelle);

// A QImage that shares the bitmap's pixels (no copy); valid while B is unchanged.
QImage AlsQImage(const Bitmap& B);

} // namespace umbrix
