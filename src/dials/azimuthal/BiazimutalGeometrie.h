#pragma once
// Geometry of the biazimuthal dial ('c'): a gnomonic projection about the midpoint M of the
// great-circle arc between two places A and B, compressed along one axis by the cosine of
// half that arc, so that seen from the image of either place the direction to the image of
// the celestial pole and the direction to the image of the sun's ground point make the sun's
// azimuth at that place. A direction is given as (latitude, longitude west positive): a
// place, or the sun as (declination, longitude of the point below it).
#include "core/Projektion.h"
#include "core/State.h"

#include <optional>
#include <string>
#include <vector>

namespace umbrin {

// The focus points after the plane conversion (a vertical or inclined plane at A, a vertical
// plane at B become the places of their equivalent horizontal dials) and the centre.
struct BiazimutalLage {
    double breiteA = 0, laengeA = 0;
    double breiteB = 0, laengeB = 0;
    PolErgebnis pol; // M, half arc, axis flag
    int s = 1;       // +1 for a northern (or equatorial) centre, -1 for a southern one
};

BiazimutalLage biazimutalLage(const AppState& s);

// The projection with scale g about the image (x0, y0) of M. On a canvas the image's y runs
// down (yNachOben false), in a plot up. A southern centre turns the drawing by a half turn.
struct BiazimutalProjektion {
    BiazimutalLage lage;
    double g = 1;
    double x0 = 0, y0 = 0;
    bool yNachOben = false;

    // Projection about M without placement (y up), as the projection gives it.
    void roh(double breite, double laenge, double& x, double& y) const;
    // The placed image of a direction.
    void bild(double breite, double laenge, double& X, double& Y) const;
    // bild with the sine and cosine of breite given (SinGrad, CosGrad): for map points whose
    // sines are kept with them.
    void bild(double sinBreite, double cosBreite, double laenge, double& X, double& Y) const;
    void platziere(double x, double y, double& X, double& Y) const;

    // The places' part of the projection for the present lage.
    const SonnenOrientierung& orientierung() const;
    // The places' part of the projection, kept for the lage it was worked out for (worked
    // out again when lage has changed).
    mutable SonnenOrientierung orientierung_{};
    mutable BiazimutalLage orientiertFuer_{};
    mutable bool orientiert_ = false;
};

// The length of the pole's image from the centre at scale 1: what the scale is divided by so
// that the pole lies at a chosen distance. Nothing when the pole falls within 0.0001 of the
// centre (a centre at a pole): no scale follows from it.
std::optional<double> biazimutalPolabstand(const BiazimutalLage& lage);

// The message when the pole's image gives no scale (the drawing then takes the scale 1).
std::string biazimutalMassstabMeldung(const AppState& s);

// The two legend lines of A and B as entered: "A( 47.25° /-9.59°), horiz.;" and
// "B( 47.25° /-15.00°),  horiz.;".
std::string biazimutalTextA(const AppState& s);
std::string biazimutalTextB(const AppState& s);
// The legend's last line: text 66 and the centre, "... 47.25° /-12.30°." on a canvas and
// "... 47.25 /-12.30" in a plot, whose character set has no degree sign.
std::string biazimutalTextZentrum(const AppState& s, const BiazimutalLage& lage);
std::string biazimutalPlotTextZentrum(const AppState& s, const BiazimutalLage& lage);

// The longitude of the sun's ground point for hour t on the dial's clock: true local time at
// A, zone time with Schalter.Zonenzeit, true local time at B when BiaziZonenzeit is 0.
double biazimutalStundenlaenge(const AppState& s, double t);

// Number of date-line intervals from Schalter.Datumslinien: "0" and "3" give 6, "1" 12, "2" 18.
int biazimutalDatumsIntervalle(const AppState& s);
// Where a date line starts: at anker, or, where the hours ask for more, that many half
// degrees before it, so that a longer line adds points without moving those of the shorter
// (the same date line drawn for other hours keeps its strokes).
double biazimutalDatumsbeginn(double anker, double stunden);

// Day numbers marked on an analemma in each month, by Schalter.AnalemmaMarken.
std::vector<int> biazimutalMarkentage(const AppState& s);

} // namespace umbrin
