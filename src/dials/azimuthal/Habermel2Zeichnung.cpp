// Dial II: a disc whose polar angle is the sun's ecliptic longitude and whose radius is the
// shadow drop L' tan(a), with a degree ring, the zodiac symbols, a heading, a legend and the
// gnomon template; on a canvas or as a plot.
#include "dials/azimuthal/HabermelZeichnung.h"

#include "core/Rounding.h"
#include "core/Sprachdienst.h"
#include "core/Textumformung.h"
#include "core/Zahlenformat.h"
#include "dials/HpglDialekt.h"
#include "dials/TextGedreht.h"
#include "dials/azimuthal/HabermelTabelle.h"
#include "dials/quadrant/QuadrantGeometrie.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace umbrin {
namespace {

constexpr double kRad = static_cast<double>(rad);

int ci(double v) { return static_cast<int>(roundHalfEven(std::clamp(v, -1.0e6, 1.0e6))); }
double rd(double v) { return static_cast<double>(roundHalfEven(v)); }
std::string z(double v) { return hpglZahl(v); }
std::string feld(double v, int w) { return RealStr(std::clamp(v, -hpglKoordinatenGrenze, hpglKoordinatenGrenze), w, 0); }

std::string sprache(const AppState& s, const char* de, const char* en) { return s.Sprachspalte == 2 ? en : de; }


std::string breitenText(const AppState& s)
{
    // The English caption without the German one's colon and padding, which left
    // "Latitude :       =" in the heading.
    const std::string kopf = sprache(s, "    Geogr. Breite:  ", "    Latitude");
    return kopf.substr(4, 30) + " = " + RealStr(s.Par.Breite, 6, 2);
}

int mod12(int n) { return n > 12 ? n % 12 : n; }

// A text's box, in the units of its drawing; an hour number's with the width of a blank.
struct Kasten {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    double leer = 0;
};

// Whether box k meets the box g set before; two hour numbers also where they stand on one line
// (sharing half the lower one's height) less than a blank apart, so that they read as one.
bool stoesst(const Kasten& k, const Kasten& g)
{
    if (k.x0 < g.x1 && k.x1 > g.x0 && k.y0 < g.y1 && k.y1 > g.y0)
        return true;
    const double leer = std::min(k.leer, g.leer);
    const double hoehe = std::min(k.y1 - k.y0, g.y1 - g.y0), gemeinsam = std::min(k.y1, g.y1) - std::max(k.y0, g.y0);
    return leer > 0 && 2 * gemeinsam >= hoehe && std::max(g.x0 - k.x1, k.x0 - g.x1) < leer;
}

// The sideways step (richtung -1 to the left, +1 to the right) by whole widths of its box
// that clears an hour number of those already set: near the zenith the tops of the hour
// curves lie closer than a number is high, and the numbers set there then stand side by side.
double seitlichFrei(std::vector<Kasten>& gesetzt, Kasten k, int richtung)
{
    const double breite = k.x1 - k.x0;
    const auto trifft = [&](const Kasten& g) { return stoesst(k, g); };
    double dx = 0;
    for (std::size_t n = 0; n <= gesetzt.size() && std::any_of(gesetzt.begin(), gesetzt.end(), trifft); ++n) {
        dx += richtung * breite;
        k.x0 += richtung * breite;
        k.x1 += richtung * breite;
    }
    gesetzt.push_back(k);
    return dx;
}

// The sign written in the ring's sector about beta (15, 45, ..., 345 degrees clockwise from the
// top; 0 stands for Pisces). The sector lies over the ecliptic longitudes 90 - beta +- 15 of the
// hour curves; the ring names the sign of the other half-year that has the same declinations
// (Cancer at the top right over Gemini, Capricorn at the bottom left over Sagittarius).
int ringZeichen(int beta) { return (beta / 30 + 4) % 12; }

int intervall(const AppState& s)
{
    const char q = s.Schalter.StundenIntervallSonst;
    return q >= '0' && q <= '9' ? q - '0' : 0;
}

// The disc keeps the diameter entered. Hour curves that reach more than 4.5 mm into its rim
// (a gnomon long for the disc: the summer sun's shadow drops farther than the disc is wide)
// are cut where the band of signs begins, about 8.5 mm inside the edge; their numbers stand
// inside that circle.
constexpr double kRandMm = 4.5, kBandMm = 8.5;

bool abgeschnitten(const AppState& s, double L)
{
    return habermel2Sommerradius(s.Par.Breite, s.EpsRund, L) > s.Par.HabermelDurchmesser / 2 - kRandMm;
}

// What the user is told when the curves are cut: how far they reach, how far the disc shows
// them, and the longest gnomon that keeps them whole.
std::string schnittMeldung(const AppState& s, double L)
{
    const double weite = habermel2Sommerradius(s.Par.Breite, s.EpsRund, L);
    const double platz = s.Par.HabermelDurchmesser / 2 - kBandMm;
    const double laengster = (s.Par.HabermelDurchmesser / 2 - kRandMm) / habermel2Sommerradius(s.Par.Breite, s.EpsRund, 1);
    const std::string l = RealStr(L, 1, 1), w = RealStr(weite, 1, 1), d = RealStr(s.Par.HabermelDurchmesser, 1, 1),
                      p = RealStr(platz, 1, 1), g = RealStr(std::floor(10 * laengster) / 10, 1, 1);
    if (s.Sprachspalte == 2)
        return "With a gnomon of " + l + " mm the hour curves reach " + w + " mm from the centre; the disc of " + d +
               " mm diameter shows them up to " + p + " mm: they end at the ring of the zodiac signs.\n\rA gnomon "
               "of at most " + g + " mm shows them whole.";
    return "Mit einem Zeiger von " + l + " mm reichen die Stundenkurven " + w + " mm weit vom Mittelpunkt, die Scheibe "
           "von " + d + " mm Durchmesser zeigt sie bis " + p + " mm: sie enden am Ring der Tierkreiszeichen.\n\rGanz "
           "zeigt sie ein Zeiger von höchstens " + g + " mm.";
}

// The point of curve t at longitude lam, none where the curve is not drawn; inside `grenze`
// (the cut of a long gnomon) only.
std::optional<HabermelPunkt> kurvenPunkt(const AppState& s, double Ls, double t, double lam, double grenze)
{
    auto p = habermel2Punkt(s.Par.Breite, s.EpsRund, Ls, 15.0 * (t - 12.0), lam);
    if (p && std::hypot(p->x, p->y) > grenze)
        return std::nullopt;
    return p;
}

// One hour curve as pieces of points, cut at `grenze`: a piece that leaves the circle ends on
// it, one that comes back begins on it.
struct Kurvenpunkt {
    HabermelPunkt p;
    int lam = -1; // -1: where the curve crosses the cut
};
std::vector<std::vector<Kurvenpunkt>> kurvenStuecke(const AppState& s, double Ls, double t, double grenze)
{
    std::vector<std::vector<Kurvenpunkt>> stuecke(1);
    std::optional<HabermelPunkt> vorher;
    for (int lam = 0; lam <= 360; lam += 3) {
        const auto ganz = habermel2Punkt(s.Par.Breite, s.EpsRund, Ls, 15.0 * (t - 12.0), lam);
        const bool drin = ganz && std::hypot(ganz->x, ganz->y) <= grenze;
        if (ganz && vorher && drin != (std::hypot(vorher->x, vorher->y) <= grenze)) {
            // The crossing, between the two points, by halving.
            double a = lam - 3, b = lam;
            for (int i = 0; i < 30; ++i) {
                const double m = (a + b) / 2;
                const auto q = habermel2Punkt(s.Par.Breite, s.EpsRund, Ls, 15.0 * (t - 12.0), m);
                ((q && std::hypot(q->x, q->y) <= grenze) == drin ? b : a) = m;
            }
            const double r = drin ? b : a;
            if (auto q = habermel2Punkt(s.Par.Breite, s.EpsRund, Ls, 15.0 * (t - 12.0), r)) {
                const double k = grenze / std::hypot(q->x, q->y);
                stuecke.back().push_back({{q->x * k, q->y * k, q->hoehe}});
            }
        }
        if (!drin) {
            if (!stuecke.back().empty())
                stuecke.emplace_back();
        } else if (std::fabs(ganz->x) + std::fabs(ganz->y) >= 0.1) {
            stuecke.back().push_back({*ganz, lam});
        }
        vorher = ganz;
    }
    return stuecke;
}

// Inner end of the ring's tick at beta degrees.
// The leftmost x of the circle (x0, y0, R) between the heights y1 and y2; x0 + R where the
// band passes beside it.
double linksVomKreis(double x0, double y0, double R, double y1, double y2)
{
    if (y1 <= y0 && y0 <= y2)
        return x0 - R;
    const double dy = std::min(std::fabs(y1 - y0), std::fabs(y2 - y0));
    return dy >= R ? x0 + R : x0 - std::sqrt(R * R - dy * dy);
}

double tickInnen(int beta, double Ro, double g)
{
    if (beta % 90 == 0)
        return 0;
    if (beta % 30 == 0)
        return rd(0.08 * Ro);
    if (beta % 10 == 0)
        return rd(Ro - g);
    if (beta % 5 == 0)
        return rd(Ro - 0.6 * g);
    return rd(Ro - 0.4 * g);
}

// The places along the curve of hour value t where its number may stand, best first, each
// handed with its point to `nimm` until it takes one (returns true): the ecliptic longitudes
// (multiples of 3) from the local summer solstice (90 in the north, 270 in the south) outwards
// where the sun stands higher than 8 degrees, then those where it stands above the 1 degree
// the curve is drawn from (the first pass's places again among them). None when the curve is
// not drawn.
template <typename N>
void nummerLaengen(const AppState& s, double Ls, double t, double grenze, N&& nimm)
{
    const int sommer = s.Par.Breite >= 0 ? 90 : 270;
    for (const double mindestens : {8.0, 1.0})
        for (int schritt = 0; schritt <= 120; ++schritt) {
            const int lam = ((sommer + (schritt % 2 ? 3 : -3) * ((schritt + 1) / 2)) % 360 + 360) % 360;
            const auto p = kurvenPunkt(s, Ls, t, lam, grenze);
            if (p && p->hoehe > mindestens && std::fabs(p->x) + std::fabs(p->y) >= 0.1 && nimm(lam, *p))
                return;
        }
}

// Where the number of a curve stands: the first of its places (nummerLaengen) whose box, as
// `kasten` gives it for the curve's point there, is clear of the numbers already set, so that
// the number keeps to its own curve; where none is, the best place with the box moved sideways
// (richtung) clear of them. The longitude (-1: no number) and the sideways step; the box joins
// the numbers set.
struct Nummernstelle {
    int lam = -1;
    double dx = 0;
};
template <typename K>
Nummernstelle nummerStelle(const AppState& s, double Ls, double t, double grenze, std::vector<Kasten>& gesetzt,
                           K&& kasten, int richtung)
{
    Nummernstelle erste, frei;
    Kasten ersterKasten;
    nummerLaengen(s, Ls, t, grenze, [&](int lam, const HabermelPunkt& p) {
        const Kasten k = kasten(p);
        if (erste.lam < 0) {
            erste.lam = lam;
            ersterKasten = k;
        }
        if (std::any_of(gesetzt.begin(), gesetzt.end(), [&](const Kasten& g) { return stoesst(k, g); }))
            return false;
        gesetzt.push_back(k);
        frei.lam = lam;
        return true;
    });
    if (frei.lam >= 0 || erste.lam < 0)
        return frei;
    erste.dx = seitlichFrei(gesetzt, ersterKasten, richtung);
    return erste;
}

template <typename F>
void jedeStunde(const AppState& s, F&& kurve)
{
    const int q = intervall(s);
    double delta = 0;
    if (!s.Schalter.TemporalAnzeige && s.Schalter.Zonenzeit)
        delta = (s.Par.Zonenmeridian - s.Par.Laenge) / 15.0;
    for (int h = s.Zeiten.QuadVon; h <= s.Zeiten.QuadBis; ++h)
        for (int u = 0; u <= q; ++u) {
            const double t = h + static_cast<double>(u) / (q + 1);
            if (t > s.Zeiten.QuadBis)
                continue;
            kurve(t + delta, u == 0 ? h : 0, u == 0);
        }
}

void canvasLegende(const AppState& s, Canvas& c, double h, int m)
{
    c.setFontName("Wingdings");
    c.setBold(false);
    c.setFontColor(s.Farben[3]);
    c.setFontHeight(static_cast<int>(h));
    const int xL = ci(std::fabs(1.5 * h) + m);
    const int yL = static_cast<int>(5 * std::fabs(h)) + m;
    for (int i = 1; i <= 12; ++i) {
        const int y = ci(1.15 * h * (2 * i - 0.7) + yL);
        c.setFontName("Wingdings");
        c.textOut(xL, y, zodiakSymbol(i));
        c.setFontName("Arial");
        c.textOut(ci(xL + 1.7 * h), y, "= " + std::string(tierkreisName(s, i)));
        // The date under its name, at least 0.85 of a line below it.
        c.textOut(ci(xL + 1.7 * h), std::max(ci(2.3 * h * i + yL), y + ci(0.85 * h)),
                  "  (" + std::string(DatumsTage[static_cast<std::size_t>(i - 1)]) +
                      std::string(monatKurz(s, zodiakMonat(i))) + " -)");
    }
}

Konstruktionsmeldungen canvasDial(const AppState& s, const HabermelZiel& ziel, double L)
{
    Canvas& c = *ziel.canvas;
    const bool bs = ziel.bildschirm;
    const int m = bs ? 0 : 30;
    const int cx = (ziel.breite - m) / 2, cy = (ziel.hoehe - m) / 2;
    double f = 10;
    if (bs)
        f = rd(cx / 210.0);
    else
        c.setFontHeight(42);
    double Ls = L * f;
    // On the screen a cut curve reaches as far as on paper, at the screen's scale.
    const auto reichweite = [&] {
        const double Rs = habermel2Sommerradius(s.Par.Breite, s.EpsRund, Ls);
        return bs && abgeschnitten(s, L) ? (s.Par.HabermelDurchmesser / 2 - kBandMm) * f : Rs;
    };
    double Rs = reichweite();
    const double h0 = c.fontHeight();
    const double g = std::fabs(h0);
    // A screen too low for the disc at the scale its width gives (a long gnomon on a small
    // screen) draws it smaller, so that its outer circle keeps inside the image.
    if (bs && Rs > 0 && rd(std::fabs(2.5 * h0) + Rs) + 4 > cy) {
        f *= (cy - 5 - std::fabs(2.5 * h0)) / Rs;
        Ls = L * f;
        Rs = reichweite();
    }
    // The outermost circle (Ro + 3) of a printed sheet has the diameter entered; the screen,
    // which has no true size, keeps the ring just outside the curves, cut as on paper.
    const bool schnitt = abgeschnitten(s, L);
    const double Ro = bs ? rd(std::fabs(2.5 * h0) + Rs) : rd(s.Par.HabermelDurchmesser * f / 2 - 3);
    const double grenze = !schnitt ? 1e18 : bs ? Rs : Ro - 2 * g;
    const int x0 = cx, y0 = cy;

    c.setFontColor(s.Farben[0]);
    c.setPenColor(s.Farben[0]);
    c.setBrushStyle(BrushStyle::Clear);
    c.setPenWidth(s.Schalter.Linienstaerke);
    c.rectangle(m, m, 2 * cx, 2 * cy);
    c.setFontName("Arial");
    c.setBold(true);

    c.setPenColor(s.Farben[3]);
    double h = bs ? 20 : 50;
    c.setFontHeight(static_cast<int>(h));
    const int xt = ci(std::fabs(1.5 * h)) + m;
    c.textOut(xt, ci(0.2 * h + m),
              sprache(s, "vertikale Habermel-Sonnenuhr II", "Vertical Altitude Dial (Habermel II)"));
    const int y1 = ci(1.8 * h + m);
    c.setBold(false);
    h = bs ? 16 : 40;
    c.setFontHeight(static_cast<int>(h));
    c.textOut(xt, y1, habermelZeitsystem(s, false));
    c.textOut(xt, ci(y1 + 0.9 * h), breitenText(s));
    c.textOut(xt, ci(y1 + 1.8 * h), sprache(s, "Zeigerlänge = ", "Gnomon height =") + RealStr(L, 5, 1) + " mm");
    c.textOut(xt, ci(y1 + 2.7 * h),
              sprache(s, "Durchmesser =", "Diameter =") + " " + RealStr(s.Par.HabermelDurchmesser, 5, 1) + " mm");
    canvasLegende(s, c, bs ? (ziel.grosserBildschirm ? 16 : 12) : 40, m);

    // Degree ring with the zodiac symbols; the hour numbers keep clear of the symbols' boxes
    // (a symbol about 0.8 of its height wide, turned with the ring).
    std::vector<Kasten> gesetzt;
    for (int beta = 1; beta <= 360; ++beta) {
        const double b = beta * kRad;
        if (beta % 30 == 15) {
            c.setFontName("Wingdings");
            c.setFontColor(0x008000);
            const double r = Ro - 2 * g - 1;
            const int ax = ci(x0 + r * std::sin(b)), ay = ci(y0 - r * std::cos(b)), hz = c.fontHeight();
            TextOutGedreht(c, ax, ay, zodiakSymbol(ringZeichen(beta)), 400, hz, 180 - beta);
            const double a = (180 - beta) * kRad, w = 0.8 * hz;
            const double ex[] = {0, w * std::cos(a), w * std::cos(a) + hz * std::sin(a), hz * std::sin(a)};
            const double ey[] = {0, -w * std::sin(a), -w * std::sin(a) + hz * std::cos(a), hz * std::cos(a)};
            gesetzt.push_back({ax + *std::min_element(ex, ex + 4), ay + *std::min_element(ey, ey + 4),
                               ax + *std::max_element(ex, ex + 4), ay + *std::max_element(ey, ey + 4)});
        }
        if (beta % 10 == 0 && beta % 30 != 0) {
            c.setPenColor(s.Farben[7]);
            const double ra = Ro - 2 * g - 1, ri = rd(0.2 * Ro);
            c.moveTo(ci(x0 + ra * std::sin(b)), ci(y0 + ra * std::cos(b)));
            c.lineTo(ci(x0 + ri * std::sin(b)), ci(y0 + ri * std::cos(b)));
        }
        c.setPenColor(s.Farben[5]);
        const double ri = tickInnen(beta, Ro, g);
        c.moveTo(ci(x0 + (Ro - 1) * std::sin(b)), ci(y0 + (Ro - 1) * std::cos(b)));
        c.lineTo(ci(x0 + ri * std::sin(b)), ci(y0 + ri * std::cos(b)));
    }
    for (double r : {Ro + 1, Ro + 3, Ro - 2 * g})
        c.ellipse(ci(x0 - r), ci(y0 - r), ci(x0 + r), ci(y0 + r));

    // Centre mark and gnomon template left of the disc.
    const int X = ci(x0 - Ro - 14 * f), Y = ci(y0 + Ro - 14 * f);
    c.moveTo(ci(x0 + 5 * f), y0);
    c.lineTo(ci(x0 - 5 * f), y0);
    c.moveTo(ci(X - 2 * f), Y);
    c.lineTo(ci(X + 2 * f), Y);
    c.moveTo(X, Y);
    c.lineTo(X, ci(Y - Ls));
    c.lineTo(ci(X - 2 * f), ci(Y - Ls + 2 * f));
    c.lineTo(ci(X + 2 * f), ci(Y - Ls + 2 * f));
    c.lineTo(X, ci(Y - Ls));
    c.setFontName("Arial");
    c.setBold(false);
    c.setFontHeight(bs ? 15 : 40);

    const int fh = c.fontHeight();
    const Farbe schablonenFarbe = c.font().color;
    jedeStunde(s, [&](double t, int n, bool voll) {
        c.setPenColor(s.Farben[voll ? 1 : 2]);
        // The text " n" beside the point, hanging below it: left of it before noon.
        const std::string zahl = " " + std::to_string(mod12(n));
        const int breite = c.textExtent(zahl).width, links = n < 12 ? ci(1.6 * fh) : 0;
        const Nummernstelle stelle =
            n == 0 ? Nummernstelle{}
                   : nummerStelle(s, Ls, t, grenze - fh, gesetzt, [&](const HabermelPunkt& p) {
                         const double x = ci(x0 + p.x) - links, y = ci(y0 - p.y);
                         return Kasten{x, y, x + breite, y + fh, 0.3 * fh};
                     }, n < 12 ? -1 : 1);
        c.setPenWidth(s.Schalter.Linienstaerke + (voll ? 1 : 0));
        for (const auto& stueck : kurvenStuecke(s, Ls, t, grenze))
            for (std::size_t i = 0; i < stueck.size(); ++i) {
                const int X2 = ci(x0 + stueck[i].p.x), Y2 = ci(y0 - stueck[i].p.y);
                if (i == 0)
                    c.moveTo(X2, Y2);
                else
                    c.lineTo(X2, Y2);
                if (stueck[i].lam >= 0 && stueck[i].lam == stelle.lam) {
                    c.setFontColor(s.Farben[1]);
                    c.textOut(X2 - links + ci(stelle.dx), Y2, zahl);
                    c.moveTo(X2, Y2);
                }
            }
    });
    // The template's caption, written last: it ends left of the disc's outer ring (its signs
    // stand on the ring) and of the hour numbers that a small disc hangs out beside it.
    c.setFontColor(schablonenFarbe);
    const std::string schablone = habermelSchablonenText(s, L);
    const int breite = c.textExtent(schablone).width;
    double ende = std::min(double(ci(X - 2 * f) + breite), linksVomKreis(x0, y0, Ro + 3, Y, Y + fh) - 0.3 * fh);
    for (const Kasten& z : gesetzt)
        if (z.y0 < Y + fh && z.y1 > Y && z.x0 < ende + 0.3 * fh)
            ende = std::min(ende, z.x0 - 0.3 * fh);
    c.textOut(std::max(m, ci(ende) - breite), Y, schablone);
    return abgeschnitten(s, L) ? Konstruktionsmeldungen{{PromptTitle::Warnung, PromptIcon::Warning, schnittMeldung(s, L)}}
                               : Konstruktionsmeldungen{};
}

} // namespace

void habermel2Plot(const AppState& s, HPGLDatei& datei, bool alsHPGL, double L)
{
    const int k = hpglFaktor(alsHPGL);
    const double f = 40.0 * k;
    L = habermelGnomon(L);
    const double Ls = f * L;
    auto w = [&](const std::string& t) { HPGLZeile(datei, t); };
    auto label = [&](double x, double y, const std::string& t) {
        w(";PU " + z(x) + " " + z(y) + ";" + hpglLabel(t));
    };
    const double cx = rd(16400.0 * k / 2), cy = rd(11480.0 * k / 2);
    // The disc stands at 0.6 of the sheet's width; a printer's margin has no place in a plot.
    const double x0 = rd(0.6 * 16400.0 * k), y0 = 11480.0 * k / 2;
    const double g = 160.0 * k;
    // The outermost circle (Ro + 20 k) has the diameter entered.
    const double Ro = rd(s.Par.HabermelDurchmesser * f / 2 - 20.0 * k);
    const double grenze = abgeschnitten(s, L) ? Ro - 2 * g : 1e18;

    w(hpglPrologMitRahmen(16157 * k, 11038 * k));
    w(";SP 4;PU 0 0;");
    w(";PU;" + hpglZeichengroesse(0.18 * k, 0.27 * k));
    w(";PU;SP 4;" + hpglZeichengroesse(0.27 * k, 0.4 * k));
    const double xt = 16400.0 * k / 10, yt = 0.92 * 11480.0 * k;
    label(xt, yt, OhneUmlaute(sprache(s, "vertikale Habermel-Sonnenuhr II", "Vertical Altitude Dial (Habermel II)")));
    w(";" + hpglZeichengroesse(0.18 * k, 0.27 * k));
    label(xt, yt - 200 * k, habermelZeitsystem(s, false));
    label(xt, yt - 520 * k,
          sprache(s, "Durchmesser =", "Diameter =") + RealStr(s.Par.HabermelDurchmesser, 6, 1) + " mm");
    label(xt, yt - 360 * k, habermelSchablonenText(s, L));
    label(xt, yt - 700 * k, OhneUmlaute(breitenText(s)));
    w(";" + hpglZeichengroesse(0.666 * 0.32 * k, 0.32 * k) + ";SA");
    const double xL = rd(cx / 10), yL = rd(1.6 * cy);
    for (int i = 1; i <= 12; ++i)
        label(xL, rd(yL - (540.0 * i - 180) * k), zodiakSymbol(i));
    w(";SS");
    for (int i = 1; i <= 12; ++i) {
        label(xL + 200 * k, rd(yL - (540.0 * i - 180) * k), "= " + std::string(tierkreisName(s, i)));
        label(xL + 350 * k, rd(yL - 540.0 * i * k),
              "  (" + std::string(DatumsTage[static_cast<std::size_t>(i - 1)]) +
                  std::string(monatKurz(s, zodiakMonat(i))) + " -)");
    }

    w(";SA");
    // The hour numbers keep clear of the ring's signs (a sign's cell taken as a number's).
    std::vector<Kasten> gesetzt;
    for (int beta = 1; beta <= 360; ++beta) {
        const double b = beta * kRad;
        if (beta % 30 == 15) {
            const double r = Ro - g - 1, ax = x0 + r * std::sin(b), ay = y0 + r * std::cos(b);
            w(";PU " + feld(ax, 5) + " " + feld(ay, 5) + ";DI " +
              RealStr(127 * std::cos(kRad * 180 - b), 6, 1) + "," + RealStr(127 * std::sin(kRad * 180 - b), 6, 1) +
              ";" + hpglLabel(zodiakSymbol(ringZeichen(beta))));
            const double a = kRad * 180 - b, wz = 128.0 * k, hz = 140.0 * k;
            const double ex[] = {0, wz * std::cos(a), wz * std::cos(a) - hz * std::sin(a), -hz * std::sin(a)};
            const double ey[] = {0, wz * std::sin(a), wz * std::sin(a) + hz * std::cos(a), hz * std::cos(a)};
            gesetzt.push_back({ax + *std::min_element(ex, ex + 4), ay + *std::min_element(ey, ey + 4),
                               ax + *std::max_element(ex, ex + 4), ay + *std::max_element(ey, ey + 4)});
        }
        if (beta % 10 == 0 && beta % 30 != 0) {
            const double ra = Ro - 2 * g - 1, ri = rd(0.2 * Ro);
            w(";SP 8;PU " + z(x0 + ra * std::sin(b)) + " " + z(y0 - ra * std::cos(b)) + ";PD " +
              z(x0 + ri * std::sin(b)) + " " + z(y0 - ri * std::cos(b)));
        }
        const double ri = tickInnen(beta, Ro, g);
        w(";SP 6;PU " + z(x0 + (Ro - 1) * std::sin(b)) + " " + z(y0 - (Ro - 1) * std::cos(b)) + ";PD " +
          z(x0 + ri * std::sin(b)) + " " + z(y0 - ri * std::cos(b)));
    }
    w(";DI 100,0;SS;PU " + z(x0) + " " + z(y0));
    w(";CI " + z(Ro + 20 * k) + ",0.2");
    w(";CI " + z(Ro) + ",0.2");
    w(";CI " + z(Ro - 2 * g) + ",0.2");

    const double X = x0 - Ro - 14 * f, Y = y0 - Ro + 7 * f;
    w(";IW 0 0 " + z(16157.0 * k) + " " + z(11038.0 * k));
    w(";PU " + z(x0) + " " + z(y0) + ";CI " + z(Ro) + " ,0.2");
    w(";PU " + z(x0) + " " + z(y0 + Ro) + ";PD " + z(x0) + " " + z(y0 - Ro));
    w(";PU " + z(x0 + 5 * f) + " " + z(y0) + ";PD " + z(x0 - 5 * f) + " " + z(y0));
    w(";PU " + z(X - 80 * k) + " " + z(Y) + ";PD " + z(X + 80 * k) + " " + z(Y) + ";PU " + z(X) + " " + z(Y) +
      ";PD " + z(X) + " " + z(Y + Ls) + " " + z(X - 80 * k) + " " + z(Y + Ls - 80 * k) + " " + z(X + 80 * k) + " " +
      z(Y + Ls - 80 * k) + " " + z(X) + " " + z(Y + Ls));
    // Its caption ends left of the outer ring (letters 128 units a character at this size).
    const std::string schablone = habermelSchablonenText(s, L);
    const double breite = 128.0 * k * static_cast<double>(schablone.size());
    const double xRing = linksVomKreis(x0, y0, Ro + 20 * k, Y - 200 * k, Y - 200 * k + 128 * k) - 40 * k;
    const double xSchablone = std::max(0.0, std::min(X + 80 * k, xRing - breite));
    w(";SS;PU " + z(xSchablone) + " " + z(Y - 200 * k) + ";" + hpglLabel(schablone));
    gesetzt.push_back({xSchablone, Y - 200 * k, xSchablone + breite, Y - 200 * k + 140 * k});
    w(";" + hpglZeichengroesse(0.666 * 0.32 * k, 0.32 * k));

    jedeStunde(s, [&](double t, int n, bool voll) {
        w(voll ? ";SP 2;" : ";SP 3;");
        // Letters 0.32 cm high, 1.5 letter widths (0.666 of the height) apart.
        const double o = n < 12 ? 256.0 * k : -80.0 * k;
        const std::string zahl = std::to_string(mod12(n));
        const double breite = zahl.size() * 128.0 * k;
        const Nummernstelle stelle =
            n == 0 ? Nummernstelle{}
                   : nummerStelle(s, Ls, t, grenze - 140.0 * k, gesetzt, [&](const HabermelPunkt& p) {
                         const double x = x0 + p.x - o, y = y0 + p.y;
                         return Kasten{x, y, x + breite, y + 140.0 * k, 130.0 * k};
                     }, n < 12 ? -1 : 1);
        for (const auto& stueck : kurvenStuecke(s, Ls, t, grenze))
            for (std::size_t i = 0; i < stueck.size(); ++i) {
                const HabermelPunkt& p = stueck[i].p;
                const std::string xy = feld(x0 + p.x, 6) + " " + feld(y0 + p.y, 6);
                w(i == 0 ? ";PU " + xy + ";PD " : xy + " ");
                if (stueck[i].lam >= 0 && stueck[i].lam == stelle.lam) {
                    w(";PU " + z(x0 + p.x - o + stelle.dx) + " " + z(y0 + p.y) + ";" + hpglLabel(zahl) +
                      ";PU " + xy + ";PD ");
                }
            }
    });
    w(std::string(hpglEpilogFensterZurueck));
}

Konstruktionsmeldungen zeichneHabermel2(const AppState& s, const HabermelZiel& ziel, double L)
{
    if (auto nein = habermel2Verweigerung(s))
        return {Konstruktionsmeldung{PromptTitle::Fehler, PromptIcon::Warning, *nein}};
    L = habermelGnomon(L);
    if (ziel.canvas && !ziel.plot)
        return canvasDial(s, ziel, L);
    if (ziel.plot)
        habermel2Plot(s, *ziel.plot, ziel.alsHPGL, L);
    return abgeschnitten(s, L) ? Konstruktionsmeldungen{{PromptTitle::Warnung, PromptIcon::Warning, schnittMeldung(s, L)}}
                               : Konstruktionsmeldungen{};
}

} // namespace umbrin
