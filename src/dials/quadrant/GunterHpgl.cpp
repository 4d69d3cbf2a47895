// The Gunter quadrant as a plot: the sky on a stereographic projection from the apex, the
// circles of constant declination concentric quarter circles whose radii follow
// r(d) = E tan((90 + |d|) / 2), every length scaled by k for the DXF intermediate.
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "dials/HpglDialekt.h"
#include "dials/quadrant/QuadrantGeometrie.h"
#include "dials/quadrant/QuadrantHpgl.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace umbrin {
namespace {

constexpr double kRad = static_cast<double>(rad);
const std::string ETX(1, hpglLabelEnde);

std::string z(double v) { return hpglZahl(v); }
double sinG(double x) { return std::sin(x * kRad); }
double cosG(double x) { return std::cos(x * kRad); }
double tanG(double x) { return std::tan(x * kRad); }


struct GunterPlot {
    GunterPlot(const AppState& zustand, HPGLDatei& datei) : s(zustand), plot(datei) {}
    const AppState& s;
    HPGLDatei& plot;
    int k = 1;
    double groesse = 150;
    double R = 0, E = 0, eps = 0;
    // The dial of a southern latitude is the northern dial of |phi| with the seasons turned:
    // declinations are taken with the hemisphere's sign hs.
    double phi = 0, hs = 1;
    int w = 53;
    int x0 = 0, y0 = 0;
    std::string stift; // pen-width text, empty for the thin pen

    void zeile(const std::string& t) { plot.schreibe(t); }
    std::string K(double v) const { return z(v * k); }
    std::string si(double b, double h) const { return RealStr(b * k, 5, 2) + "," + RealStr(h * k, 5, 2); }
    double r(double d) const { return std::round(E * tanG((90 + d) / 2)); }
    // Direction of a label along angle a (degrees from the x axis).
    std::string richtung(double a) const
    {
        if (std::fabs(cosG(a)) < 1e-6)
            return ";DI 0," + IntStr(sinG(a) > 0 ? k : -k);
        return ";DI " + IntStr(k) + "," + RealStr(k * tanG(a), 6, 2);
    }
    std::string punkt(double x, double y) const { return z(x) + " " + z(y); }

    // The labels written, as the plotter sets them: from the pen's place along the direction
    // (ex, ey), a character b wide in a cell of 1.5 b after the leading blanks, h high above the
    // baseline; a number keeps a cell (leer) clear of the numbers beside it on its line, lest
    // the two read as one.
    struct Schild {
        double x, y, ex, ey, von, bis, h;
        double leer = 0;
    };
    std::vector<Schild> schilder;
    // The letters' width and height (plot units) of the curves' and scales' numbers.
    double zb = 0, zh = 0;
    static Schild schild(double x, double y, double ex, double ey, const std::string& t, double b, double h)
    {
        const double n = std::max(std::hypot(ex, ey), 1e-9);
        const std::size_t vorn = std::min(t.find_first_not_of(' '), t.size());
        const bool zahl = vorn < t.size() && t.find_first_not_of("0123456789", vorn) == std::string::npos;
        return {x, y, ex / n, ey / n, 1.5 * b * double(vorn), 1.5 * b * double(t.size() - 1) + b, h, zahl ? 1.5 * b : 0};
    }
    // The direction richtung(a) sets.
    static std::pair<double, double> di(double a)
    {
        if (std::fabs(cosG(a)) < 1e-6)
            return {0, sinG(a) > 0 ? 1 : -1};
        return {1, tanG(a)};
    }
    Schild schild(double x, double y, double a, const std::string& t) const
    {
        return schild(x, y, di(a).first, di(a).second, t, zb, zh);
    }
    // Whether a label shares a part with none written, nor stands less than a cell beside a
    // number on its line when it is a number itself: a grid of points over each, its corners
    // among them, looked for in the other.
    bool frei(const Schild& neu) const
    {
        const auto in = [](const Schild& s, double x, double y, double leer) {
            const double t = (x - s.x) * s.ex + (y - s.y) * s.ey, q = -(x - s.x) * s.ey + (y - s.y) * s.ex;
            const double luft = 8; // two tenths of a millimetre
            return t > s.von - luft - leer && t < s.bis + luft + leer && q > -luft && q < s.h + luft;
        };
        const auto trifft = [&](const Schild& a, const Schild& b) {
            const double leer = std::min(a.leer, b.leer);
            for (int i = 0; i <= 8; ++i)
                for (const double q : {0.02, 0.5, 0.98}) {
                    const double t = a.von + (a.bis - a.von) * i / 8;
                    if (in(b, a.x + t * a.ex - q * a.h * a.ey, a.y + t * a.ey + q * a.h * a.ex, leer))
                        return true;
                }
            return false;
        };
        return std::none_of(schilder.begin(), schilder.end(),
                            [&](const Schild& s) { return trifft(s, neu) || trifft(neu, s); });
    }
};

void kopf(GunterPlot& g)
{
    const AppState& s = g.s;
    const std::string seite = g.K(16157) + " " + g.K(11038);
    g.zeile("IN;VS 1;PA;IW 0 0 " + seite + ";PU 0 0;EA " + seite + ";");
    g.zeile("PU " + g.K(6180) + " " + g.K(10750) + ";SP 4;SI " + RealStr(0.3 * g.k, 4, 1) + ","
            + RealStr(0.45 * g.k, 5, 2) + ";LB Gunter - Quadrant" + ETX + "PU " + g.K(4600) + " " + g.K(10400)
            + ";SI " + g.si(0.22, 0.4) + ";LB" + std::string(texteText(s, 131)) + RealStr(s.Par.Breite, 6, 2)
            + std::string(texteText(s, 105)) + std::string(texteText(s, 132)) + RealStr(s.Par.Laenge, 6, 2)
            + std::string(texteText(s, 105)) + ETX);
    g.zeile(";SI " + g.si(0.24, 0.32) + ";PU " + g.K(6180) + " " + g.K(10200) + ";LB"
            + (s.Schalter.TemporalAnzeige ? std::string(texteText(s, 5)) : holeText(s, 308)) + ETX + "PU "
            + g.K(9420) + " " + g.K(1500));
    g.zeile(";PU " + g.K(4600) + " " + g.K(10000) + ";LB" + std::string(texteText(s, 59))
            + std::string(texteText(s, 60)) + hpglZahl(s.Par.Jahr) + ETX);
    // The initials end inside the sheet's frame (16157 units): four cells of 0.24 cm back.
    g.zeile("PU " + g.K(15600) + " " + g.K(100) + ";LBJ.W." + ETX);

    std::string t = "SI " + g.si(0.18, 0.28) + ";SA";
    for (int i = 0; i < 12; ++i)
        t += (i == 0 ? ";PU " : "PU ") + g.K(400) + " " + g.K(10000 - 400 * i) + ";LB" + zodiakSymbol(i + 1) + ETX;
    g.zeile(t);
    t = ";SS";
    for (int i = 0; i < 12; ++i)
        t += (i == 0 ? ";PU " : "PU ") + g.K(600) + " " + g.K(10000 - 400 * i) + ";LB="
             + std::string(tierkreisName(s, i + 1)) + ETX;
    g.zeile(t);
    t.clear();
    for (int i = 0; i < 12; ++i)
        t += "PU " + g.K(700) + " " + g.K(9830 - 400 * i) + ";LB (" + DatumsTage[static_cast<std::size_t>(i)]
             + std::string(monatKurz(s, zodiakMonat(i + 1))) + " -)" + ETX;
    g.zeile(t);
}

void hpglGunterBogen(GunterPlot& g, int x, int y, int R, int R5, int R10, int R1)
{
    std::string t = ";SP 1;PU " + z(x) + " " + z(y - R) + ";PD ";
    for (int a = 1; a <= 90; ++a) {
        const std::string p = g.punkt(x + std::round(R * sinG(a)), y - std::round(R * cosG(a)));
        const int ri = a % 10 == 0 ? R10 : a % 5 == 0 ? R5 : R1;
        t += p + ";PU " + p + ";PD " + g.punkt(x + std::round(ri * sinG(a)), y - std::round(ri * cosG(a))) + " " + p
             + " ";
    }
    g.zeile(t + ";SS");
    const double rl = R - 5.5 * g.w;
    for (int n = 1; n <= 8; ++n) {
        const double px = x + rl * sinG(10 * n - 1), py = y - rl * cosG(10 * n - 1);
        g.zeile(";PU " + g.punkt(px, py) + g.richtung(10 * n) + ";LB" + IntStr(10 * n) + ETX);
        g.schilder.push_back(GunterPlot::schild(px, py, g.di(10 * n).first, g.di(10 * n).second, IntStr(10 * n), 0.18 * 400 * g.k,
                                                0.28 * 400 * g.k));
    }
    // The band of the degree scale: three arcs inside the ticks' arc.
    const int baender[] = {R1, R5, R10};
    for (int i = 0; i < 3; ++i)
        g.zeile(";PU " + z(x) + " " + z(y - baender[i]) + ";PD;AA " + z(x) + "," + z(y) + (i < 2 ? ",90,0.25;" : ",90,1;"));
    g.zeile(";DI 1,0;SA");
}

void deklinationskreise(GunterPlot& g)
{
    const AppState& s = g.s;
    const int k = g.k;
    const bool klein = g.groesse < 120;
    if (klein)
        g.zeile(";PU;SI " + g.si(0.18 * g.groesse / 120, 0.28 * g.groesse / 120));
    const double sGr = std::min(g.groesse, 120.0);
    for (int i = 0; i <= 9; ++i) {
        const double ri = g.r(s.DeklTabelle[static_cast<std::size_t>(2 * i)]);
        g.zeile(std::string(i % 3 == 0 ? ";SP 6" : ";SP 8") + ";PU " + g.punkt(g.x0, g.y0 - ri) + ";PD;AA " + z(g.x0)
                + "," + z(g.y0) + ",90,2;");
        // The pen-2 row holds the signs of the local summer's declinations.
        const auto zwei = [&](double x, int nord, int sued) {
            g.zeile(";SP 2;PU " + g.punkt(x, g.y0 + 50 * k) + ";PD;LB" + zodiakSymbol(g.hs > 0 ? nord : sued) + ETX);
            g.zeile(";SP 10;PU " + g.punkt(x, g.y0 + 200 * k) + ";PD;LB" + zodiakSymbol(g.hs > 0 ? sued : nord) + ETX);
        };
        if (i % 3 == 0 && i > 0)
            zwei(g.x0 + ri + 20 * k, 4 - i / 3, 10 - i / 3);
        if (i % 3 == 0 && i < 9)
            zwei(g.x0 + ri - sGr * k, i / 3 + 4, i / 3 + 10);
    }
    const double aussen = std::round(g.r(g.eps) + 140 * k);
    g.zeile(";SP 1;PU " + g.punkt(g.x0, g.y0 - aussen) + ";PD; AA " + z(g.x0) + "," + z(g.y0) + ",90,2;");
    g.zeile(";PU " + g.punkt(g.x0, g.y0 - g.R) + ";PD " + g.punkt(g.x0, g.y0) + " " + g.punkt(g.x0 + g.R, g.y0)
            + ";PD; AA " + z(g.x0) + "," + z(g.y0) + ",-90,1;SS ;SI " + g.si(0.16, 0.24));
    for (int i = 0; i <= 47; ++i) {
        const double d = i == 47 ? g.eps : i / 2.0;
        const double r = g.r(d);
        const int c = i % 20 == 0 ? 4 : i % 10 == 0 ? 5 : i % 2 == 0 ? 3 : 2;
        g.zeile(";PU " + g.punkt(g.x0, g.y0 - r) + ";PD " + g.punkt(g.x0 - c * g.w, g.y0 - r));
        if (i % 20 == 0) {
            g.zeile(";PU " + g.punkt(g.x0 - 7.0 * g.w, g.y0 - r - 50 * k) + ";PD;LB" + IntStr(i / 2) + ETX);
            g.schilder.push_back(GunterPlot::schild(g.x0 - 7.0 * g.w, g.y0 - r - 50 * k, 1, 0, IntStr(i / 2), 0.16 * 400 * k,
                                                    0.24 * 400 * k));
        }
    }
    if (klein)
        g.zeile(";PU;SI " + g.si(0.12 * g.groesse / 120, 0.2 * g.groesse / 120));
}

void datumsband(GunterPlot& g)
{
    const AppState& s = g.s;
    const double w = g.w;
    const double Rb1 = g.E - 10 * w, Rb2 = Rb1 - 2.5 * w, Rb3 = Rb2 - 2.5 * w;
    const double a1 = 90 - g.phi - g.eps - 0.05, a2 = 90 - g.phi + g.eps + 0.05;
    const auto p = [&](double r, double a) { return g.punkt(g.x0 + r * sinG(a), g.y0 - r * cosG(a)); };
    for (const double Rb : {Rb1, Rb2, Rb3})
        g.zeile(";PU " + p(Rb, a1) + ";PD;AA " + z(g.x0) + "," + z(g.y0) + "," + RealStr(a2 - a1, 6, 1) + ",1");
    g.zeile(";PU " + p(1.01 * Rb1, a1 + 0.05) + ";PD " + p(0.995 * Rb3, a1 + 0.05));
    g.zeile(";PU " + p(1.01 * Rb1, a2 - 0.05) + ";PD " + p(0.99 * Rb3, a2 - 0.05));
    const int J = s.Par.Jahr;
    const int T21 = TagImJahr(J, 6, 21), D21 = TagImJahr(J, 12, 21);
    // The letters' width and height as the sheet's scale sets them.
    const double f = (g.groesse < 120 ? g.groesse / 120 : 1) * 400 * g.k;
    const std::pair<double, double> zeichen{(g.groesse < 120 ? 0.12 : 0.16) * f, (g.groesse < 120 ? 0.2 : 0.24) * f};
    double vorig[2] = {1000, 1000};
    bool gestuft[2] = {false, false};
    for (int m = 1; m <= 12; ++m)
        for (const int d : {1, 11, 21}) {
            const int tag = TagImJahr(J, m, d);
            double dekl = 0, zgl = 0;
            SonnenPosition(J, dekl, zgl, tag);
            const double a = 90 - g.phi + g.hs * dekl;
            // From the local summer to the winter the ticks point inwards.
            const double sg = ((tag > T21 && tag <= D21) ? 1 : -1) * g.hs;
            g.zeile(";PU " + p(Rb2, a) + ";PD " + p(Rb2 - sg * (d == 1 ? 5 : 2.51) * w, a));
            if (d != 1)
                continue;
            const std::string name(monatKurz(s, m));
            const double winkel = sg > 0 ? a - 8 : a + 0.5;
            // Where the noon altitudes of two months lie closer than a name is long (the
            // summer's first two), the later name stands a line further from the band.
            const int seite = sg > 0 ? 1 : 0;
            double rl = sg > 0 ? Rb3 - 2 * w : Rb1 + w;
            const bool nah = std::fabs(winkel - vorig[seite]) * kRad * rl < name.size() * 1.5 * zeichen.first;
            gestuft[seite] = nah && !gestuft[seite];
            if (gestuft[seite])
                rl -= sg * 1.3 * zeichen.second;
            vorig[seite] = winkel;
            // Across the radius, turned as on the screen.
            const double drehung = sg > 0 ? a - 3 : a + 0.5;
            g.zeile(";PU " + p(rl, winkel) + g.richtung(drehung) + ";LB" + name + ETX);
            g.schilder.push_back(GunterPlot::schild(g.x0 + rl * sinG(winkel), g.y0 - rl * cosG(winkel), g.di(drehung).first,
                                                    g.di(drehung).second, name, zeichen.first, zeichen.second));
        }
    g.zeile(";DI 1,0");
}

// Points along the ecliptic scale's numbers (from the end of their ticks outwards), which the
// hour numbers at the summer circle step past like past one another.
std::vector<std::pair<double, double>> ekliptikZahlen(const GunterPlot& g)
{
    std::vector<std::pair<double, double>> punkte;
    const double ce = g.E * tanG(g.eps), rhoE = (g.R - 15 * g.w) / (1 + sinG(g.eps));
    for (int l = 15; l <= 90; l += 15) {
        const double d = std::asin(sinG(l) * sinG(g.eps)) / kRad;
        double x = 0, y = 0;
        Kreisschnitt(x, y, g.E * tanG(45 + d / 2), ce, rhoE);
        const double n = std::hypot(x - ce, y);
        if (n <= 0)
            continue;
        const double ex = (x - ce) / n, ey = -y / n;
        for (const double t : {1.5 * g.w, 1.5 * g.w + 130.0 * g.k, 1.5 * g.w + 260.0 * g.k})
            punkte.push_back({g.x0 + x + t * ex, g.y0 - y + t * ey});
    }
    return punkte;
}

// The label read in direction a + s, with its pen's place at angle winkel + s on the circle of
// radius r.
GunterPlot::Schild schildAmKreis(const GunterPlot& g, double r, double winkel, double a, double s, const std::string& t)
{
    return g.schild(g.x0 + r * sinG(winkel + s), g.y0 - r * cosG(winkel + s), a + s, t);
}

// The step along the circle of radius r that puts a label read in direction a + d, with its
// pen's place at angle winkel + d, where no label stands yet: the step d given when that place
// is clear, else the nearest clear one of steps of half a letter height either way, up to six,
// and further on, up to twelve, within the quadrant (near noon, numbers stepped past one
// another may fill the nearer ones); none where none is clear.
std::optional<double> freierSchritt(const GunterPlot& g, double r, double winkel, double a, double d, const std::string& t,
                                    double stufe)
{
    for (int j = 0; j <= 24; ++j) {
        const double s = d + (j % 2 == 0 ? 1 : -1) * ((j + 1) / 2) * stufe;
        if (j > 12 && (winkel + s < 0 || winkel + s > 90))
            continue;
        if (g.frei(schildAmKreis(g, r, winkel, a, s, t)))
            return s;
    }
    return std::nullopt;
}

// The label at its clear step (freierSchritt), where none is clear at the step given; it is
// noted as written.
double platzAmKreis(GunterPlot& g, double r, double winkel, double a, double d, const std::string& t, double stufe)
{
    const double gewaehlt = freierSchritt(g, r, winkel, a, d, t, stufe).value_or(d);
    g.schilder.push_back(schildAmKreis(g, r, winkel, a, gewaehlt, t));
    return gewaehlt;
}

void stundenlinien(GunterPlot& g)
{
    const AppState& s = g.s;
    const int k = g.k;
    const QuadrantStunden st = quadrantStunden(s);
    g.zeile(st.temporal ? ";SP 10" : ";SP 2");
    if (!g.stift.empty())
        g.zeile(";PW " + g.stift);
    const double sAbstand = g.groesse < 120 ? g.groesse - 10 : 110;
    // A number whose corner comes closer than 260 units (twice the letters' height) to
    // one already set steps on along its circle, away from it, as on the screen.
    std::vector<std::pair<double, double>> gesetzt = ekliptikZahlen(g);
    const auto schritt = [&](double r, double winkel) {
        const double mindestens = 260.0 * k, stufe = mindestens / std::max(r, 1.0) / kRad;
        double d = 0;
        for (std::size_t n = 0; n <= gesetzt.size(); ++n) {
            const double x = g.x0 + r * sinG(winkel + d), y = g.y0 - r * cosG(winkel + d);
            const auto nah = std::find_if(gesetzt.begin(), gesetzt.end(), [&](const auto& q) {
                return std::hypot(q.first - x, q.second - y) < mindestens;
            });
            if (nah == gesetzt.end())
                break;
            const double qWinkel = std::atan2(nah->first - g.x0, g.y0 - nah->second) / kRad;
            d += winkel + d >= qWinkel ? stufe : -stufe;
        }
        gesetzt.push_back({g.x0 + r * sinG(winkel + d), g.y0 - r * cosG(winkel + d)});
        return d;
    };
    const auto frei = [&](double r, double winkel, double a, double d, const std::string& t) {
        return platzAmKreis(g, r, winkel, a, d, t, 130.0 * k / std::max(r, 1.0) / kRad);
    };
    for (const QuadrantStundenwert& w : quadrantStundenwerte(st)) {
        const bool voll = w.i == 0;
        bool hatVorigen = false;
        double px = 0, py = 0;
        for (int i = 24; i >= -24; --i) {
            double d = i == 24 ? g.eps : i == -24 ? -g.eps : i;
            const double H = quadrantStundenwinkel(s, w.t, g.hs * d, st.temporal);
            const double dh = gunterHorizontDekl(H, g.phi);
            if (d <= dh) {
                // A line ends on the horizon, but not beyond the solstice, where the
                // sun never stands at that hour.
                if (dh - d >= 1 || dh + 0.02 > g.eps)
                    continue;
                d = dh + 0.02;
            }
            g.zeile(!voll ? ";SP 4" : d >= 0 ? ";SP 2" : ";SP 3");
            const double r = gunterRadius(g.E, d);
            const double a = quadrantHoehe(g.phi, d, H);
            const double x = std::round(g.x0 + r * sinG(a)), y = std::round(g.y0 - r * cosG(a));
            const bool innen = x >= g.x0 - 2 && y <= g.y0 + 2;
            if (a > -2 && innen && hatVorigen)
                g.zeile(";PU " + g.punkt(px, py) + ";PD " + g.punkt(x, y));
            hatVorigen = innen;
            px = x;
            py = y;
            if (!voll || x <= g.x0)
                continue;
            if (i == 24 && w.h >= quadrantMittag(st.temporal)) {
                // Where no place outside the summer circle is clear (under the midnight sun the
                // lines crowd at the edge), just inside it where that is clear.
                double rl = r + 100 * k;
                const double weiter = schritt(rl, a - 0.6), innen = r - 60 * k;
                const std::string t = " " + IntStr(w.h);
                const auto stufe = [&](double radius) { return 130.0 * k / std::max(radius, 1.0) / kRad; };
                std::optional<double> klar = freierSchritt(g, rl, a - 0.6, a, weiter, t, stufe(rl));
                if (!klar)
                    if ((klar = freierSchritt(g, innen, a - 0.6, a, weiter, t, stufe(innen))))
                        rl = innen;
                const double d = klar.value_or(weiter);
                g.schilder.push_back(schildAmKreis(g, rl, a - 0.6, a, d, t));
                g.zeile(";SP 2;PU " + g.punkt(g.x0 + rl * sinG(a - 0.6 + d), g.y0 - rl * cosG(a - 0.6 + d))
                        + g.richtung(a + d) + ";LB " + IntStr(w.h) + ETX);
            }
            if (i == 0 && w.h <= quadrantMittag(st.temporal)) {
                const double rl = r - sAbstand * k;
                const double d = frei(rl, a - 1, a, schritt(rl, a - 1), " " + IntStr(w.h));
                g.zeile(";SP 3;PU " + g.punkt(g.x0 + rl * sinG(a - 1 + d), g.y0 - rl * cosG(a - 1 + d))
                        + g.richtung(a + d) + ";LB " + IntStr(w.h) + ETX);
            }
        }
    }
}

// Lines of equal azimuth, each point at the sun's altitude angle like the hour lines.
void azimutlinien(GunterPlot& g)
{
    const int k = g.k;
    const int N = static_cast<int>(std::lround(gunterAmax(g.phi, g.eps))) / 10;
    const double s2 = g.groesse < 120 ? g.groesse - 10 : 110;
    g.zeile(";SP  5");
    // Near the zenith the lines cross the equator circle closer than 260 units (twice the
    // letters' height): a number then steps along the circle past the previous one.
    double vorigerWinkel = 1000;
    for (int n = 0; n <= N; ++n) {
        const double A = 10.0 * n;
        bool hatVorigen = false;
        double px = 0, py = 0;
        for (int i = 0; i <= 94; ++i) {
            const double d = gunterAzimutlinienDekl(i, A, g.phi, g.eps);
            double h = 0;
            if (!gunterAzimutHoehe(g.phi, A, d, h))
                return;
            g.zeile(d >= 0 ? ";SP  5" : ";SP  7");
            const double r = gunterRadius(g.E, d);
            const double x = std::round(g.x0 + r * sinG(h)), y = std::round(g.y0 - r * cosG(h));
            const bool innen = x >= g.x0 - 2 && y <= g.y0 + 2;
            if (h >= 0 && innen && hatVorigen)
                g.zeile(";PU " + g.punkt(px, py) + ";PD " + g.punkt(x, y));
            hatVorigen = innen;
            px = x;
            py = y;
            // Just outside the equator circle: the hour numbers of the morning stand inside it.
            if (i == 47 && n % 2 == 0) {
                const double rl = r + s2 * k;
                const double d = platzAmKreis(g, rl, h - 2, h,
                                              quadrantSchrittVorbei(vorigerWinkel, h - 2, 260.0 * k / std::max(rl, 1.0) / kRad),
                                              " " + IntStr(10 * n), 130.0 * k / std::max(rl, 1.0) / kRad);
                g.zeile(";PU " + g.punkt(g.x0 + rl * sinG(h - 2 + d), g.y0 - rl * cosG(h - 2 + d)) + g.richtung(h + d)
                        + ";LB " + IntStr(10 * n) + ETX);
            }
        }
    }
}

// A tick outward from a circle about (x0 + c, y0) at the point (x, y) below the horizontal
// edge (y measured downwards from the apex), with its label when one is given.
void strich(GunterPlot& g, double c, double x, double y, double laenge, const std::string& text)
{
    const double dx = x - c, dy = y, n = std::hypot(dx, dy);
    if (n <= 0)
        return;
    const double ex = dx / n, ey = -dy / n; // plot y runs upwards
    const double px = g.x0 + x, py = g.y0 - y;
    const double qx = px + laenge * ex, qy = py + laenge * ey;
    g.zeile(";PU " + g.punkt(px, py) + ";PD " + g.punkt(qx, qy));
    if (text.empty())
        return;
    // Where the label at the tick's end would lie on one written before (the ecliptic and the
    // horizon all but meet near the polar circle), it stands inside the circle, ending at the
    // tick's foot, or beside the tick's line on either side, outside or inside.
    const double ux = std::round(g.k * ex * 10) / 10, uy = std::round(g.k * ey * 10) / 10; // the DI written
    const double breite = 1.5 * g.zb * double(text.size() + 1);
    GunterPlot::Schild schild{};
    double ax = qx, ay = qy;
    for (int versuch = 0; versuch < 7; ++versuch) {
        const double t = versuch % 2 == 0 ? 0 : -laenge - breite - 0.2 * g.zh;
        const double q = versuch < 2 ? 0 : versuch < 4 ? -1.1 * g.zh : 1.1 * g.zh;
        ax = versuch == 6 ? qx : qx + t * ex - q * ey;
        ay = versuch == 6 ? qy : qy + t * ey + q * ex;
        schild = GunterPlot::schild(ax, ay, ux, uy, " " + text, g.zb, g.zh);
        if (g.frei(schild))
            break;
    }
    g.schilder.push_back(schild);
    g.zeile(";PU " + g.punkt(ax, ay) + ";DI " + RealStr(g.k * ex, 6, 1) + "," + RealStr(g.k * ey, 6, 1) + ";LB " + text
            + ETX);
}

void ekliptikUndHorizont(GunterPlot& g)
{
    const double w = g.w;
    const double ce = g.E * tanG(g.eps), rhoE = (g.R - 15 * w) / (1 + sinG(g.eps));
    g.zeile(";SP 9;PU " + g.punkt(g.x0, g.y0 - g.E) + ";PD;AA " + z(g.x0 + ce) + "," + z(g.y0) + ",113.44,1");
    for (int l = 1; l <= 90; ++l) {
        const double d = std::asin(sinG(l) * sinG(g.eps)) / kRad;
        double x = 0, y = 0;
        Kreisschnitt(x, y, g.E * tanG(45 + d / 2), ce, rhoE);
        strich(g, ce, x, y, l % 5 == 0 ? 1.5 * w : 0.8 * w, l % 15 == 0 ? IntStr(l) : std::string());
    }
    g.zeile(";DI");
    // The horizon: left out where the latitude gives no circle (equator and poles).
    if (std::fabs(sinG(g.phi)) < 1e-9 || std::fabs(cosG(g.phi)) < 1e-9)
        return;
    const double ch = g.E / tanG(g.phi), rhoH = std::fabs(g.E / sinG(g.phi));
    double x = 0, y = 0;
    Kreisschnitt(x, y, g.E * tanG(45 + g.eps / 2), ch, rhoH);
    const double sweep = 90 - std::atan((ch - x) / y) / kRad - g.phi;
    g.zeile(";SP 10;PU " + g.punkt(g.x0, g.y0 - g.E) + ";PD;AA " + z(g.x0 + ch) + "," + z(g.y0) + ","
            + RealStr(sweep, 6, 2) + " 1");
    const double A0 = std::asin(std::clamp(sinG(g.eps) / cosG(g.phi), -1.0, 1.0)) / kRad;
    const long ende = std::lround(A0 - 0.5) + 90;
    for (long A = 91; A <= ende; ++A) {
        const double d = gunterAzimutHorizontDekl(double(A), g.phi);
        Kreisschnitt(x, y, g.E * tanG(45 + d / 2), ch, rhoH);
        strich(g, ch, x, y, A % 5 == 0 ? 1.5 * w : 0.8 * w, A % 10 == 0 ? IntStr(A - 90) : std::string());
    }
    g.zeile(";DI");
}

} // namespace

void hpglGunterQuadrant(const AppState& s, HPGLDatei& plot, double groesse, bool alsHPGL)
{
    if (gunterBreiteVerweigert(s.Par.Breite, s.EpsRund))
        return;
    GunterPlot g(s, plot);
    g.k = hpglFaktor(alsHPGL);
    g.groesse = groesse;
    g.R = groesse * 40 * g.k;
    g.w = (640 * g.k) / 12;
    g.eps = s.EpsRund;
    g.phi = std::fabs(s.Par.Breite);
    g.hs = s.Par.Breite < 0 ? -1 : 1;
    g.E = gunterK(g.R - 15 * g.w, g.eps);
    const double f = (groesse < 120 ? groesse / 120 : 1) * 400 * g.k;
    g.zb = (groesse < 120 ? 0.12 : 0.16) * f;
    g.zh = (groesse < 120 ? 0.2 : 0.24) * f;
    g.x0 = 3200 * g.k;
    g.y0 = 9500 * g.k;
    if (s.Schalter.Stiftbreite != 1)
        g.stift = IntStr((s.Schalter.Stiftbreite - 1) * g.k) + ";";

    kopf(g);
    g.zeile(";PU;SI " + g.si(0.18, 0.28) + ";SA");
    if (!g.stift.empty())
        g.zeile(";PW 0;");
    const int R = static_cast<int>(std::lround(g.R));
    hpglGunterBogen(g, g.x0, g.y0, R, R - 4 * g.w, R - 5 * g.w, R - 2 * g.w);
    deklinationskreise(g);
    datumsband(g);
    stundenlinien(g);
    if (s.Schalter.Azimutlinien)
        azimutlinien(g);
    ekliptikUndHorizont(g);
    g.zeile(";SP 1;PU " + g.punkt(g.x0, g.y0) + ";CI " + IntStr(40 * g.k) + ",2");
    const double a = 7.5 * g.w;
    const auto linie = [&](double x1, double y1, double x2, double y2) {
        g.zeile(";PU " + g.punkt(x1, y1) + ";PD " + g.punkt(x2, y2));
    };
    linie(g.x0 - a, g.y0 + a, g.x0 - a, g.y0 - g.R);
    linie(g.x0 - a, g.y0 + a, g.x0 + g.R, g.y0 + a);
    linie(g.x0 - a, g.y0 - g.R, g.x0, g.y0 - g.R);
    linie(g.x0 + g.R, g.y0 + a, g.x0 + g.R, g.y0);
    g.zeile(";SP 0;IN;");
}

} // namespace umbrin
