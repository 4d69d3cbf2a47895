#pragma once
// Messages to the user by their row of the message table, through the UserPrompt that the
// windows implement with message boxes.
#include "core/State.h"
#include "core/Texttabellen.h"
#include "core/UserPrompt.h"

#include <string>

namespace umbrin {

// The title pair that a box of the given role shows.
TitelPaar titelPaarVon(PromptTitle titel);

// Title of a message box in the current language.
std::string_view meldungsTitel(const AppState& s, PromptTitle titel);

// Shows message row `meldung` of the message table in the current language.
PromptAnswer zeigeMeldung(UserPrompt& prompt, const AppState& s, int meldung, PromptTitle titel,
                          PromptIcon icon, PromptButtons knoepfe = PromptButtons::Ok);

// The report of a formatter whose request had more decimals than width (message 25, title
// pair Fehler, warning icon). Callers that got RealStr's error flag show it once.
void meldeUmwandlungsfehler(UserPrompt& prompt, const AppState& s);

} // namespace umbrin
