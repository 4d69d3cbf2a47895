#pragma once
// Projection of the polar axis onto an inclined plane.

namespace umbrin {

// Where the line through the gnomon tip parallel to the earth's axis meets the dial plane,
// as an offset (X to the right, Y upwards) from the gnomon foot: p is the plane's declination
// (degrees from south, east negative), q the latitude, a the plane's inclination (90 for a
// vertical plane) and L the gnomon length. Angles at +-90 and a vanishing denominator are
// nudged so the result stays finite.
void projiziereAufEbene(double p, double q, double a, double L, double& X, double& Y);

} // namespace umbrin
