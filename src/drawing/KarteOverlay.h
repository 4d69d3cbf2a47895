#pragma once
// The world map on a horizontal, vertical or inclining dial: every point of the coastlines or
// borders is drawn where the shadow of the gnomon tip falls when the sun stands in the zenith
// of that point. Drawn on a canvas (screen or printer page) or written into the open plot in
// front of the dial's own plot. The points come from the built-in map text of the state,
// read once per call.
#include "core/Canvas.h"
#include "core/HPGLDatei.h"
#include "core/State.h"
#include "dials/KartenLeser.h"
#include "dials/Zeichenumgebung.h"
#include "dials/azimuthal/BiazimutalZeichnung.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace umbrin {

// What both outputs share.
struct KartenAuftrag {
    double L0 = 0;       // gnomon height x zoom, millimetres of the drawing
    double x0 = 0;       // gnomon foot: image pixels or 0.1 mm on a canvas, plotter units
    double y0 = 0;       //   at 40 per millimetre (k not applied) in a plot
    double lambda = 0;   // longitude of the place, EAST POSITIVE (-Par.Laenge)
    double phi = 0;      // latitude of the place
    KartenFenster fenster;  // accepted map points (east positive)
    bool gnomonisch = true; // gnomonic projection through the gnomon tip: with the scale check
    bool kuesten = true;    // coastlines; false: borders
    // On a canvas, points are kept up to a tenth of its size beyond it; with flaecheBreite set,
    // beyond this rectangle instead (a layer larger than the window it is shown in).
    double flaecheLinks = 0, flaecheOben = 0, flaecheBreite = 0, flaecheHoehe = 0;
    // On a canvas, the lines are cut at this rectangle when it is set (the dial's frame on a
    // printer page): the map ends where the dial ends.
    std::optional<Schnittrechteck> rahmen;
};

// The plane of the dial as the map sees it: the pole height b2 of the equivalent horizontal
// dial, the hour-angle offset q, the turn l2 of its meridian, and the length m (device units
// per unit of the projection) after the scale check.
struct KartenEbene {
    double b2 = 0;
    double q = 0;
    double l2 = 0;
    double m = 0;
};

// The plane of s.UhrTyp for latitude phi and the length m before the scale check. The scale
// check (gnomonic only) compares the pole point of the real plane with that of the
// equivalent dial and corrects m by their ratio; it is skipped near the equator (pole
// height 0.05 or less) and wherever the ratio is not a finite number (a pole point in the
// foot, at the poles).
KartenEbene kartenEbene(const AppState& s, double phi, double m, bool gnomonisch);

// Length m before the scale check: on the screen L0 x W / 280 for the A4 layout (else / 420),
// on a printer page 10 x L0, in a plot 40 x k x L0.
double kartenLaengeBildschirm(const AppState& s, double L0, double W);

// Offset (X, Y) of a map point (latitude, longitude east positive) on the plane, in device
// units from the foot: a canvas puts it at (x0 - X, y0 + Y), a plot at (x0 - X, y0 - Y).
void kartenPunkt(const KartenEbene& e, double lambda, double breite, double laengeOst, double& X, double& Y);

// The map lines read and projected onto the plane, kept between drawings of a window: a move
// of the gnomon foot only shifts the points (a canvas draws them at x0 - X, y0 + Y), so it
// needs neither the text read again nor a point projected again. A part is read again when
// the map text (its storage and line count), the part, the separator rule or the window
// changed, and projected again when the plane or the place's longitude changed; the offsets
// are then the very numbers a fresh drawing computes.
class KartenSpeicher {
public:
    // The biazimuthal dial's map files, kept the same way.
    BiazimutalKarten biazimutal;

    struct Teil {
        KartenLesung lesung;
        std::vector<double> X, Y; // offsets of every point of lesung.polylinien, in order
    };
    const Teil& teil(const std::vector<std::string>& text, bool kuesten, const KartenTrennRegel& regel,
                     const KartenFenster& fenster, const KartenEbene& e, double lambda);
    // How often a part was read and projected (for checks that the cache holds).
    int lesungen() const { return lesungen_; }
    int projektionen() const { return projektionen_; }

private:
    struct Eintrag {
        const std::string* text = nullptr;
        std::size_t zeilen = 0;
        KartenTrennRegel regel;
        KartenFenster fenster;
        bool gelesen = false;
        KartenEbene ebene;
        double lambda = 0;
        bool projiziert = false;
        Teil teil;
    };
    Eintrag eintraege_[2]; // borders, coastlines
    int lesungen_ = 0;
    int projektionen_ = 0;
};

// Draws the red cross at the foot and the map lines in the colour. W, H: size of the drawing
// surface; bildschirm: true on the screen, false on a printer page. Returns the one message
// about map lines that did not read (empty when all read). With a store the lines read and
// projected before are drawn again from it.
std::string zeichneKarte(const AppState& s, Canvas& canvas, Farbe farbe, const KartenAuftrag& a, double W, double H,
                         bool bildschirm, KartenSpeicher* speicher = nullptr);

// Writes the map header (frame, character size, the cross at the foot) and the map lines
// into the open plot with the pen ("11" coastlines, "12" borders). k follows s.AlsHPGL.
// Returns the message about lines that did not read. A failed write throws
// HPGLSchreibfehler.
std::string hpglKarte(const AppState& s, HPGLDatei& plot, std::string_view stift, const KartenAuftrag& a);

} // namespace umbrin
