#pragma once
// The sun for the Peaucellier dial's tests, worked out here as a vector (east, north, up) from
// the latitude, the declination and the hour angle, so that no direction is asked of the
// program: the shadow of a vertical pin points away from it.
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

} // namespace umbrin::test::peaucellier
