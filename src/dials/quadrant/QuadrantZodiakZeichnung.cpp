// The quadrant's zodiac scale on a canvas: the circles are the sun's declinations at every
// ten degrees of ecliptic longitude, the signs label the bands between them, and each hour
// curve is computed from the declination directly, without date or equation of time.
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "dials/quadrant/QuadrantBlatt.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace umbrin {
namespace {

int rund(double v) { return quadrantPixel(v); }

void zodiakLegende(QuadrantBlatt& b)
{
    const AppState& s = b.s;
    const int fh = b.bildschirm ? (b.umgebung.GrosserBildschirm ? 16 : 12) : 40;
    const double y0 = b.my + 10;
    b.c.setFontColor(s.Farben[3]);
    b.c.setFontHeight(fh);
    for (int j = 1; j <= 12; ++j) {
        const int y = rund(y0 + 1.3 * fh * (2 * j - 0.7));
        b.c.setFontName("Wingdings");
        b.text(rund(b.mx + 5 * b.u), y, zodiakSymbol(j));
        b.c.setFontName("Arial");
        b.text(rund(b.mx + 13 * b.u), y, "= " + std::string(tierkreisName(s, j)));
        b.text(rund(b.mx + 13 * b.u), rund(y0 + 1.3 * fh * 2 * j),
               "  (" + std::string(DatumsTage[static_cast<std::size_t>(j - 1)])
                   + std::string(monatKurz(s, zodiakMonat(j))) + " -)");
    }
    b.c.setFontName("Wingdings");
}

// Whole year: 19 circles from -eps to +eps, two symbols at each sign boundary.
void ganzjahresKreise(QuadrantBlatt& b, double eps, bool za)
{
    const auto& F = b.s.Farben;
    const int fh = b.c.fontHeight();
    for (int k = 0; k <= 18; ++k) {
        const double d = b.s.DeklTabelle[static_cast<std::size_t>(2 * k)];
        const int r = rund((1 + (d + eps) / (2 * eps)) * b.S / 2);
        b.c.setPenColor(k % 3 == 0 ? F[5] : F[7]);
        b.viertelbogen(r);
        if (k % 3 != 0)
            continue;
        const int q = k / 3;
        if (k > 0) {
            const int zeichen = za ? (k <= 9 ? 4 - q : 16 - q) : (k <= 9 ? q + 9 : q - 3);
            b.text(b.X0 - rund(1.5 * fh), b.Y0 + r + rund(0.2 * fh), zodiakSymbol(zeichen));
        }
        if (k < 18)
            b.text(b.X0 + r - rund(1.4 * fh), b.Y0 - rund(1.1 * fh), zodiakSymbol(za ? q + 4 : 9 - q));
    }
}

// Folded: ten circles of |declination| laid out by the law of the hour curves, and in each of
// the three bands between sign boundaries the four signs whose declinations it holds: the
// northern ones in the first column (and above the horizontal edge), the southern ones in the
// second.
void gefalteteKreise(QuadrantBlatt& b, double eps, bool za)
{
    const auto& F = b.s.Farben;
    b.c.setFontHeight(b.bildschirm ? (b.umgebung.GrosserBildschirm ? 14 : 12) : 30);
    const int fh = b.c.fontHeight();
    const auto radius = [&](int k) {
        const double d = b.s.DeklTabelle[static_cast<std::size_t>(2 * k)];
        return rund((1 + zodiakAnteilGefaltet(d, eps, za)) * b.S / 2);
    };
    for (int k = 0; k <= 9; ++k) {
        b.c.setPenColor(k % 3 == 0 ? F[5] : F[7]);
        b.viertelbogen(radius(k));
    }
    const int spalte1 = b.X0 - rund(3.0 * fh), spalte2 = b.X0 - rund(1.5 * fh);
    // A symbol beside circle k, inside the band whose other edge is circle `gegenueber`. In a
    // band narrower than two rows of symbols (the solstice's band on a small page) the second
    // pair stands a row from the first, on its own side; above the horizontal edge, where the
    // band is narrower than two symbols, the second steps clear of the first, away from it.
    struct Stelle {
        int y, xOben;
    };
    const auto setze = [&](int k, int gegenueber, int nord, int sued, const Stelle* erste) {
        const int r = radius(k);
        const bool innen = r < radius(gegenueber);
        int y = innen ? b.Y0 + r + rund(0.5 * fh) : b.Y0 + r - rund(1.25 * fh);
        if (erste && std::abs(y - erste->y) < fh)
            y = y < erste->y ? erste->y - fh : erste->y + fh;
        int xOben = innen ? b.X0 + r + rund(0.2 * fh) : b.X0 + r - rund(1.4 * fh);
        const int breite = b.c.textExtent(zodiakSymbol(nord)).width + 1;
        if (erste && std::abs(xOben - erste->xOben) < breite)
            xOben = xOben < erste->xOben ? erste->xOben - breite : erste->xOben + breite;
        b.c.setFontColor(F[1]);
        b.text(spalte1, y, zodiakSymbol(nord));
        b.text(xOben, b.Y0 - fh, zodiakSymbol(nord));
        b.c.setFontColor(F[9]);
        b.text(spalte2, y, zodiakSymbol(sued));
        return Stelle{y, xOben};
    };
    for (int band = 0; band < 3; ++band) {
        const Stelle erste = setze(3 * band + 3, 3 * band, 3 - band, 9 - band, nullptr);
        setze(3 * band, 3 * band + 3, 4 + band, 10 + band, &erste);
    }
}

void zodiakKurven(QuadrantBlatt& b, double eps, bool za, bool ganz)
{
    const AppState& s = b.s;
    const auto& F = s.Farben;
    b.c.setFontName("Arial");
    b.c.setFontHeight(b.FH);
    b.c.setFontColor(F[3]);
    const int kLabel = za ? 0 : (ganz ? 36 : 18);
    for (const QuadrantStundenwert& w : quadrantStundenwerte(b.z)) {
        const bool voll = w.i == 0;
        QuadrantKurve kurve(b.c, b.X0, true);
        std::vector<CanvasPoint> punkte;
        for (int k = 0; k <= 36; ++k) {
            const double d = s.DeklTabelle[static_cast<std::size_t>(k)];
            if (!voll)
                b.c.setPenColor(F[2]);
            else if (ganz)
                b.c.setPenColor(b.z.temporal ? F[9] : F[1]);
            else
                b.c.setPenColor(k <= 18 ? F[1] : F[9]);
            const double anteil = ganz ? zodiakAnteilGanz(d, eps, za) : zodiakAnteilGefaltet(d, eps, za);
            const int r = rund((1 + anteil) * b.S / 2);
            const double a = quadrantHoehe(s.Par.Breite, d, quadrantStundenwinkel(s, w.t, d, b.z.temporal));
            punkte.push_back(b.punkt(r, a));
            kurve.punkt(punkte.back());
        }
        if (!voll)
            continue;
        // The number at the labelling end of the curve, or where the sun does not reach it
        // there, at the sample nearest to it along the curve that the sun lights.
        for (int schritt = 0; schritt <= 36; ++schritt) {
            const int k = kLabel + (kLabel == 36 ? -schritt : kLabel == 0 ? schritt : (schritt % 2 ? 1 : -1) * ((schritt + 1) / 2));
            if (k < 0 || k > 36)
                continue;
            const CanvasPoint p = punkte[static_cast<std::size_t>(k)];
            if (p.x < b.X0 || (schritt > 0 && p.x == b.X0))
                continue;
            // An afternoon number steps down, away from the curves nearer noon, which lie to
            // its right, and from the morning's number on the same curve.
            const double mehr = w.h > quadrantMittag(b.z.temporal) ? (ganz ? 0.7 : 1.0) * b.FH : 0;
            const auto stelle = [&](CanvasPoint q) { return CanvasPoint{rund(q.x + 0.1 * b.L), rund(q.y + 0.1 * b.L + mehr)}; };
            // Where that place is taken, the number may stand by any lit sample of its curve.
            const CanvasPoint o = stelle(p);
            b.stundenText(o.x, o.y, w.h, [&] {
                std::vector<CanvasPoint> entlang;
                for (const CanvasPoint& q : punkte)
                    if (q.x > b.X0)
                        entlang.push_back(stelle(q));
                return entlang;
            });
            break;
        }
    }
}

} // namespace

void zeichneZodiakQuadrant(QuadrantBlatt& b)
{
    const double eps = b.s.EpsRund;
    const bool za = b.s.Schalter.Zeitablesung != 0;
    const bool ganz = b.s.Schalter.Ganzjaehrig != 0;
    zodiakLegende(b);
    if (ganz)
        ganzjahresKreise(b, eps, za);
    else
        gefalteteKreise(b, eps, za);
    zodiakKurven(b, eps, za, ganz);
}

} // namespace umbrin
