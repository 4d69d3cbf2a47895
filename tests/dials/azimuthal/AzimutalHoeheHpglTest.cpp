// The plot of the azimuthal dial with altitude circles: golden files for the three radial
// laws with fragments checked by hand, hour points at the projection of their altitude, the
// skyline's pen, and every plot read by hp2xx and, as DXF, by ezdxf.
#include "core/HPGLDatei.h"
#include "core/RecordingCanvas.h"
#include "core/Sonne.h"
#include "core/State.h"
#include "dials/azimuthal/AzimutalHoeheHpgl.h"
#include "dials/azimuthal/AzimutalHoeheZeichnung.h"
#include "dials/azimuthal/AzimutalSonnenvektor.h"
#include "support/GoldenDatei.h"
#include "support/Layoutpruefung.h"
#include "support/Randfolge.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <functional>
#include <string>

using namespace umbrin;
namespace fs = std::filesystem;

namespace {

fs::path goldenOrdner() { return fs::path(UMBRIN_SOURCE_DIR) / "tests" / "dials" / "azimuthal" / "golden"; }

AppState zustand(int gesetz)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'a';
    s.Schalter.AzimutKreise = 1;
    s.Schalter.Hoehenkreise = static_cast<std::uint8_t>(gesetz);
    return s;
}

std::string schreibe(const AppState& s)
{
    HPGLDatei plot;
    plot.oeffnenImSpeicher();
    schreibeHPGL_AzimutalHoehe(s, plot);
    return plot.inhalt();
}

const struct Fall {
    const char* name;
    int gesetz;
    std::function<void(AppState&)> setze;
} faelle[] = {
    {"hoehe_gleich_180", 0, [](AppState&) {}},
    {"hoehe_tonne_180", 1, [](AppState&) {}},
    {"hoehe_stereo_180", 2, [](AppState& s) { s.Schalter.GanzeTageslaenge = 1; }},
    {"hoehe_gleich_100", 0, [](AppState& s) { s.AzGrundplatte = 100; }},
    {"hoehe_stereo_sued_100",
     2,
     [](AppState& s) {
         s.AzGrundplatte = 100;
         s.Par.Breite = -33.9;
         s.Schalter.Stiftbreite = 2;
         s.Schalter.Temporalstunden = s.Schalter.Italienisch = s.Schalter.Babylonisch = 1;
     }},
    {"hoehe_profil", 0,
     [](AppState& s) {
         for (Horizontpunkt& p : s.Horizont)
             p.Hoehe = 10 + 8 * std::sin(p.Azimut * M_PI / 60);
         s.HorizontGeladen = s.HorizontZeigen = 1;
     }},
};

AppState fallZustand(const Fall& f)
{
    AppState s = zustand(f.gesetz);
    f.setze(s);
    return s;
}

std::string golden(const char* name) { return test::goldenText(goldenOrdner(), name); }

} // namespace

TEST(AzimutalHoeheHpgl, PlotsMatchTheirGoldenFiles)
{
    for (const Fall& f : faelle)
        test::vergleicheMitGolden(schreibe(fallZustand(f)), goldenOrdner() / (std::string(f.name) + ".plt"));
}

TEST(AzimutalHoeheHpgl, FragmentsCheckedByHand)
{
    const std::string gleich = golden("hoehe_gleich_180"), tonne = golden("hoehe_tonne_180");
    const std::string stereo = golden("hoehe_stereo_180"), klein = golden("hoehe_gleich_100");
    const std::string sued = golden("hoehe_stereo_sued_100"), profil = golden("hoehe_profil");
    test::erwarteStuecke({
        {gleich, "IN;VS 1;PA;IW 0 0 16157 11038;PU 0 0;EA 16157 11038;;SP 4;PU 0 0;;PU;SI  0.18, 0.27;SP 9;PU 3700 5300;"},
        // Ro = 180 x 40 / 2 = 3600, R0 = 3600 - 300 = 3300; the 80-degree circle at R0 / 9.
        {gleich, ";CI 3300 ,0.2;CI 2933 ,0.2;"},
        {gleich, ";CI 367 ,0.2;PU"},
        {gleich, ";PU 7300 5300;CI 3300,0.5;CI 3600,0.5;CI 3620,0.5"},
        {gleich, ";PU 7380 6410;LB60\x03"}, // 60 degrees at R0 / 3 = 1100, the label 10 beyond it
        // Barrel: G' = 180 x 365 / 410 = 160.24, R0 = round(160.24 x 20) = 3205.
        {tonne, ";CI 3205 ,0.2"},
        {tonne, ";PU 7300 5300;CI 3205,0.5;CI 3600,0.5;CI 3620,0.5"},
        {tonne, "LBAZIMUTALE SONNENUHR (Tonne)\x03"},
        {tonne, "LBBesitzt statt des Zeigers eine durchsichtige,reflektierende hyperbolische Kuppel!\x03"},
        // Stereographic: the 80-degree circle at R0 tan 5 = 289, the pole mark at R0 tan 21.375.
        {stereo, ";CI 289 ,0.2;"},
        {stereo, "LBStereographische Sonnenuhr\x03"},
        {stereo, ";SP 11;PW 1;PU "},
        {stereo, ";PU;SA;SP 5;PW 0;"},
        // 100 mm: Ro = 2000, R0 = 1700.
        {klein, ";PU 7300 5300;CI 1700,0.5;CI 2000,0.5;CI 2020,0.5"},
        {klein, ";PU 200 9900;LBDurchmesser = 100.0 mm\x03;SP0;IN;"},
        // South: north below, the note in the corner, extra kinds listed.
        {sued, ";LBN Nord\x03;PU 10 160;LB"},
        {sued, ";PU 200 9700;LBzus\xE4tzlich:  Temporalstunden, Italische Stunden, Babylonische Stunden\x03;SP0;IN;"},
        {sued, ";PW 1;"},
        {profil, ";SP 4;LT ;PU "},
        {profil, ";SP 11;P"},
    });
    // No profile: neither the skyline nor its pen.
    EXPECT_EQ(gleich.find(";SP 4;LT ;PU "), std::string::npos);
    EXPECT_EQ(gleich.find(";SP 11"), std::string::npos);
    // Under the barrel law the odd hours go unlabelled.
    EXPECT_NE(tonne.find(";LB12\x03"), std::string::npos);
    EXPECT_EQ(tonne.find(";LB13\x03"), std::string::npos);
    EXPECT_NE(gleich.find(";LB13\x03"), std::string::npos);
}

TEST(AzimutalHoeheHpgl, HourPointsStandAtTheProjectionOfTheirAltitude)
{
    using namespace umbrin::test;
    for (const double phi : {47.25, -33.87}) {
        for (const int gesetz : {0, 1, 2}) {
            AppState s = zustand(gesetz);
            s.Par.Breite = phi;
            s.Zeiten.QuadVon = 6;
            s.Zeiten.QuadBis = 18;
            const auto pp = plotPunkte(schreibe(s));
            // Law 1: a sphere of radius R0 = 3205 seen from 2AC / (A^2 + C^2) R0 below its centre.
            const double A = 180.0 * 365 / 410 * 20, C = -A / 2 + std::sqrt(A * A + A * A / 4);
            const double R0 = gesetz == 1 ? 3205 : 3300;
            const double e = gesetz == 1 ? 2 * A * C / (A * A + C * C) * R0 : R0;
            int geprueft = 0;
            for (int t = 6; t <= 18; ++t)
                for (const int n : {TagImJahr(s.Par.Jahr, 7, 1), TagImJahr(s.Par.Jahr, 9, 15), TagImJahr(s.Par.Jahr, 11, 29)}) {
                    double d = 0, zg = 0;
                    SonnenPosition(s.Par.Jahr, d, zg, n + (t + s.Par.Zonenmeridian / 15 - 12) / 24);
                    const Sonnenvektor v = sonnenvektor(s.Par.Breite, d, 15.0 * (t - 12));
                    const double h = hoeheGrad(v);
                    if (h <= 0.5)
                        continue;
                    const double z = (90 - h) * kGrad;
                    const double r = gesetz == 0 ? R0 * (90 - h) / 90 : R0 * std::sin(z) * e / (R0 * std::cos(z) + e);
                    const Schattenpunkt p = schattenpunkt(v, 7300, 5300, r, true);
                    EXPECT_TRUE(hatPunktNahe(pp, p.x, p.y, 1.51)) << phi << " " << gesetz << ": " << t << " h, day " << n;
                    ++geprueft;
                }
            EXPECT_GT(geprueft, 20);
        }
    }
}

TEST(AzimutalHoeheHpgl, EveryPlotPassesHp2xxAndItsDxfPassesEzdxf)
{
    for (const Fall& f : faelle)
        test::pruefeMitLesern(golden(f.name), f.name);
}

TEST(AzimutalHoeheHpgl, AnyLatitudeLawAndLineCountIsFiniteAndTemporalLinesStop)
{
    AppState basis = zustand(0);
    for (const double phi : {-89.75, -66.0, -basis.EpsRund, 0.0, basis.EpsRund, 66.0, 89.75})
        for (const int gesetz : {0, 1, 2})
            for (const std::uint8_t linien : {0, 1, 2, 3, 4, 5}) {
                AppState s = zustand(gesetz);
                s.Par.Breite = phi;
                s.Schalter.LinienProMonat = linien;
                s.Schalter.GanzeTageslaenge = 1;
                s.Schalter.Temporalstunden = s.Schalter.Babylonisch = s.Schalter.Italienisch = 1;
                test::erwarteEndlichenPlot(schreibe(s), ";SP0;IN;", std::to_string(phi) + " " + std::to_string(gesetz));
            }
    // Temporal display with the clock hours up to 18: no line after 12.05.
    AppState s = zustand(0);
    s.Schalter.TemporalAnzeige = 1;
    s.Zeiten.QuadVon = 6;
    s.Zeiten.QuadBis = 18;
    const std::string plot = schreibe(s);
    EXPECT_EQ(plot.find(";LB13\x03"), std::string::npos);
    EXPECT_NE(plot.find(";LB11\x03"), std::string::npos);
    // Under the midnight sun 0 and 24 o'clock, or temporal 0 and 12, end on one line: one number.
    for (const double phi : {69.9, -69.9})
        for (const std::uint8_t temporal : {0, 1}) {
            AppState m = zustand(0);
            m.Par.Breite = phi;
            m.Zeiten.QuadVon = 0;
            m.Zeiten.QuadBis = 24;
            m.Schalter.Temporalstunden = m.Schalter.TemporalAnzeige = temporal;
            const std::string p = schreibe(m);
            EXPECT_EQ(test::abseits(test::pruefePlotLayout(p, test::plotSeite(p)), true), "") << phi << " " << int(temporal);
        }
}

// The ecliptic's arcs run from the west point above the horizon, in the tropics too: the middle
// of each lies inside the horizon circle.
TEST(AzimutalHoeheHpgl, EclipticArcsStayInsideTheHorizon)
{
    for (const double phi : {47.25, 23.0, 15.0, 2.0, -10.0, -33.87}) {
        AppState s = zustand(2);
        s.Par.Breite = phi;
        for (const test::PlotBefehl& b : test::plotBefehle(schreibe(s)))
            if (b.name == "AA" && b.stift == 5) {
                const double w = std::atan2(b.an.y - b.zahlen[1], b.an.x - b.zahlen[0]) + b.zahlen[2] * M_PI / 360;
                const double r = std::hypot(b.an.y - b.zahlen[1], b.an.x - b.zahlen[0]);
                EXPECT_LT(std::hypot(b.zahlen[0] + r * std::cos(w) - 7300, b.zahlen[1] + r * std::sin(w) - 5300), 3300) << phi;
            }
    }
}

// Near the zenith in the south the numbers stand close together: still in the order of the hours.
// The numbers also stand a blank apart where they share a line: nearer they read as one.
std::string alsEineGelesen(const std::vector<test::Befund>& aufeinander)
{
    std::string t;
    for (const test::Befund& b : aufeinander)
        if (b.meldung.find("read as one") != std::string::npos)
            t += b.meldung + "\n";
    return t;
}

TEST(AzimutalHoeheHpgl, HourNumbersReadInTheirOrderRoundTheCentre)
{
    for (int fall = 0; fall < 12; ++fall) {
        AppState s = zustand(fall % 3);
        s.Par.Breite = std::array{47.25, 60.0, -33.87, -45.0}[fall / 3];
        s.Schalter.Temporalstunden = fall % 2;
        const std::string plot = schreibe(s);
        std::string befunde = test::befundText(test::pruefePlotRandfolge(plot, 2));
        befunde += alsEineGelesen(test::plotTextlage(plot, 0.0).aufeinander);
        for (const auto& [w, h] : {std::pair{1780, 905}, std::pair{1226, 593}, std::pair{2970, 2100}}) {
            RecordingCanvas c(w, h, w == 2970);
            zeichneAzimutalHoehe(s, c, w, h, w != 2970);
            befunde += test::befundText(test::pruefeRandfolge(c, s.Farben[1]));
            befunde += alsEineGelesen(test::textAufText(c.primitives(), 0.0));
        }
        EXPECT_EQ(befunde, "") << s.Par.Breite << " deg, law " << fall % 3;
    }
}
