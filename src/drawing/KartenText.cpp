#include "drawing/KartenText.h"

#include "drawing/KartenTextDaten.h"

#include <algorithm>
#include <span>

namespace umbrin {

std::vector<std::string> ladeKartenText()
{
    std::vector<std::string> zeilen;
    zeilen.reserve(48000);
    for (std::string_view teil : kartenTextTeile()) {
        while (!teil.empty()) {
            const std::size_t lf = teil.find('\n');
            const std::size_t laenge = lf == std::string_view::npos ? teil.size() : lf;
            zeilen.emplace_back(teil.substr(0, laenge));
            teil.remove_prefix(std::min(teil.size(), laenge + 1));
        }
    }
    return zeilen;
}

void LadeKartenText(AppState& s)
{
    s.KartenText = ladeKartenText();
}

KartenBereich kartenBereich(const std::vector<std::string>& kartenText, bool kuesten)
{
    const auto grenze = std::find(kartenText.begin(), kartenText.end(), kKartenGrenzeZeile);
    const auto g = static_cast<std::size_t>(grenze - kartenText.begin());
    if (kuesten)
        return {0, g};
    if (grenze == kartenText.end())
        return {g, g};
    return {g + 1, kartenText.size()};
}

KartenLesung leseKartenBereich(const std::vector<std::string>& kartenText, bool kuesten,
                               const KartenTrennRegel& regel, const std::optional<KartenFenster>& fenster)
{
    const KartenBereich b = kartenBereich(kartenText, kuesten);
    return leseKartenZeilen(std::span<const std::string>(kartenText).subspan(b.von, b.bis - b.von), regel, fenster);
}

} // namespace umbrin
