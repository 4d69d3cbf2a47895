#include "dials/ring/RingHpgl.h"

#include "core/Rounding.h"
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/Textumformung.h"
#include "core/Vorzeichen.h"
#include "core/Winkel.h"
#include "core/Zahlenformat.h"
#include "dials/HpglDialekt.h"
#include "dials/ring/RingPlot.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace umbrin {
namespace {

constexpr double pi = std::numbers::pi;
const std::string ETX(1, hpglLabelEnde);

double rund(double x) { return static_cast<double>(roundHalfEven(x)); }
std::string N(double v) { return hpglZahl(v); }

std::string glyphe(int zeichen) { return std::string(1, static_cast<char>('^' + zeichen - 1)); }

// Half-day arc for temporal hours: 0 or 180 where the sun does not set or rise.
double halbbogen(double phi, double delta)
{
    const double q = -std::tan(std::fabs(phi) * kRad) * std::tan(delta * kRad);
    if (std::fabs(q) < 1e-12)
        return 90;
    if (std::fabs(q) > 1)
        return 90 - 90 * Vorzeichen(q);
    return InGrad(std::acos(q));
}

// One step of an hour line: in-plane x, corrected xc, row y, found flag.
struct Schritt {
    double x = 0, xc = 0, y = 0;
    bool gefunden = false;
};

struct Stundenlinie {
    double stunde = 0; // t
    int ganze = 0;     // the whole hour i
    int j = 0;
    std::string stift; // the hour's pen number
};

std::string stiftFuer(const RingPlot& p, int j)
{
    if (j > 0)
        return "3";
    return p.temporal ? "10" : "2";
}

double stundenwinkel(const RingPlot& p, double t, double delta)
{
    return p.temporal ? (t - 6) * halbbogen(p.phi, delta) / 6 : (t - 12) * 15;
}

bool seiteBeschriftet(const RingPlot& p, int stunde)
{
    return 12 - p.von > p.bis - 12 ? stunde <= 12 : stunde >= 12;
}

// The number of an hour beside its line at x on the row y: on the side away from noon, where
// the lines are further apart; the noon number on the free side beyond its line (the band's
// frame encloses it where the noon line is the band's end).
void zahlAnLinie(RingPlot& p, double x, double y, int stunde)
{
    const std::string zahl = N(stunde);
    const double breite = 1.5 * RingPlot::cw * static_cast<double>(zahl.size());
    const bool mittag = stunde == (p.temporal ? 6 : 12);
    // A number that would reach left past the hole line into the glyphs stands right of its line.
    const bool rechts = mittag || x - breite - 40 < p.x1;
    p.stundenzahl(rechts ? x + 40 : x - breite - 40, y - RingPlot::ch / 2, zahl);
}

// The place of an hour's number along its line: the band's row of numbers, or where the sun
// is down there or the spot beyond the band's columns, the nearest row where the sun is a
// degree up. The number on the row of numbers is written as its step comes; another waits
// for the line's end.
struct Zahlplatz {
    explicit Zahlplatz(int z) : zeile(z) {}
    int zeile = 0;
    int abstand = 1000;
    Schritt st;
    bool geschrieben = false;

    // Whether the step at row k should carry the number now.
    bool jetzt(const RingPlot& p, int k, double a, const Schritt& s, int modus)
    {
        const double x = modus == 0 ? s.x : s.xc;
        if (geschrieben || s.x <= p.x1 || x > p.xRechts() + 1 || (k != zeile && a <= 1))
            return false;
        if (k == zeile)
            return geschrieben = true;
        if (std::abs(k - zeile) < abstand) {
            abstand = std::abs(k - zeile);
            st = s;
        }
        return false;
    }
};

// The right end of a band's frame: the band's end, or beyond it the last number.
double rahmenEnde(const RingPlot& p, double ende)
{
    for (const RingPlot::Labelkasten& k : p.labels)
        ende = std::max(ende, k.x1);
    return ende;
}

// Characters of a label (UTF-8 in memory, one byte each in the plot).
std::size_t zeichenZahl(const std::string& text)
{
    std::size_t n = 0;
    for (const unsigned char c : text)
        if ((c & 0xC0) != 0x80)
            ++n;
    return n;
}

// The step of an hour line at declination d of the current band, with target T and hole
// angle c (c is replaced with the noon-line variant).
Schritt schritt(const RingPlot& p, double d, double a, double T, double y, double c, bool& gefunden)
{
    Schritt st;
    st.y = y;
    const double phiB = std::fabs(p.phi);
    st.x = p.s.Schalter.ZwoelfUhrHorizontal ? rund(p.x1 + 2 * p.L - (90 - phiB + d - a) * 2 * p.r * kRad)
                                            : rund(p.x1 + 2 * p.r * a * kRad);
    double K = 0;
    if (a > 0 && p.s.Schalter.RingExakt != 0) {
        double Q = 0, S = 0;
        sucheRingWinkel(Q, S, K, p.D, c, a, T, gefunden);
    }
    st.gefunden = gefunden;
    st.xc = st.x + p.r * K * kRad;
    return st;
}

void kopf(RingPlot& p)
{
    const AppState& s = p.s;
    const double x0 = RingPlot::x0, y0 = p.y0, h = p.h, zr = rund(2 * p.r), u = rund(pi * p.r);
    p.zeile(";SP 1;PU " + RingPlot::P(x0, y0 + 3 * h) + ";PD " + RingPlot::P(x0, y0 + 5 * h) + " " +
            RingPlot::P(x0, y0 + 4 * h) + " " + RingPlot::P(x0 + zr, y0 + 4 * h) + " " +
            RingPlot::P(x0 + zr, y0 + 5 * h) + " " + RingPlot::P(x0 + zr, y0 + 3 * h) + ";");
    p.zeile(";SP 1;PU " + RingPlot::P(x0, y0 + h) + ";PD " + RingPlot::P(x0, y0 + 3 * h) + " " +
            RingPlot::P(x0, y0 + 2 * h) + " " + RingPlot::P(x0 + u, y0 + 2 * h) + " " +
            RingPlot::P(x0 + u, y0 + 3 * h) + " " + RingPlot::P(x0 + u, y0 + h) + ";");
    std::string T(texteText(s, p.temporal ? 18 : 16));
    if (s.Schalter.Italienisch)
        T += " + " + std::string(texteText(s, 158));
    if (s.Schalter.Babylonisch)
        T += " + " + std::string(texteText(s, 157));
    p.zeile(";SP 1;SI 0.3,0.4;PU 600 10500;LB" + std::string(texteText(s, 6)) + ETX +
            "SI 0.2,0.32;PU 5500 10500;LB  " + mitLeerzeichen(texteText(s, 143), T) + ETX);
    const double v = s.Schalter.Ganzjaehrig ? p.lochVersatz : p.deklOben;
    const std::string daten = std::string(texteText(s, 131)) + RealStr(p.phi, 7, 2) + "; " +
                              std::string(texteText(s, 7)) + " " + RealStr(p.D, 5, 1) + std::string(texteText(s, 8)) +
                              RealStr(p.B, 5, 1) + std::string(texteText(s, 9)) + RealStr(p.alpha, 5, 1) +
                              std::string(texteText(s, 105)) + ", " + std::string(texteText(s, 191)) + " =" +
                              RealStr(v, 6, 2) + std::string(texteText(s, 105));
    // A data line longer than the page is written in narrower characters (the cell is 1.5
    // character widths, 400 units a centimetre), so it ends inside the frame.
    const double platz = RingPlot::W - 100 - 1500;
    const double breite = std::floor(100 * platz / (600 * static_cast<double>(zeichenZahl(daten)))) / 100;
    if (breite < 0.2)
        p.zeile(";SI " + RealStr(breite, 4, 2) + ",0.32;PU 1500 10260;LB" + daten + ETX + ";SI 0.2,0.32");
    else
        p.zeile(";PU 1500 10260;LB" + daten + ETX);
    p.zeile(";PU " + RingPlot::P(x0 + 400, y0 + 5 * h) + ";LB" + std::string(texteText(s, 7)) +
            RealStr(p.D, 5, 1) + ETX);
    p.zeile(";PU " + RingPlot::P(x0 + zr + 15 * h, y0 + 3 * h) + ";LB" + std::string(texteText(s, 11)) + ETX +
            "SP 1");
}

void spaltenkasten(RingPlot& p)
{
    const double x1 = p.x1, ch = RingPlot::ch, y0 = p.y0, yu = p.y0 - p.Bu;
    p.zeile(";PU " + RingPlot::P(x1 - 1.8 * ch, y0) + ";PD " + RingPlot::P(x1 - 0.1 * ch, y0) + " " +
            RingPlot::P(x1 - 0.1 * ch, yu) + " " + RingPlot::P(x1 - 3.6 * ch, yu) + " " +
            RingPlot::P(x1 - 3.6 * ch, y0) + " " + RingPlot::P(x1 - 1.8 * ch, y0) + " " +
            RingPlot::P(x1 - 1.8 * ch, yu));
}

void zusatzstunden(RingPlot& p)
{
    if (p.s.Schalter.ZwoelfUhrHorizontal)
        return;
    if (p.s.Schalter.Babylonisch)
        schreibeRingItalBabylHPGL(p, false);
    if (p.s.Schalter.Italienisch)
        schreibeRingItalBabylHPGL(p, true);
}

// One band: hour lines, frame, scale, hole and glyphs. Returns the band's right end.
double einBand(RingPlot& p)
{
    const AppState& s = p.s;
    const int modus = s.Schalter.RingExakt;
    const double phiB = std::fabs(p.phi);
    p.band = RingBand::Einzel;
    p.L = phiB <= p.epsRund ? p.r * kRad * 90 : p.r * kRad * (90 - phiB + p.eps);
    p.zeile(";SP 1;PU " + RingPlot::P(p.x1, p.y0 - p.Bu) + ";PD " + RingPlot::P(p.x1, p.y0));
    p.zeile(";IW " + RingPlot::P(p.x1, p.fensterUnten(p.y0 - p.Bu, p.y0)) + " " + RingPlot::P(p.x1 + pi * p.r, p.y0) +
            ";SP 2");
    double groesste = p.x1;
    p.labels.clear();
    for (int i = static_cast<int>(rund(p.von)); i <= static_cast<int>(rund(p.bis)); ++i) {
        for (int j = 0; j < p.n; ++j) {
            const double t = i + static_cast<double>(j) / p.n;
            if (t > p.bis + 1e-9)
                continue;
            const std::string stift = stiftFuer(p, j);
            bool gefunden = false;
            bool begonnen = false;
            Schritt start;
            Zahlplatz zahl(22);
            const bool beschriftet = j == 0 && seiteBeschriftet(p, i);
            for (int k = 47; k >= 0; --k) {
                double delta = 23.5 - k;
                if (std::fabs(delta) > p.epsRund)
                    delta = p.epsRund * Vorzeichen(delta);
                if (std::fabs(delta + 0.000001 - p.lochVersatz) <= 0.5)
                    delta = p.lochVersatz;
                p.zeile(";SP " + stift);
                double a = 0, az = 0;
                AzimutHoehe(a, az, phiB, delta, stundenwinkel(p, t, delta));
                const double c = s.Schalter.ZwoelfUhrHorizontal ? (p.eps - delta) * 2 + p.alpha : p.alpha;
                const double y = rund(p.y0 - (p.eps - delta) * p.Bu / (2 * p.eps));
                const double T = ringZiel(delta, p.lochVersatz, p.B, 2 * p.eps);
                const bool vorher = gefunden;
                const Schritt st = schritt(p, delta, a, T, y, c, gefunden);
                if (a <= -1.0)
                    continue;
                // A line begins at its first step the sun lights, not in the dark winter rows.
                if (!begonnen)
                    start = st;
                begonnen = true;
                if (modus != 0) {
                    groesste = std::max(groesste, std::min(st.xc, p.xRechts()));
                    p.rechtsGekappt |= st.gefunden && st.xc > p.xRechts() + 1;
                }
                if (modus == 2)
                    p.zeile(";SP 10");
                if (modus != 0 && st.gefunden && !vorher)
                    p.zeile(";PU " + RingPlot::P(st.xc, st.y) + ";PD;CI 20,10");
                if (modus != 0 && st.gefunden && vorher)
                    p.zeile(";PU " + RingPlot::P(start.xc, start.y) + ";PD " + RingPlot::P(st.xc, st.y));
                if (modus == 2)
                    p.zeile(";SP " + stift);
                if (modus == 0 || modus == 2)
                    p.zeile(";PU " + RingPlot::P(start.x, start.y) + ";PD " + RingPlot::P(st.x, st.y));
                if (modus == 2 && st.gefunden && st.x != st.xc)
                    p.zeile(";PU " + RingPlot::P(st.x, st.y) + ";PD " + RingPlot::P(st.xc, st.y));
                if (beschriftet && zahl.jetzt(p, k, a, st, modus))
                    zahlAnLinie(p, modus == 0 ? st.x : st.xc, st.y, i);
                start = st;
            }
            if (beschriftet && !zahl.geschrieben && zahl.abstand < 1000)
                zahlAnLinie(p, modus == 0 ? zahl.st.x : zahl.st.xc, zahl.st.y, i);
        }
    }

    double xEnd = groesste;
    if (modus == 0)
        xEnd = phiB < p.epsRund + 0.05 ? p.x1 + 180 * kRad * p.r : p.x1 + 2 * kRad * p.r * (90 - phiB + p.epsRund);
    p.zeile(";SP 1;PU " + RingPlot::P(RingPlot::x0, p.y0 + 25) + ";EA " + RingPlot::P(rahmenEnde(p, xEnd) + 25, p.y0 - p.Bu - 25));
    zusatzstunden(p);
    const auto zeileVon = [&](double d) { return p.y0 - rund((1 - d / p.eps) * p.Bu / 2); };
    p.zeile(p.yGrenze > 0 ? p.skalenfenster() + ";SP 4" : ";IW ;SP 4");
    for (int k = 0; k <= 6; ++k) {
        const double y = zeileVon(s.DeklTabelle[6 * k]);
        p.zeile(";PU " + RingPlot::P(p.x1 - 3.6 * RingPlot::ch, y) + ";PD " + RingPlot::P(xEnd, y));
    }
    p.zeile(";SP 11");
    for (int k = 0; k <= 5; ++k) {
        for (int m = 1; m <= 2; ++m) {
            const double y = zeileVon(s.DeklTabelle[6 * k + 2 * m]);
            p.zeile(";PU " + RingPlot::P(p.x1, y) + ";PD " + RingPlot::P(xEnd, y));
        }
    }
    p.zeile(";SP 1;PU " + RingPlot::P(xEnd, p.y0) + ";PD " + RingPlot::P(xEnd, p.y0 - p.Bu));
    const double yh = rund(p.y0 - (p.eps - p.lochVersatz) * (p.Bu / 2) / p.eps);
    p.zeile(";SP 2;PU " + RingPlot::P(p.x1, yh) + ";CI " + N(0.4 * RingPlot::ch) + ",10;");
    p.zeile(";SA;SP 4");
    for (int k = 0; k <= 6; ++k) {
        const double yk = rund(p.y0 - (p.eps - s.DeklTabelle[6 * k]) * p.Bu / 2 / p.eps);
        const auto zeichen = [&](int z) { return p.sued ? 13 - z : z; };
        if (k < 6)
            p.zeile(";PU " + RingPlot::P(p.x1 - 1.5 * RingPlot::ch, yk - 1 - RingPlot::ch) + ";LB " +
                    glyphe(zeichen(k + 4)) + ETX);
        if (k >= 1)
            p.zeile(";PU " + RingPlot::P(p.x1 - 3.2 * RingPlot::ch, rund(yk + RingPlot::ch / 2)) +
                    (k >= 4 ? ";LB " : ";LB") + glyphe(zeichen(k >= 4 ? 16 - k : 4 - k)) + ETX);
    }
    spaltenkasten(p);
    p.zeile(";SS");
    if (s.Schalter.ZwoelfUhrHorizontal) {
        p.zeile(";SP 8");
        std::vector<std::pair<double, double>> bogen;
        for (int k = 0; k <= 36; ++k) {
            const double d = s.DeklTabelle[k];
            bogen.emplace_back(rund(p.x1 + 2 * p.L - (90 - phiB + d) * 2 * p.r * kRad),
                               rund(p.y0 - (p.eps - d) * p.Bu / 2 / p.eps));
        }
        p.linieImBand(bogen);
        p.zeile(";SP 1");
        schreibeRingDatumsskalaHPGL(p);
    }
    return xEnd;
}

// One of the two bands. Returns its right end; groesste gets its largest corrected x.
double halbjahresBand(RingPlot& p, bool winter, double& groesste)
{
    const AppState& s = p.s;
    const int modus = s.Schalter.RingExakt;
    const double phiB = std::fabs(p.phi);
    p.band = winter ? RingBand::Winter : RingBand::Sommer;
    if (winter)
        p.y0 = rund(p.y0 - p.Bu) - 920;
    p.L = winter ? p.r * kRad * (90 - phiB) : (phiB <= p.epsRund ? p.r * kRad * 90 : p.r * kRad * (90 - phiB + p.eps));
    p.zeile(";SP 4");
    if (s.Schalter.ZwoelfUhrHorizontal) {
        p.zeile(";SP 8");
        std::vector<std::pair<double, double>> bogen;
        for (int k = 0; k <= 18; ++k) {
            const double x = rund(p.x1 + 2 * p.L - (90 - phiB + s.DeklTabelle[k + (winter ? 18 : 0)]) * 2 * p.r * kRad);
            const double y = winter ? rund(p.y0 + p.Bu * s.DeklTabelle[18 + k] / p.eps)
                                    : rund(p.y0 - (p.eps - s.DeklTabelle[k]) * p.Bu / p.eps);
            bogen.emplace_back(x, y);
        }
        p.linieImBand(bogen);
    }
    p.zeile(";SP 2");
    p.zeile(";IW " + RingPlot::P(p.x1, p.y0) + " " + RingPlot::P(p.x1 + pi * p.r, p.fensterUnten(p.y0 - p.Bu, p.y0)));
    p.stundenbereich();
    bool okW = false;
    const double xw = ringPosition(p.massstab(), p.phi, p.B, p.D, p.alpha, p.deklUnten, 0, okW);

    groesste = p.x1;
    p.labels.clear();
    for (int i = static_cast<int>(rund(p.von)); i <= static_cast<int>(rund(p.bis)); ++i) {
        for (int j = 0; j < p.n; ++j) {
            const double t = i + static_cast<double>(j) / p.n;
            if (t > p.bis + 1e-9)
                continue;
            const std::string stift = stiftFuer(p, j);
            bool gefunden = false;
            bool startSichtbar = false;
            Schritt start;
            Zahlplatz zahl(11);
            const bool beschriftet = j == 0 && seiteBeschriftet(p, i);
            for (int k = 0; k <= 24; ++k) {
                double delta = k == 24 ? -p.epsRund : -k;
                double ds = -delta;
                if (!winter && std::fabs(ds - p.deklOben) <= 0.5)
                    ds = p.deklOben;
                if (winter && std::fabs(delta + 0.000001 - p.deklUnten) <= 0.5)
                    delta = p.deklUnten;
                const double d = winter ? delta : ds;
                p.zeile(";SP " + stift);
                double a = 0, az = 0;
                AzimutHoehe(a, az, phiB, d, stundenwinkel(p, t, d));
                const double c = !s.Schalter.ZwoelfUhrHorizontal ? p.alpha
                                 : winter                          ? p.alpha - 2 * delta
                                                                   : p.alpha + 2 * ds;
                const double y = winter ? rund(p.y0 + delta * p.Bu / p.eps) : rund(p.y0 - (p.eps - ds) * p.Bu / p.eps);
                const double T =
                    winter ? ringZiel(delta, p.deklUnten, p.B, p.eps) : ringZiel(ds, p.deklOben, p.B, p.eps);
                const bool vorher = gefunden;
                const Schritt st = schritt(p, d, a, T, y, c, gefunden);
                const bool sichtbar = a > -0.8;
                // After steps the sun does not light the line starts afresh at this step.
                if (sichtbar && !startSichtbar)
                    start = st;
                if (sichtbar) {
                    if (modus != 0) {
                        groesste = std::max(groesste, std::min(st.xc, p.xRechts()));
                        p.rechtsGekappt |= st.gefunden && st.xc > p.xRechts() + 1;
                    }
                    if (modus != 0 && st.gefunden && vorher)
                        p.zeile(";PU " + RingPlot::P(start.xc, start.y) + ";PD " + RingPlot::P(st.xc, st.y));
                    if (modus != 0 && st.gefunden && !vorher)
                        p.zeile(";PU " + RingPlot::P(st.xc, st.y) + ";PD;CI 20,10;");
                    if (modus == 0 || modus == 2)
                        p.zeile(";PU " + RingPlot::P(start.x, start.y) + ";PD " + RingPlot::P(st.x, st.y));
                    if (modus == 2) {
                        p.zeile(";SP 10");
                        if (st.gefunden && st.x != st.xc)
                            p.zeile(";PU " + RingPlot::P(st.x, st.y) + ";PD " + RingPlot::P(st.xc, st.y));
                        p.zeile(";SP " + stift);
                    }
                    if (beschriftet && zahl.jetzt(p, k, a, st, modus))
                        zahlAnLinie(p, modus == 0 ? st.x : st.xc, st.y, i);
                }
                start = st;
                startSichtbar = sichtbar;
            }
            if (beschriftet && !zahl.geschrieben && zahl.abstand < 1000)
                zahlAnLinie(p, modus == 0 ? zahl.st.x : zahl.st.xc, zahl.st.y, i);
        }
    }

    p.zeile(";IW 0 0 " + N(RingPlot::W) + " " + N(RingPlot::H) + ";SP 4");
    p.zeile((p.yGrenze > 0 ? p.skalenfenster() : ";IW 0 " + N(-RingPlot::W) + " " + N(RingPlot::W) + " " + N(RingPlot::H)) +
            ";SP 4");
    double xEnd = 0;
    if (!winter) {
        const bool aequator = modus == 0 ? phiB <= p.epsRund + 0.05 : phiB < p.epsRund + 0.05;
        if (aequator)
            xEnd = p.x1 + 180 * kRad * p.r;
        else
            xEnd = modus == 0 ? p.x1 + 2 * kRad * p.r * (90 - phiB + p.epsRund) : groesste;
    } else {
        xEnd = modus == 0 ? p.x1 + 2 * kRad * p.r * (90 - phiB) : xw;
    }
    const auto zeileVon = [&](double v) {
        return winter ? rund(p.y0 + v * p.Bu / p.eps) : rund(p.y0 - (p.eps - v) * p.Bu / p.eps);
    };
    for (int k = 0; k <= 9; ++k) {
        const double y = zeileVon(s.DeklTabelle[winter ? 18 + 2 * k : 2 * k]);
        if (k == 3 || k == 6)
            p.zeile(";PU " + RingPlot::P(p.x1 - 3.6 * RingPlot::ch, y - 6) + ";PD " + RingPlot::P(xEnd, y - 6));
        p.zeile(";PU " + RingPlot::P(p.x1, y) + ";PD " + RingPlot::P(xEnd, y));
    }
    p.zeile(";PU " + RingPlot::P(xEnd, p.y0) + ";PD " + RingPlot::P(xEnd, p.y0 - p.Bu));
    // Each band's hole mark at that band's own hole declination.
    const double yh = zeileVon(winter ? p.deklUnten : p.deklOben);
    p.zeile(";SP 7;PU " + RingPlot::P(p.x1, yh) + ";CI " + N(0.4 * RingPlot::ch) + ",10;SA;SP 1");
    for (int k = 0; k <= 3; ++k) {
        const double yk = zeileVon(s.DeklTabelle[winter ? 18 + 6 * k : 6 * k]);
        if (yk - 1.5 * RingPlot::ch < p.yGrenze)
            continue;
        if (k < 3) {
            const int z = winter ? (p.sued ? k + 1 : k + 7) : (p.sued ? k + 10 : k + 4);
            p.zeile(";PU " + RingPlot::P(p.x1 - 1.5 * RingPlot::ch, yk - (winter ? 2 : 1) - RingPlot::ch) + ";LB" +
                    glyphe(z) + ETX);
        }
        if (k > 0) {
            const int z = winter ? (p.sued ? 7 - k : 13 - k) : (p.sued ? 10 - k : 4 - k);
            p.zeile(";PU " + RingPlot::P(p.x1 - 3 * RingPlot::ch, rund(yk + RingPlot::ch / 2)) + ";LB" + glyphe(z) +
                    ETX);
        }
    }
    p.zeile(";SS;");
    zusatzstunden(p);
    spaltenkasten(p);
    p.zeile(";SS ;SP 1");
    if (s.Schalter.ZwoelfUhrHorizontal)
        schreibeRingDatumsskalaHPGL(p);
    p.zeile(";SP 1;PU " + RingPlot::P(RingPlot::x0, p.y0 + 30) + ";EA " + RingPlot::P(rahmenEnde(p, xEnd) + 30, p.y0 - p.Bu - 30));
    return xEnd;
}

} // namespace

std::string RingPlot::P(double x, double y) { return hpglZahl(x) + " " + hpglZahl(y); }

std::string RingPlot::skalenfenster() const { return ";IW 0 " + N(yGrenze) + " " + N(W) + " " + N(H); }

void RingPlot::stundenzahl(double x, double y, const std::string& text)
{
    // A label's cell is 1.5 character widths wide (SI 0.2,0.32); blanks before the number
    // take no room.
    const std::size_t blanks = text.find_first_not_of(' ');
    const double links = x + 1.5 * cw * static_cast<double>(blanks == std::string::npos ? 0 : blanks);
    const double breite = 1.5 * cw * static_cast<double>(zeichenZahl(text) - blanks);
    const std::string zahl = text.substr(blanks == std::string::npos ? 0 : blanks);
    // Two numbers side by side less than a character cell apart read as one number: a number
    // keeps a cell from another.
    const auto ziffern = [](const std::string& t) {
        return !t.empty() && t.find_first_not_of("0123456789") == std::string::npos;
    };
    const auto luft = [&](const Labelkasten& k) { return ziffern(zahl) && ziffern(k.text) ? 1.5 * cw : 0.0; };
    for (int versuch = 0; versuch < 12; ++versuch) {
        const auto ueber = std::find_if(labels.begin(), labels.end(), [&](const Labelkasten& k) {
            return links < k.x1 + luft(k) && links + breite + luft(k) > k.x0 && y < k.y1 && y + ch > k.y0;
        });
        if (ueber == labels.end())
            break;
        if (ueber->text == zahl)
            return;
        y = ueber->y0 - 1.2 * ch;
    }
    if (y < yGrenze)
        return;
    labels.push_back({links, links + breite, y, y + ch, zahl});
    zeile(";PU " + P(x, y) + ";LB" + text + ETX);
}

void RingPlot::linieImBand(const std::vector<std::pair<double, double>>& punkte)
{
    bool offen = false; // the pen stands at the last point, inside the columns
    for (std::size_t k = 0; k < punkte.size(); ++k) {
        const auto [x, y] = punkte[k];
        if (k == 0) {
            offen = x >= x1 && x <= xRechts();
            if (offen)
                zeile(";PU " + P(x, y));
            continue;
        }
        double xa = punkte[k - 1].first, ya = punkte[k - 1].second, xb = x, yb = y;
        if (!ringSpalten(xa, ya, xb, yb, x1, xRechts())) {
            offen = false;
            continue;
        }
        if (!offen || xa != punkte[k - 1].first)
            zeile(";PU " + P(rund(xa), rund(ya)));
        zeile(";PD " + P(rund(xb), rund(yb)));
        offen = xb == x;
    }
}

void RingPlot::stundenbereich()
{
    const AppState& st = s;
    const double mitte = temporal ? 6 : 12;
    if (temporal) {
        n = st.Schalter.TemporalIntervall + 1;
        von = st.Zeiten.QuadTempVon;
        bis = st.Zeiten.QuadTempBis;
        if (von < 0 || von > 12 || bis < 0 || bis > 12) {
            if (!temporalGemeldet)
                frage.ask(PromptTitle::Fehler, PromptIcon::Error, std::string(meldungsText(st, 41)), PromptButtons::Ok);
            temporalGemeldet = true;
            von = 6;
            bis = 12;
        }
    } else {
        n = std::clamp(st.Schalter.StundenIntervallSonst - '0' + 1, 1, 10);
        if (n == 5)
            n = 6;
        von = st.Zeiten.QuadVon;
        bis = st.Zeiten.QuadBis;
    }
    if (von < mitte && mitte < bis) {
        if (mitte - von > bis - mitte)
            bis = mitte;
        else
            von = mitte;
    }
}

bool ringZuGrossFuerSeite(double D, double alpha)
{
    const double r = D * 20;
    return RingPlot::x0 + rund(r * alpha * kRad) + pi * r > RingPlot::W;
}

std::string schreibeRingsonnenuhrHPGL(const AppState& s, HPGLDatei& datei, UserPrompt& frage, double D, double B,
                                      double alpha)
{
    RingPlot p{s, datei, frage};
    p.D = D;
    p.B = B;
    p.alpha = alpha;
    p.r = D * 20;
    p.Bu = B * 40;
    p.x1 = RingPlot::x0 + rund(p.r * alpha * kRad);
    const bool einzel = s.Schalter.Ganzjaehrig;
    p.y0 = einzel ? RingPlot::H - 2000 : RingPlot::H - 1500;
    p.h = std::floor((RingPlot::H - p.y0) / 20);
    p.eps = s.DeklTabelle[0];
    p.epsRund = s.EpsRund;
    p.phi = s.Par.Breite;
    // On the equator the rows are those of the northern sun: only a southern place swaps the signs.
    p.sued = p.phi < 0;
    p.temporal = s.Schalter.TemporalAnzeige;
    const RingLoch loch = ringLoch(s);
    p.lochVersatz = loch.versatz;
    p.deklOben = loch.deklOben;
    p.deklUnten = loch.deklUnten;

    // Temporal hours at high latitudes: no plot, as no drawing.
    if (std::fabs(p.phi) > 65 && p.temporal) {
        std::string grund(meldungsText(s, 64));
        std::replace(grund.begin(), grund.end(), '\n', ' ');
        grund.erase(std::remove(grund.begin(), grund.end(), '\r'), grund.end());
        return grund;
    }
    const bool zuLang = ringZuGrossFuerSeite(D, alpha);
    if (zuLang) {
        const std::string text(texteText(s, 10));
        if (frage.ask(PromptTitle::WasNun, PromptIcon::Question, text, PromptButtons::YesNo) == PromptAnswer::Yes) {
            const std::string grund = text.substr(0, text.find('\n'));
            return grund + (s.Sprachspalte == 2 ? " The plot was not written." : " Der Plot wurde nicht geschrieben.");
        }
    }
    // Where the footer and the two lines that may follow it would run off below the last band
    // (and its date scale, whose lowest month names stand 1.3 of its 96 units below the
    // bar), the bands are cut above them.
    const double yLetztes = einzel ? p.y0 : rund(p.y0 - p.Bu) - 920;
    const double hS = std::floor(RingPlot::H / 40);
    double yFuss = yLetztes - p.Bu - 4 * RingPlot::ch;
    if (s.Schalter.ZwoelfUhrHorizontal)
        yFuss = std::min(yFuss, yLetztes - p.Bu - (einzel ? 3.5 * hS : 3 * hS + 1.3 * 96) - 1.5 * RingPlot::ch - 2);
    if (yFuss - 3 * RingPlot::ch < RingPlot::ch / 2)
        p.yGrenze = 6.5 * RingPlot::ch;
    p.zeile("IN;SS;PA;");
    p.stundenbereich();
    kopf(p);
    double ende = 0;
    double yUnten = 0;
    std::string text;
    if (einzel) {
        ende = einBand(p);
        yUnten = p.y0 - p.Bu;
        text = RealStr((ende - RingPlot::x0) * 180 / (p.r * pi), 5, 0) + std::string(texteText(s, 188));
    } else {
        double groessteSommer = 0, groessteWinter = 0;
        const double endeSommer = halbjahresBand(p, false, groessteSommer);
        const double endeWinter = halbjahresBand(p, true, groessteWinter);
        const double xs = s.Schalter.RingExakt == 0 ? endeSommer : groessteSommer;
        const double A = (endeWinter + xs - 2 * RingPlot::x0) * 180 / (pi * p.r);
        yUnten = p.y0 - p.Bu;
        text = RealStr(A, 5, 0) + std::string(texteText(s, 190));
        if (A > 360)
            text += std::string(texteText(s, 189));
    }
    // Below the last band's date scale where there is one.
    double yText = std::min(yUnten - 4 * RingPlot::ch, p.skalaUnten - 1.5 * RingPlot::ch);
    if (p.yGrenze > 0) {
        // The footer's lines below the cut, on the whole sheet again.
        yText = p.yGrenze - 1.5 * RingPlot::ch;
        p.zeile(";IW 0 0 " + N(RingPlot::W) + " " + N(RingPlot::H));
    }
    p.zeile(";SP 4;PU " + RingPlot::P(RingPlot::x0 + 3 * RingPlot::ch, yText) + ";LB" + text + ETX);
    // What is left out at the band's ends stands in the lines below.
    double yWeiter = yText;
    for (const bool vorLoch : {true, false})
        if (vorLoch ? p.vorLochGekappt : p.rechtsGekappt) {
            yWeiter -= 1.5 * RingPlot::ch;
            p.zeile(";PU " + RingPlot::P(RingPlot::x0 + 3 * RingPlot::ch, yWeiter) + ";LB" +
                    ringGekapptText(s, vorLoch) + ETX);
        }
    // A band cut above the foot of the sheet is said on it, and to the user.
    if (p.yGrenze > 0) {
        p.zeile(";PU " + RingPlot::P(RingPlot::x0 + 3 * RingPlot::ch, yWeiter - 1.5 * RingPlot::ch) + ";LB" +
                ringUntenGekapptText(s, einzel) + ETX);
        frage.ask(PromptTitle::Warnung, PromptIcon::Warning, ringUntenGekapptText(s, einzel), PromptButtons::Ok);
    }
    p.zeile(";PU 1 1;PD 16157 1 16157 11040 1 11040 1 1;");
    p.zeile(std::string(hpglEpilogStiftWeg));
    // A half ring longer than the sheet, plotted all the same: the user learns what the plotter
    // cuts off (a DXF drawing has no sheet).
    if (zuLang && s.AlsHPGL)
        frage.ask(PromptTitle::Warnung, PromptIcon::Warning,
                  s.Sprachspalte == 2 ? "The ring is too large for the plot sheet: its bands, lines and numbers beyond the "
                                        "sheet's width reach over its right edge, where the plotter cuts them off."
                                      : "Der Ring ist für das Plotblatt zu groß: seine Bänder, Linien und Zahlen jenseits "
                                        "der Blattbreite reichen über den rechten Rand, wo der Plotter sie abschneidet.",
                  PromptButtons::Ok);
    return {};
}

} // namespace umbrin
