#pragma once
// The quadrant dial ('q', sub-type 0) on a canvas: the drawing window's image or a printed
// page.
#include "core/Canvas.h"
#include "core/State.h"
#include "dials/Konstruktionsmeldung.h"
#include "dials/Zeichenumgebung.h"

#include <string>

namespace umbrin {

// The drawing window's construction of 'q': sub-type 0 draws the quadrant on the image with
// the reference meridian of the hour curves (the longitude with zone time, else the zone
// meridian). The vertical Habermel dials (sub-types 1, 2) have their own rows; any sub-type
// but 0 draws nothing here.
Konstruktionsmeldungen konstruiereQuadrantSU(const AppState& s, Canvas& canvas, int breite, int hoehe,
                                             const Zeichenumgebung& umgebung);

// The reference meridian the window hands to the quadrant.
double quadrantMeridian(const AppState& s);

// Draws the quadrant on a canvas of breite x hoehe units: pixels on the screen (bildschirm),
// 0.1 mm on a page. M is the reference meridian: it enters only the hour angle of the
// calendar scale's curves. Temporal hours beyond 65 degrees of latitude draw only a message.
Konstruktionsmeldungen zeichneQuadrantSU(const AppState& s, Canvas& canvas, int breite, int hoehe, bool bildschirm,
                                         double M, const Zeichenumgebung& umgebung);

} // namespace umbrin
