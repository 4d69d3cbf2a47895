// Dial I as a plot: 40 k plotter units per millimetre on a sheet of 16400 k x 11480 k with
// the frame 16157 k x 11038 k, the y axis upwards from the gnomon foot.
#include "dials/azimuthal/HabermelZeichnung.h"

#include "core/Rounding.h"
#include "core/Sprachdienst.h"
#include "core/Textumformung.h"
#include "core/Zahlenformat.h"
#include "dials/HpglDialekt.h"
#include "dials/azimuthal/HabermelTabelle.h"
#include "dials/quadrant/QuadrantGeometrie.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace umbrin {
namespace {

std::string sprache(const AppState& s, const char* de, const char* en) { return s.Sprachspalte == 2 ? en : de; }

std::string z(double v) { return hpglZahl(v); }

std::string feld(double v) { return RealStr(std::fmax(-hpglKoordinatenGrenze, std::fmin(hpglKoordinatenGrenze, v)), 6, 0); }

int mod12(int n) { return n > 12 ? n % 12 : n; }

struct Plot {
    Plot(const AppState& zustand, HPGLDatei& d) : s(zustand), datei(d) {}
    const AppState& s;
    HPGLDatei& datei;
    int k = 1;
    double f = 40;
    HabermelTabelle t;
    double x0 = 0, y0 = 0;
    double L = 30;

    void schreibe(const std::string& text) { HPGLZeile(datei, text); }
    void label(double x, double y, const std::string& text)
    {
        schreibe(";PU " + z(x) + " " + z(y) + ";" + hpglLabel(text));
    }
};


// A text's box in plotter units, y upwards.
struct Kasten {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

// The direction of an hour number written at the point q of the equinox circle.
double zahlRichtung(const Plot& p, const HabermelPunkt& q) { return 2 * std::atan(q.x / (std::fabs(q.y) + p.t.r[0])); }

// The boxes (round the turned letters) of the hour numbers the lines write at the equinox
// circle (see nummer), with letters 0.24 by 0.32 cm.
std::vector<Kasten> stundenzahlKaesten(const Plot& p)
{
    std::vector<Kasten> kaesten;
    const double k = p.k;
    const bool mittlereZeit = p.s.Schalter.MitZeitglZylinder && !p.s.Schalter.Zonenzeit;
    for (const auto& l : habermelStundenlinien(p.s, p.t)) {
        const auto& q = l.punkte[18];
        if (!q || l.nummer == 0 || std::fabs(q->y) <= 40 || std::fabs(q->x) + std::fabs(q->y) < 0.1)
            continue;
        const double w = zahlRichtung(p, *q);
        const auto kasten = [&](int zahl, double a0, double b) {
            const double x = p.x0 + q->x + k * b * std::sin(w - a0), y = p.y0 + q->y - k * b * std::cos(w - a0);
            const double laenge = std::to_string(mod12(zahl)).size() * 144 * k, hoehe = 128 * k;
            Kasten e{1e18, 1e18, -1e18, -1e18};
            for (const double u : {0.0, laenge})
                for (const double v : {0.0, hoehe}) {
                    const double px = x + u * std::cos(w) - v * std::sin(w), py = y + u * std::sin(w) + v * std::cos(w);
                    e = {std::min(e.x0, px), std::min(e.y0, py), std::max(e.x1, px), std::max(e.y1, py)};
                }
            kaesten.push_back(e);
        };
        if (mittlereZeit)
            kasten(24 - l.nummer, l.nummer > 14 ? 0.8 : 1.0, l.nummer > 14 ? 280 : 340);
        kasten(l.nummer, 0, 180);
    }
    return kaesten;
}

void kopfUndLegende(Plot& p)
{
    const auto& s = p.s;
    const double k = p.k;
    const double Pw = 16400.0 * k, Ph = 11480.0 * k;
    p.schreibe(";PU;SP 4;" + hpglZeichengroesse(0.27 * k, 0.4 * k));
    const double xt = Pw / 20, yt = 0.92 * Ph;
    p.label(xt, yt, OhneUmlaute(sprache(s, "vertikale Habermel-Sonnenuhr I", "Vertical Habermel-Sundial I")));
    p.schreibe(";" + hpglZeichengroesse(0.18 * k, 0.27 * k));
    p.label(xt, yt - 200 * k, habermelZeitsystem(s, true));
    p.label(xt, yt - 540 * k, sprache(s, "Zeigerlänge = ", "Gnomon height =") + RealStr(p.L, 5, 1) + " mm");
    p.label(xt, yt - 360 * k,
            sprache(s, "Geogr. Breite = ", "Latitude = ") + RealStr(s.Par.Breite, 6, 2) + sprache(s, " Grad", " deg ") +
                sprache(s, ", Geogr. Länge = ", ", Longitude = ") + RealStr(s.Par.Laenge, 6, 2) +
                sprache(s, " Grad", " deg "));
    p.label(xt, yt - 710 * k,
            sprache(s, "Durchmesser =", "Diameter =") + std::string(" ") + RealStr(s.Par.HabermelDurchmesser, 5, 1) +
                " mm");
    if (s.Schalter.MitZeitglZylinder && !s.Schalter.Zonenzeit) {
        p.schreibe(";" + (s.Par.HabermelGnomon > 110 ? hpglZeichengroesse(0.24 * k, 0.36 * k)
                                                     : hpglZeichengroesse(0.18 * k, 0.27 * k)));
        const double yw = p.y0 - p.t.r[36] - 300 * k;
        const double xw = p.x0 - 1.6 * p.t.m[24];
        p.schreibe(";PU " + RealStr(xw, 6, 0) + " " + z(yw) + ";" + hpglLabel(holeText(s, 610)));
        p.schreibe(";PU " + RealStr(xw, 6, 0) + " " + z(yw - 200 * k) + ";" + hpglLabel(holeText(s, 611)));
        p.schreibe(";SP 2");
        const double xs = p.x0 + 0.8 * p.t.m[18];
        p.schreibe(";PU " + RealStr(xs, 6, 0) + " " + z(yw) + ";" + hpglLabel(holeText(s, 612)));
        p.schreibe(";PU " + RealStr(xs, 6, 0) + " " + z(yw - 200 * k) + ";" + hpglLabel(holeText(s, 613)));
    }
    p.schreibe(";SP 4;" + hpglZeichengroesse(0.2 * k, 0.32 * k) + ";SA;SP 4");
    const double xL = static_cast<double>(roundHalfEven(Pw / 20)), yL = static_cast<double>(roundHalfEven(0.8 * Ph));
    for (int i = 1; i <= 12; ++i)
        p.label(xL, static_cast<double>(roundHalfEven(yL - (540.0 * i - 180) * k)), zodiakSymbol(i));
    p.schreibe(";SS");
    for (int i = 1; i <= 12; ++i) {
        p.label(xL + 200 * k, static_cast<double>(roundHalfEven(yL - (540.0 * i - 180) * k)),
                "= " + std::string(tierkreisName(s, i)));
        p.label(xL + 350 * k, static_cast<double>(roundHalfEven(yL - 540.0 * i * k)),
                "  (" + std::string(DatumsTage[static_cast<std::size_t>(i - 1)]) +
                    std::string(monatKurz(s, zodiakMonat(i))) + " -)");
    }
}

void rahmen(Plot& p)
{
    const auto& s = p.s;
    const double k = p.k;
    const auto& t = p.t;
    p.schreibe("IW 0 0 " + z(16157.0 * k) + " " + z(p.y0));
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
            const auto b = static_cast<std::size_t>(i);
            p.schreibe(std::string(i % 6 == 0 ? ";SP 6" : ";SP 8") + ";PU " + z(p.x0) + " " +
                       z(p.y0 + t.m[0] - t.m[b]) + ";CI " + z(t.m[b]) + " ,0.2");
        }
    p.schreibe(";IW 0 0 " + z(16157.0 * k) + " " + z(11038.0 * k));
    p.schreibe(";PU " + z(p.x0) + " " + z(p.y0) + ";CI " + z(t.m[0]) + " ,0.2");
    p.schreibe(";PU " + z(p.x0) + " " + z(p.y0 + t.m[0] - t.m[36]) + ";CI " + z(t.m[36]) + " ,0.2");
    p.schreibe(";CI " + z(t.m[36] + 7 * p.f));
    p.schreibe(";PU " + z(p.x0) + " " + z(p.y0 + t.r[0]) + ";PD " + z(p.x0) + " " + z(p.y0 - t.r[36]));
    p.schreibe(";PU " + z(p.x0 + t.sw[36]) + " " + z(p.y0) + ";PD " + z(p.x0 - t.sw[36]) + " " + z(p.y0));
    const double X = 7 * p.f, Y = 5 * p.f;
    p.schreibe(";PU " + z(X) + " " + z(Y) + ";PD " + z(X) + " " + z(Y + t.L) + " " + z(X + 120 * k) + " " +
               z(Y + t.L));
    p.schreibe(";PU " + z(X) + " " + z(Y) + ";PD " + z(X + t.L) + " " + z(Y) + " " + z(X + t.L) + " " +
               z(Y + 120 * k));
    p.label(X + 120 * k, Y + 120 * k, habermelSchablonenText(s, p.L));
    p.schreibe(";" + hpglZeichengroesse(0.24 * k, 0.32 * k) + ";SA");
    // Where two circles lie closer than a letter is high (0.32 cm; the winter's at a short
    // gnomon), the later sign of a side steps outwards along its band, past the one before it.
    double rechts[2] = {0, -1e9}, links[2] = {0, -1e9}; // x and y of the last sign
    const auto neben = [&](double (&letzt)[2], double x, double y, int richtung) {
        if (std::fabs(y - letzt[1]) < 140 * k && richtung * (letzt[0] - x) >= 0)
            x = letzt[0] + richtung * 150 * k;
        letzt[0] = x;
        letzt[1] = y;
        return x;
    };
    const std::vector<Kasten> zahlen = stundenzahlKaesten(p);
    const auto aufZahl = [&](double x, double y) {
        return std::any_of(zahlen.begin(), zahlen.end(), [&](const Kasten& q) {
            return x < q.x1 && x + 144 * k > q.x0 && y < q.y1 && y + 128 * k > q.y0;
        });
    };
    for (int b = 6; b >= 0; --b) {
        const double rb = t.r[static_cast<std::size_t>(6 * b)];
        if (b >= 1) {
            const double y = static_cast<double>(roundHalfEven(p.y0 - rb)) + 40 * k;
            p.label(neben(rechts, static_cast<double>(roundHalfEven(p.x0 + 80 * k)), y, 1), y,
                    zodiakSymbol(103 - b - 93));
        }
        if (b <= 5) {
            // A sign on which an hour number written at its circle falls steps down its band,
            // while the band below holds it.
            double y = static_cast<double>(roundHalfEven(p.y0 - rb - 140 * k));
            const double x = static_cast<double>(roundHalfEven(p.x0 - 200 * k));
            const double boden = p.y0 - t.r[static_cast<std::size_t>(6 * b + 6)] + 40 * k;
            double frei = y;
            while (aufZahl(x, frei) && frei - 140 * k >= boden)
                frei -= 140 * k;
            if (!aufZahl(x, frei))
                y = frei;
            p.label(neben(links, x, y, -1), y,
                    zodiakSymbol((b < 3 ? 103 + b : 91 + b) - 93));
        }
    }
    p.schreibe(";SS");
}

void nummer(Plot& p, const HabermelPunkt& q, int n, bool mittlereZeit)
{
    const double k = p.k;
    if (p.s.Par.HabermelDurchmesser <= 150)
        p.schreibe(";" + hpglZeichengroesse(0.18 * k, 0.27 * k));
    const double w = zahlRichtung(p, q);
    auto schild = [&](int zahl, double a0, double b) {
        p.schreibe(";DI " + RealStr(100 * std::cos(w), 6, 1) + "," + RealStr(100 * std::sin(w), 6, 1) + ";PU " +
                   z(p.x0 + q.x + k * b * std::sin(w - a0)) + " " + z(p.y0 + q.y - k * b * std::cos(w - a0)) + ";" +
                   hpglLabel(std::to_string(mod12(zahl))) + ";DI 100.0,0.0");
    };
    if (mittlereZeit) {
        schild(24 - n, n > 14 ? 0.8 : 1.0, n > 14 ? 280 : 340);
        p.schreibe(";SP 4");
    } else {
        p.schreibe(";SP 2");
    }
    schild(n, 0, 180);
}

void stundenlinien(Plot& p, bool mittlereZeit)
{
    for (const auto& l : habermelStundenlinien(p.s, p.t)) {
        p.schreibe(l.voll ? ";SP 2;" : ";SP 3;");
        bool erster = true;
        for (int d = 0; d <= 36; ++d) {
            const auto& q = l.punkte[static_cast<std::size_t>(d)];
            if (!q || std::fabs(q->x) + std::fabs(q->y) < 0.1)
                continue;
            if (erster)
                p.schreibe(";PU " + feld(p.x0 + q->x) + " " + feld(p.y0 + q->y) + ";PD ");
            else
                p.schreibe(feld(p.x0 + q->x) + " " + feld(p.y0 + q->y) + " ");
            erster = false;
            if (d == 18 && l.nummer != 0 && std::fabs(q->y) > 40) {
                nummer(p, *q, l.nummer, mittlereZeit);
                // The line goes on from its labelled point.
                p.schreibe(std::string(l.voll ? ";SP 2" : ";SP 3") + ";PU " + feld(p.x0 + q->x) + " " +
                           feld(p.y0 + q->y) + ";PD ");
            }
        }
    }
}

} // namespace

void habermelPlot(const AppState& s, HPGLDatei& datei, bool alsHPGL, double L)
{
    Plot p(s, datei);
    p.k = hpglFaktor(alsHPGL);
    p.f = 40.0 * p.k;
    p.L = habermelGnomon(L);
    p.t = habermelTabelle(s.Par.Breite, s.EpsRund, p.f * p.L);
    const double Pw = 16400.0 * p.k, Ph = 11480.0 * p.k;
    p.x0 = static_cast<double>(roundHalfEven(0.6 * Pw));
    p.y0 = Ph / 2 + (p.t.m[18] - p.t.m[0]);
    // A long gnomon takes the rim (7 mm round the summer circle) below the sheet: the foot
    // moves up just so far that the rim's lowest point stays 1 mm above the sheet's edge.
    const double randUnten = p.y0 + p.t.m[0] - 2 * p.t.m[36] - 7 * p.f;
    if (randUnten < 40.0 * p.k)
        p.y0 += 40.0 * p.k - randUnten;
    p.schreibe(hpglPrologMitRahmen(16157 * p.k, 11038 * p.k));
    p.schreibe(";SP 4;PU 0 0;");
    p.schreibe(";PU;" + hpglZeichengroesse(0.18 * p.k, 0.27 * p.k));
    kopfUndLegende(p);
    rahmen(p);
    stundenlinien(p, s.Schalter.MitZeitglZylinder && !s.Schalter.Zonenzeit);
    p.schreibe(std::string(hpglEpilogFensterZurueck));
}

} // namespace umbrin
