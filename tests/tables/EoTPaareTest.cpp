// The equation-of-time pairs: the rows of a year in 72 steps checked against the table they
// come from, the CSV file read by Python's csv module, the printout's pages, a failing save,
// and the dials' copy of the table left alone.
#include "tables/EoTPaare.h"

#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "support/ExportPruefung.h"
#include "support/Zahl.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>

using namespace umbrin;
namespace fs = std::filesystem;

namespace {

AppState zustand()
{
    AppState s;
    initialisiereZustand(s);
    setzeSprache(s, true);
    s.Par.Jahr = 2024;
    return s;
}

std::vector<std::string> felder(const std::string& zeile, char sep)
{
    std::vector<std::string> aus;
    std::stringstream in(zeile);
    std::string feld;
    while (std::getline(in, feld, sep))
        aus.push_back(feld);
    return aus;
}

int sekunden(const std::string& minSek)
{
    const std::size_t doppel = minSek.find(':');
    const int m = std::abs(std::stoi(minSek.substr(0, doppel)));
    const int s = std::stoi(minSek.substr(doppel + 1));
    return (minSek.find('-') != std::string::npos ? -1 : 1) * (60 * m + s);
}

} // namespace

TEST(EoTPaare, SeventyTwoStepsGiveThirtySevenPairsFromNinetyToTwoHundredSeventy)
{
    AppState s = zustand();
    const ZeitglTabelle kopie = s.EoTTabelle2;
    const std::vector<std::string> zeilen = EoTPaareListe(s, 72, false);
    EXPECT_EQ(zeilen[0], "");
    EXPECT_EQ(zeilen[1], "EoT und \"symmetrisierte Approximation\" für das Jahr 2024");
    EXPECT_NE(zeilen[2].find(" (37 lines )"), std::string::npos);
    EXPECT_EQ(EoTPaarZeilenzahl(288), 145);
    ASSERT_EQ(zeilen[4].rfind("    L1/ L2      / dekl /", 0), 0u);

    std::vector<std::vector<std::string>> rows;
    std::vector<std::size_t> leerNach; // data rows after which a line of two blanks follows
    for (std::size_t i = 5; i < zeilen.size(); ++i) {
        if (zeilen[i] == "  ")
            leerNach.push_back(rows.size());
        else
            rows.push_back(felder(zeilen[i], '/'));
    }
    ASSERT_EQ(rows.size(), 37u);
    // After i = 23, 29, .., 53: the 6th, 12th, .., 36th row.
    EXPECT_EQ(leerNach, (std::vector<std::size_t>{6, 12, 18, 24, 30, 36}));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::vector<std::string>& f = rows[r];
        ASSERT_EQ(f.size(), 9u) << r;
        const int i = 18 + static_cast<int>(r);
        const int j = (36 - i + 72) % 72;
        EXPECT_DOUBLE_EQ(test::zahl(f[0]), 5.0 * i);
        EXPECT_DOUBLE_EQ(test::zahl(f[1]), 5.0 * j);
        const int E1 = s.EoTTabelle[static_cast<std::size_t>(i)].ZglSek;
        const int E2 = s.EoTTabelle[static_cast<std::size_t>(j)].ZglSek;
        EXPECT_EQ(sekunden(f[3]), E1) << r;
        EXPECT_EQ(sekunden(f[4]), E2) << r;
        const int et1 = sekunden(f[6]);
        const int et2 = sekunden(f[7]);
        EXPECT_EQ(et1 + et2, 0) << r;
        EXPECT_NEAR(std::abs(E1 - et1), std::stoi(f[8]), 1) << r;
        EXPECT_EQ(s.EoTTabelle[static_cast<std::size_t>(i)].ZglSym, et1);
    }
    // 90 pairs with itself: nothing to share out.
    EXPECT_DOUBLE_EQ(test::zahl(rows.front()[1]), 90.0);
    EXPECT_EQ(sekunden(rows.front()[6]), 0);
    EXPECT_EQ(rows.front()[6], "     0:00 ");
    EXPECT_EQ(rows.front()[7], "   0:00  ");
    EXPECT_DOUBLE_EQ(test::zahl(rows.back()[0]), 270.0);
    EXPECT_DOUBLE_EQ(test::zahl(rows.back()[1]), 270.0);
    // The dials' copy of the table is not the comparison's.
    for (std::size_t k = 0; k < kopie.size(); ++k) {
        EXPECT_EQ(s.EoTTabelle2[k].ZglSek, kopie[k].ZglSek);
        EXPECT_EQ(s.EoTTabelle2[k].Laenge, kopie[k].Laenge);
    }
}

TEST(EoTPaare, CsvFileIsReadByPythonAndAFailedSaveLeavesNothing)
{
    AppState s = zustand();
    const fs::path dir = fs::path(UMBRIN_BINARY_DIR) / "eot_paare";
    fs::create_directories(dir);
    const fs::path csv = dir / "EoT-Paare.csv";
    std::string fehler;
    ASSERT_TRUE(EoTPaareSpeichern(csv, EoTPaareListe(s, 72, true), fehler)) << fehler;
    int status = 0;
    const std::string aus = test::befehlsAusgabe(
        "/usr/bin/python3 -c \"import csv,sys; r=list(csv.reader(open(sys.argv[1], encoding='cp1252', newline=''), "
        "delimiter=';')); d=[x for x in r if len(x)==9 and x[0].strip()[:1].isdigit()]; "
        "print(len(d), d[0][0].strip(), d[-1][0].strip(), r[1][0][:9])\" "
            + test::shellWort(csv.string()),
        status);
    EXPECT_EQ(status, 0) << aus;
    EXPECT_EQ(aus, "37 90.0 270.0 EoT und \"\n");

    // A folder that does not exist: reported with the name, no file.
    const fs::path falsch = dir / "fehlt" / "EoT-Paare.txt";
    EXPECT_FALSE(EoTPaareSpeichern(falsch, EoTPaareListe(s, 72, false), fehler));
    EXPECT_NE(fehler.find("EoT-Paare.txt"), std::string::npos) << fehler;
    EXPECT_FALSE(fs::exists(falsch));
}

TEST(EoTPaare, EveryStepCountGivesItsRowsAndThePrintoutFillsPagesOfSixtyThree)
{
    for (int n : EoTPaarSchritte) {
        AppState s = zustand();
        const std::vector<std::string> zeilen = EoTPaareListe(s, n, true);
        std::size_t daten = 0;
        for (std::size_t i = 5; i < zeilen.size(); ++i)
            daten += zeilen[i] != "  " ? 1 : 0;
        EXPECT_EQ(static_cast<int>(daten), EoTPaarZeilenzahl(n)) << n;
        const std::vector<EoTDruckseite> seiten = EoTVergleichSeiten(s, n);
        std::size_t saetze = 0;
        for (const EoTDruckseite& seite : seiten)
            saetze += seite.zeilen.size() - (seite.mitKopf ? 1 : 0);
        EXPECT_EQ(static_cast<int>(saetze), n + 1) << n;
    }
    AppState s = zustand();
    EoTPaareListe(s, 288, false);
    const std::vector<EoTDruckseite> seiten = EoTVergleichSeiten(s, 288);
    ASSERT_EQ(seiten.size(), 5u);
    EXPECT_TRUE(seiten[0].mitKopf);
    EXPECT_EQ(seiten[0].zeilen[0], " nr    lam   delta   EoT[s]  Eotsym   ( 288 Zeilen)");
    EXPECT_EQ(seiten[0].zeilen.size(), 64u);
    for (std::size_t p = 1; p < 4; ++p) {
        EXPECT_FALSE(seiten[p].mitKopf);
        EXPECT_EQ(seiten[p].zeilen.size(), 63u);
    }
    EXPECT_EQ(seiten[4].zeilen.size(), 289u - 4 * 63);
    EXPECT_EQ(seiten[4].zeilen.back().rfind("288  360.0", 0), 0u);
}
