#include "dials/HpglDialekt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace umbrin;

namespace {
std::string imSpeicher(const std::function<void(HPGLDatei&)>& schreiben)
{
    HPGLDatei datei;
    datei.oeffnenImSpeicher();
    schreiben(datei);
    return datei.inhalt();
}
} // namespace

TEST(HpglDialekt, CoordinatesAreClampedThenRoundedHalfToEven)
{
    const struct {
        double x;
        const char* text;
    } faelle[] = {
        {3e8, "217000000"},  {-5e9, "-217000000"}, {217000000.4, "217000000"},
        {-2.5, "-2"},        {2.5, "2"},           {3.5, "4"},
        {-0.4, "0"},         {16157.0, "16157"},   {-123456.5, "-123456"},
        {1e300, "217000000"}, {std::nan(""), "0"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(hpglZahl(f.x), f.text) << f.x;
}

TEST(HpglDialekt, SmallPieces)
{
    EXPECT_EQ(strichLinie(0), "");
    EXPECT_EQ(strichLinie(5), "-----");
    EXPECT_EQ(strichLinie(76).size(), 76u);
    EXPECT_EQ(stiftbreiteText(3), "2;");
    EXPECT_EQ(stiftbreiteText(1), "0;");
    EXPECT_EQ(hpglLabel("S"), std::string("LBS\x03"));
    EXPECT_EQ(hpglZeichengroesse(0.16, 0.24), "SI  0.16, 0.24");
    EXPECT_EQ(hpglZeichengroesse(0.16 * 25, 0.24 * 25), "SI  4.00, 6.00");
    EXPECT_EQ(hpglPrologMitRahmen(16157, 11038), "IN;VS 1;PA;IW 0 0 16157 11038;PU 0 0;EA 16157 11038;");
    EXPECT_EQ(hpglFaktor(true), 1);
    EXPECT_EQ(hpglFaktor(false), 25);
}

TEST(HpglDialekt, GridLinesLieOnTheFootFromBorderToBorder)
{
    const std::string plot = imSpeicher([](HPGLDatei& d) { hpglRaster(d, 1000, 1000, 16150, 400, 11030); });
    EXPECT_EQ(plot.rfind(";IW 0 0 16150 11030;SP 9;PU 1000 1000;CI 80;PU 200 200;PD 200 11000;", 0), 0u) << plot;
    EXPECT_NE(plot.find("PU 15800 200;PD 15800 11000;PU 200 200;PD 15800 200;"), std::string::npos);
    EXPECT_NE(plot.find("PU 200 11000;PD 15800 11000;PU ;"), std::string::npos);
    EXPECT_EQ(plot.find("PU 16200"), std::string::npos);
    const std::ptrdiff_t senkrecht = std::count(plot.begin(), plot.end(), 'D');
    EXPECT_EQ(senkrecht, 40 + 28); // x = 200..15800 and y = 200..11000 in steps of 400
}

TEST(HpglDialekt, AGridStepOfZeroDrawsNoLinesAndEnds)
{
    const std::string plot = imSpeicher([](HPGLDatei& d) { hpglRaster(d, 1000, 1000, 16150, 0, 11030); });
    EXPECT_EQ(plot, ";IW 0 0 16150 11030;SP 9;PU 1000 1000;CI 80;PU ;");
}

TEST(HpglDialekt, GnomonMarkShowsTwiceTheHeightAtBothScales)
{
    // A gnomon of 35 mm: 1400 units in a plot file, 35000 in the DXF intermediate.
    const std::string k1 = imSpeicher([](HPGLDatei& d) { schreibeGnomonMarke(d, 1400, 8200, 11000, 1, true); });
    EXPECT_EQ(k1, ";SP 4;PU 8000 11000;PD 8400 11000 8200 11000 8200 11200 8200 10800"
                  ";PU 40 40;PD 2840 40 2840 160;PU 40 400;PD 40 2840 160 2840"
                  ";PU 160 160;SI  0.16, 0.24;LBdoppelte Gnomonhoehe (= 2 * 35.000 mm)\x03;");
    const std::string k25 = imSpeicher([](HPGLDatei& d) { schreibeGnomonMarke(d, 35000, 205000, 275000, 25, true); });
    EXPECT_EQ(k25, ";SP 4;PU 200000 275000;PD 210000 275000 205000 275000 205000 280000 205000 270000"
                   ";PU 1000 1000;PD 71000 1000 71000 4000;PU 1000 10000;PD 1000 71000 4000 71000"
                   ";PU 4000 4000;SI  4.00, 6.00;LBdoppelte Gnomonhoehe (= 2 * 35.000 mm)\x03;");
}
