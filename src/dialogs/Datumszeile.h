#pragma once
// The check of a stored date line ("21/03    ( 21. März )", "1/3", "01/03 "): its day and
// month must name a day of the calendar. The settings file and the date-line files keep only
// lines that pass it.
#include <cstdint>
#include <string_view>

namespace umbrin {

class UserPrompt;

// Day part: the first two characters (cut to one when the second is a blank or "/"); month
// part: the two characters after the first "/" (cut to one when the second is a blank).
// 29 February counts only in a leap year of jahr (Gregorian rule).
bool dateLineIsValid(std::string_view zeile, std::int32_t jahr);

// dateLineIsValid with the report of an invalid non-empty line ("Datum fehlerhaft!: " and the
// line, title Fehler, stop icon); an empty line fails without a report.
bool checkDateLine(std::string_view zeile, std::int32_t jahr, int sprachspalte, UserPrompt& prompt);

} // namespace umbrin
