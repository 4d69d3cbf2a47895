#pragma once
// The shepherd's dial: a horizontal gnomon of length P stands out from the top of a vertical
// cylinder, and the shadow of its tip falls P tan h below it, h the sun's altitude. The
// surface is drawn unrolled: the date across, the shadow's drop down, the hours as curves
// through the points of equal time; an altitude scale may stand beside it.
#include "core/Canvas.h"
#include "core/State.h"
#include "dials/Konstruktionsmeldung.h"

namespace umbrin {

struct HirtenAuftrag {
    int breite = 0; // canvas size in its units
    int hoehe = 0;
    bool bildschirm = true;
    int groesse = 0; // gnomon length, mm
    bool grosserBildschirm = true; // larger legend fonts on screen
};

// The layout of one drawing in canvas units.
struct HirtenMasse {
    int m = 0;             // page margin
    int W = 0, H = 0;      // drawing width and height
    double L = 0;          // month axis, mm (at most 250, on a page at most what its width holds)
    bool gekuerzt = false; // the month axis was longer and is drawn shortened
    double P = 0;          // gnomon length
    double tagSchritt = 0; // units per day across
    double hoeheMax = 0;   // highest sun of the year at the place (degrees)
    double yMax = 0;       // depth of the scale below the gnomon
    int oben = 0;          // the gnomon's level
    int unten = 0;         // the scale's lower edge
    int xLinks = 0;        // the first day of the scale
};

HirtenMasse hirtenMasse(const AppState& s, const HirtenAuftrag& a);

// Draws the dial, or the refusal of temporal hours beyond 65 degrees in its place. The
// messages: a temporal hour range outside 0..12 (drawn as 6..12), Italian and Babylonian hours
// refused beyond 65 degrees.
Konstruktionsmeldungen zeichneHirtenSU(const AppState& s, Canvas& c, const HirtenAuftrag& a);

} // namespace umbrin
