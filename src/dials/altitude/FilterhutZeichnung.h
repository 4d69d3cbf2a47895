#pragma once
// The filter-hat cylinder on a canvas: the unrolled mantle with the azimuth across and the
// drop of the pointer tip's shadow downwards (Zylinderuhrgeometrie.h), the azimuth scale, an
// optional altitude strip, the hour lines of temporal, apparent and mean time, the date lines
// of the zodiac signs or of the solstices and equinoxes, Italian and Babylonian hours and the
// legend.
#include "core/Canvas.h"
#include "core/State.h"
#include "dials/Konstruktionsmeldung.h"

#include <string>

namespace umbrin {

struct FilterhutAuftrag {
    int breite = 0; // canvas size in its units
    int hoehe = 0;
    bool bildschirm = true;
    double P = 0; // pointer length, mm
    bool grosserBildschirm = true;
    // The window's flag that the shortened circumference was reported this run; nullptr
    // reports it every time.
    bool* achseGemeldet = nullptr;
};

// The layout of one drawing in canvas units.
struct FilterhutMasse {
    int m = 0;
    int W = 0, H = 0;
    int sigma = 1;
    double s = 1;          // units per mm
    double k = 0;          // pointer length
    double L = 0;          // circumference drawn, mm
    bool gekuerzt = false; // the circumference was above 300 mm or, on a page, above what it holds
    double u = 0;          // units per degree of azimuth
    double hmax = 0;       // highest noon sun, degrees
    double Lmax = 0;       // depth of the face
    int oben = 0, unten = 0;
    int x0 = 0;            // azimuth 0
    // The sheet ends the face above the highest noon sun: the face reaches the sun's
    // altitude bisHoehe (degrees) only.
    bool geschnitten = false;
    double bisHoehe = 90;
};
FilterhutMasse filterhutMasse(const AppState& s, const FilterhutAuftrag& a);

// What the user is told when the sheet cuts the face at the sun's altitude bisHoehe (degrees):
// a shorter pointer where one would fit, else which altitudes the sheet leaves out.
std::string filterhutSchnittText(const AppState& s, double bisHoehe);

// Draws the dial, or the refusal of temporal hours beyond 65 degrees in its place.
Konstruktionsmeldungen zeichneFilterhutSU(const AppState& s, Canvas& c, const FilterhutAuftrag& a);

} // namespace umbrin
