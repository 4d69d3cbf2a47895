#pragma once
// The polar sun-path diagram: the sky seen from above, the zenith in the centre and the
// horizon on the rim, south below, east to the right. Altitude circles and azimuth spokes
// with a degree scale, the day paths of the zodiac declinations, the hour lines (loops with
// the equation of time) with their numbers, the horizon profile and a legend. One routine for
// the screen image and the printer page; its plot twin is SonnenstandKreisHPGL.
#include "core/Canvas.h"
#include "core/State.h"

#include <vector>

namespace umbrin {

struct KreisGeometrie {
    int m = 0;       // margin
    int schrift = 0; // font height of the scale
    int R = 0;       // radius of the horizon circle
    int R2 = 0;      // radius of the outer scale ring
    int cx = 0;
    int cy = 0;
};

// The size of the legend block (the title and the legend lines) in the top-left corner.
struct KreisLegendenmass {
    int breite = 0;
    int hoehe = 0;
};

// The geometry of a drawing of the given size. The horizon radius of 8/21 of the width (800
// on paper) and the centre at 0.57 of the height hold where the whole picture fits with them:
// the disc with its scale rings, the direction words and the legend block clear of the rings.
// Where it does not, the centre moves within the image and the radius shrinks until it does.
KreisGeometrie kreisGeometrie(int breite, int hoehe, bool Bildschirm, double breitengrad,
                              KreisLegendenmass legende = {});

// The point of altitude h and azimuth a (degrees from south, east negative) on a drawing of
// centre (cx, cy) and horizon radius R, y downwards.
CanvasPoint kreisPunkt(double cx, double cy, double R, double a, double h);

// The declination-table indexes of the date lines with their main-line flags: LinienProMonat
// 1, 2, 3 give 7, 13, 19 lines, 4 the two solstices and the equinox; other values count as
// the nearest of 1..4.
struct KreisDatumslinie {
    int index = 0;
    bool hauptlinie = true;
};
std::vector<KreisDatumslinie> kreisDatumslinien(int linienProMonat);

// The clock times of the hour lines: from 3 h up to 21 h, each hour divided into
// StundenIntervallSonst + 1 parts.
std::vector<double> kreisStundenzeiten(char stundenIntervallSonst);

// Draws the diagram and returns the geometry it used.
KreisGeometrie ZeichneSonnenstandKreis(Canvas& c, const AppState& s, int breite, int hoehe,
                                       bool Bildschirm);

} // namespace umbrin
