// The ring dial's plot: Italian and Babylonian hour lines, and the date scale of the sliding
// hole.
#include "core/Rounding.h"
#include "core/Sonne.h"
#include "core/SonneEbene.h"
#include "core/Sprachdienst.h"
#include "core/Vorzeichen.h"
#include "core/Winkel.h"
#include "dials/HpglDialekt.h"
#include "dials/ring/RingPlot.h"

#include <algorithm>
#include <cmath>

namespace umbrin {
namespace {

const std::string ETX(1, hpglLabelEnde);

double rund(double x) { return static_cast<double>(roundHalfEven(x)); }

struct Schritt {
    double x = 0, xc = 0, y = 0, a = 0;
    bool gefunden = false;
};

} // namespace

void schreibeRingItalBabylHPGL(RingPlot& p, bool italienisch)
{
    const AppState& s = p.s;
    if (std::fabs(p.phi) > 65) {
        bool& gemeldet = p.breiteGemeldet[italienisch ? 1 : 0];
        if (!gemeldet)
            p.frage.ask(PromptTitle::Problem, PromptIcon::Error,
                        std::string(texteText(s, 42)) + "\r" + std::string(texteText(s, 43)), PromptButtons::Ok);
        gemeldet = true;
        return;
    }
    const int von = italienisch ? s.Zeiten.ItalVon : s.Zeiten.BabVon;
    const int bis = italienisch ? s.Zeiten.ItalBis : s.Zeiten.BabBis;
    const int n = s.Schalter.Intervalle[italienisch ? 1 : 0] + 1;
    const int teil = italienisch ? s.RingItalTeil : s.RingBabTeil;
    const int modus = s.Schalter.RingExakt;
    const bool einzel = p.band == RingBand::Einzel;
    const bool winter = p.band == RingBand::Winter;
    const int hoechste = einzel ? 47 : 24;
    const int beschriftung = einzel ? 18 : (winter ? 16 : 15);
    const std::string stiftVoll = italienisch ? "5" : "6";
    const bool vormittags = 12 - von > bis - 12;
    const double phiB = std::fabs(p.phi);
    for (int i = von; i <= bis; ++i) {
        for (int j = 0; j < n; ++j) {
            const double t = i + static_cast<double>(j) / n;
            if (t > bis)
                continue;
            p.zeile(j == 0 ? ";SP " + stiftVoll + ";" : std::string(";SP 9;"));
            bool gefunden = false;
            Schritt start;
            for (int k = hoechste; k >= 0; --k) {
                double delta = einzel ? 23.5 - k : (winter ? std::min(0.0, k - p.epsRund) : k);
                if (std::fabs(delta) > p.epsRund)
                    delta = p.epsRund * Vorzeichen(delta);
                if (einzel) {
                    if (std::fabs(delta + 0.000001 - p.lochVersatz) <= 0.5)
                        delta = p.lochVersatz;
                    else if (std::fabs(delta - p.deklOben) <= 0.5)
                        delta = p.deklOben;
                }
                // The rows stand for the sun of the latitude's magnitude (south of the equator a
                // row means the opposite declination): so does the day's length here.
                const TagNachtErgebnis tn = TagNachtGrenzen(delta, std::fabs(p.phi));
                const double Hd = (tn.nichtPolarnacht && !tn.nichtPolartag) ? 180 : tn.H;
                double tau = italienisch ? Hd + 15 * t : 15 * t - Hd;
                if (italienisch && tau > 180)
                    tau -= 360;
                double a = 0, az = 0;
                AzimutHoehe(a, az, phiB, delta, tau);
                p.zeile(j == 0 ? ";SP " + stiftVoll + " ;" : std::string(";SP 9;"));
                Schritt st;
                double T = 0;
                switch (p.band) {
                case RingBand::Einzel:
                    st.y = rund(p.y0 - (p.eps - delta) * p.Bu / (2 * p.eps));
                    T = ringZiel(delta, p.lochVersatz, p.B, 2 * p.eps);
                    break;
                case RingBand::Sommer:
                    st.y = rund(p.y0 - (p.eps - delta) * p.Bu / p.eps);
                    T = ringZiel(delta, p.deklOben, p.B, p.eps);
                    break;
                case RingBand::Winter:
                    st.y = rund(p.y0 + delta * p.Bu / p.eps);
                    T = ringZiel(delta, p.deklUnten, p.B, p.eps);
                    break;
                }
                st.x = rund(p.x1 + 2 * p.r * a * kRad);
                // Where the line goes below the horizon it ends on the hole line.
                if (a < 0 && k != hoechste && start.a > 0) {
                    if (std::fabs(st.x - start.x) > 0.01)
                        st.y = rund((st.y - start.y) * (p.x1 - start.x) / (st.x - start.x)) + start.y;
                    a = 0;
                    st.x = p.x1;
                }
                st.a = a;
                double K = 0;
                const bool vorher = gefunden;
                if (a > 0 && modus != 0) {
                    double Q = 0, S = 0;
                    sucheRingWinkel(Q, S, K, p.D, p.alpha, a, T, gefunden);
                }
                st.gefunden = gefunden;
                st.xc = st.x + p.r * K * kRad;
                if (k == hoechste)
                    start = st;
                const bool uebersprungen = (teil == 0 && tau > -0.015) || (teil == 1 && tau < 0.015);
                if (!uebersprungen) {
                    if (j > 0)
                        p.zeile(";SP 9;");
                    else if (italienisch)
                        p.zeile(tau > 0 ? ";SP 5;" : ";SP 11;");
                    else
                        p.zeile(tau < 0 ? ";SP 6;" : ";SP 11;");
                    if (a > -0.5) {
                        if (modus != 0 && st.gefunden && vorher)
                            p.zeile(";PU " + RingPlot::P(start.xc, start.y) + ";PD " + RingPlot::P(st.xc, st.y));
                        if (modus == 0 || modus == 2)
                            p.zeile(";PU " + RingPlot::P(start.x, start.y) + ";PD " + RingPlot::P(st.x, st.y));
                        if (modus == 2 && st.x != st.xc)
                            p.zeile(";PU " + RingPlot::P(st.x, st.y) + ";PD " + RingPlot::P(st.xc, st.y));
                        const bool seite = vormittags ? i <= 12 : i >= 12;
                        if (j == 0 && st.x > p.x1 && (modus == 0 ? st.x : st.xc) <= p.xRechts() + 1 && seite &&
                            k == beschriftung)
                            p.stundenzahl(modus == 0 ? st.x : st.xc, st.y, hpglZahl(i));
                    }
                }
                start = st;
            }
        }
    }
    p.zeile(";SP 1;");
}

void schreibeRingDatumsskalaHPGL(RingPlot& p)
{
    const AppState& s = p.s;
    const bool einzel = p.band == RingBand::Einzel;
    const bool winter = p.band == RingBand::Winter;
    const bool sommer = p.band == RingBand::Sommer;
    const double cw = 64, ch = 96;
    const double hS = std::floor(RingPlot::H / 40);
    p.zeile(";SP 1;SI 0.16,0.24;");
    double ys = p.y0 - rund(hS + p.Bu);
    if (einzel)
        ys -= std::floor(hS / 2);
    if (sommer)
        ys += std::floor(ch / 2);
    const double phiB = std::fabs(p.phi);
    const double xR = sommer ? p.x1 + 2 * p.L - 2 * p.r * kRad * (90 - phiB)
                             : p.x1 + 2 * p.L - 2 * p.r * kRad * (90 - phiB - p.eps);
    p.zeile(";PU " + RingPlot::P(p.x1, ys) + ";EA " + RingPlot::P(xR, ys - 2 * hS));
    p.zeile(";PU " + RingPlot::P(p.x1, ys - hS) + ";PD " + RingPlot::P(xR, ys - hS));
    p.skalaUnten = ys - 2 * hS;
    const auto beschrifte = [&](double x, double y, const std::string& text) {
        if (y < p.yGrenze)
            return;
        p.skalaUnten = std::min(p.skalaUnten, y);
        // A name before a tick near the sheet's left edge (a small ring) starts at the edge.
        p.zeile(";PU " + RingPlot::P(std::max(x, 1.0), y) + ";LB" + text + ETX);
    };
    if (einzel) {
        beschrifte(xR + 10 * cw, ys - hS, holeText(s, 80));
        beschrifte(xR + 10 * cw, ys - 2 * hS, holeText(s, 83));
    } else {
        const double xe = p.x1 + 2 * p.r * kRad * p.eps;
        beschrifte(xe + 11 * cw, ys - hS + 0.4 * ch, holeText(s, 80));
        beschrifte(xe + 11 * cw, ys - hS - 0.9 * ch, holeText(s, winter ? 81 : 82));
    }

    const int jahr = s.Par.Jahr;
    const int d21J = TagImJahr(jahr, 6, 21), d21D = TagImJahr(jahr, 12, 21);
    const int d21M = TagImJahr(jahr, 3, 21), d21S = TagImJahr(jahr, 9, 21);
    for (int m = 1; m <= 12; ++m) {
        for (int c = 0; c <= 2; ++c) {
            const int tag = 10 * c + 1;
            const int d = TagImJahr(jahr, m, tag);
            const bool erster = c == 0;
            const RingSkalenstrich strich = ringSkalenstrich(s, p.phi, p.eps, m, tag);
            const double delta = strich.zeile;
            const double x = rund(p.x1 + 2 * p.L - 2 * p.r * kRad * (90 - phiB + delta));
            double ende = 0, lx = 0, ly = 0;
            const bool juniDez = m == 6 || m == 12;
            if (einzel) {
                if (d == d21D)
                    continue;
                if (d <= d21J || d > d21D) {
                    ende = erster ? ys : ys - hS / 2;
                    lx = juniDez ? x - 8 * cw : x - 6 * cw;
                    ly = juniDez ? ys - hS : ys - 1.15 * ch;
                } else {
                    ende = erster ? ys - 2 * hS : ys - hS / 2;
                    lx = juniDez ? x + 4 * cw : x + cw;
                    ly = juniDez ? ys - 2 * hS + ch : ys - 2 * hS + 0.2 * ch;
                }
            } else if (winter) {
                if (delta > 0 || d == d21D || (d > d21M && d < d21S))
                    continue;
                if (d <= d21J) {
                    ende = erster ? ys : ys - hS / 2;
                    lx = x - 8 * cw;
                    ly = ys + 0.2 * ch;
                } else {
                    ende = erster ? ys - 2 * hS : ys - 1.5 * hS;
                    lx = m == 12 ? x + 4.5 * cw : x + 6 * cw;
                    ly = m == 12 ? ys - hS : ys - 2 * hS - 1.3 * ch;
                }
            } else {
                if (delta <= 0)
                    continue;
                if (d < d21J || d > d21D) {
                    ende = erster ? ys : ys - hS / 2;
                    lx = m == 6 ? x - 7 * cw : x - 4 * cw;
                    ly = m == 6 ? ys - hS : ys - 1.2 * ch;
                } else {
                    ende = erster ? ys - 2 * hS : ys - 1.5 * hS;
                    lx = x + 3 * cw;
                    ly = ys - 2 * hS + 0.2 * ch;
                }
            }
            // A hole before the hole line (a noon sun beyond the zenith) is off the band.
            if (x < p.x1) {
                p.vorLochGekappt = true;
                continue;
            }
            p.zeile(";PU " + RingPlot::P(x, ys - hS) + ";PD " + RingPlot::P(x, ende));
            if (erster)
                beschrifte(lx, ly, std::string(monatKurz(s, strich.monat)));
        }
    }
}

} // namespace umbrin
