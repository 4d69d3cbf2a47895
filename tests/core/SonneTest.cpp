#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "support/Zahl.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace umbrin;

TEST(JulianischerTag, WorkedExamplesAndTheCalendarSwitchOf1582)
{
    EXPECT_EQ(JulianischerTag(1, 1, 2000), 2451545.0);
    EXPECT_EQ(JulianischerTag(15, 10, 1582), JulianischerTag(4, 10, 1582) + 1);
    EXPECT_EQ(JulianischerTag(10, 10, 1582), JulianischerTag(15, 10, 1582));
    EXPECT_EQ(JulianischerTag(5, 10, 1582), JulianischerTag(15, 10, 1582));
    EXPECT_EQ(JulianischerTag(14, 10, 1582), JulianischerTag(15, 10, 1582));
    EXPECT_EQ(JulianischerTag(16, 10, 1582), JulianischerTag(15, 10, 1582) + 1);
    // 1 January 4713 BC (Julian) is day 0; 1 January 1 AD is 1721424.
    EXPECT_EQ(JulianischerTag(1, 1, 1), 1721424.0);
    EXPECT_EQ(JulianischerTag(31, 12, 2020) - JulianischerTag(1, 1, 2020), 365.0);
}

TEST(TagImJahr, GregorianLeapRuleInEveryYear)
{
    struct Fall { int j, m, t, erwartet; };
    for (const Fall f : {Fall{1900, 3, 1, 60}, {2000, 3, 1, 61}, {1500, 3, 1, 60}, {2020, 12, 31, 366},
                         {2021, 12, 31, 365}, {2021, 2, 28, 59}, {2021, 1, 1, 1}}) {
        EXPECT_EQ(TagImJahr(f.j, f.m, f.t), f.erwartet) << f.j << "-" << f.m << "-" << f.t;
    }
}

TEST(DatumAusTag, DayAndMonthAbbreviationInBothLanguages)
{
    AppState s;
    s.Par.Jahr = 2021;
    EXPECT_EQ(DatumAusTag(s, 80), "21. Mar");
    EXPECT_EQ(DatumAusTag(s, 1), "1. Jan");
    EXPECT_EQ(DatumAusTag(s, 152), "1. Jun");
    setzeSprache(s, true);
    EXPECT_EQ(DatumAusTag(s, 305), "1. Nov");
    EXPECT_EQ(DatumAusTag(s, 135), "15. Mai");
    setzeSprache(s, false);
    EXPECT_EQ(DatumAusTag(s, 135), "15. May");
}

TEST(AzimutHoehe, MeridianAndWrappedHourAngles)
{
    double h, a;
    AzimutHoehe(h, a, 47.25, 10, 0);
    EXPECT_DOUBLE_EQ(a, 0);
    EXPECT_NEAR(h, 90 - 47.25 + 10, 1e-9);
    AzimutHoehe(h, a, 10, 20, 0); // sun north of the zenith
    EXPECT_DOUBLE_EQ(a, 180);
    EXPECT_NEAR(h, 80, 1e-9);

    double h2, a2;
    AzimutHoehe(h, a, 47.25, 15, 190);
    AzimutHoehe(h2, a2, 47.25, 15, -170);
    EXPECT_DOUBLE_EQ(h, h2);
    EXPECT_DOUBLE_EQ(a, a2);
    EXPECT_LT(a, 0); // east of south before noon

    AzimutHoehe(h, a, 47.25, 0, 90); // equinox, 6 hours after noon: on the horizon, due west
    EXPECT_NEAR(h, 0, 1e-6);
    EXPECT_NEAR(a, 90, 1e-6);
    AzimutHoehe(h, a, 90, 23, 0.0); // zenith distance 67 at the pole
    EXPECT_NEAR(h, 23, 1e-9);
    for (const double phi : {0.0, 5.0, 23.44}) { // the midnight sun at the nadir: d = -phi
        AzimutHoehe(h, a, phi, -phi, 180);
        EXPECT_NEAR(h, -90, 1e-9) << phi;
    }
}

// Almanac values at 12:00 UT through the year 2020 (apparent geocentric declination, and the
// equation of time as the Greenwich hour angle of the true sun at that moment), against which
// the series is good to about a second and 0.005 degrees.
TEST(SonnenPosition, EquationOfTimeAndDeclinationAgreeWithTheAlmanac)
{
    struct Tag {
        int monat, tag;
        double dekl;     // degrees
        double zeitglS;  // seconds, true solar time ahead of mean time positive
    };
    const Tag tage[] = {
        {1, 1, -23.0196, -199.4}, {2, 11, -14.1046, -852.6}, {4, 15, 10.0326, 4.1},
        {6, 21, 23.4353, -114.5}, {7, 26, 19.2633, -392.9},  {9, 22, 0.0245, 447.2},
        {11, 3, -15.2882, 987.1}, {12, 21, -23.4371, 101.9},
    };
    for (const Tag& t : tage) {
        SCOPED_TRACE(std::to_string(t.tag) + "." + std::to_string(t.monat) + ".2020");
        double d = 0, e = 0;
        SonnenPosition(2020, d, e, TagImJahr(2020, t.monat, t.tag), nullptr);
        EXPECT_NEAR(d, t.dekl, 0.005);
        EXPECT_NEAR(e * 240, t.zeitglS, 1.5);
    }
}

TEST(SchiefeUndTierkreis, ObliquityAndZodiacTable)
{
    AppState s;
    SchiefeUndTierkreis(s, 2020);
    EXPECT_DOUBLE_EQ(s.EpsRund, 23.44);
    EXPECT_NEAR(s.Eps, 23.4366, 1e-3);
    EXPECT_DOUBLE_EQ(s.DeklTabelle[18], 0.0);
    EXPECT_NEAR(s.DeklTabelle[0], s.Eps, 1e-9);
    EXPECT_NEAR(s.DeklTabelle[36], -s.Eps, 1e-9);
    EXPECT_NEAR(s.TierkreisDekl[7], s.Eps, 1e-9);
    EXPECT_DOUBLE_EQ(s.TierkreisDekl[4], 0.0);
    EXPECT_NEAR(s.TierkreisDekl[1], -s.Eps, 1e-9);
    EXPECT_NEAR(s.TierkreisDekl[6], 20.15, 0.01); // 30 degrees from the solstice
}

// The textbooks' mean obliquity (T in Julian centuries from 2000) a century each way: the
// year's value, and the sun's own, which adds a nutation of at most 0.003 degrees.
TEST(SchiefeUndTierkreis, ObliquityAgreesWithTheTextbookACenturyEachWay)
{
    for (const auto& [jahr, T] : {std::pair{1900, -1.0}, std::pair{2100, 1.0}}) {
        const double mittel = 23.0 + 26.0 / 60 + (21.448 - 46.815 * T - 0.00059 * T * T + 0.001813 * T * T * T) / 3600;
        AppState s;
        SchiefeUndTierkreis(s, jahr);
        EXPECT_NEAR(s.Eps, mittel, 2e-4) << jahr;
        SchiefeApp app;
        double dekl, zeitgl;
        SonnenPosition(jahr, dekl, zeitgl, 1.5, &app);
        EXPECT_NEAR(std::asin(app.sinEps) * 180 / M_PI, mittel, 3e-3) << jahr;
    }
}

TEST(EoTTabelleBahn, FillsOnlyTheRecordsOfItsStepsAndNeverOverruns)
{
    AppState s;
    EoTTabelleBahn(s, 288, 2022);
    EXPECT_DOUBLE_EQ(s.EoTTabelle[288].Laenge, 360.0);
    EXPECT_DOUBLE_EQ(s.EoTTabelle[1].Laenge, 1.25);
    EXPECT_TRUE(s.EoTTabelle[289].ZglText.empty());
    EXPECT_FALSE(s.EoTTabelle[288].ZglText.empty());
    EXPECT_EQ(s.EoTTabelle3[100].ZglText, s.EoTTabelle[100].ZglText);
    // At the vernal equinox (longitude 0) the equation of time is about -7.5 minutes.
    EXPECT_NEAR(s.EoTTabelle[0].ZglSek / 60.0, -7.4, 0.3);
    EXPECT_EQ(s.EoTTabelle[0].ZglText.size(), 7u);
    EXPECT_NEAR(test::zahl(s.EoTTabelle[0].ZglKeplerText), s.EoTTabelle[0].ZglSek, 15);
    EXPECT_EQ(s.EoTTabelle[0].ZglMinSek, SekStr(s.EoTTabelle[0].ZglSek));

    AppState t;
    EoTTabelleBahn(t, 5000, 2022); // clamped to 360, within the table
    EXPECT_DOUBLE_EQ(t.EoTTabelle[360].Laenge, 360.0);
    EoTTabelleBahn(t, 0, 2022);
    EXPECT_DOUBLE_EQ(t.EoTTabelle[1].Laenge, 360.0);
}

TEST(SekStr, MinutesAndSeconds)
{
    EXPECT_EQ(SekStr(-75), "-1:15");
    EXPECT_EQ(SekStr(5), "0:05");
    EXPECT_EQ(SekStr(600), "10:00");
    EXPECT_EQ(SekStr(-9), "-0:09");
}

TEST(Sonnenstand, ZoneTimeAndLocalTimeAgreeAtNoonOfTheZoneMeridian)
{
    double h1, a1, d1, e1, h2, a2, d2, e2;
    SonnenstandZonenzeit(2020, 172, h1, 12.0, 47.25, -15.0, -15.0, a1, d1, e1, true);
    SonnenstandOrtszeit(2020, 172, h2, 12.0, 47.25, -15.0, -15.0, a2, d2, e2, true);
    EXPECT_NEAR(h1, h2, 1e-3);
    EXPECT_NEAR(h1, 90 - 47.25 + 23.44, 0.05);
    double h3, a3;
    SonnenstandStundenwinkel(h3, a3, 12.0, 47.25, -15.0, -15.0, 0.0);
    EXPECT_NEAR(h3, 42.75, 1e-9);
    EXPECT_DOUBLE_EQ(a3, 0.0);
}

// The angle reduction gives what stepping by 360 gives, bit for bit: multiples of 360 from
// above and below, values a hair either side of them, the series' own angles over centuries.
TEST(Reduziere360, IsTheStepByStepReductionBitForBit)
{
    const auto schritte = [](double x) {
        if (!std::isfinite(x))
            return 0.0;
        if (std::fabs(x) > 1e6)
            x = std::fmod(x, 360.0);
        while (x > 360)
            x -= 360;
        while (x < 0)
            x += 360;
        return x;
    };
    std::vector<double> werte = {0.0, -0.0, 360.0, 720.0, -360.0, -720.0, 1e-20, -1e-20, 359.99999999999994,
                                 -1e-300, 999999.9, -999999.9, 1e6, 2.5e6, -2.5e6, NAN, INFINITY, -INFINITY};
    for (int k = -2800; k <= 2800; ++k) {
        for (const double d : {-1e-9, 0.0, 1e-9, 0.5, 123.456789})
            werte.push_back(360.0 * k + d);
        werte.insert(werte.end(), {std::nextafter(360.0 * k, 1e7), std::nextafter(360.0 * k, -1e7)});
    }
    for (double T = -3; T <= 3; T += 0.0001234)
        werte.insert(werte.end(), {35999 * T, 36000 * T, 357.5291 + 35999 * T});
    for (const double x : werte) {
        const double a = reduziere360(x), b = schritte(x);
        ASSERT_TRUE(a == b && std::signbit(a) == std::signbit(b)) << x << " " << a << " " << b;
    }
}
