#pragma once
// How far a recorded drawing reaches past its sheet: the inked parts only (strokes and fills
// not white, texts by the box their letters fill), so a print can be refused before anything
// leaves the page without a word.
#include "core/RecordingCanvas.h"

#include <string_view>
#include <vector>

namespace umbrin {

enum class Blattkante { Keine, Links, Rechts, Oben, Unten };

struct Ueberstand {
    double weite = 0; // the farthest reach past an edge, in the drawing's units (0: all on the sheet)
    Blattkante kante = Blattkante::Keine;
};

// What a page may be left by, in its units of 0.1 mm: the rounding of its units.
inline constexpr double kSeitenToleranz = 1.0;

// A recording of a page whose texts measure as the canvas mass measures them (the printer's
// page, say), so a construction that fits its texts by their width lays the trial page out as
// the page itself. mass keeps its own font.
class Probeseite : public RecordingCanvas {
public:
    Probeseite(int breite, int hoehe, Canvas& mass) : RecordingCanvas(breite, hoehe, true), mass_(&mass) {}
    TextExtent textExtent(std::string_view text) const override;

private:
    Canvas* mass_;
};

// The farthest reach of the drawing past the sheet 0..breite x 0..hoehe. A text is as wide as
// the canvas mass measures it in its font (the page's own text extent); blanks at either end
// take no room; it stands from the cap line (0.15 em below the top) to just below the baseline
// (1.02 em), a font height being the cell of 1.15 em. An arc counts with its whole curve, an
// ellipse or a rectangle with its outline (right - 1, bottom - 1).
Ueberstand ueberstand(const std::vector<RecordedPrimitive>& zeichnung, int breite, int hoehe, Canvas& mass);

// Whether no inked part of the drawing enters the box x0..x1 x y0..y1: texts by the box of their
// letters as ueberstand takes them, arcs by their whole ellipse.
bool feldFrei(const std::vector<RecordedPrimitive>& zeichnung, double x0, double y0, double x1, double y1, Canvas& mass);

// The inked parts of a drawing on the sheet 0..breite x 0..hoehe, on a grid of square cells
// zelle wide: a cell is taken where an inked part (as feldFrei sees it: texts by the upright
// box round their letters, an arc by its whole ellipse) comes within a quarter cell of it. A
// box is free where it meets no taken cell nor one next to one, so no inked part enters it;
// the grid answers in constant time, so a place can be sought at every cell of a page.
class Tintenraster {
public:
    Tintenraster(const std::vector<RecordedPrimitive>& zeichnung, int breite, int hoehe, int zelle, Canvas& mass);
    bool frei(double x0, double y0, double x1, double y1) const;

private:
    void markiere(double x, double y);
    void strecke(double ax, double ay, double bx, double by);

    int zelle_, spalten_, zeilen_;
    std::vector<unsigned char> belegt_;
    std::vector<int> summe_; // taken cells above and left of each grid corner
};

} // namespace umbrin
