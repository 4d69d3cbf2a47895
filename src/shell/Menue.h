#pragma once
// The main menu's structure: 45 items in menu order with their shortcuts and levels. The
// captions of both languages are the text table `Menue`.
#include <array>
#include <string>

namespace umbrin {

struct MenuePunkt {
    const char* taste; // shortcut in Qt's notation, empty when none
    int ebene;         // 0 top-level menu, 1 item, 2 item of a sub-menu
};

inline constexpr int MenueAnzahl = 45;

// Items in menu order; index = position in the caption tables.
const std::array<MenuePunkt, MenueAnzahl>& menuePunkte();

// Caption of item i in the language column (1 German, 2 English).
std::string menueText(int i, int sprachspalte);

// The option pop-up (the main window's default pop-up) and the walk pop-up, in order.
struct PopupPunkt {
    const char* name; // the item's name, as the commands refer to it
    const char* deutsch;
    const char* englisch;
};
const std::array<PopupPunkt, 10>& optionenPopup();
const std::array<PopupPunkt, 3>& walkPopup();

// Index constants of the items the shell refers to.
namespace menue {
inline constexpr int Datei = 0, SonnenuhrErstellen = 1, FensterSchliessen = 2, DruckerEinrichten = 3,
                     Drucken = 4, FensterAusdrucken = 5, Beenden = 6, Optionen = 7, GeoLage = 8,
                     AuswahlTyp = 9, Eingabedaten = 10, StandardwerteLaden = 11, IniSpeichern = 12,
                     IniLaden = 13, DatenSpeichern = 14, DatenLaden = 15, Zeichnung = 16,
                     ZeichnungErstellen = 17, Format = 18, FormatA4 = 19, FormatA3 = 20, Farbpalette = 21,
                     Berechnungen = 22, AufUntergang = 23, Sonnenstand = 24, Zonenzeit = 25, Zeitgleichung = 26,
                     Tabellen = 27, Monatstabelle = 28, ZeitgleichungTabelle = 29, DeklinationTabelle = 30,
                     MeridianTabelle = 31, GraphZeitgleichung = 32, Sonnenstandsdiagramme = 33, Rechtwinklig = 34,
                     Kreisfoermig = 35, Hilfe = 36, HilfeDatei = 37, SonnenuhrErstellen2 = 38, Expertenmodus = 39,
                     Sprache = 40, Deutsch = 41, Englisch = 42, Hinweise = 43, About = 44;
}

} // namespace umbrin
