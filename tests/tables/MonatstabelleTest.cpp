#include "tables/Monatstabelle.h"

#include "core/AufUntergang.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"

#include "support/TestOrdner.h"

#include "NoaaSonne.h"
#include "TabellenOrt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

using namespace umbrin;

namespace {

AppState ort(int jahr, double breite = 47.25, double laenge = -9.59, double zone = -15.0, int daemmerung = 0)
{
    return test::tabellenOrt(jahr, true, breite, laenge, zone, daemmerung);
}

bool istTageszeile(const std::string& z)
{
    static const std::regex muster("^ *\\d+\\. .*");
    return std::regex_match(z, muster);
}

int tageszeilen(const AppState& s)
{
    int n = 0;
    for (const std::string& z : s.Tabellenzeilen)
        n += istTageszeile(z);
    return n;
}

const std::string& tag(const AppState& s, int d)
{
    const std::string kopf = (d < 10 ? "  " : " ") + std::to_string(d) + ". ";
    for (const std::string& z : s.Tabellenzeilen)
        if (z.rfind(kopf, 0) == 0)
            return z;
    static const std::string keine;
    ADD_FAILURE() << "no row for day " << d;
    return keine;
}


// Degrees within which a sun good to about a hundredth of a degree may put an altitude.
constexpr double kStreifen = 0.02;

// The NOAA sun's altitude each minute from 2 minutes before the day to 2 minutes after it, in
// the zone `zone` hours east.
std::vector<double> noaaTag(int jahr, int monat, int tag, double breite, double laengeOst, double zone)
{
    const double r = 3.14159265358979323846 / 180.0;
    std::vector<double> h;
    for (int i = 0; i <= 1444; ++i) {
        const double ut = (i - 2) / 60.0 - zone;
        const test::NoaaSonne n = test::noaaSonne(test::noaaJulianischerTag(jahr, monat, tag, ut));
        const double stundenwinkel = (15.0 * ut + n.zeitgleichung / 4.0 + laengeOst - 180.0) * r;
        h.push_back(std::asin(std::sin(breite * r) * std::sin(n.deklination * r)
                              + std::cos(breite * r) * std::cos(n.deklination * r) * std::cos(stundenwinkel)) / r);
    }
    return h;
}

// One direction of a table cell against that day: the first clear crossing is shown, no later
// one; a shown time lies within 1.5 minutes of a crossing, or where the sun grazes the altitude
// (it moves less than 2 kStreifen in 3 minutes, so a minute is no measure there). A crossing
// within 1.5 minutes of midnight may stand on either day.
void pruefeZeit(const std::string& text, bool auf, const std::vector<double>& h, double h0, const std::string& wo)
{
    int hh = 0, mm = 0;
    const bool gezeigt = std::sscanf(text.c_str(), "%d:%d", &hh, &mm) == 2;
    const int t = 60 * hh + mm;
    bool passt = gezeigt && hh < 24 && std::fabs(h[static_cast<std::size_t>(t + 2)] - h0) <= kStreifen;
    bool erste = true;
    for (std::size_t i = 0; i + 1 < h.size(); ++i) {
        if ((h[i] > h0) == (h[i + 1] > h0) || (h[i + 1] > h0) != auf)
            continue;
        const double minute = i - 2.0 + (h[i] - h0) / (h[i] - h[i + 1]);
        passt = passt || (gezeigt && hh < 24 && std::fabs(minute - t) <= 1.5);
        if (erste && minute >= 1.0 && minute <= 1438.0 && std::fabs(h[std::min(i + 2, h.size() - 1)] - h[i > 0 ? i - 1 : 0]) >= 2 * kStreifen) {
            EXPECT_TRUE(gezeigt && t <= minute + 1.5) << wo << (auf ? ": rise" : ": set") << " at minute " << minute;
            erste = false;
        }
    }
    EXPECT_TRUE(passt || !gezeigt) << wo << ": '" << text << "' is no crossing of the day";
}

} // namespace

TEST(TabelleMonatAufUntergang, FebruaryHasTheDaysOfItsCalendar)
{
    for (auto [jahr, tage] : {std::pair{1900, 28}, {1500, 29}, {2000, 29}, {2023, 28}}) {
        AppState s = ort(jahr);
        TabelleMonatAufUntergang(s, 2);
        EXPECT_EQ(tageszeilen(s), tage) << jahr;
    }
}

TEST(TabelleMonatAufUntergang, LayoutOfRowsAndFooter)
{
    AppState s = ort(2024);
    TabelleMonatAufUntergang(s, 3);
    const auto& z = s.Tabellenzeilen;
    // 31 days, a blank line after days 5, 10, .., 30, then five footer lines.
    ASSERT_EQ(z.size(), 31u + 6u + 5u);
    EXPECT_EQ(z[5], " ");
    EXPECT_EQ(z[35], " ");
    EXPECT_TRUE(istTageszeile(z[36]));
    EXPECT_EQ(z[36].size(), 60u);
    EXPECT_EQ(z[37], std::string(60, ' '));
    EXPECT_EQ(z[38], "  Alle Zeiten in Zonenzeit (= UT +   1 h) und nicht Sommerzeit! ");
    EXPECT_EQ(z[39], "     Angezeigte Dämmerungsart: bürgerl. (0.83°-6°).");
    EXPECT_EQ(z[40], std::string(55, ' ') + "J.Wendelbrack");
    EXPECT_EQ(z[41], std::string(60, ' '));
}

TEST(TabelleMonatAufUntergang, ZoneLineCarriesTheSignAndTheHalfHourOfItsZone)
{
    const struct {
        double zone;
        bool deutsch;
        const char* zeile;
    } faelle[] = {
        {-15.0, true, "  Alle Zeiten in Zonenzeit (= UT +   1 h) und nicht Sommerzeit! "},
        {75.0, true, "  Alle Zeiten in Zonenzeit (= UT -   5 h) und nicht Sommerzeit! "},
        {0.0, false, "  All times are standard time (= UT +   0 h) and not DST !"},
        {-82.5, false, "  All times are standard time (= UT + 5.5 h) and not DST !"},
        {52.5, true, "  Alle Zeiten in Zonenzeit (= UT - 3.5 h) und nicht Sommerzeit! "},
        {-86.25, true, "  Alle Zeiten in Zonenzeit (= UT +5.75 h) und nicht Sommerzeit! "},
    };
    for (const auto& f : faelle) {
        AppState s;
        setzeSprache(s, f.deutsch);
        EXPECT_EQ(Zonenzeile(s, -f.zone / 15.0), f.zeile) << f.zone;
    }
}

TEST(TabelleMonatAufUntergang, PolarSummerAndWinterShowTheirTexts)
{
    AppState juni = ort(2024, 70.0, -20.0, -15.0);
    TabelleMonatAufUntergang(juni, 6);
    const std::string& z = tag(juni, 21);
    EXPECT_EQ(z.substr(5, 14), "immer sichtbar");
    EXPECT_EQ(z.substr(19, 14), "  immer hell  ");

    AppState dez = ort(2024, 70.0, -20.0, -15.0);
    TabelleMonatAufUntergang(dez, 12);
    EXPECT_EQ(tag(dez, 21).substr(5, 14), " nie sichtbar ");

    // At 69.6 N the sun sets at 23:21 on 17 May and rises again in that day's last half minute:
    // the rise belongs to 18 May at 0:00 (not "24:00" on the 17th), and the 18th has no set.
    AppState mai = ort(2026, 69.6, -18.96, -15.0);
    TabelleMonatAufUntergang(mai, 5);
    EXPECT_EQ(tag(mai, 17).substr(5, 14), "  0:20 23:21  ");
    EXPECT_EQ(tag(mai, 18).substr(5, 14), "  0:00 -----  ");

    // With the clock six hours behind the sun (zone meridian 90 W at 0.75 E) the sun rises at
    // the equator in mid-July in the last half minute before midnight, the sine of its altitude
    // at 0:00 already 0.0011 to 0.0019 above the horizon's: each of those days shows it at 0:00.
    AppState juli = ort(2026, 0.0, -0.75, 90.0);
    TabelleMonatAufUntergang(juli, 7);
    for (int d : {16, 17, 18})
        EXPECT_EQ(tag(juli, d).substr(5, 6), "  0:00") << d;
}

TEST(TabelleMonatAufUntergang, OctoberOf1582DropsTenDays)
{
    AppState s = ort(1582);
    TabelleMonatAufUntergang(s, 10);
    for (int d = 1; d <= 31; ++d) {
        const bool weg = d >= 5 && d <= 14;
        EXPECT_EQ(tag(s, d).find("entfallen (im Gregorianischen Kalender)") != std::string::npos, weg) << d;
    }

    AppState h = ort(1582);
    TabelleHalbjahrAufUntergang(h, 6);
    for (int d = 1; d <= 31; ++d) {
        const std::string oktober = tag(h, d).substr(5 + 3 * 21, 21);
        EXPECT_EQ(oktober == "       -------       ", d >= 5 && d <= 14) << d;
        // From the 15th on the half-year table gives the times of the month table.
        if (d < 5 || d > 14) {
            EXPECT_EQ(oktober.substr(0, 12), tag(s, d).substr(5, 12)) << d;
        }
    }
}

TEST(TabelleHalbjahrAufUntergang, MissingDatesAndLayout)
{
    AppState s = ort(1900);
    TabelleHalbjahrAufUntergang(s, 0);
    const auto& z = s.Tabellenzeilen;
    ASSERT_EQ(z.size(), 31u + 5u + 2u);
    EXPECT_EQ(tag(s, 29).substr(5 + 21, 21), "       -------       ");
    EXPECT_EQ(tag(s, 31).substr(5 + 3 * 21, 21), "       -------       ");
    EXPECT_NE(tag(s, 31).substr(5 + 2 * 21, 21), "       -------       ");
    EXPECT_EQ(tag(s, 31).size(), 5u + 6u * 21u);
    EXPECT_TRUE(istTageszeile(z[35])); // day 31 follows day 30 directly
    EXPECT_EQ(z[36], std::string(110, ' '));
    EXPECT_EQ(z[37], std::string(110, ' ') + "J.Wendelbrack");

    AppState leap = ort(2000);
    TabelleHalbjahrAufUntergang(leap, 0);
    EXPECT_NE(tag(leap, 29).substr(5 + 21, 21), "       -------       ");
}

// The equation of time and the declination of the month tables against NOAA's equations,
// checked by a second program that reads the table as a user's file.
TEST(TabelleMonatAufUntergang, AgreesWithNoaaInAnIndependentCheck)
{
    if (std::system("/usr/bin/python3 -c 'import math' > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "/usr/bin/python3 is not available";
    const struct {
        int monat;
        double breite, laenge, zone;
    } orte[] = {{3, 47.25, -9.59, -15.0}, {6, 47.25, -9.59, -15.0}, {12, -33.87, -151.21, -150.0}};
    const test::TestOrdner ordner;
    for (const auto& o : orte) {
        AppState s = ort(2024, o.breite, o.laenge, o.zone);
        TabelleMonatAufUntergang(s, o.monat);
        const auto datei = ordner / ("monat" + std::to_string(o.monat) + ".txt");
        {
            std::ofstream aus(datei, std::ios::binary);
            for (const std::string& z : s.Tabellenzeilen)
                aus << z << "\r\n";
        }
        char befehl[1024];
        std::snprintf(befehl, sizeof befehl,
                      "/usr/bin/python3 '%s/tests/tools/check_months.py' '%s' --year 2024 --month %d --zone %s 2>&1",
                      UMBRIN_SOURCE_DIR, datei.c_str(), o.monat, RealStr(o.zone, 4, 4).c_str());
        FILE* rohr = ::popen(befehl, "r");
        ASSERT_NE(rohr, nullptr);
        std::string ausgabe;
        char puffer[512];
        while (std::fgets(puffer, sizeof puffer, rohr))
            ausgabe += puffer;
        const int status = ::pclose(rohr);
        EXPECT_EQ(status, 0) << "month " << o.monat << ":\n" << ausgabe;
    }
}

// Sun and twilight of the month tables at 60 to 72 degrees on both hemispheres and at two
// places of middle latitude, every day of a year, against the NOAA sun minute by minute: each
// day shows its first rise and set, none of another day, and "always"/"never" only where the
// sun stays on its side of the altitude.
TEST(TabelleMonatAufUntergang, RiseAndSetAgreeWithNoaaEveryDayOfAYear)
{
    const struct {
        double breite, laenge, zone;
        int daemmerung;
    } orte[] = {{60, -22, -15, 1},     {63, -15, -15, 2},       {66, -22, -15, 0},  {67, -9.59, -15, 2},
                {68, -18.96, -15, 1},  {69.6, -18.96, -15, 0}, {71, 70, 75, 1},    {72, -7, -15, 2},
                {-60, -7, -15, 2},     {-63, -22, -15, 0},      {-66, 20, 0, 1},    {-67, -18.96, -15, 0},
                {-68, -151.21, -150, 2}, {-69.6, -18.96, -15, 1}, {-71, -22, -15, 2}, {-72, 70, 75, 0},
                {47.25, -9.59, -15, 0}, {47.25, -9.59, -15, 1}, {47.25, -9.59, -15, 2},
                {-33.87, -151.21, -150, 0}, {-33.87, -151.21, -150, 1}, {-33.87, -151.21, -150, 2}};
    for (const auto& o : orte)
        for (int monat = 1; monat <= 12; ++monat) {
            AppState s = ort(2026, o.breite, o.laenge, o.zone, o.daemmerung);
            TabelleMonatAufUntergang(s, monat);
            for (const std::string& z : s.Tabellenzeilen) {
                if (!istTageszeile(z))
                    continue;
                const std::vector<double> h = noaaTag(2026, monat, std::stoi(z), o.breite, -o.laenge, -o.zone / 15.0);
                for (int spalte : {0, 1}) {
                    const double h0 = spalte == 0 ? -0.8333333 : -6.0 * (o.daemmerung + 1);
                    const std::string zelle = z.substr(5 + 14 * spalte, 14), wo = std::to_string(o.breite) + " month " + std::to_string(monat) + z;
                    pruefeZeit(zelle.substr(6 * spalte, 6), true, h, h0, wo); // twilight: end first
                    pruefeZeit(zelle.substr(6 - 6 * spalte, 6), false, h, h0, wo);
                    if (zelle == "immer sichtbar" || zelle == "  immer hell  ") {
                        EXPECT_GE(*std::min_element(h.begin() + 2, h.end() - 3), h0 - kStreifen) << wo;
                    } else if (zelle == " nie sichtbar " || zelle == " immer dunkel ") {
                        EXPECT_LE(*std::max_element(h.begin() + 2, h.end() - 3), h0 + kStreifen) << wo;
                    }
                }
            }
        }
}
