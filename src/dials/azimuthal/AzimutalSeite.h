#pragma once
// Whether the azimuthal dial ('a', either sub-type) fits the printed page it is to go on.
#include "core/State.h"

#include <string>

namespace umbrin {

// Before printing on a page of breite x hoehe units of 0.1 mm: empty when the dial, at the
// true size of its plate, keeps every line and label on the page; else why nothing is printed
// (for the altitude circles also a plate too small for its degree ring). A dial that refuses
// to draw at all says so itself.
std::string azimutalSeitenpruefung(const AppState& s, int breite, int hoehe);

} // namespace umbrin
