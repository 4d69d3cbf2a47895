#pragma once
// Rotation of spherical coordinates, as the dial families use it to carry a point from one
// pole to another (the earth's to the plane's, say).

namespace umbrin {

// Turns the point of latitude b and longitude l (degrees) by the angle e about the axis
// through longitude 90 of the equator. Gives the new latitude b2 (+-90 at the poles), the
// angle q at the point between its old and new meridian and the new longitude l2, both in
// -180..180. e = 0 leaves the point where it is.
void dreheKugelKoord(double b, double l, double e, double& b2, double& q, double& l2);

} // namespace umbrin
