#include "shell/Farbpalette.h"

#include "core/Dateigroesse.h"
#include "core/Rounding.h"
#include "core/Sprachdienst.h"
#include "core/Textumformung.h"
#include "dialogs/IniText.h"
#include "dialogs/IniZahlen.h"

#include <filesystem>

namespace umbrin {

namespace {

const char* const kKopf = "[Farben]";
const char* const kNaechsterKopf = "[Zeiten]";

bool deutsch(const AppState& s) { return s.Sprachspalte != 2; }

std::string dateiName(const AppState& s) { return std::filesystem::path(s.IniDatei).filename().string(); }

// Reads the settings file's lines; false when it is missing or unreadable.
bool leseZeilen(const AppState& s, std::vector<std::string>& zeilen, std::string& fehler)
{
    std::string bytes;
    if (!leseDateiDerArt(s.IniDatei, Dateiart::Einstellungen, bytes, fehler, deutsch(s)))
        return false;
    zeilen = IniTextZeilen(bytes);
    return true;
}

FarbDateiErgebnis ohneAbschnitt(const AppState& s)
{
    return {FarbDateiStatus::OhneAbschnitt,
            s.IniDatei + (deutsch(s) ? ": keine Zeile \"[Farben]\", die Datei bleibt unverändert."
                                     : ": no line \"[Farben]\", the file is left as it is.")};
}

} // namespace

int musterLinieY(int bildHoehe, int slot)
{
    return static_cast<int>(roundHalfEven(static_cast<long double>(bildHoehe) / 21.35L / 1.14L * 2 * (slot - 1))) + 8;
}

void waehleFarbe(AppState& s, int slot, Farbe farbe)
{
    if (slot < 1 || slot > FarbSlots)
        return;
    s.Farben[static_cast<std::size_t>(slot - 1)] = farbe;
    if (s.TypBasis > 60)
        s.Farben[11] = s.Farben[9];
}

bool setzeFarbAbschnitt(std::vector<std::string>& zeilen, const std::array<Farbe, 12>& farben)
{
    std::size_t kopf = 0;
    while (kopf < zeilen.size() && zeilen[kopf] != kKopf)
        ++kopf;
    if (kopf == zeilen.size())
        return false;
    const auto anfang = zeilen.begin() + static_cast<std::ptrdiff_t>(kopf + 1);
    auto ende = anfang;
    for (int n = 0; n < FarbSlots && ende != zeilen.end() && *ende != kNaechsterKopf; ++n)
        ++ende;
    std::vector<std::string> neu;
    for (const Farbe f : farben)
        neu.push_back(std::to_string(static_cast<std::int32_t>(f)));
    const auto stelle = zeilen.erase(anfang, ende);
    zeilen.insert(stelle, neu.begin(), neu.end());
    return true;
}

FarbAbschnitt leseFarbAbschnitt(const std::vector<std::string>& zeilen)
{
    FarbAbschnitt a;
    std::size_t kopf = 0;
    while (kopf + 1 < zeilen.size() && zeilen[kopf] != kKopf)
        ++kopf;
    if (kopf + 1 >= zeilen.size())
        return a;
    a.gefunden = true;
    for (std::size_t k = 0; k < a.werte.size(); ++k) {
        const std::size_t i = kopf + 1 + k;
        if (i >= zeilen.size() || zeilen[i] == kNaechsterKopf)
            break;
        if (zeilen[i].empty())
            continue;
        const std::optional<std::uint32_t> wert = alsFarbwert(zeilen[i]);
        if (!wert) {
            a.falscheZeile = static_cast<int>(i + 1);
            a.falscherText = zeilen[i];
            return a;
        }
        a.werte[k] = *wert;
    }
    return a;
}

FarbDateiErgebnis farbSave(const AppState& s)
{
    std::error_code ec;
    if (!std::filesystem::exists(s.IniDatei, ec) && !ec)
        return {FarbDateiStatus::DateiFehlt, dateiName(s) + std::string(meldungsText(s, 33))};
    std::vector<std::string> zeilen;
    std::string fehler;
    if (!leseZeilen(s, zeilen, fehler))
        return {FarbDateiStatus::Fehler, fehler};
    if (!setzeFarbAbschnitt(zeilen, s.Farben))
        return ohneAbschnitt(s);
    if (!IniTextSpeichern(zeilen, s.IniDatei, fehler, deutsch(s)))
        return {FarbDateiStatus::Fehler, fehler};
    return {FarbDateiStatus::Ok, std::string(meldungsText(s, 71))};
}

FarbDateiErgebnis FarbLoad(AppState& s, bool mitDatei)
{
    std::error_code ec;
    if (!std::filesystem::exists(s.IniDatei, ec) && !ec) {
        StandardFarben(s);
        return {FarbDateiStatus::DateiFehlt, dateiName(s) + std::string(meldungsText(s, 29))};
    }
    std::vector<std::string> zeilen;
    std::string fehler;
    if (!leseZeilen(s, zeilen, fehler))
        return {FarbDateiStatus::Fehler, fehler};
    if (!mitDatei) {
        StandardFarben(s);
        return {};
    }
    const FarbAbschnitt a = leseFarbAbschnitt(zeilen);
    if (!a.gefunden)
        return ohneAbschnitt(s);
    if (a.falscheZeile)
        return {FarbDateiStatus::KeineFarbe,
                s.IniDatei + (deutsch(s) ? ", Zeile " : ", line ") + std::to_string(*a.falscheZeile) + ": \""
                    + zitatAusDatei(a.falscherText)
                    + (deutsch(s) ? "\" ist keine Farbe; keine Farbe wurde geändert."
                                  : "\" is no colour; no colour was changed.")};
    for (std::size_t k = 0; k < a.werte.size(); ++k)
        if (a.werte[k])
            s.Farben[k] = *a.werte[k];
    return {};
}

} // namespace umbrin
