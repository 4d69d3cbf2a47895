#include "core/RecordingCanvas.h"
#include "core/Sonne.h"
#include "core/State.h"
#include "dials/Clipping.h"
#include "dials/Datumslinien.h"
#include "dials/Ebenenprojektion.h"
#include "dials/Kugeldrehung.h"
#include "dials/Raster.h"
#include "dials/RandUndRahmen.h"
#include "dials/Sonnwendazimut.h"
#include "dials/TextGedreht.h"
#include "dials/UngleicheStunden.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

using namespace umbrin;

namespace {

AppState startZustand()
{
    AppState s;
    initialisiereZustand(s);
    return s;
}

} // namespace

TEST(Datumslinien, ZodiacAndTwicePerMonthModes)
{
    AppState s = startZustand();
    DatumslinienTabelle t;
    setzeDatumslinien(s, '0', t);
    ASSERT_EQ(t.Zahl, 7);
    EXPECT_EQ(t.Text, (std::vector<std::string>{"21.6.", "22.7.", "23.8.", "22.9.", "23.10.", "22.11.", "22.12."}));
    EXPECT_EQ(t.Tage.front(), TagImJahr(s.Par.Jahr, 6, 21));
    EXPECT_EQ(t.Tage.back(), TagImJahr(s.Par.Jahr, 12, 22));

    setzeDatumslinien(s, '1', t);
    ASSERT_EQ(t.Zahl, 13);
    EXPECT_EQ(t.Text[0], "22.6.");
    EXPECT_EQ(t.Text[1], " 7.7.");
    EXPECT_EQ(t.Text[12], "22.12.");
    EXPECT_EQ(t.Tage[1], TagImJahr(s.Par.Jahr, 7, 7));
}

TEST(Datumslinien, OwnListSkipsEntriesThatAreNotDatesAndFallsBackWhenEmpty)
{
    AppState s = startZustand();
    DatumslinienTabelle t;
    s.Datumslinien.clear();
    setzeDatumslinien(s, '2', t);
    EXPECT_EQ(t.Text, (std::vector<std::string>{"21.06.", "23.09.", "21.12."}));
    EXPECT_EQ(t.Zahl, 3);

    s.Datumslinien = {"21/03    ( 21. März )", "", "xx/05", "31/02    ( 31. Feb )", " 5/11", "15/13", "01/08"};
    setzeDatumslinien(s, '2', t);
    EXPECT_EQ(t.Text, (std::vector<std::string>{"21.03.", " 5.11.", "01.08."}));
    EXPECT_EQ(t.Zahl, 3);
    EXPECT_EQ(t.Tage[0], TagImJahr(s.Par.Jahr, 3, 21));
    EXPECT_EQ(t.Tage[1], TagImJahr(s.Par.Jahr, 11, 5));

    // A list of nothing but faulty entries gives no lines, not the lines of an earlier drawing.
    s.Datumslinien = {"", "ab/cd"};
    setzeDatumslinien(s, '2', t);
    EXPECT_EQ(t.Zahl, 0);
    EXPECT_TRUE(t.Tage.empty());
}

// The last day of a month is a date line of its own; the day of the year is counted here from
// the month lengths of the leap year 2024. The 31st of a 30-day month is no date.
TEST(Datumslinien, OwnLinesOnTheLastDayOfAMonth)
{
    AppState s = startZustand();
    s.Par.Jahr = 2024;
    const int monatslaenge[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const auto tagImJahr = [&](int tag, int monat) {
        int n = tag;
        for (int m = 1; m < monat; ++m)
            n += monatslaenge[m - 1];
        return n;
    };
    s.Datumslinien = {"31/01    ( 31. Jan )", "29/02    ( 29. Feb )", "30/06    ( 30. Jun )",
                      "31/06    ( 31. Jun )", "30/11    ( 30. Nov )", "31/12    ( 31. Dez )"};
    DatumslinienTabelle t;
    setzeDatumslinien(s, '2', t);
    EXPECT_EQ(t.Text, (std::vector<std::string>{"31.01.", "29.02.", "30.06.", "30.11.", "31.12."}));
    EXPECT_EQ(t.Tage, (std::vector<std::int32_t>{tagImJahr(31, 1), tagImJahr(29, 2), tagImJahr(30, 6),
                                                 tagImJahr(30, 11), tagImJahr(31, 12)}));
    EXPECT_EQ(t.Tage.back(), 366);
}

TEST(Datumslinien, NoneModeEmptiesAndUnknownModeKeepsTheTable)
{
    AppState s = startZustand();
    DatumslinienTabelle t;
    setzeDatumslinien(s, '1', t);
    setzeDatumslinien(s, '7', t);
    EXPECT_EQ(t.Zahl, 13);
    setzeDatumslinien(s, '3', t);
    EXPECT_EQ(t.Zahl, 0);
    EXPECT_TRUE(t.Text.empty());
}

TEST(DreheKugelKoord, ZeroTurnKeepsThePointAndQuarterTurnMovesThePole)
{
    double b2, q, l2;
    for (double b : {-60.0, 0.0, 33.3}) {
        for (double l : {-170.0, -20.0, 0.0, 95.0}) {
            dreheKugelKoord(b, l, 0, b2, q, l2);
            EXPECT_NEAR(b2, b, 1e-9);
            EXPECT_NEAR(l2, l, 1e-9);
            EXPECT_NEAR(q, 0, 1e-9);
        }
    }
    dreheKugelKoord(90, 0, 90, b2, q, l2); // the pole comes down to the equator
    EXPECT_NEAR(b2, 0, 1e-9);
    dreheKugelKoord(0, 90, 37, b2, q, l2); // a point on the axis stays
    EXPECT_NEAR(b2, 0, 1e-9);
    EXPECT_NEAR(l2, 90, 1e-9);
}

TEST(UngleicheStunden, HalfDayArcIsClampedOutsideRiseAndSet)
{
    EXPECT_DOUBLE_EQ(HalberTagbogen(0, 20), 90);
    EXPECT_DOUBLE_EQ(HalberTagbogen(80, 23.44), 180); // polar day
    EXPECT_DOUBLE_EQ(HalberTagbogen(80, -23.44), 0);  // polar night
    EXPECT_NEAR(HalberTagbogen(47.25, 23.44), 117.9, 0.2);
    EXPECT_TRUE(std::isfinite(HalberTagbogen(90, 10)));
}

TEST(UngleicheStunden, TemporalHoursRunFromSunriseOverNoonToSunset)
{
    struct Fall {
        double n, breite, dekl, hoehe;
    };
    const Fall faelle[] = {
        {6, 47.25, 23.44, 90 - 47.25 + 23.44}, // true noon
        {6, -30, -10, 90 - 30 + 10},
        {0, 47.25, 10, 0},   // sunrise
        {12, 47.25, -15, 0}, // sunset
        {-3, 47.25, 10, 0},  // below the range: taken as sunrise
        {15, 47.25, 10, 0},  // beyond it: sunset
    };
    for (const auto& f : faelle) {
        double h, az;
        sonneTemporalStundeDekl(f.n, f.breite, f.dekl, h, az);
        EXPECT_NEAR(h, f.hoehe, 1e-6) << f.n << " " << f.breite;
    }
    double hv, av, hn, an;
    sonneTemporalStundeDekl(3, 47.25, 10, hv, av);
    sonneTemporalStundeDekl(9, 47.25, 10, hn, an);
    EXPECT_NEAR(hv, hn, 1e-9); // symmetric about noon
    EXPECT_NEAR(av, -an, 1e-9);
    EXPECT_LT(av, 0);
}

TEST(UngleicheStunden, BabylonianAndItalianHoursStartAtTheHorizon)
{
    AppState s = startZustand();
    const int tag = TagImJahr(s.Par.Jahr, 5, 10);
    double h, az;
    sonneItalBabylStunde(s.Par.Jahr, tag, true, 0, -9.59, 47.25, h, az); // sunrise
    EXPECT_NEAR(h, 0, 0.3);
    EXPECT_LT(az, 0);
    sonneItalBabylStunde(s.Par.Jahr, tag, false, 24, -9.59, 47.25, h, az); // sunset
    EXPECT_NEAR(h, 0, 0.3);
    EXPECT_GT(az, 0);
    double ht, at;
    sonneTemporalStunde(s.Par.Jahr, tag, 0, -9.59, 47.25, ht, at);
    EXPECT_NEAR(ht, 0, 0.3);
    // Babylonian hour 0 and temporal hour 0 both are sunrise.
    sonneItalBabylStunde(s.Par.Jahr, tag, true, 0, -9.59, 47.25, h, az);
    EXPECT_NEAR(az, at, 0.05);
}

TEST(Sonnwendazimut, EndsOfTheLinesOfEqualAltitude)
{
    AppState s = startZustand();
    double aS, aW;
    sonnwendZeitenFuerHoehe(s, 70, 47.25, aS, aW); // above the summer noon altitude of 66.2
    EXPECT_EQ(aS, 0);
    EXPECT_EQ(aW, 0);

    sonnwendZeitenFuerHoehe(s, 30, 47.25, aS, aW); // reached in summer only
    EXPECT_LT(aS, -60);
    EXPECT_GT(aS, -120);
    EXPECT_EQ(aW, 0);

    sonnwendZeitenFuerHoehe(s, 10, 47.25, aS, aW);
    EXPECT_LT(aS, aW); // the summer sun reaches 10 degrees further north
    EXPECT_LT(aW, 0);

    // h exactly the winter noon altitude: the winter end is the meridian.
    sonnwendZeitenFuerHoehe(s, 66.55 - 47.25, 47.25, aS, aW);
    EXPECT_EQ(aW, 0);

    // The south mirrors the north: the morning end lies north of east.
    double sS, sW;
    sonnwendZeitenFuerHoehe(s, 10, -47.25, sS, sW);
    sonnwendZeitenFuerHoehe(s, 10, 47.25, aS, aW);
    EXPECT_NEAR(sS, -180 - aS, 1e-9);
    EXPECT_NEAR(sW, -180 - aW, 1e-9);
}

TEST(Sonnwendazimut, SearchEndsWhereTheSunNeverCrossesTheAltitude)
{
    AppState s = startZustand();
    // At 80 degrees north the June sun stays above 5 degrees all day: no morning crossing, and
    // the search must end.
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(sonnwendZeitFuerHoehe(s, true, 5, 80), -180);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));

    // True noon at 18 h clock time: 18 degrees in December are reached only after 14.5 h.
    s.Par.Laenge = 75;
    EXPECT_EQ(sonnwendZeitFuerHoehe(s, false, 18, 47.25), -180);
}

TEST(ClipLinie, CutsTheOuterEndAtTheBorder)
{
    struct Fall {
        double xA, yA, xB, yB, x, y;
    };
    const Fall faelle[] = {
        {50, 50, 60, 70, 60, 70},     // both inside
        {50, 50, 150, 50, 100, 50},   // right
        {50, 50, -50, 50, 0, 50},     // left
        {50, 50, 50, 300, 50, 100},   // below
        {50, 50, 250, 150, 100, 75},  // leaves through the right side
        {50, 50, 150, 250, 75, 100},  // leaves through the bottom
        {50, 50, 50.0000001, -300, 50, 0}, // nearly vertical
        {-10, 50, 500, 500, 500, 500},     // first end outside: second end unchanged
    };
    for (const auto& f : faelle) {
        double x, y;
        clipLinie(0, 0, 100, 100, f.xA, f.yA, f.xB, f.yB, x, y);
        EXPECT_NEAR(x, f.x, 1e-4) << f.xB << "," << f.yB;
        EXPECT_NEAR(y, f.y, 1e-4) << f.xB << "," << f.yB;
    }
    double x, y;
    clipLinie(0, 0, 100, 100, 50, 50, std::nan(""), 20, x, y); // ends, and on the inner end
    EXPECT_TRUE(std::isfinite(x) && std::isfinite(y));
}

TEST(ClipStreckenende, RunsTheLineOnToTheEdge)
{
    struct Fall {
        double x0, y0, x1, y1, x, y;
    };
    const Fall faelle[] = {
        {50, 50, 60, 60, 100, 100},
        {50, 50, 40, 55, 0, 75},
        {50, 50, 55, 20, 50 + 50.0 / 6, 0},
        {50, 50, 50, 60, 50, 100}, // vertical downwards
        {50, 50, 50, 40, 50, 0},
        {50, 50, 50, 50, 50, 0},   // no direction: ymin
        {50, 50, 70, 50, 100, 50}, // horizontal
        {50, 150, 70, 150, 100, 150},
    };
    for (const auto& f : faelle) {
        double x, y;
        clipStreckenende(f.x0, f.y0, f.x1, f.y1, 0, 0, 100, 100, x, y);
        EXPECT_NEAR(x, f.x, 1e-9) << f.x1 << "," << f.y1;
        EXPECT_NEAR(y, f.y, 1e-9) << f.x1 << "," << f.y1;
    }
}

TEST(PolylinieImRechteck, PiecesInsideCutAtTheBorderAndANewPieceWhereTheLineComesBack)
{
    using P = std::vector<CanvasPoint>;
    // In, out over the right edge and back in; wholly outside; across from outside to outside.
    EXPECT_EQ(polylinieImRechteck({{10, 10}, {50, 10}, {150, 10}, {50, 50}, {40, 60}}, 0, 0, 100, 100),
              (std::vector<P>{{{10, 10}, {50, 10}, {100, 10}}, {{100, 30}, {50, 50}, {40, 60}}}));
    EXPECT_TRUE(polylinieImRechteck({{-10, -10}, {-50, 200}}, 0, 0, 100, 100).empty());
    EXPECT_EQ(polylinieImRechteck({{-100, 50}, {300, 50}, {300, 60}}, 0, 0, 100, 100), (std::vector<P>{{{0, 50}, {100, 50}}}));
    // Wholly inside, along the border and with a point twice: the line as it is; a point alone: nothing.
    const P innen{{0, 0}, {100, 0}, {100, 0}, {50, 100}};
    EXPECT_EQ(polylinieImRechteck(innen, 0, 0, 100, 100), std::vector<P>{innen});
    EXPECT_TRUE(polylinieImRechteck({{50, 50}}, 0, 0, 100, 100).empty());
}

TEST(ProjiziereAufEbene, PoleOfAVerticalSouthWallLiesAboveTheFoot)
{
    double X, Y;
    projiziereAufEbene(0, 47.25, 90, 35, X, Y);
    EXPECT_NEAR(X, 0, 1e-9);
    EXPECT_NEAR(Y, 35 * std::tan(47.25 * M_PI / 180), 1e-9);
    // A vertical south wall at the equator: the polar axis is the wall's normal.
    projiziereAufEbene(0, 0, 90, 35, X, Y);
    EXPECT_NEAR(X, 0, 1e-9);
    EXPECT_NEAR(Y, 0, 1e-9);
    for (double p : {-90.0, 90.0, 89.99}) {
        for (double q : {-90.0, 0.0, 90.0}) {
            for (double a : {0.0, 45.0, 90.0}) {
                projiziereAufEbene(p, q, a, 35, X, Y);
                EXPECT_TRUE(std::isfinite(X) && std::isfinite(Y)) << p << " " << q << " " << a;
            }
        }
    }
}

TEST(ZeichneRaster, SpacingFollowsTheSheetFormatAndATinyWindowDoesNotLoop)
{
    RecordingCanvas c(1120, 800);
    zeichneRaster(c, true, 0x00FF00, 560, 400, 1120, 800, 10, true, 0, 0);
    // 40 pixels per 10 mm on an A4 layout 1120 pixels wide; columns from 40 to 1080.
    const auto linien = c.select([](const RecordedPrimitive& p) { return p.kind == PrimitiveKind::Line; });
    ASSERT_FALSE(linien.empty());
    EXPECT_EQ(linien[0]->points[0].x, 40);
    EXPECT_EQ(linien[1]->points[0].x, 80);
    EXPECT_EQ(c.countLines(0x00FF00), 27u + 19u);
    EXPECT_EQ(c.primitives()[0].kind, PrimitiveKind::Rectangle);
    EXPECT_EQ(c.primitives()[0].points[0], (CanvasPoint{553, 393}));

    RecordingCanvas klein(10, 10);
    zeichneRaster(klein, true, 0x00FF00, 5, 5, 10, 10, 10, false, 0, 0); // spacing rounds to 0
    EXPECT_EQ(klein.countLines(), 0u);
    EXPECT_EQ(klein.primitives().size(), 1u);

    RecordingCanvas weit(1000, 800);
    zeichneRaster(weit, false, 0x00FF00, -2000000000, 400, 1000, 800, 10, false, 70, 50);
    EXPECT_LT(weit.countLines(), 200u);
}

TEST(RandUndRahmen, WhitensTheMarginsAndDrawsAGreyFrame)
{
    RecordingCanvas c(2800, 2000, true);
    RandUndRahmen(2800, 2000, 50, c, 50);
    const auto flaechen = c.select([](const RecordedPrimitive& p) { return p.kind == PrimitiveKind::FillRect; });
    ASSERT_EQ(flaechen.size(), 4u);
    EXPECT_EQ(flaechen[3]->points[1], (CanvasPoint{2850, 2049}));
    EXPECT_EQ(c.countLines(FarbeSilber), 4u);
    EXPECT_EQ(c.brush().color, FarbeWeiss);
    EXPECT_EQ(c.brush().style, BrushStyle::Solid);
}

TEST(TextOutGedreht, DrawsTurnedTextAndRestoresTheFont)
{
    RecordingCanvas c(500, 500);
    c.setFontSize(12);
    const CanvasFont vorher = c.font();
    TextOutGedreht(c, 10, 20, "", 700, 30, 45);
    EXPECT_TRUE(c.primitives().empty());
    TextOutGedreht(c, 10, 20, "Mittag", 700, 30, 45);
    ASSERT_EQ(c.primitives().size(), 1u);
    EXPECT_EQ(c.primitives()[0].angle, 45);
    EXPECT_EQ(c.primitives()[0].font.height, 30);
    EXPECT_TRUE(c.primitives()[0].font.bold);
    EXPECT_EQ(c.font().height, vorher.height);
    EXPECT_FALSE(c.font().bold);
}
