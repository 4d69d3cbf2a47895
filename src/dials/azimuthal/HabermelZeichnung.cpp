// Dial I on a canvas: the date circles about the gnomon foot, rim, noon and horizon lines,
// zodiac marks, legend, heading, gnomon template and the hour lines with their numbers.
#include "dials/azimuthal/HabermelZeichnung.h"

#include "core/Rounding.h"
#include "core/Sprachdienst.h"
#include "core/Textumformung.h"
#include "core/Zahlenformat.h"
#include "dials/TextGedreht.h"
#include "dials/azimuthal/HabermelTabelle.h"
#include "dials/quadrant/QuadrantGeometrie.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace umbrin {
namespace {

constexpr double kRad = static_cast<double>(rad);

// Canvas integer of a drawing length: far points are held inside the range a surface can
// take, so that nothing overflows on the way to the device.
int ci(double v)
{
    return static_cast<int>(roundHalfEven(std::clamp(v, -1.0e6, 1.0e6)));
}

std::string sprache(const AppState& s, const char* de, const char* en) { return s.Sprachspalte == 2 ? en : de; }


int mod12(int n) { return n > 12 ? n % 12 : n; }

// The latitude mark above the dial's outer ring, clear of the circles that meet at its top;
// where a long gnomon leaves no room there, above the gnomon foot. Its place and text.
struct Breitenmarke {
    int x = 0, y = 0;
    std::string text;
};

struct Blatt {
    Blatt(const AppState& zustand, Canvas& canvas, bool schirm) : s(zustand), c(canvas), bildschirm(schirm) {}
    const AppState& s;
    Canvas& c;
    bool bildschirm;
    int m = 0;
    int randY = 0; // the printer's margin above the heading block (0 on the screen)
    int cx = 0, cy = 0;
    double f = 10;
    double L = 30;
    HabermelTabelle t;
    int x0 = 0, y0 = 0;
    double mitteY = 0; // the centre of the summer circle and the rim

    // The rim: 7 mm round the summer circle.
    double randRadius() const { return t.m[36] + 7 * f; }
    // The hour numbers' font height; in mean time the second number of each line stands
    // outside the rim, its ink ending about this far beyond it.
    int zahlhoehe() const { return bildschirm ? 15 : 40; }

    std::vector<HabermelStundenlinie> linien;
    std::vector<int> zahlDatum;          // per line the date its number stands at, -1 for none
    std::vector<HabermelSchild> belegt; // the numbers placed and the latitude mark
    Breitenmarke marke;
};

// The box round the ink of a number written at (X, Y) turned by A degrees: digits half the
// font's height wide, their ink from 0.15 to 0.8 of it below the text's top.
HabermelSchild zahlSchild(double X, double Y, int A, const std::string& text, int fh)
{
    const double a = A * kRad;
    return {X, Y, std::cos(a), -std::sin(a), std::sin(a), std::cos(a), 0,
            0.5 * fh * static_cast<double>(text.size()), 0.15 * fh, 0.8 * fh};
}

// Where a line's numbers stand for its number at date d: the point, the turn, and in mean time
// the other half-year's number stacked on it just outside the rim.
struct Zahlstelle {
    int X = 0, Y = 0, A = 0;
    int X2 = 0, Y2 = 0;
};

Zahlstelle zahlstelle(const Blatt& b, const HabermelPunkt& p)
{
    Zahlstelle z;
    z.X = ci(b.x0 + p.x);
    z.Y = ci(b.y0 - p.y);
    const double w = std::atan(p.x / (std::fabs(p.y) + b.t.r[0])) / kRad;
    z.A = ci(1.9 * w);
    // The other half-year's number (24 - n) stacked on the first: moved along the first's
    // upright, away from the foot, until its top stands just outside the rim. Side by side
    // the pair ran into the next line's numbers where the lines stand close.
    const double a = z.A * kRad;
    const double t = habermelBisKreis(z.X - b.x0, z.Y - b.mitteY, std::sin(a), std::cos(a),
                                      b.randRadius() + 0.15 * b.zahlhoehe());
    z.X2 = ci(z.X + t * std::sin(a));
    z.Y2 = ci(z.Y + t * std::cos(a));
    return z;
}

Breitenmarke breitenmarke(const Blatt& b, double h)
{
    const double ring = b.y0 - b.t.r[0] - 7 * b.f - 1.6 * h;
    const double yLat = ring >= b.m + 0.5 * h ? ring : b.y0 - 1.5 * h;
    return {ci(b.x0 - 1.7 * h), ci(yLat), "Lat  " + RealStr(b.s.Par.Breite, 4, 1) + sprache(b.s, " Grad", " deg ")};
}

double kopfHoehe(const Blatt& b) { return b.bildschirm ? 14 : 36; }

// The latitude mark's box at its place.
HabermelSchild markenSchild(const Blatt& b, const Breitenmarke& marke)
{
    const CanvasFont vorher = b.c.font();
    b.c.setFontName("Times New Roman");
    b.c.setBold(true);
    b.c.setFontHeight(ci(1.2 * kopfHoehe(b)));
    const double fl = b.c.fontHeight();
    const HabermelSchild k{double(marke.x), double(marke.y), 1, 0, 0, 1, 0, double(b.c.textExtent(marke.text).width),
                           0.1 * fl, 0.85 * fl};
    b.c.setFont(vorher);
    return k;
}

// Each full hour's number where it stands clear of the numbers placed before it: at its line's
// numbering date, else nearer the winter circle along its line. Then the latitude mark, moved
// left from its place as far as the numbers need.
void zahlenPlatzieren(Blatt& b, bool mittlereZeit)
{
    b.belegt.clear();
    b.linien = habermelStundenlinien(b.s, b.t);
    b.zahlDatum.assign(b.linien.size(), -1);
    const int fh = b.zahlhoehe();
    for (std::size_t i = 0; i < b.linien.size(); ++i) {
        const HabermelStundenlinie& l = b.linien[i];
        if (l.nummer == 0)
            continue;
        const auto schilder = [&](int d) {
            const Zahlstelle z = zahlstelle(b, *l.punkte[static_cast<std::size_t>(d)]);
            std::vector<HabermelSchild> v{zahlSchild(z.X, z.Y, z.A, std::to_string(mod12(l.nummer)), fh)};
            if (mittlereZeit)
                v.push_back(zahlSchild(z.X2, z.Y2, z.A, std::to_string(mod12(24 - l.nummer)), fh));
            return v;
        };
        b.zahlDatum[i] = habermelFreiesDatum(l, 1, [&](int d) {
            for (const HabermelSchild& neu : schilder(d))
                for (const HabermelSchild& da : b.belegt)
                    if (habermelUeberdeckt(neu, da))
                        return false;
            return true;
        });
        if (b.zahlDatum[i] >= 0)
            for (const HabermelSchild& neu : schilder(b.zahlDatum[i]))
                b.belegt.push_back(neu);
    }
    b.marke = breitenmarke(b, kopfHoehe(b));
    for (int schritt = 0; schritt < 40; ++schritt) {
        const HabermelSchild k = markenSchild(b, b.marke);
        if (std::none_of(b.belegt.begin(), b.belegt.end(), [&](const HabermelSchild& q) { return habermelUeberdeckt(k, q); }))
            break;
        b.marke.x -= ci(0.25 * kopfHoehe(b));
    }
    b.belegt.push_back(markenSchild(b, b.marke));
}

void kreise(Blatt& b)
{
    const auto& s = b.s;
    const char ziffer = s.Schalter.Datumslinien;
    const int n = ziffer >= '0' && ziffer <= '9' ? ziffer - '0' : 0;
    for (int j = 0; j <= 6; ++j)
        for (int u = 0; u <= n; ++u) {
            int i = 6 * j;
            if (n == 1)
                i = 6 * j + 3 * u;
            else if (n == 2)
                i = 6 * j + 2 * u;
            if (j == 6)
                i = 36;
            const auto k = static_cast<std::size_t>(i);
            const bool grenze = i % 6 == 0;
            b.c.setPenWidth(s.Schalter.Linienstaerke + (grenze ? 1 : 0));
            b.c.setPenColor(s.Farben[grenze ? 5 : 7]);
            const int l = ci(b.x0 - b.t.m[k]), o = ci(b.y0 - b.t.r[0]);
            const int r = ci(b.x0 + b.t.m[k]), u2 = ci(b.y0 + b.t.r[k]);
            if (grenze)
                b.c.ellipse(l, o, r, u2);
            else
                b.c.arc(l, o, r, u2, ci(b.x0 - b.t.sw[k]), b.y0, ci(b.x0 + b.t.sw[k]), b.y0);
        }
    const double rand = 7 * b.f;
    b.c.ellipse(ci(b.x0 - b.t.m[36] - rand), ci(b.y0 - b.t.r[0] - rand), ci(b.x0 + b.t.m[36] + rand),
                ci(b.y0 + b.t.r[36] + rand));
    b.c.moveTo(b.x0, ci(b.y0 - b.t.r[0]));
    b.c.lineTo(b.x0, ci(b.y0 + b.t.r[36]));
    b.c.moveTo(ci(b.x0 + b.t.sw[36]), b.y0);
    b.c.lineTo(ci(b.x0 - b.t.sw[36]), b.y0);
}

// The reading captions of mean time beside the lower end of the rim, their two lines ending
// level with its lowest point: winter to summer left of it, summer to winter right, a third of
// a line clear of the ring of second hour numbers outside the rim where it is widest beside
// them. Their top left corners and widths in the legend's font of height h.
struct Lesehilfen {
    int xw = 0, xs = 0, y = 0;
    int breiteW = 0, breiteS = 0;
};
Lesehilfen lesehilfen(const Blatt& b, double h)
{
    const CanvasFont vorher = b.c.font();
    b.c.setFontName("Arial");
    b.c.setBold(false);
    b.c.setFontHeight(static_cast<int>(h));
    const double R = b.randRadius() + 1.2 * b.zahlhoehe(), yc = b.mitteY;
    Lesehilfen l;
    l.y = ci(b.y0 + b.t.r[36] + 7 * b.f - 2.2 * h);
    const double halb = std::sqrt(std::fmax(0.0, R * R - (l.y - yc) * (l.y - yc)));
    const int luecke = ci(h / 3);
    const auto breite = [&](int a, int z) { return std::max(b.c.textExtent(holeText(b.s, a)).width, b.c.textExtent(holeText(b.s, z)).width); };
    l.breiteW = breite(610, 611);
    l.breiteS = breite(612, 613);
    l.xw = ci(b.x0 - halb) - luecke - l.breiteW;
    l.xs = ci(b.x0 + halb) + luecke;
    b.c.setFont(vorher);
    return l;
}

double legendenHoehe(const Blatt& b) { return b.bildschirm ? 14 : 30; }

void legende(Blatt& b, double h, bool mittlereZeit)
{
    const auto& s = b.s;
    b.c.setFontName("Wingdings");
    b.c.setBold(false);
    b.c.setFontColor(s.Farben[3]);
    b.c.setFontHeight(static_cast<int>(h));
    const int xL = ci(std::fabs(1.5 * h) + b.m);
    // Below the heading block, which the printer's margin moves down the page.
    const int yL = static_cast<int>(5 * std::fabs(h)) + b.m + b.randY;
    for (int i = 1; i <= 12; ++i) {
        const int y = ci(1.1 * h * (2 * i - 0.7) + yL);
        b.c.setFontName("Wingdings");
        b.c.textOut(xL, y, zodiakSymbol(i));
        b.c.setFontName("Arial");
        b.c.textOut(ci(xL + 1.7 * h), y, "= " + std::string(tierkreisName(s, i)));
        // The date under its name, at least 0.85 of a line below it.
        b.c.textOut(ci(xL + 1.7 * h), std::max(ci(2.2 * h * i + yL), y + ci(0.85 * h)),
                    "  (" + std::string(DatumsTage[static_cast<std::size_t>(i - 1)]) +
                        std::string(monatKurz(s, zodiakMonat(i))) + " -)");
    }
    if (!mittlereZeit)
        return;
    const int hi = static_cast<int>(h);
    const Lesehilfen l = lesehilfen(b, h);
    b.c.setFontColor(0x800000);
    b.c.textOut(l.xw, l.y, holeText(s, 610));
    b.c.textOut(l.xw, l.y + hi, holeText(s, 611));
    b.c.setFontColor(FarbeRot);
    b.c.textOut(l.xs, l.y, holeText(s, 612));
    b.c.textOut(l.xs, l.y + hi, holeText(s, 613));
}

void kopf(Blatt& b, bool mittlereZeit)
{
    const auto& s = b.s;
    const double h = kopfHoehe(b);
    b.c.setFontName("Wingdings");
    b.c.setBold(false);
    b.c.setFontColor(s.Farben[3]);
    b.c.setFontHeight(static_cast<int>(h));
    // Each sign in the band of its declinations, by the dial's own circles (see
    // habermelZeichenstellen), clear of the numbers, the latitude mark and in mean time the
    // reading captions; a sign's box is half its height wide, its ink about three quarters,
    // reaching further right.
    std::vector<HabermelKasten> frei;
    const auto belege = [&](const HabermelKasten& k) { frei.push_back({k.x0 - b.x0, b.y0 - k.y1, k.x1 - b.x0, b.y0 - k.y0}); };
    for (const HabermelSchild& q : b.belegt)
        belege(q.umriss());
    if (mittlereZeit) {
        const double hl = legendenHoehe(b);
        const Lesehilfen l = lesehilfen(b, hl);
        belege({double(l.xw), double(l.y), double(l.xw + l.breiteW), l.y + 2 * hl});
        belege({double(l.xs), double(l.y), double(l.xs + l.breiteS), l.y + 2 * hl});
    }
    const auto stellen = habermelZeichenstellen(b.t, 0.5 * h, h, frei, 0.75 * h, 0.1 * h);
    for (int z = 1; z <= 12; ++z) {
        const auto& p = stellen[static_cast<std::size_t>(z - 1)];
        b.c.textOut(ci(b.x0 + p.x - 0.25 * h), ci(b.y0 - p.y - 0.5 * h), zodiakSymbol(z));
    }
    b.c.setFontName("Times New Roman");
    b.c.setBold(true);
    b.c.setFontHeight(ci(1.2 * h));
    b.c.textOut(b.marke.x, b.marke.y, b.marke.text);
    legende(b, legendenHoehe(b), mittlereZeit);
}

void schablone(Blatt& b, double h)
{
    const int X = ci(h + b.m), Y = 2 * b.cy - static_cast<int>(h);
    const int Ls = ci(b.t.L);
    b.c.moveTo(X, Y);
    b.c.lineTo(X, Y - Ls);
    b.c.lineTo(ci(X + 3 * b.f), Y - Ls);
    b.c.moveTo(X, Y);
    b.c.lineTo(X + Ls, Y);
    b.c.lineTo(X + Ls, ci(Y - 3 * b.f));
    b.c.setFontName("Arial");
    b.c.setBold(false);
    // The label stands above the bracket's end ticks (3 mm high), which would run through it.
    const int schrift = b.zahlhoehe();
    b.c.setFontHeight(schrift);
    const double oben = std::min(Y - 1.5 * h, Y - 3 * b.f - 1.25 * schrift);
    b.c.textOut(ci(X + 2 * b.f), ci(oben), habermelSchablonenText(b.s, b.L));
}

void stundenlinien(Blatt& b, bool mittlereZeit)
{
    const auto& s = b.s;
    for (std::size_t i = 0; i < b.linien.size(); ++i) {
        const HabermelStundenlinie& l = b.linien[i];
        if (l.voll && (l.nummer == 0 || habermelNummerDatum(l, 1) < 0))
            continue; // the sun lights none of its points
        const int nummerDatum = b.zahlDatum[i];
        b.c.setPenColor(s.Farben[l.voll ? 1 : 2]);
        b.c.setPenWidth(s.Schalter.Linienstaerke + (l.voll ? 1 : 0));
        bool erster = true;
        for (int d = 0; d <= 36; ++d) {
            const auto& p = l.punkte[static_cast<std::size_t>(d)];
            if (!p || std::fabs(p->x) + std::fabs(p->y) < 0.1)
                continue;
            const int X = ci(b.x0 + p->x), Y = ci(b.y0 - p->y);
            if (erster)
                b.c.moveTo(X, Y);
            else
                b.c.lineTo(X, Y);
            erster = false;
            if (d != nummerDatum)
                continue;
            const Zahlstelle z = zahlstelle(b, *p);
            b.c.setFontColor(s.Farben[3]);
            const int fh = b.zahlhoehe();
            TextOutGedreht(b.c, z.X, z.Y, std::to_string(mod12(l.nummer)), 400, fh, z.A);
            if (mittlereZeit) {
                b.c.setFontColor(FarbeRot);
                TextOutGedreht(b.c, z.X2, z.Y2, std::to_string(mod12(24 - l.nummer)), 400, fh, z.A);
            }
        }
    }
}

// The height of the date circles from the winter circle's top to the summer circle's foot for
// a gnomon of Ls drawing units.
double habermelHoehe(const AppState& s, double Ls)
{
    const HabermelTabelle t = habermelTabelle(s.Par.Breite, s.EpsRund, Ls);
    return t.r[0] + t.r[36];
}

} // namespace

Konstruktionsmeldungen zeichneHabermel(const AppState& s, const HabermelZiel& ziel, double L)
{
    if (auto nein = habermelVerweigerung(s, L))
        return {Konstruktionsmeldung{PromptTitle::Fehler, PromptIcon::Question, *nein}};
    L = habermelGnomon(L);
    if (ziel.plot) {
        habermelPlot(s, *ziel.plot, ziel.alsHPGL, L);
        return {};
    }
    if (!ziel.canvas)
        return {};
    Canvas& c = *ziel.canvas;
    Blatt b(s, c, ziel.bildschirm);
    b.m = ziel.bildschirm ? 0 : 30;
    b.cx = (ziel.breite - b.m) / 2;
    b.cy = (ziel.hoehe - b.m) / 2;
    b.L = L;
    double Ls = 10 * L;
    if (ziel.bildschirm) {
        b.f = static_cast<double>(roundHalfEven(2.0 * b.cy / 205.0));
        const double D = s.Par.HabermelDurchmesser;
        double g = 1;
        if (0.9 * ziel.hoehe < D * b.f && D * b.f > 0)
            g = 0.9 * ziel.hoehe / (D * b.f);
        Ls = L * b.f * g;
        // The diameter entered need not be the dial's: its circles grow with the gnomon. Where
        // the rim (7 mm round the circles at the scale f) would leave 90 % of the image, the
        // circles shrink until it fits.
        const double hoch = habermelHoehe(s, 1), frei = 0.9 * ziel.hoehe - 14 * b.f;
        if (Ls * hoch > frei && frei > 0)
            Ls = frei / hoch;
        c.setFontHeight(14);
    } else {
        b.f = 10;
        c.setFontHeight(42);
    }
    c.setFontColor(s.Farben[3]);
    b.t = habermelTabelle(s.Par.Breite, s.EpsRund, Ls);
    b.y0 = ci(b.cy - (b.t.m[36] - b.t.m[0]));
    b.x0 = ci(b.cx + b.t.m[36] / 5);
    b.mitteY = b.y0 - b.t.mitte(36);

    c.setPenColor(s.Farben[3]);
    c.setBrushStyle(BrushStyle::Clear);
    c.setPenWidth(s.Schalter.Linienstaerke);
    c.rectangle(b.m, b.m, 2 * b.cx, 2 * b.cy);
    c.setFontName("Arial");
    c.setBold(true);

    // On a page the heading starts below the frame line the margin m leaves.
    b.randY = ziel.bildschirm ? 0 : ziel.druckRandY;
    const int rx = ziel.bildschirm ? 0 : ziel.druckRandX, ry = b.randY + b.m;
    double h = ziel.bildschirm ? 20 : 50;
    c.setFontHeight(static_cast<int>(h));
    const int xt = ci(1.5 * h + rx);
    c.textOut(xt, ci(0.2 * h + ry), sprache(s, "vertikale Habermel-Sonnenuhr I", "Vertical Habermel-Sundial I"));
    c.setBold(false);
    h = ziel.bildschirm ? 15 : 30;
    c.setFontHeight(static_cast<int>(h));
    c.textOut(xt, ci(1.8 * h + ry), habermelZeitsystem(s, true));
    c.textOut(xt, ci(2.8 * h + ry),
              sprache(s, "Geogr. Breite = ", "Latitude = ") + RealStr(s.Par.Breite, 6, 2) + sprache(s, " Grad", " deg ") +
                  sprache(s, ", Geogr. Länge = ", ", Longitude = ") + RealStr(s.Par.Laenge, 6, 2) +
                  sprache(s, " Grad", " deg "));
    c.textOut(xt, ci(3.8 * h + ry), sprache(s, "Zeigerlänge = ", "Gnomon height =") + RealStr(L, 5, 1) + " mm");
    c.textOut(xt, ci(4.8 * h + ry),
              sprache(s, "Durchmesser =", "Diameter =") + " " + RealStr(s.Par.HabermelDurchmesser, 5, 1) + " mm ");

    const bool mittlereZeit = s.Schalter.MitZeitglZylinder && !s.Schalter.Zonenzeit;
    kreise(b);
    c.setPenColor(s.Farben[3]);
    c.setPenWidth(s.Schalter.Linienstaerke);
    zahlenPlatzieren(b, mittlereZeit);
    kopf(b, mittlereZeit);
    schablone(b, h);
    stundenlinien(b, mittlereZeit);
    return {};
}

} // namespace umbrin
