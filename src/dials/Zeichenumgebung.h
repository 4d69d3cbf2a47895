#pragma once
// What a construction needs to know about the window and the page it draws for, beside the
// shared state: the grid choice of the drawing window, the screen's size class, the printer
// page margins, and the footer and hour-line angles of the drawing window's angle table.
#include <array>
#include <string>

namespace umbrin {

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
};

} // namespace umbrin
