#pragma once
// The azimuthal dial with date or zodiac circles: the geometry its canvas drawing and its plot
// share. The shadow of a vertical pointer falls opposite the sun; seen from above with south
// at the top, a sun of azimuth A (from south, west positive) puts its shadow point at distance
// r in the direction (-sin A, cos A) of the drawing's axes, y pointing down the page.
#include "core/State.h"

#include <optional>
#include <string>
#include <vector>

namespace umbrin {

// Nearest integer for a drawing or plot coordinate; a non-finite value gives 0.
int azimutalRund(double v);

// Sizes of one drawing: outer radius R, units per day of the calendar scale (fTag), outer and
// inner date radius r1 > r2, and the scale factor f (units per day of the calendar scale, or
// per degree of declination of the zodiac scale).
struct AzimutalMasse {
    double R = 0;
    double fTag = 0;
    double r1 = 0;
    double r2 = 0;
    double f = 0;
};

// On a canvas: the plate of AzGrundplatte millimetres, a 210 mm plate filling the height on
// the screen, true size in 0.1 mm on a page.
AzimutalMasse azimutalMasseBild(const AppState& s, int hoehe, bool bildschirm);
// In a plot (40 units per millimetre): a whole number of units per day.
AzimutalMasse azimutalMassePlot(const AppState& s);

// Distance from the centre of the hour-line point of day n, declination d. The plot counts
// calendar days from n - 1.
double azimutalTagRadius(const AppState& s, const AzimutalMasse& m, int n, double d, bool plot);

// Sun at hour t of one family on day n: altitude, azimuth and the day's declination.
struct AzimutalSonne {
    double h = 0;
    double A = 0;
    double d = 0;
};
// Families: 0 clock hours, 1 temporal, 2 Babylonian, 3 Italian hours.
AzimutalSonne azimutalSonne(const AppState& s, int art, int n, double t, double meridian);

// One family of hour lines as drawn: kind, first and last hour (with its small allowance),
// the meridian handed to the sun positions and the lines per hour.
struct Stundenfamilie {
    int art = 0;
    double von = 0;
    double bis = 0;
    double meridian = 0;
    int proStunde = 1;
};
// The families switched on, in drawing order. The plot gives a smaller allowance to the last
// hour and hands the longitude to the temporal family.
std::vector<Stundenfamilie> azimutalFamilien(const AppState& s, bool plot);
// The hour values of a family: whole hours from the first while below the last, each with its
// subdivisions below the last (canvas) or not above it (plot).
std::vector<double> azimutalStunden(const Stundenfamilie& f, bool plot);

// The day numbers an hour line passes through, in drawing order: days 1, 4, ..., 28 of each
// month, with 31 December on the calendar scale; the zodiac scale without the equation of
// time takes each declination once (21 June to 22 December). The plot also keeps 31 December
// for the zodiac scale with the equation of time when January is outside.
std::vector<int> azimutalStundentage(const AppState& s, bool plot);

// One point of an hour line: its distance from the centre, the sun's azimuth, and whether the
// sun shows it (above the horizon and below 89 degrees, 89.5 in the plot: nearer the zenith
// no azimuth can be read).
struct AzimutalLinienpunkt {
    double r = 0;
    double A = 0;
    bool sichtbar = false;
};
// The points of the line of hour t of a family on the given days, in drawing order.
std::vector<AzimutalLinienpunkt> azimutalStundenlinie(const AppState& s, const AzimutalMasse& m,
                                                      const Stundenfamilie& fam, double t, const std::vector<int>& tage,
                                                      bool plot);
// The azimuth of a line's outer end: of its drawn point (one joined to a visible neighbour)
// farthest from the centre; none when no stretch of the line is drawn.
std::optional<double> azimutalLinienende(const std::vector<AzimutalLinienpunkt>& linie);

// A text's box: its middle and half its extent along each axis, in the drawing's units.
struct AzimutalKasten {
    double mx = 0, my = 0, hx = 0, hy = 0;
};
// Where an hour number stands: beyond the rim of radius R about (cx, cy), in the direction
// (ux, uy) of its line's outer end (a unit vector in the drawing's own axes), the whole box
// luft outside the rim. Where it would come nearer than luft to one of the boxes belegt (the
// names of the directions, the numbers set before it), it moves along the rim the least way
// that clears them, up to 30 degrees either way; beyond that it would name another line, and it
// is left out (nullopt).
std::optional<AzimutalKasten> azimutalRandzahl(double cx, double cy, double R, double ux, double uy, double hx, double hy,
                                double luft, const std::vector<AzimutalKasten>& belegt);

// Where a name of east or west (w x h, its top left corner at ueblich beside the rim on the
// axis through the centre) stands: there, while its box stays inside the frame from links to
// rechts and outside the rim of radius r about (cx, cy). Else, on a sheet narrower than the
// plate with its names (a portrait page), it stands inside the frame on its side, just below
// the axis, as low as clearing the rim needs.
AzimutalKasten azimutalSeitenname(double ux, double uy, double w, double h, double cx, double cy, double r,
                                  double links, double rechts);

// The 73 days of the sunrise and sunset curves (days 1, 6, ..., 26 of each month and 1 January
// of the next year): the day's distance and the azimuths of its sunrise and sunset.
struct AufUntergangsPunkt {
    double r = 0;
    double aufgang = 0;
    double untergang = 0;
    double A(bool beiAufgang) const { return beiAufgang ? aufgang : untergang; }
};
std::vector<AufUntergangsPunkt> azimutalAufUntergang(const AppState& s, const AzimutalMasse& m, bool plot);

// The sign whose symbol heads entry s (1 Aries .. 12 Pisces) of the zodiac symbol list, and
// the whole entry (Aries carries a trailing blank).
std::string zodiakZeichen(int s);
std::string zodiakEintrag(int s);
// The month in which the sun enters sign s.
int zodiakEintrittsMonat(int s);
// The first character of a text, or the empty text.
std::string ersterBuchstabe(const std::string& t);

// Legend lines: latitude and longitude, time system, plate diameter.
std::string azimutalOrtZeile(const AppState& s);
std::string azimutalZeitZeile(const AppState& s);
std::string azimutalDurchmesserZeile(const AppState& s);

// "West", "Ost" / "East": the label without its accelerator, at most n characters.
std::string himmelsrichtung(const AppState& s, int text, std::size_t n);

} // namespace umbrin
