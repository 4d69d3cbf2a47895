#include "shell/Menue.h"

namespace umbrin {

const std::array<MenuePunkt, MenueAnzahl>& menuePunkte()
{
    static const std::array<MenuePunkt, MenueAnzahl> punkte = {{
        {"  &Datei  ", "  &Files  ", "", 0},
        {"&Sonnenuhr erstellen", "&Generate Dial (Wizard)", "Alt+F1", 1},
        {"Fenster s&chließen", "&Close all Windows", "Alt+F3", 1},
        {"Drucker &einrichten", "Printer &Setup", "", 1},
        {"&Drucken...", "&Print...", "F3", 1},
        {"&Fenster ausdrucken", "Print &Window", "", 1},
        {"&Beenden", "&Quit", "Alt+X", 1},
        {"  &Optionen ", "   &Options ", "", 0},
        {"&Geogr. Lage und Jahr", "&Reference Year and Location", "F5", 1},
        {"&Auswahl Sonnenuhrtyp", "&Type of Sundial", "F6", 1},
        {"Eingabedaten für Sonnenuhr", "&Input of Sundial Data", "F7", 1},
        {"S&tandardwerte laden", "Load &Default Values", "", 1},
        {"&INI-Datei speichern", "&Save INI-File", "Alt+F2", 1},
        {"I&NI-Datei nochmals laden", "Re&load INI-File", "Alt+F4", 1},
        {"Sonnenuhrdaten &speichern als...", "S&ave Sundial Data as...", "F2", 1},
        {"Sonnenuhrdaten &laden von...", "L&oad Sundial Data from...", "F4", 1},
        {"  &Zeichnung  ", "   &Display  ", "", 0},
        {"&Zeichnung erstellen", "&Drawing the Sundial", "F8", 1},
        {"&Format der Bildschirmanzeige wie...", "Drawing-&Format on Screen like...", "", 1},
        {"Format DIN-A&4 (Drucker)", "Format DIN-A&4 (printer)", "", 2},
        {"Format DIN-A&3 (Datei)", "Format DIN-A&3 (saved file)", "", 2},
        {"&Farbpalette für Sonnenuhren", "&Colors for Constructions", "Alt+F8", 1},
        {" &Berechnungen ", " &Calculations ", "", 0},
        {"&Auf- /Untergang von Sonne und Mond", "Rise / &Set of Sun and Moon", "F9", 1},
        {"&Sonnenstand berechnen", "&Position of Sun", "F10", 1},
        {"&Zonenzeit für gegebenes Sonnenazimut", "Standard &Time for given Sun Position", "F11", 1},
        {"Z&eitgleichung und Sonnendeklination", "Sun:  &Equation of Time (EoT) and Declination", "F12", 1},
        {"&Tabellen ...", "Tables ...", "", 1},
        {"Monatstabelle Sonne Auf-/Untergang", "Table of Rise, Set", "Alt+F9", 2},
        {"Zeitgleichung, Jahrestabelle", "Table of Equation of Time", "Alt+F12", 2},
        {"Sonnendeklination, Jahrestabelle", "Table of Sun declination", "Alt+F10", 2},
        {"Meridiandurchgang (wahrer Mittag), Jahrestabelle", "Table of Local Apparent Noon", "Alt+F11", 2},
        {"&Graph der Zeitgleichung", "Equation of Time Diagram", "Ctrl+F12", 1},
        {"S&onnenstandsdiagramme", "Sun Path Diagram", "", 1},
        {"rechtwinklige Darstellung", "Rectangular Diagram", "Ctrl+F10", 2},
        {"kreisförmige Darstellung", "Circular Diagram", "Ctrl+F11", 2},
        {"   &Hilfe", "   &Help", "", 0},
        {"&Hilfe Datei", "Show &Help File", "F1", 1},
        {"Sonnenuhr &erstellen", "&Generate Dial (Wizard)", "Alt+F1", 1},
        {"Ex&perten Modus", "Ex&pert Mode", "Ctrl+Alt+X", 1},
        {"&Sprache", "&Language", "", 1},
        {"&Deutsch", "&German", "Ctrl+D", 2},
        {"&Englisch", "&English", "Ctrl+E", 2},
        {"&Kurzanzeige Hinweise (Hints) ... ein/aus", "&Show Hints (on/off)", "", 1},
        {"&About", "&About", "", 1},
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
    const MenuePunkt& p = menuePunkte()[static_cast<std::size_t>(i)];
    return sprachspalte == 2 ? p.englisch : p.deutsch;
}

} // namespace umbrin
