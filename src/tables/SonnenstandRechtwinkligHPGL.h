#pragma once
// The cartesian sun-path diagram as a plot: the elements of ZeichneSonnenstandRechtwinklig with
// the plot's own scale (xs = 4 Bildbreite / 400 units per degree, 90 degrees = 0.6 of
// 4 Bildhoehe, y upwards), fixed pens, coarser steps and its own label offsets. Writes into
// the open plot and ends with the time label, no closing command.
#include "core/HPGLDatei.h"
#include "core/State.h"

#include <string>

namespace umbrin {

struct RechtwinkligPlotGeometrie {
    int x0 = 0;
    int y0 = 0;
    double xs = 0;
    int H90 = 0;
    double ys = 0;
    int t = 0;
};

RechtwinkligPlotGeometrie rechtwinkligPlotGeometrie(int Links, int Oben, int Bildbreite, int Bildhoehe, double Faktor);

// The window writes with (100, 100, 2900, 2000, 1.0, Schalter.Zonenzeit).
void SonnenstandRechtwinkligHPGL(HPGLDatei& datei, const AppState& s, int Links,
                                 int Oben, int Bildbreite, int Bildhoehe, double Faktor, bool Zonenzeit);

// One plot in progress, for the local operations below.
struct RechtwinkligPlot {
    HPGLDatei& datei;
    const AppState& s;
    RechtwinkligPlotGeometrie g;
    bool pruefen = false;
    bool schattenAktiv = false; // the shade pen is the active one
    bool stiftOben = false;     // an hour line waits, pen up, for its next visible date

    std::string X(double a) const;
    std::string Y(double h) const;
};

void profilRechtwinkligHPGL(RechtwinkligPlot& p);
void ebenenspurHPGL(RechtwinkligPlot& p, double w, double n);
// After a sun point (a, h): switches to the shade string while the sun is hidden and back to
// the line's pen string when it is not; writes nothing when nothing changes.
void setzeSichtbarkeitsstiftHPGL(RechtwinkligPlot& p, const std::string& linienstift, const std::string& schatten,
                                 double a, double h);

} // namespace umbrin
