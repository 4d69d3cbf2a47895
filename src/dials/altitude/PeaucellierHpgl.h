#pragma once
// The hybrid Peaucellier azimuth dial ('p') as an HPGL plot.
#include "core/HPGLDatei.h"
#include "core/State.h"

#include <string>

namespace umbrin {

// Why the dial cannot be plotted, in the language of the state; empty when it can. Checked
// before the export opens any file.
std::string peaucellierPlotHindernis(const AppState& s);

// Writes the dial onto a sheet of 16400 x 11480 plotter units times k (k = 1 for a plot file,
// 25 for the DXF intermediate). einheit: the equinox distance in millimetres as drawn on the
// screen (Round(Einheit x Zoom); 0 gives 35). The foot is read from the state in plotter units
// at k = 1 (x from the image, y 5240); a foot not placed goes to 35 % of the width and half
// the height, and it moves as far as the whole dial with its letters needs to lie on the sheet
// beside the legend; the state is not changed. A dial larger than that is written all the
// same: the DXF intermediate's sheet grows to hold it whole, and a plot file keeps its sheet,
// whose edges cut it, and says so in warnung (empty where the dial fits). Returns the refusal
// text (nothing written: the latitude or the constant) or empty when the plot was written.
std::string hpglPeaucellierSU(const AppState& s, HPGLDatei& plot, double einheit, bool alsHPGL,
                              std::string* warnung = nullptr);

} // namespace umbrin
