#pragma once
// The azimuthal dial with altitude circles ('a', sub-type 1) as an HPGL plot on the planar
// page (16157 x 11038 plotter units, 40 per millimetre), centred at (7300, 5300).
#include "core/HPGLDatei.h"
#include "core/State.h"

namespace umbrin {

// Writes the whole dial. The radii follow the radial law of the state at every export.
void schreibeHPGL_AzimutalHoehe(const AppState& s, HPGLDatei& plot);

} // namespace umbrin
