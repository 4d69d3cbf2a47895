#include "tables/Tabellendatei.h"

#include "core/AufUntergang.h"
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/TextEncoding.h"
#include "core/Zahlenformat.h"
#include "tables/Jahrestabelle.h"
#include "tables/Tabellenansicht.h"

#include "support/TestOrdner.h"

#include "TabellenOrt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace umbrin;
namespace fs = std::filesystem;

namespace {

AppState ort(int jahr, bool deutsch = true) { return test::tabellenOrt(jahr, deutsch); }

TabellenExport exportVon(const AppState& s, int modus, bool csv, const std::string& trenner = ";", int monatswahl = 0)
{
    TabellenExport e;
    e.rechenmodus = modus;
    e.monatswahl = monatswahl;
    e.csv = csv;
    e.csvTrenner = trenner;
    e.tabBreite = s.Par.Breite;
    e.tabLaenge = s.Par.Laenge;
    e.durchgang = s.Durchgangstabelle != 0;
    return e;
}

std::vector<std::string> zeilenVon(const std::string& bytes)
{
    std::vector<std::string> z;
    std::size_t a = 0;
    for (std::size_t e; (e = bytes.find("\r\n", a)) != std::string::npos; a = e + 2)
        z.push_back(bytes.substr(a, e - a));
    EXPECT_EQ(a, bytes.size()) << "every line ends in CR LF";
    return z;
}

std::string lies(const fs::path& p)
{
    std::ifstream f(p, std::ios::binary);
    std::ostringstream o;
    o << f.rdbuf();
    return o.str();
}


} // namespace

// The heading lines of a CSV year table carry the chosen separator after their blank; the
// cut rows do not. Saving twice gives the same bytes and leaves the shown table as it was.
TEST(TabellenDatei, YearCsvHeadingLinesCarryTheChosenSeparator)
{
    for (const char* trenner : {";", ","}) {
        AppState s = ort(2024);
        s.Tabellentyp = TabelleZeitgleichung;
        JahrestabelleAnsicht(s);
        const std::vector<std::string> vorher = s.Tabellenzeilen;
        const TabellenExport e = exportVon(s, 8, true, trenner);
        const std::string erst = TabellenDateiInhalt(s, s.Tabellenzeilen, e);
        const std::string zweit = TabellenDateiInhalt(s, s.Tabellenzeilen, e);
        EXPECT_EQ(erst, zweit);
        EXPECT_EQ(s.Tabellenzeilen, vorher);

        const auto z = zeilenVon(erst);
        std::size_t i = 0;
        for (; i < z.size() && z[i].find("Jan") == std::string::npos; ++i)
            EXPECT_EQ(z[i].substr(0, 2), std::string(" ") + trenner) << "heading line " << i;
        ASSERT_LT(i, z.size());
        EXPECT_EQ(z[0], std::string(" ") + trenner + " ") << "the blank line put in front";
        EXPECT_EQ(z[i].substr(0, 3), "   ") << "the month row is cut like the day rows";
        for (; i < z.size(); ++i)
            EXPECT_EQ(std::count(z[i].begin(), z[i].end(), ';'), 12) << z[i];
    }
}

// A year table without its month row has no cells to cut: every line is a heading line.
TEST(TabellenDatei, YearTableWithoutJanuaryRowIsSavedAsHeadingLinesOnly)
{
    AppState s = ort(2024);
    const std::vector<std::string> zeilen = {"Titel", "  1.   3:15  13:20", "  2.   3:44"};
    const auto z = zeilenVon(TabellenDateiInhalt(s, zeilen, exportVon(s, 8, true, ",")));
    EXPECT_EQ(z, (std::vector<std::string>{" , ", " ,Titel", " ,  1.   3:15  13:20", " ,  2.   3:44"}));
}

// The month table's head is cut at fixed positions of the Windows-1252 line, where the "ä"
// of "Dämmerung" is one character.
TEST(TabellenDatei, MonthCsvHeadIsCutAtWindows1252Positions)
{
    AppState s = ort(2024);
    AufgangTabelle(s, Einzelmonat, 3, s.Par.Breite, s.Par.Laenge);
    const auto z = zeilenVon(TabellenDateiInhalt(s, s.Tabellenzeilen, exportVon(s, 1, true)));
    ASSERT_GE(z.size(), 7u);
    EXPECT_EQ(z[0], " Tabelle f\xFCr    Ort:L\xE4nge (\xF6stlich neg.) ...   -9.59 ");
    EXPECT_EQ(z[1], std::string(" ") + std::string(24, ' ') + "g.Breite             ...   47.25 ");
    EXPECT_EQ(z[2], "");
    EXPECT_EQ(cp1252ToUtf8(z[3]), "; Auf-/Untergangszeiten von Sonne u. Mond im  Mar. 2024");
    // "Datum     Sonne      Dämmerung       Mond       EoT   Deklin": 5 characters, three
    // cells of 13 from 7, 20 and 33, then 7 from 46 and 8 from 54.
    EXPECT_EQ(z[6], "Datum;    Sonne    ; ;  D\xE4mmerung  ; ;     Mond    ; ;   EoT ; Deklin;;");
    EXPECT_EQ(z[7], "      ; auf; unter; Ende; Anfang; auf; unter; mm:ss; Grad;;");
    const std::string ersterTag = z[7 + 1];
    EXPECT_EQ(ersterTag.substr(0, 6), "   1. ");
    EXPECT_EQ(std::count(ersterTag.begin(), ersterTag.end(), ';'), 10);
}

// Text files of the four year tables of 2024 at the default place: the lines a reader
// checks first, by hand from the table's rules.
TEST(TabellenDatei, YearTextFilesHoldTheirKeyLines)
{
    struct Fall {
        int typ;
        std::size_t zeile;
        std::string erwartet;
    };
    const std::string laenge = "  Zeitdifferenz f\xFCr geogr. L\xE4nge  -9.59\xB0 =  21:38 min:sec   (Zonenmeridian =  -15.0\xB0 )";
    const Fall faelle[] = {
        {TabelleZeitgleichung, 1, "  Zeitgleichung in min:sec f\xFCr 2024   (Zonenmeridian = -15.0\xB0 )"},
        {TabelleZeitgleichung, 2, "  Es gilt:  Zeitgleichung = wahre Ortszeit - mittlere Ortszeit"},
        {TabelleZeitgleichung, 3, "  Die Werte gelten f\xFCr 12 Uhr Zonenzeit (= 13 Uhr Sommerzeit)!"},
        {TabelleZeitglMitLaenge, 1, "  Summe EoT + L\xE4ngengrad-Korrektur in min:sec f\xFCr 2024"},
        {TabelleZeitglMitLaenge, 2, "  Es gilt: Zonenzeit (MEZ) = wahre Ortszeit - Tabellenwert"},
        {TabelleZeitglMitLaenge, 3, laenge},
        {TabelleDeklination, 1, "  Sonnendeklination f\xFCr 2024   (Zonenmeridian =  -15.0\xB0 )"},
        {TabelleDurchgang, 1, "  Wann zeigt die Sonnenuhr 12 Uhr (WOZ) an [=Durchgangszeit]?"},
        {TabelleDurchgang, 2, "  Zeitangaben sind b\xFCrgerliche Zeit, aber nicht Sommerzeit, genau f\xFCr das Jahr  2024"},
        {TabelleDurchgang, 3, laenge},
        {TabelleDurchgang, 5, "      Jan      Feb      Mar      Apr      Mai      Jun      Jul      Aug      Sep      Okt      Nov      Dez "},
        {TabelleDeklination, 5, "      Jan    Feb    Mar    Apr    Mai    Jun    Jul    Aug    Sep    Okt    Nov    Dez "},
    };
    for (const Fall& f : faelle) {
        AppState s = ort(2024);
        s.Tabellentyp = static_cast<std::uint8_t>(f.typ);
        JahrestabelleAnsicht(s);
        const auto z = zeilenVon(TabellenDateiInhalt(s, s.Tabellenzeilen, exportVon(s, 8, false)));
        ASSERT_GT(z.size(), f.zeile) << f.typ;
        EXPECT_EQ(z[0], " ");
        EXPECT_EQ(z[f.zeile], f.erwartet) << "kind " << f.typ;
    }
    // The first day row of each kind: 1 January 2024 at 12:00 zone time.
    for (int typ = TabelleZeitgleichung; typ <= TabelleDurchgang; ++typ) {
        AppState s = ort(2024);
        s.Tabellentyp = static_cast<std::uint8_t>(typ);
        JahrestabelleAnsicht(s);
        double dekl = 0, zeitgl = 0;
        SonnenPosition(2024, dekl, zeitgl, 1.0 - s.Zonenbruchteil);
        const double korrektur = s.Par.Laenge - s.Par.Zonenmeridian;
        std::string zelle;
        switch (typ) {
        case TabelleZeitgleichung: zelle = MinSekStr(zeitgl); break;
        case TabelleZeitglMitLaenge: zelle = MinSekStr(zeitgl - korrektur); break;
        case TabelleDeklination: zelle = RealStr(std::round(1000.0 * dekl) / 1000.0, 6, 2); break;
        default: zelle = Durchgangszeit(korrektur - zeitgl); break;
        }
        const auto z = zeilenVon(TabellenDateiInhalt(s, s.Tabellenzeilen, exportVon(s, 8, false)));
        const auto tag = std::find_if(z.begin(), z.end(), [](const std::string& l) { return l.rfind(" 1. ", 0) == 0; });
        ASSERT_NE(tag, z.end()) << typ;
        EXPECT_EQ(tag->substr(4, zelle.size()), zelle) << "kind " << typ;
    }
}

TEST(TabellenDatei, NameRuleReplacesOnlyTheFileNameSuffix)
{
    const struct {
        const char* name;
        bool csv;
        const char* erwartet;
    } faelle[] = {
        {"Tabelle", false, "Tabelle.txt"},
        {"Tabelle.txt", true, "Tabelle.csv"},
        {"/home/u/my.docs/tab", false, "/home/u/my.docs/tab.txt"},
        {"/home/u/my.docs/tab.TXT", true, "/home/u/my.docs/tab.csv"},
        {"C:\\eigene.daten\\jahr.2024.csv", false, "C:\\eigene.daten\\jahr.2024.txt"},
        {"/home/u/", true, "/home/u/Tabelle.csv"},
        {"", false, "Tabelle.txt"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(TabellenDateiname(f.name, f.csv), f.erwartet) << f.name;
}

// A folder no one can write to refuses the file and names it; a full disk refuses it and
// keeps the old file (both for root as well); in a folder with a dot in its name the file
// keeps its own name, and a failed save leaves the old file intact and no other file.
TEST(TabellenDatei, FailedSaveNamesTheFileAndKeepsTheOldOne)
{
    const test::TestOrdner ordner("tab.ordner");
    const fs::path datei = TabellenDateiname((ordner / "jahr").string(), true);
    EXPECT_EQ(fs::path(datei).parent_path(), ordner.path());
    std::string fehler;
    ASSERT_TRUE(SchreibeTabellendatei(datei, "alt\r\n", fehler)) << fehler;

    const fs::path gesperrt = TabellenDateiname((ordner.unbeschreibbar() / "jahr").string(), true);
    EXPECT_FALSE(SchreibeTabellendatei(gesperrt, "neu\r\n", fehler));
    EXPECT_NE(fehler.find("jahr.csv"), std::string::npos) << fehler;
    fehler.clear();
    bool geschrieben = true;
    {
        const test::VollePlatte voll(4);
        geschrieben = SchreibeTabellendatei(datei, "neu\r\n", fehler);
    }
    EXPECT_FALSE(geschrieben);
    EXPECT_NE(fehler.find("jahr.csv"), std::string::npos) << fehler;
    EXPECT_EQ(lies(datei), "alt\r\n");

    // A name that is a folder with files in it cannot be replaced.
    const fs::path belegt = ordner / "monat.txt";
    fs::create_directories(belegt);
    std::ofstream(belegt / "inhalt") << "x";
    fehler.clear();
    EXPECT_FALSE(SchreibeTabellendatei(belegt, "neu\r\n", fehler));
    EXPECT_NE(fehler.find("monat.txt"), std::string::npos) << fehler;
    EXPECT_EQ(lies(belegt / "inhalt"), "x");
    EXPECT_EQ(lies(datei), "alt\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(ordner.path()), fs::directory_iterator()), 3); // with the file that blocks a folder
}

// Every table kind at a polar place, at the equator, at a southern place and far west of
// its zone meridian (an equation of time with longitude correction of over 99 minutes), read
// back by Python's csv module as a spreadsheet reads it: each day row has the cell count of
// its kind and every cell holds what its column heading says.
TEST(TabellenDatei, CsvFilesReadBackByAnIndependentReader)
{
    if (std::system("/usr/bin/python3 -c 'import csv' > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "/usr/bin/python3 is not available";
    const test::TestOrdner ordner("tabellen_csv");
    struct Ort {
        const char* name;
        double breite, laenge, zone;
        bool deutsch;
    };
    const Ort orte[] = {{"Tromsoe", 69.65, -18.96, -15, true},   {"Tromsoe", 69.65, -18.96, -15, false},
                        {"Quito", -0.18, 78.47, 75, true},       {"Sydney", -33.87, -151.21, -150, false},
                        {"Santiago", 42.88, 8.54, -15, true}};
    struct Fall {
        std::string art;
        int modus, typ, monatswahl, monat;
    };
    const Fall faelle[] = {
        {"eot", 8, TabelleZeitgleichung, 0, 1},  {"eot", 8, TabelleZeitglMitLaenge, 0, 1},
        {"decl", 8, TabelleDeklination, 0, 1},   {"transit", 8, TabelleDurchgang, 0, 1},
        {"month", 1, 0, Einzelmonat, 6},         {"month", 1, 0, Einzelmonat, 12},
        {"month", 1, 0, Einzelmonat, 2},         {"halfyear", 1, 0, MonateEinsBisSechs, 1},
        {"halfyear", 1, 0, MonateSiebenBisZwoelf, 7},
    };
    int n = 0;
    for (const Ort& o : orte) {
        for (const Fall& f : faelle) {
            AppState s = ort(2024, o.deutsch);
            s.Par.Breite = o.breite;
            s.Par.Laenge = o.laenge;
            s.Par.Zonenmeridian = o.zone;
            s.Zonenbruchteil = -o.zone / 360.0;
            std::string erste;
            if (f.modus == 8) {
                s.Tabellentyp = static_cast<std::uint8_t>(f.typ);
                JahrestabelleAnsicht(s);
                if (f.typ == TabelleZeitgleichung) {
                    double dekl = 0, zeitgl = 0;
                    SonnenPosition(2024, dekl, zeitgl, 1.0 - s.Zonenbruchteil);
                    erste = " " + MinSekStr(zeitgl);
                }
            } else {
                AufgangTabelle(s, f.monatswahl, f.monat, s.Par.Breite, s.Par.Laenge);
            }
            const fs::path datei = ordner / ("t" + std::to_string(n++) + ".csv");
            std::string fehler;
            ASSERT_TRUE(SchreibeTabellendatei(
                datei, TabellenDateiInhalt(s, s.Tabellenzeilen, exportVon(s, f.modus, true, ";", f.monatswahl)), fehler));
            std::string befehl = "/usr/bin/python3 '" + std::string(UMBRIN_SOURCE_DIR) + "/tests/tools/check_table_csv.py' '"
                                 + datei.string() + "' --kind " + f.art + " --year 2024 --month " + std::to_string(f.monat);
            if (!erste.empty())
                befehl += " --first '" + erste + "'";
            befehl += " 2>&1";
            FILE* rohr = ::popen(befehl.c_str(), "r");
            ASSERT_NE(rohr, nullptr);
            std::string ausgabe;
            char puffer[512];
            while (std::fgets(puffer, sizeof puffer, rohr))
                ausgabe += puffer;
            EXPECT_EQ(::pclose(rohr), 0) << o.name << " " << f.art << " " << f.typ << " " << f.monat << ":\n" << ausgabe;
        }
    }
}

// A day of the midnight sun: the sun's text fills its pair of cells' first cell, the second
// stays empty, and the equation of time and the declination stay in their own columns; the
// days dropped in October 1582 give their text in the first cell.
TEST(TabellenDatei, MonthCsvKeepsTextsSpanningCellsInOneCell)
{
    AppState s = ort(2024);
    s.Par.Breite = 69.65;
    AufgangTabelle(s, Einzelmonat, 6, s.Par.Breite, s.Par.Laenge);
    std::vector<std::string> z = zeilenVon(TabellenDateiInhalt(s, s.Tabellenzeilen, exportVon(s, 1, true)));
    const auto tag21 = std::find_if(z.begin(), z.end(), [](const std::string& l) { return l.rfind("  21. ", 0) == 0; });
    ASSERT_NE(tag21, z.end());
    double dekl = 0, zeitgl = 0;
    SonnenPosition(2024, dekl, zeitgl, JulianischerTag(21, 6, 2024) - JulianischerTag(0, 1, 2024) - s.Zonenbruchteil);
    EXPECT_EQ(*tag21, utf8ToCp1252("  21. ; immer sichtbar;; immer hell;") + tag21->substr(tag21->find(" immer hell;") + 12));
    EXPECT_NE(tag21->find("; " + MinSekStr(zeitgl) + "; " + RealStr(dekl + 0.005, 6, 2) + ";;"), std::string::npos)
        << *tag21;

    AppState g = ort(1582);
    AufgangTabelle(g, Einzelmonat, 10, g.Par.Breite, g.Par.Laenge);
    z = zeilenVon(TabellenDateiInhalt(g, g.Tabellenzeilen, exportVon(g, 1, true)));
    const auto tag5 = std::find_if(z.begin(), z.end(), [](const std::string& l) { return l.rfind("   5.", 0) == 0; });
    ASSERT_NE(tag5, z.end());
    EXPECT_EQ(*tag5, "   5. ; ---  entfallen (im Gregorianischen Kalender)  ---;;;;;;;;;");
}
