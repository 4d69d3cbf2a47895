#pragma once
// The items of the dial-type chooser and the dial type each of them stands for. The full list
// has thirteen items; without expert mode the biazimuthal and the mean-time dial are left
// out, so the Sawyer and Peaucellier items move up to positions 9 and 10. Every mapping
// between an item and a type goes through this one table, in both directions.
#include "core/State.h"

#include <optional>
#include <span>
#include <vector>

namespace umbrin {

struct TypwahlEintrag {
    int textId;        // caption in the string table (183 .. 195)
    char uhrTyp;       // dial-type letter; the umbrella item keeps 'h', 'i' or 'v'
    bool schirm;       // the umbrella item
    bool nurExperte;   // offered only in expert mode
    int hilfeKontext;  // help context of the chooser while the item is chosen
};

// All thirteen items in the order of the full list.
std::span<const TypwahlEintrag> TypwahlAlle();

// The items the chooser shows, in their order.
std::vector<TypwahlEintrag> TypwahlListe(bool experte);

// The item that shows the current dial type, or nothing for a letter without an item
// ('b', 'f', 'o' from a settings file, or an expert type while expert mode is off).
std::optional<int> TypwahlIndex(bool experte, char uhrTyp, bool schirm);

// Takes the choice of item `index` into the state: the dial-type letter, the umbrella flag,
// the inclination of the vertical dial; without expert mode the expert types and sub-types
// fall back ('c', 'm' to 'h'; quadrant and cylinder sub-type 0). An index outside the list
// changes nothing and returns false.
bool TypWaehlen(AppState& s, int index);

// The gallery picture of the type's picture button: the type's own picture, the horizontal
// dial's from the gallery's first place; 0 for a type whose button shows none.
std::int32_t TypwahlBild(const AppState& s);

} // namespace umbrin
