// The azimuthal dial on a canvas, checked against the sun's vector worked out in the test:
// every hour-line point and every sunrise and sunset point lies where the shadow of a
// vertical pointer falls (south up, west right), at the radius of its day or declination.
#include "core/RecordingCanvas.h"
#include "core/Sonne.h"
#include "core/State.h"
#include "dials/azimuthal/AzimutalZeichnung.h"
#include "dials/azimuthal/AzimutalSonnenvektor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

using namespace umbrin;
using namespace umbrin::test;

namespace {

AppState zustand()
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'a';
    s.Schalter.AzimutKreise = 0;
    for (std::size_t i = 0; i < s.Farben.size(); ++i)
        s.Farben[i] = static_cast<Farbe>(0x101010 * (i + 1)); // every slot its own colour
    return s;
}

// A printed A4 page in 0.1 mm: a plate of 180 mm has R = 900.
struct Seite {
    RecordingCanvas c{2970, 2100, true};
    int cx = 0, cy = 0;
    double R = 0, r1 = 0, r2 = 0, fTag = 0;
};

Seite zeichne(const AppState& s)
{
    Seite b;
    zeichneAzimutal(s, b.c, 2970, 2100, false, Zeichenumgebung{});
    // Page: 50 units margin, usable 2920 x 2050.
    b.R = std::round(s.AzGrundplatte * 10 / 2);
    b.fTag = b.R / 480 * 365 / 410;
    b.r1 = std::round(b.R - 45 * b.fTag);
    b.r2 = std::round(b.r1 - 365 * b.fTag);
    b.cx = static_cast<int>(std::lround(2920 * 0.57)) + 50;
    b.cy = 2050 / 2 - static_cast<int>(std::lround((b.r1 - b.r2) / 365 * 10)) + 50;
    return b;
}

bool hatPunkt(const std::vector<CanvasPoint>& punkte, double x, double y, double toleranz = 1.01)
{
    for (const CanvasPoint& p : punkte)
        if (std::fabs(p.x - x) <= toleranz && std::fabs(p.y - y) <= toleranz)
            return true;
    return false;
}

double deklination(const AppState& s, double tag)
{
    double d = 0, e = 0;
    SonnenPosition(s.Par.Jahr, d, e, tag);
    return d;
}

} // namespace

TEST(AzimutalZeichnung, HourLinePointsLieWhereTheShadowFalls)
{
    const struct Fall {
        const char* name;
        std::function<void(AppState&)> setze;
    } faelle[] = {
        {"calendar, December outside", [](AppState&) {}},
        {"calendar, January outside", [](AppState& s) { s.Schalter.Zeitablesung = 1; }},
        {"zodiac, winter solstice outside", [](AppState& s) { s.Schalter.ZodiakSkala = 1; }},
        {"zodiac, summer solstice outside",
         [](AppState& s) {
             s.Schalter.ZodiakSkala = 1;
             s.Schalter.Zeitablesung = 1;
         }},
        {"southern calendar", [](AppState& s) { s.Par.Breite = -33.9; }},
        {"plate of 100 mm", [](AppState& s) { s.AzGrundplatte = 100; }},
    };
    for (const Fall& f : faelle) {
        AppState s = zustand();
        s.Schalter.ZodiakSkala = 0;
        s.Zeiten.QuadVon = 6;
        s.Zeiten.QuadBis = 18;
        f.setze(s);
        const Seite b = zeichne(s);
        const auto punkte = b.c.linePoints(s.Farben[1]);
        const double eps = s.EpsRund;
        const double fZ = (b.r1 - b.r2) / 2 / eps;
        const bool za = s.Schalter.Zeitablesung != 0;
        const int N = TagImJahr(s.Par.Jahr, 12, 31);
        int geprueft = 0;
        for (int t = 6; t <= 18; ++t)
            for (const int n : {TagImJahr(s.Par.Jahr, 7, 1), TagImJahr(s.Par.Jahr, 9, 16), TagImJahr(s.Par.Jahr, 11, 28)}) {
                // Local true time at the zone meridian: the hour angle is 15 (t - 12).
                const double d = deklination(s, n + (t + s.Par.Zonenmeridian / 15 - 12) / 24);
                const Sonnenvektor v = sonnenvektor(s.Par.Breite, d, 15.0 * (t - 12));
                if (hoeheGrad(v) <= 0.5 || hoeheGrad(v) >= 88.5)
                    continue;
                const double r = s.Schalter.ZodiakSkala ? std::round((za ? eps + d : eps - d) * fZ + b.r2)
                                                        : std::round((za ? N - n : n) * b.fTag + b.r2);
                const Schattenpunkt p = schattenpunkt(v, b.cx, b.cy, r);
                EXPECT_TRUE(hatPunkt(punkte, p.x, p.y)) << f.name << ": " << t << " h, day " << n;
                ++geprueft;
            }
        EXPECT_GT(geprueft, 20) << f.name;
    }
}

TEST(AzimutalZeichnung, SunriseAndSunsetPointsLieOnTheHorizonDirection)
{
    for (const double phi : {47.25, -33.9}) {
        AppState s = zustand();
        s.Par.Breite = phi;
        s.Schalter.ZodiakSkala = 0;
        const Seite b = zeichne(s);
        const auto punkte = b.c.linePoints(s.Farben[4]);
        for (const int monat : {2, 5, 8, 11}) {
            const int n = TagImJahr(s.Par.Jahr, monat, 11);
            const double d = deklination(s, n + s.Par.Laenge / 15 / 24);
            const double H = aufgangsStundenwinkel(phi, d);
            const double r = std::round((n - 1) * b.fTag + b.r2);
            for (const double h : {H, -H}) {
                const Schattenpunkt p = schattenpunkt(sonnenvektor(phi, d, h), b.cx, b.cy, r);
                EXPECT_TRUE(hatPunkt(punkte, p.x, p.y, 2.01)) << phi << " month " << monat << " " << h;
            }
        }
    }
}

TEST(AzimutalZeichnung, CirclesLabelsAndHemispheres)
{
    // Northern calendar: the month-start arcs run from the sunrise to the sunset point; in the
    // south the other way, and the plate names the north at the bottom.
    for (const double phi : {47.25, -33.9}) {
        AppState s = zustand();
        s.Par.Breite = phi;
        s.Schalter.ZodiakSkala = 0;
        const Seite b = zeichne(s);
        const auto boegen = b.c.select([](const RecordedPrimitive& p) { return p.kind == PrimitiveKind::Arc; });
        ASSERT_EQ(boegen.size(), 13u);
        // The first arc is 1 January's: its start lies west of the centre in the north (the
        // winter sunrise shadow points north-west), east in the south.
        const int startX = boegen[0]->points[2].x;
        EXPECT_EQ(startX > b.cx, phi > 0) << phi;
        EXPECT_EQ(b.c.hasText("N Nord"), phi < 0);
        EXPECT_EQ(b.c.hasText(" Süd"), phi > 0);
        EXPECT_TRUE(b.c.hasText("West"));
        EXPECT_TRUE(b.c.hasText("Ost"));
    }
    // January outside: the month-start circle of March lies at the day number of the last of
    // February (59, 60 in a leap year).
    for (const int jahr : {2021, 2020}) {
        AppState s = zustand();
        s.Par.Jahr = jahr;
        s.Schalter.ZodiakSkala = 0;
        s.Schalter.Zeitablesung = 1;
        const Seite b = zeichne(s);
        const int rr = static_cast<int>(std::lround(b.r1 - TagImJahr(jahr, 3, 0) * b.fTag));
        const auto kreise = b.c.select([&](const RecordedPrimitive& p) {
            return p.kind == PrimitiveKind::Ellipse && p.pen.color == s.Farben[6] && p.points[0].x == b.cx - rr;
        });
        EXPECT_EQ(kreise.size(), 1u) << jahr;
    }
    // A 180 mm plate on paper has R = 900: the outline circle.
    AppState s = zustand();
    s.Schalter.ZodiakSkala = 0;
    const Seite b = zeichne(s);
    EXPECT_EQ(b.R, 900);
    EXPECT_FALSE(b.c.select([&](const RecordedPrimitive& p) {
                        return p.kind == PrimitiveKind::Ellipse && p.points[0].x == b.cx - 900
                               && p.points[1].x == b.cx + 902;
                    }).empty());
}

TEST(AzimutalZeichnung, HourLabelsSubdivisionsAndTemporalLimits)
{
    // Four lines per hour from 8 to 18: 8, 8.25, ..., 18 is 41 lines, the whole hours in the
    // hour colour and the rest in the subdivision colour.
    AppState s = zustand();
    s.Schalter.ZodiakSkala = 0;
    s.Schalter.StundenIntervallSonst = '3';
    s.Zeiten.QuadVon = 8;
    s.Zeiten.QuadBis = 18;
    Seite b = zeichne(s);
    EXPECT_GT(b.c.countLines(s.Farben[2]), 0u);
    for (const char* stunde : {"8", "12", "17"})
        EXPECT_TRUE(b.c.hasText(stunde)) << stunde;
    // Temporal hours beyond 66 degrees draw the message only.
    s.Par.Breite = 67;
    s.Schalter.TemporalAnzeige = 1;
    b = zeichne(s);
    EXPECT_EQ(b.c.countLines(), 0u);
    EXPECT_TRUE(b.c.hasText("Temporalstunden sind in dieser geogr. Breite nicht m"));
    // Below 24 degrees the dial is drawn with its warning.
    s.Par.Breite = 10;
    s.Schalter.TemporalAnzeige = 0;
    b = zeichne(s);
    EXPECT_GT(b.c.countLines(s.Farben[1]), 0u);
    EXPECT_TRUE(b.c.hasText("Azimutalsonnenuhren nicht"));
}

TEST(AzimutalZeichnung, NoPointLeavesThePageAtAnyLatitude)
{
    for (const double phi : {-89.75, -66.0, -23.44, 0.0, 23.44, 66.0, 89.75})
        for (const std::uint8_t zodiak : {0, 1})
            for (const std::uint8_t za : {0, 1}) {
                AppState s = zustand();
                s.Par.Breite = phi;
                s.Schalter.ZodiakSkala = zodiak;
                s.Schalter.Zeitablesung = za;
                s.Schalter.Temporalstunden = s.Schalter.Babylonisch = s.Schalter.Italienisch = 1;
                const Seite b = zeichne(s);
                for (const RecordedPrimitive& p : b.c.primitives())
                    for (const CanvasPoint& q : p.points) {
                        EXPECT_LT(std::abs(q.x), 10000) << phi;
                        EXPECT_LT(std::abs(q.y), 10000) << phi;
                    }
            }
}

TEST(AzimutalZeichnung, EachHourNumberStandsBeyondTheRimWhereItsLineEnds)
{
    // December outside: a line ends on 31 December where the sun is up at its hour; the
    // shadow's direction there, worked out here, points to its number, north and south.
    for (const double phi : {47.25, -33.87}) {
        AppState s = zustand();
        s.Par.Breite = phi;
        s.Schalter.ZodiakSkala = 0;
        s.Zeiten.QuadVon = 6;
        const Seite b = zeichne(s);
        const int N = TagImJahr(s.Par.Jahr, 12, 31);
        for (int t = 6; t <= 18; ++t) {
            const Sonnenvektor v = sonnenvektor(phi, deklination(s, N + (t + s.Par.Zonenmeridian / 15 - 12) / 24.0), 15.0 * (t - 12));
            const auto zahl = b.c.select([&](const RecordedPrimitive& p) {
                return p.kind == PrimitiveKind::Text && p.font.color == s.Farben[1] && p.text == std::to_string(t);
            });
            if (hoeheGrad(v) <= 1 || zahl.size() != 1) {
                EXPECT_LE(hoeheGrad(v), 1) << phi << ": " << t << " h";
                continue;
            }
            const double h = zahl[0]->font.height, mx = zahl[0]->points[0].x + 0.275 * h * zahl[0]->text.size() - b.cx,
                         my = zahl[0]->points[0].y + 0.575 * h - b.cy;
            const Schattenpunkt ende = schattenpunkt(v, 0, 0, 1);
            EXPECT_GT(std::hypot(mx, my), b.R + 0.5 * h) << phi << ": " << t << " h";
            EXPECT_NEAR(std::remainder(std::atan2(my, mx) - std::atan2(ende.y, ende.x), 2 * M_PI) / kGrad, 0, 4)
                << phi << ": " << t << " h";
        }
    }
}
