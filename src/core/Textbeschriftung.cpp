#include "core/Textbeschriftung.h"

#include "core/Sprachdienst.h"
#include "core/Textlisten.h"
#include "core/Textumformung.h"
#include "core/Zahlenformat.h"

#include <array>

namespace umbrin {

namespace {

// A run of items: rows of the interface-text table or string-table ids, von..bis inclusive.
struct Quelle {
    enum Art { Keine, Zeilen, Ids } art = Keine;
    int von = 0;
    int bis = -1;
};

constexpr Quelle zeilen(int von, int bis) { return {Quelle::Zeilen, von, bis}; }
constexpr Quelle ids(int von, int bis) { return {Quelle::Ids, von, bis}; }

enum class TitelArt { Bleibt, Leer, Text, Zeile, Titel };

struct RadioRegel {
    int tag;
    Quelle eintraege;
    TitelArt titelArt = TitelArt::Bleibt;
    int titelNr = 0;
    Quelle zusatz = {};            // items appended after the first run
    const char* anhang = nullptr;  // one more literal item
    Quelle mitZodiakSkala = {};    // items instead of the first run when the zodiac scale is on
};

constexpr std::array<RadioRegel, 38> radioRegeln = {{
    {50, zeilen(34, 36), TitelArt::Text, 812},
    {812, zeilen(34, 36)},
    {51, zeilen(0, 1), TitelArt::Leer},
    {52, zeilen(2, 3), TitelArt::Leer},
    {53, ids(183, 195)},
    {54, zeilen(114, 116), TitelArt::Zeile, 37, zeilen(201, 201)},
    {55, zeilen(109, 110)},
    {56, zeilen(199, 200), TitelArt::Leer},
    {57, ids(340, 342), TitelArt::Text, 339},
    {58, ids(160, 162), TitelArt::Text, 163},
    {59, ids(148, 149)},
    {107, zeilen(39, 41)},
    {357, ids(357, 358), TitelArt::Leer},
    {400, ids(328, 330), TitelArt::Leer},
    {401, ids(328, 330), TitelArt::Text, 331},
    {497, ids(497, 499), TitelArt::Leer},
    {502, ids(524, 527), TitelArt::Bleibt, 0, {}, "  "},
    {516, zeilen(19, 21)},
    {536, ids(513, 514), TitelArt::Text, 512},
    {537, ids(513, 514), TitelArt::Text, 512},
    {552, ids(498, 499)},
    {553, zeilen(16, 18)},
    {554, zeilen(27, 28), TitelArt::Bleibt, 0, {}, nullptr, zeilen(207, 208)},
    {555, zeilen(4, 5), TitelArt::Text, 553},
    {562, zeilen(25, 26), TitelArt::Bleibt, 0, {}, nullptr, zeilen(205, 206)},
    {566, ids(151, 152)},
    {567, ids(151, 153)},
    {573, ids(355, 356), TitelArt::Text, 501},
    {574, zeilen(29, 30)},
    {576, ids(210, 212)},
    {583, zeilen(220, 221)},
    {600, ids(630, 633), TitelArt::Leer},
    {603, zeilen(22, 24), TitelArt::Titel, 32},
    {604, zeilen(22, 24)},
    {605, ids(350, 352), TitelArt::Text, 353},
    {712, zeilen(212, 212), TitelArt::Zeile, 211},
    {713, zeilen(111, 113)},
    {730, zeilen(229, 231)},
}};

enum class Auswahl { RingBab, RingItal, Sonnenstand, Null, LinienProMonat, Zonenzeit, Diagrammart };

struct AuswahlRegel {
    int tag;
    Quelle eintraege;
    Auswahl auswahl;
    int praefixId = 0; // items prefixed with this text (without "&") and a blank
};

constexpr std::array<AuswahlRegel, 7> auswahlRegeln = {{
    {56, ids(56, 58), Auswahl::RingBab},
    {57, ids(56, 58), Auswahl::RingItal},
    {58, ids(591, 593), Auswahl::Sonnenstand},
    {59, ids(73, 79), Auswahl::Null},
    {60, ids(46, 48), Auswahl::LinienProMonat},
    {65, ids(513, 514), Auswahl::Zonenzeit, 494},
    {86, ids(86, 87), Auswahl::Diagrammart},
}};

std::vector<std::string> liste(const AppState& s, Quelle q, int basis)
{
    switch (q.art) {
    case Quelle::Zeilen: return ListeAusTabelle(s, q.von, q.bis);
    case Quelle::Ids: return ListeAusStringtabelle(basis, q.von, q.bis - q.von + 1);
    case Quelle::Keine: break;
    }
    return {};
}

int auswahlIndex(const AppState& s, Auswahl a)
{
    switch (a) {
    case Auswahl::RingBab: return s.RingBabTeil;
    case Auswahl::RingItal: return s.RingItalTeil;
    case Auswahl::Sonnenstand: return s.Schalter.Sonnenstand;
    case Auswahl::Null: return 0;
    case Auswahl::LinienProMonat: return s.Schalter.LinienProMonat - 1;
    case Auswahl::Zonenzeit: return s.Schalter.Zonenzeit ? 1 : 0;
    case Auswahl::Diagrammart: return s.Schalter.Diagrammart;
    }
    return 0;
}

// Family number of the palette heading: the dial family's row after row 31 of the titles.
int familie(const AppState& s)
{
    switch (s.UhrTyp) {
    case 'h':
    case 'i':
    case 'v': return s.Schirmuhr ? 1 : 0;
    case 'q': return 2;
    case 'z': return 3;
    case 'k': return 4;
    case 'r': return 5;
    case 'a': return 6;
    case 'c': return 7;
    case 'm': return 8;
    case 'p':
    case 'w': return 9;
    default: return 13; // 'b', 'f', 'o' have no family of their own
    }
}

Beschriftung fensterTitel(const AppState& s, int textId, int basis)
{
    Beschriftung b;
    if (textId == RechenfensterTextId) {
        std::string titel = rechenfensterTitel(s, s.Rechenmodus);
        if (!titel.empty())
            b.text = std::move(titel);
        return b;
    }
    if (textId == TabellenfensterTextId) {
        const std::string jahr = "  " + IntStr(s.Par.Jahr);
        switch (s.Rechenmodus) {
        case 16: b.text = holeText(s, 70) + jahr; break;
        case 32: b.text = holeText(s, s.Schalter.Diagrammart ? 69 : 41) + jahr; break;
        case 1: b.text = holeText(s, 65); break;
        case 8:
            if (s.Tabellenoption)
                b.text = holeText(s, 66);
            else if (s.Durchgangstabelle)
                b.text = holeText(s, 68);
            else
                b.text = holeText(s, 67);
            break;
        default: break;
        }
        return b;
    }
    b.text = OhneAmpersand(ladeText(textId, basis));
    return b;
}

Beschriftung liste(const AppState& s, int textId, int basis)
{
    Beschriftung b;
    if (textId == 56) {
        b.eintraege = ListeAusStringtabelle(basis, 56, 3);
    } else if (textId == 798) {
        if (s.Rechenmodus == 1)
            b.eintraege = s.Tabellenzeilen;
    } else if (textId == 799) {
        std::vector<std::string> kopf;
        if (s.Rechenmodus == 1) {
            kopf.emplace_back(texteText(s, 72));
            kopf.emplace_back(texteText(s, 73));
        } else if (s.Rechenmodus == 8) {
            const std::string jahr = RealStr(s.Par.Jahr, 4, 0);
            const std::string zone = RealStr(s.Par.Zonenmeridian, 6, 1) + "\xC2\xB0 )";
            if (s.Tabellenoption && s.Tabellentyp == 0)
                kopf.push_back("     " + std::string(texteText(s, 77)) + jahr + " " + std::string(texteText(s, 82)) + zone);
            else if (s.Tabellenoption)
                kopf.push_back(std::string(16, ' ') + std::string(texteText(s, 117)) + jahr);
            else
                kopf.push_back("     " + std::string(texteText(s, 78)) + jahr + "  " + std::string(texteText(s, 82)) + zone);
            kopf.push_back(monatsKopfzeile(s, s.Durchgangstabelle != 0));
        }
        b.eintraege = std::move(kopf);
    }
    return b;
}

Beschriftung memo(const AppState& s, int textId)
{
    Beschriftung b;
    switch (textId) {
    case 20: b.eintraege = s.InfoZeilen; break;
    case 608: b.eintraege = ListeAusTabelle(s, 61, 62); break;
    case 609: b.eintraege = ListeAusTabelle(s, 52, 58); break;
    case 610:
        b.eintraege = std::vector<std::string>{std::string(texteText(s, 59)),
                                               std::string(texteText(s, 60)) + IntStr(s.Par.Jahr) + "."};
        break;
    default: break;
    }
    return b;
}

Beschriftung radioGruppe(const AppState& s, int textId, int basis)
{
    Beschriftung b;
    b.text = ladeText(textId, basis);
    for (const RadioRegel& r : radioRegeln) {
        if (r.tag != textId)
            continue;
        const Quelle q = (r.mitZodiakSkala.art != Quelle::Keine && s.Schalter.ZodiakSkala) ? r.mitZodiakSkala : r.eintraege;
        std::vector<std::string> eintraege = liste(s, q, basis);
        for (auto& e : liste(s, r.zusatz, basis))
            eintraege.push_back(std::move(e));
        if (r.anhang)
            eintraege.emplace_back(r.anhang);
        b.eintraege = std::move(eintraege);
        switch (r.titelArt) {
        case TitelArt::Bleibt: break;
        case TitelArt::Leer: b.text = std::string{}; break;
        case TitelArt::Text: b.text = ladeText(r.titelNr, basis); break;
        case TitelArt::Zeile: b.text = std::string(texteText(s, r.titelNr)); break;
        case TitelArt::Titel: b.text = std::string(titelText(s, r.titelNr)); break;
        }
        break;
    }
    return b;
}

Beschriftung auswahlListe(const AppState& s, int textId, int basis)
{
    Beschriftung b;
    for (const AuswahlRegel& r : auswahlRegeln) {
        if (r.tag != textId)
            continue;
        std::vector<std::string> eintraege = liste(s, r.eintraege, basis);
        if (r.praefixId) {
            const std::string praefix = holeText(s, r.praefixId) + " ";
            for (auto& e : eintraege)
                e = praefix + e;
        }
        b.eintraege = std::move(eintraege);
        b.auswahl = auswahlIndex(s, r.auswahl);
        break;
    }
    return b;
}

} // namespace

Beschriftung beschriftungFuer(const AppState& s, Komponentenart art, int textId, int basis)
{
    if (textId == 0)
        return {};
    switch (art) {
    case Komponentenart::Beschriftung: return {ladeText(textId, basis), {}, {}};
    case Komponentenart::Farbraster: return {};
    case Komponentenart::Memo: return memo(s, textId);
    case Komponentenart::Seitenreiter: {
        Beschriftung b;
        if (textId == 620) {
            std::vector<std::string> seiten;
            for (int i = 0; 31 + i <= static_cast<int>(TitelTabelle.size()); ++i)
                seiten.emplace_back(titelText(s, 31 + i));
            b.eintraege = std::move(seiten);
        }
        return b;
    }
    case Komponentenart::Fenster: return fensterTitel(s, textId, basis);
    case Komponentenart::Liste: return liste(s, textId, basis);
    case Komponentenart::Auswahlliste: return auswahlListe(s, textId, basis);
    case Komponentenart::Gruppe:
        if (textId >= 202 && textId <= 204)
            return {std::string(texteText(s, textId)), {}, {}};
        return {ladeText(textId, basis), {}, {}};
    case Komponentenart::RadioGruppe: return radioGruppe(s, textId, basis);
    case Komponentenart::Sonstige: return {};
    }
    return {};
}

std::vector<std::pair<std::string, std::string>> farbLegendenZeilen(const AppState& s)
{
    std::vector<std::pair<std::string, std::string>> zeilen;
    for (int r = 1; r <= 12; ++r) {
        const int k = s.TypBasis + r;
        zeilen.emplace_back(std::string(farbLegendeSlot(k)), std::string(farbLegendeText(s, k)));
    }
    return zeilen;
}

std::string farbLegendenUeberschrift(const AppState& s)
{
    return " " + std::string(farbLegendeText(s, 0)) + std::string(titelText(s, 31 + familie(s))) + ":";
}

std::vector<int> beschriftungsRegelIds()
{
    std::vector<int> alle = {56, 57, 58, 65, 66, 67, 68, 69, 70, 494};
    auto nimm = [&alle](Quelle q) {
        if (q.art == Quelle::Ids)
            for (int id = q.von; id <= q.bis; ++id)
                alle.push_back(id);
    };
    for (const RadioRegel& r : radioRegeln) {
        if (r.titelArt == TitelArt::Bleibt)
            alle.push_back(r.tag);
        nimm(r.eintraege);
        nimm(r.zusatz);
        nimm(r.mitZodiakSkala);
        if (r.titelArt == TitelArt::Text)
            alle.push_back(r.titelNr);
    }
    for (const AuswahlRegel& r : auswahlRegeln)
        nimm(r.eintraege);
    return alle;
}

} // namespace umbrin
