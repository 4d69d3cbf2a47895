// The quadrant on a canvas, checked against the sun worked out here: a plumb line hung from
// the apex makes the sun's altitude with the vertical edge, so every point of an hour curve
// lies at the angle h from the vertical edge with sin h = sin phi sin d + cos phi cos d cos H,
// at the radius of its date (calendar), its declination (zodiac) or the stereographic radius
// of its declination (Gunter). Declination and equation of time of a day come from the sun
// routine; everything else is worked out below.
#include "core/RecordingCanvas.h"
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/State.h"
#include "dials/quadrant/QuadrantGeometrie.h"
#include "dials/quadrant/QuadrantZeichnung.h"

#include "support/Ansichten.h"
#include "tables/NoaaSonne.h"

#include "QuadrantBild.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace umbrin;

namespace {

constexpr double kGrad = M_PI / 180;

double hoeheLehrbuch(double phi, double d, double H)
{
    return std::asin(std::sin(phi * kGrad) * std::sin(d * kGrad)
                     + std::cos(phi * kGrad) * std::cos(d * kGrad) * std::cos(H * kGrad))
           / kGrad;
}

AppState zustand()
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'q';
    return s;
}

using Bild = test::QuadrantBild;

Bild zeichne(const AppState& s, int breite = 2970, int hoehe = 2100, bool bildschirm = false)
{
    return test::zeichneQuadrant(s, breite, hoehe, bildschirm);
}

// True when a line of that pen colour ends within one unit of (x, y).
bool hatPunkt(const std::vector<CanvasPoint>& punkte, double x, double y)
{
    for (const CanvasPoint& p : punkte)
        if (std::fabs(p.x - x) <= 1.01 && std::fabs(p.y - y) <= 1.01)
            return true;
    return false;
}

// Every geometry check runs at the default northern latitude and at a southern one.
constexpr double kSuedBreite = -33.87;
std::vector<double> breiten(const AppState& s) { return {s.Par.Breite, kSuedBreite}; }

CanvasPoint erwartet(const Bild& b, double r, double h)
{
    return {b.X0 + static_cast<int>(std::lround(r * std::sin(h * kGrad))),
            static_cast<int>(std::lround(b.Y0 + r * std::cos(h * kGrad)))};
}

} // namespace

TEST(QuadrantZeichnung, PageLayoutOfTheWorkedExamples)
{
    const struct {
        int breite, hoehe;
        bool bildschirm;
        int S, X0, Y0;
    } faelle[] = {
        {1920, 1080, true, 771, 196, 154}, // (1080 - 771) / 2 = 154.5, half to even
        {2970, 2100, false, 1500, 540, 325},
        {1000, 300, true, 214, 196, 43},
    };
    for (const auto& f : faelle) {
        AppState s = zustand();
        const Bild b = zeichne(s, f.breite, f.hoehe, f.bildschirm);
        EXPECT_EQ(b.S, f.S) << f.breite;
        EXPECT_EQ(b.X0, f.X0) << f.breite;
        EXPECT_EQ(b.Y0, f.Y0) << f.breite;
    }
}

TEST(QuadrantZeichnung, HourRangesAndValues)
{
    const struct {
        int von, bis;
        bool zonenzeit, temporal;
        char intervall;
        double erwVon, erwBis, halbVon;
        int anzahl;
    } faelle[] = {
        {8, 18, true, false, '0', 12, 18, 12, 7},  // the afternoon half is at least as long
        {10, 13, true, false, '0', 10, 12, 3, 3},
        {9, 15, true, false, '0', 12, 15, 12, 4},
        {8, 18, false, false, '0', 8, 18, 3, 11},
        {3, 12, false, false, '1', 3, 12, 3, 19},   // 3, 3.5, ..., 12; 12.5 is left out
        {1, 14, false, true, '0', 1, 12, 3, 12},    // temporal hours stop at 12
    };
    for (const auto& f : faelle) {
        AppState s = zustand();
        s.Zeiten.QuadVon = s.Zeiten.QuadTempVon = f.von;
        s.Zeiten.QuadBis = s.Zeiten.QuadTempBis = f.bis;
        s.Schalter.Zonenzeit = f.zonenzeit;
        s.Schalter.TemporalAnzeige = f.temporal;
        s.Schalter.StundenIntervallSonst = f.intervall;
        QuadrantStunden z = quadrantStunden(s);
        EXPECT_EQ(z.von, f.erwVon) << f.von << "-" << f.bis;
        EXPECT_EQ(z.bis, f.erwBis) << f.von << "-" << f.bis;
        EXPECT_EQ(quadrantStundenwerte(z).size(), std::size_t(f.anzahl)) << f.von << "-" << f.bis;
        kalenderHalbtag(z);
        EXPECT_EQ(z.von, f.halbVon);
    }
}

TEST(QuadrantZeichnung, CrossingAndCircleIntersection)
{
    // A segment along the edge gives the inside point's y, whichever way it runs.
    EXPECT_EQ(schneideSenkrechte({100, 5}, {100.03, 9}, 100).y, 5);
    EXPECT_EQ(schneideSenkrechte({99.98, 5}, {100.01, 9}, 100).y, 9);
    EXPECT_DOUBLE_EQ(schneideSenkrechte({90, 0}, {110, 40}, 100).y, 20);
    const struct {
        double r1, d, r2, x, y;
    } faelle[] = {
        {6, 10, 8, 3.6, 4.8},
        {2, 10, 3, 95.0 / 20, 0.007}, // the circles do not meet
        {5, 0, 3, 5, 0.007},          // concentric circles
    };
    for (const auto& f : faelle) {
        double x = 0, y = 0;
        Kreisschnitt(x, y, f.r1, f.d, f.r2);
        EXPECT_NEAR(x, f.x, 1e-12) << f.r1 << " " << f.d;
        EXPECT_NEAR(y, f.y, 1e-12) << f.r1 << " " << f.d;
    }
}

TEST(QuadrantZeichnung, CalendarCurvesStandAtTheSunsAltitude)
{
    const struct {
        bool ganz, zeitgl, zonenzeit;
        int von;
        std::uint8_t zeitablesung;
        int h0; // the half day shown: 3 to 12 or 12 to 21
    } faelle[] = {
        {true, false, false, 8, 0, 3}, {true, true, true, 13, 0, 12}, {false, false, false, 8, 0, 3},
        {false, true, false, 14, 1, 12}, {false, false, true, 9, 1, 12}, // zone time: 9-18 becomes 12-18
    };
    for (const auto& f : faelle)
        for (const double breite : breiten(zustand())) {
        AppState s = zustand();
        s.Par.Breite = breite;
        s.Schalter.Ganzjaehrig = f.ganz;
        s.Schalter.MitZeitglAzimut = f.zeitgl;
        s.Schalter.Zonenzeit = f.zonenzeit;
        s.Schalter.Zeitablesung = f.zeitablesung;
        s.Zeiten.QuadVon = f.von;
        s.Zeiten.QuadBis = 18;
        const Bild b = zeichne(s);
        const std::vector<CanvasPoint> linien = b.c.linePoints(s.Farben[1]);
        const double phi = s.Par.Breite, Z = s.Par.Zonenmeridian;
        const double M = f.zonenzeit ? s.Par.Laenge : Z;
        const int J = s.Par.Jahr, J1 = 1, D31 = TagImJahr(J, 12, 31), T21 = TagImJahr(J, 6, 21);
        const int D21 = TagImJahr(J, 12, 21);
        int geprueft = 0;
        for (int h = f.h0; h <= f.h0 + 9; ++h) {
            std::vector<std::pair<int, double>> tage; // day, radius
            if (f.ganz) {
                for (int tag = J1; tag < D31; tag += 30)
                    tage.push_back({tag, std::lround((1 + double(tag - J1) / (D31 - J1)) * b.S / 2)});
            } else {
                for (int m = 7; m <= 12; ++m) {
                    const int tag = std::min(TagImJahr(J, m, 10), D21);
                    const double T = tag - T21;
                    tage.push_back({tag, std::lround((f.zeitablesung ? 2 - T / 183 : 1 + T / 183) * b.S / 2)});
                }
            }
            for (const auto& [tag, r] : tage) {
                double d = 0, e = 0;
                SonnenPosition(J, d, e, tag + (h + Z / 15 - 12) / 24.0);
                const double H = (h - 12) * 15.0 - (M - Z) + (f.zeitgl ? e : 0);
                const double a = hoeheLehrbuch(phi, d, H);
                if (a < 1)
                    continue;
                const CanvasPoint p = erwartet(b, r, a);
                EXPECT_TRUE(hatPunkt(linien, p.x, p.y))
                    << "hour " << h << " day " << tag << " ganz " << f.ganz << " phi " << breite;
                ++geprueft;
            }
        }
        EXPECT_GT(geprueft, 20);
        }
}

TEST(QuadrantZeichnung, ZodiacCurvesStandAtTheSunsAltitudeOnTheirDeclinationsCircle)
{
    for (const bool ganz : {true, false})
        for (const std::uint8_t za : {0, 1})
            for (const double breite : breiten(zustand())) {
            AppState s = zustand();
            s.Par.Breite = breite;
            s.Schalter.QuadrantSkala = 1;
            s.Schalter.Ganzjaehrig = ganz;
            s.Schalter.Zeitablesung = za;
            s.Zeiten.QuadVon = 7;
            s.Zeiten.QuadBis = 17;
            const Bild b = zeichne(s);
            std::vector<CanvasPoint> linien = b.c.linePoints(s.Farben[1]);
            const std::vector<CanvasPoint> zweite = b.c.linePoints(s.Farben[9]);
            linien.insert(linien.end(), zweite.begin(), zweite.end());
            const double eps = s.EpsRund, phi = s.Par.Breite;
            int geprueft = 0;
            for (int h = 7; h <= 17; ++h)
                for (int k = 0; k <= 36; k += 4) {
                    const double d = std::asin(std::cos(5.0 * k * kGrad) * std::sin(eps * kGrad)) / kGrad; // longitude 90 + 5k
                    const double a = hoeheLehrbuch(phi, d, (h - 12) * 15.0);
                    if (a < 1)
                        continue;
                    // Whole year: +eps outside when the reading is set; folded: |d| decides.
                    const double anteil = ganz ? (za ? (d + eps) / (2 * eps) : (eps - d) / (2 * eps))
                                               : (za ? std::fabs(d) / eps : 1 - std::fabs(d) / eps);
                    const CanvasPoint p = erwartet(b, std::lround((1 + anteil) * b.S / 2), a);
                    EXPECT_TRUE(hatPunkt(linien, p.x, p.y))
                        << h << " " << k << " ganz " << ganz << " za " << int(za) << " phi " << breite;
                    ++geprueft;
                }
            EXPECT_GT(geprueft, 50);
        }
}

TEST(QuadrantZeichnung, FoldedZodiacSignsStandInTheirBand)
{
    // Band of a sign by |declination|: Gemini, Cancer, Sagittarius, Capricorn hold the band
    // next to the solstice; Aries, Virgo, Libra, Pisces the band next to the equinox.
    for (const std::uint8_t za : {0, 1}) {
        AppState s = zustand();
        s.Schalter.QuadrantSkala = 1;
        s.Schalter.Zeitablesung = za;
        const Bild b = zeichne(s);
        const double eps = s.EpsRund;
        const auto radius = [&](double d) {
            return (1 + (za ? std::fabs(d) / eps : 1 - std::fabs(d) / eps)) * b.S / 2;
        };
        const double grenze60 = std::asin(std::sin(60 * kGrad) * std::sin(eps * kGrad)) / kGrad;
        const double grenze30 = std::asin(std::sin(30 * kGrad) * std::sin(eps * kGrad)) / kGrad;
        int gefunden = 0;
        for (const RecordedPrimitive& p : b.c.primitives()) {
            if (p.kind != PrimitiveKind::Text || p.font.name != "Wingdings" || p.points[0].x >= b.X0)
                continue;
            if (p.points[0].y <= b.Y0 + 10 || p.points[0].x < b.X0 - 200)
                continue; // the legend at the left margin
            const int zeichen = p.text[0] - 0x5E + 1;
            const int band = (zeichen == 3 || zeichen == 4 || zeichen == 9 || zeichen == 10) ? 0
                             : (zeichen == 2 || zeichen == 5 || zeichen == 8 || zeichen == 11) ? 1 : 2;
            const double grenzen[] = {eps, grenze60, grenze30, 0};
            const double r1 = radius(grenzen[band]), r2 = radius(grenzen[band + 1]);
            const double y = p.points[0].y + p.font.height / 2.0 - b.Y0; // middle of the symbol
            EXPECT_GE(y, std::min(r1, r2) - 1) << zeichen << " za " << int(za);
            EXPECT_LE(y, std::max(r1, r2) + 1) << zeichen << " za " << int(za);
            ++gefunden;
        }
        EXPECT_EQ(gefunden, 12);
    }
}

TEST(QuadrantZeichnung, GunterCurvesAzimuthLinesEclipticAndHorizon)
{
    for (const double breite : {zustand().Par.Breite, kSuedBreite, -45.0}) {
        AppState s = zustand();
        s.Par.Breite = breite;
        s.Schalter.QuadrantSkala = 2;
        s.Zeiten.QuadVon = 6;
        s.Zeiten.QuadBis = 18;
        const Bild b = zeichne(s);
        const std::string fall = "phi " + std::to_string(breite);
        const double eps = s.EpsRund, phi = s.Par.Breite;
        const double u = 10, Rg = b.S - 13 * u;
        const double K = Rg / std::tan((90 + eps) / 2 * kGrad);
        const auto r = [&](double d) { return K * std::tan((90 + std::fabs(d)) / 2 * kGrad); };

        std::vector<CanvasPoint> stunden = b.c.linePoints(s.Farben[1]);
        const std::vector<CanvasPoint> winter = b.c.linePoints(s.Farben[2]);
        stunden.insert(stunden.end(), winter.begin(), winter.end());
        int geprueft = 0;
        for (int h = 6; h <= 18; ++h)
            for (int d = -23; d <= 23; d += 4) {
                const double a = hoeheLehrbuch(phi, d, (h - 12) * 15.0);
                if (a < 1)
                    continue;
                const CanvasPoint p = erwartet(b, r(d), a);
                EXPECT_TRUE(hatPunkt(stunden, p.x, p.y)) << fall << " " << h << " " << d;
                ++geprueft;
            }
        EXPECT_GT(geprueft, 60) << fall;

        // Azimuth lines: a point at radius r(d) and angle h gives back the azimuth of its line,
        // counted from the noon sun's side; colour 4 is the local summer's half.
        for (const Farbe f : {s.Farben[4], s.Farben[6]}) {
            const std::vector<CanvasPoint> punkte = b.c.linePoints(f);
            ASSERT_GT(punkte.size(), 20u) << fall;
            for (const CanvasPoint& p : punkte) {
                const double dx = p.x - b.X0, dy = p.y - b.Y0, rr = std::hypot(dx, dy);
                if (dx < 30 || dy < 30 || rr > Rg)
                    continue;
                const double dBetrag = 2 * std::atan(rr / K) / kGrad - 90;
                const double sommer = (f == s.Farben[4]) == (phi > 0) ? 1 : -1;
                const double d = sommer * dBetrag;
                const double hh = std::atan2(dx, dy) / kGrad;
                const double cosA = (std::sin(hh * kGrad) * std::sin(phi * kGrad) - std::sin(d * kGrad))
                                    / (std::cos(hh * kGrad) * std::cos(phi * kGrad));
                const double A = std::acos(std::clamp(cosA, -1.0, 1.0)) / kGrad;
                if (A < 5 || A > 175)
                    continue; // the meridian's points: the altitude hardly changes with azimuth there
                EXPECT_NEAR(A, 10 * std::round(A / 10), 1.5) << fall << " " << p.x << "," << p.y;
            }
        }

        // The date band: the 1st of each month ticks at the noon altitude 90 - |phi - d|.
        const int J = s.Par.Jahr;
        int monate = 0;
        for (const RecordedPrimitive& p : b.c.primitives()) {
            if (p.kind != PrimitiveKind::Text || p.angle == 0 || p.text.size() != 3)
                continue;
            int m = 0;
            for (int k = 1; k <= 12; ++k)
                if (p.text == std::string(monatKurz(s, k)))
                    m = k;
            if (m == 0)
                continue;
            const double d = test::noaaSonne(test::noaaJulianischerTag(J, m, 1, 12)).deklination;
            const double mittag = 90 - std::fabs(phi - d);
            const double winkel = std::atan2(p.points[0].x - b.X0, p.points[0].y - b.Y0) / kGrad;
            EXPECT_GT(winkel, mittag - 4) << fall << " " << p.text;
            EXPECT_LT(winkel, mittag + 1.5) << fall << " " << p.text;
            ++monate;
        }
        EXPECT_EQ(monate, 12) << fall;

        // Ecliptic and horizon ticks: single strokes of pen 8 that start on the ecliptic at
        // d = asin(sin l sin eps) for a whole l, or on the horizon where the sun of azimuth A
        // rises: sin d = -cos A cos phi, A from the noon side.
        const double ce = K * std::tan(eps * kGrad), rhoE = K / std::cos(eps * kGrad);
        const double ch = K / std::tan(std::fabs(phi) * kGrad), rhoH = K / std::sin(std::fabs(phi) * kGrad);
        int ekliptik = 0, horizont = 0;
        for (const RecordedPrimitive& p : b.c.primitives()) {
            if (p.kind != PrimitiveKind::Line || p.pen.color != s.Farben[8])
                continue;
            const double x = p.points[0].x - b.X0, y = p.points[0].y - b.Y0;
            const double d = 2 * std::atan(std::hypot(x, y) / K) / kGrad - 90;
            EXPECT_GE(x, -1) << fall;
            EXPECT_GE(y, -1) << fall;
            if (std::fabs(std::hypot(x - ce, y) - rhoE) < 1.5) {
                ++ekliptik;
                if (d > 0.9 * eps)
                    continue; // near the solstice the longitude hardly moves the declination
                const double l = std::asin(std::sin(d * kGrad) / std::sin(eps * kGrad)) / kGrad;
                EXPECT_NEAR(l, std::round(l), 0.35) << fall << " " << x << "," << y;
            } else if (std::fabs(std::hypot(x - ch, y) - rhoH) < 1.5) {
                const double A = std::acos(-std::sin(d * kGrad) / std::cos(phi * kGrad)) / kGrad;
                EXPECT_NEAR(A, std::round(A), 0.35) << fall << " " << x << "," << y;
                ++horizont;
            }
        }
        EXPECT_EQ(ekliptik, 90) << fall;
        EXPECT_GT(horizont, 20) << fall;
        // Labels at the tick of their value.
        EXPECT_TRUE(b.c.hasText(" 15")) << fall;
        EXPECT_TRUE(b.c.hasText(" 90")) << fall;
        EXPECT_TRUE(b.c.hasText("Gunter - Quadrant")) << fall;
    }
}

TEST(QuadrantZeichnung, AnyLatitudeGivesFiniteDrawingsAndTemporalHoursStopBeyond65)
{
    for (const std::uint8_t skala : {0, 1, 2})
        for (const double phi : {-60.0, 0.0, 65.0, 66.6, 80.0, 90.0})
            for (const std::uint8_t temporal : {0, 1}) {
                AppState s = zustand();
                s.Schalter.QuadrantSkala = skala;
                s.Schalter.TemporalAnzeige = temporal;
                s.Par.Breite = phi;
                s.Zeiten.QuadTempVon = 0;
                s.Zeiten.QuadTempBis = 12;
                const Bild b = zeichne(s);
                const bool verweigert = temporal && std::fabs(phi) > 65;
                EXPECT_EQ(b.c.hasText("Temporalstunden sind in dieser"), verweigert) << phi;
                for (const RecordedPrimitive& p : b.c.primitives())
                    for (const CanvasPoint& q : p.points) {
                        ASSERT_LT(std::abs(q.x), 100000) << int(skala) << " " << phi;
                        ASSERT_LT(std::abs(q.y), 100000) << int(skala) << " " << phi;
                    }
                EXPECT_FALSE(b.c.hasText("nan")) << phi;
            }
}

// A quadrant too large for the sheet says so where its numbers and marks leave the sheet; a page
// it leaves is refused before printing with the page and the reach (a whole portrait A4 sheet
// holds 155 mm); elsewhere nothing is said and nothing leaves the sheet, the legend's column
// moved left where a page is narrow. Both in the user's language.
TEST(QuadrantZeichnung, ATooLargeQuadrantIsSaidOrRefusedWhereItLeavesTheSheet)
{
    enum Wort { Nichts, Warnung, Verweigert };
    struct Fall { const test::Sicht* blatt; int groesse; std::uint8_t skala; Wort wort; double breite = 0; };
    const Fall faelle[] = {
        {&test::kSchirmKlein, 200, 1, Warnung}, {&test::kSeiteA4, 200, 1, Warnung},     {&test::kSchirmKlein, 200, 0, Warnung},
        {&test::kSchirm, 200, 0, Nichts},       {&test::kSchirm, 150, 1, Nichts},         {&test::kSchirmKlein, 150, 2, Nichts},
        {&test::kSeiteA4, 150, 0, Nichts},      {&test::kSeiteA4Hoch, 151, 0, Nichts},    {&test::kSeiteA4Hoch, 151, 1, Nichts},
        {&test::kSeiteA4Hoch, 151, 2, Nichts},  {&test::kSeiteA4Hoch, 155, 0, Nichts},    {&test::kSeiteA4Hoch, 155, 1, Nichts},
        {&test::kSeiteA4Hoch, 155, 2, Nichts},  {&test::kSeiteA4Hoch, 200, 2, Verweigert}, {&test::kDruckA4Hoch, 200, 0, Verweigert},
        {&test::kSeiteA3Hoch, 200, 1, Nichts}, {&test::kDruckA4, 200, 0, Warnung}, {&test::kDruckA4, 200, 0, Warnung, 1.3},
        {&test::kDruckA4, 200, 1, Warnung, 1.3}};
    for (const bool deutsch : {true, false})
        for (const Fall& f : faelle) {
            SCOPED_TRACE(testing::Message() << f.blatt->name << " " << f.groesse << " scale " << int(f.skala) << " " << deutsch
                                            << " at " << f.breite);
            AppState s = zustand();
            setzeSprache(s, deutsch);
            s.Schalter.QuadrantSkala = f.skala;
            s.Par.QuadrantGroesse = f.groesse;
            if (f.breite != 0)
                s.Par.Breite = f.breite;
            const test::Blattinhalt b = test::zeichneInSicht(s, *f.blatt);
            const std::string gesagt = b.meldungen.empty() ? "" : b.meldungen.front().text;
            EXPECT_EQ(gesagt.find(deutsch ? "Der Quadrant ist zu groß für dieses Blatt" : "The quadrant is too large for this sheet")
                          != std::string::npos,
                      f.wort == Warnung) << gesagt;
            EXPECT_EQ(b.nein.find(deutsch ? "über den rechten Rand der Seite A4 Hochformat" : "over the right edge of the page A4 portrait")
                          != std::string::npos,
                      f.wort == Verweigert) << b.nein;
            if (f.wort != Verweigert) {
                EXPECT_EQ(test::abseits(test::pruefeLayout(b.roh, {0, 0, b.breite, b.hoehe})).empty(), f.wort == Nichts);
            }
            // A page that shows it too large is printed with the word on the paper.
            if (f.wort == Warnung && f.blatt->seite) {
                EXPECT_EQ(b.nein, "");
                EXPECT_TRUE(std::any_of(b.texte.begin(), b.texte.end(), [&](const test::Beschriftung& t) {
                    return t.text.starts_with(gesagt.substr(0, 20));
                }));
                // The word stands on no text of the drawing.
                const auto wort = [&](const std::string& t) { return t.size() > 8 && gesagt.find(t) != std::string::npos; };
                for (const test::Befund& u : test::textAufText(b.roh, 0.04))
                    EXPECT_FALSE(wort(u.text) || wort(u.zweiter)) << u.meldung;
            }
        }
}
