// The lettering of the Gunter quadrant read back from the canvas and from the plot and checked
// against the sun worked out here: each sign symbol stands in the band of the declinations its
// sign's ecliptic longitudes give (asin(sin eps sin l)), its row holding the local summer's or
// winter's signs; the month names of the noon-altitude band stand at the noon altitude of the
// first of their month, and the plot turns them as the screen does. Also the refusal of the
// latitudes the quadrant cannot serve, no label terminator without a label, and the layout
// check on the screens and a page.
#include "core/HPGLDatei.h"
#include "core/RecordingCanvas.h"
#include "core/Sprachdienst.h"
#include "core/State.h"
#include "dials/quadrant/QuadrantHpgl.h"
#include "dials/quadrant/QuadrantZeichnung.h"
#include "support/Layoutpruefung.h"
#include "support/PlotLeser.h"
#include "tables/NoaaSonne.h"

#include "QuadrantBild.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

using namespace umbrin;

namespace {

constexpr double kGrad = M_PI / 180;

AppState gunter(double breite)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'q';
    s.Schalter.QuadrantSkala = 2;
    s.Par.Breite = breite;
    return s;
}

using Seite = test::QuadrantBild;
Seite zeichneSeite(const AppState& s) { return test::zeichneQuadrant(s); }

std::string plotVon(const AppState& s)
{
    HPGLDatei plot;
    plot.oeffnenImSpeicher();
    schreibeQuadrantHPGL(s, plot);
    return plot.inhalt();
}

// The band of |declination| the sign j (1 Aries .. 12 Pisces) spans, and whether its
// declinations are northern.
struct Band {
    double unten, oben;
    bool nord;
};
Band zeichenBand(int j, double eps)
{
    const double a = std::fabs(std::asin(std::sin(eps * kGrad) * std::sin(30.0 * (j - 1) * kGrad)) / kGrad);
    const double b = std::fabs(std::asin(std::sin(eps * kGrad) * std::sin(30.0 * j * kGrad)) / kGrad);
    return {std::min(a, b), std::max(a, b), j <= 6};
}

int zeichenNummer(const std::string& t)
{
    return t.size() == 1 && t[0] >= 0x5E && t[0] <= 0x69 ? t[0] - 0x5E + 1 : 0;
}

int monatNummer(const AppState& s, const std::string& t)
{
    for (int m = 1; m <= 12; ++m)
        if (t == monatKurz(s, m))
            return m;
    return 0;
}

// Noon altitude of the first of month m: 90 - |phi - d|.
double mittagshoehe(const AppState& s, int m)
{
    const double d = test::noaaSonne(test::noaaJulianischerTag(s.Par.Jahr, m, 1, 12)).deklination;
    return 90 - std::fabs(s.Par.Breite - d);
}

const double kBreiten[] = {47.25, -33.87, -45.0};

} // namespace

TEST(QuadrantBeschriftung, GunterSignsStandInTheirDeclinationBandInTheLocalSeasonsRow)
{
    for (const double breite : kBreiten) {
        const AppState s = gunter(breite);
        const double eps = s.EpsRund;
        const bool sued = breite < 0;
        const std::string fall = "phi " + std::to_string(breite);

        // Screen: the apex is the outline's centre, the symbol rows stand above the horizontal
        // edge; K from the outer circle Rg = S - 13 u at +eps.
        const Seite seite = zeichneSeite(s);
        const RecordingCanvas& c = seite.c;
        const int X0 = seite.X0, Y0 = seite.Y0, S = seite.S;
        const double K = (S - 130.0) * std::tan((90 - eps) / 2 * kGrad);
        int gefunden = 0;
        for (const RecordedPrimitive& p : c.primitives()) {
            const int j = p.kind == PrimitiveKind::Text ? zeichenNummer(p.text) : 0;
            if (j == 0 || p.points[0].y >= Y0 || p.points[0].x <= X0)
                continue; // the legend stands at the left margin
            const double mitte = p.points[0].x + c.textExtent(p.text).width / 2.0 - X0;
            const double d = 2 * std::atan(mitte / K) / kGrad - 90;
            const Band b = zeichenBand(j, eps);
            EXPECT_GE(d, b.unten - 0.3) << fall << " sign " << j;
            EXPECT_LE(d, b.oben + 0.3) << fall << " sign " << j;
            // The first row (colour 1, nearer the edge) holds the local summer's signs.
            const bool ersteReihe = p.font.color == s.Farben[1];
            EXPECT_EQ(ersteReihe, b.nord != sued) << fall << " sign " << j;
            ++gefunden;
        }
        EXPECT_EQ(gefunden, 12) << fall;

        // Plot: apex (3200, 9500), the first row (pen 2) 50 above the edge, the second 200.
        const std::vector<test::PlotText> labels = test::plotTexte(plotVon(s));
        const double E = (6000 - 15 * 53) * std::tan((90 - eps) / 2 * kGrad);
        gefunden = 0;
        for (const test::PlotText& l : labels) {
            const int j = zeichenNummer(l.text);
            if (j == 0 || l.an.y <= 9500 || l.an.x <= 3200)
                continue;
            const double d = 2 * std::atan((l.an.x + 36 - 3200) / E) / kGrad - 90; // middle of a 72-unit symbol
            const Band b = zeichenBand(j, eps);
            EXPECT_GE(d, b.unten - 0.3) << fall << " plot sign " << j;
            EXPECT_LE(d, b.oben + 0.3) << fall << " plot sign " << j;
            EXPECT_EQ(l.an.y == 9550, b.nord != sued) << fall << " plot sign " << j;
            ++gefunden;
        }
        EXPECT_EQ(gefunden, 12) << fall;
    }
}

TEST(QuadrantBeschriftung, GunterMonthsStandAtTheirNoonAltitudeAndThePlotTurnsThemAsTheScreen)
{
    for (const double breite : kBreiten) {
        const AppState s = gunter(breite);
        const std::string fall = "phi " + std::to_string(breite);
        const Seite seite = zeichneSeite(s);
        std::vector<double> bildWinkel(13, -999);
        for (const RecordedPrimitive& p : seite.c.primitives()) {
            const int m = p.kind == PrimitiveKind::Text && p.angle != 0 ? monatNummer(s, p.text) : 0;
            if (m != 0)
                bildWinkel[static_cast<std::size_t>(m)] = p.angle;
        }
        int geprueft = 0;
        for (const test::PlotText& l : test::plotTexte(plotVon(s))) {
            const int m = monatNummer(s, l.text);
            if (m == 0)
                continue;
            // The label stands beside the tick at the noon altitude, measured at the apex
            // from the vertical edge.
            const double winkel = std::atan2(l.an.x - 3200, 9500 - l.an.y) / kGrad;
            EXPECT_NEAR(winkel, mittagshoehe(s, m), 8.5) << fall << " " << l.text;
            EXPECT_NEAR(l.richtung, bildWinkel[static_cast<std::size_t>(m)], 1.0) << fall << " " << l.text;
            ++geprueft;
        }
        EXPECT_EQ(geprueft, 12) << fall;
    }
}

TEST(QuadrantBeschriftung, GunterRefusesLatitudesWithoutANoonCalendarAndSaysWhich)
{
    const struct {
        double phi;
        bool verweigert;
    } faelle[] = {{23.0, true}, {-23.0, true}, {0.0, true}, {23.5, false}, {-66.5, false},
                  {66.6, true}, {-89.9, true}, {90.0, true}};
    for (const auto& f : faelle)
        for (const bool deutsch : {false, true}) {
            AppState s = gunter(f.phi);
            setzeSprache(s, deutsch);
            RecordingCanvas c(1920, 1080);
            zeichneQuadrantSU(s, c, 1920, 1080, true, quadrantMeridian(s), Zeichenumgebung{});
            const std::string plot = plotVon(s);
            const std::string nein = quadrantPlotHindernis(s);
            EXPECT_EQ(c.hasText("23.44") && c.hasText("66.56"), f.verweigert) << f.phi;
            EXPECT_EQ(c.countLines() <= 4, f.verweigert) << f.phi << ": only the frame";
            EXPECT_EQ(plot.empty(), f.verweigert) << f.phi;
            EXPECT_EQ(!nein.empty(), f.verweigert) << f.phi;
            if (f.verweigert) {
                EXPECT_NE(nein.find("23.44"), std::string::npos) << nein;
                EXPECT_NE(nein.find("66.56"), std::string::npos) << nein;
                // The same words on the canvas and in the refusal, in the user's language.
                EXPECT_NE(nein.find(deutsch ? "Breiten zwischen" : "latitudes between"), std::string::npos) << nein;
                EXPECT_TRUE(c.hasText(nein)) << nein;
            }
        }
}

TEST(QuadrantBeschriftung, EveryLabelTerminatorEndsALabel)
{
    const struct {
        std::uint8_t skala, temporal, ganz, zeitgl, zone;
    } faelle[] = {{0, 0, 0, 0, 0}, {0, 1, 0, 0, 0}, {0, 0, 1, 1, 1}, {0, 0, 0, 1, 0}, {1, 0, 1, 0, 0},
                  {1, 0, 0, 0, 1}, {1, 1, 0, 0, 0}, {1, 0, 0, 1, 0}, {2, 0, 0, 0, 0}, {2, 1, 0, 0, 1}};
    for (const auto& f : faelle)
        for (const double breite : {47.25, -33.87}) {
            AppState s = gunter(breite);
            s.Schalter.QuadrantSkala = f.skala;
            s.Schalter.TemporalAnzeige = f.temporal;
            s.Schalter.Ganzjaehrig = f.ganz;
            s.Schalter.MitZeitglAzimut = f.zeitgl;
            s.Schalter.Zonenzeit = f.zone;
            const std::string plot = plotVon(s);
            ASSERT_FALSE(plot.empty());
            // Between one terminator and the next there is a label command.
            std::size_t vorher = 0;
            for (std::size_t i = plot.find('\x03'); i != std::string::npos; i = plot.find('\x03', i + 1)) {
                EXPECT_NE(plot.substr(vorher, i - vorher).find("LB"), std::string::npos)
                    << int(f.skala) << " " << int(f.temporal) << " at " << i << ": " << plot.substr(vorher, i - vorher);
                vorher = i + 1;
            }
        }
}

// The layout check on the drawing window's images of both screens and on an A4 page, north
// and south: no text of the quadrants leaves the image or is cut by its edge, and on the
// Gunter quadrant the morning hour numbers stay clear of the azimuth lines' numbers.
TEST(QuadrantBeschriftung, LegendAndNumbersStayReadable)
{
    const struct {
        int breite, hoehe;
        bool bildschirm;
    } flaechen[] = {{1780, 905, true}, {1226, 593, true}, {2970, 2100, false}};
    const std::vector<std::string> stunden = {" 10", " 11", " 12"}, azimute = {" 0", " 20", " 40", " 60"};
    const auto eins = [](const std::vector<std::string>& v, const std::string& t) {
        return std::find(v.begin(), v.end(), t) != v.end();
    };
    for (const auto& f : flaechen)
        for (const std::uint8_t skala : {0, 1, 2})
            for (const double breite : kBreiten) {
                AppState s = gunter(breite);
                s.Schalter.QuadrantSkala = skala;
                s.Schalter.Azimutlinien = 1;
                RecordingCanvas c(f.breite, f.hoehe, !f.bildschirm);
                zeichneQuadrantSU(s, c, f.breite, f.hoehe, f.bildschirm, quadrantMeridian(s), Zeichenumgebung{});
                const std::string fall = std::to_string(f.breite) + " scale " + std::to_string(skala) + " phi "
                                         + std::to_string(breite);
                for (const test::Befund& b : test::pruefeLayout(c)) {
                    EXPECT_NE(b.art, test::Befundart::TextAusserhalb) << fall << ": " << b.meldung;
                    EXPECT_NE(b.art, test::Befundart::TextAngeschnitten) << fall << ": " << b.meldung;
                    if (b.art == test::Befundart::Ueberdeckung) {
                        EXPECT_FALSE((eins(stunden, b.text) && eins(azimute, b.zweiter))
                                     || (eins(azimute, b.text) && eins(stunden, b.zweiter)))
                            << fall << ": " << b.meldung;
                    }
                }
            }
}

// The zodiac scale of the whole year, on the canvas and in the plot, north and south: each
// sign symbol beside the circles stands where the scale puts a declination of its sign's band.
// The scale runs linearly from -eps on the inner to +eps on the outer circle, turned round
// without Zeitablesung, as its hour curves are (their points are checked against the sun in
// the quadrant's drawing and plot tests).
TEST(QuadrantBeschriftung, ZodiacSignsStandInTheirDeclinationBand)
{
    for (const std::uint8_t za : {0, 1})
        for (const double breite : {47.25, -33.87}) {
            AppState s = gunter(breite);
            s.Schalter.QuadrantSkala = 1;
            s.Schalter.Ganzjaehrig = 1;
            s.Schalter.Zeitablesung = za;
            const double eps = s.EpsRund;
            const std::string fall = "za " + std::to_string(za) + " phi " + std::to_string(breite);
            const auto pruefe = [&](int j, double d, const std::string& wo) {
                const Band b = zeichenBand(j, eps);
                const double betrag = std::fabs(d);
                EXPECT_EQ(d >= 0, b.nord) << fall << " " << wo << " sign " << j << " at " << d;
                EXPECT_GE(betrag, b.unten - 0.6) << fall << " " << wo << " sign " << j;
                EXPECT_LE(betrag, b.oben + 0.6) << fall << " " << wo << " sign " << j;
            };

            const Seite seite = zeichneSeite(s);
            const RecordingCanvas& c = seite.c;
            const int X0 = seite.X0, Y0 = seite.Y0, S = seite.S;
            const double richtung = za ? 1 : -1;
            const auto dekl = [&](double rho) { return richtung * ((2 * rho / S - 1) * 2 * eps - eps); };
            int bild = 0;
            for (const RecordedPrimitive& p : c.primitives()) {
                const int j = p.kind == PrimitiveKind::Text ? zeichenNummer(p.text) : 0;
                if (j == 0)
                    continue;
                const auto g = c.textExtent(p.text);
                if (p.points[0].y < Y0 && p.points[0].x > X0) {
                    pruefe(j, dekl(p.points[0].x + g.width / 2.0 - X0), "top row");
                    ++bild;
                } else if (p.points[0].x < X0 && p.points[0].x > X0 - 200 && p.points[0].y > Y0) {
                    pruefe(j, dekl(p.points[0].y + g.height / 2.0 - Y0), "left column");
                    ++bild;
                }
            }
            EXPECT_EQ(bild, 12) << fall;

            // The plot: quadrants with their apex at (400, 10000) and (8400, 10000); the scale
            // runs from 4150 (a leap year's -eps) to 7750 (+eps).
            int plot = 0;
            for (const test::PlotText& l : test::plotTexte(plotVon(s))) {
                const int j = zeichenNummer(l.text);
                if (j == 0 || l.an.x < 250)
                    continue; // the legend
                const double xA = l.an.x >= 8260 ? 8400 : 400;
                const auto d = [&](double rho) { return richtung * ((rho - 4150) / 3600 * 2 * eps - eps); };
                if (l.an.y > 10000)
                    pruefe(j, d(l.an.x + 36 - xA), "plot top row");
                else
                    pruefe(j, d(10000 - l.an.y - 56), "plot left column");
                ++plot;
            }
            EXPECT_EQ(plot, 24) << fall;
        }
}
