#include "dialogs/DialogDatumsliste.h"

#include <gtest/gtest.h>

using namespace umbrin;

TEST(DialogDatumsliste, InsertsInCalendarOrderAndKeepsDuplicates)
{
    std::vector<std::string> liste = {Datumseintrag("01/01", "01. Jan"), Datumseintrag("21/06", "21. Jun")};
    EXPECT_EQ(fuegeDatumEin(liste, Datumseintrag("21/03", "21. Mar"), 321), 1u);
    EXPECT_EQ(fuegeDatumEin(liste, Datumseintrag("21/06", "21. Jun"), 621), 2u) << "before the equal date";
    EXPECT_EQ(fuegeDatumEin(liste, Datumseintrag("24/12", "24. Dez"), 1224), 4u);
    const std::vector<std::string> erwartet = {"01/01    ( 01. Jan )", "21/03    ( 21. Mar )",
                                               "21/06    ( 21. Jun )", "21/06    ( 21. Jun )",
                                               "24/12    ( 24. Dez )"};
    EXPECT_EQ(liste, erwartet);
}

TEST(DialogDatumsliste, KeyReadsDayAndMonthOfTheEntry)
{
    EXPECT_EQ(DatumSchluessel("21/03    ( 21. März )"), 321);
    EXPECT_EQ(DatumSchluessel("01/12"), 1201);
    EXPECT_EQ(DatumSchluessel(""), -1);
    EXPECT_EQ(DatumSchluessel("1/3"), -1);
}
