#include "core/Meldungen.h"

#include "core/Sprachdienst.h"

namespace umbrin {

TitelPaar titelPaarVon(PromptTitle titel)
{
    switch (titel) {
    case PromptTitle::Achtung: return TitelPaar::Achtung;
    case PromptTitle::Warnung: return TitelPaar::Warnung;
    case PromptTitle::Fehler: return TitelPaar::Fehler;
    case PromptTitle::Information: return TitelPaar::Information;
    case PromptTitle::Problem: return TitelPaar::Problem;
    case PromptTitle::WasNun: return TitelPaar::Frage;
    }
    return TitelPaar::Achtung;
}

std::string_view meldungsTitel(const AppState& s, PromptTitle titel)
{
    return meldungsTitel(s, titelPaarVon(titel));
}

PromptAnswer zeigeMeldung(UserPrompt& prompt, const AppState& s, int meldung, PromptTitle titel,
                          PromptIcon icon, PromptButtons knoepfe)
{
    return prompt.ask(titel, icon, std::string(meldungsText(s, meldung)), knoepfe);
}

void meldeUmwandlungsfehler(UserPrompt& prompt, const AppState& s)
{
    zeigeMeldung(prompt, s, 25, PromptTitle::Fehler, PromptIcon::Warning);
}

} // namespace umbrin
