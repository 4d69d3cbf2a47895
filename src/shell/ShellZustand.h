#pragma once
// What the main window keeps beside the shared state: paths, today's date, the screen
// flags, the text print job and the lists it owns for the other windows.
#include "drawing/Arbeitsablage.h"

#include <string>
#include <vector>

namespace umbrin {

struct ShellZustand : Arbeitsablage {
    std::string ProgrammPfad;   // folder of the executable, with a trailing "/"
    std::string HilfeDatei;     // help file of the current language
    int Tag = 1, Monat = 1;     // today's date (the year goes to Par.Jahr)
    bool GrosseFonts = false;   // font resolution of at least 120 pixels per inch
    bool GrosserBildschirm = true; // screen at least 1000 pixels wide
    bool GalerieAn = false;     // the gallery may be shown (after the first showing)
    std::vector<std::string> ErgebnisZeilen; // result lines of the calculation window
    std::vector<std::string> Stundenliste;   // " 0  Uhr" .. " 24  Uhr"
    std::vector<std::string> Intervalle;     // " 60 min" .. " 10 min"
};

// The shell's lists as the main window creates them at start.
void erzeugeShellListen(ShellZustand& z);

// Cancel in the print question of the calculation window: drops lines from the end of the
// result list back to the last line that begins with "  __" (kept), or all of them.
void verwirfLetztenBlock(std::vector<std::string>& zeilen);

// Walk state of the step-by-step creation of a dial.
namespace walk {
inline constexpr int Keiner = 0, Gestartet = 1, Weiter = 3, Typwahl = 4, NachTypwahl = 5;
}

} // namespace umbrin
