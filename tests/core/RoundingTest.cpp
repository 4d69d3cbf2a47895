#include "core/Rounding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

using namespace umbrin;

// The quick rounding of a bounded value gives what roundHalfEven gives for it held within the
// bound: halves either way, values just beside them, beyond the bound and not finite.
TEST(RoundingTest, RoundHalfEvenWithinAsRoundHalfEven)
{
    const double grenze = 1.0e6;
    std::vector<double> werte = {0.0, -0.0, 1e-300, std::numeric_limits<double>::infinity(),
                                 -std::numeric_limits<double>::infinity(), 999999.5, -999999.5, 1000000.5, 3e9, -3e9};
    for (int k = -12; k <= 12; ++k)
        for (const double d : {0.0, 0.5, std::nextafter(0.5, 0.0), std::nextafter(0.5, 1.0)})
            werte.push_back(k + d);
    for (int i = 0; i < 1000; ++i)
        werte.push_back(std::ldexp(std::sin(i * 1.7), i % 22) * (i % 3 ? 1 : -1));
    for (const double x : werte)
        EXPECT_EQ(roundHalfEvenWithin(x, grenze), roundHalfEven(std::clamp(x, -grenze, grenze))) << x;
    EXPECT_EQ(roundHalfEvenWithin(std::nan(""), grenze), 0);
}
