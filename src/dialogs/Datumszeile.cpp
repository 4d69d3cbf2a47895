#include "dialogs/Datumszeile.h"

#include "core/UserPrompt.h"
#include "dialogs/IniTexte.h"
#include "dialogs/IniZahlen.h"

#include <string>

namespace umbrin {

bool dateLineIsValid(std::string_view zeile, std::int32_t jahr)
{
    if (zeile.empty())
        return false;
    std::string_view tagTeil = zeile.substr(0, 2);
    if (tagTeil.size() == 2 && (tagTeil[1] == ' ' || tagTeil[1] == '/'))
        tagTeil = tagTeil.substr(0, 1);
    std::string_view monatTeil;
    const std::size_t strich = zeile.find('/');
    if (strich != std::string_view::npos)
        monatTeil = zeile.substr(strich + 1, 2);
    if (monatTeil.size() == 2 && monatTeil[1] == ' ')
        monatTeil = monatTeil.substr(0, 1);

    const auto tag = alsGanzzahl(tagTeil);
    const auto monat = alsGanzzahl(monatTeil);
    if (!tag || !monat || *monat < 1 || *monat > 12 || *tag < 1 || *tag > 31)
        return false;
    switch (*monat) {
    case 4: case 6: case 9: case 11:
        return *tag <= 30;
    case 2: {
        const bool schaltjahr = (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
        return *tag <= (schaltjahr ? 29 : 28);
    }
    default:
        return true;
    }
}

bool checkDateLine(std::string_view zeile, std::int32_t jahr, int sprachspalte, UserPrompt& prompt)
{
    if (dateLineIsValid(zeile, jahr))
        return true;
    if (!zeile.empty()) {
        prompt.ask(PromptTitle::Fehler, PromptIcon::Error,
                   std::string(iniMeldung(IniMeldung::DatumFehlerhaft, sprachspalte)) + ": " + std::string(zeile),
                   PromptButtons::Ok);
    }
    return false;
}

} // namespace umbrin
