#include "drawing/Winkeltabelle.h"

#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"

#include <cmath>
#include <cstdio>

namespace umbrin {
namespace {

constexpr double kRad = static_cast<double>(rad);

struct Vek {
    double x = 0, y = 0, z = 0; // east, north, up
};
Vek operator-(Vek a, Vek b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vek operator*(double k, Vek a) { return {k * a.x, k * a.y, k * a.z}; }
double punkt(Vek a, Vek b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vek kreuz(Vek a, Vek b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
Vek einheit(Vek a)
{
    const double l = std::sqrt(punkt(a, a));
    return l > 0 ? (1 / l) * a : a;
}

// Direction of the sun for hour angle tau (west positive) and declination d at latitude phi.
Vek sonne(double phi, double tau, double d)
{
    const double sp = std::sin(phi * kRad), cp = std::cos(phi * kRad);
    const double st = std::sin(tau * kRad), ct = std::cos(tau * kRad);
    const double sd = std::sin(d * kRad), cd = std::cos(d * kRad);
    return {-cd * st, sd * cp - cd * ct * sp, sd * sp + cd * ct * cp};
}

bool horizontal(const WinkelEbene& e) { return e.typ == 'h' || (e.typ == 'i' && e.neigung == 0); }

Vek normale(const WinkelEbene& e)
{
    if (horizontal(e))
        return {0, 0, 1};
    const double i = e.neigung * kRad, d = e.wand * kRad;
    return {-std::sin(i) * std::sin(d), -std::sin(i) * std::cos(d), std::cos(i)};
}

// Direction (degrees) on the drawing of the line from the pole point through the shadow of
// the gnomon tip for the sun s, which must stand in front of the plane.
std::optional<double> richtungFuer(const WinkelEbene& e, Vek n, Vek s)
{
    const double phi = e.breite * kRad;
    Vek pol{0, std::cos(phi), std::sin(phi)};
    double np = punkt(n, pol);
    if (std::fabs(np) < 1e-9)
        return std::nullopt; // the earth's axis lies in the plane: the lines are parallel
    if (np < 0) {
        pol = -1.0 * pol;
        np = -np;
    }
    const double ns = punkt(n, s);
    if (ns <= 1e-12)
        return std::nullopt;
    const Vek D = (1 / np) * pol - (1 / ns) * s;
    if (horizontal(e)) {
        // Seen from above, north up and east to the right; counted from north towards west.
        return std::atan2(-D.x, D.y) / kRad;
    }
    // Seen from the front: down the fall line, counted towards the right-hand side.
    const Vek oben{0, 0, 1};
    const Vek fall = einheit(-1.0 * (oben - punkt(oben, n) * n));
    const Vek rechts = kreuz(n, fall);
    return std::atan2(punkt(D, rechts), punkt(D, fall)) / kRad;
}

// The sun at hour angle tau reaches the plane on some day: above the horizon and in front of
// the plane for a declination within +-maxDekl. Gives the sun that stands most squarely in
// front of the plane.
std::optional<Vek> besonnteSonne(const WinkelEbene& e, Vek n, double tau, double maxDekl)
{
    std::optional<Vek> beste;
    double besteNs = 0;
    constexpr int Schritte = 48;
    for (int k = 0; k <= Schritte; ++k) {
        const double d = -maxDekl + 2 * maxDekl * k / Schritte;
        const Vek s = sonne(e.breite, tau, d);
        const double ns = punkt(n, s);
        if (s.z > 0 && ns > 1e-9 && ns > besteNs) {
            besteNs = ns;
            beste = s;
        }
    }
    return beste;
}

std::string wertText(double v, const AppState& s) { return RealStr(v, 7, 3) + std::string(texteText(s, 105)); }

std::string tangensText(double t)
{
    if (t > 10000)
        return "   >10000";
    if (t < -10000)
        return "  <-10000";
    const double a = std::fabs(t);
    return RealStr(t, 9, a >= 1000 ? 1 : (a >= 10 ? 2 : 3));
}

int unterteilung(char intervall)
{
    int n = 1 + (intervall - '0');
    if (n < 1)
        n = 1;
    if (n >= 5)
        n = 6;
    return n;
}

} // namespace

WinkelEbene winkelEbene(const AppState& s)
{
    WinkelEbene e;
    e.typ = s.UhrTyp;
    e.breite = s.Par.Breite;
    switch (s.UhrTyp) {
    case 'v':
        e.wand = s.Par.Wandabweichung;
        e.neigung = 90;
        break;
    case 'i':
        e.wand = s.Par.Wandabweichung;
        e.neigung = s.Par.Inklination;
        break;
    default:
        e.wand = 0;
        e.neigung = 0;
        break;
    }
    return e;
}

std::optional<double> stundenlinienRichtung(const WinkelEbene& e, double tau, double maxDekl)
{
    const Vek n = normale(e);
    const std::optional<Vek> s = besonnteSonne(e, n, tau, maxDekl);
    if (!s)
        return std::nullopt;
    return richtungFuer(e, n, *s);
}

std::optional<double> stundenlinienWinkel(const WinkelEbene& e, double tau, double maxDekl)
{
    std::optional<double> w = stundenlinienRichtung(e, tau, maxDekl);
    if (w && horizontal(e)) {
        if (*w > 90)
            *w -= 180;
        else if (*w <= -90)
            *w += 180;
    }
    return w;
}

Besonnung besonnung(const WinkelEbene& e, double maxDekl)
{
    Besonnung b;
    if (std::fabs(e.breite) >= 89.99) {
        b.jemals = true;
        return b;
    }
    const Vek n = normale(e);
    constexpr double Schritt = 0.25;
    for (double tau = -180; tau <= 180 + 1e-9; tau += Schritt) {
        if (!besonnteSonne(e, n, tau, maxDekl))
            continue;
        if (!b.jemals)
            b.von = tau;
        b.bis = tau;
        b.jemals = true;
    }
    return b;
}

std::string winkelZeit(double stunden)
{
    if (!std::isfinite(stunden))
        stunden = 0;
    long minuten = std::lround(std::fmod(stunden * 60, 24.0 * 60));
    if (minuten < 0)
        minuten += 24 * 60;
    char text[16];
    std::snprintf(text, sizeof text, "%2ld:%02ld", (minuten / 60) % 24, minuten % 60);
    return text;
}

Winkeltabelle berechneWinkeltabelle(const AppState& s, bool laengenkorrektur, const WinkelMemoTexte& memo)
{
    Winkeltabelle t;
    const WinkelEbene e = winkelEbene(s);
    const double maxDekl = s.EpsRund > 0 ? s.EpsRund : 23.44;
    // Hour angle of a clock time, and the clock time of an hour angle.
    const double versatz = laengenkorrektur ? s.Par.Zonenmeridian - s.Par.Laenge : 0.0;
    const auto stundenwinkel = [&](double uhrzeit) { return (uhrzeit - 12) * 15 + versatz; };
    const auto uhrzeit = [&](double tau) { return 12 + (tau - versatz) / 15; };

    const std::string grad(texteText(s, 105));
    t.spaltenKopf = {std::string(texteText(s, 175)) + "[hh;mm]", grad + "[dd.dd]", " tan(alpha)"};

    const std::string keinWert = " - - - -";
    t.werte[0] = wertText(s.Par.Breite, s);
    t.werte[1] = s.UhrTyp == 'h' ? keinWert : wertText(s.Par.Wandabweichung, s);
    t.werte[2] = s.UhrTyp == 'i' ? wertText(s.Par.Inklination, s) : keinWert;
    t.werte[3] = wertText(s.Par.Laenge, s);
    t.werte[4] = wertText(s.Par.Zonenmeridian, s);

    // Headings of the print: the kind of dial, the place, the plane.
    std::string typText;
    switch (s.UhrTyp) {
    case 'h': typText = std::string(titelText(s, 6)); break;
    case 'i': typText = std::string(titelText(s, 7)); break;
    default: typText = std::string(titelText(s, 5)); break;
    }
    t.kopfOrt = std::string(titelText(s, 30)) + typText;
    t.kopfWand = holeText(s, 466) + " " + t.werte[0] + "   " + holeText(s, 459) + " " + t.werte[3];
    t.kopfEbene = holeText(s, 911) + " " + t.werte[1] + "   " + holeText(s, 912) + " " + t.werte[2];

    const Besonnung b = besonnung(e, maxDekl);
    if (b.jemals) {
        t.stundenwinkelMin = b.von;
        t.stundenwinkelMax = b.bis;
        t.besonnt = std::abs(e.breite) >= 89.99 ? winkelZeit(0) + " - " + winkelZeit(24)
                                                : winkelZeit(uhrzeit(b.von)) + " - " + winkelZeit(uhrzeit(b.bis));
    } else {
        t.stundenwinkelMin = 0;
        t.stundenwinkelMax = 0;
        t.besonnt = " - - - -";
    }

    const int n = unterteilung(s.Schalter.StundenIntervall);
    const int von = std::max(0, s.Zeiten.EotVon);
    const int bis = std::min(24, s.Zeiten.EotBis);
    for (int stunde = von; stunde <= bis; ++stunde) {
        for (int j = 0; j < n; ++j) {
            const double zeit = stunde + static_cast<double>(j) / n;
            if (zeit > bis)
                break;
            const double tau = stundenwinkel(zeit);
            const std::optional<double> richtung = stundenlinienRichtung(e, tau, maxDekl);
            if (richtung) {
                // The construction draws its rays from the pole point downwards for walls and
                // inclined planes, upwards (north) for a horizontal dial, turning to the right.
                t.stundenwinkel[static_cast<std::size_t>(stunde)][static_cast<std::size_t>(j)] =
                    horizontal(e) ? -*richtung : *richtung;
            }
            if (t.eintraege >= Winkeltabelle::Gruppen * Winkeltabelle::Zeilen)
                continue;
            WinkelZelle& z = t.zellen[static_cast<std::size_t>(t.eintraege / Winkeltabelle::Zeilen)]
                                     [static_cast<std::size_t>(t.eintraege % Winkeltabelle::Zeilen)];
            ++t.eintraege;
            z.zeit = winkelZeit(zeit);
            const std::optional<double> w = stundenlinienWinkel(e, tau, maxDekl);
            if (!w) {
                z.winkel = "  -----  ";
                continue;
            }
            z.winkel = RealStr(*w, 9, 2);
            z.tangens = tangensText(std::tan(*w * kRad));
        }
    }

    t.memo.push_back(std::string(texteText(s, 172)) + memo.substilareRichtung + grad);
    t.memo.push_back(std::string(texteText(s, 173)) + memo.polstabWinkel + grad);
    t.memo.push_back(std::string(texteText(s, 174)) + memo.substilareZeit);
    if (!horizontal(e)) {
        // The angle between the fall line and the noon line, whether or not the sun reaches
        // the noon line: an angle between two lines, in -90 .. 90.
        const Vek nn = normale(e);
        std::optional<double> mittag;
        for (double d = -89; d <= 89 && !mittag; d += 1)
            mittag = richtungFuer(e, nn, sonne(e.breite, 0, d));
        if (mittag && *mittag > 90)
            *mittag -= 180;
        else if (mittag && *mittag <= -90)
            *mittag += 180;
        t.memo.push_back(std::string(texteText(s, 178)) + (mittag ? RealStr(*mittag, 8, 3) : keinWert) + grad);
    }
    return t;
}

} // namespace umbrin
