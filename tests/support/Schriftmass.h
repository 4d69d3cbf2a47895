#pragma once
// Texts by the fonts a page or an image really gets (measured by Qt in the test support's ui
// part, so the engine's tests need no Qt of their own):
// - the program's own measure of its pages (the canvas the print measures texts with), to hand
//   to the page check as the printer would;
// - the ink of a text, for the layout check: from its cell's top-left corner, the left and
//   right end of its letters and their top, by the glyphs' real outlines.
#include "core/Canvas.h"

#include <string_view>

namespace umbrin::test {

// The canvas the print measures its page's texts with.
Canvas& seitenTextmass();

struct Tinte {
    double links = 0, rechts = 0; // along the text from its corner
    double oben = 0, grundlinie = 0; // down from the cell's top: the letters' top and the baseline
    bool leer = true;              // no ink at all (blanks only)
};
Tinte tinte(const CanvasFont& schrift, std::string_view text);

} // namespace umbrin::test
