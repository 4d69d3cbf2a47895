// Reading a settings or construction-data file: its sections, the backup of a faulty file and
// the questions when the reading stops.
#include "dialogs/IniLesen.h"

#include "core/Dateigroesse.h"
#include "core/SafeSave.h"
#include "core/Sprachdienst.h"
#include "core/Sonne.h"
#include "core/State.h"
#include "core/UserPrompt.h"
#include "dialogs/IniLeser.h"
#include "dialogs/IniText.h"
#include "dialogs/IniTexte.h"

#include <optional>
#include <system_error>
#include <vector>

namespace umbrin {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kLF_CR = "\n\r";

struct Kopfzeilen {
    std::size_t farben = 0;
    std::size_t zeiten = 0;
    std::size_t datumslinien = 0;
};

// A header that occurs several times counts where it occurs last; one that is missing counts
// as found at line 0.
Kopfzeilen findeKopfzeilen(const std::vector<std::string>& zeilen)
{
    Kopfzeilen k;
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        if (zeilen[i] == "[Farben]")
            k.farben = i;
        else if (zeilen[i] == "[Zeiten]")
            k.zeiten = i;
        else if (zeilen[i] == "[Datumslinien]")
            k.datumslinien = i;
    }
    return k;
}

// Keeps the faulty file under its backup name beside it before anything replaces it, and
// says so. The backup replaces an older one only once it is complete.
bool sichern(const fs::path& datei, std::string_view bytes, int spalte, UserPrompt& prompt)
{
    const fs::path sicherung = sicherungsName(datei);
    std::string fehler;
    if (!saveFileSafely(sicherung, bytes, fehler, spalte != 2)) {
        prompt.ask(PromptTitle::Information, PromptIcon::Error,
                   sicherungFehltText(datei.filename().string(), spalte) + std::string(kLF_CR) + fehler, PromptButtons::Ok);
        return false;
    }
    prompt.ask(PromptTitle::Information, PromptIcon::Information,
               sicherungAngelegtText(datei.filename().string(), sicherung.filename().string(), spalte), PromptButtons::Ok);
    return true;
}

void nachDemLesen(AppState& s)
{
    s.TypBasis = typBasisFuer(s.UhrTyp, s.TypBasis);
    SchiefeUndTierkreis(s, s.Par.Jahr);
}

} // namespace

std::filesystem::path sicherungsName(const std::filesystem::path& datei)
{
    std::string name = datei.stem().string();
    const std::string endung = datei.extension().string();
    if (endung.size() > 1)
        name += "_" + endung.substr(1);
    return datei.parent_path() / (name + ".bak");
}

std::uint8_t typBasisFuer(char uhrTyp, std::uint8_t bisher)
{
    switch (uhrTyp) {
    case 'h': case 'i': case 'v': return 0;
    case 'q': return 12;
    case 'a': return 24;
    case 'k': case 'z': return 36;
    case 'r': return 48;
    case 'c': return 60;
    case 'm': return 72; // the mean-time dial's legend rows are 73 to 84
    case 'p': case 'w': return 84;
    default: return bisher;
    }
}

IniLeseErgebnis LeseIni(AppState& s, const std::filesystem::path& datei, bool mitFarben, bool mitDatumslinien,
                        UserPrompt& prompt)
{
    const bool istEinstellungsdatei = datei.filename() == "umb.ini";
    const std::string dateiMitOrdner = datei.string();

    std::error_code ec;
    if (istEinstellungsdatei && !fs::exists(datei, ec) && !ec) {
        const std::string frage = dateiMitOrdner + " : " + std::string(kLF_CR)
            + std::string(iniMeldung(IniMeldung::DateiFehltErstellen, s.Sprachspalte)) + std::string(kLF_CR)
            + std::string(iniMeldung(IniMeldung::SieheHilfe, s.Sprachspalte));
        IniLeseErgebnis ergebnis{IniLeseStatus::Fehlt, {}};
        if (prompt.ask(PromptTitle::WasNun, PromptIcon::Question, frage, PromptButtons::YesNo) == PromptAnswer::Yes) {
            StandardWerte(s);
            if (SchreibeNeueIni(s, datei, prompt))
                ergebnis.status = IniLeseStatus::Ersetzt;
        }
        nachDemLesen(s);
        return ergebnis;
    }

    std::string bytes;
    std::string fehler;
    if (!leseDateiDerArt(datei, einstellungsArt(datei), bytes, fehler, s.Sprachspalte != 2))
        return {IniLeseStatus::NichtLesbar, fehler};
    const std::vector<std::string> zeilen = IniTextZeilen(bytes);

    // Sections out of order or a file too short to hold the main lines and sections: the
    // file is not read at all.
    const Kopfzeilen kopf = findeKopfzeilen(zeilen);
    if (!(kopf.farben < kopf.zeiten && kopf.zeiten < kopf.datumslinien && zeilen.size() >= 26)) {
        AppState standard = s;
        StandardWerte(standard);
        if (istEinstellungsdatei)
            s = standard; // the settings file's defaults stay in memory whatever the answer
        const std::string frage(iniMeldung(IniMeldung::DateiFehlerhaft, s.Sprachspalte));
        if (prompt.ask(PromptTitle::WasNun, PromptIcon::Question, frage, PromptButtons::YesNo) == PromptAnswer::Yes
            && sichern(datei, bytes, s.Sprachspalte, prompt)) {
            s = standard;
            return {SchreibeNeueIni(s, datei, prompt) ? IniLeseStatus::Ersetzt : IniLeseStatus::Unveraendert, {}};
        }
        return {IniLeseStatus::Unveraendert, {}};
    }

    AppState z = s;
    z.FensterNormal = 1;
    setzeSprache(z, true);
    // Until main line 13 sets the file's language, messages keep the language in use.
    IniLeser leser(z, prompt, dateiMitOrdner, s.Sprachspalte);

    std::optional<std::size_t> halt;
    for (std::size_t i = 0; i < zeilen.size() && !halt; ++i) {
        const std::string& zeile = zeilen[i];
        bool weiter = true;
        if (i < kopf.farben) {
            weiter = leser.hauptzeile(i, zeile);
        } else if (i < kopf.zeiten) {
            const std::size_t k = i - kopf.farben;
            if (mitFarben && k >= 1 && k <= 12)
                weiter = leser.farbe(k, zeile);
        } else if (i < kopf.datumslinien) {
            weiter = leser.zeiten(i - kopf.zeiten, zeile);
        } else if (mitDatumslinien) {
            if (i == kopf.datumslinien)
                z.Datumslinien.clear();
            else
                leser.datumslinie(i, zeile);
        }
        if (!weiter)
            halt = i;
    }
    leser.meldeDatumslinien();

    if (!halt) {
        s = std::move(z);
        nachDemLesen(s);
        return {IniLeseStatus::Gelesen, {}};
    }

    // The settings file holds the user's own language; any other file that stops is corrected
    // in the language in use.
    const int spalte = istEinstellungsdatei ? leser.meldungsSpalte() : s.Sprachspalte;
    const std::string frage = datei.filename().string() + " : line " + std::to_string(*halt + 1) + std::string(kLF_CR)
        + std::string(iniMeldung(IniMeldung::DateiFehlerhaft, spalte));
    IniLeseErgebnis ergebnis{IniLeseStatus::Unveraendert, {}};
    if (prompt.ask(PromptTitle::Problem, PromptIcon::Question, frage, PromptButtons::YesNo) == PromptAnswer::Yes
        && sichern(datei, bytes, spalte, prompt)) {
        s = std::move(z);
        StandardWerte(s);
        // The reading began in German; a file that failed to load never changes the language
        // the program speaks, and the fresh file's report is in it too.
        setzeSprache(s, spalte != 2);
        if (SchreibeNeueIni(s, datei, prompt))
            ergebnis.status = IniLeseStatus::Ersetzt;
    } else if (istEinstellungsdatei) {
        // The settings file keeps what was read before the stop; a construction-data file
        // that turned out faulty is not applied at all.
        s = std::move(z);
    }
    nachDemLesen(s);
    return ergebnis;
}

} // namespace umbrin
