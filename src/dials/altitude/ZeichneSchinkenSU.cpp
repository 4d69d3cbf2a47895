#include "dials/altitude/ZeichneSchinkenSU.h"

#include "core/Projektion.h"
#include "core/Rounding.h"
#include "core/Winkel.h"
#include "core/Zahlenformat.h"
#include "dials/altitude/Hoehenuhrbasis.h"

#include <algorithm>
#include <cmath>

namespace umbrin {

std::string schinkenSeitenpruefung(const AppState& s, double groesse, int breite, int hoehe)
{
    // The centre stands in the middle of the page (as the drawing puts it): the circle fits
    // when its radius reaches no farther than the nearer edge.
    const int cx = breite / 2;
    const int cy = static_cast<int>(roundHalfEven(0.5 * hoehe));
    const double platz = std::min({cx, breite - cx, cy, hoehe - cy});
    const double radius = groesse * kSchinkenDruckMassstab;
    if (radius <= platz)
        return {};
    const std::string ist = RealStr(schinkenDurchmesserMm(groesse), 4, 1);
    const std::string hoechstens = RealStr(2 * platz / 10, 4, 1);
    return s.Deutsch ? "Der Kreis der Schinkensonnenuhr (Durchmesser = " + ist
                           + " mm) ist größer als die Druckseite (höchstens " + hoechstens
                           + " mm).\n\rBitte die Größe verkleinern: es wird nichts gedruckt."
                     : "The ham dial's circle (diameter = " + ist + " mm) is larger than the printed page (at most "
                           + hoechstens + " mm).\n\rPlease reduce its size: nothing is printed.";
}

SchinkenGeometrie schinkenGeometrie(const AppState& s, const SchinkenAuftrag& a)
{
    SchinkenGeometrie g;
    g.f = a.bildschirm ? static_cast<double>(roundHalfEven(a.hoehe / 105.0)) : kSchinkenDruckMassstab;
    g.R = a.groesse * g.f;
    g.cx = a.breite / 2;
    g.cy = static_cast<double>(roundHalfEven(0.5 * a.hoehe));
    const double phi = s.Par.Breite * kRad;
    for (int i = 1; i <= 7; ++i) {
        g.dekl[i] = 23.5 * std::cos(((i - 1) * 30 - 180) * kRad);
        const double d = g.dekl[i] * kRad;
        for (int j = 0; j <= 8; ++j) {
            const double sinH = std::sin(phi) * std::sin(d) + std::cos(phi) * std::cos(d) * std::cos(15 * j * kRad);
            g.hoehe[i][j] = std::asin(std::clamp(sinH, -1.0, 1.0)) / kRad;
        }
        const double w = (s.Streckungsfaktor * g.dekl[i] + s.PositionAequinox) * kRad;
        g.x[i] = g.cx - g.R * std::cos(w);
        g.y[i] = g.cy - g.R * std::sin(w);
        g.datum[i] = {canvasZahl(g.x[i]), canvasZahl(g.y[i])};
    }
    return g;
}

bool schinkenKreuzung(const SchinkenGeometrie& g, int a, int b, int j, double& x, double& y)
{
    const double m1 = TanGrad(g.hoehe[a][j]);
    const double m2 = TanGrad(g.hoehe[b][j]);
    if (std::fabs(m2 - m1) < 1e-12)
        return false;
    const double t = ((g.y[a] - g.y[b]) - (g.x[a] - g.x[b]) * m1) / (m2 - m1);
    x = g.x[b] + t;
    y = g.y[b] + m2 * t;
    return std::isfinite(x) && std::isfinite(y);
}

namespace {

void kreis(Canvas& c, double x, double y, double r)
{
    c.ellipse(canvasZahl(x - r), canvasZahl(y - r), canvasZahl(x + r), canvasZahl(y + r));
}

void linie(Canvas& c, double x1, double y1, double x2, double y2)
{
    c.moveTo(canvasZahl(x1), canvasZahl(y1));
    c.lineTo(canvasZahl(x2), canvasZahl(y2));
}

void legende(const AppState& s, Canvas& c, const SchinkenAuftrag& a)
{
    const bool druck = !a.bildschirm;
    const int x = a.breite / 25;
    const int y0 = a.hoehe / 25;
    c.setFontColor(s.Farben[3]);
    c.setBold(true);
    c.setFontHeight(druck ? 45 : 20);
    c.textOut(x, y0, "Schinkensonnenuhr");
    c.setBold(false);
    c.setFontHeight(druck ? 35 : 14);
    const int fh = c.fontHeight();
    c.textOut(x, y0 + 2 * fh,
              sprachText(s, "Geogr. Breite = ", "Latitude = ") + RealStr(s.Par.Breite, 5, 2)
                  + sprachText(s, " Grad", " deg "));
    c.textOut(x, y0 + canvasZahl(3.2 * fh),
              sprachText(s, "Ortszeit", "local time") + " = "
                  + sprachText(s, "Wahre Ortszeit (WOZ)", "Local Apparent Time"));
    c.textOut(x, y0 + canvasZahl(4.4 * fh),
              sprachText(s, "Durchmesser", "Diameter") + " = " + RealStr(schinkenDurchmesserMm(a.groesse), 4, 1)
                  + " mm");
    c.textOut(x, y0 + canvasZahl(5.6 * fh), "Streckungsfaktor [1.2 ...3.] = " + RealStr(s.Streckungsfaktor, 3, 1));
    c.textOut(x, y0 + canvasZahl(6.8 * fh), "Position Aequinox [deg] = " + RealStr(s.PositionAequinox, 6, 2));
    const int xh = a.breite / 80;
    const int y1 = a.hoehe - canvasZahl(4 * fh);
    c.textOut(xh, y1, "<Alt> + linker Mausclick: Stundenpunkte löschen");
    c.textOut(xh, y1 + canvasZahl(1.2 * fh), "<Strg> + linker Mausclick: (max.9) Stundenpunkte markieren");
    c.textOut(xh, y1 + canvasZahl(2.4 * fh), "<Shift> + linker Mausclick: markierte Stundenpunkte zeichnenn");
}

void stundenlinien(const AppState& s, Canvas& c, const SchinkenAuftrag& a, const SchinkenGeometrie& g)
{
    double x = 0, y = 0;
    for (int j = 0; j <= 8; ++j) {
        for (int i = 2; i <= 7; ++i) {
            if (!schinkenKreuzung(g, i, 1, j, x, y))
                continue;
            c.setPenColor(s.Farben[static_cast<std::size_t>(i - 1)]);
            if (y > g.y[i] - 0.1)
                linie(c, g.x[i], g.y[i], g.x[i] + 1.1 * (x - g.x[i]), g.y[i] + 1.1 * (y - g.y[i]));
            if (i == 2 && y > g.y[1] - 0.1) {
                c.setPenColor(s.Farben[0]);
                linie(c, g.x[1], g.y[1], x, y);
            }
        }
    }
    const int halb = a.bildschirm ? 8 : 20;
    const struct {
        int a, b;
        std::size_t farbe;
    } paare[] = {{1, 3, 2}, {3, 5, 4}, {5, 7, 6}};
    for (int j = 2; j <= 7; ++j) {
        for (const auto& p : paare) {
            if (!schinkenKreuzung(g, p.a, p.b, j, x, y))
                continue;
            c.setPenColor(s.Farben[p.farbe]);
            const int px = canvasZahl(x), py = canvasZahl(y);
            c.moveTo(px - halb, py);
            c.lineTo(px + halb, py);
            c.moveTo(px, py - halb);
            c.lineTo(px, py + halb);
        }
    }
}

// The marked points, carried from the image about the dial's centre and scale.
void stundenpunkte(Canvas& c, const SchinkenAuftrag& a, const SchinkenGeometrie& g)
{
    if (a.punkte.empty())
        return;
    double mx = 1, bx = 0, by = 0;
    if (!a.bildschirm && a.bildBreite > 0 && a.bildHoehe > 0) {
        const double fBild = std::max(1.0, static_cast<double>(roundHalfEven(a.bildHoehe / 105.0)));
        mx = g.f / fBild;
        bx = a.bildBreite / 2;
        by = static_cast<double>(roundHalfEven(0.5 * a.bildHoehe));
    } else {
        bx = g.cx;
        by = g.cy;
    }
    std::vector<CanvasPoint> seite;
    for (const CanvasPoint& p : a.punkte)
        seite.push_back({canvasZahl(g.cx + (p.x - bx) * mx), canvasZahl(g.cy + (p.y - by) * mx)});
    c.setPen({0x0000FF, 1, PenStyle::Solid});
    for (const CanvasPoint& p : seite)
        kreis(c, p.x, p.y, 5);
    c.setPenColor(FarbeSchwarz);
    c.polyline(seite);
}

} // namespace

Konstruktionsmeldungen zeichneSchinkenSU(const AppState& s, Canvas& c, const SchinkenAuftrag& a)
{
    const SchinkenGeometrie g = schinkenGeometrie(s, a);
    c.setFontName("Arial");
    c.setPen({FarbeSchwarz, 1, PenStyle::Solid});
    legende(s, c, a);
    const CanvasBrush vorher = c.brush();
    c.setBrushStyle(BrushStyle::Clear);
    c.setPenColor(0xFF0000);
    c.setFontColor(FarbeSchwarz);
    for (int i = 1; i <= 7; ++i)
        kreis(c, g.x[i], g.y[i], 6);
    c.setPenColor(0x0000FF);
    kreis(c, g.cx, g.cy, g.R);
    kreis(c, g.cx, g.cy, g.R / 30);
    if (a.punkteZeigen)
        stundenpunkte(c, a, g);
    else
        stundenlinien(s, c, a, g);
    c.setBrush(vorher);
    return {};
}

} // namespace umbrin
