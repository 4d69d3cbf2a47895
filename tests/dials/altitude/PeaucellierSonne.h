#pragma once
// The sun for the Peaucellier dial's tests, worked out here as a vector (east, north, up) from
// the latitude, the declination and the hour angle, so that no direction is asked of the
// program: the shadow of a vertical pin points away from it.
#include "support/PlotLeser.h"

#include <algorithm>
#include <cmath>

namespace umbrin::test::peaucellier {

constexpr double kGrad = M_PI / 180;

struct V {
    double e = 0, n = 0, u = 0;
};

// The sun of declination d at hour angle t (west positive, degrees), latitude phi.
inline V sonne(double phi, double d, double t)
{
    const double sp = std::sin(phi * kGrad), cp = std::cos(phi * kGrad);
    const double sd = std::sin(d * kGrad), cd = std::cos(d * kGrad);
    const double st = std::sin(t * kGrad), ct = std::cos(t * kGrad);
    return {-cd * st, sd * cp - cd * ct * sp, sd * sp + cd * ct * cp};
}

// Distance from the axis of the date line of declination d: R / (1 + p tan d).
inline double linienAbstand(double R, double p, double d) { return R / (1 + p * std::tan(d * kGrad)); }

// The sheet (y up, relative to the foot) seen from above with the dial's axis to the right:
// the axis points north in the north and south in the south (the arrow's letter), and up the
// sheet lies a quarter turn anticlockwise from it, west in the north and east in the south.
struct Boden {
    double ost = 0, nord = 0;
};
inline Boden aufDemBoden(test::PlotPunkt q, double phi) { return phi > 0 ? Boden{-q.y, q.x} : Boden{q.y, -q.x}; }

// The sun of the date line of declination d (positive in summer) at hour angle t (afternoon
// positive) in the hemisphere of phi.
inline V sonneAm(double phi, double d, double t) { return sonne(phi, phi > 0 ? d : -d, t); }

// Distance of q from the pin's shadow ray of the sun; infinite on the sun's side of the pin.
inline double nebenDemSchatten(const V& s, Boden q)
{
    if (q.ost * -s.e + q.nord * -s.n <= 0)
        return INFINITY;
    return std::fabs(q.ost * s.n - q.nord * s.e) / std::hypot(s.e, s.n);
}

// The declination (summer positive) whose sunrise or sunset falls at hour angle t; the winter
// solstice at the most.
inline double horizontDekl(double phi, double t, double eps = 23.44)
{
    return std::max(std::atan(-std::cos(t * kGrad) / std::tan(std::fabs(phi) * kGrad)) / kGrad, -eps);
}

} // namespace umbrin::test::peaucellier
