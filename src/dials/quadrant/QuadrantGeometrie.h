#pragma once
// The geometry of the quadrant dial, shared by its drawing and its plots.
//
// The quadrant is a quarter disc with its apex at the top left corner. A point at distance r
// from the apex and at the angle a measured at the apex from the vertical edge towards the
// horizontal edge stands for a date (by r) and a sun altitude (by a): a plumb line hung from
// the apex makes the sun's altitude with the vertical edge when the horizontal edge is sighted
// at the sun. The calendar scale puts the dates on quarter circles, the zodiac scale the
// declinations, and the Gunter quadrant the declinations by the stereographic law.
//
// Angles are in degrees, hours in hours; x runs along the horizontal edge, y along the
// vertical edge away from the apex.
#include "core/State.h"

#include <string>
#include <vector>

namespace umbrin {

// The hours of the hour curves: a range, the number of lines per hour and whether they are
// temporal hours.
struct QuadrantStunden {
    double von = 0, bis = 0;
    int n = 1;
    bool temporal = false;
};

// The range as the quadrant page sets it: temporal hours from QuadTempVon to QuadTempBis (at
// most 12 each) with TemporalIntervall + 1 lines per hour; else QuadVon to QuadBis with the
// digit of StundenIntervallSonst + 1, and with zone time a range across noon is cut to its
// longer half (ties to the afternoon).
QuadrantStunden quadrantStunden(const AppState& s);

// The calendar scale shows half a day: 3 to 12 when the range starts before noon, else 12 to
// 21.
void kalenderHalbtag(QuadrantStunden& z);

// One hour value t = h + i / n of the range; i = 0 is a full hour.
struct QuadrantStundenwert {
    double t = 0;
    int h = 0;
    int i = 0;
};
// The hour whose line is the quadrant's noon line: 12, or 6 in temporal hours. A quadrant
// measures only the sun's altitude, so an hour after it shares its line with the hour as far
// before it (clock hours in local time, temporal hours always); the numbers of the later
// hours stand apart from those of the earlier ones.
inline int quadrantMittag(bool temporal) { return temporal ? 6 : 12; }

// Every value of the range: h from round(von) to round(bis), i from 0 to n - 1, values above
// bis left out.
std::vector<QuadrantStundenwert> quadrantStundenwerte(const QuadrantStunden& z);

// Half-day arc (degrees, 0..180) of declination d at latitude phi: 90 when -tan phi tan d is
// within 1e-12 of zero; 0 in polar night and 180 in polar day, where the cosine has no arc.
double quadrantHalbbogen(double phi, double d);

// Hour angle of hour value t for a day of declination d without the equation of time:
// temporal hours |6 - t| H0 / 6; zone time (t - 12) 15 - longitude + zone meridian; else
// (t - 12) 15.
double quadrantStundenwinkel(const AppState& s, double t, double d, bool temporal);

// Sun altitude at hour angle tau for declination d at latitude phi.
double quadrantHoehe(double phi, double d, double tau);

// The calendar scale's sun altitude on day `tag` of Par.Jahr at hour value t: temporal hours
// through the day's half-day arc, else the clock time t of the zone meridian with the hour
// angle (t - 12) 15 - (M - zone meridian), plus the equation of time when MitZeitglAzimut is
// set.
double kalenderHoehe(const AppState& s, int tag, double t, double M, bool temporal);

struct QuadrantPunkt {
    double x = 0, y = 0;
};

// The plot's point of sun altitude a on the arc of radius L of a quadrant with its apex at
// (xA, yA) opening in direction dA (+1 right, -1 left), plotter y upwards:
// (xA + dA round(L sin a), yA - round(L cos a)).
QuadrantPunkt quadrantPlotPunkt(int xA, int yA, int dA, double L, double a);

// Where segment PQ crosses the vertical line x = X0. When the two x lie within 0.05 of each
// other the segment runs along the line and the point of the two that lies inside (x >= X0)
// gives the y.
QuadrantPunkt schneideSenkrechte(QuadrantPunkt P, QuadrantPunkt Q, double X0);

// Intersection of the circle of radius r1 about the origin with the circle of radius r2 about
// (d, 0): x = (d^2 + r1^2 - r2^2) / 2d, y = sqrt(r1^2 - x^2). Circles that do not meet give
// y = 0.007; concentric circles (d = 0) give the point (r1, 0.007).
void Kreisschnitt(double& x, double& y, double r1, double d, double r2);

// Radius fractions of the zodiac scales: the share of the scale's span a declination d takes
// from its inner circle. Whole year: +eps outside when zeitablesung is set, inside otherwise.
// Folded: |d| = eps outside when set, inside otherwise.
double zodiakAnteilGanz(double d, double eps, bool zeitablesung);
double zodiakAnteilGefaltet(double d, double eps, bool zeitablesung);

// The Gunter quadrant reads the date from the noon altitude 90 - |phi| + d: between the
// tropics the noon sun passes the zenith and beyond the polar circles it stays below the
// horizon in winter, so the quadrant is refused for |phi| below eps or above 90 - eps.
bool gunterBreiteVerweigert(double phi, double eps);
// The refusal's text in the language of the state, naming both limits.
std::string gunterBreitenText(const AppState& s);

// Stereographic radius of declination d on the Gunter quadrant: K tan((90 + |d|) / 2).
double gunterRadius(double K, double d);
// The Gunter quadrant's constant K for the outer radius Rg of the declination eps.
double gunterK(double Rg, double eps);
// Largest azimuth of the azimuth lines: the summer sunrise azimuth from south for latitudes
// above 25 degrees (180 where the sun does not set), else 0.
double gunterAmax(double phi, double eps);
// Declination at which the sun stands on the horizon at hour angle tau (degrees, -90..90).
double gunterHorizontDekl(double tau, double phi);
// Sun altitude at azimuth A (from south) for declination d; false where the latitude is too
// near the equator to give one.
bool gunterAzimutHoehe(double phi, double A, double d, double& h);
// Declination at which the sun rises or sets at azimuth A (from south): where an azimuth line
// meets the horizon.
double gunterAzimutHorizontDekl(double A, double phi);
// Declination of point i (0..94) of the azimuth line A: +eps, then 23 down to -23 in half
// degrees, then -eps; beyond 20 degrees of azimuth never below the horizon.
double gunterAzimutlinienDekl(int i, double A, double phi, double eps);

// The Wingdings letter of zodiac sign n (1 Aries .. 12 Pisces; n is taken modulo 12, 0 being
// Pisces).
std::string zodiakSymbol(int n);
// The month in which the sun enters sign j (1..12).
int zodiakMonat(int j);

// Numbers set one after another across the radius on a circle about the apex: the step
// (degrees) that takes a number at angle `winkel` at least `mindestens` past the previous
// one at `vorig`, away from it, or none where that would leave the quadrant (0..90).
// `vorig` becomes the number's angle.
double quadrantSchrittVorbei(double& vorig, double winkel, double mindestens);

} // namespace umbrin
