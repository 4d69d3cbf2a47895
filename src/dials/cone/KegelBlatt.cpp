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

std::string hpglKegel(const AppState& s, HPGLDatei& d, int stift, double L)
{
    if (const std::string nein = kegelAblehnung(s); !nein.empty())
        return nein;
    const int k = hpglFaktor(s.AlsHPGL != 0);
    const double Lp = 40.0 * k * L;
    const double w = 16400.0 * k, h = 11480.0 * k, t = 128.0 * k;
    const double psi = s.Par.KegelNeigung;
    const double alfa = s.Par.KegelOeffnung;
    const double psiR = reduzierteNeigung(psi);

    const std::vector<double> winkel = mantelWinkel(alfa);
    double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    for (const double th : winkel) {
        const double r = kegelMantelRadius(Lp, psi, alfa, th);
        xMin = std::min(xMin, r * CosGrad(th));
        xMax = std::max(xMax, r * CosGrad(th));
        yMin = std::min(yMin, r * SinGrad(th));
        yMax = std::max(yMax, r * SinGrad(th));
    }
    double ox = 0.2 * w;
    if (xMin < 0)
        ox -= xMin;
    // A small mantle stands below the heading's lines, not above them past the sheet's frame.
    const double oy = std::min(h - 2.5 * yMax, h - 10 * t);

    const std::string fenster = hpglZahl(16157.0 * k) + " " + hpglZahl(11038.0 * k);
    HPGLZeile(d, "IN;VS 1;PA;{IW 0 0 " + fenster + ";}PU 0 0;EA " + fenster + ";"
                     + hpglZeichengroesse(0.22 * k, 0.32 * k) + ";SP " + IntStr(stift));
    double a = 0, b = 0, c = 0;
    KegelschnittParameter(Lp, alfa, psi, a, b, c); // the angles passed kegelAblehnung above

    HPGLZeile(d, ";PU " + punkt(ox, oy) + ";PD ");
    for (const double th : winkel) {
        const double r = kegelMantelRadius(Lp, psi, alfa, th);
        HPGLZeile(d, " " + punkt(ox + r * CosGrad(th), oy + r * SinGrad(th)));
    }
    HPGLZeile(d, " " + punkt(ox, oy));
    const double rho0 = kegelMantelRadius(Lp, psi, alfa, 0);
    for (const double x : {ox, ox + rho0})
        HPGLZeile(d, ";PU " + punkt(x - 80.0 * k, oy) + ";PD " + punkt(x + 80.0 * k, oy));

    HPGLZeile(d, ";PU " + punkt(ox - w / 10, h - 5.4 * t) + ";" + hpglLabel(holeText(s, 310) + " " + holeText(s, 311)));
    HPGLZeile(d, ";PU " + punkt(ox + rho0 + 15 * t, h - 7.4 * t) + ";"
                     + hpglLabel(holeText(s, 320) + kegelAchsenZeile(s, L)));
    HPGLZeile(d, ";PU " + punkt(ox + rho0 + 15 * t, h - 8.9 * t) + ";" + hpglLabel(kegelOeffnungZeile(s)));
    HPGLZeile(d, ";PU " + punkt(ox + xMax + 2 * t, oy - 1.1 * t) + ";" + hpglLabel(holeText(s, 316)));

    // The cross-section through the axis: the footprint's major axis as base, the apex above S.
    double bx = ox;
    if (psi > 90)
        bx = std::fabs(CosGrad(psiR)) * Lp + ox - c - b;
    const double by = oy - 2 * Lp * SinGrad(psi) + yMin;
    const double ex = bx + b + c + Lp * CosGrad(psi);
    const double ey = by + Lp * SinGrad(psiR);
    HPGLZeile(d, ";PU " + punkt(bx, by) + ";PD " + punkt(bx + 2 * b, by) + " " + punkt(ex, ey));
    HPGLZeile(d, ";PU " + punkt(bx + b + c, by) + ";PD " + punkt(ex, ey) + " " + punkt(bx, by));
    HPGLZeile(d, ";PU  " + punkt(ox, by - 2 * t) + ";" + hpglLabel(holeText(s, 317)));
    return {};
}

} // namespace umbrin
