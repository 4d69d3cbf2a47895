#pragma once
// The legend lines of the mean-time dial with a cone, shared by its drawing, its plot, its
// graph and its information drawing. Texts in the state's language.
#include "core/State.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace umbrin {

// Characters von (1-based) to bis of a text, counted in characters, not bytes.
std::string kegelZeichen(std::string_view text, int von, int bis);

// " Sonnenuhr für mittlere Zeit (Ortszeit)": the dial's name and its time.
std::string kegelTitel(const AppState& s);
// "Geogr. Breite =  47.25 Grad, Geogr. Länge =  -9.59 Grad".
std::string kegelOrtZeile(const AppState& s);
// The plane (ebene mod 3) with its declination and, inclining, its inclination; the plane's
// name alone for a horizontal dial.
std::string kegelEbeneZeile(const AppState& s, std::uint8_t ebene);
// "Kegelachse: Länge= 35.00; Achsenneigung= 47.25" for the axis length L (mm).
std::string kegelAchsenZeile(const AppState& s, double L);
// "Halber Oeffnungswinkel an Kegelspitze: 12.00".
std::string kegelOeffnungZeile(const AppState& s);

} // namespace umbrin
