// The handlers of a settings or construction-data file's lines: the main lines and the "[Farben]",
// "[Zeiten]" and "[Datumslinien]" sections.
#include "dialogs/IniLeser.h"

#include "core/Datumstext.h"
#include "core/Sprachdienst.h"
#include "core/State.h"
#include "core/TextEncoding.h"
#include "core/UserPrompt.h"
#include "dialogs/DialogOrtWerte.h"
#include "dialogs/DialogParameterRegeln.h"
#include "dialogs/IniTexte.h"
#include "dialogs/IniZahlen.h"
#include "dialogs/Wertebereiche.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace umbrin {
namespace {

// The fourteen hour-range lines of "[Zeiten]" in file order, with their ranges.
struct ZeitenFeld {
    std::int32_t TZeiten::*feld;
    Wertebereich bereich;
};

constexpr std::array<ZeitenFeld, 14> kZeitenFelder = {{
    {&TZeiten::StundeVon, DateiBereich::Stunde},
    {&TZeiten::StundeBis, DateiBereich::Stunde},
    {&TZeiten::BabVon, DateiBereich::Stunde},
    {&TZeiten::BabBis, DateiBereich::Stunde},
    {&TZeiten::ItalVon, DateiBereich::Stunde},
    {&TZeiten::ItalBis, DateiBereich::Stunde},
    {&TZeiten::TempVon, DateiBereich::Temporalstunde},
    {&TZeiten::TempBis, DateiBereich::Temporalstunde},
    {&TZeiten::HoeheVon, DateiBereich::Hoehenlinie},
    {&TZeiten::HoeheBis, DateiBereich::Hoehenlinie},
    {&TZeiten::QuadVon, DateiBereich::Stunde},
    {&TZeiten::QuadBis, DateiBereich::Stunde},
    {&TZeiten::QuadTempVon, DateiBereich::Temporalstunde},
    {&TZeiten::QuadTempBis, DateiBereich::Temporalstunde},
}};

std::string_view ohneFuehrendeBlanks(std::string_view text)
{
    std::size_t n = 0;
    while (n < text.size() && text[n] == ' ')
        ++n;
    return text.substr(n);
}

int zifferWert(int c)
{
    return c >= '0' && c <= '9' ? c - '0' : -1;
}

} // namespace

IniLeser::Zeilenstand IniLeser::merke() const
{
    return {z_.Par, z_.Schalter, z_.Zeiten, z_.UhrTyp, z_.Schirmuhr, z_.SchinkenModus, z_.SkalaZylinder,
            z_.SkalaHidokai, z_.SkalaHidokai2, z_.RingLochVersatz, z_.DeklOben, z_.DeklUnten};
}

void IniLeser::zuruecksetzen(const Zeilenstand& st)
{
    z_.Par = st.par;
    z_.Schalter = st.schalter;
    z_.Zeiten = st.zeiten;
    z_.UhrTyp = st.uhrTyp;
    z_.Schirmuhr = st.schirmuhr;
    z_.SchinkenModus = st.schinkenModus;
    z_.SkalaZylinder = st.skalaZylinder;
    z_.SkalaHidokai = st.skalaHidokai;
    z_.SkalaHidokai2 = st.skalaHidokai2;
    z_.RingLochVersatz = st.ringLochVersatz;
    z_.DeklOben = st.deklOben;
    z_.DeklUnten = st.deklUnten;
}

bool IniLeser::abschliessen(const Zeilenstand& vorher, bool weiter, bool gemeldetBehalten)
{
    if (!weiter || (!meldung_.empty() && !gemeldetBehalten))
        zuruecksetzen(vorher);
    // A line that stops the reading is reported by the stop question alone.
    if (weiter && !meldung_.empty())
        prompt_.ask(PromptTitle::Fehler, PromptIcon::Question, meldung_, PromptButtons::Ok);
    meldung_.clear();
    return weiter;
}

bool IniLeser::hauptzeile(std::size_t i, const std::string& zeile)
{
    const Zeilenstand vorher = merke();
    bool weiter = true;
    if (const auto falsch = formfehler(i, zeile)) {
        // The numeric lines whose values stop the reading when they are no number.
        const bool haelt = (i >= 1 && i <= 8) || i == 17;
        if (haelt)
            weiter = false;
        else
            melde(zeileFehlerhaftMitWert(static_cast<int>(i), *falsch));
    } else {
        weiter = liesHauptzeile(i, zeile);
    }
    // The ring band's limits fall back one by one and the line is read on, as the file's
    // format has it; any other faulty line changes nothing.
    return abschliessen(vorher, weiter, i == 17);
}

// A value the line's own scanner would read as something else: "1e308" as 1, "0x2F" as 0,
// "47,25" as 47 and 25. Empty lines are no fault here; their handlers know what they mean.
std::optional<std::string> IniLeser::formfehler(std::size_t i, const std::string& zeile) const
{
    switch (i) {
    case 0:
        if (zeile.empty() || alsGanzzahl(zeile))
            return std::nullopt;
        return zeile;
    case 5: return formfehlerKommazeile(zeile, 6, 7);
    case 17: return std::nullopt; // ringband() tells a faulty offset from a faulty limit
    case 15:
        // Without ";" the whole line is the umbrella radius, which its handler checks.
        if (zeile.find(';') == std::string::npos)
            return std::nullopt;
        return formfehlerRingzeile(zeile);
    case 1: case 2: case 3: case 4: case 6: case 7: case 8: case 16:
        return formfehlerZahlenzeile(zeile);
    default:
        return std::nullopt;
    }
}

bool IniLeser::liesHauptzeile(std::size_t i, const std::string& zeile)
{
    switch (i) {
    case 0: jahr(zeile); return true;
    case 1: return ort(zeile, z_.Par.Breite, z_.Par.Breite2, DateiBereich::Breite, true);
    case 2: return ort(zeile, z_.Par.Laenge, z_.Par.Laenge2, DateiBereich::Laenge, false);
    case 3: return zonenmeridian(zeile);
    case 4: return gnomonUndZylinder(zeile);
    case 5: return skalen(zeile);
    case 6: return wand(zeile);
    case 7: return neigungUndKegel(zeile);
    case 8: return analemmaUndSawyer(zeile);
    case 9: return optionen(utf8ToCp1252(zeile));
    case 10: typ(utf8ToCp1252(zeile)); return true;
    case 11: return stunde(zeile, z_.Zeiten.EotVon);
    case 12: return stunde(zeile, z_.Zeiten.EotBis);
    case 13: sprache(zeile); return true;
    case 14: z_.FensterNormal = zeile == "false" ? 0 : 1; return true;
    case 15: schirmUndRing(zeile); return true;
    case 16: habermelUndPeaucellier(zeile); return true;
    case 17: return ringband(zeile);
    default: return true;
    }
}

bool IniLeser::farbe(std::size_t k, const std::string& zeile)
{
    if (zeile.empty())
        return true;
    const auto f = alsFarbwert(zeile);
    if (!f)
        return false;
    z_.Farben[k - 1] = *f;
    return true;
}

bool IniLeser::zeiten(std::size_t k, const std::string& zeile)
{
    const Zeilenstand vorher = merke();
    if (k == 15)
        return abschliessen(vorher, intervalle(utf8ToCp1252(zeile)));
    if (k < 1 || k > kZeitenFelder.size())
        return true;
    const ZeitenFeld& f = kZeitenFelder[k - 1];
    const auto v = alsGanzzahl(zeile);
    if (!v || !f.bereich.enthaelt(*v))
        return false;
    z_.Zeiten.*f.feld = *v;
    return true;
}

void IniLeser::datumslinie(std::size_t i, const std::string& zeile)
{
    // An empty line (a blank line left at the end of a file edited by hand) is passed
    // over without a report.
    if (zeile.empty())
        return;
    if (DatumPruefen(z_, zeile, nullptr)) {
        z_.Datumslinien.push_back(zeile);
        return;
    }
    falscheDaten_.emplace_back(i, zeile);
}

void IniLeser::meldeDatumslinien()
{
    if (falscheDaten_.empty())
        return;
    prompt_.ask(PromptTitle::Fehler, PromptIcon::Error, datumslinienFehlerhaftText(datei_, falscheDaten_, spalte_),
                PromptButtons::Ok);
    falscheDaten_.clear();
}

// Only the first report of a line is kept; abschliessen shows it once the line is done.
void IniLeser::melde(const std::string& text)
{
    if (meldung_.empty())
        meldung_ = text;
}

// A number the file may spell but no dialog would accept is reported with its line (counted
// from 0) and not taken: the field keeps the value it had before this line, and reading goes on.
bool IniLeser::imBereich(double wert, const Wertebereich& bereich, int zeile, std::string_view text)
{
    if (bereich.enthaelt(wert))
        return true;
    melde(zeileFehlerhaftMitWert(zeile, text));
    return false;
}

void IniLeser::jahr(const std::string& zeile)
{
    const auto j = alsGanzzahl(zeile);
    if (!j)
        z_.Par.Jahr = 2020;
    else if (imBereich(*j, DateiBereich::Jahr, 0, zeile))
        z_.Par.Jahr = *j;
}

// Main lines 1 and 2: a position and, when text follows, the second position.
bool IniLeser::ort(const std::string& zeile, double& erster, double& zweiter, const Wertebereich& bereich,
                   bool istBreite)
{
    std::string rest = zeile;
    auto v = alsReal(holeZahl(rest));
    if (!v || !bereich.enthaelt(*v))
        return false;
    erster = istBreite ? BreiteVomAequatorWeg(*v, Aequatorregel::Ort) : *v;
    if (rest.empty())
        return true;
    v = alsReal(holeZahl(rest));
    if (!v || !bereich.enthaelt(*v))
        return false;
    zweiter = istBreite ? BreiteVomAequatorWeg(*v, Aequatorregel::Zifferblatt) : *v;
    return true;
}

bool IniLeser::zonenmeridian(const std::string& zeile)
{
    std::string rest = zeile;
    const auto v = alsReal(holeZahl(rest));
    if (!v || !DateiBereich::Zonenmeridian.enthaelt(*v))
        return false;
    z_.Par.Zonenmeridian = *v;
    return true;
}

bool IniLeser::gnomonUndZylinder(const std::string& zeile)
{
    struct Realfeld {
        double* feld;
        Wertebereich bereich;
    };
    const std::array<Realfeld, 3> felder = {{
        {&z_.Par.Gnomonhoehe, DateiBereich::Gnomonhoehe},
        {&z_.Par.ZylZeiger, DateiBereich::ZylZeiger},
        {&z_.Par.ZylRadius, DateiBereich::ZylRadius},
    }};
    std::string rest = zeile;
    for (std::size_t k = 0; k < felder.size(); ++k) {
        // The first value is read even from an empty line, the others only when text is left.
        if (k > 0 && rest.empty())
            return true;
        const std::string text = holeZahl(rest);
        const auto v = alsReal(text);
        if (!v)
            return false;
        if (imBereich(*v, felder[k].bereich, 4, text))
            *felder[k].feld = *v;
    }
    if (!rest.empty()) {
        const std::string text = holeZahl(rest);
        const auto n = alsGanzzahl(text);
        if (!n)
            return false;
        if (imBereich(*n, DateiBereich::SkalaZylinder, 4, text))
            z_.SkalaZylinder = *n;
    }
    return true;
}

// Main line 5: six integers and the Habermel diameter, separated by commas. Their form has
// been checked with the line.
bool IniLeser::skalen(const std::string& zeile)
{
    struct Ganzzahlfeld {
        std::int32_t* feld;
        Wertebereich bereich;
        std::int32_t standard; // in place of a value that is no integer, without a word
    };
    const std::array<Ganzzahlfeld, 6> felder = {{
        {&z_.Par.Skalenlaenge, DateiBereich::Skalenlaenge, 70},
        {&z_.SkalaHidokai2, DateiBereich::SkalaHidokai2, 170},
        {&z_.SkalaHidokai, DateiBereich::SkalaHidokai, 150},
        {&z_.Par.HidokaiZeiger, DateiBereich::HidokaiZeiger, 150},
        {&z_.Schalter.Kartenmassstab, DateiBereich::Kartenmassstab, 150},
        {&z_.Par.QuadrantGroesse, DateiBereich::QuadrantGroesse, 150},
    }};
    std::string rest = zeile;
    for (const Ganzzahlfeld& f : felder) {
        const std::string wert = holeKommaWert(rest);
        if (wert.empty())
            continue;
        const auto n = alsGanzzahl(wert);
        if (!n)
            *f.feld = f.standard;
        else if (imBereich(*n, f.bereich, 5, wert))
            *f.feld = *n;
    }
    const std::string wert = holeKommaWert(rest);
    if (wert.empty())
        return true;
    const auto v = alsReal(wert);
    if (!v)
        return false;
    if (imBereich(*v, DateiBereich::HabermelDurchmesser, 5, wert))
        z_.Par.HabermelDurchmesser = *v;
    return true;
}

bool IniLeser::wand(const std::string& zeile)
{
    std::string rest = zeile;
    auto v = alsReal(holeZahl(rest));
    if (!v || !DateiBereich::Wandabweichung.enthaelt(*v))
        return false;
    z_.Par.Wandabweichung = *v;
    if (!rest.empty()) {
        v = alsReal(holeZahl(rest));
        if (!v)
            return false;
        z_.Par.Wandabweichung2 = *v;
    }
    // Tested also when the line holds no second value.
    return DateiBereich::Wandabweichung.enthaelt(z_.Par.Wandabweichung2);
}

bool IniLeser::neigungUndKegel(const std::string& zeile)
{
    std::string rest = zeile;
    // A text that is no number keeps the old inclination without a report.
    const std::string inklination = holeZahl(rest);
    if (const auto v = alsReal(inklination); v && imBereich(*v, DateiBereich::Inklination, 7, inklination))
        z_.Par.Inklination = *v;
    if (!rest.empty()) {
        const auto v = alsReal(holeZahl(rest));
        if (!v || !DateiBereich::KegelNeigung.enthaelt(*v))
            return false;
        z_.Par.KegelNeigung = *v;
    }
    if (!rest.empty()) {
        const auto v = alsReal(holeZahl(rest));
        if (!v || !DateiBereich::KegelOeffnung.enthaelt(*v))
            return false;
        z_.Par.KegelOeffnung = *v;
    }
    return true;
}

bool IniLeser::analemmaUndSawyer(const std::string& zeile)
{
    std::string rest = zeile;
    const std::string stundeText = holeZahl(rest);
    const auto stunde = alsGanzzahl(stundeText);
    if (!stunde)
        z_.Schalter.AnalemmaStunde = 12;
    else if (imBereich(*stunde, DateiBereich::AnalemmaStunde, 8, stundeText))
        z_.Schalter.AnalemmaStunde = *stunde;
    if (!rest.empty()) {
        const auto v = alsReal(holeZahl(rest));
        if (!v || !DateiBereich::DatumMitte.enthaelt(*v))
            return false;
        z_.Par.DatumMitte = *v;
    }
    if (!rest.empty()) {
        const auto v = alsReal(holeZahl(rest));
        if (!v || !DateiBereich::DatumWinkel.enthaelt(*v))
            return false;
        z_.Par.DatumWinkel = *v;
    }
    return rest.empty() || sawyerZeit(holeZahl(rest));
}

// The Sawyer time kind, item 0 to 4 of its choice.
bool IniLeser::sawyerZeit(const std::string& text)
{
    const auto n = alsGanzzahl(text);
    if (!n || !DateiBereich::SawyerZeit.enthaelt(*n))
        return false;
    z_.Par.SawyerZeit = static_cast<std::uint8_t>(*n);
    return true;
}

// Main line 9, one character per option, in Windows-1252 so that positions are characters.
bool IniLeser::optionen(std::string_view zeile)
{
    const std::string_view o = ohneFuehrendeBlanks(zeile);
    const auto at = [&](std::size_t p) -> int { return p < o.size() ? static_cast<unsigned char>(o[p]) : -1; };
    const auto flag = [&](std::size_t p) -> std::uint8_t { return at(p) == 'j' ? 1 : 0; };
    // The digit at p when it lies in 0..bis, else -1.
    const auto ziffer = [&](std::size_t p, int bis) {
        const int d = zifferWert(at(p));
        return d <= bis ? d : -1;
    };
    TSchalter& s = z_.Schalter;

    const int datumslinien = ziffer(0, 3);
    const int eotIntervall = ziffer(1, 6);
    if (datumslinien < 0 || eotIntervall < 0)
        return false;
    s.Datumslinien = static_cast<char>('0' + datumslinien);
    s.EotIntervall = static_cast<char>('0' + eotIntervall);
    s.BisFusspunkt = flag(2);
    s.MozGerade = flag(3);
    s.OhneZeitgl = flag(4);
    s.Analemma = flag(5);
    s.Babylonisch = flag(6);
    s.Italienisch = flag(7);
    s.Sonnenhoehe = flag(8);
    s.Temporalstunden = flag(9);
    s.QuadrantGespiegelt = flag(10);
    s.MitZeitglAzimut = flag(11);
    switch (at(12)) {
    case 'j':
    case '1':
        s.Zonenzeit = 1;
        s.Ortszeit = 0;
        s.TemporalAnzeige = 0;
        break;
    case 'n':
    case '0':
        s.Zonenzeit = 0;
        s.Ortszeit = 1;
        s.TemporalAnzeige = 0;
        break;
    case '2':
        s.TemporalAnzeige = 1;
        break;
    default:
        break;
    }
    s.Zeitablesung = flag(13);
    s.OhneLaengenkorrektur = flag(14);
    s.Monatsskala = flag(15);
    s.MitZeitglZylinder = flag(16);
    // Position 17 repeats Schalter.Ortszeit, which position 12 has set.
    if (at(18) >= 0) {
        const int d = ziffer(18, 5);
        if (d < 0)
            return false;
        s.StundenIntervall = static_cast<char>('0' + d);
    }
    s.HidokaiVertikal = flag(19);
    s.Ganzjaehrig = flag(20);
    s.OrtszeitAnzeige = flag(21);
    s.Poldreieck = flag(22);
    s.MitZeitgl = flag(23);
    const int marken = ziffer(24, 5);
    if (marken < 0)
        return false;
    s.AnalemmaMarken = static_cast<std::uint8_t>(marken);
    s.Analemma = flag(25);
    s.ZodiakSkala = flag(26);
    if (at(27) < 0) {
        s.RingExakt = 0;
    } else if (const int d = ziffer(27, 2); d >= 0) {
        s.RingExakt = static_cast<std::uint8_t>(d);
    } else {
        return false;
    }
    s.ZwoelfUhrHorizontal = flag(28);
    if (at(29) >= 0) {
        const int d = zifferWert(at(29));
        if (d < 0)
            return false;
        s.Linienstaerke = static_cast<std::uint8_t>(d);
    }
    s.Option57 = flag(30);
    s.Position2Vertikal = flag(31);
    s.Ebene = static_cast<std::uint8_t>(std::max(ziffer(32, 8), 0));
    s.Hoehenkreise = at(33) < 0 ? 1 : static_cast<std::uint8_t>(std::max(ziffer(33, 2), 0));
    s.AzimutKreise = static_cast<std::uint8_t>(std::max(ziffer(34, 1), 0));
    s.QuadrantSkala = static_cast<std::uint8_t>(std::max(ziffer(35, 2), 0));
    if (at(36) >= 0)
        s.GanzeTageslaenge = flag(36);
    if (at(37) >= 0)
        s.TemporalVerlaengern = flag(37);
    return true;
}

// Main line 10: the dial type, the umbrella flag and the sub-type. The letter 'o' is the ham
// dial, which has no construction of its own: it turns ham mode on, any other letter off.
bool IniLeser::bekannterTyp(char t)
{
    return std::string_view("hviqazkrcmwpbfo").find(t) != std::string_view::npos;
}

void IniLeser::typ(std::string_view t)
{
    if (t.empty())
        return;
    // A letter no dial answers to would leave the drawing window blank.
    const char letter = t[0] == 's' ? (t.size() > 1 ? t[1] : z_.UhrTyp) : t[0];
    if (!bekannterTyp(letter)) {
        melde(zeileFehlerhaftMitWert(10, cp1252ToUtf8(t)));
        return;
    }
    if (t[0] == 's') {
        z_.Schirmuhr = 1;
        if (t.size() > 1)
            z_.UhrTyp = t[1];
        z_.SchinkenModus = z_.UhrTyp == 'o' ? 1 : 0;
        return;
    }
    z_.Schirmuhr = 0;
    z_.UhrTyp = t[0];
    z_.SchinkenModus = z_.UhrTyp == 'o' ? 1 : 0;
    if (t.size() < 2)
        return;
    if (z_.UhrTyp == 'c') {
        // "c1" is the older form of the mean-time dial; the "1" is no sub-type.
        if (t[1] == '1')
            z_.UhrTyp = 'm';
        return;
    }
    const auto unterart = static_cast<std::uint8_t>(std::max(zifferWert(static_cast<unsigned char>(t[1])), 0));
    switch (z_.UhrTyp) {
    case 'm': z_.Schalter.Ebene = unterart; break;
    case 'z': z_.Schalter.ZylinderArt = unterart; break;
    case 'q': z_.Schalter.Hoehenuhrart = unterart; break;
    default: break;
    }
}

bool IniLeser::stunde(const std::string& zeile, std::int32_t& feld)
{
    const auto v = alsGanzzahl(zeile);
    if (!v || !DateiBereich::Stunde.enthaelt(*v))
        return false;
    feld = *v;
    return true;
}

void IniLeser::sprache(const std::string& zeile)
{
    setzeSprache(z_, zeile.empty() || zeile[0] != 'E');
    spalte_ = z_.Sprachspalte;
    const auto flag = [&](std::size_t p) -> std::uint8_t { return p < zeile.size() && zeile[p] == 'j' ? 1 : 0; };
    z_.ExpertenModus = flag(1);
    z_.KarteAn = flag(2);
    z_.GrenzenAn = flag(3);
    z_.KuestenAn = flag(4);
}

// Main line 15. Nothing here stops the reading; a ring diameter or angle out of range falls
// back to its default without a report.
void IniLeser::schirmUndRing(const std::string& zeile)
{
    if (zeile.find(';') == std::string::npos) {
        if (const auto v = alsReal(zeile)) {
            if (imBereich(*v, DateiBereich::SchirmRadius, 15, zeile))
                z_.Par.SchirmRadius = *v;
        } else {
            melde(zeileFehlerhaft(15));
        }
        return;
    }
    std::string rest = zeile;
    for (int k = 1; k <= 4 && !rest.empty(); ++k) {
        const std::string text = holeRingWert(rest, k == 1);
        const auto v = alsReal(text);
        switch (k) {
        case 1:
            if (!v)
                melde(zeileFehlerhaftAnStelle(16, 1));
            else if (imBereich(*v, DateiBereich::SchirmRadius, 15, text))
                z_.Par.SchirmRadius = *v;
            break;
        case 2:
            z_.Par.RingDurchmesser = v && DateiBereich::RingDurchmesser.enthaelt(*v) ? *v : 110.0;
            break;
        case 3:
            if (!v)
                melde(zeileFehlerhaftAnStelle(16, 3));
            else if (imBereich(*v, DateiBereich::RingBreite, 15, text))
                z_.Par.RingBreite = *v;
            break;
        default:
            z_.Par.RingAlpha = v && DateiBereich::RingAlpha.enthaelt(*v) ? *v : 50.0;
            break;
        }
    }
}

// Main line 16. Nothing here stops the reading; an empty line gives the defaults.
void IniLeser::habermelUndPeaucellier(const std::string& zeile)
{
    z_.Par.HabermelGnomon = 2.0;
    z_.Par.Einheit = 32;
    z_.Par.PeauParameter = -0.8749;
    std::string rest = zeile;
    if (!rest.empty()) {
        const auto v = alsReal(holeZahl(rest));
        if (v && DateiBereich::HabermelGnomon.enthaelt(*v))
            z_.Par.HabermelGnomon = *v;
        else
            melde(zeileFehlerhaftAnStelle(17, 1));
    }
    if (!rest.empty()) {
        const std::string text = holeZahl(rest);
        const auto n = alsGanzzahl(text);
        if (n && DateiBereich::Einheit.enthaelt(*n))
            z_.Par.Einheit = *n;
        else
            melde(zeileFehlerhaftMitWert(16, text));
    }
    if (!rest.empty()) {
        const std::string text = holeZahl(rest);
        const auto v = alsReal(text);
        if (v && DateiBereich::PeauParameter.enthaelt(*v))
            z_.Par.PeauParameter = *v;
        else
            melde(zeileFehlerhaftMitWert(16, text));
    }
    if (!rest.empty()) {
        const std::string text = holeZahl(rest);
        if (!sawyerZeit(text))
            melde(zeileFehlerhaftMitWert(16, text));
    }
}

// Main line 17: the ring dial's hole offset and declination band.
bool IniLeser::ringband(const std::string& zeile)
{
    // The band falls back to the obliquity known before this file was read.
    const double halbeSchiefe = z_.EpsRund / 2;
    z_.RingLochVersatz = 0;
    z_.DeklOben = halbeSchiefe;
    z_.DeklUnten = -halbeSchiefe;
    const std::vector<std::string> werte = zahlenwerte(zeile);
    const auto wert = [&](std::size_t k) -> std::optional<double> {
        return istSchlichterWert(werte[k]) ? alsReal(werte[k]) : std::nullopt;
    };
    if (!werte.empty()) {
        const auto v = wert(0);
        if (!v || !DateiBereich::RingLochVersatz.enthaelt(*v))
            return false;
        z_.RingLochVersatz = *v;
    }
    // A faulty limit keeps its fallback and is reported; the other is read all the same.
    double* const grenzen[] = {&z_.DeklOben, &z_.DeklUnten};
    const Wertebereich bereiche[] = {DateiBereich::DeklOben, DateiBereich::DeklUnten};
    for (std::size_t k = 1; k < 3 && k < werte.size(); ++k) {
        const auto v = wert(k);
        if (v && bereiche[k - 1].enthaelt(*v))
            *grenzen[k - 1] = *v;
        else
            melde(zeileFehlerhaftMitWert(17, werte[k]));
    }
    return true;
}

// Line 15 of "[Zeiten]": four interval digits, the character of the other pages' hour
// interval, and the temporal-hour interval digit.
bool IniLeser::intervalle(std::string_view zeile)
{
    const std::string_view o = ohneFuehrendeBlanks(zeile);
    TSchalter& s = z_.Schalter;
    for (std::size_t p = 0; p < 4 && p < o.size(); ++p) {
        const int d = zifferWert(static_cast<unsigned char>(o[p]));
        if (d < 0)
            return false;
        s.Intervalle[p] = static_cast<std::uint8_t>(d);
    }
    if (o.size() > 4)
        s.StundenIntervallSonst = o[4];
    if (o.size() > 5) {
        const int d = zifferWert(static_cast<unsigned char>(o[5]));
        if (d < 0)
            return false;
        s.TemporalIntervall = static_cast<std::uint8_t>(d);
    }
    return true;
}

} // namespace umbrin
