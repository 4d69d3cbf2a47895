#pragma once
// The filter-hat and polar-rod cylinders as an HPGL plot, with the projection their screens
// use (Zylinderuhrgeometrie.h) in plotter units of 1/40 mm times k (25 for the DXF
// intermediate). The origin is the gnomon foot placed with the mouse for the polar rod,
// (8200, 9700) k otherwise; face offsets grow downwards from it.
#include "core/HPGLDatei.h"
#include "core/State.h"
#include "core/UserPrompt.h"

#include <string>

namespace umbrin {

struct ZylinderPlotAuftrag {
    bool filterhut = true; // else the polar rod
    double zoom = 1;
    double A2 = 0; // circumference L (filter-hat) or cylinder radius R (polar rod), mm
    double A1 = 0; // pointer length P or the point's distance e in front of the mantle, mm
};

// The two plots' arguments from the state.
ZylinderPlotAuftrag filterhutPlotAuftrag(const AppState& s);
ZylinderPlotAuftrag polstabPlotAuftrag(const AppState& s);

// Why the plot cannot be written: temporal hours beyond 65 degrees (Schalter.Temporalstunden),
// or for the polar rod a radius or distance that is not positive, or a face on which the sun
// draws no line. Empty when it can.
std::string zylinderPlotVerweigerung(const AppState& s, const ZylinderPlotAuftrag& a);

// Writes the plot into the open file, ending with ";IN;", after asking for the grid. Returns
// the refusal text and writes nothing when the plot is refused.
std::string schreibeZylinderuhrHPGL(const AppState& s, HPGLDatei& datei, UserPrompt& frage,
                                    const ZylinderPlotAuftrag& a);

} // namespace umbrin
