// The horizontal altitude dial and the shepherd's cylinder on screen and paper, checked
// against shadows worked out from the sun's direction vector (HoehenuhrReferenz.h): the drawn
// points of an hour curve stand where the edge's or the gnomon's shadow ends on that day.
#include "HoehenuhrReferenz.h"

#include "core/RecordingCanvas.h"
#include "core/State.h"
#include "dials/altitude/Hoehenuhrbasis.h"
#include "dials/altitude/KonstruiereZylinderSU.h"
#include "dials/altitude/ZeichneHidokei.h"
#include "dials/altitude/ZeichneHirtenSU.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <vector>

using namespace umbrin;
using umbrin::test::sonneOrtszeit;

namespace {

constexpr Farbe kKurve = 0x123456;

AppState zustand()
{
    AppState s;
    initialisiereZustand(s);
    s.Par.Breite = 47.25;
    s.Par.Laenge = -9.59;
    s.Schalter.Ortszeit = 1;
    s.Schalter.MitZeitglZylinder = 0;
    s.Schalter.TemporalAnzeige = 0;
    s.Schalter.Temporalstunden = 0;
    s.Schalter.StundenIntervallSonst = '0';
    s.Zeiten.EotBis = 24;
    return s;
}

std::vector<const RecordedPrimitive*> linien(const RecordingCanvas& c, Farbe farbe)
{
    return c.select([&](const RecordedPrimitive& p) { return p.kind == PrimitiveKind::Line && p.pen.color == farbe; });
}

// Day of each sample offset of the three-day walk.
std::map<int, std::int32_t> probenTage(const Datumsbereich& b, double tagSchritt)
{
    std::map<int, std::int32_t> tage;
    dreiTageSchritte(b.dStart, b.dEnd, [&](std::int32_t d) {
        tage[static_cast<int>(std::lround((d - b.dStart) * tagSchritt))] = d;
    });
    return tage;
}

} // namespace

TEST(Hidokei, PrintedLayoutOfTheDefaultDial)
{
    AppState s = zustand();
    RecordingCanvas c(2970, 2100, true);
    const HidokeiMasse g = hidokeiMasse(s, c, {2970, 2100, false, 25});
    EXPECT_EQ(g.P, 250);
    EXPECT_EQ(g.S2, 1800);
    EXPECT_NEAR(g.knickHoehe, 7.907, 0.001);
    EXPECT_DOUBLE_EQ(g.tagSchritt, 1200.0 / 365);
    EXPECT_EQ(g.xF - g.xL, 1800);
}

// Every hour, folded and side by side, with and without the vertical plate: each drawn sample
// lies P cot h from the edge on the plate, P - S2 tan h above the foot on the vertical plate;
// curves cross the fold without a gap.
TEST(Hidokei, ShadowEndsWhereTheEdgesShadowFalls)
{
    struct Fall {
        int monatsskala, vertikal, stunde;
    };
    const Fall faelle[] = {{0, 1, 8}, {1, 1, 8}, {0, 0, 8}, {1, 1, 10}, {0, 1, 12}, {1, 1, 16}, {1, 0, 17}};
    for (double breite : {47.25, -33.87})
    for (Fall f : faelle) {
        // The low morning sun that reaches the vertical plate: 8 h in the north, 7 h at the
        // southern place.
        if (breite < 0 && f.stunde == 8)
            f.stunde = 7;
        SCOPED_TRACE(testing::Message() << breite << " scale " << f.monatsskala << " plate " << f.vertikal
                                        << " hour " << f.stunde);
        AppState s = zustand();
        s.Par.Breite = breite;
        s.Schalter.Monatsskala = static_cast<std::uint8_t>(f.monatsskala);
        s.Schalter.HidokaiVertikal = static_cast<std::uint8_t>(f.vertikal);
        s.Zeiten.QuadVon = s.Zeiten.QuadBis = f.stunde;
        s.Farben[1] = s.Farben[2] = kKurve;
        RecordingCanvas c(2970, 2100, true);
        const HidokeiAuftrag a{2970, 2100, false, 25};
        const HidokeiMasse g = hidokeiMasse(s, c, a);
        c.reset();
        EXPECT_TRUE(zeichneHidokei(s, c, a).empty());
        const Datumsbereich b = datumsbereich(s.Par.Jahr, f.monatsskala != 0);
        const auto tage = probenTage(b, g.tagSchritt);
        const auto l = linien(c, kKurve);
        ASSERT_FALSE(l.empty());
        int geprueftWaagrecht = 0, geprueftSenkrecht = 0, knick = 0;
        for (std::size_t i = 0; i < l.size(); ++i) {
            // The curve is one line, except where it leaves the plate at the fold (without a
            // vertical plate to run on) or at the horizon and comes back later in the year.
            const auto amRand = [&](int x) { return (f.vertikal == 0 && x == g.xF) || x == g.xF + g.P; };
            if (i > 0 && !(amRand(l[i - 1]->points[1].x) && amRand(l[i]->points[0].x))) {
                EXPECT_EQ(l[i]->points[0], l[i - 1]->points[1]) << "gap before line " << i;
            }
            for (const CanvasPoint& p : l[i]->points) {
                if (p.x == g.xF) {
                    ++knick;
                    continue;
                }
                if (p.x == g.xF + g.P)
                    continue; // cut at the horizon
                const auto it = tage.find(p.y - g.oben);
                ASSERT_NE(it, tage.end()) << p.y;
                const auto r = sonneOrtszeit(s.Par.Jahr, it->second, f.stunde, s.Par.Breite, s.Par.Laenge);
                if (p.x < g.xF) {
                    EXPECT_NEAR(p.x - g.xL, test::kantenSchatten(r, g.P), 0.51) << "day " << it->second;
                    ++geprueftWaagrecht;
                } else {
                    EXPECT_NEAR(p.x - g.xF, test::wandSchatten(r, g.P, g.S2), 0.51) << "day " << it->second;
                    ++geprueftSenkrecht;
                }
            }
        }
        EXPECT_GT(geprueftWaagrecht, 10);
        if (f.stunde <= 8 && f.vertikal) {
            EXPECT_GT(geprueftSenkrecht, 5);
            EXPECT_GT(knick, 0);
        }
        if (!f.vertikal) {
            EXPECT_EQ(geprueftSenkrecht, 0);
        }
    }
}

TEST(Hidokei, SmallScalesLabelMonthsWithOneLetterAndDrawFewerDateLines)
{
    struct Fall {
        int skala;
        bool einBuchstabe;
        std::size_t datumslinien; // folded: 21 Jun .. 1 Dec
    };
    for (const Fall& f : {Fall{60, true, 6}, Fall{61, false, 6}, Fall{80, false, 6}, Fall{81, false, 18}}) {
        AppState s = zustand();
        s.SkalaHidokai = f.skala;
        s.Zeiten.QuadVon = 1;
        s.Zeiten.QuadBis = 0; // no curves
        RecordingCanvas c(2970, 2100, true);
        zeichneHidokei(s, c, {2970, 2100, false, 25});
        EXPECT_EQ(c.hasText("Jul"), !f.einBuchstabe) << f.skala;
        EXPECT_EQ(linien(c, s.Farben[0]).size(), f.datumslinien) << f.skala;
    }
}

TEST(Hirtenuhr, TipShadowFallsLTanHBelowTheGnomon)
{
    AppState s = zustand();
    s.UhrTyp = 'z';
    s.Schalter.Monatsskala = 0;
    s.Farben[1] = s.Farben[2] = kKurve;
    const HirtenAuftrag a{2100, 2970, false, 70, true};
    const HirtenMasse g = hirtenMasse(s, a);
    EXPECT_EQ(g.P, 700);
    EXPECT_NEAR(g.yMax / g.P, 2.3795, 0.0005);
    const Datumsbereich b = datumsbereich(s.Par.Jahr, false);
    const auto tage = probenTage(b, g.tagSchritt);
    for (double breite : {47.25, -33.87})
    for (int stunde : {8, 10, 12, 15}) {
        SCOPED_TRACE(testing::Message() << breite << " " << stunde);
        s.Par.Breite = breite;
        SchiefeUndTierkreis(s, s.Par.Jahr);
        const HirtenMasse g = hirtenMasse(s, a);
        s.Zeiten.QuadVon = s.Zeiten.QuadBis = stunde;
        RecordingCanvas c(2100, 2970, true);
        EXPECT_TRUE(zeichneHirtenSU(s, c, a).empty());
        int geprueft = 0;
        for (const auto* l : linien(c, kKurve)) {
            for (const CanvasPoint& p : l->points) {
                const auto it = tage.find(p.x - g.xLinks);
                if (it == tage.end()) {
                    // Between two days only where the curve is cut at the scale's lower edge.
                    EXPECT_EQ(p.y, g.unten) << p.x;
                    continue;
                }
                const auto r = sonneOrtszeit(s.Par.Jahr, it->second, stunde, s.Par.Breite, s.Par.Laenge);
                EXPECT_NEAR(p.y - g.oben, test::zylinderSchatten(r, g.P), 0.51);
                ++geprueft;
            }
        }
        EXPECT_GT(geprueft, 90);
    }
    // Noon at the solstices on the drawn scale (first and last day of the folded scale):
    // 158.64 mm and 24.53 mm for the obliquity 23.44.
    s.Par.Breite = 47.25;
    s.Zeiten.QuadVon = s.Zeiten.QuadBis = 12;
    RecordingCanvas c(2100, 2970, true);
    zeichneHirtenSU(s, c, a);
    std::map<int, int> mittag;
    for (const auto* l : linien(c, kKurve))
        for (const CanvasPoint& p : l->points)
            mittag[p.x - g.xLinks] = p.y - g.oben;
    ASSERT_TRUE(mittag.count(0));
    EXPECT_NEAR(mittag[0], 1586.4, 4);
    EXPECT_NEAR(mittag.rbegin()->second, 245.3, 2);
    EXPECT_NEAR(test::zylinderSchatten(test::sonnenVektor(47.25, 0, 0), 70), 64.71, 0.005);
}

// Each month label of the shepherd's cylinder stands at the date it names: on the date line
// under the label the noon curve drops P tan h, h the noon altitude 90 - |phi - delta| for the
// sun's declination at local noon on the first of that month (the almanac's low-precision
// formulas for the sun, good to a hundredth of a degree), folded and side by side, north and
// south.
TEST(Hirtenuhr, MonthLabelsStandAtTheDateTheirNoonShadowNames)
{
    for (double breite : {47.25, -33.87}) {
        for (int monatsskala : {0, 1}) {
            SCOPED_TRACE(testing::Message() << breite << " scale " << monatsskala);
            AppState s = zustand();
            s.UhrTyp = 'z';
            s.Par.Breite = breite;
            s.Par.Jahr = 2021;
            SchiefeUndTierkreis(s, s.Par.Jahr);
            s.Schalter.Monatsskala = static_cast<std::uint8_t>(monatsskala);
            s.Zeiten.QuadVon = s.Zeiten.QuadBis = 12;
            s.Farben[1] = kKurve;
            const HirtenAuftrag a{2100, 2970, false, 70, true};
            const HirtenMasse g = hirtenMasse(s, a);
            RecordingCanvas c(2100, 2970, true);
            zeichneHirtenSU(s, c, a);
            std::map<double, double> mittag; // the noon curve: drop by x
            for (const auto* l : linien(c, kKurve))
                for (const CanvasPoint& p : l->points)
                    mittag[p.x] = p.y - g.oben;
            ASSERT_GT(mittag.size(), 20u);
            int geprueft = 0;
            for (const RecordedPrimitive* t : c.select([](const RecordedPrimitive& p) { return p.kind == PrimitiveKind::Text; })) {
                const int monat = test::monatVonKuerzel(t->text);
                if (monat == 0)
                    continue;
                const double erwartet = test::mittagsFallAmErsten(s.Par.Jahr, TagImJahr(s.Par.Jahr, monat, 1), breite,
                                                                   s.Par.Laenge, g.P);
                if (erwartet >= g.yMax)
                    continue; // the curve is cut at the scale's lower edge there
                // The label stands 3 units right of its line.
                const std::optional<double> fall = test::aufKurve(mittag, t->points[0].x - 3);
                ASSERT_TRUE(fall) << t->text;
                // Five units on the full 250 mm axis; a day is narrower on a page's shorter one.
                EXPECT_NEAR(*fall, erwartet, 5 * 250 / g.L) << t->text;
                ++geprueft;
            }
            EXPECT_GE(geprueft, monatsskala ? 8 : 5);
        }
    }
}
