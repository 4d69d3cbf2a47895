#pragma once
// The sun at unequal hours: temporal hours (the day from sunrise to sunset in twelve parts),
// Italian hours (counted from the previous sunset) and Babylonian hours (counted from
// sunrise). Angles in degrees, times in hours, azimuths from south, west positive.
#include "core/Sonne.h"

#include <cstdint>

namespace umbrin {

// Half the day arc (hour angle of sunset, degrees, 0..180) for a latitude and a declination.
// Where the sun neither rises nor sets it is the nearest valid value: 180 in polar day, 0 in
// polar night.
double HalberTagbogen(double breite, double dekl);
// The same from the sines and cosines of latitude and declination, to the last bit.
double HalberTagbogen(const GradMitSinus& breite, const GradMitSinus& dekl);

// The sun at temporal hour n (0 sunrise, 6 true noon, 12 sunset; clamped to 0..12) of a day of
// the year: the day's declination is taken at 12.0 local time of the longitude L (which serves
// as both longitude and zone meridian, so the hour angle is 15 (t - 12) exactly), without the
// equation of time.
void sonneTemporalStunde(std::int32_t jahr, std::int32_t tag, double n, double L, double breite, double& hoehe,
                         double& azimut);

// The same for a given declination: hour angle (n - 6) H0 / 6.
void sonneTemporalStundeDekl(double n, double breite, double dekl, double& hoehe, double& azimut);
// The same with the sines of latitude and declination worked out once, to the last bit.
void sonneTemporalStundeDekl(double n, const GradMitSinus& breite, const GradMitSinus& dekl, double& hoehe,
                             double& azimut);

// The sun at Babylonian hour n (hours after sunrise, less 24) or Italian hour n (hours after
// the previous sunset); n is clamped to 0..24.
void sonneItalBabylStunde(std::int32_t jahr, std::int32_t tag, bool babylonisch, double n, double L,
                          double breite, double& hoehe, double& azimut);

// What the unequal hours of one day share: the day's declination (at noon local time of the
// meridian L) and half its day arc, worked out once for all the hour lines crossing that day.
struct UngleicherTag {
    GradMitSinus dekl;
    double halbbogen = 0; // degrees
    double L = 0;
};
UngleicherTag ungleicherTag(std::int32_t jahr, std::int32_t tag, double L, const GradMitSinus& breite);
// sonneTemporalStunde and sonneItalBabylStunde on a day worked out before, to the last bit.
void sonneTemporalStunde(const UngleicherTag& tag, double n, const GradMitSinus& breite, double& hoehe,
                         double& azimut);
void sonneItalBabylStunde(const UngleicherTag& tag, bool babylonisch, double n, const GradMitSinus& breite,
                          double& hoehe, double& azimut);

} // namespace umbrin
