#pragma once
// Independent geometry for the azimuth cylinders: the sun as a direction vector (east, north,
// up, HoehenuhrReferenz.h), the filter-hat's face coordinates read off it, and the shadow of
// the polar rod's point found by meeting the ray with the cylinder.
#include "HoehenuhrReferenz.h"

#include <cmath>

namespace umbrin::test {

// Filter-hat: degrees across from the face's centre line (south in the north, east to the
// right; north in the south, west to the right) and the drop below the top for a pointer of
// length P.
inline double filterhutGradQuer(const SonnenVektor& r, bool nord)
{
    return nord ? std::atan2(r.e, -r.n) / kGradRef : std::atan2(-r.e, r.n) / kGradRef;
}
inline double filterhutFall(const SonnenVektor& r, double P) { return P * r.u / r.waagrecht(); }

struct Zylindertreffer {
    bool trifft = false;
    double bogen = 0; // arc from the wall direction, positive towards the east of it
    double fall = 0;  // drop below the point's level
};

// The ray from the sun through the point R + e in front of the axis (towards the wall
// azimuth, from south, west positive) meets the mantle of radius R.
inline Zylindertreffer polstabTreffer(const SonnenVektor& r, double R, double e, double wand)
{
    const double we = -std::sin(wand * kGradRef), wn = -std::cos(wand * kGradRef);
    const double px = (R + e) * we, py = (R + e) * wn;
    const double h = r.waagrecht();
    const double dx = -r.e / h, dy = -r.n / h; // shadow direction, horizontal unit
    // |p + t d| = R: t^2 + 2 t (p.d) + |p|^2 - R^2 = 0, the nearer root.
    const double b = px * dx + py * dy;
    const double c = (R + e) * (R + e) - R * R;
    const double disk = b * b - c;
    Zylindertreffer z;
    if (disk < 0 || b > 0)
        return z;
    const double t = -b - std::sqrt(disk);
    const double qx = px + t * dx, qy = py + t * dy;
    // Angle of the hit from the wall direction; east of it is positive.
    const double kreuz = we * qy - wn * qx; // z of w x q: positive when q lies counter-clockwise (east of a south wall)
    const double skalar = we * qx + wn * qy;
    z.trifft = true;
    z.bogen = R * std::atan2(kreuz, skalar);
    z.fall = t * r.u / h;
    return z;
}

// Whether the sun, on any day at the hour angles -180 - versatz + i schritt, throws the polar
// rod's shadow onto the mantle below the point's level.
inline bool polstabBeschienen(double phi, double R, double e, double wand, double versatz, double schritt)
{
    for (double dekl = -23.44; dekl <= 23.44; dekl += 0.5)
        for (double tau = -180 - versatz; tau < 180; tau += schritt) {
            const SonnenVektor r = sonnenVektor(phi, dekl, tau);
            const Zylindertreffer z = polstabTreffer(r, R, e, wand);
            if (r.u > 0 && z.trifft && z.fall > 0)
                return true;
        }
    return false;
}

} // namespace umbrin::test
