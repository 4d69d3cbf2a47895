// Legend of the planar dials: marks at the gnomon foot, title and data lines, hour numbers
// along the shadow paths and the caption of the hour lines.
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "dials/planar/EbeneLinienfamilien.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace umbrin {
namespace {

std::string T(const EbeneKontext& k, int zeile) { return std::string(texteText(k.s, zeile)); }

int titelZeile(const EbeneKontext& k)
{
    const AppState& s = k.s;
    if (s.Schirmuhr)
        return s.UhrTyp == 'i' ? 130 : (s.UhrTyp == 'v' ? 129 : 128);
    if (s.UhrTyp == 'v')
        return 126;
    if (s.UhrTyp == 'i' && k.ebene.Inklination != 0)
        return 127;
    return 125;
}

std::vector<std::string> legendenZeilen(const EbeneKontext& k)
{
    const AppState& s = k.s;
    std::vector<std::string> z;
    z.push_back(T(k, titelZeile(k)));
    z.push_back(T(k, 131) + RealStr(s.Par.Breite, 6, 2) + T(k, 105) + T(k, 132) + RealStr(s.Par.Laenge, 6, 2) +
                T(k, 105));
    const std::string radius = RealStr(s.Par.SchirmRadius, 6, (!k.Bildschirm && s.UhrTyp == 'v') ? 3 : 2);
    if (s.UhrTyp == 'v' || s.UhrTyp == 'i') {
        std::string zeile;
        if (s.UhrTyp == 'i')
            zeile = T(k, 134) + RealStr(s.Par.Inklination, 6, 2) + T(k, 105) + "; ";
        zeile += T(k, 133) + RealStr(s.Par.Wandabweichung, 6, 2) + T(k, 105);
        if (s.Schirmuhr)
            zeile += (s.UhrTyp == 'v' ? "; Radius r = " : "; r = ") + radius + " x h";
        z.push_back(zeile);
    } else if (s.Schirmuhr) {
        z.push_back(T(k, 135) + radius + T(k, 139));
    }
    return z;
}

// The rectangle of the data lines on the canvas.
struct Legendenkasten {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

Legendenkasten schreibeZeilen(EbeneKontext& k)
{
    const AppState& s = k.s;
    Canvas& c = k.canvas;
    const std::vector<std::string> zeilen = legendenZeilen(k);
    const double h = c.fontHeight();
    if (!k.Bildschirm) {
        int y = s.LegendeY;
        for (const std::string& zeile : zeilen) {
            // A line that would run past the page's right edge ends at the edge instead.
            const int x = std::max(k.RandX, std::min(s.LegendeX + k.RandX, k.Breite - c.textExtent(zeile).width));
            c.textOut(x, y + k.RandY, zeile);
            y += c.fontHeight();
        }
        k.DruckLegendeY = y;
        return {};
    }
    // Bottom centre: the title stands 1.8 (plain horizontal dial) or 2.55 line heights
    // (3.5 on small screens) above the bottom, the data lines follow 1.2 heights apart; a block
    // that would reach below the drawing moves up as a whole.
    const bool schlichtHorizontal = s.UhrTyp == 'h' && !s.Schirmuhr;
    const double titelAbstand = !k.umgebung.GrosserBildschirm ? 3.5 : (schlichtHorizontal ? 1.8 : 2.55);
    const double unten = 2.0 * k.MitteY + k.RandY;
    double y = unten - titelAbstand * h;
    const double blockUnten = y + 1.2 * h * static_cast<double>(zeilen.size());
    if (blockUnten > unten)
        y -= blockUnten - unten;
    const int x = k.MitteX - 4 * k.LegendeX + k.RandX;
    Legendenkasten kasten{double(x), y, double(x), y};
    for (const std::string& zeile : zeilen) {
        c.textOut(x, rundeKoordinate(y), zeile);
        kasten.x1 = std::max(kasten.x1, double(x + c.textExtent(zeile).width));
        y += 1.2 * h;
    }
    kasten.y1 = y;
    return kasten;
}

// Hour numbers beyond the solstice end of the shadow paths at 6, 9, 12, 15 and 18 o'clock.
void schattenpfadStunden(EbeneKontext& k, const Legendenkasten& legende)
{
    const AppState& s = k.s;
    Canvas& c = k.canvas;
    if (!s.Schalter.OhneZeitgl && !s.Schalter.MitZeitgl)
        return;
    const std::int32_t tagGleiche = TagImJahr(s.Par.Jahr, 9, 23);
    const std::int32_t tagWende = s.Par.Breite >= -10 ? TagImJahr(s.Par.Jahr, 6, 21) : TagImJahr(s.Par.Jahr, 12, 21);
    const double dekl = s.Par.Breite >= -10 ? s.EpsRund : -s.EpsRund;
    const CanvasFont vorher = c.font();
    c.setFontColor(s.Farben[2]);
    for (int stunde : {6, 9, 12, 15, 18}) {
        if (stunde < s.Zeiten.EotVon || stunde > s.Zeiten.EotBis)
            continue;
        punktFuer(k, sonneStundenlinie(s, tagGleiche, stunde, false, k.sonne, k.ebene.X2, k.Laenge));
        const double xg = k.x, yg = k.y;
        punktFuer(k, sonneStundenlinie(s, tagWende, stunde, false, k.sonne, k.ebene.X2, k.Laenge));
        // Off a wall a number is not written where the sun stands opposite its noon place
        // of that day (azimuth from the south, or from the north where the noon sun of the
        // solstice stands north of the zenith, as south of the equator).
        const double az = sonnenAzimut(k);
        const double vomMittag = s.Par.Breite < dekl ? std::remainder(az + 180, 360.0) : az;
        if (!k.beleuchtet || (!k.senkrecht && std::fabs(vomMittag) >= 179.5))
            continue;
        const double dx = k.x - xg, dy = k.y - yg;
        const double d = std::sqrt(dx * dx + dy * dy);
        if (!(d > 1e-9))
            continue;
        double x = k.x + 30 * dx / d;
        double y = k.y + 30 * dy / d;
        // Where the solstice end lies beyond the drawing's frame (the evening's long shadows)
        // or on the data lines, the number steps back along the path to the last place where
        // it is whole inside the frame and clear of them.
        const std::string zahl = std::to_string(stunde);
        const double breite = c.textExtent(zahl).width, hoehe = std::abs(c.fontHeight());
        const auto ganz = [&](double px, double py) {
            const double l = px - 5, r = l + breite, u = py + hoehe;
            const bool aufLegende = l < legende.x1 && legende.x0 < r && py < legende.y1 && legende.y0 < u;
            return l >= k.RandX && r <= k.Breite && py >= k.RandY && u <= k.Hoehe && !aufLegende;
        };
        if (!ganz(x, y) && !ganz(xg, yg)) {
            // Neither end will do (the equinox point lies in the dark or off the sheet): the
            // number goes to the first lit point of the path, from the solstice on, where it
            // is whole inside the frame; a path with none keeps no number.
            bool gefunden = false;
            for (int n = 1; n <= 60 && !gefunden; ++n) {
                const std::int32_t tag = tagWende + (tagGleiche - tagWende) * n / 60;
                punktFuer(k, sonneStundenlinie(s, tag, stunde, false, k.sonne, k.ebene.X2, k.Laenge));
                gefunden = k.beleuchtet && ganz(k.x, k.y);
            }
            if (!gefunden)
                continue;
            x = k.x;
            y = k.y;
        } else if (!ganz(x, y)) {
            double innen = 0, aussen = 1;
            for (int n = 0; n < 40; ++n) {
                const double t = (innen + aussen) / 2;
                (ganz(xg + t * (x - xg), yg + t * (y - yg)) ? innen : aussen) = t;
            }
            x = xg + innen * (x - xg);
            y = yg + innen * (y - yg);
        }
        c.textOut(rundeKoordinate(x - 5), rundeKoordinate(y), zahl);
    }
    c.setFont(vorher);
}

void stundenlinienTitel(EbeneKontext& k)
{
    const AppState& s = k.s;
    Canvas& c = k.canvas;
    std::string text;
    if (s.Schalter.OhneZeitgl)
        text = T(k, 119) + T(k, s.Schalter.OhneLaengenkorrektur ? 120 : 121);
    else
        text = T(k, 122) + T(k, s.Schalter.OrtszeitAnzeige ? 123 : 124);
    // The German caption of the figure-eights ends without the blank its English one has.
    const std::size_t fuge = T(k, s.Schalter.OhneZeitgl ? 119 : 122).size();
    if (fuge < text.size() && text[fuge - 1] != ' ')
        text.insert(fuge, " ");
    const CanvasFont vorher = c.font();
    c.setFontColor(s.Farben[3]);
    int x = k.RandX + rundeKoordinate(0.73 * k.Breite);
    if (!k.Bildschirm) {
        c.setFontHeight(30);
    } else if (!k.umgebung.GrosserBildschirm && k.umgebung.GrosseFonts) {
        c.setFontSize(7);
        x = k.RandX + 3;
    }
    // A caption that would run past the right edge ends at the edge instead.
    x = std::max(k.RandX + 3, std::min(x, k.Breite - 4 - c.textExtent(text).width));
    c.textOut(x, k.RandY + 4, text);
    c.setFont(vorher);
}

} // namespace

void zeichneFussmarke(EbeneKontext& k)
{
    const AppState& s = k.s;
    Canvas& c = k.canvas;
    const int lx = k.LegendeX;
    const int fx = k.FusspunktX;
    const int fy = k.FusspunktY;
    c.setPenColor(s.Farben[8]);
    const int q = rundeKoordinate(lx / 6.0);
    c.rectangle(fx - q, fy - q, fx + q, fy + q);
    if (s.UhrTyp == 'v' && !s.Schirmuhr) {
        c.setPenColor(s.Farben[4]);
        c.moveTo(k.RandX + 5, fy);
        c.lineTo(k.Breite - 5, fy);
    }
    c.setPenColor(s.Farben[3]);
    const int kreuz = rundeKoordinate(lx / 2.0);
    c.moveTo(fx - kreuz, fy);
    c.lineTo(fx + kreuz, fy);
    c.moveTo(fx, fy - kreuz);
    c.lineTo(fx, fy + kreuz);
}

void zeichneLegende(EbeneKontext& k)
{
    const AppState& s = k.s;
    Canvas& c = k.canvas;
    c.setPenColor(s.Farben[3]);
    c.setFontColor(s.Farben[3]);
    const Legendenkasten legende = schreibeZeilen(k);

    k.Laenge = s.Schalter.OhneLaengenkorrektur ? s.Par.Zonenmeridian : s.Par.Laenge;
    schattenpfadStunden(k, legende);
    stundenlinienTitel(k);
}

} // namespace umbrin
