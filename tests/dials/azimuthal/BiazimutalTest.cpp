// The biazimuthal dial: its centre, azimuths seen from either focus checked against the sun's
// azimuth worked out from vectors, the single-place case as a horizontal dial, the scale on
// paper, the map and the refusals.
#include "core/Projektion.h"
#include "core/RecordingCanvas.h"
#include "core/Sonne.h"
#include "core/State.h"
#include "core/Winkel.h"
#include "dials/azimuthal/BiazimutalGeometrie.h"
#include "dials/azimuthal/BiazimutalZeichnung.h"
#include "support/Ansichten.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

using namespace umbrin;
namespace fs = std::filesystem;

namespace {

constexpr double kGrad = M_PI / 180;

AppState zustand()
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'c';
    s.FusspunktX = 800;
    s.FusspunktY = 500;
    return s;
}

fs::path kartenOrdner() { return fs::path(UMBRIN_SOURCE_DIR) / "tests" / "dials" / "azimuthal" / "karte"; }

// The sun's azimuth at a place, from north through east, from the ground point of the sun
// (declination d, longitude west positive) and the place (latitude, longitude west positive):
// the bearing of the ground point, worked out with vectors.
double azimutVonNord(double breite, double laenge, double d, double L)
{
    auto vek = [](double b, double l) {
        // x towards longitude 0, y towards 90 east, z the pole.
        return std::array<double, 3>{std::cos(b * kGrad) * std::cos(l * kGrad), -std::cos(b * kGrad) * std::sin(l * kGrad),
                                     std::sin(b * kGrad)};
    };
    const auto o = vek(breite, laenge), p = vek(d, L);
    // East at the place is towards decreasing west longitude; north = up x east.
    const std::array<double, 3> ost{std::sin(laenge * kGrad), std::cos(laenge * kGrad), 0};
    const std::array<double, 3> nord{o[1] * ost[2] - o[2] * ost[1], o[2] * ost[0] - o[0] * ost[2],
                                     o[0] * ost[1] - o[1] * ost[0]};
    const double e = p[0] * ost[0] + p[1] * ost[1] + p[2] * ost[2];
    const double n = p[0] * nord[0] + p[1] * nord[1] + p[2] * nord[2];
    return std::atan2(e, n) / kGrad;
}

double winkelZwischen(double ax, double ay, double bx, double by)
{
    return std::fabs(std::remainder(std::atan2(by, bx) - std::atan2(ay, ax), 2 * M_PI)) / kGrad;
}

} // namespace

TEST(Biazimutal, DefaultPlacesGiveTheirCentreHalfArcAndAxisFlag)
{
    const BiazimutalLage l = biazimutalLage(zustand());
    EXPECT_NEAR(l.pol.breite, 47.2818, 1e-4);
    EXPECT_NEAR(l.pol.laenge, -12.2950, 1e-4);
    EXPECT_NEAR(l.pol.halbeDistanz / kGrad, 1.8358, 1e-4);
    EXPECT_TRUE(l.pol.flag);
    EXPECT_EQ(l.s, 1);
}

TEST(Biazimutal, FromEitherFocusThePoleAndAnHourPointMakeTheSunsAzimuth)
{
    const struct {
        const char* name;
        double bA, lA, bB, lB;
    } faelle[] = {
        {"north, east-west", 47.25, -9.59, 47.25, -15.0},
        {"north, north-south", 40.0, -10.0, 52.0, -12.0},
        {"south, east-west", -33.9, -18.4, -34.0, -25.0},
        {"south, north-south", -20.0, -30.0, -45.0, -28.0},
        {"west of Greenwich", 40.7, 74.0, 34.0, 118.2},
    };
    for (const auto& f : faelle) {
        AppState s = zustand();
        s.Par.Breite = f.bA;
        s.Par.Laenge = f.lA;
        s.Par.Breite2 = f.bB;
        s.Par.Laenge2 = f.lB;
        BiazimutalProjektion p{biazimutalLage(s), 1000.0, 0, 0, false};
        ASSERT_LT(std::fabs(p.lage.pol.breite), 90) << f.name;
        double px = 0, py = 0;
        p.bild(p.lage.s > 0 ? 90 : -90, 0, px, py);
        int geprueft = 0;
        for (const double t : {8.0, 10.0, 12.5, 15.0, 17.0})
            for (const int i : {0, 9, 18, 27, 36}) {
                const double d = s.DeklTabelle[static_cast<std::size_t>(i)];
                const double L = biazimutalStundenlaenge(s, t);
                // Only where the sun is well within the hemisphere about the centre.
                if (std::cos(p.lage.pol.breite * kGrad) * std::cos(d * kGrad) * std::cos((L - p.lage.pol.laenge) * kGrad) +
                        std::sin(p.lage.pol.breite * kGrad) * std::sin(d * kGrad) <
                    0.3)
                    continue;
                double X = 0, Y = 0;
                p.bild(d, L, X, Y);
                for (const bool a : {true, false}) {
                    const double b = a ? p.lage.breiteA : p.lage.breiteB, l = a ? p.lage.laengeA : p.lage.laengeB;
                    double fx = 0, fy = 0;
                    p.bild(b, l, fx, fy);
                    // Measured from the pole the marker shows: north, or south for a southern centre.
                    const double vonNord = std::fabs(azimutVonNord(b, l, d, L));
                    const double soll = p.lage.s > 0 ? vonNord : 180 - vonNord;
                    EXPECT_NEAR(winkelZwischen(px - fx, py - fy, X - fx, Y - fy), soll, 0.05)
                        << f.name << (a ? " A " : " B ") << t << " " << d;
                }
                ++geprueft;
            }
        EXPECT_GT(geprueft, 8) << f.name;
    }
}

TEST(Biazimutal, OnePlaceIsAHorizontalDialWithItsNodusAndStraightHourLines)
{
    for (const double breite : {47.25, -33.87}) {
        AppState s = zustand();
        s.Par.Breite = s.Par.Breite2 = breite;
        s.Par.Laenge2 = s.Par.Laenge;
        s.Schalter.Kartenmassstab = 100;
        const double phi = s.Par.Breite;
        const double G = 100 * std::tan(std::fabs(phi) * kGrad); // mm
        BiazimutalProjektion p{biazimutalLage(s), 1.0, 0, 0, false};
        const auto d0 = biazimutalPolabstand(p.lage);
        ASSERT_TRUE(d0);
        p.g = 100 / *d0; // the pole 100 mm from the centre
        EXPECT_NEAR(p.g, G, 1e-9);
        double px = 0, py = 0;
        p.bild(phi > 0 ? 90 : -90, 0, px, py); // the elevated pole
        for (const double t : {9.0, 11.0, 14.0, 16.0}) {
            const double H = 15 * (t - 12);
            const double L = biazimutalStundenlaenge(s, t);
            double x1 = 0, y1 = 0;
            p.bild(s.DeklTabelle[phi > 0 ? 0 : 36], L, x1, y1);
            // The hour line leaves the pole point at the horizontal dial's angle.
            const double theta = std::atan(std::sin(phi * kGrad) * std::tan(H * kGrad)) / kGrad;
            EXPECT_NEAR(winkelZwischen(-px, -py, x1 - px, y1 - py), std::fabs(theta), 1e-6) << breite << " " << t;
            for (int i = 0; i <= 36; i += 4) {
                const double d = s.DeklTabelle[static_cast<std::size_t>(i)];
                double X = 0, Y = 0;
                p.bild(d, L, X, Y);
                // Straight: every point on the line from the pole point through the first.
                const double kreuz = (x1 - px) * (Y - py) - (y1 - py) * (X - px);
                EXPECT_NEAR(kreuz / std::hypot(x1 - px, y1 - py), 0, 1e-6) << breite << " " << t << " " << d;
                // The nodus: the sun's image lies G cot(a) from the foot.
                const double sinA = std::sin(phi * kGrad) * std::sin(d * kGrad) +
                                    std::cos(phi * kGrad) * std::cos(d * kGrad) * std::cos(H * kGrad);
                if (sinA > 0.1) {
                    EXPECT_NEAR(std::hypot(X, Y), G * std::sqrt(1 - sinA * sinA) / sinA, 1e-6 * G) << breite;
                }
            }
        }
    }
}

TEST(Biazimutal, OnPaperThePoleLiesTheScaleInMillimetresFromTheCentre)
{
    for (const double breite2 : {47.25, 30.0}) {
        AppState s = zustand();
        s.Par.Breite2 = breite2;
        s.Schalter.Kartenmassstab = 80;
        s.KarteAn = 0;
        s.FusspunktX = 1385;
        s.FusspunktY = 950; // the pole on the page: a marker off it is left out
        RecordingCanvas c(2770, 1900, true);
        const auto m = zeichneBiazimutal(s, c, 2770, 1900, false, 1.0, {});
        EXPECT_TRUE(m.empty());
        // The pole marker: the square of half-size 16 at the pole's image.
        bool gefunden = false;
        for (const auto& p : c.primitives()) {
            if (p.kind != PrimitiveKind::Rectangle || p.points[1].x - p.points[0].x != 32)
                continue;
            const double X = (p.points[0].x + p.points[1].x) / 2.0, Y = (p.points[0].y + p.points[1].y) / 2.0;
            if (std::fabs(std::hypot(X - 1385, Y - 950) - 800) <= 1.5)
                gefunden = true;
        }
        EXPECT_TRUE(gefunden) << breite2;
    }
}

TEST(Biazimutal, PlacesTooFarApartAreRefusedAndTheMapReportsOnce)
{
    AppState s = zustand();
    s.Par.Breite2 = -60;
    s.Par.Laenge2 = 150;
    EXPECT_FALSE(biazimutalVerweigerung(s).empty());
    RecordingCanvas c(1600, 1000);
    const auto m = zeichneBiazimutal(s, c, 1600, 1000, true, 1.0, {});
    ASSERT_EQ(m.size(), 1u);
    EXPECT_NE(m[0].text.find("zu gro"), std::string::npos);

    AppState t = zustand();
    BiazimutalUmgebung u;
    u.kartenOrdner = kartenOrdner();
    RecordingCanvas k(1600, 1000);
    const auto mk = zeichneBiazimutal(t, k, 1600, 1000, true, 1.0, u);
    ASSERT_EQ(mk.size(), 1u); // the one line of the coast file that does not read
    EXPECT_NE(mk[0].text.find("Zeile 7; 1 Zeile"), std::string::npos) << mk[0].text;
    EXPECT_EQ(k.countLines(t.Farben[10]), 3u); // 2 + 1: the bad line splits the second piece
    EXPECT_GT(k.countLines(t.Farben[11]), 1u);

    BiazimutalUmgebung leer;
    leer.kartenOrdner = fs::temp_directory_path() / "umbrin_keine_karte";
    RecordingCanvas l(1600, 1000);
    const auto ml = zeichneBiazimutal(t, l, 1600, 1000, true, 1.0, leer);
    ASSERT_EQ(ml.size(), 2u);
    // The screen names the file and says it is switched off; only the plot's message starts
    // with "Datei ".
    const std::string fehlt = (leer.kartenOrdner / "grenzenUmb.dat").string() + " wurde deaktiviert!";
    EXPECT_EQ(ml[0].text, fehlt);
}

TEST(Biazimutal, AnyLatitudeDrawsFiniteOrRefuses)
{
    for (const double b : {-89.75, -66.56, -23.44, 0.0, 23.44, 66.56, 89.75})
        for (const double b2 : {-89.75, 0.0, 45.0, 89.75}) {
            AppState s = zustand();
            s.Par.Breite = b;
            s.Par.Breite2 = b2;
            s.Schalter.MitZeitglAzimut = 1;
            RecordingCanvas c(1600, 1000);
            const auto m = zeichneBiazimutal(s, c, 1600, 1000, true, 1.0, {});
            for (const auto& p : c.primitives())
                for (const auto& q : p.points)
                    ASSERT_LE(std::abs(q.x) + std::abs(q.y), 2000000) << b << " " << b2;
            (void)m;
        }
}

// B's letter stays on the screen at its edge (60.2 N) and apart from A's beside it (47.9 S).
TEST(Biazimutal, PlacesLettersStayOnTheScreenAndApart)
{
    for (const auto& [breite, laenge, zone] : {std::tuple{60.2, 88.87, 90.0}, {47.25, 0.0, 0.0}, {-47.9, -17.42, -15.0}})
        for (const test::Sicht& v : {test::kSchirm, test::kSchirmKlein}) {
            AppState s = zustand();
            s.Par.Breite = breite;
            s.Par.Laenge = laenge;
            s.Par.Zonenmeridian = zone;
            const test::Blattinhalt b = test::zeichneInSicht(s, v);
            EXPECT_EQ(test::abseits(test::pruefeLayout(b.roh, {0, 0, b.breite, b.hoehe})) + test::abseits(test::textAufText(b.roh, 0.04), true), "")
                << breite << " " << v.name;
        }
}

// One projection reused while its places change (as a drawing and the next one reuse it)
// keeps no stale turn: every image is that of the plain projection, to the last bit.
TEST(Biazimutal, AReusedProjectionDrawsWhatThePlainProjectionDraws)
{
    const struct {
        double bA, lA, bB, lB;
    } orte[] = {{47.25, -11.4, 52.5, -13.4}, {47.25, -11.4, 40.4, 3.7}, {-33.9, -18.4, -34.0, -25.0},
                {-20.0, -30.0, -45.0, -28.0}, {40.7, 74.0, 34.0, 118.2}, {47.25, -11.4, 52.5, -13.4}};
    BiazimutalProjektion p;
    p.g = 250;
    p.x0 = 960;
    p.y0 = 540;
    for (const auto& o : orte) {
        AppState s = zustand();
        s.Par.Breite = o.bA;
        s.Par.Laenge = o.lA;
        s.Par.Breite2 = o.bB;
        s.Par.Laenge2 = o.lB;
        p.lage = biazimutalLage(s);
        const BiazimutalLage& l = p.lage;
        for (const double breite : {-60.0, -23.44, 0.0, 12.5, 47.25, 89.9})
            for (const double laenge : {-170.0, -30.0, -11.4, 0.0, 45.0, 120.0}) {
                double x = 0, y = 0, X = 0, Y = 0;
                ProjiziereSonneOrient(l.laengeA, l.breiteA, l.laengeB, l.breiteB, l.pol.laenge, l.pol.breite,
                                      l.pol.halbeDistanz, p.g, breite, laenge, l.pol.flag, x, y);
                p.platziere(x, y, X, Y);
                double bx = 0, by = 0;
                p.bild(breite, laenge, bx, by);
                EXPECT_EQ(bx, X) << o.bA << " " << o.lB << " " << breite << " " << laenge;
                EXPECT_EQ(by, Y) << o.bA << " " << o.lB << " " << breite << " " << laenge;
                // A map point with the sines of its latitude kept lands on the same spot.
                p.bild(SinGrad(breite), CosGrad(breite), laenge, bx, by);
                EXPECT_EQ(bx, X) << o.bA << " " << o.lB << " " << breite << " " << laenge;
                EXPECT_EQ(by, Y) << o.bA << " " << o.lB << " " << breite << " " << laenge;
            }
    }
}

// The window keeps a map file it has read, but a file written anew (or taken away) is what
// the next drawing shows.
TEST(Biazimutal, AMapFileWrittenAnewIsReadAgain)
{
    const fs::path ordner = fs::temp_directory_path() / "umbrin_biazimutal_karte_neu";
    fs::remove_all(ordner);
    fs::create_directories(ordner);
    const auto schreibe = [&](const std::string& text) {
        std::ofstream(ordner / "coastUmb.dat", std::ios::binary) << text;
    };
    AppState s = zustand();
    s.GrenzenAn = 0;
    BiazimutalKarten karten;
    BiazimutalUmgebung u;
    u.kartenOrdner = ordner;
    u.karten = &karten;
    const auto zeichne = [&](Konstruktionsmeldungen& m) {
        RecordingCanvas c(1600, 1000);
        m = zeichneBiazimutal(s, c, 1600, 1000, true, 1.0, u);
        return c.countLines(s.Farben[10]);
    };
    Konstruktionsmeldungen m;
    schreibe("-11.0 47.0\n-11.5 47.5\n#\n-12.0 48.0\n-12.5 48.5\n");
    EXPECT_EQ(zeichne(m), 2u);
    EXPECT_EQ(zeichne(m), 2u);
    schreibe("-11.0 47.0\n-11.5 47.5\n#\n-12.0 48.0\n-12.5 48.5\n#\n-13.0 49.0\n-13.5 49.5\n");
    EXPECT_EQ(zeichne(m), 3u);
    EXPECT_TRUE(m.empty());
    fs::remove(ordner / "coastUmb.dat");
    EXPECT_EQ(zeichne(m), 0u);
    ASSERT_EQ(m.size(), 1u);
    EXPECT_NE(m[0].text.find("wurde deaktiviert!"), std::string::npos) << m[0].text;
    fs::remove_all(ordner);
}
