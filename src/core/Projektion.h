#pragma once
// Small geometric routines the dial constructions share. Angles in degrees, lengths in the
// unit of the gnomon length (millimetres in the constructions).
#include <string>

namespace umbrin {

// Tangent of x degrees; the cosine is floored at 1e-12 (keeping its sign, 0 counting as
// positive), so tan(90) is about 1e12 and never infinite.
double TanGrad(double x);

// Turns the point (x, y) counter-clockwise by w degrees.
void Drehe(double& x, double& y, double w);

// Gnomonic projection of the sun onto the plane of an equivalent horizontal dial of pole
// height p: declination d, hour angle t, hour-angle offset dl, gnomon length g, rotation r.
// A sun behind the plane lands far out (the zenith cosine is floored at 1e-6), never at
// infinity. The visibility flag is always true.
void ProjiziereSonne(double p, double d, double t, double dl, double g, double r, double& x, double& y,
                     bool& sichtbar);

// Projection of the biazimuthal dial: places A (lonA, latA) and B, pole P, foreshortening
// angle c (radians), gnomon length g, declination d, hour angle t, variant flag.
void ProjiziereSonneOrient(double lonA, double latA, double lonB, double latB, double lonP, double latP, double c,
                           double g, double d, double t, bool variante, double& x, double& y);

// The part of that projection that depends on the places alone (the turn towards A and B,
// the foreshortening, the pole's sine and cosine), worked out once for the many points of a
// drawing. The projection through it is that of the plain form to the last bit.
struct SonnenOrientierung {
    double latP = 0, lonP = 0;
    double sinP = 0, cosP = 1;
    double sinA = 0, cosA = 1, cosC = 1, sinB = 0, cosB = 1;
    bool variante = false;
};
SonnenOrientierung orientiereSonne(double lonA, double latA, double lonB, double latB, double lonP, double latP,
                                   double c, bool variante);
void ProjiziereSonneOrient(const SonnenOrientierung& o, double g, double d, double t, double& x, double& y);
// The same with the sine and cosine of the declination d given (SinGrad(d), CosGrad(d)).
void ProjiziereSonneOrient(const SonnenOrientierung& o, double g, double sinD, double cosD, double t, double& x,
                           double& y);

// The three lengths A, B, C of the conic section of the cone dial. Refuses (returns false,
// leaves A, B, C unchanged) when alfa or psi are at most 0.1 degrees, when psi <= alfa, or
// when psi >= 180 - alfa (no real cone section); the cone's refusal (kegelAblehnung) says so
// in the user's language.
bool KegelschnittParameter(double g, double alfa, double psi, double& A, double& B, double& C);

// Result of BerechnePol.
struct PolErgebnis {
    bool berechnet = false;  // false: not the biazimuthal dial, nothing computed
    bool flag = false;       // the places lie more east-west than north-south apart
    double breite = 0;       // midpoint latitude; 99.99 marks "no pole" (places too far apart)
    double laenge = 0;       // midpoint longitude
    double halbeDistanz = 0; // half the angular distance, radians
    bool zuWeit = false;     // more than 160 degrees apart: message texts 65 and 66
};

// Midpoint (pole) of two places for the biazimuthal dial ('c'); for every other dial type
// nothing is computed.
PolErgebnis BerechnePol(char uhrTyp, double lat1, double lon1, double lat2, double lon2);

} // namespace umbrin
