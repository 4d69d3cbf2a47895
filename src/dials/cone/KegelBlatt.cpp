#include "dials/cone/KegelBlatt.h"

#include "core/Projektion.h"
#include "core/Sprachdienst.h"
#include "core/Winkel.h"
#include "core/Zahlenformat.h"
#include "dials/HpglDialekt.h"
#include "dials/cone/KegelKonstruktion.h"
#include "dials/cone/KegelTexte.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace umbrin {
namespace {

std::string punkt(double x, double y) { return hpglZahl(x) + " " + hpglZahl(y); }

double reduzierteNeigung(double psi) { return psi < 90 ? psi : 180 - psi; }

// The developed angles from 180 sin(alfa) down to -180 sin(alfa), one degree apart, the last
// step ending on the edge.
std::vector<double> mantelWinkel(double alfa)
{
    const double rand = 180 * SinGrad(alfa);
    std::vector<double> th;
    for (double t = rand; t > -rand; t -= 1)
        th.push_back(t);
    th.push_back(-rand);
    return th;
}

} // namespace

double kegelMantelRadius(double Lp, double psi, double alfa, double theta)
{
    const double tp = std::tan(reduzierteNeigung(psi) * kRad);
    return Lp * tp / (CosGrad(alfa) * tp - SinGrad(alfa) * CosGrad(theta / SinGrad(alfa)));
}

namespace {

// The sheet's measures for the axis length L (mm): the mantle's developed edge about its apex
// (ox, oy), its extent, and the cross-section's base (bx, by) to the apex (ex, ey).
struct Blattmass {
    int k = 1;
    double Lp = 0, w = 0, h = 0, t = 0, psi = 0, alfa = 0;
    double mantelText = 0; // the width of the mantle's name beside it (a cell is 1.5 letters wide)
    std::vector<double> winkel;
    double xMin = 0, xMax = 0, yMin = 0, yMax = 0, ox = 0, oy = 0;
    double a = 0, b = 0, c = 0, bx = 0, by = 0, ex = 0, ey = 0;
};

Blattmass blattmass(const AppState& s, double L, double teiler)
{
    Blattmass m;
    m.k = hpglFaktor(s.AlsHPGL != 0);
    m.Lp = 40.0 * m.k * L / teiler;
    m.w = 16400.0 * m.k;
    m.h = 11480.0 * m.k;
    m.t = 128.0 * m.k;
    m.mantelText = 1.5 * 0.22 * 400 * m.k * static_cast<double>(holeText(s, 316).size());
    m.psi = s.Par.KegelNeigung;
    m.alfa = s.Par.KegelOeffnung;
    m.winkel = mantelWinkel(m.alfa);
    for (const double th : m.winkel) {
        const double r = kegelMantelRadius(m.Lp, m.psi, m.alfa, th);
        m.xMin = std::min(m.xMin, r * CosGrad(th));
        m.xMax = std::max(m.xMax, r * CosGrad(th));
        m.yMin = std::min(m.yMin, r * SinGrad(th));
        m.yMax = std::max(m.yMax, r * SinGrad(th));
    }
    m.ox = 0.2 * m.w;
    if (m.xMin < 0)
        m.ox -= m.xMin;
    // A small mantle stands below the heading's lines, not above them past the sheet's frame.
    m.oy = std::min(m.h - 2.5 * m.yMax, m.h - 10 * m.t);
    KegelschnittParameter(m.Lp, m.alfa, m.psi, m.a, m.b, m.c); // the angles passed kegelAblehnung
    // The cross-section through the axis: the footprint's major axis as base, the apex above S.
    const double psiR = reduzierteNeigung(m.psi);
    m.bx = m.ox;
    if (m.psi > 90)
        m.bx = std::fabs(CosGrad(psiR)) * m.Lp + m.ox - m.c - m.b;
    m.by = m.oy - 2 * m.Lp * SinGrad(m.psi) + m.yMin;
    m.ex = m.bx + m.b + m.c + m.Lp * CosGrad(m.psi);
    m.ey = m.by + m.Lp * SinGrad(psiR);
    return m;
}

// Whether the mantle's frame (its extent about the apex) with the ticks at its ends and its name
// beside it, the cross-section and the label under it lie in the plot's window.
bool imFenster(const Blattmass& m)
{
    const double rechts = 16157.0 * m.k, oben = 11038.0 * m.k, strich = 80.0 * m.k;
    const double rho0 = kegelMantelRadius(m.Lp, m.psi, m.alfa, 0);
    const auto auf = [&](double x, double y) { return x >= 0 && y >= 0 && x <= rechts && y <= oben; };
    return auf(m.ox + m.xMin, m.oy + m.yMin) && auf(m.ox + m.xMax, m.oy + m.yMax) && auf(m.ox - strich, m.oy)
           && auf(m.ox + rho0 + strich, m.oy) && auf(m.ox + m.xMax + 2 * m.t + m.mantelText, m.oy) && auf(m.bx, m.by) && auf(m.bx + 2 * m.b, m.by) && auf(m.ex, m.ey)
           && auf(m.ox, m.by - 2 * m.t);
}

} // namespace

double kegelBlattTeiler(const AppState& s, double L)
{
    if (!s.AlsHPGL || !kegelAblehnung(s).empty() || imFenster(blattmass(s, L, 1)))
        return 1;
    // Each step shrinks the sheet's drawing; the bound only guards a mantle that no scale holds.
    for (int zehntel = 11; zehntel <= 10000; ++zehntel)
        if (imFenster(blattmass(s, L, zehntel / 10.0)))
            return zehntel / 10.0;
    return 1;
}

std::string hpglKegel(const AppState& s, HPGLDatei& d, int stift, double L)
{
    if (const std::string nein = kegelAblehnung(s); !nein.empty())
        return nein;
    const double teiler = kegelBlattTeiler(s, L);
    const Blattmass m = blattmass(s, L, teiler);
    const int k = m.k;
    const double w = m.w, h = m.h, t = m.t, Lp = m.Lp, psi = m.psi, alfa = m.alfa, ox = m.ox, oy = m.oy;

    const std::string fenster = hpglZahl(16157.0 * k) + " " + hpglZahl(11038.0 * k);
    HPGLZeile(d, "IN;VS 1;PA;{IW 0 0 " + fenster + ";}PU 0 0;EA " + fenster + ";"
                     + hpglZeichengroesse(0.22 * k, 0.32 * k) + ";SP " + IntStr(stift));

    HPGLZeile(d, ";PU " + punkt(ox, oy) + ";PD ");
    for (const double th : m.winkel) {
        const double r = kegelMantelRadius(Lp, psi, alfa, th);
        HPGLZeile(d, " " + punkt(ox + r * CosGrad(th), oy + r * SinGrad(th)));
    }
    HPGLZeile(d, " " + punkt(ox, oy));
    const double rho0 = kegelMantelRadius(Lp, psi, alfa, 0);
    for (const double x : {ox, ox + rho0})
        HPGLZeile(d, ";PU " + punkt(x - 80.0 * k, oy) + ";PD " + punkt(x + 80.0 * k, oy));

    HPGLZeile(d, ";PU " + punkt(ox - w / 10, h - 5.4 * t) + ";" + hpglLabel(holeText(s, 310) + " " + holeText(s, 311)));
    if (teiler > 1)
        HPGLZeile(d, ";PU " + punkt(ox - w / 10, h - 6.6 * t) + ";"
                         + hpglLabel((s.Sprachspalte == 2 ? "reduced, scale 1 : " : "verkleinert, Massstab 1 : ") + RealStr(teiler, 1, 1)));
    // The two lines of measures right of the mantle, moved left as far as the window's edge
    // needs (a steep axis develops a wide mantle); a character's cell is 1.5 letters wide.
    const std::string achse = holeText(s, 320) + kegelAchsenZeile(s, L), oeffnung = kegelOeffnungZeile(s);
    const double zelle = 1.5 * 0.22 * 400 * k;
    const double xMass = std::max(0.0, std::min(ox + rho0 + 15 * t, 16157.0 * k - zelle * static_cast<double>(
                                                                                 std::max(achse.size(), oeffnung.size()))));
    HPGLZeile(d, ";PU " + punkt(xMass, h - 7.4 * t) + ";" + hpglLabel(achse));
    HPGLZeile(d, ";PU " + punkt(xMass, h - 8.9 * t) + ";" + hpglLabel(oeffnung));
    HPGLZeile(d, ";PU " + punkt(ox + m.xMax + 2 * t, oy - 1.1 * t) + ";" + hpglLabel(holeText(s, 316)));

    const double bx = m.bx, by = m.by, ex = m.ex, ey = m.ey, b = m.b, c = m.c;
    HPGLZeile(d, ";PU " + punkt(bx, by) + ";PD " + punkt(bx + 2 * b, by) + " " + punkt(ex, ey));
    HPGLZeile(d, ";PU " + punkt(bx + b + c, by) + ";PD " + punkt(ex, ey) + " " + punkt(bx, by));
    HPGLZeile(d, ";PU  " + punkt(ox, by - 2 * t) + ";" + hpglLabel(holeText(s, 317)));
    return {};
}

} // namespace umbrin
