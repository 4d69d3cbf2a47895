#include "dialogs/TypwahlTabelle.h"

#include <array>

namespace umbrin {
namespace {

constexpr std::array<TypwahlEintrag, 13> kAlle = {{
    {183, 'h', false, false, 10},
    {184, 'v', false, false, 10},
    {185, 'i', false, false, 10},
    {186, 'h', true, false, 12},
    {187, 'q', false, false, 13},
    {188, 'a', false, false, 18},
    {189, 'z', false, false, 17},
    {190, 'k', false, false, 19},
    {191, 'r', false, false, 20},
    {192, 'c', false, true, 212},
    {193, 'm', false, true, 54},
    {194, 'w', false, false, 55},
    {195, 'p', false, false, 57},
}};

bool planar(char t) { return t == 'h' || t == 'i' || t == 'v'; }

} // namespace

std::span<const TypwahlEintrag> TypwahlAlle() { return kAlle; }

std::vector<TypwahlEintrag> TypwahlListe(bool experte)
{
    std::vector<TypwahlEintrag> liste;
    for (const TypwahlEintrag& e : kAlle)
        if (experte || !e.nurExperte)
            liste.push_back(e);
    return liste;
}

std::optional<int> TypwahlIndex(bool experte, char uhrTyp, bool schirm)
{
    const std::vector<TypwahlEintrag> liste = TypwahlListe(experte);
    for (std::size_t i = 0; i < liste.size(); ++i) {
        const TypwahlEintrag& e = liste[i];
        if (schirm ? e.schirm : (!e.schirm && e.uhrTyp == uhrTyp))
            return static_cast<int>(i);
    }
    return std::nullopt;
}

bool TypWaehlen(AppState& s, int index)
{
    const bool experte = s.ExpertenModus != 0;
    const std::vector<TypwahlEintrag> liste = TypwahlListe(experte);
    if (index < 0 || index >= static_cast<int>(liste.size()))
        return false;
    const TypwahlEintrag& e = liste[static_cast<std::size_t>(index)];
    s.Schirmuhr = 0;
    // Every type of the chooser is a dial of its own; ham mode comes only with the letter 'o'.
    s.SchinkenModus = 0;
    if (e.schirm) {
        s.Schirmuhr = 1;
        if (!planar(s.UhrTyp))
            s.UhrTyp = 'h';
    } else {
        s.UhrTyp = e.uhrTyp;
        if (e.uhrTyp == 'v')
            s.Par.Inklination = 90;
    }
    if (!experte) {
        if (s.UhrTyp == 'c' || s.UhrTyp == 'm')
            s.UhrTyp = 'h';
        if (s.UhrTyp == 'q')
            s.Schalter.Hoehenuhrart = 0;
        if (s.UhrTyp == 'z')
            s.Schalter.ZylinderArt = 0;
    }
    return true;
}

std::int32_t TypwahlBild(const AppState& s)
{
    if (!s.Schirmuhr && (s.UhrTyp == 'i' || s.UhrTyp == 'o' || s.UhrTyp == 'b'))
        return 0;
    if (!s.Schirmuhr && s.UhrTyp == 'h')
        return 1105;
    if (!s.Schirmuhr && s.UhrTyp == 'f')
        return 3001;
    std::int32_t nr = 0;
    BildNummerUhrTyp(s, nr);
    return nr;
}

} // namespace umbrin
