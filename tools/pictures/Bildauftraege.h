#pragma once
// The gallery's pictures as drawings of Umbrin's own dials: for each picture id the state of
// the dial it shows, drawn through the drawing window's table at the start location
// (47.25° N, 9.59° E) and year 2020.
#include "core/State.h"

#include <QImage>

#include <cstdint>
#include <optional>
#include <span>

namespace umbrin {

struct Bildauftrag {
    std::int32_t id;
    int breite; // size of the stored picture; the dial is drawn at twice the size
    int hoehe;
    void (*einrichten)(AppState& s);
};

std::span<const Bildauftrag> bildauftraege();

// The picture of one id, or nothing when its dial family has no row in the drawing window's
// table yet.
std::optional<QImage> zeichneBild(const Bildauftrag& auftrag);

} // namespace umbrin
