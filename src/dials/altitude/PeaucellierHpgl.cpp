#include "dials/altitude/PeaucellierHpgl.h"

#include "core/Rounding.h"
#include "core/Sprachdienst.h"
#include "core/Textumformung.h"
#include "core/Winkel.h"
#include "core/Zahlenformat.h"
#include "dials/HpglDialekt.h"
#include "dials/altitude/PeaucellierGeometrie.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace umbrin {
namespace {

// The labels run down the sheet, 89.5 degrees clockwise from the x axis.
const double kAlpha = -89.5 * kRad;

std::string z(double v) { return hpglZahl(v); }

std::string groesse(double b, double h, const char* trenner)
{
    return "SI " + RealStr(b, 5, 2) + trenner + RealStr(h, 5, 2);
}

// One plot: the file, the scale and the foot.
//
// The dial lies on the sheet as on the screen: its axis (north in the north) runs to the right,
// and a dial point's y, east in the north, is counted down the sheet from the foot. The plotter
// counts y up the sheet, so y is written as fy - y; written upwards, morning and afternoon
// would change sides and the dial would be its own mirror image.
struct Plot {
    HPGLDatei& datei;
    int k = 1;
    double fx = 0, fy = 0;
    double breite = 0, hoehe = 0; // the sheet

    // The boxes (left, bottom, right, top) of the legend's labels and the hour numbers, which
    // the date lines' letters keep clear of.
    std::vector<std::array<double, 4>> belegt{};

    void schreibe(const std::string& t) { HPGLZeile(datei, t); }
    // The room a turned label at the plotter point (x, y) takes, of characters b x h (plotter
    // units) in their cells of 1.5 widths: the upright box round its run down the sheet (a
    // little aslant, as the label direction is) from its first character to its last (blanks
    // at either end take none), across from just above its baseline to just below its height.
    // (A letter beyond ASCII counts as the two the plotter may write for it: "Ae".)
    static std::array<double, 4> kasten(double x, double y, const std::string& text, double b, double h)
    {
        const double c = std::round(1000 * std::cos(kAlpha)) / 1000, s = std::round(1000 * std::sin(kAlpha)) / 1000;
        const std::size_t vorn = std::min(text.find_first_not_of(' '), text.size());
        const std::size_t hinten = text.size() - std::min(text.find_last_not_of(' ') + 1, text.size());
        const double von = 1.5 * b * static_cast<double>(vorn);
        const double bis = 1.5 * b * static_cast<double>(text.size() - std::min(text.size(), hinten + 1)) + b;
        std::array<double, 4> k{INFINITY, INFINITY, -INFINITY, -INFINITY};
        for (const double laengs : {von, bis})
            for (const double quer : {0.05 * h, 0.95 * h}) {
                // Along the run (c, s), across it (-s, c).
                const double px = x + laengs * c - quer * s, py = y + laengs * s + quer * c;
                k = {std::min(k[0], px), std::min(k[1], py), std::max(k[2], px), std::max(k[3], py)};
            }
        return k;
    }
    bool frei(const std::array<double, 4>& k) const
    {
        return std::none_of(belegt.begin(), belegt.end(), [&](const std::array<double, 4>& l) {
            return k[0] < l[2] && l[0] < k[2] && k[1] < l[3] && l[1] < k[3];
        });
    }
    std::string punkt(double x, double y) const { return z(fx + roundHalfEven(x)) + " " + z(fy - roundHalfEven(y)); }
    // A label turned with the sheet's label direction, its corner at the plotter point (x, y).
    void gedreht(double x, double y, const std::string& text)
    {
        schreibe(";PU " + z(x) + " " + z(y) + ";DI " + RealStr(100 * std::cos(kAlpha), 6, 1) + ","
                 + RealStr(100 * std::sin(kAlpha), 6, 1) + ";" + hpglLabel(text) + ";DI 100.0,0.0");
    }
    // A turned label at the dial point (x, y), moved by hoch up the sheet. The labels run down
    // the sheet, so their offsets along the run are the sheet's, not the dial's.
    void gedrehtAmPunkt(double x, double y, double hoch, const std::string& text)
    {
        gedreht(fx + roundHalfEven(x), fy + roundHalfEven(hoch - y), text);
    }
};

void datumslinien(Plot& p, const PeaucellierGeometrie& g, const AppState& s, double u)
{
    const int k = p.k;
    for (int i = 0; i < 7; ++i) {
        const char* stift = i == 0 ? ";SP 7" : i == 3 ? ";SP 6" : i == 6 ? ";SP 2" : ";SP 1";
        const double r = g.r[i], xa = g.xAufgang[i], x15 = g.x15[i];
        p.schreibe(std::string(stift) + ";PU " + p.punkt(xa, r) + ";PD " + p.punkt(x15, r) + " " + p.punkt(x15, -r)
                   + " " + p.punkt(xa, -r));
        p.schreibe(";" + groesse(0.24 * k, 0.36 * k, " "));
        if (i % 3 != 0)
            continue;
        const std::string buchstabe = i == 0 ? "S" : i == 6 ? "W" : s.Sprachspalte == 1 ? "Ä" : "E";
        const double x = xa - 12 * u + 0.18 * k * std::sin(kAlpha - 0.01);
        // Raised by about half its run, the letter stands across its line. Where an hour number
        // or the legend stands there, it moves along its line, back or on, the least that
        // clears them, on the sheet.
        const double hoch = 1.8 * u + 0.18 * k * std::cos(kAlpha - 0.01);
        for (const double y : {r, -r}) {
            const auto kasten = [&](double dx) {
                return Plot::kasten(p.fx + roundHalfEven(x + dx), p.fy + roundHalfEven(hoch - y), buchstabe, 96.0 * k, 144.0 * k);
            };
            const auto frei = [&](double dx) {
                const std::array<double, 4> b = kasten(dx);
                return p.frei(b) && b[0] >= 0 && b[1] >= 0 && b[2] <= p.breite && b[3] <= p.hoehe;
            };
            double dx = 0;
            for (int j = 1; j <= 24 && !frei(dx); ++j)
                for (const double weg : {-j * u / 2, j * u / 2})
                    if (frei(weg)) {
                        dx = weg;
                        break;
                    }
            if (!frei(dx))
                dx = 0;
            p.gedrehtAmPunkt(x + dx, y, hoch, buchstabe);
            p.belegt.push_back(kasten(dx));
        }
    }
}

// The legend's turned labels: the hemisphere by the arrow, the title and the measures down the
// sheet's left side, each with its character size (cm).
struct Legendenlabel {
    double x, y;
    std::string text;
    double b, h;
};
std::vector<Legendenlabel> legendenLabels(const Plot& p, const AppState& s, double H, double einheit, int a)
{
    const int k = p.k;
    const double y = 0.91 * H - 0.18 * k * std::cos(kAlpha - 0.1), dx = 0.18 * k * std::sin(kAlpha - 0.1);
    return {
        {p.fx + 15 * a + dx, p.fy - 0.18 * k * std::cos(kAlpha - 0.1), s.Par.Breite > 0 ? " N" : " S", 0.2 * k, 0.3 * k},
        {500.0 * k + dx, 0.72 * H - 0.18 * k * std::cos(kAlpha - 0.1), holeText(s, 149), 0.32 * k, 0.48 * k},
        {250.0 * k + dx, y,
         holeText(s, 145) + "=" + RealStr(std::fabs(einheit), 3, 0) + "; " + holeText(s, 169) + " = "
             + RealStr(s.Par.PeauParameter, 7, 4) + ";",
         0.2 * k, 0.3 * k},
        {70.0 * k + dx, y, holeText(s, 146) + " =" + RealStr(std::fabs(s.Par.Breite), 6, 2), 0.2 * k, 0.3 * k},
    };
}

void legende(Plot& p, const AppState& s, double H, double einheit, int a)
{
    const int k = p.k;
    const std::vector<Legendenlabel> l = legendenLabels(p, s, H, einheit, a);
    p.schreibe(";" + groesse(0.2 * k, 0.3 * k, " ") + ";SP 3");
    p.gedreht(l[0].x, l[0].y, l[0].text);
    p.schreibe(";SP 3;" + groesse(0.32 * k, 0.48 * k, " "));
    p.gedreht(l[1].x, l[1].y, l[1].text);
    p.schreibe(";" + groesse(0.2 * k, 0.3 * k, " "));
    // The line is longer than the sheet is high: the latitude goes on a second line beside it,
    // further from the title.
    p.gedreht(l[2].x, l[2].y, l[2].text);
    p.gedreht(l[3].x, l[3].y, l[3].text);
}

// An hour line's number: at the dial point (x, y), moved by hoch up the sheet.
struct Stundenzahl {
    double x, y, hoch;
    std::string text;
};
Stundenzahl stundenzahl(const Plot& p, const PeaucellierGeometrie& g, const PeaucellierStundenstueck& st)
{
    const int k = p.k;
    // Both sides keep their labels outside the dial: a label above the axis (y < 0) starts
    // a label's run above its point, one below the axis a short way below it.
    const double o = st.seite < 0 ? 260.0 * k : -200.0 * k;
    const PeaucellierPunkt& an = g.p < 0 ? st.ende1 : st.ende2;
    return {an.x + 3 * k * std::sin(kAlpha - 0.01), an.y, o - 3 * k * std::cos(kAlpha - 0.01),
            peaucellierStundenText(g.phi, st.k, st.seite)};
}

// The room an hour number's label takes (its characters 0.2 x 0.3 cm).
std::array<double, 4> zahlKasten(const Plot& p, const Stundenzahl& z)
{
    return Plot::kasten(p.fx + roundHalfEven(z.x), p.fy + roundHalfEven(z.hoch - z.y), z.text, 80.0 * p.k, 120.0 * p.k);
}

// The full hours' numbers in the order of the lines: each at its line's end, or where that meets
// a number before it or a text of belegt (the lines' ends crowd on a dial of a small unit), at
// the first point along its line towards the other end where it meets none; where there is
// none, at the end.
std::vector<Stundenzahl> stundenzahlen(const Plot& p, const PeaucellierGeometrie& g, std::vector<std::array<double, 4>> belegt)
{
    std::vector<Stundenzahl> zahlen;
    const auto frei = [&](const Stundenzahl& z) {
        const std::array<double, 4> k = zahlKasten(p, z);
        return std::none_of(belegt.begin(), belegt.end(), [&](const std::array<double, 4>& l) {
            return k[0] < l[2] && l[0] < k[2] && k[1] < l[3] && l[1] < k[3];
        });
    };
    for (const PeaucellierStundenstueck& st : g.stunden) {
        if (st.m != 0)
            continue;
        Stundenzahl z = stundenzahl(p, g, st);
        const PeaucellierPunkt a = g.p < 0 ? st.ende1 : st.ende2, e = g.p < 0 ? st.ende2 : st.ende1;
        for (int i = 1; i <= 40 && !frei(z); ++i) {
            Stundenzahl weiter = z;
            weiter.x += (e.x - a.x) * i / 40;
            weiter.y += (e.y - a.y) * i / 40;
            if (frei(weiter))
                z = weiter;
        }
        belegt.push_back(zahlKasten(p, z));
        zahlen.push_back(z);
    }
    return zahlen;
}

void hpglPeaucellierStunden(Plot& p, const PeaucellierGeometrie& g, const std::vector<Stundenzahl>& zahlen)
{
    std::size_t n = 0;
    const int k = p.k;
    p.schreibe(";SP 1");
    for (const PeaucellierStundenstueck& st : g.stunden) {
        const bool voll = st.m == 0;
        p.schreibe(std::string(voll ? ";SP 3" : ";SP 8") + ";PU " + p.punkt(st.ende1.x, st.ende1.y) + ";PD "
                   + p.punkt(st.ende2.x, st.ende2.y));
        if (!voll)
            continue;
        const Stundenzahl& z = zahlen[n++];
        p.schreibe(";SP 4;" + groesse(0.2 * k, 0.3 * k, " "));
        p.gedrehtAmPunkt(z.x, z.y, z.hoch, z.text);
    }
    for (const PeaucellierUnterteilung& u : g.unterteilungen) {
        if (u.punkte.size() < 2)
            continue;
        std::string t = ";SP 8;PU " + p.punkt(u.punkte[0].x, u.punkte[0].y) + ";PD ";
        for (std::size_t i = 1; i < u.punkte.size(); ++i)
            t += (i > 1 ? " " : "") + p.punkt(u.punkte[i].x, u.punkte[i].y);
        p.schreibe(t);
    }
}

// What the plot says of a dial larger than its sheet: its size and the room beside the legend,
// the sheet's edges it runs beyond and how far (its letters included), and the largest unit the
// dialog takes that fits (passt: whether a unit of so many millimetres fits).
template <class Passt>
std::string peaucellierUeberDemRand(const AppState& s, const PeaucellierAusmass& m, double fx, double fyAbwaerts,
                                    double W, double H, double u, Passt passt)
{
    const bool englisch = s.Sprachspalte == 2;
    const double k = u / 40;
    const auto zahl = [&](double v) { return RealStr(std::ceil(v / u), 1, 0); };
    // Beyond the left, right, upper and lower edge (the dial's y runs down from the sheet's top
    // at -H to its foot at 0).
    const double ueber[4] = {-(fx + m.links), fx + m.rechts - W, -H - (fyAbwaerts + m.oben), fyAbwaerts + m.unten};
    const char* const kanten[2][4] = {{"linken", "rechten", "oberen", "unteren"}, {"left", "right", "upper", "lower"}};
    std::vector<std::string> teile;
    for (int i = 0; i < 4; ++i)
        if (ueber[i] > 0)
            teile.push_back(zahl(ueber[i]) + " mm" + (englisch ? " beyond its " : " über den ") + kanten[englisch][i]);
    std::string wo;
    for (std::size_t i = 0; i < teile.size(); ++i)
        wo += (i == 0 ? "" : i + 1 < teile.size() ? ", " : englisch ? " and " : " und ") + teile[i];
    wo = teile.empty() ? (englisch ? "it runs into the legend and the sheet's margin"
                                   : "sie reicht in die Legende und den Rand des Blattes")
                       : (englisch ? "it runs " + wo + " edge, where the plotter cuts it off"
                                   : "sie reicht " + wo + " Rand des Blattes, wo der Plotter sie abschneidet");
    int laenge = static_cast<int>(std::floor(s.Par.Einheit));
    while (laenge > 1 && !passt(laenge))
        --laenge;
    // (The dialog's smallest unit is 10 mm.)
    const std::string kleiner = laenge < 10 ? ""
                                : englisch ? "A \"" + peaucellierEinheitFeld(s) + "\" of at most " + std::to_string(laenge)
                                                 + " mm fits the sheet. "
                                           : "Eine \"" + peaucellierEinheitFeld(s) + "\" von höchstens " + std::to_string(laenge)
                                                 + " mm passt auf das Blatt. ";
    const std::string gross = zahl(m.breite()) + " x " + zahl(m.hoehe()) + " mm";
    const std::string platz = zahl(W - 850.0 * k) + " x " + zahl(0.98 * H - 200.0 * k) + " mm";
    return englisch ? "The Peaucellier dial takes " + gross + ", the plot sheet leaves it only " + platz
                          + " beside the legend: " + wo + ".\n\r" + kleiner + "The DXF drawing holds the dial whole."
                    : "Die Peaucellier-Sonnenuhr braucht " + gross + ", das Plotblatt lässt ihr neben der Legende nur "
                          + platz + ": " + wo + ".\n\r" + kleiner + "Die DXF-Zeichnung enthält die Sonnenuhr ganz.";
}

} // namespace

std::string peaucellierPlotHindernis(const AppState& s)
{
    const double untere = kAzimutUhrUntereBreite;
    return peaucellierHindernisText(
        s, peaucellierHindernis(s.Par.Breite, untere, s.EpsRund, peaucellierKonstante(s.Par.PeauParameter)), untere);
}

std::string hpglPeaucellierSU(const AppState& s, HPGLDatei& datei, double einheit, bool alsHPGL, std::string* warnung)
{
    if (std::string nein = peaucellierPlotHindernis(s); !nein.empty())
        return nein;
    const int k = hpglFaktor(alsHPGL);
    double W = 16400.0 * k, H = 11480.0 * k;
    const double u = 40.0 * k;
    const double p = peaucellierKonstante(s.Par.PeauParameter);
    const double einheitGezeichnet = peaucellierEinheit(einheit);
    const double R = static_cast<double>(roundHalfEven(u * einheitGezeichnet));
    const int a = (static_cast<int>(W) / 20) / 9;
    const std::int64_t titelX = static_cast<std::int64_t>(W) / 20;

    const int n = std::clamp(s.Schalter.StundenIntervallSonst - '0', 0, 3) + 1;
    const PeaucellierGeometrie g = peaucellierGeometrie(s.Par.Breite, s.EpsRund, R, p, n);
    // The foot, scaled with the sheet; its default and the clamp come before anything is drawn.
    Plot plot{datei, k, static_cast<double>(s.FusspunktX) * k, static_cast<double>(s.FusspunktY) * k};
    if (plot.fx <= 0)
        plot.fx = static_cast<double>(roundHalfEven(0.35 * W));
    if (plot.fy <= 0)
        plot.fy = static_cast<double>(static_cast<std::int64_t>(H) / 2);
    // The whole dial with its letters lies on the sheet, beside the legend down its left edge
    // and below the title: the foot moves as far as that needs.
    const auto ausmass = [&](const PeaucellierGeometrie& gg) {
        PeaucellierAusmass m = peaucellierAusmass(gg, 12 * u + 150.0 * k, 3 * u + 150.0 * k, 550.0 * k);
        m.rechts = std::max(m.rechts, 15.0 * a + 150.0 * k); // the hemisphere beside the arrow
        return m;
    };
    const PeaucellierAusmass m = ausmass(g);
    // A DXF drawing has no paper: its sheet grows to hold a dial larger than the plot's.
    if (!alsHPGL) {
        W = std::max(W, std::ceil(m.breite() + 850.0 * k + 1));
        H = std::max(H, std::ceil((m.hoehe() + 200.0 * k) / 0.98 + 1));
    }
    double fyAbwaerts = -plot.fy; // dial y runs down the sheet
    if (!peaucellierEinpassen(m, 750.0 * k, -(0.98 * H - 100.0 * k), W - 100.0 * k, -100.0 * k, plot.fx,
                              fyAbwaerts)
        && warnung)
        *warnung = peaucellierUeberDemRand(s, m, plot.fx, fyAbwaerts, W, H, u, [&](double mm) {
            const double r = static_cast<double>(roundHalfEven(u * peaucellierEinheit(roundHalfEven(mm * s.Zoom))));
            const PeaucellierAusmass kleiner = ausmass(peaucellierGeometrie(s.Par.Breite, s.EpsRund, r, p, n));
            return kleiner.breite() <= W - 850.0 * k && kleiner.hoehe() <= 0.98 * H - 200.0 * k;
        });
    plot.fy = -fyAbwaerts;
    plot.fx = std::min(plot.fx, static_cast<double>(roundHalfEven(W - 30)));

    plot.schreibe(hpglPrologMitRahmen(static_cast<std::int64_t>(W), static_cast<std::int64_t>(H)) + ";SP 4;PU 0 0;");
    plot.schreibe(";PU;" + groesse(0.24 * k, 0.36 * k, ",") + ";PU " + z(titelX) + " "
                  + z(roundHalfEven(0.98 * H)) + ";" + hpglLabel(OhneUmlaute(holeText(s, 149))) + ";"
                  + groesse(0.18 * k, 0.27 * k, ","));

    const double X = plot.fx, Y = plot.fy;
    plot.schreibe(";PU " + z(X) + " " + z(Y) + ";CI " + z(a) + " ,0.2;PU " + z(X - a) + " " + z(Y) + ";PD " + z(X + a)
                  + " " + z(Y) + ";PU " + z(X) + " " + z(Y - a) + ";PD " + z(X) + " " + z(Y + a));

    plot.breite = W;
    plot.hoehe = H;
    for (const Legendenlabel& l : legendenLabels(plot, s, H, einheitGezeichnet, a))
        plot.belegt.push_back(Plot::kasten(l.x, l.y, l.text, 400 * l.b, 400 * l.h));
    const std::vector<Stundenzahl> zahlen = stundenzahlen(plot, g, {plot.belegt.front()});
    for (const Stundenzahl& z : zahlen)
        plot.belegt.push_back(zahlKasten(plot, z));
    // The noon number beyond the noon line's far end, clear of the date lines' ends beside it,
    // and further on where the hemisphere's letter by the arrow or an hour number stands there
    // (it is written in the letters' size, 0.24 x 0.36 cm).
    const double x15 = *std::max_element(g.x15.begin(), g.x15.end());
    Stundenzahl mittag{x15 + 3 * u + 0.18 * k * std::sin(kAlpha - 0.01), 0, 1.8 * u + 0.18 * k * std::cos(kAlpha - 0.01), " 12"};
    for (int i = 0; i < 30 && !plot.frei(Plot::kasten(plot.fx + roundHalfEven(mittag.x), plot.fy + roundHalfEven(mittag.hoch),
                                                       mittag.text, 96.0 * k, 144.0 * k));
         ++i)
        mittag.x += u;
    plot.belegt.push_back(Plot::kasten(plot.fx + roundHalfEven(mittag.x), plot.fy + roundHalfEven(mittag.hoch), mittag.text,
                                       96.0 * k, 144.0 * k));
    datumslinien(plot, g, s, u);

    plot.schreibe(";SP 4;PU " + plot.punkt(g.x15[6], 0) + ";PD " + plot.punkt(g.x15[0], 0));
    plot.gedrehtAmPunkt(mittag.x, mittag.y, mittag.hoch, mittag.text);
    plot.schreibe(";PU " + z(X) + " " + z(Y) + ";PD " + z(X + 12 * a) + " " + z(Y) + " " + z(X + 9 * a) + " "
                  + z(Y + a) + " " + z(X + 9 * a) + " " + z(Y - a) + " " + z(X + 12 * a) + " " + z(Y));
    legende(plot, s, H, einheitGezeichnet, a);
    hpglPeaucellierStunden(plot, g, zahlen);
    plot.schreibe(std::string(hpglEpilogFensterZurueck));
    return {};
}

} // namespace umbrin
