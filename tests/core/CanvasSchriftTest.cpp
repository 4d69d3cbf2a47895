#include "core/RecordingCanvas.h"

#include <gtest/gtest.h>

using namespace umbrin;

// A font size N is N * 96 / 72 device units on the screen and on a printed page alike (on a
// page in 0.1 mm size 35 is 4.7 mm); a font height N stays N units and is a whole text cell.
TEST(CanvasSchrift, SizesAndHeightsAreTheSameUnitsOnScreenAndPage)
{
    struct Fall {
        bool groesse; // setFontSize, else setFontHeight
        int wert;
        int hoehe;
        int groesseZurueck;
    };
    const Fall faelle[] = {
        {true, 7, 9, 7},    {true, 10, 13, 10}, {true, 12, 16, 12}, {true, 16, 21, 16},
        {true, 35, 47, 35}, {false, 30, 30, 22}, {false, 60, 60, 45}, {false, -40, 40, 30},
    };
    for (bool seite : {false, true}) {
        RecordingCanvas c(2800, 2000, seite);
        for (const Fall& f : faelle) {
            if (f.groesse)
                c.setFontSize(f.wert);
            else
                c.setFontHeight(f.wert);
            EXPECT_EQ(c.fontHeight(), f.hoehe) << f.wert << (seite ? " on a page" : " on the screen");
            EXPECT_EQ(c.font().cellHeight, !f.groesse) << f.wert;
            EXPECT_EQ(c.fontSize(), f.groesseZurueck) << f.wert;
        }
    }
}
