#pragma once
// The polar-rod cylinder on a canvas: the unrolled mantle around the gnomon foot placed with
// the mouse (Zylinderuhrgeometrie.h), the usable band, the foot and pole marks, the hour
// lines of mean, temporal and apparent time, Italian and Babylonian hours, the date lines and
// the legend.
#include "core/Canvas.h"
#include "core/State.h"
#include "dials/Konstruktionsmeldung.h"
#include "dials/altitude/Hoehenuhrbasis.h"

#include <string>

namespace umbrin {

struct PolstabAuftrag {
    int breite = 0; // canvas size in its units
    int hoehe = 0;
    bool bildschirm = true;
    double zoom = 1;
    double e = 0; // the point's distance in front of the mantle, mm
    double R = 0; // cylinder radius, mm
    bool grosserBildschirm = true;
    bool mitNetz = false; // the millimetre grid through the foot
    int randX = 0, randY = 0; // printer page margins for the grid (0 on screen)
};

// Why a cylinder of radius R with the point e in front of it cannot be built (either not
// positive); empty when it can.
std::string polstabMassFehler(const AppState& s, double R, double e);

// Draws the dial around the state's gnomon foot (in the canvas's units), or the refusal of
// temporal hours beyond 65 degrees in its place. A radius or distance that is not positive
// draws nothing but the frame and returns its message. Where no line of the sun falls on the
// face (near a pole, or a face turned from the sun), the frame holds only two navy lines that
// say so and the legend.
Konstruktionsmeldungen zeichnePolstabZylinder(const AppState& s, Canvas& c, const PolstabAuftrag& a);

// The declination whose light casts the point's shadow along the polar axis onto the mantle
// (the pole mark, which bounds the lines): -89.95 for a face turned south of east and west,
// 89.95 for one turned north, in either hemisphere.
double polstabPolDeklination(double wand);

// Those two lines.
ZweiZeilen polstabOhneLinien(const AppState& s);
// Whether the sun draws a line on the face of this cylinder (true also when the dial is
// refused for another reason, which says so itself).
bool polstabHatLinien(const AppState& s, double zoom, double e, double R);

} // namespace umbrin
