#include "dials/altitude/Zylinderuhrgeometrie.h"

#include "core/Rounding.h"
#include "core/Winkel.h"

#include <cmath>

namespace umbrin {

double filterhutAzimut(double azimut, int sigma)
{
    if (sigma > 0)
        return -azimut;
    return azimut < 0 ? -azimut - 180 : 180 - azimut;
}

Zylinderpunkt filterhutPunkt(double azimut, double hoehe, int sigma, double u, double k)
{
    Zylinderpunkt p;
    p.x = static_cast<double>(roundHalfEven(filterhutAzimut(azimut, sigma) * u));
    const double co = std::cos(hoehe * kRad);
    p.y = std::fabs(co) > 1e-5 ? k * std::sin(hoehe * kRad) / co : 100000.0;
    p.gueltig = hoehe > 0;
    return p;
}

Polstabzylinder polstabzylinder(double R, double e, double einheitenProMm, double wand)
{
    Polstabzylinder z;
    z.R = R;
    z.e = e;
    z.Rs = R * einheitenProMm;
    z.k = static_cast<double>(roundHalfEven(e * einheitenProMm));
    z.X = R > 0 && e > 0 ? std::acos(R / (R + e)) : 0;
    z.wand = wand;
    return z;
}

Zylinderpunkt polstabPunkt(const Polstabzylinder& z, double azimut, double hoehe)
{
    Zylinderpunkt p;
    if (!(z.R > 0) || !(z.e > 0))
        return p;
    const double zurWand = azimut - z.wand;
    double dA = zurWand;
    if (std::fabs(dA) > 180)
        dA -= 360 * (dA > 0 ? 1 : -1);
    // The sun beyond the band throws no shadow onto it: tested before the ray is worked out.
    if (std::fabs(dA) > std::fabs(90 - z.X / kRad))
        return p;
    const double sinZurWand = std::sin(zurWand * kRad);
    const double q = sinZurWand * (z.R + z.e) / z.R;
    const double phi = std::fabs(q) <= 1 ? std::fabs(std::asin(q)) / kRad : 999;
    const double vz = dA > 0 ? 1 : dA < 0 ? -1 : 0;
    const double theta = vz * (phi - std::fabs(dA)) * kRad;
    if (std::fabs(theta) > z.X)
        return p;
    p.gueltig = true;
    p.x = z.Rs * theta;
    if (std::fabs(hoehe) > 89)
        p.y = 10000;
    else if (std::fabs(dA) < 0.01)
        p.y = z.k * std::tan(hoehe * kRad);
    else
        p.y = z.Rs * std::sin(theta) * std::tan(hoehe * kRad) / (dA == zurWand ? sinZurWand : std::sin(dA * kRad));
    return p;
}

} // namespace umbrin
