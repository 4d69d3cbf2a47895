#include "dialogs/IniTexte.h"

#include <array>

namespace umbrin {
namespace {

struct Eintrag {
    IniMeldung nummer;
    std::string_view deutsch;
    std::string_view englisch;
};

constexpr std::array<Eintrag, 8> kMeldungen = {{
    {IniMeldung::DateiFehlerhaft,
     "Die Datei ist fehlerhaft und muss korrigiert \n\rwerden. Korrektur jetzt durchführen ?",
     "File contains errors and will be corrected now.\n\rCan that be done now?"},
    {IniMeldung::NichtGespeichert, "INI-Datei konnte nicht gespeichert werden! (Schreibgeschützt?)",
     "Could not save INI-file! (Write-protection?)"},
    {IniMeldung::DateiFehltHinweis,
     " fehlt. (Weitere Information im Menü \r\"Hilfe / Hilfe Index\" unter dem Stichwort INI-Datei!",
     "File missing. For generating it have a look\rat menu \"Help / HelpIndex\"!"},
    {IniMeldung::DateiFehltErstellen, "Die Datei fehlt. Soll sie erstellt werden?", "File  not found. Create File?"},
    {IniMeldung::SieheHilfe, "(Siehe auch Menü \"INFO/Hilfe\", Stichwort \"INI-Datei\")",
     "(More Information in menu \"Help / Help Index\", keyword \"INI-File\")"},
    {IniMeldung::DatumFehlerhaft, "Datum fehlerhaft!", "Error in date!"},
    {IniMeldung::Gespeichert, " gespeichert!", " saved!"},
    {IniMeldung::KeineDatumslinien, "Keine \"eigenen Datumslinien\" eingetragen.",
     "List contains no date lines of \"Personal Choice\". "},
}};

constexpr std::string_view kFehlerhaft = " : INI-Datei ist fehlerhaft!";

} // namespace

std::string_view iniMeldung(IniMeldung nummer, int sprachspalte)
{
    for (const Eintrag& e : kMeldungen) {
        if (e.nummer == nummer)
            return sprachspalte == 2 ? e.englisch : e.deutsch;
    }
    return {};
}

std::string dateiFehltText(std::string_view datei, int sprachspalte)
{
    // The German text goes on from the file name (" fehlt. ..."), the English one stands alone.
    const std::string_view text = iniMeldung(IniMeldung::DateiFehltHinweis, sprachspalte);
    return std::string(datei) + (sprachspalte == 2 ? ": " : "") + std::string(text);
}

std::string sicherungFehltText(std::string_view datei, int sprachspalte)
{
    if (sprachspalte == 2)
        return "Could not generate backup-file of " + std::string(datei) + " !";
    return "Von " + std::string(datei) + " konnte keine Sicherungsdatei angelegt werden!";
}

std::string sicherungAngelegtText(std::string_view datei, std::string_view sicherung, int sprachspalte)
{
    if (sprachspalte == 2)
        return "Old Version of " + std::string(datei) + " is saved as " + std::string(sicherung) + ".";
    return "Das alte " + std::string(datei) + " ist unter dem Namen " + std::string(sicherung) + " gespeichert.";
}

std::string zeileFehlerhaftMitRest(int zeile, std::string_view rest)
{
    return "Line " + std::to_string(zeile) + ":" + std::string(rest) + std::string(kFehlerhaft);
}

std::string zeileFehlerhaftMitWert(int zeile, std::string_view wert)
{
    return "In Line " + std::to_string(zeile) + ":" + std::string(wert) + std::string(kFehlerhaft);
}

std::string zeileFehlerhaft(int zeile)
{
    return "Line " + std::to_string(zeile) + std::string(kFehlerhaft);
}

std::string zeileFehlerhaftAnStelle(int nummer, int position)
{
    return "Line " + std::to_string(nummer) + "/" + std::to_string(position) + std::string(kFehlerhaft);
}

} // namespace umbrin
