#include "core/Sprachdienst.h"
#include "drawing/Zeichnungsroutinen.h"
#include "drawing/Zeichnungstyp.h"

#include <gtest/gtest.h>

using namespace umbrin;

namespace {

AppState zustand(char typ, int zylinder = 0)
{
    AppState s;
    s.UhrTyp = typ;
    s.Schalter.ZylinderArt = static_cast<std::uint8_t>(zylinder);
    return s;
}

} // namespace

TEST(Zeichnungstyp, WhichTypesArePlacedConvertedAndScaled)
{
    struct Fall {
        char typ;
        int zylinder;
        bool maus, aktivierung, druckPruefung, exportPlatziert, druckSkaliert;
        int dxf;
    };
    // The planar dials, the cone, the walking and cylinder variants that differ, and a type
    // without a drawing.
    const Fall faelle[] = {
        {'v', 0, true, true, true, true, true, 25},    {'m', 0, true, true, false, true, true, 25},
        {'p', 0, true, false, false, false, false, 25}, {'w', 0, true, false, false, false, false, 1},
        {'z', 0, false, false, false, false, false, 25}, {'z', 1, false, false, false, true, false, 25},
        {'z', 2, true, true, true, true, true, 25},     {'f', 0, false, false, false, false, false, 1},
    };
    for (const Fall& f : faelle) {
        const AppState s = zustand(f.typ, f.zylinder);
        SCOPED_TRACE(std::string(1, f.typ) + std::to_string(f.zylinder));
        EXPECT_EQ(fusspunktPerMaus(s), f.maus);
        EXPECT_EQ(platzierungBeiAktivierung(s), f.aktivierung);
        EXPECT_EQ(fusspunktPruefungBeimDruck(s), f.druckPruefung);
        EXPECT_EQ(exportPlatziert(s), f.exportPlatziert);
        EXPECT_EQ(druckSkaliert(s), f.druckSkaliert);
        EXPECT_EQ(dxfFaktor(s), f.dxf);
    }
    AppState q = zustand('q');
    q.Schalter.Hoehenuhrart = 1;
    EXPECT_EQ(dxfFaktor(q), 25); // the Habermel dials
    q.Schalter.Hoehenuhrart = 0;
    q.Schalter.QuadrantSkala = 2;
    EXPECT_EQ(dxfFaktor(q), 25); // the Gunter quadrant
}

TEST(Zeichnungstyp, HelpContextsAndCaptions)
{
    EXPECT_EQ(hilfeKontext(zustand('v'), 0), 11);
    AppState schirm = zustand('i');
    schirm.Schirmuhr = 1;
    EXPECT_EQ(hilfeKontext(schirm, 0), 12);
    AppState c = zustand('c');
    EXPECT_EQ(hilfeKontext(c, 0), 212);
    c.Schalter.Option66 = 1;
    EXPECT_EQ(hilfeKontext(c, 0), 10);
    EXPECT_EQ(hilfeKontext(zustand('b'), 67), 67); // no context of its own: it stays
    EXPECT_EQ(hilfeKontext(zustand('f'), 5), 5);

    AppState v = zustand('v');
    setzeSprache(v, false);
    EXPECT_EQ(fensterTitel(v), "Construction of a Vertical Sundial");
    EXPECT_EQ(fensterTitel(schirm), " Konstruktion einer Schirmsonnenuhr");
    EXPECT_EQ(fensterTitel(zustand('f')), "");
}

TEST(Zeichnungsroutinen, BuiltFamiliesHaveRowsAndTheOthersNone)
{
    for (char typ : std::string("hiv")) {
        const AppState s = zustand(typ);
        const Zeichnungseintrag* e = zeichnungseintrag(s, false);
        ASSERT_NE(e, nullptr);
        EXPECT_TRUE(e->bildschirm && e->druck && e->plot);
        EXPECT_EQ(e->plotPlatzierung, PlotPlatzierung::Plan);
        EXPECT_EQ(e->druckPlatzierung, DruckPlatzierung::FussUndLegende);
    }
    for (char typ : std::string("bkz")) {
        const Zeichnungseintrag* e = zeichnungseintrag(zustand(typ), false);
        ASSERT_NE(e, nullptr) << typ;
        EXPECT_TRUE(e->bildschirm && e->druck && e->plot && e->vorExport) << typ;
    }
    {
        // The biazimuthal dial is placed like the planar dials and refuses places too far apart.
        const Zeichnungseintrag* e = zeichnungseintrag(zustand('c'), false);
        ASSERT_NE(e, nullptr);
        EXPECT_TRUE(e->bildschirm && e->druck && e->plot && e->vorExport);
        EXPECT_EQ(e->plotPlatzierung, PlotPlatzierung::Plan);
        EXPECT_EQ(e->druckPlatzierung, DruckPlatzierung::FussUndLegende);
    }
    for (const std::uint8_t kreise : {0, 1}) {
        AppState s = zustand('a');
        s.Schalter.AzimutKreise = kreise;
        const Zeichnungseintrag* e = zeichnungseintrag(s, false);
        ASSERT_NE(e, nullptr) << int(kreise);
        EXPECT_EQ(e->unterTyp, kreise);
        EXPECT_TRUE(e->bildschirm && e->druck && e->plot);
    }
    for (char typ : std::string("fo"))
        EXPECT_EQ(zeichnungseintrag(zustand(typ), false), nullptr) << typ;
}
