#pragma once
// The sun by the astronomical almanac's low-precision formulas (good to about a hundredth of a
// degree between 1950 and 2050), written out here so that label and date tests know where the
// sun stands without asking the program's own sun routine.
#include <cmath>

namespace umbrin::test {

struct Almanachsonne {
    double laenge;      // apparent ecliptic longitude, degrees 0..360
    double deklination; // degrees
};

// n: days from 1 January 2000, 12 h UT (fractions allowed).
inline Almanachsonne almanachsonne(double n)
{
    constexpr double grad = M_PI / 180;
    const double L = 280.460 + 0.9856474 * n, g = (357.528 + 0.9856003 * n) * grad;
    const double lambda = std::fmod(std::fmod(L + 1.915 * std::sin(g) + 0.020 * std::sin(2 * g), 360.0) + 360.0, 360.0);
    const double eps = 23.439 - 0.0000004 * n;
    return {lambda, std::asin(std::sin(eps * grad) * std::sin(lambda * grad)) / grad};
}

// Days from 1 January 2000, 12 h UT, to 12 h UT of a day of the Gregorian calendar.
inline double almanachTage(int jahr, int monat, int tag)
{
    if (monat <= 2) {
        jahr -= 1;
        monat += 12;
    }
    const int a = jahr / 100, b = 2 - a + a / 4;
    return std::floor(365.25 * (jahr + 4716)) + std::floor(30.6001 * (monat + 1)) + tag + b - 1524.0 - 2451545.0;
}

} // namespace umbrin::test
