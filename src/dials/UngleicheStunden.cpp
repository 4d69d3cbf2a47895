#include "dials/UngleicheStunden.h"

#include "core/Winkel.h"

#include "core/Sonne.h"
#include "core/State.h"

#include <algorithm>
#include <cmath>

namespace umbrin {
namespace {


double klemme(double x, double lo, double hi)
{
    if (!(x >= lo)) // also catches NaN
        return lo;
    return x > hi ? hi : x;
}

double tagesDeklination(std::int32_t jahr, std::int32_t tag, double L, double breite)
{
    double hoehe = 0, azimut = 0, dekl = 0, zeitgl = 0;
    SonnenstandOrtszeit(jahr, tag, hoehe, 12.0, breite, L, L, azimut, dekl, zeitgl, false);
    return dekl;
}

} // namespace

double HalberTagbogen(double breite, double dekl)
{
    const double x =
        -std::sin(breite * kRad) * std::sin(dekl * kRad) / std::cos(breite * kRad) / std::cos(dekl * kRad);
    if (!std::isfinite(x))
        return 90;
    if (std::fabs(x) < 1e-12)
        return 90;
    if (x >= 1)
        return 0;
    if (x <= -1)
        return 180;
    double h0 = std::atan(std::sqrt(1 - x * x) / x) / kRad;
    if (h0 < 0)
        h0 += 180;
    return h0;
}

void sonneTemporalStunde(std::int32_t jahr, std::int32_t tag, double n, double L, double breite, double& hoehe,
                         double& azimut)
{
    n = klemme(n, 0, 12);
    const double h0 = HalberTagbogen(breite, tagesDeklination(jahr, tag, L, breite));
    const double t = 12 - (6 - n) * h0 / 90;
    double dekl = 0, zeitgl = 0;
    SonnenstandOrtszeit(jahr, tag, hoehe, t, breite, L, L, azimut, dekl, zeitgl, false);
}

void sonneTemporalStundeDekl(double n, double breite, double dekl, double& hoehe, double& azimut)
{
    n = klemme(n, 0, 12);
    const double h0 = HalberTagbogen(breite, dekl);
    AzimutHoehe(hoehe, azimut, breite, dekl, (n - 6) * h0 / 6);
}

void sonneItalBabylStunde(std::int32_t jahr, std::int32_t tag, bool babylonisch, double n, double L,
                          double breite, double& hoehe, double& azimut)
{
    n = klemme(n, 0, 24);
    const double h = HalberTagbogen(breite, tagesDeklination(jahr, tag, L, breite)) / 15;
    // Babylonian: sunrise (12 - h) plus n hours, a day back; Italian: the previous sunset
    // (h - 12) plus n hours. The position routine folds the hour angle into -180..180.
    const double t = babylonisch ? std::fabs(12 - h) - (24 - n) : n - std::fabs(h - 12);
    double dekl = 0, zeitgl = 0;
    SonnenstandOrtszeit(jahr, tag, hoehe, t, breite, L, L, azimut, dekl, zeitgl, false);
}

} // namespace umbrin
