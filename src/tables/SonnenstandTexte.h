#pragma once
// Texts the sun-path diagrams and their plots share: the time system of the hour lines, the
// period the hour loops cover, the place line, and a character-wise cut of UTF-8 text.
#include "core/State.h"

#include <string>
#include <string_view>

namespace umbrin {

// Characters von.. (1-based) of a UTF-8 text, at most anzahl of them; a multi-byte character
// counts as one, as it is one character in the Windows-1252 files.
std::string zeichenAus(std::string_view text, std::size_t von, std::size_t anzahl);

// The period the hour lines cover: string 591 + Sonnenstand with the equation of time, else
// 591 ("  ganzjährige Anzeige"). Unchanged, leading blanks included.
std::string zeitraumText(const AppState& s);

// The cartesian diagram's time system: mean or zone time with the equation of time, true
// local or zone time without, then " , " and the period, at most 60 characters.
std::string zeitsystemText(const AppState& s, bool zonenzeit);

// The direction words of the diagrams: "Ost"/"East", "West", "Süd"/"South", "Nord"/"North".
std::string richtungOst(const AppState& s);
std::string richtungWest(const AppState& s);
std::string richtungSued(const AppState& s);
std::string richtungNord(const AppState& s);

} // namespace umbrin
