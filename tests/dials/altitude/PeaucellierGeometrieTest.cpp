// The Peaucellier azimuth dial checked against the sun worked out as a vector (east, north, up):
// the shadow of a vertical pin points away from the sun, and an hour point must lie on that
// shadow ray where it crosses the date line of the day. Nothing below asks the program for
// these directions.
#include "PeaucellierSonne.h"
#include "core/RecordingCanvas.h"
#include "core/Sprachdienst.h"
#include "core/State.h"
#include "dials/altitude/PeaucellierGeometrie.h"
#include "dials/altitude/PeaucellierHpgl.h"
#include "dials/altitude/PeaucellierZeichnung.h"
#include "support/Ansichten.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

using namespace umbrin;

namespace {

using namespace umbrin::test::peaucellier;

// Where the pin's shadow ray for the sun crosses the line at |y| = abstand (x north, y east).
PeaucellierPunkt schattenPunkt(const V& sonne, double abstand)
{
    const double nord = -sonne.n, ost = -sonne.e;
    const double y = ost > 0 ? abstand : -abstand;
    return {y * nord / ost, y};
}

// The signed distance of q from the shadow ray of the sun (0 on the ray), and whether q lies
// on the side away from the sun.
double abseits(const V& sonne, PeaucellierPunkt q) { return q.x * (-sonne.e) - q.y * (-sonne.n); }
bool imSchatten(const V& sonne, PeaucellierPunkt q) { return q.x * (-sonne.n) + q.y * (-sonne.e) > 0; }

// The sun of the dial's own seasons: in the south the date line of +d is the local summer's
// (declination -d) and the dial's axis points to the south pole, so the sun is taken with the
// hemisphere's sign on the declination and on the north component.
V sonneLokal(double phi, double d, double t)
{
    const double hs = phi < 0 ? -1 : 1;
    V v = sonne(phi, hs * d, t);
    v.n *= hs;
    return v;
}

AppState zustand(double breite)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'p';
    s.Par.Breite = breite;
    return s;
}

} // namespace

TEST(PeaucellierGeometrie, WorkedNumbers)
{
    const PeaucellierGeometrie g = peaucellierGeometrie(47.25, 23.44, 100, -0.8749, 1);
    EXPECT_DOUBLE_EQ(g.dekl[0], 23.44);
    EXPECT_DOUBLE_EQ(g.dekl[3], 20.3);
    EXPECT_DOUBLE_EQ(g.dekl[6], 11.72);
    EXPECT_DOUBLE_EQ(g.dekl[9], 0.0);
    EXPECT_DOUBLE_EQ(g.dekl[18], -23.44);
    EXPECT_NEAR(g.r[0] / 100, 1.6112, 1e-4);
    EXPECT_NEAR(g.r[3] / 100, 1.0, 1e-12);
    EXPECT_NEAR(g.r[6] / 100, 0.7250, 1e-4);
    EXPECT_NEAR(g.H0m, 117.97, 0.005);
    // 120 degrees lies beyond the longest day, 105 is drawn; nothing inside the last hour.
    bool h105 = false;
    for (const PeaucellierStundenstueck& st : g.stunden) {
        EXPECT_LE(st.H, g.H0m);
        EXPECT_GE(st.H, 15.0);
        h105 = h105 || st.H == 105.0;
    }
    EXPECT_TRUE(h105);
    EXPECT_EQ(g.stunden.size(), 2u * 7); // 1 .. 7 hours from noon, both sides
    EXPECT_TRUE(g.unterteilungen.empty());
    EXPECT_EQ(peaucellierGeometrie(47.25, 23.44, 100, -0.8749, 4).unterteilungen.size(), 2u * 3);
}

TEST(PeaucellierGeometrie, HourPointsLieOnThePinsShadowRayAtTheDateLinesDistance)
{
    const double R = 320;
    for (const double phi : {35.0, 47.25, 60.0, -35.0, -47.25}) {
        for (const double p : {-0.8749, -0.4, 0.5}) {
            const PeaucellierGeometrie g = peaucellierGeometrie(phi, 23.44, R, p, 4);
            ASSERT_FALSE(g.stunden.empty());
            for (const PeaucellierStundenstueck& st : g.stunden) {
                const double t = st.H * st.seite;
                const V s1 = sonneLokal(phi, 23.44, t);
                const double dEnde = std::max(std::atan(-std::cos(st.H * kGrad) / std::tan(std::fabs(phi) * kGrad)) / kGrad, -23.44);
                const V s2 = sonneLokal(phi, dEnde, t);
                const std::string fall = "phi " + std::to_string(phi) + " p " + std::to_string(p) + " H "
                                         + std::to_string(t);
                EXPECT_NEAR(abseits(s1, st.ende1), 0, 1e-6 * R) << fall;
                EXPECT_TRUE(imSchatten(s1, st.ende1)) << fall;
                EXPECT_NEAR(std::fabs(st.ende1.y), linienAbstand(R, p, 23.44), 1e-9 * R) << fall;
                EXPECT_NEAR(abseits(s2, st.ende2), 0, 1e-6 * R) << fall;
                EXPECT_NEAR(std::fabs(st.ende2.y), linienAbstand(R, p, dEnde), 1e-9 * R) << fall;
                // The seven date lines' points of this hour (where the sun is up) lie on the
                // segment's line.
                const double dx = st.ende2.x - st.ende1.x, dy = st.ende2.y - st.ende1.y;
                const double laenge = std::hypot(dx, dy);
                for (int i = 0; i <= 6; ++i) {
                    const V s = sonneLokal(phi, g.dekl[3 * i], t);
                    if (s.u <= 0)
                        continue;
                    const PeaucellierPunkt q = schattenPunkt(s, linienAbstand(R, p, g.dekl[3 * i]));
                    EXPECT_NEAR((q.x - st.ende1.x) * dy - (q.y - st.ende1.y) * dx, 0, 1e-6 * R * laenge)
                        << fall << " line " << i;
                }
            }
            // The last hour's subdivisions run over the cross strokes on the shadow rays.
            for (const PeaucellierUnterteilung& u : g.unterteilungen) {
                const double H = (15.0 - 15.0 * u.m / 4) * u.seite;
                ASSERT_EQ(u.punkte.size(), 7u);
                for (int i = 0; i <= 6; ++i) {
                    const V s = sonneLokal(phi, g.dekl[3 * i], H);
                    // The point's x is rounded to the unit, its y is not: off the ray by less
                    // than half a unit.
                    EXPECT_NEAR(abseits(s, u.punkte[i]), 0, 0.5) << phi << " " << p << " " << i;
                    EXPECT_NEAR(u.punkte[i].x, g.x15[i], 0.5);
                }
            }
        }
    }
}

TEST(PeaucellierGeometrie, WhatRefusesTheDial)
{
    const struct {
        double phi, p;
        PeaucellierHindernis h;
    } faelle[] = {
        {29.0, -0.8749, PeaucellierHindernis::Keines},   {28.99, -0.8749, PeaucellierHindernis::Breite},
        {-28.99, -0.8749, PeaucellierHindernis::Breite}, {-29.0, -0.8749, PeaucellierHindernis::Keines},
        {66.55, -0.8749, PeaucellierHindernis::Keines},  {66.56, -0.8749, PeaucellierHindernis::Breite},
        {-67.0, -0.8749, PeaucellierHindernis::Breite},  {90.0, -0.8749, PeaucellierHindernis::Breite},
        {47.25, 2.1, PeaucellierHindernis::Keines},      {47.25, -2.3, PeaucellierHindernis::Keines},
        {47.25, 2.31, PeaucellierHindernis::Konstante},  {47.25, -5.0, PeaucellierHindernis::Konstante},
        {NAN, -0.8749, PeaucellierHindernis::Breite},    {47.25, INFINITY, PeaucellierHindernis::Konstante},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(peaucellierHindernis(f.phi, 29.0, 23.44, f.p), f.h) << f.phi << " " << f.p;
    EXPECT_DOUBLE_EQ(peaucellierKonstante(0.0), -0.8749);
    EXPECT_DOUBLE_EQ(peaucellierEinheit(0.0), 35.0);
}

TEST(PeaucellierZeichnung, RefusedLatitudesAndConstantsDrawOnlyTheirMessage)
{
    for (const auto& [phi, p] : {std::pair{28.99, -0.8749}, {-28.99, -0.8749}, {67.0, -0.8749}, {47.25, 3.0}}) {
        AppState s = zustand(phi);
        s.FusspunktX = s.FusspunktY = 0;
        RecordingCanvas c(1200, 800);
        zeichnePeaucellierSU(s, c, 1, 1, 1200, 800, 32, p, true);
        EXPECT_EQ(c.countLines(), 0u) << phi;
        EXPECT_FALSE(c.texts().empty()) << phi;
        EXPECT_EQ(s.FusspunktX, 0) << "the foot stays as it was";
    }
}

TEST(PeaucellierZeichnung, EquinoxLineAtTheUnitAndFootAndLabelsAsPlaced)
{
    // On paper a millimetre is 10 units: the equinox line (colour 5) lies 10 x Einheit from the
    // axis through the foot; a foot placed beyond the frame comes in as far as the whole dial
    // needs to lie inside it.
    AppState s = zustand(47.25);
    s.FusspunktX = 9000;
    s.FusspunktY = 1900;
    RecordingCanvas papier(2970, 2100, true);
    zeichnePeaucellierSU(s, papier, 30, 30, 2910, 2040, 32, -0.8749, false);
    EXPECT_LT(s.FusspunktX, 2910);
    EXPECT_LT(s.FusspunktY, 1900 - 15);
    int aequinox = 0;
    for (const CanvasPoint& q : papier.linePoints(s.Farben[5])) {
        if (q.y == s.FusspunktY + 320 || q.y == s.FusspunktY - 320)
            ++aequinox;
    }
    EXPECT_GE(aequinox, 4);

    // On the screen a millimetre is height / 200 pixels; an unplaced foot goes to 35 % of the
    // width and half the height, and the state keeps it.
    AppState b = zustand(47.25);
    RecordingCanvas bild(1000, 600);
    zeichnePeaucellierSU(b, bild, 1, 1, 1000, 600, 32, -0.8749, true);
    EXPECT_EQ(b.FusspunktX, 351);
    EXPECT_EQ(b.FusspunktY, 301);
    EXPECT_TRUE(bild.hasText("Hybride Peaucellier-Sonnenuhr"));
    EXPECT_TRUE(bild.hasText("Peaucellier Konstante = -0.8749"));

    // The hour labels: afternoon "1".."7" and morning " 5".."11" in the north, 12 minus each
    // in the south, where the arrow says "S".
    const auto labels = [](double phi) {
        AppState z = zustand(phi);
        RecordingCanvas c(1000, 600);
        zeichnePeaucellierSU(z, c, 1, 1, 1000, 600, 32, -0.8749, true);
        return c.texts();
    };
    const auto nord = labels(47.25), sued = labels(-47.25);
    const auto hat = [](const std::vector<std::string>& t, const std::string& x) {
        return std::find(t.begin(), t.end(), x) != t.end();
    };
    EXPECT_TRUE(hat(nord, "1") && hat(nord, "7") && hat(nord, " 5") && hat(nord, "11") && hat(nord, "N"));
    EXPECT_TRUE(hat(sued, "11") && hat(sued, " 5") && hat(sued, " 7") && hat(sued, " 1") && hat(sued, "S"));
    EXPECT_FALSE(hat(sued, "N"));
}

// Nothing runs off the sheet without a word: at latitudes up to the polar circle over the
// dialog's range of the unit (zoom 1) both screens show the dial whole; a page (A4 and A3 either
// way) is refused, and the plot written with a warning, naming a unit that fits in the user's
// language, exactly where the dial from the window's foot would not lie whole on it. The DXF
// drawing, which has no paper, holds the dial whole without a word.
TEST(PeaucellierZeichnung, NothingLeavesTheSheetWithoutAWord)
{
    const auto ganz = [](const test::Blattinhalt& b) {
        bool drauf = !b.verweigert;
        for (const test::Strich& st : b.striche)
            for (const test::PlotPunkt& q : st.punkte)
                drauf = drauf && q.x >= 0 && q.x <= b.breite && q.y >= 0 && q.y <= b.hoehe;
        for (const test::Beschriftung& q : b.texte)
            drauf = drauf && q.an.x >= 0 && q.an.x <= b.breite && q.an.y >= 0 && q.an.y <= b.hoehe;
        return drauf;
    };
    for (const double phi : {29.5, -29.5, 47.25, 60.0, 66.0, -66.0})
        for (int einheit = 10; einheit <= 300; einheit += 5)
            for (const test::Sicht& v : {test::kSchirm, test::kSchirmKlein, test::kSeiteA4, test::kSeiteA3, test::kPlot,
                                         test::Sicht{"page A4 portrait", 2100, 2970, true},
                                         test::Sicht{"page A3 portrait", 2970, 4200, true}}) {
                AppState s = zustand(phi);
                s.Par.Einheit = einheit;
                setzeSprache(s, einheit % 10 == 0);
                test::Blattinhalt b = test::zeichneInSicht(s, v);
                if (v.plot && !b.gesagt.empty())
                    b.nein = b.gesagt.front();
                const bool inSprache = b.nein.find(peaucellierEinheitFeld(s)) != std::string::npos
                                       && b.nein.find(s.Sprachspalte == 2 ? " at most " : " höchstens ") != std::string::npos;
                EXPECT_TRUE(ganz(b) != !b.nein.empty() && (b.nein.empty() || einheit <= 10 || inSprache))
                    << phi << " unit " << einheit << " " << v.name << ": " << b.nein;
                if (!v.plot)
                    continue;
                HPGLDatei dxf;
                dxf.oeffnenImSpeicher();
                std::string warnung;
                EXPECT_EQ(hpglPeaucellierSU(s, dxf, einheit, false, &warnung) + warnung, "");
                EXPECT_TRUE(ganz(test::lesePlot(dxf.inhalt()))) << phi << " unit " << einheit << " DXF";
            }
}
