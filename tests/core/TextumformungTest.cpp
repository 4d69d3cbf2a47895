#include "core/Textumformung.h"
#include "core/Vorzeichen.h"

#include <gtest/gtest.h>

using namespace umbrin;

TEST(Textumformung, CaptionsBecomeLabels)
{
    EXPECT_EQ(OhneAmpersand("&Geogr. Breite:"), "Geogr. Breite");
    EXPECT_EQ(OhneAmpersand("&Breite:"), "Breite");
    EXPECT_EQ(OhneUmlaute("Südwand Größe"), "Suedwand Groeße"); // ß is kept
    EXPECT_EQ(OhneUmlaute("ÄÖÜäöü ß"), "AeOeUeaeoeue ß");
    EXPECT_EQ(GrossSchrift("wingdings äb"), "WINGDINGS äB");
    EXPECT_EQ(OhneAccelerator("S&chließen && mehr"), "Schließen & mehr");
}

// A quoted line keeps 100 whole characters of any width; a stray continuation byte is one.
TEST(Textumformung, AQuotedLineIsCutAfterOneHundredCharacters)
{
    const auto mal = [](std::string_view z, int n) {
        std::string s;
        for (int i = 0; i < n; ++i)
            s += z;
        return s;
    };
    EXPECT_EQ(zitatAusDatei(mal("€", 100)), mal("€", 100));
    EXPECT_EQ(zitatAusDatei(mal("€", 101)), mal("€", 100) + "...");
    EXPECT_EQ(zitatAusDatei("a" + mal("\U0001F31E", 150)), "a" + mal("\U0001F31E", 99) + "...");
    EXPECT_EQ(zitatAusDatei(mal("\x80", 300)), mal("\x80", 100) + "...");
}

TEST(Vorzeichen, SignsAndZero)
{
    EXPECT_EQ(Vorzeichen(-3.0L), -1);
    EXPECT_EQ(Vorzeichen(0.0L), 0);
    EXPECT_EQ(Vorzeichen(2.0L), 1);
    EXPECT_EQ(VorzeichenPM(0.0L), 1);
    EXPECT_EQ(VorzeichenPM(-1e-300L), -1);
}
