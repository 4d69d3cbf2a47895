#pragma once
// The colour palette's logic: the twelve colour slots, their sample lines, and saving and
// loading the "[Farben]" section of the settings file. Slots are numbered 1 to 12 here, as
// the palette shows them; slot k is Farben[k - 1].
#include "core/State.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace umbrin {

inline constexpr int FarbSlots = 12;

// The y of slot k's sample line on a sample image bildHoehe pixels high.
int musterLinieY(int bildHoehe, int slot);

// Sets slot k to a newly chosen colour. The mean-time families (TypBasis above 60) draw slot 12
// in the colour of slot 10, so choosing slot 10 sets both.
void waehleFarbe(AppState& s, int slot, Farbe farbe);

// Puts the twelve colours after the first "[Farben]" line of zeilen: up to twelve lines there
// are replaced (stopping early at "[Zeiten]"); further lines of an overlong section stay.
// False, and zeilen unchanged, when there is no "[Farben]" line.
bool setzeFarbAbschnitt(std::vector<std::string>& zeilen, const std::array<Farbe, 12>& farben);

// What the section of a settings text holds: a value per slot (empty where the line is empty
// or the section ends early), or the first line that is no colour.
struct FarbAbschnitt {
    bool gefunden = false;
    std::array<std::optional<Farbe>, 12> werte{};
    std::optional<int> falscheZeile; // line number in the file, from 1
    std::string falscherText;
};
// Reads at most twelve lines after "[Farben]" (sought among all lines but the last), up to
// "[Zeiten]" or the end of the text.
FarbAbschnitt leseFarbAbschnitt(const std::vector<std::string>& zeilen);

enum class FarbDateiStatus { Ok, DateiFehlt, OhneAbschnitt, KeineFarbe, Fehler };

// The outcome of a save or load, with the message text to show in the current language.
struct FarbDateiErgebnis {
    FarbDateiStatus status = FarbDateiStatus::Ok;
    std::string meldung;
};

// Writes the current colours into s.IniDatei through a temporary file; the old file stays as it
// was on every failure.
FarbDateiErgebnis farbSave(const AppState& s);

// "Farben laden" (mitDatei) or "Farben reset": reset sets the defaults and only reads the file;
// loading applies the section's values only when every line of it is a colour. A missing file
// gives the defaults.
FarbDateiErgebnis FarbLoad(AppState& s, bool mitDatei);

} // namespace umbrin
