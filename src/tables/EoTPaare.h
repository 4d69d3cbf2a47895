#pragma once
// The equation-of-time pairs: a dial whose date lines are lines of equal declination meets
// each declination at two true solar longitudes L1 and L2 = 180 - L1, on two days with
// different equations of time. For each pair the list gives both values, the symmetrised
// correction (half their difference, with opposite signs) and the error left over (half their
// sum), from the equation-of-time table of the year recomputed with n steps.
#include "core/State.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace umbrin {

// The step counts the symmetric panel offers.
inline constexpr std::array<int, 6> EoTPaarSchritte = {72, 120, 144, 180, 240, 288};

// Recomputes s.EoTTabelle for s.Par.Jahr with n steps (1..360; the dials' copy EoTTabelle2 is
// left alone), stores the symmetrised seconds in each record's ZglSym and returns the lines:
// a blank line, the title, the count line, a blank line, the column heads, then a row per
// pair from L1 = 90 to 270 with a line of two blanks after every sixth. csv separates the
// columns with ";", else with "/".
std::vector<std::string> EoTPaareListe(AppState& s, int n, bool csv);

// The number of pair rows of n steps: 2 (n div 4) + 1.
int EoTPaarZeilenzahl(int n);

// Writes the lines (Windows-1252, each ended by CR LF) through a temporary file. False, with
// a message naming the file (in German or English), when any write fails; the old file then
// stays as it was.
bool EoTPaareSpeichern(const std::filesystem::path& datei, const std::vector<std::string>& zeilen,
                       std::string& fehler, bool deutsch = true);

// The printout of the table records 0..n: pages of at most 63 records; the first page
// begins with the heading line.
struct EoTDruckseite {
    std::vector<std::string> zeilen; // the heading (first page only), then the records
    bool mitKopf = false;
};
std::vector<EoTDruckseite> EoTVergleichSeiten(const AppState& s, int n);

} // namespace umbrin
