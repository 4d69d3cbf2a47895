#pragma once
// The biazimuthal dial ('c') on a canvas (the drawing window's image or a printed page in
// 0.1 mm) and as a plot. The projection centre's image is the foot (FusspunktX, FusspunktY)
// of the state, in the units of the output.
#include "core/Canvas.h"
#include "core/HPGLDatei.h"
#include "core/State.h"
#include "core/UserPrompt.h"
#include "dials/Konstruktionsmeldung.h"
#include "dials/KartenLeser.h"

#include <filesystem>
#include <string>

namespace umbrin {

struct BiazimutalUmgebung {
    bool mitNetz = false;
    std::filesystem::path kartenOrdner; // folder of coastUmb.dat and grenzenUmb.dat
    int druckRandY = 0;
};

// Draws the dial on a canvas of breite x hoehe units (bildschirm: pixels, else 0.1 mm) at the
// zoom. Returns its messages: places too far apart, a centre without scale, a missing map
// file, map lines that did not read (once per file).
Konstruktionsmeldungen zeichneBiazimutal(const AppState& s, Canvas& canvas, int breite, int hoehe, bool bildschirm,
                                         double zoom, const BiazimutalUmgebung& umgebung);

// Why the dial cannot be written (places more than 160 degrees apart), or empty: checked
// before an export opens its file.
std::string biazimutalVerweigerung(const AppState& s);

// Writes the dial into the open plot (k = 1 for a plot file, 25 for the DXF intermediate)
// with the foot and legend of the state in plotter units (y up, k not applied); raster is the
// grid's mesh in millimetres (0: none). The map reader's messages are added to meldungen.
// False, with nothing written, when the places lie too far apart (biazimutalVerweigerung).
bool schreibeHPGL_Biazimutal(const AppState& s, HPGLDatei& plot, bool alsHPGL, int raster,
                             const std::filesystem::path& kartenOrdner, Konstruktionsmeldungen& meldungen);

// Reads a map file of the folder (its name compared without regard to case). False, with
// the message "Datei <name> wurde deaktiviert!" or the reader's, when it cannot be read.
bool leseBiazimutalKarte(const AppState& s, const std::filesystem::path& ordner, std::string_view name,
                         KartenLesung& lesung, std::string& fehler);

} // namespace umbrin
