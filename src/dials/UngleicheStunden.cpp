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

// Declination of day `tag` at noon local time of the meridian L: the one SonnenstandOrtszeit
// takes for every hour of that day.
double tagesDeklination(std::int32_t jahr, std::int32_t tag, double L)
{
    double dekl = 0, zeitgl = 0;
    SonnenPosition(jahr, dekl, zeitgl, tag + (L / 15) / 24);
    return dekl;
}

// The sun at local time `uhrzeit` of meridian L on a day of declination dekl: the position
// SonnenstandOrtszeit gives without the equation of time, with the day's sun worked out once.
void sonneOrtszeit(const GradMitSinus& dekl, double uhrzeit, const GradMitSinus& breite, double L, double& hoehe,
                  double& azimut)
{
    AzimutHoehe(hoehe, azimut, breite, dekl, (uhrzeit - 12) * 15 - (L - L));
}

} // namespace

double HalberTagbogen(double breite, double dekl)
{
    return HalberTagbogen(GradMitSinus(breite), GradMitSinus(dekl));
}

double HalberTagbogen(const GradMitSinus& breite, const GradMitSinus& dekl)
{
    const double x = -breite.sin * dekl.sin / breite.cos / dekl.cos;
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
    const GradMitSinus b(breite);
    sonneTemporalStunde(ungleicherTag(jahr, tag, L, b), n, b, hoehe, azimut);
}

void sonneTemporalStundeDekl(double n, double breite, double dekl, double& hoehe, double& azimut)
{
    sonneTemporalStundeDekl(n, GradMitSinus(breite), GradMitSinus(dekl), hoehe, azimut);
}

void sonneTemporalStundeDekl(double n, const GradMitSinus& breite, const GradMitSinus& dekl, double& hoehe,
                             double& azimut)
{
    n = klemme(n, 0, 12);
    const double h0 = HalberTagbogen(breite, dekl);
    AzimutHoehe(hoehe, azimut, breite, dekl, (n - 6) * h0 / 6);
}

void sonneItalBabylStunde(std::int32_t jahr, std::int32_t tag, bool babylonisch, double n, double L,
                          double breite, double& hoehe, double& azimut)
{
    const GradMitSinus b(breite);
    sonneItalBabylStunde(ungleicherTag(jahr, tag, L, b), babylonisch, n, b, hoehe, azimut);
}

UngleicherTag ungleicherTag(std::int32_t jahr, std::int32_t tag, double L, const GradMitSinus& breite)
{
    UngleicherTag d;
    d.dekl = GradMitSinus(tagesDeklination(jahr, tag, L));
    d.halbbogen = HalberTagbogen(breite, d.dekl);
    d.L = L;
    return d;
}

void sonneTemporalStunde(const UngleicherTag& tag, double n, const GradMitSinus& breite, double& hoehe,
                         double& azimut)
{
    n = klemme(n, 0, 12);
    const double t = 12 - (6 - n) * tag.halbbogen / 90;
    sonneOrtszeit(tag.dekl, t, breite, tag.L, hoehe, azimut);
}

void sonneItalBabylStunde(const UngleicherTag& tag, bool babylonisch, double n, const GradMitSinus& breite,
                          double& hoehe, double& azimut)
{
    n = klemme(n, 0, 24);
    const double h = tag.halbbogen / 15;
    // Babylonian: sunrise (12 - h) plus n hours, a day back; Italian: the previous sunset
    // (h - 12) plus n hours. The position routine folds the hour angle into -180..180.
    const double t = babylonisch ? std::fabs(12 - h) - (24 - n) : n - std::fabs(h - 12);
    sonneOrtszeit(tag.dekl, t, breite, tag.L, hoehe, azimut);
}

} // namespace umbrin
