#pragma once
// What the drawing window checks before it prints its dial, with the questions and refusals
// going to the user through the prompt.
#include "core/State.h"
#include "core/UserPrompt.h"
#include "drawing/Blattrand.h"
#include "drawing/Zeichenfensterzustand.h"
#include "drawing/Zeichnungsroutinen.h"

#include <filesystem>

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

// How the print lays out its page besides its size: the printable area's margins and size
// (0.1 mm; a size of 0 is the page's), the screen class, the folder of the map files, and the
// canvas that measures texts as the printer's page draws them (none: the recording's estimate).
struct Druckumgebung {
    int randX = 0, randY = 0;
    int druckBreite = 0, druckHoehe = 0;
    bool grosserBildschirm = true, grosseFonts = false;
    std::filesystem::path arbeitsPfad{};
    Canvas* textmass = nullptr;
};

// True when the row's dial fits the chosen printer's page of breite x hoehe (0.1 mm) with its
// foot where the print puts it from the window's image; else the refusal is shown and nothing
// may be printed. The one rule: a page is printed only when no inked part of it reaches more
// than kSeitenToleranz past the page, or when the drawing itself tells the user that parts of
// it run past the sheet's edge (Konstruktionsmeldung::ueberDenRand: the polar-rod face, the
// quadrant and the cone too large for the sheet), which it then prints with that word. First
// the row's own limits that no measure of the page can know (vorDruck: the smallest plate);
// then the page is drawn once as the print draws it, on a recording whose texts measure as
// umgebung.textmass measures them, and measured. A page it leaves is refused with the row's
// own words of what would fit (seitenRat) or else the page, the reach and what helps: the other
// orientation and A3 only where that page holds the drawing. The map behind a dial is left out: the
// page cuts it at its edge by design.
bool seitenPruefung(const AppState& s, const Zeichenfensterzustand& f, const Zeichnungseintrag* eintrag, int breite,
                    int hoehe, UserPrompt& frage, const Druckumgebung& umgebung = {});

// The refusal for a page of breite x hoehe (0.1 mm) the dial leaves by u, empty when it fits.
// quer: whether the page of the other orientation holds it; a3: whether an A3 page does.
std::string seitenUeberstandText(const AppState& s, int breite, int hoehe, const Ueberstand& u, bool quer, bool a3);

} // namespace umbrin
