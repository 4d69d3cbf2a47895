// The cone dial on a recording canvas: what reaches the screen and the page for each plane,
// the refusals, the hour labels and the legend.
#include "core/RecordingCanvas.h"
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/State.h"
#include "dials/cone/KegelKonstruktion.h"
#include "dials/cone/KegelHpgl.h"
#include "dials/cone/KegelUhr.h"
#include "support/Layoutpruefung.h"
#include "support/ScriptedPrompt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

using namespace umbrin;

namespace {

AppState zustand()
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'm';
    s.Par.Jahr = 2021;
    SchiefeUndTierkreis(s, s.Par.Jahr);
    s.FusspunktX = 700;
    s.FusspunktY = 400;
    s.LegendeX = 40;
    s.LegendeY = 700;
    s.LegendeGesetzt = 1;
    return s;
}

std::size_t anzahl(const RecordingCanvas& c, PrimitiveKind art)
{
    return c.select([art](const RecordedPrimitive& p) { return p.kind == art; }).size();
}

} // namespace

TEST(KegelUhr, EachPlaneDrawsFootprintMarksHourAndDateLinesAndLegend)
{
    struct Fall {
        std::uint8_t ebene;
        bool gedreht;
        const char* ebenenText;
    };
    for (const Fall f : {Fall{0, false, ""}, Fall{1, true, "vertikal"}, Fall{2, true, "inklinierend"}}) {
        SCOPED_TRACE(int(f.ebene));
        AppState s = zustand();
        s.Par.Wandabweichung = -20;
        s.Par.Inklination = 60;
        RecordingCanvas c(1400, 800);
        const Konstruktionsmeldungen m = zeichneKegelUhr(s, {}, c, 1400, 800, true, 35.0, 1.0, f.ebene);
        EXPECT_TRUE(m.empty());

        // The footprint at the scale of a 280 mm wide sheet: a = 7.587 mm, b = 10.538 mm.
        const double mm = 1400.0 / 280;
        const auto ellipsen = c.select([](const RecordedPrimitive& p) { return p.kind == PrimitiveKind::Ellipse; });
        if (!f.gedreht) {
            ASSERT_EQ(ellipsen.size(), 1u);
            EXPECT_NEAR(ellipsen[0]->points[1].x - 700, 7.587 * mm, 1);
            EXPECT_NEAR(ellipsen[0]->points[1].y - 400, 10.538 * mm, 1);
        } else {
            EXPECT_TRUE(ellipsen.empty());
            const auto rand = c.select([&](const RecordedPrimitive& p) {
                return p.kind == PrimitiveKind::Polyline && p.pen.color == s.Farben[3];
            });
            ASSERT_FALSE(rand.empty());
            EXPECT_EQ(rand[0]->points.size(), 127u); // (a, 0), then theta = 0.05 .. 6.283
        }
        EXPECT_TRUE(c.hasText(" A"));
        EXPECT_TRUE(c.hasText(" S"));
        EXPECT_GT(c.countLines(s.Farben[2]), 50u) << "full hours";
        EXPECT_GT(c.countLines(s.Farben[5]), 200u) << "main date lines";
        EXPECT_TRUE(c.hasText("Sonnenuhr für mittlere Zeit (Ortszeit)"));
        EXPECT_TRUE(c.hasText("Kegelachse: Länge= 35.00; Achsenneigung= 47.25"));
        EXPECT_TRUE(c.hasText("Halber Oeffnungswinkel an Kegelspitze: 12.00"));
        EXPECT_EQ(c.hasText(f.ebenenText) && *f.ebenenText, f.gedreht);
        // Labels only at even full hours.
        for (const std::string& t : c.texts()) {
            if (!t.empty() && std::all_of(t.begin(), t.end(), [](char ch) { return ch >= '0' && ch <= '9'; })) {
                EXPECT_EQ(std::stoi(t) % 2, 0) << t;
            }
        }
    }
}

TEST(KegelUhr, RefusedConeEndsTheDrawingWithItsMessage)
{
    for (const bool deutsch : {true, false})
        for (const auto& [psi, alfa] : {std::pair{30.0, 30.0}, std::pair{120.0, 61.0}, std::pair{5.0, 0.1}}) {
            AppState s = zustand();
            setzeSprache(s, deutsch);
            s.Par.KegelNeigung = psi;
            s.Par.KegelOeffnung = alfa;
            RecordingCanvas c(1400, 800);
            const Konstruktionsmeldungen m = zeichneKegelUhr(s, {}, c, 1400, 800, true, 35.0, 1.0, 0);
            ASSERT_EQ(m.size(), 1u);
            EXPECT_EQ(m[0].text.find(deutsch ? "Eingabefehler!\nDie Winkel" : "Input error!\nThe angles"), 0u);
            EXPECT_EQ(m[0].titel, PromptTitle::Fehler);
            EXPECT_EQ(anzahl(c, PrimitiveKind::Ellipse), 0u) << "no stale footprint";
            EXPECT_TRUE(c.texts().empty()) << "no legend";
        }
}

TEST(KegelUhr, SubStepsDrawEachHourOnceAndThePageKeepsTheLegendPosition)
{
    for (const char intervall : {'0', '1'}) {
        AppState s = zustand();
        s.Schalter.StundenIntervallSonst = intervall;
        s.Farben[1] = 0x123456; // the sub-step colour, used by nothing else
        RecordingCanvas c(1400, 800);
        zeichneKegelUhr(s, {}, c, 1400, 800, true, 35.0, 1.0, 0);
        EXPECT_EQ(c.countLines(0x123456) > 0, intervall == '1') << intervall;
    }

    AppState s = zustand();
    s.FusspunktX = 1400;
    s.FusspunktY = 800;
    Zeichenumgebung u;
    u.DruckRandX = 30;
    u.DruckRandY = 40;
    RecordingCanvas seite(2970, 2100, true);
    zeichneKegelUhr(s, u, seite, 2970, 2100, false, 35.0, 1.0, 1);
    const auto titel = seite.select([](const RecordedPrimitive& p) {
        return p.kind == PrimitiveKind::Text && p.text.find("mittlere Zeit") != std::string::npos;
    });
    ASSERT_EQ(titel.size(), 1u);
    EXPECT_EQ(titel[0]->points[0], (CanvasPoint{40 + 30, 700 + 40}));
    EXPECT_EQ(titel[0]->font.height, 40);
    EXPECT_EQ(s.LegendeY, 700);
    // On paper the footprint's half axis is 10 units per mm: 75.87 across.
    const auto rand = seite.select([&](const RecordedPrimitive& p) {
        return p.kind == PrimitiveKind::Polyline && p.pen.color == s.Farben[3];
    });
    ASSERT_FALSE(rand.empty());
    const CanvasPoint p0 = rand[0]->points[0];
    EXPECT_NEAR(std::hypot(p0.x - 1400, p0.y - 800), 75.87, 1);
}

// On every plane, north and south, the numbers (at least three but where the southern wall
// sees little sun) keep clear of each other and of the other texts, and the texts are whole,
// on the screen, the A4 page and the plot; on the screen the title stands above its first line.
TEST(KegelUhr, NumbersAndLegendStandApartAndWholeOnScreenPageAndPlot)
{
    const auto befunde = [](const std::vector<test::Befund>& alle) {
        for (const test::Befund& b : alle) {
            const bool zahl = b.text.size() <= 2 || b.zweiter.size() <= 2;
            EXPECT_TRUE(b.art != test::Befundart::TextAngeschnitten && (b.art != test::Befundart::Ueberdeckung || !zahl)) << b.meldung;
        }
    };
    for (const double phi : {47.25, -33.87})
        for (const std::uint8_t ebene : {0, 1, 2}) {
            AppState s = zustand();
            s.Par.Breite = phi;
            s.LegendeGesetzt = 0;
            SCOPED_TRACE(testing::Message() << phi << " plane " << int(ebene));
            RecordingCanvas bild(1920, 1080), seite(2970, 2100, true);
            s.FusspunktX = 960;
            s.FusspunktY = 540;
            zeichneKegelUhr(s, {}, bild, 1920, 1080, true, 35.0, 1.0, ebene);
            s.FusspunktX = 1485;
            s.FusspunktY = 1050;
            zeichneKegelUhr(s, {}, seite, 2970, 2100, false, 35.0, 1.0, ebene);
            for (const RecordingCanvas* c : {&bild, &seite}) {
                befunde(test::pruefeLayout(*c));
                const auto zahlen = c->select([](const RecordedPrimitive& p) { return p.text.size() <= 2 && std::isdigit(static_cast<unsigned char>(p.text[0])); });
                EXPECT_TRUE(zahlen.size() >= 3 || (phi < 0 && ebene == 1));
            }
            const auto titel = bild.select([](const RecordedPrimitive& p) { return p.text.rfind("Sonnenuhr", 0) == 0; });
            const auto ort = bild.select([](const RecordedPrimitive& p) { return p.text.rfind("Geogr. Breite", 0) == 0; });
            ASSERT_TRUE(titel.size() == 1 && ort.size() == 1);
            EXPECT_LT(titel[0]->points[0].y + bild.textExtent(titel[0]->text).height, ort[0]->points[0].y);

            HPGLDatei d;
            d.oeffnenImSpeicher();
            test::ScriptedPrompt frage;
            hpglKegelUhr(s, d, frage, "dialCone.plt", s.LegendeX, s.LegendeY, ebene, s.Par.Gnomonhoehe * s.Zoom);
            befunde(test::pruefePlotLayout(d.inhalt(), test::plotSeite(d.inhalt())));
        }
}
