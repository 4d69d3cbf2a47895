#include "tables/Profildatei.h"

#include "core/Textumformung.h"

#include "core/Dateigroesse.h"
#include "core/Eingabepruefung.h"
#include "core/Meldungen.h"
#include "core/SafeSave.h"
#include "core/TextEncoding.h"
#include "core/Zahlenformat.h"
#include "tables/Hoehengitter.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <filesystem>

namespace umbrin {

namespace {

const char* sprache(int spalte, const char* de, const char* en) { return spalte == 2 ? en : de; }

// Characters from the 43rd on of line 3: the description of the place after the point count.
constexpr std::size_t kInfoBeginn = 42;
constexpr std::size_t kInfoLaenge = 256;
// Half the earth's circumference, metres: no object on the earth lies farther away.
constexpr double kGroessterAbstand = 2.0e7;

std::string_view ohneRand(std::string_view t, std::string_view rand)
{
    const std::size_t a = t.find_first_not_of(rand);
    if (a == std::string_view::npos)
        return {};
    const std::size_t b = t.find_last_not_of(rand);
    return t.substr(a, b - a + 1);
}

// A number of the file: blanks around it, "," or "." as decimal separator.
std::optional<double> dateiZahl(std::string_view feld)
{
    std::string t(ohneRand(feld, " ;\t"));
    if (t.empty())
        return std::nullopt;
    for (char& c : t)
        if (c == ',')
            c = '.';
    return leseReal(t);
}

std::vector<std::string_view> teileZeilen(std::string_view text)
{
    std::vector<std::string_view> zeilen;
    std::size_t a = 0;
    while (a < text.size()) {
        std::size_t e = text.find('\n', a);
        if (e == std::string_view::npos)
            e = text.size();
        std::string_view z = text.substr(a, e - a);
        if (!z.empty() && z.back() == '\r')
            z.remove_suffix(1);
        zeilen.push_back(z);
        a = e + 1;
    }
    return zeilen;
}

// Cuts a UTF-8 text to at most n bytes without splitting a character.
std::string utf8Stueck(std::string_view t, std::size_t beginn, std::size_t n)
{
    if (beginn >= t.size())
        return {};
    std::size_t ende = std::min(t.size(), beginn + n);
    while (ende < t.size() && ende > beginn && (static_cast<unsigned char>(t[ende]) & 0xC0) == 0x80)
        --ende;
    return std::string(t.substr(beginn, ende - beginn));
}

} // namespace

std::string profilZahl(long double x, int stellen, int dezimalen)
{
    const long double betrag = std::fabs(x);
    int ganzeStellen = 0;
    for (long double g = std::floor(betrag); g >= 1.0L && ganzeStellen < 40; g = std::floor(g / 10.0L))
        ++ganzeStellen;
    const int d = std::clamp(stellen - ganzeStellen, 0, dezimalen);
    std::string t = RealStr(x, d, d);
    t = std::string(ohneRand(t, " "));
    if (dezimalen > 0) {
        if (d == 0)
            t += '.';
        t.append(static_cast<std::size_t>(dezimalen - d), '0');
    }
    for (char& c : t)
        if (c == '.')
            c = ',';
    return t;
}

std::vector<std::string> profilZeilen(const Horizontprofil& profil, const ProfilKopf& kopf, int sprachspalte)
{
    std::vector<std::string> z;
    z.reserve(kHorizontPunkte + 3);
    z.push_back(profilZahl(kopf.breite, 14, 10) + "\t  Latitude (where South is negative)");
    z.push_back(profilZahl(kopf.laengeOst, 14, 10) + "\t Longitude (where  West is negative)");
    z.push_back(IntStr(kHorizontPunkte) + "\t NPoints (Azimut, Elevation, Distanz);  " +
                sprache(sprachspalte, "Beobachter-Standort  Höhe", "Altitude of Central Point") + "=" +
                IntStr(kopf.bodenhoehe) + " + " + IntStr(kopf.podesthoehe) + ";  " +
                sprache(sprachspalte, "Mindestabstand der Objekte", "Minimal Object Distance") + "=" +
                IntStr(kopf.mindestabstand));
    for (const Horizontpunkt& p : profil)
        z.push_back(profilZahl(p.Azimut, 7, 2) + " \t " + profilZahl(p.Hoehe, 9, 4) + " \t " +
                    profilZahl(p.Abstand, 7, 2) + " \t " + profilZahl(p.Objekthoehe, 7, 2) + " \t ");
    return z;
}

bool speichereHorizontprofil(const std::filesystem::path& datei, const std::vector<std::string>& zeilen,
                             std::string& fehler, bool deutsch)
{
    std::string text;
    for (const std::string& z : zeilen)
        text += utf8ToCp1252(z) + "\r\n";
    return saveFileSafely(datei, text, fehler, deutsch);
}

Profillesung leseHorizontprofilText(std::string_view bytes, std::string_view dateiname, int sprachspalte)
{
    Profillesung l;
    const std::string text = decodeFileText(bytes);
    const std::vector<std::string_view> zeilen = teileZeilen(text);
    auto fehlerZeile = [&](std::size_t nr, const char* de, const char* en) {
        l.fehler = std::string(sprache(sprachspalte, "Horizontprofil ", "Horizon profile ")) + std::string(dateiname) +
                   sprache(sprachspalte, ", Zeile ", ", line ") + IntStr(static_cast<std::int64_t>(nr)) + ": " +
                   sprache(sprachspalte, de, en) +
                   sprache(sprachspalte, "\nDas Profil wurde nicht geändert.", "\nThe profile was not changed.");
        return l;
    };
    auto erstesFeld = [&](std::size_t i) -> std::optional<double> {
        const std::size_t tab = zeilen[i].find('\t');
        if (tab == std::string_view::npos)
            return std::nullopt;
        return dateiZahl(zeilen[i].substr(0, tab));
    };
    if (zeilen.size() < 3)
        return fehlerZeile(zeilen.size() + 1, "die Kopfzeilen fehlen.", "the header lines are missing.");
    const std::optional<double> breite = erstesFeld(0);
    if (!breite || std::fabs(*breite) > 90)
        return fehlerZeile(1, "keine geographische Breite.", "no latitude.");
    const std::optional<double> laenge = erstesFeld(1);
    if (!laenge || std::fabs(*laenge) > 180)
        return fehlerZeile(2, "keine geographische Länge.", "no longitude.");
    // The point count: the program writes 720, one point per half degree of azimuth.
    const std::optional<double> anzahl = erstesFeld(2);
    if (!anzahl || *anzahl != std::floor(*anzahl) || *anzahl < 1 || *anzahl > kHorizontPunkte)
        return fehlerZeile(3, "keine Punktzahl von 1 bis 720.", "no point count from 1 to 720.");
    // The header's text goes into the diagrams' labels and the plot: no control character.
    l.info = ohneSteuerzeichen(utf8Stueck(zeilen[2], kInfoBeginn, kInfoLaenge));

    // Point lines begin with the first line whose azimuth is exactly -180; lines before it
    // are read but not stored.
    int punkte = 0;
    bool begonnen = false;
    for (std::size_t i = 3; i < zeilen.size() && punkte < kHorizontPunkte; ++i) {
        if (ohneRand(zeilen[i], " \t").empty())
            continue;
        const std::optional<double> erstes = erstesFeld(i);
        if (!erstes)
            return fehlerZeile(i + 1, "kein Azimut vor dem ersten Tabulator.", "no azimuth before the first TAB.");
        if (!begonnen && *erstes != -180.0)
            continue;
        begonnen = true;
        std::vector<double> werte;
        std::string_view rest = zeilen[i];
        while (!rest.empty() && werte.size() < 4) {
            const std::size_t tab = rest.find('\t');
            const std::string_view feld = rest.substr(0, tab);
            rest = tab == std::string_view::npos ? std::string_view{} : rest.substr(tab + 1);
            if (ohneRand(feld, " ;").empty())
                continue;
            const std::optional<double> w = dateiZahl(feld);
            if (!w)
                return fehlerZeile(i + 1, "ein Wert ist keine Zahl.", "a value is not a number.");
            werte.push_back(*w);
        }
        if (werte.size() < 3)
            return fehlerZeile(i + 1, "Azimut, Höhenwinkel und Abstand werden erwartet.",
                               "azimuth, elevation and distance are expected.");
        // An elevation beyond the zenith would be drawn as if it were on the horizon.
        if (!(werte[1] >= -90 && werte[1] <= 90))
            return fehlerZeile(i + 1, "der Höhenwinkel liegt nicht zwischen -90 und 90 Grad.",
                               "the elevation is not between -90 and 90 degrees.");
        // An azimuth outside the circle would be drawn off the diagram.
        if (!(werte[0] >= -180 && werte[0] <= 180))
            return fehlerZeile(i + 1, "der Azimut liegt nicht zwischen -180 und 180 Grad.",
                               "the azimuth is not between -180 and 180 degrees.");
        if (!(werte[2] >= 0 && werte[2] <= kGroessterAbstand))
            return fehlerZeile(i + 1, "der Abstand liegt nicht zwischen 0 und 20000 km.",
                               "the distance is not between 0 and 20000 km.");
        if (werte.size() > 3 && !(werte[3] >= kTiefsteHoehe && werte[3] <= kHoechsteHoehe))
            return fehlerZeile(i + 1, "die Objekthöhe liegt nicht zwischen -12000 und 12000 m.",
                               "the object height is not between -12000 and 12000 m.");
        Horizontpunkt& p = l.profil[static_cast<std::size_t>(punkte++)];
        p = {werte[0], werte[1], werte[2], werte.size() > 3 ? werte[3] : kKeinObjekt};
    }
    if (punkte < kHorizontPunkte) {
        l.fehler = std::string(sprache(sprachspalte, "Horizontprofil ", "Horizon profile ")) + std::string(dateiname) +
                   sprache(sprachspalte, ": nur ", ": only ") + IntStr(punkte) +
                   sprache(sprachspalte, " von 720 Profilpunkten (ab Azimut -180).\nDas Profil wurde nicht geändert.",
                           " of 720 profile points (from azimuth -180).\nThe profile was not changed.");
        return l;
    }
    l.breite = *breite;
    l.laenge = -*laenge;
    l.ok = true;
    return l;
}

bool liesHorizontprofil(AppState& s, UserPrompt& prompt, const std::string& datei, double& breite, double& laenge)
{
    const std::filesystem::path pfad = std::filesystem::u8path(datei);
    std::error_code ec;
    if (!std::filesystem::exists(pfad, ec) && !ec) {
        // The question of old offered to go on; either answer leaves everything as it was.
        prompt.ask(PromptTitle::WasNun, PromptIcon::Question,
                   datei + " : \n" +
                       sprache(s.Sprachspalte, "Die Datei fehlt. Soll sie erstellt werden?",
                               "File not found. Create File?") +
                       "\nAbbrechen ? ",
                   PromptButtons::YesNo);
        return false;
    }
    std::string bytes;
    std::string fehler;
    // A folder or a pipe of that name, an unreadable file and one far too large are named
    // with their reason.
    if (!leseDateiDerArt(pfad, Dateiart::Horizontprofil, bytes, fehler, s.Sprachspalte != 2)) {
        prompt.ask(PromptTitle::Fehler, PromptIcon::Error, fehler, PromptButtons::Ok);
        return false;
    }
    const Profillesung l = leseHorizontprofilText(bytes, datei, s.Sprachspalte);
    if (!l.ok) {
        prompt.ask(PromptTitle::Fehler, PromptIcon::Error, l.fehler, PromptButtons::Ok);
        return false;
    }
    s.Horizont = l.profil;
    s.ProfilInfo = l.info;
    s.HorizontGeladen = 1;
    breite = l.breite;
    laenge = l.laenge;
    return true;
}

bool uebernimmProfilOrt(AppState& s, UserPrompt& prompt, double breite, double laenge)
{
    constexpr double gleich = 1e-9;
    if (std::fabs(breite - s.Par.Breite) <= gleich && std::fabs(laenge - s.Par.Laenge) <= gleich)
        return false;
    zeigeMeldung(prompt, s, 70, PromptTitle::Information, PromptIcon::Information);
    s.Par.Breite = breite;
    s.Par.Laenge = laenge;
    return true;
}

bool liesHorizontprofilMitOrt(AppState& s, UserPrompt& prompt, const std::string& datei, bool& ortNeu)
{
    double breite = 0, laenge = 0;
    if (!liesHorizontprofil(s, prompt, datei, breite, laenge))
        return false;
    ortNeu = uebernimmProfilOrt(s, prompt, breite, laenge);
    return true;
}

} // namespace umbrin
