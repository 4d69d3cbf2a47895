#pragma once
// The computations of the calculation window for one date and the place of s.Par: rise and
// set of sun, twilight and moon; the sun's position at a clock time; the zone time at which
// the sun reaches an azimuth; equation of time and declination at 12:00 zone time. Each
// appends its fixed-width result lines (as they are shown and printed) and returns the
// values the window's labels show.
#include "core/SonneEbene.h"
#include "core/State.h"

#include <string>
#include <vector>

namespace umbrin {

// The date of a computation: day and month of the year s.Par.Jahr.
struct Rechendatum {
    int monat = 1;
    int tag = 1;
};

// "  " and 76 underscores: the line that opens and closes every result block.
std::string Trennlinie();

// The start of a result block: a blank line, the separator, a blank line, then the date and
// place lines and one blank line.
void Kopfzeilen(const AppState& s, const Rechendatum& datum, std::vector<std::string>& zeilen);

// Equation of time and declination (degrees) of 12:00 zone time of the date.
struct Tageswerte {
    double Deklination = 0;
    double Zeitgleichung = 0;
};
Tageswerte TageswerteMittag(const AppState& s, const Rechendatum& datum);

// Mode 8: the declination and equation-of-time lines and "values for 12 h zone time".
Tageswerte ZeitgleichungUndDeklination(const AppState& s, const Rechendatum& datum, std::vector<std::string>& zeilen);

// The day's rise and set of sun, twilight and moon. Sets s.sinh0 for s.Schalter.Daemmerung.
// Texts carry " hh:min" when both events of their object are clock times.
struct TagesAufUntergangErgebnis {
    std::string Aufgang, Untergang;     // sun
    std::string Anfang, Ende;           // twilight begins (morning) and ends (evening)
    std::string Mondauf, Monduntergang; // moon
    std::string Daemmerungsart;         // name of the twilight kind
};
TagesAufUntergangErgebnis TagesAufUntergang(AppState& s, const Rechendatum& datum, std::vector<std::string>& zeilen);

// Mode 1: the declination and equation-of-time line, then TagesAufUntergang.
struct AufUntergangErgebnis {
    Tageswerte werte;
    TagesAufUntergangErgebnis tag;
};
AufUntergangErgebnis AufUntergangRechnen(AppState& s, const Rechendatum& datum, std::vector<std::string>& zeilen);

// Mode 2: the sun at clock time `stunden` read as local apparent time (zeitart 0), local mean
// time (1) or zone time (2). zeittext is the time as the field shows it.
struct SonnenstandErgebnis {
    double Hoehe = 0;
    double Azimut = 0;
    double Zeitgleichung = 0;
    double Deklination = 0; // rounded to 0.01
};
SonnenstandErgebnis SonnenstandFuerZeit(const AppState& s, const Rechendatum& datum, double stunden, int zeitart,
                                        const std::string& zeittext, std::vector<std::string>& zeilen);

// Mode 4: the zone time at which the sun reaches azimuth A (from south, west positive) and
// its altitude then. A day on which no time is found says so and has no altitude line; a
// time at or past midnight belongs to the next day and is no time of this one.
struct AzimutZeitErgebnis {
    bool gefunden = false;
    std::string Zeittext; // as ZeitBeiAzimut gives it
    double Hoehe = 0;
    std::vector<SonnenMeldung> meldungen;
};
AzimutZeitErgebnis ZeitFuerAzimut(const AppState& s, const Rechendatum& datum, double azimut,
                                  std::vector<std::string>& zeilen);

// The printed form of ZeitBeiAzimut's time text: its blanks removed, one blank before the
// closing unit "hh:mm:ss" ("  9:05:03  hh:mm:ss" gives "9:05:03 hh:mm:ss").
std::string Druckzeit(const std::string& zeittext);

// The text of a result block as it goes to the printer: the lines, each ended by CR LF.
std::string ErgebnisText(const std::vector<std::string>& zeilen);

} // namespace umbrin
