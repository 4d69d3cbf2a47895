#pragma once
// Hour points of the ham dial: the user marks a reference point and up to nine hour points on
// the drawing with Ctrl + left click; each point keeps its distance from the reference (in
// units of the Habermel gnomon) and its direction from it. The ham-dial construction shows
// them when asked to.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace umbrin {

struct Stundenpunkt {
    bool belegt = false;  // the slot holds a point (a point may well lie at x = 0)
    std::int32_t x = 0;   // image pixels
    std::int32_t y = 0;
    long double Abstand = 0; // distance from the reference, in units of the Habermel gnomon
    long double Winkel = 0;  // direction from the reference, degrees counter-clockwise from +x
};

class Stundenpunkte {
public:
    // Slot 0 is the reference, slots 1..9 the hour points.
    static constexpr std::size_t Kapazitaet = 9;
    static constexpr std::size_t Slots = Kapazitaet + 1;

    // Stores a point in the first free slot (the first point becomes the reference). gnomon is
    // Par.HabermelGnomon; a gnomon of 0 gives the distance 0. Nothing when every slot is in
    // use: the result is then empty.
    std::optional<std::size_t> markiere(std::int32_t x, std::int32_t y, double gnomon);

    void leeren() { slots_ = {}; }
    bool voll() const { return slots_[Slots - 1].belegt; }
    std::size_t anzahl() const;
    const Stundenpunkt& operator[](std::size_t i) const { return slots_[i]; }
    const std::array<Stundenpunkt, Slots>& alle() const { return slots_; }

private:
    std::array<Stundenpunkt, Slots> slots_{};
};

// Direction in degrees from (0, 0) to (dx, dy), y upwards: 0 along +x, 90 straight up, -90
// straight down, 180 along -x; in -90 .. 270 as the arctangent of dy / dx gives it, plus 180
// to the left. A point on the reference itself counts as 180.
long double stundenpunktWinkel(long double dx, long double dy);

} // namespace umbrin
