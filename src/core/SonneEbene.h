#pragma once
// The sun against the horizon and against an arbitrary dial plane: the equivalent horizontal
// dial of a declining and inclining plane, whether the sun shines on a plane, the earliest and
// latest sunlight on a plane over the year, hour angle and declination of an azimuth and
// altitude, sunrise and sunset by the horizon hour angle, the rise and set tables of the dials,
// the declinations of whole-hour day lengths, and the clock time of a given solar azimuth.
//
// Conventions as for the sun position: angles in degrees, times in hours, hour angles negative
// before true noon, azimuths from south with west positive, longitudes and zone meridians east
// negative. Polar day and polar night are results (flags, 0/24 and -1/0, 999), not errors.
// Nothing here talks to the user: messages are handed back for the caller to show once.
#include "core/State.h"
#include "core/UserPrompt.h"

#include <array>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace umbrin {

// "No such time" in the light results and in the day-length declination table.
inline constexpr double KeinWert = 999.0;

// Angle of the vector (x, y) in degrees, within (-180, 180]; (0, 0) gives 0.
double ArcTan2Grad(double x, double y);

// The equivalent horizontal dial of a plane with declination D (from south, east negative)
// and inclination i (0 horizontal, 90 vertical) at latitude phi: the latitude phiStrich of
// the place whose horizon is parallel to the plane, the difference dl of its longitude (the
// hour-angle shift) and the rotation r of its meridian line on the plane.
// A horizontal plane gives (phi, 0, D); a vertical south wall gives (phi - 90, 0, 0).
void AequivHorizontaluhr(double phi, double D, double i, double& phiStrich, double& dl, double& r);

// Cosine of the angle between the directions (azimuth a1, altitude h1) and (a2, h2).
double CosSonneNormale(double a1, double h1, double a2, double h2);

// True when the sun of declination d at true local hour h (hour angle (h - 12) * 15) stands
// in front of the plane whose normal has azimuth azNormale and altitude hoeheNormale; a sun
// that grazes the plane counts as behind it.
bool SonneVorFlaeche(double h, double phi, double d, double azNormale, double hoeheNormale);

// Working values of the search for first and last light on one plane over the year.
struct LichtKontext {
    double phi = 0;         // latitude
    double D = 0;           // plane declination
    double i = 0;           // plane inclination
    double g1 = 0;          // start of the unlit gap between two lit intervals of a day
    double g2 = 0;          // its end
    bool einIntervall = false; // the last day looked at had one lit interval only
};

// First light f and last light l (hour angles) on the plane for a day of declination d;
// KeinWert when the plane gets no sun that day. Updates the gap and the one-interval flag in k.
// A day on which the plane is lit round the clock gives the whole day from sunrise to sunset.
void LichtGrenzen(LichtKontext& k, double d, double& f, double& l);

// Earliest first light and latest last light of the sun on a plane over the year.
struct ErstesLetztesLichtErgebnis {
    double Frueh = 180;     // earliest first light, hour angle plus the time shift
    double Spaet = -180;    // latest last light, hour angle plus the time shift
    double DeklFrueh = 0;   // declination of the day of the earliest first light
    bool ZweiIntervalle = false; // the plane is lit in two intervals a day (text shows both)
    // Clock times: nine blanks, first " - " last; or, for two intervals,
    // first " - " gap start "; " gap end " - " last. Each time "hh:mm" right-aligned to 6.
    std::string Text;
};

// Earliest and latest sunlight on the plane (declination D, inclination i) at latitude phi
// over the year, with the solstice declination s.EpsRund. The shift (degrees, 15 per hour)
// is added to every time: the longitude minus the zone meridian for zone time, else 0.
// The calculation window reads the times, the sun-path diagram only the text.
ErstesLetztesLichtErgebnis ErstesLetztesLicht(const AppState& s, double phi, double D, double i,
                                              double shift);

// Messages a routine hands back for its caller to show once. The texts of the message and
// text tables named below are looked up in the current language by the caller.
enum class SonnenMeldungArt {
    AzimutAusserhalb,           // the literal text in SonnenMeldung::text; error title, stop icon
    EventuellNichtLoesbar,      // message table row 44; warning title
    ErgebnisEventuellFalsch,    // message table rows 31 and 32; problem title
    NichtLoesbar,               // message table row 24; problem title
    ZeitweiseKeinAufUntergang,  // text table row 227; warning title
};

struct SonnenMeldung {
    SonnenMeldungArt art;
    PromptTitle titel;
    PromptIcon icon;
    std::string text; // only for AzimutAusserhalb: a fixed literal, shown as it is in both languages
};

// The text of a message in the current language.
std::string SonnenMeldungText(const AppState& s, const SonnenMeldung& m);

// Clock time (zone time with the equation of time) of the day tag.monat.s.Par.Jahr at which
// the sun of the place in s.Par has azimuth A.
struct ZeitBeiAzimutErgebnis {
    bool gefunden = false;
    double Zeit = 0;  // hours
    double Hoehe = 0; // altitude of the sun at that time, degrees
    // "h:mm:ss" (hour 3 wide) followed by "  hh:mm:ss"; empty when no time was found.
    std::string Text;
    std::vector<SonnenMeldung> meldungen;
};
ZeitBeiAzimutErgebnis ZeitBeiAzimut(const AppState& s, std::int32_t tag, std::int32_t monat, double A);

// The time text of ZeitBeiAzimut: the hour 3 wide, ":", minutes and seconds with two digits
// each, then "  hh:mm:ss". Seconds that round up to a full hour carry into the hour.
std::string ZeitBeiAzimutText(double stunden);

// Hour angle H (0..180) at which the sun of declination d meets the horizon at latitude phi
// (no refraction), and the azimuth there. keinAufUntergang is set on a day on which the sun
// does not set (it stands above the horizon at H = 180); the caller may show the warning
// ZeitweiseKeinAufUntergang for it.
struct HorizontDurchgangErgebnis {
    double H = 90;
    double Azimut = 0;
    bool keinAufUntergang = false;
};
HorizontDurchgangErgebnis HorizontDurchgang(double phi, double d);

// Sunrise and sunset of day n of year jahr at 12 -+ H/15 (true local time, no refraction) and
// the sun's azimuths then; lon serves as longitude and zone meridian, so the hour angles are
// exactly -+H. Deklination is that of 12:00 zone time.
struct AufUntergangsAzimutErgebnis {
    double Deklination = 0;
    double Aufgang = 0;
    double Untergang = 0;
    double AzimutAufgang = 0;
    double AzimutUntergang = 0;
};
AufUntergangsAzimutErgebnis AufUntergangsAzimut(std::int32_t jahr, std::int32_t n, double phi, double lon);

// Hour angle and declination of the direction (azimuth A, altitude h) at latitude phi.
// Due east or west on the horizon (|A| = 90, h = 0) lies on the celestial equator: the result
// is declination 0 and hour angle -+90 with the flag sonderfall set, and the routine writes
// the line "Deklination nicht bestimmbar!" to the log when one is given.
struct StundenwinkelDekl {
    double Stundenwinkel = 0;
    double Deklination = 0;
    bool sonderfall = false;
};
StundenwinkelDekl AzHoeheZuStundenwinkelDekl(double A, double h, double phi, std::ostream* log = nullptr);

// Horizon hour angle of a day and whether the sun sets (nichtPolartag: not polar day) and
// rises (nichtPolarnacht: not polar night). H is 0 unless both hold.
struct TagNachtErgebnis {
    double H = 0;
    bool nichtPolartag = false;   // F1: the sun goes below the horizon
    bool nichtPolarnacht = false; // F2: the sun gets above the horizon
};
// For day n of s.Par.Jahr (declination at local noon of longitude lon).
TagNachtErgebnis AufUntergangStundenwinkel(const AppState& s, std::int32_t n, double lon, double phi);
// For a given declination.
TagNachtErgebnis TagNachtGrenzen(double d, double phi);

// Sunrise and sunset (hours) of day n: (s.Par.Zonenmeridian - X)/15 + 12 -+ H/15; polar day
// gives 0 and 24, polar night -1 and 0. X = s.Par.Zonenmeridian gives true local time.
void AufUntergang(const AppState& s, std::int32_t n, double X, double phi, double& aufgang, double& untergang);

// Rise and set times for the days 1, 11, 21 (rows) of the months 6..12 (columns 0..6).
struct AufUntergangTabellen {
    std::array<std::array<double, 7>, 3> AufgangTabelle{};
    std::array<std::array<double, 7>, 3> UntergangTabelle{};
};
AufUntergangTabellen AufUntergangTabelle(const AppState& s, double X, double phi);

// Azimuths at sunrise and sunset (true local time at s.Par.Breite, no equation of time) as
// [month - 1][quarter - 1], quarter k meaning day 7k - 6 (1, 8, 15, 22); the thirteenth
// month holds in its first entry the value of 1 January, so that a curve over the year closes.
struct AufUntergangAzimute {
    std::array<std::array<double, 4>, 13> AzimutAufgang{};
    std::array<std::array<double, 4>, 13> AzimutUntergang{};
};
// Only the first `viertel` quarters of each month are computed (the others stay 0): a dial that
// marks only the first days of the months needs no more.
AufUntergangAzimute AufUntergangJahr(const AppState& s, std::size_t viertel = 4);

// Declinations (taken positive) of the days whose day length is 12 + k hours, k = 1..12, at
// latitude phi; entry 0 and every entry at the equator stay 0, an entry below 1 degree is 0,
// an entry beyond s.EpsRund is KeinWert.
std::array<double, 13> DeklAufgangHalbstunden(const AppState& s, double phi);

} // namespace umbrin
