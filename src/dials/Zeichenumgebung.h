#pragma once
// What a construction needs to know about the window and the page it draws for, beside the
// shared state: the grid choice of the drawing window, the screen's size class, the printer
// page margins, and the footer and hour-line angles of the drawing window's angle table.
#include <array>
#include <memory>
#include <string>

namespace umbrin {

struct Ebenenvorrat;

// Hour-line angles of the angle table: 25 hours by 6 steps of ten minutes, degrees measured at
// the pole point from the noon line, positive towards the afternoon side (to the right on the
// drawing). KeinStundenwinkel marks an hour line that does not exist on the plane.
inline constexpr double KeinStundenwinkel = 500.0;
using StundenwinkelTabelle = std::array<std::array<double, 6>, 25>;

inline StundenwinkelTabelle leereStundenwinkelTabelle()
{
    StundenwinkelTabelle t;
    for (auto& zeile : t)
        zeile.fill(KeinStundenwinkel);
    return t;
}

// The parts of a planar dial's picture, drawn in this order: the ground (the white frame and
// the grid), the lines that move with the gnomon foot as they are (date, hour and altitude
// lines; a world map follows them), and what keeps to the frame or is placed against it, over
// the lines (frame, horizon, foot mark, legend, hour numbers, pole marks, margins, footer).
// Bits of a set of parts.
enum Bildteil : unsigned { TeilGrund = 1, TeilLinien = 2, TeilAmRahmen = 4, AlleTeile = 7 };

// A rectangle in the canvas's units, right and bottom exclusive.
struct Schnittrechteck {
    int links = 0, oben = 0, rechts = 0, unten = 0;
};

struct Zeichenumgebung {
    bool MitNetz = false;           // draw the millimetre grid
    bool GrosserBildschirm = true;  // the screen is at least 1000 pixels wide
    bool GrosseFonts = false;       // the screen runs at 120 pixels per inch or more
    int DruckRandX = 0;             // printer page margins, 0.1 mm (0 on screen)
    int DruckRandY = 0;
    std::string ZifferblattText;    // footer of the dial, empty until the angle table set it
    StundenwinkelTabelle Stundenwinkel = leereStundenwinkelTabelle();
    // Hour angles (degrees) between which the sun can reach the plane.
    double StundenwinkelMin = -180;
    double StundenwinkelMax = 180;
    // Planar dials: which parts to draw, and where the lines are cut when not at the frame
    // (a layer larger than the window, shifted as the foot moves).
    unsigned Teile = AlleTeile;
    bool MitSchnitt = false;
    Schnittrechteck Schnitt;
    // Planar dials: what the drawings of the dial keep from one to the next while only the
    // foot moves (dials/planar/Ebenenvorrat.h); none: each drawing computes its own.
    std::shared_ptr<Ebenenvorrat> Vorrat;
};

} // namespace umbrin
