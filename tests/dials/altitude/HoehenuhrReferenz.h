#pragma once
// Independent geometry for the altitude-dial tests: the sun as a direction vector (east,
// north, up) and the shadows of an edge, a vertical plate and a cylinder's gnomon worked out
// from it. The dials are turned to face the sun, so only the sun's altitude matters: a point
// at height P casts its shadow P |r_h| / r_up away, r_h the horizontal part of r.
#include "core/Sonne.h"
#include "support/Almanachsonne.h"

#include <cmath>
#include <cstdint>
#include <iterator>
#include <map>
#include <optional>
#include <string_view>

namespace umbrin::test {

constexpr double kGradRef = M_PI / 180;

struct SonnenVektor {
    double e = 0, n = 0, u = 0;
    double waagrecht() const { return std::hypot(e, n); }
};

// Direction to the sun of declination dekl at hour angle tau (west positive), latitude phi.
inline SonnenVektor sonnenVektor(double phi, double dekl, double tau)
{
    const double sp = std::sin(phi * kGradRef), cp = std::cos(phi * kGradRef);
    const double sd = std::sin(dekl * kGradRef), cd = std::cos(dekl * kGradRef);
    const double st = std::sin(tau * kGradRef), ct = std::cos(tau * kGradRef);
    return {-cd * st, sd * cp - cd * ct * sp, sd * sp + cd * ct * cp};
}

// The sun at local apparent clock time t of day d at longitude laenge (the clock's meridian
// is the place's own): declination of that moment, hour angle (t - 12) 15.
inline SonnenVektor sonneOrtszeit(std::int32_t jahr, std::int32_t d, double t, double phi, double laenge)
{
    double dekl = 0, zeitgl = 0;
    SonnenPosition(jahr, dekl, zeitgl, d + (t + laenge / 15 - 12) / 24);
    return sonnenVektor(phi, dekl, (t - 12) * 15);
}

// The sun's declination at local noon of day d (1 = 1 January) of a Gregorian year at the
// longitude (degrees, east negative), from the almanac's low-precision formulas for the sun.
inline double almanachDeklination(std::int32_t jahr, std::int32_t d, double laenge)
{
    return test::almanachsonne(test::almanachTage(jahr, 1, 1) + (d - 1) + laenge / 360).deklination;
}

// The month (1..12) of a German month abbreviation as the scales write it; 0 for any other
// text.
inline int monatVonKuerzel(std::string_view text)
{
    constexpr std::string_view monate[] = {"Jan", "Feb", "Mar", "Apr", "Mai", "Jun",
                                           "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
    for (int m = 0; m < 12; ++m)
        if (monate[m] == text)
            return m + 1;
    return 0;
}

// The noon shadow of a cylinder's gnomon of length P on the first of a month: the drop
// P tan h for the noon altitude h = 90 - |phi - delta|.
inline double mittagsFallAmErsten(std::int32_t jahr, std::int32_t tag, double phi, double laenge, double P)
{
    const double h = 90 - std::fabs(phi - almanachDeklination(jahr, tag, laenge));
    return P * std::tan(h * kGradRef);
}

// A drawn curve given by its points (x, drop) read at x by linear interpolation; nothing
// beyond its ends.
inline std::optional<double> aufKurve(const std::map<double, double>& kurve, double x)
{
    const auto nach = kurve.lower_bound(x);
    if (nach == kurve.end() || (nach == kurve.begin() && nach->first != x))
        return std::nullopt;
    if (nach->first == x)
        return nach->second;
    const auto vor = std::prev(nach);
    return vor->second + (x - vor->first) / (nach->first - vor->first) * (nach->second - vor->second);
}

// Shadow of an edge of height P on the ground: its length.
inline double kantenSchatten(const SonnenVektor& r, double P) { return P * r.waagrecht() / r.u; }
// The same edge's shadow on a vertical plate S2 away: its height above the plate's foot.
inline double wandSchatten(const SonnenVektor& r, double P, double S2) { return P - S2 * r.u / r.waagrecht(); }
// A horizontal gnomon of length L on a cylinder: how far below it the tip's shadow falls.
inline double zylinderSchatten(const SonnenVektor& r, double L) { return L * r.u / r.waagrecht(); }

} // namespace umbrin::test
