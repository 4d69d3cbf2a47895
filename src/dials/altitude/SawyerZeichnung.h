#pragma once
// The Sawyer dial ('w') on a canvas: the drawing window's image or a printed page.
#include "core/Canvas.h"
#include "core/State.h"

#include <string>

namespace umbrin {

// Draws the dial inside the frame from (x0, y0), breite x hoehe units, for a gnomon of the
// given length (mm). On the screen (bildschirm) a millimetre is breite / 305 pixels times the
// zoom, and a foot not yet placed is put at half the width and a fifth of the height; the state
// keeps the foot the drawing used. On paper a millimetre is 10 units times the zoom and the
// foot is kept inside the page. Latitudes below 29 degrees or at or beyond the polar circle
// draw only a message. A construction that had to leave out points where they belong says so
// on the screen.
void zeichneSawyerSU(AppState& s, Canvas& canvas, int x0, int y0, int breite, int hoehe, double gnomon,
                     bool bildschirm);

// Before printing on a page of breite x hoehe units of 0.1 mm with the foot at fuss (where the
// print puts the user's foot): the text that refuses it when the dial's lines with the number
// and sign below their lowest point would run off the page below the foot, or off its side;
// naming what fits: the foot placed higher, the other orientation (quer) or an A3 page (a3) where
// the print holds the dial there, the longest gnomon. Empty when it fits.
std::string sawyerSeitenpruefung(const AppState& s, int breite, int hoehe, CanvasPoint fuss, bool quer, bool a3);

} // namespace umbrin
