#pragma once
// Where the sun's shadow falls on the two azimuth cylinders, one projection per dial for the
// screen, the page and the plot.
//
// Filter-hat: a horizontal pointer of length P stands out from the top edge of a vertical
// cylinder; the face is the unrolled mantle, the sun's azimuth along the circumference and
// the drop P tan h of the pointer tip's shadow downwards.
//
// Polar rod: a vertical cylinder of radius R turned towards the wall azimuth; the shadow
// casting point stands e in front of the mantle (R + e from the axis). The ray from the sun
// through that point meets the mantle at the central angle theta from the wall direction,
// drawn as the arc R theta across and the drop below the point's level downwards.
//
// Angles in degrees, azimuths from south, west positive.

namespace umbrin {

struct Zylinderpunkt {
    double x = 0; // across, in the units of the caller
    double y = 0; // downwards from the top edge or the shadow casting point's level
    bool gueltig = false;
};

// The filter-hat's face abscissa of an azimuth in degrees of the scale: the azimuth mirrored
// in the northern hemisphere (east to the right), counted from north in the southern one.
double filterhutAzimut(double azimut, int sigma);

// A sun position on the filter-hat face: x = round(azimut' u), y = k tan h (100000 when the
// sun stands within 1e-5 of the zenith's cosine). Valid when the sun is above the horizon.
// u: units per degree of azimuth, k: the pointer length in units.
Zylinderpunkt filterhutPunkt(double azimut, double hoehe, int sigma, double u, double k);

// The polar-rod cylinder in the units of a drawing.
struct Polstabzylinder {
    double R = 0;     // radius, mm
    double e = 0;     // the shadow casting point's distance in front of the mantle, mm
    double Rs = 0;    // the radius in drawing units
    double k = 0;     // e in drawing units (rounded)
    double X = 0;     // the largest central angle the point can throw a shadow to, radians
    double wand = 0;  // the azimuth the cylinder faces
};
Polstabzylinder polstabzylinder(double R, double e, double einheitenProMm, double wand);

// A sun position on the polar-rod face; invalid outside the usable band.
Zylinderpunkt polstabPunkt(const Polstabzylinder& z, double azimut, double hoehe);

} // namespace umbrin
