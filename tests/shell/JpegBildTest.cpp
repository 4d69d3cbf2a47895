#include "shell/JpegBild.h"
#include "shell/JpegSchreiber.h"

#include <gtest/gtest.h>
#include <jpeglib.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <cstdlib>
#include <fstream>
#include <iterator>

using namespace umbrin;

namespace {
std::vector<std::uint8_t> saat(const std::string& name)
{
    std::ifstream in(std::string(UMBRIN_SOURCE_DIR) + "/fuzz/seeds/fuzz_jpeg/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
} // namespace

TEST(JpegBild, DecodesWhatItCanAndRefusesTheRestWithAReason)
{
    struct Fall { const char* datei; bool ok; int breite, hoehe; };
    for (const Fall f : {Fall{"farbe.jpg", true, 16, 12}, Fall{"grau.jpg", true, 16, 12},
                         Fall{"progressiv.jpg", true, 24, 8}, Fall{"cmyk.jpg", false, 0, 0},
                         Fall{"gross.jpg", false, 0, 0}}) {
        const auto daten = saat(f.datei);
        ASSERT_FALSE(daten.empty()) << f.datei;
        std::string fehler;
        const auto bild = dekodiereJpeg(daten, fehler);
        EXPECT_EQ(bild.has_value(), f.ok) << f.datei << ": " << fehler;
        if (bild) {
            EXPECT_EQ(bild->breite, f.breite);
            EXPECT_EQ(bild->hoehe, f.hoehe);
            EXPECT_EQ(bild->rgb.size(), std::size_t(f.breite * f.hoehe * 3));
        } else {
            EXPECT_FALSE(fehler.empty()) << f.datei;
        }
    }
    std::string fehler;
    EXPECT_FALSE(dekodiereJpeg({}, fehler));
    const std::vector<std::uint8_t> muell = {0xFF, 0xD8, 0xFF, 0x00, 'x', 'y'};
    EXPECT_FALSE(dekodiereJpeg(muell, fehler));
    EXPECT_FALSE(fehler.empty());
}

TEST(JpegBild, ACutFileNeverEndsTheProcess)
{
    const auto ganz = saat("farbe.jpg");
    for (std::size_t n = 1; n < ganz.size(); n += 7) {
        std::string fehler;
        const auto bild = dekodiereJpeg(std::span(ganz.data(), n), fehler);
        if (bild)
            EXPECT_EQ(bild->rgb.size(), std::size_t(bild->breite * bild->hoehe * 3));
        else
            EXPECT_FALSE(fehler.empty());
    }
}

TEST(JpegBild, FlatColourBlocksSurviveTheRoundTripWithoutSubsampling)
{
    // Four 16-pixel blocks of saturated colours: with subsampled chroma the red and blue edges
    // would bleed; at full chroma resolution each block keeps its colour.
    JpegBild bild{64, 16, {}};
    const std::uint8_t farben[4][3] = {{255, 0, 0}, {0, 0, 255}, {0, 160, 0}, {255, 255, 255}};
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 64; ++x)
            for (int c = 0; c < 3; ++c)
                bild.rgb.push_back(farben[x / 16][c]);
    std::string fehler;
    const std::string bytes = kodiereJpeg(bild, 90, fehler);
    ASSERT_FALSE(bytes.empty()) << fehler;
    const auto zurueck =
        dekodiereJpeg(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), fehler);
    ASSERT_TRUE(zurueck);
    ASSERT_EQ(zurueck->rgb.size(), bild.rgb.size());
    for (std::size_t i = 0; i < bild.rgb.size(); ++i)
        EXPECT_LE(std::abs(int(zurueck->rgb[i]) - int(bild.rgb[i])), 8) << i;
    EXPECT_TRUE(kodiereJpeg(JpegBild{}, 90, fehler).empty());
}

namespace {

// A progressive picture of one flat grey, every colour at full resolution, whose scans (with their tables: from the first
// table or scan after the frame header to the end marker) come `mal` times. The scans are the usual ten, or `scans` of
// them (1 to 66): the DC scan, then the first colour's AC coefficients one by one, then the other colours' AC bands.
std::vector<std::uint8_t> vieleScans(int seite, int mal, int scans = 0)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr fehler{};
    info.err = jpeg_std_error(&fehler);
    jpeg_create_compress(&info);
    unsigned char* puffer = nullptr;
    unsigned long groesse = 0;
    jpeg_mem_dest(&info, &puffer, &groesse);
    info.image_width = info.image_height = static_cast<JDIMENSION>(seite);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    info.comp_info[0].h_samp_factor = info.comp_info[0].v_samp_factor = 1;
    jpeg_simple_progression(&info);
    std::vector<jpeg_scan_info> skript;
    if (scans > 0) {
        skript.push_back({3, {0, 1, 2, 0}, 0, 0, 0, 0});
        for (int k = 1; k < scans; ++k)
            skript.push_back(k < 64 ? jpeg_scan_info{1, {0}, k, k, 0, 0} : jpeg_scan_info{1, {k - 63}, 1, 63, 0, 0});
        info.scan_info = skript.data();
        info.num_scans = scans;
    }
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> zeile(static_cast<std::size_t>(seite) * 3, 128);
    for (JSAMPROW z = zeile.data(); info.next_scanline < info.image_height;)
        jpeg_write_scanlines(&info, &z, 1);
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    const std::vector<std::uint8_t> ganz(puffer, puffer + groesse);
    std::free(puffer);
    std::size_t a = 2;
    while (ganz[a + 1] != 0xC4 && ganz[a + 1] != 0xDA)
        a += 2 + (std::size_t(ganz[a + 2]) << 8 | ganz[a + 3]);
    std::vector<std::uint8_t> bytes(ganz.begin(), ganz.begin() + std::ptrdiff_t(a));
    for (int i = 0; i < mal; ++i)
        bytes.insert(bytes.end(), ganz.begin() + std::ptrdiff_t(a), ganz.end() - 2);
    bytes.insert(bytes.end(), {0xFF, 0xD9});
    return bytes;
}

} // namespace

TEST(JpegBild, APictureThatWouldTakeTooMuchWorkIsRefused)
{
    // 64 and 65 scans either side of the limit, 70 as seven passes of the usual ten; over the memory budget.
    const struct { int seite, mal, scans; const char* fehler; } faelle[] = {
        {64, 1, 64, ""}, {64, 1, 65, "too many scans"}, {64, 7, 0, "too many scans"}, {4800, 1, 0, "Backing store"}};
    for (const auto& f : faelle) {
        std::string fehler;
        EXPECT_EQ(dekodiereJpeg(vieleScans(f.seite, f.mal, f.scans), fehler).has_value(), !*f.fehler) << f.seite << fehler;
        EXPECT_NE(fehler.find(f.fehler), std::string::npos) << fehler;
    }
}

// The program quits while its start picture is decoded on a worker: the decoder gives up
// within a second instead of finishing a picture nobody will see.
TEST(JpegBild, QuittingDuringASlowDecodeStopsItWithinASecond)
{
    const auto daten = vieleScans(4096, 6); // 60 scans over 16 million pixels: about half a second
    std::atomic<bool> halt{false};
    std::thread quit([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        halt = true;
    });
    std::string fehler;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(dekodiereJpeg(daten, fehler, &halt));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    quit.join();
    EXPECT_EQ(fehler, "decoding stopped");
}
