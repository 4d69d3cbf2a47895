#include "drawing/KartenText.h"

#include "core/SafeSave.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace umbrin;

namespace {

std::string mapFile(const char* name)
{
    std::string bytes, error;
    EXPECT_TRUE(readFileBytes(std::filesystem::path(UMBRIN_SOURCE_DIR) / "resources" / "map" / name, bytes, error))
        << error;
    return bytes;
}

std::string joinLines(const std::vector<std::string>& lines, std::size_t von, std::size_t bis)
{
    std::string text;
    for (std::size_t i = von; i < bis; ++i)
        text += lines[i] + "\n";
    return text;
}

// "-12.34<TAB>56.78": a sign only when negative, two decimals, no other characters.
bool isPointLine(const std::string& z)
{
    const auto tab = z.find('\t');
    if (tab == std::string::npos)
        return false;
    auto zahl = [](std::string_view s) {
        if (!s.empty() && s.front() == '-')
            s.remove_prefix(1);
        const auto punkt = s.find('.');
        if (punkt == std::string_view::npos || punkt == 0 || s.size() - punkt != 3)
            return false;
        for (std::size_t i = 0; i < s.size(); ++i)
            if (i != punkt && (s[i] < '0' || s[i] > '9'))
                return false;
        return true;
    };
    return zahl(std::string_view(z).substr(0, tab)) && zahl(std::string_view(z).substr(tab + 1));
}

} // namespace

TEST(KartenText, BuiltInTextIsTheShippedMapFile)
{
    const std::vector<std::string> text = ladeKartenText();
    EXPECT_EQ(joinLines(text, 0, text.size()), mapFile("karte.txt"));

    // The map files of the program folder hold the same two parts.
    const KartenBereich kueste = kartenBereich(text, true);
    const KartenBereich grenzen = kartenBereich(text, false);
    EXPECT_EQ(joinLines(text, kueste.von, kueste.bis), mapFile("coastUmb.dat"));
    EXPECT_EQ(joinLines(text, grenzen.von, grenzen.bis), mapFile("grenzenUmb.dat"));
}

TEST(KartenText, BuiltInTextHasTheMapLayout)
{
    const std::vector<std::string> text = ladeKartenText();
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.front(), "> -b");
    const KartenBereich kueste = kartenBereich(text, true);
    ASSERT_LT(kueste.bis, text.size());
    EXPECT_EQ(text[kueste.bis], "Grenze");
    EXPECT_EQ(text[kueste.bis + 1], "> -b");

    std::size_t polylinien = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == kueste.bis)
            continue;
        if (text[i] == "> -b") {
            ++polylinien;
            ASSERT_TRUE(i + 2 < text.size() && isPointLine(text[i + 1]) && isPointLine(text[i + 2]))
                << "a polyline of fewer than two points at line " << i;
        } else {
            ASSERT_TRUE(isPointLine(text[i])) << "line " << i << ": " << text[i];
        }
    }
    // A world map at the density the overlay was designed for: about 20,000 coastline lines.
    EXPECT_GT(kueste.bis, 15000u);
    EXPECT_LT(kueste.bis, 26000u);
    EXPECT_GT(polylinien, 1000u);
}

TEST(KartenText, EveryPointReadsAndLiesOnTheEarth)
{
    const std::vector<std::string> text = ladeKartenText();
    for (bool kuesten : {true, false}) {
        const KartenLesung voll = leseKartenBereich(text, kuesten, kKartenTextRegelBild);
        const KartenLesung imFenster = leseKartenBereich(text, kuesten, kKartenTextRegelPlot, KartenFenster{});
        EXPECT_EQ(voll.fehler.anzahl, 0u);
        EXPECT_EQ(imFenster.punkte, voll.punkte);
        EXPECT_EQ(imFenster.polylinien.size(), voll.polylinien.size());
    }
    // Berlin lies inside Germany's borders: some border point within a few degrees.
    const KartenLesung grenzen = leseKartenBereich(text, false, kKartenTextRegelBild);
    bool nahe = false;
    for (const auto& pl : grenzen.polylinien)
        for (const KartenPunkt& p : pl)
            nahe = nahe || (std::abs(p.breite - 52.5) < 3 && std::abs(p.laenge + 13.4) < 3);
    EXPECT_TRUE(nahe);
}

TEST(KartenText, RangesAroundTheBorderLine)
{
    const std::vector<std::string> text = {"> -b", "1.00\t2.00", "3.00\t4.00", "Grenze", "> -b", "5.00\t6.00", "7.00\t8.00"};
    EXPECT_EQ(kartenBereich(text, true).von, 0u);
    EXPECT_EQ(kartenBereich(text, true).bis, 3u);
    EXPECT_EQ(kartenBereich(text, false).von, 4u);
    EXPECT_EQ(kartenBereich(text, false).bis, 7u);

    // The coastline part never reads "Grenze" or what follows it.
    const KartenLesung kueste = leseKartenBereich(text, true, kKartenTextRegelBild);
    ASSERT_EQ(kueste.polylinien.size(), 1u);
    EXPECT_EQ(kueste.punkte, 2u);
    EXPECT_DOUBLE_EQ(kueste.polylinien[0][1].laenge, -3.0);
    const KartenLesung grenzen = leseKartenBereich(text, false, kKartenTextRegelBild);
    EXPECT_EQ(grenzen.punkte, 2u);
    EXPECT_DOUBLE_EQ(grenzen.polylinien[0][0].breite, 6.0);

    const std::vector<std::string> ohneGrenze = {"> -b", "1.00\t2.00"};
    EXPECT_EQ(kartenBereich(ohneGrenze, true).bis, 2u);
    EXPECT_EQ(kartenBereich(ohneGrenze, false).von, kartenBereich(ohneGrenze, false).bis);
}
