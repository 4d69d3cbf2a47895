#pragma once
// The zodiac signs of the cartesian diagram: for each of the seven zodiac-entry declinations
// the sign at the noon sun, and for the five that the sun meets twice a year the sign of the
// other half of the year beside it. The characters are those of the Wingdings font ('^'
// Aries .. 'i' Pisces); the canvas maps them to the zodiac glyphs, a plot writes them in
// the plotter's alternate character set.
#include "core/State.h"

#include <vector>

namespace umbrin {

enum class TierkreisLage {
    Bildschirm, // offsets of the canvas (altitude up means y down, done by the caller)
    Plot,       // offsets of the plot
};

// One sign: azimuth offset p (degrees from the left end, a + 180 and a shift) and altitude q
// in degrees, where the caller maps them with its own scale.
struct Tierkreismarke {
    double p = 0;
    double q = 0;
    char zeichen = '^';
};

// The signs in drawing order (k = 1..7, each first sign followed by its second), only those
// whose noon sun stands at or above the horizon.
std::vector<Tierkreismarke> tierkreismarken(const AppState& s, TierkreisLage lage);

} // namespace umbrin
