#include "dials/ring/RingGeometrie.h"

#include "core/Rounding.h"
#include "core/Vorzeichen.h"
#include "core/Winkel.h"

#include <cmath>
#include <cstddef>
#include <vector>

namespace umbrin {

RingStrahl::RingStrahl(double D, double c, double b)
    : R_(D / 2), b_(b), c_(c), sb_(SinGrad(b)), cb_(CosGrad(b)), sc_(SinGrad(c)), cc_(CosGrad(c))
{
}

// Ring's centre at the origin, y up, z in the ring's plane away from the sun, x across the
// width. The hole is (0, R cos c, -R sin c), the ray runs along (cos b sin a, -sin b,
// cos b cos a); R t is the chord from the hole to the spot. A ray parallel to the axis
// (b 0, a 90) meets no wall.
bool RingStrahl::sehneBei(double ca, double& t) const
{
    const double nenner = sb_ * sb_ + cb_ * cb_ * ca * ca;
    if (nenner < 1e-12)
        return false;
    t = 2 * (sb_ * cc_ + ca * cb_ * sc_) / nenner;
    return true;
}

bool RingStrahl::quer(double a, double& Q) const
{
    return querBei(SinGrad(a), CosGrad(a), Q);
}

bool RingStrahl::querBei(double sa, double ca, double& Q) const
{
    double t = 0;
    if (!sehneBei(ca, t)) {
        Q = 0;
        return false;
    }
    Q = R_ * t * cb_ * sa;
    return true;
}

namespace {

// The turns of the coarse walk (0.25 degrees apart below 45, then 0.01, up to the first at
// 90 or beyond), added up as the walk adds them, with their sines and cosines: the same for
// every search, so taken once.
struct GrobeDrehungen {
    std::vector<double> a, sinus, kosinus;
    GrobeDrehungen()
    {
        double w = 0;
        do {
            w += w < 45 ? 0.25 : 0.01;
            a.push_back(w);
            sinus.push_back(SinGrad(w));
            kosinus.push_back(CosGrad(w));
        } while (w < 90);
    }
};

const GrobeDrehungen& grobeDrehungen()
{
    static const GrobeDrehungen d;
    return d;
}

} // namespace

bool RingStrahl::fleck(double a, double& K, double& S, double& Q) const
{
    return fleckBei(SinGrad(a), CosGrad(a), K, S, Q);
}

bool RingStrahl::fleckBei(double sa, double ca, double& K, double& S, double& Q) const
{
    double t = 0;
    if (!sehneBei(ca, t)) {
        K = S = Q = 0;
        return false;
    }
    Q = R_ * t * cb_ * sa;
    S = cc_ - t * sb_;
    const double Z = R_ * (t * cb_ * ca - sc_);
    const double w = std::fabs(S) > 0.9999999 ? 90.0 * Vorzeichen(S) : InGrad(std::asin(S));
    K = Z >= 0 ? 90 - c_ - w - 2 * b_ : 270 - c_ + w - 2 * b_;
    return true;
}

bool ringLichtfleck(double& K, double& S, double& Q, double D, double c, double b, double a)
{
    return RingStrahl(D, c, b).fleck(a, K, S, Q);
}

void sucheRingWinkel(double& Q, double& S, double& K, double D, double c, double b, double T, bool& ok)
{
    // The walk needs only the sideways offset; the spot's other values are those of the turn
    // where it stops.
    const RingStrahl strahl(D, c, b);
    ok = true;
    double a = 0;
    bool fleck = false;
    const auto rechne = [&] { fleck = strahl.quer(a, Q); };
    const auto ende = [&] { strahl.fleck(a, K, S, Q); };
    const GrobeDrehungen& grob = grobeDrehungen();
    for (std::size_t k = 0;; ++k) {
        a = grob.a[k];
        fleck = strahl.querBei(grob.sinus[k], grob.kosinus[k], Q);
        if ((fleck && Q >= T) || !(a < 90))
            break;
    }
    if (a > 90 || !fleck) {
        ende();
        ok = false;
        K = 0;
        return;
    }
    if (Q <= T) {
        ende();
        return;
    }
    do {
        a -= 0.005;
        rechne();
    } while (!(Q <= T || a < 0.005));
    if (a < 0.02) {
        ende();
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
            ende();
            ok = false;
            K = 0;
            return;
        }
    }
    ende();
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
