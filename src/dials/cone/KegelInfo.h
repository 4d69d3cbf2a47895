#pragma once
// The information drawing of the mean-time dial with a cone: the cone standing on the dial
// plane seen from the side (axis, the two outer generators, apex over S) and from above (the
// footprint with A and S), its measures, and the drawn date lines with their distance from
// the cone.
#include "core/Canvas.h"
#include "core/State.h"
#include "dials/Konstruktionsmeldung.h"

namespace umbrin {

// Draws the figure for the cone-axis length L (mm, zoom applied). On the image (bildschirm)
// one mm is breite1 / 280 pixels, breite1 being the drawing's width, and the figure starts
// breite1 / 30 from the left; when it would reach beyond breite2 (the information image's
// width) it is drawn at 280 / 420 of that scale, verkleinert is set and a note says so. On a
// page one mm is 10 units inside the margins druckRandX, druckRandY, and verkleinert keeps
// what the screen left. A cone that cannot be built gives its message instead.
Konstruktionsmeldungen zeichneStabInfo(const AppState& s, Canvas& c, bool bildschirm, bool& verkleinert, int breite1,
                                       int breite2, double L, int druckRandX, int druckRandY);

} // namespace umbrin
