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

} // namespace umbrin
