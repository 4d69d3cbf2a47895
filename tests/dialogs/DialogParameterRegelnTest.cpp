#include "dialogs/DialogParameterRegeln.h"

#include <gtest/gtest.h>

using namespace umbrin;

TEST(DialogParameterRegeln, StartPageOfEachDialType)
{
    struct Fall {
        char typ;
        bool schirm;
        bool experte;
        ParameterSeite seite;
    };
    const Fall faelle[] = {
        {'h', false, true, ParameterSeite::Planar},     {'v', true, true, ParameterSeite::Schirm},
        {'q', false, false, ParameterSeite::Quadrant},  {'z', false, false, ParameterSeite::Zylinder},
        {'k', false, false, ParameterSeite::Hoehe},     {'a', false, false, ParameterSeite::Azimut},
        {'r', false, false, ParameterSeite::Ring},      {'m', false, true, ParameterSeite::MittlereZeit},
        {'m', false, false, ParameterSeite::Planar},    {'c', false, true, ParameterSeite::Biazimut},
        {'c', false, false, ParameterSeite::Schirm},    {'w', false, false, ParameterSeite::SawyerPeau},
        {'p', false, false, ParameterSeite::SawyerPeau}, {'b', false, true, ParameterSeite::Planar},
    };
    for (const Fall& f : faelle) {
        AppState s;
        s.UhrTyp = f.typ;
        s.Schirmuhr = f.schirm;
        s.ExpertenModus = f.experte;
        EXPECT_EQ(ParameterStartseite(s), f.seite) << f.typ << f.schirm << f.experte;
        EXPECT_TRUE(ParameterSeiteAngeboten(s, ParameterStartseite(s)) || f.typ == 'c')
            << "the page a type opens on is offered";
    }
}

TEST(DialogParameterRegeln, ValueRulesOfThePages)
{
    EXPECT_DOUBLE_EQ(OhneHalbkreis(-180, 179.999999), 179.999999);
    EXPECT_DOUBLE_EQ(OhneHalbkreis(180, 179.99999), 179.99999);
    EXPECT_DOUBLE_EQ(OhneHalbkreis(-179.5, 179.99999), -179.5);

    EXPECT_EQ(SchirmScheibenFehler(0, 30), 21);
    EXPECT_EQ(SchirmScheibenFehler(0.35, 30), 0);
    EXPECT_EQ(SchirmScheibenFehler(0.35, 75), 17) << "tan 75 = 3.7 > 1 / 0.35";
    EXPECT_EQ(SchirmScheibenFehler(-0.5, 60), 0);

    EXPECT_DOUBLE_EQ(KegelNeigungAusEingabe(-30), 150);
    EXPECT_FALSE(KegelOeffnungPasst(40, 40));
    EXPECT_TRUE(KegelOeffnungPasst(12, 47.25));

    EXPECT_EQ(IntervallCodeIndex('6'), 4);
    EXPECT_EQ(IntervallCodeIndex('3'), 3);
    EXPECT_EQ(IntervallCodeIndex('x'), 0);
}

TEST(DialogParameterRegeln, ShepherdScaleLengthOnlyWhereTheScaleEnds)
{
    std::int32_t aus = -7;
    ASSERT_TRUE(SkalaZylinder2Berechnen(47.25, 23.44, 70, aus));
    EXPECT_EQ(aus, 159); // tan(66.19) * 70 = 158.7
    ASSERT_TRUE(SkalaZylinder2Berechnen(-47.25, 23.44, 70, aus));
    EXPECT_EQ(aus, 159);
    aus = -7;
    for (double phi : {0.0, 10.0, 23.44, 23.46, -23.0})
        EXPECT_FALSE(SkalaZylinder2Berechnen(phi, 23.44, 70, aus)) << phi;
    EXPECT_FALSE(SkalaZylinder2Berechnen(23.47, 23.52, 70, aus)) << "past 90 degrees for an older obliquity";
    EXPECT_FALSE(SkalaZylinder2Berechnen(23.4600001, 23.44, 2000000000, aus)) << "beyond the integer range";
    EXPECT_EQ(aus, -7);
}

// The hour combos read "Uhr" in German and "h" in English, for the hours 0 to 24.
TEST(DialogParameterRegeln, HourItemsInBothLanguages)
{
    const std::vector<std::string> de = StundenBeschriftungen(true), en = StundenBeschriftungen(false);
    ASSERT_EQ(de.size(), 25u);
    ASSERT_EQ(en.size(), 25u);
    EXPECT_EQ(de[10], " 10  Uhr");
    EXPECT_EQ(en[10], " 10  h");
    EXPECT_EQ(en[0], " 0  h");
}
