// Every table text in both languages, the window titles joined from them and the gallery's
// captions read cleanly (the layout check of every family does the same for the texts drawn and
// plotted).
#include "core/Sprachdienst.h"
#include "core/Texttabellen.h"
#include "core/Textressourcen.h"
#include "drawing/Zeichnungstyp.h"
#include "shell/Bildergalerie.h"
#include "support/Layoutpruefung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

using namespace umbrin;

TEST(Textwortlaut, TableTextsJoinedTitlesAndGalleryCaptionsReadCleanlyInBothLanguages)
{
    std::vector<std::string> texte;
    const auto zeilen = [&](const auto& tabelle) {
        for (const auto& z : tabelle)
            texte.insert(texte.end(), {std::string(z.deutsch), std::string(z.englisch)});
    };
    zeilen(MeldungsTitel), zeilen(Menue), zeilen(ZodiakNamen), zeilen(KonstruktionsHinweise), zeilen(FarbLegende);
    zeilen(TitelTabelle), zeilen(TexteTabelle), zeilen(MeldungsTabelle), zeilen(Stringtabelle());
    for (bool deutsch : {true, false}) {
        AppState s;
        setzeSprache(s, deutsch);
        for (std::int32_t id : alleBildIds())
            texte.insert(texte.end(), {bildUnterschrift(s, id, false), bildUnterschrift(s, id, true)});
        for (char typ : std::string_view("hvicqazkrmwpb")) {
            s.UhrTyp = typ;
            texte.push_back(fensterTitel(s));
        }
    }
    // Heads the program completes with a number and the closing bracket.
    const std::vector<std::string_view> offen = {"S(", "= ", "EoT,", "(height =", "bei", "at"};
    // In a name or caption a bracket follows its word after one blank, never after a run of two
    // or more (an indented line may begin with one; a drawn legend may set
    // a bracketed date apart as a column, which the layout check allows).
    const std::regex klammerAbgesetzt("[^ \\r\\n] {2,}\\(");
    for (const std::string& t : texte) {
        const std::string fehler = test::wortlautFehler(t);
        const bool stueck = std::any_of(offen.begin(), offen.end(), [&](auto k) { return t.ends_with(k); });
        if (!(stueck && fehler.ends_with("left open"))) {
            EXPECT_EQ(fehler, "") << "'" << t << "'";
        }
        EXPECT_FALSE(std::regex_search(t, klammerAbgesetzt)) << "'" << t << "'";
    }
    // The English head "Construction of a" takes the blank, or "n " before a vowel, from the name.
    for (const std::string& t : texte) {
        const bool an = t.starts_with("Construction of an ");
        if (t.starts_with("Construction of a") && t.size() > 19) {
            EXPECT_TRUE((an || t.starts_with("Construction of a ")) && an == (std::string_view("AEIOU").find(t.at(an ? 19 : 18)) != std::string_view::npos)) << t;
        }
    }
}
