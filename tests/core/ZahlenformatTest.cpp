#include "core/Zahlenformat.h"

#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <vector>

using namespace umbrin;

namespace {

struct RealFall {
    long double x;
    int w;
    int d;
    const char* text;
};

TEST(RealStr, FormatsWidthDecimalsAndSign)
{
    const RealFall faelle[] = {
        {3.14159L, 7, 2, "   3.14"},
        {-9.59L, 5, 2, "-9.59"},
        {123456.0L, 4, 1, "123456.0"}, // wider than the width: not cut
        {47.25L, 6, 2, " 47.25"},
        {-9.59L, 3, 1, "-9.6"},
        {0.875L, 4, 2, "0.88"},        // a tie goes away from zero
        {0.125L, 4, 2, "0.13"},
        {-0.125L, 5, 2, "-0.13"},
        {2.5L, 1, 0, "3"},
        {-2.5L, 2, 0, "-3"},
        {1.005L, 4, 2, "1.00"},        // 1.005 is stored a little below the tie
        {-0.001L, 5, 2, " 0.00"},      // rounds to zero: no minus sign
        {-0.0L, 4, 2, "0.00"},
        {9.995L, 5, 2, " 9.99"},       // stored just below the tie as a long double
        {9.999L, 5, 2, "10.00"},       // carry through every digit
        {2020.0L, 4, 0, "2020"},
        {-15.0L, 6, 1, " -15.0"},
        {1e20L, 0, 0, "100000000000000000000"},
        {0.0L, 0, 0, "0"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(RealStr(f.x, f.w, f.d), f.text) << static_cast<double>(f.x) << " w=" << f.w << " d=" << f.d;
}

TEST(RealStr, MoreDecimalsThanWidthGivesEmptyTextAndError)
{
    bool fehler = false;
    EXPECT_EQ(RealStr(1.0L, 2, 3, fehler), "");
    EXPECT_TRUE(fehler);
    EXPECT_EQ(RealStr(1.0L, 3, 3, fehler), "1.000");
    EXPECT_FALSE(fehler);
}

TEST(RealStr, NonFiniteValuesDoNotCrash)
{
    EXPECT_EQ(RealStr(std::numeric_limits<long double>::quiet_NaN(), 5, 2), "  NAN");
    EXPECT_EQ(RealStr(-std::numeric_limits<long double>::infinity(), 4, 2), "-INF");
}

TEST(RealStr, UsesPointWhateverTheProcessLocale)
{
    const std::string vorher = std::setlocale(LC_ALL, nullptr);
    const char* gesetzt = std::setlocale(LC_ALL, "de_DE.UTF-8");
    std::locale alt;
    bool globalGesetzt = false;
    try {
        alt = std::locale::global(std::locale("de_DE.UTF-8"));
        globalGesetzt = true;
    } catch (const std::runtime_error&) {
    }
    if (!gesetzt && !globalGesetzt) {
        std::setlocale(LC_ALL, vorher.c_str());
        GTEST_SKIP() << "no German locale installed";
    }
    const std::string text = RealStr(1234.5L, 8, 2);
    const std::string koord = KoordStr(1234.5L);
    if (globalGesetzt)
        std::locale::global(alt); // sets the C locale too, so it is put back after this
    std::setlocale(LC_ALL, vorher.c_str());
    EXPECT_EQ(text, " 1234.50");
    EXPECT_EQ(koord, "1234");
}

TEST(KoordStr, ClampsAndRoundsHalfToEven)
{
    const std::pair<long double, const char*> faelle[] = {
        {3e8L, "217000000"}, {-5e9L, "-217000000"}, {2.5L, "2"},      {3.5L, "4"},
        {-0.4L, "0"},        {-2.5L, "-2"},         {217000000.4L, "217000000"},
        {216999999.5L, "217000000"}, {std::numeric_limits<long double>::infinity(), "217000000"},
    };
    for (const auto& [x, text] : faelle)
        EXPECT_EQ(KoordStr(x), text) << static_cast<double>(x);
}

// Whole tenths written directly give RealStr's text of the tenth, over the table's range, at
// the edge of the direct way and beyond it.
TEST(ZehntelStr, GivesRealStrsTextOfTheTenth)
{
    std::vector<std::int64_t> faelle;
    for (std::int64_t k = -20000; k <= 20000; ++k)
        faelle.push_back(k);
    for (const std::int64_t k : {999999999999999LL, 1000000000000000LL, 1000000000000001LL, 123456789012345678LL})
        faelle.insert(faelle.end(), {k, -k});
    for (const std::int64_t k : faelle)
        for (const int w : {0, 7})
            ASSERT_EQ(ZehntelStr(k, w), RealStr(static_cast<long double>(k) / 10, w, 1)) << k;
}

TEST(MinSekStr, MinutesAndSecondsOfTime)
{
    const std::pair<long double, const char*> faelle[] = {
        {0.75L, "  3:00"},     {-1.0L, " -4:00"},    {-0.125L, " -0:30"},
        {0.249975L, "  1:00"}, {0.2479L, "  0:59"},  {-0.001L, "  0:00"},
        {-0.0019L, "  0:00"},  {-0.0025L, " -0:01"}, {-0.2499L, " -1:00"},
        {4.0L, " 16:00"},      {-40.0L, "-160:00"},  {0.0L, "  0:00"},
        {-0.00208L, "  0:00"}, // m = -0.00832: just under half a second, no "-0:00"
        {0.0354L, "  0:08"},   {3.9999L, " 16:00"},
    };
    for (const auto& [x, text] : faelle)
        EXPECT_EQ(MinSekStr(x), text) << static_cast<double>(x);
}

TEST(ZeitHHMM, RoundsToTheMinute)
{
    const std::pair<long double, const char*> faelle[] = {
        {6.5L, "  6:30"}, {0.0L, "  0:00"}, {23.9999L, " 24:00"}, {7.0083L, "  7:00"},
        {7.0084L, "  7:01"}, {12.25L, " 12:15"}, {18.999L, " 19:00"},
    };
    for (const auto& [x, text] : faelle)
        EXPECT_EQ(ZeitHHMM(x), text) << static_cast<double>(x);
}

} // namespace
