// The plot of the azimuthal dial with altitude circles: plate, day-length and date lines, the
// horizon profile, hour lines and the stereographic ecliptic. Parts of lines below the skyline
// are drawn with pen 11 while the profile is shown.
#include "dials/azimuthal/AzimutalHoeheHpgl.h"

#include "core/Sonne.h"
#include "core/SonneEbene.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "dials/HpglDialekt.h"
#include "dials/azimuthal/AzimutalGeometrie.h"
#include "dials/azimuthal/AzimutalHoehe.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace umbrin {
namespace {

constexpr double kRad = static_cast<double>(rad);
const std::string ETX(1, hpglLabelEnde);

std::string z(double v) { return hpglZahl(v); }

std::string ohneMarke(std::string_view text)
{
    std::string t(text);
    std::erase(t, '&');
    return t;
}

struct HoehenPlot {
    HoehenPlot(const AppState& zustand, HPGLDatei& datei) : s(zustand), plot(datei) {}
    const AppState& s;
    HPGLDatei& plot;
    HoehenRadien rad;
    bool profil = false;
    std::string stiftbreite; // after "PW ", for a pen wider than the thinnest
    bool unten = false;      // the last command was PD
    bool normal = true;      // the line's own pen, not the profile pen
    bool vorher = false;     // the previous point was visible
    double h = 0;
    double zelle = 0, zeichenhoehe = 0; // a character's cell across and its height, of the hour numbers
    struct Zahlplatz {
        int art = 0;
        double t = 0;
        ZahlKasten k;
    };
    std::vector<Zahlplatz> zahlen; // every hour number's place, set before the plot is written

    void zeile(const std::string& t) { plot.schreibe(t); }

    std::string punkt(int cx, int cy, double r, double a) const
    {
        return z(cx - azimutalRund(r * std::sin(a * kRad))) + " " + z(cy - azimutalRund(r * std::cos(a * kRad)));
    }

    void penNachHoehe(const std::string& stift, double a)
    {
        if (!profil)
            return;
        const double hp = s.Horizont[static_cast<std::size_t>(horizontIndex(a))].Hoehe;
        if (hp > h && normal) {
            normal = false;
            zeile(std::string(";SP 11") + (unten ? ";PD " : ";PU "));
        } else if (hp <= h && !normal) {
            normal = true;
            zeile(stift + (unten ? ";PD " : ";PU "));
        }
    }

    // One point of a line: pen down between two visible points, up after an invisible one.
    void schritt(const std::string& stift, int cx, int cy, double r, double a, bool sichtbar)
    {
        if (sichtbar && vorher && !unten) {
            zeile(";PD ");
            unten = true;
        }
        if (!sichtbar && unten) {
            zeile(";PU ");
            unten = false;
        }
        penNachHoehe(stift, a);
        vorher = sichtbar;
        zeile(punkt(cx, cy, r, a) + " ");
    }

    void neueLinie()
    {
        unten = false;
        normal = true;
        vorher = false;
    }
};

bool plotZahl(const HoehenPlot& p, const Stundenfamilie& fam, double t, ZahlKasten& k);

void hpglHoehenkreise(HoehenPlot& p, int cx, int cy)
{
    const AppState& s = p.s;
    const double Ro = p.rad.Ro, R0 = p.rad.R0;
    if (!p.stiftbreite.empty())
        p.zeile(";PW 0");
    p.zeile(";SP 9;PU " + z(cx - Ro) + " " + z(cy) + ";PD " + z(cx + Ro) + " " + z(cy) + ";PU " + z(cx) + " "
            + z(cy - Ro) + ";PD " + z(cx) + " " + z(cy + Ro) + ";;PU " + z(cx) + " " + z(cy));
    for (int k = 0; k <= 8; ++k)
        p.zeile(";CI " + z(p.rad.r(10 * k)) + " ,0.2");
    for (int k = 1; k <= 36; ++k) {
        const double w = 10 * k * kRad, ri = p.rad.r(k % 3 == 0 ? 80 : 70);
        p.zeile(";PU " + z(cx + R0 * std::sin(w)) + " " + z(cy + R0 * std::cos(w)) + ";PD " + z(cx + ri * std::sin(w))
                + " " + z(cy + ri * std::cos(w)));
    }
    p.zeile(";SP 1;");
    p.zeile(";PU " + z(cx + Ro + 300) + " " + z(cy + 100) + ";LB " + himmelsrichtung(s, 3, 6) + ETX);
    p.zeile(";PU " + z(cx - Ro - 500) + " " + z(cy + 100) + ";LB " + himmelsrichtung(s, 2, 6) + ETX);
    const std::string hinweis = hoehenHinweis(s);
    const bool nord = s.Par.Breite >= 0;
    if (nord) {
        p.zeile(";PU " + z(cx - 300) + " " + z(cy + Ro + 200) + ";LB" + ohneMarke(texteText(s, 1)) + ETX);
        // The note ends inside the frame: a long one (the barrel's) starts far enough left.
        // A letter takes 1.5 times the character width of the size in force (0.18 or 0.12 cm).
        const bool klein = p.rad.gesetz == 1 && s.AzGrundplatte < 110;
        const double breite = static_cast<double>(hinweis.size()) * 1.5 * 400 * (klein ? 0.12 : 0.18);
        p.zeile(";PU " + z(std::min(cx + R0, 16157 - 40 - breite)) + " 10500;LB" + hinweis + ETX);
    } else {
        p.zeile(";PU " + z(cx - 300) + " " + z(cy - Ro - 250) + ";LBN" + ohneMarke(texteText(s, 0)) + ETX);
        p.zeile(";PU 10 160;LB" + hinweis + ETX);
    }
    // Near the zenith a small circle's label steps off the hour numbers: to the circle's other
    // side, then left of the meridian (a label 180 wide and 108 high from its lower left).
    std::vector<ZahlKasten> zahlen;
    for (const Stundenfamilie& f : azimutalFamilien(s, true))
        for (const double t : azimutalStunden(f, true))
            if (ZahlKasten k; plotZahl(p, f, t, k))
                zahlen.push_back({cx + k.mx, cy + k.my, k.w, k.h});
    for (int k = 2; k <= 8; k += 2) {
        const double r = p.rad.r(10 * k), sg = nord ? 1 : -1;
        double x = cx + 80, y = cy + sg * (r + 10);
        for (const std::pair<double, double>& q :
             {std::pair{x, y}, {x, cy - sg * (r + 10) - 108}, {cx - 260.0, y}, {cx - 260.0, cy - sg * (r + 10) - 108}})
            if (std::none_of(zahlen.begin(), zahlen.end(), [&](const ZahlKasten& b) {
                    return hoehenZahlenZuNah({q.first + 90, q.second + 54, 180, 108}, b, p.zelle);
                })) {
                x = q.first;
                y = q.second;
                break;
            }
        p.zeile(";PU " + z(x) + " " + z(y) + ";LB" + IntStr(10 * k) + ETX);
    }
    if (p.rad.gesetz == 2) {
        const double rp = azimutalRund(R0 * std::tan((45 - std::fabs(s.Par.Breite / 2)) * kRad));
        const double yp = nord ? cy + rp : cy - rp;
        p.zeile(";SP 1;PU " + z(cx - 60) + " " + z(yp) + ";PD " + z(cx + 60) + " " + z(yp) + ";PU " + z(cx) + " "
                + z(yp - 60) + ";PD " + z(cx) + " " + z(yp + 60) + ";PU " + z(cx - 100) + " " + z(yp + 40) + ";LBP"
                + ETX);
    }
    std::string t = ";SP 1;PU " + z(cx) + " " + z(cy - R0);
    for (int d = 1; d <= 360; ++d) {
        const double w = d * kRad;
        const double Rt = d % 30 == 0 ? Ro : d % 10 == 0 ? R0 + 0.75 * (Ro - R0) : d % 5 == 0 ? R0 + 0.5 * (Ro - R0)
                                                                                             : R0 + 0.35 * (Ro - R0);
        t += ";PU " + z(cx + R0 * std::sin(w)) + " " + z(cy - R0 * std::cos(w)) + ";PD " + z(cx + Rt * std::sin(w))
             + " " + z(cy - Rt * std::cos(w));
    }
    p.zeile(t + ";PU " + z(cx) + " " + z(cy) + ";CI " + z(R0) + ",0.5;CI " + z(Ro) + ",0.5;CI " + z(Ro + 20)
            + ",0.5");
}

void hpglHorizontprofil(HoehenPlot& p, int cx, int cy)
{
    std::string t = ";SP 4;LT ;PU ";
    std::string erster;
    for (int i = 0; i < kHorizontPunkte; ++i) {
        const Horizontpunkt& q = p.s.Horizont[static_cast<std::size_t>(i)];
        const double w = (q.Azimut + 180) * kRad, r = p.rad.r(q.Hoehe);
        const std::string xy = " " + z(cx + r * std::sin(w)) + " " + z(cy + r * std::cos(w));
        if (i == 0) {
            erster = xy;
            t += xy + ";PD ";
        } else {
            t += xy;
        }
    }
    p.zeile(t + erster + ";PU ;");
}

void hpglHoehenDatumslinienWOZ(HoehenPlot& p, int cx, int cy, double meridian)
{
    const AppState& s = p.s;
    p.zeile(";SP 11;PW 1;PU ");
    p.unten = false;
    const auto dekl = DeklAufgangHalbstunden(s, s.Par.Breite);
    for (const int sg : {1, -1})
        for (const double e : dekl) {
            if (std::fabs(e) > s.EpsRund)
                continue;
            if (p.unten)
                p.zeile(";PU ");
            p.neueLinie();
            for (const HoehenStand& q : hoehenDatumslinie(s.Par.Breite, sg * e, 1.0, s.Par.Zonenmeridian, meridian)) {
                p.h = q.h;
                p.schritt("", cx, cy, azimutalRund(p.rad.r(q.h)), q.a, q.h > 0);
            }
        }
}

void hpglHoehenDatumslinien(HoehenPlot& p, int cx, int cy, double meridian)
{
    const AppState& s = p.s;
    for (const Datumslinie& l : hoehenDatumslinien(s)) {
        p.zeile(l.haupt ? ";SP 6;PW 1;PU " : ";SP 7;PW 0;PU ");
        const std::string stift = l.haupt ? ";SP 6;" : ";SP 7;";
        p.neueLinie();
        for (const HoehenStand& q : hoehenDatumslinie(s.Par.Breite, l.d, 1.0, meridian, s.Par.Zonenmeridian)) {
            p.h = q.h;
            p.schritt(stift, cx, cy, azimutalRund(p.rad.r(q.h)), q.a, q.h > 0);
        }
    }
}

// The number of hour t, its box's middle from the centre and its size; false where none is
// written. Inside its line's end, beside the radius, as on the canvas (the plot's y is
// upward), clear of the numbers set before (belegt) and a blank beside them on one line. Under
// the barrel law the odd hours go unlabelled: the labels would crowd.
bool plotZahlSetzen(const HoehenPlot& p, const Stundenfamilie& fam, double t, const std::vector<ZahlKasten>& belegt,
                    ZahlKasten& k)
{
    const AppState& s = p.s;
    if (fam.art > 1 || t - std::trunc(t) >= 0.1)
        return false;
    const int D = TagImJahr(s.Par.Jahr, s.Par.Breite >= 0 ? 6 : 12, 21);
    const AzimutalSonne q = azimutalSonne(s, fam.art, D, t, fam.meridian);
    const long stunde = static_cast<long>(std::trunc(t));
    if (q.h <= 0 || (p.rad.gesetz == 1 && stunde % 2 != 0))
        return false;
    // Two hours whose lines end at the same place (0 and 24 o'clock under the midnight sun, the
    // temporal hours 0 and 12 where the sun does not set) share one number, the earlier hour's,
    // as on the screen.
    const std::vector<double> stunden = azimutalStunden(fam, true);
    for (const double u : {t - 24, t - 12}) {
        if (std::none_of(stunden.begin(), stunden.end(), [&](double v) { return std::fabs(v - u) < 1e-9; }))
            continue;
        const AzimutalSonne v = azimutalSonne(s, fam.art, D, u, fam.meridian);
        if (v.h > 0 && std::fabs(p.rad.r(v.h) - p.rad.r(q.h)) < 0.5 * p.zeichenhoehe
            && std::fabs(p.rad.r(q.h) * std::remainder(v.A - q.A, 360.0) * kRad) < 0.5 * p.zeichenhoehe)
            return false;
    }
    const double r = azimutalRund(p.rad.r(q.h));
    k.w = p.zelle * static_cast<double>(IntStr(stunde).size());
    k.h = p.zeichenhoehe;
    // The box reaches a third of a cell past the last letter's ink: 0.7 of a cell between boxes
    // leaves a whole cell, a blank, between the inks.
    hoehenZahlMitteFrei(-std::sin(q.A * kRad) * r, -std::cos(q.A * kRad) * r, k.w, k.h, 0.5 * k.h, belegt, k.mx, k.my,
                        0.7 * p.zelle);
    return true;
}

// The places of the numbers of every family written, in the order written.
void plotZahlenSetzen(HoehenPlot& p)
{
    std::vector<ZahlKasten> belegt;
    for (Stundenfamilie fam : azimutalFamilien(p.s, true)) {
        if (p.s.Schalter.TemporalAnzeige && fam.bis > 12)
            fam.bis = 12.05;
        for (const double t : azimutalStunden(fam, true))
            if (ZahlKasten k; plotZahlSetzen(p, fam, t, belegt, k)) {
                belegt.push_back(k);
                p.zahlen.push_back({fam.art, t, k});
            }
    }
}

bool plotZahl(const HoehenPlot& p, const Stundenfamilie& fam, double t, ZahlKasten& k)
{
    const auto z = std::find_if(p.zahlen.begin(), p.zahlen.end(), [&](const HoehenPlot::Zahlplatz& n) {
        return n.art == fam.art && std::fabs(n.t - t) < 1e-9;
    });
    if (z == p.zahlen.end())
        return false;
    k = z->k;
    return true;
}

void hpglHoehenStundenlinie(HoehenPlot& p, int cx, int cy, const Stundenfamilie& fam, double t)
{
    const AppState& s = p.s;
    static constexpr const char* stifte[] = {";SP 2", ";SP 8", ";SP 4", ";SP 10"};
    const std::string hauptStift = s.Schalter.TemporalAnzeige ? ";SP 8" : stifte[fam.art];
    if (!p.stiftbreite.empty())
        p.zeile(";PW " + p.stiftbreite);
    if (fam.art <= 1 && t - std::trunc(t) < 0.1) {
        p.zeile(hauptStift);
        if (ZahlKasten k; plotZahl(p, fam, t, k))
            p.zeile(";PU " + z(cx + k.mx - k.w / 2) + " " + z(cy + k.my - k.h / 2) + ";LB"
                    + IntStr(static_cast<long>(std::trunc(t))) + ETX);
    }
    if (s.Schalter.TemporalAnzeige && (std::fabs(t) < 1e-9 || std::fabs(t - 12) < 1e-9))
        return;
    const std::string stift = std::fabs(t - std::round(t)) > 0.1 ? ";SP 3" : hauptStift;
    p.zeile(stift + ";PU ");
    p.neueLinie();
    for (const int n : hoehenStundentage(s, fam.art)) {
        const AzimutalSonne q = azimutalSonne(s, fam.art, n, t, fam.meridian);
        p.h = q.h;
        p.schritt(stift, cx, cy, azimutalRund(p.rad.r(q.h)), q.A, q.h > 0);
    }
    p.zeile(";PU;");
}

void hpglHoehenLegende(HoehenPlot& p, int cx, int cy)
{
    const AppState& s = p.s;
    const double phi = s.Par.Breite, eps = s.EpsRund, R0 = p.rad.R0;
    const double u = static_cast<int>(R0) / 30;
    p.zeile(";PU;SA;SP 5;PW " + (p.stiftbreite.empty() ? std::string("0;") : p.stiftbreite));
    // A sign keeps clear of the hour numbers, as on the canvas: where one stands on its place,
    // a letter aside or below it (letters 72 wide, 108 high).
    std::vector<ZahlKasten> zahlen;
    for (const Stundenfamilie& f : azimutalFamilien(s, true))
        for (const double t : azimutalStunden(f, true))
            if (ZahlKasten k; plotZahl(p, f, t, k))
                zahlen.push_back({cx + k.mx, cy + k.my, k.w, k.h});
    const auto zeichen = [&](int slot, double x, double y) {
        for (const std::pair<double, double>& d : {std::pair{0.0, 0.0}, {130.0, 0.0}, {-130.0, 0.0}, {0.0, -130.0},
                                                   {0.0, 130.0}, {130.0, -130.0}, {-130.0, -130.0}, {130.0, 130.0},
                                                   {-130.0, 130.0}})
            if (std::none_of(zahlen.begin(), zahlen.end(), [&](const ZahlKasten& k) {
                    return std::fabs(x + d.first + 36 - k.mx) < (72 + k.w) / 2
                        && std::fabs(y + d.second + 54 - k.my) < (108 + k.h) / 2;
                })) {
                x += d.first;
                y += d.second;
                break;
            }
        p.zeile(";PU " + z(x) + " " + z(y) + ";LB" + zodiakEintrag(slot) + ETX);
    };
    for (const int sg : {1, -1}) {
        const Ekliptik e = ekliptik(phi, eps, sg, R0);
        if (e.gerade) {
            p.zeile(";PU " + z(cx - R0) + " " + z(cy) + ";PD " + z(cx + R0) + " " + z(cy) + ";");
            continue;
        }
        const int q = ekliptikDrehsinn(e);
        const double bogen = 2 * std::fabs(std::atan(R0 / e.d)) / kRad;
        p.zeile(";PU " + z(cx + R0) + " " + z(cy) + ";PD; AA " + z(cx) + "," + z(cy + e.d) + "," + z(q * bogen) + ",2");
        for (int l = 1; l <= 90; ++l) {
            EkliptikMarke m;
            if (!ekliptikMarke(phi, eps, sg, R0, e, l, u, m))
                continue;
            const double x0 = m.x0, y0 = m.y0, T = m.T;
            const double dy = -sg * (y0 - e.d) * T / e.rho, dx = sg * x0 * T / e.rho;
            p.zeile(";PU " + z(cx + x0) + " " + z(cy + y0) + ";PD " + z(cx + x0 - dx) + " " + z(cy + y0 + dy));
            p.zeile(";PU " + z(cx - x0) + " " + z(cy + y0) + ";PD " + z(cx - x0 + dx) + " " + z(cy + y0 + dy));
            if (l % 30 != 0)
                continue;
            const int k = l / 30;
            if (sg == -1) {
                if (l == 30) {
                    zeichen(7, cx - R0 - T, cy);
                    zeichen(1, cx + R0 + 0.5 * T, cy);
                }
                zeichen(k + 1, cx + x0 - 0.35 * T, cy + y0 + 0.15 * T);
                if (l != 90) // at the solstice both sides name the one point
                    zeichen(7 - k, cx - x0 - 0.35 * T, cy + y0 + 0.15 * T);
            } else {
                zeichen(13 - k, cx + x0, cy + y0 + 1.1 * T);
                if (l != 90)
                    zeichen(k + 7, cx - x0 + 0.9 * T, cy + y0 + 0.9 * T);
            }
        }
    }
    p.zeile(";SS");
}

} // namespace

void schreibeHPGL_AzimutalHoehe(const AppState& s, HPGLDatei& plot)
{
    HoehenPlot p(s, plot);
    p.profil = s.HorizontZeigen && s.HorizontGeladen;
    p.zeile(hpglPrologMitRahmen(16157, 11038) + ";SP 4;PU 0 0;");
    if (s.Schalter.Stiftbreite != 1)
        p.stiftbreite = IntStr(s.Schalter.Stiftbreite - 1) + ";";
    p.rad = hoehenRadienPlot(s);
    const bool klein = p.rad.gesetz == 1 && s.AzGrundplatte < 110;
    p.zeile(";PU;SI " + RealStr(klein ? 0.12 : 0.18, 5, 2) + "," + RealStr(klein ? 0.18 : 0.27, 5, 2));
    p.zelle = 1.5 * 400 * (klein ? 0.12 : 0.18);
    p.zeichenhoehe = 400 * (klein ? 0.18 : 0.27);
    plotZahlenSetzen(p);
    constexpr int cx = 7300, cy = 5300;
    hpglHoehenkreise(p, cx, cy);
    if (s.Schalter.GanzeTageslaenge)
        hpglHoehenDatumslinienWOZ(p, cx, cy, s.Par.Laenge);
    hpglHoehenDatumslinien(p, cx, cy, s.Par.Laenge);
    if (s.HorizontGeladen)
        hpglHorizontprofil(p, cx, cy);
    for (Stundenfamilie fam : azimutalFamilien(s, true)) {
        if (s.Schalter.TemporalAnzeige && fam.bis > 12)
            fam.bis = 12.05;
        for (const double t : azimutalStunden(fam, true))
            hpglHoehenStundenlinie(p, cx, cy, fam, t);
        p.zeile(";LT;");
    }
    if (p.rad.gesetz == 2 && s.Schalter.Ekliptik)
        hpglHoehenLegende(p, cx, cy);
    p.zeile(";SP 1;SI " + RealStr(0.28, 5, 2) + "," + RealStr(0.42, 5, 2) + ";PU 200 10500;LB" + hoehenTitel(s) + ETX
            + "SI " + RealStr(0.16, 5, 2) + "," + RealStr(0.24, 5, 2) + ";");
    p.zeile(";PU 200 10300;LB" + azimutalOrtZeile(s) + ETX);
    const bool zone = s.Schalter.Zonenzeit != 0;
    const std::string zeit = s.Schalter.MitZeitglAzimut
                                 ? std::string(s.Sprachspalte == 1 ? "Zeitanzeige" : "Time indication") + " :   "
                                       + std::string(texteText(s, zone ? 124 : 123))
                                 : std::string(texteText(s, zone ? 121 : 120));
    p.zeile(";PU 200 10100;LB" + zeit + ETX);
    p.zeile(";PU 200 9900;LB" + azimutalDurchmesserZeile(s) + ETX);
    const std::string extra = hoehenZusatzArten(s);
    if (!extra.empty())
        p.zeile(";PU 200 9700;LBzusätzlich: " + extra + ETX);
    p.zeile(";SP0;IN;");
}

} // namespace umbrin
