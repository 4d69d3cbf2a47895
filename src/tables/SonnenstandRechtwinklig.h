#pragma once
// The cartesian sun-path diagram: azimuth across from -180 (north, left) through 0 (south) to
// +180, altitude up from 0 to 90 degrees; day paths of the zodiac declinations, zodiac signs
// at noon, hour lines (loops with the equation of time), the trace of a dial plane with its
// sunlit and shaded stretches and the horizon profile. One routine draws it on the screen
// image and on the printer page (0.1 mm); its plot twin is SonnenstandRechtwinkligHPGL.
#include "core/Canvas.h"
#include "core/State.h"

#include <string>

namespace umbrin {

// The scale of one drawing. A sky point of azimuth a and altitude h lies at
// X = rnd(x0 + (a + 180) xs), Y = y0 - rnd(h ys).
struct RechtwinkligGeometrie {
    int x0 = 0;     // left end of the azimuth axis
    int B = 0;      // width of the scale area
    double xs = 0;  // units per degree of azimuth
    int H90 = 0;    // height of 90 degrees of altitude
    int y0 = 0;     // the horizon line
    double ys = 0;  // units per degree of altitude
    int t = 0;      // tick unit
};

RechtwinkligGeometrie rechtwinkligGeometrie(int Links, int Oben, int Bildbreite, int Bildhoehe, bool Bildschirm);

// The declination-table indexes of the day paths with their main-line flags, each main line
// followed by its intermediate lines; the canvas starts at the winter solstice of the north,
// the plot (aufsteigend) at the summer solstice. LinienProMonat 1, 2, 3 give 7, 13, 19 paths;
// 4 gives the two solstices and the equinox; other values count as the nearest of 1..4.
struct Tageslinie {
    int index = 0;
    bool hauptlinie = true;
};
std::vector<Tageslinie> rechtwinkligTageslinien(int linienProMonat, bool aufsteigend = false);

// One drawing in progress: what the local operations below see.
struct RechtwinkligZeichnung {
    Canvas& c;
    const AppState& s;
    RechtwinkligGeometrie g;
    bool pruefen = false; // a visibility test runs after each point

    int X(double a) const;
    int Y(double h) const;
};

// Draws the diagram. StreiflichtText receives the earliest and latest sunlight on the plane of
// s.Par (on the printer and with the plane shown, cut as printed).
void ZeichneSonnenstandRechtwinklig(Canvas& c, const AppState& s, int Links, int Oben,
                                    int Bildbreite, int Bildhoehe, bool Bildschirm, bool Zonenzeit,
                                    std::string& StreiflichtText);

// The horizon profile and its title.
void zeichneProfilRechtwinklig(RechtwinkligZeichnung& z);
// The trace on the sky of the plane whose normal has azimuth w and altitude n.
void zeichneEbenenspur(RechtwinkligZeichnung& z, double w, double n);
// After a sun point (a, h): the pen takes colour slot 10 while the sun is hidden and the line
// colour while it is not.
void setzeSichtbarkeitsfarbe(RechtwinkligZeichnung& z, Farbe linienfarbe, double a, double h);

// The earliest/latest-light text as the printed page shows it: leading blanks dropped, at
// most 30 characters.
std::string streiflichtGekuerzt(const std::string& text);

} // namespace umbrin
