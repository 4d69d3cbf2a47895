// The ring dial's rows of the drawing window: the dial draws, prints and plots, with a check
// before any file is opened; its correction view draws and prints but is not exported. A
// printed ring says when its half is longer than the page's printable width, and keeps its
// zodiac key on a portrait page.
#include "core/Sprachdienst.h"
#include "core/State.h"
#include "drawing/Zeichnungsroutinen.h"
#include "support/Ansichten.h"

#include <gtest/gtest.h>

using namespace umbrin;

TEST(ZeilenRing, DialAndCorrectionView)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'r';
    const Zeichnungseintrag* dial = zeichnungseintrag(s, false);
    ASSERT_NE(dial, nullptr);
    EXPECT_TRUE(dial->bildschirm && dial->druck && dial->plot && dial->vorExport);
    EXPECT_EQ(dial->vorExport(s), "");
    s.Par.RingBreite = 0;
    EXPECT_NE(dial->vorExport(s), "");
    s.Par.RingBreite = 80;
    s.Par.RingDurchmesser = -1;
    EXPECT_NE(dial->vorExport(s), "");

    const Zeichnungseintrag* korrektur = zeichnungseintrag(s, true);
    ASSERT_NE(korrektur, nullptr);
    EXPECT_NE(korrektur, dial);
    EXPECT_TRUE(korrektur->bildschirm && korrektur->druck);
    EXPECT_EQ(korrektur->plot, nullptr);
}

TEST(ZeilenRing, APageSaysWhenTheHalfRingIsLongerAndKeepsEverythingOnIt)
{
    struct Fall { const test::Sicht* seite; double durchmesser; bool laenger; };
    for (const bool deutsch : {true, false})
        for (const Fall f : {Fall{&test::kSeiteA4, 150, false}, {&test::kSeiteA4, 200, true}, {&test::kSeiteA4Hoch, 130, false},
                             {&test::kSeiteA4Hoch, 150, true}, {&test::kSeiteA3Hoch, 150, false}}) {
            SCOPED_TRACE(testing::Message() << f.seite->name << " " << f.durchmesser << " " << deutsch);
            AppState s;
            initialisiereZustand(s);
            setzeSprache(s, deutsch);
            s.UhrTyp = 'r';
            s.Par.RingDurchmesser = f.durchmesser;
            const test::Blattinhalt b = test::zeichneInSicht(s, *f.seite);
            std::string gesagt;
            for (const Konstruktionsmeldung& m : b.meldungen)
                gesagt += m.text + "\n";
            const char* halbring = deutsch ? "Der Halbring ist länger als der Druckbereich!"
                                           : "The half ring is longer than the printable area!";
            EXPECT_EQ(gesagt.find(halbring) != std::string::npos, f.laenger) << gesagt;
            EXPECT_EQ(test::abseits(test::pruefeLayout(b.roh, {0, 0, b.breite, b.hoehe}), true), "");
        }
}
