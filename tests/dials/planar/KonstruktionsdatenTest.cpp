#include "dials/planar/Konstruktionsdaten.h"

#include "core/Sprachdienst.h"
#include "core/State.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace umbrin;

namespace {

struct Listing {
    std::vector<std::string> zeilen;
    SubstilarTexte texte;
};

Listing listing(AppState& s, double laenge, double neigung, double wand, double breite, double gnomon,
                DeklStundenTabelle dekl = {})
{
    Listing l;
    l.texte.PolstabWinkel = "alt";
    Konstruktionsdaten(s, l.texte, laenge, neigung, wand, breite, gnomon, dekl);
    l.zeilen = s.InfoZeilen;
    return l;
}

bool enthaelt(const std::vector<std::string>& zeilen, const std::string& text)
{
    return std::any_of(zeilen.begin(), zeilen.end(),
                       [&](const std::string& z) { return z.find(text) != std::string::npos; });
}

} // namespace

TEST(Konstruktionsdaten, DefaultVerticalDialListsItsPolePointAndSubstyle)
{
    // 47.25 N, wall turned 11.7 degrees to the east, gnomon 35 mm. The polar style meets the
    // wall above the foot and a little to the west; it rises at arcsin(cos 47.25 cos 11.7)
    // = 41.66 degrees from the substyle and points down to the south pole (negative angle);
    // the shadow lies on the substyle at 10:57 true local time.
    AppState s;
    s.UhrTyp = 'v';
    const Listing l = listing(s, -9.59, 90, -11.7, 47.25, 35);
    const std::vector<std::string> erwartet = {
        "Vertikale SONNENUHR",
        "     Geogr. Breite:                          47.25 Grad",
        "     Geogr. Länge :                          -9.59 Grad",
        "     Deklination der Uhr (Süd-Abweichung):  -11.70 Grad",
        "     Neigung der Uhrenebene (in Grad)    :   90.00 Grad",
        "     Gnomonhöhe normal zum Zifferblatt  :  35.000 [ mm ]",
        "     Durchstosspunkt des Polstabes       : S( 7.248/38.668)",
        "     Winkel zw. Substilare und Polstab   :  -41.66 Grad",
        "     Richtung der Substilare in P(0/0)   :   10.62 Grad",
        "     Schatten auf Substilare um (WOZ)    :   10:57  Uhr",
        " ",
    };
    ASSERT_EQ(l.zeilen.size(), erwartet.size() + 10);
    for (std::size_t i = 0; i < erwartet.size(); ++i)
        EXPECT_EQ(l.zeilen[i], erwartet[i]) << i;
    EXPECT_EQ(l.zeilen.back(), konstruktionsHinweis(s, 9));
    EXPECT_EQ(l.texte.PolstabWinkel, "  -41.66");
    EXPECT_EQ(l.texte.SubstilareRichtung, "   10.62");
    EXPECT_EQ(l.texte.SubstilareZeit, " 10:57");
}

TEST(Konstruktionsdaten, SpecialPlanes)
{
    const struct {
        const char* name;
        char typ;
        double neigung, wand, breite;
        const char* enthalten;
        const char* fehlt;
        const char* zeit;
    } faelle[] = {
        // A horizontal dial: S due north of the foot at g cot(latitude); no plane lines.
        {"horizontal", 'h', 0, 0, 47.25, "S( 0.000/-32.354)", "Neigung der Uhrenebene", " 12:00"},
        // South wall: vertical is computed as 89.999, substyle straight down (0.00).
        {"south wall", 'v', 90, 0, 47.25, "P(0/0)   :    0.00 Grad", "parallel zur Sonnenuhr", " 12:00"},
        // Horizontal dial at the equator: the style lies in the face, and the substyle time
        // needs no division by the sine of the latitude.
        {"equator", 'h', 0, 0, 0, "Polstab parallel zur Sonnenuhr!", "Durchstosspunkt", " 12:00"},
        // South wall at the equator: the style stands on the foot.
        {"equator wall", 'v', 90, 0, 0, "Polstab rechtwinklig", "parallel zur Sonnenuhr", " 12:00"},
        // Horizontal dial a hair from the pole: the style is orthogonal, never "parallel".
        {"pole", 'h', 0, 0, 89.9999999, "Polstab rechtwinklig", "parallel zur Sonnenuhr", " 12:00"},
        // West wall: shadow on the substyle in the afternoon.
        {"west wall", 'v', 90, 90, 47.25, "S(", "parallel zur Sonnenuhr", " 18:00"},
    };
    for (const auto& f : faelle) {
        AppState s;
        s.UhrTyp = f.typ;
        const Listing l = listing(s, -9.59, f.neigung, f.wand, f.breite, 35);
        EXPECT_TRUE(enthaelt(l.zeilen, f.enthalten)) << f.name;
        EXPECT_FALSE(enthaelt(l.zeilen, f.fehlt)) << f.name;
        EXPECT_EQ(l.texte.SubstilareZeit, f.zeit) << f.name;
        EXPECT_FALSE(enthaelt(l.zeilen, "nan") || enthaelt(l.zeilen, "NAN") || enthaelt(l.zeilen, "INF")) << f.name;
    }
}

TEST(Konstruktionsdaten, AnOrthogonalStyleKeepsTheEarlierAngleTexts)
{
    AppState s;
    s.UhrTyp = 'v';
    const Listing l = listing(s, 0, 90, 0, 0, 35);
    EXPECT_EQ(l.texte.PolstabWinkel, "alt");
    EXPECT_FALSE(enthaelt(l.zeilen, "Winkel zw."));
}

TEST(Konstruktionsdaten, TitlesInBothLanguages)
{
    const struct {
        char typ;
        bool schirm;
        bool deutsch;
        const char* titel;
    } faelle[] = {
        {'v', false, false, "Vertical SUNDIAL"},
        {'h', false, true, "Horizontale SONNENUHR"},
        {'i', false, true, "Inklinierende SONNENUHR"},
        {'i', true, true, "SCHIRMUHR,pultförmig"},
        {'v', true, false, "Vertical Umbrella Sundial"},
        {'h', true, true, "Horizontale SCHIRMUHR"},
    };
    for (const auto& f : faelle) {
        AppState s;
        setzeSprache(s, f.deutsch);
        s.UhrTyp = f.typ;
        s.Schirmuhr = f.schirm;
        EXPECT_EQ(listing(s, -9.59, 30, 0, 47.25, 35).zeilen.front(), f.titel);
    }
}

TEST(Konstruktionsdaten, WholeHourDayLengthsListOnlyTheDaysThatExist)
{
    AppState s;
    s.UhrTyp = 'h';
    s.EpsRund = 23.44;
    s.Schalter.GanzeTageslaenge = 1;
    // A place whose longest day has 15 hours: three pieces, no line break.
    DeklStundenTabelle dekl{};
    dekl.fill(999);
    dekl[1] = 8.5;
    dekl[2] = 16.25;
    dekl[3] = 22.0;
    Listing l = listing(s, -9.59, 0, 0, 47.25, 35, dekl);
    const auto lang = std::find_if(l.zeilen.begin(), l.zeilen.end(),
                                   [](const std::string& z) { return z.rfind("    12 Std.: 0.0", 0) == 0; });
    ASSERT_NE(lang, l.zeilen.end());
    EXPECT_EQ(*(lang - 1), "\r\n    Sonnendeklination f. Tage mit ganzzahliger StundenAnzahl");
    EXPECT_EQ(*lang, "    12 Std.: 0.0°;");
    EXPECT_EQ(*(lang + 1), "    13 Std.:   8.50°, 14 Std.:  16.25°, 15 Std.:  22.00°,");
    EXPECT_EQ(*(lang + 2), "    11 Std.:  -8.50°, 10 Std.: -16.25°,  9 Std.: -22.00°,");

    // Every entry taken: a break after the pieces of 4, 8 and 12 hours.
    for (int i = 1; i <= 12; ++i)
        dekl[static_cast<std::size_t>(i)] = i;
    l = listing(s, -9.59, 0, 0, 47.25, 35, dekl);
    const auto voll = std::find_if(l.zeilen.begin(), l.zeilen.end(),
                                   [](const std::string& z) { return z.rfind("    13 Std.", 0) == 0; });
    ASSERT_NE(voll, l.zeilen.end());
    EXPECT_EQ(std::count(voll->begin(), voll->end(), '\n'), 3);
    EXPECT_NE(voll->find("16 Std.:   4.00°,\r\n    17 Std."), std::string::npos) << *voll;
}
