#include "core/Textressourcen.h"

#include <algorithm>
#include <array>

// Texts marked EnglischErgaenzt have an English half, and those marked Ergaenzt both halves,
// written for this program in the style of the others: for these items only the id and the
// role in its window are known.

namespace umbrin {

namespace {

constexpr std::array<StringtabellenEintrag, 3> eintraege = {{
    {1, " &Nächstes... >", " &Next... >", TextHerkunft::Ueberliefert},
    {7, " S&chließen", "  &Close", TextHerkunft::Ueberliefert},
    {8, " Abbru&ch", " &Cancel", TextHerkunft::Ueberliefert},
}};

} // namespace

std::span<const StringtabellenEintrag> Stringtabelle()
{
    return eintraege;
}

std::optional<std::string_view> stringtabellenText(int vollId)
{
    const bool englisch = vollId > 2000;
    const int id = englisch ? vollId - 2000 : vollId;
    const auto it = std::lower_bound(eintraege.begin(), eintraege.end(), id,
                                     [](const StringtabellenEintrag& e, int wert) { return e.id < wert; });
    if (it == eintraege.end() || it->id != id)
        return std::nullopt;
    if (!englisch)
        return it->deutsch;
    // An item without an English text gives the empty text under English.
    return it->englisch;
}

} // namespace umbrin
