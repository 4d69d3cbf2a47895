#pragma once
// The hybrid Peaucellier azimuth dial ('p') on a canvas: the drawing window's image or a
// printed page.
#include "core/Canvas.h"
#include "core/State.h"

namespace umbrin {

// Draws the dial inside the frame (x0, y0)-(x0 + breite, y0 + hoehe). einheit: the distance of
// the equinox line from the axis in millimetres (0 gives 35); konstante: the Peaucellier
// constant (0 gives -0.8749). On the screen (bildschirm) a millimetre is hoehe / 200 pixels,
// less where the dial at zoom 1 would be larger than the image, and a foot not yet placed is
// put at 35 % of the width and half the height. On paper a millimetre is 10 units. On both the
// foot moves as far as the whole dial with its letters needs to lie in the frame beside the
// legend, and the state keeps the foot the drawing used. Latitudes below 29 degrees or at or
// beyond the polar circle, and a constant that pushes a date line to infinity, draw only a
// message.
void zeichnePeaucellierSU(AppState& s, Canvas& canvas, int x0, int y0, int breite, int hoehe, int einheit,
                          double konstante, bool bildschirm);

// Before printing on a page of breite x hoehe units of 0.1 mm: the text that refuses it when the
// dial at its true size, its lines with the letters at their ends, does not fit the print's frame
// beside the legend (the print moves the foot as far as the dial needs, and the hour numbers
// find their places inside), naming an A3 page where it fits and the largest unit that does, in
// the language of the state; empty when it fits.
std::string peaucellierSeitenpruefung(const AppState& s, int breite, int hoehe, CanvasPoint fuss);

// The message of a latitude the altitude-reading and azimuth dials do not draw, bold, 16
// points: below 29 degrees the two-line message at (breite / 5, hoehe / 5) and (breite / 5,
// hoehe / 7); at the polar limit the text naming both limits at (breite / 5, hoehe / 5).
void zeichneBreitenHinweis(const AppState& s, Canvas& canvas, int breite, int hoehe);

// The lettering height of the foot: 16 on the screen, 30 on paper.
inline int fussSchrift(bool bildschirm) { return bildschirm ? 16 : 30; }
// The style's foot of the altitude-reading and azimuth dials: a circle of half the foot's
// lettering height with its cross, at the state's foot, which on paper first moves up by that
// radius. Leaves the font at the foot's lettering height; returns the radius.
int zeichneFusskreuz(AppState& s, Canvas& canvas, bool bildschirm);

} // namespace umbrin
