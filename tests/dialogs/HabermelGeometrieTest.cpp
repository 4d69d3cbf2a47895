#include "dialogs/HabermelGeometrie.h"

#include "core/Projektion.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace umbrin;

TEST(HabermelGeometrie, DiameterAndGnomonFollowTheTwoRelations)
{
    const double eps = 23.44;
    double g = 0;
    ASSERT_TRUE(HabermelGnomonAusDurchmesser(1, 200, 47.25, eps, g));
    EXPECT_NEAR(g, 185 / (TanGrad(90 - 47.25 - eps) + TanGrad(90 - 47.25 + eps)), 1e-12);
    ASSERT_TRUE(HabermelGnomonAusDurchmesser(2, 200, 47.25, eps, g));
    EXPECT_NEAR(g, (185 / TanGrad(66.19)) / 2, 1e-12);

    // The two directions are inverse to each other, and the south mirrors the north.
    for (int art : {1, 2}) {
        for (double phi : {30.0, 47.25, 60.0, -47.25}) {
            double d = 0;
            ASSERT_TRUE(HabermelGnomonAusDurchmesser(art, 150, phi, eps, g)) << art << " " << phi;
            ASSERT_TRUE(HabermelDurchmesserAusGnomon(art, g, phi, eps, d));
            EXPECT_NEAR(d, 150, 1e-9);
        }
        double nord = 0, sued = 0;
        HabermelGnomonAusDurchmesser(art, 120, 52, eps, nord);
        HabermelGnomonAusDurchmesser(art, 120, -52, eps, sued);
        EXPECT_DOUBLE_EQ(nord, sued);
    }
}

TEST(HabermelGeometrie, RefusesWhereTheGeometryHasNoFiniteAnswer)
{
    const double eps = 23.44;
    struct Fall {
        int art;
        double breite;
    };
    const Fall faelle[] = {
        {1, 90},      // tan(eps) + tan(-eps) = 0: division by zero
        {1, -90},
        {1, 23.44},   // tan(90): the gnomon would shrink to nothing
        {2, 23.44},
        {1, 5},       // near the equator the tangent sum is negative
        {2, 0},
        {3, 47.25},   // no such sub-type
        {1, 95},
        {1, NAN},
    };
    for (const Fall& f : faelle) {
        double g = 42, d = 77;
        EXPECT_FALSE(HabermelGnomonAusDurchmesser(f.art, 200, f.breite, eps, g)) << f.art << " " << f.breite;
        EXPECT_EQ(g, 42);
        EXPECT_FALSE(HabermelDurchmesserAusGnomon(f.art, 40, f.breite, eps, d)) << f.art << " " << f.breite;
        EXPECT_EQ(d, 77);
    }
    double g = 42;
    EXPECT_FALSE(HabermelGnomonAusDurchmesser(1, 10, 47.25, eps, g)) << "a diameter below the margin";
    EXPECT_EQ(g, 42);
}
