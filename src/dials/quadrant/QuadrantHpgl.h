#pragma once
// The quadrant dial ('q', sub-type 0) as an HPGL plot.
#include "core/HPGLDatei.h"
#include "core/State.h"

#include <string>

namespace umbrin {

// Writes the whole plot: the Gunter quadrant for scale kind 2 (hpglGunterQuadrant with the
// quadrant size and the scale of the export), otherwise up to two calendar or zodiac quadrants
// of radius 7800 plotter units side by side with their legend. Calendar and zodiac plots
// have the same coordinates for a plot file and for the DXF intermediate.
// A Gunter quadrant refused for its latitude writes nothing.
void schreibeQuadrantHPGL(const AppState& s, HPGLDatei& plot);

// Why the state's quadrant cannot be plotted (the Gunter quadrant's latitude limits), or
// empty.
std::string quadrantPlotHindernis(const AppState& s);

// The Gunter quadrant of `groesse` millimetres on a sheet of 16157 x 11038 plotter units,
// everything times k (1 for a plot file, 25 for the DXF intermediate).
void hpglGunterQuadrant(const AppState& s, HPGLDatei& plot, double groesse, bool alsHPGL);

} // namespace umbrin
