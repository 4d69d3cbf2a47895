#pragma once
// The legend lines of the polar sun-path diagram under its title: the place, the kind of
// hours with or without the equation of time, and the period the hour lines cover.
#include "core/State.h"

#include <string>
#include <vector>

namespace umbrin {

// mitZonenmeridian adds the zone meridian to the place line, as the plot writes it.
std::vector<std::string> kreisLegende(const AppState& s, bool mitZonenmeridian);

} // namespace umbrin
