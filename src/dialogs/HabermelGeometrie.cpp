#include "dialogs/HabermelGeometrie.h"

#include "core/State.h"

#include <cmath>

namespace umbrin {
namespace {

// Tangent of x degrees, refused where the cosine vanishes (the shared TanGrad floors the
// cosine and would return about 1e12 there, a dial of kilometres).
bool tangens(double x, double& t)
{
    const double r = x * static_cast<double>(rad);
    const double c = std::cos(r);
    if (!std::isfinite(c) || std::fabs(c) < 1e-9)
        return false;
    t = std::sin(r) / c;
    return std::isfinite(t);
}

} // namespace

bool HabermelFaktor(int art, double breite, double eps, double& faktor)
{
    if (!std::isfinite(breite) || !std::isfinite(eps) || std::fabs(breite) > 90)
        return false;
    // Dial I is built only strictly between the obliquity and 90 degrees minus it, the limits
    // its refusal names; the relation alone would still answer up to the pole.
    if (art == 1 && (std::fabs(breite) <= eps || std::fabs(breite) >= 90 - eps))
        return false;
    const double a = 90 - std::fabs(breite);
    double plus = 0;
    double minus = 0;
    if (!tangens(a + eps, plus))
        return false;
    double f = 0;
    if (art == 1) {
        if (!tangens(a - eps, minus))
            return false;
        f = plus + minus;
    } else if (art == 2) {
        f = 2 * plus;
    } else {
        return false;
    }
    // A sum that is zero or negative has no dial: the shadow would fall outside the scale.
    if (!std::isfinite(f) || f < 1e-9 || f > 1e9)
        return false;
    faktor = f;
    return true;
}

bool HabermelGnomonAusDurchmesser(int art, double durchmesser, double breite, double eps, double& gnomon)
{
    double f = 0;
    if (!std::isfinite(durchmesser) || !HabermelFaktor(art, breite, eps, f))
        return false;
    const double g = (durchmesser - 15) / f;
    if (!std::isfinite(g) || g <= 0)
        return false;
    gnomon = g;
    return true;
}

double HabermelZehntel(double mm)
{
    const double zehntel = std::round(mm * 10) / 10;
    return zehntel > 0 ? zehntel : mm;
}

bool HabermelDurchmesserAusGnomon(int art, double gnomon, double breite, double eps, double& durchmesser)
{
    double f = 0;
    if (!std::isfinite(gnomon) || !HabermelFaktor(art, breite, eps, f))
        return false;
    const double d = gnomon * f + 15;
    if (!std::isfinite(d))
        return false;
    durchmesser = d;
    return true;
}

} // namespace umbrin
