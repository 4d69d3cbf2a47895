#pragma once
// The millimetre grid of a drawing, aligned on the gnomon foot.
#include "core/Canvas.h"
#include "core/State.h"
#include "core/UserPrompt.h"

#include <string>

namespace umbrin {

// Draws a grid of the given mesh (millimetres) through (x0, y0) with a small square on that
// origin, over the area up to width x height. On screen the spacing is mesh x width / 280
// pixels when formatA4 (the screen is laid out like an A4 sheet, 280 mm wide) or
// mesh x width / 420 (like A3); on the printer it is 10 x mesh (0.1 mm). The first row and
// column lie within one spacing of randX / randY (the printer page margins; 0 on screen).
// A spacing below one unit (a tiny window) draws only the origin mark.
void zeichneRaster(Canvas& canvas, bool bildschirm, Farbe farbe, int x0, int y0, int breite, int hoehe, int masche,
                   bool formatA4, int randX, int randY);

// The grid question of the plot writers: whether to add the coordinate grid, then its mesh in
// millimetres. 0 when the user declines; 10 when the input box is cancelled.
int frageRaster(const AppState& s, UserPrompt& frage, int obergrenze);

// The grid mesh in millimetres from the text typed into the input box: a whole number from 1
// to obergrenze (the sheet's width, which each writer knows); anything else, and an empty
// text, gives 10.
int rasterWeite(const std::string& antwort, int obergrenze);

} // namespace umbrin
