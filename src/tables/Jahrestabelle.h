#pragma once
// Year tables: 31 rows (days) by 12 columns (months) of the equation of time, the equation
// of time with the longitude correction, the sun's declination, or the zone time of the
// meridian transit, for one year at the place of the parameter record. Every value holds for
// 12:00 zone time of its day (the day value less s.Zonenbruchteil).
#include "core/State.h"

#include <string>

namespace umbrin {

// Kinds of year table (Tabellentyp).
inline constexpr int TabelleZeitgleichung = 0;
inline constexpr int TabelleZeitglMitLaenge = 1;
inline constexpr int TabelleDeklination = 2;
inline constexpr int TabelleDurchgang = 3;

// Replaces s.Tabellenzeilen by the year table. mitZeitgleichung (Tabellenoption) chooses
// equation-of-time values over declinations; the transit table (typ 3) shows transit times
// whatever the flag. Reads s.Par.Laenge, s.Par.Zonenmeridian, s.Durchgangstabelle,
// s.Zonenbruchteil and the language.
void TabelleJahr(AppState& s, int jahr, bool mitZeitgleichung, int typ);

// Transit cell: the clock time 12 h + x / 15 h as "hh:mm:ss" for x (the longitude
// correction less the equation of time, degrees), seconds rounded half away from zero. Any x
// gives a real clock time, also where the transit falls before 11:00 or after 13:59.
std::string Durchgangszeit(double x);

} // namespace umbrin
