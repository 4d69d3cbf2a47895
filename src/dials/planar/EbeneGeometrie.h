#pragma once
// Geometry of the planar dials (horizontal 'h', vertical 'v', inclining 'i', each also as an
// umbrella dial): the plane parameters of each kind, the plane's normal, where the tip of the
// gnomon's shadow falls for a sun azimuth and altitude, and where the polar axis meets the
// plane. The screen construction and the plot writer both stand on it.
//
// Shadow offsets are in the unit of the gnomon length s handed in (pixels, 0.1 mm or plotter
// units), measured from the gnomon foot with x to the right and y DOWNWARDS as on a screen
// (a plot with y upwards negates y).
#include "core/State.h"

namespace umbrin {

// The values every caller hands to the construction (screen and print alike):
//   'i' plain:    X1 latitude of the equivalent horizontal dial, X2 = -(its longitude
//                 difference) / 15 hours added to every time, X3 the turn of its meridian
//                 line, Inklination = Par.Inklination, Wand = Par.Wandabweichung;
//   'i' umbrella: X1 = Par.Breite, X2 = 0, X3 = Wand = Par.Wandabweichung, Inklination = 0;
//   'h', 'v':     X1 = Par.Breite, everything else 0.
struct EbenenParameter {
    double X1 = 0;
    double X2 = 0;
    double X3 = 0;
    double Inklination = 0;
    double Wand = 0;
};
EbenenParameter ebenenParameter(const AppState& s);

// Azimuth and altitude of the dial plane's normal (degrees): 'h' (0, 90), 'v' (wall, 0),
// umbrella 'i' (wall, 90 - inclination), plain 'i' (X3, 90): a plain inclining dial is drawn as
// its equivalent horizontal dial.
struct Ebenennormale {
    double Az = 0;
    double Hoehe = 90;
};
Ebenennormale ebenennormale(const AppState& s, const EbenenParameter& p);

// Everything the shadow point depends on besides the sun.
struct Schattengeometrie {
    bool senkrecht = false;          // vertical dial ('v')
    bool schirmuhr = false;          // umbrella dial
    bool schirmInklinierend = false; // umbrella dial on an inclined plane ('i')
    double wandabweichung = 0;       // Par.Wandabweichung, the vertical dial's wall
    double X3 = 0;                   // turn of the meridian line of the other dials
    double inklination = 0;          // Par.Inklination, the umbrella dial's inclined plane
    double schirmRadius = 0;         // disc radius as a fraction of the rod
    double skala = 1;                // gnomon length s in drawing units
    Ebenennormale normale;
    // The normal as a unit vector in the frame of the shadow's azimuth reference (the wall's
    // normal on vertical dials, the meridian line X3 otherwise), for the front-of-plane test.
    double normaleVorn = 0, normaleSeite = 0, normaleOben = 1;
    // Cosine and sine of that reference azimuth, for shadows from the sun's direction.
    double bezugCos = 1, bezugSin = 0;
};
Schattengeometrie schattengeometrie(const AppState& s, const EbenenParameter& p, double skala);

// The shadow of the gnomon tip for one sun position.
struct Schattenwurf {
    double dx = 0; // offset from the gnomon foot, x to the right
    double dy = 0; // y downwards
    // The point is lit: the sun is above the horizon and, except on umbrella dials, in front
    // of the plane. (The screen adds the drawing-area test of the inclined umbrella dial.)
    bool beleuchtet = false;
    // The sun stands in front of the plane: the cosine between sun and normal is positive.
    bool ebeneBeleuchtet = false;
};
Schattenwurf schattenwurf(const Schattengeometrie& g, double azimut, double hoehe);

// The same from the sun's direction (south, west, up, of length one) without going through
// azimuth and altitude: the offset is a ratio of the direction's components. It agrees with
// schattenwurf to rounding. Not for umbrella dials (false then, and nothing is written).
bool schattenwurfRichtung(const Schattengeometrie& g, double sued, double west, double oben, Schattenwurf& w);

// Where the polar axis through the gnomon tip meets the plane, as an offset (X to the right,
// Y upwards) from the foot, for a gnomon of length s: for 'h' (0, -s / tan latitude), for 'v'
// and plain 'i' the projection onto the plane. A latitude of magnitude below `breiteMin`
// counts as +-breiteMin with its own sign (0 as positive); the shared record is not touched.
struct Polversatz {
    double X = 0;
    double Y = 0;
};
Polversatz polstabVersatz(const AppState& s, double skala, double breiteMin);

// The latitude with its magnitude raised to at least `minimum`, keeping the sign.
double geschuetzteBreite(double breite, double minimum);

} // namespace umbrin
