#pragma once
// The picture gallery's logic: the picture buttons and their cycles, the slide-show order,
// the captions of the pictures and the slide interval. The panels in shell/ui show it.
#include "core/State.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace umbrin {

// One picture button of the gallery bar: its name, its place (buttons of a place form a cycle),
// its width and the picture it shows. Every button stands at top 25 and is 82 high.
struct Bildknopf {
    const char* name;
    int platz;
    int links;
    int breite;
    std::int32_t bild;
};

// The 26 buttons, the buttons of a place in cycle order.
std::span<const Bildknopf> bildknoepfe();
inline constexpr int BildPlaetze = 8;

// The index of the button that follows button i in its place's cycle (wrapping round).
std::size_t naechsterKnopf(std::size_t i);

// Every picture id there is: the start pictures 105, 106 and the dial pictures.
std::span<const std::int32_t> alleBildIds();
bool hatBild(std::int32_t id);

// The slide that follows id; an id outside the show's order stays.
std::int32_t naechstesDia(std::int32_t id);
inline constexpr std::int32_t ErstesDia = 1105;

// The caption of a picture in the current language (empty for an id without one); 3012 takes
// the name of 3014 without its bracketed short name, and the slide show shortens that of 3010.
std::string bildUnterschrift(const AppState& s, std::int32_t id, bool diaschau);

// The slide interval for a track-bar position (tenths of a second) and its label ("2.2 s").
int diaIntervallMs(int position);
std::string diaIntervallText(int position);

// The picture the panel shows for the current dial type, or 0 when there is none: the
// horizontal dial's 2998 has no picture, and an azimuthal dial with equal spacing has none.
std::int32_t bildDesTyps(const AppState& s);

} // namespace umbrin
