#pragma once
// The mean-time dial with a cone as a plot. The plot ends without an epilog: the caller
// closes the file (and writes the cone's sheet into a second one).
#include "core/HPGLDatei.h"
#include "core/State.h"
#include "core/UserPrompt.h"

#include <cstdint>
#include <string>

namespace umbrin {

// Writes the dial: footprint, marks A and S, hour lines and labels, the note naming the cone
// sheet (blattName, without its folder), date lines and legend. The foot point and legend
// position of the state are in plotter units (k = 1); an unplaced foot takes a default by
// latitude. L: the cone-axis length in mm (zoom applied). Asks through frage whether to add
// the coordinate grid; in a plot file it warns through frage, in the language of the state,
// where the footprint or a mark reaches past the sheet. Returns the cone's refusal (nothing
// useful was written then), or empty.
std::string hpglKegelUhr(const AppState& s, HPGLDatei& d, UserPrompt& frage, const std::string& blattName,
                         std::int32_t legendeX, std::int32_t legendeY, std::uint8_t ebene, double L);

} // namespace umbrin
