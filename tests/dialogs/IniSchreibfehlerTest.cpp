// Saves that fail half-way, as on a full disk: the old files stay whole and the failure is
// reported with the file's name. A file-size limit makes the writes fail for root as well.
#include "dialogs/Datumsliniendatei.h"
#include "dialogs/IniLesen.h"
#include "dialogs/IniText.h"

#include "IniTestHilfen.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace umbrin;
using namespace umbrin::testing;

namespace {

// While it lives, no file of this process may grow beyond a few bytes; a write beyond fails
// with an error instead of the signal that would end the process.
class FullDisk {
public:
    FullDisk()
    {
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit tiny = saved_;
        tiny.rlim_cur = 64;
        active_ = setrlimit(RLIMIT_FSIZE, &tiny) == 0;
    }
    ~FullDisk()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    bool active() const { return active_; }

private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
    bool active_ = false;
};

// Runs `write` while the disk is full and gives back what it returned.
template <typename Write>
auto onAFullDisk(Write write)
{
    FullDisk full;
    EXPECT_TRUE(full.active()) << "the file-size limit could not be set";
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
