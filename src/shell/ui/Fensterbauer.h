#pragma once
// The builders of the working windows that the main window opens.
#include "shell/ui/MainWindow.h"

#include <functional>

class QWidget;

namespace umbrin {

// The drawing window ("Form5") with the main window's commands, menus and prompt.
std::function<QWidget*(MainWindow&)> zeichnungsbauer();

// The calculation window ("sset1") with the main window's result list, date, text print job,
// print item, file commands and help.
std::function<QWidget*(MainWindow&)> rechenfensterbauer();

// The tables-and-graphs window ("sset2") with the main window's working area, printer, text
// print job, print item, help and table commands.
std::function<QWidget*(MainWindow&)> tabellenfensterbauer();

} // namespace umbrin
