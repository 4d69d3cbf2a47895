#include "dialogs/TypwahlTabelle.h"

#include <gtest/gtest.h>

using namespace umbrin;

TEST(TypwahlTabelle, EachItemGivesItsTypeInBothListsAndBack)
{
    struct Fall {
        bool experte;
        int index;
        char typ;
        bool schirm;
    };
    const Fall faelle[] = {
        {true, 0, 'h', false},  {true, 1, 'v', false},  {true, 2, 'i', false},  {true, 4, 'q', false},
        {true, 8, 'r', false},  {true, 9, 'c', false},  {true, 10, 'm', false}, {true, 11, 'w', false},
        {true, 12, 'p', false}, {false, 0, 'h', false}, {false, 8, 'r', false}, {false, 9, 'w', false},
        {false, 10, 'p', false},
    };
    for (const Fall& f : faelle) {
        AppState s;
        s.ExpertenModus = f.experte;
        s.UhrTyp = 'v';
        ASSERT_TRUE(TypWaehlen(s, f.index));
        EXPECT_EQ(s.UhrTyp, f.typ) << f.experte << " item " << f.index;
        EXPECT_EQ(s.Schirmuhr, f.schirm);
        EXPECT_EQ(TypwahlIndex(f.experte, s.UhrTyp, s.Schirmuhr), f.index);
    }
    EXPECT_EQ(TypwahlListe(false).size(), 11u);
    EXPECT_EQ(TypwahlListe(true).size(), 13u);
}

TEST(TypwahlTabelle, ShortListNeverTurnsSawyerIntoAHorizontalDialNorSelectsAMissingItem)
{
    AppState s;
    s.ExpertenModus = 0;
    ASSERT_TRUE(TypWaehlen(s, 9));
    EXPECT_EQ(s.UhrTyp, 'w');
    EXPECT_FALSE(TypWaehlen(s, 11));
    EXPECT_EQ(s.UhrTyp, 'w');
    EXPECT_EQ(TypwahlIndex(false, 'p', false), 10);
    EXPECT_FALSE(TypwahlIndex(false, 'c', false).has_value());
    EXPECT_FALSE(TypwahlIndex(false, 'm', false).has_value());
    for (char ohne : {'b', 'f', 'o'})
        EXPECT_FALSE(TypwahlIndex(true, ohne, false).has_value());
}

TEST(TypwahlTabelle, ChoosingSetsTheSideValuesOfTheType)
{
    AppState s;
    s.ExpertenModus = 1;
    s.Par.Inklination = 30;
    TypWaehlen(s, 1);
    EXPECT_EQ(s.Par.Inklination, 90) << "the vertical dial";

    s.UhrTyp = 'i';
    TypWaehlen(s, 3);
    EXPECT_EQ(s.UhrTyp, 'i') << "the umbrella keeps the inclining plane";
    EXPECT_EQ(s.Schirmuhr, 1);
    s.Schirmuhr = 0;
    s.UhrTyp = 'q';
    TypWaehlen(s, 3);
    EXPECT_EQ(s.UhrTyp, 'h') << "after the quadrant it becomes horizontal";

    s.ExpertenModus = 0;
    s.Schalter.Hoehenuhrart = 2;
    s.Schalter.ZylinderArt = 2;
    TypWaehlen(s, 4);
    EXPECT_EQ(s.Schalter.Hoehenuhrart, 0);
    TypWaehlen(s, 6);
    EXPECT_EQ(s.Schalter.ZylinderArt, 0);
    EXPECT_EQ(s.Schirmuhr, 0);
}
