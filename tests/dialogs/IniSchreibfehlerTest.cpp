// Saves that fail half-way, as on a full disk: the old files stay whole and the failure is
// reported with the file's name. A file-size limit makes the writes fail for root as well.
#include "dialogs/Datumsliniendatei.h"
#include "dialogs/IniLesen.h"
#include "dialogs/IniText.h"

#include "IniTestHilfen.h"

#include "support/TestOrdner.h"

#include <gtest/gtest.h>


using namespace umbrin;
using namespace umbrin::testing;

namespace {

using FullDisk = test::VollePlatte;

// Runs `write` while the disk is full and gives back what it returned.
template <typename Write>
auto onAFullDisk(Write write)
{
    FullDisk full;
    EXPECT_TRUE(full.aktiv()) << "the file-size limit could not be set";
    return write();
}

} // namespace

TEST(Schreibfehler, SchreibeNeueIniKeepsTheOldFileAndNamesIt)
{
    TempDir dir;
    const auto file = dir / "umb.ini";
    writeBytes(file, "the old settings");
    AppState s = startedState();
    IniPrompt prompt;
    EXPECT_FALSE(onAFullDisk([&] { return SchreibeNeueIni(s, file, prompt); }));
    EXPECT_EQ(fileBytes(file), "the old settings");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1);
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text, file.string() + " :\r\nINI-Datei konnte nicht gespeichert werden! (Schreibgeschützt?)");
    EXPECT_EQ(prompt.asked[0].icon, PromptIcon::Error);
}

TEST(Schreibfehler, ARebuildThatCannotWriteLeavesTheFaultyFileWhole)
{
    TempDir dir;
    const auto file = dir / "umb.ini";
    std::vector<std::string> lines = composedLines(startedState());
    lines[11] = "99";
    writeLines(file, lines);
    const std::string faulty = fileBytes(file);
    AppState s = startedState();
    IniPrompt prompt({PromptAnswer::Yes});
    const IniLeseErgebnis r = onAFullDisk([&] { return LeseIni(s, file, true, true, prompt); });
    EXPECT_EQ(r.status, IniLeseStatus::Unveraendert);
    EXPECT_EQ(fileBytes(file), faulty);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1);
    ASSERT_EQ(prompt.asked.size(), 2u) << allTexts(prompt);
    EXPECT_NE(prompt.asked[1].text.find("Von UMB.INI konnte keine Sicherungsdatei angelegt werden!"), std::string::npos);
}

TEST(Schreibfehler, SavingTheDateLinesKeepsTheOldFile)
{
    TempDir dir;
    AppState s = startedState();
    s.IniDatei = (dir / "umb.ini").string();
    writeLines(s.IniDatei, composedLines(s));
    const std::string before = fileBytes(s.IniDatei);
    s.Datumslinien = {"21/03", "21/06"};
    IniPrompt prompt;
    EXPECT_FALSE(onAFullDisk([&] { return DatumslinienSpeichern(s, prompt); }));
    EXPECT_EQ(fileBytes(s.IniDatei), before);
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text.rfind(s.IniDatei + " :\r\n", 0), 0u);
}
