#pragma once
// The step-by-step creation of a dial: location and year, then the dial type, then its
// parameters, then the drawing. The walk state lives in AppState::DialogSchritt:
//   0 no walk, 1 started (location dialog open), 3 continuing, 4 type chooser shown within
//   the walk, 5 past the type chooser.
// AppState::FensterFrei holds the verdict of the last closing check of a working window; a
// working window is created only while it is set.
//
// The dialogs report their life (created, destroyed) and their buttons to DialogWalk; the
// main window implements WalkShell, which creates and closes the windows themselves.
#include "core/State.h"

namespace umbrin {

enum class Arbeitsfenster { OrtUndZeit, Typwahl, Parameter, Zeichnung };

// What the walk needs of the main window.
class WalkShell {
public:
    virtual ~WalkShell() = default;
    // Creates the working window now (the opening rules have already been applied).
    virtual void oeffneFenster(Arbeitsfenster fenster) = 0;
    // Asks every working window to close; each window's closing check decides whether it does.
    virtual void schliesseArbeitsfenster() = 0;
    // The walk has ended (cancelled, or finished at the drawing window): what the walk
    // disabled in the main window's menus is enabled again.
    virtual void walkBeendet() {}
};

class DialogWalk {
public:
    DialogWalk(AppState& s, WalkShell& shell) : s_(s), shell_(shell) {}

    // The menu command that opens a working window (location dialog, type chooser, parameter
    // dialog, drawing window). Outside the walk every other working window is asked to close
    // first; the window is created only while FensterFrei is set. Opening the parameter dialog
    // clears FensterFrei (its closing check sets it again). Returns whether it was created.
    bool oeffne(Arbeitsfenster fenster);

    // Starts the walk: every working window is asked to close, the walk state becomes 1 and
    // the location dialog opens.
    void starten();

    // " &Weiter >" of the walk menu, or the location dialog's next button: a walk that has just
    // started continues (1 becomes 3), and the open dialog is asked to close.
    void weiter();

    // " Abbru&ch" of the walk menu and of every walk dialog: the walk ends, every working
    // window is asked to close, and the main window enables its menus again.
    void abbrechen();

    // Ends the walk (state 0) and tells the main window.
    void beenden();

    // The type chooser was created: within the walk (3) it is now shown as step 2 (4).
    // Returns whether the chooser belongs to the walk.
    bool typwahlErstellt();

    // A dialog was destroyed. The location dialog opens the type chooser while the walk is at
    // 3; the chooser opens the parameter dialog while it is above 2 (state 5 afterwards); the
    // parameter dialog opens the drawing window while it is 3 or more and ends the walk.
    void fensterZerstoert(Arbeitsfenster fenster);

    bool laeuft() const { return s_.DialogSchritt != 0; }

private:
    AppState& s_;
    WalkShell& shell_;
};

} // namespace umbrin
