// Every message box, question and button a user meets speaks the interface language: each row
// of the drawing window's table in both languages, at latitudes and sizes that bring warnings
// and page refusals, in every view; the message tables and the CSV export's question besides.
#include "core/Sprachdienst.h"
#include "core/Texttabellen.h"
#include "drawing/Zeichnungszeilen.h"
#include "support/Ansichten.h"
#include "tables/Tabellendatei.h"

#include <gtest/gtest.h>

#include <set>

using namespace umbrin;
using namespace umbrin::test;

namespace {

// Words only one of the languages has (lower case); an umlaut or ß counts as German.
const std::set<std::string> kNurDeutsch = {"nicht", "und", "der", "die", "das", "ist", "datei", "ja", "nein", "wird",
                                           "kann", "bitte", "oder", "fehler", "zu", "keine", "sind", "mit", "auf"};
const std::set<std::string> kNurEnglisch = {"the", "file", "please", "cannot", "is", "not", "and", "of", "with",
                                            "too", "large", "page", "error", "must", "this", "saved", "yes"};

// The words of text that belong to the other language, quoted.
std::string fremdeWoerter(std::string_view text, bool deutsch)
{
    std::string gefunden;
    std::string wort;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const auto c = i < text.size() ? static_cast<unsigned char>(text[i]) : ' ';
        if (std::isalpha(c) || c >= 0x80) {
            wort += static_cast<char>(std::tolower(c));
            continue;
        }
        bool umlaut = false;
        for (const char* u : {"ä", "ö", "ü", "Ä", "Ö", "Ü", "ß"})
            umlaut = umlaut || wort.find(u) != std::string::npos;
        if (deutsch ? kNurEnglisch.count(wort) > 0 : kNurDeutsch.count(wort) > 0 || umlaut)
            gefunden += " '" + std::string(text.substr(i - wort.size(), wort.size())) + "'";
        wort.clear();
    }
    return gefunden;
}

// The smallest and largest value the dialogs accept of each size.
struct Groesse {
    void (*setze)(TPar&, double);
    double klein, gross;
};
#define GROESSE(feld, klein, gross)                                                                                    \
    Groesse { [](TPar& p, double x) { p.feld = static_cast<decltype(p.feld)>(x); }, klein, gross }
const Groesse kGroessen[] = {
    GROESSE(Gnomonhoehe, 3, 500),   GROESSE(HabermelGnomon, 9, 100), GROESSE(HabermelDurchmesser, 30, 200),
    GROESSE(Einheit, 10, 300),      GROESSE(ZylRadius, 4, 500),      GROESSE(RingDurchmesser, 10, 300),
    GROESSE(KegelOeffnung, 1, 85),  GROESSE(Skalenlaenge, 3, 220),   GROESSE(QuadrantGroesse, 80, 200),
    GROESSE(HidokaiZeiger, 3, 220), GROESSE(ZylZeiger, 3, 220),
};

// Every row of the table, named by its letter and sub-type.
std::vector<std::pair<std::string, Zeichnungseintrag>> tabellenzeilen()
{
    std::vector<std::pair<std::string, Zeichnungseintrag>> zeilen;
    for (const auto liste : {zeilenEbene, zeilenAzimutal, zeilenHabermel, zeilenHoehenuhr, zeilenZylinder,
                             zeilenPeaucellierSawyer, zeilenQuadrant, zeilenRing, zeilenKegel})
        for (const Zeichnungseintrag& e : liste())
            zeilen.emplace_back((e.typ == kSchinkenZeile ? "o" : std::string(1, e.typ)) + std::to_string(std::max(e.unterTyp, 0)), e);
    return zeilen;
}

// A row's state with every size at its smallest (extrem -1), start (0) or largest value (1).
AppState zustand(const Zeichnungseintrag& e, double breite, int extrem, bool deutsch)
{
    AppState s;
    initialisiereZustand(s);
    const auto unter = static_cast<std::uint8_t>(std::max(e.unterTyp, 0));
    s.UhrTyp = e.typ == kSchinkenZeile ? 'h' : e.typ;
    s.Schalter.AzimutKreise = e.typ == 'a' ? unter : s.Schalter.AzimutKreise;
    s.Schalter.Hoehenuhrart = e.typ == 'q' ? unter : s.Schalter.Hoehenuhrart;
    s.Schalter.ZylinderArt = e.typ == 'z' ? unter : s.Schalter.ZylinderArt;
    s.SchinkenModus = e.typ == kSchinkenZeile;
    s.Par.HabermelGnomon = s.SchinkenModus ? 30 : s.Par.HabermelGnomon;
    s.Par.Breite = breite;
    for (const Groesse& g : kGroessen)
        if (extrem)
            g.setze(s.Par, extrem < 0 ? g.klein : g.gross);
    setzeSprache(s, deutsch);
    return s;
}

class Sprachpruefung : public testing::TestWithParam<std::size_t> {};

} // namespace

TEST_P(Sprachpruefung, EveryBoxOfADrawingSpeaksTheInterfaceLanguage)
{
    const auto [name, eintrag] = tabellenzeilen().at(GetParam());
    std::string befund;
    std::size_t texte = 0;
    for (const bool deutsch : {true, false})
        for (const double breite : {1.3, 47.25, 66.0, -60.0})
            for (const int extrem : {-1, 0, 1})
                for (const Sicht& v : kSichten) {
                    const bool korrektur = eintrag.typ == 'r' && eintrag.unterTyp == 1;
                    const Blattinhalt b = zeichneInSicht(zustand(eintrag, breite, extrem, deutsch), v, kSchirm, {}, korrektur);
                    std::vector<std::string> gezeigt;
                    for (const Konstruktionsmeldung& m : b.meldungen)
                        gezeigt.push_back(m.text);
                    for (const ScriptedPrompt::Frage& f : b.fragen)
                        gezeigt.insert(gezeigt.end(), {f.text, f.yesWord, f.noWord});
                    texte += gezeigt.size();
                    for (const std::string& t : gezeigt)
                        if (!fremdeWoerter(t, deutsch).empty())
                            befund += std::to_string(breite) + " deg, sizes " + std::to_string(extrem) + ", " + v.name + ":"
                                      + fremdeWoerter(t, deutsch) + " in \"" + t + "\"\n";
                }
    EXPECT_EQ(befund, "");
    EXPECT_GT(texte, 0u) << "every row says something: its plot's report at least";
}

INSTANTIATE_TEST_SUITE_P(Zeilen, Sprachpruefung, testing::Range<std::size_t>(0, tabellenzeilen().size()),
                         [](const testing::TestParamInfo<std::size_t>& i) { return tabellenzeilen().at(i.param).first; });

TEST(Sprachpruefung, TheMessageTablesAndTheExportQuestionSpeakTheirColumnsLanguage)
{
    std::vector<TextZeile> zeilen(MeldungsTitel.begin(), MeldungsTitel.end());
    zeilen.insert(zeilen.end(), KonstruktionsHinweise.begin(), KonstruktionsHinweise.end());
    zeilen.insert(zeilen.end(), MeldungsTabelle.begin(), MeldungsTabelle.end());
    const CsvTrennerFrage de = csvTrennerFrage(true);
    const CsvTrennerFrage en = csvTrennerFrage(false);
    const std::string frage[2] = {de.text + " " + de.ja + " " + de.nein, en.text + " " + en.ja + " " + en.nein};
    const std::string bericht[2] = {tabellenSchreibfehlerText("t", "", true) + speicherfehlerText("t", "", true),
                                    tabellenSchreibfehlerText("t", "", false) + speicherfehlerText("t", "", false)};
    zeilen.insert(zeilen.end(), {{frage[0], frage[1]}, {bericht[0], bericht[1]}});
    std::string befund;
    for (const TextZeile& t : zeilen)
        befund += fremdeWoerter(t.deutsch, true) + fremdeWoerter(t.englisch, false);
    EXPECT_EQ(befund, "");
    EXPECT_EQ(fremdeWoerter("Die Datei ist zu groß", false), " 'Die' 'Datei' 'ist' 'zu' 'groß'");
    EXPECT_EQ(fremdeWoerter("The file is too large", true), " 'The' 'file' 'is' 'too' 'large'");
    EXPECT_EQ(fremdeWoerter("Der Zeiger ist 70 mm lang", true), "");
}
