#include "core/State.h"

#include <gtest/gtest.h>

using namespace umbrin;

TEST(AppState, StartUpSetsTheRingBandFromTheObliquityOf2020)
{
    AppState s;
    initialisiereZustand(s);
    EXPECT_DOUBLE_EQ(s.EpsRund, 23.44);
    EXPECT_DOUBLE_EQ(s.DeklOben, 11.72);
    EXPECT_DOUBLE_EQ(s.DeklUnten, -11.72);
    EXPECT_EQ(s.EoTTabelle2[200].ZglText, s.EoTTabelle[200].ZglText);
    EXPECT_DOUBLE_EQ(s.Par.KegelNeigung, s.Par.Breite);
}

TEST(AppState, StandardWerteKeepsTheFieldsOnlyStartUpClears)
{
    AppState s;
    initialisiereZustand(s);
    s.Par.HabermelGnomon = 12;
    s.Par.SawyerZeit = 3;
    s.Schalter.Daemmerung = 2;
    s.Schalter.ZylinderArt = 1;
    s.Schalter.Linienstaerke = 3;
    s.UhrTyp = 'h';
    s.Farben[0] = 0x123456;
    s.Par.Breite = -33;
    s.Schalter.Analemma = 0;
    s.EpsRund = 23.0;
    StandardWerte(s);
    EXPECT_EQ(s.Par.HabermelGnomon, 12);
    EXPECT_EQ(s.Par.SawyerZeit, 3);
    EXPECT_EQ(s.Schalter.Daemmerung, 2);
    EXPECT_EQ(s.Schalter.ZylinderArt, 1);
    EXPECT_EQ(s.Schalter.Linienstaerke, 3);
    EXPECT_EQ(s.UhrTyp, 'h');
    EXPECT_EQ(s.Farben[0], 0x123456u);
    EXPECT_DOUBLE_EQ(s.Par.Breite, 47.25);
    EXPECT_EQ(s.Schalter.Analemma, 1);
    EXPECT_DOUBLE_EQ(s.DeklOben, 11.5);
}

TEST(BildNummerUhrTyp, PictureNumbersByTypeAndSubType)
{
    AppState s;
    std::int32_t nr = 42;
    struct Fall { char typ; int schirm; int sub; std::int32_t erwartet; };
    for (const Fall f : {Fall{'v', 1, 0, 3001}, {'v', 0, 0, 3000}, {'f', 0, 0, 0}}) {
        s.UhrTyp = f.typ;
        s.Schirmuhr = static_cast<std::uint8_t>(f.schirm);
        BildNummerUhrTyp(s, nr);
        EXPECT_EQ(nr, f.erwartet) << f.typ;
    }
    s.Schirmuhr = 1; // the azimuthal dial ignores the umbrella flag
    s.UhrTyp = 'a';
    s.Schalter.AzimutKreise = 0;
    BildNummerUhrTyp(s, nr);
    EXPECT_EQ(nr, 3003);
    s.Schalter.AzimutKreise = 1;
    s.Schalter.Hoehenkreise = 0;
    nr = 77;
    BildNummerUhrTyp(s, nr);
    EXPECT_EQ(nr, 77);
    s.Schirmuhr = 0;
    s.UhrTyp = 'z';
    s.Schalter.ZylinderArt = 2;
    BildNummerUhrTyp(s, nr);
    EXPECT_EQ(nr, 3013);
    s.UhrTyp = 'q';
    s.Schalter.Hoehenuhrart = 1;
    BildNummerUhrTyp(s, nr);
    EXPECT_EQ(nr, 3010);
}
