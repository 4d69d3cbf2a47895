#include "dialogs/IniText.h"

#include "core/Datumstext.h"
#include "core/Dateigroesse.h"
#include "core/SafeSave.h"
#include "core/State.h"
#include "core/TextEncoding.h"
#include "core/UserPrompt.h"
#include "core/Zahlenformat.h"
#include "dialogs/DialogOrtWerte.h"
#include "dialogs/IniTexte.h"
#include "dialogs/IniZahlen.h"
#include "dialogs/Wertebereiche.h"

#include <array>
#include <system_error>

namespace umbrin {
namespace {

char flagZeichen(std::uint8_t v)
{
    return v ? 'j' : 'n';
}

// One character per option: a byte beyond 9 would shift every later option of the line, so
// it is written as 9.
char ziffer(int v)
{
    return static_cast<char>('0' + (v < 0 ? 0 : v > 9 ? 9 : v));
}

// A single stored character (read from a Windows-1252 file) as UTF-8 text.
std::string zeichen(char c)
{
    return cp1252ToUtf8(std::string(1, c));
}

std::string optionszeile(const TSchalter& o)
{
    std::string z;
    z += zeichen(o.Datumslinien);
    z += zeichen(o.EotIntervall);
    z += flagZeichen(o.BisFusspunkt);
    z += flagZeichen(o.MozGerade);
    z += flagZeichen(o.OhneZeitgl);
    z += flagZeichen(o.Analemma);
    z += flagZeichen(o.Babylonisch);
    z += flagZeichen(o.Italienisch);
    z += flagZeichen(o.Sonnenhoehe);
    z += flagZeichen(o.Temporalstunden);
    z += flagZeichen(o.QuadrantGespiegelt);
    z += flagZeichen(o.MitZeitglAzimut);
    z += o.TemporalAnzeige ? '2' : o.Zonenzeit ? '1' : '0';
    z += flagZeichen(o.Zeitablesung);
    z += flagZeichen(o.OhneLaengenkorrektur);
    z += flagZeichen(o.Monatsskala);
    z += flagZeichen(o.MitZeitglZylinder);
    z += flagZeichen(o.Ortszeit);
    z += zeichen(o.StundenIntervall);
    z += flagZeichen(o.HidokaiVertikal);
    z += flagZeichen(o.Ganzjaehrig);
    z += flagZeichen(o.OrtszeitAnzeige);
    z += flagZeichen(o.Poldreieck);
    z += flagZeichen(o.MitZeitgl);
    z += ziffer(o.AnalemmaMarken);
    z += flagZeichen(o.Analemma);
    z += flagZeichen(o.ZodiakSkala);
    z += ziffer(o.RingExakt);
    z += flagZeichen(o.ZwoelfUhrHorizontal);
    z += ziffer(o.Linienstaerke);
    z += flagZeichen(o.Option57);
    z += flagZeichen(o.Position2Vertikal);
    z += ziffer(o.Ebene);
    z += ziffer(o.Hoehenkreise);
    z += ziffer(o.AzimutKreise);
    z += ziffer(o.QuadrantSkala);
    z += flagZeichen(o.GanzeTageslaenge);
    z += flagZeichen(o.TemporalVerlaengern);
    return z;
}

std::string typzeile(const AppState& s)
{
    if (s.Schirmuhr)
        return "s" + zeichen(s.UhrTyp);
    switch (s.UhrTyp) {
    case 'q': return std::string("q") + ziffer(s.Schalter.Hoehenuhrart);
    case 'c': return "c0";
    case 'm': return std::string("m") + ziffer(s.Schalter.Ebene);
    case 'z': return std::string("z") + ziffer(s.Schalter.ZylinderArt);
    default: return zeichen(s.UhrTyp);
    }
}

// Line 16 carries the Habermel gnomon. A gnomon the reader would refuse (the start value 0
// before any file was read) is written as the reader's own default, so a fresh file reads
// back without a complaint.
std::string habermelGnomonText(double gnomon)
{
    std::string text = RealStr(gnomon, 7, DateiStellen::HabermelGnomon);
    const auto gelesen = alsReal(text);
    if (!gelesen || !DateiBereich::HabermelGnomon.enthaelt(*gelesen))
        text = RealStr(2.0, 7, 1);
    return text;
}

void hauptzeilen(const AppState& s, std::vector<std::string>& l)
{
    const TPar& p = s.Par;
    const TSchalter& o = s.Schalter;
    namespace D = DateiStellen;
    l.push_back(std::to_string(p.Jahr));
    // The latitude as the reader gives it back (one on the equator kept off it), so that a file
    // read and written again is the same file.
    l.push_back(RealStr(BreiteVomAequatorWeg(p.Breite, Aequatorregel::Ort), 10, D::Breite) + ";"
                + zweiteBreiteText(p.Breite2));
    l.push_back(RealStr(p.Laenge, 10, D::Laenge) + ";" + RealStr(p.Laenge2, 12, D::Laenge2));
    l.push_back(RealStr(p.Zonenmeridian, 12, D::Zonenmeridian));
    l.push_back(RealStr(p.Gnomonhoehe, 6, D::Gnomonhoehe) + ";" + RealStr(p.ZylZeiger, 6, D::ZylZeiger) + ";"
                + RealStr(p.ZylRadius, 8, D::ZylRadius) + ";" + RealStr(s.SkalaZylinder, 7, 0));
    l.push_back(std::to_string(p.Skalenlaenge) + "," + std::to_string(s.SkalaHidokai2) + "," + std::to_string(s.SkalaHidokai)
                + "," + std::to_string(p.HidokaiZeiger) + "," + std::to_string(o.Kartenmassstab) + ","
                + std::to_string(p.QuadrantGroesse) + "," + RealStr(p.HabermelDurchmesser, 6, D::HabermelDurchmesser));
    l.push_back(RealStr(p.Wandabweichung, 11, D::Wandabweichung) + ";" + RealStr(p.Wandabweichung2, 10, D::Wandabweichung));
    l.push_back(RealStr(p.Inklination, 11, D::Inklination) + ";" + RealStr(p.KegelNeigung, 10, D::KegelNeigung) + ";"
                + RealStr(p.KegelOeffnung, 10, D::KegelOeffnung));
    l.push_back(std::to_string(o.AnalemmaStunde) + ";" + RealStr(p.DatumMitte, 6, D::DatumMitte) + ";"
                + RealStr(p.DatumWinkel, 7, D::DatumWinkel) + ";  " + RealStr(p.SawyerZeit, 2, 0));
    l.push_back(optionszeile(o));
    l.push_back(typzeile(s));
    l.push_back(std::to_string(s.Zeiten.EotVon));
    l.push_back(std::to_string(s.Zeiten.EotBis));
    std::string sprache = s.Deutsch ? "D" : "E";
    sprache += flagZeichen(s.ExpertenModus);
    sprache += flagZeichen(s.KarteAn);
    sprache += flagZeichen(s.GrenzenAn);
    sprache += flagZeichen(s.KuestenAn);
    l.push_back(sprache);
    l.push_back(s.FensterNormal ? "true" : "false");
    l.push_back(RealStr(p.SchirmRadius, 11, D::SchirmRadius) + ";" + RealStr(p.RingDurchmesser, 7, D::RingDurchmesser) + ";"
                + RealStr(p.RingBreite, 7, D::RingBreite) + ";" + RealStr(p.RingAlpha, 5, D::RingAlpha));
    l.push_back(habermelGnomonText(p.HabermelGnomon) + ";" + RealStr(p.Einheit, 6, 0) + ";"
                + RealStr(p.PeauParameter, 9, D::PeauParameter));
    l.push_back(RealStr(s.RingLochVersatz, 7, D::RingLochVersatz) + ";" + RealStr(s.DeklOben, 7, D::DeklOben) + ";"
                + RealStr(s.DeklUnten, 7, D::DeklUnten));
}

// The colours of the settings file on disk, for a save that keeps them. False when there is
// no such file or it has no "[Farben]" line (the current colours are written then).
bool alteFarbenLesen(const AppState& s, std::array<Farbe, 12>& farben, UserPrompt& prompt)
{
    std::error_code ec;
    if (!std::filesystem::exists(s.IniDatei, ec))
        return false;
    std::string bytes;
    std::string fehler;
    if (!leseDateiDerArt(s.IniDatei, Dateiart::Einstellungen, bytes, fehler, s.Sprachspalte != 2)) {
        prompt.ask(PromptTitle::Information, PromptIcon::Question,
                   std::string(s.Sprachspalte == 2 ? "Original colour settings not found!" : "Ursprüngliche Farbeinstellung nicht gefunden!")
                       + "\r\n" + fehler,
                   PromptButtons::Ok);
        return false;
    }
    const std::vector<std::string> zeilen = IniTextZeilen(bytes);
    std::size_t kopf = 0;
    while (kopf + 1 < zeilen.size() && zeilen[kopf] != "[Farben]")
        ++kopf;
    if (kopf >= zeilen.size() || zeilen[kopf] != "[Farben]")
        return false;
    for (std::size_t k = 1; k <= 12; ++k) {
        if (kopf + k >= zeilen.size()) {
            farben[k - 1] = 255;
            continue;
        }
        const auto wert = alsFarbwert(zeilen[kopf + k]);
        farben[k - 1] = wert ? *wert : 0;
    }
    return true;
}

} // namespace

std::string zweiteBreiteText(double breite2)
{
    std::string text = RealStr(breite2, 12, DateiStellen::Breite2);
    const std::size_t erste = text.find_first_not_of(' ');
    if (breite2 < 0 && text[erste] != '-' && erste > 0)
        text[erste - 1] = '-';
    return text;
}

void IniTextErstellen(const AppState& s, bool keepOld, std::vector<std::string>& liste, UserPrompt& prompt)
{
    liste.clear();
    std::array<Farbe, 12> farben = s.Farben;
    if (keepOld) {
        std::array<Farbe, 12> alte{};
        if (alteFarbenLesen(s, alte, prompt))
            farben = alte;
    }

    hauptzeilen(s, liste);
    liste.push_back("[Farben]");
    for (const Farbe f : farben)
        liste.push_back(std::to_string(static_cast<std::int32_t>(f)));

    const TZeiten& z = s.Zeiten;
    liste.push_back("[Zeiten]");
    for (const std::int32_t v : {z.StundeVon, z.StundeBis, z.BabVon, z.BabBis, z.ItalVon, z.ItalBis, z.TempVon, z.TempBis,
                                 z.HoeheVon, z.HoeheBis, z.QuadVon, z.QuadBis, z.QuadTempVon, z.QuadTempBis})
        liste.push_back(std::to_string(v));
    const TSchalter& o = s.Schalter;
    std::string intervalle;
    for (const std::uint8_t b : o.Intervalle)
        intervalle += ziffer(b);
    intervalle += zeichen(o.StundenIntervallSonst);
    intervalle += ziffer(o.TemporalIntervall);
    liste.push_back(intervalle);

    liste.push_back("[Datumslinien]");
    for (const std::string& d : s.Datumslinien) {
        if (DatumPruefen(s, d, &prompt))
            liste.push_back(d);
    }
}

std::string IniTextBytes(const std::vector<std::string>& zeilen)
{
    std::string bytes;
    for (const std::string& z : zeilen) {
        bytes += utf8ToCp1252(z);
        bytes += "\r\n";
    }
    return bytes;
}

std::vector<std::string> IniTextZeilen(std::string_view bytes)
{
    const std::string text = decodeFileText(bytes);
    std::vector<std::string> zeilen;
    std::size_t anfang = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        zeilen.emplace_back(text, anfang, i - anfang);
        i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
        anfang = i;
    }
    if (anfang < text.size())
        zeilen.emplace_back(text, anfang, text.size() - anfang);
    return zeilen;
}

bool IniTextSpeichern(const std::vector<std::string>& zeilen, const std::filesystem::path& datei, std::string& fehler,
                      bool deutsch)
{
    return saveFileSafely(datei, IniTextBytes(zeilen), fehler, deutsch);
}

bool SchreibeNeueIni(const AppState& s, const std::filesystem::path& datei, UserPrompt& prompt)
{
    std::vector<std::string> zeilen;
    IniTextErstellen(s, false, zeilen, prompt);
    std::string fehler;
    if (IniTextSpeichern(zeilen, datei, fehler, s.Sprachspalte != 2)) {
        prompt.ask(PromptTitle::Information, PromptIcon::Information,
                   datei.string() + "  " + std::string(iniMeldung(IniMeldung::Gespeichert, s.Sprachspalte)), PromptButtons::Ok);
        return true;
    }
    prompt.ask(PromptTitle::Fehler, PromptIcon::Error,
               datei.string() + " :\r\n" + std::string(iniMeldung(IniMeldung::NichtGespeichert, s.Sprachspalte)),
               PromptButtons::Ok);
    return false;
}

} // namespace umbrin
