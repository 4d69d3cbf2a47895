#pragma once
// What one screen or page drawing of the ring dial works with: the scale, the layout of the
// band or bands, the fonts, the hole declinations of this drawing, and the curve drawer that
// draws a walk over the declination rows in the chosen display of the deflection. Shared by
// the files of the ring dial's canvas drawing; not part of its interface.
#include "core/Canvas.h"
#include "core/State.h"
#include "dials/Konstruktionsmeldung.h"
#include "dials/ring/RingGeometrie.h"

#include <string>
#include <vector>

namespace umbrin {

enum class RingBand { Einzel, Sommer, Winter };

struct RingZeichnung {
    const AppState& s;
    Canvas& c;
    Konstruktionsmeldungen& meldungen;
    int W = 0, H = 0;
    bool bildschirm = true;
    bool grosserBildschirm = true;
    double D = 0, alpha = 0, B = 0; // ring in mm; the geometry always uses these
    double C = 0;                   // half the inner circumference, drawing units
    double Bu = 0;                  // band width, drawing units
    double Ru = 0;                  // ring radius, drawing units
    int xLeft = 0, xRef = 0, yTop = 0, tick = 0;
    int fh = 11;                    // small label font height
    int g = 10;                     // glyph height
    int rand = 2;                   // frame distance s
    double eps = 23.44;             // DeklTabelle[0]
    double epsRund = 23.44;
    double phi = 0;
    // Hole declinations of this drawing (without expert mode some are fixed here, never in
    // the state).
    double lochVersatz = 0, deklOben = 0, deklUnten = 0;
    // Hour range and subdivisions.
    bool temporal = false;
    int n = 1;
    double von = 0, bis = 0;
    // The band being drawn.
    RingBand band = RingBand::Einzel;
    double L = 0;                   // arc of the band's highest noon sun
    double groessteP = 0;           // largest corrected position reached on the band
    bool breiteGemeldet[2] = {false, false}; // Babylonian, Italian: too high a latitude said
    // The lowest row and the rightmost column that the band being drawn, its frame and its
    // date scale take up: the key and the footer keep clear of them.
    int untenBelegt = 0, rechtsBelegt = 0;
    // Half the height of the date scales' bars below two bands.
    int skalaStufe = 0;
    // The boxes of the hour numbers written on the band so far (turned by 90 degrees), so that
    // a number can step aside where two lines run close together.
    struct Labelkasten {
        int links, rechts, oben, unten;
        std::string text;
    };
    std::vector<Labelkasten> labels{};
    // The band's curves keep to the columns from the hole line to half the ring's circumference
    // beyond it, as the plot's window does; what a curve loses beyond the right end is noted.
    bool rechtsGekappt = false;
    // The date scale lost the days whose hole would lie before the hole line.
    bool vorLochGekappt = false;
    int xRechts() const { return gerundet(xRef + C); }
    // A segment of a curve cut to those columns.
    void strecke(int xa, int ya, int xb, int yb);

    RingMassstab massstab() const { return {Ru, static_cast<double>(xRef), eps}; }
    int gerundet(double x) const;
    // Row of a declination on the current band, the sideways target of the spot, the hole
    // angle, and the declination of the band's hole.
    int zeile(double delta) const;
    double ziel(double delta) const;
    double lochwinkel(double delta) const;
    double lochDekl() const;
    // In-plane position (rounded) of a sun at altitude h on the row of delta.
    int inEbene(double delta, double h) const;
    // Takes up the rectangle in untenBelegt and rechtsBelegt.
    void belege(int rechts, int unten);
    // Writes an hour number turned by 90 degrees at x, y (height fh), moved up along its line
    // past the numbers already on the band where it would overlap one (down where up would
    // leave the band), and a blank more past another number; a number that would
    // stand on the same number already there (an Italian and a Babylonian line that meet)
    // is not written twice.
    void stundenzahl(int x, int y, const std::string& text);
};

// One point of a curve over the rows: in-plane X0, corrected P, row y, visible, found.
struct RingPunkt {
    int X0 = 0;
    double P = 0;
    int y = 0;
    bool sichtbar = false;
    bool ok = false;
};

// Draws a curve point by point in the display mode of Schalter.RingExakt: 1 or 2 the
// deflected curve (grey with 2), with a small circle where it begins; 0 or 2 the in-plane
// curve; 2 a link between the two at each point.
class RingKurve {
public:
    explicit RingKurve(RingZeichnung& z) : z_(z) {}
    void punkt(const RingPunkt& p);
private:
    RingZeichnung& z_;
    bool erster_ = true;
    RingPunkt vorher_;
};

// The point of a sun at altitude h on the row of delta, with the search when the sun is up.
// okVorher carries the found flag through rows whose sun is down.
// The hole a drawing or plot uses. Without expert mode it stands for fixed declinations: one
// band has no offset, two bands have eps / 2 as the upper declination; the state keeps its own
// values.
struct RingLoch {
    double versatz = 0, deklOben = 0, deklUnten = 0;
};
RingLoch ringLoch(const AppState& s);

// The canvas font made smaller where the text written at x would run past the column rechts;
// the ring's drawings keep a text in its place and shrink it rather than cut it off.
void ringSchriftPassend(Canvas& c, int x, const std::string& text, int rechts);

// What the drawing or plot had to leave out at the band's ends, in the language of the state:
// the date scale's days before the hole line (vorLoch) or the hour lines beyond half the
// circumference (rechts).
std::string ringGekapptText(const AppState& s, bool vorLoch);
// What a drawing says where its zodiac key finds no room.
std::string ringOhneSchluesselText(const AppState& s);
// What a plot says where its band or its lower band (einzel: the one band) is too wide for
// the sheet and cut above the foot of the sheet.
std::string ringUntenGekapptText(const AppState& s, bool einzel);

RingPunkt ringPunkt(RingZeichnung& z, double delta, double h, double sichtbarAb, bool& okVorher);

// The curves of the local or temporal hours, of one band (the rows of the layout).
void zeichneRingStunden(RingZeichnung& z);
// The band's scale, frame, marks and glyphs, and its Italian/Babylonian curves or date scale.
void zeichneEinzelband(RingZeichnung& z);
void zeichneZweiBaender(RingZeichnung& z, double& endeSommer, double& endeWinter);
// How far below its band the date scale of the sliding hole reaches (the one band's, or the
// lower of two bands'), 0 without it.
int ringSkalaUnterBand(const RingZeichnung& z);
// The gap between one of two bands and the bar of its date scale, whose month names of
// height namen stand above the bar: sh, but at least what those names need to stand clear
// below the band's frame.
int ringSkalaLuft(const RingZeichnung& z, int sh, int namen);
// The whole date scale below one of two bands with bars 2 sh high: gap, bar and the names
// below it, in the scale's letters of 0.7 fh.
int ringSkalaHoehe(const RingZeichnung& z, int sh);
// The factor that makes the band or bands of a band width Bu, with their frames and date
// scales, end above the row unten: 1 where they fit as laid out. Reads H, fh and rand of z.
double ringHoehenfaktor(const RingZeichnung& z, bool einzel, double Bu, int unten);
// The one band's end after its curves.
double einzelbandEnde(const RingZeichnung& z);

// Italian (italienisch) or Babylonian hour curves of the current band.
void zeichneRingStundenskala(RingZeichnung& z, bool italienisch);
// Date scale for the sliding hole, below the current band.
void zeichneRingLegende(RingZeichnung& z);

// A tick of the date scale: the month it names and the row (declination of the latitude's
// magnitude) it stands at. The scale is laid out as for the northern sun, place m (1..12)
// beginning at month m; south of the equator a row means the opposite declination, so the
// tick at place m names the month half a year on and stands at the negative of that month's
// sun on its day. Solstices and equinoxes (the 21st of 3, 6, 9, 12) keep their exact rows.
struct RingSkalenstrich {
    int monat = 0;
    double zeile = 0;
};
RingSkalenstrich ringSkalenstrich(const AppState& s, double phi, double eps, int m, int tag);

} // namespace umbrin
