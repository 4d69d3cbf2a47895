#pragma once
// What the drawing window keeps for the run beside the shared state: the image sizes it
// scales prints by, the panels that are open, the marker flags of the mouse placement, the
// grid choice, the last mouse position, the hour points and the export choices. The window
// owns one; the engine routines of the window read and write it.
#include "dials/Zeichenumgebung.h"
#include "drawing/Stundenpunkte.h"

#include <cstdint>
#include <string>

namespace umbrin {

struct Zeichenfensterzustand {
    // Client size of the image at creation and on every resize; printing scales by it.
    std::int32_t BildBreite = 0, BildHoehe = 0;
    // Client size of the image at activation; printing tests the foot against it.
    std::int32_t AktivBreite = 0, AktivHoehe = 0;

    bool WinkelTabelleOffen = false; // the angle table is shown (printing prints it)
    bool InfoAngezeigt = false;      // the information sheet is shown
    bool InfoListeOffen = false;     // the listing is shown (a language switch rebuilds it)
    bool SchoenerAnsicht = false;    // the ring dial shows its offset-correction view
    bool FusspunktNeu = true;        // no foot marker on the image yet
    bool LegendeNeu = true;          // no legend box on the image yet
    bool MitNetz = false;            // draw the coordinate grid
    bool ZeichnungVerkleinert = false; // the mean-time information drawing was reduced
    bool ZylinderAchseGemeldet = false; // the filter-hat's shortened circumference was reported

    std::int32_t MausX = 0, MausY = 0; // last mouse position recorded on the image
    Stundenpunkte punkte;

    // Export choices kept for the next export.
    bool ListingSchreiben = false; // write the coordinate list of a planar dial
    std::string ListingZiel;       // "printer" when the list goes to the printer
    std::string ListingText;       // name of the list file
    int DxfFaktor = 1;             // the factor k of the last DXF intermediate

    // What the angle table hands to the planar construction: footer and hour-line angles.
    std::string ZifferblattText;
    StundenwinkelTabelle Stundenwinkel = leereStundenwinkelTabelle();
    double StundenwinkelMin = -180;
    double StundenwinkelMax = 180;
};

} // namespace umbrin
