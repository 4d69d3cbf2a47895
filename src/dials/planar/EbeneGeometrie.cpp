#include "dials/planar/EbeneGeometrie.h"

#include "core/Winkel.h"

#include "core/Projektion.h"
#include "core/SonneEbene.h"
#include "dials/Ebenenprojektion.h"

#include <cmath>

namespace umbrin {
namespace {


double vorzeichen(double x) { return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0); }

// A value too small to divide by becomes a tiny one of the same sign.
double geschuetzt(double c, double grenze)
{
    if (std::fabs(c) < grenze)
        return (vorzeichen(c) + 0.2) * grenze;
    return c;
}

} // namespace

EbenenParameter ebenenParameter(const AppState& s)
{
    EbenenParameter p;
    p.X1 = s.Par.Breite;
    if (s.UhrTyp != 'i')
        return p;
    if (s.Schirmuhr) {
        p.X3 = s.Par.Wandabweichung;
        p.Wand = s.Par.Wandabweichung;
        return p;
    }
    double phi = 0, dl = 0, r = 0;
    AequivHorizontaluhr(s.Par.Breite, s.Par.Wandabweichung, s.Par.Inklination, phi, dl, r);
    p.X1 = phi;
    p.X2 = -dl / 15;
    p.X3 = r;
    p.Inklination = s.Par.Inklination;
    p.Wand = s.Par.Wandabweichung;
    return p;
}

Ebenennormale ebenennormale(const AppState& s, const EbenenParameter& p)
{
    switch (s.UhrTyp) {
    case 'v':
        return {s.Par.Wandabweichung, 0};
    case 'i':
        if (s.Schirmuhr)
            return {s.Par.Wandabweichung, 90 - s.Par.Inklination};
        return {p.X3, 90};
    default:
        return {0, 90};
    }
}

Schattengeometrie schattengeometrie(const AppState& s, const EbenenParameter& p, double skala)
{
    Schattengeometrie g;
    g.senkrecht = s.UhrTyp == 'v';
    g.schirmuhr = s.Schirmuhr != 0;
    g.schirmInklinierend = g.schirmuhr && s.UhrTyp == 'i';
    g.wandabweichung = s.Par.Wandabweichung;
    g.X3 = p.X3;
    g.inklination = s.Par.Inklination;
    g.schirmRadius = s.Par.SchirmRadius;
    g.skala = skala;
    g.normale = ebenennormale(s, p);
    const double bezug = g.senkrecht ? g.wandabweichung : g.X3;
    g.normaleVorn = std::cos(g.normale.Hoehe * kRad) * std::cos((g.normale.Az - bezug) * kRad);
    g.normaleSeite = std::cos(g.normale.Hoehe * kRad) * std::sin((g.normale.Az - bezug) * kRad);
    g.normaleOben = std::sin(g.normale.Hoehe * kRad);
    g.bezugCos = std::cos(bezug * kRad);
    g.bezugSin = std::sin(bezug * kRad);
    return g;
}

Schattenwurf schattenwurf(const Schattengeometrie& g, double azimut, double hoehe)
{
    Schattenwurf w;
    const double s = g.skala;
    // t: the sun's azimuth from the wall's normal (vertical dial) or from the meridian line.
    const double t = (azimut - (g.senkrecht ? g.wandabweichung : g.X3)) * kRad;
    const double st = std::sin(t), ct = std::cos(t);
    const double h = hoehe * kRad;
    const double sh = std::sin(h), chRoh = std::cos(h);
    if (g.senkrecht) {
        const double k = s / geschuetzt(ct, 1e-15);
        const double x = st * k;
        const double y = sh * k / geschuetzt(chRoh, 1e-15);
        double f = 0;
        if (g.schirmuhr) {
            if (std::fabs(x) < 1e-8 && std::fabs(y) < 1e-8)
                f = g.schirmRadius * 1e8;
            else
                f = g.schirmRadius * s / std::sqrt(x * x + y * y);
        }
        w.dx = (1 + f) * x;
        w.dy = (1 + f) * y; // the shadow falls below the foot, afternoon shadows to the right
        w.beleuchtet = h > 0 && (std::fabs(t) < 1.57 || std::fabs(t) > 4.71);
    } else {
        double gs = s;
        const double c = geschuetzt(chRoh, 1e-8);
        if (g.schirmuhr)
            gs = (sh * g.schirmRadius / c + 1) * s; // rod plus disc: s + u s tan h
        if (!g.schirmInklinierend) {
            const double hg = geschuetzt(h, 1e-8);
            const double r = hg == h ? gs * chRoh / sh : gs * std::cos(hg) / std::sin(hg);
            w.dx = r * st;
            w.dy = -r * ct; // north up, east to the right
            w.beleuchtet = hoehe > 0;
        } else {
            const double I = g.inklination * kRad;
            const double N = geschuetzt(sh / c * std::cos(I) + ct * std::sin(I), 1e-12);
            w.dx = st * std::cos(I) * gs / N;
            w.dy = -ct * gs / N;
            w.beleuchtet = h > 0;
            if (std::fabs(t) > 1.57)
                w.beleuchtet = w.beleuchtet && sh * std::cos(I) + chRoh * std::sin(I) * ct > 0;
        }
    }
    // The cosine between the sun and the plane's normal (as CosSonneNormale gives it), with the
    // normal's unit vector in the frame of t worked out once per drawing.
    const double cosNormale = chRoh * ct * g.normaleVorn + chRoh * st * g.normaleSeite + sh * g.normaleOben;
    w.ebeneBeleuchtet = cosNormale > 0;
    if (!g.schirmuhr)
        w.beleuchtet = w.beleuchtet && w.ebeneBeleuchtet;
    if (!std::isfinite(w.dx))
        w.dx = std::isnan(w.dx) ? 0 : vorzeichen(w.dx) * 1e30;
    if (!std::isfinite(w.dy))
        w.dy = std::isnan(w.dy) ? 0 : vorzeichen(w.dy) * 1e30;
    return w;
}

bool schattenwurfRichtung(const Schattengeometrie& g, double sued, double west, double oben, Schattenwurf& w)
{
    if (g.schirmuhr)
        return false;
    const double s = g.skala;
    // The sun's horizontal part along the reference (vorn = cos h cos t) and across it
    // (seite = cos h sin t), t its azimuth from the reference as in schattenwurf.
    const double vorn = sued * g.bezugCos + west * g.bezugSin;
    const double seite = west * g.bezugCos - sued * g.bezugSin;
    const double cosNormale = vorn * g.normaleVorn + seite * g.normaleSeite + oben * g.normaleOben;
    w.ebeneBeleuchtet = cosNormale > 0;
    if (g.senkrecht) {
        // x = s tan t, y = s tan h / cos t. Where cos t nearly vanishes, or the sun stands in
        // front of the wall but within 1.57 rad of it, the angles decide as in schattenwurf.
        if (std::fabs(vorn) < 1e-3) {
            const double ch = std::sqrt(sued * sued + west * west);
            if (ch < 1e-15 || std::fabs(vorn) < 1e-15 * ch || (vorn > 0 && vorn < std::cos(1.57) * ch)) {
                const double az = std::atan2(west, sued) / kRad;
                const double h = std::atan2(oben, ch) / kRad;
                w = schattenwurf(g, az, h);
                return true;
            }
        }
        w.dx = s * seite / vorn;
        w.dy = s * oben / vorn;
        w.beleuchtet = oben > 0 && vorn > 0 && w.ebeneBeleuchtet;
    } else {
        // r = s / tan h along the turned meridian line, north up, east to the right.
        if (std::fabs(oben) < 1e-8) {
            const double az = std::atan2(west, sued) / kRad;
            const double h = std::atan2(oben, std::sqrt(sued * sued + west * west)) / kRad;
            w = schattenwurf(g, az, h);
            return true;
        }
        w.dx = s * seite / oben;
        w.dy = -s * vorn / oben;
        w.beleuchtet = oben > 0 && w.ebeneBeleuchtet;
    }
    if (!std::isfinite(w.dx))
        w.dx = std::isnan(w.dx) ? 0 : vorzeichen(w.dx) * 1e30;
    if (!std::isfinite(w.dy))
        w.dy = std::isnan(w.dy) ? 0 : vorzeichen(w.dy) * 1e30;
    return true;
}

double geschuetzteBreite(double breite, double minimum)
{
    if (std::fabs(breite) < minimum)
        return breite < 0 ? -minimum : minimum;
    return breite;
}

Polversatz polstabVersatz(const AppState& s, double skala, double breiteMin)
{
    Polversatz v;
    if (s.UhrTyp != 'v' && s.UhrTyp != 'i') {
        v.Y = -skala / TanGrad(geschuetzteBreite(s.Par.Breite, breiteMin));
        return v;
    }
    projiziereAufEbene(s.Par.Wandabweichung, s.Par.Breite, s.UhrTyp == 'v' ? 90 : s.Par.Inklination, skala, v.X,
                       v.Y);
    return v;
}

} // namespace umbrin
