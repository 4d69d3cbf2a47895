#pragma once
// What the calculation window asks of the main window: the result list and the date it
// shares with it, the text print job, the main window's print item, its file commands,
// help, and the tables-and-graphs window. Every hook may be left empty; without the tables
// window the window's table and graph commands are disabled.
#include <functional>
#include <string>
#include <vector>

namespace umbrin {

class DruckListe;

struct RechenfensterDienste {
    // The open text print job, started when none is open; null when the user cancelled or
    // the printer failed (the hook has said so).
    std::function<DruckListe*()> druckdatei;
    // Ends the text print job when one is open: its page goes out.
    std::function<void()> druckdateiSchliessen;
    std::function<void(bool an)> druckMenue;       // enable the main window's print item
    std::function<void()> schliessen;              // close the window through the main window
    std::function<void()> einstellungenSpeichern;  // the main window's settings save
    std::function<void()> datenLaden;              // the main window's construction-data load
    // Opens the tables-and-graphs window for the mode and table kind set in the state.
    std::function<void()> tabellenfenster;
};

} // namespace umbrin
