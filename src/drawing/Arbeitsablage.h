#pragma once
// What the main window keeps for its working windows and lets the drawing window read and
// write: the folder of the data files, whether a text print job is open, and the lines the
// save commands write. The main window's own record extends it, so the drawing window needs
// nothing of the shell.
#include <string>
#include <vector>

namespace umbrin {

struct Arbeitsablage {
    std::string ArbeitsPfad;                 // folder of the data files (the program folder)
    bool DruckDateiOffen = false;            // a text print job is open
    std::vector<std::string> IniAusgabe;     // target of the save commands
};

} // namespace umbrin
