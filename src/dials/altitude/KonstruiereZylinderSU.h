#pragma once
// The screen construction of the altitude and cylinder dials: the horizontal altitude dial for
// 'k' and 'b' (which differ only in the edge height handed in), and for 'z' the cylinder of the
// sub-type Schalter.ZylinderArt chosen from a table of routines, one per sub-type.
#include "core/Canvas.h"
#include "core/State.h"
#include "dials/Konstruktionsmeldung.h"

namespace umbrin {

// What every cylinder routine gets: the canvas size, whether it is the screen, the size in
// millimetres handed in by the drawing window and the screen's size class. Anything else a
// sub-type needs (radius, pointer, zoom) it reads from the state.
struct ZylinderAuftrag {
    int breite = 0;
    int hoehe = 0;
    bool bildschirm = true;
    double groesse = 0;
    bool grosserBildschirm = true;
    bool mitNetz = false; // the polar rod's millimetre grid
    // The window's flag that the filter-hat's shortened circumference was reported this run.
    bool* achseGemeldet = nullptr;
};

using Zylinderroutine = Konstruktionsmeldungen (*)(const AppState& s, Canvas& c, const ZylinderAuftrag& a);

// The routine of cylinder sub-type art (0 shepherd's, 1 filter-hat, 2 polar rod); nullptr for
// a sub-type that draws nothing.
Zylinderroutine zylinderRoutine(int art);

// 'k', 'b' and any letter but 'z': the horizontal altitude dial with the size as edge height;
// 'z': the cylinder of the state's sub-type.
Konstruktionsmeldungen konstruiereZylinderSU(const AppState& s, Canvas& c, const ZylinderAuftrag& a);

} // namespace umbrin
