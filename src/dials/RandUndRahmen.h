#pragma once
// The white margins and the grey frame of a drawing.
#include "core/Canvas.h"

namespace umbrin {

// Whitens the four margins of width `rand` around the drawing of breite x hoehe units and draws
// a light grey frame along its inner edge. druckRandY is the top margin of the printer page
// (0 on screen); the right margin reaches that far below the drawing. The brush is solid
// white afterwards.
void RandUndRahmen(int breite, int hoehe, int rand, Canvas& canvas, int druckRandY);

} // namespace umbrin
