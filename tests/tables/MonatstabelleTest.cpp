#include "tables/Monatstabelle.h"

#include "core/AufUntergang.h"
#include "core/Sprachdienst.h"

#include "support/TestOrdner.h"

#include "TabellenOrt.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

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

// The month tables against NOAA's equations, checked by a second program that reads the
// table as a user's file.
TEST(TabelleMonatAufUntergang, AgreesWithNoaaInAnIndependentCheck)
{
    if (std::system("/usr/bin/python3 -c 'import math' > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "/usr/bin/python3 is not available";
    const struct {
        int monat;
        double breite, laenge, zone;
    } orte[] = {{3, 47.25, -9.59, -15.0}, {6, 47.25, -9.59, -15.0}, {12, -33.87, -151.21, -150.0}};
    const test::TestOrdner ordner;
    for (const auto& o : orte)
        for (int daemmerung : {0, 1, 2}) {
            AppState s = ort(2024, o.breite, o.laenge, o.zone, daemmerung);
            TabelleMonatAufUntergang(s, o.monat);
            const auto datei = ordner / ("monat" + std::to_string(o.monat) + "_" + std::to_string(daemmerung) + ".txt");
            {
                std::ofstream aus(datei, std::ios::binary);
                for (const std::string& z : s.Tabellenzeilen)
                    aus << z << "\r\n";
            }
            char befehl[1024];
            std::snprintf(befehl, sizeof befehl,
                          "/usr/bin/python3 '%s/tests/tools/check_months.py' '%s' --year 2024 --month %d --lat %.4f "
                          "--lon %.4f --zone %.4f --twilight %d 2>&1",
                          UMBRIN_SOURCE_DIR, datei.c_str(), o.monat, o.breite, o.laenge, o.zone, daemmerung);
            FILE* rohr = ::popen(befehl, "r");
            ASSERT_NE(rohr, nullptr);
            std::string ausgabe;
            char puffer[512];
            while (std::fgets(puffer, sizeof puffer, rohr))
                ausgabe += puffer;
            const int status = ::pclose(rohr);
            EXPECT_EQ(status, 0) << "month " << o.monat << ", twilight " << daemmerung << ":\n" << ausgabe;
        }
}
