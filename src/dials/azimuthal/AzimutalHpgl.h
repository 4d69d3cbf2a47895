#pragma once
// The azimuthal dial with date or zodiac circles ('a', sub-type 0) as an HPGL plot: the dial
// at true size, 40 plotter units per millimetre, centred at (7300, 5300). The same text serves
// a plot file and the DXF intermediate.
#include "core/HPGLDatei.h"
#include "core/State.h"

namespace umbrin {

void schreibeHPGL_Azimutal(const AppState& s, HPGLDatei& plot);

} // namespace umbrin
