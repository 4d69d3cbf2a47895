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
#include "support/Zahl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

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

// The sun's declination at date point i: 270 + 30 (i - 1) degrees along the ecliptic in the
// north (1 at the winter solstice, 7 at the summer one), half a year later in the south, so
// that 7 holds the local summer there too.
double deklination(int i, double breite)
{
    const double laenge = (270 + 30 * (i - 1) + (breite < 0 ? 180 : 0)) * test::kGradRef;
    return std::asin(std::sin(23.44 * test::kGradRef) * std::sin(laenge)) / test::kGradRef;
}

// The crossing marks drawn: their middle strokes, horizontal and 2 halb long, in the pens of
// the date points 2, 4 and 6 (pen slot 2 marks where the lines of date points 1 and 3 meet).
struct Marke {
    int farbe;
    double x, y;
};
std::vector<Marke> marken(const test::Blattinhalt& b, double halb)
{
    std::vector<Marke> r;
    for (const RecordedPrimitive& p : b.roh) {
        const int farbe = static_cast<int>(p.pen.color) - 0x100000;
        const bool mitte = p.points.size() == 2 && p.points[0].y == p.points[1].y && p.points[1].x - p.points[0].x == 2 * halb;
        if (p.kind == PrimitiveKind::Line && mitte && (farbe == 2 || farbe == 4 || farbe == 6))
            r.push_back({farbe, p.points[0].x + halb, double(p.points[0].y)});
    }
    return r;
}

double abstandZurStrecke(const Marke& m, CanvasPoint a, CanvasPoint b)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double t = std::clamp(((m.x - a.x) * dx + (m.y - a.y) * dy) / std::max(dx * dx + dy * dy, 1e-9), 0.0, 1.0);
    return std::hypot(m.x - a.x - t * dx, m.y - a.y - t * dy);
}

const test::Sicht kSchinkenBlaetter[] = {test::kSchirm,  test::kSchirmKlein,  test::kSeiteA4,
                                        test::kSeiteA3, test::kSeiteA4Hoch, test::kSeiteA3Hoch};

} // namespace

// On screen and page (landscape and portrait) in both hemispheres, at the dialog's smallest,
// first and largest sizes: every hour line through a date point rises at the altitude of the
// sun above the horizon on that point's date, every crossing mark stands on a drawn line of each
// of its two dates, a mark is drawn for every hour whose two suns are up (by the test's own
// sun) and none else, and the southern dial is the northern one with its dates mirrored. Every
// crossing mark stands whole on the sheet, or the drawing says how many do; on a page the size
// it names keeps them all there. A page is refused only for a circle larger than the page,
// naming the largest size the page holds. No line leaves the sheet. The legend speaks the
// interface's language (German in the north, English in the south, where the warnings' words
// are read).
TEST(Schinken, EveryLineIsASunAboveTheHorizonAndEveryCrossingOnTheSheetOrSaid)
{
    for (double breite : {66.0, 52.0, 37.8, 23.44, 13.7, 10.0, 5.6, 1.0, 0.005, 0.0}) {
        for (double groesse : {9.0, 40.0, 60.0, 100.0}) {
            for (const test::Sicht& v : kSchinkenBlaetter) {
                std::vector<std::pair<Farbe, std::vector<CanvasPoint>>> nord;
                for (double phi : {breite, -breite}) {
                    SCOPED_TRACE(testing::Message() << phi << " size " << groesse << " " << v.name);
                    AppState s = zustand(phi);
                    setzeSprache(s, phi > 0);
                    s.SchinkenModus = 1;
                    s.Par.HabermelGnomon = groesse;
                    // The page holds circles up to the size, to a tenth, whose diameter (four
                    // times the size in millimetres) its shorter side takes.
                    const double seitenGrenze = std::floor(std::min(v.breite, v.hoehe) / 4.0) / 10;
                    const std::string nein = v.seite ? bildeintrag(s, false)->vorDruck(s, v.breite, v.hoehe, {}) : "";
                    EXPECT_EQ(nein.empty(), !v.seite || groesse <= seitenGrenze) << nein;
                    const std::string grenze = RealStr(4 * seitenGrenze, 1, 1) + " mm (size " + RealStr(seitenGrenze, 1, 1);
                    EXPECT_TRUE(nein.empty() || phi > 0 || nein.find("at most " + grenze + ")") != std::string::npos) << nein;
                    if (!nein.empty())
                        continue;
                    const test::Blattinhalt b = test::zeichneInSicht(s, v);
                    std::string legende;
                    for (const test::Beschriftung& t : b.texte)
                        legende += t.text + "\n";
                    for (const char* wort : {"Schinken", "Breite", "Ortszeit", "Durchmesser", "Streckung", "Aequinox", "Mausclick"})
                        EXPECT_EQ(legende.find(wort) != std::string::npos, phi > 0) << wort << "\n" << legende;
                    std::vector<std::pair<Farbe, std::vector<CanvasPoint>>> striche;
                    for (const RecordedPrimitive& p : b.roh)
                        if (p.kind != PrimitiveKind::Text)
                            striche.emplace_back(p.pen.color, p.points);
                    if (phi == breite)
                        nord = striche;
                    EXPECT_TRUE(striche == nord);
                    const SchinkenGeometrie g = schinkenGeometrie(s, {v.breite, v.hoehe, !v.seite, groesse, false, {}, 0, 0});
                    std::vector<std::vector<const RecordedPrimitive*>> linien(8);
                    for (const RecordedPrimitive& p : b.roh) {
                        for (const CanvasPoint& q : p.kind == PrimitiveKind::Line ? p.points : std::vector<CanvasPoint>{})
                            EXPECT_TRUE(q.x >= 0 && q.x <= v.breite && q.y >= 0 && q.y <= v.hoehe) << q.x << " " << q.y;
                        const int i = static_cast<int>(p.pen.color) - 0x100000 + 1; // pen Farben[i - 1] draws date point i
                        if (p.kind != PrimitiveKind::Line || i < 1 || i > 7 || p.points[0] != g.datum[i])
                            continue;
                        linien[static_cast<std::size_t>(i)].push_back(&p);
                        const double dx = p.points[1].x - p.points[0].x;
                        const double dy = p.points[1].y - p.points[0].y;
                        if (std::hypot(dx, dy) < 20)
                            continue;
                        // The line's angle below the horizontal (y runs down), against the sun's altitude.
                        const double winkel = std::atan(dy / dx) / test::kGradRef;
                        const double toleranz = 0.5 + std::atan2(1.5, std::hypot(dx, dy)) / test::kGradRef;
                        bool sonne = false;
                        for (int j = 0; j <= 8; ++j) {
                            const double h = referenzHoehe(phi, deklination(i, phi), j);
                            sonne = sonne || (h > -toleranz && std::fabs(winkel - h) < toleranz);
                        }
                        EXPECT_TRUE(sonne) << "date point " << i << " at " << winkel << " degrees";
                    }
                    const double halb = v.seite ? 20 : 8;
                    int ganz = 0;
                    for (const Marke& m : marken(b, halb)) {
                        ganz += m.x >= halb && m.x + halb <= v.breite && m.y >= halb && m.y + halb <= v.hoehe;
                        for (int i : {m.farbe - 1, m.farbe + 1}) {
                            double naechste = 1e9;
                            for (const RecordedPrimitive* l : linien[static_cast<std::size_t>(i)])
                                naechste = std::min(naechste, abstandZurStrecke(m, l->points[0], l->points[1]));
                            EXPECT_LT(naechste, 2.5) << "mark at " << m.x << " " << m.y << " off the lines of date point " << i;
                        }
                    }
                    // The crossings there are: those drawn on a page so large that it holds them all.
                    RecordingCanvas gross(1000000000, 1000000000, true);
                    zeichneSchinkenSU(s, gross, {1000000000, 1000000000, false, groesse, false, {}, 0, 0});
                    const std::vector<Marke> alle = marken(test::leseCanvas(gross), 20);
                    for (int farbe : {2, 4, 6}) {
                        // The hours whose suns on both dates stand above the horizon, their lines not
                        // parallel: surely, and at most (this sun takes 23.44 degrees, the dial 23.5).
                        int sicher = 0, moeglich = 0;
                        for (int j = 2; j <= 7; ++j) {
                            const double ha = referenzHoehe(phi, deklination(farbe - 1, phi), j);
                            const double hb = referenzHoehe(phi, deklination(farbe + 1, phi), j);
                            sicher += std::min(ha, hb) > 0.5 && std::fabs(ha - hb) > 0.5;
                            moeglich += std::min(ha, hb) > -0.5;
                        }
                        const auto n = std::count_if(alle.begin(), alle.end(), [&](const Marke& m) { return m.farbe == farbe; });
                        EXPECT_TRUE(n >= sicher && n <= moeglich) << "pen " << farbe << ": " << n << " of " << sicher << ".." << moeglich;
                    }
                    const auto erwartet = static_cast<int>(alle.size());
                    const std::string warnung = b.meldungen.empty() ? "" : b.meldungen[0].text;
                    EXPECT_EQ(warnung.empty(), ganz == erwartet) << ganz << " " << warnung;
                    if (ganz == erwartet || phi > 0)
                        continue;
                    const std::string anteil = "Only " + std::to_string(ganz) + " of " + std::to_string(erwartet);
                    EXPECT_NE(warnung.find(anteil), std::string::npos) << warnung;
                    const std::size_t bis = warnung.find("All of them fit up to size ");
                    if (!v.seite || bis == std::string::npos)
                        continue;
                    s.Par.HabermelGnomon = test::zahl(warnung.substr(bis + 27));
                    const test::Blattinhalt kleiner = test::zeichneInSicht(s, v);
                    EXPECT_EQ(marken(kleiner, halb).size(), std::size_t(erwartet));
                    EXPECT_TRUE(kleiner.meldungen.empty());
                }
            }
        }
    }
}
