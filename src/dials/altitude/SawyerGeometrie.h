#pragma once
// The geometry of the Sawyer dial, shared by its drawing and its plot.
//
// A vertical face carries a horizontal gnomon of length R standing out of the face at the
// foot O. The face is read by the sun's altitude a alone: the shadow of the gnomon's tip falls
// on the point (x, y) of the face for which tan a = -y / sqrt(x^2 + R^2) (y up, below O
// negative). The hour lines are straight and fan out from a centre C at the distance c above
// O, neighbouring full hours W degrees apart; the point of an hour on a day is where the fan
// line of its hour meets the circle of the day's altitude. Date lines are walks over the
// hour angle at a constant declination; mean time is drawn as half analemmas (a walk over the
// year) or as straight lines between the two solstices corrected by the equation of time.
//
// Lengths are in the unit of R and c (pixels, 0.1 mm or plotter units), angles in degrees,
// times in hours from noon. A point is accepted only when it lies on or below O and within
// 10000 units of it (the plot: 100000).
#include "core/State.h"

#include <string>
#include <vector>

namespace umbrin {

struct SawyerPunkt {
    double x = 0, y = 0;
};

// The point of the fan line of direction T = tan(tau W) on the altitude circle A = tan a.
// False when there is none (the discriminant is negative, or T^2 A^2 = 1 within 1e-12).
bool sawyerKernpunkt(double T, double A, double c, double R, SawyerPunkt& p);
// The point lies on or below O and within weite units of it.
bool sawyerImBild(const SawyerPunkt& p, double weite = 10000.0);

// Altitude of the sun (degrees, negative below the horizon) at t hours from true noon on a
// day of declination d, latitude phi.
double sawyerHoehe(double phi, double d, double t);
// Half-day arc arccos(-tan d tan phi) in degrees, the cosine clamped to [-1, 1].
double sawyerHalbbogen(double phi, double d);

// The latitude or the polar limit keeps the dial from being drawn: |phi| below the lower
// bound, or at or beyond 90 - eps.
bool sawyerBreiteVerweigert(double phi, double untereBreite, double eps);
// The refusal text of the plot for that case, in the language of the state.
std::string sawyerBreitenText(const AppState& s, double untereBreite);

// What one construction needs.
struct SawyerMass {
    double phi = 0, eps = 0;
    double R = 0, c = 0, W = 5;
    bool halbeAnalemma = false, mozGerade = false, zonenzeit = false;
    double laenge = 0, zonenmeridian = 0;
    int N = 0;      // subdivisions per hour minus 1 (0..3)
    int nd = 1;     // date lines per zodiac sign (1..4)
    bool plot = false; // the plot's date-line walk ends 0.01 degree beyond its end
    double weite = 10000; // how far below O a point may lie
    const ZeitglTabelle* eot = nullptr;
};

// One hour line: its pieces (a pen-up between two) and the point its number is put at.
struct SawyerStundenlinie {
    int h = 0, m = 0; // hour from noon, subdivision (0: the full hour)
    std::vector<std::vector<SawyerPunkt>> stuecke;
    bool mitAnker = false;
    SawyerPunkt anker;
};

struct SawyerDatumslinie {
    int i = 0;
    bool grenze = false; // a zodiac boundary
    SawyerPunkt start;   // the horizon point the line begins at
    bool mitStart = false;
    std::vector<std::vector<SawyerPunkt>> stuecke;
    // The point nearest noon on a boundary, where the zodiac signs go; k = 6 - i / nd.
    bool mitZeichen = false;
    SawyerPunkt zeichen;
    int k = 0;
};

struct SawyerGeometrie {
    int K = 0; // hours drawn each side of noon: the longest day's half-day arc / 15, plus 1
    double meridianEnde = 0; // half analemmas: y of the summer solstice's noon
    std::vector<SawyerStundenlinie> stunden;
    std::vector<SawyerDatumslinie> datum;
    // Horizon points (on y = 0) of the summer and the winter line, sunrise and sunset side.
    double sommerLinks = 0, sommerRechts = 0, winterLinks = 0, winterRechts = 0;
    bool mangelhaft = false; // a point had to be left out where one belonged
};

// The measures of the state's dial for a gnomon R and a centre distance c in drawing units;
// the equation of time is the start-up copy of the table.
SawyerMass sawyerMass(const AppState& s, double R, double c, bool plot);

SawyerGeometrie sawyerGeometrie(const SawyerMass& m);

// The points of a line from its anchor (the local summer solstice's end) on, no further apart
// than schritt, never across a gap of the line: where its number may stand.
std::vector<SawyerPunkt> sawyerVomAnker(const SawyerStundenlinie& l, double schritt);

// The move of an hour number from its anchor, in multiples of the text height, for hours
// -10..10 (beyond take the end rows): screen rows (y down) and plot rows (y up).
SawyerPunkt sawyerZahlVersatzBild(int h, bool halbeAnalemma);
SawyerPunkt sawyerZahlVersatzPlot(int h, bool halbeAnalemma);
// The two hour numbers of hour h: h + 12 and 12 - h, each brought into 1..12.
int sawyerErsteZahl(int h);
int sawyerZweiteZahl(int h);

// The zodiac-sign characters of the symbol face at a boundary k = 6 - i / nd (k 0 December
// solstice .. 6 June solstice): the red right-hand sign for the half year from June to
// December and the left-hand sign for December to June (0 for none).
struct SawyerZeichen {
    char rechts = 0;
    char links = 0;
};
SawyerZeichen sawyerZeichen(int k);

// Where a zodiac sign stands: the character, the column (right: the red signs of the half year
// from June to December; left: December to June) and the height y of its centre, amid the
// band of declinations its sign covers at the noon point of its boundary line. The right sign
// of boundary k covers the band to boundary k - 1, the left one the band to k + 1; in the
// north the lower k lies nearer O, in the south the higher. Two signs of a column nearer than
// hoehe (the sign's height in face units) move apart as far as their bands allow, and a sign
// whose place lies below the lowest face y its column leaves free (unterkante: the right and
// the left column's; the sheet's edge, an hour number) moves up its band.
struct SawyerZeichenPlatz {
    char zeichen = 0;
    bool rechts = false;
    double y = 0;
};
std::vector<SawyerZeichenPlatz> sawyerZeichenPlaetze(const SawyerGeometrie& g, int nd, bool sued, double hoehe,
                                                     const double (&unterkante)[2]);
// The legend's symbol of sign 1..12 (Aries first).
char sawyerSymbol(int zeichen);

// The text of the half year named beside the red right-hand scale (rechts) or the left-hand
// one: the red signs stand for June to December, the local summer to winter in the north
// (612 "summer to winter") and winter to summer in the south (610).
int sawyerHalbjahrText(double phi, bool rechts);

// A length for an integer surface: rounded, halves to even, kept within +-1e6.
int sawyerPixel(double v);

} // namespace umbrin
