// Draws the program's icon, an orange eight-pointed star with shaded facets on
// a transparent background, and writes it as a PNG file. Run at build time:
//   symbol_zeichnen <output.png>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QPolygonF>

#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

constexpr int Groesse = 64;
constexpr int Zacken = 8;
constexpr double AussenRadius = 30.5;
constexpr double InnenRadius = 12.5;
// Light falls from the upper left.
constexpr double LichtWinkel = -3.0 * std::numbers::pi / 4.0;
constexpr double Umrissbreite = 1.0;

const QColor Hell(255, 196, 84);
const QColor Dunkel(214, 96, 0);
const QColor Umriss(140, 60, 0);

QPointF Polar(QPointF Mitte, double Radius, double Winkel) {
    return Mitte + QPointF(Radius * std::cos(Winkel), Radius * std::sin(Winkel));
}

// A facet's colour between dark and light, by how far it faces the light.
QColor Schattierung(double FacettenWinkel) {
    const double Anteil = 0.5 + 0.5 * std::cos(FacettenWinkel - LichtWinkel);
    auto Mischen = [Anteil](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * Anteil));
    };
    return QColor(Mischen(Dunkel.red(), Hell.red()), Mischen(Dunkel.green(), Hell.green()),
                  Mischen(Dunkel.blue(), Hell.blue()));
}

// A facet outlined in its own colour, so that no seam shows between neighbours.
void Facette(QPainter& Maler, const QPolygonF& Ecken, const QColor& Farbe) {
    Maler.setPen(QPen(Farbe, Umrissbreite));
    Maler.setBrush(Farbe);
    Maler.drawPolygon(Ecken);
}

QImage SternZeichnen() {
    QImage Bild(Groesse, Groesse, QImage::Format_ARGB32);
    Bild.fill(Qt::transparent);
    QPainter Maler(&Bild);
    Maler.setRenderHint(QPainter::Antialiasing);

    const QPointF Mitte(Groesse / 2.0, Groesse / 2.0);
    const double Schritt = 2.0 * std::numbers::pi / Zacken;
    QPolygonF Rand;
    // Each point is two triangular facets, one on either side of its ridge.
    for (int i = 0; i < Zacken; ++i) {
        const double Spitze = -std::numbers::pi / 2.0 + i * Schritt;
        const QPointF S = Polar(Mitte, AussenRadius, Spitze);
        const QPointF Links = Polar(Mitte, InnenRadius, Spitze - Schritt / 2.0);
        const QPointF Rechts = Polar(Mitte, InnenRadius, Spitze + Schritt / 2.0);
        Facette(Maler, {Mitte, Links, S}, Schattierung(Spitze - Schritt / 4.0));
        Facette(Maler, {Mitte, S, Rechts}, Schattierung(Spitze + Schritt / 4.0));
        Rand << Links << S;
    }
    Maler.setBrush(Qt::NoBrush);
    Maler.setPen(QPen(Umriss, Umrissbreite));
    Maler.drawPolygon(Rand);
    return Bild;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: symbol_zeichnen <output.png>\n");
        return 2;
    }
    if (!SternZeichnen().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "symbol_zeichnen: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
