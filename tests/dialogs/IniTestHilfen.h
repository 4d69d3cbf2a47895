#pragma once
// Helpers of the settings-file tests: a prompt whose script answers the questions, a fresh
// temporary folder per test, and a started state to copy from.
#include "core/SafeSave.h"
#include "core/State.h"
#include "core/UserPrompt.h"
#include "dialogs/IniText.h"
#include "support/ScriptedPrompt.h"
#include "support/TestOrdner.h"

#include <gtest/gtest.h>

#include <deque>
#include <initializer_list>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

namespace umbrin::testing {

// The shared scripted prompt, with the script answering only the Yes/No questions: boxes
// with OK alone take no answer, and once the script is used up every question is declined.
class IniPrompt : public test::ScriptedPrompt {
public:
    explicit IniPrompt(std::initializer_list<PromptAnswer> fragen = {}) : fragen_(fragen) {}

    PromptAnswer ask(PromptTitle title, PromptIcon icon, const std::string& text, PromptButtons buttons) override
    {
        answers.clear();
        if (buttons != PromptButtons::Ok) {
            answers.push_back(fragen_.empty() ? PromptAnswer::No : fragen_.front());
            if (!fragen_.empty())
                fragen_.pop_front();
        }
        return test::ScriptedPrompt::ask(title, icon, text, buttons);
    }

private:
    std::deque<PromptAnswer> fragen_;
};

// Every text shown, each in brackets on a line of its own (for failure output).
inline std::string allTexts(const test::ScriptedPrompt& p)
{
    std::string all;
    for (const auto& m : p.asked)
        all += "[" + m.text + "]\n";
    return all;
}

// A fresh, empty folder named after the running test; removed when the object goes.
using TempDir = test::TestOrdner;

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
    IniPrompt quiet;
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
