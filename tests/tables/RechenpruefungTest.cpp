#include "tables/Rechenpruefung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

using namespace umbrin;

TEST(Rechenpruefung, FieldRangesAcceptTheirBoundsAndRefuseBeyond)
{
    EXPECT_TRUE(JahrZulaessig(1300));
    EXPECT_TRUE(JahrZulaessig(2500));
    EXPECT_FALSE(JahrZulaessig(1299));
    EXPECT_FALSE(JahrZulaessig(2501));
    EXPECT_FALSE(MonatZulaessig(0));
    EXPECT_FALSE(MonatZulaessig(13));
    EXPECT_TRUE(TagZulaessig(31));
    EXPECT_FALSE(TagZulaessig(32));
    EXPECT_TRUE(AzimutZulaessig(180.0));
    EXPECT_TRUE(AzimutZulaessig(-180.0));
    EXPECT_FALSE(AzimutZulaessig(180.5));
    EXPECT_TRUE(LaengeZulaessig(-179.99));
    EXPECT_FALSE(LaengeZulaessig(180.0));
    EXPECT_FALSE(BreiteZulaessig(90.01));
    EXPECT_FALSE(LaengeZulaessig(NAN));
}

TEST(Rechenpruefung, TimeReaderTakesHoursMinutesAndSeconds)
{
    const struct {
        const char* text;
        std::optional<double> sekunden;
    } faelle[] = {
        {"12", 43200.0},       {"7:30", 27000.0},    {"7 30", 27000.0},     {"23:59:59", 86399.0},
        {"0:00:00", 0.0},      {"25:99", std::nullopt}, {"24:00", std::nullopt}, {"12:60", std::nullopt},
        {"12:00:60", std::nullopt}, {"", std::nullopt}, {"a", std::nullopt},  {"1:2:3:4", std::nullopt},
        {"12:", std::nullopt}, {"-1", std::nullopt}, {"123", std::nullopt},
    };
    for (const auto& f : faelle) {
        const auto t = liesUhrzeit(f.text);
        ASSERT_EQ(t.has_value(), f.sekunden.has_value()) << f.text;
        if (t) {
            EXPECT_NEAR(*t * 86400.0, *f.sekunden, 1e-6) << f.text;
        }
    }
    EXPECT_EQ(Uhrzeittext(0.5), "12:00:00");
    EXPECT_EQ(Uhrzeittext(27000.0 / 86400.0), "07:30:00");
    EXPECT_EQ(Uhrzeittext(86399.6 / 86400.0), "00:00:00");
}

TEST(Rechenpruefung, OnlyTheTenDaysOf1582AreMovedToThe15th)
{
    const struct {
        int jahr, monat, tag;
        bool korrigiert;
        int danach;
    } faelle[] = {{1582, 10, 10, true, 15}, {1582, 10, 5, true, 15}, {1582, 10, 14, true, 15},
                  {1582, 10, 4, false, 4},  {1582, 10, 15, false, 15}, {1583, 10, 10, false, 10},
                  {1582, 11, 10, false, 10}};
    for (const auto& f : faelle) {
        int tag = f.tag;
        EXPECT_EQ(controlGregor(f.jahr, f.monat, tag), f.korrigiert) << f.jahr << "-" << f.monat << "-" << f.tag;
        EXPECT_EQ(tag, f.danach);
    }
}
