#pragma once
// Whether the azimuthal dial ('a', either sub-type) fits the printed page it is to go on.
#include "core/RecordingCanvas.h"
#include "core/State.h"

#include <functional>
#include <string>
#include <vector>

namespace umbrin {

// How far a drawing's ink reaches past the page, in its units (0 when it stays on it).
using Seitenmass = std::function<double(const std::vector<RecordedPrimitive>&)>;

// Before printing on a page of breite x hoehe units of 0.1 mm: empty when the dial, at the
// true size of its plate, keeps every line and label on the page (a unit of rounding allowed,
// measured by ueberstand); else why nothing is printed (for the altitude circles also a plate
// too small for its degree ring). A dial that refuses to draw at all says so itself.
std::string azimutalSeitenpruefung(const AppState& s, int breite, int hoehe, const Seitenmass& ueberstand);

} // namespace umbrin
