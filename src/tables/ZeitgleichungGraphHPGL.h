#pragma once
// The equation-of-time graph as a plot: laid out in tenths of a millimetre like the printed
// page (5 per day, 150 per 5 minutes) and written in plotter units (40 per millimetre).
// Positive minutes go up. The y factor stretches the minute axis; mirroring turns every
// minute value and label into its negative (the difference mean time - apparent time).
#include "core/HPGLDatei.h"
#include "core/State.h"

namespace umbrin {

struct ZeitgleichungPlotGeometrie {
    int xA = 0;       // left edge, tenths of a millimetre
    int yA = 0;       // time axis, tenths of a millimetre from the bottom of the plot
    double proMinute = 0; // tenths of a millimetre per minute, signed (factor, mirror)
};

ZeitgleichungPlotGeometrie zeitgleichungPlotGeometrie(int links, int oben, int breite, int hoehe, double faktor,
                                                      bool spiegeln);

// The window writes with (100, 100, 2000, 1500, edFaktor, bxSpiegeln, bxLaenge).
void ZeitgleichungGraphHPGL(HPGLDatei& datei, const AppState& s, int links, int oben, int breite, int hoehe,
                            double faktor, bool spiegeln, bool laengenkorrekturAn);

} // namespace umbrin
