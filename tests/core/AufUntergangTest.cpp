#include "core/AufUntergang.h"

#include "core/Sprachdienst.h"
#include "support/Zahl.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace umbrin;

namespace {

constexpr double kPi = 3.14159265358979323846;

double sinDeg(double x)
{
    return std::sin(x * kPi / 180.0);
}

// The calculation window's set-up of one search: hours count in zone time of the zone meridian
// (degrees, east negative), so hour 0 is the day's start minus the zone offset.
AufUntergangEingabe eingabeFuer(int objekt, double breite, double laengeWest, double zonenmeridian,
                                int tag, int monat, int jahr, double daemmerung = -18.0)
{
    AufUntergangEingabe e;
    e.Objekt = objekt;
    e.SinBreite = sinDeg(breite);
    e.CosBreite = std::cos(breite * kPi / 180.0);
    e.Laenge = laengeWest;
    e.MJD0 = ModJulDatum(tag, monat, jahr, 0.0) + zonenmeridian / 360.0;
    e.Stunde = 1.0;
    e.sinh0 = {sinDeg(0.1333333), sinDeg(-0.8333333), sinDeg(daemmerung)};
    return e;
}

double minutes(const std::string& hhmm)
{
    const auto colon = hhmm.find(':');
    return 60.0 * test::zahl(hhmm.substr(0, colon)) + test::zahl(hhmm.substr(colon + 1));
}

// A result text is the time "hh:mm" (hour right-aligned in 3 characters) rounded to the minute.
void expectClockText(const std::string& text, double hours)
{
    ASSERT_EQ(text.size(), 6u) << '"' << text << '"';
    EXPECT_EQ(text[3], ':');
    EXPECT_NEAR(minutes(text), 60.0 * hours, 0.5 + 1e-9) << text;
}

} // namespace

TEST(ModJulDatum, ReferenceEpochAndCalendarSwitch)
{
    EXPECT_DOUBLE_EQ(ModJulDatum(1, 1, 2000, 12.0), 51544.5);
    EXPECT_DOUBLE_EQ(ModJulDatum(17, 11, 1858, 0.0), 0.0);
    // 4 October 1582 (Julian) is followed by 15 October 1582 (Gregorian).
    EXPECT_DOUBLE_EQ(ModJulDatum(15, 10, 1582, 0.0) - ModJulDatum(4, 10, 1582, 0.0), 1.0);
    // The ten dropped days count as Gregorian dates here.
    EXPECT_DOUBLE_EQ(ModJulDatum(15, 10, 1582, 0.0) - ModJulDatum(10, 10, 1582, 0.0), 5.0);
    // January and February belong to the previous year's count.
    EXPECT_DOUBLE_EQ(ModJulDatum(1, 3, 2000, 0.0) - ModJulDatum(28, 2, 2000, 0.0), 2.0);
}

TEST(Sternzeit, GreenwichSiderealTimeAtJ2000)
{
    // GMST at 2000 January 1, 12h UT is 18h 41m 50.55s.
    EXPECT_NEAR(Sternzeit(0.0, 51544.5), 18.697374558, 1e-6);
    // Longitude counts west positive: 15 degrees west is one hour earlier.
    EXPECT_NEAR(Sternzeit(15.0, 51544.5), 17.697374558, 1e-6);
    EXPECT_NEAR(Sternzeit(-90.0, 51544.5), 0.697374558, 1e-6); // wraps past 24 h
}

TEST(SonneKoordinaten, SunAtJ2000)
{
    // Apparent sun at 2000 January 1.5: RA 18h 45.2m, declination -23.03 degrees.
    const Aequatorial s = SonneKoordinaten(0.0);
    EXPECT_NEAR(s.Rektaszension, 18.753, 0.005);
    EXPECT_NEAR(s.Deklination, -23.03, 0.02);
}

TEST(QuadInterpolation, ZerosAndExtremum)
{
    struct Case {
        double ym, y0, yp;
        int anzahl;
        double z1, z2, xe, ye;
    };
    const std::vector<Case> cases = {
        {0.75, -0.25, 0.75, 2, -0.5, 0.5, 0.0, -0.25}, // x^2 - 1/4: both zeros inside
        {-1.5, -1.0, 1.5, 1, 0.5, 0.5, -0.75, -1.5625}, // (x - 1/2)(x + 2): z1 < -1 takes z2
        {2.0, 1.0, 2.0, 0, 0.0, 0.0, 0.0, 1.0},         // x^2 + 1: no zero
        {-1.0, 0.0, 1.0, 1, 0.0, 0.0, 0.0, 0.0},        // straight line through 0
        {-3.0, 1.0, 5.0, 1, -0.25, -0.25, 0.0, 1.0},    // straight line 4x + 1
        {0.3, 0.3, 0.3, 0, 0.0, 0.0, 0.0, 0.3},         // constant: no zero, all fields set
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        const QuadErgebnis q = QuadInterpolation(c.ym, c.y0, c.yp);
        SCOPED_TRACE(i);
        EXPECT_EQ(q.anzahl, c.anzahl);
        if (c.anzahl > 0) {
            EXPECT_NEAR(q.z1, c.z1, 1e-12);
            EXPECT_NEAR(q.z2, c.z2, 1e-12);
        }
        EXPECT_NEAR(q.xe, c.xe, 1e-12);
        EXPECT_NEAR(q.ye, c.ye, 1e-12);
    }
}

// Sunrise and sunset (upper limb on a horizon lowered by 34' of refraction) in standard zone
// time, to the minute, as the NOAA Global Monitoring Laboratory solar calculator gives them
// (its published equations, iterated to the event); an independent ephemeris with the US Naval
// Observatory's convention (the same horizon) agrees within 0.1 minute for every row.
// The search's low-precision series promise about one minute; the tolerance is 2 minutes.
TEST(SucheAufUntergang, SunriseAndSunsetAgreeWithPublishedTimes)
{
    struct Place {
        const char* name;
        double breite, laengeOst, zoneStunden;
        int jahr, monat, tag;
        const char* aufgang;
        const char* untergang;
    };
    const std::vector<Place> places = {
        {"Greenwich, June solstice", 51.4779, -0.0015, 0, 2024, 6, 21, "3:43", "20:21"},
        {"Greenwich, December solstice", 51.4779, -0.0015, 0, 2024, 12, 21, "8:03", "15:53"},
        {"New York, equinox", 40.7128, -74.0060, -5, 2024, 3, 20, "5:58", "18:09"},
        {"Washington DC", 38.8895, -77.0353, -5, 2024, 12, 21, "7:23", "16:50"},
        {"Sydney", -33.8688, 151.2093, 10, 2024, 12, 21, "4:41", "19:06"},
        {"Cape Town", -33.9249, 18.4241, 2, 2024, 6, 21, "7:51", "17:45"},
        {"Singapore", 1.3521, 103.8198, 8, 2024, 9, 22, "6:54", "19:01"},
        {"Quito", -0.1807, -78.4678, -5, 2024, 6, 21, "6:12", "18:19"},
        {"Reykjavik", 64.1466, -21.9426, 0, 2024, 3, 20, "7:27", "19:45"},
        {"Tromso", 69.6492, 18.9553, 1, 2024, 2, 15, "8:18", "15:41"},
        {"Lake Constance", 47.25, 9.59, 1, 2024, 9, 23, "6:10", "18:17"},
        {"Tokyo", 35.6762, 139.6503, 9, 2024, 6, 21, "4:26", "19:01"},
        {"Buenos Aires", -34.6037, -58.3816, -3, 2024, 12, 21, "5:38", "20:06"},
        {"Anchorage", 61.2181, -149.9003, -9, 2024, 12, 21, "10:15", "15:42"},
    };
    for (const Place& p : places) {
        SCOPED_TRACE(p.name);
        // The program's conventions: longitude west positive, zone meridian east negative.
        const AufUntergangEingabe e = eingabeFuer(ObjektSonne, p.breite, -p.laengeOst,
                                                  -15.0 * p.zoneStunden, p.tag, p.monat, p.jahr);
        const AufUntergangSuche s = sucheAufUntergang(e);
        ASSERT_EQ(s.kind(), RiseSetKind::RiseAndSet);
        EXPECT_NEAR(60.0 * s.ZeitAuf, minutes(p.aufgang), 2.0);
        EXPECT_NEAR(60.0 * s.ZeitUnter, minutes(p.untergang), 2.0);
    }
}

// Just after the polar night the sun rises and sets within one two-hour step of the search.
// The day length is checked against the textbook half-day arc of the noon declination
// (almanac), cos H0 = (sin h0 - sin phi sin dekl) / (cos phi cos dekl), h0 = -0.8333 degrees;
// near the edge of the polar night it changes by minutes per hundredth of a degree, and the
// search agrees to a minute.
TEST(SucheAufUntergang, RiseAndSetWithinOneSearchStepAfterThePolarNight)
{
    const double phi = 69.65, h0 = -0.8333333;
    const struct {
        int tag;
        double dekl; // at local noon
    } tage[] = {{15, -21.1622}, {16, -20.9763}, {17, -20.7838}};
    for (const auto& t : tage) {
        SCOPED_TRACE(std::to_string(t.tag) + " January 2024");
        const AufUntergangSuche s = sucheAufUntergang(eingabeFuer(ObjektSonne, phi, 0.0, -15.0, t.tag, 1, 2024));
        ASSERT_EQ(s.kind(), RiseSetKind::RiseAndSet);
        EXPECT_LT(s.ZeitAuf, s.ZeitUnter);
        // Both around true noon, 12:09 zone time.
        EXPECT_NEAR((s.ZeitAuf + s.ZeitUnter) / 2, 13 + 9.5 / 60, 0.05);
        const double cosH0 = (sinDeg(h0) - sinDeg(phi) * sinDeg(t.dekl))
                             / (std::cos(phi * kPi / 180) * std::cos(t.dekl * kPi / 180));
        ASSERT_LT(cosH0, 1.0);
        const double laenge = 2 * std::acos(cosH0) * 180 / kPi / 15;
        EXPECT_NEAR(60 * (s.ZeitUnter - s.ZeitAuf), 60 * laenge, 1.0);
    }
    // The day before has no sunrise at all.
    EXPECT_EQ(sucheAufUntergang(eingabeFuer(ObjektSonne, phi, 0.0, -15.0, 14, 1, 2024)).kind(),
              RiseSetKind::AlwaysBelow);
}

TEST(SucheAufUntergang, EquatorDayIsTwelveHoursSevenMinutesAllYear)
{
    // Refraction and the sun's radius lengthen the equatorial day by about 7 minutes.
    for (int monat : {3, 6, 9, 12}) {
        SCOPED_TRACE(monat);
        const AufUntergangSuche s =
            sucheAufUntergang(eingabeFuer(ObjektSonne, 0.0, 0.0, 0.0, 21, monat, 2024));
        ASSERT_EQ(s.kind(), RiseSetKind::RiseAndSet);
        EXPECT_NEAR(60.0 * (s.ZeitUnter - s.ZeitAuf), 12 * 60 + 7, 1.5);
    }
}

// Polar day and night at 70 degrees on both hemispheres around the solstices: no crossing is a
// result with its own text, and the line holds only that text.
TEST(SucheAufUntergang, PolarDayAndNightAreResults)
{
    struct Case {
        double breite;
        int monat;
        int objekt;
        double daemmerung;
        RiseSetKind kind;
        const char* text;
    };
    const std::vector<Case> cases = {
        {70.0, 6, ObjektSonne, -18.0, RiseSetKind::AlwaysAbove, "immer sichtbar"},
        {70.0, 6, ObjektDaemmerung, -18.0, RiseSetKind::AlwaysAbove, "  immer hell  "},
        {70.0, 12, ObjektSonne, -18.0, RiseSetKind::AlwaysBelow, " nie sichtbar "},
        {-70.0, 12, ObjektSonne, -18.0, RiseSetKind::AlwaysAbove, "immer sichtbar"},
        {-70.0, 6, ObjektSonne, -18.0, RiseSetKind::AlwaysBelow, " nie sichtbar "},
        // Civil twilight never comes this far north at the December solstice.
        {80.0, 12, ObjektDaemmerung, -6.0, RiseSetKind::AlwaysBelow, " immer dunkel "},
    };
    const AppState deutsch; // the start language
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.breite) + " month " + std::to_string(c.monat));
        for (int tag : {19, 21, 23}) {
            const AufUntergangSuche s = sucheAufUntergang(
                eingabeFuer(c.objekt, c.breite, -18.96, -15.0, tag, c.monat, 2024, c.daemmerung));
            EXPECT_EQ(s.kind(), c.kind);
            EXPECT_EQ(s.Ueber, c.kind == RiseSetKind::AlwaysAbove);
            std::string zeile = "21.06. ";
            const AufUntergangTexte t = AufUntergangText(deutsch, s, c.objekt, zeile);
            EXPECT_TRUE(t.EreignisFehlt);
            EXPECT_EQ(t.Aufgang, c.text);
            EXPECT_EQ(t.Untergang, c.text);
            EXPECT_EQ(zeile, std::string("21.06. ") + c.text);
        }
    }
}

TEST(SucheAufUntergang, NoCrossingTextsInEnglish)
{
    AppState englisch;
    setzeSprache(englisch, false);
    struct Case {
        double breite;
        int monat, objekt;
        const char* text;
    };
    for (const Case& c : std::vector<Case>{{70.0, 6, ObjektSonne, " always seen  "},
                                           {70.0, 6, ObjektDaemmerung, "always bright "},
                                           {70.0, 12, ObjektSonne, " not visible  "},
                                           {80.0, 12, ObjektDaemmerung, " always dark "}}) {
        const AufUntergangSuche s =
            sucheAufUntergang(eingabeFuer(c.objekt, c.breite, -18.96, -15.0, 21, c.monat, 2024, -6.0));
        std::string zeile;
        EXPECT_EQ(AufUntergangText(englisch, s, c.objekt, zeile).Aufgang, c.text);
        EXPECT_EQ(zeile, c.text);
    }
}

TEST(SucheAufUntergang, TwilightSetAndRiseBothFoundAtNauticalDepth)
{
    // 70 N at the December solstice: the sun stays below the horizon, but its noon altitude
    // of -3.4 degrees is above the nautical twilight's -12, so dusk ends and dawn begins.
    const AufUntergangSuche s =
        sucheAufUntergang(eingabeFuer(ObjektDaemmerung, 70.0, -18.96, -15.0, 21, 12, 2024, -12.0));
    ASSERT_EQ(s.kind(), RiseSetKind::RiseAndSet);
    EXPECT_LT(s.ZeitAuf, s.ZeitUnter); // rising through -12 in the morning, setting after noon
    const AppState deutsch;
    std::string zeile;
    const AufUntergangTexte t = AufUntergangText(deutsch, s, ObjektDaemmerung, zeile);
    EXPECT_FALSE(t.EreignisFehlt);
    // The twilight column shows the end (set) first, then the beginning (rise), then two blanks.
    EXPECT_EQ(zeile, t.Untergang + t.Aufgang + "  ");
    expectClockText(t.Aufgang, s.ZeitAuf);
    expectClockText(t.Untergang, s.ZeitUnter);
}

// Moon at 47.25 N, 9.59 E, zone time of 15 E, January 2024. Reference times (to the minute)
// from an independent ephemeris with the same horizon convention; the moon series is coarser
// than the sun's, so the tolerance is 4 minutes.
TEST(SucheAufUntergang, MoonDaysWithoutRiseOrSet)
{
    struct Case {
        int tag;
        RiseSetKind kind;
        const char* aufgang;   // nullptr: none that day
        const char* untergang; // nullptr: none that day
    };
    const std::vector<Case> cases = {
        {1, RiseSetKind::RiseAndSet, "22:18", "11:20"},
        {3, RiseSetKind::SetOnly, nullptr, "11:48"}, // no moonrise on 3 January
        {12, RiseSetKind::RiseAndSet, "9:21", "17:56"},
        {17, RiseSetKind::RiseOnly, "11:13", nullptr}, // no moonset on 17 January
        {25, RiseSetKind::RiseAndSet, "16:41", "8:18"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tag);
        const AufUntergangSuche s =
            sucheAufUntergang(eingabeFuer(ObjektMond, 47.25, -9.59, -15.0, c.tag, 1, 2024));
        ASSERT_EQ(s.kind(), c.kind);
        if (c.aufgang) {
            EXPECT_NEAR(60.0 * s.ZeitAuf, minutes(c.aufgang), 4.0);
        }
        if (c.untergang) {
            EXPECT_NEAR(60.0 * s.ZeitUnter, minutes(c.untergang), 4.0);
        }

        const AppState deutsch;
        std::string zeile;
        const AufUntergangTexte t = AufUntergangText(deutsch, s, ObjektMond, zeile);
        EXPECT_EQ(t.EreignisFehlt, c.kind != RiseSetKind::RiseAndSet);
        if (c.aufgang)
            expectClockText(t.Aufgang, s.ZeitAuf);
        else
            EXPECT_EQ(t.Aufgang, " -----");
        if (c.untergang)
            expectClockText(t.Untergang, s.ZeitUnter);
        else
            EXPECT_EQ(t.Untergang, " -----");
        EXPECT_EQ(zeile, t.Aufgang + t.Untergang + "  ");
    }
}

TEST(SucheAufUntergang, StopsAfterBothCrossingsAndOwnsItsState)
{
    const AufUntergangEingabe e = eingabeFuer(ObjektSonne, 47.25, -9.59, -15.0, 21, 6, 2024);
    const AufUntergangSuche a = sucheAufUntergang(e);
    const AufUntergangSuche b = sucheAufUntergang(e);
    EXPECT_EQ(a.ZeitAuf, b.ZeitAuf); // no state carried from one search to the next
    EXPECT_EQ(a.ZeitUnter, b.ZeitUnter);
    EXPECT_LT(a.Stunde, 24.9999); // the set ends the search before the day is over
    EXPECT_DOUBLE_EQ(std::fmod(a.Stunde - 1.0, 2.0), 0.0);
}
