// The cone dial's hour numbers over latitudes from the tropics to 60 degrees, zooms, cone
// lengths and both time modes, on both screens, an A4 and an A3 page and in the plot: a full
// even hour line drawn on the sheet carries its number there, no number stands for a line that
// is not drawn, and a cone too wide at its apex is refused by all alike. Each hour is drawn
// alone, so that its strokes are known to be its own.
#include "support/Ansichten.h"

#include <gtest/gtest.h>

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

// Whether the view refuses the dial, shows a stroke of the hour's line and its number.
std::array<bool, 3> zeige(const AppState& s, const Sicht& v)
{
    const Blattinhalt b = zeichneInSicht(s, v, kSchirm, {PromptAnswer::No}); // the plot without a grid
    const std::string stunde = std::to_string(s.Zeiten.QuadVon);
    bool linie = false, zahl = false;
    for (const Strich& st : b.striche)
        for (std::size_t k = 1; (v.plot ? st.stift == 3 : st.art == PrimitiveKind::Polyline && st.farbe == s.Farben[2])
                                && k < st.punkte.size(); ++k)
            linie = linie || aufBlatt(st.punkte[k - 1].x, st.punkte[k - 1].y, st.punkte[k].x, st.punkte[k].y,
                                      v.plot ? 16157 : v.breite, v.plot ? 11038 : v.hoehe, v.seite ? 50 : 0);
    for (const Beschriftung& t : b.texte)
        zahl = zahl || (t.text == stunde && (v.plot ? t.stift == 3 : t.farbe == s.Farben[2]));
    return {b.verweigert || !b.meldungen.empty(), linie, zahl};
}

} // namespace

TEST(KegelStundenzahlenSweep, EveryDrawnEvenHourLineCarriesItsNumberOnEverySheet)
{
    const double breiten[] = {2, 10, 23.44, -2, -10, -23.44, 47.25, -33.87, 60, -55}, zooms[] = {0.71, 1, 1.41, 2};
    const double laengen[] = {20, 35, 60}; // mm of the cone's axis
    int linien = 0;
    // Each latitude with four of the zooms, lengths and time modes in turn; last, a cone too wide.
    for (std::size_t i = 0; i <= 4 * std::size(breiten); ++i) {
        AppState s;
        initialisiereZustand(s);
        s.UhrTyp = 'm';
        const bool zuWeit = i == 4 * std::size(breiten);
        s.Par.Breite = zuWeit ? 47.25 : breiten[i / 4];
        s.Zoom = zooms[(i + i / 4) % 4];
        s.Par.Gnomonhoehe = laengen[(i + i / 4) % 3];
        s.Schalter.Zonenzeit = static_cast<std::uint8_t>(i % 2);
        s.Par.KegelOeffnung = zuWeit ? 50 : s.Par.KegelOeffnung;
        for (int h = 10; h <= 18; h += 2) {
            s.Zeiten.QuadVon = s.Zeiten.QuadBis = h;
            for (const Sicht& v : kSichten) {
                const auto [nein, linie, zahl] = zeige(s, v);
                const std::string wo = std::to_string(s.Par.Breite) + " deg, zoom " + std::to_string(s.Zoom) + ", "
                                       + std::to_string(s.Par.Gnomonhoehe) + " mm, " + std::to_string(h) + " h, " + v.name;
                EXPECT_EQ(nein, zuWeit) << wo;
                EXPECT_EQ(zahl, linie) << wo << (linie ? ": a drawn line without its number" : ": a number without its line");
                linien += linie;
            }
        }
    }
    EXPECT_GT(linien, 150);
}
