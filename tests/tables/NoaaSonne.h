#pragma once
// The sun after the equations of NOAA's solar calculator (Meeus, low precision), written
// out again for the tests so that the tables are checked against a second, independent
// theory: equation of time, declination and the zone time of solar noon.
#include <cmath>
#include <string>

namespace umbrin::test {

struct NoaaSonne {
    double deklination = 0;  // degrees
    double zeitgleichung = 0; // minutes of time
};

// Julian day of a Gregorian date at hour h universal time.
inline double noaaJulianischerTag(int jahr, int monat, int tag, double stundeUT)
{
    if (monat <= 2) {
        jahr -= 1;
        monat += 12;
    }
    const int a = jahr / 100;
    const int b = 2 - a + a / 4;
    return std::floor(365.25 * (jahr + 4716)) + std::floor(30.6001 * (monat + 1)) + tag + b - 1524.5
           + stundeUT / 24.0;
}

inline NoaaSonne noaaSonne(double jd)
{
    const double r = 3.14159265358979323846 / 180.0;
    const double t = (jd - 2451545.0) / 36525.0;
    const double l0 = std::fmod(280.46646 + t * (36000.76983 + t * 0.0003032), 360.0);
    const double m = 357.52911 + t * (35999.05029 - 0.0001537 * t);
    const double e = 0.016708634 - t * (0.000042037 + 0.0000001267 * t);
    const double c = std::sin(m * r) * (1.914602 - t * (0.004817 + 0.000014 * t))
                     + std::sin(2 * m * r) * (0.019993 - 0.000101 * t) + std::sin(3 * m * r) * 0.000289;
    const double omega = 125.04 - 1934.136 * t;
    const double lambda = l0 + c - 0.00569 - 0.00478 * std::sin(omega * r);
    const double eps0 = 23.0 + (26.0 + (21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))) / 60.0) / 60.0;
    const double eps = eps0 + 0.00256 * std::cos(omega * r);
    NoaaSonne s;
    s.deklination = std::asin(std::sin(eps * r) * std::sin(lambda * r)) / r;
    const double y = std::pow(std::tan(eps * r / 2), 2);
    s.zeitgleichung = 4.0 / r
                      * (y * std::sin(2 * l0 * r) - 2 * e * std::sin(m * r) + 4 * e * y * std::sin(m * r) * std::cos(2 * l0 * r)
                         - 0.5 * y * y * std::sin(4 * l0 * r) - 1.25 * e * e * std::sin(2 * m * r));
    return s;
}

// Zone time of solar noon in hours; longitudes and zone meridian east negative, as the
// program holds them.
inline double noaaMittag(int jahr, int monat, int tag, double laenge, double zonenmeridian)
{
    const double zone = -zonenmeridian / 15.0;
    double mittag = 12.0 - (-laenge) / 15.0 + zone; // first guess, zone time
    for (int i = 0; i < 2; ++i) {
        const double jd = noaaJulianischerTag(jahr, monat, tag, mittag - zone);
        mittag = (720.0 - 4.0 * (-laenge) - noaaSonne(jd).zeitgleichung + zone * 60.0) / 60.0;
    }
    return mittag;
}

// "hh:mm:ss" in hours.
inline double stundenAus(const std::string& hhmmss)
{
    return std::stoi(hhmmss.substr(0, 2)) + std::stoi(hhmmss.substr(3, 2)) / 60.0
           + std::stoi(hhmmss.substr(6, 2)) / 3600.0;
}

} // namespace umbrin::test
