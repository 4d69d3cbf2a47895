#pragma once
// What the drawing window does differently for each dial type: the sub-type chosen by the
// options, which types place the gnomon foot with the mouse, which convert the placement
// for prints and plots, the cursor, hints, caption and help context, the legend box and the
// DXF scale.
#include "core/State.h"

#include <string>

namespace umbrin {

// Sub-type of the dial type: 'a' by Schalter.AzimutKreise, 'q' by Schalter.Hoehenuhrart,
// 'z' by Schalter.ZylinderArt, 'r' 1 in the offset-correction view; 0 for every other type.
int unterTyp(const AppState& s, bool schoenerAnsicht = false);

// Horizontal, vertical and inclining dials (umbrella dials included).
bool istEbeneUhr(char typ);
// The planar dials that are not umbrella dials.
bool istEbeneUhrOhneSchirm(const AppState& s);
// Types that can carry a world map: c, h, i, v.
bool mitKarte(char typ);
// Types whose foot a left click places: c, h, i, m, p, v, w and the polar-rod cylinder.
bool fusspunktPerMaus(const AppState& s);
// Types whose placement activation resets (c, h, i, m, v and the polar-rod cylinder).
bool platzierungBeiAktivierung(const AppState& s);
// Types whose foot printing checks against the image (c, h, i, v and the polar-rod cylinder).
bool fusspunktPruefungBeimDruck(const AppState& s);
// Types whose foot the two save buttons check against the image (c, h, i, v).
bool fusspunktPruefungBeimExport(char typ);
// Types whose foot and legend the export converts to plotter units (c, h, i, v, m and the
// cylinders of sub-type 1 and 2).
bool exportPlatziert(const AppState& s);
// Types that print with the placement scaled to the page (c, m, h, i, v; the polar-rod
// cylinder scales the foot only).
bool druckSkaliert(const AppState& s);
// Cross-hair cursor over the image: c, h, i, m, v.
bool kreuzCursor(char typ);
// The coordinate list can be written: h, i, v and any umbrella dial.
bool koordinatenMoeglich(const AppState& s);

// Hint of the image.
std::string bildHinweis(char typ);

// Help context of the window; types without one keep the context they had.
int hilfeKontext(const AppState& s, int bisher);

// The window caption: " Konstruktion einer " and the type text in the current language;
// empty for types without a caption ('r', 'f', 'o').
std::string fensterTitel(const AppState& s);

// Width factor of the legend box (of the image width): 0.29 for c and m, 0.3 for v, 0.33
// otherwise.
double legendenFaktor(char typ);

// The factor k by which the plot writer scaled the DXF intermediate: 25 for c, h, i, m, p, v,
// z and for the Habermel dials and the Gunter quadrant of 'q'; 1 otherwise. The converter is
// told 40 x k plotter units per millimetre.
int dxfFaktor(const AppState& s);

} // namespace umbrin
