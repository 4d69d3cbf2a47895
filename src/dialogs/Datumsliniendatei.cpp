#include "dialogs/Datumsliniendatei.h"

#include "core/Datumstext.h"
#include "core/SafeSave.h"
#include "core/State.h"
#include "core/UserPrompt.h"
#include "dialogs/IniText.h"
#include "dialogs/IniTexte.h"

#include <algorithm>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace umbrin {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kKopf = "[Datumslinien]";

// The lines of an existing, readable file; nothing otherwise.
std::optional<std::vector<std::string>> zeilenDerDatei(const fs::path& datei)
{
    std::error_code ec;
    if (!fs::is_regular_file(datei, ec))
        return std::nullopt;
    std::string bytes;
    std::string fehler;
    if (!readFileBytes(datei, bytes, fehler))
        return std::nullopt;
    return IniTextZeilen(bytes);
}

// The valid date lines of [anfang, ende), in order; invalid non-empty ones are reported.
std::vector<std::string> gueltigeZeilen(std::vector<std::string>::const_iterator anfang,
                                        std::vector<std::string>::const_iterator ende, const AppState& s,
                                        UserPrompt& prompt)
{
    std::vector<std::string> liste;
    for (auto it = anfang; it != ende; ++it) {
        if (!it->empty() && DatumPruefen(s, *it, &prompt))
            liste.push_back(*it);
    }
    return liste;
}

void meldeNichtGespeichert(const AppState& s, UserPrompt& prompt)
{
    prompt.ask(PromptTitle::Fehler, PromptIcon::Error,
               s.IniDatei + " :\r\n" + std::string(iniMeldung(IniMeldung::NichtGespeichert, s.Sprachspalte)),
               PromptButtons::Ok);
}

} // namespace

bool DatumslinienSpeichern(const AppState& s, UserPrompt& prompt)
{
    std::error_code ec;
    if (!fs::exists(s.IniDatei, ec)) {
        prompt.ask(PromptTitle::Problem, PromptIcon::Warning,
                   dateiFehltText(s.IniDatei, s.Sprachspalte), PromptButtons::Ok);
        return false;
    }
    auto zeilen = zeilenDerDatei(s.IniDatei);
    if (!zeilen) {
        meldeNichtGespeichert(s, prompt);
        return false;
    }
    const auto kopf = std::find(zeilen->begin(), zeilen->end(), kKopf);
    zeilen->erase(kopf, zeilen->end());
    zeilen->emplace_back(kKopf);
    for (const std::string& d : gueltigeZeilen(s.Datumslinien.begin(), s.Datumslinien.end(), s, prompt))
        zeilen->push_back(d);

    std::string fehler;
    if (!IniTextSpeichern(*zeilen, s.IniDatei, fehler, s.Sprachspalte != 2)) {
        meldeNichtGespeichert(s, prompt);
        return false;
    }
    return true;
}

DatumslinienQuelle DatumslinienLaden(AppState& s, UserPrompt& prompt)
{
    if (const auto zeilen = zeilenDerDatei(s.IniDatei)) {
        const auto kopf = std::find(zeilen->begin(), zeilen->end(), kKopf);
        // The heading and at least one line after it.
        if (kopf != zeilen->end() && std::next(kopf) != zeilen->end()) {
            s.Datumslinien = gueltigeZeilen(std::next(kopf), zeilen->cend(), s, prompt);
            return DatumslinienQuelle::Einstellungsdatei;
        }
    }
    if (const auto zeilen = zeilenDerDatei(s.TageDatei)) {
        s.Datumslinien = gueltigeZeilen(zeilen->cbegin(), zeilen->cend(), s, prompt);
        return DatumslinienQuelle::Tagesdatei;
    }
    prompt.ask(PromptTitle::Problem, PromptIcon::Warning,
               std::string(iniMeldung(IniMeldung::KeineDatumslinien, s.Sprachspalte)), PromptButtons::Ok);
    return DatumslinienQuelle::Keine;
}

} // namespace umbrin
