#include "dials/KartenLeser.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace umbrin;

namespace {

std::filesystem::path frischerOrdner(const std::string& name)
{
    const auto ordner = std::filesystem::path(UMBRIN_BINARY_DIR) / "test-output" / name;
    std::filesystem::remove_all(ordner);
    std::filesystem::create_directories(ordner);
    return ordner;
}

void schreibe(const std::filesystem::path& datei, const std::string& bytes)
{
    std::ofstream out(datei, std::ios::binary);
    out << bytes;
}

} // namespace

TEST(KartenLeser, GoodDataGivesPolylinesWithTheLongitudeNegated)
{
    const std::string text = "> -b\n"
                             "13.40\t52.52\n"
                             "   2.35   48.86\r\n"
                             "> -b\r\n"
                             "-74.00\t40.71\n"
                             "-0.13 51.51"; // no line feed after the last line
    const KartenLesung l = leseKartenText(text, kKartenDateiRegel);
    ASSERT_EQ(l.polylinien.size(), 2u);
    ASSERT_EQ(l.polylinien[0].size(), 2u);
    ASSERT_EQ(l.polylinien[1].size(), 2u);
    EXPECT_EQ(l.punkte, 4u);
    EXPECT_DOUBLE_EQ(l.polylinien[0][0].breite, 52.52);
    EXPECT_DOUBLE_EQ(l.polylinien[0][0].laenge, -13.40); // east of Greenwich: negative
    EXPECT_DOUBLE_EQ(l.polylinien[0][1].laenge, -2.35);
    EXPECT_DOUBLE_EQ(l.polylinien[1][0].laenge, 74.00); // west: positive
    EXPECT_DOUBLE_EQ(l.polylinien[1][1].breite, 51.51);
    EXPECT_EQ(l.fehler.anzahl, 0u);
    EXPECT_EQ(kartenLeseMeldung(l, "x", true), "");
}

TEST(KartenLeser, SeparatorRulesOfTheMapUsers)
{
    enum class Art { Trennt, Punkt, Fehler };
    struct Fall {
        const char* zeile;
        KartenTrennRegel regel;
        Art art;
    };
    const KartenTrennRegel ohneBlanks{7, true, false, true};
    const Fall faelle[] = {
        {"> -b", kKartenDateiRegel, Art::Trennt},
        {"1.5\t2.5", kKartenDateiRegel, Art::Trennt},         // 7 characters
        {"1.5\t2.5\r", kKartenDateiRegel, Art::Trennt},       // the carriage return does not count
        {"1.50\t2.5", kKartenDateiRegel, Art::Punkt},         // 8 characters
        {"1.5\t2.5", kKartenTextRegelBild, Art::Trennt},
        {"1.5\t2.5", kKartenTextRegelPlot, Art::Punkt},       // the plot takes 7 characters as a point
        {"1.5\t2", kKartenTextRegelPlot, Art::Trennt},
        {"#13.40 52.52", kKartenDateiRegel, Art::Trennt},
        {"#13.40 52.52", kKartenTextRegelBild, Art::Fehler},  // the map text knows no "#" lines ...
        {"<13.40 52.52", kKartenTextRegelBild, Art::Trennt},  // ... but "<" lines
        {"<13.40 52.52", kKartenDateiRegel, Art::Fehler},
        {"> -b Shore Bin # 0", kKartenDateiRegel, Art::Fehler},
        {"   1.5 2.5", kKartenDateiRegel, Art::Punkt},         // 10 characters with the blanks
        {"   1.5 2.5", ohneBlanks, Art::Trennt},               // 7 without
        {"", kKartenDateiRegel, Art::Trennt},
    };
    for (const Fall& f : faelle) {
        const std::string text = std::string("10.00 20.00\n") + f.zeile + "\n11.00 21.00\n";
        const KartenLesung l = leseKartenText(text, f.regel);
        const bool punkt = f.art == Art::Punkt;
        EXPECT_EQ(l.punkte, punkt ? 3u : 2u) << f.zeile;
        EXPECT_EQ(l.polylinien.size(), punkt ? 1u : 2u) << f.zeile;
        EXPECT_EQ(l.fehler.anzahl, f.art == Art::Fehler ? 1u : 0u) << f.zeile;
    }
}

TEST(KartenLeser, BadNumbersAreSkippedStartANewPolylineAndAreReportedOnce)
{
    const std::string riesig = "1" + std::string(400, '0');
    const std::string text = "10.00 20.00\n"
                             "13.4.1 52.50\n"   // two decimal points
                             "11.00 21.00\n"
                             "abc def ghi\n"    // no number at all
                             + riesig + " 5.00\n" // beyond the range of a double
                             "13.40 52.5x\n"    // trailing rubbish
                             "12.00 22.00\n"
                             "12.50000\n"       // long enough, but only one field
                             "13.00 23.00\n";
    const KartenLesung l = leseKartenText(text, kKartenDateiRegel);
    EXPECT_EQ(l.punkte, 4u);
    EXPECT_EQ(l.polylinien.size(), 4u);
    EXPECT_EQ(l.fehler.anzahl, 5u);
    EXPECT_EQ(l.fehler.ersteZeile, 2u);
    EXPECT_EQ(l.fehler.erstesFeld, "13.4.1");
    EXPECT_EQ(l.fehler.zweitesFeld, "52.50");

    EXPECT_EQ(kartenLeseMeldung(l, "coastUmb.dat", true),
              "52.50 / 13.4.1 : Das ist keine reelle Zahl.\n"
              "(coastUmb.dat, Zeile 2; 5 Zeilen ohne Punkt übergangen)");
    EXPECT_EQ(kartenLeseMeldung(l, "coastUmb.dat", false),
              "52.50 / 13.4.1 : This is not a real number !\n"
              "(coastUmb.dat, line 2; 5 lines without a point skipped)");
}

TEST(KartenLeser, EmptyAndMissingFiles)
{
    EXPECT_TRUE(leseKartenText("", kKartenDateiRegel).polylinien.empty());
    EXPECT_TRUE(leseKartenText("\n\n> -b\n", kKartenDateiRegel).polylinien.empty());

    const auto ordner = frischerOrdner("KartenLeser-Dateien");
    schreibe(ordner / "leer.dat", "");
    KartenLesung l;
    std::string fehler;
    EXPECT_TRUE(leseKartenDatei(ordner / "leer.dat", kKartenDateiRegel, l, fehler, true));
    EXPECT_TRUE(l.polylinien.empty());
    EXPECT_EQ(l.fehler.anzahl, 0u);

    EXPECT_FALSE(leseKartenDatei(ordner / "fehlt.dat", kKartenDateiRegel, l, fehler, false));
    EXPECT_NE(fehler.find("fehlt.dat"), std::string::npos);
}

TEST(KartenLeser, PointsOutsideTheWindowBreakThePolylineAndBoundsAreInside)
{
    const std::string text = "180.00 90.00\n"   // on both bounds: inside
                             "180.01 10.00\n"   // outside
                             "-180.00 -90.00\n"
                             "0.00 -90.01\n"    // outside
                             "5.00 5.00\n";
    const KartenLesung l = leseKartenText(text, kKartenDateiRegel, KartenFenster{});
    ASSERT_EQ(l.polylinien.size(), 3u);
    EXPECT_EQ(l.punkte, 3u);
    EXPECT_DOUBLE_EQ(l.polylinien[0][0].laenge, -180.0);
    EXPECT_DOUBLE_EQ(l.polylinien[0][0].breite, 90.0);
    EXPECT_EQ(l.fehler.anzahl, 0u);
    // Without a window every point is taken.
    EXPECT_EQ(leseKartenText(text, kKartenDateiRegel).punkte, 5u);
}

TEST(KartenLeser, NumberSyntaxIsLocaleFreeAndStrict)
{
    struct Fall {
        std::string feld;
        bool gut;
        double wert;
    };
    const Fall faelle[] = {
        {"52.52", true, 52.52},  {"+1.5", true, 1.5},    {"-.5", true, -0.5},   {"5.", true, 5.0},
        {"7", true, 7.0},        {"52.5 \t", true, 52.5}, {"", false, 0},       {".", false, 0},
        {"-", false, 0},         {"+-1", false, 0},      {"1.2.3", false, 0},   {"1e5", false, 0},
        {"1,5", false, 0},       {" 1.5", false, 0},     {"1.5 2", false, 0},
        {"1" + std::string(400, '0'), false, 0},
    };
    for (const Fall& f : faelle) {
        double w = -99;
        EXPECT_EQ(leseKartenZahl(f.feld, w), f.gut) << f.feld;
        if (f.gut) {
            EXPECT_DOUBLE_EQ(w, f.wert) << f.feld;
        }
    }
}

TEST(KartenLeser, ShortNumbersReadExactlyAsTheFullConversion)
{
    // Short numbers take a quick route; it must give the correctly rounded value bit for bit.
    std::vector<std::string> felder = {"0.1",  "0.3",         "52.52",           "-179.99",          "123456789012345",
                                       "1234567890123456", "9007199254740993", "0.000000000000001", "4.35",
                                       "0.0000000000000001", "89.999999999999", "1.7976931348623157"};
    std::uint64_t x = 88172645463325252ull;
    for (int i = 0; i < 2000; ++i) {
        x ^= x << 13, x ^= x >> 7, x ^= x << 17;
        std::string z = std::to_string(x % 100000000000000000ull);
        z.insert(z.size() - static_cast<std::size_t>(x % 16) % z.size(), ".");
        felder.push_back(z);
    }
    for (const std::string& f : felder) {
        double schnell = 0;
        double voll = 0;
        ASSERT_TRUE(leseKartenZahl(f, schnell)) << f;
        std::from_chars(f.data(), f.data() + f.size(), voll);
        EXPECT_EQ(schnell, voll) << f;
    }
}

TEST(KartenLeser, FieldsOfAPointLine)
{
    struct Fall {
        std::string zeile, erstes, zweites;
    };
    const Fall faelle[] = {
        {"13.40\t52.52", "13.40", "52.52"},
        {"13.40 , 52.52 x", "13.40", "52.52 x"},
        {"-0.5E 47.25N", "-0.5", "47.25N"},
        {"  13.40 52.52", "", "13.40 52.52"},
        {"13.40", "13.40", ""},
        // at most 40 characters follow the first field
        {"1" + std::string(40, ' ') + "2.5", "1", ""},
        {"1" + std::string(39, ' ') + "2.5", "1", "2"},
    };
    for (const Fall& f : faelle) {
        const KartenFelder k = zerlegeKartenZeile(f.zeile);
        EXPECT_EQ(k.erstes, f.erstes) << f.zeile;
        EXPECT_EQ(k.zweites, f.zweites) << f.zeile;
    }
}

TEST(KartenLeser, MapFilesAreFoundWithoutRegardToCase)
{
    const auto ordner = frischerOrdner("KartenLeser-Suche");
    schreibe(ordner / "GrenzenUmb.dat", "1.00 2.00\n");
    schreibe(ordner / "coastUmb.dat", "1.00 2.00\n");
    schreibe(ordner / "COASTUMB.DAT", "1.00 2.00\n");
    std::filesystem::create_directory(ordner / "grenzenumb.DAT"); // a folder is no map file

    const auto grenzen = findeKartenDatei(ordner, kGrenzenDateiName);
    ASSERT_TRUE(grenzen.has_value());
    EXPECT_EQ(grenzen->filename(), "GrenzenUmb.dat");

    const auto kueste = findeKartenDatei(ordner, kKuestenDateiName);
    ASSERT_TRUE(kueste.has_value());
    EXPECT_EQ(kueste->filename(), "coastUmb.dat"); // the exact spelling wins

    EXPECT_FALSE(findeKartenDatei(ordner, "fehlt.dat").has_value());
    EXPECT_FALSE(findeKartenDatei(ordner / "gibt-es-nicht", kKuestenDateiName).has_value());
}
