#pragma once
// The Sawyer dial ('w') as an HPGL plot.
#include "core/HPGLDatei.h"
#include "core/State.h"

#include <string>

namespace umbrin {

// Why the dial cannot be plotted (a latitude below 29 degrees, as on the screen, or at or
// beyond the polar circle), in the language of the state; empty when it can.
std::string sawyerPlotHindernis(const AppState& s);

// Writes the dial onto a sheet of 16400 x 10480 plotter units at 40 units per millimetre, the
// same text for a plot file and for the DXF intermediate. gnomon: the gnomon length in mm. The
// foot is read from the state in plotter units and used as it stands. Only points the drawing
// on the screen accepts are written. Where a stroke or a label reaches past the sheet, warnung
// (when given) gets the text that says so in the language of the state; it stays as it was
// otherwise. Returns the refusal text (nothing written) or empty.
std::string hpglSawyerSU(const AppState& s, HPGLDatei& plot, double gnomon, std::string* warnung = nullptr);

} // namespace umbrin
