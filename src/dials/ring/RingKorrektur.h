#pragma once
// The ring dial's offset-correction chart: how far a sideways turn of the ring shifts the
// light spot along the ring, for every sun altitude, against the spot's sideways offset
// relative to the ring radius; and on request the table of the turns at which the spot has
// moved sideways by one ring radius, written to the file "Schoener-Tabelle.txt".
#include "core/Canvas.h"
#include "core/State.h"
#include "dials/Konstruktionsmeldung.h"

#include <filesystem>
#include <string>

namespace umbrin {

inline constexpr const char* kSchoenerTabelle = "Schoener-Tabelle.txt";

// The table for hole angle alpha and diameter D as the file holds it (UTF-8, CR LF).
std::string schoenerTabelle(double alpha, double D);

// Draws the chart on a canvas of W x H units. With tabelleSchreiben the table is written to
// kSchoenerTabelle in the folder `ordner`: completely or not at all, a failure reported with
// the file's name, the old file kept.
Konstruktionsmeldungen zeichneRingKorrektur(const AppState& s, Canvas& c, int W, int H, bool bildschirm,
                                            bool grosserBildschirm, double alpha, double D, bool tabelleSchreiben,
                                            const std::filesystem::path& ordner);

// The chart of the state's ring on the screen image; the table, when asked for, goes to the
// current working folder.
Konstruktionsmeldungen konstruiereRingKorrektur(const AppState& s, Canvas& c, int W, int H, bool grosserBildschirm);

} // namespace umbrin
