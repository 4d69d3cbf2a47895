#pragma once
// Cutting lines at the border of the drawing area.

#include "core/Canvas.h"

#include <vector>

namespace umbrin {

// Keeps the second end of the segment A-B inside the closed rectangle [xmin, xmax] x
// [ymin, ymax] when A lies inside: (x, y) is where the segment leaves the rectangle, or B when
// B is inside. When A lies outside, (x, y) is B unchanged (even when B is outside too).
void clipLinie(int xmin, int ymin, int xmax, int ymax, double xA, double yA, double xB, double yB, double& x,
               double& y);

// Moves the end (x1, y1) along the ray from (x0, y0) through it onto the border of the
// rectangle: the line is drawn on to the edge of the drawing. A vertical segment ends at ymax
// when it runs downwards (y1 > y0), else at ymin.
void clipStreckenende(double x0, double y0, double x1, double y1, double xmin, double ymin, double xmax, double ymax,
                      double& x, double& y);

// The part of the segment (x0, y0)-(x1, y1) inside the rectangle [xmin, xmax] x [ymin, ymax]
// (Liang and Barsky) as the parameters t0 <= t1 in 0..1 of its ends along the segment; false
// when no part of it lies inside.
bool streckeImRechteck(double x0, double y0, double x1, double y1, double xmin, double ymin, double xmax, double ymax,
                       double& t0, double& t1);

// The pieces of the polyline p inside the rectangle [xmin, xmax] x [ymin, ymax]: where it
// leaves the rectangle it is cut at the border, and where it comes back a new piece begins.
// Pieces of a single point are left out.
std::vector<std::vector<CanvasPoint>> polylinieImRechteck(const std::vector<CanvasPoint>& p, int xmin, int ymin, int xmax,
                                                          int ymax);

// The outline of the circle of radius r about (x, y) as a polygon of whole units, each corner
// moved onto the nearest point of the rectangle [xmin, xmax] x [ymin, ymax]: a circle that
// reaches past the rectangle's edge is cut flat there, the rest of it as it was.
std::vector<CanvasPoint> kreisImRechteck(int x, int y, int r, int xmin, int ymin, int xmax, int ymax);

} // namespace umbrin
