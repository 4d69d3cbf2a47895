// Composing the settings text: its layout, the kept colours, the date lines, and the line
// reader that every settings-file reader shares.
#include "dialogs/IniText.h"

#include "IniTestHilfen.h"
#include "dialogs/IniLesen.h"

#include <gtest/gtest.h>

using namespace umbrin;
using namespace umbrin::testing;

namespace {

// The option line of a state, built position by position from the layout of the settings
// file (positions 0 to 37): flags as 'j' or 'n', digits and characters as they are, and at
// position 12 the time display ('2' temporal, '1' zone time, '0' local time).
std::string optionszeile(const AppState& s)
{
    const TSchalter& c = s.Schalter;
    const auto j = [](std::uint8_t f) { return f ? 'j' : 'n'; };
    const auto z = [](int d) { return static_cast<char>('0' + d); };
    const char zeit = c.TemporalAnzeige ? '2' : c.Zonenzeit ? '1' : '0';
    const std::string zeile = {
        c.Datumslinien,         c.EotIntervall,       j(c.BisFusspunkt),    j(c.MozGerade),          // 0-3
        j(c.OhneZeitgl),        j(c.Analemma),        j(c.Babylonisch),     j(c.Italienisch),        // 4-7
        j(c.Sonnenhoehe),       j(c.Temporalstunden), j(c.QuadrantGespiegelt), j(c.MitZeitglAzimut), // 8-11
        zeit,                   j(c.Zeitablesung),    j(c.OhneLaengenkorrektur), j(c.Monatsskala),   // 12-15
        j(c.MitZeitglZylinder), j(c.Ortszeit),        c.StundenIntervall,   j(c.HidokaiVertikal),    // 16-19
        j(c.Ganzjaehrig),       j(c.OrtszeitAnzeige), j(c.Poldreieck),      j(c.MitZeitgl),          // 20-23
        z(c.AnalemmaMarken),    j(c.Analemma),        j(c.ZodiakSkala),     z(c.RingExakt),          // 24-27
        j(c.ZwoelfUhrHorizontal), z(c.Linienstaerke), j(c.Option57),        j(c.Position2Vertikal),  // 28-31
        z(c.Ebene),             z(c.Hoehenkreise),    z(c.AzimutKreise),    z(c.QuadrantSkala),      // 32-35
        j(c.GanzeTageslaenge),  j(c.TemporalVerlaengern),                                            // 36-37
    };
    return zeile;
}

} // namespace

TEST(IniTextErstellen, TheStartStateGivesThisText)
{
    const std::vector<std::string> expected = {
        "2020",
        " 47.250000;       47.25",
        " -9.590000;      -15.00",
        "      -15.00",
        " 35.00; 51.00;  250.00;    270",
        "70,180,120,25,100,150, 200.0",
        " -11.700000; 78.300000",
        "  25.458900; 47.250000; 12.000000",
        "13;  90.0;   5.00;   0",
        optionszeile(startedState()),
        "v",
        "8",
        "19",
        "Djjjj",
        "true",
        "   0.350000; 150.00;  80.00; 30.0",
        "    2.0;    32;  -0.8749", // the Habermel gnomon, still 0 before any file, as the reader's default
        "   0.00;  11.72; -11.72",
        "[Farben]",
        "0", "16711680", "255", "8388608", "32896", "32768", "16776960", "8421504", "65280", "16711935", "8421504",
        "10543327",
        "[Zeiten]",
        "9", "17", "0", "20", "5", "24", "1", "11", "20", "70", "10", "18", "1", "6",
        "010100",
        "[Datumslinien]",
    };
    EXPECT_EQ(composedLines(startedState()), expected);
    EXPECT_EQ(expected[9].size(), 38u);
}

TEST(IniTextErstellen, LineSixteenCarriesTheHabermelGnomonAndEveryDateLineIsWritten)
{
    AppState s = startedState();
    s.Par.HabermelGnomon = 40;
    s.Par.HabermelDurchmesser = 180;
    s.Farben[0] = 0xFF00000F;    // a system colour of older files: written signed
    s.Schalter.Linienstaerke = 12; // a byte beyond one digit must not shift the options
    for (int i = 0; i < 300; ++i)
        s.Datumslinien.push_back(std::to_string(1 + i % 28) + "/" + std::to_string(1 + i % 12));
    s.Datumslinien.push_back("");
    s.Datumslinien.push_back("31/04");
    IniPrompt prompt;
    std::vector<std::string> l;
    IniTextErstellen(s, false, l, prompt);
    ASSERT_EQ(l.size(), 48u + 300u);
    EXPECT_EQ(l[5], "70,180,120,25,100,150, 180.0");
    EXPECT_EQ(l[16], "   40.0;    32;  -0.8749");
    EXPECT_EQ(l[19], "-16777201");
    EXPECT_EQ(l[9].size(), 38u);
    EXPECT_EQ(l[9][29], '9');
    EXPECT_EQ(l.back(), s.Datumslinien[299]);
    // The empty entry is dropped silently, the invalid one with its report.
    ASSERT_EQ(prompt.asked.size(), 1u) << allTexts(prompt);
    EXPECT_EQ(prompt.asked[0].text, "Datum fehlerhaft!: 31/04");
}

TEST(IniTextErstellen, KeepingTheColoursOfTheSettingsFile)
{
    struct Case {
        const char* name;
        std::vector<std::string> file; // empty: no file at all
        std::array<Farbe, 12> expected;
    };
    const std::array<Farbe, 12> current = startedState().Farben;
    std::array<Farbe, 12> none255;
    none255.fill(255);
    std::array<Farbe, 12> partly = current;
    partly = {1, 2, 0, 4, 255, 255, 255, 255, 255, 255, 255, 255};
    const Case cases[] = {
        {"no file", {}, current},
        {"no colour section", {"2020", "[Zeiten]", "1"}, current},
        {"twelve colours",
         {"x", "[Farben]", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "[Zeiten]"},
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {"header on the last line", {"x", "[Farben]"}, none255},
        {"short and faulty", {"[Farben]", "1", "2", "blau", "4"}, partly},
    };
    for (const Case& c : cases) {
        TempDir dir;
        AppState s = startedState();
        s.IniDatei = (dir / "umb.ini").string();
        if (!c.file.empty())
            writeLines(s.IniDatei, c.file);
        IniPrompt prompt;
        std::vector<std::string> l;
        IniTextErstellen(s, true, l, prompt);
        EXPECT_TRUE(prompt.asked.empty()) << c.name << allTexts(prompt);
        std::array<Farbe, 12> written{};
        for (std::size_t k = 0; k < 12; ++k)
            written[k] = static_cast<Farbe>(std::stoll(l[19 + k]));
        EXPECT_EQ(written, c.expected) << c.name;
    }
}

TEST(IniTextZeilen, LineEndsAndEncodings)
{
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"a\r\n", {"a"}},
        {"a\r\n\r\n", {"a", ""}},
        {"", {}},
        {"\n", {""}},
        {"21/03    ( 21. M\xE4rz )\r\n", {"21/03    ( 21. März )"}},
        {"\xEF\xBB\xBF" "21/03    ( 21. M\xC3\xA4rz )\n", {"21/03    ( 21. März )"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IniTextZeilen(c.bytes), c.lines) << c.bytes;
    EXPECT_EQ(IniTextBytes({"M\xC3\xA4rz", ""}), "M\xE4rz\r\n\r\n");
}
