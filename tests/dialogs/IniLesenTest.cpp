// Reading the settings file: the line-by-line rules, the messages, and what the questions
// leave on disk.
#include "dialogs/IniLesen.h"
#include "core/Sprachdienst.h"

#include "IniTestHilfen.h"
#include "core/TextEncoding.h"

#include <gtest/gtest.h>

#include "core/Sonne.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <tuple>

using namespace umbrin;
using namespace umbrin::testing;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> folderEntries(const fs::path& dir)
{
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Composes the text of `source`, lets `edit` change its lines, writes it as `file` and reads
// it into `target`.
template <typename Edit>
IniLeseErgebnis readEdited(AppState& target, const AppState& source, const fs::path& file, IniPrompt& prompt,
                           Edit edit)
{
    std::vector<std::string> lines = composedLines(source);
    edit(lines);
    writeLines(file, lines);
    return LeseIni(target, file, true, true, prompt);
}

// The same in a folder of its own that goes when the reading is done.
template <typename Edit>
IniLeseErgebnis readEdited(AppState& target, const AppState& source, IniPrompt& prompt, Edit edit,
                           const char* name = "umb.ini")
{
    TempDir dir;
    return readEdited(target, source, dir / name, prompt, edit);
}

bool mentions(const IniPrompt& p, const std::string& part)
{
    return allTexts(p).find(part) != std::string::npos;
}

} // namespace

TEST(LeseIni, AComposedFileReadsBackWithoutAMessageAndTheRoundingOfItsFormat)
{
    TempDir dir;
    AppState quelle = startedState();
    quelle.Par.Breite = -33.8765432;
    quelle.Par.Breite2 = 47.256;          // second position to 0.01
    quelle.Par.Laenge2 = -15.004;
    quelle.Par.Zonenmeridian = -15.126;   // zone meridian to 0.01
    quelle.Par.Gnomonhoehe = 35.126;
    quelle.Par.DatumMitte = 90.04;        // date-line centre to 0.1
    quelle.Par.PeauParameter = -0.87494;  // Peaucellier parameter to 0.0001
    quelle.Par.HabermelGnomon = 12.34;
    quelle.Par.HabermelDurchmesser = 150.26;
    quelle.Par.RingAlpha = 30.04;
    quelle.Par.KegelNeigung = 147.0;
    quelle.UhrTyp = 'm';
    quelle.Schalter.Ebene = 2;
    quelle.Schalter.Zonenzeit = 1;
    quelle.Schalter.Ortszeit = 1; // position 17 says 'j', but position 12 ('1') decides
    setzeSprache(quelle, false);
    quelle.Farben[3] = 0xFF00000F;
    quelle.Datumslinien = {"21/03    ( 21. März )", "21/06    ( 21. Juni )", "21/12    ( 21. Dez )"};

    const std::vector<std::string> lines = composedLines(quelle);
    ASSERT_EQ(lines.size(), 48u + 3u);
    const fs::path file = dir / "myDial.umb";
    writeLines(file, lines);

    // On disk: Windows-1252, CR LF after every line.
    const std::string bytes = fileBytes(file);
    EXPECT_NE(bytes.find("21. M\xE4rz )\r\n"), std::string::npos);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 51);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 51);

    AppState s = startedState();
    IniPrompt prompt;
    const IniLeseErgebnis r = LeseIni(s, file, true, true, prompt);
    EXPECT_EQ(r.status, IniLeseStatus::Gelesen);
    EXPECT_TRUE(prompt.asked.empty()) << allTexts(prompt);

    EXPECT_DOUBLE_EQ(s.Par.Breite, -33.876543);
    EXPECT_DOUBLE_EQ(s.Par.Breite2, 47.26);
    EXPECT_DOUBLE_EQ(s.Par.Laenge2, -15.0);
    EXPECT_DOUBLE_EQ(s.Par.Zonenmeridian, -15.13);
    EXPECT_DOUBLE_EQ(s.Par.Gnomonhoehe, 35.13);
    EXPECT_DOUBLE_EQ(s.Par.DatumMitte, 90.0);
    EXPECT_DOUBLE_EQ(s.Par.PeauParameter, -0.8749);
    EXPECT_DOUBLE_EQ(s.Par.HabermelGnomon, 12.3); // its own value, not the diameter
    EXPECT_DOUBLE_EQ(s.Par.HabermelDurchmesser, 150.3);
    EXPECT_DOUBLE_EQ(s.Par.RingAlpha, 30.0);
    EXPECT_DOUBLE_EQ(s.Par.KegelNeigung, 147.0);
    EXPECT_EQ(s.UhrTyp, 'm');
    EXPECT_EQ(s.Schalter.Ebene, 2);
    EXPECT_EQ(s.Schalter.Zonenzeit, 1);
    EXPECT_EQ(s.Schalter.Ortszeit, 0);
    EXPECT_EQ(s.Deutsch, 0);
    EXPECT_EQ(s.Sprachspalte, 2);
    EXPECT_EQ(s.StringIdBasis, 2000);
    EXPECT_EQ(s.Farben, quelle.Farben);
    EXPECT_EQ(s.Datumslinien, quelle.Datumslinien);
    EXPECT_EQ(s.TypBasis, 72);

    // What was read composes to the very same text: nothing else moved.
    std::vector<std::string> again = composedLines(s);
    const std::vector<std::string>& expected = lines;
    EXPECT_EQ(again[9].substr(0, 17), expected[9].substr(0, 17));
    again[9][17] = expected[9][17];
    EXPECT_EQ(again, expected);
}

TEST(LeseIni, LatitudeLine)
{
    struct Case {
        const char* line;
        bool stops;
        double breite;
        double breite2;
    } cases[] = {
        {"90", false, 90, 20},
        {"90.5", true, 10, 20},
        {"-0.0000001", false, 1e-6, 20},
        {"0", false, 1e-6, 20},
        {"-90;  -45.50", false, -90, -45.5},
        {"0.000001;0.00", false, 1e-6, 0.0049}, // the second latitude keeps off the equator as the dialog stores it
        {"0.000001;-0.00", false, 1e-6, -0.0049}, // on its own side
        {"0.000001;-0.004", false, 1e-6, -0.0049},
        {"45;91", true, 10, 20},
        {"45 x", true, 10, 20},
        {"", true, 10, 20},
        {"Breite", true, 10, 20},
        {"1e308", true, 10, 20},
        {"4.7e1", true, 10, 20},
        {"0x2F", true, 10, 20},
        {"47,25", true, 10, 20},
    };
    for (const Case& c : cases) {
        AppState s = startedState();
        s.Par.Breite = 10;
        s.Par.Breite2 = 20;
        IniPrompt prompt; // declines the rebuild
        const IniLeseErgebnis r =
            readEdited(s, startedState(), prompt, [&](auto& l) { l[1] = c.line; });
        EXPECT_EQ(r.status, c.stops ? IniLeseStatus::Unveraendert : IniLeseStatus::Gelesen) << c.line;
        EXPECT_EQ(prompt.asked.size(), c.stops ? 1u : 0u) << c.line << allTexts(prompt);
        if (c.stops) {
            EXPECT_TRUE(mentions(prompt, "umb.ini : line 2\n\r")) << allTexts(prompt);
        }
        EXPECT_DOUBLE_EQ(s.Par.Breite, c.breite) << c.line;
        EXPECT_DOUBLE_EQ(s.Par.Breite2, c.breite2) << c.line;
    }
}

TEST(LeseIni, TypeLine)
{
    struct Case {
        const char* line;
        char typ;
        int schirm;
        int ebene, zylinder, hoehenuhr;
    } cases[] = {
        {"c1", 'm', 0, 5, 5, 5}, {"c0", 'c', 0, 5, 5, 5}, {"sv", 'v', 1, 5, 5, 5}, {"z2", 'z', 0, 5, 2, 5},
        {"b", 'b', 0, 5, 5, 5},  {"q1", 'q', 0, 5, 5, 1}, {"m1", 'm', 0, 1, 5, 5}, {"mx", 'm', 0, 0, 5, 5},
        {"z", 'z', 0, 5, 5, 5},  {"h", 'h', 0, 5, 5, 5},  {"", 'a', 1, 5, 5, 5},  {"o", 'o', 0, 5, 5, 5},
    };
    for (const Case& c : cases) {
        AppState s = startedState();
        s.UhrTyp = 'a';
        s.Schirmuhr = 1;
        s.Schalter.ZylinderArt = 5;
        s.Schalter.Hoehenuhrart = 5;
        s.SchinkenModus = 1;
        IniPrompt prompt;
        AppState quelle = startedState();
        quelle.Schalter.Ebene = 5; // so that the option line leaves 5 too
        readEdited(s, quelle, prompt, [&](auto& l) { l[10] = c.line; }, "a.umb");
        EXPECT_TRUE(prompt.asked.empty()) << c.line << allTexts(prompt);
        EXPECT_EQ(s.UhrTyp, c.typ) << c.line;
        EXPECT_EQ(s.Schirmuhr, c.schirm) << c.line;
        EXPECT_EQ(s.Schalter.Ebene, c.ebene) << c.line;
        EXPECT_EQ(s.Schalter.ZylinderArt, c.zylinder) << c.line;
        EXPECT_EQ(s.Schalter.Hoehenuhrart, c.hoehenuhr) << c.line;
        // The ham dial's letter turns ham mode on, any other letter off; no letter keeps it.
        EXPECT_EQ(s.SchinkenModus, *c.line == 0 || c.typ == 'o' ? 1 : 0) << c.line;
    }
}

TEST(LeseIni, OptionLineLengthsAndPositions)
{
    AppState quelle = startedState();
    quelle.Schalter.Hoehenkreise = 2;
    quelle.Schalter.GanzeTageslaenge = 0;
    quelle.Schalter.TemporalVerlaengern = 1;
    const std::string full = composedLines(quelle)[9];
    ASSERT_EQ(full.size(), 38u);

    struct Case {
        std::string line;
        int stopsAtLine; // 0: read to the end; a line that stops the reading changes nothing
        int hoehenkreise, ganzeTage, verlaengern, analemma, zonenzeit, ortszeit, temporal;
    };
    auto at = [&](std::size_t p, char c) {
        std::string l = full;
        l[p] = c;
        return l;
    };
    const Case cases[] = {
        {full, 0, 2, 0, 1, 1, 0, 1, 0},
        {full.substr(0, 33), 0, 1, 1, 0, 1, 0, 1, 0}, // 33 characters: the tail keeps its values
        {full.substr(0, 24), 10, 9, 1, 0, 7, 7, 7, 7}, // 24 characters: position 24 is missing
        {"   " + full, 0, 2, 0, 1, 1, 0, 1, 0},         // leading blanks are dropped
        {at(25, 'n'), 0, 2, 0, 1, 0, 0, 1, 0},          // position 25 decides the analemma
        {at(12, 'j'), 0, 2, 0, 1, 1, 1, 0, 0},
        {at(12, '2'), 0, 2, 0, 1, 1, 7, 7, 1},          // temporal hours keep the other two
        {at(12, 'x'), 0, 2, 0, 1, 1, 7, 7, 7},
        {at(0, '4'), 10, 9, 1, 0, 7, 7, 7, 7},
        {at(1, '7'), 10, 9, 1, 0, 7, 7, 7, 7},
        {at(18, '6'), 10, 9, 1, 0, 7, 7, 7, 7},
        {at(24, '6'), 10, 9, 1, 0, 7, 7, 7, 7},
        {at(27, '3'), 10, 9, 1, 0, 7, 7, 7, 7},
        {at(29, 'x'), 10, 9, 1, 0, 7, 7, 7, 7},
        {at(33, 'x'), 0, 0, 0, 1, 1, 0, 1, 0},
        {"", 10, 9, 1, 0, 7, 7, 7, 7},
    };
    for (const Case& c : cases) {
        AppState s = startedState();
        s.Schalter.Hoehenkreise = 9;
        s.Schalter.GanzeTageslaenge = 1;
        s.Schalter.TemporalVerlaengern = 0;
        s.Schalter.Analemma = 7;
        s.Schalter.Zonenzeit = 7;
        s.Schalter.Ortszeit = 7;
        s.Schalter.TemporalAnzeige = 7;
        IniPrompt prompt;
        readEdited(s, quelle, prompt, [&](auto& l) { l[9] = c.line; });
        if (c.stopsAtLine) {
            ASSERT_EQ(prompt.asked.size(), 1u) << c.line;
            EXPECT_TRUE(mentions(prompt, "umb.ini : line " + std::to_string(c.stopsAtLine))) << allTexts(prompt);
        } else {
            EXPECT_TRUE(prompt.asked.empty()) << c.line << allTexts(prompt);
        }
        EXPECT_EQ(s.Schalter.Hoehenkreise, c.hoehenkreise) << c.line;
        EXPECT_EQ(s.Schalter.GanzeTageslaenge, c.ganzeTage) << c.line;
        EXPECT_EQ(s.Schalter.TemporalVerlaengern, c.verlaengern) << c.line;
        EXPECT_EQ(s.Schalter.Analemma, c.analemma) << c.line;
        EXPECT_EQ(s.Schalter.Zonenzeit, c.zonenzeit) << c.line;
        EXPECT_EQ(s.Schalter.Ortszeit, c.ortszeit) << c.line;
        EXPECT_EQ(s.Schalter.TemporalAnzeige, c.temporal) << c.line;
    }
}

TEST(LeseIni, EmptyAndSpecialMainLines)
{
    AppState s = startedState();
    s.Par.Jahr = 1999;
    s.Par.Skalenlaenge = 33;
    s.Par.SchirmRadius = 0.77;
    s.Par.HabermelGnomon = 50;
    s.Par.Einheit = 99;
    s.Par.PeauParameter = 1.5;
    s.RingLochVersatz = 3;
    s.DeklOben = 1;
    s.DeklUnten = -1;
    s.ExpertenModus = 1;
    s.FensterNormal = 0;
    const double epsVorher = s.EpsRund;
    IniPrompt prompt;
    const IniLeseErgebnis r = readEdited(s, startedState(), prompt, [](auto& l) {
        l[0] = "";
        l[5] = "";
        l[13] = "";
        l[14] = "False";
        l[15] = "";
        l[16] = "";
        l[17] = "";
    });
    EXPECT_EQ(r.status, IniLeseStatus::Gelesen);
    // Only the umbrella radius reports an empty line.
    ASSERT_EQ(prompt.asked.size(), 1u) << allTexts(prompt);
    EXPECT_EQ(prompt.asked[0].text, "Line 15 : INI-Datei ist fehlerhaft!");
    EXPECT_EQ(prompt.asked[0].title, PromptTitle::Fehler);
    EXPECT_EQ(s.Par.Jahr, 2020);
    EXPECT_EQ(s.Par.Skalenlaenge, 33);
    EXPECT_DOUBLE_EQ(s.Par.SchirmRadius, 0.77);
    EXPECT_EQ(s.Deutsch, 1);
    EXPECT_EQ(s.ExpertenModus, 0);
    EXPECT_EQ(s.FensterNormal, 1); // only "false" exactly gives 0
    EXPECT_DOUBLE_EQ(s.Par.HabermelGnomon, 2.0);
    EXPECT_EQ(s.Par.Einheit, 32);
    EXPECT_DOUBLE_EQ(s.Par.PeauParameter, -0.8749);
    EXPECT_DOUBLE_EQ(s.RingLochVersatz, 0);
    EXPECT_DOUBLE_EQ(s.DeklOben, epsVorher / 2);
    EXPECT_DOUBLE_EQ(s.DeklUnten, -epsVorher / 2);
}

// A faulty line is taken not at all and reported once: by its own message, or by the stop
// question when its values stop the reading. The file is what the state itself composes, so
// every value must come out as it was.
TEST(LeseIni, AFaultyLineChangesNothingAndIsReportedOnce)
{
    AppState stand = startedState();
    stand.UhrTyp = 'k';
    {
        TempDir dir;
        writeLines(dir / "umb.ini", composedLines(stand));
        IniPrompt quiet;
        ASSERT_EQ(LeseIni(stand, dir / "umb.ini", true, true, quiet).status, IniLeseStatus::Gelesen);
    }
    struct Case {
        int index;
        const char* line;
        const char* report; // nullptr: the stop question at this line
    } cases[] = {
        {0, "2020,5", "In Line 0:2020,5 : INI-Datei ist fehlerhaft!"},
        {2, "8,5", nullptr},
        {3, "-15.0 abc", nullptr},
        {4, "35;40;250;27O", nullptr},
        {5, "70,170,150,150,150,150, 200,5", nullptr},
        {6, "-11,7", nullptr},
        {7, "25.0;0.5;12.0", nullptr},
        {8, "12;1000.0;5.0;  2", nullptr},
        {8, "12;90.0;5.0;  2x", nullptr},
        {10, "x", "In Line 10:x : INI-Datei ist fehlerhaft!"},
        {10, "sy", "In Line 10:sy : INI-Datei ist fehlerhaft!"},
        {15, "abc", "Line 15 : INI-Datei ist fehlerhaft!"},
        {15, "0.5;110,5;50;50", "In Line 15:110,5 : INI-Datei ist fehlerhaft!"},
        {15, "x;0.5;120;80", "In Line 15:x : INI-Datei ist fehlerhaft!"},
        {16, "0.5;5;3.0;7", "Line 17/1 : INI-Datei ist fehlerhaft!"},
        {16, "12.5;32;-0.87e1", "In Line 16:-0.87e1 : INI-Datei ist fehlerhaft!"},
        {17, "30", nullptr},
        {17, "1e1;10;-10", nullptr},
        {32, "25", nullptr},
        {46, "01x1", nullptr},
    };
    for (const Case& c : cases) {
        AppState s = stand;
        IniPrompt prompt; // declines the rebuild
        readEdited(s, stand, prompt, [&](auto& l) { l[c.index] = c.line; });
        const std::string what = std::to_string(c.index) + ": " + c.line;
        ASSERT_EQ(prompt.asked.size(), 1u) << what << allTexts(prompt);
        if (c.report)
            EXPECT_EQ(prompt.asked[0].text, c.report) << what;
        else
            EXPECT_TRUE(mentions(prompt, "umb.ini : line " + std::to_string(c.index + 1) + "\n\r")) << what << allTexts(prompt);
        EXPECT_TRUE(s.Par == stand.Par && s.Schalter == stand.Schalter && s.Zeiten == stand.Zeiten) << what;
        EXPECT_EQ(std::tie(s.UhrTyp, s.Schirmuhr, s.SkalaZylinder, s.SkalaHidokai, s.SkalaHidokai2, s.RingLochVersatz,
                           s.DeklOben, s.DeklUnten),
                  std::tie(stand.UhrTyp, stand.Schirmuhr, stand.SkalaZylinder, stand.SkalaHidokai, stand.SkalaHidokai2,
                           stand.RingLochVersatz, stand.DeklOben, stand.DeklUnten)) << what;
    }
}

// Two lines read on past a fault: a value of line 5's first six that is no integer takes its
// default without a word; a faulty ring limit of line 17 takes half the obliquity, is reported,
// and the rest of the line and of the file (its colours) is read.
TEST(LeseIni, LineFiveDefaultsAndLineSeventeenLimitsFallBackAndReadingGoesOn)
{
    AppState stand = startedState();
    stand.Farben.fill(0x00FF00);
    const double h = stand.EpsRund / 2;
    const struct {
        const char *line5, *line17, *report; // report nullptr: no message
        double skala, hidokai2, versatz, oben, unten;
    } cases[] = {
        {"7O,200,150,150,150,150, 200.0", "0.5;10;-10", nullptr, 70, 200, 0.5, 10, -10},
        {"90,1e2,150,150,150,150, 200.0", "0.5;10;-10", nullptr, 90, 170, 0.5, 10, -10},
        {"90,200,150,150,150,150, 200.0", "1.0;1e1;-3", "In Line 17:1e1 : INI-Datei ist fehlerhaft!", 90, 200, 1, h, -3},
        {"90,200,150,150,150,150, 200.0", "1.0;-2;-3", "In Line 17:-2 : INI-Datei ist fehlerhaft!", 90, 200, 1, h, -3},
        {"90,200,150,150,150,150, 200.0", "1.0;5;-4,5", "In Line 17:-4,5 : INI-Datei ist fehlerhaft!", 90, 200, 1, 5, -h},
    };
    for (const auto& c : cases) {
        AppState s = startedState();
        IniPrompt prompt;
        readEdited(s, stand, prompt, [&](auto& l) { l[5] = c.line5; l[17] = c.line17; });
        EXPECT_EQ(allTexts(prompt), c.report ? "[" + std::string(c.report) + "]\n" : "") << c.line5 << c.line17;
        EXPECT_EQ(std::tie(s.Par.Skalenlaenge, s.SkalaHidokai2), std::tuple(c.skala, c.hidokai2)) << c.line5;
        EXPECT_EQ(std::tie(s.RingLochVersatz, s.DeklOben, s.DeklUnten), std::tuple(c.versatz, c.oben, c.unten)) << c.line17;
        EXPECT_EQ(s.Farben, stand.Farben) << c.line5 << c.line17;
    }
}

TEST(LeseIni, HeaderPositions)
{
    // "[Datumslinien]" as the last line is accepted and empties the list.
    {
        AppState s = startedState();
        s.Datumslinien = {"01/01"};
        IniPrompt prompt;
        EXPECT_EQ(readEdited(s, startedState(), prompt, [](auto&) {}).status, IniLeseStatus::Gelesen);
        EXPECT_TRUE(s.Datumslinien.empty());
    }
    // A second "[Zeiten]" line counts: the first one and what follows belong to the colours,
    // whose thirteenth line on is ignored.
    {
        AppState quelle = startedState();
        quelle.Zeiten.StundeVon = 3;
        AppState s = startedState();
        IniPrompt prompt;
        const IniLeseErgebnis r = readEdited(s, quelle, prompt, [](auto& l) {
            const auto zeiten = std::find(l.begin(), l.end(), "[Zeiten]");
            std::vector<std::string> kopie(zeiten, zeiten + 16);
            l.insert(zeiten + 16, kopie.begin(), kopie.end());
        });
        EXPECT_EQ(r.status, IniLeseStatus::Gelesen) << allTexts(prompt);
        EXPECT_EQ(s.Zeiten.StundeVon, 3);
    }
    // Without "[Farben]" the lines from index 1 on are taken as colours: the first that is
    // no integer stops the reading.
    {
        AppState s = startedState();
        IniPrompt prompt;
        readEdited(s, startedState(), prompt, [](auto& l) { l[18] = "Farben"; });
        ASSERT_EQ(prompt.asked.size(), 1u) << allTexts(prompt);
        EXPECT_TRUE(mentions(prompt, "umb.ini : line 2\n\r")) << allTexts(prompt);
    }
}

TEST(LeseIni, ColourAndHourSections)
{
    struct Case {
        int index; // relative to "[Farben]"
        const char* line;
        int stopsAtLine;
    } cases[] = {
        {1, "", 0},       {1, "255", 0},     {1, "rot", 20},    {12, "-1", 0},    {14, "25", 33},
        {14, "-1", 33},   {14, "x", 33},     {14, "24", 0},     {22, "91", 41},   {22, "9", 41},
        {22, "10", 0},    {20, "13", 39},    {28, "01x1", 47},  {28, "0101?7", 0}, {28, "0", 0},
        {28, "01010x", 47},
    };
    for (const Case& c : cases) {
        AppState s = startedState();
        IniPrompt prompt;
        readEdited(s, startedState(), prompt, [&](auto& l) { l[18 + c.index] = c.line; });
        if (c.stopsAtLine) {
            ASSERT_EQ(prompt.asked.size(), 1u) << c.line << allTexts(prompt);
            EXPECT_TRUE(mentions(prompt, "umb.ini : line " + std::to_string(c.stopsAtLine) + "\n\r")) << allTexts(prompt);
        } else {
            EXPECT_TRUE(prompt.asked.empty()) << c.line << allTexts(prompt);
        }
    }
    AppState s = startedState();
    IniPrompt prompt;
    readEdited(s, startedState(), prompt, [](auto& l) {
        l[19] = "";
        l[20] = "255";
        l[46] = "  2310x3";
    });
    EXPECT_EQ(s.Farben[0], startedState().Farben[0]);
    EXPECT_EQ(s.Farben[1], 255u);
    EXPECT_EQ(s.Schalter.Intervalle, (std::array<std::uint8_t, 4>{2, 3, 1, 0}));
    EXPECT_EQ(s.Schalter.StundenIntervallSonst, 'x');
    EXPECT_EQ(s.Schalter.TemporalIntervall, 3);
}

TEST(LeseIni, WithoutColoursAndDateLinesThoseSectionsAreLeftAlone)
{
    TempDir dir;
    AppState quelle = startedState();
    quelle.Farben.fill(0x123456);
    quelle.Datumslinien = {"01/05"};
    writeLines(dir / "umb.ini", composedLines(quelle));
    AppState s = startedState();
    s.Datumslinien = {"24/12"};
    IniPrompt prompt;
    EXPECT_EQ(LeseIni(s, dir / "umb.ini", false, false, prompt).status, IniLeseStatus::Gelesen);
    EXPECT_EQ(s.Farben, startedState().Farben);
    EXPECT_EQ(s.Datumslinien, std::vector<std::string>{"24/12"});
}

TEST(LeseIni, BadDateLinesAreSkippedWithOneMessage)
{
    TempDir dir;
    AppState quelle = startedState();
    quelle.Par.Jahr = 2023;
    AppState s = startedState();
    IniPrompt prompt;
    const IniLeseErgebnis r = readEdited(s, quelle, dir / "umb.ini", prompt, [](auto& l) {
        l.push_back("21/03");
        l.push_back("29/02"); // 2023 is no leap year, line 50
        l.push_back("");
        for (int k = 0; k < 1000; ++k)
            l.push_back(k % 2 ? "32/01" : "x");
        l.push_back("1/6    ( 01. Jun )");
    });
    EXPECT_EQ(r.status, IniLeseStatus::Gelesen);
    EXPECT_EQ(s.Datumslinien, (std::vector<std::string>{"21/03", "1/6    ( 01. Jun )"}));
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text, "Fehlerhafte Datumszeilen in " + (dir / "umb.ini").string()
                                        + " übergangen:\nZeile 50: 29/02\nZeile 52: x\nZeile 53: 32/01\n"
                                          "Zeile 54: x\nZeile 55: 32/01\nund 996 weitere");
    EXPECT_EQ(prompt.asked[0].icon, PromptIcon::Error);
}

TEST(LeseIni, ReadsUtf8AndBareLineFeeds)
{
    TempDir dir;
    AppState quelle = startedState();
    quelle.Datumslinien = {"21/03    ( 21. März )"};
    std::string text;
    for (const std::string& l : composedLines(quelle))
        text += l + "\n";
    writeBytes(dir / "utf8.umb", text);
    AppState s = startedState();
    IniPrompt prompt;
    EXPECT_EQ(LeseIni(s, dir / "utf8.umb", true, true, prompt).status, IniLeseStatus::Gelesen);
    EXPECT_EQ(s.Datumslinien, quelle.Datumslinien);
}

// ---- Missing, faulty and stopped files: what the answers leave on disk. ----

TEST(LeseIniFehlerfall, MissingSettingsFileAnsweredYesWritesTheDefaults)
{
    TempDir dir;
    AppState s = startedState();
    s.Par.Breite = 12.0;
    s.UhrTyp = 'q';
    s.TypBasis = 0;
    s.Par.Jahr = 1500;
    IniPrompt prompt({PromptAnswer::Yes});
    const IniLeseErgebnis r = LeseIni(s, dir / "umb.ini", true, true, prompt);
    EXPECT_EQ(r.status, IniLeseStatus::Ersetzt);
    ASSERT_EQ(prompt.asked.size(), 2u) << allTexts(prompt);
    EXPECT_EQ(prompt.asked[0].text, (dir / "umb.ini").string()
                  + " : \n\rDie Datei fehlt. Soll sie erstellt werden?\n\r"
                    "(Siehe auch Menü \"INFO/Hilfe\", Stichwort \"INI-Datei\")");
    EXPECT_EQ(prompt.asked[0].title, PromptTitle::WasNun);
    EXPECT_EQ(prompt.asked[1].text, (dir / "umb.ini").string() + "   gespeichert!");
    EXPECT_DOUBLE_EQ(s.Par.Breite, 47.25);
    EXPECT_EQ(s.TypBasis, 12);
    EXPECT_DOUBLE_EQ(s.EpsRund, 23.44); // recomputed for the default year 2020
    EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>{"umb.ini"});

    AppState again = startedState();
    IniPrompt quiet;
    EXPECT_EQ(LeseIni(again, dir / "umb.ini", true, true, quiet).status, IniLeseStatus::Gelesen);
    EXPECT_TRUE(quiet.asked.empty()) << allTexts(quiet);
}

TEST(LeseIniFehlerfall, MissingSettingsFileAnsweredNoChangesNothingButTheDerivedValues)
{
    TempDir dir;
    AppState s = startedState();
    s.Par.Breite = 12.0;
    s.Par.Jahr = 1300;
    s.UhrTyp = 'r';
    setzeSprache(s, false);
    IniPrompt prompt({PromptAnswer::No});
    EXPECT_EQ(LeseIni(s, dir / "umb.ini", true, true, prompt).status, IniLeseStatus::Fehlt);
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_NE(prompt.asked[0].text.find("File not found. Create File?"), std::string::npos);
    EXPECT_DOUBLE_EQ(s.Par.Breite, 12.0);
    EXPECT_EQ(s.TypBasis, 48);
    AppState erwartet = startedState();
    SchiefeUndTierkreis(erwartet, 1300);
    EXPECT_DOUBLE_EQ(s.EpsRund, erwartet.EpsRund);
    EXPECT_GT(s.EpsRund, 23.44);
    EXPECT_TRUE(folderEntries(dir.path()).empty());
}

TEST(LeseIniFehlerfall, AMissingFileOfAnotherNameIsAnErrorForTheCaller)
{
    TempDir dir;
    AppState s = startedState();
    s.Par.Breite = 12.0;
    IniPrompt prompt;
    const IniLeseErgebnis r = LeseIni(s, dir / "myDial.umb", true, true, prompt);
    EXPECT_EQ(r.status, IniLeseStatus::NichtLesbar);
    EXPECT_NE(r.fehler.find("myDial.umb"), std::string::npos);
    EXPECT_TRUE(prompt.asked.empty());
    EXPECT_DOUBLE_EQ(s.Par.Breite, 12.0);
}

TEST(LeseIniFehlerfall, HeadersOutOfOrderOrTooShort)
{
    const auto outOfOrder = [](std::vector<std::string>& l) {
        std::swap(*std::find(l.begin(), l.end(), "[Farben]"), *std::find(l.begin(), l.end(), "[Zeiten]"));
    };
    const auto tooShort = [](std::vector<std::string>& l) {
        l = {l[0], l[1], "[Farben]", "0", "0", "[Zeiten]", "8", "[Datumslinien]"};
        l.resize(25);
        l[24] = "[Datumslinien]";
        l[7] = "";
    };
    struct Case {
        const char* name;
        std::function<void(std::vector<std::string>&)> edit;
        const char* file;
        PromptAnswer answer;
    };
    const Case cases[] = {
        {"order, settings, yes", outOfOrder, "umb.ini", PromptAnswer::Yes},
        {"order, settings, no", outOfOrder, "umb.ini", PromptAnswer::No},
        {"short, settings, yes", tooShort, "umb.ini", PromptAnswer::Yes},
        {"short, construction data, no", tooShort, "myDial.umb", PromptAnswer::No},
        {"order, construction data, yes", outOfOrder, "myDial.umb", PromptAnswer::Yes},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const fs::path file = dir / c.file;
        std::vector<std::string> lines = composedLines(startedState());
        c.edit(lines);
        writeLines(file, lines);
        const std::string faulty = fileBytes(file);
        const std::string backup = fs::path(c.file).stem().string() + (std::string(c.file) == "umb.ini" ? "_ini.bak" : "_umb.bak");

        AppState s = startedState();
        s.Par.Breite = 12.0;
        s.UhrTyp = 'r';
        IniPrompt prompt({c.answer});
        const IniLeseErgebnis r = LeseIni(s, file, true, true, prompt);
        ASSERT_FALSE(prompt.asked.empty()) << c.name;
        EXPECT_EQ(prompt.asked[0].text,
                  "Die Datei ist fehlerhaft und muss korrigiert \n\rwerden. Korrektur jetzt durchführen ?")
            << c.name;
        EXPECT_EQ(s.TypBasis, startedState().TypBasis) << c.name; // not recomputed here
        if (c.answer == PromptAnswer::Yes) {
            EXPECT_EQ(r.status, IniLeseStatus::Ersetzt) << c.name;
            EXPECT_EQ(folderEntries(dir.path()), (std::vector<std::string>{c.file, backup})) << c.name;
            EXPECT_EQ(fileBytes(dir / backup), faulty) << c.name;
            // The settings file is named as the message table writes it, other files by name.
            const std::string gesichert = std::string(c.file) == "umb.ini"
                ? "Das alte UMB.INI ist unter dem Namen UMB_INI.BAK"
                : "Das alte " + std::string(c.file) + " ist unter dem Namen " + backup;
            EXPECT_TRUE(mentions(prompt, gesichert)) << allTexts(prompt);
            EXPECT_DOUBLE_EQ(s.Par.Breite, 47.25) << c.name;
            AppState again = startedState();
            IniPrompt quiet;
            EXPECT_EQ(LeseIni(again, file, true, true, quiet).status, IniLeseStatus::Gelesen) << c.name;
        } else {
            EXPECT_EQ(r.status, IniLeseStatus::Unveraendert) << c.name;
            EXPECT_EQ(prompt.asked.size(), 1u) << c.name;
            EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>{c.file}) << c.name;
            EXPECT_EQ(fileBytes(file), faulty) << c.name;
            // The settings file's defaults stay in memory; a construction-data load is undone.
            EXPECT_DOUBLE_EQ(s.Par.Breite, std::string(c.file) == "umb.ini" ? 47.25 : 12.0) << c.name;
        }
    }
}

// A construction-data file is corrected in the language of the session, even where it stops
// after its own (German) language line: the fresh file and the interface stay English.
TEST(LeseIniFehlerfall, ABadValueInTheMiddle)
{
    for (const char* name : {"umb.ini", "myDial.umb", "late.umb"}) {
        for (const PromptAnswer answer : {PromptAnswer::Yes, PromptAnswer::No}) {
            TempDir dir;
            const fs::path file = dir / name;
            AppState quelle = startedState();
            quelle.Par.Breite = -20.5;
            quelle.Farben.fill(0x00FF00);
            std::vector<std::string> lines = composedLines(quelle);
            const bool spaet = std::string(name) == "late.umb";
            const std::size_t halt = spaet ? std::find(lines.begin(), lines.end(), "[Zeiten]") - lines.begin() + 1 : 8;
            lines[halt] = spaet ? "x" : "13;1000.0;5.0;  2"; // an hour that is no number; a date-line centre outside 0 .. 900
            writeLines(file, lines);
            const std::string faulty = fileBytes(file);

            AppState s = startedState();
            s.Par.Breite = 12.0;
            s.Par.DatumMitte = 33;
            setzeSprache(s, false);
            IniPrompt prompt({answer});
            const IniLeseErgebnis r = LeseIni(s, file, true, true, prompt);
            ASSERT_GE(prompt.asked.size(), 1u) << allTexts(prompt);
            EXPECT_EQ(prompt.asked[0].text, std::string(name) + " : line " + std::to_string(halt + 1) + "\n\r"
                          "File contains errors and will be corrected now.\n\rCan that be done now?");
            EXPECT_EQ(prompt.asked[0].title, PromptTitle::Problem);
            const std::string backup = sicherungsName(file).filename().string();
            if (answer == PromptAnswer::Yes) {
                EXPECT_EQ(r.status, IniLeseStatus::Ersetzt);
                EXPECT_EQ(fileBytes(dir / backup), faulty);
                EXPECT_EQ(prompt.asked[1].text, std::string(name) == "umb.ini"
                              ? "Old Version of UMB.INI is saved as UMB_INI.BAK."
                              : "Old Version of " + std::string(name) + " is saved as " + backup + ".");
                ASSERT_EQ(prompt.asked.size(), 3u) << allTexts(prompt);
                EXPECT_EQ(prompt.asked[2].text, file.string() + "   saved!");
                EXPECT_EQ(s.Sprachspalte, 2);
                EXPECT_EQ(s.StringIdBasis, 2000);
                EXPECT_DOUBLE_EQ(s.Par.Breite, 47.25);
                EXPECT_NE(fileBytes(file), faulty);
            } else {
                EXPECT_EQ(r.status, IniLeseStatus::Unveraendert);
                EXPECT_EQ(prompt.asked.size(), 1u);
                EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>{name});
                EXPECT_EQ(fileBytes(file), faulty);
                if (std::string(name) == "umb.ini") {
                    // What was read before the stop stays, the faulty line is not taken,
                    // the rest (colours among it) is not read.
                    EXPECT_DOUBLE_EQ(s.Par.Breite, -20.5);
                    EXPECT_DOUBLE_EQ(s.Par.DatumMitte, 33);
                    EXPECT_EQ(s.Farben, startedState().Farben);
                    EXPECT_EQ(s.Sprachspalte, 1); // German until line 13 says otherwise
                } else {
                    EXPECT_DOUBLE_EQ(s.Par.Breite, 12.0); // the faulty load is undone
                    EXPECT_DOUBLE_EQ(s.Par.DatumMitte, 33);
                }
            }
        }
    }
}

TEST(LeseIniFehlerfall, AnOlderBackupIsReplacedAndAFailedBackupLeavesTheFile)
{
    TempDir dir;
    const fs::path file = dir / "umb.ini";
    std::vector<std::string> lines = composedLines(startedState());
    lines[3] = "200";
    writeLines(file, lines);
    const std::string faulty = fileBytes(file);
    writeBytes(dir / "umb_ini.bak", "an older backup");
    {
        AppState s = startedState();
        IniPrompt prompt({PromptAnswer::Yes});
        EXPECT_EQ(LeseIni(s, file, true, true, prompt).status, IniLeseStatus::Ersetzt);
        EXPECT_EQ(fileBytes(dir / "umb_ini.bak"), faulty);
    }

    // A backup that cannot be written (its name is taken by a folder): the file stays.
    writeLines(file, lines);
    fs::remove(dir / "umb_ini.bak");
    fs::create_directory(dir / "umb_ini.bak");
    AppState s = startedState();
    s.Par.Breite = 12.0;
    IniPrompt prompt({PromptAnswer::Yes});
    EXPECT_EQ(LeseIni(s, file, true, true, prompt).status, IniLeseStatus::Unveraendert);
    EXPECT_EQ(fileBytes(file), faulty);
    ASSERT_EQ(prompt.asked.size(), 2u) << allTexts(prompt);
    EXPECT_EQ(prompt.asked[1].text.rfind("Von UMB.INI konnte keine Sicherungsdatei angelegt werden!", 0), 0u)
        << prompt.asked[1].text;
    EXPECT_EQ(prompt.asked[1].icon, PromptIcon::Error);
    EXPECT_EQ(folderEntries(dir.path()), (std::vector<std::string>{"umb.ini", "umb_ini.bak"}));
    EXPECT_DOUBLE_EQ(s.Par.Breite, 47.25); // the settings file keeps the values read before the stop
}

TEST(LeseIniFehlerfall, BackupNames)
{
    EXPECT_EQ(sicherungsName("/a/umb.ini"), fs::path("/a/umb_ini.bak"));
    EXPECT_EQ(sicherungsName("/a/b/myDial.umb"), fs::path("/a/b/myDial_umb.bak"));
    EXPECT_EQ(sicherungsName("start"), fs::path("start.bak"));
}
