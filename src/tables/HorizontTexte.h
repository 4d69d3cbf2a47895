#pragma once
// The texts the profile computation shows: the announcement before the run, the report after
// it with the question for missing neighbour tiles, and the names of the sides and corners.
#include "tables/Hoehengitter.h"

#include <cstdint>
#include <string>
#include <vector>

namespace umbrin {

// Neighbour tiles by code: 1 north, 2 east, 3 south, 4 west, 12 north-east, 14 north-west,
// 23 south-east, 34 south-west.
inline constexpr int kNachbarReihenfolge[8] = {1, 2, 3, 4, 14, 12, 23, 34};

// "Nord", "Ost-..." by code, in the current language.
std::string nachbarName(int code, int sprachspalte);

// The announcement: place, range and interval of the tile, the point count and the missing
// sides and corners.
std::string ankuendigungText(long double phi, long double lambda, const Kachelkopf& kopf,
                             const std::vector<int>& fehlende, int sprachspalte);

// "Horizontprofil erstellt! ..." with the ground height; with tiles missing, the question
// whether to load them now.
std::string fertigText(std::int32_t bodenhoehe, const std::vector<int>& fehlende, int sprachspalte);

} // namespace umbrin
