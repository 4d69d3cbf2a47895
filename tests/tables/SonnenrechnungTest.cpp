#include "tables/Sonnenrechnung.h"

#include "core/AufUntergang.h"
#include "core/Sprachdienst.h"
#include "tables/NoaaSonne.h"
#include "tables/TabellenOrt.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

using namespace umbrin;

namespace {

// A place of the tables' tests in 2024, in German.
AppState ort(double breite = 47.25, double laenge = -9.59, double zone = -15.0)
{
    return test::tabellenOrt(2024, true, breite, laenge, zone);
}

} // namespace

TEST(Sonnenrechnung, HeadLinesFrameTheBlock)
{
    AppState s = ort();
    std::vector<std::string> z;
    Kopfzeilen(s, {3, 5}, z);
    ASSERT_EQ(z.size(), 7u);
    EXPECT_EQ(z[1], "  " + std::string(76, '_'));
    EXPECT_EQ(z[3], "    Datum:           2024- 3- 5");
    EXPECT_EQ(z[4], "    Geogr. Breite:   47.25 Grad");
    EXPECT_EQ(z[5], "    Geogr. Länge:     -9.59 Grad         Zonenmeridian:  -15.0 Grad");
    EXPECT_EQ(ErgebnisText({"a", "b"}), "a\r\nb\r\n");
}

TEST(Sonnenrechnung, EquationOfTimeAndDeclinationAtNoonZoneTime)
{
    AppState s = ort();
    std::vector<std::string> z;
    const Tageswerte w = ZeitgleichungUndDeklination(s, {11, 3}, z);
    ASSERT_EQ(z.size(), 3u);
    EXPECT_EQ(z[2], std::string(25, ' ') + "   Werte für 12 Uhr Zonenzeit");
    EXPECT_EQ(z[1].substr(0, 28), std::string(9, ' ') + "Zeitgleichung:     ");
    // 3 November: the equation of time is near its maximum of about 16.5 minutes.
    const double jd = test::noaaJulianischerTag(2024, 11, 3, 11.0);
    EXPECT_NEAR(4.0 * w.Zeitgleichung, test::noaaSonne(jd).zeitgleichung, 10.0 / 60.0);
    EXPECT_NEAR(w.Deklination, test::noaaSonne(jd).deklination, 0.02);
}

TEST(Sonnenrechnung, RiseAndSetOfTheDayWithTheirSuffixes)
{
    AppState s = ort();
    s.Schalter.Daemmerung = 1;
    std::vector<std::string> z;
    const AufUntergangErgebnis e = AufUntergangRechnen(s, {6, 21}, z);
    ASSERT_EQ(z.size(), 5u);
    EXPECT_EQ(s.sinh0[2], sinh0Werte(1)[2]);
    EXPECT_EQ(e.tag.Aufgang, "  4:25 hh:min");
    EXPECT_EQ(e.tag.Daemmerungsart, "nautisch (6°-12°)");
    EXPECT_EQ(z[1], "    Sonne Aufgang:      4:25 hh:min     Sonne Untergang:  20:21 hh:min");
    EXPECT_EQ(z[3], std::string(24, ' ') + "[  Angezeigte Dämmerungsart: nautisch (6°-12°)]");
    EXPECT_EQ(z[4].substr(0, 22), "    Mond Aufgang:     ");

    // Polar day: the no-crossing texts without a clock suffix.
    AppState polar = ort(70.0, -20.0);
    std::vector<std::string> p;
    const AufUntergangErgebnis pe = AufUntergangRechnen(polar, {6, 21}, p);
    EXPECT_EQ(pe.tag.Aufgang, "immer sichtbar");
    EXPECT_EQ(pe.tag.Anfang, "  immer hell  ");
}

TEST(Sonnenrechnung, PositionForATimeByTheThreeKindsOfTime)
{
    AppState s = ort();
    double hoehe[3];
    for (int art = 0; art < 3; ++art) {
        std::vector<std::string> z;
        const SonnenstandErgebnis e = SonnenstandFuerZeit(s, {6, 21}, 12.0, art, "12:00:00", z);
        ASSERT_EQ(z.size(), 4u);
        EXPECT_EQ(z[0], std::string(11, ' ') + "Uhrzeit:       12:00:00");
        EXPECT_EQ(z[3], std::string(11, ' ') + "[negativ bei Abweichung gegen Osten]");
        hoehe[art] = e.Hoehe;
        if (art == 0) {
            // At 12 h true solar time the sun culminates due south.
            EXPECT_NEAR(e.Azimut, 0.0, 0.01);
            EXPECT_NEAR(e.Hoehe, 90.0 - 47.25 + e.Deklination, 0.02);
        }
    }
    EXPECT_GT(hoehe[0], hoehe[2]); // 12:00 zone time is 21 minutes before the transit
}

TEST(Sonnenrechnung, TimeForAnAzimuthAboveAndBelowTheHorizon)
{
    AppState s = ort();
    std::vector<std::string> z;
    const AzimutZeitErgebnis e = ZeitFuerAzimut(s, {6, 21}, 0.0, z);
    ASSERT_TRUE(e.gefunden);
    ASSERT_EQ(z.size(), 4u);
    EXPECT_EQ(z[0], std::string(11, ' ') + "Azimut:      " + std::string(11, ' ') + "   0.00   Grad");
    // Due south is the transit: 12 h + 4 (correction - equation of time) minutes.
    const double noaa = test::noaaMittag(2024, 6, 21, -9.59, -15.0);
    ASSERT_EQ(z[2].substr(z[2].size() - 9), " hh:mm:ss") << z[2];
    const std::string zeit = z[2].substr(z[2].size() - 17, 8);
    EXPECT_NEAR(test::stundenAus(zeit), noaa, 20.0 / 3600.0) << z[2];
    EXPECT_EQ(z[2].substr(0, 36), std::string(11, ' ') + "Sonnenstand erreicht um: ");
    EXPECT_EQ(z[3].rfind(std::string(11, ' ') + "Sonnenhöhe:   ", 0), 0u) << z[3];

    // North-north-east in June lies before sunrise.
    std::vector<std::string> n;
    const AzimutZeitErgebnis unten = ZeitFuerAzimut(s, {6, 21}, -150.0, n);
    ASSERT_TRUE(unten.gefunden);
    EXPECT_LT(unten.Hoehe, 0.0);
    EXPECT_EQ(n.back(), std::string(11, ' ') + "Die Sonne steht unter dem Horizont!");
    EXPECT_EQ(Druckzeit("  9:05:03  hh:mm:ss"), "9:05:03 hh:mm:ss");
}

// South of the tropics the sun stands due south at its lower culmination, about midnight:
// twelve hours after the transit. Where that falls before midnight the time is given (the sun
// below the horizon); where it falls after midnight it belongs to the next day, and the day
// has no such time (no "24:04:02").
TEST(Sonnenrechnung, TimeForAnAzimuthPastMidnightBelongsToTheNextDay)
{
    AppState s = ort(-33.87, -151.21, -150.0);
    for (const auto& [monat, tag] : {std::pair{3, 15}, std::pair{6, 21}, std::pair{11, 3}, std::pair{12, 21}}) {
        std::vector<std::string> z;
        const AzimutZeitErgebnis e = ZeitFuerAzimut(s, {monat, tag}, 0.0, z);
        const double mitternacht = test::noaaMittag(2024, monat, tag, -151.21, -150.0) + 12.0;
        const std::string fall = std::to_string(tag) + "." + std::to_string(monat) + " (" + std::to_string(mitternacht) + " h): " + e.Zeittext + " " + z.back();
        ASSERT_GT(std::fabs(mitternacht - 24.0), 0.05) << fall;
        EXPECT_EQ(e.gefunden, mitternacht < 24.0) << fall;
        for (const std::string& zeile : z)
            EXPECT_EQ(zeile.find("24:"), std::string::npos) << fall;
        if (e.gefunden) {
            EXPECT_NEAR(test::stundenAus(e.Zeittext.substr(1, 8)), mitternacht, 2.0 / 60) << fall;
            EXPECT_EQ(z.back(), std::string(11, ' ') + "Die Sonne steht unter dem Horizont!");
        } else {
            EXPECT_NE(z.back().find("Keine Zeit gefunden"), std::string::npos) << fall;
        }
    }
}

TEST(Sonnenrechnung, AnAzimuthNeverReachedSaysSoWithoutAnAltitude)
{
    // Near the equator at the December solstice the sun never stands due north.
    AppState s = ort(5.0, -9.59, -15.0);
    std::vector<std::string> z;
    const AzimutZeitErgebnis e = ZeitFuerAzimut(s, {12, 21}, 179.0, z);
    EXPECT_FALSE(e.gefunden);
    ASSERT_EQ(z.size(), 3u);
    EXPECT_NE(z[2].find("Keine Zeit gefunden"), std::string::npos);
    EXPECT_EQ(z[2].find("Sonnenhöhe"), std::string::npos);
}
