#pragma once
// The working values of one drawing of a planar dial on a canvas, shared by the construction
// and its line families, with the two steps every line is made of: the shadow point of the
// current sun (berechnePunkt) and the join to the previous point with clipping at the border
// of the drawing (linieZu).
#include "core/Canvas.h"
#include "core/State.h"
#include "dials/Datumslinien.h"
#include "dials/Konstruktionsmeldung.h"
#include "dials/Zeichenumgebung.h"
#include "dials/planar/EbeneGeometrie.h"
#include "dials/planar/EbeneSonnenstaende.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace umbrin {

struct EbeneKontext {
    EbeneKontext(const AppState& zustand, const Zeichenumgebung& u, Canvas& c)
        : s(zustand)
        , umgebung(u)
        , canvas(c)
    {
    }

    const AppState& s;
    const Zeichenumgebung& umgebung;
    Canvas& canvas;

    bool Bildschirm = true;
    int RandX = 0, RandY = 0;   // margins: 0 on screen, 50 on the printer (0.1 mm)
    int Breite = 0, Hoehe = 0;  // canvas size, each less its margin
    int MitteX = 0, MitteY = 0; // (Breite - RandX) / 2, (Hoehe - RandY) / 2, truncated
    double Gnomon = 0;          // gnomon length in millimetres of the drawing
    double Skala = 0;           // gnomon length s in device units
    double EbeneAz = 0, EbeneHoehe = 90; // the plane's normal
    double HorizontY = 0;       // y of the horizon line, 0 when there is none
    int Oben = 0;               // top of the usable area: the larger of SchnittO and the horizon
    // The rectangle lines are cut at: the frame, or a larger area when the lines are drawn
    // into a layer that the window shifts with the foot.
    int SchnittL = 0, SchnittO = 0, SchnittR = 0, SchnittU = 0;
    double Laenge = 0;          // longitude that sets the time of the hour lines
    bool senkrecht = false;     // vertical dial
    EbenenParameter ebene;      // X1, X2, X3, Inklination, Wand as handed in
    Schattengeometrie geometrie;
    Sonnenrechner sonne;        // the sun positions at the latitude X1
    int FusspunktX = 0, FusspunktY = 0;
    int LegendeX = 0;           // lx: legend indent (screen) or legend x (printer)
    int DruckLegendeY = 0;      // printer: y of the next legend line

    // The current point and the one before it. The sun is given by azimuth and altitude or,
    // from a rechner that works in directions, by its direction (SonneRichtung).
    double Azimut = 0, SonnenHoehe = 0;
    Sonnenstand SonneRichtung;
    double x = 0, y = 0;
    double xAlt = 0, yAlt = 0;
    bool beleuchtet = false;
    bool zeichenbar = false;
    bool zeichenbarAlt = false;
    bool EbeneBeleuchtet = false;    // the sun stood in front of the plane at the last point
    bool EbeneBeleuchtetAlt = false; // and at the point before

    bool TierkreisModus = false;     // date lines on zodiac declinations
    bool Stundenzahlen = true;       // the numbers at the start of Babylonian and Italian hours
    // The boxes of the hour numbers and the texts of the legend written so far (left, top,
    // right, bottom), which later numbers keep clear of.
    std::vector<std::array<double, 4>> Zahlkaesten;
    // On a portrait page: the strokes of the dial's lines (from x, from y, to x, to y), which
    // the legend's lines keep clear of.
    std::vector<std::array<int, 4>> Linienstrecken;
    DatumslinienTabelle Datumslinien;
    std::array<double, 13> DeklStunden{}; // declinations of whole-hour day lengths

    // While the hour lines are drawn: the strokes that end inside the frame, and the points
    // where the sun lights the face at all.
    bool zaehleStunden = false;
    int Stundenstriche = 0;
    int Stundenlicht = 0;

    Konstruktionsmeldungen meldungen;

    // The gnomon scale's text as last measured, in the font it was measured in: the legend and
    // the scale both need its size, once a drawing.
    struct Textmass {
        std::string text;
        CanvasFont schrift;
        TextExtent mass;
    };
    std::optional<Textmass> GnomonText;
};

// Shadow point of the sun (Azimut, SonnenHoehe) of the context: writes x, y, beleuchtet,
// zeichenbar (lit and inside the drawing), zeichenbarAlt and the front-of-plane flags.
void berechnePunkt(EbeneKontext& k);

// Sets the sun of the context and computes its shadow point, keeping the previous point.
void punktFuer(EbeneKontext& k, const Sonnenstand& sonne);

// The azimuth of the context's sun (degrees from south, west positive).
double sonnenAzimut(const EbeneKontext& k);

// Continues the line to the current point: a line leaves or enters the drawing exactly at its
// border while the sun stays in front of the plane, and breaks without a connecting stroke
// where the sun passes behind it. ziehen false only moves the pen.
void linieZu(EbeneKontext& k, bool zeichenbar, bool zeichenbarAlt, bool ziehen);

// Notes the box of the letters of a text written at (x, y) in the canvas's font (as wide as the
// canvas measures it, from the cap line to just below the baseline) for the numbers that
// follow to keep clear of.
void merkeText(EbeneKontext& k, double x, double y, std::string_view text);
// The room a character of the canvas's font takes in those boxes.
double zeichenbreite(const EbeneKontext& k);

// Draws on to (x, y), counting the stroke while the hour lines are counted.
void strichZu(EbeneKontext& k, int x, int y);

// The point as pen position.
int rundeKoordinate(double v);

// The top of the area where shadows fall: the horizon line when it crosses the drawing,
// else the top of the cut rectangle. Points must lie below it; lines are cut at it.
int obereGrenze(const EbeneKontext& k);

// Whether the current point lies below the horizon line, where the sun stands above the true
// horizon; the inclining dial's lit-check looks only at its plane. Lines end one unit above
// the rounded line as at obereGrenze. Without a horizon line every point counts.
bool unterHorizontlinie(const EbeneKontext& k);

} // namespace umbrin
