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
// The date point farthest round the circle holds the local summer solstice: in the south it
// stands where the northern dial has June, and each date point holds the date half a year
// from the northern one. So the southern dial is the northern one of the same latitude with
// its dates mirrored, and every hour line rises at the altitude of a sun above the horizon.
void datumspunkte(const AppState& s, SchinkenGeometrie& g)
{
    const double phi = s.Par.Breite * kRad;
    const double halbkugel = s.Par.Breite < 0 ? -1 : 1;
    for (int i = 1; i <= 7; ++i) {
        const double nord = 23.5 * std::cos(((i - 1) * 30 - 180) * kRad);
        g.dekl[i] = halbkugel * nord;
        const double d = g.dekl[i] * kRad;
        for (int j = 0; j <= 8; ++j) {
            const double sinH = std::sin(phi) * std::sin(d) + std::cos(phi) * std::cos(d) * std::cos(15 * j * kRad);
            g.hoehe[i][j] = std::asin(std::clamp(sinH, -1.0, 1.0)) / kRad;
        }
        const double w = (s.Streckungsfaktor * nord + s.PositionAequinox) * kRad;
        g.x[i] = g.cx - g.R * std::cos(w);
        g.y[i] = g.cy - g.R * std::sin(w);
        g.datum[i] = {canvasZahl(g.x[i]), canvasZahl(g.y[i])};
    }
}

// The largest radius that keeps the circle, and with the hour lines every crossing mark
// whole, on a sheet of breite x hoehe about the centre (cx, cy). The marks move out from the
// centre in proportion to the radius, so a circle of radius 1000 about 0 gives their directions.
double passenderRadius(const AppState& s, double cx, double cy, int breite, int hoehe, int halb, bool marken)
{
    double r = std::min({cx, breite - cx, cy, hoehe - cy});
    if (marken) {
        SchinkenGeometrie e;
        e.R = 1000;
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
            grenze(m.x / e.R, cx, breite);
            grenze(m.y / e.R, cy, hoehe);
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
    // when its radius reaches no farther than the nearer edge. Crossing marks beyond the page
    // do not stop the print; the printed page says how many it holds.
    const double platz = std::min({g.cx, breite - g.cx, g.cy, hoehe - g.cy});
    if (g.R <= platz)
        return {};
    // The page's own limit: the largest size, to a tenth, whose circle it holds.
    const double bis = std::floor(10 * platz / kSchinkenDruckMassstab) / 10;
    const std::string ist = RealStr(schinkenDurchmesserMm(groesse), 4, 1);
    const std::string hoechstens = RealStr(schinkenDurchmesserMm(bis), 4, 1);
    const std::string groesseBis = RealStr(bis, 1, 1);
    return inSprache(s,
                     "Der Kreis der Schinkensonnenuhr (Durchmesser = " + ist
                         + " mm) ist größer als die Druckseite: sie fasst höchstens " + hoechstens
                         + " mm (Größe " + groesseBis + ").\n\rBitte die Größe verkleinern: es wird nichts gedruckt.",
                     "The ham dial's circle (diameter = " + ist + " mm) is larger than the printed page: it holds at most "
                         + hoechstens + " mm (size " + groesseBis + ").\n\rPlease reduce its size: nothing is printed.");
}

std::string schinkenMarkenWarnung(const AppState& s, const SchinkenGeometrie& g, double groesse, bool bildschirm)
{
    int marken = 0, aufBlatt = 0;
    for (const SchinkenMarke& m : schinkenMarken(g)) {
        marken += m.da;
        aufBlatt += m.da && schinkenMarkeAufBlatt(g, m, bildschirm);
    }
    if (aufBlatt == marken)
        return {};
    const std::string anteil = std::to_string(aufBlatt) + inSprache(s, " von ", " of ") + std::to_string(marken);
    if (bildschirm)
        return inSprache(s,
                         "Nur " + anteil + " Stundenkreuzen der Schinkensonnenuhr fallen auf das Blatt: bei dieser "
                                           "geogr. Breite treffen sich die Stundenlinien zu weit außen.",
                         "Only " + anteil + " hour crossings of the ham dial fall on the sheet: at this latitude the "
                                            "hour lines meet too far out.");
    // On the page the scale is fixed: the size that keeps every crossing on it.
    const double radius = passenderRadius(s, g.cx, g.cy, g.blattBreite, g.blattHoehe, schinkenMarkenHalb(false), true);
    const double bis = std::floor(10 * radius / kSchinkenDruckMassstab) / 10;
    const std::string passt = RealStr(bis, 1, 1) + " (" + inSprache(s, "Durchmesser", "diameter") + " = "
                              + RealStr(schinkenDurchmesserMm(bis), 1, 1) + " mm)";
    const std::string text = inSprache(s, "Nur " + anteil + " Stundenkreuzen der Schinkensonnenuhr (Größe = ",
                                       "Only " + anteil + " hour crossings of the ham dial (size = ")
                             + RealStr(groesse, 1, 1)
                             + inSprache(s, ") fallen auf die Druckseite.", ") fall on the printed page.") + "\n\r";
    if (bis >= kSchinkenKleinsteGroesse)
        return text + inSprache(s, "Alle passen bis zur Größe " + passt + ".", "All of them fit up to size " + passt + ".");
    return text
           + inSprache(s,
                       "Bei dieser geogr. Breite treffen sich die Stundenlinien so weit außen, dass sie erst bis zur Größe "
                           + passt + " alle passen, unter der kleinsten Größe " + RealStr(kSchinkenKleinsteGroesse, 1, 0)
                           + ".",
                       "At this latitude the hour lines meet so far out that they all fit only up to size " + passt
                           + ", below the smallest size " + RealStr(kSchinkenKleinsteGroesse, 1, 0) + ".");
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
            // Wherever both suns stand above the horizon, on whichever side of their date points
            // the lines meet: the lines are drawn on to the mark (in the tropics the winter
            // line's own crossings often lie above the other date points).
            m.da = schinkenSonneAuf(g, p.a, j) && schinkenSonneAuf(g, p.b, j)
                   && schinkenKreuzung(g, p.a, p.b, j, m.x, m.y);
            marken.push_back(m);
        }
    }
    return marken;
}

bool schinkenLinie(const SchinkenGeometrie& g, int i, int j, double& x, double& y)
{
    // Date point 1's line ends where date point 2's meets it; each other one runs a tenth
    // beyond its crossing with date point 1's.
    if (!schinkenSonneAuf(g, i, j) || !schinkenKreuzung(g, i == 1 ? 2 : i, 1, j, x, y) || !(y > g.y[i] - 0.1))
        return false;
    if (i > 1) {
        x = g.x[i] + 1.1 * (x - g.x[i]);
        y = g.y[i] + 1.1 * (y - g.y[i]);
    }
    return true;
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
    c.textOut(x, y0, sprachText(s, "Schinkensonnenuhr", "Ham Dial"));
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
    c.textOut(x, y0 + canvasZahl(5.6 * fh),
              sprachText(s, "Streckungsfaktor", "Stretch factor") + " [1.2 ...3.] = " + RealStr(s.Streckungsfaktor, 3, 1));
    c.textOut(x, y0 + canvasZahl(6.8 * fh),
              sprachText(s, "Position Aequinox [deg] = ", "Position of the equinox [deg] = ")
                  + RealStr(s.PositionAequinox, 6, 2));
    const int xh = a.breite / 80;
    const int y1 = a.hoehe - canvasZahl(4 * fh);
    c.textOut(xh, y1, sprachText(s, "<Alt> + linker Mausclick: Stundenpunkte löschen",
                                 "<Alt> + left mouse click: delete the hour points"));
    c.textOut(xh, y1 + canvasZahl(1.2 * fh),
              sprachText(s, "<Strg> + linker Mausclick: (max.9) Stundenpunkte markieren",
                         "<Ctrl> + left mouse click: mark hour points (max. 9)"));
    c.textOut(xh, y1 + canvasZahl(2.4 * fh),
              sprachText(s, "<Shift> + linker Mausclick: markierte Stundenpunkte zeichnen",
                         "<Shift> + left mouse click: draw the marked hour points"));
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
    const int halb = schinkenMarkenHalb(a.bildschirm);
    const std::vector<SchinkenMarke> marken = schinkenMarken(g);
    // The hour line of hour j through date point i, drawn on to the farthest crossing mark it
    // carries on either side of its date point. A line without its own end (schinkenLinie)
    // runs only as far as its marks; without either it is not drawn.
    const auto stundenlinie = [&](int i, int j) {
        if (!schinkenSonneAuf(g, i, j))
            return;
        double x = 0, y = 0;
        const bool ende = schinkenLinie(g, i, j, x, y);
        const double dx = ende ? x - g.x[i] : CosGrad(g.hoehe[i][j]);
        const double dy = ende ? y - g.y[i] : SinGrad(g.hoehe[i][j]);
        const double laenge = std::hypot(dx, dy);
        double von = 0, bis = ende ? 1 : 0;
        for (const SchinkenMarke& m : marken) {
            if (!m.da || m.j != j || (m.a != i && m.b != i) || !(laenge > 0))
                continue;
            const double t = ((m.x - g.x[i]) * dx + (m.y - g.y[i]) * dy) / (laenge * laenge);
            if (t < 0)
                von = std::min(von, t - halb / laenge);
            else
                bis = std::max(bis, t + halb / laenge);
        }
        c.setPenColor(s.Farben[static_cast<std::size_t>(i - 1)]);
        // From the date point out to each side that has something to reach.
        if (ende || bis > 0)
            aufBlatt(c, g, g.x[i], g.y[i], g.x[i] + bis * dx, g.y[i] + bis * dy);
        if (von < 0)
            aufBlatt(c, g, g.x[i], g.y[i], g.x[i] + von * dx, g.y[i] + von * dy);
    };
    for (int j = 0; j <= 8; ++j) {
        for (int i = 2; i <= 7; ++i) {
            stundenlinie(i, j);
            if (i == 2)
                stundenlinie(1, j);
        }
    }
    for (const SchinkenMarke& m : marken) {
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
    // Where the hour lines meet too far out for the sheet, the user is told how many of the
    // crossings are lost rather than left to count them.
    const std::string warnung = schinkenMarkenWarnung(s, g, a.groesse, a.bildschirm);
    if (warnung.empty())
        return {};
    return {{PromptTitle::Problem, PromptIcon::Warning, warnung}};
}

} // namespace umbrin
