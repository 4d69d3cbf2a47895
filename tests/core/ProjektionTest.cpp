#include "core/Projektion.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace umbrin;

TEST(TanGrad, FiniteAtNinetyDegrees)
{
    EXPECT_TRUE(std::isfinite(TanGrad(90)));
    EXPECT_GT(TanGrad(90), 1e11);
    EXPECT_LT(TanGrad(-90), -1e11);
    EXPECT_NEAR(TanGrad(45), 1.0, 1e-12);
}

TEST(Drehe, QuarterTurn)
{
    double x = 1, y = 0;
    Drehe(x, y, 90);
    EXPECT_NEAR(x, 0, 1e-12);
    EXPECT_NEAR(y, 1, 1e-12);
}

TEST(ProjiziereSonne, SunOnTheHorizonStaysFinite)
{
    double x, y;
    bool sichtbar = false;
    ProjiziereSonne(0, 0, 90, 0, 10, 0, x, y, sichtbar); // c = 0: divides by 1e-6
    EXPECT_TRUE(sichtbar);
    EXPECT_NEAR(x, 10 / 1e-6, 1);
    ProjiziereSonne(47.25, 23.44, 0, 0, 35, 0, x, y, sichtbar);
    EXPECT_NEAR(x, 0, 1e-9);
    // Noon shadow of a horizontal dial: length g * tan(zenith distance), towards north (y < 0).
    EXPECT_NEAR(y, -35 * std::tan((47.25 - 23.44) * M_PI / 180), 1e-9);
}

TEST(KegelschnittParameter, RefusesInvalidAnglesAndKeepsItsOutputs)
{
    double A = 1, B = 2, C = 3;
    EXPECT_FALSE(KegelschnittParameter(100, 20, 20, A, B, C)); // psi = alfa
    EXPECT_FALSE(KegelschnittParameter(100, 0.05, 30, A, B, C));
    EXPECT_FALSE(KegelschnittParameter(100, 30, 160, A, B, C)); // psi > 180 - alfa
    EXPECT_EQ(A, 1);
    EXPECT_EQ(B, 2);
    EXPECT_EQ(C, 3);
    ASSERT_TRUE(KegelschnittParameter(100, 12, 42.75, A, B, C));
    EXPECT_TRUE(std::isfinite(A) && A > 0);
    EXPECT_GT(B, C);
}

TEST(BerechnePol, MidpointOnlyForTheBiazimuthalDial)
{
    EXPECT_FALSE(BerechnePol('v', 10, 0, 20, 0).berechnet);
    PolErgebnis p = BerechnePol('c', 10, 20, 10, 40);
    EXPECT_TRUE(p.berechnet);
    EXPECT_TRUE(p.flag);
    EXPECT_NEAR(p.laenge, 30, 1e-6);
    EXPECT_GT(p.breite, 10); // the great circle bulges poleward
    PolErgebnis weit = BerechnePol('c', 0, -85, 0, 85);
    EXPECT_TRUE(weit.zuWeit);
    EXPECT_DOUBLE_EQ(weit.breite, 99.99);
    PolErgebnis gleich = BerechnePol('c', 47.25, -9.59, 47.25, -9.59);
    EXPECT_NEAR(gleich.breite, 47.25, 1e-6);
    EXPECT_NEAR(gleich.laenge, -9.59, 1e-4); // arccos near 1 is ill-conditioned
}
