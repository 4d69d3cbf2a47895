#pragma once
// The plot of a horizontal, vertical or inclining dial (each also as an umbrella dial):
// frame, grid, legend, horizon, pole marks and every line family with its own pen, in
// plotter units of 1/40 mm (times 25 for the DXF intermediate), optionally with the
// coordinate list of every point in millimetres from the gnomon foot.
#include "core/HPGLDatei.h"
#include "core/HPGLListe.h"
#include "core/State.h"
#include "core/UserPrompt.h"
#include "dials/planar/EbeneGeometrie.h"

#include <cstdint>
#include <string>

namespace umbrin {

struct PlanarHpglAuftrag {
    std::string Dateiname;     // the plot file's name, quoted in the coordinate list
    std::int32_t LegendeX = 0; // legend position in plotter units at 40 per mm, k not applied
    std::int32_t LegendeY = 0;
    double Gnomon = 0;         // gnomon length as drawn: Par.Gnomonhoehe x Zoom, mm
    EbenenParameter ebene;     // latitude used, hours added, meridian turn, inclination, wall
};

// Writes the dial of s.UhrTyp ('h', 'v' or 'i', with s.Schirmuhr) into the open plot, and,
// when liste is given, the coordinate list into it; the caller closes the list once the plot
// has been saved, so that a failed plot never leaves a new list behind. The gnomon foot
// s.FusspunktX/Y is in plotter units while the export runs. The user is asked through frage
// whether to add the coordinate grid and for its mesh. s.InfoZeilen receives the
// construction listing when a list is written. A failed write throws HPGLSchreibfehler; the
// list is then dropped and the caller drops the plot.
void schreibeHPGL_HorVertInkl(AppState& s, HPGLDatei& plot, HPGLListe* liste, UserPrompt& frage,
                              const PlanarHpglAuftrag& auftrag);

// The largest grid mesh a planar plot accepts: the sheet's width in millimetres.
inline constexpr int kPlanarRasterGrenze = 410;

} // namespace umbrin
