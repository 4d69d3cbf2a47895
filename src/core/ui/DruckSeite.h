#pragma once
// The printed page: every printing routine draws in tenths of a millimetre on an A4
// landscape sheet (2970 x 2100), x to the right, y downward, the origin at the printer's
// printable corner, inside the printable area and margins computed here from the device.
#include "core/State.h"
#include "core/UserPrompt.h"

class QPainter;
class QPrinter;

namespace umbrin {

class DruckListe;

// Printable area and margins in 0.1 mm: width and height of the area, left and top margin
// measured from the printable origin.
struct DruckSeite {
    int DruckBreite = 2800;
    int DruckHoehe = 2000;
    int DruckRandX = 70;
    int DruckRandY = 50;
};

// What the printer reports about its page: printable size in millimetres and in pixels,
// and the offset of the printable area from the sheet's corner in pixels.
struct DruckGeraet {
    int breiteMm = 0;
    int hoeheMm = 0;
    int breitePixel = 0;
    int hoehePixel = 0;
    int versatzXPixel = 0;
    int versatzYPixel = 0;
    bool hochformat = false;
};

// The device values of a printer (its current page layout).
DruckGeraet druckGeraetVon(const QPrinter& drucker);

// Centres the printable area on the sheet with equal margins on both sides, each at least
// the larger unprintable strip plus 0.1 mm, and never larger than 282 x 200 mm. Values of a
// portrait set-up are turned to landscape first. False (nothing changed) when the device
// reports no pixels.
bool DruckBereich(const DruckGeraet& geraet, int& breite, int& hoehe, int& randX, int& randY);

// Starts a print job on drucker with maler and maps it to 0.1 mm. A pending text output to
// the printer (offeneTextausgabe) is finished first. When the job cannot be started or the
// page not read, the job is aborted and the user told (message 23, warning); the result is
// then false and the page keeps the values it reached.
bool DruckBeginn(QPrinter& drucker, QPainter& maler, DruckSeite& seite, const AppState& s, UserPrompt& frage,
                 DruckListe* offeneTextausgabe = nullptr);

} // namespace umbrin
