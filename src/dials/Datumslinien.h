#pragma once
// The table of date lines of the drawing under construction: the day of the year and the
// label of each line. Every dial construction rebuilds it at its start from the date-line
// mode, the user's own list and the reference year.
#include "core/State.h"

#include <cstdint>
#include <string>
#include <vector>

namespace umbrin {

struct DatumslinienTabelle {
    std::vector<std::int32_t> Tage;   // day of the year of each line (TagImJahr for Par.Jahr)
    std::vector<std::string> Text;    // label, day and month with points, at most 6 characters
    std::int32_t Zahl = 0;            // number of lines; 0 = none
};

// Fills the table for the mode of Schalter.Datumslinien:
//   '0' one line per zodiac sign, 21 June to 22 December (7 lines, labels "21.6.", "22.7.", ...);
//   '1' the 7th and 22nd of each month, 22 June to 22 December (13 lines, " 7.7.", "22.7.", ...);
//   '2' the user's own list s.Datumslinien ("21/03    ( 21. März )"); entries that are empty
//       or do not begin with a valid "dd/mm" are skipped; an empty list gives 21 June,
//       23 September and 21 December;
//   '3' no lines.
// Any other mode leaves the table as it was.
void setzeDatumslinien(const AppState& s, char modus, DatumslinienTabelle& tabelle);

// Day and month of an own-list entry: characters 1-2 and 4-5 (a blank may lead each number),
// a real calendar date (29 February allowed). False for anything else.
bool DatumslinienEintragLesen(const std::string& eintrag, int& tag, int& monat);

} // namespace umbrin
