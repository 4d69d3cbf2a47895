#pragma once
// The frame the working dialogs share: the window's name, help context and flags, and the
// row of the close (or next) button and the cancel button at the bottom.
class QBoxLayout;
class QDialog;
class QPushButton;

namespace umbrin {

class FeldWaechter;

// Names the dialog, frees it on close, gives it the help context and no "?" button.
void richteDialogEin(QDialog* dialog, const char* name, int hilfeKontext, bool maximierbar);

struct Knopfleiste {
    QPushButton* schliessen = nullptr;
    QPushButton* abbruch = nullptr; // text id 8 " Abbru&ch"
};

// Adds the right-aligned button row to the layout; Enter in a field goes to the close button.
Knopfleiste baueKnopfleiste(QDialog* dialog, QBoxLayout* layout, const char* schliessenName, FeldWaechter* waechter);

} // namespace umbrin
