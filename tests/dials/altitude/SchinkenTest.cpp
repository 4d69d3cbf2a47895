// The ham dial checked against the sun's direction vector: each hour line through a date
// point rises at the sun's altitude at that hour on the date point's declination, and the
// drawn crossings lie on both lines they join.
#include "HoehenuhrReferenz.h"

#include "core/RecordingCanvas.h"
#include "core/Sprachdienst.h"
#include "core/State.h"
#include "dials/altitude/ZeichneSchinkenSU.h"
#include "support/Ansichten.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace umbrin;

namespace {

AppState zustand(double breite)
{
    AppState s;
    initialisiereZustand(s);
    s.Par.Breite = breite;
    s.Streckungsfaktor = 2.0;
    s.PositionAequinox = 90;
    for (std::size_t i = 0; i < 12; ++i)
        s.Farben[i] = 0x100000 + static_cast<Farbe>(i); // one pen per date point
    return s;
}

double referenzHoehe(double breite, double dekl, int j)
{
    const test::SonnenVektor r = test::sonnenVektor(breite, dekl, 15.0 * j);
    return std::atan2(r.u, r.waagrecht()) / test::kGradRef;
}

double neigung(CanvasPoint a, double bx, double by)
{
    return std::atan2(std::fabs(by - a.y), std::fabs(bx - a.x)) / test::kGradRef;
}

} // namespace

TEST(Schinken, HourLinesRiseAtTheSunsAltitudeAndCrossingsLieOnBoth)
{
    for (double breite : {47.25, 30.0, -35.0, -33.87, 0.0}) {
        SCOPED_TRACE(breite);
        const AppState s = zustand(breite);
        SchinkenAuftrag a;
        a.breite = 2970;
        a.hoehe = 2100;
        a.bildschirm = false;
        a.groesse = 40;
        RecordingCanvas c(2970, 2100, true);
        zeichneSchinkenSU(s, c, a);
        const SchinkenGeometrie g = schinkenGeometrie(s, a);
        int linien = 0, kreuzungen = 0;
        for (const RecordedPrimitive& p : c.primitives()) {
            if (p.kind != PrimitiveKind::Line || p.pen.color < 0x100000 || p.pen.color > 0x100006)
                continue;
            const CanvasPoint q = p.points[1];
            const int farbe = static_cast<int>(p.pen.color - 0x100000);
            if (farbe == 0) {
                // From date point 1 to the crossing with date point 2's line of the hour (or the edge).
                ASSERT_EQ(p.points[0], g.datum[1]);
                const bool amRand = q.x <= 0 || q.x >= 2970 || q.y <= 0 || q.y >= 2100;
                bool gefunden = false;
                for (int j = 0; j <= 8 && !gefunden; ++j) {
                    const double h1 = referenzHoehe(breite, g.dekl[1], j);
                    const double h2 = referenzHoehe(breite, g.dekl[2], j);
                    gefunden = std::fabs(neigung(g.datum[1], q.x, q.y) - std::fabs(h1)) < 0.2
                               && (amRand || std::fabs(neigung(g.datum[2], q.x, q.y) - std::fabs(h2)) < 0.2);
                }
                EXPECT_TRUE(gefunden) << q.x << " " << q.y;
                ++kreuzungen;
                continue;
            }
            if (p.points[0] == p.points[1] || farbe > 6)
                continue;
            const int i = farbe + 1; // pen Farben[i - 1] draws date point i's lines
            if (p.points[0] != g.datum[i])
                continue; // a cross mark
            if (std::hypot(q.x - p.points[0].x, q.y - p.points[0].y) < 300)
                continue; // too short to read its slope from whole units
            const double n = neigung(g.datum[i], q.x, q.y);
            double best = 90;
            for (int j = 0; j <= 8; ++j)
                best = std::min(best, std::fabs(n - std::fabs(referenzHoehe(breite, g.dekl[i], j))));
            EXPECT_LT(best, 0.3) << "date point " << i;
            ++linien;
        }
        EXPECT_GT(linien, 10);
        EXPECT_GT(kreuzungen, 0);
        for (const RecordedPrimitive& p : c.primitives())
            for (const CanvasPoint& q : p.points)
                ASSERT_TRUE(std::abs(q.x) < 1000000 && std::abs(q.y) < 1000000);
    }
}

TEST(Schinken, ParallelHourLinesHaveNoCrossing)
{
    const AppState s = zustand(0.0);
    SchinkenAuftrag a{2970, 2100, false, 40, false, {}, 0, 0};
    const SchinkenGeometrie g = schinkenGeometrie(s, a);
    double x = 0, y = 0;
    // At the equator the sun stands as high on both solstices at every hour.
    for (int j = 0; j <= 8; ++j)
        EXPECT_FALSE(schinkenKreuzung(g, 7, 1, j, x, y)) << j;
    EXPECT_TRUE(schinkenKreuzung(g, 3, 1, 3, x, y));
    // With e = 90 and s = 1 the equinox point stands straight above the centre.
    AppState t = zustand(47);
    t.Streckungsfaktor = 1;
    const SchinkenGeometrie h = schinkenGeometrie(t, a);
    EXPECT_EQ(h.datum[4].x, 1485);
    EXPECT_EQ(h.datum[4].y, 1050 - 800);
}

TEST(Schinken, MarkedPointsAreCarriedToThePageAboutTheCentre)
{
    AppState s = zustand(47.25);
    SchinkenAuftrag a{2970, 2100, false, 40, true, {{600, 400}, {680, 400}, {600, 440}}, 1200, 800};
    RecordingCanvas c(2970, 2100, true);
    zeichneSchinkenSU(s, c, a);
    const auto linie = c.select([](const RecordedPrimitive& p) { return p.kind == PrimitiveKind::Polyline; });
    ASSERT_EQ(linie.size(), 1u);
    // Image scale round(800 / 105) = 8 per mm, page 20 per mm: 2.5 times about the centre.
    EXPECT_EQ(linie[0]->points, (std::vector<CanvasPoint>{{1485, 1050}, {1685, 1050}, {1485, 1150}}));
    EXPECT_EQ(c.select([](const RecordedPrimitive& p) { return p.kind == PrimitiveKind::Line; }).size(), 0u);
}

// Every crossing mark stands whole on the image or the page, or the drawing (on the screen) or
// the check before printing (on paper) says how many do; the size that check names keeps them
// all on the page. No line leaves the sheet, even where two hour lines run all but parallel.
TEST(Schinken, CrossingMarksStayOnTheSheetOrTheUserIsTold)
{
    for (double breite : {66.0, 47.25, 35.0, 23.44, 10.0, 0.005, 0.0, -10.0, -23.44, -33.87, -60.0}) {
        int erwartet = 0; // the crossings there are: the two dates' lines of the hour rise at different angles
        for (int j = 2; j <= 7; ++j)
            for (const auto& [a, b] : {std::pair{-23.5, -11.75}, {-11.75, 11.75}, {11.75, 23.5}})
                erwartet += std::fabs(referenzHoehe(breite, a, j) - referenzHoehe(breite, b, j)) > 1e-9;
        for (double groesse : {9.0, 40.0, 100.0}) { // the dialog's smallest, first and largest size
            for (const test::Sicht& v : test::kBlaetter) {
                SCOPED_TRACE(testing::Message() << breite << " size " << groesse << " " << v.name);
                AppState s = zustand(breite);
                setzeSprache(s, false);
                s.SchinkenModus = 1;
                s.Par.HabermelGnomon = groesse;
                const double halb = v.seite ? 20 : 8;
                const auto ganzeMarken = [&](const test::Blattinhalt& b) { // their whole horizontal strokes
                    int n = 0;
                    for (const test::Strich& st : b.striche) {
                        const auto& p = st.punkte;
                        n += (st.farbe == s.Farben[2] || st.farbe == s.Farben[4] || st.farbe == s.Farben[6]) && p.size() == 2
                             && p[0].y == p[1].y && std::fabs(p[1].x - p[0].x) == 2 * halb && p[0].y >= halb && p[0].y + halb <= v.hoehe;
                        for (const auto& q : st.art == PrimitiveKind::Line ? p : std::vector<test::PlotPunkt>{})
                            EXPECT_TRUE(q.x >= 0 && q.x <= v.breite && q.y >= 0 && q.y <= v.hoehe) << q.x << " " << q.y;
                    }
                    return n;
                };
                const test::Blattinhalt b = test::zeichneInSicht(s, v);
                const int ganz = ganzeMarken(b);
                const std::string nein = v.seite ? bildeintrag(s, false)->vorDruck(s, v.breite, v.hoehe, {})
                                                 : (b.meldungen.empty() ? "" : b.meldungen[0].text);
                if (nein.empty() || nein.find("circle") != std::string::npos) {
                    EXPECT_TRUE(!nein.empty() || ganz == erwartet) << ganz;
                    continue;
                }
                EXPECT_NE(nein.find("Only " + std::to_string(ganz) + " of " + std::to_string(erwartet)), std::string::npos) << nein;
                const std::size_t bis = nein.find("up to size ");
                if (!v.seite || bis == std::string::npos)
                    continue;
                s.Par.HabermelGnomon = std::stod(nein.substr(bis + 11));
                EXPECT_EQ(bildeintrag(s, false)->vorDruck(s, v.breite, v.hoehe, {}), "");
                EXPECT_EQ(ganzeMarken(test::zeichneInSicht(s, v)), erwartet);
            }
        }
    }
}
