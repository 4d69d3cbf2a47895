#pragma once
// The cone dial as a solid, worked out here from vectors for the tests: the dial plane and
// the cone in space (east, north, up), the sun as a direction, shadows as ray-plane
// intersections, the footprint as the generators meeting the plane and the shadow edges as
// the tangents from the apex shadow to that footprint, found numerically. Nothing here
// calls the program.
#include <cmath>

namespace umbrin::test::kegel {

constexpr double kGrad = M_PI / 180;

struct V {
    double x = 0, y = 0, z = 0; // east, north, up
};
inline V operator+(V a, V b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline V operator-(V a, V b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline V operator*(double k, V a) { return {k * a.x, k * a.y, k * a.z}; }
inline double dot(V a, V b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline V cross(V a, V b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
inline V einheit(V a) { return (1 / std::sqrt(dot(a, a))) * a; }

// Direction to the sun of declination d at hour angle tau (west positive) at latitude phi.
inline V sonne(double phi, double d, double tau)
{
    const double sp = std::sin(phi * kGrad), cp = std::cos(phi * kGrad);
    const double sd = std::sin(d * kGrad), cd = std::cos(d * kGrad);
    const double st = std::sin(tau * kGrad), ct = std::cos(tau * kGrad);
    return {-cd * st, sd * cp - cd * ct * sp, sd * sp + cd * ct * cp};
}

// A plane through the origin declining D from south (east negative) and inclined i from the
// horizontal: its normal, and the directions to the right and up the plane seen from the
// front. D = i = 0 is the horizontal plane with east to the right and north up.
struct Ebene {
    V normale, rechts, oben;
};
inline Ebene ebene(double D, double i)
{
    const double sd = std::sin(D * kGrad), cd = std::cos(D * kGrad);
    const double si = std::sin(i * kGrad), ci = std::cos(i * kGrad);
    Ebene e;
    e.normale = {-sd * si, -cd * si, ci};
    e.rechts = {cd, -sd, 0};
    e.oben = cross(e.normale, e.rechts);
    return e;
}

// The projection of the earth's axis onto the plane: the way the cone leans.
inline V nordAuf(const Ebene& e, double phi)
{
    const V erdachse{0, std::cos(phi * kGrad), std::sin(phi * kGrad)};
    return einheit(erdachse - dot(erdachse, e.normale) * e.normale);
}

// An oblique circular cone standing on a plane: its axis pierces the plane at A and rises at
// psi towards nord to the apex L away; half opening alfa.
struct Kegel {
    V A, spitze, achse, n1, n2; // achse: unit vector from the apex down to A; n1 in the axial plane
    V normale;
    double alfa = 0;
};
inline Kegel kegel(V A, V nord, V normale, double L, double psi, double alfa)
{
    Kegel k;
    k.A = A;
    k.normale = normale;
    k.alfa = alfa;
    k.spitze = A + (L * std::cos(psi * kGrad)) * nord + (L * std::sin(psi * kGrad)) * normale;
    k.achse = einheit(k.A - k.spitze);
    k.n1 = einheit(cross(k.achse, cross(nord, normale)));
    k.n2 = cross(k.achse, k.n1);
    return k;
}

// Where the ray from p along r meets the plane of the cone.
inline V aufEbene(const Kegel& k, V p, V r) { return p + (dot(k.A - p, k.normale) / dot(r, k.normale)) * r; }

// The generator at angle u (degrees) about the axis, and where it meets the plane: the
// footprint. u = 0 and 180 are the generators in the axial plane.
inline V erzeugende(const Kegel& k, double u)
{
    return std::cos(k.alfa * kGrad) * k.achse
           + std::sin(k.alfa * kGrad) * (std::cos(u * kGrad) * k.n1 + std::sin(u * kGrad) * k.n2);
}
inline V fussPunkt(const Kegel& k, double u) { return aufEbene(k, k.spitze, erzeugende(k, u)); }

// The footprint's centre: halfway between the ends of its axis, the axial generators' feet.
inline V fussMitte(const Kegel& k) { return 0.5 * (fussPunkt(k, 0) + fussPunkt(k, 180)); }

// The shadow of the apex for a sun in direction r (towards the sun).
inline V spitzenSchatten(const Kegel& k, V r) { return aufEbene(k, k.spitze, -1.0 * r); }

// The shadow of the cone for a sun casting the apex shadow q: the two edges from q to their
// tangent points on the footprint, found as the footprint points seen from q at the largest
// and smallest angle from the direction to the footprint's centre. None when q lies on or
// inside the footprint.
struct Schatten {
    bool da = false;
    V q;
    V beruehrung[2];
};
inline Schatten schatten(const Kegel& k, V q)
{
    Schatten s;
    s.q = q;
    const V zurMitte = fussMitte(k) - q;
    auto winkel = [&](double u) {
        const V f = fussPunkt(k, u) - q;
        return std::atan2(dot(cross(zurMitte, f), k.normale), dot(zurMitte, f));
    };
    constexpr double schritt = 0.5;
    double uMax = 0, uMin = 0, wMax = -10, wMin = 10;
    for (double u = 0; u < 360; u += schritt) {
        const double w = winkel(u);
        if (w > wMax) {
            wMax = w;
            uMax = u;
        }
        if (w < wMin) {
            wMin = w;
            uMin = u;
        }
    }
    if (wMax - wMin >= M_PI - 1e-9)
        return s; // the footprint surrounds q
    auto verfeinere = [&](double u, double vorzeichen) {
        double lo = u - schritt, hi = u + schritt;
        for (int n = 0; n < 80; ++n) {
            const double m1 = lo + (hi - lo) * 0.382, m2 = lo + (hi - lo) * 0.618;
            if (vorzeichen * winkel(m1) > vorzeichen * winkel(m2))
                hi = m2;
            else
                lo = m1;
        }
        return fussPunkt(k, (lo + hi) / 2);
    };
    s.beruehrung[0] = verfeinere(uMax, 1);
    s.beruehrung[1] = verfeinere(uMin, -1);
    s.da = true;
    return s;
}

// A point p against the edge from tangent point t to apex shadow q: its distance from the
// edge's line, and where along the edge it stands (0 at t, 1 at q).
struct Lage {
    double abstand = 0;
    double anteil = 0;
    double laenge = 0;
};
inline Lage lageAnKante(V p, V t, V q)
{
    const V d = q - t;
    Lage l;
    l.laenge = std::sqrt(dot(d, d));
    l.anteil = dot(p - t, d) / dot(d, d);
    const V lot = p - (t + l.anteil * d);
    l.abstand = std::sqrt(dot(lot, lot));
    return l;
}

// Where the lines t1-q1 and t2-q2 of one plane (normal n) cross; false when parallel.
inline bool kreuzung(V t1, V q1, V t2, V q2, V n, V& p)
{
    const V d1 = q1 - t1, d2 = q2 - t2;
    const double nenner = dot(cross(d1, d2), n);
    if (std::fabs(nenner) < 1e-12)
        return false;
    p = t1 + (dot(cross(t2 - t1, d2), n) / nenner) * d1;
    return true;
}

} // namespace umbrin::test::kegel
