#pragma once
// The azimuthal dial with altitude circles: the geometry its canvas drawing and its plot share.
// A sun position of azimuth a and altitude h lies in the direction of the shadow of a vertical
// pointer, at the distance r(h) of the radial law in force: 0 equal spacing in zenith
// distance, 1 the barrel law of a dial read through a reflecting dome, 2 stereographic.
#include "core/State.h"

#include <array>
#include <string>
#include <vector>

namespace umbrin {

struct HoehenRadien {
    int gesetz = 0;
    double R0 = 0; // the horizon circle
    double Ro = 0; // the outer circle with the degree scale
    double A = 0, B = 0, C = 0;

    // Distance of altitude h (degrees) from the centre, not rounded; finite for any h.
    double r(double h) const;
};

// The radii on a canvas: fh0 is the base font height, hoehe the usable height. A plate too
// small for its rim (diameter within twice the font height) takes under the barrel law the
// plot's reduced diameter instead.
HoehenRadien hoehenRadienBild(const AppState& s, double hoeheNutzbar, bool bildschirm, int fh0);
// The radii of the plot at 40 units per millimetre: the law of the state, the true plate.
HoehenRadien hoehenRadienPlot(const AppState& s);

// A plate too small for the degree ring round its horizon circle (the ring takes a fixed
// width, so below some diameter the horizon's radius would not be positive): why the dial is
// not drawn, naming the smallest plate this canvas or the plot takes; empty when it fits.
std::string hoehenPlatteZuKleinBild(const AppState& s, double hoeheNutzbar, bool bildschirm, int fh0);
std::string hoehenPlatteZuKleinPlot(const AppState& s);

// Days of an hour line: days 1, 3, ..., 29 of each month. Clock hours with the equation of
// time take the whole year and 1 January again; other lines take each declination once
// (21 June to 22 December).
std::vector<int> hoehenStundentage(const AppState& s, int art);

// One sun position of a date line or day-length line.
struct HoehenStand {
    double h = 0;
    double a = 0;
};
// The points of a date line of declination d: from t0 on in steps of 0.025 h while the sun is
// below 1.5 degrees, else 0.1 h, up to 23 h; hour angle (t - 12) 15 - (meridian - zone).
std::vector<HoehenStand> hoehenDatumslinie(double phi, double d, double t0, double laenge, double zone);

// The date-line declinations for Schalter.LinienProMonat (clamped to 1..4; 4 gives the
// solstices and the equinox), each with whether it is a main line.
struct Datumslinie {
    double d = 0;
    bool haupt = false;
};
std::vector<Datumslinie> hoehenDatumslinien(const AppState& s);

// The ecliptic of the stereographic dial for s = +1 or -1: the circle through the east and
// west points of the horizon with centre d above the dial's centre (in plate units, the
// drawing's y downwards) and radius rho. Within 0.05 degrees of phi + s eps = 0 it is the
// east-west diameter (gerade).
struct Ekliptik {
    bool gerade = false;
    double d = 0;
    double rho = 0;
};
Ekliptik ekliptik(double phi, double eps, int s, double R0);
// The way round its arc above the horizon: -1 when the circle's centre lies above the dial's
// centre (the arc bulges below it), +1 when below. It follows phi + s eps, not phi: in the
// tropics the two ecliptics bend to opposite sides, and the other way round would draw the
// circle's part outside the horizon.
inline int ekliptikDrehsinn(const Ekliptik& e) { return e.d > 0 ? -1 : 1; }
// One tick of the ecliptic at longitude lambda: the points (+-x0, y0) above the centre, the
// tick length T; false where it cannot be placed.
struct EkliptikMarke {
    double x0 = 0, y0 = 0, T = 0;
};
bool ekliptikMarke(double phi, double eps, int s, double R0, const Ekliptik& e, int lambda, double u,
                   EkliptikMarke& m);

// Titles and caption lines.
std::string hoehenTitel(const AppState& s);
std::string hoehenHinweis(const AppState& s);
std::string hoehenZusatzArten(const AppState& s);
std::string hoehenZeitZeile(const AppState& s);

// The middle of an hour number's box (w x h) at the end (ex, ey) of its line, both from the
// centre: toward the centre by half the box and luft (at most half way, so that no number
// crosses the centre to the side of other hours' lines near the zenith), where the region
// inside the solstice's line is clear of hour and date lines. The box begins just right of the
// radius through the end (the noon's beside the meridian).
void hoehenZahlMitte(double ex, double ey, double w, double h, double luft, double& mx, double& my);

// A box by its middle and size, from the centre.
struct ZahlKasten {
    double mx = 0, my = 0, w = 0, h = 0;
};
// Whether two numbers' boxes meet, or stand on one line (sharing half the lower one's height)
// less than leer apart across: a reader takes two numbers that near for one.
bool hoehenZahlenZuNah(const ZahlKasten& a, const ZahlKasten& b, double leer);
// As hoehenZahlMitte, for a number that must keep clear of the boxes `belegt` (a temporal
// hour's of the clock hours' numbers: temporal noon lies on the clock's noon line, and the
// hours beside it close to clock hours): where its box meets one, the first clear place of
// left of the radius, then right and left stepped inward along it by a quarter of the box's
// height at a time; the place by the rule when none is clear. Numbers on one line keep leer
// (a blank) apart.
void hoehenZahlMitteFrei(double ex, double ey, double w, double h, double luft, const std::vector<ZahlKasten>& belegt,
                         double& mx, double& my, double leer = 0);

// Profile entry of azimuth a: (round(2a) + 360) mod 720.
int horizontIndex(double a);

} // namespace umbrin
