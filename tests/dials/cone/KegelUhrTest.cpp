// The cone dial on a recording canvas: what reaches the screen and the page for each plane,
// the refusals, the hour labels and the legend.
#include "core/RecordingCanvas.h"
#include "core/Sonne.h"
#include "core/State.h"
#include "dials/cone/KegelKonstruktion.h"
#include "dials/cone/KegelHpgl.h"
#include "dials/cone/KegelUhr.h"
#include "support/Layoutpruefung.h"
#include "support/PlotLeser.h"
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
    struct Fall {
        double psi, alfa;
        const char* text;
    };
    for (const Fall f : {Fall{30, 30, "Eingabefehler"}, Fall{120, 61, "Eingabefehler"}, Fall{5, 0.1, "Eingabefehler"}}) {
        AppState s = zustand();
        s.Par.KegelNeigung = f.psi;
        s.Par.KegelOeffnung = f.alfa;
        RecordingCanvas c(1400, 800);
        const Konstruktionsmeldungen m = zeichneKegelUhr(s, {}, c, 1400, 800, true, 35.0, 1.0, 0);
        ASSERT_EQ(m.size(), 1u);
        EXPECT_NE(m[0].text.find(f.text), std::string::npos);
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

// The even hours' numbers on every plane, north and south, on the screen (legend at its
// default place), the A4 page and the plot: each on the sheet, apart from the others by a
// third of their height, in the order of the hours around the foot (the order of their
// lines); on the screen the title stands above its first line with leading and the legend's
// lines are whole on the image.
TEST(KegelUhr, HourNumbersStandApartOnTheSheetInTheOrderOfTheirLines)
{
    struct Zahl {
        int stunde;
        double x0, y0, x1, y1;
    };
    const auto pruefe = [](std::vector<Zahl> z, double cx, double cy, double breite, double hoehe, double luft,
                           const std::string& wo) {
        for (std::size_t i = 0; i < z.size(); ++i) {
            EXPECT_TRUE(z[i].x0 >= 0 && z[i].y0 >= 0 && z[i].x1 <= breite && z[i].y1 <= hoehe) << wo << " " << z[i].stunde;
            for (std::size_t j = 0; j < i; ++j)
                EXPECT_FALSE(z[i].x0 < z[j].x1 + luft && z[j].x0 < z[i].x1 + luft && z[i].y0 < z[j].y1 + luft &&
                             z[j].y0 < z[i].y1 + luft)
                    << wo << " " << z[j].stunde << " and " << z[i].stunde;
        }
        // The order is read near the foot, where the lines fan out from it: within twice the
        // nearest number's distance.
        const auto abstand = [&](const Zahl& a) { return std::hypot((a.x0 + a.x1) / 2 - cx, (a.y0 + a.y1) / 2 - cy); };
        double naechster = 1e9;
        for (const Zahl& a : z)
            naechster = std::min(naechster, abstand(a));
        std::erase_if(z, [&](const Zahl& a) { return abstand(a) > 2 * naechster; });
        std::sort(z.begin(), z.end(), [](const Zahl& a, const Zahl& b) { return a.stunde < b.stunde; });
        int wechsel = 0;
        double vorher = 0;
        for (std::size_t i = 1; i < z.size(); ++i) {
            const auto winkel = [&](const Zahl& a) { return std::atan2((a.y0 + a.y1) / 2 - cy, (a.x0 + a.x1) / 2 - cx); };
            const double d = std::remainder(winkel(z[i]) - winkel(z[i - 1]), 2 * M_PI);
            wechsel += i > 1 && (d > 0) != (vorher > 0);
            vorher = d;
        }
        EXPECT_EQ(wechsel, 0) << wo;
    };
    for (const double phi : {47.25, -33.87})
        for (const std::uint8_t ebene : {0, 1, 2}) {
            AppState s = zustand();
            s.Par.Breite = phi;
            s.LegendeGesetzt = 0;
            s.FusspunktX = 960;
            s.FusspunktY = 540;
            const std::string wo = std::to_string(phi) + " plane " + std::to_string(ebene);
            RecordingCanvas bild(1920, 1080), seite(2970, 2100, true);
            zeichneKegelUhr(s, {}, bild, 1920, 1080, true, 35.0, 1.0, ebene);
            s.FusspunktX = 1485;
            s.FusspunktY = 1050;
            zeichneKegelUhr(s, {}, seite, 2970, 2100, false, 35.0, 1.0, ebene);
            for (const RecordingCanvas* c : {&bild, &seite}) {
                std::vector<Zahl> z;
                for (const RecordedPrimitive& p : c->primitives())
                    if (p.kind == PrimitiveKind::Text && p.text.size() <= 2 && std::isdigit(static_cast<unsigned char>(p.text[0]))) {
                        const TextExtent e = c->textExtent(p.text);
                        z.push_back({std::stoi(p.text), double(p.points[0].x), double(p.points[0].y),
                                     double(p.points[0].x + e.width), double(p.points[0].y + e.height)});
                    }
                const double fh = c == &bild ? 11 : 40;
                EXPECT_TRUE(z.size() >= 3 || (phi < 0 && ebene == 1)) << wo;
                pruefe(z, c == &bild ? 960 : 1485, c == &bild ? 540 : 1050, c->width(), c->height(), fh / 3,
                       wo + (c == &bild ? " screen" : " page"));
            }
            // The legend: the title ends above the first small line, which with the others is
            // whole on the image.
            const auto titel = bild.select([](const RecordedPrimitive& p) { return p.text.rfind("Sonnenuhr", 0) == 0; });
            const auto ort = bild.select([](const RecordedPrimitive& p) { return p.text.rfind("Geogr. Breite", 0) == 0; });
            ASSERT_EQ(titel.size(), 1u);
            ASSERT_EQ(ort.size(), 1u);
            EXPECT_LT(titel[0]->points[0].y + bild.textExtent(titel[0]->text).height, ort[0]->points[0].y) << wo;
            for (const test::Befund& b : test::pruefeLayout(bild))
                EXPECT_NE(b.art, test::Befundart::TextAngeschnitten) << wo << " " << b.meldung;

            HPGLDatei d;
            d.oeffnenImSpeicher();
            test::ScriptedPrompt frage;
            hpglKegelUhr(s, d, frage, "dialCone.plt", s.LegendeX, s.LegendeY, ebene, s.Par.Gnomonhoehe * s.Zoom);
            std::vector<Zahl> z;
            double ox = 0, oy = 0;
            for (const test::PlotText& l : test::plotTexte(d.inhalt())) {
                if (l.text == "A")
                    ox = l.an.x, oy = l.an.y;
                if (!l.text.empty() && l.text.size() <= 2 && std::isdigit(static_cast<unsigned char>(l.text[0])))
                    z.push_back({std::stoi(l.text), l.an.x, l.an.y, l.an.x + 144.0 * l.text.size(), l.an.y + 128});
            }
            if (phi > 0 || ebene != 1)
                pruefe(z, ox, oy, 16157, 11038, 128 / 3.0, wo + " plot");
        }
}
