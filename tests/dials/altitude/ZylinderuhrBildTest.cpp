// The filter-hat and polar-rod cylinders on paper, checked against the sun's direction vector
// (ZylinderuhrReferenz.h): where the drawn points of the date and hour lines stand, where the
// polar rod's shadow meets the mantle, and the marks of the usable band and the pole.
#include "ZylinderuhrReferenz.h"

#include "core/RecordingCanvas.h"
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/State.h"
#include "dials/altitude/FilterhutZeichnung.h"
#include "dials/altitude/KonstruiereZylinderSU.h"
#include "dials/altitude/PolstabZeichnung.h"
#include "dials/altitude/ZylinderuhrHpgl.h"
#include "dials/altitude/Zylinderuhrgeometrie.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace umbrin;
using namespace umbrin::test;

namespace {

constexpr Farbe kDatum = 0x0000AA;
constexpr Farbe kWahr = 0x00AA00;

AppState zustand(double breite)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'z';
    s.Par.Breite = breite;
    s.Par.Laenge = s.Par.Zonenmeridian = -15;
    s.Schalter.Ortszeit = 1;
    s.Schalter.Zonenzeit = 0;
    s.Schalter.OhneZeitgl = 0;
    s.Schalter.MitZeitglZylinder = 0;
    s.Schalter.Temporalstunden = 0;
    s.Schalter.Babylonisch = s.Schalter.Italienisch = 0;
    s.Schalter.StundenIntervallSonst = '0';
    s.Farben[3] = kDatum;
    s.Farben[1] = kWahr;
    SchiefeUndTierkreis(s, s.Par.Jahr);
    return s;
}

std::vector<CanvasPoint> enden(const RecordingCanvas& c, Farbe farbe)
{
    std::vector<CanvasPoint> p;
    for (const RecordedPrimitive* l :
         c.select([&](const RecordedPrimitive& q) { return q.kind == PrimitiveKind::Line && q.pen.color == farbe; })) {
        p.push_back(l->points[0]);
        p.push_back(l->points[1]);
    }
    return p;
}

bool nahe(const std::vector<CanvasPoint>& punkte, double x, double y, double toleranz)
{
    for (const CanvasPoint& p : punkte)
        if (std::hypot(p.x - x, p.y - y) <= toleranz)
            return true;
    return false;
}

} // namespace

// Every point of each date line that lies on the face stands at the sun's azimuth, L/360 mm a
// degree, and P tan h below the top: north and south of the equator, with the altitude strip.
TEST(Filterhut, DateLinePointsStandAtTheSunsAzimuthAndShadowDrop)
{
    for (double breite : {47.25, -33.9}) {
        SCOPED_TRACE(breite);
        AppState s = zustand(breite);
        s.Schalter.Sonnenhoehe = 1;
        s.SkalaZylinder = 270;
        RecordingCanvas c(4200, 2970, true); // an A3 page holds the strip beside the whole face
        const FilterhutAuftrag a{4200, 2970, false, 70.0};
        zeichneFilterhutSU(s, c, a);
        const FilterhutMasse g = filterhutMasse(s, a);
        EXPECT_DOUBLE_EQ(g.u, 7.5);
        EXPECT_EQ(g.k, 700);
        const std::vector<CanvasPoint> p = enden(c, kDatum);
        int geprueft = 0;
        for (int i = 1; i <= 7; ++i) {
            for (int T = -180; T <= 180; T += 3) {
                const SonnenVektor r = sonnenVektor(breite, s.TierkreisDekl[static_cast<std::size_t>(i)], T);
                if (r.u <= 0.02)
                    continue;
                const double y = filterhutFall(r, 700);
                if (y > g.Lmax - 2)
                    continue;
                const double x = g.x0 + filterhutGradQuer(r, breite > 0) * 7.5;
                EXPECT_TRUE(nahe(p, x, g.oben + y, 1.5)) << "decl " << i << " T " << T;
                ++geprueft;
            }
        }
        EXPECT_GT(geprueft, 200);
    }
}

TEST(Filterhut, TheScreenKeepsL365ItsCapAndReportsTheCapOncePerRun)
{
    AppState s = zustand(47.25);
    s.SkalaZylinder = 301;
    bool gemeldet = false;
    const FilterhutAuftrag a{1000, 700, true, 70.0, true, &gemeldet};
    const FilterhutMasse g = filterhutMasse(s, a);
    EXPECT_TRUE(g.gekuerzt);
    EXPECT_DOUBLE_EQ(g.u, g.s * 300 / 365);
    RecordingCanvas c1(1000, 700), c2(1000, 700);
    EXPECT_EQ(zeichneFilterhutSU(s, c1, a).size(), 1u);
    EXPECT_TRUE(gemeldet);
    EXPECT_TRUE(zeichneFilterhutSU(s, c2, a).empty());
    // The rotated red note stays on every drawing.
    EXPECT_EQ(c2.select([](const RecordedPrimitive& q) { return q.kind == PrimitiveKind::Text && q.angle != 0; })
                  .size(),
              1u);
}

// Textbook check of the projection: the ray through the point meets the mantle at the arc and
// drop the face shows, over walls and suns of both sides.
TEST(Polstab, ProjectionMeetsTheRayWithTheMantle)
{
    struct Fall {
        double R, e, wand, azimut, hoehe;
    };
    const Fall faelle[] = {{250, 51, 0, 20, 30},   {250, 51, 0, -25, 50}, {250, 51, 0, 0, 40},
                           {100, 100, 30, 45, 10}, {80, 20, -60, -70, 60}, {250, 51, 170, -175, 20}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.wand << " " << f.azimut);
        const double h = f.hoehe * kGradRef;
        const SonnenVektor r{-std::sin(f.azimut * kGradRef) * std::cos(h), -std::cos(f.azimut * kGradRef) * std::cos(h),
                             std::sin(h)};
        const Zylindertreffer t = polstabTreffer(r, f.R, f.e, f.wand);
        const Zylinderpunkt p = polstabPunkt(polstabzylinder(f.R, f.e, 1, f.wand), f.azimut, f.hoehe);
        ASSERT_TRUE(t.trifft);
        ASSERT_TRUE(p.gueltig);
        EXPECT_NEAR(p.x, t.bogen, 1e-6);
        EXPECT_NEAR(p.y, t.fall, 1e-6);
    }
    const Zylinderpunkt p = polstabPunkt(polstabzylinder(250, 51, 1, 0), 20, 30);
    EXPECT_NEAR(p.x, 18.839, 0.001);
    EXPECT_NEAR(p.y, 31.770, 0.001);
    EXPECT_NEAR(polstabzylinder(250, 51, 1, 0).X / kGradRef, 33.84, 0.005);
    // Beyond the band: sun more than 90 - X from the wall.
    EXPECT_FALSE(polstabPunkt(polstabzylinder(100, 100, 1, 0), 31, 20).gueltig);
}

// The apparent-time points of an hour lie in the plane of its hour circle through the point
// (containing the polar axis); the pole mark is where that axis meets the mantle. In the
// south the face is turned to the north, to the sun.
TEST(Polstab, HourLinesLieInTheHourPlaneThroughThePoint)
{
    for (double breite : {47.25, -33.87}) {
        SCOPED_TRACE(breite);
        AppState s = zustand(breite);
        s.Par.ZylRadius = 250;
        s.Par.ZylZeiger = 51;
        s.Par.Wandabweichung = breite > 0 ? 0 : 180;
        s.Zeiten.QuadVon = 9;
        s.Zeiten.QuadBis = 15;
        s.FusspunktX = 1400;
        s.FusspunktY = 800;
        RecordingCanvas c(2970, 2100, true);
        zeichnePolstabZylinder(s, c, {2970, 2100, false, 1.0, 51, 250});
        const double R = 250, e = 51, phi = breite * kGradRef;
        const double pe = 0, pn = std::cos(phi), pu = std::sin(phi); // polar axis
        // The wall's direction w and the side of it that positive arcs run to.
        const double we = -std::sin(s.Par.Wandabweichung * kGradRef), wn = -std::cos(s.Par.Wandabweichung * kGradRef);
        int geprueft = 0;
        for (const RecordedPrimitive* l : c.select([](const RecordedPrimitive& q) {
                 return q.kind == PrimitiveKind::Line && q.pen.color == kWahr;
             })) {
            for (const CanvasPoint& q : l->points) {
                const double theta = (q.x - 1400) / (R * 10);
                const double fall = (q.y - 800) / 10.0;
                // The point on the mantle and the shadow casting point R + e out along w.
                const double x = R * (std::sin(theta) * -wn + std::cos(theta) * we);
                const double y = R * (std::sin(theta) * we + std::cos(theta) * wn), z = -fall;
                const double dx = x - (R + e) * we, dy = y - (R + e) * wn, dz = z;
                // The hour plane holds the axis and the hour's direction; the line's hour is
                // the one whose plane lies nearest, within the drawing's rounding.
                double best = 1e9;
                for (int h = 9; h <= 15; ++h) {
                    const SonnenVektor r = sonnenVektor(breite, 0, (h - 12) * 15.0);
                    const double ne = pn * r.u - pu * r.n, nn = pu * r.e - pe * r.u, nu = pe * r.n - pn * r.e;
                    const double n = std::sqrt(ne * ne + nn * nn + nu * nu);
                    best = std::min(best, std::fabs(dx * ne + dy * nn + dz * nu) / n);
                }
                EXPECT_LT(best, 0.2) << q.x << " " << q.y;
                ++geprueft;
            }
        }
        EXPECT_GT(geprueft, 100);
        // The pole mark: the axis from the point rises to the mantle e tan |phi| above it.
        const auto kreise = c.select([](const RecordedPrimitive& q) {
            return q.kind == PrimitiveKind::Ellipse && q.pen.color == 0x800080;
        });
        ASSERT_EQ(kreise.size(), 1u);
        const double my = (kreise[0]->points[0].y + kreise[0]->points[1].y) / 2.0;
        const double mx = (kreise[0]->points[0].x + kreise[0]->points[1].x) / 2.0;
        EXPECT_NEAR(mx, 1400, 3);
        EXPECT_NEAR(my, 800 - 10 * e * std::tan(std::fabs(phi)), 3);
    }
}

// With R equal to e the usable half band is 60 degrees: the band line is 2 pi / 3 R long.
TEST(Polstab, EqualRadiusAndDistanceGiveA120DegreeBand)
{
    AppState s = zustand(47.25);
    s.FusspunktX = 1400;
    s.FusspunktY = 800;
    RecordingCanvas c(2970, 2100, true);
    zeichnePolstabZylinder(s, c, {2970, 2100, false, 1.0, 100, 100});
    EXPECT_NEAR(polstabzylinder(100, 100, 10, 0).X / kGradRef, 60, 1e-9);
    const auto band = c.select([](const RecordedPrimitive& q) {
        return q.kind == PrimitiveKind::Line && q.pen.color == 0x800080 && q.points[0].y == 800 && q.points[1].y == 800;
    });
    ASSERT_FALSE(band.empty());
    EXPECT_NEAR(band[0]->points[1].x - band[0]->points[0].x, 2 * M_PI / 3 * 1000, 1.0);
}

// Refusals: temporal hours beyond 65 degrees by the flag that draws them, on both dials; a
// radius or distance that is not positive on the polar rod.
TEST(Zylinderuhren, RefusalsOnBothDials)
{
    struct Fall {
        int art;
        double breite;
        int temporal, anzeige;
        double R, e;
        bool verweigert;
        bool meldung;
    };
    const Fall faelle[] = {
        {1, 66, 1, 0, 250, 51, true, false},  {1, 66, 0, 1, 250, 51, false, false},
        {1, 65, 1, 0, 250, 51, false, false}, {2, -66, 1, 0, 250, 51, true, false},
        {2, 47, 0, 0, 0, 51, true, true},     {2, 47, 0, 0, 250, -1, true, true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.art << " " << f.breite << " " << f.R << " " << f.e);
        AppState s = zustand(f.breite);
        s.Schalter.ZylinderArt = static_cast<std::uint8_t>(f.art);
        s.Schalter.Temporalstunden = static_cast<std::uint8_t>(f.temporal);
        s.Schalter.TemporalAnzeige = static_cast<std::uint8_t>(f.anzeige);
        s.Schalter.Zonenzeit = 1;
        s.Par.ZylRadius = f.R;
        s.Par.ZylZeiger = f.e;
        s.FusspunktX = 500;
        s.FusspunktY = 300;
        RecordingCanvas c(1000, 700);
        const Konstruktionsmeldungen m = konstruiereZylinderSU(s, c, {1000, 700, true, 70});
        const auto linien = c.select([](const RecordedPrimitive& q) { return q.kind == PrimitiveKind::Line; });
        EXPECT_EQ(linien.empty(), f.verweigert);
        EXPECT_EQ(!m.empty(), f.meldung);
    }
}

// Near the poles, and with the face turned to the pole (in the south by default), the sun
// draws no line on the polar rod's face: the face says so and draws no hour line, and the plot
// is refused with the same words. At home it draws its lines and says nothing of the kind.
TEST(Polstab, AFaceWithoutALineOfTheSunSaysSo)
{
    // Faces turned to and away from the equator, from pole to pole; whether the sun reaches
    // the face comes from the sun's direction and the ray through the point.
    struct Fall {
        double breite, wand;
        bool deutsch;
    };
    for (const Fall& f : {Fall{89.9, -11.7, true}, Fall{-89.9, -11.7, false}, Fall{-45, -11.7, true},
                          Fall{-45, -11.7, false}, Fall{47.25, -11.7, true}, Fall{-33.87, -11.7, false},
                          Fall{-33.87, 0, true}, Fall{33.87, 180, true}, Fall{47.25, 180, false}, Fall{-33.87, 180, true},
                          Fall{-10, -11.7, true}, Fall{89.9, 180, true}}) {
        SCOPED_TRACE(testing::Message() << f.breite << " " << f.wand << (f.deutsch ? " de" : " en"));
        AppState s;
        initialisiereZustand(s);
        setzeSprache(s, f.deutsch);
        s.UhrTyp = 'z';
        s.Schalter.ZylinderArt = 2;
        s.Par.Breite = f.breite;
        s.Par.Wandabweichung = f.wand;
        s.Farben[1] = kWahr;
        s.FusspunktX = 600;
        s.FusspunktY = 200;
        s.Zoom = 0.5;
        s.Zeiten.QuadVon = 0; // every hour the sun may reach the face
        s.Zeiten.QuadBis = 23;
        // The sun on the face at some time of day, and at a full hour of the clock.
        const bool ohneLinien = !test::polstabBeschienen(f.breite, s.Par.ZylRadius, s.Par.ZylZeiger, f.wand, 0, 1);
        const bool stunden = test::polstabBeschienen(f.breite, s.Par.ZylRadius, s.Par.ZylZeiger, f.wand,
                                                     s.Par.Laenge - s.Par.Zonenmeridian, 15);
        RecordingCanvas c(1200, 800);
        const Konstruktionsmeldungen m = konstruiereZylinderSU(s, c, {1200, 800, true, 70});
        const ZweiZeilen ohne = polstabOhneLinien(s);
        EXPECT_EQ(c.hasText(ohne.erste) && c.hasText(ohne.zweite), ohneLinien);
        EXPECT_EQ(enden(c, kWahr).empty(), !stunden);
        // A face without an hour line says so (a face larger than the sheet only informs).
        EXPECT_EQ(std::all_of(m.begin(), m.end(), [](const auto& k) { return k.symbol == PromptIcon::Information; }),
                  stunden || ohneLinien);
        EXPECT_EQ(polstabHatLinien(s, s.Zoom, s.Par.ZylZeiger, s.Par.ZylRadius), !ohneLinien);
        const std::string plot = zylinderPlotVerweigerung(s, polstabPlotAuftrag(s));
        EXPECT_EQ(plot.find(ohne.erste) != std::string::npos, ohneLinien) << plot;
    }
}
