#pragma once
// Writing the dial of the drawing window into a file: an HPGL plot, or a DXF drawing made
// from a temporary plot by the converter. The placement is converted from image pixels to
// plotter units for the plot routine; the coordinate list of a planar dial goes beside the
// plot or to the printer; the mean-time dial writes its cone onto a second sheet.
#include "core/HPGLListe.h"
#include "core/State.h"
#include "core/UserPrompt.h"
#include "drawing/Auftragsschutz.h"
#include "drawing/Zeichenfensterzustand.h"
#include "drawing/Zeichnungsroutinen.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace umbrin {

struct ExportAuftrag {
    std::filesystem::path datei;     // the file the user chose
    std::int32_t bildBreite = 0;     // client size of the image the placement refers to
    std::int32_t bildHoehe = 0;
    std::filesystem::path arbeitsPfad; // folder of the map files
    // Opens the coordinate list on the printer; false with a message when it cannot.
    std::function<std::unique_ptr<HPGLListe>(std::string& fehler)> druckerListe;
};

// The messages of a type that has no plot or print form (the ham dial has no plot).
std::string keinExportText(const AppState& s);
std::string keinDruckText(const AppState& s);
// The refusal for an image of no size (a minimised window).
std::string keineBildgroesseText(const AppState& s);

// Writes the plot (s.AlsHPGL) or the DXF file of the row. Everything the user is told goes
// through frage: the refusal of a type without a plot form (and of the ham dial, which is
// what the screen shows in ham mode) or by the row's pre-export check
// (no file is made), a refusal by the plot routine (the plot is dropped and the file the name
// held stays as it was), the map and
// grid questions of the plot routine, a write failure naming the file, the saved report or
// the converter's result. The guard restores the placement, removes the temporary plot and,
// when the export fails, the files it had begun; the export marks it successful when it
// reached its end. True when every file was written.
bool exportiereZeichnung(AppState& s, Zeichenfensterzustand& f, UserPrompt& frage, const Zeichnungseintrag* eintrag,
                         const ExportAuftrag& a, Auftragsschutz& schutz);

} // namespace umbrin
