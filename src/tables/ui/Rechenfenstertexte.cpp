#include "tables/ui/Rechenfenstertexte.h"

#include <array>

namespace umbrin {
namespace {

struct Text {
    const char* name;
    const char* deutsch;
    const char* englisch;
};

constexpr std::array<Text, 60> kTexte = {{
    {"sset1", "Sonnenstand - Berechnungen", "Position of the Sun - Calculations"},
    {"GroupEingaben", "Eingaben", "Input"},
    {"LabelJahr", "&Jahr ", "&Year :"},
    {"LabelMonat", "&Monat ", "&Month :"},
    {"LabelTag", "&Tag ", "&Day :"},
    {"LabelLatitude", "Geogr. &Breite", "Latit&ude     "},
    {"LabelLongitude", "Geogr. &Länge", "&Longitude    "},
    {"LabelZone", "&Zeitzone", "Time &Zone"},
    {"HinweisBreite", "(negativ für südl. Breite!)", "(negative for Latitude S)"},
    {"HinweisLaenge", "(negativ für östl. Länge!)", "(negative for Longitude E)"},
    {"Button1", " B&erechnung", " &Evaluation"},
    {"Button3Tabelle", "  T&abelle", "  Ta&ble"},
    {"Button3Jahr", " J&ahrestabellen", " Show Ta&bles"},
    {"Button4", " &Grafik EoT", " EoT in &Graphics"},
    {"bBtnAziHoch", "Sonnen&bahn", "Sun &Path"},
    {"BitBtnPrtT", " &Drucken", " &Print"},
    {"Button2", " S&chließen", "  &Close"},
    {"LabelSonne", "Sonne", " Sun"},
    {"LabelDaemmerung", "Dämmerung", "Twilight"},
    {"LabelMond", "Mond", " Moon"},
    {"LabelAufgang", "Aufgang ", " Rise :"},
    {"LabelUntergang", "Untergang", " Set :"},
    {"LabelAnfang", "Anfang ", "Beginning:"},
    {"LabelEnde", "Ende:", "End :"},
    {"LabelRiseDekl", "Sonnendeklination:", "Sun declination:"},
    {"LabelRiseEot", "Zeitgleichung:", "Equation of Time:"},
    {"HinweisZonenzeit", "Alle Zeitangaben sind Zonenzeit, niemals Sommerzeit !",
     "All times are standard time, not daylight saving time !"},
    {"HinweisVorgehen", "Bei positiver Zeitgleichung geht eine Sonnenuhr vor!", "Sundial is fast, if EoT is positive !"},
    {"HinweisMittag", "Die Werte gelten für 12 Uhr Zonenzeit !", "Values for 12 o'clock standard time !"},
    {"RGDawn2", " Dämmerung ", " Twilight "},
    {"LabelAziFrage", "Berechne Zonenzeit für gegebenes Datum und Sonnen-&Azimut?",
     "&Evaluate Standard Time for given Date and Azimuth of Sun:"},
    {"LabelAziZeit", "Sonnenstand erreicht um: ", "Sunposition is reached at: "},
    {"LabelAziHoehe", "Sonnenhöhe ", "Altitude of Sun: "},
    {"LabelAziSkala", "[ N= -180° ..<..  O= -90° ..<..  S= 0° ..<..  W= +90° ..<..  N=+180°  ] ",
     "[ N= -180° ..<..  E= -90° ..<..  S= 0° ..<..  W= +90° ..<..  N=+180°  ]"},
    {"LabelPosFrage", "Für  welche &Uhrzeit soll  die Position der Sonne berechnet werden?",
     "&Time for given Sun position :"},
    {"LabelKoordinaten", "Koordinaten der Sonne ", "Coordinates of Sun "},
    {"LabelPosHoehe", "Hoehe (in Grad) ", "Altitude (in deg): "},
    {"LabelPosAzi", "Azimut (in Grad)", "Azimuth (in deg):"},
    {"LabelPosEot", "Zeitgleichung:", "Equation of Time:"},
    {"LabelPosDekl", "Sonnendeklination:", "Sun declination:"},
    {"rgZeitart", "Zeitangabe ist: ", "Time Input in: "},
    {"LabelEoTDekl", "Sonnendeklination:", "Sun declination:"},
    {"LabelEoTEot", "Zeitgleichung:", "Equation of Time:"},
    {"Berechnungstarten1", "Berechnung starten", "Start Computation"},
    {"Druckenmit1", "Drucken  (mit Seitenvorschub)", "Print Data with Form Feed"},
    {"Druckenohne1", "Drucken  (ohne Seitenvorschub)", "Print Data without Form Feed"},
    {"DruckenLfeed1", "Drucken Seitenvorschub", "Print Form Feed"},
    {"WeitereTabellen1", "Tabellen ...", "Tables ... "},
    {"TabelleAufUntergang1", "Tabelle der Auf-/Untergangszeiten", "Table of Rise/Set Times"},
    {"TabelleZeitgleichung1", "Tabelle der Zeitgleichung", "Table of Equation of Time"},
    {"TabelleDeklination1", "Tabelle der Sonnendeklination", "Table of Sun Declination"},
    {"TabelleMeridian1", "Tabelle der Meridiandurchgänge", "Table of Local ApparentNoon"},
    {"Polar1", "polares Sonnenstandsdiagramm", "Sun Path Diagram (polar)"},
    {"GraphZeitgleichung1", "Graph der Zeitgleichung", "Diagram for Equation of Time"},
    {"Startspeichern1", "Sonnenuhrdaten speichern", "Save Sundial Data"},
    {"Sonnenuhrdatenladen1", "Sonnenuhrdaten laden", "Load Sundial Data"},
    {"Schliessen1", " Schliessen", "  Close"},
    {"rgZeitart0", "&Wahre Ortszeit", "&Local Apparent Time"},
    {"rgZeitart1", "Mittlere Ortszeit", "Local Mean Time"},
    {"rgZeitart2", "Zonenzeit (keine SoZt.)", "Standard Time (no DST)"},
}};

} // namespace

QString rechenfensterText(const QString& name, int sprachspalte)
{
    for (const Text& t : kTexte)
        if (name == QLatin1String(t.name))
            return QString::fromUtf8(sprachspalte == 2 ? t.englisch : t.deutsch);
    return {};
}

} // namespace umbrin
