#pragma once
// The frame the working dialogs share: the window's name, help context and flags, and the
// row of the close (or next) button and the cancel button at the bottom.
class QBoxLayout;
class QDialog;
class QPushButton;
class QVBoxLayout;

namespace umbrin {

class FeldWaechter;

// Names the dialog, frees it on close, gives it the help context and no "?" button. While the
// focus is in the dialog, Alt with the underlined letter of one of its buttons presses that
// button, before any menu of the main window that has the same letter.
void richteDialogEin(QDialog* dialog, const char* name, int hilfeKontext, bool maximierbar);

struct Dialogrumpf {
    QVBoxLayout* aussen = nullptr; // the dialog's layout: the body, then the button row
    QVBoxLayout* inhalt = nullptr; // the body's layout
};

// The dialog's body in a scroll area as large as its content, which a low screen may make
// smaller: the body then scrolls inside the dialog and the button row below it stays in
// view.
Dialogrumpf baueRumpf(QDialog* dialog);

// After the body's content changed: its size is laid out again before the dialog is sized.
void rumpfGeaendert(QDialog* dialog);

struct Knopfleiste {
    QPushButton* schliessen = nullptr;
    QPushButton* abbruch = nullptr; // text id 8 " Abbru&ch"
};

// Adds the right-aligned button row to the layout; Enter in a field goes to the close button.
Knopfleiste baueKnopfleiste(QDialog* dialog, QBoxLayout* layout, const char* schliessenName, FeldWaechter* waechter);

} // namespace umbrin
