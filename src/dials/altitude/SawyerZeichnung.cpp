#include "dials/altitude/SawyerZeichnung.h"

#include "core/Rounding.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "dials/altitude/PeaucellierGeometrie.h"
#include "dials/altitude/PeaucellierZeichnung.h"
#include "dials/Clipping.h"
#include "dials/altitude/SawyerBlatt.h"
#include "dials/altitude/SawyerGeometrie.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <string>

namespace umbrin {
namespace {

int rund(double v) { return sawyerPixel(v); }

using Blatt = SawyerBlatt;

int tabellenSchrift(const Blatt& b) { return b.bildschirm ? 16 : 30; }

// A zodiac sign's glyph is about three quarters of its height wide, wider than a measure
// without the symbol face gives it.
int zeichenBreite(const TextExtent& e, int FH) { return std::max(e.width, rund(0.75 * FH)); }

std::string tierkreisDatum(const AppState& s, int k)
{
    const int monat = k == 10 ? 12 : (k + 2) % 12;
    return " (" + std::string(DatumsTage[static_cast<std::size_t>(k - 1)]) + std::string(monatKurz(s, monat)) + " -)";
}

// How far the sign table moves down the left margin, below the dial, where the dial (a wide one
// on a narrow page) reaches into its place and the sheet holds it lower: the dial's lines with
// the gnomon bar above its foot, and the numbers and signs below them. 0 where it stays.
// Calls f for every point of the dial's hour and date lines.
template <class F>
void jederLinienpunkt(const SawyerGeometrie& g, F f)
{
    for (const SawyerStundenlinie& l : g.stunden)
        for (const auto& teil : l.stuecke)
            for (const SawyerPunkt& p : teil)
                f(p);
    for (const SawyerDatumslinie& l : g.datum)
        for (const auto& teil : l.stuecke)
            for (const SawyerPunkt& p : teil)
                f(p);
}

int tabellenVersatz(Blatt& b, const SawyerGeometrie& g, double R, int d)
{
    const int FH = tabellenSchrift(b);
    const int lx = rund(1.5 * FH + b.x0), ly = 5 * FH + b.y0;
    const CanvasFont vorher = b.c.font();
    b.c.setFontName("Arial");
    b.c.setFontHeight(FH);
    b.c.setBold(false);
    int rechts = lx;
    for (int k = 1; k <= 12; ++k)
        rechts = std::max({rechts, rund(lx + 1.7 * FH) + b.c.textExtent("= " + std::string(tierkreisName(b.s, k))).width,
                           rund(lx + 1.7 * FH) + b.c.textExtent(tierkreisDatum(b.s, k)).width});
    b.c.setFont(vorher);
    const int oben = rund(ly + 1.1 * FH * 1.3), unten = rund(ly + 1.1 * FH * 24.2) + FH;
    int hoch = INT_MAX, tief = INT_MIN;
    jederLinienpunkt(g, [&](const SawyerPunkt& p) {
        if (const CanvasPoint q = b.punkt(p); q.x <= rechts) {
            hoch = std::min(hoch, q.y);
            tief = std::max(tief, q.y);
        }
    });
    if (b.fx - rund(R / 2) <= rechts)
        hoch = std::min(hoch, b.fy - 2 * d);
    if (hoch == INT_MAX || hoch > unten || tief + 3 * FH < oben)
        return 0;
    const int versatz = tief + 3 * FH - oben;
    return unten + versatz <= b.y0 + b.hoehe - 3 * d ? versatz : 0;
}

// The zodiac signs, their names and the days the sun enters them, down the left margin, versatz
// lower than their own place. Returns the right and the bottom edge of the table; each text of
// it takes its box in zeilen, and so does the margin above its own place, so that an hour number
// may stand where the table writes nothing (beside a short name).
CanvasPoint zeichneSawyerLegende(Blatt& b, std::vector<std::array<int, 4>>& zeilen, int versatz)
{
    const AppState& s = b.s;
    const int FH = tabellenSchrift(b);
    b.c.setFontColor(s.Farben[3]);
    b.c.setBold(false);
    const int lx = rund(1.5 * FH + b.x0), ly = 5 * FH + b.y0 + versatz;
    CanvasPoint ecke{lx, ly};
    for (int k = 1; k <= 12; ++k) {
        const int y = rund(ly + 1.1 * FH * (2 * k - 0.7));
        b.c.setFontName("Wingdings");
        b.c.setFontHeight(FH);
        const std::string zeichen(1, sawyerSymbol(k));
        b.c.textOut(lx, y, zeichen);
        // Each text takes its box, the sign its glyph's; a name and a date a quarter of the
        // letters' height longer at their end.
        const auto kasten = [&](int x, int oben, const std::string& text, int luft) {
            const TextExtent e = b.c.textExtent(text);
            zeilen.push_back({x, oben, x + e.width + luft, oben + std::max(FH, e.height)});
        };
        const TextExtent glyphe = b.c.textExtent(zeichen);
        kasten(lx, y, zeichen, zeichenBreite(glyphe, FH) - glyphe.width);
        b.c.setFontName("Arial");
        const std::string name = "= " + std::string(tierkreisName(s, k));
        b.c.textOut(rund(lx + 1.7 * FH), y, name);
        const std::string datum = tierkreisDatum(s, k);
        b.c.textOut(rund(lx + 1.7 * FH), rund(ly + 1.1 * FH * (2 * k + 0.2)), datum);
        kasten(rund(lx + 1.7 * FH), y, name, FH / 4);
        kasten(rund(lx + 1.7 * FH), rund(ly + 1.1 * FH * (2 * k + 0.2)), datum, FH / 4);
        ecke.x = std::max({ecke.x, rund(lx + 1.7 * FH) + b.c.textExtent(name).width,
                           rund(lx + 1.7 * FH) + b.c.textExtent(datum).width});
        ecke.y = rund(ly + 1.1 * FH * (2 * k + 0.2)) + FH;
    }
    zeilen.push_back({b.x0, b.y0, ecke.x, rund(ly - versatz + 1.1 * FH * 1.3)});
    return ecke;
}

// The gnomon's length as a bracket in the lower left corner; a bracket that would reach up
// into the sign table (a short screen) stands beside it instead.
// Draws the gnomon's measure and returns the box (left, top, right, bottom) of its caption.
std::array<int, 4> gnomonMasse(Blatt& b, double R, int d, double gnomon, CanvasPoint tabelle)
{
    const int Y = b.y0 + b.hoehe - 3 * d;
    const int r = rund(R);
    const int X = Y - r < tabelle.y ? tabelle.x + d : b.x0 + 20;
    const std::string laenge = std::string(texteText(b.s, 151)) + RealStr(gnomon * b.s.Zoom, 5, 0) + " mm";
    const TextExtent e = b.c.textExtent(laenge);
    const std::array<int, 4> kasten{X + d, Y + rund(0.5 * d), X + d + e.width, Y + rund(0.5 * d) + std::max(e.height, b.c.fontHeight())};
    b.c.textOut(kasten[0], kasten[1], laenge);
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
    return kasten;
}

// Where the two lines of a scale's caption stand: at (x, y), its top left corner, where that
// keeps them on the sheet and clear of the texts drawn so far and of the gnomon bar; else the
// first place so, the caption moved towards the foot (from whichever side it starts: at a wide
// angle between the hour lines the winter line's ends lie beyond the sheet, on either side of
// the foot), then up, always above the horizon line; else the first such place along the
// sheet's width, row by row up. Where none is, at (x, y) kept on the sheet.
CanvasPoint beschriftungsPlatz(Blatt& b, const std::string (&zeilen)[2], int x, int y, double R)
{
    const int h = b.c.fontHeight();
    const int w = std::max(b.c.textExtent(zeilen[0]).width, b.c.textExtent(zeilen[1]).width);
    const int hoch = 2 * h;
    const auto aufBlatt = [&](int px) { return std::clamp(px, b.x0, std::max(b.x0, b.x0 + b.breite - w)); };
    const int balken = rund(R / 2) + h / 2; // the gnomon bar's half, and a gap
    const auto frei = [&](int px, int py) {
        if (py < b.y0 || px < b.x0 || px + w > b.x0 + b.breite)
            return false;
        for (const auto& k : b.belegt)
            if (px < k[2] && k[0] < px + w && py < k[3] && k[1] < py + hoch)
                return false;
        return px + w <= b.fx - balken || px >= b.fx + balken || py + hoch <= b.fy - 3 * h;
    };
    const auto nimm = [&](int px, int py) {
        b.belegt.push_back({px, py, px + w, py + hoch});
        return CanvasPoint{px, py};
    };
    const int schritt = std::max(1, h / 2);
    const int start = aufBlatt(x);
    const int richtung = start + w / 2 < b.fx ? schritt : -schritt;
    for (int py = y; py >= b.y0; py -= schritt)
        for (int px = start;; px += richtung) {
            if (frei(px, py))
                return nimm(px, py);
            if (richtung > 0 ? px + w >= b.fx : px <= b.fx)
                break;
        }
    for (int py = y; py >= b.y0; py -= schritt)
        for (int px = b.x0; px + w <= b.x0 + b.breite; px += schritt)
            if (frei(px, py))
                return nimm(px, py);
    return nimm(aufBlatt(x), std::max(b.y0, y));
}

void datumslinien(Blatt& b, const SawyerGeometrie& g, const SawyerDatumsfeld& datum, int nd,
                  const std::vector<std::array<int, 4>>& zahlen, double R)
{
    const auto& F = b.s.Farben;
    const int FHd = b.bildschirm ? 16 : 36;
    b.c.setFontName("Wingdings");
    b.c.setFontHeight(FHd);
    b.c.setFontColor(F[0]);
    for (std::size_t n = 0; n < g.datum.size(); ++n) {
        const bool grenze = g.datum[n].grenze;
        b.c.setPenColor(grenze ? F[0] : F[4]);
        b.c.setPenWidth(grenze ? b.staerke(b.bildschirm ? 1 : 2) : b.staerke(0));
        datum.zeichne(b, n);
    }
    // Each sign amid its band, the red ones right of the noon line, the others left of it, above
    // the sheet's lower edge and the hour numbers in its column.
    const int dx = FHd / 2;
    double unterkante[2] = {double(b.fy - b.y0 - b.hoehe), double(b.fy - b.y0 - b.hoehe)};
    for (const auto& k : zahlen)
        for (const int spalte : {0, 1}) {
            const int x = spalte == 0 ? b.fx + dx : b.fx - 3 * dx;
            if (k[0] < x + FHd && x < k[2])
                unterkante[spalte] = std::max(unterkante[spalte], double(b.fy - k[1]));
        }
    // Where its band leaves no room above a number in its column, the sign moves sideways, the
    // least it must, on its side of the noon line, off the numbers and the signs before it.
    // (Signs of a column keep a sign's height apart, their boxes may reach a little further.)
    std::vector<std::array<int, 4>> zeichen;
    // The room a sign there shares with the numbers and the signs before it.
    const auto deckung = [&](int x, int y, int w, int h) {
        long flaeche = 0;
        const auto teile = [&](const std::array<int, 4>& k, int hoch) {
            flaeche += long(std::max(0, std::min(x + w, k[2]) - std::max(x, k[0]))) * std::max(0, std::min(y + hoch, k[3]) - std::max(y, k[1]));
        };
        for (const auto& k : zahlen)
            teile(k, h);
        for (const auto& k : zeichen)
            teile(k, FHd);
        return flaeche;
    };
    for (const SawyerZeichenPlatz& z : sawyerZeichenPlaetze(g, nd, b.s.Par.Breite < 0, FHd, unterkante)) {
        const std::string text(1, z.zeichen);
        const TextExtent e = b.c.textExtent(text);
        const int w = zeichenBreite(e, FHd);
        const int x = z.rechts ? b.fx + dx : b.fx - 3 * dx, y = rund(b.fy - z.y - FHd / 2.0);
        // Where no place is free, the one that shares the least.
        int px = x;
        long wenigste = deckung(x, y, w, e.height);
        for (int schritt = 1; wenigste > 0 && schritt <= 6 * FHd; ++schritt)
            for (const int wohin : {x + schritt, x - schritt})
                if (z.rechts ? wohin >= b.fx : wohin + w <= b.fx)
                    if (const long d = deckung(wohin, y, w, e.height); d < wenigste) {
                        px = wohin;
                        wenigste = d;
                        if (d == 0)
                            break;
                    }
        zeichen.push_back({px, y, px + w, y + FHd});
        b.c.setFontColor(z.rechts ? FarbeRot : FarbeSchwarz);
        b.c.textOut(px, y, text);
    }
    b.c.setFontName("Arial");
    b.c.setPenColor(F[3]);
    b.c.setPenWidth(1);
    for (const auto& [von, bis] : {std::pair{g.sommerLinks, g.winterLinks}, {g.sommerRechts, g.winterRechts}}) {
        b.strecke(b.punkt({von, 0}), b.punkt({bis, 0}));
    }
    if (!b.s.Schalter.HalbeAnalemma && !b.s.Schalter.MozGerade)
        return;
    b.c.setFontHeight(FHd);
    const double xb = g.winterRechts;
    const int yr = b.fy - 5 * FHd;
    const std::string rechts[] = {holeText(b.s, sawyerHalbjahrText(b.s.Par.Breite, true)), holeText(b.s, 613)};
    const std::string links[] = {holeText(b.s, sawyerHalbjahrText(b.s.Par.Breite, false)), holeText(b.s, 611)};
    const CanvasPoint r = beschriftungsPlatz(b, rechts, b.fx + rund(xb), yr + 2 * FHd, R);
    b.c.setFontColor(FarbeRot);
    b.c.textOut(r.x, r.y, rechts[0]);
    b.c.textOut(r.x, r.y + FHd, rechts[1]);
    const CanvasPoint l = beschriftungsPlatz(b, links, b.fx - rund(rund(7.5 * FHd) + xb), yr + 2 * FHd, R);
    b.c.setFontColor(kSawyerNavy);
    b.c.textOut(l.x, l.y, links[0]);
    b.c.textOut(l.x, l.y + FHd, links[1]);
}

// The dial on a printed page: gnomon and centre distance, and the foot's x kept so far from the
// frame's right edge that the summer line's horizon point stays inside it.
struct SawyerSeite {
    double R = 0, c = 0;
    int fx = 0;
};
SawyerSeite sawyerAufSeite(const AppState& s, double gnomon, int x0, int breite, int fx)
{
    SawyerSeite seite;
    // The zoom enters the gnomon once, as it does the centre distance.
    seite.R = rund(rund(10.0 * gnomon) * s.Zoom);
    seite.c = 10.0 * s.Par.DatumMitte * s.Zoom;
    const double H = std::fabs(sawyerHalbbogen(s.Par.Breite, s.EpsRund));
    seite.fx = std::min(fx, rund(breite - seite.c * std::tan(s.Par.DatumWinkel * H / 15 * M_PI / 180) + x0 - 30));
    return seite;
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
    // Each line takes its own box: a scale's caption may stand beside a short line.
    const double schritte[] = {1.7, 2.7, 3.7, 4.7};
    for (int i = 0; i < 4; ++i) {
        const int zy = y + rund(schritte[i] * F);
        b.c.textOut(x, zy, zeilen[i]);
        const TextExtent e = b.c.textExtent(zeilen[i]);
        b.belegt.push_back({x, zy, x + e.width, zy + std::max(F, e.height)});
    }
    b.c.setBold(true);
    b.c.setFontHeight(b.bildschirm ? 25 : 50);
    const TextExtent e = b.c.textExtent(std::string(titelText(s, 40)));
    b.belegt.push_back({x, y, x + e.width, y + e.height});
    b.c.setBold(false);
    b.c.setFontHeight(F);
}

} // namespace

void zeichneSawyerSU(AppState& s, Canvas& canvas, int x0, int y0, int breite, int hoehe, double gnomon,
                     bool bildschirm)
{
    if (sawyerBreiteVerweigert(s.Par.Breite, kAzimutUhrUntereBreite, s.EpsRund)) {
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
        const SawyerSeite seite = sawyerAufSeite(s, gnomon, x0, breite, s.FusspunktX);
        R = seite.R;
        c = seite.c;
        s.FusspunktX = seite.fx;
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
    const SawyerMass m = sawyerMass(s, R, c, false);
    const SawyerGeometrie g = sawyerGeometrie(m);
    const int versatz = tabellenVersatz(b, g, R, d);
    std::vector<std::array<int, 4>> tabellenZeilen;
    const CanvasPoint tabelle = zeichneSawyerLegende(b, tabellenZeilen, versatz);
    const CanvasFont tabellenSchrift = canvas.font();
    canvas.setFont(schrift);
    const std::array<int, 4> gnomonText = gnomonMasse(b, R, d, gnomon, tabelle);
    canvas.setFont(tabellenSchrift);

    const int FH = bildschirm ? 16 : 35;
    canvas.setFontName("Arial");
    // The hour numbers keep off the table's texts; the scales' captions off the whole table.
    b.belegt = tabellenZeilen;
    b.belegt.push_back(gnomonText);
    // The screen's word on a construction with points left out, drawn last: the numbers and the
    // scales' captions keep off it.
    const CanvasPoint mangel{breite / 5, y0 + 10 + rund(0.6 * 18)};
    if (bildschirm && g.mangelhaft) {
        const CanvasFont vorher = canvas.font();
        canvas.setBold(true);
        canvas.setFontHeight(18);
        const TextExtent e = canvas.textExtent(holeText(s, 200));
        b.belegt.push_back({mangel.x, mangel.y, mangel.x + e.width, mangel.y + std::max(18, e.height)});
        canvas.setFont(vorher);
    }
    const SawyerDatumsfeld datum(b, g);
    const auto zahlen = sawyerStunden(b, m, g, datum, FH);
    b.belegt.push_back({b.x0, versatz > 0 ? tabellenZeilen.back()[3] + versatz : b.y0, tabelle.x, tabelle.y});
    legende(b);
    b.belegt.insert(b.belegt.end(), zahlen.begin(), zahlen.end());
    datumslinien(b, g, datum, m.nd, zahlen, R);
    if (bildschirm && g.mangelhaft) {
        canvas.setFontColor(FarbeRot);
        canvas.setBold(true);
        canvas.setFontHeight(18);
        canvas.textOut(mangel.x, mangel.y, holeText(s, 200));
        canvas.setBold(false);
    }
    canvas.setPenWidth(1);
}

std::string sawyerSeitenpruefung(const AppState& s, int breite, int hoehe, CanvasPoint fuss, bool quer, bool a3)
{
    if (sawyerBreiteVerweigert(s.Par.Breite, kAzimutUhrUntereBreite, s.EpsRund))
        return {};
    // The page's frame, as the print draws into it, and the foot as the dial puts it there:
    // kept off the right edge, and raised by the radius of its mark.
    constexpr int rand = 50;
    const int d = rund(fussSchrift(false) / 2.0);
    const SawyerSeite seite = sawyerAufSeite(s, s.Par.Gnomonhoehe, rand, breite - 2 * rand, fuss.x);
    const double fy = fuss.y - d;
    // The lowest point of its lines, and below it the room its number and sign take.
    const SawyerGeometrie g = sawyerGeometrie(sawyerMass(s, seite.R, seite.c, false));
    double tief = 0, links = 0, rechts = 0;
    jederLinienpunkt(g, [&](const SawyerPunkt& p) {
        tief = std::max(tief, -p.y);
        links = std::min(links, p.x);
        rechts = std::max(rechts, p.x);
    });
    const double unten = tief + 100, frei = hoehe - rand - fy;
    const bool breitGenug = seite.fx + links >= rand && seite.fx + rechts <= breite - rand;
    if (unten <= frei && breitGenug)
        return {};
    // What would fit: the foot at the top of the frame (below the gnomon bar above it), the other
    // orientation or an A3 page where the print holds it there, or the gnomon of the depth that
    // leaves the room.
    const double oben = rand + 2 * d;
    const bool hoeher = unten <= hoehe - rand - oben && fy > oben;
    const double tiefeJeMm = std::tan((90.0 - std::fabs(s.Par.Breite) + s.EpsRund) * M_PI / 180) * 10 * s.Zoom;
    const std::string ist = RealStr(tief / 10, 1, 0), platz = RealStr(std::max(0.0, frei - 100) / 10, 1, 0);
    const double laenge = std::floor(std::max(0.0, frei - 100) / tiefeJeMm);
    const bool deutsch = s.Deutsch;
    std::vector<std::string> seiten;
    if (quer)
        seiten.push_back(deutsch ? (breite > hoehe ? "im Hochformat drucken" : "im Querformat drucken")
                                 : (breite > hoehe ? "print in portrait" : "print in landscape"));
    if (a3)
        seiten.push_back(deutsch ? "auf A3 drucken" : "print on A3");
    const auto oder = [&](const std::vector<std::string>& wege) {
        std::string bitte = wege.front();
        for (std::size_t i = 1; i < wege.size(); ++i)
            bitte += (i + 1 < wege.size() ? ", " : deutsch ? " oder " : " or ") + wege[i];
        return bitte;
    };
    if (unten <= frei) { // too wide for where the foot stands
        std::vector<std::string> wege = seiten;
        // Another foot helps only a dial no wider than the frame.
        if (rechts - links <= breite - 2 * rand)
            wege.insert(wege.begin(), deutsch ? "den Fußpunkt weiter zur Mitte setzen" : "place the foot nearer the middle");
        wege.push_back(deutsch ? "die Zeigerlänge kürzen" : "shorten the gnomon");
        return deutsch ? "Die Sawyer-Sonnenuhr ist " + RealStr((rechts - links) / 10, 1, 0)
                               + " mm breit und reicht beim gesetzten Fußpunkt über den Seitenrand.\n\rBitte " + oder(wege)
                               + ": es wird nichts gedruckt."
                       : "The Sawyer dial is " + RealStr((rechts - links) / 10, 1, 0)
                               + " mm wide and runs off the page from the foot where it is placed.\n\rPlease " + oder(wege)
                               + ": nothing is printed.";
    }
    std::vector<std::string> wege;
    if (hoeher)
        wege.push_back(deutsch ? "den Fußpunkt höher setzen" : "place the foot higher");
    wege.insert(wege.end(), seiten.begin(), seiten.end());
    // (The dialog's shortest gnomon is 5 mm.)
    if (laenge >= 5 || wege.empty())
        wege.push_back(deutsch ? "die Zeigerlänge auf höchstens " + RealStr(laenge, 1, 0) + " mm kürzen"
                               : "shorten the gnomon to at most " + RealStr(laenge, 1, 0) + " mm");
    const std::string bitte = oder(wege);
    return deutsch ? "Die Sawyer-Sonnenuhr reicht " + ist + " mm unter ihren Fußpunkt, die Seite lässt unter dem "
                           "gesetzten Fußpunkt nur " + platz + " mm.\n\rBitte " + bitte + ": es wird nichts gedruckt."
                     : "The Sawyer dial reaches " + ist + " mm below its foot, the page leaves only " + platz
                           + " mm below the foot where it is placed.\n\rPlease " + bitte + ": nothing is printed.";
}

} // namespace umbrin
