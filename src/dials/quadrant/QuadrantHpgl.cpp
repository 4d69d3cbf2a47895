// The calendar and zodiac quadrants as a plot: fixed page positions in plotter units, up to
// two quadrants side by side (mirrored, morning and afternoon, or the two half years), pens
// instead of colours, and the hour lines clipped by an input window per quadrant.
#include "dials/quadrant/QuadrantHpgl.h"

#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "dials/HpglDialekt.h"
#include "dials/quadrant/QuadrantGeometrie.h"
#include "dials/quadrant/QuadrantPlot.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace umbrin {
namespace {

constexpr double kRad = static_cast<double>(rad);
const std::string ETX(1, hpglLabelEnde);

std::string z(double v) { return hpglZahl(v); }
std::string text(const AppState& s, int n) { return std::string(texteText(s, n)); }
std::string B(double x) { return RealStr(x, 6, 2); }

// The degree scale: one pen-down polyline along the arc of radius R with a tick inwards at
// every degree (R1 plain, R5 every five, R15 every fifteen degrees).
void schreibeGradskalaHPGL(QuadrantPlot& p, int xA, int yA, int dA, int R, int R5, int R15, int R1)
{
    std::string t = ";;SP 1;PU " + z(xA) + " " + z(yA - R) + ";PD ";
    for (int k = dA; std::abs(k) <= 90; k += dA) {
        const double a = k * kRad;
        const double px = std::round(xA + R * std::sin(a)), py = std::round(yA - R * std::cos(a));
        const int ri = std::abs(k) % 15 == 0 ? R15 : std::abs(k) % 5 == 0 ? R5 : R1;
        const double xi = std::round(xA + ri * std::sin(a)), yi = yA - std::round(ri * std::cos(a));
        t += z(px) + " " + z(py) + " " + z(xi) + " " + z(yi) + " " + z(px) + " " + z(py) + " ";
    }
    p.zeile(t);
}

void gradskala(QuadrantPlot& p, int xA, int yA, int dA)
{
    const int R = p.off - 60;
    schreibeGradskalaHPGL(p, xA, yA, dA, R, R - 500, R - 1200, R - 200);
}

std::string monatsStift(int xA, int dA) { return dA == 1 || xA > 8000 ? ";SP 4" : ";SP 8"; }

void schreibeKalenderSkalaHPGL(QuadrantPlot& p, int xA, int yA, int dA, bool halb)
{
    const AppState& s = p.s;
    const int J = s.Par.Jahr;
    p.zeile(";PU;SI 0.15,0.24;" + std::string(p.stiftbreite.empty() ? "" : "PW 0;"));
    if (p.ganz()) {
        for (int m = 1; m <= 12; ++m)
            for (const int tag : {1, 16}) {
                p.L = (TagImJahr(J, m, tag) - p.J1) * p.upd + p.off;
                p.zeile(tag == 1 ? ";SP 1" : ";SP 7");
                p.bogen(xA, yA, dA, p.L);
                if (tag == 16)
                    p.zeile(";SP 4;PU "
                            + z(xA + (TagImJahr(J, m, 16) - p.J1 + 15) * p.upd * dA + 4000 * dA - 100) + " "
                            + z(yA + 40) + ";LB" + std::string(monatKurz(s, m)).substr(0, 2) + ETX);
            }
        p.L = (p.D31 - p.J1) * p.upd + p.off;
        p.zeile(";SP 1");
        p.bogen(xA, yA, dA, p.L);
    } else {
        const bool za = s.Schalter.Zeitablesung != 0;
        for (int m = 1; m <= 7; ++m)
            for (int k = 1; k <= 3; ++k) {
                const int tag = 10 * k - 9;
                double D = 0;
                if (!halb)
                    D = std::max(TagImJahr(J, m + 5, tag) - p.T21, 0);
                else if (m > 1)
                    D = TagImJahr(J, m - 1, tag) + 10;
                if (!halb)
                    p.L = std::round((za ? p.D21 - p.T21 - D : D) * p.upd) + p.off;
                else
                    p.L = std::round((za ? D : p.T21 + 10 - D) * p.upd) + p.off;
                if (k == 1) {
                    p.zeile(monatsStift(xA, dA));
                    if (m > 1) {
                        const int M = halb ? m - 1 : m + 5;
                        const std::string seite = ";PU " + z(xA - 220 - 249 * dA) + " " + z(yA - p.L - 40) + ";LB 1/"
                                                  + IntStr(M) + ETX;
                        const std::string oben = ";PU " + z(xA + p.L * dA - 5 * p.upd) + " " + z(yA + 60) + ";LB1/"
                                                 + IntStr(M) + ETX;
                        if (halb) {
                            p.zeile(seite + oben);
                        } else {
                            p.zeile(oben);
                            if (s.Schalter.MitZeitglAzimut || dA > 0) {
                                if (s.Schalter.MitZeitglAzimut && !s.Schalter.TemporalAnzeige)
                                    p.zeile(seite);
                                else
                                    p.zeile(";SP 7;PU " + z(xA - 220 - 249 * dA) + " "
                                            + z(yA - p.L - 40 + (za ? 10 : -10) * p.upd) + ";LB 1/" + IntStr(8 - m)
                                            + ETX + monatsStift(xA, dA));
                            }
                        }
                    }
                } else {
                    p.zeile(";SP 7");
                }
                p.bogen(xA, yA, dA, p.L);
            }
    }
    p.zeile(";SP 1;PU " + z(xA) + " " + z(yA - 7800) + ";PD " + z(xA) + " " + z(yA) + " " + z(xA + 7800 * dA) + " "
            + z(yA));
    gradskala(p, xA, yA, dA);
    p.zeile(";SP 4");
}

void schreibeZodiakSkalaHPGL(QuadrantPlot& p, int xA, int yA, int dA, bool halb)
{
    const AppState& s = p.s;
    const double eps = s.EpsRund;
    const bool za = s.Schalter.Zeitablesung != 0;
    const auto sym = [](int n) { return zodiakSymbol(n); };
    p.zeile(";PU;SI 0.18,0.28;SA" + std::string(p.stiftbreite.empty() ? "" : ";PW 0;"));
    p.q = 115;
    const int q = p.q;
    if (p.ganz()) {
        for (int k = 0; k <= 18; ++k) {
            const double dk = s.DeklTabelle[static_cast<std::size_t>(2 * k)];
            p.L = std::round((eps + dk) * 3600 / 2 / eps + p.off);
            const bool grenze = k % 3 == 0;
            p.zeile(grenze ? ";SP 1" : ";SP 7");
            p.bogen(xA, yA, dA, p.L);
            if (!grenze)
                continue;
            const double Dk = p.L - p.off;
            const int k3 = k / 3;
            if (k < 18) {
                if (za)
                    p.zeile(";SP 4;PU " + z(xA + Dk * dA + 4000 * dA) + " " + z(yA + 40) + ";LB" + sym(k3 + 4) + ETX);
                else
                    p.zeile(";SP 4;PU " + z(xA - 130 * dA) + " " + z(yA - Dk - 4065) + " ;LB" + sym(9 - k3) + ETX);
            }
            if (k > 0) {
                if (za)
                    p.zeile(";SP 4;PU " + z(xA - 130 * dA) + " " + z(yA - Dk - 4320) + " ;LB" + sym((16 - k3) % 12)
                            + ETX);
                else // the sign of the band outside the circle, as on the screen
                    p.zeile(";SP 4;PU " + z(xA + Dk * dA + 4180 * dA) + " " + z(yA + 40) + ";LB"
                            + sym((k3 + 9) % 12) + ETX);
            }
        }
        p.zeile(";SS;SP 1;PU " + z(xA) + " " + z(yA - 7800) + ";PD; AA " + z(xA) + "," + z(yA) + "," + z(90 * dA)
                + ",2;");
    } else {
        const int sigma = za ? 1 : -1;
        for (int k = 0; k <= 9; ++k) {
            const double dk = s.DeklTabelle[static_cast<std::size_t>(2 * k)];
            p.L = za ? p.off + std::round(3600 * dk / eps) : p.off + std::round(3600 * (eps - dk) / eps);
            if (k % 3 == 0) {
                p.zeile(monatsStift(xA, dA));
                const int k3 = k / 3;
                const auto lb = [&](double x, double y, int zeichen) {
                    p.zeile(";PU " + z(x) + " " + z(y) + ";LB" + sym(zeichen) + ETX);
                };
                if (halb) {
                    // The half year from winter to summer: the southern sign that begins on
                    // this circle beside the vertical edge, the northern one above the edge.
                    lb(xA - 220 - 249 * dA, yA - p.L - 40, k3 + 10);
                    lb(xA + p.L - 5 * p.upd, yA + 60, k == 0 ? 10 : 4 - k3);
                } else {
                    p.zeile(";SP 7");
                    if (k < 9) {
                        lb(xA - 2 * q * dA, yA - p.L + sigma * std::round(1.15 * q), k3 + 10);
                        lb(xA + dA * (p.L - sigma * std::round(1.6 * q)), yA + q / 2, k3 + 4);
                    }
                    if (k > 0) {
                        lb(xA - 2 * q * dA, yA - p.L - sigma * std::round(1.15 * q), 10 - k3);
                        lb(xA + dA * (p.L + sigma * q), yA + q / 2, 4 - k3);
                    }
                    p.zeile(monatsStift(xA, dA));
                }
            } else {
                p.zeile(";SP 7");
            }
            p.bogen(xA, yA, dA, p.L);
        }
    }
    p.zeile(";SS;SP 1;PU " + z(xA) + " " + z(yA - 7800) + ";PD " + z(xA) + " " + z(yA) + " " + z(xA + 7800 * dA) + " "
            + z(yA));
    p.zeile(";SP 1;PU " + z(xA) + " " + z(yA - 7800) + ";PD; AA " + z(xA) + "," + z(yA) + "," + z(90 * dA) + ",2;");
    gradskala(p, xA, yA, dA);
    p.zeile(";SP 4");
}

// The legend's lines that stand within the quadrants' windows, beside their apexes, as the
// legend below writes them: where the hour numbers must not stand.
std::vector<QuadrantPlot::Zahlstelle> legendeImFenster(const QuadrantPlot& p)
{
    const AppState& s = p.s;
    const int d = p.d;
    const bool T = s.Schalter.TemporalAnzeige, G = s.Schalter.Ganzjaehrig, E = s.Schalter.MitZeitglAzimut,
               Z = s.Schalter.Zonenzeit;
    const std::string lon = " " + text(s, 132).substr(2) + B(s.Par.Laenge), breite = " " + text(s, 131) + B(s.Par.Breite);
    std::vector<QuadrantPlot::Zahlstelle> k;
    const auto zeile = [&](int x, int y, const std::string& t) { k.push_back({double(x), double(y), 144.0 * t.size()}); };
    if (T) {
        zeile(3200 - 2100 * d, 9500, "  " + text(s, 18));
        zeile(3200 - 2100 * d, 9000, breite);
        return k;
    }
    zeile(8700, 9500, p.s3);
    zeile(8600, 9000, breite);
    zeile(2790 - 2000 * d, 9000, breite);
    if (Z) {
        zeile(8600, 8760, lon);
        if (!E || s.Schalter.QuadrantSkala == 1)
            zeile(2520 - 2000 * d, 9500, text(s, 17));
        zeile(2790 - 2000 * d, 8760, lon);
    }
    if (E && s.Schalter.QuadrantSkala == 0) {
        zeile(2740 - 2050 * d, 9500, p.s3);
        if (!G) {
            zeile(9120, 9240, "21/12-21/6");
            zeile(3580 - 2380 * d, 9220, "21/6-21/12");
        }
    } else if (!Z && !G) {
        zeile(8600, 8760, lon);
    }
    return k;
}

void schreibeQuadrantSkalenHPGL(QuadrantPlot& p, int xA, int yA, int dA, double von, double bis, bool halb,
                                double lat, double lambda, double zone)
{
    const AppState& s = p.s;
    const bool zodiak = s.Schalter.QuadrantSkala == 1;
    if (zodiak)
        schreibeZodiakSkalaHPGL(p, xA, yA, dA, halb);
    else
        schreibeKalenderSkalaHPGL(p, xA, yA, dA, halb);
    p.zeile(";IW " + z(xA) + "," + z(yA) + "," + z(xA + 8200 * dA) + "," + z(yA - 8200));
    p.zeile(";SI 0.24,0.32;");
    p.stundenZahlen = legendeImFenster(p);
    p.zahlenUnten = yA - 8200;
    p.zahlenOben = yA;
    QuadrantStunden st;
    st.von = von;
    st.bis = bis;
    st.temporal = s.Schalter.TemporalAnzeige != 0;
    st.n = st.temporal ? s.Schalter.TemporalIntervall + 1 : std::clamp(s.Schalter.StundenIntervallSonst - '0', 0, 9) + 1;
    for (const QuadrantStundenwert& w : quadrantStundenwerte(st)) {
        if (zodiak)
            schreibeZodiakStundenlinieHPGL(p, xA, yA, dA, w.t, halb, lat, lambda, zone);
        else
            schreibeKalenderStundenlinieHPGL(p, xA, yA, dA, w.t, halb, lat, lambda, zone);
    }
    p.zeile("IW;LT;");
}

// A legend label of the variant and its terminator; where the variant has none, only the
// end of the pen move.
std::string variantenLabel(const std::string& label) { return label.empty() ? std::string(";") : label + ETX; }

void schreibeQuadrantLegendeHPGL(QuadrantPlot& p)
{
    const AppState& s = p.s;
    const int d = p.d;
    const bool T = s.Schalter.TemporalAnzeige, G = s.Schalter.Ganzjaehrig, E = s.Schalter.MitZeitglAzimut,
               Z = s.Schalter.Zonenzeit;
    const std::string lon = text(s, 132).substr(2);
    const std::string breite = text(s, 131) + B(s.Par.Breite);
    p.zeile("PU 6180 10850;SP 4;SI 0.3,0.45;LB " + text(s, 140) + ETX + "PU 4600 10500;SI 0.22,0.4;LB" + breite
            + text(s, 105) + text(s, 132) + B(s.Par.Laenge) + text(s, 105) + ETX);
    // Only temporal hours have no second label, and what follows them starts with ";". A second
    // label too long for the rest of the line (an English one, 144 units a character) stands a
    // line lower, ending at the sheet's right edge (16480 units).
    const int zweitesEnde = 9420 + 144 * (static_cast<int>(p.s2.size()) - 2);
    const std::string zweiteStelle = zweitesEnde <= 16480 ? "PU 9420 1500"
                                                          : "PU " + IntStr(9420 - (zweitesEnde - 16480)) + " 1340";
    p.zeile("SI 0.24,0.32;PU 1140 1500" + variantenLabel(p.s1) + zweiteStelle
            + (p.s2.empty() ? std::string() : p.s2 + ETX));
    if (T) {
        p.zeile(";PU " + IntStr(3200 - 2100 * d) + " 9500;LB  " + text(s, 18) + ETX);
        p.zeile("PU " + IntStr(3200 - 2100 * d) + " 9000;LB " + breite + ETX);
        p.zeile("PU 460 1200;LB" + text(s, 144) + ETX);
        p.zeile("PU 460 1040;LB" + text(s, 145) + ETX);
    } else {
        p.zeile("PU 8700 9500" + variantenLabel(p.s3));
        p.zeile("PU 8600 9000;LB " + breite + ETX);
        p.zeile("PU " + IntStr(2790 - 2000 * d) + " 9000;LB " + breite + ETX);
        if (Z) {
            p.zeile(";PU 8600 8760;LB " + lon + B(s.Par.Laenge) + ETX);
            if (!E || s.Schalter.QuadrantSkala == 1)
                p.zeile(";PU " + IntStr(2520 - 2000 * d) + " 9500;LB" + text(s, 17) + ETX);
            p.zeile("PU " + IntStr(2790 - 2000 * d) + " 8760;LB " + lon + B(s.Par.Laenge) + ETX);
        }
        if (E && s.Schalter.QuadrantSkala == 0) {
            p.zeile(";PU " + IntStr(2740 - 2050 * d) + " 9500 " + variantenLabel(p.s3));
            if (!G) {
                p.zeile(";PU 9120 9240;LB21/12-21/6" + ETX);
                p.zeile(";PU " + IntStr(3580 - 2380 * d) + " 9220;LB21/6-21/12" + ETX);
            }
        } else if (!Z && !G) {
            p.zeile(";PU 460 1200;LB" + text(s, 146) + ETX);
            p.zeile(";PU 460 1000;LB" + text(s, 147) + ETX);
            p.zeile(";PU 8600 8760;LB " + lon + B(s.Par.Laenge) + ETX);
        }
    }
    p.zeile(";PU 15780 100;LBJ.W." + ETX);
    p.zeile(";PU 4200 300;LB" + text(s, 59) + text(s, 60) + hpglZahl(s.Par.Jahr) + ETX);
}

} // namespace

void QuadrantPlot::bogen(int xA, int yA, int dA, double r)
{
    zeile(";PU " + z(xA) + " " + z(yA - r) + ";PD; AA " + z(xA) + "," + z(yA) + "," + z(90 * dA) + ",2;");
}

std::string quadrantPlotHindernis(const AppState& s)
{
    if (s.Schalter.QuadrantSkala == 2 && gunterBreiteVerweigert(s.Par.Breite, s.EpsRund))
        return gunterBreitenText(s);
    return {};
}

void schreibeQuadrantHPGL(const AppState& s, HPGLDatei& plot)
{
    if (s.Schalter.QuadrantSkala == 2) {
        hpglGunterQuadrant(s, plot, s.Par.QuadrantGroesse, s.AlsHPGL != 0);
        return;
    }
    QuadrantPlot p(s, plot);
    const int J = s.Par.Jahr;
    p.zeile("IN;VS 1;PA;");
    p.J1 = TagImJahr(J, 1, 1);
    p.T21 = TagImJahr(J, 6, 21);
    p.D21 = TagImJahr(J, 12, 21);
    p.D31 = TagImJahr(J, 12, 31);
    p.upd = p.ganz() ? 10 : 20;
    p.off = p.ganz() ? 7800 - (p.D31 - p.J1) * 10 : 7800 - (p.D21 - p.T21) * 20;
    if (s.Schalter.Stiftbreite != 1)
        p.stiftbreite = IntStr(s.Schalter.Stiftbreite - 1) + ";";
    p.d = s.Schalter.QuadrantGespiegelt ? -1 : 1;
    p.x0 = p.d == 1 ? 400 : 7900;
    p.tEnd = s.Zeiten.QuadBis >= 12 ? 12.001 : s.Zeiten.EotBis + 0.001;

    const bool T = s.Schalter.TemporalAnzeige, G = s.Schalter.Ganzjaehrig, E = s.Schalter.MitZeitglAzimut,
               Z = s.Schalter.Zonenzeit;
    const double H = s.Zeiten.QuadVon, Bis = s.Zeiten.QuadBis;
    const double lat = s.Par.Breite, zone = s.Par.Zonenmeridian, laenge = s.Par.Laenge;
    const auto Q = [&](int xA, int dA, double von, double bis, bool halb, double lambda) {
        schreibeQuadrantSkalenHPGL(p, xA, 10000, dA, von, bis, halb, lat, lambda, zone);
    };
    if (T) {
        p.s3 = ";LB ";
        Q(p.x0 + 500, p.d, s.Zeiten.QuadTempVon, s.Zeiten.QuadTempBis, false, zone);
    } else if (G) {
        p.s1 = p.s2 = p.s3 = ";LB" + text(s, Z ? 17 : 16) + ", ";
        const double lambda = Z ? laenge : zone;
        if (H < 12)
            Q(p.x0, p.d, H, 12, false, lambda);
        if (Bis > 12)
            Q(8400, 1, 12, Bis, true, lambda);
    } else if (!E && !Z) {
        p.s1 = ";LB" + text(s, 16);
        p.s2 = ";LB" + text(s, 17);
        Q(p.x0, p.d, H, Bis, false, zone);
        Q(8500, 1, H, Bis + 0.001, false, laenge);
    } else if (!E) {
        p.s1 = p.s2 = p.s3 = ";LB" + text(s, 17);
        if (H <= 12)
            Q(p.x0, p.d, H, 12, false, laenge);
        if (Bis >= 12)
            Q(8400, 1, 12, Bis + 0.01, false, laenge);
        p.zeile(";SP 4;PU 460 1200;LB" + text(s, 146) + ETX + "PU 460 1000;LB" + text(s, 147) + ETX);
    } else if (!Z) {
        p.s1 = ";LB" + text(s, 16) + ", 21.6.-21.12., " + text(s, 141);
        p.s2 = ";LB" + text(s, 16) + ", 21.12.-21.6., " + text(s, 141);
        p.s3 = ";LB " + text(s, 149) + holeText(s, 308);
        Q(p.x0, p.d, H, Bis + 0.05, false, zone);
        Q(8400, 1, H, Bis, true, zone);
    } else {
        p.s1 = ";LB" + text(s, 17) + " 21.6.-21.12., " + text(s, 141);
        p.s2 = ";LB" + text(s, 17) + " 21.12.-21.6., " + text(s, 141);
        p.s3 = ";LB" + text(s, 149) + text(s, 17);
        Q(p.x0, p.d, H, Bis + 0.05, false, laenge);
        Q(8400, 1, H, Bis + 0.05, true, laenge);
    }
    schreibeQuadrantLegendeHPGL(p);
    p.zeile(";SP 0;IN;");
}

} // namespace umbrin
