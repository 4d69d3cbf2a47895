#pragma once
// The equation-of-time graph of the year s.Par.Jahr: minutes (-17..+17) against the day of
// the year, month marks and explanatory texts. With the longitude correction the curve gives
// zone time from apparent time: the whole minutes between the zone meridian and the place
// shift the minute labels, the remainder shifts the curve, so the curve stays in the range.
#include "core/Canvas.h"
#include "core/State.h"

namespace umbrin {

// The longitude correction: M whole minutes added to the labels, D' degrees to every value.
struct Laengenkorrektur {
    int M = 0;
    double Drest = 0;
};
Laengenkorrektur laengenkorrektur(const AppState& s, bool an);

// The scale of one drawing. Day d lies at x = x' + rnd((d - 1) tagesbreite), E minutes at
// y = y' - rnd(E S / 5).
struct ZeitgleichungGeometrie {
    int xA = 0;          // x': left edge of the plot
    int yA = 0;          // y': the time axis
    int P = 0;           // plot width
    int S = 0;           // units per 5 minutes
    int T = 0;           // tick length
    double tagesbreite = 0;
    int tage = 365;      // days of the year (366 in a leap year)
};

ZeitgleichungGeometrie zeitgleichungGeometrie(int x0, int y0, bool Bildschirm, int h, int w, int jahr);

// The days at which the curve is sampled: 1, 4, 7, ... and the last day of the year plus one.
std::vector<int> zeitgleichungTage(int tage);

// Day number of "day 0" of month m (the last day of month m - 1); m = 13 gives the last day
// of the year.
int tagNullDesMonats(int jahr, int m);

void ZeichneZeitgleichungGraph(Canvas& c, const AppState& s, int x0, int y0, bool laengenkorrekturAn,
                               bool Bildschirm, int h, int w);

} // namespace umbrin
