#pragma once
// The sheet of the cone of the mean-time dial: the development of the cone's surface, to be
// cut out and rolled into the shadow caster, and its cross-section through the axis, as a
// plot of its own. The plot ends without an epilog: the caller closes the file.
#include "core/HPGLDatei.h"
#include "core/State.h"

#include <string>

namespace umbrin {

// Writes the sheet with pen stift for the cone-axis length L (mm, zoom applied). Returns the
// cone's refusal (nothing is written then), or empty.
std::string hpglKegel(const AppState& s, HPGLDatei& d, int stift, double L);

// The n of the scale 1 : n the sheet is plotted at: 1, or, where a long axis develops a mantle
// or a cross-section that would reach past a plot file's window at full size (the plotter would
// cut all of it off), the smallest n in tenths that keeps them inside; the sheet then names its
// scale under the heading. A DXF drawing has no sheet to leave: it keeps the full size.
double kegelBlattTeiler(const AppState& s, double L);

// Length from the apex to the plane of the generator that lies at the developed angle theta
// (degrees) on the sheet, for the axis length Lp, the inclination psi (an inclination above
// 90 is taken as 180 - psi) and the half opening alfa. The sheet spans theta from
// -180 sin(alfa) to 180 sin(alfa).
double kegelMantelRadius(double Lp, double psi, double alfa, double theta);

} // namespace umbrin
