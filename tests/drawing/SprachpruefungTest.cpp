// Every message box, question and button a user meets speaks the interface language: for each
// row of the drawing window's table, in German and in English, at latitudes and sizes that
// bring the constructions' warnings and the page checks' refusals, on both screens, both pages
// and in the plot, and the message tables and the table window's export question besides. A
// text with a word only the other language has fails.
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

// Words found only in German texts, and only in English ones (lower case); an umlaut or ß
// counts as German too.
const std::set<std::string> kNurDeutsch = {"nicht", "und", "der", "die", "das", "ist", "datei", "ja", "nein",
                                           "wird", "werden", "kann", "bitte", "oder", "fehler", "zu", "eine",
                                           "keine", "sind", "den", "dem", "des", "mit", "auf", "seite", "gespeichert"};
const std::set<std::string> kNurEnglisch = {"the", "file", "please", "cannot", "is", "not", "and", "of",
                                            "with", "too", "large", "page", "error", "must", "are", "this",
                                            "which", "only", "saved", "sheet", "hour", "hours", "yes"};

const std::array<std::string_view, 7> kUmlaute = {"ä", "ö", "ü", "Ä", "Ö", "Ü", "ß"};

// The words of text that belong to the other language than the interface's, quoted.
std::string fremdeWoerter(std::string_view text, bool deutsch)
{
    std::string gefunden;
    std::string wort;
    const auto pruefe = [&] {
        std::string klein = wort;
        for (char& c : klein)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        const bool umlaut = std::any_of(kUmlaute.begin(), kUmlaute.end(),
                                        [&](std::string_view u) { return wort.find(u) != std::string::npos; });
        if (!wort.empty() && (deutsch ? kNurEnglisch.count(klein) > 0 : kNurDeutsch.count(klein) > 0 || umlaut))
            gefunden += " '" + wort + "'";
        wort.clear();
    };
    for (const char c : text) {
        if (std::isalpha(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80)
            wort += c;
        else
            pruefe();
    }
    pruefe();
    return gefunden;
}

struct Zeile {
    std::string name;
    Zeichnungseintrag eintrag;
};

// Every row of the drawing window's table, named by its letter and sub-type.
std::vector<Zeile> tabellenzeilen()
{
    std::vector<Zeile> zeilen;
    for (const auto liste : {zeilenEbene, zeilenAzimutal, zeilenHabermel, zeilenHoehenuhr, zeilenZylinder,
                             zeilenPeaucellierSawyer, zeilenQuadrant, zeilenRing, zeilenKegel})
        for (const Zeichnungseintrag& e : liste())
            zeilen.push_back({std::string(1, e.typ == kSchinkenZeile ? 'o' : e.typ) + std::to_string(std::max(e.unterTyp, 0)), e});
    return zeilen;
}

// A size as the dialogs store it, with the smallest and the largest value they accept.
struct Groesse {
    void (*setze)(TPar&, double);
    double klein, gross;
};
#define GROESSE(feld, klein, gross)                                                                                    \
    Groesse { [](TPar& p, double x) { p.feld = static_cast<decltype(p.feld)>(x); }, klein, gross }
const Groesse kGroessen[] = {
    GROESSE(Gnomonhoehe, 3, 500),     GROESSE(HabermelGnomon, 9, 100), GROESSE(HabermelDurchmesser, 30, 200),
    GROESSE(Einheit, 10, 300),        GROESSE(ZylRadius, 4, 500),      GROESSE(RingDurchmesser, 10, 300),
    GROESSE(KegelOeffnung, 1, 85),    GROESSE(Skalenlaenge, 3, 220),   GROESSE(QuadrantGroesse, 80, 200),
    GROESSE(HidokaiZeiger, 3, 220),   GROESSE(ZylZeiger, 3, 220),
};

// The state of a row at a latitude, at the dialogs' start sizes or with every size at its
// smallest (extrem -1) or largest (1), in the language given through the language service.
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
    if (s.SchinkenModus)
        s.Par.HabermelGnomon = 30;
    s.Par.Breite = breite;
    for (const Groesse& g : kGroessen)
        if (extrem)
            g.setze(s.Par, extrem < 0 ? g.klein : g.gross);
    setzeSprache(s, deutsch);
    return s;
}

// Texts in the wrong language that belong to other parts of the program and are mended
// there: the row, a part of the text, and whose it is. The check skips them until then.
struct Offen {
    const char* zeile;
    const char* muster;
    const char* grund;
};
const std::vector<Offen> offen = {
    {"r0", "Der Halbring ist länger als der Druckbereich", "the ring dial's page check, in the ring's own files"},
    {"m0", "Eingabefehler!", "the cone's error box, mended with the cone"},
};

class Sprachpruefung : public testing::TestWithParam<std::size_t> {};

} // namespace

TEST_P(Sprachpruefung, EveryBoxOfADrawingSpeaksTheInterfaceLanguage)
{
    const Zeile z = tabellenzeilen().at(GetParam());
    const bool korrektur = z.eintrag.typ == 'r' && z.eintrag.unterTyp == 1;
    std::string befund;
    std::size_t texte = 0;
    for (const bool deutsch : {true, false})
        for (const double breite : {1.3, 47.25, 66.0, -60.0})
            for (const int extrem : {-1, 0, 1})
                for (const Sicht& v : kSichten) {
                    const Blattinhalt b = zeichneInSicht(zustand(z.eintrag, breite, extrem, deutsch), v, kSchirm, {}, korrektur);
                    std::vector<std::string> gezeigt;
                    for (const Konstruktionsmeldung& m : b.meldungen)
                        gezeigt.push_back(m.text);
                    for (const ScriptedPrompt::Frage& f : b.fragen)
                        gezeigt.insert(gezeigt.end(), {f.text, f.yesWord, f.noWord});
                    for (const std::string& t : gezeigt) {
                        const std::string fremd = fremdeWoerter(t, deutsch);
                        const bool bekannt = std::any_of(offen.begin(), offen.end(), [&](const Offen& o) {
                            return z.name == o.zeile && t.find(o.muster) != std::string::npos;
                        });
                        texte += !t.empty();
                        if (!fremd.empty() && !bekannt)
                            befund += std::string(deutsch ? "German" : "English") + ", " + std::to_string(breite) + " deg"
                                      + (extrem ? (extrem < 0 ? ", smallest sizes, " : ", largest sizes, ") : ", ") + v.name + ":" + fremd + " in \"" + t + "\"\n";
                    }
                }
    EXPECT_EQ(befund, "");
    EXPECT_GT(texte, 0u) << "every row says something: its plot's report at least";
}

INSTANTIATE_TEST_SUITE_P(Zeilen, Sprachpruefung, testing::Range<std::size_t>(0, tabellenzeilen().size()),
                         [](const testing::TestParamInfo<std::size_t>& i) { return tabellenzeilen().at(i.param).name; });

TEST(Sprachpruefung, TheMessageTablesAndTheExportQuestionSpeakTheirColumnsLanguage)
{
    std::string befund;
    const auto pruefe = [&](std::string_view wo, std::string_view deutsch, std::string_view englisch) {
        for (const auto& [text, de] : {std::pair{deutsch, true}, {englisch, false}})
            if (const std::string fremd = fremdeWoerter(text, de); !fremd.empty())
                befund += std::string(wo) + (de ? " German:" : " English:") + fremd + "\n";
    };
    for (const TextZeile& t : MeldungsTitel)
        pruefe("title", t.deutsch, t.englisch);
    for (const TextZeile& t : KonstruktionsHinweise)
        pruefe("hint", t.deutsch, t.englisch);
    for (const TextZeile& t : MeldungsTabelle)
        pruefe("message " + std::to_string(&t - MeldungsTabelle.data()), t.deutsch, t.englisch);
    const CsvTrennerFrage de = csvTrennerFrage(true);
    const CsvTrennerFrage en = csvTrennerFrage(false);
    pruefe("CSV question", de.text + de.ja + " " + de.nein, en.text + en.ja + " " + en.nein);
    pruefe("table file report", tabellenSchreibfehlerText("t.txt", "", true), tabellenSchreibfehlerText("t.txt", "", false));
    EXPECT_EQ(befund, "");
    // The check itself: a German word in an English text, and the reverse, are found.
    EXPECT_EQ(fremdeWoerter("Die Datei ist zu groß", false), " 'Die' 'Datei' 'ist' 'zu' 'groß'");
    EXPECT_EQ(fremdeWoerter("The file is too large", true), " 'The' 'file' 'is' 'too' 'large'");
    EXPECT_EQ(fremdeWoerter("Der Zeiger ist 70 mm lang", true), "");
}
