#pragma once
// Geometry of the two vertical Habermel dials: a vertical plate with a horizontal gnomon of
// length L at right angles to it. The shadow of the gnomon tip falls L tan(a) below the foot
// for a sun altitude a when the plate faces the sun; turned by an angle b away from it, the
// tip's shadow moves L tan(b) sideways and L tan(a) / cos(b) down.
//
// Dial I carries 37 date circles (ecliptic longitude -90..90 in steps of 5 degrees); the
// user turns the plate until the shadow tip lies on today's circle. Dial II is a disc whose
// polar angle is the ecliptic longitude and whose radius is the shadow drop.
//
// Lengths are in drawing units (L' = L in millimetres times the units per millimetre), the
// y axis points up from the gnomon foot (negative below it), x to the right.
#include "core/State.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace umbrin {

// The working table of dial I for latitude phi, obliquity eps and gnomon L' (drawing units).
struct HabermelTabelle {
    double L = 0;                   // L'
    std::array<double, 37> lambda{}; // ecliptic longitude 5 (i - 18), degrees
    std::array<double, 37> dekl{};   // eps sin(lambda)
    std::array<double, 37> r{};      // noon drop of the shadow tip below the foot
    std::array<double, 37> m{};      // radius of date circle i
    std::array<double, 37> sw{};     // half width of circle i at the height of the foot

    // Centre of date circle i above the foot: (r0 - ri) / 2.
    double mitte(int i) const { return (r[0] - r[static_cast<std::size_t>(i)]) / 2; }
};

HabermelTabelle habermelTabelle(double phi, double eps, double Lstrich);

// The shortest gnomon and the smallest diameter of the dial (mm) that the parameter dialog takes.
inline constexpr double kHabermelKleinsterGnomon = 9;
inline constexpr double kHabermelKleinsterDurchmesser = 30;

// Why dial I cannot be built at this latitude with the gnomon L (mm; 0 means 30), as the
// program's message in the language of the state, or nothing. Dial I is made for northern
// latitudes between eps and 90 - eps: at eps and below the summer circle runs past the horizon
// of the gnomon tip (its noon tangent passes 90 degrees), at 90 - eps and above the winter
// circle closes onto the foot. A gnomon no field of the dialog gives (shorter than it takes,
// with a dial smaller than the smallest diameter it takes: a settings file's 2 mm) draws the
// circles so close that the signs and numbers lie on one another; it is refused too.
std::optional<std::string> habermelVerweigerung(const AppState& s, double L);
// The band of latitudes itself (north; the south has a message of its own), as the message
// names it.
bool habermelBreiteVerweigert(double phi, double eps);

// Dial II: refused only within eps of the equator, where the summer noon sun stands at or
// beyond the zenith and the scale ring has no finite radius.
std::optional<std::string> habermel2Verweigerung(const AppState& s);

// The point of dial I's hour line for hour angle H (degrees, the equation of time already in
// it) on date circle d, with x >= 0 (the caller puts mornings to the left). Nothing when the
// sun stands 3 degrees or more below the horizon on that date, or when its altitude curve
// misses the circle. Between -3 degrees and the horizon (the horizon itself included) the
// point is where the circle of the sun's horizon declination crosses the horizon line.
struct HabermelPunkt {
    double x = 0;
    double y = 0;
    double hoehe = 0; // the sun's altitude, degrees
};
std::optional<HabermelPunkt> habermelStundenpunkt(const HabermelTabelle& t, double phi, double H, int d);

// Dial II: the drop of the shadow tip L' tan(a) laid off at the polar angle lambda, for hour
// angle H (degrees) and ecliptic longitude lambda. Nothing when the sun stands 1 degree or
// lower.
std::optional<HabermelPunkt> habermel2Punkt(double phi, double eps, double Lstrich, double H, double lambda);

// The radius of dial II's hour curves: the summer-solstice noon drop for |phi|.
double habermel2Sommerradius(double phi, double eps, double Lstrich);

// One hour line of dial I: the hour value t, its number (0 for a subdivision), whether it is a
// full hour, and its points over the 37 date circles (nothing where a date gives none), with
// the morning side already put left of the noon line.
struct HabermelStundenlinie {
    double t = 0;
    int nummer = 0;
    bool voll = false;
    double E = 0; // equation of time of the line's own point, degrees (mean time)
    std::array<std::optional<HabermelPunkt>, 37> punkte{};
};

// The date whose point carries a full hour's number: the summer circle (36), or where the sun
// does not reach that point, the nearest date towards winter whose point the sun lights (above
// the horizon) and that lies more than `abstand` off the horizon line; where every lit point
// lies closer to that line, the one farthest from it. -1 only when the sun lights none of the
// line's points: the line is then left undrawn, and every line it lights is drawn.
int habermelNummerDatum(const HabermelStundenlinie& l, double abstand);

// Every hour line of dial I: hours 3..21 in Schalter.StundenIntervallSonst + 1 parts, each
// in the time system of the state (true local, zone or mean time).
std::vector<HabermelStundenlinie> habermelStundenlinien(const AppState& s, const HabermelTabelle& t);

// The time system of the hour lines as the heading names it: apparent time of the zone
// meridian, local mean time (dial I only: mittlereZeit), or local apparent time.
std::string habermelZeitsystem(const AppState& s, bool mittlereZeit);

// The caption of the gnomon template: "Zeigerlaenge = " (written without its umlaut, as on the
// template of a printed sheet) or "Gnomon height =", the length L and " mm".
std::string habermelSchablonenText(const AppState& s, double L);

// Where the letters of the twelve signs stand on dial I: sign z (1 Aries .. 12 Pisces) in the
// band of its declinations between two sign circles, the signs from summer to winter right of
// the noon line, those from winter to summer left of it. The centre of each letter (a box of
// breite x hoehe) lies on the date circle in the middle of its band, beside the noon line; where
// it would touch a letter set before it or one of the boxes in `belegt`, it moves on along that
// circle, away from the noon line, so that it stays inside its band however narrow the band
// is. Coordinates as the hour points (x right, y up from the gnomon foot); the result is
// indexed by z - 1.
struct HabermelKasten {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};
struct HabermelZeichenstelle {
    double x = 0, y = 0; // the letter's centre
};
// Where a letter's ink is wider than its box (tinte wide, its middle versatz right of the
// box's), the ink is kept clear, the start beside the noon line is the box's.
std::array<HabermelZeichenstelle, 12> habermelZeichenstellen(const HabermelTabelle& t, double breite, double hoehe,
                                                            const std::vector<HabermelKasten>& belegt = {},
                                                            double tinte = 0, double versatz = 0);

// How far from the point (dx, dy), taken from a circle's centre, the unit direction (ux, uy)
// leads to the circle of radius R (0 when the point lies on or beyond it there): where dial
// I's second hour number in mean time stands outside the rim.
double habermelBisKreis(double dx, double dy, double ux, double uy, double R);

// The box round a text's ink as the drawing writes it: from the point (x, y) along the unit
// direction (ux, uy) from u0 to u1, and along the normal (nx, ny) from v0 to v1.
struct HabermelSchild {
    double x = 0, y = 0, ux = 1, uy = 0, nx = 0, ny = 1;
    double u0 = 0, u1 = 0, v0 = 0, v1 = 0;
    HabermelKasten umriss() const; // the upright box round it
};
// Whether two texts' boxes share more than a fiftieth of the smaller one.
bool habermelUeberdeckt(const HabermelSchild& a, const HabermelSchild& b);

// The date at which a full hour's number stands clear: the numbering date (habermelNummerDatum)
// where `frei` takes it, else the nearest lit date towards winter more than `abstand` off the
// horizon line that `frei` takes; -1 where none is clear (the number is left out).
int habermelFreiesDatum(const HabermelStundenlinie& l, double abstand, const std::function<bool(int)>& frei);

// A gnomon of 0 is drawn as 30 mm.
double habermelGnomon(double L);

} // namespace umbrin
