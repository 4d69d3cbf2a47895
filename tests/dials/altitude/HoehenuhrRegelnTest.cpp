// The rules the altitude dials share: refusals, hour ranges, the dispatcher, the legend's
// gnomon length, and Italian and Babylonian curves that end at the meridian.
#include "HoehenuhrReferenz.h"

#include "core/RecordingCanvas.h"
#include "core/State.h"
#include "dials/altitude/Hoehenuhrbasis.h"
#include "dials/altitude/KonstruiereZylinderSU.h"
#include "dials/altitude/ZeichneHidokei.h"
#include "dials/altitude/ZeichneHirtenSU.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace umbrin;

namespace {

AppState zustand(char typ)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = typ;
    s.Schalter.ZylinderArt = 0;
    return s;
}

RecordingCanvas bild(const AppState& s, Konstruktionsmeldungen* m = nullptr, double groesse = 25)
{
    RecordingCanvas c(1200, 800);
    const Konstruktionsmeldungen r = konstruiereZylinderSU(s, c, {1200, 800, true, groesse, true});
    if (m)
        *m = r;
    return c;
}

} // namespace

// 'k' and 'b' refuse by the temporal display flag, the cylinder by the flag that draws its
// temporal curves; a refused dial is only the navy text.
TEST(Hoehenuhr, TemporalHoursBeyond65DegreesAreRefusedByTheFlagThatDrawsThem)
{
    struct Fall {
        char typ;
        double breite;
        int anzeige, kurven;
        bool verweigert;
    };
    const Fall faelle[] = {
        {'k', 65.5, 1, 0, true},  {'k', -65.5, 1, 0, true}, {'k', 65.0, 1, 0, false}, {'k', 65.5, 0, 1, false},
        {'b', 66.0, 1, 0, true},  {'z', 65.5, 0, 1, true},  {'z', 65.5, 1, 0, false}, {'z', 64.0, 0, 1, false},
    };
    for (const Fall& f : faelle) {
        AppState s = zustand(f.typ);
        s.Par.Breite = f.breite;
        s.Schalter.TemporalAnzeige = static_cast<std::uint8_t>(f.anzeige);
        s.Schalter.Temporalstunden = static_cast<std::uint8_t>(f.kurven);
        const RecordingCanvas c = bild(s);
        SCOPED_TRACE(testing::Message() << f.typ << " " << f.breite << " " << f.anzeige << f.kurven);
        EXPECT_EQ(c.hasText("Temporalstunden sind in dieser geogr. Breite nicht möglich!"), f.verweigert);
        EXPECT_EQ(c.countLines() == 0, f.verweigert);
    }
}

TEST(Hoehenuhr, TemporalRangeOutside0To12IsDrawnAs6To12WithOneMessage)
{
    struct Fall {
        char typ;
        int von, bis;
        bool meldung;
    };
    for (const Fall& f : {Fall{'k', 2, 10, false}, Fall{'k', 0, 12, false}, Fall{'k', 7, 13, true},
                          Fall{'k', -1, 5, true}, Fall{'z', 13, 14, true}, Fall{'z', 3, 9, false}}) {
        AppState s = zustand(f.typ);
        s.Schalter.TemporalAnzeige = f.typ == 'k';
        s.Schalter.Temporalstunden = f.typ == 'z';
        s.Schalter.OhneZeitgl = 0;
        s.Zeiten.QuadTempVon = f.von;
        s.Zeiten.QuadTempBis = f.bis;
        s.Zeiten.EotBis = 24;
        Konstruktionsmeldungen m;
        const RecordingCanvas c = bild(s, &m);
        ASSERT_EQ(m.size(), f.meldung ? 1u : 0u) << f.typ << f.von << ".." << f.bis;
        if (f.meldung) {
            EXPECT_EQ(m[0].text, temporalBereichText(s));
            const std::vector<std::string> texte = c.texts();
            const auto steht = [&](const char* t) { return std::find(texte.begin(), texte.end(), t) != texte.end(); };
            EXPECT_TRUE(steht("6") && steht("11"));
            EXPECT_FALSE(steht("5")) << "hours below 6 are not drawn";
        }
    }
}

TEST(Hoehenuhr, LocalTimeWithoutEquationOfTimeKeepsTheLongerSideOfNoon)
{
    struct Fall {
        Stundenbereich ein;
        bool ortszeit, zeitgl;
        Stundenbereich aus;
    };
    const Fall faelle[] = {
        {{7, 16}, true, false, {7, 12}},  {{8, 17}, true, false, {12, 17}}, {{8, 16}, true, false, {12, 16}},
        {{8, 17}, false, false, {8, 17}}, {{8, 17}, true, true, {8, 17}},   {{12, 18}, true, false, {12, 18}},
    };
    for (const Fall& f : faelle) {
        const Stundenbereich b = mittagsregel(f.ein, f.ortszeit, f.zeitgl);
        EXPECT_EQ(b.von, f.aus.von) << f.ein.von << ".." << f.ein.bis;
        EXPECT_EQ(b.bis, f.aus.bis) << f.ein.von << ".." << f.ein.bis;
    }
}

TEST(Hoehenuhr, DispatcherDrawsBySizeAndSubType)
{
    AppState k = zustand('k');
    AppState b = zustand('b');
    EXPECT_EQ(bild(k).primitives().size(), bild(b).primitives().size());
    EXPECT_TRUE(bild(b, nullptr, 70).hasText("= 70.00 mm"));
    AppState z = zustand('z');
    EXPECT_GT(bild(z).countLines(), 100u);
    for (int art : {1, 2, 3}) {
        z.Schalter.ZylinderArt = static_cast<std::uint8_t>(art);
        EXPECT_EQ(zylinderRoutine(art) == nullptr, art == 3);
        EXPECT_EQ(bild(z).primitives().empty(), art == 3);
    }
}

TEST(Hirtenuhr, LegendGivesTheGnomonLengthDrawnAndAShortenedAxisIsNoted)
{
    AppState s = zustand('z');
    s.Zoom = 2.0;
    s.SkalaZylinder = 251;
    RecordingCanvas c(2100, 2970, true);
    zeichneHirtenSU(s, c, {2100, 2970, false, 70, true});
    EXPECT_TRUE(c.hasText("Zeigerlänge =    70 mm"));
    EXPECT_TRUE(c.hasText("horizontale Monatsachse zu groß, wurde verkleinert"));
    EXPECT_EQ(hirtenMasse(s, {2970, 2100, false, 70, true}).L, 250);
}

// Babylonian and Italian samples count only before the sun crosses the meridian: every drawn
// point of their curves lies at a morning hour angle, and the hours that reach past noon
// during the year are cut there.
TEST(Hirtenuhr, ItalianAndBabylonianCurvesEndAtTheMeridian)
{
    AppState s = zustand('z');
    s.ExpertenModusStart = 1;
    s.Schalter.OhneZeitgl = 0;
    s.Schalter.Intervalle = {0, 0, 0, 0};
    s.Schalter.Monatsskala = 1;
    struct Fall {
        bool italisch;
        int stunde;
    };
    for (const Fall& f : {Fall{true, 18}, Fall{true, 19}, Fall{false, 5}, Fall{false, 6}}) {
        SCOPED_TRACE(testing::Message() << (f.italisch ? "Italian " : "Babylonian ") << f.stunde);
        s.Schalter.Italienisch = f.italisch;
        s.Schalter.Babylonisch = !f.italisch;
        s.Zeiten.ItalVon = s.Zeiten.ItalBis = s.Zeiten.BabVon = s.Zeiten.BabBis = f.stunde;
        s.Farben[4] = s.Farben[5] = 0x123456;
        const HirtenAuftrag a{2100, 2970, false, 70, true};
        const HirtenMasse g = hirtenMasse(s, a);
        RecordingCanvas c(2100, 2970, true);
        EXPECT_TRUE(zeichneHirtenSU(s, c, a).empty());
        int punkte = 0, nachmittag = 0;
        for (std::int32_t d = 1; d <= 365; ++d) {
            double dekl = 0, zeitgl = 0;
            SonnenPosition(s.Par.Jahr, dekl, zeitgl, d);
            const double h0 = std::acos(-std::tan(s.Par.Breite * test::kGradRef) * std::tan(dekl * test::kGradRef))
                              / test::kGradRef / 15;
            const double T = f.italisch ? 12 + h0 - (24 - f.stunde) : 12 - h0 + f.stunde;
            nachmittag += T > 12.01;
        }
        for (const auto* l : c.select([](const RecordedPrimitive& p) {
                 return p.kind == PrimitiveKind::Line && p.pen.color == 0x123456;
             })) {
            for (const CanvasPoint& p : l->points) {
                const double tag = 1 + (p.x - g.xLinks) / g.tagSchritt;
                double dekl = 0, zeitgl = 0;
                SonnenPosition(s.Par.Jahr, dekl, zeitgl, tag);
                const double h0 =
                    std::acos(-std::tan(s.Par.Breite * test::kGradRef) * std::tan(dekl * test::kGradRef))
                    / test::kGradRef / 15;
                const double T = f.italisch ? 12 + h0 - (24 - f.stunde) : 12 - h0 + f.stunde;
                EXPECT_LT(T, 12.05) << "a point after noon on day " << tag;
                ++punkte;
            }
        }
        EXPECT_GT(punkte, 10);
        EXPECT_GT(nachmittag, 10) << "the hour does reach past noon on some days";
    }
}

// The walk that keeps each day's sun for many hour lines gives the plain positions to the last
// bit, also where a walk's k-th day is another day than the walk before it had there.
TEST(Stundenwalk, GivesThePlainSunOfEveryKindOfHourBitForBit)
{
    for (const double breite : {47.25, -33.9, 64.0}) {
        AppState s = zustand('z');
        s.Par.Breite = breite;
        Stundenwalk walk(s);
        const Stundenrechnung arten[] = {{Stundenart::Uhrzeit, s.Par.Zonenmeridian, true},
                                         {Stundenart::Uhrzeit, s.Par.Laenge, false},
                                         {Stundenart::Temporal, 0, false},
                                         {Stundenart::Babylonisch, 0, false},
                                         {Stundenart::Italienisch, 0, false}};
        for (const Stundenrechnung& r : arten)
            for (const std::int32_t erster : {169, 172, 1})
                for (const double t : {0.0, 3.25, 6.0, 11.5, 17.0, 24.0}) {
                    std::size_t k = 0;
                    for (std::int32_t d = erster; d <= erster + 190; d += 3, ++k) {
                        const Stundensonne a = walk.sonne(k, d, t, r);
                        const Stundensonne b = sonneZurStunde(s, d, t, r);
                        ASSERT_EQ(a.hoehe, b.hoehe) << breite << " " << d << " " << t;
                        ASSERT_EQ(a.azimut, b.azimut) << breite << " " << d << " " << t;
                    }
                }
    }
}

// An Italian or Babylonian hour judged below the horizon from the day's sunrise and sunset
// has the sun below it there, at every latitude those hours are drawn for and any zone; the
// judgement is not empty either.
TEST(ItalBabylUnterDemHorizont, TheSunThereIsBelowTheHorizon)
{
    int unten = 0;
    for (const double breite : {-65.0, -47.0, -12.0, 0.0, 33.0, 51.0, 65.0})
        for (const double meridian : {-150.0, -15.0, 0.0, 120.0}) {
            AppState s = zustand('z');
            s.Par.Breite = breite;
            s.Par.Zonenmeridian = meridian;
            for (std::int32_t d = 1; d <= 366; d += 2) {
                const Tagesgrenzen g = wahreTagesgrenzen(s, d);
                for (double t = 0; t <= 24; t += 0.25)
                    for (const bool babylonisch : {true, false}) {
                        if (!italBabylUnterDemHorizont(g, t, babylonisch))
                            continue;
                        ++unten;
                        ASSERT_LE(sonneItalBabylZurStunde(s, d, t, babylonisch, g).hoehe, 0)
                            << breite << " " << meridian << " " << d << " " << t << " " << babylonisch;
                    }
            }
        }
    EXPECT_GT(unten, 100000);
}
