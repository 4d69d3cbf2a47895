// The biazimuthal plots: golden files with the hand-checked prologue, the DXF intermediate as
// the plot times 25, the grid, a southern centre, and every plot read by hp2xx and ezdxf.
#include "core/HPGLDatei.h"
#include "core/Sonne.h"
#include "core/State.h"
#include "dials/azimuthal/BiazimutalGeometrie.h"
#include "dials/azimuthal/BiazimutalZeichnung.h"
#include "support/GoldenDatei.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <string>

using namespace umbrin;
namespace fs = std::filesystem;

namespace {

fs::path testOrdner() { return fs::path(UMBRIN_SOURCE_DIR) / "tests" / "dials" / "azimuthal"; }

const struct Fall {
    const char* name;
    bool alsHPGL;
    int raster;
    bool karte;
    std::function<void(AppState&)> setze;
} faelle[] = {
    {"biazimutal_k1", true, 0, false, [](AppState&) {}},
    {"biazimutal_k25", false, 0, false, [](AppState&) {}},
    {"biazimutal_netz_karte_k1", true, 10, true,
     [](AppState& s) {
         s.Schalter.MitZeitglAzimut = 1;
         s.Schalter.StundenIntervallSonst = '1';
         s.Schalter.Datumslinien = '2';
     }},
    {"biazimutal_sued_k1", true, 0, false,
     [](AppState& s) {
         s.Par.Breite = -33.9;
         s.Par.Laenge = -18.4;
         s.Par.Breite2 = -34.0;
         s.Par.Laenge2 = -25.0;
     }},
};

AppState zustand(const Fall& f)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'c';
    s.FusspunktX = 8000;
    s.FusspunktY = 5500;
    s.LegendeX = 1000;
    s.LegendeY = 2000;
    s.KarteAn = f.karte;
    f.setze(s);
    return s;
}

std::string schreibe(const Fall& f)
{
    const AppState s = zustand(f);
    HPGLDatei plot;
    plot.oeffnenImSpeicher();
    Konstruktionsmeldungen m;
    EXPECT_TRUE(schreibeHPGL_Biazimutal(s, plot, f.alsHPGL, f.raster, testOrdner() / "karte", m));
    EXPECT_EQ(m.size(), f.karte ? 1u : 0u) << f.name; // the coast file's bad line, once
    return plot.inhalt();
}

} // namespace

TEST(BiazimutalPlot, PlotsMatchTheirGoldenFiles)
{
    for (const Fall& f : faelle)
        test::vergleicheMitGolden(schreibe(f), testOrdner() / "golden" / (std::string(f.name) + ".plt"));
}

TEST(BiazimutalPlot, PrologueMarkersAndLegendByHand)
{
    const std::string k1 = schreibe(faelle[0]);
    EXPECT_EQ(k1.rfind("IN;VS 1;PA;IW 0 0    16157    11038;SI  0.15, 0.24;SP 1;PU 0 0;EA    16157    11038;"
                       "SI  0.15, 0.24;SP 4;PU 7920 5500;PD 8080 5500;PU 8000 5420;PD 8000 5580",
                       0),
              0u);
    EXPECT_EQ(k1.find("PU 4000 2000"), std::string::npos); // no grid asked for
    EXPECT_NE(k1.find(";LB A\x03"), std::string::npos);
    EXPECT_NE(k1.find(";LB B\x03"), std::string::npos);
    // The pole lies above the sheet's frame at the default scale: no mark; at a smaller scale
    // it is on the sheet and marked.
    EXPECT_EQ(k1.find(";LB N\x03"), std::string::npos);
    auto mitPol = [](const Fall& f) {
        AppState s = zustand(f);
        s.Schalter.Kartenmassstab = 50;
        HPGLDatei plot;
        plot.oeffnenImSpeicher();
        Konstruktionsmeldungen m;
        schreibeHPGL_Biazimutal(s, plot, true, 0, {}, m);
        return plot.inhalt();
    };
    // A mark just inside the sheet's right edge has its label left of its cross, on the sheet.
    const auto markeA = [](const std::string& plot) {
        for (const test::PlotText& t : test::plotTexte(plot))
            if (t.text == " A")
                return t.an.x;
        return -1.0;
    };
    AppState rand = zustand(faelle[0]);
    rand.FusspunktX += static_cast<int>(16157 - 60 - (markeA(k1) - 100));
    HPGLDatei randPlot;
    randPlot.oeffnenImSpeicher();
    Konstruktionsmeldungen randMeldungen;
    schreibeHPGL_Biazimutal(rand, randPlot, true, 0, {}, randMeldungen);
    EXPECT_GT(markeA(randPlot.inhalt()), 0);
    EXPECT_LE(markeA(randPlot.inhalt()) + 180, 16157);
    EXPECT_NE(mitPol(faelle[0]).find(";LB N\x03"), std::string::npos);
    EXPECT_NE(mitPol(faelle[3]).find(";LB S\x03"), std::string::npos);
    EXPECT_NE(k1.find(";PU    1000    2000;LBbiazimutale Sonnenuhr \x03"), std::string::npos);
    EXPECT_NE(k1.find(";LBProjektionszentrum:  47.28 /-12.30\x03"), std::string::npos);
    EXPECT_EQ(k1.substr(k1.size() - 7), ";IW;IN;");
    const std::string k25 = schreibe(faelle[1]);
    EXPECT_EQ(k25.rfind("IN;VS 1;PA;IW 0 0   403925   275950;SI  3.75, 6.00;SP 1", 0), 0u);
}

TEST(BiazimutalPlot, TheDxfIntermediateIsThePlotTimesTwentyFiveOutsideItsLines)
{
    // The markers before the date lines and the legend after the hour lines; the lines
    // reach farther in the DXF, whose limit is wider.
    auto teile = [](const std::string& p) {
        return std::pair{p.substr(0, p.find(";SP 8")), p.substr(p.rfind(";SP 4;SI"))};
    };
    const auto [a1, a2] = teile(schreibe(faelle[0]));
    const auto [b1, b2] = teile(schreibe(faelle[1]));
    // Every number of the commands, in order (the labels are the same text in both).
    auto zahlen = [](const std::string& t) {
        std::vector<double> z;
        for (const test::PlotBefehl& b : test::plotBefehle(t))
            z.insert(z.end(), b.zahlen.begin(), b.zahlen.end());
        return z;
    };
    for (const auto& [a, b] : {std::pair{a1, b1}, std::pair{a2, b2}}) {
        const auto za = zahlen(a), zb = zahlen(b);
        ASSERT_EQ(za.size(), zb.size());
        int gross = 0;
        for (std::size_t i = 0; i < za.size(); ++i)
            if (std::fabs(za[i]) >= 100) {
                EXPECT_NEAR(zb[i], 25 * za[i], 13) << i;
                ++gross;
            }
        EXPECT_GT(gross, 6);
    }
}

TEST(BiazimutalPlot, EveryPlotPassesHp2xxAndItsDxfPassesEzdxf)
{
    for (const Fall& f : faelle)
        test::pruefeMitLesern(schreibe(f), f.name, f.alsHPGL ? 40.0 : 1000.0);
}

TEST(BiazimutalPlot, AnyLatitudeWritesFiniteNumbersOrNothing)
{
    for (const double b : {-89.75, -66.56, -23.44, 0.0, 23.44, 66.56, 89.75})
        for (const double b2 : {-89.75, 0.0, 45.0, 89.75})
            for (const bool alsHPGL : {true, false}) {
                AppState s = zustand(faelle[0]);
                s.Par.Breite = b;
                s.Par.Breite2 = b2;
                s.Schalter.MitZeitglAzimut = 1;
                HPGLDatei plot;
                plot.oeffnenImSpeicher();
                Konstruktionsmeldungen m;
                const bool geschrieben = schreibeHPGL_Biazimutal(s, plot, alsHPGL, 10, {}, m);
                const std::string& t = plot.inhalt();
                EXPECT_EQ(t.empty(), !geschrieben) << b << " " << b2;
                EXPECT_EQ(t.find("nan"), std::string::npos) << b << " " << b2;
                EXPECT_EQ(t.find("inf"), std::string::npos) << b << " " << b2;
            }
}

TEST(BiazimutalPlot, PlacesTooFarApartWriteNothing)
{
    AppState s = zustand(faelle[0]);
    s.Par.Breite2 = -60;
    s.Par.Laenge2 = 150;
    HPGLDatei plot;
    plot.oeffnenImSpeicher();
    Konstruktionsmeldungen m;
    EXPECT_FALSE(schreibeHPGL_Biazimutal(s, plot, true, 0, {}, m));
    EXPECT_TRUE(plot.inhalt().empty());
    ASSERT_EQ(m.size(), 1u);
}

TEST(BiazimutalPlot, TheAnalemmaSamplesTheYearsFirstDayAndEveryThirdDayAfterIt)
{
    // The noon analemma's points are the sun of days -10, -7, -4, 0, 3, 6, ..., 369 in the
    // dial's projection, in this order (the sheet holds them all at this place).
    AppState s = zustand(faelle[0]);
    s.Schalter.MitZeitglAzimut = 1;
    s.Zeiten.StundeVon = s.Zeiten.StundeBis = 12;
    s.Schalter.Kartenmassstab = 30;
    HPGLDatei plot;
    plot.oeffnenImSpeicher();
    Konstruktionsmeldungen m;
    ASSERT_TRUE(schreibeHPGL_Biazimutal(s, plot, true, 0, {}, m));
    const std::string text = plot.inhalt();
    const auto a = text.find(";SP 5;PU ");
    ASSERT_NE(a, std::string::npos);
    const std::vector<test::PlotPunkt> punkte = test::plotPunkte(text.substr(a + 6, text.find(";SP", a + 5) - a - 6));

    BiazimutalProjektion p;
    p.lage = biazimutalLage(s);
    p.g = s.Schalter.Kartenmassstab * (16400.0 / *biazimutalPolabstand(p.lage) / (s.FormatA4 ? 280.0 : 420.0)) * s.Zoom;
    p.x0 = s.FusspunktX;
    p.y0 = s.FusspunktY;
    p.yNachOben = true;
    std::vector<int> tage{-10, -7, -4, 0};
    for (int t = 3; t <= 369; t += 3)
        tage.push_back(t);
    ASSERT_EQ(punkte.size(), tage.size());
    for (std::size_t i = 0; i < tage.size(); ++i) {
        double d = 0, E = 0, X = 0, Y = 0;
        SonnenPosition(s.Par.Jahr, d, E, tage[i]);
        p.bild(d, biazimutalStundenlaenge(s, 12) + E, X, Y);
        EXPECT_NEAR(punkte[i].x, X, 0.51) << "day " << tage[i];
        EXPECT_NEAR(punkte[i].y, Y, 0.51) << "day " << tage[i];
    }
}
