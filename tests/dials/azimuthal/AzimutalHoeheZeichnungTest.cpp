// The azimuthal dial with altitude circles on a canvas, checked against the sun's vector and
// the projections worked out here: equal steps of zenith distance (law 0), a sphere of radius
// R0 projected from a point below its centre (law 1, the barrel law read through a dome) and
// from its nadir (law 2, stereographic).
#include "core/RecordingCanvas.h"
#include "core/Sonne.h"
#include "core/State.h"
#include "dials/azimuthal/AzimutalHoehe.h"
#include "dials/azimuthal/AzimutalHoeheZeichnung.h"
#include "dials/azimuthal/AzimutalSonnenvektor.h"
#include "support/Ansichten.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace umbrin;
using namespace umbrin::test;

namespace {

AppState zustand(int gesetz)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'a';
    s.Schalter.AzimutKreise = 1;
    s.Schalter.Hoehenkreise = static_cast<std::uint8_t>(gesetz);
    s.Zeiten.QuadVon = 6;
    s.Zeiten.QuadBis = 18;
    for (std::size_t i = 0; i < s.Farben.size(); ++i)
        s.Farben[i] = static_cast<Farbe>(0x101010 * (i + 1));
    return s;
}

// The projection of altitude h: law 0 linear in zenith distance; laws 1 and 2 the point of a
// sphere of radius R0 seen from e below its centre (e = R0 at the nadir).
double radiusLehrbuch(int gesetz, double R0, double e, double h)
{
    const double z = (90 - h) * kGrad;
    if (gesetz == 0)
        return R0 * (90 - h) / 90;
    return R0 * std::sin(z) * e / (R0 * std::cos(z) + e);
}

struct Aufbau {
    RecordingCanvas c;
    double cx = 0, cy = 0, R0 = 0, e = 0;
};

// A screen image of 16000 x 10000 pixels: the plate is large, so a unit is small against it.
Aufbau zeichne(AppState& s, int breite = 16000, int hoehe = 10000)
{
    Aufbau a{RecordingCanvas(breite, hoehe, false)};
    zeichneAzimutalHoehe(s, a.c, breite, hoehe, true);
    const double G = s.AzGrundplatte;
    a.cx = std::round(0.57 * breite);
    a.cy = std::floor((14 * (s.Par.Breite >= 0 ? 1 : -1) + hoehe) / 2.0);
    if (s.Schalter.Hoehenkreise == 1) {
        const double A = (G - 28) / 2 * hoehe / 210, B = A;
        const double C = (-B + std::sqrt(B * B + 4 * A * A)) / 2; // C^2 + B C = A^2
        a.R0 = std::round(B);
        a.e = 2 * A * C / (A * A + C * C) * a.R0;
    } else {
        a.R0 = std::round(G / 2 * hoehe / 210) - 28;
        a.e = a.R0;
    }
    return a;
}

bool hatPunkt(const std::vector<CanvasPoint>& punkte, double x, double y, double tol)
{
    for (const CanvasPoint& p : punkte)
        if (std::fabs(p.x - x) <= tol && std::fabs(p.y - y) <= tol)
            return true;
    return false;
}

} // namespace

TEST(AzimutalHoeheZeichnung, HourPointsLieAtTheShadowDirectionAndTheRadiusOfTheirAltitude)
{
    for (const int gesetz : {0, 1, 2})
        for (const double phi : {47.25, -33.9}) {
            AppState s = zustand(gesetz);
            s.Par.Breite = phi;
            const Aufbau a = zeichne(s);
            const auto punkte = a.c.linePoints(s.Farben[1]);
            int geprueft = 0;
            for (int t = 6; t <= 18; ++t)
                for (const int n : {TagImJahr(s.Par.Jahr, 7, 1), TagImJahr(s.Par.Jahr, 9, 15), TagImJahr(s.Par.Jahr, 11, 29)}) {
                    double d = 0, e = 0;
                    SonnenPosition(s.Par.Jahr, d, e, n + (t + s.Par.Zonenmeridian / 15 - 12) / 24);
                    const Sonnenvektor v = sonnenvektor(phi, d, 15.0 * (t - 12));
                    if (hoeheGrad(v) <= 0.5)
                        continue;
                    const Schattenpunkt p =
                        schattenpunkt(v, a.cx, a.cy, radiusLehrbuch(gesetz, a.R0, a.e, hoeheGrad(v)));
                    EXPECT_TRUE(hatPunkt(punkte, p.x, p.y, 2.01)) << gesetz << " " << phi << ": " << t << " h, day " << n;
                    ++geprueft;
                }
            EXPECT_GT(geprueft, 20);
        }
}

TEST(AzimutalHoeheZeichnung, DateLinePointsReadBackToTheirDeclination)
{
    for (const int gesetz : {0, 1, 2}) {
        AppState s = zustand(gesetz);
        s.Schalter.LinienProMonat = 4; // the solstices and the equinox, all main lines
        const Aufbau a = zeichne(s);
        const double phi = s.Par.Breite * kGrad;
        int gelesen = 0;
        for (const CanvasPoint& q : a.c.linePoints(s.Farben[5])) {
            const double dx = q.x - a.cx, dy = q.y - a.cy, r = std::hypot(dx, dy);
            if (r < 800 || r > a.R0 - 5)
                continue;
            // Invert the projection by bisection, then the shadow direction gives the azimuth.
            double lo = 0, hi = 90;
            for (int i = 0; i < 60; ++i) {
                const double mitte = (lo + hi) / 2;
                (radiusLehrbuch(gesetz, a.R0, a.e, mitte) > r ? lo : hi) = mitte;
            }
            const double h = lo * kGrad, A = std::atan2(-dx, dy); // from south, west positive
            const double d = std::asin(std::sin(phi) * std::sin(h) - std::cos(phi) * std::cos(h) * std::cos(A)) / kGrad;
            const double naechste = std::min({std::fabs(d - s.EpsRund), std::fabs(d), std::fabs(d + s.EpsRund)});
            EXPECT_LT(naechste, 0.05) << gesetz << " at " << q.x << "," << q.y << ": " << d;
            ++gelesen;
        }
        EXPECT_GT(gelesen, 100) << gesetz;
    }
}

TEST(AzimutalHoeheZeichnung, PoleMarkAndEclipticOfTheStereographicDial)
{
    for (const double phi : {47.25, -33.9, 23.0, 15.0, -10.0, 2.0}) {
        AppState s = zustand(2);
        s.Par.Breite = phi;
        const Aufbau a = zeichne(s);
        // The celestial pole stands at altitude |phi| on the side away from the sun at noon;
        // its image is where the shadow of a "sun" at the pole would fall.
        const Sonnenvektor pol = sonnenvektor(phi, phi >= 0 ? 90 : -90, 0);
        const Schattenpunkt p = schattenpunkt({0, pol.nord, pol.oben}, a.cx, a.cy,
                                              radiusLehrbuch(2, a.R0, a.e, std::fabs(phi)));
        EXPECT_TRUE(hatPunkt(a.c.linePoints(s.Farben[3]), p.x - std::round(0.6 * 14), p.y, 1.01)) << phi;
        // The ecliptic: two circles through the east and west points of the horizon, one
        // through the summer and one through the winter solstice's noon point.
        const auto boegen = a.c.select([&](const RecordedPrimitive& r) {
            return r.kind == PrimitiveKind::Arc && r.pen.color == s.Farben[4];
        });
        ASSERT_EQ(boegen.size(), 2u) << phi;
        for (const RecordedPrimitive* b : boegen) {
            const double mx = (b->points[0].x + b->points[1].x) / 2.0, my = (b->points[0].y + b->points[1].y) / 2.0;
            const double rho = (b->points[1].x - b->points[0].x) / 2.0;
            EXPECT_NEAR(std::hypot(a.cx + a.R0 - mx, a.cy - my), rho, 2) << phi;
            EXPECT_NEAR(std::hypot(a.cx - a.R0 - mx, a.cy - my), rho, 2) << phi;
            // The part drawn (counter-clockwise as seen from its start) is the one above the
            // horizon: its middle is a solstice's noon point.
            const double a0 = std::atan2(my - b->points[2].y, b->points[2].x - mx);
            const double a1 = std::atan2(my - b->points[3].y, b->points[3].x - mx);
            const double lauf = std::fmod(a1 - a0 + 4 * M_PI, 2 * M_PI) / 2;
            const double xm = mx + rho * std::cos(a0 + lauf), ym = my - rho * std::sin(a0 + lauf);
            bool mittag = false;
            for (const double d : {s.EpsRund, -s.EpsRund}) {
                const Sonnenvektor v = sonnenvektor(phi, d, 0);
                const Schattenpunkt q = schattenpunkt(v, a.cx, a.cy, radiusLehrbuch(2, a.R0, a.e, hoeheGrad(v)));
                mittag = mittag || std::hypot(q.x - xm, q.y - ym) < 2;
            }
            EXPECT_TRUE(mittag) << phi << ": arc through " << xm << " " << ym;
        }
    }
}

TEST(AzimutalHoeheZeichnung, EveryLatitudeLawAndLineCountStaysFinite)
{
    // At phi = +-eps one ecliptic circle becomes the east-west diameter.
    for (const double phi : {-89.75, -66.0, -23.44, 0.0, 23.44, 66.0, 89.75})
        for (const int gesetz : {0, 1, 2})
            for (const std::uint8_t linien : {0, 1, 2, 3, 4, 5}) {
                AppState s = zustand(gesetz);
                s.Par.Breite = phi == 23.44 || phi == -23.44 ? (phi > 0 ? 1 : -1) * s.EpsRund : phi;
                s.Schalter.LinienProMonat = linien;
                s.Schalter.GanzeTageslaenge = 1;
                s.Schalter.Temporalstunden = s.Schalter.Babylonisch = s.Schalter.Italienisch = 1;
                RecordingCanvas c(1920, 1080, false);
                zeichneAzimutalHoehe(s, c, 1920, 1080, true);
                for (const RecordedPrimitive& p : c.primitives())
                    for (const CanvasPoint& q : p.points) {
                        ASSERT_LT(std::abs(q.x), 100000) << phi << " " << gesetz << " " << int(linien);
                        ASSERT_LT(std::abs(q.y), 100000) << phi << " " << gesetz << " " << int(linien);
                    }
                EXPECT_EQ(s.AzKreisart, gesetz == 1);
            }
    const struct {
        std::uint8_t linien;
        std::size_t anzahl;
    } zahlen[] = {{0, 7}, {1, 7}, {2, 13}, {3, 19}, {4, 3}, {5, 3}};
    for (const auto& z : zahlen) {
        AppState s = zustand(0);
        s.Schalter.LinienProMonat = z.linien;
        const auto l = hoehenDatumslinien(s);
        EXPECT_EQ(l.size(), z.anzahl) << int(z.linien);
    }
    AppState s = zustand(0);
    s.Schalter.LinienProMonat = 4;
    const auto l = hoehenDatumslinien(s);
    ASSERT_EQ(l.size(), 3u);
    EXPECT_NEAR(l[0].d, s.EpsRund, 0.01);
    EXPECT_NEAR(l[1].d, 0, 1e-9);
    EXPECT_NEAR(l[2].d, -s.EpsRund, 0.01);
    EXPECT_TRUE(l[0].haupt && l[1].haupt && l[2].haupt);
}

TEST(AzimutalHoeheZeichnung, SmallBarrelPlatesAndTheHorizonProfile)
{
    // A barrel plate within twice the font height takes the reduced diameter: positive radii.
    for (const double G : {3.0, 20.0, 66.0}) {
        AppState s = zustand(1);
        s.AzGrundplatte = G;
        const HoehenRadien r = hoehenRadienBild(s, 2050, false, 33);
        EXPECT_GT(r.R0, 0) << G;
        for (int h = 0; h <= 90; h += 10)
            EXPECT_TRUE(std::isfinite(r.r(h)) && r.r(h) >= 0) << G << " " << h;
        EXPECT_NEAR(r.r(0), r.R0, 0.5) << G;
        EXPECT_NEAR(r.r(90), 0, 1e-6) << G;
    }
    // A skyline of 30 degrees: with the profile shown, parts of the hour lines below it take
    // the profile colour; loaded but not shown, only the skyline is drawn.
    EXPECT_EQ(horizontIndex(179.75), 0);
    EXPECT_EQ(horizontIndex(-180), 0);
    EXPECT_EQ(horizontIndex(0), 360);
    for (const std::uint8_t zeigen : {0, 1}) {
        AppState s = zustand(0);
        for (Horizontpunkt& p : s.Horizont)
            p.Hoehe = 30;
        s.HorizontGeladen = 1;
        s.HorizontZeigen = zeigen;
        RecordingCanvas c(1920, 1080, false);
        zeichneAzimutalHoehe(s, c, 1920, 1080, true);
        EXPECT_EQ(c.countLines(s.Farben[10]) > 0, zeigen == 1);
        EXPECT_GE(c.countLines(s.Farben[3]), 720u);
    }
    // South: the north label below the plate.
    AppState s = zustand(0);
    s.Par.Breite = -33.9;
    RecordingCanvas c(1920, 1080, false);
    zeichneAzimutalHoehe(s, c, 1920, 1080, true);
    EXPECT_TRUE(c.hasText(" Nord"));
    EXPECT_FALSE(c.hasText("Süd"));
}

// Near the zenith in the tropics the temporal hours' ends crowd the other numbers: every number
// keeps clear of those written before it (the altitude circles' too), on both screens.
TEST(AzimutalHoeheZeichnung, HourNumbersStandClearOfOneAnother)
{
    for (const auto& [breite, laenge, zone] : {std::tuple{-12.9, 7.3, 15.0}, {-12.9, -143.5, -150.0}, {22.7, 12.08, 15.0}})
        for (const test::Sicht& v : {test::kSchirm, test::kSchirmKlein}) {
            AppState s = zustand(1);
            s.Par.Breite = breite;
            s.Par.Laenge = laenge;
            s.Par.Zonenmeridian = zone;
            s.Schalter.Ortszeit = s.Schalter.OhneLaengenkorrektur = 0;
            s.Schalter.Zonenzeit = s.Schalter.Temporalstunden = s.Schalter.TemporalAnzeige = 1;
            const test::Blattinhalt b = test::zeichneInSicht(s, v);
            for (const test::Befund& f : test::textAufText(b.roh, 0.04))
                EXPECT_TRUE(test::zahlIn(f.text) < 0 || test::zahlIn(f.zweiter) < 0) << v.name << ": " << f.meldung;
        }
}
