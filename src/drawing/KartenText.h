#pragma once
// The world map built into the program: lines of "longitude<TAB>latitude" in degrees with two
// decimals (east and north positive), every polyline opened by the line "> -b"; first the
// coastlines, then the line "Grenze", then the country borders.
#include "core/State.h"
#include "dials/KartenLeser.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace umbrin {

// The line between the coastlines and the borders.
inline constexpr std::string_view kKartenGrenzeZeile = "Grenze";

// Every line of the built-in map, without line ends.
std::vector<std::string> ladeKartenText();

// Fills the state's KartenText with the built-in map (once, at start).
void LadeKartenText(AppState& s);

// The lines [von, bis) of one part of a map text: the coastlines (from the first line up to
// the line "Grenze") or the borders (after it to the end). A text without "Grenze" is all
// coastline.
struct KartenBereich {
    std::size_t von = 0;
    std::size_t bis = 0;
};
KartenBereich kartenBereich(const std::vector<std::string>& kartenText, bool kuesten);

// The polylines of one part of a map text, read by the given separator rule.
KartenLesung leseKartenBereich(const std::vector<std::string>& kartenText, bool kuesten,
                               const KartenTrennRegel& regel,
                               const std::optional<KartenFenster>& fenster = std::nullopt);

} // namespace umbrin
