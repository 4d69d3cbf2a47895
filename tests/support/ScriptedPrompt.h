#pragma once
// A UserPrompt that answers from a script and records every question, for tests.
#include "core/UserPrompt.h"

#include <deque>
#include <string>
#include <vector>

namespace umbrin::test {

class ScriptedPrompt : public UserPrompt {
public:
    struct Frage {
        PromptTitle title;
        PromptIcon icon;
        std::string text;
        PromptButtons buttons;
        std::string freeTitle; // the title of a box with a title of its own, else empty
        std::string yesWord;   // the words of a Yes/No question's buttons, else empty
        std::string noWord;
    };

    std::deque<PromptAnswer> answers;      // taken in order; when empty: Ok / Yes
    std::deque<std::string> textAnswers;   // for askText; when empty: Cancel
    std::vector<Frage> asked;

    PromptAnswer ask(PromptTitle title, PromptIcon icon, const std::string& text, PromptButtons buttons) override
    {
        asked.push_back({title, icon, text, buttons, {}, {}, {}});
        if (!answers.empty()) {
            PromptAnswer a = answers.front();
            answers.pop_front();
            return a;
        }
        return (buttons == PromptButtons::YesNo || buttons == PromptButtons::YesNoCancel) ? PromptAnswer::Yes
                                                                                          : PromptAnswer::Ok;
    }

    PromptAnswer askTitled(const std::string& title, PromptIcon icon, const std::string& text,
                           PromptButtons buttons) override
    {
        const PromptAnswer a = ask(PromptTitle::Information, icon, text, buttons);
        asked.back().freeTitle = title;
        return a;
    }

    PromptAnswer askYesNoNamed(PromptTitle title, PromptIcon icon, const std::string& text, const std::string& yesWord,
                               const std::string& noWord) override
    {
        const PromptAnswer a = ask(title, icon, text, PromptButtons::YesNo);
        asked.back().yesWord = yesWord;
        asked.back().noWord = noWord;
        return a;
    }

    bool askText(const std::string&, const std::string&, std::string& value) override
    {
        if (textAnswers.empty())
            return false;
        value = textAnswers.front();
        textAnswers.pop_front();
        return true;
    }
};

} // namespace umbrin::test
