#include "core/Projektion.h"

#include "core/State.h"
#include "core/Winkel.h"
#include "core/Zahlenformat.h"

#include <algorithm>
#include <cmath>

namespace umbrin {
namespace {
inline double sinG(double x) { return SinGrad(x); }
inline double cosG(double x) { return CosGrad(x); }
inline double grad(double r) { return InGrad(r); }
} // namespace

double TanGrad(double x)
{
    // In double, cos(90 degrees) comes out as +6e-17, so tan(90) is large and positive, as
    // the constructions expect; a long double pi/2 would land on the other side of zero.
    const double r = x * kRad;
    double c = std::cos(r);
    if (std::fabs(c) < 1e-12)
        c = std::signbit(c) ? -1e-12 : 1e-12;
    return std::sin(r) / c;
}

void Drehe(double& x, double& y, double w)
{
    const double c = cosG(w);
    const double s = sinG(w);
    const double x0 = x;
    x = c * x0 - s * y;
    y = c * y + s * x0;
}

void ProjiziereSonne(double p, double d, double t, double dl, double g, double r, double& x, double& y,
                     bool& sichtbar)
{
    double c = sinG(p) * sinG(d) + cosG(p) * cosG(d) * cosG(t - dl);
    if (c < 1e-6)
        c = 1e-6;
    sichtbar = true;
    x = g * cosG(d) * sinG(t - dl) / c;
    y = g * (sinG(d) * cosG(p) - cosG(t - dl) * cosG(d) * sinG(p)) / c;
    if (std::fabs(r) > 0.001)
        Drehe(x, y, r);
}

void ProjiziereSonneOrient(double lonA, double latA, double lonB, double latB, double lonP, double latP, double c,
                           double g, double d, double t, bool variante, double& x, double& y)
{
    ProjiziereSonneOrient(orientiereSonne(lonA, latA, lonB, latB, lonP, latP, c, variante), g, d, t, x, y);
}

SonnenOrientierung orientiereSonne(double lonA, double latA, double lonB, double latB, double lonP, double latP,
                                   double c, bool variante)
{
    const double pi = static_cast<double>(piExt);
    const double lonS = (lonB < lonA) ? lonB : lonA;
    const double latS = (lonB < lonA) ? latB : latA;
    double v = cosG(latP) * sinG(latS) - sinG(latP) * cosG(latS) * cosG(lonP - lonS);
    if (std::fabs(v) < 1e-10)
        v = ((v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0)) + 0.5) * 1e-10;
    double a = std::atan(cosG(latS) * sinG(lonP - lonS) / v);
    if (a < 0)
        a += pi;
    if (latP < 0)
        a += pi;
    const double b = pi - a;
    SonnenOrientierung o;
    o.latP = latP;
    o.lonP = lonP;
    o.sinP = sinG(latP);
    o.cosP = cosG(latP);
    o.sinA = std::sin(a);
    o.cosA = std::cos(a);
    o.cosC = std::cos(c);
    o.sinB = std::sin(b);
    o.cosB = std::cos(b);
    o.variante = variante;
    return o;
}

void ProjiziereSonneOrient(const SonnenOrientierung& o, double g, double d, double t, double& x, double& y)
{
    ProjiziereSonneOrient(o, g, sinG(d), cosG(d), t, x, y);
}

void ProjiziereSonneOrient(const SonnenOrientierung& o, double g, double sd, double cd, double t, double& x,
                           double& y)
{
    // The gnomonic projection about the pole (ProjiziereSonne without rotation), each sine
    // and cosine taken once.
    const double st = sinG(o.lonP - t), ct = cosG(o.lonP - t);
    double z = o.sinP * sd + o.cosP * cd * ct;
    if (z < 1e-6)
        z = 1e-6;
    const double x0 = g * cd * st / z;
    const double y0 = g * (sd * o.cosP - ct * cd * o.sinP) / z;

    double x1, y1;
    if (o.variante) {
        x1 = o.cosC * (o.sinA * x0 + o.cosA * y0);
        y1 = o.sinA * y0 - o.cosA * x0;
    } else {
        x1 = o.cosA * x0 - o.sinA * y0;
        y1 = o.cosC * (o.cosA * y0 + o.sinA * x0);
    }
    if (o.variante) {
        x = o.sinB * x1 + o.cosB * y1;
        y = o.sinB * y1 - o.cosB * x1;
    } else {
        x = o.cosB * x1 - o.sinB * y1;
        y = o.cosB * y1 + o.sinB * x1;
    }
}

bool KegelschnittParameter(double g, double alfa, double psi, double& A, double& B, double& C)
{
    if (std::fabs(alfa) <= 0.1 || std::fabs(psi) <= 0.1 || psi <= alfa)
        return false;
    // Beyond psi = 180 - alfa, cot^2(alfa) - cot^2(psi) is zero or negative: no real section.
    const double cotA = 1 / std::tan(alfa * kRad);
    const double cotP = 1 / std::tan(psi * kRad);
    const double diff = cotA * cotA - cotP * cotP;
    if (!(diff > 0) || psi + alfa >= 180)
        return false;
    A = g / std::sqrt(diff);
    B = sinG(alfa) * g * (1 / sinG(psi - alfa) + 1 / sinG(psi + alfa)) / 2;
    C = sinG(alfa) * g * (1 / sinG(psi - alfa) - 1 / sinG(psi + alfa)) / 2;
    return true;
}

PolErgebnis BerechnePol(char uhrTyp, double lat1, double lon1, double lat2, double lon2)
{
    PolErgebnis e;
    if (uhrTyp != 'c')
        return e;
    e.berechnet = true;
    e.flag = std::fabs(lon1 - lon2) > std::fabs(lat1 - lat2);
    // Clamped: rounding can push the cosine of the distance of two equal places past 1.
    const double c = std::clamp(sinG(lat1) * sinG(lat2) + cosG(lat1) * cosG(lat2) * cosG(lon1 - lon2), -1.0, 1.0);
    const double s = std::acos(c) / 2;
    e.halbeDistanz = s;
    if (grad(s) > 80) {
        e.zuWeit = true;
        e.breite = 99.99;
        return e;
    }
    const double m = grad(std::asin(std::clamp((sinG(lat1) + sinG(lat2)) / std::sqrt(2 * c + 2), -1.0, 1.0)));
    e.breite = m;
    if (std::fabs(90 - std::fabs(m)) < 1e-8) {
        e.laenge = (lon1 + lon2) / 2;
    } else {
        const double q = std::clamp((std::cos(s) - sinG(m) * sinG(lat1)) / (cosG(m) * cosG(lat1)), -1.0, 1.0);
        const double D = grad(std::acos(q));
        e.laenge = (lon2 > lon1) ? lon1 + D : lon1 - D;
    }
    return e;
}

} // namespace umbrin
