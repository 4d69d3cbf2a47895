// The quadrant plots: golden files with fragments checked by hand, the hour lines checked
// against the sun's altitude worked out here, every plot read by a real HPGL reader and, as
// DXF, by a real DXF reader, and any latitude written without NaN or a hang.
#include "core/HPGLDatei.h"
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/State.h"
#include "dials/quadrant/QuadrantGeometrie.h"
#include "dials/quadrant/QuadrantHpgl.h"
#include "support/GoldenDatei.h"
#include "support/Layoutpruefung.h"
#include "support/PlotLeser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <map>
#include <string>

using namespace umbrin;
namespace fs = std::filesystem;

namespace {

constexpr double kGrad = M_PI / 180;

fs::path goldenOrdner() { return fs::path(UMBRIN_SOURCE_DIR) / "tests" / "dials" / "quadrant" / "golden"; }

AppState zustand()
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'q';
    return s;
}

std::string schreibe(const AppState& s)
{
    HPGLDatei plot;
    plot.oeffnenImSpeicher();
    schreibeQuadrantHPGL(s, plot);
    return plot.inhalt();
}

const struct Fall {
    const char* name;
    std::function<void(AppState&)> setze;
    bool gunter;
} faelle[] = {
    {"kalender_halbjahr", [](AppState&) {}, false},
    {"kalender_ganzjahr", [](AppState& s) { s.Schalter.Ganzjaehrig = 1; }, false},
    {"kalender_gespiegelt_zeitgl",
     [](AppState& s) {
         s.Schalter.QuadrantGespiegelt = 1;
         s.Schalter.MitZeitglAzimut = 1;
         s.Schalter.Stiftbreite = 2;
     },
     false},
    {"kalender_temporal", [](AppState& s) { s.Schalter.TemporalAnzeige = 1; }, false},
    {"zodiak_ganzjahr",
     [](AppState& s) {
         s.Schalter.QuadrantSkala = 1;
         s.Schalter.Ganzjaehrig = 1;
         s.Schalter.Zeitablesung = 1;
         s.Schalter.Stiftbreite = 3;
     },
     false},
    {"zodiak_halbjahr_zonenzeit",
     [](AppState& s) {
         s.Schalter.QuadrantSkala = 1;
         s.Schalter.Zonenzeit = 1;
         s.Zeiten.QuadVon = 8;
     },
     false},
    {"gunter_k1", [](AppState& s) { s.Schalter.QuadrantSkala = 2; }, true},
    {"gunter_sued_k1",
     [](AppState& s) {
         s.Schalter.QuadrantSkala = 2;
         s.Par.Breite = -33.87;
     },
     true},
    {"gunter_k25",
     [](AppState& s) {
         s.Schalter.QuadrantSkala = 2;
         s.AlsHPGL = 0;
     },
     true},
};

AppState fallZustand(const Fall& f)
{
    AppState s = zustand();
    f.setze(s);
    return s;
}

std::string golden(const char* name) { return test::goldenText(goldenOrdner(), name); }

} // namespace

TEST(QuadrantHpgl, PlotsMatchTheirGoldenFiles)
{
    for (const Fall& f : faelle)
        test::vergleicheMitGolden(schreibe(fallZustand(f)), goldenOrdner() / (std::string(f.name) + ".plt"));
}

TEST(QuadrantHpgl, FragmentsCheckedByHand)
{
    const std::string halb = golden("kalender_halbjahr"), ganz = golden("kalender_ganzjahr");
    const std::string spiegel = golden("kalender_gespiegelt_zeitgl"), temporal = golden("kalender_temporal");
    const std::string zodiak = golden("zodiak_ganzjahr"), gefaltet = golden("zodiak_halbjahr_zonenzeit");
    const std::string g1 = golden("gunter_k1"), g25 = golden("gunter_k25");
    test::erwarteStuecke({
        // Half year: the innermost arc at 7800 - 183 x 20 = 4140, its degree scale at 4080.
        {halb, "IN;VS 1;PA;;PU;SI 0.15,0.24;;SP 4;PU 400 5860;PD; AA 400,10000,90,2;"},
        {halb, "PU 400 5920;PD 471 5921 468 6121 471 5921 "},
        {halb, ";IW 400,10000,8600,1800;SI 0.24,0.32;"},
        {halb, "PU 8700 9500;PU 8600 9000;LB "}, // no label of the variant here, and no terminator
        {halb, ";PU 15780 100;LBJ.W.\x03;PU 4200 300;LBDie Berechnungen erfolgen f\xFCr das Jahr 2020\x03;SP 0;IN;"},
        // Whole year 2020 (a leap year): 1 January at 7800 - 365 x 10 = 4150.
        {ganz, ";SP 1;PU 400 5850;PD; AA 400,10000,90,2;"},
        {ganz, ";SP 4;PU 4600 10040;LBJa\x03"},
        // Mirrored: the first quadrant opens to the left from 7900, its window runs to -300.
        {spiegel, ";IW 7900,10000,-300,1800"},
        {spiegel, ";SP 8;PU 7900"},
        {spiegel, "PW 1;"},
        {spiegel, "PW 0;"},
        {temporal, ";IW 900,10000,9100,1800"},
        {temporal, ";SP 10;"},
        {temporal, "LB   Temporalstunden\x03"},
        {zodiak, ";PU;SI 0.18,0.28;SA;PW 0;;SP 1;PU 400 "}, // PW after SA as a command of its own
        {zodiak, ";SS;SP 1;PU 400 2200;PD; AA 400,10000,90,2;"},
        {gefaltet, ";SP 5;"},
        {gefaltet, "LB WOZ am Zonenmeridian"},
        {g1, "IN;VS 1;PA;IW 0 0 16157 11038;PU 0 0;EA 16157 11038;PU 6180 10750;SP 4;SI  0.3, 0.45;LB Gunter - Quadrant"},
        {g1, ";SP 1;PU 3200 9500;CI 40,2"},
        {g1, ";LB 120\x03"},
        {g25, "IN;VS 1;PA;IW 0 0 403925 275950;PU 0 0;EA 403925 275950;PU 154500 268750;SP 4;SI  7.5,11.25;LB Gunter - Quadrant"},
        {g25, ";SP 1;PU 80000 237500;CI 1000,2"},
    });
    // The Gunter quadrant's azimuth lines end at the summer sunrise azimuth 125.87: 0 to 120.
    EXPECT_EQ(g1.find(";LB 130\x03"), std::string::npos);
    // Ecliptic and horizon labels stand at the tick of their value.
    EXPECT_NE(g1.find(";LB 45\x03"), std::string::npos);
    EXPECT_EQ(g1.find(";LB 46\x03"), std::string::npos);
    EXPECT_NE(g1.find(";LB 30\x03"), std::string::npos);
    EXPECT_EQ(g1.find(";LB 31\x03"), std::string::npos);
    // A Gunter quadrant below 120 mm shrinks its sign and scale lettering in proportion.
    AppState klein = zustand();
    klein.Schalter.QuadrantSkala = 2;
    klein.Par.QuadrantGroesse = 100;
    EXPECT_NE(schreibe(klein).find(";PU;SI  0.15, 0.23;SP 6;"), std::string::npos);
    // The sign table's start dates speak the plot's language.
    setzeSprache(klein, false);
    const std::string englisch = schreibe(klein);
    EXPECT_NE(englisch.find(";LB (21.May -)\x03"), std::string::npos);
    EXPECT_EQ(englisch.find("Dez"), std::string::npos);
    EXPECT_NE(g1.find(";LB (22.Dez -)\x03"), std::string::npos);
    for (const Fall& f : faelle) {
        const std::string p = golden(f.name);
        // The thin pen writes no pen width at all.
        EXPECT_EQ(p.find("PW") == std::string::npos, fallZustand(f).Schalter.Stiftbreite == 1) << f.name;
        EXPECT_EQ(p.rfind(";SP 0;IN;"), p.size() - 9) << f.name;
        EXPECT_EQ(p.find("nan"), std::string::npos) << f.name;
        EXPECT_EQ(p.find("SAPW"), std::string::npos) << f.name;
    }
}

TEST(QuadrantHpgl, NoonLinePassesAndSecondHalfYearLabels)
{
    using test::anzahl;
    // Whole year 8 to 16: the noon line of each quadrant is drawn once. 8 to 12 and 12 to 16
    // leave the noon flag where the toggle cannot move it: one pass, not an endless repeat.
    const struct {
        int von, bis, mittagsLabels;
    } faelle[] = {{8, 16, 2}, {8, 12, 1}, {12, 16, 1}};
    for (const auto& f : faelle) {
        AppState s = zustand();
        s.Schalter.Ganzjaehrig = 1;
        s.Zeiten.QuadVon = f.von;
        s.Zeiten.QuadBis = f.bis;
        EXPECT_EQ(anzahl(schreibe(s), ";LB12\x03"), f.mittagsLabels) << f.von << "-" << f.bis;
    }
    // The zodiac quadrant of the half year from winter to summer names its signs plainly.
    AppState s = zustand();
    s.Schalter.QuadrantSkala = 1;
    s.Schalter.MitZeitglAzimut = 1;
    const std::string plot = schreibe(s);
    EXPECT_EQ(plot.find("LB?"), std::string::npos);
    EXPECT_NE(plot.find(";PU 7931 2220;LB\x5E\x03;PU 16040 10060;LB\x5E\x03"), std::string::npos); // Aries at the equinox circle
}

TEST(QuadrantHpgl, PlotPointsAndRadii)
{
    const struct {
        int xA, dA;
        double L, a, x, y;
    } punkte[] = {{400, 1, 7800, 30, 4300, 3245}, {7900, -1, 7800, 30, 4000, 3245}, {400, 1, 4140, 90, 4540, 10000}};
    for (const auto& p : punkte) {
        const QuadrantPunkt q = quadrantPlotPunkt(p.xA, 10000, p.dA, p.L, p.a);
        EXPECT_EQ(q.x, p.x);
        EXPECT_EQ(q.y, p.y);
    }
    // The innermost arc: whole year 4160 (4150 in a leap year), half year 4140 in both.
    const struct {
        int jahr;
        bool ganz;
        const char* bogen;
    } boegen[] = {{2021, true, ";PU 400 5840;PD; AA"}, {2020, true, ";PU 400 5850;PD; AA"},
                  {2021, false, ";PU 400 5860;PD; AA"}, {2020, false, ";PU 400 5860;PD; AA"}};
    for (const auto& b : boegen) {
        AppState s = zustand();
        s.Par.Jahr = b.jahr;
        s.Schalter.Ganzjaehrig = b.ganz;
        EXPECT_NE(schreibe(s).find(b.bogen), std::string::npos) << b.jahr << " " << b.ganz;
    }
    EXPECT_NEAR(gunterAmax(47.25, 23.44), 125.87, 0.005);
    EXPECT_NEAR(gunterK(5205, 23.44), 3416.4, 0.05);
}

TEST(QuadrantHpgl, HourLinesStandAtTheSunsAltitude)
{
    const auto altitude = [](double phi, double d, double H) {
        return std::asin(std::sin(phi * kGrad) * std::sin(d * kGrad)
                         + std::cos(phi * kGrad) * std::cos(d * kGrad) * std::cos(H * kGrad))
               / kGrad;
    };
    const auto hat = [](const std::vector<test::PlotPunkt>& pp, double x, double y) { return test::hatPunktNahe(pp, x, y, 1); };
    // Whole-year calendar: the first quadrant's lines on days 1, 3, 5, ... at 4150 + 10 (day - 1).
    {
        AppState s = zustand();
        s.Schalter.Ganzjaehrig = 1;
        const auto pp = test::plotPunkte(schreibe(s));
        const double Z = s.Par.Zonenmeridian, phi = s.Par.Breite;
        int geprueft = 0;
        for (int h = 10; h <= 12; ++h)
            for (int tag = 1; tag <= 361; tag += 40) {
                double d = 0, e = 0;
                SonnenPosition(s.Par.Jahr, d, e, tag + (h + Z / 15 - 12) / 24.0);
                const double a = altitude(phi, d, (h - 12) * 15.0);
                const double L = 4150 + 10.0 * (tag - 1);
                EXPECT_TRUE(hat(pp, 400 + std::round(L * std::sin(a * kGrad)), 10000 - std::round(L * std::cos(a * kGrad))))
                    << h << " " << tag;
                ++geprueft;
            }
        EXPECT_EQ(geprueft, 30);
    }
    // Whole-year zodiac with +eps outside: declination d at 4150 + 1800 (1 + d / eps).
    {
        AppState s = zustand();
        s.Schalter.QuadrantSkala = 1;
        s.Schalter.Ganzjaehrig = 1;
        s.Schalter.Zeitablesung = 1;
        const auto pp = test::plotPunkte(schreibe(s));
        const double eps = s.DeklTabelle[0];
        for (int h = 10; h <= 12; ++h)
            for (int j = 0; j < 90; j += 9) {
                const double d = std::fabs(eps - 0.5 * j) < 0.1 ? 0 : eps - 0.5 * j;
                const double a = altitude(s.Par.Breite, d, (h - 12) * 15.0);
                const double L = std::round((d / eps + 1) * 1800 + 4150);
                EXPECT_TRUE(hat(pp, 400 + std::round(L * std::sin(a * kGrad)), 10000 - std::round(L * std::cos(a * kGrad))))
                    << h << " " << d;
            }
    }
    // Gunter: the stereographic radius E tan((90 + |d|) / 2) at the altitude angle, in the
    // north and in the south.
    for (const double breite : {zustand().Par.Breite, -33.87, -45.0}) {
        AppState s = zustand();
        s.Par.Breite = breite;
        s.Schalter.QuadrantSkala = 2;
        const auto pp = test::plotPunkte(schreibe(s));
        const double E = 5205 * std::tan((90 - s.EpsRund) / 2 * kGrad);
        int geprueft = 0;
        for (int h = 10; h <= 18; ++h)
            for (int d = -20; d <= 20; d += 5) {
                const double a = altitude(s.Par.Breite, d, (h - 12) * 15.0);
                if (a < 1)
                    continue;
                const double r = E * std::tan((90 + std::abs(d)) / 2.0 * kGrad);
                EXPECT_TRUE(hat(pp, std::round(3200 + r * std::sin(a * kGrad)), std::round(9500 - r * std::cos(a * kGrad))))
                    << breite << ": " << h << " " << d;
                ++geprueft;
            }
        EXPECT_GT(geprueft, 60) << breite;
        // Azimuth lines: the altitude of the sun at azimuth A and declination d solves
        // sin d = sin phi sin h - cos phi cos A' cos h, A' from the south: A itself in the north,
        // where the noon sun stands, and 180 - A in the south. The point stands at the angle h.
        const double phi = s.Par.Breite * kGrad, hs = breite < 0 ? -1 : 1;
        int azimute = 0;
        for (const int A : {0, 40, 60, 80, 100})
            for (const int d : {-10, 0, 10, 20}) {
                const double a = std::sin(phi), b = std::cos(phi) * std::cos(A * kGrad) * hs;
                const double R = std::hypot(a, b), theta = std::atan2(b, a), w = std::asin(std::sin(d * kGrad) / R);
                const double h1 = std::remainder(theta + w, 2 * M_PI) / kGrad;
                const double h = std::fabs(h1) <= 90 ? h1 : std::remainder(theta + M_PI - w, 2 * M_PI) / kGrad;
                const double dmin = std::asin(-std::cos(A * kGrad) * std::cos(phi)) / kGrad;
                if (h < 1 || h > 89 || hs * d < dmin + 1)
                    continue;
                const double r = E * std::tan((90 + std::abs(d)) / 2.0 * kGrad);
                EXPECT_TRUE(hat(pp, std::round(3200 + r * std::sin(h * kGrad)), std::round(9500 - r * std::cos(h * kGrad))))
                    << breite << ": azimuth " << A << " " << d;
                ++azimute;
            }
        EXPECT_GT(azimute, 12) << breite;
        // The horizon projects to the circle through the equator point about the point
        // E / tan|phi| along the horizontal edge, on the quadrant's side in both hemispheres.
        const std::string horizont = ";SP 10;PU 3200 " + std::to_string(std::lround(9500 - E)) + ";PD;AA "
                                     + std::to_string(std::lround(3200 + E / std::tan(std::fabs(phi)))) + ",9500,";
        EXPECT_NE(schreibe(s).find(horizont), std::string::npos) << breite << " " << horizont;
    }
}

// With temporal hours over the whole day, hours t and 12 - t share one line of the calendar
// plot. Each afternoon number stands beyond its morning partner on that line: the step from
// the morning number to the afternoon one points away from the apex (the corner of the input
// window) along the line, not across it.
TEST(QuadrantHpgl, TemporalAfternoonNumbersStandBeyondTheirMorningPartners)
{
    for (const double breite : {47.25, 10.0, -33.87}) {
        AppState s = zustand();
        s.Par.Breite = breite;
        s.Schalter.TemporalAnzeige = 1;
        s.Zeiten.QuadTempVon = 0;
        s.Zeiten.QuadTempBis = 12;
        const std::string plot = schreibe(s);
        const std::vector<test::PlotBefehl> befehle = test::plotBefehle(plot);
        const auto fenster = std::find_if(befehle.begin(), befehle.end(), [](const test::PlotBefehl& b) { return b.name == "IW"; });
        ASSERT_NE(fenster, befehle.end());
        const double xA = fenster->zahlen.at(0), yA = fenster->zahlen.at(1);
        std::map<int, test::PlotPunkt> zahlen;
        for (const test::PlotText& t : test::plotTexte(plot))
            if (t.stift == 10 && t.text.find_first_not_of("0123456789") == std::string::npos)
                zahlen[std::stoi(t.text)] = t.an;
        int geprueft = 0;
        for (int t = 7; t <= 11; ++t) {
            if (!zahlen.count(t) || !zahlen.count(12 - t))
                continue;
            const test::PlotPunkt m = zahlen[12 - t], n = zahlen[t];
            const double rx = m.x - xA, ry = m.y - yA, dx = n.x - m.x, dy = n.y - m.y;
            const double laengs = (dx * rx + dy * ry) / std::hypot(rx, ry);
            EXPECT_GT(laengs, std::cos(35 * kGrad) * std::hypot(dx, dy)) << breite << ": " << t << " beside " << 12 - t;
            ++geprueft;
        }
        EXPECT_GE(geprueft, 4) << breite;
    }
}

// The captions under the two quadrants of a mean-time plot stand on the sheet in either
// language: the longer English second caption a line lower, ending at the sheet's edge; the
// German one in its place.
TEST(QuadrantHpgl, MeanTimeCaptionsStayOnTheSheet)
{
    for (const std::uint8_t skala : {0, 1})
        for (const bool deutsch : {true, false}) {
            AppState s = zustand();
            setzeSprache(s, deutsch);
            s.Schalter.QuadrantSkala = skala;
            s.Schalter.MitZeitglAzimut = 1;
            s.Schalter.Zonenzeit = 1;
            const std::string plot = schreibe(s);
            EXPECT_EQ(test::abseits(test::pruefePlotLayout(plot, test::plotSeite(plot))), "") << int(skala) << " " << deutsch;
            EXPECT_EQ(plot.find("PU 9420 1500;LB") != std::string::npos, deutsch) << int(skala);
        }
}

TEST(QuadrantHpgl, EveryPlotPassesHp2xxAndItsDxfPassesEzdxf)
{
    for (const Fall& f : faelle)
        test::pruefeMitLesern(golden(f.name), f.name, f.name == std::string("gunter_k25") ? 1000.0 : 40.0);
}

TEST(QuadrantHpgl, CalendarAndZodiacWriteTheSameBytesForDxfAndAnyLatitudeIsFinite)
{
    for (const Fall& f : faelle) {
        if (f.gunter)
            continue;
        AppState s = fallZustand(f);
        const std::string plot = schreibe(s);
        s.AlsHPGL = 0;
        EXPECT_EQ(schreibe(s), plot) << f.name;
    }
    for (const Fall& f : faelle)
        for (const double phi : {-60.0, 0.0, 66.6, 80.0, 90.0})
            for (const std::uint8_t temporal : {0, 1}) {
                AppState s = fallZustand(f);
                s.Par.Breite = phi;
                s.Schalter.TemporalAnzeige = temporal;
                s.Zeiten.QuadTempVon = 0;
                s.Zeiten.QuadTempBis = 12;
                const std::string plot = schreibe(s);
                if (f.gunter && phi != -60.0) { // beyond the polar circle and at the equator
                    EXPECT_TRUE(plot.empty()) << f.name << " " << phi;
                    continue;
                }
                test::erwarteEndlichenPlot(plot, ";SP 0;IN;", f.name + (" " + std::to_string(phi)));
            }
}
