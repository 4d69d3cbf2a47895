#pragma once
// Whether a sun position on a sun-path diagram is hidden: behind the dial plane (when the
// plane is shown) or below the loaded horizon profile (when it is shown). Both diagrams and
// their plots draw a hidden stretch of a line in the shade colour.
#include "core/State.h"

namespace umbrin {

// A profile is in use: loaded and switched on.
bool profilAktiv(const AppState& s);

// The profile point nearest to azimuth a (degrees from south, east negative): point
// rnd(2 (a + 180)) mod 720, so azimuth +180 and -180 both give point 0. Any finite a gives
// an index in 0..719.
int profilIndex(double a);

// The sun at altitude h is below the profile at azimuth a (only while a profile is in use).
bool unterProfil(const AppState& s, double a, double h);

// The cartesian diagram's test: the sun at (a, h) is behind the plane of s.Par (normal of
// azimuth Wandabweichung and altitude 90 - Inklination) while the plane is shown, or below
// the profile while one is in use.
bool sonneVerdeckt(const AppState& s, double a, double h);

// Some test can change a line's colour: the plane is shown or a profile is in use.
bool sichtbarkeitPruefen(const AppState& s);

} // namespace umbrin
