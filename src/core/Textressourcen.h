#pragma once
// The string table of the program: the captions, hints and item texts that windows carry by
// id. The German text of an item has its id (1..954), the English text the id + 2000.
// A window component carries the id of its text (its text id); relabelling it means loading
// the text of that id plus the base of the current language (0 or 2000).
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace umbrin {

// Where a text comes from: as the program has always shown it, or written for this program
// where only the item's id and role are known (the English half only, or both halves).
enum class TextHerkunft : std::uint8_t { Ueberliefert, EnglischErgaenzt, Ergaenzt };

struct StringtabellenEintrag {
    int id;                    // German id; the English text is id + 2000
    std::string_view deutsch;
    std::string_view englisch; // empty for the few items that have never had an English text
    TextHerkunft herkunft;
};

// Every entry, sorted by id.
std::span<const StringtabellenEintrag> Stringtabelle();

// The text of a full string id (German id, or English id + 2000); nothing for a missing id.
std::optional<std::string_view> stringtabellenText(int vollId);

} // namespace umbrin
