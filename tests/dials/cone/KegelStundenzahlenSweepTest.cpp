// The cone dial's hour lines and numbers over the dialog's ranges: latitudes from the tropics
// to 66 degrees on the three planes, the hours 0..24, the cone's tilt (as the dialog stores it),
// axis and opening and the plane's deviation and inclination at their ends and defaults,
// zooms and both time modes, on both screens, an A4 and an A3 page and in the plot. An hour at
// which the sun never stands above both the true horizon and the dial's face (worked out here
// from the almanac's sun) has no stroke and no number; a full even hour line drawn on the sheet
// carries its number on the sheet and no number stands for a line that is not drawn; a cone
// the program refuses is refused by all views alike.
#include "dials/cone/KegelKoerper.h"
#include "dials/cone/KegelKonstruktion.h"
#include "dialogs/Wertebereiche.h"
#include "support/Almanachsonne.h"
#include "support/Ansichten.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace umbrin;
using namespace umbrin::test;

namespace {

// A stroke from a to b reaches into the sheet from (r, r) to (b - r, h - r).
bool aufBlatt(double ax, double ay, double bx, double by, double b, double h, double r)
{
    for (double u = 0; u <= 1; u += 1.0 / 16)
        if (const double x = ax + u * (bx - ax), y = ay + u * (by - ay); x > r && y > r && x < b - r && y < h - r)
            return true;
    return false;
}

// What a view shows of the hours QuadVon..QuadBis: whether it refuses the dial, whether a
// stroke of a full hour's line reaches the sheet, and the hours whose numbers stand on it.
struct Gezeigt {
    bool nein = false, linie = false;
    std::set<int> zahlen;
};
Gezeigt zeige(const AppState& s, const Sicht& v)
{
    const Blattinhalt b = zeichneInSicht(s, v, kSchirm, {PromptAnswer::No}); // the plot without a grid
    const double breite = v.plot ? 16157 : v.breite, hoehe = v.plot ? 11038 : v.hoehe, rand = v.seite ? 50 : 0;
    Gezeigt g;
    // (A cone too large for the sheet is drawn, with a warning.)
    g.nein = b.verweigert || std::any_of(b.meldungen.begin(), b.meldungen.end(), [](const Konstruktionsmeldung& m) {
                 return m.titel == PromptTitle::Fehler;
             });
    for (const Strich& st : b.striche)
        for (std::size_t k = 1; (v.plot ? st.stift == 3 : st.art == PrimitiveKind::Polyline && st.farbe == s.Farben[2])
                                && k < st.punkte.size(); ++k)
            g.linie = g.linie || aufBlatt(st.punkte[k - 1].x, st.punkte[k - 1].y, st.punkte[k].x, st.punkte[k].y,
                                          breite, hoehe, rand);
    for (const Beschriftung& t : b.texte)
        if (const int h = zahlIn(t.text); h >= 0 && (v.plot ? t.stift == 3 : t.farbe == s.Farben[2])) {
            EXPECT_TRUE(t.an.x >= 0 && t.an.y >= 0 && t.an.x < breite && t.an.y < hoehe) << t.text << " off the sheet";
            g.zahlen.insert(h);
        }
    return g;
}

// How high the sun stands at clock hour h above both the true horizon and the dial's face, at
// its highest over the year (degrees): below 0 when it never shines on the face at that hour.
double hoechstesLicht(const AppState& s, int h)
{
    using namespace kegel;
    const int art = s.Schalter.Ebene % 3;
    const Ebene e = art == 0 ? ebene(0, 0) : ebene(s.Par.Wandabweichung, art == 1 ? 90 : s.Par.Inklination);
    const double ortszeit = s.Schalter.Zonenzeit == 1 ? h - (s.Par.Laenge - s.Par.Zonenmeridian) / 15 : h;
    double hoechste = -90;
    for (int d = 0; d < 366; ++d) {
        const double n = almanachTage(s.Par.Jahr, 1, 1) + d;
        const Almanachsonne a = almanachsonne(n);
        const double eps = (23.439 - 0.0000004 * n) * kGrad, lambda = a.laenge * kGrad;
        const double ra = std::atan2(std::cos(eps) * std::sin(lambda), std::cos(lambda)) / kGrad;
        const double zgl = std::remainder(280.460 + 0.9856474 * n - ra, 360.0); // true minus mean sun
        const V r = sonne(s.Par.Breite, a.deklination, (ortszeit - 12) * 15 + zgl);
        hoechste = std::max(hoechste, std::asin(std::min(r.z, dot(r, e.normale))) / kGrad);
    }
    return hoechste;
}

// A cone dial of the tilt, axis, opening, deviation and inclination given on the plane given.
AppState fall(double breite, int ebene, double neigung, double achse, double oeffnung = 12, double abweichung = -11.7,
              double inklination = 25.4589, double zoom = 1, int zonenzeit = 0)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'm';
    s.Par.Breite = breite;
    s.Schalter.Ebene = static_cast<std::uint8_t>(ebene);
    s.Par.KegelNeigung = neigung;
    s.Par.Gnomonhoehe = achse;
    s.Par.KegelOeffnung = oeffnung;
    s.Par.Wandabweichung = abweichung;
    s.Par.Inklination = inklination;
    s.Zoom = zoom;
    s.Schalter.Zonenzeit = static_cast<std::uint8_t>(zonenzeit);
    return s;
}

// Each latitude on each plane, the other values in turn; the tilt typed as the latitude on the
// horizontal plane, on the others the stored tilts the dialog allows, the refused ends among them.
std::vector<AppState> faelle()
{
    const double breiten[] = {2, 10, 23.44, -2, -10, -23.44, 35, 47.25, 55, 66, -33.87, -55};
    const double achsen[] = {5, 35, 500, 20}, abweichungen[] = {-180, -11.7, 180, 0};
    const double inklinationen[] = {0, 25.4589, 175, 40}, zooms[] = {0.71, 1, 1.41, 2};
    std::vector<AppState> f;
    for (std::size_t n = 0; n < std::size(breiten); ++n) {
        const double b = breiten[n], getippt = kegelNeigungGespeichert(b);
        const double neigungen[3][4] = {{getippt, getippt, getippt, getippt}, {90, 146.13, 60, 1},
                                        {60, getippt, 179, 90}};
        for (std::size_t e = 0; e < 3; ++e) {
            const std::size_t i = 3 * n + e;
            f.push_back(fall(b, int(e), neigungen[e][n % 4], achsen[i % 4], i % 7 == 3 ? 1.0 : 12.0,
                             abweichungen[i % 4], inklinationen[(i / 3) % 4], zooms[(i / 4) % 4], int(i % 2)));
        }
    }
    f.push_back(fall(35, 1, 60, 20, 12, 0, 40));
    f.push_back(fall(-23.44, 2, 60, 20, 12, 0, 40));
    f.push_back(fall(47.25, 0, 90, 35, 85, 0, 40, 2));
    return f;
}

} // namespace

TEST(KegelStundenzahlenSweep, HoursOnlyWhereTheSunShinesAndEveryDrawnEvenLineNumbered)
{
    int linien = 0, dunkel = 0;
    for (AppState s : faelle()) {
        const bool nein = !kegelAblehnung(s).empty();
        const std::string wie = std::to_string(s.Par.Breite) + " deg, plane " + std::to_string(s.Schalter.Ebene)
                                + ", tilt " + std::to_string(s.Par.KegelNeigung) + ", axis "
                                + std::to_string(s.Par.Gnomonhoehe);
        const auto zeigeStunden = [&](const Sicht& v, int von, int bis) {
            s.Zeiten.QuadVon = von;
            s.Zeiten.QuadBis = bis;
            const Gezeigt g = zeige(s, v);
            EXPECT_EQ(g.nein, nein) << wie << ", " << v.name;
            return g;
        };
        for (const Sicht& v : kSichten) {
            const Gezeigt alle = zeigeStunden(v, 0, 24);
            for (int h = 0; h <= 24; ++h) {
                // The hours the sun surely never lights (beyond half a degree) and those it surely does.
                const double l = hoechstesLicht(s, h);
                const std::string wo = wie + ", " + std::to_string(h) + " h, " + v.name;
                if (l < -0.5) {
                    // Each dark hour alone: no stroke, no number.
                    const Gezeigt g = zeigeStunden(v, h, h);
                    EXPECT_FALSE(g.linie || g.zahlen.count(h) || alle.zahlen.count(h))
                        << wo << ": the sun never shines then";
                    dunkel += !nein;
                } else if (l > 0.5 && h % 2 == 0) {
                    const bool linie = zeigeStunden(v, h, h).linie;
                    EXPECT_EQ(alle.zahlen.count(h) == 1, linie)
                        << wo << (linie ? ": a drawn line without its number" : ": a number without its line");
                    linien += linie;
                }
            }
        }
    }
    EXPECT_TRUE(linien > 400 && dunkel > 400) << linien << " lines drawn, " << dunkel << " dark hours";
}

// With the tilt typed as the latitude (stored with 180 added in the south), on every plane and view an
// hour number keeps a fifth of its height clear of every stroke of the dial, its own line included.
TEST(KegelStundenzahlenSweep, NumbersKeepClearOfTheLines)
{
    for (const auto& [breite, ebene] : {std::pair{-33.87, 0}, std::pair{-33.87, 1}, std::pair{-33.87, 2},
                                        std::pair{47.25, 1}, std::pair{47.25, 2}}) {
        const AppState s = fall(breite, ebene, kegelNeigungGespeichert(breite), 35);
        for (const Sicht& v : kSichten) {
            const Blattinhalt b = zeichneInSicht(s, v, kSchirm, {PromptAnswer::No});
            for (const Beschriftung& t : b.texte) {
                if (zahlIn(t.text) < 0 || (v.plot ? t.stift != 3 : t.farbe != s.Farben[2]))
                    continue;
                // The box of the letters: 0.55 of the height a digit on a canvas, the cell of
                // the label's size in the plot (y up from its lower left corner).
                const double h = v.plot ? 128 : std::fabs(t.hoehe), w = (v.plot ? 144 : 0.55 * h) * t.text.size();
                const double x0 = t.an.x, y0 = t.an.y, abstandMin = 0.2 * h;
                double naechster = 1e18;
                for (const Strich& st : b.striche) {
                    if (st.art == PrimitiveKind::Ellipse || st.art == PrimitiveKind::Arc || st.stift == 9)
                        continue;
                    for (std::size_t k = 1; k < st.punkte.size(); ++k) {
                        const PlotPunkt a = st.punkte[k - 1], e = st.punkte[k];
                        const int n = 1 + int(std::hypot(e.x - a.x, e.y - a.y) / (0.05 * h));
                        for (int i = 0; i <= n; ++i) {
                            const double x = a.x + (e.x - a.x) * i / n, y = a.y + (e.y - a.y) * i / n;
                            naechster = std::min(naechster, std::hypot(std::max({0.0, x0 - x, x - x0 - w}),
                                                                       std::max({0.0, y0 - y, y - y0 - h})));
                        }
                    }
                }
                EXPECT_GE(naechster, abstandMin) << breite << " deg, plane " << ebene << ", " << v.name << ": "
                                                 << t.text << " at " << t.an.x << "," << t.an.y;
            }
        }
    }
}
