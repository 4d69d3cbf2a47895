#pragma once
// The graphs of the tables-and-graphs window: the equation-of-time graph (calculation mode
// 16) and the sun-path diagram (mode 32, cartesian or polar by s.Schalter.Diagrammart). The
// window lays out, caches, prints and saves; these routines draw and write the graph itself.
// Each is one canvas routine for the screen image and the printed page, and one HPGL writer
// for the graph file.
#include "core/Canvas.h"
#include "core/HPGLDatei.h"
#include "core/State.h"

#include <string>

namespace umbrin {

// One drawing of a graph: the canvas (the window's image in pixels, or a printed page in
// 0.1 mm), the rectangle to fill, and whether it is the screen.
struct Grafikauftrag {
    AppState& s;
    Canvas& canvas;
    int x = 0;
    int y = 0;
    int breite = 0;
    int hoehe = 0;
    bool bildschirm = true;
};

// The options of the graph-file panel.
struct Grafikdateioptionen {
    bool spiegeln = false;         // mode 16: the graph mirrored
    bool laengenkorrektur = false; // hours and equation of time against the zone meridian
    double yFaktor = 1.0;          // mode 16: stretch of the y axis, 0.05..20
};

// Mode 16: draws the equation-of-time graph.
void zeichneZeitgleichungsgraph(Grafikauftrag& a);
// Mode 16: writes the graph as HPGL (origin 100/100, 2000 x 1500 plotter units).
void schreibeZeitgleichungsgraph(AppState& s, HPGLDatei& datei, const Grafikdateioptionen& o);

// Mode 32: draws the sun-path diagram; returns the earliest and latest sunlight of the
// plane (StreiflichtText) when the cartesian diagram has one, else the empty text.
std::string zeichneSonnenstandsdiagramm(Grafikauftrag& a);
// Mode 32: writes the diagram as HPGL (2900 x 2000 plotter units).
void schreibeSonnenstandsdiagramm(AppState& s, HPGLDatei& datei, const Grafikdateioptionen& o);

} // namespace umbrin
