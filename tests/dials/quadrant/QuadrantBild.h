#pragma once
// The quadrant drawn on a recording canvas with its apex (X0, Y0) and radius S, read from the
// outline: the first arc, whose box is the apex plus and minus S.
#include "core/RecordingCanvas.h"
#include "core/State.h"
#include "dials/Zeichenumgebung.h"
#include "dials/quadrant/QuadrantZeichnung.h"

namespace umbrin::test {

struct QuadrantBild {
    RecordingCanvas c;
    int S = 0, X0 = 0, Y0 = 0;
    Konstruktionsmeldungen meldungen{};
};

// By default a printed A4 page (0.1 mm): the quadrant of 150 mm has S = 1500, so a unit is
// small against it.
inline QuadrantBild zeichneQuadrant(const AppState& s, int breite = 2970, int hoehe = 2100, bool bildschirm = false)
{
    QuadrantBild b{RecordingCanvas(breite, hoehe, !bildschirm)};
    b.meldungen = zeichneQuadrantSU(s, b.c, breite, hoehe, bildschirm, quadrantMeridian(s), Zeichenumgebung{});
    for (const RecordedPrimitive& p : b.c.primitives())
        if (p.kind == PrimitiveKind::Arc) {
            b.X0 = (p.points[0].x + p.points[1].x) / 2;
            b.Y0 = (p.points[0].y + p.points[1].y) / 2;
            b.S = (p.points[1].x - p.points[0].x) / 2;
            break;
        }
    return b;
}

} // namespace umbrin::test
