// Reading elevation tiles: the header and what is derived from it, rows with faulty values,
// the interpolated height of a row, and the announcement's naming of the cell size.
#include "tables/Hoehengitter.h"
#include "tables/BerechneHorizont.h"
#include "tables/HorizontTexte.h"

#include "support/TestOrdner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace umbrin;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool unterAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool unterAddressSanitizer = true;
#else
constexpr bool unterAddressSanitizer = false;
#endif
#else
constexpr bool unterAddressSanitizer = false;
#endif

std::vector<std::string> kopf(const char* nrows, const char* zelle, const char* xll = "9", const char* yll = "47")
{
    return {"ncols 3601", std::string("nrows ") + nrows, std::string("xllcorner ") + xll,
            std::string("yllcorner ") + yll, std::string("cellsize ") + zelle, "NODATA_value -9999"};
}

// The process's peak memory in kB.
long spitzenSpeicherKb()
{
    std::ifstream status("/proc/self/status");
    for (std::string zeile; std::getline(status, zeile);)
        if (zeile.starts_with("VmHWM:"))
            return std::stol(zeile.substr(6));
    return 0;
}

} // namespace

TEST(Hoehengitter, HeaderGivesCellSizeRowsAndEdges)
{
    struct Fall {
        std::vector<std::string> zeilen;
        long double zelle;
        int zeilenzahl, grad;
        long double nord, west;
        bool einBs;
    } faelle[] = {
        {kopf("3601", "0.000278"), 1.0L / 3600, 3600, 1, 48, 9, true},
        {kopf("1201", "0.000833333"), static_cast<long double>(0.000833333), 1200, 1, 48, 9, false},
        {kopf("1200", "0,000833333333", "-10", "-48"), static_cast<long double>(0.000833333333), 1200, 1, -47, -10, false},
        {kopf("7201", "0.000278", "9.00013", "46.99986"), 1.0L / 3600, 7200, 2, 49, 9, true},
    };
    for (const Fall& f : faelle) {
        const Kopflesung l = leseKachelkopf(f.zeilen, "t.asc", 1);
        ASSERT_TRUE(l.kopf) << l.fehler;
        const Kachelkopf& k = *l.kopf;
        EXPECT_EQ(k.Zellgroesse, f.zelle);
        EXPECT_EQ(k.Zeilenzahl, f.zeilenzahl);
        EXPECT_EQ(k.ersteZeileWeg, f.zeilenzahl != std::stoi(f.zeilen[1].substr(6)));
        EXPECT_EQ(k.Kachelgrad, f.grad);
        EXPECT_NEAR(static_cast<double>(k.Nordrand), static_cast<double>(f.nord), 1e-12);
        EXPECT_NEAR(static_cast<double>(k.Westrand), static_cast<double>(f.west), 1e-12);
        EXPECT_EQ(k.einBogensekunde(), f.einBs);
        EXPECT_NE(ankuendigungText(47.5, 9.5, k, {}, 2).find(f.einBs ? "1 arcsec" : "3 arcsec"), std::string::npos);
    }
}

TEST(Hoehengitter, FaultyHeadersAreRefusedNamingFileAndLine)
{
    struct Fall {
        std::vector<std::string> zeilen;
        const char* erwartet;
    } faelle[] = {
        {{"ncols 10"}, "Zeile 2"},
        {kopf("abc", "0.000278"), "Zeile 2"},
        {kopf("0", "0.000278"), "Zeilenzahl"},
        {kopf("3601", "-1"), "Zellgröße"},
        {kopf("3601", "0.000278", "9", "95"), "Lage"},
        {kopf("100", "0.000278"), "ein Grad"},
        {{"nrows 5", "ncols 5", "xllcorner 0", "yllcorner 0", "cellsize 1", "NODATA_value 0"}, "Zeile 1"},
        // Extents that are not on the earth: past the north pole or the date line, and a grid
        // 100,000 degrees tall or wide.
        {kopf("3601", "0.000278", "9", "89.5"), "über die Erde"},
        {kopf("3601", "0.000278", "179.5"), "über die Erde"},
        {{"ncols 2", "nrows 100000", "xllcorner 0", "yllcorner 0", "cellsize 1", "NODATA_value 0"}, "über die Erde"},
        {{"ncols 100000", "nrows 2", "xllcorner 0", "yllcorner 0", "cellsize 1", "NODATA_value 0"}, "über die Erde"},
    };
    for (const Fall& f : faelle) {
        const Kopflesung l = leseKachelkopf(f.zeilen, "kaputt.asc", 1);
        EXPECT_FALSE(l.kopf);
        EXPECT_NE(l.fehler.find(f.erwartet), std::string::npos) << l.fehler;
        EXPECT_NE(l.fehler.find("kaputt.asc"), std::string::npos);
    }
}

TEST(Hoehengitter, TilesAtTheEdgesOfTheEarthAreAccepted)
{
    // Edges half a cell outside whole degrees, as published tiles have them.
    for (const auto& zeilen : {kopf("3601", "0.000278", "178.99986", "88.99986"), kopf("3601", "0.000278", "-180", "-90"),
                               kopf("1201", "0.000833333", "-180", "89")}) {
        const Kopflesung l = leseKachelkopf(zeilen, "rand.asc", 2);
        EXPECT_TRUE(l.kopf) << l.fehler;
    }
}

TEST(Hoehengitter, RowsAreReadValueByValueAndFaultsBecomeNoData)
{
    struct Fall {
        const char* zeile;
        std::vector<std::int32_t> werte;
        bool fehlerhaft;
    } faelle[] = {
        {"1 -2 300\r", {1, -2, 300}, false},
        {"  7\t8  ", {7, 8}, false},
        {"12.5 13.6 -0.4", {12, 14, 0}, false},
        {"5 x 6", {5, -9999, 6}, true},
        {"99999999999 1", {-9999, 1}, true},
        {"- 4", {-9999, 4}, true},
        {"-1000000000 -12001 -12000 12000 12001", {-9999, -9999, -12000, 12000, -9999}, false}, // beyond the earth
        {"", {}, false},
    };
    std::vector<std::int32_t> werte;
    for (const Fall& f : faelle) {
        const Zeilenwerte z = leseGitterzeile(f.zeile, -9999, werte);
        EXPECT_EQ(werte, f.werte) << f.zeile;
        EXPECT_EQ(z.fehlerhaft, f.fehlerhaft) << f.zeile;
    }
}

TEST(Hoehengitter, LeseZahlInterpolatesWithinTheRowAndStaysInside)
{
    struct Fall {
        std::int32_t spalte;
        long double anteil;
        std::optional<std::int32_t> erwartet;
    } faelle[] = {
        {0, 0.25L, 125}, {1, 0.5L, 250}, {2, 0.9L, 300}, // last column: no neighbour
        {3, 0.0L, std::nullopt}, {-1, 0.0L, std::nullopt}, {4, 0.5L, std::nullopt},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(LeseZahl("100 200 300", f.spalte, f.anteil, -9999), f.erwartet) << f.spalte;
    EXPECT_EQ(LeseZahl("100 -9999", 0, 0.5L, -9999), 100);
    EXPECT_EQ(LeseZahl("-9999 100", 0, 0.5L, -9999), std::nullopt);
    EXPECT_EQ(ErsetzeText("1.5.5", ".", ","), "1,5.5");
}

// A byte-order mark at the start of a file is read as if it were not there (a tile saved by an
// editor that writes one); one further in is part of its line.
TEST(Hoehengitter, LineReaderKeepsLongLinesWholeAndDropsLineEnds)
{
    const test::TestOrdner ordner;
    const auto datei = ordner / "zeilenleser.txt";
    const std::string lang(3'000'000, '7');
    for (const std::string vorn : {"", "\xEF\xBB\xBF"}) {
        std::ofstream(datei, std::ios::binary) << vorn << "a\r\n" << lang << "\n\xEF\xBB\xBFletzte";
        Zeilenleser l;
        ASSERT_TRUE(l.oeffne(datei));
        std::string_view z;
        std::vector<std::string> zeilen;
        while (l.naechsteZeile(z))
            zeilen.emplace_back(z);
        ASSERT_EQ(zeilen.size(), 3u);
        EXPECT_EQ(zeilen[0], "a");
        EXPECT_EQ(zeilen[1], lang);
        EXPECT_EQ(zeilen[2], "\xEF\xBB\xBFletzte");
        EXPECT_EQ(l.gelesen(), l.groesse());
        EXPECT_FALSE(l.oeffne(datei.string() + ".fehlt"));

        std::ofstream kachel(ordner / "N47E009.asc", std::ios::binary);
        kachel << vorn;
        for (const std::string& zeile : kopf("3601", "0.000278"))
            kachel << zeile << "\r\n";
        kachel.close();
        Kachelkopf k;
        std::string fehler;
        ASSERT_TRUE(leseKachelkopfDatei((ordner / "N47E009.asc").string(), 2, k, fehler)) << fehler;
        EXPECT_EQ(k.Zeilenzahl, 3600);
        EXPECT_EQ(k.Nordrand, 48);
    }
}

TEST(Hoehengitter, LineReaderStopsAtTheLimitWhileTheFileGrowsAndCutsAHeaderLine)
{
    const test::TestOrdner ordner;
    const auto datei = ordner / "waechst.asc";
    std::ofstream(datei, std::ios::binary) << std::string(3'000'000, '7') << "\nzwei" << std::string(300, ' ') << "\n";
    Zeilenleser l;
    ASSERT_TRUE(l.oeffne(datei));
    std::string_view z;
    ASSERT_TRUE(l.naechsteZeile(z, 200));
    EXPECT_EQ(z, std::string(200, '7'));
    ASSERT_TRUE(l.naechsteZeile(z, 200));
    EXPECT_EQ(z, "zwei" + std::string(196, ' '));
    EXPECT_EQ(l.gelesen(), l.groesse());

    // Opened within a limit of 4000 bytes, then grown to 40000 while it is read.
    std::ofstream(datei, std::ios::binary) << "ncols 10\n";
    ASSERT_TRUE(l.oeffne(datei, false, 4000));
    std::ofstream(datei, std::ios::binary | std::ios::app) << std::string(40000, '1');
    std::size_t bytes = 0;
    while (l.naechsteZeile(z))
        bytes += z.size() + 1;
    EXPECT_LE(bytes, 4001u);
    EXPECT_NE(l.fehler().find("too large"), std::string::npos) << l.fehler();

    // A file of 33 MB, the limit, that is one line without an end: the buffer grows to the
    // limit, never to the next power of two. At its last step the old 32 MB and the new buffer
    // live side by side; a buffer of 64 MB would take the process's peak to 96 MB.
    constexpr std::uintmax_t grenze = 33 << 20;
    std::ofstream(datei, std::ios::binary).close();
    std::filesystem::resize_file(datei, grenze);
    std::ofstream("/proc/self/clear_refs") << "5"; // the peak memory starts again from what is in use
    const long vorher = spitzenSpeicherKb();
    ASSERT_TRUE(l.oeffne(datei, false, grenze));
    ASSERT_TRUE(l.naechsteZeile(z));
    EXPECT_EQ(z.size(), grenze);
    // Under AddressSanitizer freed buffers wait in its quarantine, so the peak holds them all.
    if (!unterAddressSanitizer) {
        EXPECT_LT(spitzenSpeicherKb() - vorher, static_cast<long>(grenze * 5 / 2 / 1024));
    }
    EXPECT_FALSE(l.naechsteZeile(z));
    EXPECT_EQ(l.fehler(), "");
}
