#include "tables/SonnenstandRechtwinklig.h"

#include "core/Rounding.h"
#include "core/Sonne.h"
#include "core/SonneEbene.h"
#include "core/Sprachdienst.h"
#include "core/Textumformung.h"
#include "core/Zahlenformat.h"
#include "tables/SonnenstandSichtbarkeit.h"
#include "tables/SonnenstandTexte.h"
#include "tables/SonnenstandTierkreis.h"

#include <algorithm>
#include <cmath>

namespace umbrin {

namespace {

int rnd(long double x) { return static_cast<int>(roundHalfEven(x)); }

Farbe farbe(const AppState& s, int slot) { return s.Farben[static_cast<std::size_t>(slot)]; }

struct Punkt {
    double a = 0;
    double h = 0;
};

Punkt sonne(double phi, double dekl, double H)
{
    Punkt p;
    AzimutHoehe(p.h, p.a, phi, dekl, H);
    return p;
}

void titelZeilen(RechtwinkligZeichnung& z, int Links, int Oben, int Bildbreite, int Bildhoehe, bool Bildschirm,
                 const std::string& zeitsystem)
{
    Canvas& c = z.c;
    const AppState& s = z.s;
    const std::string ort = std::string(texteText(s, 131)) + RealStr(s.Par.Breite, 10, 4)
                            + std::string(texteText(s, 105)) + std::string(texteText(s, 132))
                            + RealStr(s.Par.Laenge, 10, 4) + std::string(texteText(s, 105));
    const std::string kopf = holeText(s, 845) + IntStr(s.Par.Jahr);
    if (Bildschirm) {
        c.setBrushColor(FarbeWeiss);
        c.rectangle(Links, Oben, Links + Bildbreite, Oben + Bildhoehe);
        c.setBrushStyle(BrushStyle::Clear);
        c.rectangle(Links, Oben, Links + Bildbreite, Oben + Bildhoehe);
        const int breite = c.pen().width;
        c.setPenWidth(breite + 1);
        c.moveTo(Links, Oben + Bildhoehe - 2);
        c.lineTo(Links + Bildbreite - 2, Oben + Bildhoehe - 2);
        c.lineTo(Links + Bildbreite - 2, Oben);
        c.setPenWidth(breite);
        c.setFontHeight(16);
        c.setPenWidth(0);
        c.setFontColor(farbe(s, 3));
        c.setBold(true);
        c.textOut(Links + 60, Oben + rnd(0.02L * Bildhoehe),
                  kopf + "  ( " + ort + ",  " + zeichenAus(texteText(s, 82), 3, 16)
                      + RealStr(s.Par.Zonenmeridian, 10, 4) + std::string(texteText(s, 105)) + " )");
        c.setBold(false);
        c.textOut(Links + rnd(0.25L * z.g.B), Oben + rnd(c.fontHeight() + 0.03L * Bildhoehe), zeitsystem);
        c.setFontHeight(14);
    } else {
        c.setFontHeight(45);
        c.setFontName("Times New Roman");
        c.setBold(true);
        c.rectangle(Links, Oben, Links + Bildbreite, Oben + Bildhoehe - 20);
        c.textOut(Links + 300, Oben + 60, kopf + "  (" + ort + ")");
        c.setBold(false);
        c.textOut(Links + rnd(0.25L * z.g.B), Oben + rnd(1.8L * c.fontHeight() + 0.03L * Bildhoehe), zeitsystem);
        c.setPenWidth(0);
        c.setFontHeight(Bildbreite > 2100 ? 42 : 30);
    }
}

void gitter(RechtwinkligZeichnung& z)
{
    Canvas& c = z.c;
    const AppState& s = z.s;
    const RechtwinkligGeometrie& g = z.g;
    c.setPenColor(farbe(s, 3));
    c.setPenWidth(0);
    for (int a = -180; a <= 180; ++a) {
        const int L = a % 30 == 0 ? rnd(g.H90) : a % 10 == 0 ? rnd(3.0L * g.t) : a % 5 == 0 ? rnd(1.8L * g.t) : g.t;
        const int x = g.x0 + rnd((a + 180) * static_cast<long double>(g.xs));
        c.moveTo(x, g.y0 - L);
        c.lineTo(x, g.y0);
    }
    for (int h = 0; h <= 90; ++h) {
        const int L = h % 10 == 0 ? rnd(360.0L * g.xs) : h % 5 == 0 ? 2 * g.t : g.t;
        const int y = g.y0 - rnd(h * static_cast<long double>(g.ys));
        c.moveTo(g.x0, y);
        c.lineTo(g.x0 + L, y);
        if (h % 10 == 0)
            c.textOut(g.x0 - 3 * g.t, g.y0 - rnd((h + 0.5L) * g.ys), IntStr(h));
    }
    c.textOut(g.x0 - rnd(7.0L * g.xs), g.y0 - rnd(1.1L * c.fontHeight() + 90.0L * g.ys),
              std::string(texteText(s, 221)));
    const int rechts = rnd(g.x0 + 360.0L * g.xs);
    const int oben = rnd(g.y0 - static_cast<long double>(g.H90));
    c.setPenWidth(2);
    c.moveTo(g.x0, g.y0);
    c.lineTo(g.x0 + rnd(360.0L * g.xs), g.y0);
    c.moveTo(g.x0, g.y0);
    c.lineTo(g.x0, oben);
    c.setPenWidth(1);
    c.lineTo(rechts, oben);
    c.lineTo(rechts, g.y0);
    for (int k = -6; k <= 6; ++k) {
        const int d = k >= -1 && k <= 3 ? 1 : 5;
        c.textOut(g.x0 + rnd((30 * k + 180 - d) * static_cast<long double>(g.xs)), g.y0 + rnd(0.75L * g.t),
                  IntStr(30 * k));
    }
    c.textOut(g.x0 + rnd(361.0L * g.xs), g.y0 - g.t, "Azi");
    c.setFontColor(farbe(s, 2));
    const int yr = g.y0 + rnd(3.0L * g.t);
    c.textOut(g.x0 + rnd(87.0L * g.xs), yr, richtungOst(s));
    c.textOut(g.x0 + rnd(267.0L * g.xs), yr, richtungWest(s));
    c.textOut(g.x0 + rnd(177.0L * g.xs), yr, richtungSued(s));
    c.textOut(g.x0 + rnd(-4.0L * g.xs), yr, richtungNord(s));
    c.textOut(g.x0 + rnd(355.0L * g.xs), yr, richtungNord(s));
}

void tageslinien(RechtwinkligZeichnung& z, bool Bildschirm)
{
    Canvas& c = z.c;
    const AppState& s = z.s;
    const double phi = s.Par.Breite;
    const bool geteilt = phi < 0 || std::fabs(phi) <= s.EpsRund;
    c.setPenColor(farbe(s, 0));
    c.setFontColor(farbe(s, 0));
    c.setFontHeight(Bildschirm ? 16 : 40);
    for (const Tageslinie& linie : rechtwinkligTageslinien(s.Schalter.LinienProMonat)) {
        const double dekl = s.DeklTabelle[static_cast<std::size_t>(linie.index)];
        const Farbe linienfarbe = farbe(s, linie.hauptlinie ? 0 : 8);
        c.setPenColor(linienfarbe);
        c.setPenWidth(s.Schalter.Linienstaerke + (linie.hauptlinie ? 1 : 0));
        const TagNachtErgebnis tn = TagNachtGrenzen(dekl, phi);
        const double H0 = tn.nichtPolarnacht && !tn.nichtPolartag ? 180.0 : tn.H;
        double H = -H0;
        Punkt p = sonne(phi, dekl, H);
        setzeSichtbarkeitsfarbe(z, linienfarbe, p.a, p.h);
        c.moveTo(z.X(p.a), z.Y(p.h));
        H -= 0.1;
        bool mittagDurch = false;
        do {
            H += p.h < 1 ? 0.1 : 0.5;
            if (H > H0)
                H = H0;
            if (!mittagDurch && geteilt && H >= 0) {
                mittagDurch = true;
                const Punkt m = sonne(phi, dekl, -0.01);
                setzeSichtbarkeitsfarbe(z, linienfarbe, m.a, m.h);
                if (std::fabs(phi) <= s.EpsRund) {
                    if (m.h >= 0) {
                        c.lineTo(z.X(m.a), z.Y(m.h));
                        c.moveTo(z.X(-m.a), z.Y(m.h));
                    }
                    H = 0.1;
                } else {
                    if (m.h >= 0)
                        c.lineTo(z.g.x0, z.Y(m.h));
                    c.moveTo(z.g.x0 + rnd(360.0L * z.g.xs), z.Y(m.h));
                }
            }
            p = sonne(phi, dekl, H);
            setzeSichtbarkeitsfarbe(z, linienfarbe, p.a, p.h);
            c.lineTo(z.X(p.a), z.Y(p.h));
        } while (H < H0);
    }
}

void tierkreiszeichen(RechtwinkligZeichnung& z)
{
    Canvas& c = z.c;
    const AppState& s = z.s;
    const std::string schrift = c.font().name;
    c.setFontName("Wingdings");
    c.setFontColor(c.pen().color);
    for (const Tierkreismarke& m : tierkreismarken(s, TierkreisLage::Bildschirm)) {
        c.textOut(z.g.x0 + rnd(m.p * static_cast<long double>(z.g.xs)), z.g.y0 - rnd(m.q * static_cast<long double>(z.g.ys)),
                  std::string(1, m.zeichen));
    }
    c.setFontName(schrift);
}

void stundenlinien(RechtwinkligZeichnung& z, bool Zonenzeit)
{
    Canvas& c = z.c;
    const AppState& s = z.s;
    const double phi = s.Par.Breite;
    const bool mitZeitgl = (z.s.StundenMitZeitgl != 0);
    if (!mitZeitgl) {
        c.setPenColor(farbe(s, 2));
        c.setFontColor(farbe(s, 2));
    }
    const int n = std::clamp(s.Schalter.StundenIntervallSonst - '0', 0, 3);
    const int sonnenstand = mitZeitgl ? std::min<int>(s.Schalter.Sonnenstand, 2) : 1;
    const int vonMonat = sonnenstand == 1 ? 6 : 0;
    const int bisMonat = sonnenstand == 2 ? 6 : 12;
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
        for (int tag = 1; tag <= 29; tag += 4) {
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
            c.setPenWidth(s.Schalter.Linienstaerke + (m == 0 ? 1 : 0));
            c.setFontColor(farbe(s, 1));
            bool stiftUnten = false;
            double azimutVorher = 0;
            for (const Datum& d : daten) {
                const bool zweifarbig = mitZeitgl && sonnenstand == 0 && !d.sommerhaelfte;
                c.setPenColor(farbe(s, zweifarbig ? (m == 0 ? 6 : 7) : (m == 0 ? 1 : 2)));
                Punkt p = sonne(phi, d.dekl, mitZeitgl ? H + d.zeitgl : H);
                // The noon line lies exactly on the meridian: south, or north (180) where
                // the noon sun stands north of the zenith.
                if (!mitZeitgl && std::fabs(H) < 0.1)
                    p.a = std::fabs(p.a) < 90 ? 0 : 180;
                setzeSichtbarkeitsfarbe(z, farbe(s, 1), p.a, p.h);
                if (!stiftUnten) {
                    if (p.h >= 0) {
                        c.moveTo(z.X(p.a), z.Y(p.h));
                        stiftUnten = true;
                    }
                } else if (p.h > -0.1 && (!mitZeitgl || std::fabs(p.a - azimutVorher) < 340)) {
                    c.lineTo(z.X(p.a), z.Y(p.h));
                } else {
                    stiftUnten = false;
                }
                azimutVorher = p.a;
            }
            if (m == 0) {
                const double s1 = phi < 0 ? -1 : 1;
                const Punkt p = sonne(phi, s1 * s.EpsRund, H);
                const long double o = s1 * p.a < 0 ? 2.0L * z.g.t : 0;
                if (p.h > 0)
                    c.textOut(rnd(z.g.x0 + (p.a + 180) * static_cast<long double>(z.g.xs) - o),
                              z.g.y0 - rnd(p.h * static_cast<long double>(z.g.ys) + 3.0L * z.g.t), IntStr(k));
            }
        }
    }
}

void streiflicht(RechtwinkligZeichnung& z, int Links, int Oben, int Bildbreite, bool Bildschirm,
                 std::string& StreiflichtText)
{
    Canvas& c = z.c;
    const AppState& s = z.s;
    const double shift = s.Schalter.Zonenzeit ? s.Par.Laenge - s.Par.Zonenmeridian : 0.0;
    StreiflichtText = ErstesLetztesLicht(s, s.Par.Breite, s.Par.Wandabweichung, s.Par.Inklination, shift).Text;
    if (Bildschirm)
        return;
    c.setFontHeight(Bildbreite < 2000 ? 32 : 43);
    c.setFontColor(farbe(s, 3));
    if (!(z.s.EbeneBesonnt != 0))
        return;
    StreiflichtText = streiflichtGekuerzt(StreiflichtText);
    c.textOut(Links + 50, z.g.y0 + Oben + rnd(1.2L * c.fontHeight()),
              holeText(s, 913) + " " + StreiflichtText + " " + std::string(texteText(s, s.Schalter.Zonenzeit ? 121 : 120))
                  + ",  " + OhneAmpersand(holeText(s, 402)) + " = " + RealStr(s.Par.Wandabweichung, 5, 1)
                  + holeText(s, 20) + ", " + holeText(s, 912) + " = " + RealStr(s.Par.Inklination, 5, 1)
                  + holeText(s, 20));
}

} // namespace

RechtwinkligGeometrie rechtwinkligGeometrie(int Links, int Oben, int Bildbreite, int Bildhoehe, bool Bildschirm)
{
    RechtwinkligGeometrie g;
    g.x0 = Links + 2 + rnd(5.0L * Bildbreite / 190);
    g.B = rnd(180.0L * Bildbreite / 192);
    g.xs = Bildschirm ? g.B / 365.0 : (Bildbreite - 100) / 375.0;
    g.H90 = rnd((Bildschirm ? 0.8L : 0.7L) * Bildhoehe);
    g.y0 = Oben + rnd((Bildschirm ? 0.9L : 0.85L) * Bildhoehe);
    g.ys = g.H90 / 90.0;
    g.t = rnd(2.5L * g.xs);
    return g;
}

std::vector<Tageslinie> rechtwinkligTageslinien(int linienProMonat, bool aufsteigend)
{
    std::vector<Tageslinie> linien;
    linienProMonat = std::clamp(linienProMonat, 1, 4);
    if (linienProMonat == 4) {
        for (int index : {36, 18, 0})
            linien.push_back({index, true});
    } else {
        for (int i = 0; i < 7; ++i) {
            const int k = aufsteigend ? i + 1 : 7 - i;
            const int bis = k == 7 ? 1 : linienProMonat;
            for (int j = 0; j < bis; ++j)
                linien.push_back({(k - 1) * 6 + j * (6 / linienProMonat), j == 0});
        }
        return linien;
    }
    if (aufsteigend)
        std::reverse(linien.begin(), linien.end());
    return linien;
}

int RechtwinkligZeichnung::X(double a) const { return rnd(g.x0 + (a + 180) * static_cast<long double>(g.xs)); }

int RechtwinkligZeichnung::Y(double h) const { return g.y0 - rnd(h * static_cast<long double>(g.ys)); }

void setzeSichtbarkeitsfarbe(RechtwinkligZeichnung& z, Farbe linienfarbe, double a, double h)
{
    if (!z.pruefen)
        return;
    const Farbe schatten = farbe(z.s, 10);
    if (sonneVerdeckt(z.s, a, h)) {
        if (z.c.pen().color != schatten)
            z.c.setPenColor(schatten);
    } else if (z.c.pen().color == schatten) {
        z.c.setPenColor(linienfarbe);
    }
}

void zeichneEbenenspur(RechtwinkligZeichnung& z, double w, double n)
{
    Canvas& c = z.c;
    const AppState& s = z.s;
    const double A = s.Par.Breite < 0 ? 180.0 : HorizontDurchgang(s.Par.Breite, s.EpsRund).Azimut;
    if (std::sin(n * rad) == 1)
        return;
    if (std::fabs(n) < 0.01) {
        c.setPenColor(farbe(s, 9));
        for (double az : {w < -90 ? w + 270 : w - 90, w + 90 > 180 ? w + 90 - 360 : w + 90}) {
            c.moveTo(z.X(az), z.Y(0));
            c.lineTo(z.X(az), z.Y(90));
        }
        return;
    }
    const double c1 = (w > -90 ? w - 90 : w + 90) * static_cast<double>(rad);
    const double c2 = (w > -90 ? w + 90 : w + 270) * static_cast<double>(rad);
    const double ende = std::fabs(A) * static_cast<double>(rad);
    const double wr = w * static_cast<double>(rad);
    const double nr = n * static_cast<double>(rad);
    bool unten = false;
    for (double tau = -ende;; tau += 0.008) {
        if (tau > ende)
            tau = ende;
        double hoehe = 0;
        double az = tau;
        if (std::fabs(tau - c1) < 0.005) {
            az = c1;
        } else if (std::fabs(tau - c2) < 0.005) {
            az = c2;
        } else {
            hoehe = std::atan((std::cos(tau) * std::cos(wr) * std::cos(nr) + std::sin(tau) * std::sin(wr) * std::cos(nr))
                              / -std::sin(nr))
                    / static_cast<double>(rad);
        }
        const double azGrad = az / static_cast<double>(rad);
        if (hoehe > 90 || hoehe < -0.3) {
            unten = false;
        } else if (!unten) {
            c.moveTo(z.X(azGrad), z.Y(hoehe));
            unten = true;
        } else {
            c.lineTo(z.X(azGrad), z.Y(hoehe));
        }
        if (tau >= ende)
            break;
    }
}

void zeichneProfilRechtwinklig(RechtwinkligZeichnung& z)
{
    Canvas& c = z.c;
    const AppState& s = z.s;
    const int breite = c.pen().width;
    c.setPenWidth(s.Schalter.Linienstaerke);
    c.setPenColor(farbe(s, 3));
    for (int k = 0; k < kHorizontPunkte; ++k) {
        const Horizontpunkt& p = s.Horizont[static_cast<std::size_t>(k)];
        if (k == 0)
            c.moveTo(z.X(p.Azimut), z.Y(p.Hoehe));
        else
            c.lineTo(z.X(p.Azimut), z.Y(p.Hoehe));
    }
    c.setPenWidth(breite);
    c.setFontColor(FarbeRot);
    c.setBold(true);
    c.textOut(z.g.x0 + rnd(10.0L * z.g.xs), z.g.y0 - rnd(88.5L * z.g.ys), ohneSteuerzeichen(s.ProfilInfo));
    c.setBold(false);
}

std::string streiflichtGekuerzt(const std::string& text)
{
    std::string t = text;
    while (!t.empty() && t.front() == ' ')
        t = zeichenAus(t, 2, 30);
    return t;
}

void ZeichneSonnenstandRechtwinklig(Canvas& c, const AppState& s, int Links, int Oben,
                                    int Bildbreite, int Bildhoehe, bool Bildschirm, bool Zonenzeit,
                                    std::string& StreiflichtText)
{
    RechtwinkligZeichnung z{c, s, rechtwinkligGeometrie(Links, Oben, Bildbreite, Bildhoehe, Bildschirm),
                            sichtbarkeitPruefen(s)};
    c.setPenColor(FarbeSchwarz);
    c.setFontName("Arial");
    c.setFontColor(farbe(s, 3));
    c.setPenColor(farbe(s, 3));
    titelZeilen(z, Links, Oben, Bildbreite, Bildhoehe, Bildschirm, zeitsystemText(s, Zonenzeit));
    gitter(z);
    if ((s.EbeneBesonnt != 0)) {
        c.setPenWidth(s.Schalter.Linienstaerke + 1);
        c.setPenColor(farbe(s, 9));
        zeichneEbenenspur(z, s.Par.Wandabweichung, 90 - s.Par.Inklination);
    }
    if (profilAktiv(s))
        zeichneProfilRechtwinklig(z);
    tageslinien(z, Bildschirm);
    tierkreiszeichen(z);
    stundenlinien(z, Zonenzeit);
    streiflicht(z, Links, Oben, Bildbreite, Bildschirm, StreiflichtText);
}

} // namespace umbrin
