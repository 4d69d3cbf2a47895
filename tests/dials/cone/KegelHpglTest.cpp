// The cone dial's two plots: golden files of the dial on three planes and of the cone sheet
// at both scales, fragments checked by hand, the files read by hp2xx and, converted, by
// ezdxf; the sheet's development against solid geometry; refusals and the grid answer.
#include "core/HPGLDatei.h"
#include "core/Sonne.h"
#include "core/State.h"
#include "core/Zahlenformat.h"
#include "dials/cone/KegelBlatt.h"
#include "dials/cone/KegelHpgl.h"
#include "drawing/HpglNachDxf.h"
#include "support/ExportPruefung.h"
#include "support/GoldenDatei.h"
#include "support/PlotLeser.h"
#include "core/Sprachdienst.h"
#include "support/ScriptedPrompt.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <unistd.h>

using namespace umbrin;
namespace fs = std::filesystem;

namespace {

constexpr double kGrad = M_PI / 180;

AppState zustand(bool alsHpgl, std::uint8_t ebene, char datum)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'm';
    s.Par.Jahr = 2021;
    SchiefeUndTierkreis(s, s.Par.Jahr);
    s.AlsHPGL = alsHpgl;
    s.Schalter.Ebene = ebene;
    s.Schalter.Datumslinien = datum;
    s.Par.Wandabweichung = -20;
    s.Par.Inklination = 60;
    s.LegendeGesetzt = 1;
    s.LegendeX = 600;
    s.LegendeY = 2200;
    return s;
}

std::string uhrPlot(const AppState& s, test::ScriptedPrompt& frage)
{
    HPGLDatei d;
    d.oeffnenImSpeicher();
    const std::string nein =
        hpglKegelUhr(s, d, frage, "dialCone.plt", s.LegendeX, s.LegendeY, s.Schalter.Ebene, s.Par.Gnomonhoehe * s.Zoom);
    EXPECT_EQ(nein, "");
    return d.inhalt();
}

std::string blattPlot(const AppState& s)
{
    HPGLDatei d;
    d.oeffnenImSpeicher();
    EXPECT_EQ(hpglKegel(s, d, 12, s.Par.Gnomonhoehe * s.Zoom), "");
    return d.inhalt();
}

fs::path golden(const std::string& name)
{
    return fs::path(UMBRIN_SOURCE_DIR) / "tests/dials/cone/golden" / (name + ".plt");
}

struct GoldenFall {
    const char* name;
    bool blatt;
    std::uint8_t ebene;
    char datum;
    int k;
};
const GoldenFall goldenFaelle[] = {
    {"horizontal_k1", false, 0, '0', 1},   {"horizontal_k25", false, 0, '0', 25},
    {"vertikal_k1", false, 1, '2', 1},     {"vertikal_k25", false, 1, '2', 25},
    {"inklinierend_k1", false, 2, '0', 1}, {"inklinierend_k25", false, 2, '2', 25},
    {"kegel_k1", true, 0, '0', 1},         {"kegel_k25", true, 0, '0', 25},
};

std::string plotVon(const GoldenFall& f)
{
    const AppState s = zustand(f.k == 1, f.ebene, f.datum);
    test::ScriptedPrompt frage;
    frage.answers.push_back(PromptAnswer::No); // no grid
    return f.blatt ? blattPlot(s) : uhrPlot(s, frage);
}

// Vector geometry of the cone: apex L sin psi above S, axis towards A.
double erzeugendenLaenge(double L, double psi, double alfa, double u)
{
    const double cp = std::cos(psi * kGrad), sp = std::sin(psi * kGrad);
    // Axis from the apex down to A, and two unit vectors across it.
    const double ax[3] = {0, -cp, -sp};
    const double n1[3] = {0, -sp, cp}; // in the axial plane
    const double n2[3] = {1, 0, 0};
    double g[3];
    for (int i = 0; i < 3; ++i)
        g[i] = std::cos(alfa * kGrad) * ax[i]
               + std::sin(alfa * kGrad) * (std::cos(u * kGrad) * n1[i] + std::sin(u * kGrad) * n2[i]);
    return L * sp / -g[2];
}

} // namespace

TEST(KegelHpgl, PlotsMatchTheirGoldenFiles)
{
    for (const GoldenFall& f : goldenFaelle)
        test::vergleicheMitGolden(plotVon(f), golden(f.name));
}

TEST(KegelHpgl, HandCheckedFragmentsAndNoEpilog)
{
    struct Fall {
        const char* name;
        std::vector<std::string> stuecke;
        std::string ende;
    } faelle[] = {
        {"horizontal_k1",
         {"IN;VS 1;PA;IW 0 0 16157 11038;SP 4;PU 0 0;EA 16157 11038;PU 0 0;SI  0.22, 0.32;SP 1;PU 8100 4000;PD 8300 "
          "4000;PU 8200 3900;PD 8200 4100;PU 8200 4000;CI 30 1",
          ";LBA\x03", ";LBS\x03", ";SP 3;SI   0.24   0.32",
          ";SP 4;PU     60    192;LBKegelkonstruktion (Querschnitt, Mantel) in Datei dialCone.plt\x03",
          ";SP 4;SP 4;PU 600 2200;SI  0.26, 0.40;;LBSonnenuhr f\xfcr mittlere Zeit (Ortszeit)\x03",
          ";SI  0.20, 0.30; PU 600 1900;LBGeogr. Breite =  47.25 Grad, Geogr. L\xe4nge =  -9.59 Grad\x03",
          ";PU 600 1690;LBhorizontal\x03", ";PU 600 1480;LBKegelachse: L\xe4nge= 35.00; Achsenneigung= 47.25\x03",
          ";PU 600 1270;LBHalber Oeffnungswinkel an Kegelspitze: 12.00\x03"},
         ";PU 15580 256;LBS\x03"},
        {"horizontal_k25",
         {"IN;VS 1;PA;IW 0 0 403925 275950;SP 4;PU 0 0;EA 403925 275950;PU 0 0;SI  5.50, 8.00;SP 1;", ";SP 6",
          ";PU 15000 55000;SI  6.50,10.00;;LB"},
         ";PU 389500 6400;LBS\x03"},
        {"vertikal_k1", {";SP 7", ";LBvertikal, S\xfc" "dabweichung= -20.00 Grad\x03"}, ";LBS\x03"},
        {"kegel_k1", {"IN;VS 1;PA;{IW 0 0 16157 11038;}PU 0 0;EA 16157 11038;SI  0.22, 0.32;SP 12;PU "},
         ";LBKegel-Querschnitt\x03"},
        {"kegel_k25", {"IN;VS 1;PA;{IW 0 0 403925 275950;}PU 0 0;EA 403925 275950;SI  5.50, 8.00;SP 12;PU "},
         ";LBKegel-Querschnitt\x03"},
    };
    for (const Fall& f : faelle) {
        const std::string plot = test::dateiText(golden(f.name));
        for (const std::string& s : f.stuecke)
            EXPECT_NE(plot.find(s), std::string::npos) << f.name << ": " << s;
        ASSERT_GE(plot.size(), f.ende.size());
        EXPECT_EQ(plot.substr(plot.size() - f.ende.size()), f.ende) << f.name;
        EXPECT_EQ(plot.find(";IN;"), std::string::npos) << f.name;
    }
    // The legend's axis line in English: one line, as on the screen.
    AppState s = zustand(true, 0, '0');
    setzeSprache(s, false);
    test::ScriptedPrompt frage;
    frage.answers.push_back(PromptAnswer::No);
    const std::string plot = uhrPlot(s, frage);
    EXPECT_NE(plot.find(";PU 600 1690;LBhorizontal\x03;PU 600 1480;LBCone Axis Length= 35.00; Axis Inclination= 47.25\x03"),
              std::string::npos);
}

TEST(KegelHpgl, GoldenPlotsAreReadByHp2xxAndTheirDxfByEzdxf)
{
    for (const GoldenFall& f : goldenFaelle)
        test::pruefeMitLesern(test::dateiText(golden(f.name)), f.name, 40.0 * f.k);
}

TEST(KegelHpgl, SheetDevelopsTheConeSurface)
{
    // Worked values: the default cone (35 mm, 47.25, 12) and an upright one.
    EXPECT_NEAR(kegelMantelRadius(1400, 47.25, 12, 0), 1781.3, 0.05);
    EXPECT_NEAR(kegelMantelRadius(1400, 90, 12, 0), 1431.3, 0.05);
    struct Fall {
        double psi, alfa;
    };
    for (const Fall f : {Fall{47.25, 12}, Fall{60, 10}, Fall{90, 15}, Fall{130, 20}}) {
        SCOPED_TRACE(f.psi);
        const double psiR = f.psi < 90 ? f.psi : 180 - f.psi;
        // The developed angle theta belongs to the generator theta / sin(alfa) round the axis,
        // counted from the longest one.
        const double sa = std::sin(f.alfa * kGrad);
        for (double th = -180 * sa; th <= 180 * sa; th += 7)
            EXPECT_NEAR(kegelMantelRadius(1000, f.psi, f.alfa, th), erzeugendenLaenge(1000, psiR, f.alfa, th / sa), 1e-6)
                << th;
    }

    // The outline on the sheet spans 360 sin(alfa) about the apex, with rho0 at angle 0.
    const std::string plot = test::dateiText(golden("kegel_k1"));
    const std::vector<test::PlotPunkt> p = test::plotPunkte(plot);
    ASSERT_GT(p.size(), 80u);
    const test::PlotPunkt o = p[1]; // after the header's PU 0 0
    std::size_t letzter = 2;
    while (letzter + 1 < p.size() && !(p[letzter + 1].x == o.x && p[letzter + 1].y == o.y))
        ++letzter;
    const double anfang = std::atan2(p[2].y - o.y, p[2].x - o.x) / kGrad;
    const double ende = std::atan2(p[letzter].y - o.y, p[letzter].x - o.x) / kGrad;
    EXPECT_NEAR(anfang - ende, 74.85, 0.1);
    EXPECT_NEAR(std::hypot(p[2].x - o.x, p[2].y - o.y), kegelMantelRadius(1400, 47.25, 12, 180 * std::sin(12 * kGrad)),
                1.0);
}

TEST(KegelHpgl, RefusedConeWritesNothingAndAGridAnswerOfZeroGivesTenMillimetres)
{
    for (const bool blatt : {false, true}) {
        AppState s = zustand(true, 0, '0');
        s.Par.KegelNeigung = 30;
        s.Par.KegelOeffnung = 30;
        HPGLDatei d;
        d.oeffnenImSpeicher();
        test::ScriptedPrompt frage;
        const std::string nein =
            blatt ? hpglKegel(s, d, 12, 35) : hpglKegelUhr(s, d, frage, "x", 0, 0, 0, 35);
        EXPECT_NE(nein.find("Eingabefehler"), std::string::npos);
        EXPECT_EQ(d.inhalt(), "");
        EXPECT_TRUE(frage.asked.empty());
    }

    AppState s = zustand(true, 0, '0');
    test::ScriptedPrompt frage;
    frage.answers.push_back(PromptAnswer::Yes);
    frage.textAnswers.push_back("0");
    const std::string plot = uhrPlot(s, frage);
    const std::size_t netz = plot.find(";IW 0 0 16150 11030;SP 9;PU ");
    ASSERT_NE(netz, std::string::npos);
    std::smatch m;
    const std::string rest = plot.substr(netz);
    ASSERT_TRUE(std::regex_search(rest, m, std::regex(R"(CI 80;PU (\d+) \d+;PD \d+ \d+;PU (\d+) )")));
    EXPECT_EQ(std::stoi(m[2]) - std::stoi(m[1]), 400);
}

// Whether the footprint as the plot writes it (the first polyline after the foot's circle,
// "CI r 1") has a point on or beyond the edge of the plotter's window.
namespace {
bool grundrissUeberRand(const std::string& plot)
{
    std::smatch kreis;
    if (!std::regex_search(plot, kreis, std::regex(R"(;CI \d+ 1;)")))
        return false;
    const std::size_t pd = plot.find(";PD ", static_cast<std::size_t>(kreis.position(0)));
    std::istringstream zahlen(plot.substr(pd + 4, plot.find(';', pd + 4) - pd - 4));
    double x = 0, y = 0;
    bool ueber = false;
    while (zahlen >> x >> y)
        ueber = ueber || x <= 0 || y <= 0 || x >= 16157 || y >= 11038;
    return ueber;
}
} // namespace

TEST(KegelHpgl, SaysInTheUsersLanguageOnlyWhenTheFootprintOrTheMarksLeaveThePlotSheet)
{
    // A long axis takes the marks over the edge; a foot near the left edge only the footprint.
    // A DXF drawing has no sheet: nothing to say.
    struct Fall {
        bool alsHpgl;
        double achse;
        int fussX; // 0: placed by latitude
        bool warnung;
        bool kegelblatt = false; // the warning names the cone's own sheet too: its development is larger than its sheet
    };
    for (const Fall f : {Fall{true, 35, 0, false}, Fall{true, 500, 0, true, true}, Fall{true, 35, 150, true},
                         Fall{false, 500, 0, false}, Fall{false, 35, 150, false}})
        for (const bool deutsch : {false, true}) {
            AppState s = zustand(f.alsHpgl, 0, '0');
            setzeSprache(s, deutsch);
            s.Par.Gnomonhoehe = f.achse;
            s.FusspunktGesetzt = f.fussX != 0;
            s.FusspunktX = f.fussX;
            s.FusspunktY = 5500;
            test::ScriptedPrompt frage;
            const std::string plot = uhrPlot(s, frage);
            if (f.alsHpgl && f.fussX != 0)
                EXPECT_TRUE(grundrissUeberRand(plot)) << "the footprint as written stays on the sheet";
            std::string gesagt;
            for (const test::ScriptedPrompt::Frage& q : frage.asked)
                gesagt += q.icon == PromptIcon::Warning ? q.text : "";
            const std::string blatt = deutsch ? "Plotblatt" : "plot sheet";
            EXPECT_EQ(gesagt.find(blatt) != std::string::npos, f.warnung) << f.achse << " mm, foot " << f.fussX << ": " << gesagt;
            EXPECT_EQ(gesagt.find(deutsch ? "Das Kegelblatt \"" : "The cone's sheet \"") != std::string::npos, f.kegelblatt) << gesagt;
            // That sheet is plotted reduced onto its sheet, at the scale the warning and the sheet
            // name; the DXF drawing keeps the full size.
            const double teiler = kegelBlattTeiler(s, f.achse);
            EXPECT_EQ(teiler > 1, f.kegelblatt);
            const std::string massstab = "1 : " + RealStr(teiler, 1, 1);
            EXPECT_EQ(gesagt.find(massstab) != std::string::npos, f.kegelblatt) << gesagt;
            if (f.kegelblatt) {
                const std::string blatt = blattPlot(s);
                EXPECT_NE(blatt.find(massstab + "\x03"), std::string::npos);
                for (const test::PlotStrich& st : test::plotStriche(blatt))
                    for (const test::PlotPunkt& p : st.punkte)
                        EXPECT_TRUE(p.x >= 0 && p.y >= 0 && p.x <= 16157 && p.y <= 11038) << p.x << " " << p.y;
            }
        }
}
