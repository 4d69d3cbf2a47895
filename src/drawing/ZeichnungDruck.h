#pragma once
// What the drawing window checks before it prints its dial, with the questions and refusals
// going to the user through the prompt.
#include "core/State.h"
#include "core/UserPrompt.h"
#include "drawing/Zeichenfensterzustand.h"
#include "drawing/Zeichnungsroutinen.h"

namespace umbrin {

// True when the print may go on, checked in this order:
// - an image of no size (a minimised window) is refused with a message, since the page
//   scale divides by it;
// - for the types placed with the mouse, a foot outside the image seen at activation asks
//   whether to cancel (message 15; Yes cancels);
// - for the other types, temporal hours beyond latitude 63 are refused (message 64);
// - a row without a print form is refused with a message. The row is the one that draws the
//   page: the ham dial's in ham mode (bildeintrag).
bool druckVorpruefung(const AppState& s, const Zeichenfensterzustand& f, const Zeichnungseintrag* eintrag,
                      UserPrompt& frage);

// True when the row's dial fits the chosen printer's page of breite x hoehe (0.1 mm) with its
// foot where the print puts it from the window's image; else the refusal is shown and nothing
// may be printed.
bool seitenPruefung(const AppState& s, const Zeichenfensterzustand& f, const Zeichnungseintrag* eintrag, int breite,
                    int hoehe, UserPrompt& frage);

} // namespace umbrin
