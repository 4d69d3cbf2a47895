#include "shell/Menue.h"

#include "core/Texttabellen.h"

namespace umbrin {

const std::array<MenuePunkt, MenueAnzahl>& menuePunkte()
{
    static const std::array<MenuePunkt, MenueAnzahl> punkte = {{
        {"", 0},
        {"Alt+F1", 1},
        {"Alt+F3", 1},
        {"", 1},
        {"F3", 1},
        {"", 1},
        {"Alt+X", 1},
        {"", 0},
        {"F5", 1},
        {"F6", 1},
        {"F7", 1},
        {"", 1},
        {"Alt+F2", 1},
        {"Alt+F4", 1},
        {"F2", 1},
        {"F4", 1},
        {"", 0},
        {"F8", 1},
        {"", 1},
        {"", 2},
        {"", 2},
        {"Alt+F8", 1},
        {"", 0},
        {"F9", 1},
        {"F10", 1},
        {"F11", 1},
        {"F12", 1},
        {"", 1},
        {"Alt+F9", 2},
        {"Alt+F12", 2},
        {"Alt+F10", 2},
        {"Alt+F11", 2},
        {"Ctrl+F12", 1},
        {"", 1},
        {"Ctrl+F10", 2},
        {"Ctrl+F11", 2},
        {"", 0},
        {"F1", 1},
        {"Alt+F1", 1},
        {"Ctrl+Alt+X", 1},
        {"", 1},
        {"Ctrl+D", 2},
        {"Ctrl+E", 2},
        {"", 1},
        {"", 1},
    }};
    return punkte;
}

const std::array<PopupPunkt, 10>& optionenPopup()
{
    static const std::array<PopupPunkt, 10> punkte = {{
        {"Speichern1", "Sonnenuhrdaten speichern...", "Save Sundial Data as ..."},
        {"Laden1", "Sonnenuhrdaten laden...", "Load Sundial Data from ..."},
        {"SavDat1", "Nur Datumswerte fuer Deklinationslinien speichern", "Save only dates for selected declination lines"},
        {"LadDat1", "Nur Datumswerte fuer Deklinationslinien laden", "Load only dates for selected declination lines"},
        {"Eingabe1", "Eingabe von geographischer Lage und Jahr", "Input of Reference Year and Location"},
        {"AuswahlTyp1", "Auswahl des Sonnenuhr-Typs", "Selection of Sundial-Type"},
        {"Parameter1", "Eingabe der Sonnenuhr-Parameter", "Input of Sundial Parameters"},
        {"Sonnenuhrkonstruktion1", "Sonnenuhr-Konstruktion anzeigen", "Display of Sundial Construction"},
        {"HinweiseHintsanzeigen1", "&Hints (kleine Hinweise) anzeigen", "&Show Hints"},
        {"Schliessen1", " Schliessen", "  Close"},
    }};
    return punkte;
}

const std::array<PopupPunkt, 3>& walkPopup()
{
    static const std::array<PopupPunkt, 3> punkte = {{
        {"Weiter1", " &Weiter >", " &Next... >"},
        {"Abbruch1", " Abbru&ch", " &Cancel"},
        {"Hilfe1", " &Hilfe", " &Help"},
    }};
    return punkte;
}

std::string menueText(int i, int sprachspalte)
{
    if (i < 0 || i >= MenueAnzahl)
        return {};
    return std::string(Menue[static_cast<std::size_t>(i)].in(sprachspalte));
}

} // namespace umbrin
