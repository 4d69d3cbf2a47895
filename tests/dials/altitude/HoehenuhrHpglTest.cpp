// The altitude dials' plots: fragments of the golden plots worked out by hand from the dial's
// numbers, the folded scale's copies, the refusal, and every plot read by hp2xx and, converted
// to DXF, by ezdxf.
#include "HoehenuhrReferenz.h"

#include "core/HPGLDatei.h"
#include "core/RecordingCanvas.h"
#include "core/State.h"
#include "dials/altitude/HoehenuhrHpgl.h"
#include "dials/altitude/ZeichneHidokei.h"
#include "support/GoldenDatei.h"
#include "support/Layoutpruefung.h"
#include "support/ScriptedPrompt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <regex>

using namespace umbrin;

namespace {

AppState zustand(char typ)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = typ;
    s.Par.Breite = 47.25;
    s.Schalter.ZylinderArt = 0;
    s.Schalter.Ortszeit = 1;
    s.Schalter.MitZeitglZylinder = 0;
    return s;
}

std::string plot(const AppState& s, bool zylinder, int groesse, test::ScriptedPrompt* frage = nullptr)
{
    HPGLDatei d;
    d.oeffnenImSpeicher();
    test::ScriptedPrompt eigene;
    const std::string nein = schreibeHoehenuhrHPGL(s, d, frage ? *frage : eigene, {groesse, zylinder});
    EXPECT_TRUE(nein.empty()) << nein;
    return d.inhalt();
}

bool enthaelt(const std::string& text, const std::string& stueck) { return text.find(stueck) != std::string::npos; }

std::size_t anzahl(const std::string& text, const std::string& stueck)
{
    return static_cast<std::size_t>(test::anzahl(text, stueck));
}

} // namespace

TEST(HoehenuhrHpgl, ShepherdsGoldenFragmentsAtBothScales)
{
    struct Fall {
        int alsHpgl;
        const char* marke;
        const char* titel;
        const char* fenster;
    };
    const Fall faelle[] = {
        {1, ";SP 1;PU 30 3200;PD 170 3200 100 3200 100 400 30 500 170 500 100 400;",
         ";SP 4;SI  0.30, 0.45;PU 4600 11150;LBZylindersonnenuhr  (Hirtensonnenuhr)\x03", ";IW 160 3587 10400 10250"},
        {0, ";SP 1;PU 750 80000;PD 4250 80000 2500 80000 2500 10000 750 12500 4250 12500 2500 10000;",
         ";SP 4;SI  7.50,11.25;PU 115000 278750;LBZylindersonnenuhr  (Hirtensonnenuhr)\x03",
         ";IW 4000 89682 260000 256250"},
    };
    for (const Fall& f : faelle) {
        AppState s = zustand('z');
        s.AlsHPGL = static_cast<std::uint8_t>(f.alsHpgl);
        const std::string p = plot(s, true, 70);
        const int k = f.alsHpgl ? 1 : 25;
        SCOPED_TRACE(k);
        EXPECT_EQ(p.rfind("IN;VS 1;PA;", 0), 0u);
        EXPECT_TRUE(enthaelt(p, f.marke));
        EXPECT_TRUE(enthaelt(p, f.titel));
        EXPECT_TRUE(enthaelt(p, f.fenster));
        EXPECT_TRUE(enthaelt(p, "LBJ.W.\x03"));
        EXPECT_TRUE(enthaelt(p, "LBZeigerl\xE4nge =    70 mm\x03"));
        EXPECT_EQ(p.substr(p.size() - 4), ";IN;");
        // Each full hour is labelled 240 k left of its first sample.
        const std::regex label(";PU (-?\\d+) (-?\\d+);LB12\x03;PU (-?\\d+) (-?\\d+)");
        std::smatch m;
        ASSERT_TRUE(std::regex_search(p, m, label));
        EXPECT_EQ(std::stol(m[3]) - std::stol(m[1]), 240 * k);
        EXPECT_EQ(m[2], m[4]);
    }
}

TEST(HoehenuhrHpgl, AltitudeDialGoldenFragmentsInBothLayouts)
{
    struct Fall {
        int monatsskala, skala;
        const char* fenster;
        const char* wand;
        const char* monat; // the first month label
    };
    const Fall faelle[] = {
        {0, 120, ";IW 160 3300 5200 10500", ";IW 160 2300 5200 3300", ";PU 662 10520;LBJul\x03"},
        {1, 120, ";IW 160 3300 5213 10500", ";IW 160 2300 5213 3300", ";PU 400 10760;LBJan\x03"},
        {0, 60, ";IW 160 3300 2800 10500", ";IW 160 2300 2800 3300", ";PU 531 10520;LBJ\x03"},
        {1, 60, ";IW 160 3300 2807 10500", ";IW 160 2300 2807 3300", ";PU 400 10590;LBJ\x03"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(::testing::Message() << f.monatsskala << " " << f.skala);
        AppState s = zustand('k');
        s.Schalter.Monatsskala = static_cast<std::uint8_t>(f.monatsskala);
        s.SkalaHidokai = f.skala;
        const std::string p = plot(s, false, 25);
        EXPECT_EQ(p.rfind("IN;VS 1;PA;;SP 1;PU 110 10500;PD 250 10500 180 10500 180 9500 110 9600 250 9600 180 9500;", 0),
                  0u);
        EXPECT_TRUE(enthaelt(p, ";SP 4;SI  0.30, 0.45;PU 1000 11150;LBH\xF6hensonnenuhr (horiz.)\x03"));
        EXPECT_TRUE(enthaelt(p, f.fenster));
        EXPECT_TRUE(enthaelt(p, f.wand));
        EXPECT_TRUE(enthaelt(p, f.monat));
        EXPECT_FALSE(std::regex_search(p, std::regex(";PU -?\\d+;LB"))) << "a label without its y";
        EXPECT_EQ(p.substr(p.size() - 4), ";IN;");
        // The DXF intermediate of the altitude dial is the plot itself.
        AppState dxf = s;
        dxf.AlsHPGL = 0;
        EXPECT_EQ(plot(dxf, false, 25), p);
    }
}

TEST(HoehenuhrHpgl, FoldedCylinderBelow183MillimetresGetsTwoCopies)
{
    for (const auto& [laenge, kopien] : {std::pair{182, 2u}, std::pair{183, 1u}}) {
        AppState s = zustand('z');
        s.SkalaZylinder = laenge;
        const std::string p = plot(s, true, 70);
        EXPECT_EQ(anzahl(p, ";SP 1;PU 400 10250;PD"), 1u) << laenge;
        EXPECT_EQ(anzahl(p, ";IW;SP 1;PU 8350 10250;PD"), kopien - 1) << laenge; // not cut by the first copy's window
    }
}

// The noon curve's plotted points stand where the shadow falls: P tan h below the base line on
// the cylinder, P cot h on the altitude dial's plate (plotter units, y up).
TEST(HoehenuhrHpgl, NoonCurvePointsStandWhereTheShadowFalls)
{
    for (double breite : {47.25, -33.87})
    for (const bool zylinder : {true, false}) {
        SCOPED_TRACE(breite);
        AppState s = zustand(zylinder ? 'z' : 'k');
        s.Par.Breite = breite;
        SchiefeUndTierkreis(s, s.Par.Jahr);
        s.Schalter.Monatsskala = 1;
        s.Zeiten.QuadVon = s.Zeiten.QuadBis = 12;
        s.SkalaZylinder = s.SkalaHidokai = 200;
        const std::string p = plot(s, zylinder, zylinder ? 70 : 25);
        const std::size_t anfang = p.find(";SP 2"), ende = p.find(";LT;", anfang);
        ASSERT_NE(anfang, std::string::npos);
        const double P = (zylinder ? 70 : 25) * 40.0, y0 = zylinder ? 10250 : 10500;
        const double tagSchritt = 200 * 40.0 / (TagImJahr(s.Par.Jahr, 12, 31) - 1);
        int geprueft = 0;
        std::string kurve = p.substr(anfang, ende - anfang); // without its number's move and label
        for (std::size_t lb; (lb = kurve.find(";LB")) != std::string::npos;)
            kurve.erase(kurve.rfind(";PU", lb), kurve.find('\x03', lb) + 1 - kurve.rfind(";PU", lb));
        for (const test::PlotPunkt& q : test::plotPunkte(kurve)) {
            const double tag = 1 + (q.x - 400) / tagSchritt;
            if (q.x < 400 || std::fabs(tag - std::round(tag)) > 0.2 || (zylinder && y0 - q.y >= 9600))
                continue; // a cut at the window's edge (the cylinder's is 9600 deep)
            const auto r = test::sonneOrtszeit(s.Par.Jahr, static_cast<std::int32_t>(std::lround(tag)), 12,
                                               s.Par.Breite, s.Par.Laenge);
            const double tiefe = zylinder ? test::zylinderSchatten(r, P) : test::kantenSchatten(r, P);
            EXPECT_NEAR(y0 - q.y, tiefe, 0.51) << "day " << tag;
            ++geprueft;
        }
        EXPECT_GT(geprueft, 90) << zylinder;
    }
}

// With the equation of time a short folded scale is split into the morning at 100 k and the
// afternoon at 8350 k; a long one stays whole and says it had better be split.
TEST(HoehenuhrHpgl, FoldedCylinderWithEquationOfTimeSplitsTheDayOrSaysSo)
{
    struct Fall {
        int laenge, von, bis;
        bool geteilt, hinweis;
    };
    for (const Fall& f : {Fall{182, 9, 16, true, false}, Fall{183, 9, 16, false, true}, Fall{183, 13, 16, false, false}}) {
        AppState s = zustand('z');
        s.SkalaZylinder = f.laenge;
        s.Schalter.MitZeitglZylinder = 1;
        s.Zeiten.QuadVon = f.von;
        s.Zeiten.QuadBis = f.bis;
        test::ScriptedPrompt frage;
        const std::string p = plot(s, true, 70, &frage);
        SCOPED_TRACE(f.laenge);
        EXPECT_EQ(enthaelt(p, ";SP 1;PU 100 10250;PD"), f.geteilt);
        EXPECT_EQ(enthaelt(p, ";SP 1;PU 8350 10250;PD"), f.geteilt);
        EXPECT_EQ(enthaelt(p, ";SP 1;PU 400 10250;PD"), !f.geteilt);
        ASSERT_EQ(frage.asked.size(), f.hinweis ? 1u : 0u);
        if (f.hinweis) {
            EXPECT_EQ(frage.asked[0].title, PromptTitle::Information);
            EXPECT_TRUE(enthaelt(frage.asked[0].text, "in 2 Teilen"));
        }
    }
}

// Local time without the equation of time keeps the longer side of noon: 8 to 17 writes only
// 12 to 17.
TEST(HoehenuhrHpgl, NoonRuleLeavesTheShorterSide)
{
    AppState s = zustand('z');
    s.SkalaZylinder = 200;
    s.Zeiten.QuadVon = 8;
    s.Zeiten.QuadBis = 17;
    const std::string p = plot(s, true, 70);
    for (int h = 8; h <= 17; ++h)
        EXPECT_EQ(enthaelt(p, ";LB" + std::to_string(h) + "\x03"), h >= 12) << h;
}

TEST(HoehenuhrHpgl, TemporalHoursBeyond65DegreesRefuseByTheDialsOwnFlag)
{
    struct Fall {
        bool zylinder;
        int anzeige, kurven;
        bool verweigert;
    };
    for (const Fall& f : {Fall{false, 1, 0, true}, Fall{false, 0, 1, false}, Fall{true, 0, 1, true},
                          Fall{true, 1, 0, false}}) {
        AppState s = zustand(f.zylinder ? 'z' : 'k');
        s.Par.Breite = -66;
        s.Schalter.TemporalAnzeige = static_cast<std::uint8_t>(f.anzeige);
        s.Schalter.Temporalstunden = static_cast<std::uint8_t>(f.kurven);
        HPGLDatei d;
        d.oeffnenImSpeicher();
        test::ScriptedPrompt frage;
        const std::string nein = schreibeHoehenuhrHPGL(s, d, frage, {25, f.zylinder});
        EXPECT_EQ(nein.empty(), !f.verweigert);
        EXPECT_EQ(d.inhalt().empty(), f.verweigert);
        EXPECT_EQ(hoehenuhrPlotVerweigerung(s, f.zylinder), nein);
    }
}

TEST(HoehenuhrHpgl, EveryPlotPassesHp2xxAndItsDxfPassesEzdxf)
{
    struct Fall {
        const char* name;
        char typ;
        int monatsskala, alsHpgl, skala;
        bool temporal, italBab, hoehe, zeitgl;
    };
    const Fall faelle[] = {
        {"k_gefaltet", 'k', 0, 1, 120, false, false, false, false},
        {"k_nebeneinander", 'k', 1, 1, 60, false, false, false, true},
        {"k_temporal", 'k', 1, 1, 120, true, false, false, false},
        {"z_gefaltet_k1", 'z', 0, 1, 182, true, true, true, false},
        {"z_gefaltet_k25", 'z', 0, 0, 270, false, true, true, true},
        {"z_nebeneinander_k1", 'z', 1, 1, 200, true, true, true, false},
        {"z_nebeneinander_k25", 'z', 1, 0, 120, false, false, true, true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        AppState s = zustand(f.typ);
        s.ExpertenModusStart = 1;
        s.Schalter.Monatsskala = static_cast<std::uint8_t>(f.monatsskala);
        s.AlsHPGL = static_cast<std::uint8_t>(f.alsHpgl);
        s.SkalaZylinder = s.SkalaHidokai = f.skala;
        s.Schalter.TemporalAnzeige = f.typ == 'k' && f.temporal;
        s.Schalter.Temporalstunden = f.typ == 'z' && f.temporal;
        s.Schalter.Italienisch = s.Schalter.Babylonisch = f.italBab;
        s.Schalter.Sonnenhoehe = f.hoehe;
        s.Schalter.MitZeitglZylinder = f.zeitgl;
        s.Schalter.Stiftbreite = 2;
        s.Schalter.StundenIntervallSonst = '1';
        test::pruefeMitLesern(plot(s, f.typ == 'z', f.typ == 'z' ? 70 : 25), f.name,
                              40.0 * (f.typ == 'z' && !f.alsHpgl ? 25 : 1));
    }
}

// In local time without the equation of time the morning and the afternoon curves of equal
// distance from noon are one curve: the horizontal altitude dial draws and numbers the longer
// side of noon only, on the screen and in the plot; in zone time it draws both sides.
TEST(HoehenuhrHpgl, AltitudeDialKeepsTheLongerSideOfNoonOnScreenAndInThePlot)
{
    for (bool ortszeit : {true, false}) {
        AppState s = zustand('k');
        s.Schalter.Ortszeit = ortszeit;
        s.Zeiten.QuadVon = 10;
        s.Zeiten.QuadBis = 18;
        s.Zeiten.EotBis = 24;
        const std::string p = plot(s, false, 25);
        RecordingCanvas c(1200, 800);
        zeichneHidokei(s, c, {1200, 800, true, 25});
        const std::vector<std::string> texte = c.texts();
        for (int h = 10; h <= 18; ++h) {
            SCOPED_TRACE(::testing::Message() << ortszeit << " " << h);
            const bool gezeichnet = !ortszeit || h >= 12;
            EXPECT_EQ(enthaelt(p, ";LB" + std::to_string(h) + "\x03"), gezeichnet);
            EXPECT_EQ(std::count(texte.begin(), texte.end(), std::to_string(h)), gezeichnet ? 1 : 0);
        }
    }
}

// The shepherd's plot holds its month axis at 250 mm, as the screen and the page do, with the
// same note; an axis of 250 mm or less is drawn as entered, each copy of it once, on a short one
// with the month names that clear each other.
TEST(HoehenuhrHpgl, ShepherdsPlotHoldsTheMonthAxisAsThePageDoes)
{
    for (int laenge : {0, 5, 100, 200, 250, 251, 270}) {
        SCOPED_TRACE(laenge);
        AppState s = zustand('z');
        s.SkalaZylinder = laenge;
        const std::string p = plot(s, true, 70);
        const int gezeichnet = std::min(laenge, 250);
        EXPECT_TRUE(enthaelt(p, ";IW 160 3587 " + std::to_string(400 + 40 * gezeichnet) + " 10250"));
        EXPECT_EQ(enthaelt(p, "LBhorizontale Monatsachse zu gro\xDF, wurde verkleinert\x03"), laenge > 250);
        // With temporal hours beside the clock hours both stand on one scale, written once.
        s.Schalter.Temporalstunden = 1;
        const auto juli = [](const std::string& t) {
            std::size_t n = 0;
            for (std::size_t i = t.find("LBJul"); i != std::string::npos; i = t.find("LBJul", i + 1))
                ++n;
            return n;
        };
        EXPECT_EQ(juli(plot(s, true, 70)), juli(p));
        for (const test::Befund& b : test::pruefePlotLayout(p, test::plotSeite(p)))
            EXPECT_NE(b.art, test::Befundart::Ueberdeckung) << b.meldung;
    }
}

// Each month label of the shepherd's plot stands at the date it names: on the date line under
// it the noon curve drops P tan h, h the noon altitude for the sun's declination on the first
// of that month (the almanac's formulas), folded and side by side, north and south.
TEST(HoehenuhrHpgl, ShepherdsMonthLabelsStandAtTheDateTheirNoonShadowNames)
{
    for (double breite : {47.25, -33.87}) {
        for (int monatsskala : {0, 1}) {
            SCOPED_TRACE(::testing::Message() << breite << " scale " << monatsskala);
            AppState s = zustand('z');
            s.Par.Breite = breite;
            s.Par.Jahr = 2021;
            SchiefeUndTierkreis(s, s.Par.Jahr);
            s.Schalter.Monatsskala = static_cast<std::uint8_t>(monatsskala);
            s.Zeiten.QuadVon = s.Zeiten.QuadBis = 12;
            s.SkalaZylinder = 200;
            const std::string p = plot(s, true, 70);
            const double y0 = 10250;
            std::map<double, double> mittag; // the noon curve: drop by x
            const std::size_t anfang = p.find(";SP 2"), ende = p.find(";LT;", anfang);
            for (const test::PlotPunkt& q : test::plotPunkte(p.substr(anfang, ende - anfang)))
                if (q.x >= 400)
                    mittag[q.x] = y0 - q.y;
            ASSERT_GT(mittag.size(), 20u);
            double tiefe = 0; // the deepest the curve goes: the scale's lower edge where it is cut
            for (const auto& punkt : mittag)
                tiefe = std::max(tiefe, punkt.second);
            int geprueft = 0;
            for (const test::PlotText& t : test::plotTexte(p)) {
                const auto buchstabe = [](unsigned char c) { return std::isalpha(c) != 0; };
                if (t.text.size() != 3 || !std::all_of(t.text.begin(), t.text.end(), buchstabe) || t.an.y != y0 + 300)
                    continue; // not a month, or the folded scale's other half year, written above
                const int monat = test::monatVonKuerzel(t.text);
                ASSERT_NE(monat, 0) << t.text;
                const double erwartet = test::mittagsFallAmErsten(s.Par.Jahr, TagImJahr(s.Par.Jahr, monat, 1), breite,
                                                                   s.Par.Laenge, 70 * 40.0);
                if (erwartet >= tiefe)
                    continue; // the curve is cut at the scale's lower edge there
                const std::optional<double> fall = test::aufKurve(mittag, t.an.x);
                ASSERT_TRUE(fall) << t.text;
                EXPECT_NEAR(*fall, erwartet, 8) << t.text;
                ++geprueft;
            }
            EXPECT_GE(geprueft, monatsskala ? 8 : 4);
        }
    }
}
