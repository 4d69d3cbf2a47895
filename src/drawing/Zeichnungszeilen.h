#pragma once
// The rows of the drawing window's table, one list per dial family. Each family defines its
// list in a file of its own (ZeilenEbene.cpp, ZeilenAzimutal.cpp, ...); a family that is not
// built yet returns an empty list. The lists are searched in the order below, and no two of
// them claim the same letter and sub-type.
#include "drawing/Zeichnungsroutinen.h"

#include <span>

namespace umbrin {

// 'h', 'i', 'v': horizontal, vertical and inclining dials, umbrella dials included.
std::span<const Zeichnungseintrag> zeilenEbene();
// 'a' sub-types 0 and 1: azimuthal dials with date or altitude circles.
std::span<const Zeichnungseintrag> zeilenAzimutal();
// 'q' sub-types 1 and 2 (the Habermel dials) and 'c' (the biazimuthal dial).
std::span<const Zeichnungseintrag> zeilenHabermel();
// 'k', 'b', 'z' sub-type 0 and the ham dial's row (kSchinkenZeile).
std::span<const Zeichnungseintrag> zeilenHoehenuhr();
// 'z' sub-types 1 and 2: filter-hat and polar-rod cylinders.
std::span<const Zeichnungseintrag> zeilenZylinder();
// 'p' and 'w': the Peaucellier and the Sawyer dial.
std::span<const Zeichnungseintrag> zeilenPeaucellierSawyer();
// 'q' sub-type 0: the quadrant.
std::span<const Zeichnungseintrag> zeilenQuadrant();
// 'r' sub-types 0 and 1: the ring dial and its correction view.
std::span<const Zeichnungseintrag> zeilenRing();
// 'm': the mean-time dial with its cone.
std::span<const Zeichnungseintrag> zeilenKegel();

} // namespace umbrin
