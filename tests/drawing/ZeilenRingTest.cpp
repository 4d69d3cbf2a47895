// The ring dial's rows of the drawing window: the dial draws, prints and plots, with a check
// before any file is opened; its correction view draws and prints but is not exported.
#include "core/State.h"
#include "drawing/Zeichnungsroutinen.h"

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
