#pragma once
// Where the gnomon foot and the legend box stand: their default places on the drawing
// window's image, and their conversion from image pixels to the plotter units of an export
// or the 0.1 mm of a printed page for the length of one construction call.
#include "core/State.h"
#include "drawing/Zeichenfensterzustand.h"

#include <cstdint>

namespace umbrin {

// The four placement values as they stand in the shared state.
struct Platzierung {
    std::int32_t FusspunktX = 0, FusspunktY = 0;
    std::int32_t LegendeX = 0, LegendeY = 0;
    friend bool operator==(const Platzierung&, const Platzierung&) = default;
};

Platzierung platzierungVon(const AppState& s);
void setzePlatzierung(AppState& s, const Platzierung& p);

// Default foot and legend on an image of w x h pixels. The vertical dial keeps its foot near
// the top and its legend near the bottom in both hemispheres (its lines fall below the foot
// either way), the polar-rod cylinder its foot in the upper quarter (its face hangs below
// it); the other types put the foot in the middle or lower quarter and the legend near the
// top, mirrored top to bottom for a southern latitude.
Platzierung standardPlatzierung(const AppState& s, std::int32_t w, std::int32_t h);

// What a window opened for a dial type, or turned to another type, takes over from the state's
// placement: nothing. A foot or legend placed for another type (or left by the drawing of
// another type) is not one the user placed for this one: both become unset and not placed, with
// no marks on the image. The types placed at activation get their defaults there; the others
// place an unset foot themselves, as in a window opened after a fresh start.
void vergissPlatzierung(AppState& s, Zeichenfensterzustand& f);

// The plotter page of the planar families: a drawing area of 16157 x 11038 units, y flipped
// about 11040.
inline constexpr double PlotBreite = 16157;
inline constexpr double PlotHoehe = 11038;
inline constexpr double PlotSpiegelY = 11040;

// Image pixels to plotter units on an image of w x h pixels (w, h > 0).
std::int32_t pixelNachPlotX(std::int32_t x, std::int32_t w);
std::int32_t pixelNachPlotY(std::int32_t y, std::int32_t h);
// The whole placement converted for the planar families' plot.
Platzierung platzierungImPlot(const Platzierung& p, std::int32_t w, std::int32_t h);
// The Sawyer dial's page: 16400 wide, y flipped about 10480 with a height factor of 10470.
std::int32_t pixelNachSawyerX(std::int32_t x, std::int32_t w);
std::int32_t pixelNachSawyerY(std::int32_t y, std::int32_t h);

// Image pixels to 0.1 mm of a printed page: v x seite / bild, rounded (bild > 0).
std::int32_t pixelNachSeite(std::int32_t v, std::int32_t seite, std::int32_t bild);
// The whole placement scaled to a page of pw x ph for an image of bw x bh.
Platzierung platzierungAufSeite(const Platzierung& p, std::int32_t pw, std::int32_t ph, std::int32_t bw,
                                std::int32_t bh);

// The foot lies on the image: 0 < x <= w and 0 < y <= h.
bool fusspunktImBild(const AppState& s, std::int32_t w, std::int32_t h);

// Keeps the placement of the shared state as it was and puts it back when it ends, whatever
// happened in between: an export or a print converts the placement for one construction
// call only.
class PlatzierungsSicherung {
public:
    explicit PlatzierungsSicherung(AppState& s)
        : s_(s)
        , alt_(platzierungVon(s))
    {
    }
    ~PlatzierungsSicherung() { setzePlatzierung(s_, alt_); }
    PlatzierungsSicherung(const PlatzierungsSicherung&) = delete;
    PlatzierungsSicherung& operator=(const PlatzierungsSicherung&) = delete;

    const Platzierung& gesichert() const { return alt_; }

private:
    AppState& s_;
    Platzierung alt_;
};

} // namespace umbrin
