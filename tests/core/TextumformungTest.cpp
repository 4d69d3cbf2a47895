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

TEST(Vorzeichen, SignsAndZero)
{
    EXPECT_EQ(Vorzeichen(-3.0L), -1);
    EXPECT_EQ(Vorzeichen(0.0L), 0);
    EXPECT_EQ(Vorzeichen(2.0L), 1);
    EXPECT_EQ(VorzeichenPM(0.0L), 1);
    EXPECT_EQ(VorzeichenPM(-1e-300L), -1);
}
