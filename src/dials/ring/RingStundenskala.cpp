// Italian and Babylonian hour curves of the ring dial's band, and the date scale of the
// variant whose hole slides with the date (noon line straight across the band).
#include "dials/ring/RingZeichnung.h"

#include "core/Rounding.h"
#include "core/SonneEbene.h"
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/Textumformung.h"
#include "core/Vorzeichen.h"
#include "core/Winkel.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace umbrin {

void zeichneRingStundenskala(RingZeichnung& z, bool italienisch)
{
    const AppState& s = z.s;
    Canvas& c = z.c;
    if (std::fabs(z.phi) > 65) {
        bool& gemeldet = z.breiteGemeldet[italienisch ? 1 : 0];
        if (!gemeldet)
            z.meldungen.push_back({PromptTitle::Problem, PromptIcon::Error,
                                   std::string(texteText(s, 42)) + "\r" + std::string(texteText(s, 43))});
        gemeldet = true;
        return;
    }
    const int von = italienisch ? s.Zeiten.ItalVon : s.Zeiten.BabVon;
    const int bis = italienisch ? s.Zeiten.ItalBis : s.Zeiten.BabBis;
    const int n = s.Schalter.Intervalle[italienisch ? 1 : 0] + 1;
    const bool einzel = z.band == RingBand::Einzel;
    const int letzte = einzel ? 47 : 24;
    const int beschriftung = einzel ? 18 : (z.band == RingBand::Sommer ? 15 : 12);
    const double loch = z.lochDekl();
    for (int stunde = von; stunde <= bis; ++stunde) {
        for (int j = 0; j < n; ++j) {
            const double t = stunde + static_cast<double>(j) / n;
            if (t > bis)
                continue;
            c.setPenColor(j > 0 ? s.Farben[8] : (italienisch ? s.Farben[4] : s.Farben[5]));
            RingKurve kurve(z);
            bool ok = false;
            for (int r = letzte; r >= 0; --r) {
                double delta = 0;
                switch (z.band) {
                case RingBand::Einzel: delta = 23.5 - r; break;
                case RingBand::Sommer: delta = r; break;
                case RingBand::Winter: delta = std::min(0.0, r - 23.5); break;
                }
                if (std::fabs(delta) > z.epsRund)
                    delta = z.epsRund * Vorzeichen(delta);
                if (std::fabs(delta + 1e-6 - loch) <= 0.5)
                    delta = loch;
                // The rows stand for the sun of the latitude's magnitude (south of the equator a
                // row means the opposite declination): so does the day's length here.
                const TagNachtErgebnis tn = TagNachtGrenzen(delta, std::fabs(z.phi));
                const double H0 = (tn.nichtPolarnacht && !tn.nichtPolartag) ? 180 : tn.H;
                double tau = italienisch ? H0 + 15 * t : 15 * t - H0;
                while (tau > 180)
                    tau -= 360;
                while (tau <= -180)
                    tau += 360;
                if (std::fabs(tau) < 0.016)
                    tau = 0;
                double h = 0, az = 0;
                AzimutHoehe(h, az, std::fabs(z.phi), delta, tau);
                const RingPunkt p = ringPunkt(z, delta, h, -0.5, ok);
                kurve.punkt(p);
                if (j == 0 && stunde >= 12 && r == beschriftung && p.X0 > z.xRef && p.sichtbar &&
                    (s.Schalter.RingExakt == 0 ? p.X0 : p.P) <= z.xRef + z.C + 1) {
                    const int x = s.Schalter.RingExakt == 0 ? p.X0 : z.gerundet(p.P);
                    z.stundenzahl(x, p.y, std::to_string(stunde));
                }
            }
        }
    }
}

RingSkalenstrich ringSkalenstrich(const AppState& s, double phi, double eps, int m, int tag)
{
    RingSkalenstrich strich;
    strich.monat = phi < 0 ? (m + 5) % 12 + 1 : m;
    if (tag == 21 && (m == 6 || m == 12)) {
        strich.zeile = m == 6 ? eps : -eps;
    } else if (!(tag == 21 && (m == 3 || m == 9))) {
        double h = 0, az = 0, zg = 0, delta = 0;
        SonnenstandZonenzeit(s.Par.Jahr, TagImJahr(s.Par.Jahr, strich.monat, tag), h, 12, phi, s.Par.Laenge,
                             s.Par.Zonenmeridian, az, delta, zg, false);
        strich.zeile = phi < 0 ? -delta : delta;
    }
    return strich;
}

void zeichneRingLegende(RingZeichnung& z)
{
    const AppState& s = z.s;
    Canvas& c = z.c;
    const bool einzel = z.band == RingBand::Einzel;
    const bool winter = z.band == RingBand::Winter;
    const CanvasFont schrift = c.font();
    int sh = einzel ? z.H / 30 : z.skalaStufe;
    if (!einzel)
        c.setFontHeight(z.gerundet(0.7 * c.fontHeight()));
    // Below the lower of two bands the scale is made lower where it would run off the page:
    // its gap, bar and the month names under the middle line stay inside the area. The gap
    // keeps room for the names above the bar, clear of the band's frame.
    if (!einzel) {
        const int rest = z.H - (z.bildschirm ? 1 : 50) - z.gerundet(z.yTop + z.Bu);
        sh = std::max(4, sh);
        while (sh > 4 && ringSkalaLuft(z, sh, c.fontHeight()) + 2 * sh + c.fontHeight() + 2 > rest)
            --sh;
    }
    const int luft = einzel ? sh : ringSkalaLuft(z, sh, c.fontHeight());
    const int ys = z.gerundet(luft + z.Bu) + z.yTop + (einzel ? sh / 2 : 0);
    const double p = std::fabs(z.phi);
    const auto xVon = [&](double delta) {
        return z.gerundet(z.xRef + 2 * z.L - 2 * z.Ru * kRad * (90 - p + delta));
    };
    c.setPenColor(s.Farben[0]);
    c.setFontColor(s.Farben[0]);
    const CanvasBrush pinsel = c.brush();
    c.setBrushStyle(BrushStyle::Clear);
    c.rectangle(z.xRef, ys, z.band == RingBand::Sommer ? xVon(0) : xVon(-z.eps), ys + 2 * sh);
    z.belege(z.band == RingBand::Sommer ? xVon(0) : xVon(-z.eps), ys + 2 * sh);
    c.moveTo(z.xRef, ys + sh);
    c.lineTo(z.band == RingBand::Sommer ? xVon(0) : xVon(-z.eps), ys + sh);

    const int d21J = TagImJahr(s.Par.Jahr, 6, 21);
    const int d21D = TagImJahr(s.Par.Jahr, 12, 21);
    for (int m = 1; m <= 12; ++m) {
        for (int k = 0; k < 3; ++k) {
            const int tag = 10 * k + 1;
            const int d = TagImJahr(s.Par.Jahr, m, tag);
            const RingSkalenstrich strich = ringSkalenstrich(s, z.phi, s.DeklTabelle[0], m, tag);
            const double delta = strich.zeile;
            if ((z.band == RingBand::Sommer && delta <= 0) || (winter && delta >= 0))
                continue;
            const int x = xVon(delta);
            // The hole of a day whose noon sun stands beyond the zenith would lie before the
            // hole line, past the band's start: the scale ends at the hole line.
            if (x < z.xRef) {
                z.vorLochGekappt = true;
                continue;
            }
            const bool abwaerts = d > d21J && d < d21D;
            const bool erster = tag == 1;
            c.moveTo(x, ys + sh);
            if (abwaerts)
                c.lineTo(x, erster ? ys + 2 * sh : z.gerundet(ys + 1.5 * sh));
            else
                c.lineTo(x, erster ? ys : ys + sh / 2);
            if (!erster)
                continue;
            const std::string name(monatKurz(s, strich.monat));
            const int breite = c.textExtent(name).width;
            // With two bands the box is low: the names stand outside it, those of the second
            // half-year below it, the others above it, June's left of its left edge.
            const bool ueber = m != 6 && m != 12;
            if (abwaerts) {
                const int y = einzel ? ys + sh : ys + 2 * sh + 1;
                c.textOut(x + 2, y, name);
                z.belege(x + 2 + breite, y + c.fontHeight());
            } else if (ueber || einzel) {
                c.textOut(x - (ueber ? breite : 2 * breite), ueber ? ys - c.fontHeight() : ys, name);
            } else {
                c.textOut(std::min(x - 2 * breite, z.xRef - breite - 2), ys, name);
            }
        }
    }
    if (einzel) {
        const std::string text = mitLeerzeichen(holeText(s, 80), holeText(s, 83));
        c.textOut(z.xRef, 3 * sh + ys, text);
        z.belege(z.xRef + c.textExtent(text).width, 3 * sh + ys + c.fontHeight());
    } else {
        c.setFontSize(std::max(1, c.fontSize() - 2));
        const int x = z.gerundet(z.xRef + 2 * z.Ru * kRad * s.DeklTabelle[0]) + 3 * c.textExtent("abc").width;
        const std::string text = mitLeerzeichen(holeText(s, 80), holeText(s, winter ? 81 : 82));
        c.textOut(x, ys, text);
        z.belege(x + c.textExtent(text).width, ys + c.fontHeight());
    }
    c.setBrush(pinsel);
    c.setFont(schrift);
}

} // namespace umbrin
