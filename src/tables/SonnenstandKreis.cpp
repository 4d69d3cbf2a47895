#include "tables/SonnenstandKreis.h"

#include "core/Rounding.h"
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "dials/Clipping.h"
#include "tables/SonnenstandKreisTexte.h"
#include "tables/SonnenstandSichtbarkeit.h"
#include "tables/SonnenstandTexte.h"

#include <algorithm>
#include <cmath>

namespace umbrin {

namespace {

// Degrees to radians in double: the drawing needs no more, and is faster for it.
constexpr double gradInRad = static_cast<double>(rad);

int rnd(long double x) { return static_cast<int>(roundHalfEven(x)); }

Farbe farbe(const AppState& s, int slot) { return s.Farben[static_cast<std::size_t>(slot)]; }

struct Kreiszeichnung {
    Canvas& c;
    const AppState& s;
    KreisGeometrie g;
    bool profil = false;

    CanvasPoint P(double a, double h) const { return kreisPunkt(g.cx, g.cy, g.R, a, h); }
    CanvasPoint polar(double a, double r) const
    {
        return {rnd(g.cx - r * std::sin(a * gradInRad)), rnd(g.cy + r * std::cos(a * gradInRad))};
    }
    void kreis(int r) const { c.ellipse(g.cx - r, g.cy - r, g.cx + r, g.cy + r); }
    // Shade colour below the profile, the line's own colour above it.
    void farbeNachProfil(Farbe linienfarbe, double a, double h) const
    {
        if (!profil)
            return;
        c.setPenColor(unterProfil(s, a, h) ? farbe(s, 10) : linienfarbe);
    }
};

// A rectangle [x0, x1] x [y0, y1].
struct Kasten {
    int x0, y0, x1, y1;
    bool schneidet(const Kasten& k) const { return x0 < k.x1 && k.x0 < x1 && y0 < k.y1 && k.y0 < y1; }
    // Whether the rectangle comes nearer than r to the point (x, y).
    bool naeherAls(int x, int y, int r) const
    {
        const long long dx = std::max({x0 - x, 0, x - x1});
        const long long dy = std::max({y0 - y, 0, y - y1});
        return dx * dx + dy * dy < static_cast<long long>(r) * r;
    }
};

// The hour numbers: each whole hour at the sun's place at that clock time on the summer
// solstice of the place's hemisphere, moved by the latitude, where the sun is above the
// horizon; right of that place in the north, left of it in the south. A number that a date or
// hour line would cross there moves round that place to the first spot clear of every line
// and of the numbers placed before it.
struct Stundenmarke {
    std::string text;
    CanvasPoint p;
    Kasten kasten;
};

// A drawn piece of a date or hour line.
struct Strecke {
    CanvasPoint a, b;
};

// Whether the segment passes through the inside of the box (its edges do not count).
bool durchKasten(const Strecke& s, const Kasten& k)
{
    double t0 = 0, t1 = 1;
    return streckeImRechteck(s.a.x, s.a.y, s.b.x, s.b.y, k.x0 + 0.5, k.y0 + 0.5, k.x1 - 0.5, k.y1 - 0.5, t0, t1);
}

std::vector<Stundenmarke> stundenmarken(const Kreiszeichnung& z, const std::vector<Strecke>& linien)
{
    const AppState& s = z.s;
    const double phi = s.Par.Breite;
    const int fh = z.g.schrift;
    const int jahr = s.Par.Jahr;
    const int tag = phi < 0 ? TagImJahr(jahr, 12, 21) : TagImJahr(jahr, 6, 21);
    const double laenge = s.Schalter.Zonenzeit ? s.Par.Laenge : s.Par.Zonenmeridian;
    std::vector<Stundenmarke> marken;
    const auto frei = [&](const Kasten& k) {
        return std::none_of(linien.begin(), linien.end(), [&](const Strecke& l) { return durchKasten(l, k); })
               && std::none_of(marken.begin(), marken.end(), [&](const Stundenmarke& m) { return m.kasten.schneidet(k); });
    };
    for (double t : kreisStundenzeiten(s.Schalter.StundenIntervallSonst)) {
        if (t - std::floor(t) >= 0.05)
            continue;
        double h = 0, a = 0, dekl = 0, zeitgl = 0;
        SonnenstandZonenzeit(jahr, tag, h, t, phi, laenge, s.Par.Zonenmeridian, a, dekl, zeitgl, false);
        if (h <= 0)
            continue;
        const CanvasPoint ort = z.P(a, h);
        CanvasPoint marke = ort;
        if (phi >= 0 && phi < 25)
            marke.y -= rnd(1.2L * fh);
        else if (phi < 0 && phi > -30)
            marke.y += rnd(0.1L * fh);
        else if (phi <= -30)
            marke.y -= rnd(0.6L * fh);
        const std::string text = IntStr(static_cast<int>(t));
        const TextExtent e = z.c.textExtent(text);
        const int x = phi < 0 ? marke.x - e.width : marke.x;
        Kasten kasten{x, marke.y, x + e.width, marke.y + e.height};
        if (!frei(kasten)) {
            // Round the sun's place: beside, above and below it, then corner to corner.
            const int w = e.width, hh = e.height, l = std::max(2, fh / 7);
            const CanvasPoint ecken[] = {
                {ort.x + l, ort.y - hh / 2},      {ort.x - w - l, ort.y - hh / 2}, {ort.x - w / 2, ort.y - hh - l},
                {ort.x - w / 2, ort.y + l},       {ort.x + l, ort.y - hh - l},     {ort.x - w - l, ort.y - hh - l},
                {ort.x + l, ort.y + l},           {ort.x - w - l, ort.y + l},
            };
            for (const CanvasPoint& ecke : ecken) {
                const Kasten k{ecke.x, ecke.y, ecke.x + w, ecke.y + hh};
                if (frei(k)) {
                    kasten = k;
                    break;
                }
            }
        }
        marken.push_back({text, {kasten.x0, kasten.y0}, kasten});
    }
    return marken;
}

void gitter(Kreiszeichnung& z, const std::vector<Stundenmarke>& marken)
{
    Canvas& c = z.c;
    const AppState& s = z.s;
    const KreisGeometrie& g = z.g;
    const int fh = g.schrift;
    c.setPenColor(FarbeSchwarz);
    c.moveTo(g.cx - g.R, g.cy);
    c.lineTo(g.cx + g.R, g.cy);
    c.moveTo(g.cx, g.cy - g.R);
    c.lineTo(g.cx, g.cy + g.R);
    c.textOut(g.cx + g.R2 + fh, g.cy - 5, richtungOst(s));
    c.textOut(g.cx - g.R2 - 3 * fh, g.cy - 5, richtungWest(s));
    if (s.Par.Breite > 0)
        c.textOut(g.cx - fh, g.cy - g.R2 - 2 * fh, richtungNord(s));
    else
        c.textOut(g.cx - fh, g.cy + g.R2 + fh / 2, richtungSued(s));
    c.setPenColor(farbe(s, 8));
    const int seite = s.Par.Breite < 0 ? -1 : 1;
    for (int k = 0; k <= 8; ++k) {
        const int r = rnd(g.R - g.R / 9.0L * k);
        z.kreis(r);
        if (k % 2 == 0 && k > 0) {
            // Just outside its circle above the horizontal diameter; where an hour number
            // stands there, below it, or a line further up or down.
            const std::string text = RealStr(10 * k, 2, 0);
            const TextExtent e = c.textExtent(text);
            const int x = seite > 0 ? g.cx + r + 2 : g.cx - r - 2 - e.width;
            const auto frei = [&](int y) {
                const Kasten k{x, y, x + e.width, y + e.height};
                return std::none_of(marken.begin(), marken.end(), [&](const Stundenmarke& m) { return m.kasten.schneidet(k); });
            };
            const int zeilen[] = {g.cy - fh - 2, g.cy + 2, g.cy - 2 * fh - 4, g.cy + fh + 4};
            const auto y = std::find_if(std::begin(zeilen), std::end(zeilen), frei);
            c.textOut(x, y == std::end(zeilen) ? zeilen[0] : *y, text);
        }
    }
    c.setPenColor(FarbeSchwarz);
    for (int k = 1; k <= 36; ++k) {
        const double a = 10.0 * k;
        const double innen = g.R * (1 - (k % 3 == 0 ? 10.0 : 20.0) / 90);
        const CanvasPoint p = z.polar(a, innen);
        const CanvasPoint q = z.polar(a, g.R);
        c.moveTo(p.x, p.y);
        c.lineTo(q.x, q.y);
    }
    for (int k = 1; k <= 360; ++k) {
        const double innen = k % 30 == 0 ? g.R : k % 10 == 0 ? g.R + 0.6 * fh : k % 5 == 0 ? g.R + fh : g.R + 1.4 * fh;
        const CanvasPoint p = z.polar(k, innen);
        const CanvasPoint q = z.polar(k, g.R2 - 1);
        c.moveTo(p.x, p.y);
        c.lineTo(q.x, q.y);
    }
    z.kreis(g.R2 + 1);
    z.kreis(g.R2 + 3);
    z.kreis(g.R);
}

void profil(Kreiszeichnung& z)
{
    Canvas& c = z.c;
    c.setPenColor(farbe(z.s, 3));
    for (int k = 0; k < kHorizontPunkte; ++k) {
        const Horizontpunkt& q = z.s.Horizont[static_cast<std::size_t>(k)];
        const CanvasPoint p = z.P(q.Azimut, q.Hoehe);
        if (k == 0)
            c.moveTo(p.x, p.y);
        else
            c.lineTo(p.x, p.y);
    }
    const CanvasPoint p = z.P(z.s.Horizont[0].Azimut, z.s.Horizont[0].Hoehe);
    c.lineTo(p.x, p.y);
}

double laengeDerLinien(const AppState& s) { return s.Schalter.Zonenzeit ? s.Par.Laenge : s.Par.Zonenmeridian; }

// A point of a date or hour line: where it is drawn, the sun's azimuth and altitude there,
// whether the sun is seen, and whether the line breaks off before it (days left out).
struct Linienpunkt {
    CanvasPoint p;
    double a = 0, h = 0;
    bool sichtbar = false;
    bool luecke = false;
};

// Walks the date lines point by point: beginne(linie) before each line, punkt(q) at each point.
template <typename Beginn, typename Punkt>
void laufeDatumslinien(const Kreiszeichnung& z, Beginn beginne, Punkt punkt)
{
    const AppState& s = z.s;
    const double laenge = laengeDerLinien(s);
    for (const KreisDatumslinie& linie : kreisDatumslinien(s.Schalter.LinienProMonat)) {
        const double dekl = s.DeklTabelle[static_cast<std::size_t>(linie.index)];
        beginne(linie);
        for (double t = 1.0; t <= 23.0 + 1e-9;) {
            double h = 0;
            double a = 0;
            SonnenstandStundenwinkel(h, a, t, s.Par.Breite, laenge, s.Par.Zonenmeridian, dekl);
            punkt(Linienpunkt{z.P(a, h), a, h, h > 0 && h < 89.9, false});
            t += h >= 1.5 ? 0.1 : 0.025;
        }
    }
}

// Walks the hour lines: beginne(t) before the line of clock time t, punkt(q) at each of its days.
template <typename Beginn, typename Punkt>
void laufeStundenlinien(const Kreiszeichnung& z, Beginn beginne, Punkt punkt)
{
    const AppState& s = z.s;
    const double phi = s.Par.Breite;
    const double laenge = laengeDerLinien(s);
    const int jahr = s.Par.Jahr;
    const int tag2106 = TagImJahr(jahr, 6, 21);
    const int tag2306 = TagImJahr(jahr, 6, 23);
    const int tag2312 = TagImJahr(jahr, 12, 23);
    for (double t : kreisStundenzeiten(s.Schalter.StundenIntervallSonst)) {
        beginne(t);
        for (int monat = 1; monat <= 12; ++monat) {
            for (int tag = 1; tag <= 29; tag += 2) {
                const int n = TagImJahr(jahr, monat, tag);
                if ((s.StundenMitZeitgl != 0)) {
                    const int bereich = std::min<int>(s.Schalter.Sonnenstand, 2);
                    const bool drin = bereich == 0   ? n < tag2312
                                      : bereich == 1 ? n > tag2106 - 1 && n < tag2312
                                                     : n < tag2306;
                    if (!drin) {
                        punkt(Linienpunkt{{}, 0, 0, false, true});
                        continue;
                    }
                }
                double h = 0, a = 0, dekl = 0, zeitgl = 0;
                SonnenstandZonenzeit(jahr, n, h, t, phi, laenge, s.Par.Zonenmeridian, a, dekl, zeitgl,
                                     (s.StundenMitZeitgl != 0));
                punkt(Linienpunkt{z.P(a, h), a, h, h > 0, false});
            }
        }
    }
}

// The pieces of every date and hour line as they will be drawn.
std::vector<Strecke> linienstrecken(const Kreiszeichnung& z)
{
    std::vector<Strecke> strecken;
    bool vorher = false;
    CanvasPoint letzter{};
    const auto punkt = [&](const Linienpunkt& q) {
        if (q.sichtbar && vorher)
            strecken.push_back({letzter, q.p});
        vorher = q.sichtbar;
        letzter = q.p;
    };
    laufeDatumslinien(z, [&](const KreisDatumslinie&) { vorher = false; }, punkt);
    laufeStundenlinien(z, [&](double) { vorher = false; }, punkt);
    return strecken;
}

// One step of a line: drawn to the point where it and the point before are above the
// horizon, in the colour the horizon profile gives it there; otherwise the pen moves.
void strichBis(Kreiszeichnung& z, Farbe linienfarbe, const Linienpunkt& q, bool& sichtbarVorher)
{
    if (q.sichtbar && sichtbarVorher) {
        z.farbeNachProfil(linienfarbe, q.a, q.h);
        z.c.lineTo(q.p.x, q.p.y);
    } else {
        z.c.moveTo(q.p.x, q.p.y);
    }
    sichtbarVorher = q.sichtbar;
}

void datumslinien(Kreiszeichnung& z)
{
    Canvas& c = z.c;
    const AppState& s = z.s;
    Farbe linienfarbe = 0;
    bool sichtbarVorher = false;
    laufeDatumslinien(
        z,
        [&](const KreisDatumslinie& linie) {
            linienfarbe = farbe(s, linie.hauptlinie ? 0 : 7);
            c.setPenColor(linienfarbe);
            c.setPenWidth(s.Schalter.Linienstaerke + (linie.hauptlinie ? 1 : 0));
            sichtbarVorher = false;
        },
        [&](const Linienpunkt& q) { strichBis(z, linienfarbe, q, sichtbarVorher); });
}

void stundenlinien(Kreiszeichnung& z, const std::vector<Stundenmarke>& marken)
{
    Canvas& c = z.c;
    const AppState& s = z.s;
    Farbe linienfarbe = 0;
    bool sichtbarVorher = false;
    laufeStundenlinien(
        z,
        [&](double t) {
            const bool ganz = t - std::floor(t) < 0.05;
            linienfarbe = farbe(s, ganz ? 1 : 2);
            c.setPenColor(linienfarbe);
            c.setPenWidth(s.Schalter.Linienstaerke + (ganz ? 1 : 0));
            const std::string stunde = IntStr(static_cast<int>(t));
            for (const Stundenmarke& m : marken) {
                if (ganz && m.text == stunde) {
                    c.setFontColor(linienfarbe);
                    c.textOut(m.p.x, m.p.y, m.text);
                }
            }
            sichtbarVorher = false;
        },
        [&](const Linienpunkt& q) {
            if (q.luecke)
                sichtbarVorher = false;
            else
                strichBis(z, linienfarbe, q, sichtbarVorher);
        });
}

// The legend block in the top-left corner: the title, then the place, the kind of hours and
// the period, each line with its font height and top.
struct Legendenzeile {
    std::string text;
    int schrift = 0;
    bool fett = false;
    int y = 0;
};

constexpr int kLegendeAbstand = 10; // from the frame

std::vector<Legendenzeile> legendenzeilen(const AppState& s, bool Bildschirm, int m)
{
    std::vector<Legendenzeile> zeilen;
    int y = m + kLegendeAbstand;
    const int titel = Bildschirm ? 20 : 45;
    zeilen.push_back({holeText(s, 69), titel, true, y});
    y += rnd(1.5L * titel);
    const int schrift = Bildschirm ? 14 : 35;
    for (const std::string& zeile : kreisLegende(s, false)) {
        zeilen.push_back({zeile, schrift, false, y});
        y += rnd(1.4L * schrift);
    }
    return zeilen;
}

void setzeSchrift(Canvas& c, const Legendenzeile& z)
{
    c.setFontHeight(z.schrift);
    c.setBold(z.fett);
}

KreisLegendenmass legendenmass(Canvas& c, const std::vector<Legendenzeile>& zeilen, int m)
{
    KreisLegendenmass mass;
    for (const Legendenzeile& z : zeilen) {
        setzeSchrift(c, z);
        const TextExtent e = c.textExtent(z.text);
        mass.breite = std::max(mass.breite, e.width);
        mass.hoehe = std::max(mass.hoehe, z.y + e.height - m - kLegendeAbstand);
    }
    c.setBold(false);
    return mass;
}

void legende(Canvas& c, const std::vector<Legendenzeile>& zeilen, int m)
{
    c.setFontColor(FarbeSchwarz);
    for (const Legendenzeile& z : zeilen) {
        setzeSchrift(c, z);
        c.textOut(m + kLegendeAbstand, z.y, z.text);
    }
    c.setBold(false);
}


} // namespace

KreisGeometrie kreisGeometrie(int breite, int hoehe, bool Bildschirm, double breitengrad, KreisLegendenmass legende)
{
    KreisGeometrie g;
    g.m = Bildschirm ? 0 : 50;
    const int m = g.m;
    const int W = breite - m;
    const int H = hoehe - m;
    const int fh = g.schrift = Bildschirm ? 14 : 45;
    const bool nord = breitengrad > 0;
    const int s = breitengrad < 0 ? -1 : 1;
    // The preferred picture: radius, centre.
    const int R0 = Bildschirm ? rnd(W * 8.0L / 21) : 800;
    const int cy0 = rnd(0.57L * H) + m;
    int cx0 = (W + s * fh) / 2 + m;
    if (!Bildschirm && fh + W < 2 * (R0 + 2 * fh))
        cx0 = W / 2;

    // What lies beyond the horizon circle: the scale ring (2 font heights and the double
    // circle), the words West (3 font heights wide) and East (a font height off the ring),
    // and the north word above or the south word below; a small gap to the frame.
    const int ring = 2 * fh + 3;
    const int luft = Bildschirm ? 2 : 20;
    const int links = 5 * fh + luft;
    const int rechts = 6 * fh + luft;
    const int oben = (nord ? 4 * fh : ring) + luft;
    const int unten = (nord ? ring : 4 * fh) + luft;
    // The usable area: the frame on paper (from m to the size less m), the image on screen.
    const int xLinks = m, xRechts = breite - m, yOben = m, yUnten = hoehe - m;
    const Kasten block{m + kLegendeAbstand - luft, m + kLegendeAbstand - luft,
                       m + kLegendeAbstand + legende.breite + 2 * luft,
                       m + kLegendeAbstand + legende.hoehe + 2 * luft};
    const bool mitLegende = legende.breite > 0 && legende.hoehe > 0;
    // Whether the picture of radius R at (cx, cy) leaves the legend block free: the rings,
    // the north word (about 3 font heights wide) and the West word.
    const auto frei = [&](int R, int cx, int cy) {
        if (!mitLegende)
            return true;
        const Kasten wortNord{cx - fh, cy - R - 4 * fh, cx + 3 * fh, cy - R - fh};
        const Kasten wortWest{cx - R - 5 * fh, cy - 5, cx - R - 2 * fh, cy - 5 + 2 * fh};
        return !block.naeherAls(cx, cy, R + ring + luft) && !(nord && block.schneidet(wortNord))
               && !block.schneidet(wortWest);
    };

    int R = std::min({R0, (xRechts - xLinks - links - rechts) / 2, (yUnten - yOben - oben - unten) / 2});
    const int kleinsterRadius = fh;
    for (R = std::max(R, kleinsterRadius);; --R) {
        const int xMin = xLinks + links + R, xMax = std::max(xMin, xRechts - rechts - R);
        const int yMin = yOben + oben + R, yMax = std::max(yMin, yUnten - unten - R);
        g.cx = std::clamp(cx0, xMin, xMax);
        g.cy = std::clamp(cy0, yMin, yMax);
        // Away from the legend in the top-left corner: down first, then to the right.
        if (!frei(R, g.cx, g.cy))
            g.cy = yMax;
        if (!frei(R, g.cx, g.cy))
            g.cx = xMax;
        if (frei(R, g.cx, g.cy) || R <= kleinsterRadius)
            break;
    }
    g.R = R;
    g.R2 = R + 2 * fh;
    return g;
}

CanvasPoint kreisPunkt(double cx, double cy, double R, double a, double h)
{
    const long double r = R * (1 - h / 90.0L);
    return {rnd(cx - r * std::sin(a * gradInRad)), rnd(cy + r * std::cos(a * gradInRad))};
}

std::vector<KreisDatumslinie> kreisDatumslinien(int linienProMonat)
{
    std::vector<KreisDatumslinie> linien;
    linienProMonat = std::clamp(linienProMonat, 1, 4);
    const int schritt = linienProMonat == 4 ? 18 : 6 / linienProMonat;
    for (int i = 0; i <= 36 / schritt; ++i)
        linien.push_back({schritt * i, linienProMonat == 4 || i % linienProMonat == 0});
    return linien;
}

std::vector<double> kreisStundenzeiten(char stundenIntervallSonst)
{
    const int n = std::clamp(stundenIntervallSonst - '0', 0, 3);
    std::vector<double> zeiten;
    for (int stunde = 3; stunde <= 21; ++stunde) {
        for (int j = 0; j <= n; ++j) {
            const double t = stunde + static_cast<double>(j) / (n + 1);
            if (t < 21.1)
                zeiten.push_back(t);
        }
    }
    return zeiten;
}

KreisGeometrie ZeichneSonnenstandKreis(Canvas& c, const AppState& s, int breite, int hoehe, bool Bildschirm)
{
    const int m = Bildschirm ? 0 : 50;
    c.setFontName(Bildschirm ? "Arial" : "Times New Roman");
    const std::vector<Legendenzeile> zeilen = legendenzeilen(s, Bildschirm, m);
    const KreisLegendenmass mass = legendenmass(c, zeilen, m);
    Kreiszeichnung z{c, s, kreisGeometrie(breite, hoehe, Bildschirm, s.Par.Breite, mass), profilAktiv(s)};
    c.setFontHeight(z.g.schrift);
    c.setFontColor(FarbeSchwarz);
    c.setPenWidth(1);
    c.setPenColor(FarbeSchwarz);
    if (Bildschirm)
        c.clear();
    c.setBrushColor(FarbeWeiss);
    c.rectangle(m, m, breite - m, hoehe - m);
    c.setBrushStyle(BrushStyle::Clear);
    c.rectangle(m, m, breite - m, hoehe - m);
    const std::vector<Stundenmarke> marken = stundenmarken(z, linienstrecken(z));
    gitter(z, marken);
    if (s.HorizontGeladen)
        profil(z);
    datumslinien(z);
    stundenlinien(z, marken);
    legende(c, zeilen, m);
    return z.g;
}

} // namespace umbrin
