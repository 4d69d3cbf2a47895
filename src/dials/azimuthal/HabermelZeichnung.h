#pragma once
// The vertical Habermel dials ('q', sub-types 1 and 2) on a canvas (the drawing window's image
// or a printed page in 0.1 mm) or as a plot (k = 1 for a plot file, 25 for the DXF
// intermediate). One routine per dial serves all three outputs.
#include "core/Canvas.h"
#include "core/HPGLDatei.h"
#include "core/State.h"
#include "dials/Konstruktionsmeldung.h"

namespace umbrin {

// Where a Habermel dial goes: a canvas of breite x hoehe units (bildschirm: pixels, else a
// page in 0.1 mm with the text block at druckRandX/Y), or, when plot is set, the open plot.
struct HabermelZiel {
    Canvas* canvas = nullptr;
    int breite = 0;
    int hoehe = 0;
    bool bildschirm = true;
    HPGLDatei* plot = nullptr;
    bool alsHPGL = true; // plot file (k = 1) or DXF intermediate (k = 25)
    int druckRandX = 0;
    int druckRandY = 0;
    bool grosserBildschirm = true;
};

// Dial I for gnomon length L (mm; 0 means 30). Refused (the message returned, nothing drawn
// or written) outside the latitudes of habermelVerweigerung.
Konstruktionsmeldungen zeichneHabermel(const AppState& s, const HabermelZiel& ziel, double L);

// Dial II; refused near the equator (habermel2Verweigerung).
Konstruktionsmeldungen zeichneHabermel2(const AppState& s, const HabermelZiel& ziel, double L);

// Dial I on a page is drawn at true size.

// Dial I as a plot at 40 units a millimetre: the warning when its hour numbers or signs leave
// the plot's sheet (a gnomon long for the latitude), naming the longest gnomon that keeps them
// on it, or empty. The plot is written all the same; a DXF drawing grows to hold the dial.
std::string habermelPlotWarnung(const AppState& s);

// Dial II is drawn at its true diameter (a gnomon too long for the disc has its curves cut,
// with a warning).

// Dial I as a plot (habermelPlot) and dial II (habermel2Plot): the plot half of the two
// routines above.
void habermelPlot(const AppState& s, HPGLDatei& plot, bool alsHPGL, double L);
void habermel2Plot(const AppState& s, HPGLDatei& plot, bool alsHPGL, double L);

} // namespace umbrin
