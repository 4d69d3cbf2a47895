#pragma once
// A horizon profile: the elevation angle of the visible skyline seen from one place, in 720
// steps of half a degree of azimuth. Point k looks towards azimuth k/2 - 180 degrees, counted
// from south with east negative, so the points run from -180 (north) through -90 (east),
// 0 (south) and 90 (west) to 179.5.
#include <array>
#include <cstddef>

namespace umbrin {

inline constexpr int kHorizontPunkte = 720;

struct Horizontpunkt {
    double Azimut = 0;       // degrees from south, east negative: k/2 - 180
    double Hoehe = 0;        // elevation angle of the skyline, degrees
    double Abstand = 0;      // distance of the object forming the skyline, metres
    double Objekthoehe = 0;  // height above sea level of that object, metres
};

using Horizontprofil = std::array<Horizontpunkt, kHorizontPunkte>;

// Height of a point that no object rises above (a bin the computation found nothing for).
inline constexpr double kKeinObjekt = -1.3;

// The empty profile: azimuth k/2 - 180, elevation 0, distance 0, height -1.3 (a flat
// horizon, no object).
constexpr Horizontprofil leeresHorizontprofil()
{
    Horizontprofil p{};
    for (int k = 0; k < kHorizontPunkte; ++k)
        p[static_cast<std::size_t>(k)] = {k / 2.0 - 180.0, 0.0, 0.0, kKeinObjekt};
    return p;
}

// Azimuth from south (east negative) of point k.
constexpr double horizontAzimut(int k) { return k / 2.0 - 180.0; }

} // namespace umbrin
