#include "shell/Bildergalerie.h"

#include "core/Sprachdienst.h"

#include <gtest/gtest.h>

#include <set>

using namespace umbrin;

namespace {
std::size_t knopf(const std::string& name)
{
    const auto k = bildknoepfe();
    for (std::size_t i = 0; i < k.size(); ++i)
        if (name == k[i].name)
            return i;
    return k.size();
}
} // namespace

TEST(Bildergalerie, EachPlaceCyclesThroughItsButtonsAndComesBack)
{
    struct Fall { const char* start; std::vector<const char*> folge; };
    const std::vector<Fall> faelle = {
        {"BtBtnAz", {"btBtnTo", "BtBtnPeau", "BtBtnSter", "BtBtnAz"}},
        {"BtBtnSf", {"BtBtnSp", "BtBtnSf"}},
        {"BtBtnZh", {"BtBtnZh"}},
        {"btBtnRi", {"BtBtnRi2", "BtBtnRi3", "btBtnRi"}},
        {"BtBtnhor", {"BtBtnver1", "BtBtnver2", "BtBtnVer3", "BtBtnhor"}},
    };
    for (const Fall& f : faelle) {
        std::size_t i = knopf(f.start);
        ASSERT_LT(i, bildknoepfe().size()) << f.start;
        for (const char* n : f.folge) {
            const std::size_t j = naechsterKnopf(i);
            EXPECT_STREQ(bildknoepfe()[j].name, n);
            EXPECT_EQ(bildknoepfe()[j].platz, bildknoepfe()[i].platz);
            i = j;
        }
    }
}

TEST(Bildergalerie, ButtonsShowEveryDialPictureOnceAndEachHasACaption)
{
    std::set<std::int32_t> gezeigt;
    AppState s;
    for (const Bildknopf& k : bildknoepfe()) {
        EXPECT_TRUE(gezeigt.insert(k.bild).second) << k.bild;
        EXPECT_TRUE(hatBild(k.bild));
        for (bool de : {true, false}) {
            setzeSprache(s, de);
            EXPECT_FALSE(bildUnterschrift(s, k.bild, false).empty()) << k.bild;
        }
    }
    EXPECT_EQ(gezeigt.size(), 26u);
    EXPECT_TRUE(hatBild(105) && hatBild(106));
    EXPECT_FALSE(hatBild(2998) || hatBild(0) || hatBild(3024));
}

TEST(Bildergalerie, TheShowVisitsAllDialPicturesAndWrapsAfter3006)
{
    std::int32_t id = ErstesDia;
    EXPECT_EQ(naechstesDia(id), 1106);
    std::set<std::int32_t> besucht;
    for (int n = 0; n < 26; ++n) {
        besucht.insert(id);
        if (n == 25) {
            EXPECT_EQ(id, 3006);
        }
        id = naechstesDia(id);
    }
    EXPECT_EQ(id, 1105);
    EXPECT_EQ(besucht.size(), 26u);
    EXPECT_EQ(naechstesDia(105), 105);
    EXPECT_EQ(naechstesDia(0), 0);
}

TEST(Bildergalerie, CaptionsOfTheShortenedPictures)
{
    AppState s;
    struct Fall { bool de; std::int32_t id; bool dia; const char* text; };
    for (const Fall f : {Fall{true, 3012, false, "azimutale Höhensonnenuhr"},
                         Fall{true, 3012, true, "azimutale Höhensonnenuhr"},
                         Fall{false, 3012, false, "Azimuthal Altitude Dial"},
                         Fall{false, 3012, true, "Azimuthal Altitude Dial"},
                         Fall{true, 3010, true, "vertikale Habermel-Sonnenuhr I"},
                         Fall{false, 3010, false, "Vertical Habermel-Sundial I for Local Apparent Time"},
                         Fall{false, 3001, false, "\"Umbrella\"-dial"}, Fall{true, 2998, false, ""}}) {
        setzeSprache(s, f.de);
        EXPECT_EQ(bildUnterschrift(s, f.id, f.dia), f.text) << f.id;
    }
}

TEST(Bildergalerie, IntervalFollowsTheTrackBarInTenthsOfASecond)
{
    EXPECT_EQ(diaIntervallText(22), "2.2 s");
    EXPECT_EQ(diaIntervallText(210), "21.0 s");
    EXPECT_EQ(diaIntervallMs(10), 1000);
    EXPECT_EQ(diaIntervallMs(22), 2200);
}

TEST(Bildergalerie, TypesWithoutAPictureShowNone)
{
    struct Fall { char typ; bool schirm; int azKreise, hoehenkreise; std::int32_t bild; };
    for (const Fall f : {Fall{'h', false, 1, 1, 0}, Fall{'v', false, 1, 1, 3000}, Fall{'i', true, 1, 1, 3002},
                         Fall{'a', false, 0, 1, 3003}, Fall{'a', false, 1, 2, 3015}, Fall{'a', false, 1, 0, 0},
                         Fall{'x', false, 1, 1, 0}}) {
        AppState s;
        s.UhrTyp = f.typ;
        s.Schirmuhr = f.schirm;
        s.Schalter.AzimutKreise = static_cast<std::uint8_t>(f.azKreise);
        s.Schalter.Hoehenkreise = static_cast<std::uint8_t>(f.hoehenkreise);
        EXPECT_EQ(bildDesTyps(s), f.bild) << f.typ << f.azKreise << f.hoehenkreise;
    }
}
