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

// Sizes the bitmap and makes every pixel white (keeps its storage when it can);
// a negative size counts as 0.
void BitmapAnlegen(Bitmap& B, int32_t Breite, int32_t Hoehe);
Farbe PixelLesen(const Bitmap& B, int32_t x, int32_t y); // x, y inside the bitmap

void Bewegen(Bitmap& B, Punkt Ziel); // pen moves without drawing
// One pixel wide from the pen to Ziel, Ziel itself not drawn, pen left there.
// Any 64-bit end points: only the pixels inside the bitmap are visited.
void LinieZiehen(Bitmap& B, Punkt Ziel);
// The box between the two corners (in either order), columns and rows from the
// lower bound up to the upper one exclusive: brush inside, pen on its rim.
void Rechteck(Bitmap& B, Punkt LinksOben, Punkt RechtsUnten);
// Fills every pixel whose centre lies inside (even-odd rule) with the brush,
// then draws every edge, the closing one included, as LinieZiehen does with
// the pen. Vertex coordinates must lie within +-2^60.
void Vieleck(Bitmap& B, std::span<const Punkt> Ecken);
// The ellipse inscribed in the box of Rechteck: pixels whose centre lies inside
// it, those with a 4-neighbour outside in the pen colour, the others in the
// brush colour. Box sides must stay below 2^31.
void Ellipse(Bitmap& B, Punkt LinksOben, Punkt RechtsUnten);

// Text in the label font ("Verdana" 10 pt, 13 px, glyphs not smoothed) with
// its top-left corner at Ort, in Textfarbe, on a cell of the text's advance
// width and the font's height painted with the brush first. Needs a
// QGuiApplication.
void TextAusgeben(Bitmap& B, Punkt Ort, std::string_view Utf8Text, Farbe Textfarbe);

// Lays Quelle onto Ziel with its top-left corner at Ort: a plain copy, or a
// bitwise AND of both pixels.
void Kopieren(Bitmap& Ziel, Punkt Ort, const Bitmap& Quelle);
void UndKopieren(Bitmap& Ziel, Punkt Ort, const Bitmap& Quelle);

// A QImage that shares the bitmap's pixels (no copy); valid while B is unchanged.
QImage AlsQImage(const Bitmap& B);

} // namespace umbrix
