#pragma once
// A model of the ring dial worked out for the tests from scratch: the ring as a cylinder of
// radius D/2 about a horizontal axis, the hole on its circle at alpha from the suspension
// point towards the sun, the sun ray through the hole met with the cylinder wall by the
// line-cylinder quadratic, the turn that moves the spot sideways by T found by bisection,
// and the sun's altitude from sin h = sin phi sin delta + cos phi cos delta cos H.
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

// The sun by the low-precision formulae of the astronomical almanac (good to 0.01 degree):
// Julian day of a date at 12:00 UT, the sun's ecliptic longitude and declination (degrees).
inline double julianischerTag(int y, int m, int d)
{
    if (m <= 2) {
        y -= 1;
        m += 12;
    }
    const int A = y / 100, B = 2 - A + A / 4;
    return std::floor(365.25 * (y + 4716)) + std::floor(30.6001 * (m + 1)) + d + 0.5 + B - 1524.5;
}

inline double sonnenLaenge(int y, int m, int d)
{
    const double n = julianischerTag(y, m, d) - 2451545.0;
    const double L = 280.460 + 0.9856474 * n, g = (357.528 + 0.9856003 * n) * kGrad;
    return std::fmod(std::fmod(L + 1.915 * std::sin(g) + 0.020 * std::sin(2 * g), 360) + 360, 360);
}

inline double deklinationBeiLaenge(double lambda, double eps = 23.44)
{
    return std::asin(std::sin(eps * kGrad) * std::sin(lambda * kGrad)) / kGrad;
}

inline double sonnenDeklination(int y, int m, int d)
{
    const double n = julianischerTag(y, m, d) - 2451545.0;
    return deklinationBeiLaenge(sonnenLaenge(y, m, d), 23.439 - 0.0000004 * n);
}

// Sign 1 (Aries) .. 12 (Pisces): whether a declination lies in the band the sun sweeps while
// in that sign (within tol degrees).
inline bool imZeichenband(int zeichen, double delta, double tol)
{
    const double a = deklinationBeiLaenge(30.0 * (zeichen - 1)), b = deklinationBeiLaenge(30.0 * zeichen);
    return delta >= std::min(a, b) - tol && delta <= std::max(a, b) + tol;
}

} // namespace umbrin::ringtest
