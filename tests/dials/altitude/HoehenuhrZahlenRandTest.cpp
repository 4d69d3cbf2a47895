// Where the sheet and the frames meet the numbers: the filter-hat says when the sheet cuts its
// face below the highest noon sun (and, where no pointer fits, which altitudes it leaves out);
// the shepherd's numbers stand inside the face, not in the date scale's row of day numbers
// above it; the altitude dial's plot writes no number across its frame's left edge or out of its clip window.
#include "HoehenuhrReferenz.h"
#include "StundenAnsicht.h"
#include "core/Zahlenformat.h"
#include "core/HPGLDatei.h"
#include "core/Sprachdienst.h"
#include "dials/altitude/ZylinderuhrHpgl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace umbrin;
using namespace umbrin::test;

namespace {
// The n-th largest of a view's boxes.
Strecke nachGroesse(std::vector<Strecke> kaesten, std::size_t n)
{
    std::sort(kaesten.begin(), kaesten.end(), [](const Strecke& a, const Strecke& b) {
        return std::fabs((a[2] - a[0]) * (a[3] - a[1])) > std::fabs((b[2] - b[0]) * (b[3] - b[1]));
    });
    return kaesten.at(n);
}
} // namespace

TEST(Zahlenrand, FilterHatSaysWhereTheSheetCutsItsFace)
{
    for (double breite : {2.0, -10.0, 20.0, 30.0, -40.0, 47.25, 60.0}) {
        for (const Sicht& v : {kSeiteA4, kSchirm}) {
            for (bool deutsch : {true, false}) {
                SCOPED_TRACE(testing::Message() << breite << " " << v.name << (deutsch ? " de" : " en"));
                AppState s = fallZustand(Fall{'z', 1, breite, 0, Zonenzeit, 0}, 8, 16);
                setzeSprache(s, deutsch);
                const Blattinhalt b = zeichneInSicht(s, v);
                // The face is the second rectangle; the pointer P mm long, at 10 units a mm on
                // the page and W / 305 (or 1.42 H / 305 on a wide image) on screen.
                ASSERT_GE(b.rechtecke.size(), 2u);
                const double mm = v.seite ? 10 : std::min(v.breite / 305.0, 1.42 * v.hoehe / 305);
                const double tiefe = b.rechtecke[1][3] - b.rechtecke[1][1];
                const double bis = std::atan(tiefe / std::round(mm * s.Par.Skalenlaenge)) / kGradRef;
                const double mittag = std::min(90.0, 90 - std::fabs(breite) + 23.44);
                std::string text;
                for (const Konstruktionsmeldung& k : b.meldungen)
                    text += k.text;
                EXPECT_EQ(!text.empty(), bis < mittag - 0.1) << text << " face to " << bis;
                if (v.seite) {
                    // The plot without its face: the page's foot, 9700 units below the face's
                    // top, cuts the lines at the pointer's (2800 units) altitude there.
                    HPGLDatei d;
                    d.oeffnenImSpeicher();
                    ScriptedPrompt frage;
                    frage.answers.push_back(PromptAnswer::No);
                    schreibeZylinderuhrHPGL(s, d, frage, filterhutPlotAuftrag(s));
                    const bool ohneFlaeche = 90 - std::fabs(breite) + 23.5 > 89
                                             || 1.05 * 2800 * std::tan((113.5 - std::fabs(breite)) * kGradRef) > 9690;
                    EXPECT_EQ(frage.asked.size(), ohneFlaeche && std::atan(9700 / 2800.0) / kGradRef < mittag ? 2u : 1u);
                }
                if (std::fabs(breite) < 23.44 && !text.empty()) {
                    // No pointer fits: the text names the altitude the face ends at, in the
                    // language of the drawing, and asks for no shorter pointer.
                    EXPECT_NE(text.find(RealStr(bis, 4, 1)), std::string::npos) << text;
                    EXPECT_EQ(text.find(deutsch ? "Sonnenhöhe" : "altitude") == std::string::npos, false) << text;
                    EXPECT_EQ(text.find(deutsch ? "verkleinern" : "change it"), std::string::npos) << text;
                }
            }
        }
    }
}

TEST(Zahlenrand, NumbersStandClearOfTheScaleRowAndTheFrame)
{
    for (double breite : {47.25, -33.87, 10.0, -60.0}) {
        for (Zeit zeit : {Zonenzeit, MittlereZeit}) {
            // The shepherd's hour numbers on screen and pages stand below the face's top edge (the
            // second largest box, after the frame); the altitude dial's plot writes none across
            // its frame's left edge.
            const std::pair<char, Sicht> faelle[] = {
                {'z', kSchirm}, {'z', kSeiteA4}, {'z', kSeiteA3}, {'k', kPlot}, {'b', kPlot}};
            for (const auto& [typ, v] : faelle) {
                const Ansicht a = zeichne(Fall{typ, 0, breite, 0, zeit, 0}, 6, 20, v);
                const Strecke k = nachGroesse(a.kaesten, v.plot ? 0 : 1);
                // A view without numbers would pass unseen.
                EXPECT_FALSE(a.zahlen.empty()) << typ << " " << v.name << " at " << breite;
                for (const Zahl& z : a.zahlen)
                    EXPECT_TRUE(v.plot ? !(z.x0 < k[0] && k[0] < z.x1) : z.y0 >= k[1])
                        << typ << " " << v.name << " at " << breite << ": " << z.h;
                // Plot numbers on one line keep a cell (120) between inks (a box ends 40 past its ink).
                for (const Zahl& z : a.zahlen)
                    for (const Zahl& w : a.zahlen)
                        if (v.plot && &z != &w && std::min(z.y1, w.y1) - std::max(z.y0, w.y0) >= 52 && z.x0 <= w.x0)
                            EXPECT_GE(w.x0 - z.x1, 80) << typ << " at " << breite << ": " << z.h << " " << w.h;
            }
        }
    }
}

// The altitude dial's plot cuts its curves at a clip window, which cuts labels as well: each
// hour number (characters of 80 x 104 units) stands wholly inside the window in force, one
// beside a curve along the window's top edge below it, one right of the frame with it lifted.
TEST(Zahlenrand, AltitudePlotNumbersStandInsideTheirWindow)
{
    for (const auto& [breite, laenge, zone, zeiger] : {std::tuple{21.44, 127.41, 135.0, 14}, {47.25, -9.59, -15.0, 50}}) {
        AppState s = fallZustand(Fall{'k', 0, breite, 0, MittlereZeit, 0}, 0, 24);
        std::tie(s.Par.Laenge, s.Par.Zonenmeridian, s.Par.HidokaiZeiger) = std::tuple{laenge, zone, zeiger};
        std::vector<double> w;
        for (const PlotBefehl& b : plotBefehle(zeichneInSicht(s, kPlot).hpgl)) {
            if (b.name == "IW")
                w = b.zahlen;
            if (b.name == "LB" && zahlIn(b.text) >= 0 && w.size() == 4) {
                EXPECT_TRUE(b.an.x >= w[0] && b.an.y >= w[1] && b.an.x + 120 * double(b.text.size()) - 40 <= w[2] && b.an.y + 104 <= w[3])
                    << breite << ": '" << b.text << "' at " << b.an.x << ", " << b.an.y;
            }
        }
    }
}
