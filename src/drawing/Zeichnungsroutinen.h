#pragma once
// The drawing window's table of construction routines: for each dial-type letter and
// sub-type, the routine that draws it on the screen, the one that draws it on a printed page
// and the one that writes it as a plot. Each family keeps its rows in a list of its own
// (Zeichnungszeilen.h); a letter without a row (or a row without a routine) draws, prints or
// exports nothing.
#include "core/Canvas.h"
#include "core/HPGLDatei.h"
#include "core/HPGLListe.h"
#include "core/State.h"
#include "core/UserPrompt.h"
#include "dials/Konstruktionsmeldung.h"
#include "dials/Zeichenumgebung.h"
#include "drawing/Zeichenfensterzustand.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>

namespace umbrin {

class KartenSpeicher;

// Why a construction runs; some types draw differently for some causes.
enum class Zeichenanlass {
    Sonstiges,
    Zeichnen,    // the draw button: zoom 1, no grid
    Netz,        // the grid button or menu item: grid on
    Anzeigeart,  // the A4 or A3 display mode: the planar dials stay empty
    Korrektur,   // the ring dial's correction-view button
};

// One construction on a canvas: the image (screen units, bildschirm) or a printed page
// (0.1 mm). The placement in the state is in the canvas's units while the routine runs.
struct Zeichenauftrag {
    AppState& s;
    Zeichenfensterzustand& f;
    Canvas& canvas;
    int breite = 0;   // canvas size in its units
    int hoehe = 0;
    bool bildschirm = true;
    Zeichenumgebung umgebung;
    // The printable area of a page (0.1 mm), for the routines that keep inside it.
    int druckBreite = 0;
    int druckHoehe = 0;
    // The window's prompt, for a construction that must ask before it draws (none: it goes
    // on as if answered Yes).
    UserPrompt* frage = nullptr;
    // Folder of the map files, for the constructions that read them.
    std::filesystem::path arbeitsPfad{};
    // The window's store of the read and projected map (none: read and projected afresh).
    KartenSpeicher* karten = nullptr;
};

// One plot into the open file. The placement in the state is in plotter units at 40 per
// millimetre while the routine runs (for the types that are placed).
struct Plotauftrag {
    AppState& s;
    Zeichenfensterzustand& f;
    HPGLDatei& plot;
    HPGLListe* liste = nullptr; // the coordinate list, when one is written
    UserPrompt& frage;
    std::string dateiname;      // the export file's name (the list quotes it)
    std::filesystem::path arbeitsPfad; // folder of the map files
};

// What a plot routine did: wrote its plot, or refused it with the message that says why. A
// refused plot is dropped: the file the name held stays as it was.
struct Plotergebnis {
    bool verweigert = false;
    std::string meldung;
    PromptTitle titel = PromptTitle::Achtung;
    PromptIcon symbol = PromptIcon::Warning;

    static Plotergebnis geschrieben() { return {}; }
    static Plotergebnis abgelehnt(std::string text, PromptTitle titel = PromptTitle::Achtung,
                                  PromptIcon symbol = PromptIcon::Warning)
    {
        return {true, std::move(text), titel, symbol};
    }
};

using Zeichenroutine = Konstruktionsmeldungen (*)(Zeichenauftrag&);
using Plotroutine = Plotergebnis (*)(Plotauftrag&);
// A check run before an export opens any file: the refusal's text, or empty when the dial
// can be written.
using Exportpruefung = std::string (*)(const AppState&);
// A check run once the printer is chosen, before anything is printed: the refusal's text for a
// page of breite x hoehe units of 0.1 mm, or empty. fuss: the foot where the print puts it on
// that page (the user's placement scaled as the row says).
using Seitenpruefung = std::string (*)(const AppState&, int breite, int hoehe, CanvasPoint fuss);
// The family's own words for a page the drawn page leaves: as a Seitenpruefung, told besides
// whether the page of the other orientation (quer) and an A3 page (a3) hold the drawing, as the
// print draws them.
using Seitenrat = std::string (*)(const AppState&, int breite, int hoehe, CanvasPoint fuss, bool quer, bool a3);

// How an export converts the placement from image pixels for its plot routine.
enum class PlotPlatzierung {
    Keine,        // the routine does not read the placement
    Plan,         // foot and legend to the planar page (16157 x 11038, flipped about 11040)
    Peaucellier,  // foot x to the planar page, foot y 5240
    Sawyer,       // foot to the Sawyer page (16400, flipped about 10480)
};

// How a print scales the placement from image pixels to the page.
enum class DruckPlatzierung {
    Keine,
    FussUndLegende, // foot and legend scaled to the page
    Fuss,           // foot only
    FussMitRand,    // foot scaled plus 50 each (Peaucellier and Sawyer)
};

struct Zeichnungseintrag {
    char typ = 0;
    int unterTyp = -1; // -1: every sub-type
    Zeichenroutine bildschirm = nullptr;
    Zeichenroutine druck = nullptr;
    Plotroutine plot = nullptr;
    // The second sheet of the mean-time dial (the cone), written after the dial into a file
    // of its own.
    Plotroutine zweitesBlatt = nullptr;
    PlotPlatzierung plotPlatzierung = PlotPlatzierung::Keine;
    DruckPlatzierung druckPlatzierung = DruckPlatzierung::Keine;
    Exportpruefung vorExport = nullptr;
    // What the page check cannot measure on the drawn page: a latitude or the smallest plate
    // the family refuses on paper.
    Seitenpruefung vorDruck = nullptr;
    // The family's own words for a page the drawn page leaves, where it can say what would fit
    // (empty: the page check's).
    Seitenrat seitenRat = nullptr;
};

// The pseudo letter of the ham dial's row: in ham mode (a file with the letter 'o') the
// screen and the page show the ham dial whatever type is chosen; it has no plot, so an export
// in ham mode is refused.
inline constexpr char kSchinkenZeile = '@';

// The row of the state's type and sub-type (the ring dial's sub-type 1 is its correction
// view); nullptr when the table has none.
const Zeichnungseintrag* zeichnungseintrag(const AppState& s, bool schoenerAnsicht);
// The row that draws on the screen and on paper: the ham dial's in ham mode, else the type's.
const Zeichnungseintrag* bildeintrag(const AppState& s, bool schoenerAnsicht);

// What the construction routines read besides the state: grid, screen class, page margins,
// and the angle table's footer and hour-line angles.
Zeichenumgebung zeichenumgebung(const Zeichenfensterzustand& f, bool grosserBildschirm, bool grosseFonts,
                                int druckRandX, int druckRandY);

// Draws the dial of the state on the image canvas (Konstruiere without its window parts): the
// row's screen routine, none for the A4/A3 display mode of the planar dials. Returns the
// construction's messages.
Konstruktionsmeldungen konstruiereBild(Zeichenauftrag& a, Zeichenanlass anlass);

// The foot on a page of pw x ph (0.1 mm) as the row's print puts it, from the placement on an
// image of bildBreite x bildHoehe (> 0); the state's foot for a row that does not scale it.
CanvasPoint fussAufDruckseite(const AppState& s, const Zeichnungseintrag& e, int pw, int ph, std::int32_t bildBreite,
                              std::int32_t bildHoehe);

// Draws the dial on a printed page with the placement scaled as the row says, and restores
// the placement afterwards. bildBreite, bildHoehe: the image size the placement refers to
// (> 0).
Konstruktionsmeldungen zeichneDruckseite(Zeichenauftrag& a, std::int32_t bildBreite, std::int32_t bildHoehe);
// The same with the given row.
Konstruktionsmeldungen zeichneDruckseite(Zeichenauftrag& a, const Zeichnungseintrag* e, std::int32_t bildBreite,
                                         std::int32_t bildHoehe);

} // namespace umbrin
