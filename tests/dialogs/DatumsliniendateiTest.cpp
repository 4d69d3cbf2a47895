// Saving and loading the own date lines alone.
#include "core/Sprachdienst.h"
#include "dialogs/Datumsliniendatei.h"

#include "IniTestHilfen.h"

#include <gtest/gtest.h>

using namespace umbrin;
using namespace umbrin::testing;

namespace {

AppState stateIn(const TempDir& dir)
{
    AppState s = startedState();
    s.IniDatei = (dir / "umb.ini").string();
    s.TageDatei = (dir / "umb_days.ini").string();
    return s;
}

} // namespace

TEST(DatumslinienSpeichern, RewritesOnlyTheSection)
{
    struct Case {
        const char* name;
        std::vector<std::string> file;
        std::vector<std::string> entries;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"section replaced",
         {"2020", "[Farben]", "[Zeiten]", "[Datumslinien]", "01/01", "02/02"},
         {"21/03    ( 21. März )", "21/06"},
         {"2020", "[Farben]", "[Zeiten]", "[Datumslinien]", "21/03    ( 21. März )", "21/06"}},
        {"section appended", {"2020", "[Farben]"}, {"21/06"}, {"2020", "[Farben]", "[Datumslinien]", "21/06"}},
        {"empty list", {"2020", "[Datumslinien]", "01/01"}, {}, {"2020", "[Datumslinien]"}},
        {"bad entries left out", {"[Datumslinien]"}, {"", "30/02", "1/1"}, {"[Datumslinien]", "1/1"}},
    };
    for (const Case& c : cases) {
        TempDir dir;
        AppState s = stateIn(dir);
        writeLines(s.IniDatei, c.file);
        s.Datumslinien = c.entries;
        IniPrompt prompt;
        EXPECT_TRUE(DatumslinienSpeichern(s, prompt)) << c.name;
        EXPECT_EQ(fileBytes(s.IniDatei), IniTextBytes(c.expected)) << c.name;
        const bool bad = std::string(c.name) == "bad entries left out";
        ASSERT_EQ(prompt.asked.size(), bad ? 1u : 0u) << c.name << allTexts(prompt);
        if (bad) {
            EXPECT_NE(prompt.asked[0].text.find(": 30/02"), std::string::npos) << prompt.asked[0].text;
        }
    }
}

TEST(DatumslinienSpeichern, AMissingSettingsFileIsReportedAndNotCreated)
{
    for (int spalte : {1, 2}) {
        TempDir dir;
        AppState s = stateIn(dir);
        setzeSprache(s, spalte == 1);
        s.Datumslinien = {"21/03"};
        IniPrompt prompt;
        EXPECT_FALSE(DatumslinienSpeichern(s, prompt));
        EXPECT_FALSE(std::filesystem::exists(s.IniDatei));
        ASSERT_EQ(prompt.asked.size(), 1u);
        EXPECT_EQ(prompt.asked[0].text.rfind(s.IniDatei, 0), 0u);
        EXPECT_NE(prompt.asked[0].text.find(spalte == 1 ? " fehlt." : ": File missing."), std::string::npos);
        EXPECT_EQ(prompt.asked[0].title, PromptTitle::Problem);
    }
}

TEST(DatumslinienLaden, FromTheSettingsFileThenFromTheSecondDateFile)
{
    struct Case {
        const char* name;
        std::vector<std::string> settings; // empty: no file
        std::vector<std::string> days;     // empty: no file
        DatumslinienQuelle source;
        std::vector<std::string> expected;
        std::size_t reports;
    };
    const std::vector<std::string> before = {"24/12"};
    std::vector<std::string> tausendFalsche = {"2020", "[Datumslinien]", "21/06"};
    tausendFalsche.insert(tausendFalsche.end(), 1000, "99/99");
    const Case cases[] = {
        {"settings file", {"2020", "[Datumslinien]", "21/03", "", "31/06", "21/12"}, {"01/01"},
         DatumslinienQuelle::Einstellungsdatei, {"21/03", "21/12"}, 1},
        {"only the heading", {"2020", "[Datumslinien]"}, {"01/05", "1/6"}, DatumslinienQuelle::Tagesdatei,
         {"01/05", "1/6"}, 0},
        {"no section", {"2020"}, {"01/05"}, DatumslinienQuelle::Tagesdatei, {"01/05"}, 0},
        {"no settings file", {}, {"01/05", "x"}, DatumslinienQuelle::Tagesdatei, {"01/05"}, 1},
        {"an empty line is a line", {"[Datumslinien]", ""}, {"01/05"}, DatumslinienQuelle::Einstellungsdatei, {}, 0},
        {"neither", {"2020", "[Datumslinien]"}, {}, DatumslinienQuelle::Keine, before, 1},
        {"a thousand bad lines, one message", tausendFalsche, {}, DatumslinienQuelle::Einstellungsdatei, {"21/06"}, 1},
    };
    for (const Case& c : cases) {
        TempDir dir;
        AppState s = stateIn(dir);
        s.Datumslinien = before;
        if (!c.settings.empty())
            writeLines(s.IniDatei, c.settings);
        if (!c.days.empty())
            writeLines(s.TageDatei, c.days);
        IniPrompt prompt;
        EXPECT_EQ(DatumslinienLaden(s, prompt), c.source) << c.name;
        EXPECT_EQ(s.Datumslinien, c.expected) << c.name;
        EXPECT_EQ(prompt.asked.size(), c.reports) << c.name << allTexts(prompt);
    }
    TempDir dir;
    AppState s = stateIn(dir);
    IniPrompt prompt;
    DatumslinienLaden(s, prompt);
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text, "Keine \"eigenen Datumslinien\" eingetragen.");
    EXPECT_EQ(prompt.asked[0].icon, PromptIcon::Warning);
}
