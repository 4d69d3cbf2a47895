#include "drawing/Stundenpunkte.h"

#include <gtest/gtest.h>

using namespace umbrin;

TEST(Stundenpunkte, ReferenceThenNinePointsWithDistanceAndDirection)
{
    Stundenpunkte p;
    EXPECT_EQ(p.markiere(0, 100, 10), 0u); // a point at x = 0 is a point like any other
    const Stundenpunkt& ref = p[0];
    EXPECT_TRUE(ref.belegt);
    EXPECT_EQ(ref.Abstand, 0);
    EXPECT_EQ(ref.Winkel, 180);

    struct Fall {
        int x, y;
        long double abstand, winkel;
    };
    const Fall faelle[] = {
        {0, 50, 5, 90},     // straight above (y grows downwards on the image)
        {0, 150, 5, -90},   // straight below
        {30, 100, 3, 0},    // right
        {-40, 100, 4, 180}, // left
        {30, 70, 4.2426406871192851464L, 45},
        {-30, 130, 4.2426406871192851464L, 225},
    };
    for (const Fall& f : faelle) {
        const auto i = p.markiere(f.x, f.y, 10);
        ASSERT_TRUE(i);
        EXPECT_NEAR(static_cast<double>(p[*i].Abstand), static_cast<double>(f.abstand), 1e-12);
        EXPECT_NEAR(static_cast<double>(p[*i].Winkel), static_cast<double>(f.winkel), 1e-12);
    }
    // Nine hour points fill the store; the next one is refused.
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(p.markiere(5, 5, 10));
    EXPECT_TRUE(p.voll());
    EXPECT_EQ(p.anzahl(), Stundenpunkte::Slots);
    EXPECT_FALSE(p.markiere(7, 7, 10));
    p.leeren();
    EXPECT_EQ(p.anzahl(), 0u);
    EXPECT_EQ(p.markiere(9, 9, 0), 0u);
    EXPECT_EQ(p.markiere(19, 9, 0), 1u);
    EXPECT_EQ(p[1].Abstand, 0); // no gnomon height: no distance, never a division by zero
}
