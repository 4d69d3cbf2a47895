// Where the azimuthal family's dials sit on their sheet: labels clear of each other and of the
// frame (the shared layout check), the Habermel dials inside the plot's sheet and at the
// diameter entered, the biazimuthal plot on its sheet with its legend off the focus marks.
#include "core/HPGLDatei.h"
#include "core/RecordingCanvas.h"
#include "core/State.h"
#include "core/Sprachdienst.h"
#include "dials/azimuthal/AzimutalHoehe.h"
#include "dials/azimuthal/AzimutalZeichnung.h"
#include "dials/azimuthal/BiazimutalZeichnung.h"
#include "dials/azimuthal/HabermelZeichnung.h"
#include "support/Layoutpruefung.h"
#include "support/Ansichten.h"
#include "support/PlotLeser.h"
#include "support/Zahl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <regex>
#include <string>

using namespace umbrin;
using namespace umbrin::test;

namespace {

constexpr double kGrad = M_PI / 180;

AppState zustand(char typ, double breite, int spalte = 1)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = typ;
    s.EpsRund = 23.44;
    s.Par.Breite = breite;
    setzeSprache(s, spalte == 1);
    return s;
}

std::string plotVon(const std::function<void(HPGLDatei&)>& schreibe)
{
    HPGLDatei plot;
    plot.oeffnenImSpeicher();
    schreibe(plot);
    return plot.inhalt();
}

// The gnomon the parameter dialog derives from a Habermel diameter (15 mm of it for the rim).
double gnomonAusDurchmesser(int art, double D, double phi)
{
    const double a = 90 - std::fabs(phi);
    const double t = std::tan((a + 23.44) * kGrad);
    return (D - 15) / (art == 1 ? t + std::tan((a - 23.44) * kGrad) : 2 * t);
}

} // namespace

TEST(AzimutalBlatt, HourAndDirectionLabelsStayClearOfEachOtherAndOfTheFrame)
{
    const struct {
        const char* name;
        int breite, hoehe;
        bool seite;
    } flaechen[] = {
        {"screen 1920x1080", 1780, 905, false},
        {"screen 1366x768", 1226, 593, false},
        {"page A4", 2970, 2100, true},
        {"page A4 with printer margins", 2870, 1990, true},
    };
    for (const auto& f : flaechen)
        for (const double phi : {47.25, -33.87})
            for (const int spalte : {1, 2}) {
                const AppState s = zustand('a', phi, spalte);
                RecordingCanvas c(f.breite, f.hoehe, f.seite);
                zeichneAzimutal(s, c, f.breite, f.hoehe, !f.seite, Zeichenumgebung{});
                auto befunde = pruefeLayout(c);
                // By design: on a small screen the summer solstice's sign and the pair at the
                // next boundary, 3.3 degrees of declination apart, touch.
                std::erase_if(befunde, [&](const Befund& b) {
                    return f.breite < 1500 && b.text.size() <= 2 && b.zweiter.size() <= 2;
                });
                EXPECT_TRUE(befunde.empty()) << f.name << " " << phi << " " << spalte << "\n" << befundText(befunde);
            }
}

TEST(AzimutalBlatt, HabermelOneRimStaysOnThePlotSheet)
{
    // The rim is the last circle before the noon line: ";PU x0 y;CI m36 ,0.2;CI rim".
    const std::regex rand(R"(;PU (-?[0-9]+) (-?[0-9]+);CI ([0-9]+) ,0\.2;CI ([0-9]+))");
    for (const double phi : {30.0, 47.25, 60.0})
        for (const double D : {150.0, 200.0, 250.0}) {
            AppState s = zustand('q', phi);
            s.Par.HabermelDurchmesser = D;
            const double L = gnomonAusDurchmesser(1, D, phi);
            const std::string plot = plotVon([&](HPGLDatei& p) { habermelPlot(s, p, true, L); });
            std::smatch m;
            ASSERT_TRUE(std::regex_search(plot, m, rand)) << phi << " " << D;
            const double y = test::zahl(m[2]), r = test::zahl(m[4]);
            EXPECT_GE(y - r, 0) << phi << " " << D;
            EXPECT_LE(y + r, 11038) << phi << " " << D;
        }
}

// The default gnomon takes the signs past the plot's sheet at 28.6 N but not at 47.25 N: the
// plot is written all the same and says so in the user's language; the DXF drawing holds the
// dial whole and says nothing.
TEST(AzimutalBlatt, HabermelOnePlotWarnsOfSignsOffItsSheetAndTheDxfHoldsThemWhole)
{
    for (const double phi : {28.6, 47.25})
        for (const bool deutsch : {true, false}) {
            AppState s = zustand('q', phi);
            s.Schalter.Hoehenuhrart = 1;
            setzeSprache(s, deutsch);
            const bool ueber = phi < 30;
            const Blattinhalt plot = zeichneInSicht(s, kPlot, kSchirm, {PromptAnswer::No});
            const Blattinhalt dxf = zeichneInSicht(s, kDxf, kSchirm, {PromptAnswer::No});
            ASSERT_FALSE(plot.verweigert || dxf.verweigert) << plot.nein << dxf.nein;
            EXPECT_EQ(abseits(pruefePlotLayout(plot.hpgl, plotSeite(plot.hpgl))).empty(), !ueber) << phi;
            const std::string warnung = plot.gesagt.empty() ? "" : plot.gesagt.front();
            EXPECT_EQ(warnung.find(deutsch ? "reichen über das Blatt" : "reach beyond the plot's sheet") != std::string::npos, ueber)
                << warnung;
            for (const std::string& t : dxf.gesagt)
                EXPECT_EQ(t.find("Habermel"), std::string::npos) << t;
            const std::string zwischen = plotVon([&](HPGLDatei& p) { habermelPlot(s, p, false, s.Par.HabermelGnomon); });
            EXPECT_EQ(abseits(pruefePlotLayout(zwischen, plotSeite(zwischen))), "") << phi;
        }
}

TEST(AzimutalBlatt, HabermelTwoOutermostCircleHasTheDiameterEntered)
{
    for (const double phi : {40.0, 47.25, -35.0})
        for (const double D : {150.0, 200.0}) {
            AppState s = zustand('q', phi);
            s.Schalter.Hoehenuhrart = 2;
            s.Par.HabermelDurchmesser = D;
            const double L = gnomonAusDurchmesser(2, D, phi);
            // The plot: the first of the ring's three circles is the outermost.
            const std::string plot = plotVon([&](HPGLDatei& p) { habermel2Plot(s, p, true, L); });
            std::smatch m;
            ASSERT_TRUE(std::regex_search(plot, m, std::regex(R"(;SS;PU [0-9]+ [0-9]+;CI ([0-9]+),0\.2)")));
            EXPECT_NEAR(2 * test::zahl(m[1]) / 40, D, 0.05) << phi << " " << D;
            // The page, in 0.1 mm: the widest circle.
            RecordingCanvas c(2970, 2100, true);
            zeichneHabermel2(s, HabermelZiel{&c, 2970, 2100, false}, L);
            int breiteste = 0;
            for (const auto& p : c.primitives())
                if (p.kind == PrimitiveKind::Ellipse)
                    breiteste = std::max(breiteste, p.points[1].x - p.points[0].x);
            EXPECT_NEAR(breiteste / 10.0, D, 0.25) << phi << " " << D;
        }
}

TEST(AzimutalBlatt, BiazimuthalPlotStaysOnItsSheetAndItsLegendOffTheFocusMarks)
{
    for (const double phi : {47.25, -33.87})
        for (const int fussY : {2758, 8280}) {
            AppState s = zustand('c', phi);
            s.Par.Breite2 = phi;
            s.Schalter.MitZeitglAzimut = 1;
            s.FusspunktX = 8000;
            s.FusspunktY = fussY;
            s.LegendeX = 6150;
            s.LegendeY = 10601;
            Konstruktionsmeldungen m;
            const std::string plot =
                plotVon([&](HPGLDatei& p) { schreibeHPGL_Biazimutal(s, p, true, 0, {}, m); });
            int punkte = 0;
            for (const test::PlotPunkt& q : test::plotPunkte(plot)) {
                ++punkte;
                ASSERT_TRUE(q.x >= 0 && q.x <= 16157 && q.y >= 0 && q.y <= 11038) << phi << " " << fussY << ": " << q.x << " " << q.y;
            }
            EXPECT_GT(punkte, 300);
            // The legend's title stands in the half of the sheet away from the centre.
            const auto texte = test::plotTexte(plot);
            const auto titel = std::find_if(texte.begin(), texte.end(),
                                            [](const test::PlotText& t) { return t.text.rfind("biazimutale", 0) == 0; });
            ASSERT_NE(titel, texte.end());
            EXPECT_EQ(titel->an.y > 11480 / 2, fussY < 11480 / 2) << phi << " " << fussY;
        }
}

TEST(AzimutalBlatt, TitlesAndPeriodTextInEitherLanguage)
{
    AppState s = zustand('a', 47.25);
    s.Schalter.AzimutKreise = 1;
    s.Schalter.Hoehenkreise = 1;
    EXPECT_EQ(hoehenTitel(s), "AZIMUTALE SONNENUHR (Tonne)");
    EXPECT_EQ(holeText(s, 591), "  ganzjährige Anzeige");
    setzeSprache(s, false);
    EXPECT_EQ(hoehenTitel(s), "AZIMUTHAL SUNDIAL (barrel)");
    EXPECT_EQ(holeText(s, 591), "  for whole year");
}
