#include "dials/altitude/ZeichneSchinkenSU.h"

#include "core/Projektion.h"
#include "core/Rounding.h"
#include "core/Winkel.h"
#include "core/Zahlenformat.h"
#include "dials/Clipping.h"
#include "dials/altitude/Hoehenuhrbasis.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace umbrin {

namespace {

std::string inSprache(const AppState& s, std::string deutsch, std::string englisch)
{
    return s.Deutsch ? std::move(deutsch) : std::move(englisch);
}

// The date points and the sun's altitudes for the circle of radius g.R about (g.cx, g.cy).
void datumspunkte(const AppState& s, SchinkenGeometrie& g)
{
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
}

// The largest radius that keeps the circle, and with the hour lines every crossing mark
// whole, on a sheet of breite x hoehe about the centre (cx, cy). The marks move out from the
// centre in proportion to the radius, so the circle of radius 1 gives their directions.
double passenderRadius(const AppState& s, double cx, double cy, int breite, int hoehe, int halb, bool marken)
{
    double r = std::min({cx, breite - cx, cy, hoehe - cy});
    if (marken) {
        SchinkenGeometrie e;
        e.R = 1;
        datumspunkte(s, e);
        const auto grenze = [&](double u, double mitte, double ende) {
            if (u > 0)
                r = std::min(r, (ende - halb - mitte) / u);
            else if (u < 0)
                r = std::min(r, (mitte - halb) / -u);
        };
        for (const SchinkenMarke& m : schinkenMarken(e)) {
            if (!m.da)
                continue;
            grenze(m.x, cx, breite);
            grenze(m.y, cy, hoehe);
        }
    }
    return std::max(r, 0.0);
}

} // namespace

std::string schinkenSeitenpruefung(const AppState& s, double groesse, int breite, int hoehe)
{
    SchinkenAuftrag a;
    a.breite = breite;
    a.hoehe = hoehe;
    a.bildschirm = false;
    a.groesse = groesse;
    const SchinkenGeometrie g = schinkenGeometrie(s, a);
    // The centre stands in the middle of the page (as the drawing puts it): the circle fits
    // when its radius reaches no farther than the nearer edge.
    const double platz = std::min({g.cx, breite - g.cx, g.cy, hoehe - g.cy});
    const bool linien = !s.StundenpunkteZeigen;
    int marken = 0, aufSeite = 0;
    if (linien) {
        for (const SchinkenMarke& m : schinkenMarken(g)) {
            marken += m.da;
            aufSeite += m.da && schinkenMarkeAufBlatt(g, m, false);
        }
    }
    if (g.R <= platz && aufSeite == marken)
        return {};
    // The largest size, to a tenth, that keeps circle and marks on this page.
    const double radius = passenderRadius(s, g.cx, g.cy, breite, hoehe, schinkenMarkenHalb(false), linien);
    const double bis = std::floor(10 * radius / kSchinkenDruckMassstab) / 10;
    const std::string ist = RealStr(schinkenDurchmesserMm(groesse), 4, 1);
    if (g.R > platz) {
        const std::string hoechstens = RealStr(std::min(2 * platz / 10, schinkenDurchmesserMm(bis)), 4, 1);
        return inSprache(s,
                          "Der Kreis der Schinkensonnenuhr (Durchmesser = " + ist
                              + " mm) ist größer als die Druckseite (höchstens " + hoechstens
                              + " mm).\n\rBitte die Größe verkleinern: es wird nichts gedruckt.",
                          "The ham dial's circle (diameter = " + ist + " mm) is larger than the printed page (at most "
                              + hoechstens + " mm).\n\rPlease reduce its size: nothing is printed.");
    }
    const std::string anteil = std::to_string(aufSeite) + inSprache(s, " von ", " of ") + std::to_string(marken);
    const std::string passt = RealStr(bis, 1, 1) + " (" + inSprache(s, "Durchmesser", "diameter") + " = "
                              + RealStr(schinkenDurchmesserMm(bis), 1, 1) + " mm)";
    const std::string text = inSprache(s, "Nur " + anteil + " Stundenkreuzen der Schinkensonnenuhr (Größe = ",
                                        "Only " + anteil + " hour crossings of the ham dial (size = ")
                             + RealStr(groesse, 1, 1) + inSprache(s, ") fallen auf die Druckseite.", ") fall on the printed page.")
                             + "\n\r";
    if (bis >= kSchinkenKleinsteGroesse)
        return text
               + inSprache(s, "Alle passen bis zur Größe " + passt + ": bitte die Größe verkleinern. Es wird nichts gedruckt.",
                            "All of them fit up to size " + passt + ": please reduce its size. Nothing is printed.");
    return text
           + inSprache(s,
                        "Bei dieser geogr. Breite treffen sich die Stundenlinien so weit außen, dass sie erst bis zur Größe " + passt
                            + " alle passen, unter der kleinsten Größe "
                            + RealStr(kSchinkenKleinsteGroesse, 1, 0) + ". Es wird nichts gedruckt.",
                        "At this latitude the hour lines meet so far out that they all fit only up to size " + passt
                            + ", below the smallest size " + RealStr(kSchinkenKleinsteGroesse, 1, 0)
                            + ". Nothing is printed.");
}

SchinkenGeometrie schinkenGeometrie(const AppState& s, const SchinkenAuftrag& a)
{
    SchinkenGeometrie g;
    g.blattBreite = a.breite;
    g.blattHoehe = a.hoehe;
    g.cx = a.breite / 2;
    g.cy = static_cast<double>(roundHalfEven(0.5 * a.hoehe));
    g.f = a.bildschirm ? static_cast<double>(roundHalfEven(a.hoehe / 105.0)) : kSchinkenDruckMassstab;
    if (a.bildschirm && a.groesse > 0) {
        // On the screen the circle and its crossing marks keep to the image: the dial is drawn
        // smaller where they would leave it, but its circle no smaller than a sixteenth of the
        // image's height (where the hour lines meet farther out, the drawing says so).
        const double nenn = g.f * a.groesse;
        const double passt =
            passenderRadius(s, g.cx, g.cy, a.breite, a.hoehe, schinkenMarkenHalb(true), true) - 1;
        if (passt < nenn)
            g.f = std::max(passt, std::min(nenn, a.hoehe / 16.0)) / a.groesse;
    }
    g.R = a.groesse * g.f;
    datumspunkte(s, g);
    return g;
}

std::vector<SchinkenMarke> schinkenMarken(const SchinkenGeometrie& g)
{
    std::vector<SchinkenMarke> marken;
    const struct {
        int a, b;
        std::size_t farbe;
    } paare[] = {{1, 3, 2}, {3, 5, 4}, {5, 7, 6}};
    for (int j = 2; j <= 7; ++j) {
        for (const auto& p : paare) {
            SchinkenMarke m{p.a, p.b, j, p.farbe};
            m.da = schinkenKreuzung(g, p.a, p.b, j, m.x, m.y);
            marken.push_back(m);
        }
    }
    return marken;
}

bool schinkenMarkeAufBlatt(const SchinkenGeometrie& g, const SchinkenMarke& m, bool bildschirm)
{
    if (!m.da || !(std::fabs(m.x) < 1e9 && std::fabs(m.y) < 1e9))
        return false;
    const int halb = schinkenMarkenHalb(bildschirm);
    const int x = canvasZahl(m.x), y = canvasZahl(m.y);
    return x - halb >= 0 && x + halb <= g.blattBreite && y - halb >= 0 && y + halb <= g.blattHoehe;
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

// The part of the line that lies on the sheet: a line that runs off it ends at its edge.
void aufBlatt(Canvas& c, const SchinkenGeometrie& g, double x1, double y1, double x2, double y2)
{
    double t0 = 0, t1 = 1;
    if (!std::isfinite(x2) || !std::isfinite(y2)
        || !streckeImRechteck(x1, y1, x2, y2, 0, 0, g.blattBreite, g.blattHoehe, t0, t1))
        return;
    linie(c, x1 + t0 * (x2 - x1), y1 + t0 * (y2 - y1), x1 + t1 * (x2 - x1), y1 + t1 * (y2 - y1));
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
                aufBlatt(c, g, g.x[i], g.y[i], g.x[i] + 1.1 * (x - g.x[i]), g.y[i] + 1.1 * (y - g.y[i]));
            if (i == 2 && y > g.y[1] - 0.1) {
                c.setPenColor(s.Farben[0]);
                aufBlatt(c, g, g.x[1], g.y[1], x, y);
            }
        }
    }
    const int halb = schinkenMarkenHalb(a.bildschirm);
    for (const SchinkenMarke& m : schinkenMarken(g)) {
        if (!m.da)
            continue;
        c.setPenColor(s.Farben[m.farbe]);
        // About the rounded point, as far as it lies on the sheet.
        const double px = canvasZahl(m.x), py = canvasZahl(m.y);
        aufBlatt(c, g, px - halb, py, px + halb, py);
        aufBlatt(c, g, px, py - halb, px, py + halb);
    }
}

// The marked points, carried from the image about the dial's centre and scale.
void stundenpunkte(const AppState& s, Canvas& c, const SchinkenAuftrag& a, const SchinkenGeometrie& g)
{
    if (a.punkte.empty())
        return;
    double mx = 1, bx = 0, by = 0;
    if (!a.bildschirm && a.bildBreite > 0 && a.bildHoehe > 0) {
        // The image's own scale, which may be smaller than its nominal one.
        SchinkenAuftrag bild = a;
        bild.breite = a.bildBreite;
        bild.hoehe = a.bildHoehe;
        bild.bildschirm = true;
        const double fBild = schinkenGeometrie(s, bild).f;
        mx = fBild > 0 ? g.f / fBild : 1;
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
        stundenpunkte(s, c, a, g);
    else
        stundenlinien(s, c, a, g);
    c.setBrush(vorher);
    if (a.punkteZeigen)
        return {};
    // Where the hour lines meet too far out even for the smallest drawing, the user is told
    // how many of the crossings are lost rather than left to count them.
    int marken = 0, aufBlatt = 0;
    for (const SchinkenMarke& m : schinkenMarken(g)) {
        marken += m.da;
        aufBlatt += m.da && schinkenMarkeAufBlatt(g, m, a.bildschirm);
    }
    if (aufBlatt == marken)
        return {};
    const std::string anteil = std::to_string(aufBlatt) + inSprache(s, " von ", " of ") + std::to_string(marken);
    return {{PromptTitle::Problem, PromptIcon::Warning,
             inSprache(s,
                       "Nur " + anteil + " Stundenkreuzen der Schinkensonnenuhr fallen auf das Blatt: bei dieser "
                                         "geogr. Breite treffen sich die Stundenlinien zu weit außen.",
                       "Only " + anteil + " hour crossings of the ham dial fall on the sheet: at this latitude the "
                                          "hour lines meet too far out.")}};
}

} // namespace umbrin
