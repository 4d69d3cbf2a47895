#pragma once
// The ham dial: an altitude dial whose date scale is a circle. Seven date points stand on the
// circle at angles set by the sun's declination (23.5 cos of steps of 30 degrees), a stretch
// factor and the equinox's angle; through each date point run straight hour lines whose
// slope is the sun's altitude at that hour from true noon. Where the lines of one hour meet,
// the dial is read.
#include "core/Canvas.h"
#include "core/State.h"
#include "dials/Konstruktionsmeldung.h"

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
    double f = 1;        // units per millimetre
    double R = 0;        // circle radius
    double cx = 0, cy = 0;
    double dekl[8] = {};      // declinations of the date points 1..7
    double hoehe[8][9] = {};  // the sun's altitude at date point i, j hours from noon
    CanvasPoint datum[8] = {}; // unused 0; the date points 1..7, rounded
    double x[8] = {}, y[8] = {}; // the date points unrounded
};

// On a printed page the circle's radius is the size times this many units of 0.1 mm.
inline constexpr double kSchinkenDruckMassstab = 20.0;

// The diameter in millimetres of the printed circle of a dial of the given size (four times
// the size); the legend states it on the screen and on the page.
inline double schinkenDurchmesserMm(double groesse) { return 2 * groesse * kSchinkenDruckMassstab / 10; }

// Empty when the printed circle (about the middle of a page of breite x hoehe units of
// 0.1 mm) lies on the page; else the refusal that says how large it is and how large it may be.
std::string schinkenSeitenpruefung(const AppState& s, double groesse, int breite, int hoehe);

SchinkenGeometrie schinkenGeometrie(const AppState& s, const SchinkenAuftrag& a);

// Where the hour lines of hour j through date points a and b meet; false when they are
// parallel.
bool schinkenKreuzung(const SchinkenGeometrie& g, int a, int b, int j, double& x, double& y);

Konstruktionsmeldungen zeichneSchinkenSU(const AppState& s, Canvas& c, const SchinkenAuftrag& a);

} // namespace umbrin
