#pragma once
// What the ring dial's plot writer works with while it writes: the page, the scale, the band
// being written, the hole declinations of this plot and the messages already shown. Shared by
// the files of the writer; not part of its interface.
#include "core/HPGLDatei.h"
#include "core/State.h"
#include "core/UserPrompt.h"
#include "dials/ring/RingGeometrie.h"
#include "dials/ring/RingZeichnung.h"

#include <numbers>
#include <string>
#include <utility>
#include <vector>

namespace umbrin {

struct RingPlot {
    const AppState& s;
    HPGLDatei& datei;
    UserPrompt& frage;
    double D = 0, B = 0, alpha = 0;
    static constexpr double W = 16157, H = 11040, x0 = 400;
    static constexpr double cw = 80, ch = 128;
    double r = 0, Bu = 0, x1 = 0, y0 = 0, h = 0;
    double eps = 23.44, epsRund = 23.44, phi = 0;
    bool sued = false;
    double lochVersatz = 0, deklOben = 0, deklUnten = 0;
    RingBand band = RingBand::Einzel;
    double L = 0;
    bool temporal = false;
    int n = 1;
    double von = 0, bis = 0;
    bool temporalGemeldet = false;
    bool breiteGemeldet[2] = {false, false};
    double skalaUnten = 1e9; // lowest label of the last date scale written
    // The hour numbers written on the band so far (lower left and upper right of each).
    struct Labelkasten {
        double x0, x1, y0, y1;
        std::string text;
    };
    std::vector<Labelkasten> labels{};
    // What was left out at the band's ends: the date scale's days before the hole line, hour
    // lines beyond half the circumference (the window of the hour lines).
    bool vorLochGekappt = false, rechtsGekappt = false;
    // A band too wide for the sheet is cut at the row yGrenze, above the footer's lines at the
    // foot of the sheet (0: nothing is cut); the clip windows and the labels keep above it.
    double yGrenze = 0;
    double xRechts() const { return x1 + std::numbers::pi * r; }
    // The lower edge of a clip window from a band's lower edge unten and its top edge oben.
    double fensterUnten(double unten, double oben) const { return std::min(oben, std::max(unten, yGrenze)); }
    // The clip window of a band's scale (the sheet, or down to the cut).
    std::string skalenfenster() const;

    void zeile(const std::string& text) const { HPGLZeile(datei, text); }
    static std::string P(double x, double y);
    RingMassstab massstab() const { return {r, x1, eps}; }
    // The hour range of a band: first and last hour, one side of noon.
    void stundenbereich();
    // A line given point by point, written as ";PU" to its first point and ";PD" to each
    // further one, cut to the columns from the hole line to xRechts.
    void linieImBand(const std::vector<std::pair<double, double>>& punkte);
    // Writes an hour number at x, y (its text may begin with blanks), moved down past the
    // numbers already on the band where it would overlap one; the same number standing on
    // the same number already there (an Italian and a Babylonian line that meet) is not
    // written twice.
    void stundenzahl(double x, double y, const std::string& text);
};

// Italian (italienisch) or Babylonian hour lines of the current band.
void schreibeRingItalBabylHPGL(RingPlot& p, bool italienisch);
// The date scale of the sliding hole below the current band.
void schreibeRingDatumsskalaHPGL(RingPlot& p);

} // namespace umbrin
