#pragma once
// Numbers to text. Every real reaches a listing, table, label or plot text through RealStr,
// always with "." as decimal separator whatever the process locale.
#include <string>

namespace umbrin {

// x with d decimals, rounded half away from zero, right-aligned in w characters (a longer
// text is not cut). d > w is a caller's fault: the result is empty.
std::string RealStr(long double x, int w, int d);

} // namespace umbrin
