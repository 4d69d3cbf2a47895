// The ring dial drawn on a recording canvas: scale and layout of the default screen, the hour
// range of the two-band layout, every hour-curve point against the cylinder model and the
// sun's altitude, the refusals and the question of a ring too large for the image.
#include "core/RecordingCanvas.h"
#include "core/State.h"
#include "dials/ring/RingSonnenuhr.h"
#include "RingModell.h"
#include "RingTestHilfen.h"
#include "support/ScriptedPrompt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

using namespace umbrin;
using namespace umbrin::ringtest;

namespace {

Konstruktionsmeldungen zeichne(const AppState& s, RecordingCanvas& c, UserPrompt* frage = nullptr)
{
    return konstruiereRingSU(s, c, c.width(), c.height(), true, frage);
}

std::set<std::string> stundenLabels(const RecordingCanvas& c)
{
    std::set<std::string> labels;
    for (const RecordedPrimitive* p : c.select([](const RecordedPrimitive& p) {
             return p.kind == PrimitiveKind::Text && p.angle == 90 && p.font.name != "Wingdings";
         }))
        labels.insert(p->text);
    return labels;
}

} // namespace

TEST(RingSonnenuhr, DefaultScreenScaleAndLayout)
{
    AppState s = ringZustand();
    RecordingCanvas c(1920, 1080);
    EXPECT_TRUE(zeichne(s, c).empty());
    // C = 1216.3 and x_left 96: the half-circumference bar runs from 96 to 96 + 1216.
    const auto bars = c.select([](const RecordedPrimitive& p) {
        return p.kind == PrimitiveKind::Polyline && p.points.size() == 4 && p.points[0].x == 96 && p.points[2].x == 1312;
    });
    EXPECT_EQ(bars.size(), 1u);
    // The hole marks stand on the hole line x_ref = 299.
    const auto loecher = c.select([](const RecordedPrimitive& p) {
        return p.kind == PrimitiveKind::Ellipse && p.pen.color == 0x008000;
    });
    ASSERT_EQ(loecher.size(), 2u);
    for (const RecordedPrimitive* p : loecher)
        EXPECT_EQ((p->points[0].x + p->points[1].x) / 2, 299);
    // B_u = 413: the summer band's equinox row lies 413 below its top, the ecliptic rows between.
    EXPECT_TRUE(c.hasText("Ring-Sonnenuhr (Bauernring):"));
    EXPECT_TRUE(c.hasText("Gesamtlänge der beiden Skalen"));
}

TEST(RingSonnenuhr, TwoBandsDrawOneSideOfNoon)
{
    struct Fall {
        int von, bis;
        std::set<std::string> labels;
    };
    const Fall faelle[] = {
        {8, 18, {"12", "13", "14", "15", "16", "17", "18"}},
        {7, 16, {"7", "8", "9", "10", "11", "12"}},
        {9, 15, {"12", "13", "14", "15"}},
    };
    for (const Fall& f : faelle) {
        AppState s = ringZustand();
        s.Zeiten.QuadVon = f.von;
        s.Zeiten.QuadBis = f.bis;
        RecordingCanvas c(1920, 1080);
        zeichne(s, c);
        EXPECT_EQ(stundenLabels(c), f.labels) << f.von << ".." << f.bis;
    }
}

// Every end point of the full-hour curves lies where the model puts the spot: the in-plane
// spot x_ref + 2 R_u h of the sun at the row's declination, or (where the deflection is
// shown) that spot moved by R_u K for the row's sideways target. South of the equator a row
// stands for the opposite declination of the sun.
TEST(RingSonnenuhr, HourCurvePointsAgreeWithTheModelInEveryMode)
{
    struct Fall {
        double phi;
        int band, modus;
    };
    std::vector<Fall> faelle;
    for (const double phi : {47.25, -35.0})
        for (int band = 0; band <= 1; ++band)
            for (int modus = 0; modus <= 2; ++modus)
                faelle.push_back({phi, band, modus});
    for (const auto& [phi, band, modus] : faelle) {
        AppState s = ringZustand();
        s.Par.Breite = phi;
        s.Schalter.Ganzjaehrig = band;
        s.Schalter.RingExakt = modus;
        s.Schalter.ZwoelfUhrHorizontal = 0;
        s.Zeiten.QuadVon = 12;
        s.Zeiten.QuadBis = 17;
        RecordingCanvas c(1920, 1080);
        zeichne(s, c);
        const double Ru = 1216.3 / M_PI;
        const double eps = s.DeklTabelle[0];
        const double Bu = 413, B = s.Par.RingBreite, D = s.Par.RingDurchmesser;
        const double loch = band ? s.RingLochVersatz : 0;
        std::size_t geprueft = 0;
        for (const CanvasPoint& p : c.linePoints(s.Farben[1])) {
            if (p.x <= 299)
                continue;
            // The row's declination from its y, and the band's sideways target.
            double delta = 0, T = 0;
            if (band) {
                const double top = 1080 / 5;
                delta = eps - (p.y - top) * 2 * eps / Bu;
                T = std::fabs(delta - loch) * B / (2 * eps);
            } else {
                const int sommerTop = 1080 / 12 + 3 * (1080 / 12 / 20);
                const bool sommer = p.y <= sommerTop + Bu + 1;
                const double top = sommer ? sommerTop : std::round(sommerTop + 2 * (1080 / 12 / 20) + Bu) + 1080 / 12;
                delta = sommer ? eps - (p.y - top) * eps / Bu : -(p.y - top) * eps / Bu;
                T = std::fabs(delta - (sommer ? s.DeklOben : s.DeklUnten)) * B / eps;
            }
            double best = 1e9;
            for (int t = 12; t <= 17; ++t) {
                const double h = sonnenhoehe(phi, phi < 0 ? -delta : delta, (t - 12) * 15.0);
                const double x = 299 + 2 * Ru * h * kGrad;
                best = std::min(best, std::fabs(p.x - x));
                if (h > 0 && modus != 0)
                    best = std::min(best, std::fabs(p.x - x - Ru * korrekturFuer(D, 30, h, T) * kGrad));
            }
            EXPECT_LT(best, 2.5) << phi << " band " << band << " mode " << modus << " at " << p.x << "," << p.y;
            ++geprueft;
        }
        EXPECT_GT(geprueft, 100u) << phi;
    }
}

TEST(RingSonnenuhr, RefusalsQuestionsAndMessages)
{
    {
        AppState s = ringZustand();
        s.Par.RingDurchmesser = 0;
        RecordingCanvas c(1920, 1080);
        const Konstruktionsmeldungen m = zeichne(s, c);
        ASSERT_EQ(m.size(), 1u);
        EXPECT_NE(m[0].text.find("größer als 0"), std::string::npos);
        EXPECT_TRUE(c.primitives().empty());
    }
    // Too long for the image (D = 400; D = 195 in the tropics with the margin and the noon
    // number beyond the band's end) or two bands too wide for its height (B = 190): No draws
    // nothing, Yes reduces the ring as a whole. The band from the ring's top to half the
    // circumference beyond the hole takes 0.9 of the width; two bands of 2 x 981 pixels fit
    // between the upper band's top (110) and the gap and date scale (166) above the image's last
    // row: 801 / 1962 of 190 mm.
    const struct {
        double D, B;
        const char *frage, *reduziert;
        double breite = 47.25;
    } zuGross[] = {{400, 0, "Alles verkeinern?", "Durchmesser =182.7"},
                   {195, 0, "Alles verkeinern?", "Durchmesser =182.7", 23.66},
                   {0, 190, "zu breit", "Ringbreite = 77.6"}};
    for (const auto& fall : zuGross) {
        AppState s = ringZustand();
        (fall.D ? s.Par.RingDurchmesser : s.Par.RingBreite) = fall.D ? fall.D : fall.B;
        s.Par.Breite = fall.breite;
        test::ScriptedPrompt nein;
        nein.answers = {PromptAnswer::No};
        RecordingCanvas c(1920, 1080);
        zeichne(s, c, &nein);
        ASSERT_EQ(nein.asked.size(), 1u);
        EXPECT_NE(nein.asked[0].text.find(fall.frage), std::string::npos);
        EXPECT_TRUE(c.primitives().empty());
        test::ScriptedPrompt ja;
        zeichne(s, c, &ja);
        EXPECT_TRUE(c.hasText(fall.reduziert));
        if (fall.D) {
            EXPECT_EQ(c.select([](const RecordedPrimitive& p) {
                           return p.kind == PrimitiveKind::Polyline && p.points.size() == 4 && p.points[0].x == 96 &&
                                  p.points[2].x == 96 + 1481;
                       }).size(),
                      1u);
        }
    }
    {
        // Temporal hours beyond 12: one message, hours 6 to 12.
        AppState s = ringZustand();
        s.Schalter.TemporalAnzeige = 1;
        s.Zeiten.QuadTempVon = 3;
        s.Zeiten.QuadTempBis = 14;
        RecordingCanvas c(1920, 1080);
        const Konstruktionsmeldungen m = zeichne(s, c);
        ASSERT_EQ(m.size(), 1u);
        EXPECT_NE(m[0].text.find("zwischen 0 und 12"), std::string::npos);
        EXPECT_EQ(stundenLabels(c), (std::set<std::string>{"6", "7", "8", "9", "10", "11", "12"}));
    }
    {
        // Temporal hours at 70 degrees: the message on the canvas, no dial.
        AppState s = ringZustand();
        s.Schalter.TemporalAnzeige = 1;
        s.Par.Breite = 70;
        RecordingCanvas c(1920, 1080);
        EXPECT_TRUE(zeichne(s, c).empty());
        EXPECT_TRUE(c.hasText("nicht möglich"));
        EXPECT_EQ(c.countLines(), 0u);
    }
}

TEST(RingSonnenuhr, HoleValuesWithoutExpertModeStayInTheState)
{
    AppState s = ringZustand();
    s.ExpertenModus = 0;
    s.DeklOben = 5;
    s.RingLochVersatz = 7;
    for (int band = 0; band <= 1; ++band) {
        s.Schalter.Ganzjaehrig = band;
        RecordingCanvas c(1920, 1080);
        zeichne(s, c);
        EXPECT_TRUE(c.hasText(band ? "Lochgnomons =  0.00" : "Lochgnomons = 11.72"));
    }
    EXPECT_EQ(s.DeklOben, 5);
    EXPECT_EQ(s.RingLochVersatz, 7);
}

TEST(RingSonnenuhr, EveryLayoutAndLatitudeGivesFiniteDrawing)
{
    for (const double phi : {-60.0, 0.0, 23.44, 66.0, 80.0}) {
        for (int band = 0; band <= 1; ++band) {
            for (int zwoelf = 0; zwoelf <= 1; ++zwoelf) {
                AppState s = ringZustand();
                s.Par.Breite = phi;
                s.Schalter.Ganzjaehrig = band;
                s.Schalter.ZwoelfUhrHorizontal = zwoelf;
                s.Schalter.RingExakt = 2;
                s.Schalter.Italienisch = s.Schalter.Babylonisch = 1;
                RecordingCanvas c(1920, 1080);
                const Konstruktionsmeldungen m = zeichne(s, c);
                // The Babylonian and the Italian curves each say once that the latitude is too high.
                const auto fehler = std::count_if(m.begin(), m.end(), [](const Konstruktionsmeldung& k) {
                    return k.symbol == PromptIcon::Error;
                });
                EXPECT_EQ(fehler, std::fabs(phi) > 65 && !zwoelf ? 2 : 0) << phi << " " << band;
                for (const RecordedPrimitive& p : c.primitives())
                    for (const CanvasPoint& q : p.points)
                        ASSERT_TRUE(std::abs(q.x) < 100000 && std::abs(q.y) < 100000) << phi << " " << band;
            }
        }
    }
}
