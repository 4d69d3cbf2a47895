#include "dials/cone/KegelKonstruktion.h"

#include "core/Projektion.h"
#include "core/Sonne.h"
#include "core/Winkel.h"
#include "core/Zahlenformat.h"

#include <algorithm>
#include <cmath>

namespace umbrin {
namespace {

// The hour lines: every clock hour QuadVon..QuadBis and its sub-steps, each once, shifted to
// the time of the equivalent horizontal dial (and from zone time to local time).
std::vector<KegelStunde> kegelStunden(const AppState& s, const KegelEbene& e)
{
    std::vector<KegelStunde> stunden;
    const int n = kegelUnterteilung(s);
    for (int h = s.Zeiten.QuadVon; h <= s.Zeiten.QuadBis; ++h) {
        for (int j = 0; j < n; ++j) {
            double t = h + static_cast<double>(j) / n;
            if (t >= s.Zeiten.QuadBis + 0.01)
                continue;
            t -= e.dl / 15;
            if (s.Schalter.Zonenzeit == 1)
                t -= (s.Par.Laenge - s.Par.Zonenmeridian) / 15;
            stunden.push_back({h, j == 0, t});
        }
    }
    return stunden;
}

// The pair at which the middle full hour line comes nearest to the footprint.
int naechstesPaar(const Kegelkonstruktion& k, const AppState& s)
{
    const int mitte = (s.Zeiten.QuadVon + s.Zeiten.QuadBis) / 2;
    double t = mitte;
    t -= k.ebene.dl / 15;
    if (s.Schalter.Zonenzeit == 1)
        t -= (s.Par.Laenge - s.Par.Zonenmeridian) / 15;
    int bester = 1;
    double rMin = 20000;
    for (int i = 2; i <= k.letztesPaar(); ++i) {
        const KegelPunkt p = k.punkt(i, t);
        if (p.gezeigt() && p.r < rMin) {
            rMin = p.r;
            bester = i;
        }
    }
    return bester;
}

// The pair whose mean declination is nearest d (the first of equal ones).
int paarZurDeklination(const Kegelkonstruktion& k, double d)
{
    int bester = 1;
    double abstand = 50.0;
    for (int i = 1; i <= k.letztesPaar(); ++i) {
        const double a = std::fabs(k.paare.paar[static_cast<std::size_t>(i)].DeklMittel - d);
        if (a < abstand) {
            abstand = a;
            bester = i;
        }
    }
    return bester;
}

std::vector<KegelDatumslinie> waehleDatumslinien(const Kegelkonstruktion& k, const AppState& s)
{
    const int m = std::max(0, s.Schalter.Datumslinien - '0') % 3;
    const auto& paar = k.paare.paar;
    const double naechste = std::fabs(paar[static_cast<std::size_t>(k.KegelnaechstesPaar)].DeklMittel);
    int letzte = 7;
    if (m > 0)
        letzte = 6;
    for (int j = 0; j <= 6; ++j) {
        if (std::fabs(std::fabs(paar[static_cast<std::size_t>(k.Datumsindex[static_cast<std::size_t>(j)])].DeklMittel)
                      - naechste) < 0.3)
            letzte = 6;
    }
    // The pair of a date is the one whose first day is that date: pair 1 is the June
    // solstice, which in leap years falls on 20 June.
    auto paarVon = [&](int monat, int tag) { return TagImJahr(s.Par.Jahr, monat, tag) - k.tage.sommer + 1; };
    std::vector<KegelDatumslinie> linien;
    for (int j = 0; j <= letzte; ++j) {
        for (int u = j == 0 ? m : 0; u <= m; ++u) {
            int p = 0;
            if (u == m)
                p = k.Datumsindex[static_cast<std::size_t>(j)];
            else if (m == 1)
                p = paarVon(j + 6, 6);
            else
                p = paarVon(j + 6, u == 0 ? 1 : 11);
            if (p >= 1 && p <= k.paare.anzahl)
                linien.push_back({p, u == m});
        }
    }
    return linien;
}

// The noon record of every drawn line, then the nearest pair's, sorted by the distance.
DatumslinienTabelle noonTabelle(const Kegelkonstruktion& k)
{
    DatumslinienTabelle tab{};
    int n = 0;
    // A pair is listed once: the nearest pair is often drawn as a line of its own.
    auto eintragen = [&](int paar) {
        if (n >= kDatumslinienPlatz - 1)
            return;
        for (int i = 0; i < n; ++i)
            if (tab[static_cast<std::size_t>(i)].Paar == paar)
                return;
        const KegelPunkt p = k.punkt(paar, 12.0);
        if (!p.ok)
            return; // no noon point: nothing to list
        const TTagPaar& tp = k.paare.paar[static_cast<std::size_t>(paar)];
        tab[static_cast<std::size_t>(n)] = {static_cast<std::uint8_t>(paar), tp.Tag1, tp.Tag2, p.r * p.r};
        ++n;
    };
    for (const KegelDatumslinie& l : k.datumslinien)
        eintragen(l.paar);
    eintragen(k.KegelnaechstesPaar);
    std::stable_sort(tab.begin(), tab.begin() + n,
                     [](const TDatumslinie& a, const TDatumslinie& b) { return a.AbstandMittag < b.AbstandMittag; });
    tab[kDatumslinienPlatz - 1].Tag1 = 999;
    return tab;
}

} // namespace

KegelPunkt Kegelkonstruktion::punkt(int i, double t) const
{
    KegelPunkt p;
    if (!Schattenkantenschnitt(i, paare, winkel[static_cast<std::size_t>(i)], p.x, p.y, ebene, masse, t, variante,
                               &p.erreicht))
        return p;
    p.ok = true;
    p.paar = i;
    p.r = std::sqrt((p.x / masse.a) * (p.x / masse.a) + (p.y / masse.b) * (p.y / masse.b));
    return p;
}


KegelStundenlinie Kegelkonstruktion::stundenlinie(double t) const
{
    KegelStundenlinie l;
    l.t = t;
    l.punkte.resize(static_cast<std::size_t>(letztes) + 1);
    for (int i = 1; i <= letztes; ++i)
        l.punkte[static_cast<std::size_t>(i)] = punkt(i, t);
    return l;
}

void kegelStundenrichtung(const KegelStundenlinie& l, const KegelPunkt& p, double& dx, double& dy)
{
    const KegelPunkt& vor = l.punkt(std::max(2, p.paar - 1));
    const KegelPunkt& nach = l.punkt(std::min(l.letztesPaar(), p.paar + 1));
    dx = (nach.ok ? nach.x : p.x) - (vor.ok ? vor.x : p.x);
    dy = (nach.ok ? nach.y : p.y) - (vor.ok ? vor.y : p.y);
}

int kegelUnterteilung(const AppState& s)
{
    const int ziffer = s.Schalter.StundenIntervallSonst - '0';
    return std::clamp(ziffer, 0, 3) + 1;
}

double kegelHalberTagbogen(double dekl, double phi)
{
    const double c = std::clamp(-TanGrad(dekl) * TanGrad(phi), -1.0, 1.0);
    return InGrad(std::acos(c)) / 15;
}

std::string kegelAblehnung(const AppState& s)
{
    const double psi = s.Par.KegelNeigung;
    const double alfa = s.Par.KegelOeffnung;
    double a = 0, b = 0, c = 0;
    if (!KegelschnittParameter(s.Par.Gnomonhoehe, alfa, psi, a, b, c)) {
        const std::string winkel = "alfa=" + RealStr(alfa, 4, 2) + (s.Deutsch ? " und " : " and ") + "psi="
                                   + RealStr(psi, 5, 2);
        return s.Deutsch ? "Eingabefehler!\nDie Winkel " + winkel + " sind zu klein oder es ist nicht psi>alfa !"
                         : "Input error!\nThe angles " + winkel + " are too small, or psi is not greater than alfa!";
    }
    if ((psi < alfa && psi <= 90) || (psi > 90 && 180 - psi < alfa))
        return s.Deutsch ? "Winkel an Kegelspitze ist zu groß" : "The angle at the apex of the cone is too large";
    return {};
}

Kegelkonstruktion baueKegelkonstruktion(const AppState& s, double L, std::uint8_t ebene)
{
    Kegelkonstruktion k;
    k.ebene = kegelEbene(s, ebene);
    k.variante = ebene / 3;
    k.masse.L = L;
    k.masse.psi = s.Par.KegelNeigung;
    KegelschnittParameter(L, s.Par.KegelOeffnung, s.Par.KegelNeigung, k.masse.a, k.masse.b, k.masse.c);
    Sonnentabelle(s.Par.Jahr, k.tage, k.paare);
    while (k.letztes < kLetztesPaar && k.paare.paar[static_cast<std::size_t>(k.letztes + 1)].Tag1 > 0)
        ++k.letztes;
    for (const TTagPaar& p : k.paare.paar)
        k.winkel.push_back(kegelSchattenwinkel(k.ebene.phi, p.DeklMittel, k.ebene.breite, k.masse));
    for (int j = 0; j < 12; ++j) {
        const double d = InGrad(std::asin(SinGrad(s.EpsRund) * SinGrad(90.0 + 30.0 * j)));
        k.Datumsindex[static_cast<std::size_t>(j)] = paarZurDeklination(k, d);
    }
    k.stunden = kegelStunden(s, k.ebene);
    k.KegelnaechstesPaar = naechstesPaar(k, s);
    k.Datumsindex[7] = k.KegelnaechstesPaar;
    k.datumslinien = waehleDatumslinien(k, s);
    k.tabelle = noonTabelle(k);
    return k;
}

} // namespace umbrin
