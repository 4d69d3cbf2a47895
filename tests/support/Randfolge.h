#pragma once
// A part of the layout check for a dial whose hour numbers stand round a centre (the azimuthal
// dial with date circles, and with altitude circles, pen 2 in its plot): they read in the order of the hours, one way round and less than
// once, as the shadow turns through the day; "17 16 18 15" is a finding, and so is an hour
// written twice. The numbers are the
// whole-number texts of one font colour (in a plot: of one pen), the centre that of the
// largest circle.
#include "core/RecordingCanvas.h"
#include "support/Layoutpruefung.h"

#include <string>
#include <vector>

namespace umbrin::test {

std::vector<Befund> pruefeRandfolge(const RecordingCanvas& c, Farbe farbe);
std::vector<Befund> pruefePlotRandfolge(const std::string& hpgl, int stift);

} // namespace umbrin::test
