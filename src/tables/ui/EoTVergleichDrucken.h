#pragma once
// Prints the equation-of-time table of the pairs list on the printer: portrait pages of 63
// records in a fixed-pitch bold face, the heading on the first page.
#include "core/State.h"

#include <string>

class QPrinter;

namespace umbrin {

// Prints records 0..n of s.EoTTabelle (as EoTPaareListe left them). False when the printer
// could not be started or failed on the way; the caller tells the user, with grund (for a
// print into a file: the file and what went wrong with it).
bool EoTVergleichDrucken(QPrinter& drucker, const AppState& s, int n, std::string& grund);

} // namespace umbrin
