#pragma once
// The mean-time dial with a cone on a canvas: the drawing window's image (pixels) or a
// printed page (0.1 mm).
#include "core/Canvas.h"
#include "core/State.h"
#include "dials/Konstruktionsmeldung.h"
#include "dials/Zeichenumgebung.h"

#include <cstdint>

namespace umbrin {

// Draws the footprint of the cone with its axis, the marks A and S, the hour lines with their
// labels, the date lines and the legend. bildschirm: the image (no margin, the length scaled
// as if the width were 280 or 420 mm) or a page (a margin of 50 units, 10 units per mm).
// L: the cone-axis length in mm, scaled by zoom. The footprint's centre is the state's foot
// point; the legend stands where the state's legend position says. A cone that cannot be
// built ends the drawing with its message.
Konstruktionsmeldungen zeichneKegelUhr(const AppState& s, const Zeichenumgebung& u, Canvas& c, int breite, int hoehe,
                                       bool bildschirm, double L, double zoom, std::uint8_t ebene);

} // namespace umbrin
