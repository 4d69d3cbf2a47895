#pragma once
// The polar sun-path diagram as a plot, twin of ZeichneSonnenstandKreis: the horizon circle
// of 3200 plotter units (80 mm) around half the height and 0.7 of the width, or left of that
// as far as the word East needs to stay on the plot; plotter y upwards, so south lies below
// the centre as on the screen. Fixed pens: 4 grid and profile, 9 altitude circles, 1 main
// and 8 other date lines, 2 whole hours and 3 their parts, 11 stretches below the horizon
// profile.
#include "core/HPGLDatei.h"
#include "core/State.h"

namespace umbrin {

struct KreisPlotGeometrie {
    int R = 3200;
    int cx = 0;
    int cy = 0;
    int titelX = 0;
    int titelY = 0;
};

// The window writes with width 2900 and height 2000 (tenths of a millimetre).
KreisPlotGeometrie kreisPlotGeometrie(int breite, int hoehe);

void SonnenstandKreisHPGL(HPGLDatei& datei, const AppState& s, int breite, int hoehe);

} // namespace umbrin
