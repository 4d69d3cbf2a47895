#include "core/RecordingCanvas.h"
#include "core/SonneEbene.h"
#include "core/State.h"
#include "dials/planar/EbeneGeometrie.h"
#include "dials/planar/EbeneKontext.h"
#include "dials/planar/EbeneSonnenstaende.h"
#include "dials/planar/KonstruiereEbeneSonnenuhr.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace umbrin;

namespace {

AppState zustand(char typ, bool schirm = false)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = typ;
    s.Schirmuhr = schirm ? 1 : 0;
    return s;
}

constexpr double kRad = M_PI / 180;

} // namespace

TEST(EbenenParameter, EachDialKindHandsItsPlane)
{
    AppState s = zustand('h');
    EbenenParameter p = ebenenParameter(s);
    EXPECT_EQ(p.X1, s.Par.Breite);
    EXPECT_EQ(p.X2, 0);
    EXPECT_EQ(p.X3, 0);
    EXPECT_EQ(ebenennormale(s, p).Hoehe, 90);

    s = zustand('v');
    p = ebenenParameter(s);
    EXPECT_EQ(p.Wand, 0);
    EXPECT_EQ(ebenennormale(s, p).Az, s.Par.Wandabweichung);
    EXPECT_EQ(ebenennormale(s, p).Hoehe, 0);

    s = zustand('i');
    p = ebenenParameter(s);
    double phi, dl, r;
    AequivHorizontaluhr(s.Par.Breite, s.Par.Wandabweichung, s.Par.Inklination, phi, dl, r);
    EXPECT_DOUBLE_EQ(p.X1, phi);
    EXPECT_DOUBLE_EQ(p.X2, -dl / 15);
    EXPECT_DOUBLE_EQ(p.X3, r);
    EXPECT_EQ(p.Inklination, s.Par.Inklination);
    EXPECT_EQ(ebenennormale(s, p).Az, r);

    s = zustand('i', true);
    p = ebenenParameter(s);
    EXPECT_EQ(p.X1, s.Par.Breite);
    EXPECT_EQ(p.X3, s.Par.Wandabweichung);
    EXPECT_EQ(p.Inklination, 0);
    EXPECT_DOUBLE_EQ(ebenennormale(s, p).Hoehe, 90 - s.Par.Inklination);
}

TEST(Schattenwurf, HorizontalDialWithTheSunDueSouthCastsNorth)
{
    AppState s = zustand('h');
    const Schattengeometrie g = schattengeometrie(s, ebenenParameter(s), 100);
    const Schattenwurf w = schattenwurf(g, 0, 30);
    EXPECT_NEAR(w.dx, 0, 1e-9);
    EXPECT_NEAR(w.dy, -100 / std::tan(30 * kRad), 1e-9);
    EXPECT_TRUE(w.beleuchtet);
    // Afternoon sun in the west: the shadow falls east, to the right.
    EXPECT_GT(schattenwurf(g, 60, 30).dx, 0);
    EXPECT_FALSE(schattenwurf(g, 0, -5).beleuchtet);
}

TEST(Schattenwurf, VerticalDialSeesNoSunFromBehindTheWall)
{
    AppState s = zustand('v');
    s.Par.Wandabweichung = 20;
    const Schattengeometrie g = schattengeometrie(s, ebenenParameter(s), 100);
    struct Fall {
        double az, h;
        bool lit;
    };
    const Fall faelle[] = {
        {20, 40, true}, {100, 40, true}, {111, 40, false}, {-71, 10, false}, {-69, 10, true},
        {200, 60, false}, {-160, 60, false}, {20, -1, false},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(schattenwurf(g, f.az, f.h).beleuchtet, f.lit) << f.az << " " << f.h;
    // Below the foot, afternoon shadows to the right.
    const Schattenwurf w = schattenwurf(g, 20, 40);
    EXPECT_NEAR(w.dx, 0, 1e-9);
    EXPECT_NEAR(w.dy, 100 * std::tan(40 * kRad), 1e-9);
    EXPECT_GT(schattenwurf(g, 50, 40).dx, 0);
}

TEST(Schattenwurf, UmbrellaShadowAtTheFootIsThrownFarButStaysFinite)
{
    AppState s = zustand('v', true);
    s.Par.Wandabweichung = 0;
    const Schattengeometrie g = schattengeometrie(s, ebenenParameter(s), 100);
    const Schattenwurf w = schattenwurf(g, 0, 0); // the sun on the wall's normal
    EXPECT_TRUE(std::isfinite(w.dx) && std::isfinite(w.dy));
    // Elsewhere the disc moves the point out by its radius.
    const Schattenwurf v = schattenwurf(g, 0, 45);
    EXPECT_NEAR(v.dy, 100 + 0.35 * 100, 1e-9);

    RecordingCanvas c(800, 600);
    AppState z = zustand('v', true);
    z.FusspunktX = 400;
    z.FusspunktY = 100;
    Zeichenumgebung u;
    double zoom = 1;
    konstruiereEbeneSonnenuhr(z, u, c, zoom);
    for (const auto& p : c.primitives())
        for (const auto& q : p.points)
            EXPECT_LT(std::abs(q.x) + std::abs(q.y), 400000000);
}

TEST(Schattenwurf, InclinedUmbrellaNeedsTheSunInFrontOfThePlane)
{
    AppState s = zustand('i', true);
    s.Par.Wandabweichung = 0;
    s.Par.Inklination = 30;
    const Schattengeometrie g = schattengeometrie(s, ebenenParameter(s), 100);
    EXPECT_TRUE(schattenwurf(g, 0, 40).beleuchtet);
    // From the north, low: behind a plane that leans 30 degrees towards the north.
    EXPECT_FALSE(schattenwurf(g, 180, 20).beleuchtet);
    EXPECT_TRUE(schattenwurf(g, 180, 70).beleuchtet);
}

TEST(Polversatz, PoleOfTheHorizontalDialLiesSouthAndTheLatitudeIsGuarded)
{
    AppState s = zustand('h');
    Polversatz v = polstabVersatz(s, 100, 1e-5);
    EXPECT_NEAR(v.Y, -100 / std::tan(47.25 * kRad), 1e-9);
    s.Par.Breite = 0;
    v = polstabVersatz(s, 100, 1e-5);
    EXPECT_TRUE(std::isfinite(v.Y));
    EXPECT_LT(v.Y, -1e6); // guarded latitude +1e-5: far south
    s.Par.Breite = -1e-9;
    EXPECT_GT(polstabVersatz(s, 100, 1e-5).Y, 1e6); // keeps its sign
    EXPECT_EQ(s.Par.Breite, -1e-9);
}

TEST(InklinierendeUhr, VerticalSouthPlaneMatchesTheVerticalDial)
{
    // A plain inclining dial is drawn as its equivalent horizontal dial; for an inclination of 90
    // its shadow points must be those of the vertical dial of the same wall.
    for (double wand : {0.0, -30.0, 40.0}) {
        AppState s = zustand('v');
        s.Par.Wandabweichung = wand;
        s.Par.Inklination = 90;
        const EbenenParameter pv = ebenenParameter(s);
        const Schattengeometrie gv = schattengeometrie(s, pv, 100);
        s.UhrTyp = 'i';
        const EbenenParameter pi = ebenenParameter(s);
        const Schattengeometrie gi = schattengeometrie(s, pi, 100);
        for (double t = 8; t <= 16; t += 2) {
            const Sonnenstand a = sonneStundenlinie(s, 120, t, false, pv.X1, pv.X2, s.Par.Zonenmeridian);
            const Sonnenstand b = sonneStundenlinie(s, 120, t, false, pi.X1, pi.X2, s.Par.Zonenmeridian);
            const Schattenwurf wa = schattenwurf(gv, a.azimut, a.hoehe);
            const Schattenwurf wb = schattenwurf(gi, b.azimut, b.hoehe);
            EXPECT_EQ(wa.beleuchtet, wb.beleuchtet);
            if (!wa.beleuchtet || std::hypot(wa.dx, wa.dy) > 1000)
                continue;
            EXPECT_NEAR(wa.dx, wb.dx, 0.005 * std::hypot(wa.dx, wa.dy) + 0.2) << wand << " " << t;
            EXPECT_NEAR(wa.dy, wb.dy, 0.005 * std::hypot(wa.dx, wa.dy) + 0.2) << wand << " " << t;
        }
    }
}

TEST(KonstruiereEbeneSonnenuhr, ASmallGnomonRaisesTheZoom)
{
    AppState s = zustand('v');
    s.Par.Gnomonhoehe = 2;
    RecordingCanvas c(600, 400);
    Zeichenumgebung u;
    double zoom = 1;
    konstruiereEbeneSonnenuhr(s, u, c, zoom);
    EXPECT_DOUBLE_EQ(zoom, 2.5);
    EXPECT_TRUE(c.hasText("(=  5.00)"));

    s.Par.Gnomonhoehe = 35;
    zoom = 1.5;
    konstruiereEbeneSonnenuhr(s, u, c, zoom);
    EXPECT_DOUBLE_EQ(zoom, 1.5);
    EXPECT_TRUE(c.hasText("(= 52.50)"));
}

TEST(Sonnenstaende, LinesOfEqualAltitudeRunBetweenTheSolsticeEnds)
{
    AppState s = zustand('h');
    EXPECT_TRUE(hoehenlinienBereiche(s, 70).empty()); // never reached
    const auto sommer = hoehenlinienBereiche(s, 30);
    ASSERT_EQ(sommer.size(), 1u); // closes through the meridian
    EXPECT_NEAR(sommer[0].von, -sommer[0].bis, 1e-9);
    const auto beide = hoehenlinienBereiche(s, 10);
    ASSERT_EQ(beide.size(), 2u);
    EXPECT_LT(beide[0].bis, 0);
    EXPECT_GT(beide[1].von, 0);
    s.Par.Breite = -47.25;
    const auto sueden = hoehenlinienBereiche(s, 30);
    ASSERT_EQ(sueden.size(), 1u); // from the west through north to the east
    EXPECT_GT(sueden[0].von, 0);
    EXPECT_NEAR(sueden[0].bis, 360 - sueden[0].von, 1e-9);

    // One search shared by the altitudes of a drawing finds the ends of a search of its own.
    for (const double breite : {48.1, -47.25, 5.0, 62.0}) {
        s.Par.Breite = breite;
        Sonnwendsuche suche(s, std::fabs(breite));
        for (double h = 75; h >= -5; h -= 2.5) {
            const auto eigen = hoehenlinienBereiche(s, h);
            const auto geteilt = hoehenlinienBereiche(s, h, suche);
            ASSERT_EQ(geteilt.size(), eigen.size()) << breite << " " << h;
            for (std::size_t i = 0; i < eigen.size(); ++i) {
                EXPECT_EQ(geteilt[i].von, eigen[i].von) << breite << " " << h;
                EXPECT_EQ(geteilt[i].bis, eigen[i].bis) << breite << " " << h;
            }
        }
    }
}

TEST(Sonnenstaende, IntervalsAndAnalemmaMarks)
{
    EXPECT_EQ(stundenUnterteilung('0'), 1);
    EXPECT_EQ(stundenUnterteilung('3'), 4);
    EXPECT_EQ(stundenUnterteilung('4'), 6);
    EXPECT_EQ(stundenUnterteilung('5'), 6);
    EXPECT_EQ(analemmaMarkenTage(2), (std::vector<int>{7, 22}));
    EXPECT_EQ(analemmaMarkenTage(4), (std::vector<int>{1, 8, 15, 22}));
}

// The screen goes from the sun's direction straight to the shadow point; its points are those
// of azimuth and altitude within 1e-9 of a unit, on walls, horizontal and inclining dials north
// and south, and it lights and keeps inside the drawing the same ones.
TEST(Schattenwurf, FromTheSunsDirectionAsFromAzimuthAndAltitude)
{
    struct Ebene {
        char typ;
        double breite, wand, inklination;
    };
    const Ebene ebenen[] = {{'v', 48.1, 0, 0},  {'v', 51.5, -25, 0},   {'v', -33.9, 20, 0},  {'v', -5, -80, 0},
                            {'h', 48.1, 0, 0},  {'h', -41.3, 0, 0},    {'i', 48.1, 15, 30},  {'i', -23.5, -40, 60}};
    const Zeichenumgebung u;
    RecordingCanvas c(1920, 1080);
    int gezeichnet = 0;
    for (const Ebene& e : ebenen) {
        AppState s = zustand(e.typ);
        s.Par.Breite = e.breite;
        s.Par.Wandabweichung = e.wand;
        s.Par.Inklination = e.inklination;
        const EbenenParameter p = ebenenParameter(s);
        EbeneKontext alt(s, u, c), neu(s, u, c);
        for (EbeneKontext* k : {&alt, &neu}) {
            k->Breite = k->SchnittR = 1920;
            k->Hoehe = k->SchnittU = 1080;
            k->MitteX = 960;
            k->MitteY = 540;
            k->FusspunktX = 960;
            k->FusspunktY = 300;
            k->geometrie = schattengeometrie(s, p, 120);
        }
        Sonnenrechner winkel(p.X1), richtung(p.X1, true);
        for (double dekl = -23.44; dekl <= 23.44; dekl += 23.44 / 4) {
            for (double t = -180; t <= 180; t += 3.75) {
                punktFuer(alt, winkel.azimutHoehe(dekl, t));
                punktFuer(neu, richtung.azimutHoehe(dekl, t));
                SCOPED_TRACE(std::string(1, e.typ) + " " + std::to_string(e.breite) + " dekl " + std::to_string(dekl) +
                             " t " + std::to_string(t));
                ASSERT_EQ(neu.beleuchtet, alt.beleuchtet);
                ASSERT_EQ(neu.EbeneBeleuchtet, alt.EbeneBeleuchtet);
                ASSERT_EQ(neu.zeichenbar, alt.zeichenbar);
                if (!alt.zeichenbar)
                    continue;
                EXPECT_NEAR(neu.x, alt.x, 1e-9);
                EXPECT_NEAR(neu.y, alt.y, 1e-9);
                ++gezeichnet;
            }
        }
    }
    EXPECT_GT(gezeichnet, 300);
}
