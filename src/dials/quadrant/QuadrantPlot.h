#pragma once
// The working state of one calendar or zodiac quadrant plot, shared by its scales, its hour
// lines and its legend.
#include "core/HPGLDatei.h"
#include "core/State.h"

#include <string>
#include <utility>
#include <vector>

namespace umbrin {

struct QuadrantPlot {
    QuadrantPlot(const AppState& zustand, HPGLDatei& datei) : s(zustand), plot(datei) {}
    const AppState& s;
    HPGLDatei& plot;
    int J1 = 0, T21 = 0, D21 = 0, D31 = 0;
    int upd = 20;   // plotter units per day of the calendar scale
    int off = 0;    // radius of the innermost date arc
    double L = 0;   // radius of the arc or sample being drawn
    int d = 1;      // direction of the first quadrant
    int x0 = 400;   // apex x of the first quadrant
    double tEnd = 0;
    std::string s1, s2, s3; // legend labels of the variant
    int q = 115;    // label spacing of the zodiac scale
    int step = 2;   // day step of the hour lines
    int N = 0;      // noon flag of the hour lines
    std::string stiftbreite; // pen-width text, empty for the thin pen

    void zeile(const std::string& t) { plot.schreibe(t); }
    bool ganz() const { return s.Schalter.Ganzjaehrig != 0; }
    // ";PU x y-r;PD; AA x,y,90d,2;": the date arc of radius r about the apex.
    void bogen(int xA, int yA, int dA, double r);
    // Where the hour line of one quadrant puts its number, at the character size 0.24 x 0.32:
    // a number that would touch one already set steps on up or down, away from it, by a
    // character height and a little air; one that would stand less than a cell beside it on its
    // line (the two would read as one) moves along the line to a cell from it, or steps so where
    // that leaves the sheet or brings it within a cell of another; none runs off the right edge
    // of the sheet (16480 units) or below the quadrant's window (zahlenUnten), where the legend's
    // lines stand; none steps up past the window's top (zahlenOben), where the scale's labels
    // stand above it.
    std::pair<double, double> stundenStelle(double x, double y, const std::string& zahl);
    struct Zahlstelle {
        double x, y, breite;
    };
    std::vector<Zahlstelle> stundenZahlen; // the numbers set in this quadrant
    double zahlenUnten = 0, zahlenOben = 1e9;
};

// The hour line of hour value t on the calendar scale and on the zodiac scale.
void schreibeKalenderStundenlinieHPGL(QuadrantPlot& p, int xA, int yA, int dA, double t, bool halb, double lat,
                                      double lambda, double zone);
void schreibeZodiakStundenlinieHPGL(QuadrantPlot& p, int xA, int yA, int dA, double t, bool halb, double lat,
                                    double lambda, double zone);

} // namespace umbrin
