#include "tables/Tabellenansicht.h"

#include "core/AufUntergang.h"
#include "core/Sprachdienst.h"
#include "tables/Jahrestabelle.h"

#include "TabellenOrt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace umbrin;

namespace {

AppState ort(int jahr, bool deutsch = true) { return test::tabellenOrt(jahr, deutsch); }

bool enthaelt(const std::vector<std::string>& z, const std::string& teil)
{
    return std::any_of(z.begin(), z.end(), [&](const std::string& l) { return l.find(teil) != std::string::npos; });
}

} // namespace

// One month: five heading lines in front; the footer keeps its blank line and the twilight
// line, the zone and credit lines and the closing blank are gone.
TEST(AufgangTabelle, SingleMonthHasItsHeadingAndDropsZoneAndCreditLines)
{
    const struct {
        bool deutsch;
        int monat;
        std::size_t zeilen;
        const char* titel;
        const char* ort;
    } faelle[] = {
        {true, 1, 44, " Auf-/Untergangszeiten von Sonne u. Mond im  Jan. 2024",
         " Standard (Zonen)- Zeit und nicht Sommerzeit!    Ort:  -9.6°/47.25°"},
        {false, 2, 41, " Rise and Set of Sun and Moon for  Feb. 2024", " Civil Time and not DST ! Position:   -9.6°/47.25°"},
        {true, 4, 43, " Auf-/Untergangszeiten von Sonne u. Mond im  Apr. 2024", nullptr},
    };
    for (const auto& f : faelle) {
        AppState s = ort(2024, f.deutsch);
        AufgangTabelle(s, Einzelmonat, f.monat, 47.25, -9.59);
        const auto& z = s.Tabellenzeilen;
        ASSERT_EQ(z.size(), f.zeilen) << f.monat;
        EXPECT_EQ(z[0], f.titel);
        if (f.ort) {
            EXPECT_EQ(z[1], f.ort);
        }
        EXPECT_EQ(z[2], " ");
        EXPECT_EQ(z[3], texteText(s, 72));
        EXPECT_EQ(z[4], texteText(s, 73));
        EXPECT_EQ(z[5].substr(0, 5), "  1. ");
        EXPECT_EQ(z.back().substr(0, 3 + texteText(s, 76).size()), "   " + std::string(texteText(s, 76)));
        EXPECT_EQ(z[z.size() - 2], std::string(60, ' '));
        EXPECT_FALSE(enthaelt(z, "(= UT"));
        EXPECT_FALSE(enthaelt(z, "Wendelbrack"));
    }
}

// A half year: title, place with the longitude to two places, the month line with each
// month name over its three columns, and the column line.
TEST(AufgangTabelle, HalfYearHeadingNamesItsSixMonths)
{
    for (bool deutsch : {true, false}) {
        AppState s = ort(2024, deutsch);
        AufgangTabelle(s, MonateSiebenBisZwoelf, 1, 47.25, -9.59);
        const auto& z = s.Tabellenzeilen;
        ASSERT_EQ(z.size(), 43u);
        EXPECT_EQ(z[0], " " + std::string(texteText(s, 183)) + "2024");
        EXPECT_NE(z[1].find("-9.59°/47.25°"), std::string::npos) << z[1];
        const std::string monate = z[3];
        EXPECT_EQ(monate.substr(0, 6), std::string(texteText(s, 72)).substr(0, 6));
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(monate.substr(6 + 21 * k, 21),
                      std::string(8, ' ') + std::string(monatKurz(s, 7 + k)) + std::string(10, ' '));
        EXPECT_EQ(z[4].size(), 6 + 6 * texteText(s, 184).size());
        EXPECT_EQ(z[5].substr(0, 5), "  1. ");
        EXPECT_NE(z.back().find("Wendelbrack"), std::string::npos);
        EXPECT_EQ(monate.find(deutsch ? "Okt" : "Oct"), 6u + 21 * 3 + 8);
    }
}

// The year tables lose the blank lines of their head and the line the kind does not need;
// the second day row sets the drawn table's width.
TEST(JahrestabelleAnsicht, DropsTheHeadLinesOfItsKind)
{
    const struct {
        int typ;
        const char* zweite; // the line after the title
        bool laengenzeile;
    } faelle[] = {
        {TabelleZeitgleichung, "  Es gilt:  Zeitgleichung", false},
        {TabelleZeitglMitLaenge, "  Es gilt: Zonenzeit", true},
        {TabelleDeklination, " ", false},
        {TabelleDurchgang, "  Zeitangaben sind", true},
    };
    for (const auto& f : faelle) {
        AppState s = ort(2024);
        s.Tabellentyp = static_cast<std::uint8_t>(f.typ);
        JahrestabelleAnsicht(s);
        const auto& z = s.Tabellenzeilen;
        EXPECT_EQ(s.Durchgangstabelle != 0, f.typ == TabelleDurchgang);
        EXPECT_EQ(s.Tabellenoption != 0, f.typ <= TabelleZeitglMitLaenge);
        ASSERT_EQ(z.size(), 5u + 31 + 5 + 1) << f.typ;
        EXPECT_EQ(z[1].rfind(f.zweite, 0), 0u) << f.typ << ": " << z[1];
        EXPECT_EQ(enthaelt(z, "Zeitdifferenz"), f.laengenzeile) << f.typ;
        EXPECT_EQ(z[4], monatsKopfzeile(s, f.typ == TabelleDurchgang));
        EXPECT_EQ(z[5].substr(0, 4), " 1. ");
        EXPECT_EQ(Messzeile(s, 8).substr(0, 4), " 2. ");
    }
}
