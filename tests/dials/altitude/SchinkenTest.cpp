// The ham dial checked against the sun's direction vector: each hour line through a date
// point rises at the sun's altitude at that hour on the date point's declination, and the
// drawn crossings lie on both lines they join.
#include "HoehenuhrReferenz.h"

#include "core/RecordingCanvas.h"
#include "core/Sprachdienst.h"
#include "core/State.h"
#include "core/Zahlenformat.h"
#include "dials/altitude/ZeichneSchinkenSU.h"
#include "support/Ansichten.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

using namespace umbrin;

namespace {

AppState zustand(double breite)
{
    AppState s;
    initialisiereZustand(s);
    s.Par.Breite = breite;
    s.Streckungsfaktor = 2.0;
    for (std::size_t i = 0; i < 12; ++i)
        s.Farben[i] = 0x100000 + static_cast<Farbe>(i); // one pen per date point
    return s;
}

double referenzHoehe(double breite, double dekl, int j)
{
    const test::SonnenVektor r = test::sonnenVektor(breite, dekl, 15.0 * j);
    return std::atan2(r.u, r.waagrecht()) / test::kGradRef;
}

} // namespace

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
    t.PositionAequinox = 90;
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

namespace {

// The seven dates of the dial by the almanac: the sun 270 + 30 (i - 1) degrees along the
// ecliptic at date point i in the north (1 at the winter solstice, 7 at the summer one), half a
// year later in the south, so that 7 holds the local summer there too.
double almanachDeklination(int i, double breite)
{
    const double laenge = std::fmod(270 + 30 * (i - 1) + (breite < 0 ? 180 : 0), 360.0);
    double dekl = 0, abstand = 360;
    for (int tag = 0; tag < 366; ++tag) {
        const test::Almanachsonne a = test::almanachsonne(test::almanachTage(2026, 1, 1) + tag);
        const double d = std::fabs(std::remainder(a.laenge - laenge, 360.0));
        if (d < abstand) {
            abstand = d;
            dekl = a.deklination;
        }
    }
    return dekl;
}

// The strokes of the dial in the view, each its kind, pen colour and points; the legend left out.
using Striche = std::vector<std::tuple<PrimitiveKind, Farbe, std::vector<CanvasPoint>>>;
Striche ohneText(const test::Blattinhalt& b)
{
    Striche r;
    for (const RecordedPrimitive& p : b.roh)
        if (p.kind != PrimitiveKind::Text)
            r.emplace_back(p.kind, p.pen.color, p.points);
    return r;
}

double abstandZurStrecke(double px, double py, CanvasPoint a, CanvasPoint b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double l2 = dx * dx + dy * dy;
    const double t = l2 > 0 ? std::clamp(((px - a.x) * dx + (py - a.y) * dy) / l2, 0.0, 1.0) : 0;
    return std::hypot(px - a.x - t * dx, py - a.y - t * dy);
}

// The crossing marks standing whole on the sheet, by their horizontal strokes; every line on
// the sheet.
int ganzeMarken(const test::Blattinhalt& b, const AppState& s, double halb)
{
    int n = 0;
    for (const test::Strich& st : b.striche) {
        const auto& p = st.punkte;
        const bool marke = st.farbe == s.Farben[2] || st.farbe == s.Farben[4] || st.farbe == s.Farben[6];
        n += marke && p.size() == 2 && p[0].y == p[1].y && std::fabs(p[1].x - p[0].x) == 2 * halb && p[0].y >= halb
             && p[0].y + halb <= b.hoehe;
        if (st.art != PrimitiveKind::Line)
            continue;
        for (const test::PlotPunkt& q : p)
            EXPECT_TRUE(q.x >= 0 && q.x <= b.breite && q.y >= 0 && q.y <= b.hoehe) << q.x << " " << q.y;
    }
    return n;
}

const test::Sicht kSchinkenBlaetter[] = {test::kSchirm,    test::kSchirmKlein,   test::kSeiteA4,
                                        test::kSeiteA3,   test::kSeiteA4Hoch,   test::kSeiteA3Hoch};

} // namespace

// On screen and page in both hemispheres: every hour line through a date point rises at the
// altitude of the almanac's sun above the horizon on that point's date, every crossing mark
// stands on a drawn line of each of its two dates, and the southern dial is the northern one of
// the same latitude with its dates mirrored. The legend speaks the interface's language
// (German in the north, English in the south).
TEST(Schinken, EveryLineIsASunAboveTheHorizonInBothHemispheres)
{
    for (double breite : {5.6, 20.0, 37.8, 52.0, 64.1}) {
        for (const test::Sicht& v : kSchinkenBlaetter) {
            Striche nord;
            for (double phi : {breite, -breite}) {
                SCOPED_TRACE(testing::Message() << phi << " " << v.name);
                AppState s = zustand(phi);
                setzeSprache(s, phi > 0);
                s.SchinkenModus = 1;
                s.Par.HabermelGnomon = 40;
                const test::Blattinhalt b = test::zeichneInSicht(s, v);
                std::string legende;
                for (const test::Beschriftung& t : b.texte)
                    legende += t.text + "\n";
                for (const char* wort : {"Schinken", "Breite", "Ortszeit", "Durchmesser", "Streckung", "Aequinox", "Mausclick"})
                    EXPECT_EQ(legende.find(wort) != std::string::npos, phi > 0) << wort << "\n" << legende;
                if (phi > 0)
                    nord = ohneText(b);
                else
                    EXPECT_TRUE(ohneText(b) == nord);
                SchinkenAuftrag a{v.breite, v.hoehe, !v.seite, 40, false, {}, 0, 0};
                const SchinkenGeometrie g = schinkenGeometrie(s, a);
                std::vector<std::vector<const RecordedPrimitive*>> linien(8);
                for (const RecordedPrimitive& p : b.roh) {
                    const int i = static_cast<int>(p.pen.color) - 0x100000 + 1;
                    if (p.kind != PrimitiveKind::Line || i < 1 || i > 7 || p.points[0] != g.datum[i])
                        continue;
                    linien[static_cast<std::size_t>(i)].push_back(&p);
                    const double dx = p.points[1].x - p.points[0].x, dy = p.points[1].y - p.points[0].y;
                    const double laenge = std::hypot(dx, dy);
                    if (laenge < 20)
                        continue;
                    // The line's angle below the horizontal (y runs down), modulo a half turn.
                    double winkel = std::atan2(dy, dx) / test::kGradRef;
                    winkel = winkel > 90 ? winkel - 180 : (winkel <= -90 ? winkel + 180 : winkel);
                    const double toleranz = 0.5 + std::atan2(1.5, laenge) / test::kGradRef;
                    bool sonne = false;
                    for (int j = 0; j <= 8; ++j) {
                        const double h = referenzHoehe(phi, almanachDeklination(i, phi), j);
                        sonne = sonne || (h > -toleranz && std::fabs(winkel - h) < toleranz);
                    }
                    EXPECT_TRUE(sonne) << "date point " << i << " at " << winkel << " degrees";
                }
                ASSERT_GT(linien[7].size(), 3u);
                const double halb = v.seite ? 20 : 8;
                for (const RecordedPrimitive& p : b.roh) {
                    const int farbe = static_cast<int>(p.pen.color) - 0x100000;
                    const bool mitte = p.kind == PrimitiveKind::Line && p.points[0].y == p.points[1].y
                                       && p.points[1].x - p.points[0].x == 2 * halb;
                    if (!mitte || (farbe != 2 && farbe != 4 && farbe != 6))
                        continue;
                    const double mx = p.points[0].x + halb, my = p.points[0].y;
                    for (int i : {farbe - 1, farbe + 1}) {
                        double naechste = 1e9;
                        for (const RecordedPrimitive* l : linien[static_cast<std::size_t>(i)])
                            naechste = std::min(naechste, abstandZurStrecke(mx, my, l->points[0], l->points[1]));
                        EXPECT_LT(naechste, 2.5) << "mark at " << mx << " " << my << " off the lines of date point " << i;
                    }
                }
            }
        }
    }
}

// Every crossing mark stands whole on the image or the page, or the drawing says how many do;
// on a page the size it names keeps them all there. A page is refused only for a circle larger
// than the page, naming the largest size the page holds. No line leaves the sheet.
TEST(Schinken, CrossingMarksStayOnTheSheetOrTheUserIsTold)
{
    for (double breite : {66.0, 47.25, 35.0, 20.0, 10.0, 5.6, 0.005, 0.0, -10.0, -23.44, -33.87, -60.0}) {
        // The crossings there are: those drawn on a page so large that it holds them all.
        AppState gross = zustand(breite);
        RecordingCanvas c(1000000000, 1000000000, true);
        zeichneSchinkenSU(gross, c, {1000000000, 1000000000, false, 40, false, {}, 0, 0});
        const int erwartet = ganzeMarken(test::leseCanvas(c), gross, 20);
        // The hours the sun is up in every season; at the equator the two dates of a pair cast
        // parallel lines.
        EXPECT_GE(erwartet, breite > 60 || breite == 0 ? 3 : 8) << breite;
        for (double groesse : {9.0, 40.0, 60.0, 100.0}) { // the dialog's smallest, first and largest size
            for (const test::Sicht& v : kSchinkenBlaetter) {
                SCOPED_TRACE(testing::Message() << breite << " size " << groesse << " " << v.name);
                AppState s = zustand(breite);
                setzeSprache(s, false);
                s.SchinkenModus = 1;
                s.Par.HabermelGnomon = groesse;
                const double halb = v.seite ? 20 : 8;
                // The page holds circles up to the size, to a tenth, whose diameter (four times
                // the size in millimetres) its shorter side takes.
                const double seitenGrenze = std::floor(std::min(v.breite, v.hoehe) / 4.0) / 10;
                const std::string nein = v.seite ? bildeintrag(s, false)->vorDruck(s, v.breite, v.hoehe, {}) : "";
                EXPECT_EQ(nein.empty(), !v.seite || groesse <= seitenGrenze) << nein;
                if (!nein.empty()) {
                    EXPECT_NE(nein.find("at most " + RealStr(4 * seitenGrenze, 1, 1) + " mm (size "
                                        + RealStr(seitenGrenze, 1, 1) + ")"),
                              std::string::npos)
                        << nein;
                    continue;
                }
                const test::Blattinhalt b = test::zeichneInSicht(s, v);
                const int ganz = ganzeMarken(b, s, halb);
                const std::string warnung = b.meldungen.empty() ? "" : b.meldungen[0].text;
                EXPECT_EQ(warnung.empty(), ganz == erwartet) << ganz << " " << warnung;
                if (ganz == erwartet)
                    continue;
                EXPECT_NE(warnung.find("Only " + std::to_string(ganz) + " of " + std::to_string(erwartet)), std::string::npos)
                    << warnung;
                const std::size_t bis = warnung.find("All of them fit up to size ");
                if (!v.seite || bis == std::string::npos)
                    continue;
                s.Par.HabermelGnomon = std::stod(warnung.substr(bis + 27));
                const test::Blattinhalt kleiner = test::zeichneInSicht(s, v);
                EXPECT_EQ(ganzeMarken(kleiner, s, halb), erwartet);
                EXPECT_TRUE(kleiner.meldungen.empty());
            }
        }
    }
}

