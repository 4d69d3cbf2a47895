#pragma once
// The tables as the tables-and-graphs window shows them: the month tables of rise and set
// with their title, place and column heads in front, and the year tables without the lines
// the window does not show. The list goes to s.Tabellenzeilen; the window draws, prints and
// saves from it, each on its own copy.
#include "core/State.h"

namespace umbrin {

// Which month table: one month, January to June, or July to December (Monatswahl).
inline constexpr int Einzelmonat = 0;
inline constexpr int MonateEinsBisSechs = 1;
inline constexpr int MonateSiebenBisZwoelf = 2;

// The month table of month 1..12 (for Einzelmonat) or the half year, with five heading
// lines in front: the title, the place (tabLaenge, tabBreite: the place the window opened
// with), a blank line and two column heads. The single month drops the footer's zone and
// credit lines and its closing blank line. Reads s.sinh0, s.Zonenbruchteil and the language.
void AufgangTabelle(AppState& s, int monatswahl, int monat, double tabBreite, double tabLaenge);

// The year table of kind s.Tabellentyp for s.Par.Jahr (Tabellenoption and Durchgangstabelle
// follow the kind), without the blank and rule lines of its head that the window leaves out.
void JahrestabelleAnsicht(AppState& s);

// The line that sets the width of the drawn table: line 4 of a month table (its last column
// head), the second day row of a year table; the empty text when the list is shorter.
std::string Messzeile(const AppState& s, int rechenmodus);

} // namespace umbrin
