#pragma once
// The ring dial on a canvas (screen image or printed page): the unrolled inner band of the
// ring with its hour curves, declination rows, zodiac signs and hole mark, the measuring
// bars for the diameter and the half circumference, header, zodiac key and footer.
#include "core/Canvas.h"
#include "core/State.h"
#include "core/UserPrompt.h"
#include "dials/Konstruktionsmeldung.h"

namespace umbrin {

// The text of the refusal of a ring without size: empty when diameter and width are both
// above zero.
std::string ringMassFehler(const AppState& s, double D, double B);

// Draws the ring dial on a canvas of W x H units (pixels on screen, 0.1 mm on a page).
// D, alpha, B: inner diameter (mm), hole angle (degrees) and ring width (mm). A ring too
// long for the area is reduced when frage answers Yes (or when there is none to ask); No
// draws nothing. The hours are Zeiten.QuadVon..QuadBis, or the temporal hours. verkleinert:
// D and B are already reduced from the user's sizes; a page reduced either way says the size
// it prints. ausgelassen: how many of its notes (the zodiac key, the footer) found no room on
// the area and were left off it.
Konstruktionsmeldungen zeichneRingsonnenuhr(const AppState& s, Canvas& c, int W, int H, bool bildschirm,
                                            bool grosserBildschirm, double D, double alpha, double B,
                                            UserPrompt* frage, bool verkleinert = false, int* ausgelassen = nullptr);

// The screen drawing with the ring of the state.
Konstruktionsmeldungen konstruiereRingSU(const AppState& s, Canvas& c, int W, int H, bool grosserBildschirm,
                                         UserPrompt* frage);

} // namespace umbrin
