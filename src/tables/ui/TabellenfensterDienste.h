#pragma once
// What the tables-and-graphs window asks of the main window: the size of its working area,
// the printer and its choice, the pending text print job, the print items, the main
// window's table and graph commands, the picture strip, and the file choices (a dialog
// unless a hook is given). Every hook may be left empty.
#include <QSize>
#include <QString>

#include <functional>

class QPrinter;
class QWidget;

namespace umbrin {

struct TabellenfensterDienste {
    // The client size of the main window's working area (the window opens as large).
    std::function<QSize()> hauptflaeche;
    std::function<QPrinter&()> drucker;
    // Lets the user choose the printer; false when cancelled.
    std::function<bool(QPrinter&)> druckerDialog;
    // Ends the main window's pending text print job.
    std::function<void()> textdruckBeenden;
    // The main window's print items visible and enabled (on leaving the window).
    std::function<void()> druckMenue;
    // The main window's table command for menu item 28 (month table) to 31.
    std::function<void(int menuepunkt)> tabelle;
    // The main window's graph commands: the equation-of-time graph (mode 16) or the sun-path
    // diagram (mode 32) in the kind s.Schalter.Diagrammart.
    std::function<void(int rechenmodus)> grafik;
    // Closing a table hides the main window's picture strip.
    std::function<void()> bildleisteVerbergen;
    // The save dialog of a table: vorschlag in, the chosen name and whether the CSV filter was
    // chosen out; false when cancelled.
    std::function<bool(QString& name, bool& csv)> tabellendatei;
    // The save dialog of a graph file with the proposed name and extension ("plt" or "dxf").
    std::function<bool(QString& name, const QString& endung)> grafikdatei;
};

} // namespace umbrin
