#pragma once
// Rules of the parameter dialog that need no window: which page shows which dial type, the
// help context of a page, and the value rules the page checks share.
#include "core/State.h"

#include <cstdint>
#include <string>
#include <vector>

namespace umbrin {

// The pages of the parameter dialog, in the order of its tabs.
enum class ParameterSeite : int {
    Planar = 0,       // horizontal, vertical, inclining dials
    Schirm = 1,       // umbrella dials
    Quadrant = 2,     // quadrant and Habermel dials
    Zylinder = 3,     // cylinder dials
    Hoehe = 4,        // horizontal altitude dial
    Ring = 5,         // ring dial
    Azimut = 6,       // azimuthal dial
    Biazimut = 7,     // biazimuthal dial (expert mode)
    MittlereZeit = 8, // mean-time dial with a cone (expert mode)
    SawyerPeau = 9,   // Sawyer and Peaucellier dials
};
inline constexpr int ParameterSeitenAnzahl = 10;

// The page the dialog opens on for the current dial type. The Sawyer and Peaucellier page
// opens for 'w' and 'p' whatever the mode; without expert mode the mean-time dial opens on
// the planar page and the biazimuthal dial on the umbrella page.
ParameterSeite ParameterStartseite(const AppState& s);

// Whether the page's tab is offered: the biazimuthal and mean-time pages only in expert mode.
bool ParameterSeiteAngeboten(const AppState& s, ParameterSeite seite);

// The page shows the own date-line panel beside it.
inline bool MitDatumsliste(ParameterSeite seite)
{
    return seite == ParameterSeite::Planar || seite == ParameterSeite::Schirm;
}

// Help context of the page.
int ParameterHilfeKontext(const AppState& s, ParameterSeite seite);

// A wall declination of magnitude exactly 180 is kept just below, so that the plane's
// direction stays defined; each window has its own stand-in.
double OhneHalbkreis(double wandabweichung, double ersatz);

// The umbrella disc of the tilted umbrella dial: 0 when the disc radius (a fraction of the
// rod) suits the inclination; otherwise the message row: 21 (radius 0) or 17 (the plane is
// too steep for the disc).
int SchirmScheibenFehler(double schirmRadius, double inklination);

// The cone's half opening must stay below the inclination of its axis.
inline bool KegelOeffnungPasst(double oeffnung, double neigung) { return oeffnung < neigung; }

// A cone-axis inclination as entered: negative values count from the other side (+180).
inline double KegelNeigungAusEingabe(double eingabe) { return eingabe < 0 ? eingabe + 180 : eingabe; }

// Length of the month scale of the shepherd's dial for the latitude: the scale reaches the
// shadow of the summer solstice, round(tan(90 - |phi| + eps) * skalenlaenge). Only within
// the tropics' complement (|phi| above 23.46) and while the result is a positive integer of
// sensible size; otherwise false and `aus` unchanged.
bool SkalaZylinder2Berechnen(double breite, double eps, std::int32_t skalenlaenge, std::int32_t& aus);

// Interval code of the options as item index: "6" (the 10-minute interval of the mean-time
// lines) is item 4; other digits are their own value; anything else item 0.
int IntervallCodeIndex(char code);

// Items of the hour combos: a blank, the hour and "  Uhr" ("  h" in English), for the hours
// 0 to 24.
std::vector<std::string> StundenBeschriftungen(bool deutsch = true);

// Items of the interval combos of hour lines (" 60 min" .. " 10 min"), of temporal hours
// ("1" .. "0.25") and of the lines of equal altitude ("10 °" .. " 2.5 °").
std::vector<std::string> StundenIntervalle();
std::vector<std::string> TemporalIntervalle();
std::vector<std::string> HoehenIntervalle();

} // namespace umbrin
