#pragma once
// The ring dial as a plot: the unrolled inner surface of the ring as one or two bands of hour
// lines at 40 plotter units per millimetre on a page of 16157 x 11040 units, with the scale of
// signs at the band's left end, the hole mark, a header with the two check measures and the
// construction data, a closing summary and the page frame. The same numbers go to a plot file
// and to the intermediate of a DXF drawing.
#include "core/HPGLDatei.h"
#include "core/State.h"
#include "core/UserPrompt.h"

#include <string>

namespace umbrin {

// True when the band from the hole line on (x1 + pi r) runs past the page: the writer then
// asks whether to abandon the plot.
bool ringZuGrossFuerSeite(double D, double alpha);

// Writes the plot of a ring of inner diameter D (mm), width B (mm) and hole angle alpha
// (degrees) into the open file. Messages (hour range, latitude) go through frage, each once.
// Returns the empty text when the plot was written, or why it was abandoned (the user chose
// to abort at the size question); the caller then drops the file.
std::string schreibeRingsonnenuhrHPGL(const AppState& s, HPGLDatei& datei, UserPrompt& frage, double D, double B,
                                      double alpha);

} // namespace umbrin
