// The Gunter quadrant on a canvas: the declination circles by the stereographic law, a
// noon-altitude calendar, a declination scale on the vertical edge, hour curves, azimuth
// lines, the ecliptic and the horizon.
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "dials/TextGedreht.h"
#include "dials/quadrant/QuadrantBlatt.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace umbrin {
namespace {

constexpr double kRad = static_cast<double>(rad);
constexpr Farbe kGruen = 0x008000;

int rund(double v) { return quadrantPixel(v); }
// Two numbers on one line less than a blank apart read as one: a number keeps this much (text
// heights, a blank and a little more) clear of the numbers written along its circle.
constexpr double kLeer = 0.36;
double sinG(double x) { return std::sin(x * kRad); }
double cosG(double x) { return std::cos(x * kRad); }
double tanG(double x) { return std::tan(x * kRad); }

// The dial of a southern latitude is the northern dial of |phi| with the seasons turned: its
// declinations are taken with the hemisphere's sign (hs), so that +eps is the local summer
// solstice, the noon sun stands towards the equator and azimuths count from there.
struct Gunter {
    QuadrantBlatt& b;
    double eps, phi, Rg, K;
    double hs; // +1 north, -1 south
    int fh;
    int L; // tick unit of the ecliptic and horizon scales
    // The hour numbers and month names written: their radii from and to and their angles from
    // and to.
    struct Zahl {
        double r0, r1, a0, a1;
    };
    std::vector<Zahl> zahlen;
    // The scales' numbers written: the top-left corner (from the apex), the direction they read
    // in and their length; their letters hang a text height to the right of it.
    struct Schild {
        double x, y, ex, ey, laenge;
    };
    std::vector<Schild> schilder;

    CanvasPoint apex(double x, double y) const { return {b.X0 + rund(x), b.Y0 + rund(y)}; }
    void strich(CanvasPoint p, CanvasPoint q)
    {
        b.c.moveTo(p.x, p.y);
        b.c.lineTo(q.x, q.y);
    }
    void gedreht(CanvasPoint p, const std::string& t, double winkel, int hoehe)
    {
        TextOutGedreht(b.c, p.x, p.y, t, 400, hoehe, rund(winkel));
    }
};

void legende(Gunter& g)
{
    QuadrantBlatt& b = g.b;
    b.c.setFontColor(b.s.Farben[3]);
    b.c.setFontName("Arial");
    b.c.setFontHeight(g.fh);
    const int xS = rund(2 * b.u + b.mx);
    const int xT = xS + 2 * b.c.textExtent("m").width;
    double y0 = rund(b.my + 10.0);
    // Below the line of the temporal hours: the first sign's letters start (0.15 of a letter
    // below the line's top) where that line's letters end (1.02 of its letter below its top).
    if (b.s.Schalter.TemporalAnzeige)
        y0 = std::max(y0, std::ceil(b.temporalZeile() + 1.02 * b.FH - 0.15 * g.fh - 1.3 * g.fh * 1.3));
    for (int j = 1; j <= 12; ++j) {
        const int y = rund(y0 + 1.3 * g.fh * (2 * j - 0.7));
        b.c.setFontName("Wingdings");
        b.text(xS, y, zodiakSymbol(j));
        b.c.setFontName("Arial");
        b.text(xT, y, "= " + std::string(tierkreisName(b.s, j)));
        b.text(xT, rund(y0 + 1.3 * g.fh * 2 * j),
               "  (" + std::string(DatumsTage[static_cast<std::size_t>(j - 1)])
                   + std::string(monatKurz(b.s, zodiakMonat(j))) + " -)");
    }
}

void baender(Gunter& g)
{
    QuadrantBlatt& b = g.b;
    const CanvasBrush vorher = b.c.brush();
    b.c.setBrush({b.s.Farben[11], BrushStyle::Solid});
    b.c.fillRect(rund(b.X0 - 8 * b.u + 0.5), b.Y0 + rund(g.K), b.X0, b.Y0 + rund(g.K * tanG(56.75)));
    b.c.fillRect(b.X0 + rund(g.K), rund(b.Y0 - 8 * b.u + 0.5), b.X0 + rund(g.K * tanG(45 + g.eps / 2)), b.Y0);
    b.c.setBrush(vorher);
}

void zeichenkreise(Gunter& g)
{
    QuadrantBlatt& b = g.b;
    const auto& F = b.s.Farben;
    b.c.setFontName("Wingdings");
    b.c.setFontHeight(g.fh);
    int letztesX = -1000000;
    for (int k = 0; k <= 9; ++k) {
        const int r = rund(gunterRadius(g.K, b.s.DeklTabelle[static_cast<std::size_t>(2 * k)]));
        b.c.setPenColor(k % 3 == 0 ? F[5] : F[7]);
        b.viertelbogen(r);
        if (k % 3 != 0)
            continue;
        const int q = k / 3;
        // The first row holds the signs of the local summer's declinations: Aries to Virgo in
        // the north, Libra to Pisces in the south.
        const auto zwei = [&](int x, int nord, int sued) {
            // In a band narrower than two letters (the solstice's on a small screen) the
            // letters of its far edge step right past those of its near edge, with a little air.
            const int breite = b.c.textExtent(zodiakSymbol(nord)).width + 1 + rund(0.1 * g.fh);
            if (std::abs(x - letztesX) < breite)
                x = letztesX + breite;
            letztesX = x;
            b.c.setFontColor(F[1]);
            b.text(x, b.Y0 - g.fh, zodiakSymbol(g.hs > 0 ? nord : sued));
            b.c.setFontColor(F[9]);
            b.text(x, b.Y0 - rund(1.85 * g.fh), zodiakSymbol(g.hs > 0 ? sued : nord));
        };
        // The stereographic circles always have +eps outside: right of circle k lies the band
        // towards the solstice, left of it the band towards the equinox.
        if (k > 0)
            zwei(b.X0 + r + rund(0.1 * g.fh), 4 - q, 10 - q);
        if (k < 9)
            zwei(b.X0 + r - rund(1.1 * b.FH), q + 4, q + 10);
    }
    // The ring beyond the outer circle.
    b.viertelring(g.Rg, rund(g.K * tanG((90 + g.eps) / 2) + 1.1 * b.FH), F[10]);
    b.c.setPenColor(F[0]);
    b.viertelbogen(rund(g.K * tanG((90 + g.eps) / 2) + 1.1 * b.FH));
    b.c.setPenColor(FarbeSchwarz);
    b.c.setFontColor(FarbeSchwarz);
    b.c.setFontName("Arial");
}

void deklinationsskala(Gunter& g)
{
    QuadrantBlatt& b = g.b;
    b.c.setFontHeight(b.FH);
    for (int k = 0; k <= 47; ++k) {
        const double d = k == 47 ? g.eps : k / 2.0;
        const int r = rund(g.K * tanG((90 + d) / 2));
        const int laenge = k % 10 == 0 ? 5 : k % 2 == 0 ? 3 : 2;
        g.strich({b.X0, b.Y0 + r}, {rund(b.X0 - laenge * b.u), b.Y0 + r});
        if (k % 20 == 0)
            b.text(rund(b.X0 - 7 * b.u), b.Y0 + r - rund(0.5 * b.FH), IntStr(k / 2));
    }
}

void mittagskalender(Gunter& g)
{
    QuadrantBlatt& b = g.b;
    const double u = b.u;
    const double R1 = g.K - 10 * u, R2 = g.K - 12.5 * u, R3 = g.K - 15 * u;
    const double A1 = 90 - g.phi - g.eps - 0.05, A2 = 90 - g.phi + g.eps + 0.05;
    for (const double R : {R1, R2, R3}) {
        const int r = rund(R);
        const CanvasPoint p = b.punkt(R, A1), q = b.punkt(R, A2);
        b.c.arc(b.X0 - r, b.Y0 - r, b.X0 + r, b.Y0 + r, p.x, p.y, q.x, q.y);
    }
    g.strich(b.punkt(1.01 * R1, A1 + 0.05), b.punkt(0.995 * R3, A1 + 0.05));
    g.strich(b.punkt(R1, A2 - 0.05), b.punkt(0.99 * R3, A2 - 0.05));
    const int J = b.s.Par.Jahr;
    const int T21 = TagImJahr(J, 6, 21), D21 = TagImJahr(J, 12, 21);
    const int hoehe = rund(0.8 * b.FH);
    b.c.setFontHeight(hoehe);
    // Where the noon altitudes of two months lie closer than a name is long (near the solstices,
    // on a small quadrant), the later name stands a line further from the band.
    double vorig[2] = {1000, 1000};
    bool gestuft[2] = {false, false};
    for (int m = 1; m <= 12; ++m)
        for (const int d : {1, 11, 21}) {
            const int tag = TagImJahr(J, m, d);
            double dekl = 0, zgl = 0;
            SonnenPosition(J, dekl, zgl, tag);
            const double A = 90 - g.phi + g.hs * dekl;
            // The ticks of the half year from the local summer to the winter point inwards: 22
            // June to 21 December in the north, the other half in the south.
            const double sg = ((tag > T21 && tag <= D21) ? 1 : -1) * g.hs;
            const double ende = R2 - (d == 1 ? 5 : 2.51) * sg * u;
            g.strich(b.punkt(R2, A), b.punkt(ende, A));
            if (d != 1)
                continue;
            const double winkel = sg > 0 ? A - 3 : A + 0.5;
            const std::string name(monatKurz(b.s, m));
            const int seite = sg > 0 ? 1 : 0;
            double rl = ende - 0.6 * b.FH;
            const bool nah = std::fabs(winkel - vorig[seite]) * kRad * rl < 0.9 * b.c.textExtent(name).width;
            gestuft[seite] = nah && !gestuft[seite];
            if (gestuft[seite])
                rl -= sg * 1.1 * hoehe;
            vorig[seite] = winkel;
            g.gedreht(b.punkt(rl, winkel), name, winkel, hoehe);
            g.zahlen.push_back({rl, rl + hoehe, winkel, winkel + b.c.textExtent(name).width / std::max(rl, 1.0) / kRad});
        }
}

// The angular span (as seen from the apex) of the part of a scale's number at the outer end of
// its tick from (x, y), outward from a circle about (cx, 0), that lies in the ring between the
// radii r0 and r1, if any. The number reads outward along the tick, its digits (after the
// leading blank) on the side the text turned with it hangs down to; points on a grid over their
// ink stand for the whole.
void belegeWinkel(const Gunter& g, double cx, double x, double y, double tick, int zahl, double r0, double r1,
                  std::vector<std::pair<double, double>>& belegt)
{
    const QuadrantBlatt& b = g.b;
    const double n = std::hypot(x - cx, y);
    if (n <= 0)
        return;
    const double ex = (x - cx) / n, ey = y / n;
    const double qx = x + tick * ex, qy = y + tick * ey;
    // A digit's ink is about 0.48 of the font height wide, a blank's 0.24; the digits reach from
    // 0.15 to 0.8 of the height down from its top.
    const double von = 0.24 * b.FH, laenge = von + 0.49 * b.FH * IntStr(zahl).size();
    double a0 = 1000, a1 = -1000;
    for (int i = 0; i <= 8; ++i)
        for (const double q : {0.15, 0.5, 0.8}) {
            const double t = von + (laenge - von) * i / 8;
            const double px = qx + t * ex - q * ey * b.FH, py = qy + t * ey + q * ex * b.FH;
            const double r = std::hypot(px, py);
            if (r < r0 || r > r1)
                continue;
            const double a = std::atan2(px, py) / kRad;
            a0 = std::min(a0, a);
            a1 = std::max(a1, a);
        }
    if (a0 <= a1)
        belegt.push_back({a0, a1});
}

// The angular spans of the scales' numbers that reach into the ring between r0 and r1: the
// degree scale's (the ring of a small screen is narrower than their height), the ecliptic's and
// the horizon's.
std::vector<std::pair<double, double>> skalenWinkel(const Gunter& g, double r0, double r1)
{
    const QuadrantBlatt& b = g.b;
    std::vector<std::pair<double, double>> belegt;
    const double rl = b.S - 1 - 5 * b.u - b.FH - 2;
    if (rl < r1 && rl + 0.85 * b.FH > r0)
        for (int k = 10; k <= 80; k += 10)
            belegt.push_back({k - 1.0, k - 1 + 2 * 0.55 * 0.85 * b.FH / rl / kRad});
    const double ce = g.K * tanG(g.eps), rhoE = g.K / cosG(g.eps);
    for (int lambda = 15; lambda <= 90; lambda += 15) {
        const double d = std::asin(sinG(lambda) * sinG(g.eps)) / kRad;
        double x = 0, y = 0;
        Kreisschnitt(x, y, g.K * tanG(45 + d / 2), ce, rhoE);
        belegeWinkel(g, ce, x, y, g.L / 6.0, lambda, r0, r1, belegt);
    }
    const double sp = sinG(g.phi), tp = tanG(g.phi);
    if (std::fabs(sp) < 1e-9 || std::fabs(std::cos(g.phi * kRad)) < 1e-9)
        return belegt;
    const double ch = g.K / tp, rhoH = std::fabs(g.K / sp);
    const double Amax = gunterAmax(g.phi, g.eps);
    for (int A = 100; A <= rund(Amax - 0.5); A += 10) {
        const double d = gunterAzimutHorizontDekl(A, g.phi);
        double x = 0, y = 0;
        Kreisschnitt(x, y, g.K * tanG(45 + d / 2), ch, rhoH);
        belegeWinkel(g, ch, x, y, g.L / 6.0, A - 90, r0, r1, belegt);
    }
    return belegt;
}

// The angular spans of the labels that stand in the ring just outside the summer circle,
// where the afternoon's hour numbers stand: the degree scale's numbers, when the ring is
// narrower than their height (a small screen), the ecliptic scale's numbers near its
// touching point and the horizon scale's where the horizon meets the summer circle.
std::vector<std::pair<double, double>> belegteWinkel(const Gunter& g)
{
    const QuadrantBlatt& b = g.b;
    const double rS = gunterRadius(g.K, g.eps), rAussen = rS + 0.95 * b.FH;
    return skalenWinkel(g, rS, rAussen);
}

// The spans widened by luft either side.
std::vector<std::pair<double, double>> erweitert(std::vector<std::pair<double, double>> spannen, double luft)
{
    for (auto& [a0, a1] : spannen)
        a0 -= luft, a1 += luft;
    return spannen;
}

// Whether a number spanning [winkel, winkel + breite] meets none of the spans taken.
bool winkelFrei(const std::vector<std::pair<double, double>>& belegt, double winkel, double breite)
{
    return std::none_of(belegt.begin(), belegt.end(), [&](const auto& b) { return winkel + breite > b.first && winkel < b.second; });
}

// The step that moves a number spanning [winkel, winkel + breite] on its circle clear of the
// spans taken, to the nearer side of each, within the quadrant. Where two spans lie closer
// than the number is wide it would go to and fro between them: it then goes to the nearest
// place beside a span that is clear of all, within three widths of the number.
double schrittFrei(const std::vector<std::pair<double, double>>& belegt, double winkel, double breite)
{
    const auto frei = [&](double w) { return winkelFrei(belegt, w, breite); };
    double schritt = 0;
    for (int runde = 0; runde < 3; ++runde)
        for (const auto& [a0, a1] : belegt) {
            const double w = winkel + schritt;
            if (w + breite <= a0 || w >= a1)
                continue;
            const double vor = a0 - breite - w, nach = a1 - w;
            schritt += (std::fabs(vor) < std::fabs(nach) && w + vor >= 0) || w + nach + breite > 90 ? vor : nach;
        }
    if (frei(winkel + schritt))
        return schritt;
    double naechster = schritt, abstand = 3 * breite;
    for (const auto& [a0, a1] : belegt)
        for (const double w : {a0 - breite, a1})
            if (w >= 0 && w + breite <= 90 && std::fabs(w - winkel) <= abstand && frei(w))
                naechster = w - winkel, abstand = std::fabs(w - winkel);
    return naechster;
}

// The step to the nearest place within the quadrant and within `hoechstens` of the number
// where a number spanning [winkel, winkel + breite] meets none of the spans taken: none, or
// just beside a span.
std::optional<double> naechsterFreierSchritt(const std::vector<std::pair<double, double>>& belegt, double winkel, double breite,
                                             double hoechstens)
{
    if (winkelFrei(belegt, winkel, breite))
        return 0.0;
    std::optional<double> naechster;
    for (const auto& [a0, a1] : belegt)
        for (const double w : {a0 - breite, a1})
            if (w >= 0 && w + breite <= 90 && std::fabs(w - winkel) <= hoechstens && winkelFrei(belegt, w, breite)
                && (!naechster || std::fabs(w - winkel) < std::fabs(*naechster)))
                naechster = w - winkel;
    return naechster;
}

void stundenkurven(Gunter& g)
{
    QuadrantBlatt& b = g.b;
    const AppState& s = b.s;
    const auto& F = s.Farben;
    b.c.setFontName("Arial");
    // The numbers stand across the radius at the circle's end of their lines. Near noon the
    // lines meet the circle closer than a number is high: a number then steps along the circle
    // past the previous one of its circle. An afternoon number keeps clear of the scales'
    // numbers in its ring, which stand first, and of the afternoon numbers before it: the span
    // of its digits (after the leading blank) with a little air either side, or where there is
    // no such place that of their ink alone, within two and a quarter text heights of its line.
    // Where there is no such place a number is left out when the morning hour sharing its line
    // has its number at the equator, else it takes the nearest clear place further off, or where
    // there is none it steps past the previous one. Noon's number there stands first where its
    // own place is clear, else it comes last, in a place the others leave: the morning's noon
    // number at the equator names that line too. Numbers of one row keep a blank (kLeer) clear
    // of one another, lest two read as one.
    double vorigerWinkel[2] = {1000, 1000};
    const std::vector<std::pair<double, double>> fest = belegteWinkel(g);
    std::vector<std::pair<double, double>> nachmittag; // the spans of the afternoon's numbers
    // The spans an afternoon number keeps clear of, with luft of its own either side.
    const auto belegtMit = [&](double luft, double e) {
        std::vector<std::pair<double, double>> v = fest;
        for (const auto& z : erweitert(nachmittag, std::max(kLeer * e - luft, 0.0)))
            v.push_back(z);
        return v;
    };
    std::vector<int> morgens; // the morning hours numbered
    std::vector<std::pair<double, double>> vormittag; // and the spans of their numbers
    const int mittag = quadrantMittag(b.z.temporal);
    struct {
        bool da = false, jetzt = false;
        double r = 0, winkel = 0, drehung = 0;
    } mittagsZahl;
    // An afternoon number's place just inside the summer circle (of a number at radius r
    // outside it) where its digits, a blank either side, meet no number there, within the
    // quadrant and two text heights of its line: the radius and the step.
    const auto innerhalb = [&](double r, double winkel, double ziffern, int hoehe) -> std::optional<std::pair<double, double>> {
        const double ri = r - 0.02 * b.FH - hoehe, e = hoehe / std::max(ri, 1.0) / kRad;
        std::vector<std::pair<double, double>> belegt = skalenWinkel(g, ri, ri + hoehe);
        for (const Gunter::Zahl& z : g.zahlen)
            if (z.r0 < ri + hoehe && z.r1 > ri)
                belegt.push_back({z.a0 - kLeer * e, z.a1 + kLeer * e});
        const double ab = std::max(winkel, 0.0), von = 0.24 * e, breite = 0.49 * ziffern * e + 2 * 0.1 * e;
        const std::optional<double> schritt = naechsterFreierSchritt(belegt, ab + von - 0.1 * e, breite, 2 * e);
        if (!schritt)
            return std::nullopt;
        return std::pair{ri, ab - winkel + *schritt};
    };
    const auto stundenZahl = [&](int reihe, double r, double winkel, double drehung, int stunde) {
        const int hoehe = rund(0.8 * b.FH);
        const std::string text = " " + IntStr(stunde);
        const double e = hoehe / std::max(r, 1.0) / kRad; // degrees of one text height
        if (reihe == 0 && stunde == mittag && !mittagsZahl.jetzt
            && !winkelFrei(belegtMit(0.15 * e, e), winkel + 0.1 * e, (0.3 + 0.56 * double(text.size() - 1)) * e)) {
            mittagsZahl = {true, false, r, winkel, drehung};
            return;
        }
        const double ziffern = double(text.size() - 1);
        double schritt = 0, von = 0.25 * e, bis = (0.3 + 0.56 * ziffern) * e, luft = 0.15 * e;
        const auto platz = [&] {
            const std::vector<std::pair<double, double>> belegt = belegtMit(luft, e);
            schritt = schrittFrei(belegt, winkel + von - luft, bis - von + 2 * luft);
            return std::fabs(schritt) <= 2.25 * e && winkelFrei(belegt, winkel + schritt + von - luft, bis - von + 2 * luft);
        };
        // Past the previous number of the row by the width of the digits and a blank.
        const double vorbei = bis - von + kLeer * e;
        if (reihe == 0) {
            bool frei = platz();
            if (!frei) { // the digits' ink alone, with less air
                von = 0.24 * e, bis = (0.24 + 0.49 * ziffern) * e, luft = 0.1 * e;
                frei = platz();
            }
            if (!frei) {
                if (std::count(morgens.begin(), morgens.end(), 2 * mittag - stunde))
                    return;
                // The nearest clear place further off, else past the previous one, clear of the
                // others there where it can be, else just inside the summer circle where that is
                // clear, else clear of the scales' numbers.
                const std::vector<std::pair<double, double>> belegt = belegtMit(luft, e);
                if (const std::optional<double> weiter = naechsterFreierSchritt(belegt, winkel + von - luft, bis - von + 2 * luft, 5 * e)) {
                    schritt = *weiter;
                } else {
                    const double vorig = vorigerWinkel[0];
                    schritt = quadrantSchrittVorbei(vorigerWinkel[0], winkel, vorbei);
                    const double w = winkel + schritt + von - luft, breite = bis - von + 2 * luft;
                    const double alle = schrittFrei(belegt, w, breite);
                    if (winkelFrei(belegt, w + alle, breite)) {
                        schritt += alle;
                    } else if (const std::optional<std::pair<double, double>> innen = innerhalb(r, winkel, ziffern, hoehe)) {
                        std::tie(r, schritt) = *innen;
                        const double ei = hoehe / std::max(r, 1.0) / kRad;
                        von = 0.24 * ei, bis = (0.24 + 0.49 * ziffern) * ei;
                        vorigerWinkel[0] = vorig;
                        g.zahlen.push_back({r, r + hoehe, winkel + schritt + von, winkel + schritt + bis});
                        g.gedreht(b.punkt(r, winkel + schritt), text, drehung + schritt, hoehe);
                        return;
                    } else {
                        schritt += schrittFrei(fest, w, breite);
                    }
                }
            }
            vorigerWinkel[0] = winkel + schritt;
            nachmittag.push_back({winkel + schritt + von, winkel + schritt + bis});
        } else {
            // Past the previous one, and a blank clear of all the morning's numbers before it
            // and clear of the month names in its ring.
            std::vector<std::pair<double, double>> genommen = erweitert(vormittag, kLeer * e);
            for (const Gunter::Zahl& z : g.zahlen)
                if (z.r0 < r + hoehe && z.r1 > r)
                    genommen.push_back({z.a0, z.a1});
            schritt = quadrantSchrittVorbei(vorigerWinkel[1], winkel, vorbei);
            if (!winkelFrei(genommen, winkel + schritt + von, bis - von)) {
                schritt = schrittFrei(genommen, winkel + von, bis - von);
                vorigerWinkel[1] = winkel + schritt;
            }
            vormittag.push_back({winkel + schritt + von, winkel + schritt + bis});
            morgens.push_back(stunde);
        }
        g.zahlen.push_back({r, r + hoehe, winkel + schritt + von, winkel + schritt + bis});
        g.gedreht(b.punkt(r, winkel + schritt), text, drehung + schritt, hoehe);
    };
    for (const QuadrantStundenwert& w : quadrantStundenwerte(b.z)) {
        const bool voll = w.i == 0;
        bool hatVorigen = false;
        CanvasPoint vorher;
        for (int k = 24; k >= -24; --k) {
            double d = k == 24 ? g.eps : k == -24 ? -g.eps : k;
            const Farbe farbe = !voll ? F[3] : d >= 0 ? F[1] : F[2];
            b.c.setPenColor(farbe);
            b.c.setFontColor(farbe);
            const double tau = quadrantStundenwinkel(s, w.t, g.hs * d, b.z.temporal);
            const double dh = gunterHorizontDekl(tau, g.phi);
            if (d <= dh) {
                // A line ends on the horizon, but not beyond the solstice, where the
                // sun never stands at that hour.
                if (dh - d >= 1 || dh + 0.02 > g.eps)
                    continue;
                d = dh + 0.02;
            }
            const double a = quadrantHoehe(g.phi, d, tau);
            const double r = gunterRadius(g.K, d);
            const CanvasPoint p = b.punkt(r, a);
            // The afternoon's numbers at the summer circle, the morning's at the equator.
            if (voll && p.x > b.X0) {
                if (k == 24 && w.h >= mittag) {
                    b.c.setFontColor(F[1]);
                    stundenZahl(0, r + 0.01 * b.FH, a - 0.6, a, w.h);
                }
                if (k == 0 && w.h <= mittag) {
                    b.c.setFontColor(F[2]);
                    stundenZahl(1, r - 1.2 * b.FH, a - 1, a, w.h);
                }
            }
            const bool innen = p.x >= b.X0 - 2 && p.y >= b.Y0 - 2;
            if (a > -2 && innen && hatVorigen)
                g.strich(vorher, p);
            vorher = p;
            hatVorigen = innen;
        }
    }
    if (mittagsZahl.da) {
        mittagsZahl.jetzt = true;
        b.c.setFontColor(F[1]);
        stundenZahl(0, mittagsZahl.r, mittagsZahl.winkel, mittagsZahl.drehung, mittag);
    }
}

// Lines of equal azimuth, each point at the altitude angle of the sun at that azimuth and
// declination, like the hour curves.
void azimutlinien(Gunter& g)
{
    QuadrantBlatt& b = g.b;
    const auto& F = b.s.Farben;
    const double Amax = gunterAmax(g.phi, g.eps);
    b.c.setFontColor(kGruen);
    const int anzahl = rund(Amax) / 10;
    // Near the zenith the lines cross the equator circle closer than a number is long: a
    // number then steps along the circle past the previous one and a blank.
    double vorigerWinkel = 1000;
    for (int n = 0; n <= anzahl; ++n) {
        const double A = 10.0 * n;
        bool hatVorigen = false;
        CanvasPoint vorher;
        for (int i = 0; i <= 94; ++i) {
            const double d = gunterAzimutlinienDekl(i, A, g.phi, g.eps);
            double h = 0;
            if (!gunterAzimutHoehe(g.phi, A, d, h))
                return;
            b.c.setPenColor(d >= 0 ? F[4] : F[6]);
            const double r = gunterRadius(g.K, d);
            const CanvasPoint p = b.punkt(r, h);
            const bool innen = p.x >= b.X0 - 2 && p.y >= b.Y0 - 2;
            if (h >= 0 && innen && hatVorigen)
                g.strich(vorher, p);
            // Just outside the equator circle: the hour numbers of the morning stand inside it.
            if (i == 47 && n % 2 == 0) {
                const int hoehe = rund(0.8 * b.FH);
                const double rl = r + 0.2 * b.FH;
                const double ziffern = double(IntStr(10 * n).size());
                const double schritt =
                    quadrantSchrittVorbei(vorigerWinkel, h, (0.2 + kLeer + 0.49 * ziffern) * hoehe / std::max(rl, 1.0) / kRad);
                // Where the horizon crosses the circle, its scale's number for the same
                // azimuth stands there (or the ecliptic's), and where the line ends on the horizon
                // near the summer circle an afternoon hour number may: the line's number then
                // stands just inside the circle, or steps along the circle clear of them, outside
                // or inside; where every such place is taken it is left out.
                const auto belegt = [&](double r0) {
                    std::vector<std::pair<double, double>> v = skalenWinkel(g, r0, r0 + 1.15 * hoehe);
                    for (const Gunter::Zahl& z : g.zahlen)
                        if (z.r0 < r0 + 1.15 * hoehe && z.r1 > r0)
                            v.push_back({z.a0, z.a1});
                    return v;
                };
                const double radien[2] = {rl, r - 0.2 * b.FH - 1.15 * hoehe};
                const std::vector<std::pair<double, double>> genommen[2] = {belegt(radien[0]), belegt(radien[1])};
                for (int versuch = 0; versuch < 4; ++versuch) {
                    const auto& v = genommen[versuch % 2];
                    const double rz = radien[versuch % 2], e = hoehe / std::max(rz, 1.0) / kRad;
                    // The digits' span with a blank either side, lest a number beside it on the
                    // circle read as one with it.
                    const double vorn = (0.14 - kLeer) * e, laenge = (0.2 + 2 * kLeer + 0.49 * ziffern) * e;
                    const double z = schritt + (versuch < 2 ? 0 : schrittFrei(v, h + schritt + vorn, laenge));
                    if (winkelFrei(v, h + z + vorn, laenge)) {
                        g.gedreht(b.punkt(rz, h + z), " " + IntStr(10 * n), h + z, hoehe);
                        g.zahlen.push_back({rz, rz + hoehe, h + z + vorn + kLeer * e, h + z + vorn + laenge - kLeer * e});
                        break;
                    }
                }
            }
            vorher = p;
            hatVorigen = innen;
        }
    }
}

// Whether two labels' digits share a part, or stand less than a blank apart on one line: a grid
// of points over each looked for in the other. The digits follow a leading blank of about a
// quarter of the text height.
bool schilderTreffen(const Gunter::Schild& a, const Gunter::Schild& b, double hoehe)
{
    const double vorn = 0.24 * hoehe, leer = kLeer * hoehe;
    const auto in = [&](const Gunter::Schild& s, double x, double y) {
        const double t = (x - s.x) * s.ex + (y - s.y) * s.ey, q = -(x - s.x) * s.ey + (y - s.y) * s.ex;
        return t > vorn - leer && t < s.laenge + leer && q > 0.15 * hoehe && q < 0.8 * hoehe;
    };
    for (const auto& [u, v] : {std::pair{&a, &b}, {&b, &a}})
        for (int i = 0; i <= 6; ++i)
            for (const double q : {0.2, 0.5, 0.75}) {
                const double t = vorn + (u->laenge - vorn) * i / 6;
                if (in(*v, u->x + t * u->ex - q * hoehe * u->ey, u->y + t * u->ey + q * hoehe * u->ex))
                    return true;
            }
    return false;
}

// A tick of length `laenge` outward from a circle about (cx, 0) at its point (x, y), with a
// label at its outer end when one is given. Where that label would lie on one written before
// (the ecliptic and the horizon all but meet near the polar circle), or within a blank of it on
// its line, it stands inside the circle, ending at the tick's foot, or on the other side of the
// tick's line, outside or inside.
void kreisStrich(Gunter& g, double cx, double x, double y, double laenge, const std::string& text, bool rot)
{
    const double dx = x - cx, dy = y;
    const double n = std::hypot(dx, dy);
    if (n <= 0)
        return;
    const double ex = dx / n, ey = dy / n;
    const CanvasPoint p = g.apex(x, y), q = g.apex(x + laenge * ex, y + laenge * ey);
    g.strich(p, q);
    if (text.empty())
        return;
    const CanvasFont vorher = g.b.c.font();
    if (rot)
        g.b.c.setFontColor(FarbeRot);
    const double breite = g.b.c.textExtent(text).width, fh = g.b.FH;
    // Outside or inside, its letters on the one side of the tick's line or on the other.
    Gunter::Schild schild{};
    for (int versuch = 0; versuch < 4; ++versuch) {
        const double t = versuch % 2 == 0 ? laenge : -breite - 0.1 * fh, q = versuch < 2 ? 0 : -0.9 * fh;
        schild = {x + t * ex - q * ey, y + t * ey + q * ex, ex, ey, breite};
        if (std::none_of(g.schilder.begin(), g.schilder.end(),
                         [&](const Gunter::Schild& s) { return schilderTreffen(s, schild, fh); }))
            break;
        if (versuch == 3)
            schild = {x + laenge * ex, y + laenge * ey, ex, ey, breite};
    }
    g.schilder.push_back(schild);
    g.gedreht(g.apex(schild.x, schild.y), text, std::atan2(-ey, ex) / kRad, g.b.FH);
    g.b.c.setFont(vorher);
}

void ekliptikUndHorizont(Gunter& g)
{
    QuadrantBlatt& b = g.b;
    b.c.setPenColor(b.s.Farben[8]);
    b.c.setFontHeight(b.FH);
    const double ce = g.K * tanG(g.eps), rhoE = g.K / cosG(g.eps);
    std::vector<CanvasPoint> bogen;
    for (int lambda = 0; lambda <= 90; ++lambda) {
        const double d = std::asin(sinG(lambda) * sinG(g.eps)) / kRad;
        double x = 0, y = 0;
        Kreisschnitt(x, y, g.K * tanG(45 + d / 2), ce, rhoE);
        bogen.push_back(g.apex(x, y));
        if (lambda == 0)
            continue;
        const std::string text = lambda % 15 == 0 ? " " + IntStr(lambda) : std::string();
        kreisStrich(g, ce, x, y, lambda % 5 == 0 ? g.L / 6.0 : g.L / 15.0, text, false);
    }
    b.c.polyline(bogen);

    // The horizon: left out where the latitude gives no circle (equator and poles).
    const double sp = sinG(g.phi), tp = tanG(g.phi);
    if (std::fabs(sp) < 1e-9 || std::fabs(std::cos(g.phi * kRad)) < 1e-9)
        return;
    const double ch = g.K / tp, rhoH = std::fabs(g.K / sp);
    const double dEnde = std::min(g.eps, 90 - std::fabs(g.phi));
    bogen.clear();
    for (int i = 0; i <= 60; ++i) {
        const double d = dEnde * i / 60;
        double x = 0, y = 0;
        Kreisschnitt(x, y, g.K * tanG(45 + d / 2), ch, rhoH);
        bogen.push_back(g.apex(x, y));
    }
    b.c.polyline(bogen);
    const double Amax = gunterAmax(g.phi, g.eps);
    for (int A = 91; A <= rund(Amax - 0.5); ++A) {
        const double d = gunterAzimutHorizontDekl(A, g.phi);
        double x = 0, y = 0;
        Kreisschnitt(x, y, g.K * tanG(45 + d / 2), ch, rhoH);
        const std::string text = A % 10 == 0 ? " " + IntStr(A - 90) : std::string();
        kreisStrich(g, ch, x, y, A % 5 == 0 ? g.L / 6.0 : g.L / 15.0, text, true);
    }
}

} // namespace

void zeichneGunterQuadrant(QuadrantBlatt& b)
{
    const AppState& s = b.s;
    Gunter g{b, s.EpsRund, std::fabs(s.Par.Breite), b.S - 13 * b.u, 0, s.Par.Breite < 0 ? -1.0 : 1.0, 0, 0, {}, {}};
    g.K = gunterK(g.Rg, g.eps);
    g.fh = b.bildschirm ? (b.umgebung.GrosserBildschirm ? 15 : 12) : 30;
    if (b.G < 120)
        g.fh = rund(double(b.FH) * b.G / 120);
    g.L = rund(b.S / 30.0) + (b.bildschirm ? 0 : b.umgebung.DruckRandX);
    // The degree scale's numbers, written before, as the scales' numbers are noted (their digits
    // start at the corner, a little less high).
    const double rl = quadrantPixel(b.S - 1 - 5 * b.u - b.FH - 2);
    for (int k = 10; k <= 80; k += 10) {
        const double h = 0.85 * b.FH, vorn = 0.24 * b.FH;
        g.schilder.push_back({rl * sinG(k - 1) - vorn * cosG(k), rl * cosG(k - 1) + vorn * sinG(k), cosG(k), -sinG(k),
                              vorn + 0.49 * h * 2});
    }
    legende(g);
    baender(g);
    zeichenkreise(g);
    deklinationsskala(g);
    mittagskalender(g);
    stundenkurven(g);
    if (s.Schalter.Azimutlinien)
        azimutlinien(g);
    ekliptikUndHorizont(g);
    const int r = rund(b.u);
    b.c.setPenColor(FarbeSchwarz);
    b.c.setBrushStyle(BrushStyle::Clear);
    b.c.ellipse(b.X0 - r, b.Y0 - r, b.X0 + r, b.Y0 + r);
}

} // namespace umbrin
