#include "tables/ui/Tabellenfenstertexte.h"

#include <array>

namespace umbrin {
namespace {

struct Text {
    const char* name;
    const char* deutsch;
    const char* englisch;
};

constexpr std::array<Text, 27> kTexte = {{
    {"BitBtnPrtT", " &Drucken", " &Print"},
    {"BitBtnprint", " &Drucken", " &Print"},
    {"BitBtnSav", "Tabelle &speichern", "&Save Table"},
    {"BitBtnSchliessen", " S&chließen", "  &Close"},
    {"BitBtnSchliessenGrafik", " S&chließen", "  &Close"},
    {"BitBtnHPG", "als &HPGL ...", "save as &HPGL ..."},
    {"BitBtndxf", "als &dxf ...", "Save as &dxf ..."},
    {"Button3", "Grafik Regeneration", "Regenerate Graphics"},
    {"ImageInfo", "Die Fenstergröße hat sich geändert: die Grafik mit \"Grafik Regeneration\" neu zeichnen.",
     "The window size has changed: redraw the graph with \"Regenerate Graphics\"."},
    {"btnOK", "O&k", "O&k"},
    {"Label5", "y-Faktor", "y factor"},
    {"LabelBreite", "Geogr. &Breite", "Latit&ude"},
    {"LabelAbweichung", "&Wandabweichung", "Wall &Declination"},
    {"LabelInklination", "&Inklination [vert.= 90]", "&Inclination [vert.= 90]"},
    {"LabelLaenge", "Geogr. &Länge", "&Longitude"},
    {"Drucken1", "Drucken", "Print"},
    {"Tabellespeichern1", "Tabelle speichern", "Save Table"},
    {"Tabellen1", "Tabellen", "Tables"},
    {"TabelleAufUntergang1", "Tabelle Auf/Untergang", "Table Rise/Set"},
    {"TabellederZeitgleichung1", "Tabelle der Zeitgleichung", "Table of Equation of Time"},
    {"TabellederSonnendeklination1", "Tabelle der Sonnendeklination", "Table of Sun Declination"},
    {"TabelleMeridiandurchgang1", "Tabelle Meridiandurchgang", "Table of Local Apparent Noon"},
    {"GraphZeitgleichung1", "Graph Zeitgleichung", "Graph Equation of Time"},
    {"Sonnenstandsdiagramm1", "Sonnenstandsdiagramm", "Sun Path Diagram"},
    {"rechtwinkligesDiagramm1", "rechtwinkliges Diagramm", "Rectangular Diagram"},
    {"kreisfoermigesDiagramm1", "kreisförmiges Diagramm", "Circular Diagram"},
    {"Schliessen1", "Schliessen", "Close"},
}};

} // namespace

QString tabellenfensterText(const QString& name, int sprachspalte)
{
    for (const Text& t : kTexte)
        if (name == QLatin1String(t.name))
            return QString::fromUtf8(sprachspalte == 2 ? t.englisch : t.deutsch);
    return {};
}

} // namespace umbrin
