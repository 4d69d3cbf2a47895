#pragma once
// The checks of the calculation window's fields, free of any window: the time reader, the
// ranges of every field and the rule for the days the calendar reform dropped. The numbers
// are read as every number field's (leseRealEingabe).
#include <optional>
#include <string>
#include <string_view>

namespace umbrin {

// Ranges of the fields.
inline constexpr int JahrMin = 1300, JahrMax = 2500;
bool JahrZulaessig(int jahr);
bool MonatZulaessig(int monat);
bool TagZulaessig(int tag);
// Longitude and zone meridian: magnitude below 180 degrees.
bool LaengeZulaessig(double grad);
// Azimuth: magnitude up to 180 degrees.
bool AzimutZulaessig(double grad);
// Latitude: -90..90.
bool BreiteZulaessig(double grad);

// A clock time "h", "h:mm" or "h:mm:ss" (a blank taken as ":"), hours 0..23, minutes and
// seconds 0..59, as a fraction of the day; nothing for any other text.
std::optional<double> liesUhrzeit(std::string_view text);
// The clock text "hh:mm:ss" of a fraction of the day, to the second.
std::string Uhrzeittext(double tagesbruchteil);

// 5 to 14 October 1582 become the 15th. True when the day was changed; the caller then shows
// message 26.
bool controlGregor(int jahr, int monat, int& tag);

} // namespace umbrin
