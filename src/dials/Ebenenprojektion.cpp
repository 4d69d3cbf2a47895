#include "dials/Ebenenprojektion.h"

#include "core/Winkel.h"

#include "core/State.h"

#include <cmath>

namespace umbrin {
namespace {


double sgn(double x) { return x >= 0 ? 1.0 : -1.0; } // 0 counts as positive here
double vorzeichen(double x) { return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0); }

} // namespace

void projiziereAufEbene(double p, double q, double a, double L, double& X, double& Y)
{
    if (std::fabs(90 - std::fabs(p)) < 0.07)
        p = p > 0 ? 90 - 0.07 * sgn(90 - p) : -90 - 0.07 * sgn(-90 - p);
    if (std::fabs(std::fabs(q) - 90) < 0.001)
        q = 89.999 * sgn(q);
    const double tq = std::tan(q * kRad);
    double D = std::sin(a * kRad) * std::cos(p * kRad) - std::cos(a * kRad) * tq;
    if (std::fabs(D) < 1e-5)
        D = (vorzeichen(D) + 0.5) * 1e-5;
    X = -L * std::sin(p * kRad) / D;
    Y = L * (std::cos(p * kRad) * std::cos(a * kRad) + std::sin(a * kRad) * tq) / D;
}

} // namespace umbrin
