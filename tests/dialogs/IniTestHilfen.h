#pragma once
// Helpers of the settings-file tests: a prompt with scripted answers that records every
// message, a fresh temporary folder per test, and a started state to copy from.
#include "core/SafeSave.h"
#include "core/State.h"
#include "core/UserPrompt.h"
#include "dialogs/IniText.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

namespace umbrin::testing {

struct RecordedMessage {
    PromptTitle title;
    PromptIcon icon;
    std::string text;
    PromptButtons buttons;
};

// Answers Yes/No questions from a script (No once the script is used up) and OK boxes with Ok.
class ScriptedPrompt : public UserPrompt {
public:
    explicit ScriptedPrompt(std::deque<PromptAnswer> answers = {}) : answers_(std::move(answers)) {}

    PromptAnswer ask(PromptTitle title, PromptIcon icon, const std::string& text, PromptButtons buttons) override
    {
        messages.push_back({title, icon, text, buttons});
        if (buttons == PromptButtons::Ok)
            return PromptAnswer::Ok;
        if (answers_.empty())
            return PromptAnswer::No;
        const PromptAnswer a = answers_.front();
        answers_.pop_front();
        return a;
    }

    bool askText(const std::string&, const std::string&, std::string&) override { return false; }

    std::string allTexts() const
    {
        std::string all;
        for (const auto& m : messages)
            all += "[" + m.text + "]\n";
        return all;
    }

    std::vector<RecordedMessage> messages;

private:
    std::deque<PromptAnswer> answers_;
};

// A fresh, empty folder named after the running test; removed when the object goes.
class TempDir {
public:
    TempDir()
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path()
            / ("umbrin_" + std::string(info->test_suite_name()) + "_" + info->name() + "_" + std::to_string(::getpid()));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// A state after the program's start-up initialisation (computed once, copied per test).
inline AppState startedState()
{
    static const AppState prototype = [] {
        AppState s;
        initialisiereZustand(s);
        return s;
    }();
    return prototype;
}

inline std::vector<std::string> composedLines(const AppState& s)
{
    ScriptedPrompt quiet;
    std::vector<std::string> lines;
    IniTextErstellen(s, false, lines, quiet);
    return lines;
}

inline void writeLines(const std::filesystem::path& path, const std::vector<std::string>& lines)
{
    std::string error;
    ASSERT_TRUE(saveFileSafely(path, IniTextBytes(lines), error)) << error;
}

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::string error;
    ASSERT_TRUE(saveFileSafely(path, bytes, error)) << error;
}

inline std::string fileBytes(const std::filesystem::path& path)
{
    std::string bytes;
    std::string error;
    EXPECT_TRUE(readFileBytes(path, bytes, error)) << error;
    return bytes;
}

} // namespace umbrin::testing
