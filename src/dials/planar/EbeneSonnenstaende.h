#pragma once
// The sun positions along the lines of a planar dial: date lines, lines of whole-hour day
// length, hour lines of true and mean time, temporal, Italian and Babylonian hours and lines of
// equal altitude. The screen construction and the plot writer take their points from here and
// only differ in how they sample and join them.
//
// X1, X2 are the plane parameters (latitude used and hours added to every time, see
// EbenenParameter); `laenge` is the longitude that sets the time of the hour lines: the zone
// meridian for true local time, the place's longitude for time at the zone meridian.
#include "core/Sonne.h"
#include "core/State.h"
#include "dials/Datumslinien.h"
#include "dials/Sonnwendazimut.h"

#include <cstdint>
#include <vector>

namespace umbrin {

struct Sonnenstand {
    double azimut = 0;
    double hoehe = 0;
    // From a Sonnenrechner that works in directions: the sun's direction (south, west, up; its
    // length is one up to rounding) stands in place of azimuth and altitude, which stay unset.
    bool alsRichtung = false;
    double sued = 0, west = 0, oben = 0;
};

// What the sun positions of one drawing share, worked out once: the sine and cosine of the
// latitude used (X1), of the last declination, and the last day's sun, which the points along
// one day's line or one declination's line reuse. Every result is that of the plain routines
// (SonnenPosition, AzimutHoehe) to the last bit.
//
// A rechner made with richtung true gives the sun's direction instead (alsRichtung), from the
// same declination and hour angle without the detour through azimuth and altitude: the screen
// goes from it straight to the shadow point. Its points agree with those of azimuth and
// altitude to rounding, not to the last bit, so the plot keeps the plain form.
class Sonnenrechner {
public:
    explicit Sonnenrechner(double X1 = 0, bool richtung = false) : phi_(X1), richtung_(richtung) {}
    double breite() const { return phi_.grad; }
    bool richtung() const { return richtung_; }
    // The sun of declination dekl at hour angle t (degrees) at the latitude X1.
    Sonnenstand azimutHoehe(double dekl, double t);
    // The same with the declination's sine and cosine given, for lines that run through the
    // same declinations one after the other.
    Sonnenstand azimutHoehe(const GradMitSinus& dekl, double t);
    // SonnenPosition of the day value in the year.
    void position(std::int32_t jahr, double tag, double& dekl, double& zeitgl);

private:
    GradMitSinus phi_;
    bool richtung_ = false;
    GradMitSinus dekl_;
    bool deklBekannt_ = false;
    std::int32_t jahr_ = 0;
    double tag_ = 0;
    bool positionBekannt_ = false;
    double positionDekl_ = 0;
    double positionZeitgl_ = 0;
};

// Date line k (0-based) of the table at clock time t (hours): in zodiac mode on the
// declination of ecliptic longitude 90 + 30 k (hour angle 15 t - 180); on 21 March and
// 23 September on the equator (a straight line); else the sun of that day without the
// equation of time.
Sonnenstand sonneDatumslinie(const AppState& s, const DatumslinienTabelle& tabelle, bool tierkreisModus, int k,
                             double t, Sonnenrechner& r, double X2, double laenge);

// Line of a whole-hour day length: the sun of declination dekl at clock time t.
Sonnenstand sonneTageslaengenlinie(double dekl, double t, Sonnenrechner& r, double X2);
Sonnenstand sonneTageslaengenlinie(double dekl, double t, double X1, double X2);

// Hour line at clock time t on day `tag`: true time (a straight line) or mean time with the
// equation of time (the figure-eight).
Sonnenstand sonneStundenlinie(const AppState& s, std::int32_t tag, double t, bool mitZeitgl, Sonnenrechner& r,
                              double X2, double laenge);
Sonnenstand sonneStundenlinie(const AppState& s, std::int32_t tag, double t, bool mitZeitgl, double X1, double X2,
                              double laenge);

// The suns of sonneStundenlinie at whole hours 0..24 on the days 1..366, each computed once
// and given again while the frame of the sun stays the same (year, zone meridian, longitude,
// the rechner's latitude and kind, X2); a new frame forgets them. The same bits as computed.
class Stundensonnen {
public:
    Sonnenstand sonne(const AppState& s, std::int32_t tag, int stunde, bool mitZeitgl, Sonnenrechner& r, double X2,
                      double laenge);

private:
    struct Rahmen {
        std::int32_t jahr = 0;
        double zonenmeridian = 0, X1 = 0, X2 = 0, laenge = 0;
        bool richtung = false;
        friend bool operator==(const Rahmen&, const Rahmen&) = default;
    };
    static constexpr int kTage = 367, kStunden = 25;
    struct Tafel {
        Rahmen rahmen;
        std::vector<Sonnenstand> sonnen; // stunde * kTage + tag
        std::vector<bool> bekannt;
    };
    Tafel tafeln_[2]; // without, with the equation of time
};

// A sun of an hour line through the store when there is one, else computed.
inline Sonnenstand stundensonne(Stundensonnen* vorrat, const AppState& s, std::int32_t tag, int stunde, bool mitZeitgl,
                                Sonnenrechner& r, double X2, double laenge)
{
    return vorrat ? vorrat->sonne(s, tag, stunde, mitZeitgl, r, X2, laenge)
                  : sonneStundenlinie(s, tag, stunde, mitZeitgl, r, X2, laenge);
}

// What the lines through one day take from it, worked out once for the many lines that visit
// the same days: the declination (with its sine and cosine) at local noon of a meridian, and
// for the temporal lines its half day arc at the place.
struct Tagessonne {
    GradMitSinus dekl;
    double h0 = 0;
};
// The day `tag` at noon of the place's longitude (temporal lines) or of the zone meridian
// (Italian and Babylonian lines).
Tagessonne tagessonneOrtszeit(const AppState& s, std::int32_t tag, Sonnenrechner& r);
Tagessonne tagessonneZonenmeridian(const AppState& s, std::int32_t tag, Sonnenrechner& r);

// Temporal hour n on day `tag`: the half day arc from the place's latitude and the declination
// at local noon, the time 12 - (6 - n) H0 / 90 in true local time.
Sonnenstand sonneTemporallinie(const AppState& s, std::int32_t tag, double n, Sonnenrechner& r, double X2);
// The same from the day's tagessonneOrtszeit.
Sonnenstand sonneTemporallinie(const AppState& s, const Tagessonne& tag, double n, Sonnenrechner& r, double X2);
// The same for a declination beyond the solstices (the extended temporal lines).
Sonnenstand sonneTemporalDekl(const AppState& s, double n, double dekl, Sonnenrechner& r, double X2);
// As above with the half day arc h0 of that declination at the place (HalberTagbogen) given,
// for lines that run through the same declinations one after the other.
Sonnenstand sonneTemporalDekl(double n, const GradMitSinus& dekl, double h0, Sonnenrechner& r, double X2);

// The sun at true local time `zeit` of day `tag` (Italian and Babylonian lines).
Sonnenstand sonneWahreOrtszeit(const AppState& s, std::int32_t tag, double zeit, Sonnenrechner& r, double X2);
// The same from the day's tagessonneZonenmeridian.
Sonnenstand sonneWahreOrtszeit(const AppState& s, const Tagessonne& tag, double zeit, Sonnenrechner& r, double X2);

// A point of a line of equal altitude: the sun at azimuth `azimut` and altitude `hoehe` at the
// place. For the plain inclining dial (aequivalent) it is carried over to the equivalent
// horizontal dial through hour angle and declination.
Sonnenstand sonneHoehenlinie(const AppState& s, double azimut, double hoehe, bool aequivalent, Sonnenrechner& r,
                             double X2);

// Azimuth ranges (degrees, von < bis) over which the line of altitude h runs, from the
// solstice azimuths: one range from the summer morning to the summer evening when the winter
// sun does not reach h, else one before and one after noon; the full circle when the sun stays
// above h; none when h is never reached.
struct Azimutbereich {
    double von = 0;
    double bis = 0;
};
std::vector<Azimutbereich> hoehenlinienBereiche(const AppState& s, double h);
// The same with the solstice search of the place's latitude magnitude shared by the altitudes.
std::vector<Azimutbereich> hoehenlinienBereiche(const AppState& s, double h, Sonnwendsuche& suche);

// Lines per hour of an interval code "0".."5" (" 60 min" .. " 10 min"): 1, 2, 3, 4, 6, 6.
int stundenUnterteilung(char intervall);

// Days of the month marked on the figure-eight, by Schalter.AnalemmaMarken: 0 the 1st;
// 1 the 1st and 15th; 2 the 7th and 22nd; 3 the 1st, 11th and 21st; 4 the 1st, 8th, 15th, 22nd.
std::vector<int> analemmaMarkenTage(int auswahl);

// Italian and Babylonian lines need a rising and setting sun: refused beyond this latitude.
inline constexpr double ItalBabylGrenzbreite = 65;
// Temporal lines likewise.
inline constexpr double TemporalGrenzbreite = 66;

} // namespace umbrin
