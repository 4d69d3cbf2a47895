#pragma once
// Month tables of rise and set: one month with a row per day (sunrise and sunset, the chosen
// twilight, moonrise and moonset, the equation of time and the declination) and a footer, or
// six months of sunrise, sunset and equation of time side by side. Both append to
// s.Tabellenzeilen for s.Par.Jahr at the place of the parameter record; the tables window
// clears the list before and puts its heading above. Times are zone time of the zone
// meridian, never daylight-saving time.
#include "core/AufUntergang.h"
#include "core/State.h"

#include <string>

namespace umbrin {

// Appends the rows of month 1..12 and the footer. Reads s.sinh0 (set by the window),
// s.Zonenbruchteil, s.Schalter.Daemmerung and the language.
void TabelleMonatAufUntergang(AppState& s, int monat);

// Appends January to June (offset 0) or July to December (offset 6) and the footer.
void TabelleHalbjahrAufUntergang(AppState& s, int versatz);

// The zone line of the month table's footer for a zone offset of h hours (east positive):
// "(= UT +   1 h)" for Central Europe, "(= UT -   5 h)" west of Greenwich, "(= UT + 5.5 h)"
// for a half-hour zone.
std::string Zonenzeile(const AppState& s, double stunden);

// One run of the rise/set search for object (ObjektMond, ObjektSonne, ObjektDaemmerung) on
// the day beginning at the modified Julian date mjd0 (0:00 zone time) at the place of s.Par,
// with the altitudes s.sinh0, starting at hour 1.
AufUntergangSuche sucheTag(const AppState& s, int objekt, double mjd0);

} // namespace umbrin
