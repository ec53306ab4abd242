#include "map/raster.h"

#include "map/pixel.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>

namespace umbrix {

namespace {

constexpr const char* Schriftart = "Verdana"; // fontconfig substitutes a similar face
constexpr int Schrifthoehe = 13;              // 10 points at 96 pixels per inch

QFont Beschriftung() {
    QFont Schrift(Schriftart);
    Schrift.setPixelSize(Schrifthoehe);
    // Unsmoothed glyphs keep every label pixel exactly in the text or the cell colour.
    Schrift.setStyleStrategy(QFont::NoAntialias);
    return Schrift;
}

QColor AlsQColor(Farbe F) {
    return QColor::fromRgb(intern::AlsPixel(F));
}

} // namespace

void TextAusgeben(Bitmap& B, Punkt Ort, std::string_view Utf8Text, Farbe Textfarbe) {
    const QFont Schrift = Beschriftung();
    const QFontMetrics Masse(Schrift);
    const QString Text =
        QString::fromUtf8(Utf8Text.data(), static_cast<qsizetype>(Utf8Text.size()));
    const int64_t Breite = Masse.horizontalAdvance(Text);
    const int64_t Hoehe = Masse.height();
    // Only a cell that reaches into the bitmap is drawn; its corner then fits an int.
    if (Ort.x >= B.Breite || Ort.y >= B.Hoehe || Ort.x <= -Breite || Ort.y <= -Hoehe) {
        return;
    }
    QImage Bild(reinterpret_cast<uchar*>(B.Pixel.data()), B.Breite, B.Hoehe,
                static_cast<qsizetype>(B.Breite) * static_cast<qsizetype>(sizeof(uint32_t)),
                QImage::Format_RGB32);
    QPainter Maler(&Bild);
    const int x = static_cast<int>(Ort.x);
    const int y = static_cast<int>(Ort.y);
    Maler.fillRect(x, y, static_cast<int>(Breite), static_cast<int>(Hoehe), AlsQColor(B.Pinsel));
    Maler.setFont(Schrift);
    Maler.setPen(AlsQColor(Textfarbe));
    Maler.drawText(x, y + Masse.ascent(), Text);
}

} // namespace umbrix
