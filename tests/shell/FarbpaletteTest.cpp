#include "shell/Farbpalette.h"

#include "core/Sprachdienst.h"
#include "support/TestOrdner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace umbrin;
namespace fs = std::filesystem;

namespace {

std::string lies(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void schreibe(const fs::path& p, const std::string& text)
{
    std::ofstream(p, std::ios::binary) << text;
}

// A settings-like text: a main line, the colour section with the given lines, then "[Zeiten]".
std::string iniMit(const std::vector<std::string>& farbZeilen)
{
    std::string t = "47.25\r\n[Farben]\r\n";
    for (const auto& z : farbZeilen)
        t += z + "\r\n";
    return t + "[Zeiten]\r\n6\r\n";
}

AppState zustand(const fs::path& ini)
{
    AppState s;
    StandardFarben(s);
    s.IniDatei = ini.string();
    setzeSprache(s, true);
    return s;
}

} // namespace

TEST(Farbpalette, SampleLinesStartAtEightAndStepWithTheImageHeight)
{
    struct Fall { int hoehe, slot, y; };
    for (const Fall f : {Fall{100, 1, 8}, Fall{100, 2, 16}, Fall{100, 12, 98}, Fall{200, 2, 24}, Fall{0, 7, 8}})
        EXPECT_EQ(musterLinieY(f.hoehe, f.slot), f.y) << f.hoehe << " " << f.slot;
}

TEST(Farbpalette, ChoosingSlotTenOfAMeanTimeFamilyAlsoSetsSlotTwelve)
{
    // A mean-time family takes slot 10 into slot 12 after any choice.
    struct Fall { std::uint8_t typBasis; int slot; bool zwoelfFolgt; };
    for (const Fall f : {Fall{0, 10, false}, Fall{61, 10, true}, Fall{72, 10, true}, Fall{61, 3, true}}) {
        AppState s;
        StandardFarben(s);
        s.TypBasis = f.typBasis;
        const Farbe alt12 = s.Farben[11];
        waehleFarbe(s, f.slot, 0x123456);
        EXPECT_EQ(s.Farben[static_cast<std::size_t>(f.slot - 1)], 0x123456u);
        EXPECT_EQ(s.Farben[11], f.zwoelfFolgt ? s.Farben[9] : alt12) << int(f.typBasis) << " " << f.slot;
    }
}

TEST(Farbpalette, SavingTwiceLeavesTwelveLinesAndAShortSectionGrows)
{
    const test::TestOrdner o("farben_speichern");
    const fs::path ini = o.path() / "umb.ini";
    for (const auto& anfang : {std::vector<std::string>{"1", "2", "3", "4", "5"},
                               std::vector<std::string>(12, "7"),
                               std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12",
                                                        "13", "14"}}) {
        schreibe(ini, iniMit(anfang));
        AppState s = zustand(ini);
        s.Farben[0] = 0xABCDEF;
        ASSERT_EQ(farbSave(s).status, FarbDateiStatus::Ok);
        ASSERT_EQ(farbSave(s).status, FarbDateiStatus::Ok);
        std::vector<std::string> erwartet;
        erwartet.push_back(std::to_string(0xABCDEF));
        for (std::size_t k = 1; k < 12; ++k)
            erwartet.push_back(std::to_string(static_cast<std::int32_t>(s.Farben[k])));
        // An overlong section keeps what lies past the first twelve lines.
        for (std::size_t k = 12; k < anfang.size(); ++k)
            erwartet.push_back(anfang[k]);
        EXPECT_EQ(lies(ini), iniMit(erwartet));
    }
}

TEST(Farbpalette, LoadingTakesOnlyTheSectionsLinesAndAppliesNothingOnABadLine)
{
    const test::TestOrdner o("farben_laden");
    const fs::path ini = o.path() / "umb.ini";
    AppState standard;
    StandardFarben(standard);
    struct Fall {
        std::vector<std::string> zeilen;
        FarbDateiStatus status;
        std::array<Farbe, 12> farben;
    };
    auto mit = [&](std::initializer_list<std::pair<int, Farbe>> aenderungen) {
        std::array<Farbe, 12> f = standard.Farben;
        for (auto [k, v] : aenderungen)
            f[static_cast<std::size_t>(k)] = v;
        return f;
    };
    const std::vector<Fall> faelle = {
        {{"1", "2", "3", "4", "5"}, FarbDateiStatus::Ok, mit({{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}})},
        {{"1", "", "3"}, FarbDateiStatus::Ok, mit({{0, 1}, {2, 3}})},
        {{"-1"}, FarbDateiStatus::Ok, mit({{0, 0xFFFFFFFF}})},
        {{"1", "2", "blau", "4"}, FarbDateiStatus::KeineFarbe, standard.Farben},
    };
    for (const Fall& f : faelle) {
        schreibe(ini, iniMit(f.zeilen));
        AppState s = zustand(ini);
        const FarbDateiErgebnis e = FarbLoad(s, true);
        EXPECT_EQ(e.status, f.status);
        EXPECT_EQ(s.Farben, f.farben);
        if (f.status == FarbDateiStatus::KeineFarbe) {
            EXPECT_NE(e.meldung.find("blau"), std::string::npos) << e.meldung;
        }
    }
}

TEST(Farbpalette, ResetGivesTheDefaultsAndLeavesTheFileByteForByte)
{
    const test::TestOrdner o("farben_reset");
    const fs::path ini = o.path() / "umb.ini";
    const std::string text = iniMit(std::vector<std::string>(12, "255"));
    schreibe(ini, text);
    AppState s = zustand(ini);
    s.Farben.fill(42);
    AppState standard;
    StandardFarben(standard);
    EXPECT_EQ(FarbLoad(s, false).status, FarbDateiStatus::Ok);
    EXPECT_EQ(s.Farben, standard.Farben);
    EXPECT_EQ(lies(ini), text);
}

TEST(Farbpalette, AFileWithoutSectionOrMissingIsReportedAndLeftAlone)
{
    const test::TestOrdner o("farben_fehlt");
    const fs::path ini = o.path() / "umb.ini";
    const std::string ohne = "47.25\r\n[Zeiten]\r\n6\r\n";
    schreibe(ini, ohne);
    AppState s = zustand(ini);
    s.Farben.fill(42);
    const FarbDateiErgebnis gespeichert = farbSave(s);
    EXPECT_EQ(gespeichert.status, FarbDateiStatus::OhneAbschnitt);
    EXPECT_NE(gespeichert.meldung.find(ini.string()), std::string::npos);
    EXPECT_EQ(FarbLoad(s, true).status, FarbDateiStatus::OhneAbschnitt);
    EXPECT_EQ(s.Farben[0], 42u);
    EXPECT_EQ(lies(ini), ohne);

    fs::remove(ini);
    EXPECT_EQ(farbSave(s).status, FarbDateiStatus::DateiFehlt);
    EXPECT_FALSE(fs::exists(ini));
    const FarbDateiErgebnis geladen = FarbLoad(s, true);
    EXPECT_EQ(geladen.status, FarbDateiStatus::DateiFehlt);
    EXPECT_EQ(geladen.meldung, "umb.ini wurde deaktiviert!");
    EXPECT_EQ(s.Farben[0], 0u);
}
