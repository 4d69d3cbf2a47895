#pragma once
// The construction of a horizontal, vertical or inclining dial (each also as an umbrella dial)
// on a canvas: the drawing window's image or a printer page.
#include "core/Canvas.h"
#include "core/State.h"
#include "dials/Konstruktionsmeldung.h"
#include "dials/Zeichenumgebung.h"
#include "dials/planar/EbeneGeometrie.h"

namespace umbrin {

// Draws the dial of s.UhrTyp ('h', 'v' or 'i') and s.Schirmuhr on the canvas, the parts that
// u.Teile names, in this order: the ground (white frame, grid); the lines that move with the
// foot (lines of whole-hour day length, date lines, hour lines of true and mean time with the
// figure-eight, temporal, Babylonian and Italian hours, lines of equal altitude), cut at
// u.Schnitt when u.MitSchnitt, else at the frame; and what keeps to the frame or is drawn
// over the lines (frame outline, horizon, foot mark, legend and hour numbers, gnomon scale,
// pole marks, margins, footer). A caller that adds a map draws the ground and lines, the map, then the rest.
//
// bildschirm: true on screen (units are pixels), false on a printer page (units are 0.1 mm,
// with margins of 5 mm). breite, hoehe: canvas size in those units. g: gnomon length in
// millimetres of the drawing (the gnomon height times the zoom). p: plane parameters of the
// dial kind. The gnomon foot is s.FusspunktX/Y; on paper the legend stands at
// s.LegendeX/Y (converted to page units by the caller).
//
// Returns the messages for the user (latitude too high for unequal hours, umbrella disc of
// radius 0, inclination impossible for the disc); nothing is drawn after the last of these.
// The dial's frame on a canvas of breite x hoehe: the canvas itself on the screen, 5 mm inside
// the page's edges on paper.
Schnittrechteck ebenenRahmen(bool bildschirm, int breite, int hoehe);

Konstruktionsmeldungen zeichneEbeneSonnenuhr(const AppState& s, const Zeichenumgebung& u, Canvas& canvas,
                                             bool bildschirm, int breite, int hoehe, double g,
                                             const EbenenParameter& p);

} // namespace umbrin
