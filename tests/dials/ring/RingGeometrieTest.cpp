// The ring dial's light spot checked against the cylinder model of RingModell.h.
#include "dials/ring/RingGeometrie.h"
#include "RingModell.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace umbrin;
using namespace umbrin::ringtest;

TEST(RingGeometrie, SpotAgreesWithTheCylinderModelForEveryTurn)
{
    struct Fall {
        double D, alpha, h, a;
    };
    const Fall faelle[] = {
        {110, 30, 40, 0},  {110, 30, 40, 10}, {110, 30, 40, 30}, {150, 30, 10, 25},
        {150, 45, 60, 5},  {80, 20, 66, 40},  {200, 30, 2, 70},  {110, 10, 85, 15},
    };
    for (const Fall& f : faelle) {
        double K = 0, S = 0, Q = 0;
        ASSERT_TRUE(ringLichtfleck(K, S, Q, f.D, f.alpha, f.h, f.a));
        const Fleck z = zylinderFleck(f.D, f.alpha, f.h, f.a);
        EXPECT_NEAR(Q, z.quer, 1e-9) << f.D << " " << f.alpha << " " << f.h << " " << f.a;
        // Unturned the spot lies alpha + 2h from the top; the turn adds K.
        EXPECT_NEAR(f.alpha + 2 * f.h + K, z.bogen, 1e-6) << f.D << " " << f.alpha << " " << f.h << " " << f.a;
        EXPECT_NEAR(S, std::cos(z.bogen * kGrad), 1e-9);
        if (f.a == 0) {
            EXPECT_EQ(Q, 0);
        }
    }
}

TEST(RingGeometrie, WorkedExamplesOfTheSpotAndTheSearch)
{
    double K = 0, S = 0, Q = 0;
    ringLichtfleck(K, S, Q, 110, 30, 40, 10);
    EXPECT_NEAR(K, 0.86, 0.005);
    EXPECT_NEAR(Q, 13.9, 0.05);
    ringLichtfleck(K, S, Q, 110, 30, 40, 30);
    EXPECT_NEAR(K, 8.19, 0.005);
    EXPECT_NEAR(Q, 43.9, 0.05);

    bool ok = false;
    sucheRingWinkel(Q, S, K, 110, 30, 40, 13.9, ok);
    EXPECT_TRUE(ok);
    EXPECT_NEAR(K, 0.864, 0.002);
    EXPECT_NEAR(Q, 13.9, 0.01);
    EXPECT_NEAR(drehungFuer(110, 30, 40, 13.9), 9.99, 0.01);

    // The day's row is the hole's: no turn, no correction.
    sucheRingWinkel(Q, S, K, 110, 30, 40, 0, ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(K, 0);
    EXPECT_EQ(Q, 0);

    // Wider than any turn below 90 degrees can carry the spot.
    sucheRingWinkel(Q, S, K, 110, 30, 40, 500, ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(K, 0);
}

TEST(RingGeometrie, SearchedCorrectionMatchesTheCylinderModel)
{
    struct Fall {
        double D, alpha, h, T;
    };
    const Fall faelle[] = {{110, 30, 40, 13.9}, {150, 30, 20, 10}, {150, 30, 60, 30}, {80, 15, 5, 4},
                           {200, 40, 75, 30}};
    for (const Fall& f : faelle) {
        double K = 0, S = 0, Q = 0;
        bool ok = false;
        sucheRingWinkel(Q, S, K, f.D, f.alpha, f.h, f.T, ok);
        ASSERT_TRUE(ok) << f.T;
        const double a = drehungFuer(f.D, f.alpha, f.h, f.T);
        const Fleck z = zylinderFleck(f.D, f.alpha, f.h, a);
        EXPECT_NEAR(K, z.bogen - f.alpha - 2 * f.h, 0.01) << f.D << " " << f.h << " " << f.T;
        EXPECT_GE(Q, f.T);
        EXPECT_LT(Q - f.T, 0.01);
    }
}

// The search passes turns it can tell from rotated sines and cosines: it must stop at the
// same turn, with the same values to the last bit, as the walk that reckons every turn.
TEST(RingGeometrie, SearchStopsWhereTheStepByStepWalkStops)
{
    const auto schrittweise = [](double D, double c, double b, double T, double& K, double& S, double& Q) {
        const auto quer = [&](double a) {
            double k = 0, s = 0, q = 0;
            return ringLichtfleck(k, s, q, D, c, b, a) ? q : 0.0;
        };
        double a = 0;
        bool fleck = false;
        do {
            a += a < 45 ? 0.25 : 0.01;
            fleck = ringLichtfleck(K, S, Q, D, c, b, a);
        } while (!((fleck && Q >= T) || !(a < 90)));
        bool ok = true;
        if (a > 90 || !fleck) {
            ok = false;
        } else if (Q > T) {
            do {
                a -= 0.005;
                Q = quer(a);
            } while (!(Q <= T || a < 0.005));
            if (a < 0.02) {
                ringLichtfleck(K, S, Q, D, c, b, a);
                K = Q = 0;
                return true;
            }
            if (Q < T)
                do {
                    a += 0.0001;
                    Q = quer(a);
                } while (!(Q >= T || a >= 90));
            ok = a < 90;
        }
        ringLichtfleck(K, S, Q, D, c, b, a);
        if (!ok)
            K = 0;
        return ok;
    };
    for (const double D : {80.0, 150.0})
        for (const double c : {10.0, 30.0, 47.0})
            for (double b = 0.5; b < 90; b += 2.9)
                for (double T = 0; T < 0.6 * D; T += 0.0173 * D) {
                    double K = 0, S = 0, Q = 0, K1 = 0, S1 = 0, Q1 = 0;
                    bool ok = false;
                    sucheRingWinkel(Q, S, K, D, c, b, T, ok);
                    const bool ok1 = schrittweise(D, c, b, T, K1, S1, Q1);
                    ASSERT_TRUE(ok == ok1 && K == K1 && S == S1 && Q == Q1) << D << " " << c << " " << b << " " << T;
                }
}

TEST(RingGeometrie, RayAlongTheAxisHasNoSpot)
{
    double K = 1, S = 1, Q = 1;
    EXPECT_FALSE(ringLichtfleck(K, S, Q, 110, 90, 0, 90));
    EXPECT_EQ(K, 0);
    EXPECT_EQ(Q, 0);
    EXPECT_TRUE(std::isfinite(S));
}

TEST(RingGeometrie, EquinoxNoonOfTheWinterBand)
{
    // Hole row at the equinox: no turn, the plain spot of the noon sun.
    const RingMassstab m{2200, 1552, 23.44};
    bool ok = false;
    const double x0 = ringPosition(m, 47.25, 50, 110, 30, 0, 0, ok);
    EXPECT_TRUE(ok);
    EXPECT_DOUBLE_EQ(x0, std::nearbyint(1552 + 2 * 2200 * (90 - 47.25) * kGrad));
    // The winter hole half a band away moves the noon spot further along.
    const double x1 = ringPosition(m, 47.25, 50, 110, 30, -11.72, 0, ok);
    EXPECT_TRUE(ok);
    EXPECT_GT(x1, x0);
    EXPECT_DOUBLE_EQ(ringPosition(m, -47.25, 50, 110, 30, -11.72, 0, ok), x1);
}
