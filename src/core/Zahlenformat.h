#pragma once
// Numbers to text. Every real reaches a listing, table, label or plot text through RealStr,
// always with "." as decimal separator and never through the process locale.
#include <cstdint>
#include <string>

namespace umbrin {

// x with d decimals, right-aligned in w characters; a longer text is not cut. The decimal
// value is rounded half away from zero (0.875 with two decimals gives "0.88"), and a value
// that rounds to zero has no minus sign. With d = 0 no point is written.
// d > w is a caller's fault: the result is empty and fehler is set, so that the caller can
// report it once (message 25 of the message table); the formatter itself never asks the user.
std::string RealStr(long double x, int w, int d, bool& fehler);
// The same without the error report: d > w gives the empty text.
std::string RealStr(long double x, int w, int d);

// RealStr(zehntel / 10, w, 1) of a whole number of tenths, the same text written directly:
// tables write one for each of their hundreds of records.
std::string ZehntelStr(std::int64_t zehntel, int w);

// The plain decimal text of n ("-12", "0").
std::string IntStr(std::int64_t n);

// Integer text of a plotter coordinate: |x| beyond 217000000 is clamped to that bound, then
// the value is rounded to the nearest integer, halves to the even neighbour.
std::string KoordStr(long double x);

// Minutes and seconds of time ("m:ss", right-aligned to 6 characters) of an angle in
// degrees, as the equation of time is held: 0.75 gives "  3:00", -0.125 gives " -0:30".
std::string MinSekStr(long double grad);

// Clock text of a time in hours, rounded to the minute: the hour right-aligned in 3
// characters, ":" and the minutes with two digits (6.5 gives "  6:30").
std::string ZeitHHMM(long double stunden);

// The decimal text of n with blanks in front up to width w.
std::string ZahlRechtsbuendig(std::int64_t n, int w);

} // namespace umbrin
