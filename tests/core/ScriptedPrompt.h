#pragma once
// A UserPrompt for tests: records every message and gives scripted answers (OK by default).
#include "core/UserPrompt.h"

#include <deque>
#include <string>
#include <vector>

namespace umbrin::texttest {

class ScriptedPrompt : public UserPrompt {
public:
    struct Meldung {
        PromptTitle titel;
        PromptIcon icon;
        std::string text;
        PromptButtons knoepfe;
    };
    std::vector<Meldung> gezeigt;
    std::deque<PromptAnswer> antworten;

    PromptAnswer ask(PromptTitle titel, PromptIcon icon, const std::string& text, PromptButtons knoepfe) override
    {
        gezeigt.push_back({titel, icon, text, knoepfe});
        if (antworten.empty())
            return knoepfe == PromptButtons::YesNo || knoepfe == PromptButtons::YesNoCancel ? PromptAnswer::Yes
                                                                                           : PromptAnswer::Ok;
        const PromptAnswer a = antworten.front();
        antworten.pop_front();
        return a;
    }

    bool askText(const std::string&, const std::string&, std::string&) override { return false; }
};

} // namespace umbrin::texttest
