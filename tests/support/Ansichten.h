#pragma once
// A drawing where the user sees it: the drawing window's image on a 1920 x 1080 and on a
// 1366 x 768 screen, an A4 and an A3 page (0.1 mm) placed from an image, and the plot. Each is
// read back alike: the strokes with their colour, width or pen, the texts with their place,
// size and turn, the rectangles, and what the drawing said or refused.
#include "core/RecordingCanvas.h"
#include "core/State.h"
#include "drawing/Zeichnungsroutinen.h"
#include "support/PlotLeser.h"

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

namespace umbrin::test {

// An image (breite x hoehe pixels), a page (0.1 mm) or the plot.
struct Sicht {
    const char* name;
    int breite, hoehe;
    bool seite = false, plot = false;
};
inline const Sicht kSchirm{"screen", 1780, 905}, kSchirmKlein{"screen 1366", 1226, 593};
inline const Sicht kSeiteA4{"page A4", 2970, 2100, true}, kSeiteA3{"page A3", 4200, 2970, true};
inline const Sicht kPlot{"plot", 0, 0, false, true};
inline const Sicht kSichten[] = {kSchirm, kSchirmKlein, kSeiteA4, kSeiteA3, kPlot};

// A stroke: on a canvas its kind, colour and width; in the plot its pen, from the pen's place
// before the PD on.
struct Strich {
    PrimitiveKind art = PrimitiveKind::Polyline;
    Farbe farbe = 0;
    int breite = 0, stift = 0;
    std::vector<PlotPunkt> punkte;
};
// A text: on a canvas its top left corner, turned counter-clockwise by winkel degrees about it;
// in the plot its lower left corner, pen, direction and character set.
struct Beschriftung {
    std::string text;
    PlotPunkt an;
    double hoehe = 0, winkel = 0;
    Farbe farbe = 0;
    std::string schrift;
    int stift = 0;
    bool zweitsatz = false;
};
struct Blattinhalt {
    double breite = 0, hoehe = 0; // the sheet; y runs down on a canvas and up in the plot
    bool verweigert = false;      // the plot was refused
    Konstruktionsmeldungen meldungen;
    std::vector<Strich> striche; // every line, polyline, arc and ellipse
    std::vector<Beschriftung> texte;
    std::vector<std::array<double, 4>> rechtecke; // a canvas's rectangles, corner to corner
    std::string hpgl;
};

Blattinhalt leseCanvas(const RecordingCanvas& c);
Blattinhalt lesePlot(const std::string& hpgl);

// s drawn in v as the drawing window draws it, placed on an image the size of bild (a screen
// view is its own image): a screen's image by konstruiereBild, a page by zeichneDruckseite, the
// plot through the export, which is given the answers (then Ok / Yes).
Blattinhalt zeichneInSicht(AppState s, const Sicht& v, const Sicht& bild = kSchirm,
                           std::initializer_list<PromptAnswer> antworten = {});

// The number a text writes, blanks on either side allowed; -1 for any other text.
int zahlIn(const std::string& text);
// The centre of a canvas text's letters, a digit about 0.55 of the height wide.
PlotPunkt textMitte(const Beschriftung& t);

} // namespace umbrin::test
