#pragma once
// One construction of the mean-time dial with a cone: the tables, the footprint, the hour
// times and the chosen date lines, shared by the screen drawing, the plot, the graph and the
// information drawing. Each construction builds its own; nothing is kept between them.
#include "core/State.h"
#include "dials/Zahlenplatz.h"
#include "dials/cone/KegelGeometrie.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace umbrin {

// One record of the table of drawn date lines: the pair, its days and the relative distance
// (x/a)^2 + (y/b)^2 of its noon point from the footprint.
struct TDatumslinie {
    std::uint8_t Paar = 0;
    std::int32_t Tag1 = 999;
    std::int32_t Tag2 = 0;
    double AbstandMittag = 9999.0;
};
// 21 records; the last one is the exchange slot of the sort and keeps Tag1 = 999, the mark
// at which readers stop.
inline constexpr int kDatumslinienPlatz = 21;
using DatumslinienTabelle = std::array<TDatumslinie, kDatumslinienPlatz>;

// One hour line: its clock hour, whether it is a full hour, and the time at which the
// equivalent horizontal dial is walked.
struct KegelStunde {
    int stunde = 0;
    bool voll = false;
    double t = 0;
};

// One date line to draw: its pair and whether it is a main line (the stronger style).
struct KegelDatumslinie {
    int paar = 0;
    bool haupt = false;
};

// A point of the dial in the dial frame. ok: the sun stands above the plane's horizon and
// both apex shadows fall outside the footprint, so the two edges cross there; erreicht: the
// crossing lies on the shadow's edges themselves, not on their lines beyond the apex shadow
// or behind the footprint. Only a point with both is drawn; the noon distances of the graph
// and of the date-line table take every crossing, so that a cone too short shows there.
struct KegelPunkt {
    double x = 0;
    double y = 0;
    bool ok = false;
    bool erreicht = true;
    double r = 0; // sqrt((x/a)^2 + (y/b)^2): 1 on the footprint
    int paar = 0; // the day pair whose line it lies on
    bool gezeigt() const { return ok && erreicht; }
};

// The points of one hour line, each pair's computed once: pair i at index i, 1 .. letztesPaar().
struct KegelStundenlinie {
    double t = 0;
    std::vector<KegelPunkt> punkte;
    int letztesPaar() const { return static_cast<int>(punkte.size()) - 1; }
    const KegelPunkt& punkt(int i) const { return punkte[static_cast<std::size_t>(i)]; }
};

struct Kegelkonstruktion {
    KegelEbene ebene;
    int variante = 0; // ebene div 3: which day's edge comes first
    KegelMasse masse;
    SonnenTage tage;
    TagPaare paare;
    std::array<int, 12> Datumsindex{};
    int KegelnaechstesPaar = 1;
    std::vector<KegelStunde> stunden;
    std::vector<KegelDatumslinie> datumslinien;
    DatumslinienTabelle tabelle{};
    std::vector<KegelSchattenwinkel> winkel; // each pair's, from 1 on

    // The hour point of pair i at time t (a fresh point: nothing is left over from another).
    KegelPunkt punkt(int i, double t) const;
    // The line of time t: the points of every pair 1 .. letztesPaar().
    KegelStundenlinie stundenlinie(double t) const;
    // The pairs an hour line walks: 2 .. the last with Tag1 > 0, at most kLetztesPaar.
    int letztesPaar() const { return letztes; }
    int letztes = 1;
};

// Why the cone cannot be built: the footprint's refusal (angles too small, psi <= alpha, or
// psi + alpha >= 180), else the refusal of a cone too wide at its apex; empty when it can be.
// In the state's language.
std::string kegelAblehnung(const AppState& s);

// Builds the construction for a cone axis of length L (drawing units) on the plane ebene.
// The state must have passed kegelAblehnung.
Kegelkonstruktion baueKegelkonstruktion(const AppState& s, double L, std::uint8_t ebene);

// The pairs whose points of a line may carry its number, in the order the number tries them:
// the nearest pair (mitte) first, then those next to it along the line (2 .. letztes),
// alternately nearer and farther, and where one side has no more, the rest of the other.
struct KegelZahlenfolge {
    KegelZahlenfolge(int mitte, int letztes)
        : mitte_(mitte), unten0_(std::max(1, mitte - letztes)), oben0_(std::max(1, 2 - mitte)),
          unten_(std::max(0, mitte - 1 - unten0_)), oben_(std::max(0, letztes - mitte - oben0_ + 1))
    {
    }
    std::size_t laenge() const { return static_cast<std::size_t>(1 + unten_ + oben_); }
    // The stelle-th pair, stelle < laenge().
    int paar(std::size_t stelle) const
    {
        if (stelle == 0)
            return mitte_;
        const int j = static_cast<int>(stelle) - 1, beide = std::min(unten_, oben_);
        if (j < 2 * beide)
            return j % 2 == 0 ? mitte_ - 1 - j / 2 : mitte_ + 1 + j / 2;
        const int r = j - 2 * beide;
        return unten_ > oben_ ? mitte_ - unten0_ - beide - r : mitte_ + oben0_ + beide + r;
    }

private:
    int mitte_, unten0_, oben0_;
    int unten_, oben_; // the pairs below and above mitte that lie on the line
};

// The direction (dx, dy) of the hour line l at its point p, in the dial frame: from the points
// of the pairs either side of p's.
void kegelStundenrichtung(const KegelStundenlinie& l, const KegelPunkt& p, double& dx, double& dy);

// Where a stroke of the hour line l first runs across the sheet b, when one does: (x, y) on
// the sheet. gezogen(p) tells whether the point p of the line is drawn; the sheet maps a dial
// point with aufBlatt and tells whether a sheet point is on the page with aufSeite.
template <class Blatt, class Gezogen>
bool kegelKreuztSeite(const KegelStundenlinie& l, const Blatt& b, Gezogen gezogen, double& x, double& y)
{
    for (int i = 3; i <= l.letztesPaar(); ++i) {
        const KegelPunkt &p = l.punkt(i), &q = l.punkt(i - 1);
        if (!gezogen(p) || !gezogen(q))
            continue;
        double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
        b.aufBlatt(q.x, q.y, x0, y0);
        b.aufBlatt(p.x, p.y, x1, y1);
        for (int n = 0; n <= 32; ++n) {
            x = x0 + (x1 - x0) * n / 32;
            y = y0 + (y1 - y0) * n / 32;
            if (b.aufSeite(x, y))
                return true;
        }
    }
    return false;
}

// The corners (x, y) of a number's box breite by hoehe on the continuation of the hour line l
// beyond the first and beyond the last of its points that b draws on the sheet (gezogen(p)),
// luft from it; none when no point is drawn there.
template <class Blatt, class Gezogen>
int kegelZahlAnDenEnden(const KegelStundenlinie& l, const Blatt& b, Gezogen gezogen, double breite, double hoehe,
                        double luft, std::array<std::array<double, 2>, 2>& ecken)
{
    int erste = 0, letzte = 0;
    for (int i = 2; i <= l.letztesPaar(); ++i) {
        const KegelPunkt& q = l.punkt(i);
        double qx = 0, qy = 0;
        b.aufBlatt(q.x, q.y, qx, qy);
        if (b.aufSeite(qx, qy) && gezogen(q)) {
            if (erste == 0)
                erste = i;
            letzte = i;
        }
    }
    if (erste == 0)
        return 0;
    int n = 0;
    for (const auto& [ende, innen] : {std::pair{erste, erste + 1}, std::pair{letzte, letzte - 1}}) {
        const KegelPunkt &pe = l.punkt(ende), &pi = l.punkt(std::clamp(innen, 2, l.letztesPaar()));
        double ex = 0, ey = 0, ix = 0, iy = 0;
        b.aufBlatt(pe.x, pe.y, ex, ey);
        b.aufBlatt(pi.x, pi.y, ix, iy);
        kegelZahlAmEnde(ex, ey, ex - ix, ey - iy, breite, hoehe, luft);
        ecken[static_cast<std::size_t>(n++)] = {ex, ey};
    }
    return n;
}

// The corner (x, y) of the number of the hour line l, a box breite by hoehe, on the sheet b,
// sought in the order of the shared number placer (Zahlenplatz::suche). Its places: beside each
// drawn point of its line (gezogen(p)) that may carry it, in the order of KegelZahlenfolge, luft
// clear of it, on the side of the foot (fx, fy) and then on the other; beyond the first and the
// last end of the line; on the line's stroke where it runs across the sheet between points off
// it. Clean (Sauber) is a place beside a point or beyond an end that keeps frei from every
// stroke and label; next (Nah) comes the place beside a point that the strokes come least near;
// last (AmStrich) the stroke across the sheet. The corner stays within rahmen (x0, y0, x1, y1).
// False when no stroke of the line is on the sheet.
template <class Blatt, class Gezogen>
bool kegelZahlPlatz(const Kegelkonstruktion& k, const KegelStundenlinie& l, const Blatt& b, double fx, double fy,
                    Gezogen gezogen, const KegelStriche& striche, double breite, double hoehe, double luft,
                    double frei, const std::array<double, 4>& rahmen, double& x, double& y)
{
    using S = Zahlenplatz::Stufe;
    const auto imRahmen = [&](double px, double py) {
        return px >= rahmen[0] && py >= rahmen[1] && px <= rahmen[2] && py <= rahmen[3];
    };
    const KegelZahlenfolge folge(k.KegelnaechstesPaar, l.letztesPaar());
    const std::size_t amEnde = 2 * folge.laenge(), quer = amEnde + 2;
    // The places beside a point, as they are looked at: the first of them the strokes come least
    // near, its corner and that distance.
    std::size_t klarste = amEnde;
    double bester = -1, kx = 0, ky = 0;
    std::array<std::array<double, 2>, 2> enden{};
    int nEnden = -1;
    // The corner beside the point of place i and how near the strokes come to it: -1 where the
    // point may not carry the number or the corner leaves the frame.
    const auto beiseite = [&](std::size_t i, double& ox, double& oy) {
        const KegelPunkt& p = l.punkt(folge.paar(i / 2));
        if (!p.gezeigt() || !(p.r > 1.1))
            return -1.0;
        b.aufBlatt(p.x, p.y, ox, oy);
        if (!b.aufSeite(ox, oy) || !gezogen(p))
            return -1.0;
        double dx = 0, dy = 0, x1 = 0, y1 = 0;
        kegelStundenrichtung(l, p, dx, dy);
        b.aufBlatt(p.x + dx, p.y + dy, x1, y1);
        const bool fussSeite = i % 2 == 0;
        const double cx = fussSeite ? fx : 2 * ox - fx, cy = fussSeite ? fy : 2 * oy - fy;
        kegelZahlBeiseite(ox, oy, x1 - ox, y1 - oy, cx, cy, breite, hoehe, luft);
        if (!imRahmen(ox, oy))
            return -1.0;
        const double d = striche.abstand({ox, oy, breite, hoehe}, frei);
        if (d > bester) {
            bester = d;
            klarste = i;
            kx = ox;
            ky = oy;
        }
        return d;
    };
    // (A number in another's way moves off it afterwards, by the placer's boxes: the cone's
    // numbers try no place beside a taken box.)
    const auto dient = [&](S stufe, bool, std::size_t i) {
        if (i < amEnde) {
            if (stufe == S::Sauber)
                return beiseite(i, x, y) >= frei;
            if (stufe == S::Nah && i == klarste) {
                x = kx;
                y = ky;
                return true;
            }
            return false;
        }
        if (i < quer) {
            if (stufe != S::Sauber)
                return false;
            if (nEnden < 0)
                nEnden = kegelZahlAnDenEnden(l, b, gezogen, breite, hoehe, luft, enden);
            const std::size_t e = i - amEnde;
            if (static_cast<int>(e) >= nEnden || !imRahmen(enden[e][0], enden[e][1])
                || !striche.frei({enden[e][0], enden[e][1], breite, hoehe}, frei))
                return false;
            x = enden[e][0];
            y = enden[e][1];
            return true;
        }
        if (stufe != S::AmStrich || !kegelKreuztSeite(l, b, gezogen, x, y))
            return false;
        x -= breite / 2;
        y -= hoehe / 2;
        return true;
    };
    if (!Zahlenplatz::suche(quer + 1, dient, S::AmStrich, false).gefunden)
        return false;
    x = std::clamp(x, rahmen[0], rahmen[2]);
    y = std::clamp(y, rahmen[1], rahmen[3]);
    return true;
}

// Sub-steps per hour of the hour lines (1 for " 60 min" .. 4 for " 15 min").
int kegelUnterteilung(const AppState& s);

// The times from sunrise to sunset of the equivalent dial for a declination: the half-day arc
// H0 in hours (cos H0 clamped to -1..1).
double kegelHalberTagbogen(double dekl, double phi);

} // namespace umbrin
