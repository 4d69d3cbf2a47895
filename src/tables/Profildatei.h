#pragma once
// Horizon-profile files (".ele"): three header lines (latitude, longitude with east positive,
// the point count with a description of the place), then 720 lines of azimuth, elevation,
// distance and object height. Numbers are written with a decimal comma; lines end in CR LF;
// the file is Windows-1252.
#include "core/Horizontprofil.h"
#include "core/State.h"
#include "core/UserPrompt.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace umbrin {

// x rounded to at most `stellen` significant digits and shown with exactly `dezimalen`
// decimals, with a decimal comma ("47,5000000000").
std::string profilZahl(long double x, int stellen, int dezimalen);

// What the header of a written profile says about the computation.
struct ProfilKopf {
    double breite = 0;            // latitude of the centre, south negative
    double laengeOst = 0;         // longitude of the centre, EAST POSITIVE as the file holds it
    std::int32_t bodenhoehe = 0;  // ground height at the centre, metres
    std::int32_t podesthoehe = 0;
    std::int32_t mindestabstand = 0;
};

// The lines of the profile file (UTF-8, without line ends).
std::vector<std::string> profilZeilen(const Horizontprofil& profil, const ProfilKopf& kopf, int sprachspalte);

// Writes the lines with CR LF in Windows-1252 through a temporary file. False with a message
// naming the file (in German or English) when anything failed; the old file then stays as it was.
bool speichereHorizontprofil(const std::filesystem::path& datei, const std::vector<std::string>& zeilen,
                             std::string& fehler, bool deutsch = true);

// Result of reading a profile file's text. Only a whole valid file gives ok; then every field
// is filled. Otherwise fehler names the file and the faulty line.
struct Profillesung {
    bool ok = false;
    double breite = 0;
    double laenge = 0;            // east negative, as the program holds longitudes
    Horizontprofil profil = leeresHorizontprofil();
    std::string info;             // the third line from its 43rd character, TABs as blanks
    std::string fehler;
};

Profillesung leseHorizontprofilText(std::string_view bytes, std::string_view dateiname, int sprachspalte);

// Reads a profile file into s.Horizont and sets ProfilInfo and HorizontGeladen; breite and
// laenge receive the place stored in the file. A missing file is asked about and never read;
// a faulty file is reported with its line and changes nothing. True when the profile was taken.
bool liesHorizontprofil(AppState& s, UserPrompt& prompt, const std::string& datei, double& breite, double& laenge);

// After a profile was read: when its place differs from Par (by more than 1e-9 degrees)
// message 70 is shown and Par takes the file's place. True when the place changed.
bool uebernimmProfilOrt(AppState& s, UserPrompt& prompt, double breite, double laenge);

// Both in turn, as the parameter dialog loads a profile: true when the profile was taken;
// ortNeu tells whether Par moved to the file's place.
bool liesHorizontprofilMitOrt(AppState& s, UserPrompt& prompt, const std::string& datei, bool& ortNeu);

} // namespace umbrin
