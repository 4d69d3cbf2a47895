#include "drawing/DxfZahl.h"
#include "support/Zahl.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdlib>

using namespace umbrin;

TEST(DxfZahl, FixedPointTextsRoundHalfAwayAndPadWithoutCutting)
{
    struct Fall {
        long double wert;
        int breite;
        int stellen;
        const char* text;
    };
    const Fall faelle[] = {
        {0.875L, 6, 2, "  0.88"},          // the width factor of SI 0.2,0.32
        {3.2L, 6, 2, "  3.20"},
        {2.7L, 10, 4, "    2.7000"},       // the default text height
        {411.0L, 8, 2, "  411.00"},
        {-9.59L, 3, 1, "-9.6"},            // longer than the width: not cut
        {45.0L, 5, 1, " 45.0"},
        {-0.00001L, 10, 4, "    0.0000"},  // no minus sign on a zero
        {-2.5L, 0, 0, "-3"},
        {12.345L, 11, 5, "   12.34500"},
        {1e20L, 0, 4, "100000000000000000000.0000"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(dxfFest(f.wert, f.breite, f.stellen), f.text) << static_cast<double>(f.wert);
}

TEST(DxfZahl, NonFiniteValuesAreWrittenAsZero)
{
    EXPECT_EQ(dxfFest(std::numeric_limits<long double>::infinity(), 6, 2), "  0.00");
    EXPECT_EQ(dxfFest(std::numeric_limits<long double>::quiet_NaN(), 0, 1), "0.0");
}

TEST(DxfZahl, TheValueOfATextIsWhatAReaderOfTheTextGets)
{
    for (long q = -3000000; q <= 3000000; q += 7919) {
        double wert = 0;
        const std::string text = dxfFest(q / 10000.0L, 0, 4, &wert);
        EXPECT_EQ(wert, test::zahl(text)) << text;
    }
    std::string ganz;
    double wert = 0;
    dxfFestAusGanzzahlAnhaengen(ganz, -1234567, 4, &wert);
    EXPECT_EQ(ganz, "-123.4567");
    EXPECT_EQ(wert, -123.4567);
}

TEST(DxfZahl, WidthsAreWrittenWithTwoSignificantDigitsInExponentForm)
{
    EXPECT_EQ(dxfExponent(6.0L / 40), " 1.5E-0001"); // medium pens at 40 units per mm
    EXPECT_EQ(dxfExponent(0), " 0.0E+0000");         // fine pens
    EXPECT_EQ(dxfExponent(12.0L / 40), " 3.0E-0001");
    EXPECT_EQ(dxfExponent(6.0L / 1000), " 6.0E-0003");
    EXPECT_EQ(dxfExponent(9.96L), " 1.0E+0001");
    EXPECT_EQ(dxfExponent(-0.15L), "-1.5E-0001");
    EXPECT_EQ(dxfExponent(1234.0L), " 1.2E+0003");
}

TEST(DxfZahl, ReadsOnlyPlainDecimalNumbers)
{
    long double wert = 0;
    for (const char* gut : {"12", "-3.5", "+7", ".5", "5.", " 410.0000", "1.5E-0001", "  -0.0  "}) {
        EXPECT_TRUE(dxfLeseZahl(gut, wert)) << gut;
    }
    EXPECT_TRUE(dxfLeseZahl("1.5E-0001", wert));
    EXPECT_DOUBLE_EQ(static_cast<double>(wert), 0.15);
    for (const char* schlecht : {"", " ", "-", "+-1", "1-2", "1.2.3", "inf", "nan", "0x10", "1e", "1,5", "1e99999"}) {
        EXPECT_FALSE(dxfLeseZahl(schlecht, wert)) << schlecht;
    }
}

TEST(DxfZahl, TextsOfAnyLengthSurviveCopies)
{
    const std::string lang(200, '7');
    DxfText kurz("403.9250");
    DxfText weit(lang);
    DxfText kopie = kurz;
    kopie = weit;
    EXPECT_EQ(kopie.sicht(), lang);
    EXPECT_FALSE(kopie.istKurz());
    kopie = kurz;
    EXPECT_EQ(kopie.sicht(), "403.9250");
    EXPECT_TRUE(kopie == kurz);
    EXPECT_TRUE(DxfText().empty());
}
