#include "core/Datumstext.h"
#include "core/Sprachdienst.h"

#include "support/ScriptedPrompt.h"

#include <gtest/gtest.h>

using namespace umbrin;
using umbrin::test::ScriptedPrompt;

namespace {

struct DatumFall {
    const char* text;
    int jahr;
    bool gueltig;
    const char* datum;
    const char* anzeige;
    int schluessel;
};

TEST(DatumZerlegen, GoodAndBadDates)
{
    const DatumFall faelle[] = {
        {"7/7", 2020, true, "07/07", "07. Jul", 707},
        {"1/3", 2020, true, "01/03", "01. Mar", 301},
        {"01/03", 2020, true, "01/03", "01. Mar", 301},
        {"1 /3 ", 2020, true, "01/03", "01. Mar", 301},
        {"21/12", 2020, true, "21/12", "21. Dez", 1221},
        {"1/1", 2021, true, "01/01", "01. Jan", 101},
        {"21/03    ( 21. März )", 2021, true, "21/03", "21. Mar", 321},
        {"29/02", 2024, true, "29/02", "29. Feb", 229},
        {"29/02", 2000, true, "29/02", "29. Feb", 229},
        {"29/02", 1900, false, "", "", -1},
        {"29/02", 2023, false, "", "", -1},
        {"29/02", 2100, false, "", "", -1},
        {"31/02", 2024, false, "", "", -1},
        {"30/02", 2024, false, "", "", -1},
        {"31/04", 2020, false, "", "", -1},
        {"31/11", 2020, false, "", "", -1},
        {"31/12", 2020, true, "31/12", "31. Dez", 1231},
        {"30/06", 2020, true, "30/06", "30. Jun", 630},
        {"31/06", 2020, false, "", "", -1},
        {"00/05", 2020, false, "", "", -1},
        {"5/13", 2020, false, "", "", -1},
        {"32/01", 2020, false, "", "", -1},
    };
    AppState s;
    for (const auto& f : faelle) {
        s.Par.Jahr = f.jahr;
        bool err = false;
        std::int32_t key = 99;
        std::string anzeige = "x", datum = "x";
        DatumZerlegen(s, f.text, false, nullptr, err, key, anzeige, datum);
        EXPECT_EQ(!err, f.gueltig) << f.text << " " << f.jahr;
        EXPECT_EQ(datum, f.datum) << f.text;
        EXPECT_EQ(anzeige, f.anzeige) << f.text;
        EXPECT_EQ(key, f.schluessel) << f.text;
    }
}

TEST(DatumZerlegen, TextThatIsNoNumberKeepsTheKey)
{
    AppState s;
    for (const char* text : {"abc", "12", "", "/5", "x1/03"}) {
        bool err = false;
        std::int32_t key = 42;
        std::string anzeige, datum;
        DatumZerlegen(s, text, false, nullptr, err, key, anzeige, datum);
        EXPECT_TRUE(err) << text;
        EXPECT_EQ(key, 42) << text;
        EXPECT_TRUE(anzeige.empty() && datum.empty()) << text;
    }
}

TEST(DatumZerlegen, DisplayUsesMonthOfCurrentLanguageAndReportsWhenAsked)
{
    AppState s;
    setzeSprache(s, false);
    bool err = true;
    std::int32_t key = 0;
    std::string anzeige, datum;
    DatumZerlegen(s, "21/12", false, nullptr, err, key, anzeige, datum);
    EXPECT_EQ(anzeige, "21. Dec");

    ScriptedPrompt prompt;
    DatumZerlegen(s, "31/04", true, &prompt, err, key, anzeige, datum);
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text, "Error in Input !");
    EXPECT_EQ(prompt.asked[0].title, PromptTitle::Fehler);
    EXPECT_EQ(prompt.asked[0].icon, PromptIcon::Error);
}

TEST(DatumPruefen, ReportsInvalidNonEmptyDatesOnly)
{
    AppState s;
    ScriptedPrompt prompt;
    EXPECT_TRUE(DatumPruefen(s, "21/06    ( 21. Juni )", &prompt));
    EXPECT_FALSE(DatumPruefen(s, "", &prompt));
    EXPECT_TRUE(prompt.asked.empty());
    EXPECT_FALSE(DatumPruefen(s, "31/02", &prompt));
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text, "Datum fehlerhaft!: 31/02");
    EXPECT_EQ(prompt.asked[0].title, PromptTitle::Fehler);
}

} // namespace
