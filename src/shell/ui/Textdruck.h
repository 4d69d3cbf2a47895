#pragma once
// The program's text print job: the calculation window's results go to the printer as
// plain lines in Courier at 11 points. The job is started by the first text printout and
// stays open across printouts, so that later results continue on the same page, until a
// page end, a window or graphic printout, or the end of the program closes it.
#include "core/State.h"
#include "core/UserPrompt.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QPrinter;

namespace umbrin {

class DruckListe;

class Textdruck {
public:
    // drucker gives the main window's printer, waehle lets the user choose it (false when
    // cancelled); offen mirrors whether a job is open.
    Textdruck(const AppState& s, UserPrompt& frage, std::function<QPrinter&()> drucker, std::function<bool()> waehle,
              bool& offen);
    ~Textdruck();

    // The open job, started when none is open; null when the user cancelled the printer
    // choice or the printer could not start (then said so).
    DruckListe* oeffne();
    // Ends the open job: its last page goes out. Nothing when none is open.
    void schliesse();
    bool istOffen() const { return liste_ != nullptr; }

    // The main window's print command over the calculation window: asks whether the page
    // ends after the results (message 11). Yes prints them with a form feed and clears the
    // list, No prints them and keeps it, Cancel prints nothing and drops the last result
    // block from the list.
    void druckeErgebnisZeilen(std::vector<std::string>& zeilen);

private:
    const AppState& s_;
    UserPrompt& frage_;
    std::function<QPrinter&()> drucker_;
    std::function<bool()> waehle_;
    bool& offen_;
    std::unique_ptr<DruckListe> liste_;
};

} // namespace umbrin
