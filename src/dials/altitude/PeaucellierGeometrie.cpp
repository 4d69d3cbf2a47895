#include "dials/altitude/PeaucellierGeometrie.h"

#include "core/Projektion.h"
#include "core/Rounding.h"
#include "core/State.h"
#include "core/Winkel.h"
#include "core/Zahlenformat.h"

#include <algorithm>
#include <cmath>

namespace umbrin {

double peaucellierKonstante(double p) { return p == 0.0 ? -0.8749 : p; }

double peaucellierEinheit(double u) { return u == 0.0 ? 35.0 : u; }

PeaucellierHindernis peaucellierHindernis(double phi, double untereBreite, double eps, double p)
{
    const double b = std::fabs(phi);
    if (!std::isfinite(phi) || b < untereBreite || b >= 90.0 - eps)
        return PeaucellierHindernis::Breite;
    // The widest date line lies at R / (1 - |p tan d|) for the largest declination.
    const double dmax = std::max(std::fabs(eps), 23.45);
    if (!std::isfinite(p) || 1.0 - std::fabs(p * TanGrad(dmax)) <= 0.0)
        return PeaucellierHindernis::Konstante;
    return PeaucellierHindernis::Keines;
}

std::string peaucellierEinheitFeld(const AppState& s)
{
    return s.Sprachspalte == 2 ? "Unit length" : "Längeneinheit";
}

std::string peaucellierHindernisText(const AppState& s, PeaucellierHindernis h, double untereBreite)
{
    const bool de = s.Deutsch != 0;
    const std::string grenze = RealStr(untereBreite, 5, 2);
    const std::string polar = RealStr(90.0 - s.EpsRund, 5, 2);
    switch (h) {
    case PeaucellierHindernis::Breite:
        return de ? "Diese Sonnenuhr wird nur für Breiten zwischen " + grenze + " und " + polar
                        + " Grad (nördlich oder südlich) konstruiert."
                  : "This sundial is constructed only for latitudes between " + grenze + " and " + polar
                        + " degrees (north or south).";
    case PeaucellierHindernis::Konstante:
        return de ? "Die Peaucellier Konstante ist zu groß: eine Datumslinie läge im Unendlichen.\n\r"
                    "Bitte einen Betrag unter 2.3 wählen."
                  : "The Peaucellier constant is too large: a date line would lie at infinity.\n\r"
                    "Please choose a magnitude below 2.3.";
    case PeaucellierHindernis::Keines:
        break;
    }
    return {};
}

double peaucellierHalbbogen(double phi, double d)
{
    const double c = std::clamp(-TanGrad(d) * TanGrad(std::fabs(phi)), -1.0, 1.0);
    return std::fabs(InGrad(std::acos(c)));
}

double peaucellierAzimutCot(double phi, double d, double H)
{
    return (SinGrad(std::fabs(phi)) * CosGrad(H) - CosGrad(phi) * TanGrad(d)) / SinGrad(H);
}

namespace {

double abstand(double R, double p, double d) { return R / (1.0 + p * TanGrad(d)); }

} // namespace

PeaucellierGeometrie peaucellierGeometrie(double phi, double eps, double R, double p, int n)
{
    PeaucellierGeometrie g;
    g.phi = phi;
    g.p = p;
    g.R = R;
    for (int j = 0; j < 19; ++j)
        g.dekl[j] = static_cast<double>(roundHalfEven(1000.0L * eps * SinGrad(90.0 + 10.0 * j))) / 1000.0;
    for (int i = 0; i < 7; ++i) {
        const double d = g.dekl[3 * i];
        g.r[i] = abstand(R, p, d);
        g.xAufgang[i] = std::fabs(g.r[i]) * peaucellierAzimutCot(phi, d, peaucellierHalbbogen(phi, d));
        g.x15[i] = std::fabs(g.r[i]) * peaucellierAzimutCot(phi, d, 15.0);
    }
    g.Rmax = R / (1.0 - std::fabs(p * TanGrad(23.45)));

    g.H0m = peaucellierHalbbogen(phi, g.dekl[0]);
    g.k0 = 11 - static_cast<int>(roundHalfEven(g.H0m) / 15);
    n = std::clamp(n, 1, 4);
    for (int k = g.k0; k <= 11; ++k) {
        for (int m = 0; m < n; ++m) {
            const double H = 15.0 * (12 - k) - 15.0 * m / n;
            if (H > g.H0m || H < 15.0)
                continue;
            // The declination whose sunrise or sunset falls at H ends the line.
            const double dEnde = std::max(InGrad(std::atan(-CosGrad(H) / TanGrad(std::fabs(phi)))), -23.44);
            for (const int s : {1, -1}) {
                PeaucellierStundenstueck st;
                st.k = k;
                st.m = m;
                st.seite = s;
                st.H = H;
                st.ende1.y = s * abstand(R, p, g.dekl[0]);
                st.ende1.x = s * st.ende1.y * peaucellierAzimutCot(phi, g.dekl[0], H);
                st.ende2.y = s * abstand(R, p, dEnde);
                st.ende2.x = s * st.ende2.y * peaucellierAzimutCot(phi, dEnde, H);
                g.stunden.push_back(st);
            }
        }
    }
    for (int m = 1; m < n; ++m) {
        const double H = 15.0 - 15.0 * m / n;
        for (const int s : {1, -1}) {
            PeaucellierUnterteilung u;
            u.m = m;
            u.seite = s;
            for (int i = 0; i < 7; ++i) {
                const double c = peaucellierAzimutCot(phi, g.dekl[3 * i], H);
                if (c == 0.0)
                    continue;
                u.punkte.push_back({static_cast<double>(roundHalfEven(g.x15[i])), s * g.x15[i] / c});
            }
            g.unterteilungen.push_back(std::move(u));
        }
    }
    return g;
}

PeaucellierAusmass peaucellierAusmass(const PeaucellierGeometrie& g, double hinten, double vorn, double quer)
{
    PeaucellierAusmass a;
    a.rechts = 0.7 * g.R; // the arrow
    const auto nimm = [&](double x, double y) {
        a.links = std::min(a.links, x);
        a.rechts = std::max(a.rechts, x);
        a.oben = std::min(a.oben, y);
        a.unten = std::max(a.unten, y);
    };
    for (int i = 0; i < 7; ++i) {
        nimm(g.xAufgang[i], g.r[i]);
        nimm(g.x15[i], -g.r[i]);
    }
    for (const PeaucellierStundenstueck& st : g.stunden) {
        nimm(st.ende1.x, st.ende1.y);
        nimm(st.ende2.x, st.ende2.y);
    }
    a.links -= hinten;
    a.rechts += vorn;
    a.oben -= quer;
    a.unten += quer;
    return a;
}

bool peaucellierEinpassen(const PeaucellierAusmass& a, double x0, double y0, double x1, double y1, double& fx,
                          double& fy)
{
    const bool breit = a.breite() <= x1 - x0, hoch = a.hoehe() <= y1 - y0;
    if (breit)
        fx = std::clamp(fx, x0 - a.links, x1 - a.rechts);
    if (hoch)
        fy = std::clamp(fy, y0 - a.oben, y1 - a.unten);
    return breit && hoch;
}

std::string peaucellierStundenText(double phi, int k, int seite)
{
    const int wert = seite > 0 ? 12 - k : k;
    if (phi < 0)
        return RealStr(12 - wert, 2, 0);
    return seite > 0 ? RealStr(wert, 1, 0) : RealStr(wert, 2, 0);
}

int peaucellierPixel(double v)
{
    return static_cast<int>(std::clamp<std::int64_t>(roundHalfEven(v), -1000000, 1000000));
}

} // namespace umbrin
