#pragma once
// The shadow of a vertical pointer worked out from the sun's vector, for the azimuthal dial's
// tests: declination d and hour angle H (degrees, negative before noon) at latitude phi give
// the sun's direction (east, north, up); the shadow points the opposite way. On the dial,
// south is up and west is to the right, so with x to the right and y down the page the
// shadow's direction is (sun's east, -sun's north).
#include <algorithm>
#include <cmath>

namespace umbrin::test {

constexpr double kGrad = M_PI / 180;

struct Sonnenvektor {
    double ost = 0, nord = 0, oben = 0;
};

inline Sonnenvektor sonnenvektor(double phi, double d, double H)
{
    const double p = phi * kGrad, dd = d * kGrad, h = H * kGrad;
    return {-std::cos(dd) * std::sin(h), std::cos(p) * std::sin(dd) - std::sin(p) * std::cos(dd) * std::cos(h),
            std::sin(p) * std::sin(dd) + std::cos(p) * std::cos(dd) * std::cos(h)};
}

inline double hoeheGrad(const Sonnenvektor& v) { return std::asin(v.oben) / kGrad; }

// The point at distance r from (cx, cy) in the shadow's direction (y down the page).
struct Schattenpunkt {
    double x = 0, y = 0;
};
inline Schattenpunkt schattenpunkt(const Sonnenvektor& v, double cx, double cy, double r, double yNachOben = false)
{
    const double l = std::hypot(v.ost, v.nord);
    const double dx = v.ost / l, dy = -v.nord / l;
    return {cx + r * dx, yNachOben ? cy - r * dy : cy + r * dy};
}

// Hour angle of sunrise (negative) for declination d at latitude phi, no refraction.
inline double aufgangsStundenwinkel(double phi, double d)
{
    return -std::acos(std::clamp(-std::tan(phi * kGrad) * std::tan(d * kGrad), -1.0, 1.0)) / kGrad;
}

} // namespace umbrin::test
