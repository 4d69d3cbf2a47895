#pragma once
// Entry of the drawing window for the planar dials ('h', 'v', 'i', each also as umbrella dial).
#include "core/Canvas.h"
#include "core/State.h"
#include "dials/Konstruktionsmeldung.h"
#include "dials/Zeichenumgebung.h"

namespace umbrin {

// Sizes the gnomon and draws the dial on the whole canvas (screen units). The gnomon length is
// the gnomon height times the zoom, rounded to 0.01 mm, and at least 5 mm: a smaller one
// raises the zoom to 5 / gnomon height. Returns the construction's messages.
Konstruktionsmeldungen konstruiereEbeneSonnenuhr(const AppState& s, const Zeichenumgebung& u, Canvas& canvas,
                                                 double& zoom);

// The same for a window of breite x hoehe pixels whose canvas may be larger (a layer).
Konstruktionsmeldungen konstruiereEbeneSonnenuhr(const AppState& s, const Zeichenumgebung& u, Canvas& canvas,
                                                 double& zoom, int breite, int hoehe);

// The top left corner of the window's request to fix the foot (a text of the size mass) on
// the dial drawn for a window of breite x hoehe pixels: 130 pixels left of the foot and 30
// below it, unless a text of the drawing (an hour number, the legend) stands there; then the
// first place clear of them above the foot, farther below or farther above it.
CanvasPoint hinweisAmFuss(const AppState& s, const Zeichenumgebung& u, int breite, int hoehe, TextExtent mass);

} // namespace umbrin
