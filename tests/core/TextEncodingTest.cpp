#include "core/TextEncoding.h"

#include <gtest/gtest.h>

using namespace umbrin;

TEST(TextEncoding, Cp1252RoundTripsUmlautsDegreeAndEuro)
{
    const std::string utf8 = "L\xC3\xA4nge 48\xC2\xB0 \xE2\x82\xAC \xC3\x9F";
    const std::string cp = utf8ToCp1252(utf8);
    EXPECT_EQ(cp, "L\xE4nge 48\xB0 \x80 \xDF");
    EXPECT_EQ(cp1252ToUtf8(cp), utf8);
}

TEST(TextEncoding, UnmappableCharactersBecomeQuestionMarks)
{
    EXPECT_EQ(utf8ToCp1252("\xE2\x99\x88"), "?"); // the zodiac sign Aries
}

TEST(TextEncoding, FileTextIsReadAsUtf8WhenValidElseAsCp1252)
{
    EXPECT_EQ(decodeFileText("M\xC3\xA4rz"), "M\xC3\xA4rz");
    EXPECT_EQ(decodeFileText("M\xE4rz"), "M\xC3\xA4rz");
    EXPECT_EQ(decodeFileText("\xEF\xBB\xBFok"), "ok");
    EXPECT_FALSE(isValidUtf8("\xC0\x80")); // overlong NUL
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80")); // surrogate
}
