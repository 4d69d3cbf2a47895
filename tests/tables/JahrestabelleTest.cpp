#include "tables/Jahrestabelle.h"

#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "tables/NoaaSonne.h"
#include "support/Zahl.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace umbrin;
using umbrin::test::noaaMittag;
using umbrin::test::stundenAus;

namespace {

AppState ort(double laenge = -9.59, double zone = -15.0, bool deutsch = true)
{
    AppState s;
    setzeSprache(s, deutsch);
    s.Par.Laenge = laenge;
    s.Par.Zonenmeridian = zone;
    s.Zonenbruchteil = -zone / 360.0;
    return s;
}

// The row of day d ("dd. " at its start).
const std::string& zeile(const AppState& s, int d)
{
    const std::string kopf = ZahlRechtsbuendig(d, 2) + ". ";
    for (const std::string& z : s.Tabellenzeilen)
        if (z.rfind(kopf, 0) == 0)
            return z;
    static const std::string keine;
    ADD_FAILURE() << "no row for day " << d;
    return keine;
}

// The cell of month m: six characters (eight in the transit table) after the blank.
std::string zelle(const AppState& s, int d, int m, bool durchgang = false)
{
    const std::size_t breite = durchgang ? 8 : 6;
    return zeile(s, d).substr(4 + (m - 1) * (breite + 1), breite);
}

} // namespace

TEST(TabelleJahr, OctoberOf1582HasTenOmittedDaysAndFebruaryNoLeapDay)
{
    for (int typ : {TabelleZeitgleichung, TabelleDurchgang}) {
        AppState s = ort();
        s.Durchgangstabelle = typ == TabelleDurchgang;
        TabelleJahr(s, 1582, typ != TabelleDurchgang, typ);
        const bool d = typ == TabelleDurchgang;
        for (int tag = 1; tag <= 31; ++tag) {
            const std::string okt = zeile(s, tag).substr(4 + 9 * (d ? 9 : 7) - 1, d ? 9 : 7);
            if (tag >= 5 && tag <= 14)
                EXPECT_EQ(okt, d ? "   ----  " : "   ----") << "day " << tag;
            else
                EXPECT_NE(okt.find(':'), std::string::npos) << "day " << tag;
            EXPECT_NE(zelle(s, tag, 8, d).find(':'), std::string::npos) << "August, day " << tag;
        }
        EXPECT_EQ(zelle(s, 29, 2, d), std::string(d ? 8 : 6, ' '));
        EXPECT_EQ(zeile(s, 31).size(), zeile(s, 1).size());
    }
}

TEST(TabelleJahr, TwentyNinthOfFebruaryFollowsTheCalendarOfItsYear)
{
    const struct {
        int jahr;
        bool schaltjahr;
    } faelle[] = {{1500, true}, {1582, false}, {1600, true}, {1700, false}, {1900, false}, {2000, true}, {2024, true}};
    for (const auto& f : faelle) {
        AppState s = ort();
        TabelleJahr(s, f.jahr, false, TabelleDeklination);
        EXPECT_EQ(zelle(s, 29, 2) != "      ", f.schaltjahr) << f.jahr;
        EXPECT_EQ(zelle(s, 30, 2), "      ") << f.jahr;
        EXPECT_EQ(zelle(s, 31, 4), "      ") << f.jahr;
        EXPECT_NE(zelle(s, 31, 12), "      ") << f.jahr;
    }
}

TEST(TabelleJahr, TransitTableAtTheDefaultPlaceStaysInTheNoonHour)
{
    AppState s = ort();
    s.Durchgangstabelle = 1;
    TabelleJahr(s, 2024, false, TabelleDurchgang);
    EXPECT_EQ(s.Tabellenzeilen[0], "  Wann zeigt die Sonnenuhr 12 Uhr (WOZ) an [=Durchgangszeit]?");
    EXPECT_EQ(s.Tabellenzeilen[3], " ");
    EXPECT_EQ(s.Tabellenzeilen[5],
              "  Zeitdifferenz für geogr. Länge  -9.59° =  21:38 min:sec   (Zonenmeridian =  -15.0° )");
    EXPECT_EQ(s.Tabellenzeilen[7].substr(0, 18), "      Jan      Feb");
    int zellen = 0;
    for (int d = 1; d <= 31; ++d)
        for (int m = 1; m <= 12; ++m) {
            const std::string z = zelle(s, d, m, true);
            if (z == "        ")
                continue;
            ++zellen;
            EXPECT_EQ(z.substr(0, 3), "12:") << d << "." << m;
            // Against NOAA's solar-noon equations, within 15 seconds.
            EXPECT_NEAR(stundenAus(z), noaaMittag(2024, m, d, -9.59, -15.0), 15.0 / 3600.0) << d << "." << m;
        }
    EXPECT_EQ(zellen, 366);
    EXPECT_EQ(s.Tabellenzeilen.back(), std::string(68, ' ') + "J.Wendelbrack");
}

// Places whose transit falls outside 11:00..13:59 zone time get real clock times.
TEST(TabelleJahr, TransitFarFromTheZoneMeridianIsARealClockTime)
{
    const struct {
        double laenge;
        int monat, tag;
        const char* noaa;
    } faelle[] = {{-75.99, 2, 11, "15:10:16"}, {-134.3, 11, 3, "10:46:19"}};
    for (const auto& f : faelle) {
        AppState s = ort(f.laenge, -120.0);
        s.Durchgangstabelle = 1;
        TabelleJahr(s, 2024, false, TabelleDurchgang);
        const std::string z = zelle(s, f.tag, f.monat, true);
        EXPECT_NEAR(stundenAus(z), stundenAus(f.noaa), 15.0 / 3600.0) << z;
        EXPECT_NEAR(stundenAus(z), noaaMittag(2024, f.monat, f.tag, f.laenge, -120.0), 15.0 / 3600.0) << z;

        double dekl = 0;
        double zeitgl = 0;
        SonnenPosition(2024, dekl, zeitgl,
                       JulianischerTag(f.tag, f.monat, 2024) - JulianischerTag(0, 1, 2024) - s.Zonenbruchteil);
        const double erwartet = 12.0 + 4.0 * ((f.laenge + 120.0) - zeitgl) / 60.0;
        EXPECT_NEAR(stundenAus(z), erwartet, 0.6 / 3600.0) << z;
    }
    EXPECT_EQ(Durchgangszeit(-180.0), "00:00:00");
    EXPECT_EQ(Durchgangszeit(15.0), "13:00:00");
    EXPECT_EQ(Durchgangszeit(-0.125), "11:59:30");
}

TEST(TabelleJahr, DeclinationTableStaysWithinTheObliquity)
{
    AppState s = ort();
    TabelleJahr(s, 2024, false, TabelleDeklination);
    EXPECT_EQ(s.Tabellenzeilen[0], "  Sonnendeklination für 2024   (Zonenmeridian =  -15.0° )");
    EXPECT_EQ(s.Tabellenzeilen[3], " ");
    double kleinste = 90;
    double groesste = -90;
    for (int d = 1; d <= 31; ++d)
        for (int m = 1; m <= 12; ++m) {
            const std::string z = zelle(s, d, m);
            if (z == "      ")
                continue;
            const double v = test::zahl(z);
            kleinste = std::min(kleinste, v);
            groesste = std::max(groesste, v);
        }
    EXPECT_GE(kleinste, -23.44);
    EXPECT_LE(groesste, 23.44);
    EXPECT_LT(kleinste, -23.4);
    EXPECT_GT(groesste, 23.4);
}

TEST(TabelleJahr, EquationOfTimeCellsAgreeWithNoaa)
{
    for (bool mitLaenge : {false, true}) {
        AppState s = ort(-9.59, -15.0, false);
        TabelleJahr(s, 2024, true, mitLaenge ? TabelleZeitglMitLaenge : TabelleZeitgleichung);
        EXPECT_EQ(s.Tabellenzeilen[3], mitLaenge ? "  Civil Time = Local Apparent Time - Value in Table"
                                                 : "  [ Equation of Time = Local Apparent Time - Local Mean Time ]");
        const double korrektur = mitLaenge ? 4.0 * 5.41 : 0.0;
        for (int m = 1; m <= 12; ++m)
            for (int d : {1, 15, 28}) {
                const std::string z = zelle(s, d, m);
                const auto doppelpunkt = z.find(':');
                const double betrag = std::abs(std::stoi(z.substr(0, doppelpunkt)))
                                      + std::stoi(z.substr(doppelpunkt + 1)) / 60.0;
                const double minuten = z.find('-') != std::string::npos ? -betrag : betrag;
                const double jd = test::noaaJulianischerTag(2024, m, d, 11.0);
                EXPECT_NEAR(minuten, test::noaaSonne(jd).zeitgleichung - korrektur, 10.0 / 60.0) << d << "." << m;
            }
    }
}
