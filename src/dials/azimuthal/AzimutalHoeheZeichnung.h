#pragma once
// The azimuthal dial with altitude circles ('a', sub-type 1) on a canvas: the drawing window's
// image or a printed page.
#include "core/Canvas.h"
#include "core/State.h"
#include "dials/Konstruktionsmeldung.h"

namespace umbrin {

// Draws the whole dial on a canvas of breite x hoehe units: pixels on the screen
// (bildschirm), 0.1 mm on a page. Notes in s.AzKreisart whether the barrel law is in force.
Konstruktionsmeldungen zeichneAzimutalHoehe(AppState& s, Canvas& canvas, int breite, int hoehe, bool bildschirm);

} // namespace umbrin
