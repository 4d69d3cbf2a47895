#pragma once
// The HPGL dialect every dial writer shares.
//
// Plotter unit 1/40 mm, absolute integer coordinates, origin at the lower left corner of the
// sheet, y upward. A command is its two-letter mnemonic, its parameters and ";"; the points of
// one PU or PD follow each other separated by blanks. A writer mostly begins a piece with ";"
// (ending the previous command) and leaves its last command open for the next piece. Labels
// are "LB", the text and the character 3. Character sizes "SI w,h" are in centimetres.
//
// When the plot is only the intermediate for a DXF drawing, the writers that honour the
// scale factor k multiply every coordinate, length and character size by 25 and the
// converter is told 40 x k units per millimetre, so the drawing keeps its millimetres with
// more resolution.
#include "core/HPGLDatei.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace umbrin {

// Plotter units per millimetre of a plot file.
inline constexpr int hpglEinheitenProMm = 40;
// Scale factor of the DXF intermediate.
inline constexpr int hpglDxfFaktor = 25;
// The end-of-label character.
inline constexpr char hpglLabelEnde = '\x03';
// Magnitude beyond which a coordinate is clamped: inside what plotters and the DXF
// converter accept.
inline constexpr double hpglKoordinatenGrenze = 217000000.0;

// k: 1 for a plot file (alsHPGL set), 25 for the DXF intermediate.
inline int hpglFaktor(bool alsHPGL) { return alsHPGL ? 1 : hpglDxfFaktor; }

// Integer text of a coordinate: a magnitude above 217000000 is clamped to that bound, then
// the value is rounded to the nearest integer (halves to the even neighbour) and written
// without blanks. 3e8 gives "217000000", -2.5 gives "-2". Non-finite values give "0".
std::string hpglZahl(double x);
// The same, appended to a text (the writers build long pieces with it).
void hpglZahlAnhaengen(std::string& text, double x);

// Prolog of a writer with a clip window and a sheet frame of the same size:
// "IN;VS 1;PA;IW 0 0 w h;PU 0 0;EA w h;".
std::string hpglPrologMitRahmen(std::int64_t breite, std::int64_t hoehe);

// Epilogs of the writers that close their plot.
inline constexpr std::string_view hpglEpilogFensterZurueck = ";IW;IN;";
inline constexpr std::string_view hpglEpilogStiftWeg = ";SP 0;IN;";

// Pens of the planar dials, as the family's colour legend names them. Pen n draws in
// colour slot n.
enum PlanarStift : int {
    StiftDatumslinien = 1,
    StiftStundenMitZeitgl = 2,  // hours with the equation of time
    StiftStundenOhneZeitgl = 3, // hours without it
    StiftText = 4,              // text, frame and marks
    StiftSonnenhoehe = 5,       // lines of equal altitude, horizon
    StiftItalisch = 6,
    StiftBabylonisch = 7,
    StiftUnterteilung = 8,      // subdivisions of the hours
    StiftRaster = 9,            // coordinate grid
    StiftTemporal = 10,
    StiftKuesten = 11,          // coastlines; the planar plot draws its whole-hour day lengths with it
    StiftGrenzen = 12,
};

// Pen-width text of the file-output width choice (1 thin, 2 medium, 3 thick): the choice
// minus 1 and ";", written after ";PW ". The thin choice writes no PW command at all.
std::string stiftbreiteText(int stiftbreite);

// "LB" + text + character 3 (the text as it stands; the plot file converts it to
// Windows-1252).
std::string hpglLabel(std::string_view text);

// "SI " + width + "," + height, each as RealStr(x, 5, 2): "SI  0.16, 0.24".
std::string hpglZeichengroesse(double breite, double hoehe);

// n dashes (0..255), to underline headings of the coordinate list.
std::string strichLinie(int n);

// Clip window, a circle of radius 80 at the centre (not scaled with k) and a grid of lines
// through the centre with the given step, pen 9. Lines lie on cx + n x schritt and
// cy + n x schritt from the first above 2 units to the last below breite - 2 (hoehe - 2).
// A step of zero or less draws no lines.
void hpglRaster(HPGLDatei& datei, std::int64_t cx, std::int64_t cy, std::int64_t breite, std::int64_t schritt,
                std::int64_t hoehe);

// The cross at the gnomon foot (x, y) and, in the lower left corner, the mark of twice the
// gnomon height h (plotter units, k applied) with its label, pen 4, in German or English.
void schreibeGnomonMarke(HPGLDatei& datei, double h, std::int64_t x, std::int64_t y, int k, bool deutsch);
// The label of that mark, written at (160, 160) * k in characters 0.16 cm wide and 0.24 cm high.
std::string gnomonMarkenText(double h, int k, bool deutsch);

} // namespace umbrin
