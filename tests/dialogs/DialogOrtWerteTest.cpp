#include "dialogs/DialogOrtWerte.h"

#include <gtest/gtest.h>

using namespace umbrin;

TEST(DialogOrtWerte, SplitsDecimalDegreesWithoutCarryingSixtySeconds)
{
    struct Fall {
        double wert;
        int g, m, s;
    };
    const Fall faelle[] = {
        {47.25, 47, 15, 0}, {-9.59, 9, 35, 24}, {12.999999, 13, 0, 0}, {-33.9, 33, 54, 0}, {10.016666, 10, 1, 0}, {0, 0, 0, 0}, {-180, 180, 0, 0},
    };
    for (const Fall& f : faelle) {
        const GradMinSek t = zerlegeGrad(f.wert);
        EXPECT_EQ(t.grad, f.g) << f.wert;
        EXPECT_EQ(t.minuten, f.m) << f.wert;
        EXPECT_EQ(t.sekunden, f.s) << f.wert;
    }
}

TEST(DialogOrtWerte, DegreeFormFloorsAndClampsBeforeTheSign)
{
    EXPECT_DOUBLE_EQ(BreiteAusTeilen(0, 0, 0, false), 1e-6);
    EXPECT_DOUBLE_EQ(BreiteAusTeilen(0, 0, 0, true), -1e-6);
    EXPECT_DOUBLE_EQ(BreiteAusTeilen(90, 30, 0, false), 90);
    EXPECT_DOUBLE_EQ(BreiteAusTeilen(47, 15, 0, true), -47.25);
    EXPECT_DOUBLE_EQ(BreiteAusTeilen(0, 60, 60, false), 1 + 1 / 60.0);
    // Longitude and zone meridian never pass 180 either way.
    EXPECT_DOUBLE_EQ(LaengeAusTeilen(180, 60, 60, false), 180);
    EXPECT_DOUBLE_EQ(LaengeAusTeilen(180, 0, 1, true), -180);
    EXPECT_DOUBLE_EQ(LaengeAusTeilen(9, 35, 24, true), -9.59);
}

TEST(DialogOrtWerte, OneEquatorRuleKeepsTheSignOfTheDialsLatitudes)
{
    const struct {
        double breite;
        Aequatorregel regel;
        double erwartet;
    } faelle[] = {
        {0, Aequatorregel::Ort, 1e-6},          {-0.0000001, Aequatorregel::Ort, 1e-6},
        {-0.000001, Aequatorregel::Ort, -1e-6}, {0.001, Aequatorregel::Ort, 0.001},
        {0, Aequatorregel::Zifferblatt, 0.0049}, {-0.0, Aequatorregel::Zifferblatt, -0.0049},
        {-0.001, Aequatorregel::Zifferblatt, -0.0049}, {-0.00495, Aequatorregel::Zifferblatt, -0.0049},
        {0.0049, Aequatorregel::Zifferblatt, 0.0049},  {0.005, Aequatorregel::Zifferblatt, 0.005},
        {-0.005, Aequatorregel::Zifferblatt, -0.005},  {-12, Aequatorregel::Zifferblatt, -12},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(BreiteVomAequatorWeg(f.breite, f.regel), f.erwartet) << f.breite;
}

TEST(DialogOrtWerte, ZoneMeridianDistances)
{
    EXPECT_TRUE(ZonenmeridianFrageNoetig(0.5, -15));
    EXPECT_FALSE(ZonenmeridianFrageNoetig(0, -15)) << "exactly 15 degrees is no question";
    EXPECT_TRUE(LaengeWeitVomZonenmeridian(-0.5, -15));
    EXPECT_FALSE(LaengeWeitVomZonenmeridian(-1, -15));
}
