#pragma once
// The horizontal altitude dial and the shepherd's cylinder as an HPGL plot. The date runs
// along x for both; the shadow's measure runs down from a base line: P cot h on the plate of
// the altitude dial, S2 tan h - S2 - V on its vertical plate (read upwards from the plate's
// far edge), P tan h on the cylinder. The cylinder's plot honours the DXF scale factor k (25
// for the DXF intermediate); the altitude dial's is always written at k = 1.
#include "core/HPGLDatei.h"
#include "core/State.h"
#include "core/UserPrompt.h"

#include <string>

namespace umbrin {

struct HoehenuhrPlotAuftrag {
    int groesse = 0;        // edge height or gnomon length, mm
    bool zylinder = false;  // the shepherd's cylinder, else the horizontal altitude dial
};

// Why the plot cannot be written: temporal hours beyond 65 degrees, tested with the flag that
// draws the dial's temporal curves (Schalter.Temporalstunden for the cylinder,
// Schalter.TemporalAnzeige for the altitude dial). Empty when it can.
std::string hoehenuhrPlotVerweigerung(const AppState& s, bool zylinder);

// Writes the plot into the open file, ending with ";IN;". Returns the refusal text and writes
// nothing when the plot is refused. Information on the split of a long folded scale and the
// refusal of Italian and Babylonian hours beyond 65 degrees go to the prompt.
std::string schreibeHoehenuhrHPGL(const AppState& s, HPGLDatei& datei, UserPrompt& frage,
                                  const HoehenuhrPlotAuftrag& a);

} // namespace umbrin
