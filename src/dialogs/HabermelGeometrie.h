#pragma once
// The two vertical Habermel altitude dials: the relation between the gnomon height G and the
// diameter D of the dial (millimetres), at latitude phi and obliquity eps (degrees). With
// a = 90 - |phi|:
//   dial I  (sub-type 1): D = G (tan(a - eps) + tan(a + eps)) + 15
//   dial II (sub-type 2): D = 2 G tan(a + eps) + 15
// The 15 mm are the margin of the scale around the hour lines. Southern latitudes give the
// same dial as the northern ones.
//
// Where the relation has no finite, positive answer (at the pole dial I has a zero
// denominator; at |phi| = eps one tangent runs to infinity; near the equator the tangent
// sum turns negative) the functions refuse and leave the output alone.

namespace umbrin {

// The divisor of the relation: D - 15 = G * HabermelFaktor. false when it is not finite
// and clearly positive for this sub-type (1 or 2) and latitude.
bool HabermelFaktor(int art, double breite, double eps, double& faktor);

// G from D. false (G unchanged) when the geometry has no answer or G would not be positive.
bool HabermelGnomonAusDurchmesser(int art, double durchmesser, double breite, double eps, double& gnomon);

// D from G. false (D unchanged) when the geometry has no answer.
bool HabermelDurchmesserAusGnomon(int art, double gnomon, double breite, double eps, double& durchmesser);

// A size in millimetres as the settings file holds the gnomon and the diameter, to a tenth; a
// size that would become 0 stays as it is. The dialogs store the size they compute so, and the
// dial reads back and draws the same after a save and a load.
double HabermelZehntel(double mm);

} // namespace umbrin
