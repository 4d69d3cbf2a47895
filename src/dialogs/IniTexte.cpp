#include "dialogs/IniTexte.h"

#include "core/Texttabellen.h"
#include "core/Textumformung.h"

namespace umbrin {
namespace {

constexpr std::string_view kFehlerhaft = " : INI-Datei ist fehlerhaft!";

} // namespace

std::string_view iniMeldung(IniMeldung nummer, int sprachspalte)
{
    return MeldungsTabelle[static_cast<std::size_t>(nummer)].in(sprachspalte);
}

std::string dateiFehltText(std::string_view datei, int sprachspalte)
{
    // The German text goes on from the file name (" fehlt. ..."), the English one stands alone.
    const std::string_view text = iniMeldung(IniMeldung::DateiFehltHinweis, sprachspalte);
    return std::string(datei) + (sprachspalte == 2 ? ": " : "") + std::string(text);
}

namespace {

// The settings file is named in the messages as the message table writes it ("UMB.INI",
// "UMB_INI.BAK"); any other file by its own name.
bool istEinstellungsdatei(std::string_view datei) { return datei == "umb.ini"; }

} // namespace

std::string sicherungFehltText(std::string_view datei, int sprachspalte)
{
    if (istEinstellungsdatei(datei))
        return std::string(iniMeldung(IniMeldung::SicherungFehlt, sprachspalte));
    if (sprachspalte == 2)
        return "Could not generate backup-file of " + std::string(datei) + " !";
    return "Von " + std::string(datei) + " konnte keine Sicherungsdatei angelegt werden!";
}

std::string sicherungAngelegtText(std::string_view datei, std::string_view sicherung, int sprachspalte)
{
    if (istEinstellungsdatei(datei))
        return std::string(iniMeldung(IniMeldung::SicherungAngelegt, sprachspalte));
    if (sprachspalte == 2)
        return "Old Version of " + std::string(datei) + " is saved as " + std::string(sicherung) + ".";
    return "Das alte " + std::string(datei) + " ist unter dem Namen " + std::string(sicherung) + " gespeichert.";
}

std::string zeileFehlerhaftMitRest(int zeile, std::string_view rest)
{
    return "Line " + std::to_string(zeile) + ":" + zitatAusDatei(rest) + std::string(kFehlerhaft);
}

std::string zeileFehlerhaftMitWert(int zeile, std::string_view wert)
{
    return "In Line " + std::to_string(zeile) + ":" + zitatAusDatei(wert) + std::string(kFehlerhaft);
}

std::string zeileFehlerhaft(int zeile)
{
    return "Line " + std::to_string(zeile) + std::string(kFehlerhaft);
}

std::string zeileFehlerhaftAnStelle(int nummer, int position)
{
    return "Line " + std::to_string(nummer) + "/" + std::to_string(position) + std::string(kFehlerhaft);
}

std::string datumslinienFehlerhaftText(std::string_view datei,
                                       const std::vector<std::pair<std::size_t, std::string>>& zeilen,
                                       int sprachspalte)
{
    constexpr std::size_t kGenannt = 5;
    const bool de = sprachspalte != 2;
    std::string text = std::string(de ? "Fehlerhafte Datumszeilen in " : "Invalid date lines in ") + std::string(datei)
        + (de ? " übergangen:" : " skipped:");
    for (std::size_t k = 0; k < zeilen.size() && k < kGenannt; ++k)
        text += "\n" + std::string(de ? "Zeile " : "Line ") + std::to_string(zeilen[k].first + 1) + ": "
            + zitatAusDatei(zeilen[k].second);
    if (zeilen.size() > kGenannt) {
        const std::string weitere = std::to_string(zeilen.size() - kGenannt);
        text += "\n" + (de ? "und " + weitere + " weitere" : "and " + weitere + " more");
    }
    return text;
}

} // namespace umbrin
