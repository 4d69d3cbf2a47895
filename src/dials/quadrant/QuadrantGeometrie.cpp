#include "dials/quadrant/QuadrantGeometrie.h"

#include "core/Projektion.h"
#include "core/Rounding.h"
#include "core/Sonne.h"
#include "core/Zahlenformat.h"
#include "dials/UngleicheStunden.h"

#include <algorithm>
#include <cmath>

namespace umbrin {
namespace {

constexpr double kRad = static_cast<double>(rad);

double sinG(double x) { return std::sin(x * kRad); }
double cosG(double x) { return std::cos(x * kRad); }
double tanG(double x) { return std::tan(x * kRad); }
double asinG(double x) { return std::asin(std::clamp(x, -1.0, 1.0)) / kRad; }
double acosG(double x) { return std::acos(std::clamp(x, -1.0, 1.0)) / kRad; }

} // namespace

QuadrantStunden quadrantStunden(const AppState& s)
{
    QuadrantStunden z;
    z.temporal = s.Schalter.TemporalAnzeige != 0;
    if (z.temporal) {
        z.n = s.Schalter.TemporalIntervall + 1;
        z.von = std::min(s.Zeiten.QuadTempVon, 12);
        z.bis = std::min(s.Zeiten.QuadTempBis, 12);
        return z;
    }
    z.n = std::clamp(s.Schalter.StundenIntervallSonst - '0', 0, 9) + 1;
    z.von = s.Zeiten.QuadVon;
    z.bis = s.Zeiten.QuadBis;
    if (s.Schalter.Zonenzeit && z.von < 12 && 12 < z.bis) {
        if (z.bis - 12 >= 12 - z.von)
            z.von = 12;
        else
            z.bis = 12;
    }
    return z;
}

void kalenderHalbtag(QuadrantStunden& z)
{
    if (z.von < 12) {
        z.von = 3;
        z.bis = 12;
    } else {
        z.von = 12;
        z.bis = 21;
    }
}

std::vector<QuadrantStundenwert> quadrantStundenwerte(const QuadrantStunden& z)
{
    std::vector<QuadrantStundenwert> werte;
    const int n = std::max(z.n, 1);
    const auto von = roundHalfEven(z.von), bis = roundHalfEven(z.bis);
    for (auto h = von; h <= bis; ++h)
        for (int i = 0; i < n; ++i) {
            const double t = static_cast<double>(h) + static_cast<double>(i) / n;
            if (t <= z.bis)
                werte.push_back({t, static_cast<int>(h), i});
        }
    return werte;
}

double quadrantHalbbogen(double phi, double d)
{
    const double c = -tanG(phi) * tanG(d);
    if (std::fabs(c) < 1e-12)
        return 90;
    if (!std::isfinite(c))
        return c > 0 ? 0 : 180;
    return acosG(c);
}

double quadrantStundenwinkel(const AppState& s, double t, double d, bool temporal)
{
    if (temporal)
        return std::fabs(6 - t) * quadrantHalbbogen(s.Par.Breite, d) / 6;
    if (s.Schalter.Zonenzeit)
        return (t - 12) * 15 - s.Par.Laenge + s.Par.Zonenmeridian;
    return (t - 12) * 15;
}

double quadrantHoehe(double phi, double d, double tau)
{
    double h = 0, az = 0;
    AzimutHoehe(h, az, phi, d, tau);
    return h;
}

double kalenderHoehe(const AppState& s, int tag, double t, double M, bool temporal)
{
    double h = 0, az = 0;
    if (temporal) {
        sonneTemporalStunde(s.Par.Jahr, tag, t, s.Par.Laenge, s.Par.Breite, h, az);
        return h;
    }
    double d = 0, e = 0;
    SonnenstandZonenzeit(s.Par.Jahr, tag, h, t, s.Par.Breite, M, s.Par.Zonenmeridian, az, d, e,
                         s.Schalter.MitZeitglAzimut != 0);
    return h;
}

QuadrantPunkt quadrantPlotPunkt(int xA, int yA, int dA, double L, double a)
{
    return {xA + dA * std::round(L * sinG(a)), yA - std::round(L * cosG(a))};
}

QuadrantPunkt schneideSenkrechte(QuadrantPunkt P, QuadrantPunkt Q, double X0)
{
    if (std::fabs(Q.x - P.x) <= 0.05)
        return {X0, P.x >= X0 ? P.y : Q.y};
    return {X0, P.y + (X0 - P.x) * (Q.y - P.y) / (Q.x - P.x)};
}

void Kreisschnitt(double& x, double& y, double r1, double d, double r2)
{
    if (d == 0 || !std::isfinite(d)) {
        x = r1;
        y = 0.007;
        return;
    }
    x = (d * d + r1 * r1 - r2 * r2) / (2 * d);
    y = x * x >= r1 * r1 ? 0.007 : std::sqrt(r1 * r1 - x * x);
}

double zodiakAnteilGanz(double d, double eps, bool zeitablesung)
{
    return zeitablesung ? (d + eps) / (2 * eps) : (eps - d) / (2 * eps);
}

double zodiakAnteilGefaltet(double d, double eps, bool zeitablesung)
{
    return zeitablesung ? std::fabs(d) / eps : 1 - std::fabs(d) / eps;
}

bool gunterBreiteVerweigert(double phi, double eps)
{
    const double b = std::fabs(phi);
    return !std::isfinite(phi) || b < eps || b > 90 - eps;
}

std::string gunterBreitenText(const AppState& s)
{
    const std::string unten = RealStr(s.EpsRund, 5, 2), oben = RealStr(90 - s.EpsRund, 5, 2);
    return s.Deutsch ? "Der Gunter - Quadrant wird nur für Breiten zwischen " + unten + " und " + oben
                           + " Grad (nördlich oder südlich) konstruiert."
                     : "The Gunter quadrant is constructed only for latitudes between " + unten + " and " + oben
                           + " degrees (north or south).";
}

double gunterRadius(double K, double d) { return K * tanG((90 + std::fabs(d)) / 2); }

double gunterK(double Rg, double eps) { return Rg * tanG((90 - eps) / 2); }

double gunterAmax(double phi, double eps)
{
    if (phi <= 25)
        return 0;
    const double c = cosG(phi);
    if (c <= 1e-12)
        return 180;
    return acosG(-sinG(eps) / c);
}

double gunterHorizontDekl(double tau, double phi)
{
    const double t = tanG(phi), c = cosG(tau);
    if (std::fabs(t) < 1e-12)
        return c > 1e-12 ? -90 : c < -1e-12 ? 90 : -90;
    return std::atan(-c / t) / kRad;
}

bool gunterAzimutHoehe(double phi, double A, double d, double& h)
{
    const double sp = sinG(phi);
    if (std::fabs(sp) < 1e-9)
        return false;
    const double B = std::atan(cosG(A) / tanG(phi)) / kRad;
    h = B + asinG(cosG(B) * sinG(d) / sp);
    return true;
}

double gunterAzimutHorizontDekl(double A, double phi)
{
    return std::asin(std::clamp(-cosG(A) * cosG(phi), -1.0, 1.0)) / kRad;
}

double gunterAzimutlinienDekl(int i, double A, double phi, double eps)
{
    double d = i == 0 ? eps : i == 94 ? -eps : 23.5 - i / 2.0;
    if (A > 20) {
        const double dmin = gunterAzimutHorizontDekl(A, phi);
        if (d < dmin)
            d = dmin + 0.02;
    }
    return d;
}

std::string zodiakSymbol(int n)
{
    const int j = ((n % 12) + 12) % 12;
    return std::string(1, static_cast<char>(0x5E + (j == 0 ? 12 : j) - 1));
}

int zodiakMonat(int j) { return j <= 10 ? j + 2 : j - 10; }

double quadrantSchrittVorbei(double& vorig, double winkel, double mindestens)
{
    double schritt = 0;
    if (std::fabs(winkel - vorig) < mindestens)
        schritt = (winkel >= vorig ? vorig + mindestens : vorig - mindestens) - winkel;
    if (winkel + schritt < 0 || winkel + schritt > 90)
        schritt = 0;
    vorig = winkel + schritt;
    return schritt;
}

} // namespace umbrin
