// The cylinders' rows of the drawing window: both draw, print and plot with a check before any
// file is opened; the polar rod's page stands on the foot scaled from the image.
#include "core/RecordingCanvas.h"
#include "core/State.h"
#include "drawing/Platzierung.h"
#include "drawing/Zeichnungsroutinen.h"

#include <gtest/gtest.h>

using namespace umbrin;

TEST(ZeilenZylinder, BothCylindersAndThePolarRodsPrintedFoot)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'z';
    for (int art : {1, 2}) {
        s.Schalter.ZylinderArt = static_cast<std::uint8_t>(art);
        const Zeichnungseintrag* e = zeichnungseintrag(s, false);
        ASSERT_NE(e, nullptr);
        EXPECT_TRUE(e->bildschirm && e->druck && e->plot && e->vorExport);
        EXPECT_EQ(e->plotPlatzierung, PlotPlatzierung::Plan);
        EXPECT_EQ(e->druckPlatzierung, art == 2 ? DruckPlatzierung::Fuss : DruckPlatzierung::Keine);
        EXPECT_EQ(e->vorExport(s), "");
        s.Schalter.Temporalstunden = 1;
        s.Par.Breite = 66;
        EXPECT_NE(e->vorExport(s), "");
        s.Schalter.Temporalstunden = 0;
        s.Par.Breite = 47;
    }
    s.Par.ZylRadius = 0;
    EXPECT_NE(zeichnungseintrag(s, false)->vorExport(s), "");
    s.Par.ZylRadius = 250;

    // The page: the foot's 1 mm circle at the image foot scaled to the page.
    s.FusspunktX = 600;
    s.FusspunktY = 300;
    s.Farben[0] = 0x010203;
    Zeichenfensterzustand f;
    RecordingCanvas c(2970, 2100, true);
    Zeichenauftrag a{s, f, c, 2970, 2100, false, Zeichenumgebung{}, 0, 0, nullptr};
    zeichneDruckseite(a, 1200, 800);
    EXPECT_EQ(s.FusspunktX, 600); // restored
    const auto kreise = c.select([](const RecordedPrimitive& p) {
        return p.kind == PrimitiveKind::Ellipse && p.pen.color == 0x010203;
    });
    ASSERT_EQ(kreise.size(), 1u);
    EXPECT_EQ((kreise[0]->points[0].x + kreise[0]->points[1].x) / 2, pixelNachSeite(600, 2970, 1200));
    EXPECT_EQ((kreise[0]->points[0].y + kreise[0]->points[1].y) / 2, pixelNachSeite(300, 2100, 800));
}
