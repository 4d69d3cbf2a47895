#pragma once
// Calendar, sun position and equation of time.
//
// Angles are in degrees, times in hours. A day value is the day of the year (1 = 1 January)
// plus a fraction, a whole number standing for 12:00 universal time. The equation of time is
// in degrees (times 4 gives minutes, positive when true solar time is ahead of mean time).
// Hour angles count from the meridian, negative before true noon. Azimuths count from south,
// west positive, east negative, within -180..+180. Longitudes and zone meridians are east
// negative.
#include "core/State.h"

#include <cstdint>
#include <string>

namespace umbrin {

// Julian day number of 12:00 of the date (a whole number). Julian calendar before
// 15 October 1582, Gregorian from then; the days 5..14 October 1582 map to the 15th.
double JulianischerTag(std::int32_t tag, std::int32_t monat, std::int32_t jahr);

// Day of the year; 29 February counts by the Gregorian rule in every year.
std::int32_t TagImJahr(std::int32_t jahr, std::int32_t monat, std::int32_t tag);

// "21. Mar": day and month abbreviation (current language) of day n of s.Par.Jahr.
std::string DatumAusTag(const AppState& s, std::int32_t n);

// lo <= x <= hi.
inline bool ImBereich(double x, double lo, double hi) { return lo <= x && x <= hi; }

// Altitude and azimuth of a body of declination d at hour angle t for latitude phi.
void AzimutHoehe(double& hoehe, double& azimut, double phi, double d, double t);

// An angle in degrees with its sine and cosine, worked out once for many uses.
struct GradMitSinus {
    double grad = 0;
    double sin = 0;
    double cos = 1;
    GradMitSinus() = default;
    explicit GradMitSinus(double g);
};
// The same with the sines of latitude and declination given: for the many hour angles of
// one latitude and one day. The result is that of the plain form to the last bit.
void AzimutHoehe(double& hoehe, double& azimut, const GradMitSinus& phi, const GradMitSinus& d, double t);
// The altitude alone, as AzimutHoehe gives it, for searches that need no azimuth.
double SonnenHoehe(const GradMitSinus& phi, const GradMitSinus& d, double t);

// Obliquity of the year (s.Eps), rounded to 0.01 (s.EpsRund), the 37 declinations at ecliptic
// longitude 90 + 5k (s.DeklTabelle) and the zodiac-entry declinations (s.TierkreisDekl).
void SchiefeUndTierkreis(AppState& s, std::int32_t jahr);

// Sine and cosine of the apparent obliquity of a sun position (AppState keeps the last ones
// in SinEpsApp / CosEpsApp where a caller wants them).
struct SchiefeApp {
    double sinEps = 0;
    double cosEps = 1;
};

// An angle stepped by 360 into 0..360, as the sun's series take their mean angles: steps down
// while above 360 (a positive multiple of 360 ends at 360), steps up while below 0. Beyond a
// million degrees the remainder is taken first; a value that is not finite gives 0.
double reduziere360(double x);

// Declination and equation of time (both degrees) for a day value of the year. Allocates
// nothing: it runs for every point of every line of a dial.
void SonnenPosition(std::int32_t jahr, double& dekl, double& zeitgl, double tag, SchiefeApp* app = nullptr);

// Sun at a clock time (zone time) of day n: altitude, azimuth, declination, equation of
// time. wahreZeit adds the equation of time to the hour angle (true solar time).
void SonnenstandZonenzeit(std::int32_t jahr, std::int32_t n, double& hoehe, double uhrzeit, double phi,
                          double laenge, double zonenmeridian, double& azimut, double& dekl, double& zeitgl,
                          bool wahreZeit);
// The same with the latitude's sine and cosine worked out once, to the last bit.
void SonnenstandZonenzeit(std::int32_t jahr, std::int32_t n, double& hoehe, double uhrzeit, const GradMitSinus& phi,
                          double laenge, double zonenmeridian, double& azimut, double& dekl, double& zeitgl,
                          bool wahreZeit);
// As SonnenstandZonenzeit, with declination and equation of time of 12:00 zone time.
void SonnenstandOrtszeit(std::int32_t jahr, std::int32_t n, double& hoehe, double uhrzeit, double phi,
                         double laenge, double zonenmeridian, double& azimut, double& dekl, double& zeitgl,
                         bool wahreZeit);
// Altitude and azimuth at a clock time for a given declination, without equation of time.
void SonnenstandStundenwinkel(double& hoehe, double& azimut, double uhrzeit, double phi, double laenge,
                              double zonenmeridian, double dekl);

// Equation-of-time table from orbital elements of the year: records 0..n of s.EoTTabelle,
// then all 361 records copied into s.EoTTabelle3. n outside 1..360 is clamped into it.
void EoTTabelleBahn(AppState& s, std::int32_t n, std::int32_t jahr);

// Minutes-and-seconds text: -75 gives "-1:15", 5 gives "0:05".
std::string SekStr(std::int32_t sekunden);

// Declination (degrees, to 0.001) at an ecliptic longitude for the obliquity eps.
double DeklRund(double laenge, double eps);

} // namespace umbrin
