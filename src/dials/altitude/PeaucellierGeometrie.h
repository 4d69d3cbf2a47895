#pragma once
// The geometry of the hybrid Peaucellier azimuth dial, shared by its drawing and its plot.
//
// A vertical pin stands at the foot point; the dial's axis runs from the foot towards north
// (x), the y axis across it. Each date line of declination d is a straight line parallel to
// the axis at the distance r(d) = R / (1 + p tan d), where the constant p spreads the lines;
// up to one hour from noon the line turns at right angles and crosses the axis, so that noon
// lies on the axis. An hour point is where the pin's shadow ray (the sun's azimuth turned by
// 180 degrees) crosses the line of the day: its x along the axis is r(d) times the cotangent
// of the sun's azimuth. For the constant the dial is built for, the points of one hour on the
// seven date lines lie on one straight line, which is what makes the dial readable.
//
// Lengths are in the unit of R (pixels, 0.1 mm or plotter units); angles in degrees. The
// latitude enters by its magnitude: a southern dial has the same lines with its hour labels
// swapped.
#include <array>
#include <string>
#include <vector>

namespace umbrin {

struct AppState;

// The smallest latitude (north or south) the Peaucellier and Sawyer dials are drawn for, on the
// screen, on paper and in the plot alike: nearer the equator the noon sun stands too high for
// their date lines.
constexpr double kAzimutUhrUntereBreite = 29.0;

// What keeps the dial from being drawn.
enum class PeaucellierHindernis {
    Keines,
    Breite,    // too near the equator, or at or beyond the polar circle (no half-day arc)
    Konstante, // the constant pushes a date line to infinity or across the axis
};

// The constant as drawn: exactly 0 stands for the usual -0.8749.
double peaucellierKonstante(double p);
// The unit length as drawn: 0 stands for 35.
double peaucellierEinheit(double u);

// Whether the dial can be drawn: |phi| below the lower bound or at or beyond 90 - eps refuses
// the latitude; 1 - |p tan d| <= 0 for the largest declination (eps, and at least 23.45)
// refuses the constant.
PeaucellierHindernis peaucellierHindernis(double phi, double untereBreite, double eps, double p);

// The refusal text of a hindrance in the language of the state (empty for none): the
// latitude text names the bound.
std::string peaucellierHindernisText(const AppState& s, PeaucellierHindernis h, double untereBreite);

// The dial's unit length as the parameter dialog names its field, in the language of the state:
// what a refusal asks the user to make smaller.
std::string peaucellierEinheitFeld(const AppState& s);

// Half-day arc of declination d at latitude |phi|, degrees in [0, 180] (the cosine is clamped).
double peaucellierHalbbogen(double phi, double d);
// Cotangent of the sun's azimuth at hour angle H (degrees, not 0) for declination d.
double peaucellierAzimutCot(double phi, double d, double H);

struct PeaucellierPunkt {
    double x = 0, y = 0;
};

// One hour-line segment of one side (+1 afternoon, -1 morning): from the summer solstice line
// (ende1) to the declination whose sunrise or sunset it is (ende2).
struct PeaucellierStundenstueck {
    int k = 0;     // hour index: the full hour 12 - k from noon
    int m = 0;     // subdivision 0 .. n - 1 (0: the full hour)
    int seite = 1;
    double H = 0;  // hour angle, degrees
    PeaucellierPunkt ende1, ende2;
};

// One subdivision of the last hour before or after noon: a polyline over the cross strokes
// of the seven date lines; a point whose azimuth cotangent is zero is left out.
struct PeaucellierUnterteilung {
    int m = 0;
    int seite = 1;
    std::vector<PeaucellierPunkt> punkte;
};

struct PeaucellierGeometrie {
    double phi = 0;  // latitude as given (its sign chooses the labels)
    double p = 0;    // the constant after substitution
    double R = 0;    // distance of the equinox line from the axis
    std::array<double, 19> dekl{}; // eps cos(10 j), rounded to 0.001 degree
    // The seven date lines i = 0..6 (declination dekl[3 i]): distance from the axis, x of the
    // sunrise/sunset end, x of the point one hour from noon (the cross stroke).
    std::array<double, 7> r{}, xAufgang{}, x15{};
    double Rmax = 0;  // the largest date-line distance, for the text size
    double H0m = 0;   // the longest half-day
    int k0 = 0;       // first hour index: 11 - Round(H0m) div 15
    std::vector<PeaucellierStundenstueck> stunden;
    std::vector<PeaucellierUnterteilung> unterteilungen;
};

// The whole dial for latitude phi, obliquity eps, equinox distance R, constant p (already
// substituted) and n lines per hour (1..4). The caller has checked peaucellierHindernis.
PeaucellierGeometrie peaucellierGeometrie(double phi, double eps, double R, double p, int n);

// Where the number of an hour segment stands: at its summer end (vomSommer) or the other, or,
// where innen(point) says no, at the first point towards the other end where it says yes (the
// end itself when none does).
template <class Innen>
PeaucellierPunkt peaucellierZahlPunkt(const PeaucellierStundenstueck& st, bool vomSommer, Innen innen)
{
    const PeaucellierPunkt a = vomSommer ? st.ende1 : st.ende2, e = vomSommer ? st.ende2 : st.ende1;
    for (int i = 0; i <= 40; ++i) {
        const PeaucellierPunkt q{a.x + (e.x - a.x) * i / 40, a.y + (e.y - a.y) * i / 40};
        if (innen(q))
            return q;
    }
    return a;
}

// How far the dial reaches from its foot (dial units; x along the axis, y across it, both as
// drawn): its lines, and beyond them the room its lettering takes, hinten behind the sunrise
// ends, vorn beyond the noon end and quer across the outer date lines.
struct PeaucellierAusmass {
    double links = 0, rechts = 0, oben = 0, unten = 0;
    double breite() const { return rechts - links; }
    double hoehe() const { return unten - oben; }
};
PeaucellierAusmass peaucellierAusmass(const PeaucellierGeometrie& g, double hinten, double vorn, double quer);

// Moves the foot (fx, fy; y the way the dial's y runs) as little as needed to keep the reach
// within x0..x1, y0..y1, each way where it fits there; false where it does not fit.
bool peaucellierEinpassen(const PeaucellierAusmass& a, double x0, double y0, double x1, double y1, double& fx,
                          double& fy);

// The hour label of a full hour segment ("1".."11" on the afternoon side, " 1".."11" in the
// morning, each 12 minus itself in the south).
std::string peaucellierStundenText(double phi, int k, int seite);

// A dial length for an integer surface: rounded, halves to even, kept within +-1e6.
int peaucellierPixel(double v);

} // namespace umbrin
