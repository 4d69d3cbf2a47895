#pragma once
// The program's two integer conversions. Every piece of code that turns a real into an
// integer goes through these, so plots, tables and files agree to the last unit.
#include <cmath>
#include <cstdint>

namespace umbrin {

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
// Non-finite input gives 0; values beyond the 64-bit range are clamped.
inline std::int64_t roundHalfEven(long double x)
{
    if (!std::isfinite(x))
        return 0;
    if (x >= 9.2e18L)
        return INT64_MAX;
    if (x <= -9.2e18L)
        return INT64_MIN;
    long double r = std::nearbyint(x); // default rounding mode: to nearest, ties to even
    return static_cast<std::int64_t>(r);
}

// roundHalfEven of x held within +-grenze (at most 1e9), as an int; NaN gives 0. The same
// result with the processor's own rounding (to nearest, ties to even), for the many points of
// a map or a curve.
inline int roundHalfEvenWithin(double x, double grenze)
{
    if (std::isnan(x))
        return 0;
    return static_cast<int>(std::rint(x < -grenze ? -grenze : (x > grenze ? grenze : x)));
}

// Drops the fraction toward zero (3.9 -> 3, -3.9 -> -3). Same guards as roundHalfEven.
inline std::int64_t truncateToInt(long double x)
{
    if (!std::isfinite(x))
        return 0;
    if (x >= 9.2e18L)
        return INT64_MAX;
    if (x <= -9.2e18L)
        return INT64_MIN;
    return static_cast<std::int64_t>(std::trunc(x));
}

} // namespace umbrin
