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
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace umbrin {

// The map files of the dial as read, kept by the drawing window between drawings (it draws the
// dial again on every move and zoom) while a file stays as it was: same time of writing and
// size.
class BiazimutalKarten {
public:
    // A map with the sine and cosine of every point's latitude, in the order of the points.
    struct Karte {
        KartenLesung lesung;
        std::vector<double> sinus, kosinus;
    };
    // The map of the folder's file, kept or read now; null, with the message in fehler, when
    // it cannot be read.
    std::shared_ptr<const Karte> lies(const AppState& s, const std::filesystem::path& ordner, std::string_view name,
                                      std::string& fehler);

private:
    struct Eintrag {
        std::filesystem::path datei;
        std::filesystem::file_time_type geschrieben;
        std::uintmax_t groesse = 0;
        std::shared_ptr<const Karte> karte;
    };
    std::vector<Eintrag> gelesen_;
};

struct BiazimutalUmgebung {
    bool mitNetz = false;
    std::filesystem::path kartenOrdner; // folder of coastUmb.dat and grenzenUmb.dat
    int druckRandY = 0;
    BiazimutalKarten* karten = nullptr; // maps kept by the window (none: read for this drawing)
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
