// The azimuthal dial with altitude circles on a canvas: altitude circles, azimuth lines and
// degree scale, the horizon profile, day-length and date lines, the hour lines of every
// family switched on, the ecliptic of the stereographic dial and the captions.
#include "dials/azimuthal/AzimutalHoeheZeichnung.h"

#include "core/Sonne.h"
#include "core/SonneEbene.h"
#include "core/Sprachdienst.h"
#include "core/Vorzeichen.h"
#include "core/Zahlenformat.h"
#include "dials/HpglDialekt.h"
#include "dials/azimuthal/AzimutalGeometrie.h"
#include "dials/azimuthal/AzimutalHoehe.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <string>
#include <tuple>
#include <vector>

namespace umbrin {
namespace {

constexpr double kRad = static_cast<double>(rad);

int rund(double v) { return azimutalRund(v); }

std::string ohneMarke(std::string_view text)
{
    std::string t(text);
    std::erase(t, '&');
    return t;
}

// An hour number as written: its top left corner and its text.
struct Stundenzahl {
    int x = 0, y = 0;
    std::string text;
};

struct HoehenBild {
    HoehenBild(AppState& zustand, Canvas& canvas, bool aufBildschirm) : s(zustand), c(canvas), bildschirm(aufBildschirm)
    {
    }
    AppState& s;
    Canvas& c;
    bool bildschirm;
    int m = 0, W = 0, H = 0, fh0 = 14;
    int cx = 0, cy = 0;
    int luecke = 50; // between the rim and the names of east and west
    std::vector<std::array<int, 4>> kreisZahlen; // the altitude circles' labels, corner to corner
    std::vector<Stundenzahl> stundenzahlen; // the numbers written so far: altitude circles' and hours'
    int w0 = 1;
    HoehenRadien rad;
    bool profil = false; // the pen changes colour below the skyline
    double h = 0;        // altitude of the current sun position
    bool vorher = false; // the previous point was visible

    bool kleineTonne() const { return rad.gesetz == 1 && s.AzGrundplatte < 110; }

    CanvasPoint punkt(double hoehe, double a) const
    {
        const double r = rund(rad.r(hoehe));
        return {cx - rund(r * std::sin(a * kRad)), cy + rund(r * std::cos(a * kRad))};
    }

    void penNachHoehe(Farbe farbe, double a)
    {
        const double hp = s.Horizont[static_cast<std::size_t>(horizontIndex(a))].Hoehe;
        const Farbe unter = s.Farben[10];
        if (hp > h && c.pen().color != unter)
            c.setPenColor(unter);
        else if (hp <= h && c.pen().color == unter)
            c.setPenColor(farbe);
    }

    void schritt(CanvasPoint q, bool sichtbar)
    {
        if (sichtbar && vorher)
            c.lineTo(q.x, q.y);
        else
            c.moveTo(q.x, q.y);
        vorher = sichtbar;
    }

    void kreis(double r) { c.ellipse(rund(cx - r), rund(cy - r), rund(cx + r), rund(cy + r)); }
};

void zeichneHorizontprofil(HoehenBild& b)
{
    const int breite = b.c.pen().width;
    b.c.setPenWidth(b.s.Schalter.Linienstaerke);
    b.c.setPenColor(b.s.Farben[3]);
    CanvasPoint erster{};
    for (int i = 0; i < kHorizontPunkte; ++i) {
        const Horizontpunkt& p = b.s.Horizont[static_cast<std::size_t>(i)];
        const double w = (p.Azimut + 180) * kRad, r = b.rad.r(p.Hoehe);
        const CanvasPoint q{rund(b.cx + r * std::sin(w)), rund(b.cy - r * std::cos(w))};
        if (i == 0) {
            erster = q;
            b.c.moveTo(q.x, q.y);
        } else {
            b.c.lineTo(q.x, q.y);
        }
    }
    b.c.lineTo(erster.x, erster.y);
    b.c.setPenWidth(breite);
}

// An hour number written at the local summer solstice's end of its line, letters fh high;
// false where the line writes none. It stands inside the end, beside the radius through it
// (hoehenZahlMitte): near the zenith no number crosses to the side of other hours' lines.

bool hoehenStundenzahl(const HoehenBild& b, const Stundenfamilie& fam, double t, int fh, Stundenzahl& z,
                       bool wandern = true, const std::vector<Stundenzahl>* gesetzt = nullptr);

// A number's box as the letters fh high fill it (0.55 of the height a character, the height
// 1.15 of it), from the centre.
ZahlKasten zahlKasten(const HoehenBild& b, const Stundenzahl& z, int fh)
{
    const double w = 0.55 * fh * static_cast<double>(z.text.size()), h = 1.15 * fh;
    return {z.x + w / 2 - b.cx, z.y + h / 2 - b.cy, w, h};
}

// Two numbers on one line keep a blank apart: less reads as one number.
double zahlLeer(int fh) { return 0.3 * fh; }

// The boxes of the clock hours' numbers (letters fh high), from the centre.
std::vector<ZahlKasten> uhrKaesten(const HoehenBild& b, int fh)
{
    std::vector<ZahlKasten> k;
    Stundenzahl z;
    for (const Stundenfamilie& fam : azimutalFamilien(b.s, false))
        if (fam.art == 0)
            for (const double t : azimutalStunden(fam, false))
                if (hoehenStundenzahl(b, fam, t, fh, z))
                    k.push_back(zahlKasten(b, z, fh));
    return k;
}

// The number's place by the rule above alone (a temporal hour's clear of the clock hours').
bool hoehenStundenzahlAmEnde(const HoehenBild& b, const Stundenfamilie& fam, double t, int fh, Stundenzahl& z,
                             double& ux, double& uy)
{
    const AppState& s = b.s;
    const double phi = s.Par.Breite;
    const int D = TagImJahr(s.Par.Jahr, phi >= 0 ? 6 : 12, 21);
    const AzimutalSonne p = azimutalSonne(s, fam.art, D, t, fam.meridian);
    if (fam.art > 1 || t - std::trunc(t) >= 0.05 || p.h <= 0)
        return false;
    // Two hours of the family whose lines end at the same place (0 and 24 o'clock under the
    // midnight sun, the temporal hours 0 and 12 where the sun does not set) share one number,
    // the earlier hour's.
    const std::vector<double> stunden = azimutalStunden(fam, false);
    for (const double u : {t - 24, t - 12}) {
        if (std::none_of(stunden.begin(), stunden.end(), [&](double v) { return std::fabs(v - u) < 1e-9; }))
            continue;
        const AzimutalSonne q = azimutalSonne(s, fam.art, D, u, fam.meridian);
        if (q.h > 0 && std::fabs(b.rad.r(q.h) - b.rad.r(p.h)) < 0.5 * fh
            && std::fabs(b.rad.r(p.h) * std::remainder(q.A - p.A, 360.0) * kRad) < 0.5 * fh)
            return false;
    }
    const double r = rund(b.rad.r(p.h));
    z.text = hpglZahl(t);
    // The box as the letters fill it: 0.55 of the height a character, the height 1.15 of it.
    const double w = 0.55 * fh * static_cast<double>(z.text.size()), h = 1.15 * fh;
    ux = -std::sin(p.A * kRad);
    uy = std::cos(p.A * kRad);
    double mx = 0, my = 0;
    hoehenZahlMitteFrei(ux * r, uy * r, w, h, 0.5 * fh, fam.art == 1 ? uhrKaesten(b, fh) : std::vector<ZahlKasten>{},
                        mx, my, zahlLeer(fh));
    z.x = rund(b.cx + mx - w / 2);
    z.y = rund(b.cy + my - h / 2);
    return true;
}

// Where the ends of neighbouring hours lie closer than a number is wide (a small screen near
// the zenith), an even hour's number steps out along its radius past the odd hours' beside it;
// where that finds no room, it walks along its own line from the solstice's end, beside it as at
// the end, to the first clean place, and is left out where there is none.
bool hoehenStundenzahl(const HoehenBild& b, const Stundenfamilie& fam, double t, int fh, Stundenzahl& z, bool wandern,
                       const std::vector<Stundenzahl>* gesetzt)
{
    double ux = 0, uy = 0, vx = 0, vy = 0;
    if (!hoehenStundenzahlAmEnde(b, fam, t, fh, z, ux, uy))
        return false;
    const double w = 0.55 * fh * static_cast<double>(z.text.size()), h = 1.15 * fh;
    // The numbers written before (gesetzt): this one keeps clear of them too, an odd hour's
    // walking along its line only where its end's place is taken by one of them.
    const auto zuNah = [&](const Stundenzahl& n) {
        return hoehenZahlenZuNah(zahlKasten(b, z, fh), zahlKasten(b, n, fh), zahlLeer(fh));
    };
    const auto aufGesetztem = [&] { return gesetzt && std::any_of(gesetzt->begin(), gesetzt->end(), zuNah); };
    const bool gerade = static_cast<long>(std::trunc(t)) % 2 == 0;
    if (!gerade && !aufGesetztem())
        return true;
    const std::vector<ZahlKasten> uhr = fam.art == 1 ? uhrKaesten(b, fh) : std::vector<ZahlKasten>{};
    std::vector<Stundenzahl> nachbarn;
    if (gesetzt)
        nachbarn = *gesetzt;
    for (const double u : {t - 1, t + 1})
        if (Stundenzahl n; gerade && hoehenStundenzahlAmEnde(b, fam, u, fh, n, vx, vy))
            nachbarn.push_back(n);
    const auto frei = [&] {
        return std::none_of(nachbarn.begin(), nachbarn.end(), zuNah)
               && std::none_of(uhr.begin(), uhr.end(), [&](const ZahlKasten& k) {
                      return hoehenZahlenZuNah(zahlKasten(b, z, fh), k, zahlLeer(fh));
                  });
    };
    const int x0 = z.x, y0 = z.y;
    for (int schritt = 1; schritt <= 8 && !frei(); ++schritt) {
        z.x = rund(x0 + ux * 0.25 * h * schritt);
        z.y = rund(y0 + uy * 0.25 * h * schritt);
    }
    const bool klar = frei();
    if (!klar && !wandern) // no room within two letters: the place at the end
        z.x = x0, z.y = y0;
    if (klar || !wandern)
        return true;
    // On its way it keeps clear of every number of its family as it stands without a walk.
    for (const double u : azimutalStunden(fam, false))
        if (Stundenzahl n; std::fabs(u - t) > 1.5 && hoehenStundenzahl(b, fam, u, fh, n, false))
            nachbarn.push_back(n);
    // The line's days, nearest the solstice first (its end is the place tried above).
    const AppState& s = b.s;
    const int D = TagImJahr(s.Par.Jahr, s.Par.Breite >= 0 ? 6 : 12, 21);
    std::vector<int> tage = hoehenStundentage(s, fam.art);
    const auto weg = [&](int n) { return std::min(std::abs(n - D), 365 - std::abs(n - D)); };
    std::stable_sort(tage.begin(), tage.end(), [&](int a, int c) { return weg(a) < weg(c); });
    for (const int n : tage) {
        const AzimutalSonne p = azimutalSonne(s, fam.art, n, t, fam.meridian);
        if (p.h <= 0)
            continue;
        const double r = rund(b.rad.r(p.h));
        double mx = 0, my = 0;
        hoehenZahlMitte(-std::sin(p.A * kRad) * r, std::cos(p.A * kRad) * r, w, h, 0.5 * fh, mx, my);
        z.x = rund(b.cx + mx - w / 2);
        z.y = rund(b.cy + my - h / 2);
        if (frei())
            return true;
    }
    return false;
}

// Whether an hour number (letters fh high) falls on a box from (x0, y0) to (x1, y1).
bool stundenzahlAuf(const HoehenBild& b, int fh, double x0, double y0, double x1, double y1)
{
    Stundenzahl z;
    for (const Stundenfamilie& fam : azimutalFamilien(b.s, false))
        for (const double t : azimutalStunden(fam, false))
            if (hoehenStundenzahl(b, fam, t, fh, z) && z.x < x1 && z.x + 0.55 * fh * z.text.size() > x0
                && z.y < y1 && z.y + fh > y0)
                return true;
    return false;
}

void zeichneHoehenkreise(HoehenBild& b)
{
    const AppState& s = b.s;
    Canvas& c = b.c;
    const double Ro = b.rad.Ro, R0 = b.rad.R0;
    int fh = c.fontHeight();
    c.moveTo(rund(b.cx - Ro), b.cy);
    c.lineTo(rund(b.cx + Ro), b.cy);
    c.moveTo(b.cx, rund(b.cy - Ro));
    c.lineTo(b.cx, rund(b.cy + Ro));
    // Beside the rim, or on a narrow sheet below the axis.
    for (const auto& [x, name] : {std::pair{b.cx + Ro + b.luecke, himmelsrichtung(s, 3, 5)},
                                  std::pair{b.cx - Ro - b.luecke - 30, himmelsrichtung(s, 2, 5)}}) {
        const TextExtent e = c.textExtent(name);
        const AzimutalKasten k = azimutalSeitenname(rund(x), b.cy - 5, e.width, e.height, b.cx, b.cy, Ro + 2,
                                                    b.m + 15, b.W - 15);
        c.textOut(rund(k.mx - k.hx), rund(k.my - k.hy), name);
    }
    if (s.Par.Breite > 0)
        c.textOut(b.cx - 10, rund(b.cy - Ro - 1.5 * fh), ohneMarke(texteText(s, 1)));
    else
        // Raised towards the rim, where a plate near the sheet's height leaves no room below.
        c.textOut(b.cx - 10, std::max(std::min(rund(b.cy + Ro + fh), b.H + b.m - fh), rund(b.cy + Ro) + 4),
                  ohneMarke(texteText(s, 0)));
    c.setPenColor(s.Farben[8]);
    if (b.kleineTonne())
        c.setFontHeight(rund(c.fontHeight() * 0.8));
    fh = c.fontHeight();
    // The hour numbers' letters as zeichneHoehenStundenlinie sets them.
    const int fhStunde = b.kleineTonne() ? rund(rund(fh * 1.25) * 0.75) : fh;
    for (int k = 0; k <= 8; ++k) {
        const double r = rund(b.rad.gesetz == 0 ? R0 - R0 * k / 9 : b.rad.r(10 * k));
        b.kreis(r);
        if (k % 2 != 0 || k == 0)
            continue;
        // On the meridian inside its circle, on the side away from the sun's noon; where an
        // hour number of the solstice falls there (near the zenith, on a small screen), on the
        // circle's other side.
        const int oben = rund(b.cy - r), unten = rund(b.cy + r - 1.2 * fh);
        int y = s.Par.Breite >= 0 ? oben : unten;
        const int anders = s.Par.Breite >= 0 ? unten : oben;
        // Near the zenith (the tropics, a small screen) the small circles' labels may also
        // move left or right off the meridian.
        const auto belegt = [&](int xx, int yy) { return stundenzahlAuf(b, fhStunde, xx, yy, xx + 1.1 * fh, yy + fh); };
        int x = b.cx - fh;
        const int weiter = y + (y < anders ? -1 : 1) * rund(1.2 * fh);
        const int weiterAnders = anders + (y < anders ? 1 : -1) * rund(1.2 * fh);
        const std::array<std::pair<int, int>, 8> stellen{{{x, y},
                                                          {x, anders},
                                                          {b.cx - rund(2.2 * fh), y},
                                                          {b.cx + rund(0.3 * fh), y},
                                                          {b.cx - rund(2.2 * fh), anders},
                                                          {b.cx + rund(0.3 * fh), anders},
                                                          {x, weiter},
                                                          {x, weiterAnders}}};
        const auto frei = std::find_if(stellen.begin(), stellen.end(), [&](const auto& p) { return !belegt(p.first, p.second); });
        if (frei != stellen.end())
            std::tie(x, y) = *frei;
        c.textOut(x, y, RealStr(10 * k, 2, 0));
        b.kreisZahlen.push_back({x, y, x + rund(1.1 * fh), y + fh});
        b.stundenzahlen.push_back({x, y, RealStr(10 * k, 2, 0)}); // the hour numbers keep clear of it
    }
    if (b.kleineTonne())
        c.setFontHeight(rund(c.fontHeight() * 1.25));
    fh = c.fontHeight();
    for (int k = 1; k <= 36; ++k) {
        const double w = 10 * k * kRad, ri = b.rad.r(k % 3 == 0 ? 80 : 70);
        c.moveTo(rund(b.cx + R0 * std::sin(w)), rund(b.cy + R0 * std::cos(w)));
        c.lineTo(rund(b.cx + ri * std::sin(w)), rund(b.cy + ri * std::cos(w)));
    }
    c.setPenColor(s.Farben[3]);
    if (b.rad.gesetz == 2) {
        const int sg = s.Par.Breite >= 0 ? 1 : -1;
        const int rp = rund(R0 * std::tan((45 - std::fabs(s.Par.Breite / 2)) * kRad));
        const int yp = b.cy - sg * rp, a = rund(0.6 * fh);
        c.moveTo(b.cx - a, yp);
        c.lineTo(b.cx + a, yp);
        c.moveTo(b.cx, yp - a);
        c.lineTo(b.cx, yp + a);
        c.textOut(rund(b.cx + 0.25 * fh), yp, "P");
    }
    for (int d = 1; d <= 361; ++d) {
        const double w = d * kRad;
        const double ri = d % 30 == 0 ? R0 : d % 10 == 0 ? R0 + 0.6 * fh : d % 5 == 0 ? R0 + fh : R0 + 1.4 * fh;
        c.moveTo(rund(b.cx + (Ro - 1) * std::sin(w)), rund(b.cy + (Ro - 1) * std::cos(w)));
        c.lineTo(rund(b.cx + ri * std::sin(w)), rund(b.cy + ri * std::cos(w)));
    }
    b.kreis(Ro + 1);
    b.kreis(Ro + 3);
    b.kreis(R0);
    if (s.HorizontGeladen)
        zeichneHorizontprofil(b);
}

void zeichneHoehenDatumslinienWOZ(HoehenBild& b)
{
    const AppState& s = b.s;
    const Farbe gespeichert = b.c.pen().color;
    b.c.setPenColor(s.Farben[10]);
    b.c.setPenWidth(s.Schalter.Stiftbreite);
    const auto dekl = DeklAufgangHalbstunden(s, s.Par.Breite);
    for (const int sg : {1, -1})
        for (const double e : dekl) {
            if (std::fabs(e) > s.EpsRund)
                continue;
            b.vorher = false;
            for (const HoehenStand& p : hoehenDatumslinie(s.Par.Breite, sg * e, 0.0, 0, 0)) {
                b.h = p.h;
                if (b.profil)
                    b.penNachHoehe(gespeichert, p.a);
                b.schritt(b.punkt(p.h, p.a), p.h > 0 && p.h < 89.9);
            }
        }
    b.c.setPenColor(gespeichert);
}

void zeichneHoehenDatumslinien(HoehenBild& b, double meridian)
{
    const AppState& s = b.s;
    for (const Datumslinie& l : hoehenDatumslinien(s)) {
        const Farbe farbe = l.haupt ? s.Farben[5] : s.Farben[6];
        b.c.setPenColor(farbe);
        b.c.setPenWidth(l.haupt ? s.Schalter.Linienstaerke + 1 : s.Schalter.Linienstaerke);
        b.vorher = false;
        for (const HoehenStand& p : hoehenDatumslinie(s.Par.Breite, l.d, 1.0, meridian, s.Par.Zonenmeridian)) {
            b.h = p.h;
            if (b.profil)
                b.penNachHoehe(farbe, p.a);
            b.schritt(b.punkt(p.h, p.a), p.h > 0 && p.h < 89.9);
        }
    }
}

void zeichneHoehenStundenlinie(HoehenBild& b, const Stundenfamilie& fam, double t)
{
    AppState& s = b.s;
    Canvas& c = b.c;
    static constexpr int haupt[] = {1, 7, 0, 9}, teil[] = {2, 8, 4, 8};
    const Farbe fHaupt = s.Farben[static_cast<std::size_t>(haupt[fam.art])];
    const Farbe fTeil = s.Farben[static_cast<std::size_t>(teil[fam.art])];
    if (fam.art <= 1) {
        if (b.kleineTonne())
            c.setFontHeight(rund(c.fontHeight() * 0.75));
        Stundenzahl z;
        if (hoehenStundenzahl(b, fam, t, c.fontHeight(), z, true, &b.stundenzahlen)) {
            b.stundenzahlen.push_back(z);
            c.setFontColor(fHaupt);
            c.textOut(z.x, z.y, z.text);
        }
        if (b.kleineTonne())
            c.setFontHeight(rund(c.fontHeight() * 1.333));
    }
    if (s.Schalter.TemporalAnzeige && (std::fabs(t - 12) < 1e-9 || std::fabs(t) < 1e-9))
        return;
    const bool ganz = std::fabs(t - std::round(t)) <= 0.1;
    c.setPenColor(ganz ? fHaupt : fTeil);
    c.setPenWidth(ganz ? b.w0 + 1 : b.w0);
    const Farbe linie = t - std::trunc(t) < 0.05 ? fHaupt : fTeil;
    b.vorher = false;
    for (const int n : hoehenStundentage(s, fam.art)) {
        const AzimutalSonne p = azimutalSonne(s, fam.art, n, t, fam.meridian);
        b.h = p.h;
        if (b.profil)
            b.penNachHoehe(linie, p.A);
        b.schritt(b.punkt(p.h, p.A), p.h > 0);
    }
}

void zeichneHoehenLegende(HoehenBild& b)
{
    const AppState& s = b.s;
    Canvas& c = b.c;
    const double phi = s.Par.Breite, eps = s.EpsRund, R0 = b.rad.R0;
    c.setPenColor(0);
    c.setPenWidth(s.Schalter.Linienstaerke);
    c.setPenColor(s.Farben[4]);
    c.setFontName("Wingdings");
    c.setFontColor(s.Farben[4]);
    const double u = static_cast<int>(R0) / 30;
    const int fh = c.fontHeight();
    for (const int sg : {1, -1}) {
        const Ekliptik e = ekliptik(phi, eps, sg, R0);
        if (e.gerade) {
            c.moveTo(rund(b.cx - R0), b.cy);
            c.lineTo(rund(b.cx + R0), b.cy);
            continue;
        }
        const int q = ekliptikDrehsinn(e);
        const double rho = std::fabs(e.rho);
        c.arc(rund(b.cx - rho), rund(b.cy - e.d - rho), rund(b.cx + rho), rund(b.cy - e.d + rho), rund(b.cx + q * R0),
              b.cy, rund(b.cx - q * R0), b.cy);
        for (int l = 0; l <= 90; ++l) {
            EkliptikMarke m;
            if (!ekliptikMarke(phi, eps, sg, R0, e, l, u, m))
                continue;
            const double x0 = m.x0, y0 = m.y0, T = m.T;
            if (l != 0) {
                c.moveTo(rund(b.cx + x0), rund(b.cy - y0));
                c.lineTo(rund(b.cx + x0 - sg * x0 * T / e.rho), rund(b.cy - y0 + sg * (y0 - e.d) * T / e.rho));
                c.moveTo(rund(b.cx - x0), rund(b.cy - y0));
                c.lineTo(rund(b.cx - x0 + sg * x0 * T / e.rho), rund(b.cy - y0 + sg * (y0 - e.d) * T / e.rho));
            }
            if (l % 30 != 0)
                continue;
            const int k = l / 30;
            // A sign keeps clear of the hour numbers (the noon numbers stand by the solstice's
            // noon point): where one stands on its place, a letter aside or below it.
            const auto zeichen = [&](int slot, double x, double y) {
                for (const auto& [dx, dy] : {std::pair{0.0, 0.0}, {1.2, 0.0}, {-1.2, 0.0}, {0.0, 1.2}, {0.0, -1.2},
                                             {1.2, 1.2}, {-1.2, 1.2}, {1.2, -1.2}, {-1.2, -1.2}})
                    if (const double x0 = x + dx * fh, y0 = y + dy * fh;
                        !stundenzahlAuf(b, fh, x0, y0, x0 + 0.7 * fh, y0 + 1.1 * fh)
                        && std::none_of(b.kreisZahlen.begin(), b.kreisZahlen.end(), [&](const auto& k) {
                               return x0 < k[2] && k[0] < x0 + 0.7 * fh && y0 < k[3] && k[1] < y0 + 1.1 * fh;
                           })) {
                        x += dx * fh;
                        y += dy * fh;
                        break;
                    }
                c.textOut(rund(x), rund(y), zodiakEintrag(slot));
            };
            if (sg == 1) {
                if (l == 30 || l == 60)
                    zeichen(13 - k, b.cx + x0 + 0.4 * fh, b.cy - y0 + 0.2 * fh);
                if (l > 0)
                    zeichen(k + 7, b.cx - x0 + 0.2 * fh, b.cy - y0 + 0.6 * fh);
            } else {
                if (l == 0)
                    zeichen(1, b.cx + x0 + 0.4 * T, b.cy - y0 + 0.2 * fh);
                else
                    zeichen(k + 1, b.cx + x0 - 0.8 * fh, b.cy - y0 + 0.4 * fh);
                if (l != 90) // at the solstice both sides name the one point
                    zeichen(7 - k, b.cx - x0 - 0.8 * fh, b.cy - y0 + 0.4 * fh);
            }
        }
    }
    c.setFontName("Arial");
}

void beschriftung(HoehenBild& b)
{
    const AppState& s = b.s;
    Canvas& c = b.c;
    const int x = b.W / 25, yc = b.H / 25;
    c.setFontHeight(b.bildschirm ? 20 : 45);
    c.setFontColor(s.Farben[3]);
    c.setBold(true);
    c.textOut(x, yc, hoehenTitel(s));
    c.setBold(false);
    c.setFontHeight(b.bildschirm ? 14 : 35);
    const int fh = c.fontHeight();
    c.textOut(x, rund(yc + 1.7 * fh), azimutalOrtZeile(s));
    c.textOut(x, rund(yc + 3 * fh), hoehenZeitZeile(s));
    c.textOut(x, rund(yc + 4.3 * fh), azimutalDurchmesserZeile(s));
    const std::string extra = hoehenZusatzArten(s);
    if (!extra.empty())
        c.textOut(x, rund(yc + 5.5 * fh), "zusätzlich: " + extra);
    c.setFontColor(FarbeRot);
    c.setFontHeight(rund(1.1 * fh));
    // The note stands in the lower left corner; one wider than the room beside the dial's rim
    // goes on two lines, broken at the last blank before its middle.
    const std::string hinweis = hoehenHinweis(s);
    const int y = b.H - rund(1.5 * c.fontHeight());
    const std::size_t bruch = hinweis.rfind(' ', hinweis.size() / 2);
    if (c.textExtent(hinweis).width > b.cx - rund(b.rad.Ro) - b.m - 20 && bruch != std::string::npos) {
        c.textOut(b.m + 10, y - c.fontHeight(), hinweis.substr(0, bruch));
        c.textOut(b.m + 10, y, hinweis.substr(bruch + 1));
    } else {
        c.textOut(b.m + 10, y, hinweis);
    }
}

} // namespace

Konstruktionsmeldungen zeichneAzimutalHoehe(AppState& s, Canvas& canvas, int breite, int hoehe, bool bildschirm)
{
    HoehenBild b(s, canvas, bildschirm);
    b.profil = s.HorizontGeladen && s.HorizontZeigen;
    s.AzKreisart = s.Schalter.Hoehenkreise == 1;
    b.fh0 = bildschirm ? 14 : 33;
    b.m = bildschirm ? 0 : 50;
    canvas.setFontHeight(b.fh0);
    b.W = breite - b.m;
    b.H = hoehe - b.m;
    b.rad = hoehenRadienBild(s, b.H, bildschirm, b.fh0);
    if (std::string nein = hoehenPlatteZuKleinBild(s, b.H, bildschirm, b.fh0); !nein.empty())
        return {Konstruktionsmeldung{PromptTitle::Achtung, PromptIcon::Warning, std::move(nein)}};
    // Right of the middle, as far as the name of the west beside the rim leaves room; on a
    // sheet narrower than the plate with both names at their usual distance (a portrait
    // page), the names come nearer the rim.
    const int west = canvas.textExtent(himmelsrichtung(s, 3, 5)).width, Ro = rund(b.rad.Ro);
    b.luecke = std::clamp((b.W - 20 - b.m - 2 * Ro - 30 - west) / 2, 10, 50);
    b.cx = std::max(std::min(rund(0.57 * b.W) + b.m, b.W - 15 - Ro - b.luecke - west), b.m + 5 + Ro + b.luecke + 30);
    b.cy = (VorzeichenPM(s.Par.Breite) * b.fh0 + b.H) / 2 + b.m;
    if (!bildschirm && b.fh0 + b.H < 2 * b.rad.Ro)
        b.cy = b.H / 2;
    canvas.setFontName("Arial");
    canvas.setFontColor(s.Farben[3]);
    canvas.setPenColor(s.Farben[3]);
    canvas.setBrushStyle(BrushStyle::Clear);
    canvas.setPenWidth(s.Schalter.Linienstaerke);
    canvas.rectangle(b.m, b.m, b.W, b.H);
    zeichneHoehenkreise(b);
    b.w0 = canvas.pen().width;
    canvas.setPenWidth(b.w0 + 1);
    if (s.Schalter.GanzeTageslaenge)
        zeichneHoehenDatumslinienWOZ(b);
    zeichneHoehenDatumslinien(b, s.Par.Laenge);
    for (const Stundenfamilie& fam : azimutalFamilien(s, false))
        for (const double t : azimutalStunden(fam, false))
            zeichneHoehenStundenlinie(b, fam, t);
    if (s.Schalter.Ekliptik && b.rad.gesetz == 2 && s.Schalter.AzimutKreise == 1)
        zeichneHoehenLegende(b);
    beschriftung(b);
    return {};
}

} // namespace umbrin
