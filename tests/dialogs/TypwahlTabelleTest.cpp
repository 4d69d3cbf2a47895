#include "dialogs/TypwahlTabelle.h"

#include <gtest/gtest.h>

using namespace umbrin;

TEST(TypwahlTabelle, EveryItemOfBothListsGivesItsTypeAndLeadsBackToItself)
{
    for (bool experte : {true, false}) {
        const std::vector<TypwahlEintrag> liste = TypwahlListe(experte);
        EXPECT_EQ(liste.size(), experte ? 13u : 11u);
        for (int i = 0; i < static_cast<int>(liste.size()); ++i) {
            AppState s;
            s.ExpertenModus = experte;
            s.UhrTyp = 'v';
            ASSERT_TRUE(TypWaehlen(s, i));
            EXPECT_EQ(s.UhrTyp, liste[i].schirm ? 'v' : liste[i].uhrTyp) << experte << " item " << i;
            EXPECT_EQ(s.Schirmuhr, liste[i].schirm);
            EXPECT_EQ(TypwahlIndex(experte, s.UhrTyp, s.Schirmuhr), i) << experte << " item " << i;
        }
    }
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
    s.SchinkenModus = 1;
    TypWaehlen(s, 1);
    EXPECT_EQ(s.Par.Inklination, 90) << "the vertical dial";
    EXPECT_EQ(s.SchinkenModus, 0) << "a chosen type leaves ham mode";

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
