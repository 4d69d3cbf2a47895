// The ring dial's offset-correction chart and its table file: the table as its golden copy,
// its corrections against the cylinder model, the file written whole or not at all.
#include "core/RecordingCanvas.h"
#include "core/Rounding.h"
#include "core/State.h"
#include "dials/ring/RingGeometrie.h"
#include "dials/ring/RingKorrektur.h"
#include "RingModell.h"
#include "RingTestHilfen.h"
#include "support/ExportPruefung.h"
#include "support/TestOrdner.h"
#include "support/Zahl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

using namespace umbrin;
using namespace umbrin::ringtest;
namespace fs = std::filesystem;

TEST(RingKorrektur, TableFileMatchesItsGoldenCopy)
{
    const AppState s = ringZustand();
    const test::TestOrdner ordner("golden");
    RecordingCanvas c(1920, 1080);
    EXPECT_TRUE(zeichneRingKorrektur(s, c, 1920, 1080, true, true, 30, 150, true, ordner).empty());
    const std::string geschrieben = test::dateiText(ordner / "Schoener-Tabelle.txt");
    const std::string golden =
        test::dateiText(fs::path(UMBRIN_SOURCE_DIR) / "tests/dials/ring/golden/schoener_a30_d150.txt");
    EXPECT_EQ(geschrieben, golden);
    EXPECT_EQ(geschrieben.rfind("Ring Dial - Offset Correction  (alpha=30.0deg)\r\n", 0), 0u);
    EXPECT_EQ(geschrieben.substr(geschrieben.size() - 3), " \r\n");
    EXPECT_NE(geschrieben.find("hsun= 0.0\xB0   yd= 0.866025   beta= 0.0000"), std::string::npos);
    EXPECT_TRUE(c.hasText("Data in file \"Schoener-Tabelle.txt\" "));
}

// At every listed altitude the spot has moved sideways by one ring radius: the model's turn
// for Q = D/2 gives the same correction and the same height of the spot.
TEST(RingKorrektur, TableCorrectionsAgreeWithTheModel)
{
    const std::string tabelle = schoenerTabelle(30, 150);
    static const std::regex zeile(R"(rel\. offset=\s*([0-9.]+)\s+hsun=\s*([0-9.]+)\S*\s+yd=\s*(-?[0-9.]+)\s+beta=\s*(-?[0-9.]+))");
    int zeilen = 0;
    for (auto it = std::sregex_iterator(tabelle.begin(), tabelle.end(), zeile); it != std::sregex_iterator(); ++it) {
        const double r = test::zahl((*it)[1]), h = test::zahl((*it)[2]), S = test::zahl((*it)[3]);
        const double K = test::zahl((*it)[4]);
        EXPECT_NEAR(r, 1.0, 0.00101);
        const double a = drehungFuer(150, 30, h, r * 75);
        const Fleck f = zylinderFleck(150, 30, h, a);
        EXPECT_NEAR(K, f.bogen - 30 - 2 * h, 0.01) << h;
        EXPECT_NEAR(S, std::cos(f.bogen * kGrad), 1e-5) << h;
        ++zeilen;
    }
    EXPECT_GT(zeilen, 50);
}

// The chart walks its turns with tabled sines and cosines and rounds its own way: every
// curve must still be the spots of ringLichtfleck, rounded half to even, point for point
// (a point that repeats the one before only at the curve's end).
TEST(RingKorrektur, CurvesAreTheSpotsReckonedOneByOne)
{
    RecordingCanvas c(1920, 1080);
    zeichneRingKorrektur(ringZustand(), c, 1920, 1080, true, true, 30, 150, false, {});
    const auto kurven = c.select([](const RecordedPrimitive& p) { return p.kind == PrimitiveKind::Polyline; });
    ASSERT_EQ(kurven.size(), 37u);
    const auto rund = [](double x) { return static_cast<int>(roundHalfEven(x)); };
    // The first curve starts at the chart's corner: x0 and the base line y0 + 0.8 H.
    const double ux = 0.85 * 1920 / 100, hp = 0.8 * 1080;
    const int x0 = kurven[0]->points[0].x, yb = kurven[0]->points[0].y, y0 = yb - rund(hp);
    for (int i = 0; i <= 36; ++i) {
        const double b = 2.5 * i;
        std::vector<CanvasPoint> soll{{rund(x0 + 2.5 * ux * i), yb}};
        for (int k = 0; k <= 12000; ++k) {
            double K = 0, S = 0, Q = 0;
            if (!ringLichtfleck(K, S, Q, 150, 30, b, 0.01 * k))
                continue;
            const double r = 2 * Q / 150;
            if (r > 1.01)
                break;
            if (r <= 1.001)
                soll.push_back({rund(x0 + ux * (b + K / 2)), rund(y0 + (1 - r) * hp)});
        }
        const auto ende = std::unique(soll.begin(), soll.end() - 1);
        soll.erase(ende, soll.end() - 1);
        EXPECT_TRUE(kurven[i]->points == soll) << b;
    }
}

TEST(RingKorrektur, TableOnlyWhenAskedAndNeverHalfWritten)
{
    const AppState s = ringZustand();
    const test::TestOrdner ordner("flag");
    RecordingCanvas c(1920, 1080);
    zeichneRingKorrektur(s, c, 1920, 1080, true, true, 30, 150, false, ordner);
    EXPECT_FALSE(fs::exists(ordner / "Schoener-Tabelle.txt"));
    EXPECT_FALSE(c.hasText("Data in file"));
    EXPECT_GT(c.countLines(), 100u);

    // A folder that is a file: the table cannot be created; the message names it, the chart
    // is drawn.
    {
        std::ofstream keinOrdner(ordner / "datei", std::ios::binary);
        keinOrdner << "old";
    }
    RecordingCanvas c2(1920, 1080);
    Konstruktionsmeldungen m = zeichneRingKorrektur(s, c2, 1920, 1080, true, true, 30, 150, true, ordner / "datei");
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].text.rfind("Open error: File  Schoener-Tabelle.txt\r\nDie Datei", 0), 0u) << m[0].text;
    EXPECT_FALSE(c2.hasText("Data in file"));
    EXPECT_GT(c2.countLines(), 100u);

    // A target that cannot be replaced (a folder of that name): the failure names the file and
    // no temporary file is left behind.
    fs::create_directories(ordner / "ziel" / "Schoener-Tabelle.txt" / "inhalt");
    RecordingCanvas c3(1920, 1080);
    m = zeichneRingKorrektur(s, c3, 1920, 1080, true, true, 30, 150, true, ordner / "ziel");
    ASSERT_EQ(m.size(), 1u);
    EXPECT_NE(m[0].text.find("Schoener-Tabelle.txt"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(ordner / "ziel" / "Schoener-Tabelle.txt" / "inhalt"));
    EXPECT_FALSE(c3.hasText("Data in file"));
    EXPECT_EQ(std::distance(fs::directory_iterator(ordner / "ziel"), fs::directory_iterator()), 1);
}
