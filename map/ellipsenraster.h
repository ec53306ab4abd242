#pragma once

#include "map/ganz128.h"
#include "map/raster.h"

#include <algorithm>
#include <cstdint>

// The pixels of an ellipse in the box X1 .. X2 - 1, Y1 .. Y2 - 1: a pixel
// belongs to it when its centre lies inside the inscribed ellipse, and to its
// rim when one of its four neighbours does not. Box sides must stay below 2^31.
namespace umbrix::intern {

class Ellipsenraster {
public:
    Ellipsenraster(Punkt LinksOben, Punkt RechtsUnten)
        : X1(std::min(LinksOben.x, RechtsUnten.x)), Y1(std::min(LinksOben.y, RechtsUnten.y)),
          w(static_cast<Int128>(std::max(LinksOben.x, RechtsUnten.x)) - X1),
          h(static_cast<Int128>(std::max(LinksOben.y, RechtsUnten.y)) - Y1) {}

    // Calls Setzen(x, y, Rand) for every pixel of the ellipse inside
    // 0 .. Breite - 1, 0 .. Hoehe - 1.
    template <class F> void Rastern(int32_t Breite, int32_t Hoehe, F&& Setzen) const {
        const Int128 xa = std::max<Int128>(X1, 0);
        const Int128 xe = std::min<Int128>(X1 + w, Breite);
        const Int128 ya = std::max<Int128>(Y1, 0);
        const Int128 ye = std::min<Int128>(Y1 + h, Hoehe);
        for (Int128 y = ya; y < ye; ++y) {
            for (Int128 x = xa; x < xe; ++x) {
                if (Innen(x, y)) {
                    const bool Rand = !Innen(x - 1, y) || !Innen(x + 1, y) || !Innen(x, y - 1) ||
                                      !Innen(x, y + 1);
                    Setzen(static_cast<int32_t>(x), static_cast<int32_t>(y), Rand);
                }
            }
        }
    }

private:
    // (u / w)^2 + (v / h)^2 <= 1 with u, v the doubled offsets of the pixel
    // centre from the box centre.
    bool Innen(Int128 x, Int128 y) const {
        const Int128 u = 2 * (x - X1) + 1 - w;
        const Int128 v = 2 * (y - Y1) + 1 - h;
        const Nat128 uu = static_cast<Nat128>(u * u);
        const Nat128 vv = static_cast<Nat128>(v * v);
        const Nat128 ww = static_cast<Nat128>(w * w);
        const Nat128 hh = static_cast<Nat128>(h * h);
        return uu * hh + vv * ww <= ww * hh;
    }

    int64_t X1, Y1;
    Int128 w, h;
};

} // namespace umbrix::intern
