#pragma once
// Engine code that must ask the user something (rebuild a faulty settings file? go on with
// the gnomon foot outside the image?) asks through this interface. The windows implement
// it with message boxes; tests implement it with scripted answers.
#include <string>

namespace umbrin {

// Title pairs of the message boxes, in both languages (see the message-title texts).
enum class PromptTitle { Achtung, Warnung, Fehler, Information, Problem, WasNun };
enum class PromptIcon { None, Information, Warning, Error, Question };
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Cancel, Yes, No };

class UserPrompt {
public:
    virtual ~UserPrompt() = default;
    // Shows text (UTF-8) with the title of the current language and returns the answer.
    virtual PromptAnswer ask(PromptTitle title, PromptIcon icon, const std::string& text,
                             PromptButtons buttons) = 0;
    // The same under a title of its own (UTF-8), for the few boxes whose title is no title
    // pair (the program's name and version). A prompt without free titles falls back to the
    // information title.
    virtual PromptAnswer askTitled(const std::string& title, PromptIcon icon, const std::string& text,
                                   PromptButtons buttons)
    {
        (void)title;
        return ask(PromptTitle::Information, icon, text, buttons);
    }
    // A Yes/No question whose text names its two answers in words of its own ("ja = ... oder
    // nein = ..."): the buttons carry those words, whatever the language. A prompt that cannot
    // label its buttons asks the plain Yes/No question.
    virtual PromptAnswer askYesNoNamed(PromptTitle title, PromptIcon icon, const std::string& text,
                                       const std::string& yesWord, const std::string& noWord)
    {
        (void)yesWord;
        (void)noWord;
        return ask(title, icon, text, PromptButtons::YesNo);
    }
    // Asks for a number (the grid mesh of a plot, say). Returns false on Cancel.
    virtual bool askText(const std::string& caption, const std::string& label, std::string& value) = 0;
};

} // namespace umbrin
