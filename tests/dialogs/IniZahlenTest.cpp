#include "dialogs/IniZahlen.h"

#include <gtest/gtest.h>

#include <optional>

using namespace umbrin;

TEST(IniZahlen, TokenScannerTakesSignsPointsAndDigitsBetweenSeparators)
{
    struct Case {
        const char* line;
        std::vector<std::string> tokens; // taken while the rest is not empty
        const char* restAfter;
    } cases[] = {
        {"  47.250000;       47.25", {"47.250000", "47.25"}, ""},
        {"35.00; 51.00;  250.00;    270", {"35.00", "51.00", "250.00", "270"}, ""},
        {"13;  90.0;   5.00;   2", {"13", "90.0", "5.00", "2"}, ""},
        {",,;; -1.5", {"-1.5"}, ""},
        {"1e3;4", {"1"}, "e3;4"},   // "e" ends the token and stays
        {"12x;4", {"12"}, "x;4"},
    };
    for (const Case& c : cases) {
        std::string rest = c.line;
        std::vector<std::string> tokens;
        while (!rest.empty() && tokens.size() < c.tokens.size())
            tokens.push_back(holeZahl(rest));
        EXPECT_EQ(tokens, c.tokens) << c.line;
        EXPECT_EQ(rest, c.restAfter) << c.line;
    }
    std::string stuck = "x;4";
    EXPECT_EQ(holeZahl(stuck), "");
    EXPECT_EQ(stuck, "x;4"); // a foreign character leaves every later value empty
}

TEST(IniZahlen, RealsFollowTheFileGrammarWhateverTheLocale)
{
    struct Case {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"47.25", 47.25},  {"  -9.59", -9.59}, {"+3", 3.0},     {"1e3", 1000.0}, {"1E-2", 0.01},
        {"2.5e+1", 25.0},  {".5", 0.5},        {"5.", 5.0},     {"-0.0000001", -1e-7},
        {"", std::nullopt}, {"-", std::nullopt}, {".", std::nullopt}, {"1.2.3", std::nullopt},
        {"1e", std::nullopt}, {"inf", std::nullopt}, {"nan", std::nullopt}, {"0x10", std::nullopt},
        {"1,5", std::nullopt}, {"1 ", std::nullopt}, {"--1", std::nullopt}, {"+-1", std::nullopt},
        {"1e400", std::nullopt},
    };
    for (const Case& c : cases) {
        const auto v = alsReal(c.text);
        EXPECT_EQ(v.has_value(), c.value.has_value()) << '"' << c.text << '"';
        if (v && c.value) {
            EXPECT_DOUBLE_EQ(*v, *c.value) << c.text;
        }
    }
}

TEST(IniZahlen, IntegersAndColourValues)
{
    EXPECT_EQ(alsGanzzahl("12"), 12);
    EXPECT_EQ(alsGanzzahl("  -7"), -7);
    EXPECT_EQ(alsGanzzahl("+5"), 5);
    EXPECT_EQ(alsGanzzahl("2147483647"), 2147483647);
    EXPECT_EQ(alsGanzzahl("-2147483648"), -2147483647 - 1);
    EXPECT_FALSE(alsGanzzahl("2147483648"));
    EXPECT_FALSE(alsGanzzahl("12 "));
    EXPECT_FALSE(alsGanzzahl("1.0"));
    EXPECT_FALSE(alsGanzzahl(""));
    EXPECT_FALSE(alsGanzzahl("99999999999999999999"));
    // Older files hold system colours as negative numbers; both forms give the same bits.
    EXPECT_EQ(alsFarbwert("-16777201"), 0xFF00000Fu);
    EXPECT_EQ(alsFarbwert("4278190095"), 0xFF00000Fu);
    EXPECT_EQ(alsFarbwert("10543327"), 0xA0E0DFu);
    EXPECT_FALSE(alsFarbwert("4294967296"));
    EXPECT_FALSE(alsFarbwert("blau"));
}

TEST(IniZahlen, CommaSplitterAndRingScanner)
{
    std::string rest = "70,,120;x, 200.0";
    EXPECT_EQ(holeKommaWert(rest), "70");
    EXPECT_EQ(holeKommaWert(rest), "");
    EXPECT_EQ(holeKommaWert(rest), "120;x"); // a "," is sought first, a ";" only without one
    EXPECT_EQ(holeKommaWert(rest), " 200.0");
    EXPECT_EQ(rest, "");
    rest = "120;x";
    EXPECT_EQ(holeKommaWert(rest), "120");
    EXPECT_EQ(rest, "x");

    rest = "  -0.350000; 150.00;-80.00; 30.0";
    EXPECT_EQ(holeRingWert(rest, true), "-0.350000");
    EXPECT_EQ(holeRingWert(rest, false), "150.00");
    EXPECT_EQ(holeRingWert(rest, false), "80.00"); // only the first value keeps its sign
    EXPECT_EQ(holeRingWert(rest, false), "30.0");
    EXPECT_TRUE(rest.empty());
}
