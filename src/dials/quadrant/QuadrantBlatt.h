#pragma once
// What the parts of one quadrant drawing share: the canvas, the apex, the radius and the
// sizes of the page, the hour range and the way a curve is clipped at the vertical edge.
#include "core/Canvas.h"
#include "core/State.h"
#include "dials/Zahlenplatz.h"
#include "dials/Zeichenumgebung.h"
#include "dials/quadrant/QuadrantGeometrie.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace umbrin {

struct QuadrantBlatt {
    QuadrantBlatt(const AppState& zustand, Canvas& canvas, bool aufBildschirm, const Zeichenumgebung& u)
        : s(zustand), c(canvas), bildschirm(aufBildschirm), umgebung(u)
    {
        // Two numbers on one line less than a blank apart read as one: a blank is about half
        // the height of the digits' ink.
        zahlen_.setzeLeerraum(kLeerraum);
    }
    const AppState& s;
    Canvas& c;
    bool bildschirm;
    const Zeichenumgebung& umgebung;
    int G = 150;      // radius of the quadrant, millimetres
    int S = 0;        // radius of the quadrant, canvas units
    double u = 1;     // canvas units per millimetre
    int mx = 0, my = 0;
    int W = 0, H = 0; // width and height less the margins
    int L = 0, L2 = 0;
    int X0 = 0, Y0 = 0;
    int FH = 12;      // the label height set by the legend
    QuadrantStunden z;

    // The point at radius r and angle a (degrees from the vertical edge).
    CanvasPoint punkt(double r, double a) const;
    // The lower-right quarter arc of radius r about the apex.
    void viertelbogen(int r);
    // The quarter ring between radii r1 and r2 about the apex, filled with the brush colour
    // and without an outline.
    void viertelring(double r1, double r2, Farbe farbe);
    void text(int x, int y, const std::string& t) { c.textOut(x, y, t); }
    // The top of the line that names the temporal hours, near the frame's upper edge.
    int temporalZeile() const { return (H / 25) / 3 + my; }
    // An hour number at the end of its curve. Where the curves end close together (near noon
    // on a small page) the number steps on past the previous one, in the way the numbers run,
    // by one text height; so it does past the number of the hour whose curve it shares. One
    // still on a number written before, or within a blank of one on its line, takes the clear
    // place nearest its end among the places along its curve (entlang gives their top-left
    // corners, asked only then), or where there is none and the sun lights its curve only near
    // its place, a line down or up; else one on a number is left out where that hour has one;
    // else, on such a curve, it steps right on its line to the nearest clear place, or where
    // there is none stays where it is (the curves near a pole all but coincide).
    void stundenText(int x, int y, int stunde, const std::function<std::vector<CanvasPoint>()>& entlang = {});
    // The lowest edge of the hour numbers written so far.
    int zahlenUnten = -1000000;

private:
    static constexpr double kLeerraum = 0.5;
    struct Zahlkasten {
        int x, y, breite;
    };
    std::map<int, Zahlkasten> stunden_;
    Zahlenplatz zahlen_{0}; // the boxes of the hour numbers written
    int letzte_ = -1000;
};

// A curve drawn sample by sample and clipped at the vertical edge x = X0: a segment is drawn
// where both samples lie inside (x >= X0); a leaving segment ends on the edge. An entering
// segment starts on the edge: with `entlangKante` the pen draws along the edge from where the
// curve left it, otherwise it moves there. Two samples outside leave the pen (entlangKante) or
// move it to the later one.
class QuadrantKurve {
public:
    QuadrantKurve(Canvas& c, int X0, bool entlangKante) : c_(c), X0_(X0), entlang_(entlangKante) {}
    void punkt(CanvasPoint q);

private:
    Canvas& c_;
    int X0_;
    bool entlang_;
    bool erster_ = true;
    bool aufKante_ = false; // the pen stands where the curve left across the edge
    CanvasPoint p_;
};

// Rounds a canvas length, halves to even, kept within +-1e6.
int quadrantPixel(double v);

// The degree scale of radius R about the apex: a band of three arcs filled with colour 10,
// ticks at every degree and the labels 10 to 80.
void zeichneGradbogen(QuadrantBlatt& b, int R);
// The zodiac scale: legend, circles with the sign symbols, hour curves.
void zeichneZodiakQuadrant(QuadrantBlatt& b);
// The Gunter quadrant's stereographic scale with its calendar, ecliptic and horizon.
void zeichneGunterQuadrant(QuadrantBlatt& b);

} // namespace umbrin
