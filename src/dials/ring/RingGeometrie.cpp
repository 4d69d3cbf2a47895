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

bool RingStrahl::querUngefaehr(double sa, double ca, double& Q, double& fehler) const
{
    // Q's slopes in sa and ca are at most R |t| and R (2 + 2 |t|) / nenner, nenner <= 1, so
    // an error e in either moves Q by less than 3 e R (1 + |t|) / nenner; the bound allows
    // for e up to 1e-12 three hundred times over.
    const double nenner = sb_ * sb_ + cb_ * cb_ * ca * ca;
    if (nenner < 1e-6)
        return false;
    const double kehrwert = 1 / nenner;
    const double t = 2 * (sb_ * cc_ + ca * cb_ * sc_) * kehrwert;
    Q = R_ * t * cb_ * sa;
    fehler = 1e-9 * R_ * (1 + std::fabs(t)) * kehrwert;
    return true;
}

bool RingStrahl::querSicherUnter(double sa, double ca, double T) const
{
    // Q nenner and T nenner from the same products as querBei, each within a few units of
    // the last place; the margin is far wider than those.
    const double nenner = sb_ * sb_ + cb_ * cb_ * ca * ca;
    if (nenner < 1e-12)
        return false;
    const double Qn = 2 * (sb_ * cc_ + ca * cb_ * sc_) * R_ * cb_ * sa;
    const double Tn = T * nenner;
    return Qn < Tn - std::fabs(Tn) * 1e-12 - 1e-200;
}

namespace {

// The sine and cosine of a turn walked in equal steps, turned on by the step from the pair
// last taken exactly; after 64 steps they are due to be taken afresh. Over those steps the
// rounding of the rotation and of the walked turn itself stays below 1e-13.
class Drehschritt {
public:
    explicit Drehschritt(double schritt) : sd_(SinGrad(schritt)), cd_(CosGrad(schritt)) {}
    void setze(double s, double c)
    {
        s_ = s;
        c_ = c;
        n_ = 0;
    }
    // Turns on by one step; false once the pair must be taken exactly.
    bool weiter()
    {
        const double s = s_ * cd_ + c_ * sd_;
        c_ = c_ * cd_ - s_ * sd_;
        s_ = s;
        return ++n_ < 64;
    }
    double s() const { return s_; }
    double c() const { return c_; }

private:
    double sd_, cd_, s_ = 0, c_ = 1;
    int n_ = 0;
};

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

bool ringLichtfleck(double& K, double& S, double& Q, double D, double c, double b, double a)
{
    return RingStrahl(D, c, b).fleck(a, K, S, Q);
}

void sucheRingWinkel(double& Q, double& S, double& K, double D, double c, double b, double T, bool& ok)
{
    // The walk needs only the sideways offset; the spot's other values are those of the turn
    // where it stops. sa and ca are the exact sine and cosine of the turn last reckoned.
    const RingStrahl strahl(D, c, b);
    ok = true;
    double a = 0, sa = 0, ca = 1;
    bool fleck = false;
    const auto rechne = [&] {
        sa = SinGrad(a);
        ca = CosGrad(a);
        fleck = strahl.querBei(sa, ca, Q);
    };
    const auto ende = [&] { strahl.fleckBei(sa, ca, K, S, Q); };
    const GrobeDrehungen& grob = grobeDrehungen();
    for (std::size_t k = 0;; ++k) {
        a = grob.a[k];
        sa = grob.sinus[k];
        ca = grob.kosinus[k];
        if (a < 90 && strahl.querSicherUnter(sa, ca, T))
            continue;
        fleck = strahl.querBei(sa, ca, Q);
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
    // The backward and the fine walk stop at the first turn whose offset passes T. A turn
    // whose offset, from the rotated sine and cosine, lies beyond its error bound on the
    // walking side of T is passed without the exact reckoning: the walk takes the same steps.
    double Qn = 0, fehler = 0;
    static const Drehschritt rueckwaerts(-0.005), vorwaerts(0.0001);
    Drehschritt d = rueckwaerts;
    d.setze(sa, ca);
    for (;;) {
        a -= 0.005;
        if (d.weiter() && a >= 0.005 && strahl.querUngefaehr(d.s(), d.c(), Qn, fehler) && Qn - fehler > T)
            continue;
        rechne();
        d.setze(sa, ca);
        if (Q <= T || a < 0.005)
            break;
    }
    if (a < 0.02) {
        ende();
        K = 0;
        Q = 0;
        return;
    }
    if (Q < T) {
        d = vorwaerts;
        d.setze(sa, ca);
        for (;;) {
            a += 0.0001;
            if (d.weiter() && a < 90 && strahl.querUngefaehr(d.s(), d.c(), Qn, fehler) && Qn + fehler < T)
                continue;
            rechne();
            d.setze(sa, ca);
            if (Q >= T || a >= 90)
                break;
        }
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

bool ringSpalten(double& xa, double& ya, double& xb, double& yb, double links, double rechts)
{
    if (std::max(xa, xb) < links || std::min(xa, xb) > rechts)
        return false;
    const auto schneide = [&](double& x, double& y, double gx) {
        // Only an end beyond gx moves, so xa and xb differ here.
        y = ya + (yb - ya) * (gx - xa) / (xb - xa);
        x = gx;
    };
    double x0 = xa, y0 = ya, x1 = xb, y1 = yb;
    if (x0 < links)
        schneide(x0, y0, links);
    if (x1 < links)
        schneide(x1, y1, links);
    if (x0 > rechts)
        schneide(x0, y0, rechts);
    if (x1 > rechts)
        schneide(x1, y1, rechts);
    xa = x0, ya = y0, xb = x1, yb = y1;
    return true;
}

} // namespace umbrin
