#include "core/Eingabepruefung.h"
#include "core/Sprachdienst.h"

#include <gtest/gtest.h>

using namespace umbrin;

namespace {

TEST(Lesen, IntegersAsTheFieldsTakeThem)
{
    const std::pair<const char*, std::optional<std::int32_t>> faelle[] = {
        {"12", 12},   {"  12", 12},           {"-7", -7},          {"+5", 5},
        {"12 ", {}},  {"", {}},               {"-", {}},           {"1.5", {}},
        {"2147483647", 2147483647}, {"-2147483648", INT32_MIN}, {"2147483648", {}},
        {"99999999999999999999", {}}, {"1e3", {}},
    };
    for (const auto& [text, wert] : faelle)
        EXPECT_EQ(leseGanzzahl(text), wert) << text;
}

TEST(Lesen, RealsWithPointAndExponent)
{
    const std::pair<const char*, std::optional<double>> faelle[] = {
        {"47.25", 47.25}, {"  -9.59", -9.59}, {"1e3", 1000.0}, {"2.5E-1", 0.25},
        {".5", 0.5},      {"3.", 3.0},        {"+4", 4.0},     {"1,5", {}},
        {"1.5 ", {}},     {"abc", {}},        {"", {}},        {"1e", {}},
        {"-", {}},        {"1e999", {}},      {"nan", {}},     {"inf", {}},
    };
    for (const auto& [text, wert] : faelle)
        EXPECT_EQ(leseReal(text), wert) << text;
}

TEST(PruefeRealFeld, EmptyRestoresGoodTakesBadReports)
{
    AppState s;
    auto p = pruefeRealFeld(s, "", 47.25);
    EXPECT_EQ(p.befund, Befund::LeerWiederhergestellt);
    EXPECT_EQ(p.feldText, "  47.25");
    EXPECT_TRUE(p.meldung.empty());

    p = pruefeRealFeld(s, " 12.5", 47.25);
    EXPECT_EQ(p.befund, Befund::Uebernommen);
    EXPECT_DOUBLE_EQ(p.wert, 12.5);
    EXPECT_EQ(p.feldText, "12.5"); // as the keys type it

    EXPECT_DOUBLE_EQ(pruefeRealFeld(s, "12,95", 47.25).wert, 12.95); // the decimal comma of every field

    p = pruefeRealFeld(s, "12;5", 47.25);
    EXPECT_EQ(p.befund, Befund::KeineZahl);
    EXPECT_DOUBLE_EQ(p.wert, 47.25);
    EXPECT_EQ(p.feldText, "  47.25");
    EXPECT_EQ(p.meldungsId, 4);
    EXPECT_EQ(p.meldung, "Das ist keine reelle Zahl.");
    EXPECT_EQ(p.titel, PromptTitle::Problem);
    EXPECT_EQ(p.icon, PromptIcon::Warning);
    EXPECT_EQ(p.knoepfe, PromptButtons::Ok);
}

TEST(PruefeInt, RangeAndMessage)
{
    AppState s;
    auto p = pruefeInt(s, "3000", 1300, 2500, "Jahr", 2020);
    EXPECT_EQ(p.befund, Befund::AusserhalbBereich);
    EXPECT_EQ(p.ganzzahl, 2020);
    EXPECT_EQ(p.meldung, "Jahr=3000 Zulässiger Wertebereich ist [1300..2500] !");
    EXPECT_EQ(p.icon, PromptIcon::Question);
    EXPECT_EQ(p.knoepfe, PromptButtons::OkCancel);
    EXPECT_EQ(p.feldText, "2020"); // the value kept

    // Read as the real fields read; a number in the range that is not whole is refused as such.
    EXPECT_EQ(pruefeInt(s, "12 ", 0, 100, "n", 1).feldText, "12");
    EXPECT_EQ(pruefeInt(s, "\u2212" "3", -5, 5, "n", 1).ganzzahl, -3);
    EXPECT_EQ(pruefeInt(s, " 33,5", 0, 100, "n", 1).meldung, "n=33,5 Das ist keine ganze Zahl.");
    EXPECT_EQ(pruefeInt(s, "3,5", 4, 100, "n", 1).meldung, "n=3.5 Zulässiger Wertebereich ist [4..100] !");
    EXPECT_EQ(pruefeInt(s, "3.35e1", 0, 100, "n", 1).meldungsId, 4);
    EXPECT_EQ(pruefeInt(s, "5", 5, 5, "n", 1).ganzzahl, 5);
    EXPECT_EQ(pruefeInt(s, "4", 5, 5, "n", 1).befund, Befund::AusserhalbBereich);
    EXPECT_EQ(pruefeInt(s, "6", 5, 5, "n", 1).befund, Befund::AusserhalbBereich);

    p = pruefeInt(s, "", 0, 100, "n", 17);
    EXPECT_EQ(p.befund, Befund::LeerWiederhergestellt);
    EXPECT_EQ(p.feldText, "17");

    setzeSprache(s, false);
    EXPECT_EQ(pruefeInt(s, "x", -5, 5, "Year", 0).meldung, "This is not a real number !");
    EXPECT_EQ(pruefeIntNochmals(s, "35.5", 4, 110, "H", 35).meldung, "H=35.5 This number must be an integer !\n\r     Nochmals eingeben?");
}

TEST(PruefeIntNochmals, AsksInGermanInBothLanguages)
{
    AppState s;
    setzeSprache(s, false);
    const auto p = pruefeIntNochmals(s, "99", 0, 59, "Min", 0);
    EXPECT_EQ(p.meldung, "Min=99 Value has to be within Interval [0..59] !\n\r     Nochmals eingeben?");
    EXPECT_EQ(p.knoepfe, PromptButtons::YesNo);
    EXPECT_TRUE(pruefeIntNochmals(s, "30", 0, 59, "Min", 0).meldung.empty());
}

TEST(PruefeRealBereich, PastedTextIsReadAsItIsWrittenOrRefused)
{
    AppState s;
    const std::pair<const char*, double> gut[] = {
        {" -9.59 ", -9.59},         {"90", 90.0},           {"-90", -90.0},        {"+4.5", 4.5},
        {"\u2212" "33.8688", -33.8688}, {"\u2013" "33.5", -33.5}, {"\u2010" "1", -1.0},  {"\u2015" ".5", -0.5},
        {"\t33.5\r\n", 33.5},      {"\u00a0" "7.25\u00a0", 7.25}, {"3.", 3.0},       {"-.5", -0.5},
    };
    for (const auto& [text, wert] : gut) {
        const auto p = pruefeRealBereich(s, text, "Breite", -90.0, 1000.0, 47.25);
        EXPECT_EQ(p.befund, Befund::Uebernommen) << text;
        EXPECT_DOUBLE_EQ(p.wert, wert) << text;
        EXPECT_EQ(leseRealEingabe(text), wert) << text;
        EXPECT_EQ(pruefeRealFeld(s, text, 47.25).wert, wert) << text;
    }
    // A decimal comma, pasted or typed, as every field takes it.
    EXPECT_DOUBLE_EQ(pruefeRealBereich(s, "1,5", "Breite", -90.0, 90.0, 47.25).wert, 1.5);
    EXPECT_DOUBLE_EQ(pruefeRealBereich(s, "\u2212" "33,5", "Breite", -90.0, 90.0, 47.25).wert, -33.5);
    // Once read, the field shows the number as the keys type it.
    EXPECT_EQ(pruefeRealBereich(s, "\u2212" "8,5\t", "Breite", -90.0, 90.0, 47.25).feldText, "-8.5");
    EXPECT_EQ(pruefeRealFeld(s, " +8.5", 47.25).feldText, "8.5");
    // Every character that dropping would turn into another number refuses the text.
    for (const char* text : {"33,5.1", "1,5,", "1 000", "3 3.5", "1e3", "3.35e1", "33.87 S", "N 33.87", "33.5\u00b0",
                             "\u2212\u2212" "1", "-\u2013" "1", "1\u2212", "\u2014", "\u2016" "1",
                             "\xe2\x80", "\xe2", "33.5.1", "1/2", "\u0661", "0x10", "inf", "71.25-", "8.5\u200b"}) {
        const auto p = pruefeRealBereich(s, text, "Breite", -90.0, 1000.0, 47.25);
        EXPECT_EQ(p.befund, Befund::KeineZahl) << text;
        EXPECT_DOUBLE_EQ(p.wert, 47.25) << text;
        EXPECT_EQ(p.meldungsId, 4) << text;
        EXPECT_EQ(pruefeRealFeld(s, text, 47.25).befund, Befund::KeineZahl) << text;
    }
    // A minus pasted before an unsigned size is not lost on the way to the range check.
    EXPECT_EQ(pruefeRealBereich(s, "\u2212" "33.5", "Höhe", 5.0, 500.0, 35.0).befund, Befund::AusserhalbBereich);
    setzeSprache(s, false);
    EXPECT_EQ(pruefeRealBereich(s, "3 3.5", "Height", 5.0, 500.0, 35.0).meldung, "This is not a real number !");
}

TEST(PruefeRealBereich, FailureKeepsTheOldValueAndRefillsTheField)
{
    AppState s;
    for (const char* text : {"--1", "", "abc", "1.2.3", "-"}) {
        const auto p = pruefeRealBereich(s, text, "Breite", -90.0, 90.0, 47.25);
        EXPECT_EQ(p.befund, Befund::KeineZahl) << text;
        EXPECT_DOUBLE_EQ(p.wert, 47.25) << text;
        EXPECT_EQ(p.feldText, "   47.25") << text;
        EXPECT_EQ(p.meldung, "Das ist keine reelle Zahl.") << text;
        EXPECT_EQ(p.icon, PromptIcon::Question);
    }
}

TEST(PruefeRealBereich, OutOfRangeNeverReachesTheValue)
{
    AppState s;
    const auto p = pruefeRealBereich(s, "95", "Breite", -90.0, 90.0, 47.25);
    EXPECT_EQ(p.befund, Befund::AusserhalbBereich);
    EXPECT_DOUBLE_EQ(p.wert, 47.25);
    EXPECT_EQ(p.feldText, "   47.25");
    EXPECT_EQ(p.meldung, "Breite=95\r\n Zulässiger Wertebereich ist [  -90.00, ...,   90.0] !");
    EXPECT_EQ(pruefeRealBereich(s, "\u2212" "90.01", "B", -90.0, 90.0, 0.0).befund, Befund::AusserhalbBereich);
}

} // namespace
