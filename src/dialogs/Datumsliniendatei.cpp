#include "dialogs/Datumsliniendatei.h"

#include "core/Datumstext.h"
#include "core/Dateigroesse.h"
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

// The lines of an existing, readable file; nothing otherwise. fehler stays empty for a missing
// file and says why one that is there cannot be read (a folder, a file far too large).
std::optional<std::vector<std::string>> zeilenDerDatei(const fs::path& datei, Dateiart art, const AppState& s,
                                                      std::string& fehler)
{
    fehler.clear();
    std::error_code ec;
    if (!fs::exists(datei, ec) && !ec)
        return std::nullopt;
    std::string bytes;
    if (!leseDateiDerArt(datei, art, bytes, fehler, s.Sprachspalte != 2))
        return std::nullopt;
    return IniTextZeilen(bytes);
}

void meldeLesefehler(const std::string& fehler, UserPrompt& prompt)
{
    if (!fehler.empty())
        prompt.ask(PromptTitle::Fehler, PromptIcon::Error, fehler, PromptButtons::Ok);
}

// The valid date lines of [anfang, ende), in order. Invalid non-empty ones are left out and
// reported together in one message that names the first few with their line in `datei`
// (`erste` is the line number of `anfang` there, counted from 0): a file with a thousand bad
// lines must not answer with a thousand message boxes.
std::vector<std::string> gueltigeZeilen(std::vector<std::string>::const_iterator anfang,
                                        std::vector<std::string>::const_iterator ende, const AppState& s,
                                        UserPrompt& prompt, const fs::path& datei, std::size_t erste)
{
    std::vector<std::string> liste;
    std::vector<std::pair<std::size_t, std::string>> falsche;
    for (auto it = anfang; it != ende; ++it) {
        if (it->empty())
            continue;
        if (DatumPruefen(s, *it, nullptr))
            liste.push_back(*it);
        else
            falsche.emplace_back(erste + static_cast<std::size_t>(it - anfang), *it);
    }
    if (!falsche.empty())
        prompt.ask(PromptTitle::Fehler, PromptIcon::Error,
                   datumslinienFehlerhaftText(datei.string(), falsche, s.Sprachspalte), PromptButtons::Ok);
    return liste;
}

void meldeNichtGespeichert(const AppState& s, UserPrompt& prompt, const std::string& grund = {})
{
    prompt.ask(PromptTitle::Fehler, PromptIcon::Error,
               s.IniDatei + " :\r\n" + std::string(iniMeldung(IniMeldung::NichtGespeichert, s.Sprachspalte))
                   + (grund.empty() ? "" : "\r\n" + grund),
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
    std::string fehler;
    auto zeilen = zeilenDerDatei(s.IniDatei, Dateiart::Einstellungen, s, fehler);
    if (!zeilen) {
        meldeNichtGespeichert(s, prompt, fehler);
        return false;
    }
    const auto kopf = std::find(zeilen->begin(), zeilen->end(), kKopf);
    zeilen->erase(kopf, zeilen->end());
    zeilen->emplace_back(kKopf);
    for (const std::string& d : gueltigeZeilen(s.Datumslinien.begin(), s.Datumslinien.end(), s, prompt, s.IniDatei, zeilen->size()))
        zeilen->push_back(d);

    if (!IniTextSpeichern(*zeilen, s.IniDatei, fehler, s.Sprachspalte != 2)) {
        meldeNichtGespeichert(s, prompt);
        return false;
    }
    return true;
}

DatumslinienQuelle DatumslinienLaden(AppState& s, UserPrompt& prompt)
{
    std::string fehler;
    if (const auto zeilen = zeilenDerDatei(s.IniDatei, Dateiart::Einstellungen, s, fehler)) {
        const auto kopf = std::find(zeilen->begin(), zeilen->end(), kKopf);
        // The heading and at least one line after it.
        if (kopf != zeilen->end() && std::next(kopf) != zeilen->end()) {
            s.Datumslinien = gueltigeZeilen(std::next(kopf), zeilen->cend(), s, prompt, s.IniDatei,
                                            static_cast<std::size_t>(std::next(kopf) - zeilen->begin()));
            return DatumslinienQuelle::Einstellungsdatei;
        }
    }
    meldeLesefehler(fehler, prompt);
    if (const auto zeilen = zeilenDerDatei(s.TageDatei, Dateiart::Datumsdatei, s, fehler)) {
        s.Datumslinien = gueltigeZeilen(zeilen->cbegin(), zeilen->cend(), s, prompt, s.TageDatei, 0);
        return DatumslinienQuelle::Tagesdatei;
    }
    meldeLesefehler(fehler, prompt);
    prompt.ask(PromptTitle::Problem, PromptIcon::Warning,
               std::string(iniMeldung(IniMeldung::KeineDatumslinien, s.Sprachspalte)), PromptButtons::Ok);
    return DatumslinienQuelle::Keine;
}

} // namespace umbrin
