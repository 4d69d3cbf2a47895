#pragma once
// The horizontal altitude dial: a straight edge of height P stands across the near end of a
// flat plate; its shadow ends P cot h from the edge, h the sun's altitude. The date runs down
// the plate, the shadow length across it, and each hour is the curve through the shadow ends
// of that time. A vertical plate of height P may stand at the far end of the plate (S2 from
// the edge) and catch the shadow of a low sun, P - S2 tan h above its foot; it is drawn folded
// flat beside the plate.
#include "core/Canvas.h"
#include "core/State.h"
#include "dials/Konstruktionsmeldung.h"

namespace umbrin {

struct HidokeiAuftrag {
    int breite = 0;  // canvas size in its units
    int hoehe = 0;
    bool bildschirm = true;
    int groesse = 0; // edge height, mm
};

// The layout of one drawing in canvas units.
struct HidokeiMasse {
    int m = 0;            // page margin
    int W = 0, H = 0;     // right and bottom edge
    double f = 0;         // units per millimetre
    double P = 0;         // edge height
    double S2 = 0;        // plate length
    double tagSchritt = 0; // units per day along the date axis
    double knickHoehe = 0; // the altitude whose shadow ends at the far edge (degrees)
    int xL = 0;           // near edge of the plate (the foot of the edge)
    int xF = 0;           // far edge: the fold to the vertical plate
    int oben = 0;         // the date axis begins here
};

// The layout as the dial draws it (the canvas's font decides the left edge on narrow pages).
HidokeiMasse hidokeiMasse(const AppState& s, Canvas& c, const HidokeiAuftrag& a);

// Draws the dial, or the refusal of temporal hours beyond 65 degrees in its place. The
// messages: a temporal hour range outside 0..12 (drawn as 6..12).
Konstruktionsmeldungen zeichneHidokei(const AppState& s, Canvas& c, const HidokeiAuftrag& a);

} // namespace umbrin
