#pragma once
// A part of the layout check for dials whose hour numbers stand round a centre (the azimuthal
// dials): the numbers read in the order of the hours, one way round and less than once, as
// the shadow turns through the day. A number that stands between two others of the wrong
// hours ("17 16 18 15") is a finding.
#include "core/RecordingCanvas.h"
#include "support/Layoutpruefung.h"

#include <string>
#include <vector>

namespace umbrin::test {

// An hour number and the middle of its box.
struct Stundenzahl {
    int stunde = 0;
    double x = 0, y = 0;
};

// The finding, if any, for the numbers round (cx, cy).
std::vector<Befund> pruefeRandfolge(std::vector<Stundenzahl> zahlen, double cx, double cy);

// The same for a drawing: the numbers are the whole-number texts in the font colour farbe;
// the centre is that of its largest circle.
std::vector<Befund> pruefeRandfolge(const RecordingCanvas& c, Farbe farbe);
// The same for a plot: the whole-number labels of pen stift; the centre is that of its
// largest circle (CI).
std::vector<Befund> pruefePlotRandfolge(const std::string& hpgl, int stift);

} // namespace umbrin::test
