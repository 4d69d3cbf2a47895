// The print's page check draws the page once as the print would and refuses it when an inked
// part reaches past the page, naming the page, the reach and what helps; where all is on the
// page it says nothing.
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "drawing/ZeichnungDruck.h"
#include "support/ScriptedPrompt.h"

#include <gtest/gtest.h>

using namespace umbrin;
using namespace umbrin::test;

namespace {

// What the row of the case draws on its page, as the map behind the dial (drawn only with the
// map on) or not, and whether the construction says that parts run past the edge (else it has
// a note of something else, which excuses nothing).
void (*malen)(Canvas&) = nullptr;
bool alsKarte = false, mitWort = false;

Konstruktionsmeldungen probeSeite(Zeichenauftrag& a)
{
    if (!alsKarte || a.s.KarteAn)
        malen(a.canvas);
    return {{PromptTitle::Warnung, PromptIcon::Warning, mitWort ? "Part of the lines is missing." : "The axis was reduced.", mitWort}};
}

struct Fall {
    const char* name;
    void (*malen)(Canvas&);
    double weite; // the reach past the A4 portrait page (2100 x 2970) in its units, 0: on it
    const char* kante;
    const char* kanteDe;
};

void strich(Canvas& c, int x0, int y0, int x1, int y1)
{
    c.moveTo(x0, y0);
    c.lineTo(x1, y1);
}

const Fall faelle[] = {
    {"a line along the right edge", [](Canvas& c) { strich(c, 100, 100, 2100, 100); }, 0, "", ""},
    {"a line a tenth of a millimetre past", [](Canvas& c) { strich(c, 100, 100, 2101, 100); }, 0, "", ""},
    {"a line 2 mm past the right edge", [](Canvas& c) { strich(c, 100, 100, 2120, 100); }, 20, "right", "rechten"},
    {"a white line far off",
     [](Canvas& c) {
         c.setPenColor(FarbeWeiss);
         strich(c, 100, 100, 5000, -900);
     },
     0, "", ""},
    {"a white fill over the margin",
     [](Canvas& c) {
         c.setBrushColor(FarbeWeiss);
         c.fillRect(-100, -100, 2200, 3100);
     },
     0, "", ""},
    {"the page's frame", [](Canvas& c) { c.rectangle(0, 0, 2101, 2971); }, 0, "", ""},
    // Letters of 40 units: "Dec" ends 64.8 units right of its corner.
    {"a text ending at the edge", [](Canvas& c) { c.textOut(2100 - 66, 500, "Dec  "); }, 0, "", ""},
    {"a text cut by the edge", [](Canvas& c) { c.textOut(2100 - 60, 500, "Dec"); }, 4.8, "right", "rechten"},
    {"a text turned upward past the top", [](Canvas& c) { c.textOutRotated(500, 30, "ABC", 90); }, 34.8, "top", "oberen"},
    {"a text of a font height past the left edge",
     [](Canvas& c) {
         c.setFontHeight(46);
         c.textOutRotated(30, 500, " 17", 180);
     },
     34.8, "left", "linken"},
    // The lowest point of the arc lies between its ends, 20 units below the page.
    {"an arc bulging past the bottom", [](Canvas& c) { c.arc(500, 1970, 1500, 2990, 900, 2580, 1100, 2580); }, 20, "bottom",
     "unteren"},
    {"the rest of that ellipse's arc", [](Canvas& c) { c.arc(500, 1970, 1500, 2990, 1100, 2580, 900, 2580); }, 0, "", ""},
};

// The page check of the case's drawing on a page of breite x hoehe in the language given.
std::string pruefe(const Fall& f, int breite, int hoehe, bool deutsch)
{
    malen = f.malen;
    Zeichnungseintrag zeile;
    zeile.druck = probeSeite;
    AppState s;
    initialisiereZustand(s);
    setzeSprache(s, deutsch);
    Zeichenfensterzustand fenster;
    fenster.BildBreite = 1780;
    fenster.BildHoehe = 905;
    ScriptedPrompt frage;
    const bool gut = seitenPruefung(s, fenster, &zeile, breite, hoehe, frage);
    EXPECT_EQ(gut, frage.asked.empty()) << f.name;
    return frage.asked.empty() ? "" : frage.asked.back().text;
}

} // namespace

TEST(Seitenrand, APageIsRefusedExactlyWhenAnInkedPartLeavesItWithThePageTheReachAndTheHelp)
{
    for (const Fall& f : faelle) {
        RecordingCanvas c(2100, 2970, true);
        c.setFont({"Arial", 40, false, FarbeSchwarz});
        f.malen(c);
        EXPECT_NEAR(ueberstand(c.primitives(), 2100, 2970).weite, f.weite, 1.1) << f.name;
        const std::string en = pruefe(f, 2100, 2970, false), de = pruefe(f, 2100, 2970, true);
        if (f.weite == 0) {
            EXPECT_EQ(en + de, "") << f.name;
            continue;
        }
        const std::string mm = RealStr(f.weite / 10, 1, 1) + " mm";
        EXPECT_NE(en.find("reaches " + mm + " over the " + f.kante + " edge of the page A4 portrait (210 x 297 mm)"),
                  std::string::npos)
            << en;
        EXPECT_NE(de.find("reicht " + mm + " über den " + std::string(f.kanteDe) + " Rand der Seite A4 Hochformat"),
                  std::string::npos)
            << de;
        EXPECT_NE(en.find("on A3 or with smaller sizes: nothing is printed."), std::string::npos) << en;
        EXPECT_NE(de.find("auf A3 oder mit kleineren Maßen drucken: es wird nichts gedruckt."), std::string::npos) << de;
    }
}

TEST(Seitenrand, TheHelpOffersTheOtherOrientationOnlyWhereItHoldsTheDrawingAndA3OnlyOnA4)
{
    const Fall& rechts = faelle[2]; // 2 mm past a portrait page's right edge: a landscape page holds it
    EXPECT_NE(pruefe(rechts, 2100, 2970, false).find("print in landscape, on A3 or"), std::string::npos);
    EXPECT_NE(pruefe(rechts, 2100, 2970, true).find("Bitte im Querformat, auf A3 oder"), std::string::npos);
    const Fall& unten = faelle[10]; // past the bottom of a portrait page: on landscape too
    EXPECT_NE(pruefe(unten, 2100, 2970, false).find("print on A3 or with"), std::string::npos);
    const std::string a3 = pruefe(unten, 4200, 2970, false);
    EXPECT_NE(a3.find("page A3 landscape (420 x 297 mm).\n\rPlease print in portrait or with smaller sizes"),
              std::string::npos)
        << a3;
}

TEST(Seitenrand, NeitherTheMapCutAtTheEdgeNorADrawingThatSaysWhatItCutsIsRefused)
{
    const Fall& rechts = faelle[2];
    for (const auto& [karte, wort] : {std::pair{false, false}, {true, false}, {false, true}}) {
        alsKarte = karte;
        mitWort = wort;
        EXPECT_EQ(pruefe(rechts, 2100, 2970, false).empty(), karte || wort) << karte << wort;
    }
    alsKarte = false;
    mitWort = false;
}
