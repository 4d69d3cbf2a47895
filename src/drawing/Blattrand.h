#pragma once
// How far a recorded drawing reaches past its sheet: the inked parts only (strokes and fills
// not white, texts by the box their letters fill), so a print can be refused before anything
// leaves the page without a word.
#include "core/RecordingCanvas.h"

#include <vector>

namespace umbrin {

enum class Blattkante { Keine, Links, Rechts, Oben, Unten };

struct Ueberstand {
    double weite = 0; // the farthest reach past an edge, in the drawing's units (0: all on the sheet)
    Blattkante kante = Blattkante::Keine;
};

// The farthest reach of the drawing past the sheet 0..breite x 0..hoehe. A text's box follows
// the letters as the page's fonts draw them: 0.55 em a character, from the cap line (0.15 em
// below the top) to just below the baseline (1.02 em), a font height being the cell of 1.15 em;
// blanks at either end take no room. An arc counts with its whole curve, an ellipse or a
// rectangle with its outline (right - 1, bottom - 1).
Ueberstand ueberstand(const std::vector<RecordedPrimitive>& zeichnung, int breite, int hoehe);

} // namespace umbrin
