#include "shell/JpegBild.h"
#include "shell/JpegSchreiber.h"
#include "support/LangsamesJpeg.h"

#include <gtest/gtest.h>

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

TEST(JpegBild, APictureThatWouldTakeTooMuchWorkIsRefused)
{
    std::atomic<bool> halt{true};
    struct Fall {
        int seite, wiederholungen;
        const std::atomic<bool>* halt;
        const char* fehler; // nullptr: decoded
    } faelle[] = {
        {64, 6, nullptr, nullptr},          // 60 scans
        {64, 7, nullptr, "too many scans"}, // 70 scans
        {64, 1, &halt, "decoding stopped"},
        {4736, 1, nullptr, "Backing store"}, // its coefficients alone pass the memory budget
    };
    for (const Fall& f : faelle) {
        const auto daten = test::langsamesJpeg(f.seite, f.wiederholungen);
        std::string fehler;
        const auto bild = dekodiereJpeg(daten, fehler, f.halt);
        EXPECT_EQ(bild.has_value(), f.fehler == nullptr) << f.seite << " " << fehler;
        if (f.fehler) {
            EXPECT_NE(fehler.find(f.fehler), std::string::npos) << fehler;
        }
    }
}

// The program quits while its start picture is decoded on a worker: the decoder gives up at
// once instead of finishing a picture nobody will see.
TEST(JpegBild, QuittingDuringASlowDecodeStopsItWithinASecond)
{
    const auto daten = test::langsamesJpeg(4096, 6); // 60 scans over 16 million pixels
    std::atomic<bool> halt{false};
    std::thread quit([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        halt = true;
    });
    std::string fehler;
    const auto start = std::chrono::steady_clock::now();
    const auto bild = dekodiereJpeg(daten, fehler, &halt);
    const auto dauer = std::chrono::steady_clock::now() - start;
    quit.join();
    EXPECT_FALSE(bild);
    EXPECT_EQ(fehler, "decoding stopped");
    EXPECT_LT(dauer, std::chrono::seconds(1));
}
