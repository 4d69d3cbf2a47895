#include "drawing/Stundenpunkte.h"

#include "core/State.h"

#include <cmath>

namespace umbrin {

long double stundenpunktWinkel(long double dx, long double dy)
{
    if (std::fabs(dx) <= 0.0001L) {
        // Straight above or below the reference; the reference itself keeps 180.
        if (dy > 0)
            return 90;
        if (dy < 0)
            return -90;
        return 180;
    }
    long double w = std::atan(dy / dx) / rad;
    if (dx < 0)
        w += 180;
    return w;
}

std::optional<std::size_t> Stundenpunkte::markiere(std::int32_t x, std::int32_t y, double gnomon)
{
    for (std::size_t i = 0; i < Slots; ++i) {
        Stundenpunkt& p = slots_[i];
        if (p.belegt)
            continue;
        const Stundenpunkt& ref = slots_[0];
        const long double dx = i == 0 ? 0 : static_cast<long double>(x) - ref.x;
        const long double dy = i == 0 ? 0 : static_cast<long double>(ref.y) - y;
        p.belegt = true;
        p.x = x;
        p.y = y;
        p.Abstand = gnomon != 0 ? std::sqrt(dx * dx + dy * dy) / gnomon : 0;
        p.Winkel = stundenpunktWinkel(dx, dy);
        return i;
    }
    return std::nullopt;
}

std::size_t Stundenpunkte::anzahl() const
{
    std::size_t n = 0;
    for (const auto& p : slots_)
        n += p.belegt ? 1 : 0;
    return n;
}

} // namespace umbrin
