#pragma once
// Trigonometry in degrees, for the constructions' inner loops: plain double arithmetic.
#include "core/State.h"

#include <cmath>

namespace umbrin {

inline constexpr double kRad = static_cast<double>(rad); // degrees to radians as a double

inline double SinGrad(double x) { return std::sin(x * kRad); }
inline double CosGrad(double x) { return std::cos(x * kRad); }
// Radians to degrees.
inline double InGrad(double radiant) { return radiant / kRad; }

} // namespace umbrin
