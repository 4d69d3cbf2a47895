#pragma once
// The check graph of the mean-time dial with a cone: over the half year from 21 June to
// 21 December, how far each pair's noon hour point lies from the footprint, beside the reach
// of the cone's shadow on that day, and the drawn date lines ordered by their distance. When
// the hour point lies beyond the shadow's end, the cone is at times too short.
#include "core/Canvas.h"
#include "core/State.h"
#include "dials/Konstruktionsmeldung.h"

namespace umbrin {

// Draws the graph for the state's dial onto width x height units of the canvas: the image
// (bildschirm) or a page, where it stands 15 mm right and 20 mm down from the page margins
// druckRandX, druckRandY (0.1 mm) while these are below 10 mm. t: the time of the extremes
// (12.0). A cone that cannot be built, or no noon point at all, gives a message instead.
Konstruktionsmeldungen zeichneKegelGrafik(const AppState& s, Canvas& c, int breite, int hoehe, bool bildschirm,
                                          double t, int druckRandX, int druckRandY);

} // namespace umbrin
