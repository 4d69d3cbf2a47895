#pragma once
// Sign and swap helpers shared by the constructions.
#include <cstdint>
#include <utility>

namespace umbrin {

// +1 for x > 0, 0 for x = 0, -1 for x < 0.
inline int Vorzeichen(long double x)
{
    return x > 0 ? 1 : (x < 0 ? -1 : 0);
}

// +1 for x >= 0, -1 for x < 0: a zero counts as positive.
inline int VorzeichenPM(long double x)
{
    return x < 0 ? -1 : 1;
}

inline void TauscheReal(double& a, double& b)
{
    std::swap(a, b);
}

inline void TauscheInt(std::int32_t& a, std::int32_t& b)
{
    std::swap(a, b);
}

} // namespace umbrin
