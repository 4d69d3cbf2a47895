#pragma once
// The state the tables are computed from in their tests: a year, the language, a place with
// its zone meridian (west negative, as the program counts) and the twilight of the rise and
// set times.
#include "core/AufUntergang.h"
#include "core/Sprachdienst.h"
#include "core/State.h"

namespace umbrin::test {

inline AppState tabellenOrt(int jahr, bool deutsch = true, double breite = 47.25, double laenge = -9.59,
                            double zone = -15.0, int daemmerung = 0)
{
    AppState s;
    setzeSprache(s, deutsch);
    s.Par.Jahr = jahr;
    s.Par.Breite = breite;
    s.Par.Laenge = laenge;
    s.Par.Zonenmeridian = zone;
    s.Zonenbruchteil = -zone / 360.0;
    s.Schalter.Daemmerung = static_cast<std::uint8_t>(daemmerung);
    s.sinh0 = sinh0Werte(daemmerung);
    return s;
}

} // namespace umbrin::test
