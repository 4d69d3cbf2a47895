#pragma once
// Where the hour numbers of an altitude or cylinder dial go when curves stand close together
// (near noon, or where a low sun crowds them): each number stands where its curve puts it,
// unless it would cover a number written before; then it moves the least distance, across
// or along, that clears every number written so far.
#include "core/Canvas.h"

#include <string_view>
#include <vector>

namespace umbrin {

class Zahlenplatz {
public:
    // abstand: the free room kept between two numbers, in canvas units.
    explicit Zahlenplatz(int abstand) : abstand_(abstand) {}

    // The top-left corner for a text box of breite x hoehe wanted at (x, y); the box is
    // remembered. When no single move clears all, the wanted place is kept.
    CanvasPoint platziere(int x, int y, int breite, int hoehe);
    // The same for a text in the canvas's current font.
    CanvasPoint platziere(const Canvas& c, int x, int y, std::string_view text);

private:
    struct Kasten {
        int x, y, breite, hoehe;
    };
    bool frei(const Kasten& k) const;

    int abstand_;
    std::vector<Kasten> belegt_;
};

} // namespace umbrin
