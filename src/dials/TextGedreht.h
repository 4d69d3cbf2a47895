#pragma once
// Text written at an angle, used by the dial constructions for labels along lines.
#include "core/Canvas.h"

#include <string_view>

namespace umbrin {

// Writes text with its top-left corner at (x, y), turned counter-clockwise by angle degrees,
// in the canvas's current face and font colour with the given character height (device
// units) and weight (100..900; 600 and more is bold). The canvas font is as before afterwards.
// An empty text draws nothing.
void TextOutGedreht(Canvas& canvas, int x, int y, std::string_view text, int weight, int height, int angle);

} // namespace umbrin
