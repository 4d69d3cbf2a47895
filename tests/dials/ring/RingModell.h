#pragma once
// A model of the ring dial worked out for the tests from scratch: the ring as a cylinder of
// radius D/2 about a horizontal axis, the hole on its circle at alpha from the suspension
// point towards the sun, the sun ray through the hole met with the cylinder wall by the
// line-cylinder quadratic, the turn that moves the spot sideways by T found by bisection,
// and the sun's altitude from sin h = sin phi sin delta + cos phi cos delta cos H.
#include "support/Almanachsonne.h"

#include <cmath>

namespace umbrin::ringtest {

constexpr double kGrad = M_PI / 180;

// The spot of a sun at altitude h on a ring turned by a: its sideways offset and its arc from
// the top (degrees, 0..360, measured on the side away from the sun).
struct Fleck {
    double quer = 0;
    double bogen = 0;
};

inline Fleck zylinderFleck(double D, double alpha, double h, double a)
{
    const double R = D / 2;
    // Axis x across the ring, y up, z horizontal in the ring's plane away from the sun.
    const double py = R * std::cos(alpha * kGrad), pz = -R * std::sin(alpha * kGrad);
    const double dx = std::cos(h * kGrad) * std::sin(a * kGrad);
    const double dy = -std::sin(h * kGrad);
    const double dz = std::cos(h * kGrad) * std::cos(a * kGrad);
    // (py + s dy)^2 + (pz + s dz)^2 = R^2 has the roots 0 (the hole) and this one.
    const double s = -2 * (py * dy + pz * dz) / (dy * dy + dz * dz);
    const double y = py + s * dy, z = pz + s * dz;
    double bogen = std::atan2(z, y) / kGrad;
    if (bogen < 0)
        bogen += 360;
    return {s * dx, bogen};
}

// The turn (degrees, 0..90) at which the spot's sideways offset is T, by bisection.
inline double drehungFuer(double D, double alpha, double h, double T)
{
    double lo = 0, hi = 89.9;
    for (int i = 0; i < 80; ++i) {
        const double m = (lo + hi) / 2;
        (zylinderFleck(D, alpha, h, m).quer < T ? lo : hi) = m;
    }
    return (lo + hi) / 2;
}


// The correction K (degrees) of a sun at altitude h for the target T, or 0 when no turn
// below 90 degrees reaches it.
inline double korrekturFuer(double D, double alpha, double h, double T)
{
    if (T <= 0 || zylinderFleck(D, alpha, h, 89.9).quer < T)
        return 0;
    return zylinderFleck(D, alpha, h, drehungFuer(D, alpha, h, T)).bogen - alpha - 2 * h;
}

inline double sonnenhoehe(double phi, double delta, double H)
{
    return std::asin(std::sin(phi * kGrad) * std::sin(delta * kGrad) +
                     std::cos(phi * kGrad) * std::cos(delta * kGrad) * std::cos(H * kGrad)) / kGrad;
}

} // namespace umbrin::ringtest

namespace umbrin::ringtest {

// The sun's ecliptic longitude and declination (degrees) at 12:00 UT of a date, by the
// almanac's low-precision formulas.
inline double sonnenLaenge(int y, int m, int d) { return test::almanachsonne(test::almanachTage(y, m, d)).laenge; }

inline double deklinationBeiLaenge(double lambda, double eps = 23.44)
{
    return std::asin(std::sin(eps * kGrad) * std::sin(lambda * kGrad)) / kGrad;
}

inline double sonnenDeklination(int y, int m, int d) { return test::almanachsonne(test::almanachTage(y, m, d)).deklination; }

// Sign 1 (Aries) .. 12 (Pisces): whether a declination lies in the band the sun sweeps while
// in that sign (within tol degrees).
inline bool imZeichenband(int zeichen, double delta, double tol)
{
    const double a = deklinationBeiLaenge(30.0 * (zeichen - 1)), b = deklinationBeiLaenge(30.0 * zeichen);
    return delta >= std::min(a, b) - tol && delta <= std::max(a, b) + tol;
}

} // namespace umbrin::ringtest
