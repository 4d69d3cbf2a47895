#pragma once
// The azimuthal dial with date or zodiac circles ('a', sub-type 0) on a canvas: the drawing
// window's image or a printed page.
#include "core/Canvas.h"
#include "core/State.h"
#include "dials/Konstruktionsmeldung.h"
#include "dials/Zeichenumgebung.h"

namespace umbrin {

// Draws the whole dial on a canvas of breite x hoehe units: pixels on the screen
// (bildschirm), 0.1 mm on a page. Temporal hours beyond 66 degrees of latitude draw only a
// message.
Konstruktionsmeldungen zeichneAzimutal(const AppState& s, Canvas& canvas, int breite, int hoehe, bool bildschirm,
                                       const Zeichenumgebung& umgebung);

// The legend of the twelve signs (symbol, name, entry date) from (x, y) downwards, in one column
// or in two of six signs, the second spalteX to the right of the first.
void zeichneZodiakLegende(const AppState& s, Canvas& canvas, bool bildschirm, bool grosserBildschirm, Farbe farbe,
                          int x, int y,
                          int spalteX = 0);

} // namespace umbrin
