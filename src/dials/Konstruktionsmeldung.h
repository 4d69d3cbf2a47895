#pragma once
// A message a construction has for the user. Constructions never open a message box: they
// return their messages, and the window shows them once, after drawing.
#include "core/UserPrompt.h"

#include <string>
#include <vector>

namespace umbrin {

struct Konstruktionsmeldung {
    PromptTitle titel = PromptTitle::Warnung;
    PromptIcon symbol = PromptIcon::Warning;
    std::string text; // UTF-8, in the language of the construction
    // The message tells the user that parts of the drawing run past the sheet's edge: a page
    // that shows it is printed with the word rather than refused.
    bool ueberDenRand = false;
    friend bool operator==(const Konstruktionsmeldung&, const Konstruktionsmeldung&) = default;
};

using Konstruktionsmeldungen = std::vector<Konstruktionsmeldung>;

} // namespace umbrin
