// The ring dial's band or bands on a canvas: the hour curves over the declination rows, and
// each band's scale of signs, frame, hole mark and glyphs.
#include "dials/ring/RingZeichnung.h"

#include "core/Rounding.h"
#include "core/Sonne.h"
#include "core/Vorzeichen.h"
#include "core/Winkel.h"
#include "dials/TextGedreht.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace umbrin {
namespace {

constexpr Farbe kGrau = 0x808080;
constexpr Farbe kRot = 0x0000FF;
constexpr Farbe kGruen = 0x008000;

double begrenzt(double delta, double grenze)
{
    return std::fabs(delta) > grenze ? grenze * Vorzeichen(delta) : delta;
}

// Declination of row r of the hour curves of the current band.
double zeilenDekl(const RingZeichnung& z, int r)
{
    double delta = 0;
    double loch = 0;
    switch (z.band) {
    case RingBand::Einzel:
        delta = begrenzt(r - z.epsRund, z.epsRund);
        loch = z.lochVersatz;
        break;
    case RingBand::Sommer:
        delta = begrenzt(r, z.epsRund);
        loch = z.deklOben;
        break;
    case RingBand::Winter:
        delta = begrenzt(-r, z.epsRund);
        loch = z.deklUnten;
        break;
    }
    return std::fabs(delta + 1e-6 - loch) <= 0.5 ? loch : delta;
}

// Half-day arc (degrees) of a day of declination delta: 0 or 180 where the sun does not
// rise or set.
double halbbogen(double phi, double delta)
{
    const double q = -SinGrad(std::fabs(phi)) * SinGrad(delta) / (CosGrad(phi) * CosGrad(delta));
    if (std::fabs(q) < 1e-12)
        return 90;
    return InGrad(std::acos(std::clamp(q, -1.0, 1.0)));
}

std::string stundenText(int h) { return std::to_string(h); }

bool nurZiffern(const std::string& t)
{
    return !t.empty() && std::all_of(t.begin(), t.end(), [](char z) { return z >= '0' && z <= '9'; });
}

} // namespace

int RingZeichnung::gerundet(double x) const { return static_cast<int>(roundHalfEven(x)); }

void RingZeichnung::belege(int rechts, int unten)
{
    rechtsBelegt = std::max(rechtsBelegt, rechts);
    untenBelegt = std::max(untenBelegt, unten);
}

void RingZeichnung::stundenzahl(int x, int y, const std::string& text)
{
    const CanvasFont schrift = c.font();
    c.setFontHeight(fh);
    const int breite = c.textExtent(text).width, dicke = c.textExtent(text).height;
    c.setFont(schrift);
    // Two numbers one above the other in a column with less than a blank between them read as
    // one number: a number keeps that much more from another (its measure may fall short of its
    // letters' ink by as much again).
    const int luft = gerundet(0.6 * fh);
    const auto abstand = [&](const Labelkasten& k) { return nurZiffern(text) && nurZiffern(k.text) ? luft : 0; };
    const auto auf = [&](int yy) {
        return std::find_if(labels.begin(), labels.end(), [&](const Labelkasten& k) {
            return x <= k.rechts && x + dicke >= k.links && yy - breite <= k.unten + abstand(k)
                   && yy >= k.oben - abstand(k);
        });
    };
    const int y0 = y;
    for (int versuch = 0; versuch < 12; ++versuch) {
        const auto ueber = auf(y);
        if (ueber == labels.end())
            break;
        if (ueber->text == text)
            return;
        // Up past the other number, or down past it where up would leave the band.
        const int oben = ueber->oben - abstand(*ueber) - 2, unten = ueber->unten + abstand(*ueber) + breite + 2;
        y = oben - breite >= yTop ? oben : unten;
    }
    // Caught between two labels: the clean place in the band nearest the first; where the band
    // has none, the number stays where the steps left it (a lit hour keeps its number).
    for (int d = 0; auf(y) != labels.end() && (y0 - d - breite >= yTop || y0 + d <= gerundet(yTop + Bu)); ++d) {
        if (const int oben = y0 - d; oben - breite >= yTop && auf(oben) == labels.end())
            y = oben;
        else if (const int unten = y0 + d; unten <= gerundet(yTop + Bu) && auf(unten) == labels.end())
            y = unten;
    }
    labels.push_back({x, x + dicke, y - breite, y, text});
    TextOutGedreht(c, x, y, text, 400, fh, 90);
}

void RingZeichnung::strecke(int xa, int ya, int xb, int yb)
{
    double x0 = xa, y0 = ya, x1 = xb, y1 = yb;
    if (std::max(xa, xb) > xRechts() + 1)
        rechtsGekappt = true;
    if (!ringSpalten(x0, y0, x1, y1, xRef, xRechts()))
        return;
    c.moveTo(gerundet(x0), gerundet(y0));
    c.lineTo(gerundet(x1), gerundet(y1));
}

double RingZeichnung::lochDekl() const
{
    switch (band) {
    case RingBand::Einzel: return lochVersatz;
    case RingBand::Sommer: return deklOben;
    case RingBand::Winter: return deklUnten;
    }
    return 0;
}

int RingZeichnung::zeile(double delta) const
{
    switch (band) {
    case RingBand::Einzel: return gerundet(yTop + (eps - delta) * Bu / (2 * eps));
    case RingBand::Sommer: return gerundet(yTop + (eps - delta) * Bu / eps);
    case RingBand::Winter: return gerundet(yTop - delta * Bu / eps);
    }
    return yTop;
}

double RingZeichnung::ziel(double delta) const
{
    return ringZiel(delta, lochDekl(), B, band == RingBand::Einzel ? 2 * eps : eps);
}

double RingZeichnung::lochwinkel(double delta) const
{
    if (!s.Schalter.ZwoelfUhrHorizontal)
        return alpha;
    return band == RingBand::Einzel ? alpha + 2 * (eps - delta) : alpha + 2 * std::fabs(delta);
}

int RingZeichnung::inEbene(double delta, double h) const
{
    if (s.Schalter.ZwoelfUhrHorizontal)
        return gerundet(xRef + 2 * L - 2 * Ru * kRad * (90 - std::fabs(phi) + delta - h));
    return gerundet(ringX(massstab(), h));
}

RingPunkt ringPunkt(RingZeichnung& z, double delta, double h, double sichtbarAb, bool& okVorher)
{
    RingPunkt p;
    p.X0 = z.inEbene(delta, h);
    p.y = z.zeile(delta);
    p.sichtbar = h > sichtbarAb;
    double K = 0;
    if (h > 0) {
        double Q = 0, S = 0;
        sucheRingWinkel(Q, S, K, z.D, z.lochwinkel(delta), h, z.ziel(delta), okVorher);
    }
    p.ok = okVorher;
    p.P = p.X0 + z.Ru * K * kRad;
    if (p.sichtbar)
        z.groessteP = std::max(z.groessteP, std::min(p.P, z.xRef + z.C));
    return p;
}

void RingKurve::punkt(const RingPunkt& p)
{
    if (erster_) {
        vorher_ = p;
        erster_ = false;
    }
    if (p.sichtbar) {
        Canvas& c = z_.c;
        const int modus = z_.s.Schalter.RingExakt;
        if (modus == 1 || modus == 2) {
            const Farbe farbe = c.pen().color;
            if (modus == 2)
                c.setPenColor(kGrau);
            const int x = z_.gerundet(p.P);
            if (p.ok && vorher_.ok) {
                z_.strecke(z_.gerundet(vorher_.P), vorher_.y, x, p.y);
            } else if (p.ok && x >= z_.xRef && x <= z_.xRechts()) {
                const CanvasBrush pinsel = c.brush();
                c.setBrushStyle(BrushStyle::Clear);
                c.ellipse(x - 2, p.y - 2, x + 2, p.y + 2);
                c.setBrush(pinsel);
            } else if (p.ok) {
                z_.rechtsGekappt |= x > z_.xRechts() + 1;
            }
            c.setPenColor(farbe);
        }
        if (modus == 0 || modus == 2)
            z_.strecke(vorher_.X0, vorher_.y, p.X0, p.y);
        if (modus == 2 && p.ok && p.X0 != z_.gerundet(p.P))
            z_.strecke(p.X0, p.y, z_.gerundet(p.P), p.y);
    }
    vorher_ = p;
}

namespace {

// On two bands the date rows are drawn at every other declination of the table: the bottom y
// of a turned number of length `laenge` moves to the nearest place in the band where no row
// runs through the number.
int zwischenDatumszeilen(const RingZeichnung& z, int y, int laenge)
{
    std::vector<int> zeilen;
    for (int k = 0; k <= 9; ++k)
        zeilen.push_back(z.zeile(z.s.DeklTabelle[z.band == RingBand::Winter ? 2 * k + 18 : 2 * k]));
    const auto frei = [&](int unten) {
        const auto durch = [&](int r) { return r >= unten - laenge - 2 && r <= unten + 2; };
        return unten - laenge >= z.yTop && unten <= z.yTop + z.Bu && std::none_of(zeilen.begin(), zeilen.end(), durch);
    };
    for (int schritt = 0; schritt <= 2 * laenge; ++schritt)
        for (const int kandidat : {y - schritt, y + schritt})
            if (frei(kandidat))
                return kandidat;
    return y;
}

} // namespace

void zeichneRingStunden(RingZeichnung& z)
{
    const AppState& s = z.s;
    Canvas& c = z.c;
    const bool einzel = z.band == RingBand::Einzel;
    const int zeilen = einzel ? 48 : 25;
    const int beschriftung = einzel ? 20 : (z.band == RingBand::Sommer ? 11 : 8);
    const double sichtbarAb = einzel ? -1 : -0.5;
    const double ref = einzel && z.temporal ? 6 : 12;
    const bool vormittags = z.bis - ref < ref - z.von;
    const int modus = s.Schalter.RingExakt;
    for (int stunde = z.gerundet(z.von); stunde <= z.gerundet(z.bis); ++stunde) {
        for (int j = 0; j < z.n; ++j) {
            const double t = stunde + static_cast<double>(j) / z.n;
            if (t > z.bis + 1e-9)
                continue;
            if (j == 0) {
                c.setPenColor(z.temporal ? s.Farben[9] : s.Farben[1]);
                c.setFontColor(c.pen().color);
            } else {
                c.setPenColor(s.Farben[2]);
            }
            if (!z.bildschirm)
                c.setPenWidth(j == 0 ? 3 : 1);
            RingKurve kurve(z);
            bool ok = false;
            // The number goes to the row of the band's numbers, or where the sun is down
            // there, along its line to the nearest row where the sun is a degree up.
            const bool seite = vormittags ? stunde <= ref : stunde >= ref;
            const bool mittag = stunde == (z.temporal ? 6 : 12);
            RingPunkt ziffer;
            int abstand = zeilen;
            std::vector<RingPunkt> linie;
            for (int i = 0; i < zeilen; ++i) {
                const int r = einzel ? 47 - i : i;
                const double delta = zeilenDekl(z, r);
                const double tau = z.temporal ? (t - 6) * halbbogen(z.phi, delta) / 6 : (t - 12) * 15;
                double h = 0, az = 0;
                AzimutHoehe(h, az, std::fabs(z.phi), delta, tau);
                const RingPunkt p = ringPunkt(z, delta, h, sichtbarAb, ok);
                kurve.punkt(p);
                linie.push_back(p);
                if (j == 0 && seite && (r == beschriftung || h > 1) && p.sichtbar && p.X0 > z.xRef &&
                    (modus == 0 ? p.X0 : p.P) <= z.xRef + z.C + 1 && std::abs(r - beschriftung) < abstand) {
                    abstand = std::abs(r - beschriftung);
                    ziffer = p;
                }
            }
            if (abstand == zeilen)
                continue;
            // A number stands on the side of its line away from noon, where the lines are
            // further apart; the noon number on the free side beyond its line (the band's
            // frame encloses it where the noon line is the band's end).
            const int xLinie = modus == 0 ? ziffer.X0 : z.gerundet(ziffer.P);
            const std::string text = stundenText(stunde);
            const CanvasFont schrift = c.font();
            c.setFontHeight(z.fh);
            const int laenge = c.textExtent(text).width;
            c.setFont(schrift);
            int y = einzel ? ziffer.y : ziffer.y - z.fh;
            if (!einzel && z.temporal)
                y = z.gerundet(ziffer.y + z.fh + 0.6 * z.fh * Vorzeichen(6 - stunde));
            if (!einzel)
                y = zwischenDatumszeilen(z, y, laenge);
            // The turned number spans its length above y; where its line slants across that
            // height, the number keeps clear of the line's leftmost point there, by at most half a
            // label height more, which keeps it nearer its own line than the next.
            int links = xLinie;
            for (std::size_t k = 1; k < linie.size(); ++k) {
                const RingPunkt& a = linie[k - 1];
                const RingPunkt& b = linie[k];
                if (a.sichtbar && b.sichtbar && std::max(a.y, b.y) >= y - laenge && std::min(a.y, b.y) <= y)
                    for (const RingPunkt* q : {&a, &b})
                        links = std::min(links, modus == 0 ? q->X0 : z.gerundet(q->P));
            }
            links = std::max(links, xLinie - z.fh / 2);
            // A number of a line lit only in the band's top rows stays inside the band.
            y = std::clamp(y, z.yTop + laenge, z.gerundet(z.yTop + z.Bu));
            z.stundenzahl(mittag ? xLinie + 2 : links - z.fh - 2, y, text);
        }
    }
    if (!z.bildschirm)
        c.setPenWidth(1);
}

double einzelbandEnde(const RingZeichnung& z)
{
    if (z.s.Schalter.RingExakt != 0)
        return z.groessteP;
    if (std::fabs(z.phi) < z.epsRund + 0.05)
        return z.xRef + 180 * kRad * z.Ru;
    return z.xRef + 2 * kRad * z.Ru * (90 - std::fabs(z.phi) + z.epsRund);
}

namespace {

// A zodiac glyph turned by 90 degrees; south of the equator the opposite sign. On the equator
// the rows are those of the northern sun, as everywhere the latitude's sign is dropped.
// zeichnen false: only its box is noted, which the hour numbers keep clear of.
void glyphe(RingZeichnung& z, int zeichen, int x, int y, bool zeichnen = true)
{
    if (z.phi < 0)
        zeichen = zeichen <= 6 ? zeichen + 6 : zeichen - 6;
    const std::string text(1, static_cast<char>('^' + zeichen - 1));
    if (zeichnen) {
        TextOutGedreht(z.c, x, y, text, 400, z.g, 90);
        return;
    }
    const CanvasFont vorher = z.c.font();
    z.c.setFontName("Wingdings");
    z.c.setFontHeight(z.g);
    const TextExtent e = z.c.textExtent(text);
    z.c.setFont(vorher);
    // A sign's ink is about as wide as it is high, wider than the advance the font gives it.
    z.labels.push_back({x, x + e.height, y - std::max(e.width, e.height), y, text});
}

int zweiteSpalte(const RingZeichnung& z, int einheit);

// The signs of the single band beside the hole line.
void einzelbandGlyphen(RingZeichnung& z, bool zeichnen)
{
    const AppState& s = z.s;
    const auto zeileVon = [&](double d) { return z.yTop + z.gerundet(z.Bu * 0.5 * (1 - d / z.eps)); };
    for (int k = 0; k <= 6; ++k) {
        const int y = zeileVon(s.DeklTabelle[6 * k]);
        if (k <= 5) {
            const int yG = (k == 0 || k == 5) ? y + 1 + z.g : y + z.gerundet(1.3 * z.g);
            glyphe(z, k + 4, z.gerundet(z.xRef - 1.8 * z.fh), yG, zeichnen);
        }
        if (k >= 1)
            glyphe(z, k < 4 ? 4 - k : 16 - k, zweiteSpalte(z, z.fh), y - z.gerundet(0.25 * z.g), zeichnen);
    }
}

// The signs of one of the two bands beside its hole line.
void bandGlyphen(RingZeichnung& z, bool winter, bool zeichnen)
{
    const AppState& s = z.s;
    for (int k = 0; k <= 3; ++k) {
        const int y = z.zeile(s.DeklTabelle[winter ? 18 + 6 * k : 6 * k]);
        if (k < 3) {
            const int yG = (k == 0) ? y + 1 + z.g : y + z.gerundet(1.3 * z.g);
            glyphe(z, winter ? k + 7 : k + 4, z.gerundet(z.xRef - 1.8 * z.g), yG, zeichnen);
        }
        if (k > 0)
            glyphe(z, winter ? 13 - k : 4 - k, zweiteSpalte(z, z.g), y - z.gerundet(0.25 * z.g), zeichnen);
    }
}

// The left column of glyphs, 2.5 units left of the hole line (the first stands at 1.8): at
// least one glyph height left of the first column, so that turned glyphs of a narrow band
// that come to the same height do not overlap.
int zweiteSpalte(const RingZeichnung& z, int einheit)
{
    return std::min(z.gerundet(z.xRef - 2.5 * einheit), z.gerundet(z.xRef - 1.8 * einheit) - z.g - 1);
}

void waagrecht(Canvas& c, int x0, int x1, int y)
{
    c.moveTo(x0, y);
    c.lineTo(x1, y);
}

// The band's frame, out to the band's end or beyond it to the last number.
void rahmen(RingZeichnung& z, double E)
{
    Canvas& c = z.c;
    for (const RingZeichnung::Labelkasten& k : z.labels)
        E = std::max(E, static_cast<double>(k.rechts));
    c.setBrushStyle(BrushStyle::Clear);
    c.setPenColor(z.s.Farben[0]);
    c.rectangle(z.xLeft, z.yTop - z.rand, z.gerundet(E + z.rand), z.gerundet(z.yTop + z.Bu + z.rand));
    z.belege(z.gerundet(E + z.rand), z.gerundet(z.yTop + z.Bu + z.rand));
    c.setBrushStyle(BrushStyle::Solid);
}

void bogenUndZusatzlinien(RingZeichnung& z)
{
    const AppState& s = z.s;
    if (s.Schalter.ZwoelfUhrHorizontal) {
        zeichneRingLegende(z);
        return;
    }
    if (s.Schalter.Babylonisch)
        zeichneRingStundenskala(z, false);
    if (s.Schalter.Italienisch)
        zeichneRingStundenskala(z, true);
}

} // namespace

int ringSkalaUnterBand(const RingZeichnung& z)
{
    if (!z.s.Schalter.ZwoelfUhrHorizontal)
        return 0;
    if (z.s.Schalter.Ganzjaehrig) {
        const int sh = z.H / 30;
        return sh + sh / 2 + 3 * sh + z.fh + 2;
    }
    return ringSkalaHoehe(z, z.H / 50) + 1;
}

int ringSkalaLuft(const RingZeichnung& z, int sh, int namen)
{
    return std::max(sh, namen + z.rand + 1);
}

int ringSkalaHoehe(const RingZeichnung& z, int sh)
{
    const int namen = z.gerundet(0.7 * z.fh);
    return ringSkalaLuft(z, sh, namen) + 2 * sh + namen + 2;
}

double ringHoehenfaktor(const RingZeichnung& z, bool einzel, double Bu, int unten)
{
    const int skala = ringSkalaUnterBand(z);
    if (einzel) {
        // A tall band stands at a tenth of the height.
        const double a = z.H / 10 + std::max(skala, z.rand);
        return a + Bu <= unten ? 1.0 : std::max(0.01, (unten - a - 2) / Bu);
    }
    // The upper band's top and the ticks before the lower one, the gap and what is below.
    const int yT = z.H / 12, tick = yT / 20;
    const double oben = yT + 5 * tick;
    const double a = oben + yT + (skala ? skala : z.rand);
    if (a + 2 * Bu <= unten)
        return 1.0;
    // The gap and the date scales shrink as far as bandAbstand and skalaStufe let them.
    if (skala && oben + ringSkalaHoehe(z, 4) + z.rand + 2 - 2 * tick + 2 * Bu + ringSkalaHoehe(z, 4) <= unten)
        return 1.0;
    // Reduced, the bands keep their usual gap and scale.
    return std::max(0.01, (unten - a - 2) / (2 * Bu));
}

namespace {

// The gap between the two bands: H div 12, made smaller where the date scale below the lower
// band would otherwise run off the area (a printed A4 page holds two bands of 80 mm only
// so); the upper band's scale, of bars 2 sh high, keeps the room it needs in the gap. y: the
// upper band's top plus the two ticks before the lower one.
int bandAbstand(const RingZeichnung& z, int y, int sh)
{
    const int abstand = z.H / 12;
    if (!z.s.Schalter.ZwoelfUhrHorizontal)
        return abstand;
    const int skala = ringSkalaHoehe(z, sh);
    const int unten = z.H - (z.bildschirm ? 1 : 50);
    const int ueber = z.gerundet(y + z.Bu) + abstand + z.gerundet(z.Bu) + skala - unten;
    const int kleinster = skala + z.rand + 2 - 2 * z.tick;
    return abstand - std::max(0, std::min(ueber, abstand - kleinster));
}

// Half the height of the date scales' bars below two bands: H div 50, lower where the lower
// band's scale would run off the area even with the gap between the bands at its smallest.
int skalaStufe(const RingZeichnung& z, int y)
{
    const int unten = z.H - (z.bildschirm ? 1 : 50);
    int sh = std::max(4, z.H / 50);
    while (sh > 4 && z.gerundet(y + z.Bu) + bandAbstand(z, y, sh) + z.gerundet(z.Bu) + ringSkalaHoehe(z, sh) > unten)
        --sh;
    return sh;
}

} // namespace

void zeichneEinzelband(RingZeichnung& z)
{
    const AppState& s = z.s;
    Canvas& c = z.c;
    z.band = RingBand::Einzel;
    z.groessteP = z.xRef;
    z.labels.clear();
    z.L = ringHoechsterBogen(z.massstab(), z.phi, false, std::fabs(z.phi) <= z.epsRund, z.epsRund);
    const int unten = z.gerundet(z.yTop + z.Bu);
    c.setPenColor(s.Farben[3]);
    c.moveTo(z.xRef, unten);
    c.lineTo(z.xRef, z.yTop);
    c.moveTo(z.xRef - 3 * z.fh, unten);
    c.lineTo(z.xRef - 3 * z.fh, z.yTop);
    c.setPenColor(s.Farben[1]);
    einzelbandGlyphen(z, false);
    zeichneRingStunden(z);

    const double E = einzelbandEnde(z);
    const auto zeileVon = [&](double d) { return z.yTop + z.gerundet(z.Bu * 0.5 * (1 - d / z.eps)); };
    const int links = z.xRef - z.gerundet(2.65 * z.fh);
    c.setPen({s.Farben[3], 1, PenStyle::Solid});
    c.setFontColor(s.Farben[3]);
    for (int k = 0; k <= 6; ++k)
        waagrecht(c, links, z.gerundet(E), zeileVon(s.DeklTabelle[6 * k]));
    rahmen(z, E);
    c.setPenColor(s.Farben[10]);
    for (int k = 0; k <= 5; ++k) {
        waagrecht(c, links, z.gerundet(E), zeileVon(s.DeklTabelle[6 * k + 2]));
        waagrecht(c, links, z.gerundet(E), zeileVon(s.DeklTabelle[6 * k + 4]));
    }
    c.setPenColor(s.Farben[3]);
    c.moveTo(z.gerundet(E), z.yTop);
    c.lineTo(z.gerundet(E), unten);

    c.setPenColor(s.Farben[0]);
    c.setFontColor(s.Farben[0]);
    const CanvasBrush pinsel = c.brush();
    c.setBrush({s.Farben[0], BrushStyle::Solid});
    c.fillRect(z.xRef - z.gerundet(0.6 * z.fh), z.yTop + 1, z.xRef, unten);
    c.setBrush(pinsel);
    const int yLoch = z.gerundet(z.yTop + (z.eps - z.lochVersatz) * (z.Bu / 2) / z.eps);
    const int r = z.gerundet(0.3 * z.fh);
    c.setPenColor(kRot);
    c.setBrushStyle(BrushStyle::Clear);
    c.ellipse(z.xRef - r, yLoch - r, z.xRef + r, yLoch + r);
    c.setBrushStyle(BrushStyle::Solid);
    c.setPenColor(s.Farben[0]);
    c.setFontName("Wingdings");
    einzelbandGlyphen(z, true);
    c.setFontName("Arial");

    if (s.Schalter.ZwoelfUhrHorizontal) {
        c.setPenColor(s.Farben[7]);
        CanvasPoint vorher{};
        for (int k = 0; k <= 36; ++k) {
            const double d = s.DeklTabelle[k];
            const CanvasPoint q{z.gerundet(z.xRef + 2 * z.L - 2 * z.Ru * kRad * (90 - std::fabs(z.phi) + d)),
                                z.gerundet(z.yTop + (z.eps - d) * z.Bu / (2 * z.eps))};
            if (k > 0)
                z.strecke(vorher.x, vorher.y, q.x, q.y);
            vorher = q;
        }
    }
    bogenUndZusatzlinien(z);
    z.groessteP = E;
}

void zeichneZweiBaender(RingZeichnung& z, double& endeSommer, double& endeWinter)
{
    const AppState& s = z.s;
    Canvas& c = z.c;
    z.yTop += z.tick;
    const double ref = z.temporal ? 6 : 12;
    if (z.von < ref && ref < z.bis) {
        if (ref - z.von <= z.bis - ref)
            z.von = ref;
        else
            z.bis = ref;
    }
    const double p = std::fabs(z.phi);
    // The upper band's top plus two ticks, where the gap between the bands is reckoned from.
    const int y = z.yTop + 4 * z.tick;
    z.skalaStufe = skalaStufe(z, y);
    for (const RingBand band : {RingBand::Sommer, RingBand::Winter}) {
        z.band = band;
        const bool winter = band == RingBand::Winter;
        z.yTop += 2 * z.tick;
        if (winter)
            z.yTop = z.gerundet(z.yTop + z.Bu) + bandAbstand(z, y, z.skalaStufe);
        z.L = ringHoechsterBogen(z.massstab(), z.phi, winter, p < z.epsRund, z.eps);
        z.groessteP = z.xRef;
        z.untenBelegt = z.rechtsBelegt = 0;
        z.labels.clear();
        c.setPenColor(s.Farben[1]);
        bandGlyphen(z, winter, false);
        zeichneRingStunden(z);

        double E = 0;
        if (!winter) {
            if (s.Schalter.RingExakt == 0)
                E = p < z.epsRund ? z.xRef + 180 * kRad * z.Ru : z.xRef + 2 * kRad * z.Ru * (90 - p + z.epsRund);
            else
                E = z.groessteP;
        } else if (s.Schalter.RingExakt == 0) {
            E = z.xRef + 2 * kRad * z.Ru * (90 - p);
        } else {
            bool ok = false;
            E = ringPosition(z.massstab(), z.phi, z.B, z.D, z.alpha, z.deklUnten, 0, ok);
        }
        (winter ? endeWinter : endeSommer) = E;

        const int unten = z.gerundet(z.yTop + z.Bu + 1);
        c.setPen({s.Farben[3], 1, PenStyle::Solid});
        const CanvasBrush pinsel = c.brush();
        c.setBrushStyle(BrushStyle::Clear);
        c.rectangle(z.xLeft + 1, z.yTop, z.xRef + 1, unten);
        c.rectangle(z.xRef - z.gerundet(0.3 * z.g), z.yTop, z.xRef + 1, unten);
        c.setBrush(pinsel);
        const int links = z.xRef - z.gerundet(2.6 * z.g);
        for (int k = 0; k <= 9; ++k) {
            const double d = s.DeklTabelle[winter ? 2 * k + 18 : 2 * k];
            const int y = z.zeile(d);
            c.setPenColor(k % 3 == 0 ? s.Farben[0] : s.Farben[10]);
            waagrecht(c, links, z.gerundet(E), y);
            if (k == 3 || k == 6)
                waagrecht(c, links, z.gerundet(E), z.bildschirm ? y - 1 : y + 1);
        }
        c.setPenColor(s.Farben[3]);
        c.moveTo(z.gerundet(E), z.yTop);
        c.lineTo(z.gerundet(E), z.gerundet(z.yTop + z.Bu));
        c.setPenColor(s.Farben[0]);
        const int xStrich = z.xRef - z.gerundet(2.65 * z.g);
        c.moveTo(xStrich, z.yTop);
        c.lineTo(xStrich, z.gerundet(z.yTop + z.Bu));
        // Each band's hole mark stands at that band's own hole declination.
        const int yLoch = z.zeile(z.lochDekl());
        const int r = z.gerundet(0.3 * z.fh);
        c.setPenColor(kGruen);
        c.setBrushStyle(BrushStyle::Clear);
        c.ellipse(z.xRef - r, yLoch - r, z.xRef + r, yLoch + r);
        c.setBrushStyle(BrushStyle::Solid);
        c.setPenColor(s.Farben[0]);
        c.setFontColor(s.Farben[0]);
        c.setFontName("Wingdings");
        bandGlyphen(z, winter, true);
        c.setFontName("Arial");
        bogenUndZusatzlinien(z);
        rahmen(z, E);
    }
}

} // namespace umbrin
