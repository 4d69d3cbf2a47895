// The cylinder plots: fragments of the golden plots worked out by hand, the filter-hat's
// scale numbers, the projection against the sun's direction vector, the refusals, and every
// plot read by hp2xx and, converted to DXF, by ezdxf.
#include "ZylinderuhrReferenz.h"

#include "core/HPGLDatei.h"
#include "core/Sonne.h"
#include "core/State.h"
#include "dials/altitude/ZylinderuhrHpgl.h"
#include "core/Sprachdienst.h"
#include "support/GoldenDatei.h"
#include "support/Layoutpruefung.h"
#include "support/PlotLeser.h"
#include "support/ScriptedPrompt.h"
#include "support/Zahl.h"

#include <gtest/gtest.h>

#include <regex>
#include <tuple>

using namespace umbrin;

namespace {

AppState zustand(int art)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'z';
    s.Schalter.ZylinderArt = static_cast<std::uint8_t>(art);
    s.Par.Breite = 47.25;
    s.Par.Laenge = -9.59;
    s.Par.Zonenmeridian = -15;
    s.Par.Skalenlaenge = 70;
    s.SkalaZylinder = 270;
    s.Par.ZylRadius = 250;
    s.Par.ZylZeiger = 51;
    s.Par.Wandabweichung = 0;
    s.Schalter.OhneZeitgl = 1;
    s.Schalter.Ortszeit = 1;
    s.Schalter.MitZeitglZylinder = 0;
    s.Schalter.Temporalstunden = 0;
    s.Schalter.Linienstaerke = 1;
    s.Zeiten.QuadVon = 8;
    s.Zeiten.QuadBis = 16;
    SchiefeUndTierkreis(s, s.Par.Jahr);
    return s;
}

std::string plot(const AppState& s, bool mitNetz = false)
{
    HPGLDatei d;
    d.oeffnenImSpeicher();
    test::ScriptedPrompt frage;
    frage.answers.push_back(mitNetz ? PromptAnswer::Yes : PromptAnswer::No);
    const ZylinderPlotAuftrag a = s.Schalter.ZylinderArt == 1 ? filterhutPlotAuftrag(s) : polstabPlotAuftrag(s);
    const std::string nein = schreibeZylinderuhrHPGL(s, d, frage, a);
    EXPECT_TRUE(nein.empty()) << nein;
    return d.inhalt();
}

bool enthaelt(const std::string& text, const std::string& stueck) { return text.find(stueck) != std::string::npos; }

} // namespace

TEST(ZylinderuhrHpgl, GoldenFragmentsOfBothDialsAtBothScales)
{
    struct Fall {
        int art, alsHpgl;
        const char* prolog;
        const char* titel;
        const char* massstab; // the pointer line beside its gauge, the only one
        const char* stunde;   // the first number of an apparent full hour
    };
    const Fall faelle[] = {
        {1, 1, "IN;VS 1;PA;IW 0 0 16480 11480;PU 0 0;EA 16480 11480;;SP 4;PU 0 0;",
         ";SP 4;SI  0.30, 0.45;PU 4600 10650;LBZylindersonnenuhr  (Hutsonnenuhr)\x03",
         "LBZeigerl\xE4nge =    70 mm;  Umfang des Zylinders  =  270 mm\x03", ";LB8\x03"},
        {1, 0, "IN;VS 1;PA;IW 0 0 412000 287000;PU 0 0;EA 412000 287000;;SP 4;PU 0 0;",
         ";SP 4;SI  7.50,11.25;PU 115000 266250;LBZylindersonnenuhr  (Hutsonnenuhr)\x03",
         "LBZeigerl\xE4nge =    70 mm;  Umfang des Zylinders  =  270 mm\x03", ";LB8\x03"},
        {2, 1, "IN;VS 1;PA;IW 0 0 16480 11480;PU 0 0;EA 16480 11480;;SP 4;PU 0 0;",
         ";SP 4;SI  0.30, 0.45;PU 4600 10650;LBZylindersonnenuhr  (Polstab)\x03",
         "LBZeigerl\xE4nge =    51 mm;  Zylinderradius =  250 mm\x03", ";LB12\x03"},
        {2, 0, "IN;VS 1;PA;IW 0 0 412000 287000;PU 0 0;EA 412000 287000;;SP 4;PU 0 0;",
         ";SP 4;SI  7.50,11.25;PU 115000 266250;LBZylindersonnenuhr  (Polstab)\x03",
         "LBZeigerl\xE4nge =    51 mm;  Zylinderradius =  250 mm\x03", ";LB12\x03"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(::testing::Message() << f.art << " " << f.alsHpgl);
        AppState s = zustand(f.art);
        s.AlsHPGL = static_cast<std::uint8_t>(f.alsHpgl);
        const std::string p = plot(s);
        EXPECT_EQ(p.rfind(f.prolog, 0), 0u);
        EXPECT_TRUE(enthaelt(p, f.alsHpgl ? ";SP 4;PW 0;;SI  0.24, 0.30" : ";SP 4;PW 0;;SI  6.00, 7.50"));
        EXPECT_TRUE(enthaelt(p, f.titel));
        EXPECT_TRUE(enthaelt(p, f.massstab));
        EXPECT_EQ(p.find("LBZeigerl"), p.rfind("LBZeigerl"));
        EXPECT_TRUE(enthaelt(p, f.stunde));
        EXPECT_TRUE(enthaelt(p, f.alsHpgl ? ";PU 15780 100;LBJ.W.\x03" : ";PU 394500 2500;LBJ.W.\x03"));
        EXPECT_FALSE(enthaelt(p, "\x03\x03"));
        // The bare pen-up after the small characters carries no label end.
        EXPECT_TRUE(enthaelt(p, f.alsHpgl ? ";PU 16304 1148;" : ";PU 407600 28700;"));
        EXPECT_EQ(p.substr(p.size() - 4), ";IN;");
    }
}

// L 270, P 70 at 47.25 degrees, k = 1: 30 units a degree, the face from 2710 to 13690 and
// down to 3018; the azimuth 0 stroke at the origin.
TEST(ZylinderuhrHpgl, FilterHatFaceNumbers)
{
    const std::string p = plot(zustand(1));
    EXPECT_TRUE(enthaelt(p, ";PU 2710 9700;PD 13690 9700 13690 3018 2710 3018 2710 9700"));
    EXPECT_TRUE(enthaelt(p, ";PU 8200 9700;PD 8200 3018"));
    EXPECT_TRUE(enthaelt(p, ";PU 8500 9700;PD 8500 3018")); // 10 degrees is 300 units
    // Labels every 30 degrees, the west side left of the centre; on a narrow face only those
    // that clear each other, and with the shortest pointer only the hour numbers that do.
    EXPECT_TRUE(enthaelt(p, ";PU   5425 9780;LB90\x03"));
    for (const auto& [umfang, zeiger, breite] : {std::tuple{38, 70, 58.2}, {270, 3, -21.05}}) {
        AppState s = zustand(1);
        s.Par.Breite = breite;
        s.SkalaZylinder = umfang;
        s.Par.Skalenlaenge = zeiger;
        s.Zeiten.QuadVon = 0;
        s.Zeiten.QuadBis = 24;
        const std::string q = plot(s);
        for (const test::Befund& b : test::pruefePlotLayout(q, test::plotSeite(q)))
            EXPECT_NE(b.art, test::Befundart::Ueberdeckung) << umfang << " " << zeiger << ": " << b.meldung;
    }
}

// The plot's points of the equinox line stand at the sun's azimuth, 30 units a degree, and
// P tan h below the top; the polar rod's where the ray meets the mantle.
TEST(ZylinderuhrHpgl, LinePointsFollowTheSunVector)
{
    for (double breite : {47.25, -33.87})
    for (int art : {1, 2}) {
        SCOPED_TRACE(::testing::Message() << breite << " " << art);
        AppState s = zustand(art);
        s.Par.Breite = breite;
        // The polar rod's face turned to the sun: south in the north, north in the south.
        s.Par.Wandabweichung = breite > 0 ? 0 : 180;
        SchiefeUndTierkreis(s, s.Par.Jahr);
        s.Schalter.OhneZeitgl = 0;
        s.Schalter.Schattenlaenge = 1;
        s.Par.Laenge = s.Par.Zonenmeridian = 0;
        const std::string p = plot(s);
        std::vector<std::pair<double, double>> punkte;
        const std::regex zahl("(-?\\d+) +(-?\\d+)");
        for (auto it = std::sregex_iterator(p.begin(), p.end(), zahl); it != std::sregex_iterator(); ++it)
            punkte.emplace_back(test::zahl((*it)[1]), test::zahl((*it)[2]));
        int geprueft = 0;
        for (int T = -80; T <= 80; T += 20) {
            const test::SonnenVektor r = test::sonnenVektor(breite, 0, T);
            double x = 0, y = 0;
            if (art == 1) {
                x = 8200 + test::filterhutGradQuer(r, breite > 0) * 30;
                y = 9700 - test::filterhutFall(r, 2800);
            } else {
                const test::Zylindertreffer t = test::polstabTreffer(r, 250, 51, s.Par.Wandabweichung);
                if (!t.trifft || std::fabs(t.bogen) > 250 * 0.59)
                    continue;
                x = 8200 + 40 * t.bogen;
                y = 9700 - 40 * t.fall;
            }
            // The line runs in steps of 0.1 h: the sun's point lies on a segment between
            // written points, within a few units.
            double best = 1e9;
            for (std::size_t i = 1; i < punkte.size(); ++i) {
                const auto [ax, ay] = punkte[i - 1];
                const auto [bx, by] = punkte[i];
                const double lx = bx - ax, ly = by - ay, l2 = lx * lx + ly * ly;
                const double u = l2 > 0 ? std::clamp(((x - ax) * lx + (y - ay) * ly) / l2, 0.0, 1.0) : 0;
                best = std::min(best, std::hypot(ax + u * lx - x, ay + u * ly - y));
            }
            EXPECT_LT(best, 4) << T;
            ++geprueft;
        }
        EXPECT_GE(geprueft, 3);
    }
}

// The pen-width text is the whole (width - 1) k, never negative; the filter-hat's legend gives
// the circumference drawn while the pointer follows the zoom.
TEST(ZylinderuhrHpgl, PenWidthAndZoomedLengths)
{
    struct Fall {
        int linien, alsHpgl;
        const char* stift;
    };
    for (const Fall& f : {Fall{0, 1, ";SP 4;PW 0;;SI"}, Fall{3, 1, ";SP 4;PW 2;;SI"}, Fall{3, 0, ";SP 4;PW 50;;SI"},
                          Fall{9, 0, ";SP 4;PW 200;;SI"}}) {
        AppState s = zustand(1);
        s.Schalter.Linienstaerke = f.linien;
        s.AlsHPGL = static_cast<std::uint8_t>(f.alsHpgl);
        EXPECT_TRUE(enthaelt(plot(s), f.stift)) << f.stift;
    }
    AppState s = zustand(1);
    s.Zoom = 2;
    const std::string p = plot(s);
    EXPECT_TRUE(enthaelt(p, "LBZeigerl\xE4nge =   140 mm;  Umfang des Zylinders  =  270 mm\x03"));
}

TEST(ZylinderuhrHpgl, RefusalsAreCheckedBeforeAnythingIsWritten)
{
    struct Fall {
        int art;
        double breite, R, e;
        int temporal, anzeige;
        bool verweigert;
    };
    for (const Fall& f : {Fall{1, 66, 250, 51, 1, 0, true}, Fall{1, 66, 250, 51, 0, 1, false},
                          Fall{2, 47, 0, 51, 0, 0, true}, Fall{2, 47, 250, 0, 0, 0, true},
                          Fall{2, -70, 250, 51, 1, 0, true}}) {
        AppState s = zustand(f.art);
        s.Par.Breite = f.breite;
        s.Par.ZylRadius = f.R;
        s.Par.ZylZeiger = f.e;
        s.Schalter.Temporalstunden = static_cast<std::uint8_t>(f.temporal);
        s.Schalter.TemporalAnzeige = static_cast<std::uint8_t>(f.anzeige);
        HPGLDatei d;
        d.oeffnenImSpeicher();
        test::ScriptedPrompt frage;
        frage.answers.push_back(PromptAnswer::No);
        const ZylinderPlotAuftrag a = f.art == 1 ? filterhutPlotAuftrag(s) : polstabPlotAuftrag(s);
        const std::string nein = schreibeZylinderuhrHPGL(s, d, frage, a);
        EXPECT_EQ(!nein.empty(), f.verweigert);
        EXPECT_EQ(d.inhalt().empty(), f.verweigert);
        EXPECT_EQ(zylinderPlotVerweigerung(s, a), nein);
    }
}

TEST(ZylinderuhrHpgl, EveryPlotPassesHp2xxAndItsDxfPassesEzdxf)
{
    struct Fall {
        const char* name;
        int art, alsHpgl;
        double breite, wand;
        bool alles, netz;
        int linien;
    };
    const Fall faelle[] = {
        {"hut_nord_k1", 1, 1, 47.25, 0, true, true, 2},   {"hut_sued_k25", 1, 0, -33.9, 0, true, false, 1},
        {"hut_aequator_k1", 1, 1, 5, 0, false, false, 1}, {"polstab_sued_k1", 2, 1, 47.25, 0, true, true, 3},
        {"polstab_120_k25", 2, 0, 47.25, 120, true, false, 1}, {"polstab_sued_k25", 2, 0, -40, 30, true, false, 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        AppState s = zustand(f.art);
        s.AlsHPGL = static_cast<std::uint8_t>(f.alsHpgl);
        s.Par.Breite = f.breite;
        s.Par.Wandabweichung = f.wand;
        s.Schalter.Linienstaerke = f.linien;
        s.Schalter.Sonnenhoehe = 1;
        if (f.alles) {
            s.Schalter.MitZeitglZylinder = s.Schalter.Temporalstunden = 1;
            s.Schalter.Babylonisch = s.Schalter.Italienisch = 1;
            s.Schalter.StundenIntervallSonst = s.Schalter.EotIntervall = '1';
        }
        if (f.art == 2 && f.alsHpgl) {
            s.FusspunktGesetzt = 1;
            s.FusspunktX = 7000;
            s.FusspunktY = 8000;
        }
        const std::string text = plot(s, f.netz);
        EXPECT_EQ(text.find("INF"), std::string::npos);
        test::erwarteEndlichenPlot(text, "", f.name);
        const test::LeserBefund b = test::pruefeMitLesern(text, f.name, 40.0 * (f.alsHpgl ? 1 : 25));
        // The converter's only remark: the pen width of the lines.
        for (const std::string& zeile : b.info)
            EXPECT_NE(zeile.find("Command PW"), std::string::npos) << zeile;
    }
}

// The filter-hat's apparent hour lines run between the solstice lines, as on its page: no
// point of the line of hour h stands higher on the face than the sun of the winter solstice
// at that hour puts it (the sun's vector, P tan h below the top).
TEST(ZylinderuhrHpgl, FilterHatHourLinesStayBetweenTheSolsticeLines)
{
    for (double breite : {47.25, -33.87}) {
        SCOPED_TRACE(breite);
        AppState s = zustand(1);
        s.Par.Breite = breite;
        SchiefeUndTierkreis(s, s.Par.Jahr);
        const std::string p = plot(s);
        const double winter = breite > 0 ? -s.EpsRund : s.EpsRund;
        int linien = 0;
        for (std::size_t i = p.find(";SP 2"); i != std::string::npos; i = p.find(";SP 2", i + 1)) {
            const std::size_t ende = p.find(";SP", i + 1);
            const std::string stueck = p.substr(i, ende - i);
            std::smatch m;
            if (!std::regex_search(stueck, m, std::regex("LB(\\d+)\x03")))
                continue;
            const int h = std::stoi(m[1]);
            const double fallWinter = test::zylinderSchatten(test::sonnenVektor(breite, winter, 15.0 * (h - 12)), 2800);
            // The points of the line: pairs not followed by a label.
            const std::regex paar("(-?\\d+) +(-?\\d+)( |;PD|$)");
            for (auto it = std::sregex_iterator(stueck.begin(), stueck.end(), paar); it != std::sregex_iterator(); ++it)
                EXPECT_GE(9700 - test::zahl((*it)[2]), fallWinter - 4) << h;
            ++linien;
        }
        EXPECT_EQ(linien, 9);
    }
}

// The polar rod's lines run towards its pole above the sheet: they are drawn in a window that
// ends below the title block's place line, which stands clear of them; the window is the
// sheet's again for the title block.
TEST(ZylinderuhrHpgl, PolarRodLinesStopBelowTheTitleBlock)
{
    for (int alsHpgl : {1, 0}) {
        AppState s = zustand(2);
        s.AlsHPGL = static_cast<std::uint8_t>(alsHpgl);
        const std::string p = plot(s);
        const int k = alsHpgl ? 1 : 25;
        const std::size_t ein = p.find(";IW 0 0 " + std::to_string(16480 * k) + " " + std::to_string(10300 * k));
        const std::size_t aus = p.find(";IW 0 0 " + std::to_string(16480 * k) + " " + std::to_string(11480 * k), ein);
        ASSERT_NE(ein, std::string::npos) << k;
        ASSERT_NE(aus, std::string::npos) << k;
        EXPECT_LT(ein, p.find(";SP 2")) << k;
        EXPECT_GT(p.find("LBGeogr. Breite"), aus) << k;
    }
}

// The pole's circle (CI) at the longest pointer and high latitudes lies below the sheet, and
// that of a polar rod facing north in the south above it: the plot file says how far, in the
// user's language; a plot with its circles on the sheet says nothing.
TEST(ZylinderuhrHpgl, PoleMarkOffTheSheetIsSaid)
{
    struct Fall {
        int art;
        double breite, zeiger;
        bool deutsch;
        double wand = 0;
    };
    for (const Fall& f : {Fall{1, 60, 220, true}, Fall{1, 71.5, 220, false}, Fall{2, 47.25, 220, true},
                          Fall{1, 47.25, 70, false}, Fall{2, 47.25, 51, true},
                          Fall{2, -47, 60, false, 180}}) {
        SCOPED_TRACE(::testing::Message() << f.art << " " << f.breite << " " << f.zeiger);
        AppState s = zustand(f.art);
        setzeSprache(s, f.deutsch);
        s.Par.Breite = f.breite;
        s.Par.Skalenlaenge = static_cast<std::int32_t>(f.zeiger);
        s.Par.ZylZeiger = f.zeiger;
        s.Par.Wandabweichung = f.wand;
        SchiefeUndTierkreis(s, s.Par.Jahr);
        HPGLDatei d;
        d.oeffnenImSpeicher();
        test::ScriptedPrompt frage;
        frage.answers.push_back(PromptAnswer::No);
        ASSERT_TRUE(schreibeZylinderuhrHPGL(s, d, frage, f.art == 1 ? filterhutPlotAuftrag(s) : polstabPlotAuftrag(s)).empty());
        // The farthest reach of a circle past the sheet, read from the plot.
        double weitester = 0;
        for (const test::PlotBefehl& b : test::plotBefehle(d.inhalt()))
            if (b.name == "CI" && !b.zahlen.empty())
                weitester = std::max({weitester, b.zahlen[0] - b.an.x, b.an.x + b.zahlen[0] - 16480,
                                      b.zahlen[0] - b.an.y, b.an.y + b.zahlen[0] - 11480});
        std::string wort;
        for (const test::ScriptedPrompt::Frage& q : frage.asked)
            if (q.title == PromptTitle::Warnung)
                wort = q.text;
        if (weitester <= 0) {
            EXPECT_EQ(wort, "");
            continue;
        }
        EXPECT_GT(weitester, 18 * 40);
        const std::string mm = std::to_string(std::lround(weitester / 40)) + " mm";
        EXPECT_TRUE(enthaelt(wort, (f.deutsch ? "Kreis reicht " : "circle reaches ") + mm)) << wort;
    }
}
