// Every hour line of the altitude dials and cylinders that the sun draws on the sheet carries
// its number on the sheet, beside its own line, on screen, page and plot, north and south, in
// the dialog's time modes and date scales. Hour h's lines are those of the dial with h alone.
#include "StundenAnsicht.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <map>
#include <set>

using namespace umbrin;
using namespace umbrin::test;
namespace {
// How far a segment passes from a number's box (0 when it enters it), by points along it.
double abstand(const Strecke& s, const Zahl& z)
{
    double d = 1e300;
    for (double i = 0; i <= 1; i += 0.02) {
        const double x = s[0] + (s[2] - s[0]) * i;
        const double y = s[1] + (s[3] - s[1]) * i;
        d = std::min(d, std::hypot(std::max({z.x0 - x, 0.0, x - z.x1}), std::max({z.y0 - y, 0.0, y - z.y1})));
    }
    return d;
}

std::string pruefe(const Fall& f, int von, int bis)
{
    std::string fehler;
    for (const Sicht& sicht : {kSchirm, kSeiteA4, kPlot}) {
        const std::string wo = std::string(sicht.plot ? "plot" : sicht.seite ? "page" : "screen") + ": ";
        const Ansicht alle = zeichne(f, von, bis, sicht);
        std::map<int, std::set<Strecke>> eigene;
        for (int h = von; h <= bis; ++h) {
            eigene[h] = zeichne(f, h, h, sicht).linien;
            const bool gezeichnet = std::any_of(eigene[h].begin(), eigene[h].end(),
                                                [&](const Strecke& l) { return alle.linien.count(l) > 0; });
            if (gezeichnet && !alle.beziffert(h))
                fehler += wo + "hour " + std::to_string(h) + " drawn without its number\n";
        }
        for (const Zahl& z : alle.zahlen) {
            double eigen = 1e300, fremd = 1e300;
            for (const Strecke& s : alle.linien) {
                double& naechste = eigene[z.h].count(s) ? eigen : fremd;
                naechste = std::min(naechste, abstand(s, z));
            }
            // Its own line is the nearest, or touches the box (a quarter of its height) where lines crowd.
            if (z.aufDemBlatt && eigen > fremd + 1 && eigen > (z.y1 - z.y0) / 4)
                fehler += wo + "the line nearest " + std::to_string(z.h) + " is another's\n";
        }
    }
    return fehler;
}
// The shepherd's cylinder over the whole day on a date scale skala mm long.
void hirtenuhr(AppState& s, int skala)
{
    s.Schalter.ZylinderArt = 0;
    s.SkalaZylinder = skala;
    s.Zeiten.QuadVon = 0;
    s.Zeiten.QuadBis = 24;
}
} // namespace

TEST(Stundenzahlen, EveryHourDrawnOnTheSheetCarriesItsNumberThere)
{
    // The altitude dial and the shepherd's cylinder in both date scales at home and in the
    // south, in every time mode; the filter-hat and the polar rod facing the equator also at
    // 33.87 N, in the modes they offer.
    struct Uhr { char typ; int art, skala; };
    const Uhr hoehenuhren[] = {{'k', 0, 0}, {'k', 0, 1}, {'z', 0, 0}, {'z', 0, 1}};
    std::vector<Fall> faelle{{'b', 0, -33.87, 0, Ortszeit, 0}};
    for (Zeit zeit : {Ortszeit, Zonenzeit, MittlereZeit, Temporal}) {
        for (double breite : {47.25, -33.87, 33.87}) {
            for (const Uhr& u : hoehenuhren)
                if (breite != 33.87)
                    faelle.push_back({u.typ, u.art, breite, 0, zeit, u.skala});
            if (zeit != Temporal) {
                faelle.push_back({'z', 1, breite, 0, zeit, 0});
                faelle.push_back({'z', 2, breite, breite > 0 ? -11.7 : 168.3, zeit, 0});
            }
        }
    }
    for (const Fall& f : faelle) {
        const bool mittag = f.zeit == Ortszeit && f.art == 0; // local time keeps one side of noon
        const int von = f.zeit == Temporal ? 1 : f.zeit == MittlereZeit ? 9 : mittag ? 12 : 10;
        const int bis = f.zeit == Temporal ? 6 : f.zeit == MittlereZeit ? 17 : 18;
        // Known: side by side with EoT at 47.25 N the 16 h curve crosses 9 h's number (numbers avoid numbers).
        const bool bekannt = f.typ == 'k' && f.breite > 0 && f.zeit == MittlereZeit && f.skala == 1;
        EXPECT_EQ(pruefe(f, von, bis), bekannt ? "plot: the line nearest 9 is another's\n" : "")
            << f.typ << f.art << " at " << f.breite << ", mode " << f.zeit << ", scale " << f.skala;
    }
}

// The hour numbers keep off the scales' figures and names and off the legend, and the figures
// off each other: no two texts' ink overlaps by more than 4 % of the smaller.
TEST(Stundenzahlen, NumbersKeepOffTheScaleFiguresAndTheLegend)
{
    using Stelle = void (*)(AppState&);
    const struct {
        double breite, laenge, zone;
        int zeit;
        Sicht sicht;
        Stelle stelle = nullptr; // another dial or size than the filter-hat's own
    } faelle[] = {{8.8, 11.3, 15, 2, kSchirm}, {-3.1, -58.78, -60, 0, kSchirmKlein},
                  {-70, -9.59, -15, 0, kSchirm, [](AppState& s) { hirtenuhr(s, 20); }},
                  {23.8, -9.59, -15, 0, kSchirm, [](AppState& s) { hirtenuhr(s, 0); }},
                  {-70, -9.59, -15, 1, kSchirmKlein, [](AppState& s) { hirtenuhr(s, 20); }},
                  {28, -9.59, -15, 0, kSchirmKlein, [](AppState& s) { hirtenuhr(s, 45); }},
                  {21, -9.59, -15, 3, kSchirmKlein, [](AppState& s) { hirtenuhr(s, 100); }},
                  {-5.6, -9.59, -15, 0, kDruckA4Hoch, [](AppState& s) { s.Schalter.ZylinderArt = 0; s.Par.Skalenlaenge = 124; }},
                  {-5.6, -9.59, -15, 1, kDruckA3Hoch, [](AppState& s) { s.Schalter.ZylinderArt = 0; s.Par.Skalenlaenge = 220; }},
                  {-33.9, -9.59, -15, 0, kSchirmKlein, [](AppState& s) { s.UhrTyp = 'w'; s.Par.DatumMitte = 495; }},
                  {-46.2, -9.59, -15, 0, kSchirmKlein, [](AppState& s) { s.UhrTyp = 'p'; s.Par.PeauParameter = 0.61; }},
                  {-16.61, -9.59, -15, 0, kSchirmKlein, [](AppState& s) { s.SkalaZylinder = 40; }},
                  {47.25, -9.59, -15, 0, kDruckA4, [](AppState& s) { hirtenuhr(s, 8); }}, // months crowd
                  {-66.69, -20, -15, 1, kPlot, [](AppState& s) { hirtenuhr(s, 270); s.Schalter.Monatsskala = 0; }},
                  // '24' on the note of the shortened axis.
                  {67.02, -18.96, -15, 2, kDruckA4Hoch, [](AppState& s) { s.Zeiten.StundeVon = 0; s.Zeiten.StundeBis = 24; }}};
    for (const auto& f : faelle) {
        AppState s;
        initialisiereZustand(s);
        s.UhrTyp = 'z';
        s.Schalter.ZylinderArt = 1;
        s.Schalter.Temporalstunden = s.Schalter.TemporalAnzeige = f.zeit == 3;
        if (f.stelle)
            f.stelle(s);
        s.Par.Breite = f.breite;
        s.Par.Laenge = f.laenge;
        s.Par.Zonenmeridian = f.zone;
        if (f.zeit > 0) {
            s.Schalter.Ortszeit = s.Schalter.OhneLaengenkorrektur = 0;
            s.Schalter.Zonenzeit = 1;
        }
        s.Schalter.MitZeitgl = s.Schalter.MitZeitglZylinder = f.zeit == 2;
        const Blattinhalt b = zeichneInSicht(s, f.sicht, f.sicht.seite ? kSchirm : f.sicht);
        for (const Befund& t : f.sicht.plot ? plotTextlage(b.hpgl, 0.04).aufeinander : textAufText(b.roh, 0.04))
            ADD_FAILURE() << f.breite << " " << f.sicht.name << ": '" << t.text << "' on '" << t.zweiter << "'";
    }
}

// Under the midnight sun 0 and 24 o'clock draw one line on the cylinders. The polar rod's plot
// names it once; the shepherd's and the filter-hat's name it by both numbers, neither on the
// other nor, on one line, less than a blank after it (they would read as '024'), on the screen
// and in the plot. A mean-time line carries its number once, though two of its days in a leap
// year lie by 21 June: copies a few days apart would read as one number ('666').
TEST(Stundenzahlen, ZeroAndTwentyFourNameTheirLineWithoutStandingOnEachOther)
{
    for (const auto& [art, sicht] : {std::pair{0, kSchirm}, {1, kSchirm}, {1, kPlot}, {2, kPlot}}) {
        const Ansicht a = zeichne({'z', art, -71.5, 0, Zonenzeit, 0}, 0, 24, sicht);
        EXPECT_TRUE(a.beziffert(0)) << art << sicht.name;
        EXPECT_EQ(a.beziffert(24), art != 2) << art << sicht.name;
        for (const Zahl& n : a.zahlen)
            for (const Zahl& v : a.zahlen)
                if (n.h == 0 && v.h == 24) {
                    const double h = n.y1 - n.y0, luecke = std::max(v.x0 - n.x1, n.x0 - v.x1);
                    const bool eineZeile = std::min(n.y1, v.y1) - std::max(n.y0, v.y0) >= h / 2;
                    EXPECT_TRUE(eineZeile ? luecke >= 0.28 * h : luecke >= 0 || n.y1 <= v.y0 || v.y1 <= n.y0) << art << sicht.name;
                }
    }
    for (const auto& [art, sicht] : {std::pair{1, kPlot}, {2, kPlot}, {1, kSchirm}, {1, kSeiteA4}, {2, kSchirmKlein}}) {
        const Ansicht a = zeichne({'z', art, 47.25, art == 2 ? -11.7 : 0, MittlereZeit, 0}, 9, 17, sicht);
        for (int h = 9; h <= 17; ++h)
            EXPECT_LE(std::count_if(a.zahlen.begin(), a.zahlen.end(), [&](const Zahl& z) { return z.h == h; }), 1)
                << art << " " << sicht.name << " " << h;
    }
}
