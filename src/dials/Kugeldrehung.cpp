#include "dials/Kugeldrehung.h"

#include "core/State.h"

#include <cmath>

namespace umbrin {

void dreheKugelKoord(double b, double l, double e, double& b2, double& q, double& l2)
{
    const double r = static_cast<double>(rad);
    const double sb = std::sin(b * r), cb = std::cos(b * r);
    const double sl = std::sin(l * r), cl = std::cos(l * r);
    const double se = std::sin(e * r), ce = std::cos(e * r);
    const double z = sb * ce - cb * se * cl;
    if (std::fabs(z) >= 1)
        b2 = z > 0 ? 90.0 : -90.0;
    else
        b2 = std::asin(z) / r;
    q = std::atan2(sl * se, cb * ce + sb * se * cl) / r;
    l2 = std::atan2(cb * sl, sb * se + cb * ce * cl) / r;
}

} // namespace umbrin
