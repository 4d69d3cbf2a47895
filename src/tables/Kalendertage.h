#pragma once
// The calendar rules of the solar tables: which years are leap years, how long a month is,
// and the ten days of October 1582 that the change to the Gregorian calendar dropped.
namespace umbrin {

// A leap year: divisible by 400, or divisible by 4 and either not by 100 or 1590 or earlier
// (the Julian rule of the years around the calendar reform).
bool Schaltjahr(int jahr);

// Days of month 1..12 of the year (February 28 or 29).
int TageImMonat(int jahr, int monat);

// 5 to 14 October 1582: dates that never existed.
bool Entfallen1582(int jahr, int monat, int tag);

} // namespace umbrin
