#include "tables/SonnenstandKreisHPGL.h"

#include "core/Rounding.h"
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "tables/SonnenstandKreis.h"
#include "tables/SonnenstandKreisTexte.h"
#include "tables/SonnenstandSichtbarkeit.h"
#include "tables/SonnenstandTexte.h"

#include <algorithm>
#include <cmath>

namespace umbrin {

namespace {

// Degrees to radians in double: the drawing needs no more, and is faster for it.
constexpr double gradInRad = static_cast<double>(rad);

constexpr char ETX = '\x03';
// The plot's letter unit, the scale font height of the screen scaled to R = 3200.
constexpr int F = 110;

std::string K(long double x) { return KoordStr(x); }

struct Kreisplot {
    HPGLDatei& datei;
    const AppState& s;
    KreisPlotGeometrie g;
    bool profil = false;
    bool schatten = false; // the shade pen is the active one

    void w(const std::string& text) const { HPGLZeile(datei, text); }
    std::string polar(double a, long double r) const
    {
        return K(g.cx - r * std::sin(a * gradInRad)) + " " + K(g.cy - r * std::cos(a * gradInRad));
    }
    std::string P(double a, double h) const { return polar(a, g.R * (1 - h / 90.0L)); }
    std::string xy(long double x, long double y) const { return K(x) + " " + K(y); }
    void label(long double x, long double y, const std::string& text) const
    {
        w(";PU " + xy(x, y) + ";LB" + text + ETX);
    }
    // Before a segment: the shade pen below the profile, the line's pen above it.
    void stiftNachProfil(const std::string& linienstift, double a, double h)
    {
        if (!profil)
            return;
        const bool unter = unterProfil(s, a, h);
        if (unter && !schatten)
            w(";SP 11;PD ");
        else if (!unter && schatten)
            w(linienstift);
        schatten = unter;
    }
};

void gitter(Kreisplot& p)
{
    const AppState& s = p.s;
    const KreisPlotGeometrie& g = p.g;
    const int R2 = g.R + 2 * F;
    p.w(";SP 4;LT ;PU " + p.xy(g.cx - g.R, g.cy) + ";PD " + p.xy(g.cx + g.R, g.cy) + ";PU " + p.xy(g.cx, g.cy - g.R)
        + ";PD " + p.xy(g.cx, g.cy + g.R));
    p.label(g.cx + R2 + F, g.cy - F / 2, richtungOst(s));
    p.label(g.cx - R2 - 4 * F, g.cy - F / 2, richtungWest(s));
    if (s.Par.Breite > 0)
        p.label(g.cx - F, g.cy + R2 + F, richtungNord(s));
    else
        p.label(g.cx - F, g.cy - R2 - 2 * F, richtungSued(s));
    p.w(";SP 9");
    const int seite = s.Par.Breite < 0 ? -1 : 1;
    for (int k = 0; k <= 8; ++k) {
        const long double r = roundHalfEven(g.R - g.R / 9.0L * k);
        p.w(";PU " + p.xy(g.cx, g.cy) + ";CI " + K(r) + ",5;");
        if (k % 2 == 0 && k > 0)
            p.label(seite > 0 ? g.cx + r + 20 : g.cx - r - 2 * F, g.cy + 20, RealStr(10 * k, 2, 0));
    }
    p.w(";SP 4;");
    for (int k = 1; k <= 36; ++k) {
        const double a = 10.0 * k;
        const long double innen = g.R * (1 - (k % 3 == 0 ? 10.0L : 20.0L) / 90);
        p.w(";PU " + p.polar(a, innen) + ";PD " + p.polar(a, g.R));
    }
    for (int k = 1; k <= 360; ++k) {
        const long double innen = k % 30 == 0   ? g.R
                                  : k % 10 == 0 ? g.R + 0.6L * F
                                  : k % 5 == 0  ? g.R + F
                                                : g.R + 1.4L * F;
        p.w(";PU " + p.polar(k, innen) + ";PD " + p.polar(k, R2 - 8));
    }
    for (int r : {R2 + 8, R2 + 24, g.R})
        p.w(";PU " + p.xy(g.cx, g.cy) + ";PD;CI " + K(r) + ",10;PU ");
}

void profilPlot(Kreisplot& p)
{
    p.w(";SP 4");
    for (int k = 0; k < kHorizontPunkte; ++k) {
        const Horizontpunkt& q = p.s.Horizont[static_cast<std::size_t>(k)];
        p.w((k == 0 ? ";PU " : ";PD ") + p.P(q.Azimut, q.Hoehe));
    }
    p.w(";PD " + p.P(p.s.Horizont[0].Azimut, p.s.Horizont[0].Hoehe) + ";PU ");
}

double laengeDerLinien(const AppState& s) { return s.Schalter.Zonenzeit ? s.Par.Laenge : s.Par.Zonenmeridian; }

void datumslinien(Kreisplot& p)
{
    const AppState& s = p.s;
    const double laenge = laengeDerLinien(s);
    for (const KreisDatumslinie& linie : kreisDatumslinien(s.Schalter.LinienProMonat)) {
        const double dekl = s.DeklTabelle[static_cast<std::size_t>(linie.index)];
        const std::string stift = linie.hauptlinie ? ";SP 1;PD " : ";SP 8;PD ";
        // The pen is chosen, not set down: the last line ended below the horizon.
        p.w(stift.substr(0, 5));
        p.schatten = false;
        bool sichtbarVorher = false;
        for (double t = 1.0; t <= 23.0 + 1e-9;) {
            double h = 0;
            double a = 0;
            SonnenstandStundenwinkel(h, a, t, s.Par.Breite, laenge, s.Par.Zonenmeridian, dekl);
            const bool sichtbar = h > 0 && h < 89.9;
            if (sichtbar && sichtbarVorher) {
                p.stiftNachProfil(stift, a, h);
                p.w(";PD " + p.P(a, h));
            } else {
                p.w(";PU " + p.P(a, h));
            }
            sichtbarVorher = sichtbar;
            t += h >= 1.5 ? 0.1 : 0.025;
        }
        p.w(";PU ");
    }
}

void stundenlinien(Kreisplot& p)
{
    const AppState& s = p.s;
    const double phi = s.Par.Breite;
    const double laenge = laengeDerLinien(s);
    const int jahr = s.Par.Jahr;
    const int tag2106 = TagImJahr(jahr, 6, 21);
    const int tag2306 = TagImJahr(jahr, 6, 23);
    const int tag2312 = TagImJahr(jahr, 12, 23);
    for (double t : kreisStundenzeiten(s.Schalter.StundenIntervallSonst)) {
        const bool ganz = t - std::floor(t) < 0.05;
        const std::string stift = ganz ? ";SP 2;PD " : ";SP 3;PD ";
        double h = 0, a = 0, dekl = 0, zeitgl = 0;
        SonnenstandZonenzeit(jahr, phi < 0 ? TagImJahr(jahr, 12, 21) : tag2106, h, t, phi, laenge, s.Par.Zonenmeridian,
                             a, dekl, zeitgl, (s.StundenMitZeitgl != 0));
        const long double r = p.g.R * (1 - h / 90.0L);
        long double x = p.g.cx - r * std::sin(a * gradInRad);
        long double y = p.g.cy - r * std::cos(a * gradInRad);
        if (phi >= 0 && phi < 25)
            y += 1.2L * F;
        else if (phi < 0 && phi > -30)
            y -= 0.1L * F;
        else if (phi <= -30)
            y += 0.6L * F;
        p.w(";SP 2;PU " + p.xy(phi < 0 ? x - F : x, y));
        if (ganz && h > 0)
            p.w(";LB" + IntStr(static_cast<int>(t)) + ETX);
        p.w(stift.substr(0, 5));
        p.schatten = false;
        bool sichtbarVorher = false;
        for (int monat = 1; monat <= 12; ++monat) {
            for (int tag = 1; tag <= 29; tag += 2) {
                const int n = TagImJahr(jahr, monat, tag);
                if ((s.StundenMitZeitgl != 0)) {
                    const int bereich = std::min<int>(s.Schalter.Sonnenstand, 2);
                    const bool drin = bereich == 0   ? n < tag2312
                                      : bereich == 1 ? n > tag2106 - 1 && n < tag2312
                                                     : n < tag2306;
                    if (!drin) {
                        sichtbarVorher = false;
                        continue;
                    }
                }
                SonnenstandZonenzeit(jahr, n, h, t, phi, laenge, s.Par.Zonenmeridian, a, dekl, zeitgl,
                                     (s.StundenMitZeitgl != 0));
                const bool sichtbar = h > 0;
                if (sichtbar && sichtbarVorher) {
                    p.stiftNachProfil(stift, a, h);
                    p.w(";PD " + p.P(a, h));
                } else {
                    p.w(";PU " + p.P(a, h));
                }
                sichtbarVorher = sichtbar;
            }
        }
        p.w(";PU ");
    }
}

} // namespace

KreisPlotGeometrie kreisPlotGeometrie(int breite, int hoehe)
{
    KreisPlotGeometrie g;
    // The centre at 0.7 of the width, as far left as the word East needs to stay on the plot
    // beside the scale ring (four letters of the direction words' size).
    const int wortEast = 4 * 96;
    const int rechts = 4 * breite - (g.R + 2 * F) - F - wortEast;
    g.cx = std::min(static_cast<int>(roundHalfEven(0.7L * 4 * breite)), rechts);
    g.cy = 4 * hoehe / 2;
    // The title block in the top-left corner: at a tenth of the width, as high as the title's
    // letters allow, so that the legend rows under it stay above the scale ring and the north
    // word.
    g.titelX = 4 * breite / 10;
    g.titelY = 4 * hoehe - 120;
    return g;
}

void SonnenstandKreisHPGL(HPGLDatei& datei, const AppState& s, int breite, int hoehe)
{
    Kreisplot p{datei, s, kreisPlotGeometrie(breite, hoehe), profilAktiv(s)};
    p.w(";IN;SS;SI 0.16, 0.24;SP 4");
    p.w(";SP 4;");
    p.w(";PU " + p.xy(p.g.titelX, p.g.titelY) + ";LB" + holeText(s, 69) + ETX);
    gitter(p);
    if (s.HorizontGeladen)
        profilPlot(p);
    datumslinien(p);
    stundenlinien(p);
    p.w(";SP 4;SI 0.14, 0.20");
    int zeile = 160;
    for (const std::string& text : kreisLegende(s, true)) {
        p.w(";PU " + p.xy(p.g.titelX, p.g.titelY - zeile) + ";LB" + text + ETX);
        zeile += 160;
    }
}

} // namespace umbrin
