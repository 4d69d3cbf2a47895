#pragma once
// Gnomonics worked out from scratch, for checking the planar dials: the plane, the sun and the
// gnomon as vectors (east, north, up), the shadow of a point as the place where the ray from the
// sun through it meets the plane, and the pole point as the place where the earth's axis through
// the gnomon tip meets it. Nothing here calls the program.
//
// Conventions of the program: azimuths and plane declinations from south, west positive;
// inclination 0 horizontal, 90 vertical; hour angles west positive. A drawing is seen from the
// front of the plane; x runs to the right (horizontal in the plane), y up the plane's line of
// steepest ascent (north on a horizontal dial).
#include <cmath>

namespace umbrin::test::gnomonik {

constexpr double kGrad = M_PI / 180;

struct V {
    double e = 0, n = 0, u = 0; // east, north, up
};
inline V operator+(V a, V b) { return {a.e + b.e, a.n + b.n, a.u + b.u}; }
inline V operator*(double k, V a) { return {k * a.e, k * a.n, k * a.u}; }
inline double dot(V a, V b) { return a.e * b.e + a.n * b.n + a.u * b.u; }
inline V cross(V a, V b) { return {a.n * b.u - a.u * b.n, a.u * b.e - a.e * b.u, a.e * b.n - a.n * b.e}; }

// A plane of declination d and inclination i: its outward normal, and the drawing's axes.
struct Flaeche {
    V normale, rechts, oben;
};
inline Flaeche flaeche(double d, double i)
{
    const double sd = std::sin(d * kGrad), cd = std::cos(d * kGrad);
    const double si = std::sin(i * kGrad), ci = std::cos(i * kGrad);
    Flaeche f;
    f.normale = {-sd * si, -cd * si, ci};
    f.rechts = {cd, -sd, 0}; // horizontal, azimuth d - 90: east on a south wall
    f.oben = cross(f.normale, f.rechts);
    return f;
}

// Direction to the sun of declination dekl at hour angle tau, latitude phi.
inline V sonne(double phi, double dekl, double tau)
{
    const double sp = std::sin(phi * kGrad), cp = std::cos(phi * kGrad);
    const double sd = std::sin(dekl * kGrad), cd = std::cos(dekl * kGrad);
    const double st = std::sin(tau * kGrad), ct = std::cos(tau * kGrad);
    return {-cd * st, sd * cp - cd * ct * sp, sd * sp + cd * ct * cp};
}

struct Punkt {
    double x = 0, y = 0; // drawing coordinates, y up
};

// Where the line through the gnomon tip (height g on the normal) in direction r meets the plane.
inline Punkt durchstoss(const Flaeche& f, V r, double g)
{
    const V q = g * f.normale + (-g / dot(f.normale, r)) * r;
    return {dot(q, f.rechts), dot(q, f.oben)};
}

inline Punkt pol(const Flaeche& f, double phi, double g) { return durchstoss(f, {0, std::cos(phi * kGrad), std::sin(phi * kGrad)}, g); }

// Textbook values of a vertical declining wall: substyle angle from the vertical (to the right
// positive), style height, and the longitude difference of the equivalent place.
struct Wandwerte {
    double substilare, stabhoehe, laengenDifferenz;
};
inline Wandwerte wandwerte(double phi, double d)
{
    const double sp = std::sin(phi * kGrad), cp = std::cos(phi * kGrad);
    const double sd = std::sin(d * kGrad), cd = std::cos(d * kGrad);
    return {std::atan2(-sd * cp, sp) / kGrad, std::asin(cp * cd) / kGrad, std::atan2(sd, cd * sp) / kGrad};
}

// The edge of an umbrella dial's shade: a disc of radius `radius` centred on the point `mitte`
// and lying square to `achse` throws a shadow whose far edge (away from the sun) is the shadow
// of the rim point on the side turned away from the sun.
inline Punkt schirmkante(const Flaeche& f, V r, V mitte, V achse, double radius)
{
    const V quer = r + (-dot(r, achse)) * achse; // the sun's direction within the disc
    const double l = std::sqrt(dot(quer, quer));
    const V rand = mitte + (-radius / l) * quer;
    const V q = rand + (-dot(f.normale, rand) / dot(f.normale, r)) * r;
    return {dot(q, f.rechts), dot(q, f.oben)};
}

} // namespace umbrin::test::gnomonik
