#include "core/Textlisten.h"

#include "core/Sprachdienst.h"

namespace umbrin {

std::vector<std::string> ListeAusTabelle(const AppState& s, int erste, int letzte)
{
    std::vector<std::string> liste;
    for (int k = erste; k <= letzte; ++k)
        liste.emplace_back(texteText(s, k));
    return liste;
}

std::vector<std::string> ListeAusStringtabelle(int basis, int erste, int anzahl)
{
    std::vector<std::string> liste;
    for (int id = erste; id < erste + anzahl; ++id)
        liste.push_back(ladeText(id, basis));
    return liste;
}

int IntervallIndex(char code, int anzahl)
{
    if (anzahl <= 0 || code < '0' || code > '9')
        return 0;
    const int index = code - '0';
    return index < anzahl ? index : anzahl - 1;
}

} // namespace umbrin
