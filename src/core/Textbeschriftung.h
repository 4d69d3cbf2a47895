#pragma once
// What a window component shows in the current language, by the kind of component and the
// text id it carries. The Qt layer walks a window and applies these answers; keeping the
// rules here lets them be checked without a display.
#include "core/State.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace umbrin {

enum class Komponentenart {
    Beschriftung,  // label, button, radio button, line edit, menu item, check box: its text
    Farbraster,    // the colour-legend grid of the palette
    Memo,          // multi-line text
    Seitenreiter,  // page control: the captions of its pages
    Fenster,       // a window: its title
    Liste,         // list box
    Auswahlliste,  // combo box
    Gruppe,        // group box
    RadioGruppe,   // radio group: caption and items
    Sonstige,
};

// The new texts of one component; a field left empty keeps what the component shows.
struct Beschriftung {
    std::optional<std::string> text;                 // caption, title or edit text
    std::optional<std::vector<std::string>> eintraege; // items, lines or page captions
    std::optional<int> auswahl;                      // selected item of a combo box
};

// The rules of the relabelling for a component with a nonzero text id, base 0 or 2000.
Beschriftung beschriftungFuer(const AppState& s, Komponentenart art, int textId, int basis);

// The twelve rows of the colour legend of the current family (slot label, meaning) and the
// heading above the grid: " Farben für " + family name + ":".
std::vector<std::pair<std::string, std::string>> farbLegendenZeilen(const AppState& s);
std::string farbLegendenUeberschrift(const AppState& s);

// Every string-table id that the relabelling rules themselves read (besides a component's
// own id), for checking that each resolves in both languages.
std::vector<int> beschriftungsRegelIds();

// The four calculation modes whose calculation-window caption the relabelling sets.
inline constexpr int RechenfensterTextId = 800;
inline constexpr int TabellenfensterTextId = 900;

} // namespace umbrin
