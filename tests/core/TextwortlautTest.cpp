// The texts a user reads, in both languages: every table text and the window titles joined
// from them have one blank between words, an apostrophe where one is meant and closed
// brackets. The texts drawn on sheets and written into plots go through the same rule in the
// layout check of every family.
#include "core/Sprachdienst.h"
#include "core/Texttabellen.h"
#include "core/Textressourcen.h"
#include "drawing/Zeichnungstyp.h"
#include "support/Layoutpruefung.h"

#include <gtest/gtest.h>

using namespace umbrin;
using umbrin::test::wortlautFehler;

namespace {

// Heads of texts the program completes with a number and the closing bracket.
bool offenesStueck(std::string_view t)
{
    for (std::string_view kopf : {"S(", "(Zonenmeridian = ", "(Zone meridian = ", "( ohne EoT,", "(without EoT,",
                                  "(height =", "(Lochgnomon bei", "(gnomon hole at"})
        if (t.ends_with(kopf))
            return true;
    return false;
}

// Texts spaced on purpose for now: the Habermel and Sawyer sheets and plots set them; their
// plots' golden files change with those families' layout.
bool gesperrt(std::string_view t) { return t == "Winter  bis  Sommer" || t == "Sommer  bis  Winter"; }

} // namespace

TEST(Textwortlaut, TableTextsAndJoinedTitlesReadCleanlyInBothLanguages)
{
    std::vector<std::string_view> texte;
    const auto zeilen = [&](const auto& tabelle) {
        for (const auto& z : tabelle)
            texte.insert(texte.end(), {z.deutsch, z.englisch});
    };
    zeilen(MeldungsTitel), zeilen(Menue), zeilen(ZodiakNamen), zeilen(KonstruktionsHinweise), zeilen(FarbLegende);
    zeilen(TitelTabelle), zeilen(TexteTabelle), zeilen(MeldungsTabelle), zeilen(Stringtabelle());
    std::vector<std::string> titel;
    for (bool deutsch : {true, false})
        for (char typ : std::string_view("hvicqazkrmwpbo"))
            for (int schirm : {0, 1}) {
                AppState s;
                setzeSprache(s, deutsch);
                s.UhrTyp = typ;
                s.Schirmuhr = schirm;
                titel.push_back(fensterTitel(s));
                // "Construction of a" takes the blank, or "n " before a vowel, from the name.
                const std::string_view rest = std::string_view(titel.back()).substr(std::min<std::size_t>(17, titel.back().size()));
                if (deutsch || rest.empty())
                    continue;
                const bool an = rest.starts_with("n ");
                EXPECT_TRUE(an || rest.starts_with(" ")) << titel.back();
                EXPECT_EQ(an, std::string_view("AEIOU").find(rest[an ? 2 : 1]) != std::string_view::npos) << titel.back();
            }
    texte.insert(texte.end(), titel.begin(), titel.end());
    for (std::string_view t : texte) {
        const std::string fehler = wortlautFehler(t);
        if (!(offenesStueck(t) && fehler.ends_with("left open")) && !gesperrt(t)) {
            EXPECT_EQ(fehler, "") << "'" << t << "'";
        }
    }
}
