// Hour numbers keep clear of each other: a free place is kept, a covered one moves the least
// distance to a free side, and no two placed boxes overlap.
#include "dials/Zahlenplatz.h"

#include <gtest/gtest.h>

using namespace umbrin;

TEST(Zahlenplatz, NumbersMoveTheLeastDistanceToAFreePlace)
{
    struct Fall {
        CanvasPoint gewuenscht;
        CanvasPoint erwartet;
    };
    // Boxes of 20 x 10 with 2 units between them.
    const Fall faelle[] = {
        {{100, 100}, {100, 100}}, // free
        {{105, 103}, {105, 112}}, // covers the first a little from below: moves down
        {{90, 100}, {78, 100}},   // covers the first from the left: moves left
        {{300, 50}, {300, 50}},   // free again
    };
    Zahlenplatz z(2);
    std::vector<CanvasPoint> gesetzt;
    for (const Fall& f : faelle) {
        const CanvasPoint p = z.platziere(f.gewuenscht.x, f.gewuenscht.y, 20, 10);
        EXPECT_EQ(p, f.erwartet) << f.gewuenscht.x << "," << f.gewuenscht.y;
        for (const CanvasPoint& q : gesetzt)
            EXPECT_FALSE(p.x < q.x + 20 && q.x < p.x + 20 && p.y < q.y + 10 && q.y < p.y + 10);
        gesetzt.push_back(p);
    }
}

// A number moved beside what is in the way lands clear of every box, and a blank (here 4)
// after a number on its line.
TEST(Zahlenplatz, ANumberBesideWhatIsInTheWayIsClearOfAllAndABlankApart)
{
    Zahlenplatz z(2);
    z.setzeLeerraum(0.4);
    for (const CanvasPoint& p : {CanvasPoint{100, 100}, {124, 100}, {110, 78}}) // it, right of it, above it
        z.belege(p.x, p.y, 20, 10);
    EXPECT_EQ(z.platziere(110, 100, 20, 10), (CanvasPoint{110, 112}));
    EXPECT_EQ(z.platziere(133, 112, 20, 10), (CanvasPoint{134, 112}));
}

// A number that no move clears is left out, and keeps nothing from later ones.
TEST(Zahlenplatz, ANumberWithNoCleanPlaceIsLeftOut)
{
    Zahlenplatz z(2);
    z.begrenze(0, 0, 100, 30);
    z.belege(0, 0, 100, 12); // a legend line across the top of a low sheet
    EXPECT_EQ(z.platziereFrei(10, 5, 20, 10), std::optional<CanvasPoint>(CanvasPoint{10, 14}));
    EXPECT_EQ(z.platziereFrei(15, 5, 20, 10), std::nullopt); // below the first it would leave the sheet
    EXPECT_TRUE(z.istFrei(36, 16, 10, 10));
}
