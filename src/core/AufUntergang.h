#pragma once
// Rise and set of the moon, the sun and the sun at a twilight altitude for one day and place.
//
// The search uses its own low-precision series for sun and moon (good to about a minute of
// time for the sun, a few minutes for the moon), a sidereal time and a quadratic interpolation
// through three altitudes one hour apart, stepping two hours at a time through the day. It is
// independent of the solar theory that the dials use.
//
// Conventions: angles in degrees; longitude west positive; hours count from the start of the
// day given by MJD0, so a caller that subtracts the zone offset from MJD0 gets zone time.
// A day without a rise, without a set, or with the object always above or always below its
// altitude is a normal result, not an error.
#include "core/Winkel.h"
#include "core/State.h"

#include <array>
#include <string>

namespace umbrin {

// `Objekt` codes of the search.
inline constexpr int ObjektMond = 1;
inline constexpr int ObjektSonne = 2;
inline constexpr int ObjektDaemmerung = 3; // the sun at the twilight altitude

// Fractional part in [0, 1): x - Int(x), plus 1 when negative.
double Frac(double x);

// Parabola through (-1, ym), (0, y0), (+1, yp): its extremum (xe, ye), its zeros z1 <= z2 and
// how many of them lie in [-1, 1]. When only z2 lies in the interval, z1 holds z2 as well.
// A degenerate parabola (a straight line or a constant) still sets every field: the line's
// one zero goes to z1 and z2, and the extremum is taken at the middle value (xe 0, ye y0).
struct QuadErgebnis {
    double xe = 0.0;
    double ye = 0.0;
    double z1 = 0.0;
    double z2 = 0.0;
    int anzahl = 0;
};
QuadErgebnis QuadInterpolation(double ym, double y0, double yp);

// Modified Julian date of day D, month M, year Y plus hour h / 24. The Gregorian calendar is
// used from 5 October 1582 on (the ten missing days are taken as Gregorian dates).
// ModJulDatum(1, 1, 2000, 12) = 51544.5.
double ModJulDatum(int D, int M, int Y, double h);

// Local mean sidereal time in hours 0..24 for a longitude (degrees, west positive) and a
// modified Julian date.
double Sternzeit(double laenge, double mjd);

// Sines of the altitudes the search looks for, by object: moon +0.1333333 degrees (its
// parallax less refraction and radius), sun -0.8333333 degrees (refraction and radius), and
// the twilight by Schalter.Daemmerung: 0 civil -6, 1 nautical -12, 2 astronomical -18.
std::array<double, 3> sinh0Werte(int daemmerung);

// Right ascension (hours 0..24) and declination (degrees).
struct Aequatorial {
    double Rektaszension = 0.0;
    double Deklination = 0.0;
};
// Low-precision sun and moon for T Julian centuries from 2000 January 1.5.
Aequatorial SonneKoordinaten(double T);
Aequatorial MondKoordinaten(double T);

// Sine of the altitude of the moon (objekt 1) or the sun (any other value) at hour `stunde`
// after MJD0, for a place given by the sine and cosine of its latitude and its longitude.
double SinHoehe(int objekt, double sinBreite, double cosBreite, double laenge, double stunde,
                double MJD0);

// What one search found.
enum class RiseSetKind {
    RiseAndSet,  // both crossings found
    RiseOnly,    // a rise, but no set on that day
    SetOnly,     // a set, but no rise on that day
    AlwaysAbove, // no crossing, above the altitude all day
    AlwaysBelow, // no crossing, below the altitude all day
};

// Inputs of one search. `sinh0` holds the sines of the altitudes of moon, sun and twilight;
// entry Objekt - 1 is searched for.
struct AufUntergangEingabe {
    int Objekt = ObjektSonne;
    double SinBreite = 0.0;
    double CosBreite = 1.0;
    double Laenge = 0.0; // degrees, west positive
    double MJD0 = 0.0;   // modified Julian date of hour 0 of the day
    double Stunde = 1.0; // first middle hour of the search
    std::array<double, 3> sinh0{};
};

// The search state after the search: it belongs to the one call that produced it.
struct AufUntergangSuche {
    double Stunde = 1.0;    // where the search stopped
    double ZeitAuf = 0.0;   // hour of the upward crossing, valid when AufGefunden
    double ZeitUnter = 0.0; // hour of the downward crossing, valid when UnterGefunden
    bool Ueber = false;     // above the altitude at the first hour looked at
    bool AufGefunden = false;
    bool UnterGefunden = false;

    RiseSetKind kind() const;
};

// Steps through the day in two-hour steps until both crossings are found or the day is over.
// A day holds its own crossings only, the first rise and the first set: a crossing in the
// day's last half minute, which the clock rounds to 24:00, is left to the next day, and one
// in the last half minute of the day before is this day's, at 0:00.
AufUntergangSuche sucheAufUntergang(const AufUntergangEingabe& eingabe);

// The two result texts of a search and whether one of them is a dash or a no-crossing text.
struct AufUntergangTexte {
    std::string Aufgang;
    std::string Untergang;
    bool EreignisFehlt = false;
};

// Makes the rise and set texts of a search and appends the day's events to `zeile`: rise and
// set ("hh:mm" each, " -----" for a missing one; for the twilight the set first), then two
// blanks; on a day without any crossing the one 14-character text of the current language
// ("immer sichtbar", "  immer hell  ", " nie sichtbar ", " immer dunkel " and their English
// forms).
AufUntergangTexte AufUntergangText(const AppState& s, const AufUntergangSuche& suche, int objekt,
                                   std::string& zeile);

} // namespace umbrin
