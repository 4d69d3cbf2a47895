#pragma once
// The ham dial: an altitude dial whose date scale is a circle. Seven date points stand on the
// circle at angles set by the sun's declination (23.5 cos of steps of 30 degrees), a stretch
// factor and the equinox's angle; through each date point run straight hour lines whose
// slope is the sun's altitude at that hour from true noon. Where the lines of one hour meet,
// the dial is read.
#include "core/Canvas.h"
#include "core/State.h"
#include "dials/Konstruktionsmeldung.h"

#include <cstddef>
#include <string>
#include <vector>

namespace umbrin {

struct SchinkenAuftrag {
    int breite = 0; // canvas size in its units
    int hoehe = 0;
    bool bildschirm = true;
    double groesse = 0;    // the dial's size (Par.HabermelGnomon)
    bool punkteZeigen = false; // the marked hour points instead of the hour lines
    // The marked points in pixels of the drawing window's image, the reference first, and the
    // image's size: a page carries them over about the dial's centre and scale.
    std::vector<CanvasPoint> punkte;
    int bildBreite = 0;
    int bildHoehe = 0;
};

// The dial's geometry on one canvas.
struct SchinkenGeometrie {
    int blattBreite = 0, blattHoehe = 0; // the sheet the dial stands on
    double f = 1;        // units per millimetre
    double R = 0;        // circle radius
    double cx = 0, cy = 0;
    double dekl[8] = {};      // the sun's declination on the dates of points 1..7 (local summer at 7)
    double hoehe[8][9] = {};  // the sun's altitude at date point i, j hours from noon
    CanvasPoint datum[8] = {}; // unused 0; the date points 1..7, rounded
    double x[8] = {}, y[8] = {}; // the date points unrounded
};

// The smallest size the parameter dialog takes.
inline constexpr double kSchinkenKleinsteGroesse = 9;

// On a printed page the circle's radius is the size times this many units of 0.1 mm.
inline constexpr double kSchinkenDruckMassstab = 20.0;

// The diameter in millimetres of the printed circle of a dial of the given size (four times
// the size); the legend states it on the screen and on the page.
inline double schinkenDurchmesserMm(double groesse) { return 2 * groesse * kSchinkenDruckMassstab / 10; }

// Whether the sun stands above the horizon (or on it) on the date of point i, j hours from
// noon: only then has the date point an hour line of that hour.
inline bool schinkenSonneAuf(const SchinkenGeometrie& g, int i, int j) { return g.hoehe[i][j] > -1e-9; }

// A crossing mark: where the hour lines of one of the hours 2 to 7 through the date points 1
// and 3, 3 and 5, or 5 and 7 meet, wherever the sun stands above the horizon on both dates.
struct SchinkenMarke {
    int a = 0, b = 0, j = 0; // the date points and the hour from noon
    std::size_t farbe = 0;   // the pen's slot in Farben
    bool da = false;         // false where the two hour lines run parallel or a sun is down
    double x = 0, y = 0;
};

// Half the length of a crossing mark's strokes.
inline int schinkenMarkenHalb(bool bildschirm) { return bildschirm ? 8 : 20; }

// Empty when the printed circle stands on a page of breite x hoehe units of 0.1 mm about its
// middle; else the refusal that names the largest circle and size the page holds.
std::string schinkenSeitenpruefung(const AppState& s, double groesse, int breite, int hoehe);

// On a page the scale is fixed (the legend states the printed diameter); on the screen the
// dial is drawn smaller where the circle or its crossing marks would leave the image.
SchinkenGeometrie schinkenGeometrie(const AppState& s, const SchinkenAuftrag& a);

// The 18 crossing marks, hour by hour.
std::vector<SchinkenMarke> schinkenMarken(const SchinkenGeometrie& g);

// Where the hour line of hour j through date point i ends when it carries no crossing mark
// farther out; false where it has no such end: the sun down, the line parallel to date point
// 1's or running upward from its date point (it is then drawn only as far as its marks).
bool schinkenLinie(const SchinkenGeometrie& g, int i, int j, double& x, double& y);

// Whether the mark stands whole on the geometry's sheet.
bool schinkenMarkeAufBlatt(const SchinkenGeometrie& g, const SchinkenMarke& m, bool bildschirm);

// Where the hour lines of hour j through date points a and b meet; false when they are
// parallel.
bool schinkenKreuzung(const SchinkenGeometrie& g, int a, int b, int j, double& x, double& y);

// Empty when every crossing mark stands whole on the geometry's sheet; else how many do, and
// on a page the size that keeps them all on it.
std::string schinkenMarkenWarnung(const AppState& s, const SchinkenGeometrie& g, double groesse, bool bildschirm);

Konstruktionsmeldungen zeichneSchinkenSU(const AppState& s, Canvas& c, const SchinkenAuftrag& a);

} // namespace umbrin
