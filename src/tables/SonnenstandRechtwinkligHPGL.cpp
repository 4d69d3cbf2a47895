#include "tables/SonnenstandRechtwinkligHPGL.h"

#include "core/Rounding.h"
#include "core/Sonne.h"
#include "core/SonneEbene.h"
#include "core/Sprachdienst.h"
#include "core/Textumformung.h"
#include "core/Zahlenformat.h"
#include "tables/SonnenstandRechtwinklig.h"
#include "tables/SonnenstandSichtbarkeit.h"
#include "tables/SonnenstandTexte.h"
#include "tables/SonnenstandTierkreis.h"

#include <algorithm>
#include <cmath>

namespace umbrin {

namespace {

constexpr char ETX = '\x03';

int rnd(long double x) { return static_cast<int>(roundHalfEven(x)); }
std::string K(long double x) { return KoordStr(x); }

void w(RechtwinkligPlot& p, const std::string& text) { HPGLZeile(p.datei, text); }

std::string ohne(std::string_view text) { return OhneAmpersand(text); }

void kopf(RechtwinkligPlot& p, int Links)
{
    const AppState& s = p.s;
    const RechtwinkligPlotGeometrie& g = p.g;
    w(p, ";IN;SS;SI 0.14, 0.21;SP 4");
    w(p, ";PU " + K(Links + 900) + " " + K(g.y0 + g.H90 + 400) + ";LB " + holeText(s, 845) + IntStr(s.Par.Jahr) + ETX);
    w(p, ";SI 0.10, 0.15 ;");
    w(p, ";PU " + K(Links + 600) + " " + K(g.y0 + g.H90 + 300) + ";LB " + std::string(texteText(s, 131))
             + RealStr(s.Par.Breite, 6, 2) + std::string(texteText(s, 105)) + std::string(texteText(s, 132))
             + RealStr(s.Par.Laenge, 7, 2) + std::string(texteText(s, 105)) + ",  " + zeichenAus(texteText(s, 82), 3, 16)
             + RealStr(s.Par.Zonenmeridian, 8, 2) + std::string(texteText(s, 105)) + ETX);
}

void gitter(RechtwinkligPlot& p)
{
    const AppState& s = p.s;
    const RechtwinkligPlotGeometrie& g = p.g;
    for (int a = -180; a <= 180; ++a) {
        const int L = a % 30 == 0 ? g.H90 : a % 10 == 0 ? rnd(3.0L * g.t) : a % 5 == 0 ? rnd(1.8L * g.t) : g.t;
        const std::string X = p.X(a);
        w(p, ";PU " + X + " " + K(g.y0 + L) + ";PD " + X + " " + K(g.y0));
    }
    for (int h = 0; h <= 90; ++h) {
        const int L = h % 10 == 0 ? rnd(360.0L * g.xs) : h % 5 == 0 ? 2 * g.t : g.t;
        const std::string Yh = K(g.y0 + rnd(h * static_cast<long double>(g.ys)));
        w(p, ";PU " + K(g.x0) + " " + Yh);
        w(p, ";PU " + K(g.x0 + L) + " " + Yh + ";PD " + K(g.x0) + " " + Yh);
        if (h % 10 == 0)
            w(p, ";PU " + K(g.x0 - 3.5L * g.t) + " " + K(g.y0 + rnd((h - 0.5L) * g.ys)) + ";LB " + IntStr(h) + ETX);
    }
    w(p, ";PU " + K(g.x0 - rnd(7.0L * g.xs)) + " " + K(g.y0 + rnd(90.0L * g.ys + 1.5L * g.t)) + ";LB"
             + std::string(texteText(s, 221)) + ETX);
    const std::string R = K(g.x0 + rnd(360.0L * g.xs));
    const std::string T = K(rnd(static_cast<long double>(g.y0) + g.H90));
    const std::string x0 = K(g.x0), y0 = K(g.y0);
    w(p, ";PU " + x0 + " " + y0 + ";PD " + R + " " + y0 + ";PU " + x0 + " " + y0 + ";PD " + x0 + " " + T);
    w(p, " " + R + " " + T + " " + R + " " + y0);
    for (int k = -6; k <= 6; ++k) {
        const int d = k >= -1 && k <= 3 ? 2 : 4;
        w(p, ";PU " + K(g.x0 + rnd((30 * k + 180 - d) * static_cast<long double>(g.xs))) + " " + K(g.y0 - rnd(2.0L * g.t))
                 + ";LB" + IntStr(30 * k) + ETX);
    }
    w(p, ";PU " + K(g.x0 + rnd(362.0L * g.xs)) + " " + K(g.y0 - 0.2L * g.t) + ";LBAzi" + ETX);
    const std::string yr = K(g.y0 - rnd(4.0L * g.t));
    w(p, ";SP 3");
    const auto wort = [&](long double grad, const std::string& text) {
        w(p, ";PU " + K(g.x0 + rnd(grad * g.xs)) + " " + yr + "LB" + text + ETX);
    };
    wort(87, richtungOst(s));
    wort(267, richtungWest(s));
    wort(177, richtungSued(s));
    wort(-4, richtungNord(s));
    wort(355, richtungNord(s));
    w(p, ";PU " + K(g.x0 + rnd(10.0L * g.xs)) + " " + K(g.y0 + rnd(87.0L * g.ys)) + ";LB" + ohneSteuerzeichen(s.ProfilInfo) + ETX);
}

struct Sonne {
    double a = 0;
    double h = 0;
};

Sonne sonne(double phi, double dekl, double H)
{
    Sonne p;
    AzimutHoehe(p.h, p.a, phi, dekl, H);
    return p;
}

void tageslinien(RechtwinkligPlot& p)
{
    const AppState& s = p.s;
    const double phi = s.Par.Breite;
    const bool geteilt = std::fabs(phi) <= s.EpsRund || phi < 0;
    const std::string schatten = "PU ;SP 11;PD ";
    for (const Tageslinie& linie : rechtwinkligTageslinien(s.Schalter.LinienProMonat, true)) {
        const double dekl = s.DeklTabelle[static_cast<std::size_t>(linie.index)];
        const std::string stift = linie.hauptlinie ? ";SP 1;PD " : ";SP 9;PD ";
        w(p, stift + ";PU ");
        p.schattenAktiv = false;
        const TagNachtErgebnis tn = TagNachtGrenzen(dekl, phi);
        const double H0 = tn.nichtPolarnacht && !tn.nichtPolartag ? 180.0 : tn.H;
        double H = -H0;
        Sonne q = sonne(phi, dekl, H);
        w(p, p.X(q.a) + " " + p.Y(q.h) + ";PD ");
        setzeSichtbarkeitsstiftHPGL(p, stift, schatten, q.a, q.h);
        H -= 1;
        bool mittagDurch = false;
        do {
            H += 1;
            if (H > H0)
                H = H0;
            if (!mittagDurch && geteilt && H >= 0) {
                mittagDurch = true;
                const Sonne m = sonne(phi, dekl, -0.01);
                setzeSichtbarkeitsstiftHPGL(p, stift, schatten, m.a, m.h);
                if (m.h >= 0) {
                    if (std::fabs(m.a) < 100) {
                        w(p, " " + p.X(m.a) + " " + p.Y(m.h));
                    } else {
                        w(p, " " + K(p.g.x0) + " " + p.Y(m.h));
                        w(p, ";PU " + K(p.g.x0 + rnd(360.0L * p.g.xs)) + " " + p.Y(m.h));
                    }
                }
                H = std::min(0.1, H0);
            }
            q = sonne(phi, dekl, H);
            setzeSichtbarkeitsstiftHPGL(p, stift, schatten, q.a, q.h);
            w(p, ";PD  " + p.X(q.a) + " " + p.Y(q.h));
        } while (H < H0);
        w(p, ";PU ");
    }
}

void tierkreiszeichen(RechtwinkligPlot& p)
{
    w(p, ";SA;SP 1");
    for (const Tierkreismarke& m : tierkreismarken(p.s, TierkreisLage::Plot)) {
        w(p, ";PU " + K(p.g.x0 + rnd(m.p * static_cast<long double>(p.g.xs))) + " "
                 + K(p.g.y0 + rnd(m.q * static_cast<long double>(p.g.ys))) + ";LB" + std::string(1, m.zeichen) + ETX);
    }
    w(p, ";SS");
}

// Days of a month on an hour line: every second day in the months where the loop turns
// quickly, every fourth elsewhere; the bounding months of the range always every second.
int tagesschritt(int monat, bool randmonat)
{
    if (randmonat)
        return 2;
    switch (monat) {
    case 0: case 3: case 4: case 6: case 9: case 10: case 12:
        return 2;
    default:
        return 4;
    }
}

void stundenlinien(RechtwinkligPlot& p, bool Zonenzeit)
{
    const AppState& s = p.s;
    const double phi = s.Par.Breite;
    const bool mitZeitgl = (p.s.StundenMitZeitgl != 0);
    const int n = std::clamp(s.Schalter.StundenIntervallSonst - '0', 0, 3);
    const int sonnenstand = mitZeitgl ? std::min<int>(s.Schalter.Sonnenstand, 2) : 1;
    const int vonMonat = sonnenstand == 1 ? 6 : 0;
    const int bisMonat = sonnenstand == 2 ? 6 : 12;
    const std::string schatten = ";SP 11;PD ";
    // The dates of every hour line, with the sun's declination and equation of time, once.
    struct Datum {
        bool sommerhaelfte;
        double dekl;
        double zeitgl;
    };
    std::vector<Datum> daten;
    for (int monat = vonMonat; monat <= bisMonat; ++monat) {
        const int jahr = monat == 0 ? s.Par.Jahr - 1 : s.Par.Jahr;
        const int kalendermonat = monat == 0 ? 12 : monat;
        const bool rand = monat == vonMonat || monat == bisMonat;
        for (int tag = 1; tag <= 29; tag += tagesschritt(monat, rand)) {
            if ((monat == vonMonat && tag < 21) || (monat == bisMonat && tag > 21))
                continue;
            Datum d{monat > 6 || (monat == 6 && tag >= 21), 0, 0};
            SonnenPosition(jahr, d.dekl, d.zeitgl, TagImJahr(jahr, kalendermonat, tag));
            daten.push_back(d);
        }
    }
    for (int k = 0; k <= 24; ++k) {
        for (int m = 0; m <= n; ++m) {
            double H = (k + static_cast<double>(m) / (n + 1) - 12) * 15;
            if (Zonenzeit)
                H -= s.Par.Laenge - s.Par.Zonenmeridian;
            const auto stiftFuer = [&](bool sommer) -> std::string {
                if (!mitZeitgl)
                    return m == 0 ? ";SP 2;PD " : ";SP 3;PD ";
                if (sommer)
                    return m == 0 ? ";SP 7;PD " : ";SP 9;PD ";
                return m == 0 ? ";SP 2;PD " : ";SP 8;PD ";
            };
            std::string stift = mitZeitgl && sonnenstand == 0 ? (m == 0 ? ";SP 2;PD " : ";SP 3;PD ")
                                                              : stiftFuer(sonnenstand == 1);
            // The pen is chosen, not set down: the last line may have ended below the horizon.
            w(p, stift.substr(0, stift.size() - 4) + ";PU ");
            p.schattenAktiv = false;
            bool stiftUnten = false;
            for (const Datum& d : daten) {
                if (mitZeitgl && sonnenstand == 0)
                    stift = stiftFuer(d.sommerhaelfte);
                // With the pen up only the pen is chosen: a pen-down there would plot a dot at
                // the last point below the horizon.
                w(p, stiftUnten ? stift : stift.substr(0, stift.size() - 4));
                p.schattenAktiv = false;
                p.stiftOben = !stiftUnten;
                const Sonne q = sonne(phi, d.dekl, mitZeitgl ? H + d.zeitgl : H);
                setzeSichtbarkeitsstiftHPGL(p, stift, schatten, q.a, q.h);
                if (!stiftUnten) {
                    w(p, ";PU " + p.X(q.a) + " " + p.Y(q.h));
                    if (q.h > -0.01) {
                        w(p, ";PD ");
                        stiftUnten = true;
                    }
                } else if (q.h > -0.01) {
                    w(p, " " + p.X(q.a) + " " + p.Y(q.h));
                } else {
                    stiftUnten = false;
                }
            }
            p.stiftOben = false;
            if (m == 0) {
                const double s1 = phi < 0 ? -1 : 1;
                const Sonne q = sonne(phi, s1 * s.EpsRund, H);
                const long double o = s1 * q.a < 0 ? 2.0L * p.g.t : 0;
                if (q.h > 0)
                    w(p, ";PU " + K(rnd(p.g.x0 + (q.a + 180) * static_cast<long double>(p.g.xs) - o)) + " "
                             + K(p.g.y0 + rnd(q.h * static_cast<long double>(p.g.ys) + 1.5L * p.g.t)) + ";LB"
                             + IntStr(k) + ETX);
            }
        }
    }
}

void schluss(RechtwinkligPlot& p, int Bildbreite)
{
    const AppState& s = p.s;
    const RechtwinkligPlotGeometrie& g = p.g;
    const double shift = s.Schalter.Zonenzeit ? s.Par.Laenge - s.Par.Zonenmeridian : 0.0;
    std::string licht = ErstesLetztesLicht(s, s.Par.Breite, s.Par.Wandabweichung, s.Par.Inklination, shift).Text;
    w(p, ";SI 0.09, 0.15 ;SP 4");
    const int z = s.Schalter.Zonenzeit ? 1 : 0;
    if ((p.s.EbeneBesonnt != 0)) {
        licht = streiflichtGekuerzt(licht);
        w(p, ";PU " + K(g.x0) + " " + K(g.y0 - rnd(6.0L * g.t)) + ";LB" + ohne(holeText(s, 913)) + " " + licht + " "
                 + ohne(texteText(s, 120 + z)) + " !,  " + ohne(holeText(s, 402)) + " = "
                 + RealStr(s.Par.Wandabweichung, 5, 1) + holeText(s, 20) + ",  " + ohne(holeText(s, 912)) + " = "
                 + RealStr(s.Par.Inklination, 5, 1) + holeText(s, 20) + ETX);
    }
    std::string zeit = ohne(texteText(s, 214)) + " :   ";
    if ((p.s.StundenMitZeitgl != 0))
        zeit += ohne(texteText(s, 123 + z)) + ", " + ohne(holeText(s, 591 + std::min<int>(s.Schalter.Sonnenstand, 2)));
    else
        zeit += ohne(texteText(s, 120 + z));
    w(p, ";PU " + K(rnd(g.x0 + 0.4L * Bildbreite)) + " " + K(g.y0 + g.H90 + 200) + ";LB " + zeit + ETX);
}

} // namespace

RechtwinkligPlotGeometrie rechtwinkligPlotGeometrie(int Links, int Oben, int Bildbreite, int Bildhoehe, double Faktor)
{
    const long double W4 = 4.0L * Bildbreite;
    const long double H4 = 4.0L * Bildhoehe;
    RechtwinkligPlotGeometrie g;
    g.x0 = Links + 2 + rnd(5.0L * Faktor * W4 / 190);
    g.y0 = Oben + rnd(0.1L * Faktor * H4);
    g.xs = static_cast<double>(W4 / 400);
    g.H90 = rnd(0.6L * H4);
    g.ys = g.H90 / 90.0;
    g.t = rnd(2.5L * g.xs);
    return g;
}

std::string RechtwinkligPlot::X(double a) const { return K(rnd(g.x0 + (a + 180) * static_cast<long double>(g.xs))); }

std::string RechtwinkligPlot::Y(double h) const { return K(g.y0 + rnd(h * static_cast<long double>(g.ys))); }

void setzeSichtbarkeitsstiftHPGL(RechtwinkligPlot& p, const std::string& linienstift, const std::string& schatten,
                                 double a, double h)
{
    if (!p.pruefen)
        return;
    // With the pen up only the pen is chosen: a pen-down there would plot a dot.
    const auto waehle = [&p](const std::string& stift) {
        const bool mitSenken = stift.size() >= 4 && stift.compare(stift.size() - 4, 4, ";PD ") == 0;
        w(p, p.stiftOben && mitSenken ? stift.substr(0, stift.size() - 4) : stift);
    };
    const bool verdeckt = sonneVerdeckt(p.s, a, h);
    if (verdeckt && !p.schattenAktiv) {
        waehle(schatten);
        p.schattenAktiv = true;
    } else if (!verdeckt && p.schattenAktiv) {
        waehle(linienstift);
        p.schattenAktiv = false;
    }
}

void ebenenspurHPGL(RechtwinkligPlot& p, double wand, double n)
{
    const AppState& s = p.s;
    w(p, ";SP 10");
    const double A = s.Par.Breite < 0 ? 180.0 : HorizontDurchgang(s.Par.Breite, s.EpsRund).Azimut;
    if (std::sin(n * rad) == 1)
        return;
    if (std::fabs(n) < 0.01) {
        for (double az : {wand < -90 ? wand + 270 : wand - 90, wand + 90 > 180 ? wand + 90 - 360 : wand + 90})
            w(p, ";PU " + p.X(az) + " " + K(p.g.y0) + ";PD " + p.X(az) + " " + K(p.g.y0 + rnd(90.0L * p.g.ys)));
        return;
    }
    const double r = static_cast<double>(rad);
    const double ende = std::fabs(A) * r;
    bool unten = false;
    for (double tau = -ende;; tau += 0.01) {
        if (tau > ende)
            tau = ende;
        const double hoehe =
            std::atan((std::cos(tau) * std::cos(wand * r) * std::cos(n * r) + std::sin(tau) * std::sin(wand * r) * std::cos(n * r))
                      / -std::sin(n * r))
            / r;
        if (hoehe > 90 || hoehe < 0) {
            w(p, ";PU ");
            unten = false;
        } else if (!unten) {
            w(p, ";PU " + p.X(tau / r) + " " + p.Y(hoehe) + ";PD ");
            unten = true;
        } else {
            w(p, " " + p.X(tau / r) + " " + p.Y(hoehe));
        }
        if (tau >= ende)
            break;
    }
}

void profilRechtwinkligHPGL(RechtwinkligPlot& p)
{
    const Horizontprofil& profil = p.s.Horizont;
    w(p, ";SP 4;LT ;PU " + p.X(profil[0].Azimut) + " " + p.Y(profil[0].Hoehe) + ";PD ");
    for (const Horizontpunkt& q : profil)
        w(p, " " + p.X(q.Azimut) + " " + p.Y(q.Hoehe));
    w(p, ";PU ;");
}

void SonnenstandRechtwinkligHPGL(HPGLDatei& datei, const AppState& s, int Links,
                                 int Oben, int Bildbreite, int Bildhoehe, double Faktor, bool Zonenzeit)
{
    RechtwinkligPlot p{datei, s, rechtwinkligPlotGeometrie(Links, Oben, Bildbreite, Bildhoehe, Faktor),
                       sichtbarkeitPruefen(s)};
    kopf(p, Links);
    gitter(p);
    w(p, ";PU;SP 10");
    if ((s.EbeneBesonnt != 0))
        ebenenspurHPGL(p, s.Par.Wandabweichung, 90 - s.Par.Inklination);
    if (profilAktiv(s))
        profilRechtwinkligHPGL(p);
    tageslinien(p);
    tierkreiszeichen(p);
    stundenlinien(p, Zonenzeit);
    schluss(p, Bildbreite);
}

} // namespace umbrin
