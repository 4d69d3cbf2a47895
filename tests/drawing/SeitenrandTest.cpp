// The print's page check draws the page once as the print would and refuses it when an inked
// part reaches past the page, naming the page, the reach and what helps (another page only
// where that page holds the drawing); where all is on the page it says nothing. Pages as the
// print dialog gives them (A4 portrait 203 x 290 mm), texts measured as the printer measures
// them and expected by their letters' real ink.
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "drawing/ZeichnungDruck.h"
#include "support/Layoutpruefung.h"
#include "support/Schriftmass.h"
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
const char* wortText = "Part of the lines is missing.";

Konstruktionsmeldungen probeSeite(Zeichenauftrag& a)
{
    if (!alsKarte || a.s.KarteAn)
        malen(a.canvas);
    return {{PromptTitle::Warnung, PromptIcon::Warning, mitWort ? wortText : "The axis was reduced.", mitWort}};
}

struct Fall {
    const char* name;
    void (*malen)(Canvas&);
    double weite; // the reach past the A4 portrait page (2030 x 2900) in its units, 0: on it
    const char* kante;
    const char* kanteDe;
};

void strich(Canvas& c, int x0, int y0, int x1, int y1)
{
    c.moveTo(x0, y0);
    c.lineTo(x1, y1);
}

const Fall faelle[] = {
    {"a line along the right edge", [](Canvas& c) { strich(c, 100, 100, 2030, 100); }, 0, "", ""},
    {"a line a tenth of a millimetre past", [](Canvas& c) { strich(c, 100, 100, 2031, 100); }, 0, "", ""},
    {"a line 2 mm past the right edge", [](Canvas& c) { strich(c, 100, 100, 2050, 100); }, 20, "right", "rechten"},
    {"a white line far off",
     [](Canvas& c) {
         c.setPenColor(FarbeWeiss);
         strich(c, 100, 100, 5000, -900);
     },
     0, "", ""},
    {"a white fill over the margin",
     [](Canvas& c) {
         c.setBrushColor(FarbeWeiss);
         c.fillRect(-100, -100, 2130, 3000);
     },
     0, "", ""},
    {"the page's frame", [](Canvas& c) { c.rectangle(0, 0, 2031, 2901); }, 0, "", ""},
    // Letters of 40 units: the ink of "Dec" ends 71 units right of its corner, of "ABC" 82, a
    // character's width more than 0.55 em a character allows; that of " 17" (a cell of 46)
    // 55.4, its blank 14.4 wide. The canvas measures to the end of the last letter's advance.
    {"a text ending at the edge", [](Canvas& c) { c.textOut(2030 - 72, 500, "Dec  "); }, 0, "", ""},
    {"a text cut by the edge", [](Canvas& c) { c.textOut(2030 - 60, 500, "Dec"); }, 11, "right", "rechten"},
    {"a text turned upward past the top", [](Canvas& c) { c.textOutRotated(500, 30, "ABC", 90); }, 52, "top", "oberen"},
    {"a text of a font height past the left edge",
     [](Canvas& c) {
         c.setFontHeight(46);
         c.textOutRotated(30, 500, " 17", 180);
     },
     25.4, "left", "linken"},
    // The lowest point of the arc lies between its ends, 20 units below the page.
    {"an arc bulging past the bottom", [](Canvas& c) { c.arc(500, 1900, 1500, 2920, 900, 2510, 1100, 2510); }, 20, "bottom",
     "unteren"},
    {"the rest of that ellipse's arc", [](Canvas& c) { c.arc(500, 1900, 1500, 2920, 1100, 2510, 900, 2510); }, 0, "", ""},
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
    Druckumgebung umgebung;
    umgebung.textmass = &seitenTextmass();
    const bool gut = seitenPruefung(s, fenster, &zeile, breite, hoehe, frage, umgebung);
    EXPECT_EQ(gut, frage.asked.empty()) << f.name;
    return frage.asked.empty() ? "" : frage.asked.back().text;
}

} // namespace

TEST(Seitenrand, APageIsRefusedExactlyWhenAnInkedPartLeavesItWithThePageTheReachAndTheHelp)
{
    for (const Fall& f : faelle) {
        RecordingCanvas c(2030, 2900, true);
        c.setFont({"Arial", 40, false, FarbeSchwarz});
        f.malen(c);
        // The advance of a last letter reaches a little past its ink.
        EXPECT_NEAR(ueberstand(c.primitives(), 2030, 2900, seitenTextmass()).weite, f.weite, 2.0) << f.name;
        const std::string en = pruefe(f, 2030, 2900, false), de = pruefe(f, 2030, 2900, true);
        if (f.weite == 0) {
            EXPECT_EQ(en + de, "") << f.name;
            continue;
        }
        const std::string mm = RealStr(ueberstand(c.primitives(), 2030, 2900, seitenTextmass()).weite / 10, 1, 1) + " mm";
        EXPECT_NE(en.find("reaches " + mm + " over the " + f.kante + " edge of the page A4 portrait (203 x 290 mm)"),
                  std::string::npos)
            << en;
        EXPECT_NE(de.find("reicht " + mm + " über den " + std::string(f.kanteDe) + " Rand der Seite A4 Hochformat"),
                  std::string::npos)
            << de;
        // A larger page holds only what leaves on its right or at its foot.
        const bool a3 = f.kante == std::string_view("right") || f.kante == std::string_view("bottom");
        EXPECT_EQ(en.find("on A3 or with smaller sizes: nothing is printed.") != std::string::npos, a3) << en;
        EXPECT_EQ(de.find("auf A3 oder mit kleineren Maßen drucken: es wird nichts gedruckt.") != std::string::npos, a3) << de;
        if (!a3) {
            EXPECT_NE(en.find("Please print with smaller sizes: nothing is printed."), std::string::npos) << en;
        }
    }
}

TEST(Seitenrand, TheHelpOffersTheOtherOrientationAndA3OnlyWhereTheyHoldTheDrawing)
{
    const Fall& rechts = faelle[2]; // 2 mm past a portrait page's right edge: a landscape page holds it
    EXPECT_NE(pruefe(rechts, 2030, 2900, false).find("print in landscape, on A3 or"), std::string::npos);
    EXPECT_NE(pruefe(rechts, 2030, 2900, true).find("Bitte im Querformat, auf A3 oder"), std::string::npos);
    const Fall& unten = faelle[10]; // past the bottom of a portrait page: on landscape too
    EXPECT_NE(pruefe(unten, 2030, 2900, false).find("print on A3 or with"), std::string::npos);
    const std::string a3 = pruefe(unten, 4130, 2900, false);
    EXPECT_NE(a3.find("page A3 landscape (413 x 290 mm).\n\rPlease print in portrait or with smaller sizes"),
              std::string::npos)
        << a3;
}

TEST(Seitenrand, NeitherTheMapCutAtTheEdgeNorADrawingThatSaysWhatItCutsIsRefused)
{
    const Fall& rechts = faelle[2];
    for (const auto& [karte, wort] : {std::pair{false, false}, {true, false}, {false, true}}) {
        alsKarte = karte;
        mitWort = wort;
        EXPECT_EQ(pruefe(rechts, 2030, 2900, false).empty(), karte || wort) << karte << wort;
    }
    alsKarte = false;
    mitWort = false;
}

// A printed page whose drawing runs past the sheet carries the drawing's word where no stroke
// runs through its letters: in a column of its own between lines 40 mm apart, in the gap of
// circles 20 mm apart; on a white ground only where lines 4 mm apart cover the whole page.
TEST(Seitenrand, TheWordOnThePaperStandsWhereNothingOfTheDrawingIs)
{
    const struct {
        const char* name;
        void (*malen)(Canvas&);
        bool weisserGrund;
    } seiten[] = {
        {"lines 40 mm apart", [](Canvas& c) { for (int x = 0; x <= 2030; x += 400) strich(c, x, 0, x, 2900); }, false},
        {"circles 20 mm apart",
         [](Canvas& c) { for (int r = 200; r < 3000; r += 200) c.ellipse(1015 - r, 1450 - r, 1015 + r, 1450 + r); }, false},
        {"lines 4 mm apart", [](Canvas& c) { for (int y = 0; y <= 2900; y += 40) strich(c, 0, y, 2030, y); }, true},
    };
    mitWort = true;
    wortText = "The cylinder's face is larger than the sheet: part of its lines is missing.";
    for (const auto& f : seiten) {
        malen = f.malen;
        Zeichnungseintrag zeile;
        zeile.druck = probeSeite;
        AppState s;
        initialisiereZustand(s);
        Zeichenfensterzustand fenster;
        Probeseite c(2030, 2900, seitenTextmass());
        Zeichenauftrag a{s, fenster, c, 2030, 2900, false, {}};
        zeichneDruckseite(a, &zeile, 1780, 905);
        EXPECT_TRUE(c.hasText("The cylinder's face")) << f.name;
        const bool weiss = !c.select([](const RecordedPrimitive& p) {
                                 return p.kind == PrimitiveKind::FillRect && p.brush.color == FarbeWeiss;
                             }).empty();
        EXPECT_EQ(weiss, f.weisserGrund) << f.name;
        for (const Befund& b : pruefeLayout(c.primitives(), {0, 0, 2030, 2900}, Pruefumfang::Voll, true))
            EXPECT_TRUE(weiss || b.art != Befundart::StrichDurchText) << f.name << ": " << b.meldung;
    }
    mitWort = false;
    wortText = "Part of the lines is missing.";
}

// The grid of the page's ink takes a cell with ink and the cells next to it, across and along:
// a box is free only a whole cell away from a stroke.
TEST(Seitenrand, TheInkGridTakesTheCellsNextToTheInk)
{
    RecordingCanvas c(200, 200, true);
    strich(c, 25, 0, 25, 200); // column 2
    strich(c, 0, 125, 200, 125); // row 12
    const Tintenraster r(c.primitives(), 200, 200, 10, c);
    EXPECT_FALSE(r.frei(31, 20, 60, 40)); // column 3, next to 2
    EXPECT_FALSE(r.frei(0, 20, 19, 40));  // column 1
    EXPECT_TRUE(r.frei(41, 20, 60, 40));
    EXPECT_FALSE(r.frei(60, 80, 90, 111)); // row 11, next to 12
    EXPECT_TRUE(r.frei(60, 80, 90, 109));
}
