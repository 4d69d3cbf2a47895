#include "dials/ring/RingGeometrie.h"

#include "core/Rounding.h"
#include "core/Vorzeichen.h"
#include "core/Winkel.h"

#include <cmath>

namespace umbrin {

bool ringLichtfleck(double& K, double& S, double& Q, double D, double c, double b, double a)
{
    const double R = D / 2;
    const double sb = SinGrad(b), cb = CosGrad(b), sa = SinGrad(a), ca = CosGrad(a);
    const double sc = SinGrad(c), cc = CosGrad(c);
    // Ring's centre at the origin, y up, z in the ring's plane away from the sun, x across
    // the width. The hole is (0, R cos c, -R sin c), the ray runs along
    // (cos b sin a, -sin b, cos b cos a); R t is the chord from the hole to the spot.
    const double nenner = sb * sb + cb * cb * ca * ca;
    if (nenner < 1e-12) {
        K = S = Q = 0;
        return false;
    }
    const double t = 2 * (sb * cc + ca * cb * sc) / nenner;
    Q = R * t * cb * sa;
    S = cc - t * sb;
    const double Z = R * (t * cb * ca - sc);
    const double w = std::fabs(S) > 0.9999999 ? 90.0 * Vorzeichen(S) : InGrad(std::asin(S));
    K = Z >= 0 ? 90 - c - w - 2 * b : 270 - c + w - 2 * b;
    return true;
}

void sucheRingWinkel(double& Q, double& S, double& K, double D, double c, double b, double T, bool& ok)
{
    ok = true;
    double a = 0;
    bool fleck = false;
    const auto rechne = [&] { fleck = ringLichtfleck(K, S, Q, D, c, b, a); };
    do {
        a += a < 45 ? 0.25 : 0.01;
        rechne();
    } while (!(fleck && Q >= T) && a < 90);
    if (a > 90 || !fleck) {
        ok = false;
        K = 0;
        return;
    }
    if (Q <= T)
        return;
    do {
        a -= 0.005;
        rechne();
    } while (!(Q <= T || a < 0.005));
    if (a < 0.02) {
        K = 0;
        Q = 0;
        return;
    }
    if (Q < T) {
        do {
            a += 0.0001;
            rechne();
        } while (!(Q >= T || a >= 90));
        if (a >= 90) {
            ok = false;
            K = 0;
        }
    }
}

double ringZiel(double delta, double deltaLoch, double B, double spanne)
{
    return std::fabs(delta - deltaLoch) * B / spanne;
}

double ringX(const RingMassstab& m, double h)
{
    return m.xRef + 2 * m.Ru * h * kRad;
}

double ringPosition(const RingMassstab& m, double phi, double B, double D, double c, double d2, double d1,
                    bool& ok)
{
    const double h = 90 - std::fabs(phi);
    double Q = 0, S = 0, K = 0;
    sucheRingWinkel(Q, S, K, D, c, h, std::fabs(B * d2 - B * d1) / m.eps, ok);
    return static_cast<double>(roundHalfEven(ringX(m, h))) + m.Ru * K * kRad;
}

double ringHoechsterBogen(const RingMassstab& m, double phi, bool winterBand, bool innen, double zusatz)
{
    const double p = std::fabs(phi);
    if (winterBand)
        return m.Ru * kRad * (90 - p);
    if (innen)
        return m.Ru * kRad * 90;
    return m.Ru * kRad * (90 - p + zusatz);
}

} // namespace umbrin
