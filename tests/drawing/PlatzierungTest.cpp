#include "drawing/Platzierung.h"

#include <gtest/gtest.h>

using namespace umbrin;

TEST(Platzierung, DefaultsByTypeAndHemisphere)
{
    struct Fall {
        char typ;
        double breite;
        Platzierung erwartet;
    };
    const int w = 1000, h = 600;
    const Fall faelle[] = {
        // The vertical dial: foot near the top, legend near the bottom, in both hemispheres.
        {'v', 47.25, {500, 31, 375, 510}},
        {'v', -33.9, {500, 31, 375, 510}},
        // Other types: the middle up to latitude 30, the lower quarter beyond; the legend at the top.
        {'h', 20, {500, 300, 375, 24}},
        {'h', 47.25, {500, 450, 375, 24}},
        // South of the equator mirrored: the foot in the upper half, the legend near the bottom.
        {'h', -47.25, {500, 150, 375, 500}},
        {'h', -20, {500, 300, 375, 500}},
        // The Peaucellier dial, symmetric about its foot: the middle at any latitude.
        {'p', 47.25, {500, 300, 375, 24}},
        {'p', -33.9, {500, 300, 375, 500}},
        // The Sawyer dial, hanging below its foot: a fifth down at any latitude.
        {'w', 47.25, {500, 120, 375, 24}},
        {'w', -33.9, {500, 120, 375, 500}},
        // The polar-rod cylinder ('Z' here): its face hangs below the foot in both hemispheres.
        {'Z', 47.25, {500, 150, 375, 24}},
        {'Z', -33.9, {500, 150, 375, 24}},
    };
    for (const Fall& f : faelle) {
        AppState s;
        s.UhrTyp = f.typ == 'Z' ? 'z' : f.typ;
        s.Schalter.ZylinderArt = f.typ == 'Z' ? 2 : 0;
        s.Par.Breite = f.breite;
        EXPECT_EQ(standardPlatzierung(s, w, h), f.erwartet) << f.typ << " " << f.breite;
    }
}

TEST(Platzierung, PixelsToPlotterUnitsAndPage)
{
    // The image's corners go to the corners of the plotter page, y turned upwards.
    EXPECT_EQ(pixelNachPlotX(0, 800), 0);
    EXPECT_EQ(pixelNachPlotX(800, 800), 16157);
    EXPECT_EQ(pixelNachPlotY(0, 500), 11040);
    EXPECT_EQ(pixelNachPlotY(500, 500), 2);
    EXPECT_EQ(pixelNachPlotX(200, 800), 4039);
    EXPECT_EQ(pixelNachSawyerX(800, 800), 16400);
    EXPECT_EQ(pixelNachSawyerY(500, 500), 10);
    EXPECT_EQ(pixelNachSeite(250, 2770, 1000), 692); // 692.5 to the even neighbour
    const Platzierung p = platzierungAufSeite({100, 50, 300, 400}, 2800, 2000, 1000, 500);
    EXPECT_EQ(p, (Platzierung{280, 200, 840, 1600}));
}

TEST(Platzierung, GuardPutsThePlacementBack)
{
    AppState s;
    setzePlatzierung(s, {1, 2, 3, 4});
    {
        PlatzierungsSicherung g(s);
        setzePlatzierung(s, {10, 20, 30, 40});
    }
    EXPECT_EQ(platzierungVon(s), (Platzierung{1, 2, 3, 4}));
    EXPECT_TRUE(fusspunktImBild(s, 1, 2));
    s.FusspunktX = 0;
    EXPECT_FALSE(fusspunktImBild(s, 10, 10));
    s.FusspunktX = 11;
    EXPECT_FALSE(fusspunktImBild(s, 10, 10));
}
