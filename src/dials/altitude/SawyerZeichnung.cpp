#include "dials/altitude/SawyerZeichnung.h"

#include "core/Rounding.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "dials/altitude/PeaucellierZeichnung.h"
#include "dials/altitude/SawyerGeometrie.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace umbrin {
namespace {

int rund(double v) { return sawyerPixel(v); }

constexpr Farbe kNavy = 0x800000;

struct Blatt {
    AppState& s;
    Canvas& c;
    bool bildschirm;
    int x0, y0, breite, hoehe;
    int fx = 0, fy = 0;

    // A dial point (y up) on the canvas (y down).
    CanvasPoint punkt(const SawyerPunkt& p) const { return {fx + rund(p.x), fy - rund(p.y)}; }
    std::vector<CanvasPoint> linie{}; // the piece being drawn, its room kept for the next

    void stuecke(const std::vector<std::vector<SawyerPunkt>>& teile)
    {
        for (const auto& teil : teile) {
            linie.clear();
            for (const SawyerPunkt& p : teil)
                linie.push_back(punkt(p));
            if (linie.size() > 1)
                c.polyline(linie);
        }
    }
    int staerke(int mehr) const { return s.Schalter.Linienstaerke + mehr; }
};

// The zodiac signs, their names and the days the sun enters them, down the left margin.
// Returns the right and the bottom edge of the table.
CanvasPoint zeichneSawyerLegende(Blatt& b)
{
    const AppState& s = b.s;
    const int FH = b.bildschirm ? 16 : 30;
    b.c.setFontColor(s.Farben[3]);
    b.c.setBold(false);
    const int lx = rund(1.5 * FH + b.x0), ly = 5 * FH + b.y0;
    CanvasPoint ecke{lx, ly};
    for (int k = 1; k <= 12; ++k) {
        const int y = rund(ly + 1.1 * FH * (2 * k - 0.7));
        b.c.setFontName("Wingdings");
        b.c.setFontHeight(FH);
        b.c.textOut(lx, y, std::string(1, sawyerSymbol(k)));
        b.c.setFontName("Arial");
        const std::string name = "= " + std::string(tierkreisName(s, k));
        b.c.textOut(rund(lx + 1.7 * FH), y, name);
        const int monat = k == 10 ? 12 : (k + 2) % 12;
        const std::string datum = " (" + std::string(DatumsTage[static_cast<std::size_t>(k - 1)])
                                  + std::string(monatKurz(s, monat)) + " -)";
        b.c.textOut(rund(lx + 1.7 * FH), rund(ly + 1.1 * FH * (2 * k + 0.2)), datum);
        ecke.x = std::max({ecke.x, rund(lx + 1.7 * FH) + b.c.textExtent(name).width,
                           rund(lx + 1.7 * FH) + b.c.textExtent(datum).width});
        ecke.y = rund(ly + 1.1 * FH * (2 * k + 0.2)) + FH;
    }
    return ecke;
}

// The gnomon's length as a bracket in the lower left corner; a bracket that would reach up
// into the sign table (a short screen) stands beside it instead.
void gnomonMasse(Blatt& b, double R, int d, double gnomon, CanvasPoint tabelle)
{
    const int Y = b.y0 + b.hoehe - 3 * d;
    const int r = rund(R);
    const int X = Y - r < tabelle.y ? tabelle.x + d : b.x0 + 20;
    b.c.textOut(X + d, Y + rund(0.5 * d), std::string(texteText(b.s, 151)) + RealStr(gnomon * b.s.Zoom, 5, 0) + " mm");
    b.c.moveTo(X, Y);
    b.c.lineTo(X, Y - r);
    b.c.lineTo(X + d, Y - r);
    b.c.moveTo(X, Y);
    b.c.lineTo(X + r, Y);
    b.c.lineTo(X + r, Y - d);
    const int xs = b.fx - rund(R / 2), ys = b.fy - rund(1.5 * d), h = rund(0.5 * d);
    b.c.moveTo(xs, ys);
    b.c.lineTo(xs + r, ys);
    b.c.moveTo(xs, ys - h);
    b.c.lineTo(xs, ys + h);
    b.c.moveTo(xs + r, ys - h);
    b.c.lineTo(xs + r, ys + h);
}

void stunden(Blatt& b, const SawyerMass& m, const SawyerGeometrie& g, int FH)
{
    const auto& F = b.s.Farben;
    if (m.halbeAnalemma) {
        const CanvasPoint o = b.punkt({0, 0}), u = b.punkt({0, g.meridianEnde});
        b.c.moveTo(o.x, o.y);
        b.c.lineTo(u.x, u.y);
    }
    b.c.setBold(true);
    for (const SawyerStundenlinie& l : g.stunden) {
        const bool voll = l.m == 0;
        b.c.setPenColor(voll ? F[2] : F[7]);
        b.c.setPenWidth(voll ? b.staerke(b.bildschirm ? 1 : 2) : b.staerke(0));
        b.stuecke(l.stuecke);
        if (!voll || !l.mitAnker || !(l.anker.y < 0))
            continue;
        b.c.setFontHeight(FH);
        double th = m.halbeAnalemma ? b.c.textExtent("f").height : FH;
        const SawyerPunkt v = sawyerZahlVersatzBild(l.h, m.halbeAnalemma);
        const CanvasPoint a = b.punkt(l.anker);
        const int xa = rund(a.x + v.x * th), ya = rund(a.y + v.y * th);
        const int erste = sawyerErsteZahl(l.h);
        b.c.textOut(xa, ya, m.halbeAnalemma ? RealStr(erste, 2, 0) : IntStr(erste));
        if (m.halbeAnalemma)
            th *= 1.1;
        if (m.halbeAnalemma || m.mozGerade) {
            const double dx = l.h > 0 ? (m.halbeAnalemma ? 0.7 * th : th) : -th;
            b.c.setFontColor(FarbeRot);
            b.c.textOut(rund(xa + dx), rund(ya - th / 2), IntStr(sawyerZweiteZahl(l.h)));
        }
        b.c.setFontColor(kNavy);
    }
    b.c.setBold(false);
}

void datumslinien(Blatt& b, const SawyerGeometrie& g, int nd)
{
    const auto& F = b.s.Farben;
    const int FHd = b.bildschirm ? 16 : 36;
    b.c.setFontName("Wingdings");
    b.c.setFontHeight(FHd);
    b.c.setFontColor(F[0]);
    // Where two boundary lines run closer than a sign's height (near the solstice in the
    // south), the later sign of a column steps on past the earlier one.
    int rechtsZuletzt = -1000000, linksZuletzt = -1000000;
    const auto vorbei = [FHd](int y, int& zuletzt) {
        if (std::abs(y - zuletzt) < FHd)
            y = y >= zuletzt ? zuletzt + FHd : zuletzt - FHd;
        zuletzt = y;
        return y;
    };
    for (const SawyerDatumslinie& l : g.datum) {
        b.c.setPenColor(l.grenze ? F[0] : F[4]);
        b.c.setPenWidth(l.grenze ? b.staerke(b.bildschirm ? 1 : 2) : b.staerke(0));
        b.stuecke(l.stuecke);
        if (!l.grenze || !l.mitZeichen)
            continue;
        const SawyerZeichen z = sawyerZeichen(6 - l.i / nd, b.s.Par.Breite < 0);
        const int dx = FHd / 2;
        const double yl = l.zeichen.y - 0.1 * FHd;
        const int hoch = rund(b.fy - yl - 1.2 * FHd), tief = rund(b.fy - yl);
        if (z.rechts) {
            b.c.setFontColor(FarbeRot);
            b.c.textOut(b.fx + dx, vorbei(hoch, rechtsZuletzt), std::string(1, z.rechts));
            b.c.setFontColor(FarbeSchwarz);
        }
        if (z.links)
            b.c.textOut(b.fx - 3 * dx, vorbei(z.linksHoch ? hoch : tief, linksZuletzt), std::string(1, z.links));
    }
    b.c.setFontName("Arial");
    b.c.setPenColor(F[3]);
    b.c.setPenWidth(1);
    for (const auto& [von, bis] : {std::pair{g.sommerLinks, g.winterLinks}, {g.sommerRechts, g.winterRechts}}) {
        const CanvasPoint p = b.punkt({von, 0}), q = b.punkt({bis, 0});
        b.c.moveTo(p.x, p.y);
        b.c.lineTo(q.x, q.y);
    }
    if (!b.s.Schalter.HalbeAnalemma && !b.s.Schalter.MozGerade)
        return;
    b.c.setFontHeight(FHd);
    const double xb = g.winterRechts;
    const int xr = b.fx + rund(xb), yr = b.fy - 5 * FHd;
    b.c.setFontColor(FarbeRot);
    b.c.textOut(xr, yr + 2 * FHd, holeText(b.s, sawyerHalbjahrText(b.s.Par.Breite, true)));
    b.c.textOut(xr, yr + 3 * FHd, holeText(b.s, 613));
    b.c.setFontColor(kNavy);
    const int xl = b.fx - rund(rund(7.5 * FHd) + xb);
    b.c.textOut(xl, yr + 2 * FHd, holeText(b.s, sawyerHalbjahrText(b.s.Par.Breite, false)));
    b.c.textOut(xl, yr + 3 * FHd, holeText(b.s, 611));
}

std::string zeitArt(const AppState& s)
{
    if (s.Schalter.Zonenzeit)
        return std::string(texteText(s, 17).substr(1));
    return holeText(s, s.Schalter.HalbeAnalemma || s.Schalter.MozGerade ? 498 : 497);
}

void legende(Blatt& b)
{
    const AppState& s = b.s;
    b.c.setFontName("Arial");
    b.c.setFontColor(s.Farben[3]);
    b.c.setBold(true);
    b.c.setFontHeight(b.bildschirm ? 25 : 50);
    const int x = b.x0 + 20, y = b.y0 + 10;
    b.c.textOut(x, y, std::string(titelText(s, 40)));
    b.c.setBold(false);
    const int F = b.bildschirm ? 15 : 28;
    b.c.setFontHeight(F);
    std::string ort = std::string(texteText(s, 131)) + RealStr(s.Par.Breite, 6, 2) + std::string(texteText(s, 105))
                      + std::string(texteText(s, 132)) + RealStr(s.Par.Laenge, 6, 2) + std::string(texteText(s, 105));
    if (ort.size() > 60)
        ort.resize(60);
    const std::string zeilen[] = {
        zeitArt(s),
        ort,
        holeText(s, 165) + " = " + RealStr(s.Par.DatumWinkel, 5, 2) + " " + holeText(s, 100),
        holeText(s, 166) + " = " + RealStr(s.Par.DatumMitte * s.Zoom, 5, 1) + " mm",
    };
    const double schritte[] = {1.7, 2.7, 3.7, 4.7};
    for (int i = 0; i < 4; ++i)
        b.c.textOut(x, y + rund(schritte[i] * F), zeilen[i]);
}

} // namespace

void zeichneSawyerSU(AppState& s, Canvas& canvas, int x0, int y0, int breite, int hoehe, double gnomon,
                     bool bildschirm)
{
    if (sawyerBreiteVerweigert(s.Par.Breite, 29.0, s.EpsRund)) {
        zeichneBreitenHinweis(s, canvas, breite, hoehe);
        return;
    }
    const double zoom = s.Zoom;
    double R, c;
    if (bildschirm) {
        R = rund(rund(breite * gnomon / 305.0) * zoom);
        c = breite * s.Par.DatumMitte * zoom / 305.0;
        if (s.FusspunktX <= 0)
            s.FusspunktX = breite / 2 + x0;
        if (s.FusspunktY <= 0)
            s.FusspunktY = hoehe / 5 + y0;
        // The summer solstice's noon lies R tan(90 - |phi| + eps) below O, its number and the
        // zodiac sign below that: where the image is too short for them, the dial is drawn
        // smaller, as far as it must.
        const double tiefe = R * std::tan((90.0 - std::fabs(s.Par.Breite) + s.EpsRund) * M_PI / 180) + 3 * 16;
        const double platz = y0 + hoehe - s.FusspunktY;
        if (tiefe > platz && platz > 3 * 16) {
            const double f = (platz - 3 * 16) / (tiefe - 3 * 16);
            R = rund(R * f);
            c *= f;
        }
    } else {
        // The zoom enters the gnomon once, as it does the centre distance.
        R = rund(rund(10.0 * gnomon) * zoom);
        c = 10.0 * s.Par.DatumMitte * zoom;
        const double H = std::fabs(sawyerHalbbogen(s.Par.Breite, s.EpsRund));
        s.FusspunktX = std::min(
            s.FusspunktX, rund(breite - 10.0 * s.Par.DatumMitte * zoom * std::tan(s.Par.DatumWinkel * H / 15 * M_PI / 180)
                               + x0 - 30));
    }

    Blatt b{s, canvas, bildschirm, x0, y0, breite, hoehe};
    canvas.setPenWidth(1);
    canvas.setPenColor(s.Farben[3]);
    canvas.setFontColor(s.Farben[3]);
    canvas.setFontName("Arial");
    canvas.setBrushStyle(BrushStyle::Clear);
    const int d = zeichneFusskreuz(s, canvas, bildschirm);
    b.fx = s.FusspunktX;
    b.fy = s.FusspunktY;
    const CanvasFont schrift = canvas.font();
    const CanvasPoint tabelle = zeichneSawyerLegende(b);
    const CanvasFont tabellenSchrift = canvas.font();
    canvas.setFont(schrift);
    gnomonMasse(b, R, d, gnomon, tabelle);
    canvas.setFont(tabellenSchrift);

    const int FH = bildschirm ? 16 : 35;
    canvas.setFontName("Arial");
    const SawyerMass m = sawyerMass(s, R, c, false);
    const SawyerGeometrie g = sawyerGeometrie(m);
    stunden(b, m, g, FH);
    datumslinien(b, g, m.nd);
    legende(b);
    if (bildschirm && g.mangelhaft) {
        canvas.setFontColor(FarbeRot);
        canvas.setBold(true);
        canvas.setFontHeight(18);
        canvas.textOut(breite / 5, y0 + 10 + rund(0.6 * 18), holeText(s, 200));
        canvas.setBold(false);
    }
    canvas.setPenWidth(1);
}

} // namespace umbrin
