#pragma once
// What the drawing window asks of the main window and of the platform: the main window's
// print item and A4/A3 items, its palette, picture, parameter and close commands, help, the
// screen class, and the dialogs for files and the printer. The main window fills the
// commands; the dialogs have defaults (QFileDialog, QPrintDialog) that tests replace.
#include <QString>

#include <functional>

class QPrinter;
class QWidget;

namespace umbrin {

struct ZeichenfensterDienste {
    std::function<void(bool an)> druckMenue;          // enable the main window's print item
    std::function<void(bool a4)> anzeigeart;          // keep its A4/A3 items in step
    std::function<void()> farbpalette;                // show the colour palette
    std::function<void()> zeigeBild;                  // show the gallery picture of the type
    std::function<void()> parameterDialog;            // open the parameter dialog
    std::function<void()> schliessen;                 // close the drawing window through the shell
    std::function<void()> konstruktionsdatenSpeichern; // save construction data ("*.umb")
    std::function<void()> textdruckBeenden;           // end the main window's open text print job
    // After construction data were loaded: the whole program takes the file's language, as
    // after the main window's load. Without it the window relabels only itself.
    std::function<void()> spracheDerDaten;
    bool grosserBildschirm = true;                    // the screen is at least 1000 pixels wide
    bool grosseFonts = false;                         // 120 pixels per inch or more

    // The printer every print of the window uses (the main window's); without one the window
    // keeps its own.
    std::function<QPrinter&()> drucker;
    // The printer dialog: false when cancelled. The default shows QPrintDialog (which also
    // offers printing into a PDF file).
    std::function<bool(QPrinter& drucker, QWidget* eltern)> druckerDialog;
    // File dialogs: the chosen file, empty when cancelled. vorschlag is the proposed name,
    // endung the default extension (without dot).
    std::function<QString(QWidget* eltern, const QString& titel, const QString& vorschlag, const QString& filter,
                          const QString& endung)>
        speichernDialog;
    std::function<QString(QWidget* eltern, const QString& titel, const QString& filter, const QString& endung)>
        oeffnenDialog;
};

// Fills the dialogs that are not set with the platform's: QPrintDialog and QFileDialog. The
// filters are written as the program writes them, "text|pattern|text|pattern".
void setzeStandardDialoge(ZeichenfensterDienste& d);

// A filter of the form "text|pattern|text|pattern" in Qt's form "text;;text".
QString qtFilter(const QString& filter);

} // namespace umbrin
