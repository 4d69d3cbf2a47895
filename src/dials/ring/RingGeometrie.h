#pragma once
// Geometry of the ring dial: a metal ring of inner diameter D hangs from a cord in a vertical
// plane; sunlight enters through a small hole at the angle alpha from the suspension point
// and makes a light spot on the inner surface opposite, where the band of hour lines is
// engraved. The band is the unrolled inner surface: its left end stands for the top of the
// ring, and a sun at altitude h puts its spot 2h + alpha from the top.
//
// When the hole sits at another row of the band than the day's declination, the ring must
// be turned sideways out of the sun's azimuth until the spot reaches the day's row; the turn
// also moves the spot along the ring by the correction angle K. Angles in degrees, lengths in
// millimetres unless a caller scales them.
#include "core/Vorzeichen.h"
#include "core/Winkel.h"

#include <cmath>
#include <cstdint>

namespace umbrin {

// Light spot of one ray. D: inner diameter (mm); c: hole angle from the top (degrees);
// b: sun altitude (degrees); a: turn of the ring's plane out of the sun's azimuth (degrees).
// K: shift of the spot along the ring caused by the turn (degrees of the ring's circle);
// S: height of the spot over the centre divided by the radius; Q: sideways offset of the
// spot across the ring's width (mm). A ray that runs parallel to the ring's axis (b 0, a 90)
// reaches no wall: the result is false and K, S, Q are 0.
bool ringLichtfleck(double& K, double& S, double& Q, double D, double c, double b, double a);

// The same for one sun altitude b and hole angle c and many turns a: the sines and cosines
// of b and c are taken once. querBei gives the sideways offset Q alone.
class RingStrahl {
public:
    RingStrahl(double D, double c, double b);
    bool fleck(double a, double& K, double& S, double& Q) const;
    // fleck for a turn whose sine and cosine the caller has already taken.
    bool fleckBei(double sa, double ca, double& K, double& S, double& Q) const;
    // fleckBei in two parts: first Q, S and Z (the spot's side of the ring's centre along the
    // ray), false where the ray meets no wall; then K from those.
    struct Teile {
        double Q = 0, S = 0, Z = 0;
    };
    bool teileBei(double sa, double ca, Teile& f) const;
    double bogen(const Teile& f) const;
    // The sideways offset Q alone, for a turn whose sine and cosine the caller has taken.
    bool querBei(double sa, double ca, double& Q) const;
    // Q for a sine and cosine known only to within 1e-12, and a bound on how far querBei of
    // the exact pair can lie from it; false where the ray runs too near the ring's axis to
    // give one.
    bool querUngefaehr(double sa, double ca, double& Q, double& fehler) const;
    // True when querBei would give a Q below T, told without its division; false also where
    // the products lie too near to tell.
    bool querSicherUnter(double sa, double ca, double T) const;

private:
    bool sehneBei(double ca, double& t) const;
    double R_, b_, c_, sb_, cb_, sc_, cc_;
};

// Ring's centre at the origin, y up, z in the ring's plane away from the sun, x across the
// width. The hole is (0, R cos c, -R sin c), the ray runs along (cos b sin a, -sin b,
// cos b cos a); R t is the chord from the hole to the spot. A ray parallel to the axis
// (b 0, a 90) meets no wall. Inline, for the walks that reckon many turns.
inline bool RingStrahl::sehneBei(double ca, double& t) const
{
    const double nenner = sb_ * sb_ + cb_ * cb_ * ca * ca;
    if (nenner < 1e-12)
        return false;
    t = 2 * (sb_ * cc_ + ca * cb_ * sc_) / nenner;
    return true;
}

inline bool RingStrahl::teileBei(double sa, double ca, Teile& f) const
{
    double t = 0;
    if (!sehneBei(ca, t))
        return false;
    f.Q = R_ * t * cb_ * sa;
    f.S = cc_ - t * sb_;
    f.Z = R_ * (t * cb_ * ca - sc_);
    return true;
}

inline double RingStrahl::bogen(const Teile& f) const
{
    const double w = std::fabs(f.S) > 0.9999999 ? 90.0 * Vorzeichen(f.S) : InGrad(std::asin(f.S));
    return f.Z >= 0 ? 90 - c_ - w - 2 * b_ : 270 - c_ + w - 2 * b_;
}

inline bool RingStrahl::fleckBei(double sa, double ca, double& K, double& S, double& Q) const
{
    Teile f;
    if (!teileBei(sa, ca, f)) {
        K = S = Q = 0;
        return false;
    }
    Q = f.Q;
    S = f.S;
    K = bogen(f);
    return true;
}

// The turn at which the spot has moved sideways by T (mm): the results are those of
// ringLichtfleck at that turn, found by a coarse, a backward and a fine walk of the turning
// angle. ok is false (and K 0) when no turn below 90 degrees reaches T. A target reached by
// a turn below 0.02 degrees counts as none: K = Q = 0 with ok true. Callers search only for
// suns above the horizon (b > 0).
void sucheRingWinkel(double& Q, double& S, double& K, double D, double c, double b, double T, bool& ok);

// The sideways distance (mm) the spot must travel on a band B wide whose rows span
// `spanne` degrees of declination, from the hole's row deltaLoch to the day's row delta.
double ringZiel(double delta, double deltaLoch, double B, double spanne);

// How a drawing scales the band: the ring radius in drawing units and the band's left
// reference x_ref (the hole line), plus the obliquity that spans the bands.
struct RingMassstab {
    double Ru = 0;
    double xRef = 0;
    double eps = 23.44;
};

// In-plane position along the band of a spot of a sun at altitude h: x_ref + 2 Ru h.
double ringX(const RingMassstab& m, double h);

// The corrected spot of the equinox noon on the winter band: the band's end in the modes
// that show the deflection. x = Round(x_ref + 2 Ru (90 - |phi|)) + Ru K with K from the
// search at the altitude 90 - |phi| for the target |B d2 - B d1| / eps. The same routine
// serves the screen drawing and the plot (each with its own scale).
double ringPosition(const RingMassstab& m, double phi, double B, double D, double c, double d2, double d1,
                    bool& ok);

// Arc of the band's highest noon sun (drawing units), for the variant with the noon line
// straight across the band: Ru (90 - |phi|) on a winter band; elsewhere Ru 90 when the
// latitude lies within the bound (innen), else Ru (90 - |phi| + zusatz), zusatz being the
// obliquity the caller's layout adds.
double ringHoechsterBogen(const RingMassstab& m, double phi, bool winterBand, bool innen, double zusatz);

// The part of the segment from (xa, ya) to (xb, yb) that lies between the columns links and
// rechts (the band's hole line and half the circumference beyond it); false when none does.
bool ringSpalten(double& xa, double& ya, double& xb, double& yb, double links, double rechts);

} // namespace umbrin
