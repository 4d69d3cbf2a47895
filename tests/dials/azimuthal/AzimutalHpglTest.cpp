// The azimuthal dial's plot: golden files with fragments checked by hand, hour-line points
// where the shadow of a vertical pointer falls, zodiac points read back to their declination,
// every plot read by hp2xx and, as DXF, by ezdxf, and any latitude written finite.
#include "core/HPGLDatei.h"
#include "core/Sonne.h"
#include "core/State.h"
#include "dials/azimuthal/AzimutalHpgl.h"
#include "dials/azimuthal/AzimutalSonnenvektor.h"
#include "drawing/DxfChecks.h"
#include "support/GoldenDatei.h"
#include "support/Layoutpruefung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <string>

using namespace umbrin;
namespace fs = std::filesystem;

namespace {

fs::path goldenOrdner() { return fs::path(UMBRIN_SOURCE_DIR) / "tests" / "dials" / "azimuthal" / "golden"; }

AppState zustand()
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'a';
    s.Schalter.AzimutKreise = 0;
    s.Schalter.ZodiakSkala = 0;
    return s;
}

std::string schreibe(const AppState& s)
{
    HPGLDatei plot;
    plot.oeffnenImSpeicher();
    schreibeHPGL_Azimutal(s, plot);
    return plot.inhalt();
}

const struct Fall {
    const char* name;
    std::function<void(AppState&)> setze;
} faelle[] = {
    {"kalender_180", [](AppState&) {}},
    {"kalender_100", [](AppState& s) { s.AzGrundplatte = 100; }},
    {"kalender_sued_januar",
     [](AppState& s) {
         s.Par.Breite = -33.9;
         s.Schalter.Zeitablesung = 1;
         s.Schalter.Stiftbreite = 2;
     }},
    {"zodiak_180", [](AppState& s) { s.Schalter.ZodiakSkala = 1; }},
    {"zodiak_sommer_zeitgl",
     [](AppState& s) {
         s.Schalter.ZodiakSkala = 1;
         s.Schalter.Zeitablesung = 1;
         s.Schalter.MitZeitglAzimut = 1;
         s.Schalter.Zonenzeit = 1;
     }},
    {"kalender_familien",
     [](AppState& s) {
         s.Schalter.Temporalstunden = s.Schalter.Babylonisch = s.Schalter.Italienisch = 1;
         s.Schalter.StundenIntervallSonst = '1';
     }},
};

AppState fallZustand(const Fall& f)
{
    AppState s = zustand();
    f.setze(s);
    return s;
}

std::string golden(const char* name) { return test::goldenText(goldenOrdner(), name); }

} // namespace

TEST(AzimutalHpgl, PlotsMatchTheirGoldenFiles)
{
    for (const Fall& f : faelle) {
        const std::string plot = schreibe(fallZustand(f));
        test::vergleicheMitGolden(plot, goldenOrdner() / (std::string(f.name) + ".plt"));
        // The hour numbers of all kinds keep a blank apart on one line: nearer they read as one.
        for (const test::Befund& b : test::plotTextlage(plot, 0.0).aufeinander)
            EXPECT_EQ(b.meldung.find("read as one"), std::string::npos) << f.name << ": " << b.meldung;
    }
}

TEST(AzimutalHpgl, FragmentsCheckedByHand)
{
    const std::string k180 = golden("kalender_180"), k100 = golden("kalender_100"), sued = golden("kalender_sued_januar");
    const std::string z180 = golden("zodiak_180"), zSommer = golden("zodiak_sommer_zeitgl");
    const std::string familien = golden("kalender_familien");
    test::erwarteStuecke({
        // 180 mm: R = 3600, fi = round(3600 x 0.75 / 410) = 7, r1 = 3600 - 315 = 3285,
        // r2 = 3285 - 2555 = 730: the cross spans 7300 -+ 3285, the note stands at 7300 + 730.
        {k180, "IN;PA;;SP 1;PU 4015 5300;PD 10585 5300;PU 7300 2015;PD 7300 8585;;PU;SI 0.2,0.32;"},
        {k180, ";PU 8030 10500;LBZeigerh\xF6he beachten! (s. Hilfedatei)\x03"},
        {k180, ";PU 7300 5300;CI 3600,1;"},
        // 1 January: (1 - 1) 7 + 730; its month label 459 left of the centre is left out
        // (the circle is not inside r2..r1), 1 February's at 5300 + 947 - 7.
        {k180, "SP 7;;PU "},
        {k180, "SP 1;PU 6841 6240;LB 1/2\x03SP 7;"},
        // Ticks: every fifteenth degree 45 fi = 315 long.
        {k180, ";PU 7300 1700;PD 7300 2015"},
        {k180, ";PU 11335 5100;LB West\x03;PU 3015 5100;LB Ost\x03"}, // r1 + 750, r1 + 1000
        {k180, ";PU 7000 8785;LB S\xFC" "d\x03"},
        {k180, ";SP 1;SI 0.3,0.4;PU 200 10500;LBAZIMUTALE SONNENUHR\x03SI 0.15,0.24;"},
        {k180, ";PU 200 9900;LBDurchmesser = 180.0 mm\x03;SP0;IN;"},
        // 100 mm: R = 2000, fi = 4, r1 = 1820, r2 = 360.
        {k100, ";SP 1;PU 5480 5300;PD 9120 5300;PU 7300 3480;PD 7300 7120;"},
        {k100, ";PU 7660 10500;LBZeigerh"},
        {k100, ";CI 2000,1;"},
        {k100, ";PU 200 9900;LBDurchmesser = 100.0 mm\x03"},
        // South: the north label below, the note in the corner, negative sweeps.
        {sued, ";LBN Nord\x03;PU 10 160;LBZeigerh"},
        {sued, ";PW 0;SP 1;PU 4015 5300;"},
        {sued, ";PW 1;SP 1;"},
        {sued, "SP 5;PW 1;"},
        // Zodiac: the sign legend at (100, 9800), circles in pen 7 at the sign boundaries.
        {z180, "IN;PA;;SP 1;SI 0.2,0.32;SA;PU 100 9440;LB^ \x03;PU 100 8900;LB_\x03"},
        {z180, ";SS;PU 300 9440;LB= Widder\x03;PU 450 9260;LB  (21.Mar -)\x03"},
        {z180, ";SP 7;PU 7300 5300;PD;CI 730,0.5"},
        {z180, ";SP 7;PU 7300 5300;PD;CI 3285,0.5"},
        {z180, ";DI 100 79;"},
        {z180, " Sonnendeklination\x03;DI 100 0;"},
        {zSommer, "LBZonenzeit mit Zeitgl. = Standard (Zonen)- Zeit\x03"},
        {k180, "LBOrtszeit ohne Zeitgl. = Wahre Ortszeit (WOZ)\x03"},
        {familien, ";SP 8;PU "},
        {familien, ";SP 4;PU "},
        {familien, ";SP 10;PU "},
        {familien, ";SP 3;PU "},
    });
    // A negative sweep is written at full width right after the centre's y.
    EXPECT_NE(sued.find("AA 7300 5300-"), std::string::npos);
    // Each family writes the date circles once: four families, four crosses.
    EXPECT_EQ(test::anzahl(familien, ";SP 1;PU 4015 5300;PD 10585 5300;"), 4);
    EXPECT_EQ(test::anzahl(k180, ";SP 1;PU 4015 5300;PD 10585 5300;"), 1);
    for (const Fall& f : faelle) {
        const std::string p = golden(f.name);
        EXPECT_EQ(p.find("PW") == std::string::npos, fallZustand(f).Schalter.Stiftbreite == 1) << f.name;
        EXPECT_EQ(p.rfind(";SP0;IN;"), p.size() - 8) << f.name;
    }
}

TEST(AzimutalHpgl, HourPointsLieWhereTheShadowFallsAndZodiacPointsGiveTheirDeclination)
{
    using namespace umbrin::test;
    for (const double phi : {47.25, -33.87}) {
        for (const std::uint8_t zodiak : {0, 1}) {
            AppState s = zustand();
            s.Par.Breite = phi;
            s.Schalter.ZodiakSkala = zodiak;
            s.Zeiten.QuadVon = 6;
            s.Zeiten.QuadBis = 18;
            const auto pp = plotPunkte(schreibe(s));
            const double fZ = 2555.0 / 2 / s.EpsRund;
            int geprueft = 0;
            for (int t = 6; t <= 18; ++t)
                for (const int n : {TagImJahr(s.Par.Jahr, 7, 4), TagImJahr(s.Par.Jahr, 10, 10), TagImJahr(s.Par.Jahr, 12, 19)}) {
                    double d = 0, e = 0;
                    SonnenPosition(s.Par.Jahr, d, e, n + (t + s.Par.Zonenmeridian / 15 - 12) / 24);
                    const Sonnenvektor v = sonnenvektor(s.Par.Breite, d, 15.0 * (t - 12));
                    if (hoeheGrad(v) <= 0.5 || hoeheGrad(v) >= 89)
                        continue;
                    const double r = zodiak ? std::round((s.EpsRund - d) * fZ + 730) : (n - 1) * 7 + 730;
                    const Schattenpunkt p = schattenpunkt(v, 7300, 5300, r, true);
                    EXPECT_TRUE(hatPunktNahe(pp, p.x, p.y, 1.01)) << phi << " " << int(zodiak) << ": " << t << " h, day " << n;
                    ++geprueft;
                    if (zodiak) {
                        // Read back: the point's distance from the centre gives the declination.
                        for (const auto& q : pp)
                            if (std::fabs(q.x - p.x) <= 1.01 && std::fabs(q.y - p.y) <= 1.01) {
                                const double rq = std::hypot(q.x - 7300, q.y - 5300);
                                EXPECT_NEAR(s.EpsRund - (rq - 730) / fZ, d, 0.05) << t << " " << n;
                                break;
                            }
                    }
                }
            EXPECT_GT(geprueft, 25);
        }
    }
}

TEST(AzimutalHpgl, EveryPlotPassesHp2xxAndItsDxfPassesEzdxf)
{
    for (const Fall& f : faelle) {
        const test::LeserBefund b = test::pruefeMitLesern(golden(f.name), f.name);
        for (const std::string& zeile : b.info)
            EXPECT_EQ(zeile.find("Fehler bei der Konvertierung des Bogenwinkels"), std::string::npos) << f.name;
        if (f.name == std::string("kalender_sued_januar")) {
            // The southern arcs stand about the centre (182.5, 132.5) mm.
            const auto boegen = umbrin::testing::nurTyp(umbrin::testing::dxfEntitaeten(b.dxf), "ARC");
            ASSERT_FALSE(boegen.empty());
            for (const auto& bogen : boegen) {
                EXPECT_DOUBLE_EQ(bogen.zahl(10), 182.5);
                EXPECT_DOUBLE_EQ(bogen.zahl(20), 132.5);
            }
        }
    }
}

TEST(AzimutalHpgl, AnyLatitudeIsFiniteAndTemporalHoursStopAtNoonAndAHalf)
{
    for (const double phi : {-89.75, -66.0, -23.44, 0.0, 23.44, 66.0, 89.75})
        for (const std::uint8_t zodiak : {0, 1})
            for (const std::uint8_t temporal : {0, 1}) {
                AppState s = zustand();
                s.Par.Breite = phi;
                s.Schalter.ZodiakSkala = zodiak;
                s.Schalter.TemporalAnzeige = temporal;
                s.Schalter.Temporalstunden = s.Schalter.Babylonisch = s.Schalter.Italienisch = 1;
                test::erwarteEndlichenPlot(schreibe(s), ";SP0;IN;", std::to_string(phi));
            }
    // Temporal display: no hour line beyond 12.05 however late the range runs; hours 0 and
    // 12 keep their labels but draw no line.
    AppState s = zustand();
    s.Schalter.TemporalAnzeige = 1;
    s.Zeiten.QuadVon = 0;
    s.Zeiten.QuadBis = 18;
    const std::string plot = schreibe(s);
    EXPECT_EQ(test::anzahl(plot, ";SP 2;PU "), 11); // 1 .. 11
    EXPECT_EQ(plot.find("LB13\x03"), std::string::npos);
}
