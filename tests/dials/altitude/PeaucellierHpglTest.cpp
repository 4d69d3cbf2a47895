// The Peaucellier plot: golden files at both scales with fragments checked by hand, read by a
// real HPGL reader, converted to DXF and audited by a real DXF reader, refused where the dial
// cannot be drawn.
#include "core/HPGLDatei.h"
#include "core/State.h"
#include "dials/altitude/PeaucellierHpgl.h"
#include "drawing/DxfKopf.h"
#include "support/GoldenDatei.h"
#include "support/Layoutpruefung.h"
#include "support/PlotLeser.h"
#include "support/Zahl.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>

using namespace umbrin;
namespace fs = std::filesystem;

namespace {

fs::path goldenOrdner() { return fs::path(UMBRIN_SOURCE_DIR) / "tests" / "dials" / "altitude" / "golden"; }

AppState zustand(double breite, double p)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'p';
    s.Par.Breite = breite;
    s.Par.PeauParameter = p;
    s.FusspunktX = 5000; // plotter units, as the export hands them in
    s.FusspunktY = 5240;
    s.Schalter.StundenIntervallSonst = '1';
    return s;
}

std::string schreibe(const AppState& s, bool alsHPGL, std::string* nein = nullptr)
{
    HPGLDatei plot;
    plot.oeffnenImSpeicher();
    const std::string r = hpglPeaucellierSU(s, plot, s.Par.Einheit, alsHPGL);
    if (nein)
        *nein = r;
    return plot.inhalt();
}

const struct Fall {
    const char* name;
    double phi, p;
    bool alsHPGL;
} faelle[] = {
    {"peaucellier_k1", 47.25, -0.8749, true},
    {"peaucellier_k25", 47.25, -0.8749, false},
    {"peaucellier_sued_k1", -40.0, 0.6, true},
};

} // namespace

TEST(PeaucellierHpgl, PlotsMatchTheirGoldenFiles)
{
    for (const Fall& f : faelle)
        test::vergleicheMitGolden(schreibe(zustand(f.phi, f.p), f.alsHPGL), goldenOrdner() / (std::string(f.name) + ".plt"));
}

TEST(PeaucellierHpgl, FragmentsCheckedByHand)
{
    const std::string k1 = test::goldenText(goldenOrdner(), "peaucellier_k1");
    const std::string k25 = test::goldenText(goldenOrdner(), "peaucellier_k25");
    const std::string sued = test::goldenText(goldenOrdner(), "peaucellier_sued_k1");
    test::erwarteStuecke({
        {k1, "IN;VS 1;PA;IW 0 0 16400 11480;PU 0 0;EA 16400 11480;;SP 4;PU 0 0;"},
        {k1, ";PU;SI  0.24, 0.36;PU 820 11250;LBHybride Peaucellier-Sonnenuhr, azimutal\x03;SI  0.18, 0.27"},
        // The foot mark: a circle of (16400 / 20) / 9 = 91 units and its cross.
        {k1, ";PU 5000 5240;CI 91 ,0.2;PU 4909 5240;PD 5091 5240;PU 5000 5149;PD 5000 5331"},
        {k1, ";DI    0.9,-100.0;LB"},
        {k1, "\x03;DI 100.0,0.0"},
        // The equinox line at 40 x 32 = 1280 units from the axis, pen 6, begun on the
        // afternoon side below the axis (y counts down the sheet as on the screen).
        {k1, ";SP 6;PU "},
        {k1, " 3960;PD "},
        // Seven hours from noon on the summer line: the afternoon's shadow falls east, below
        // the axis, its "7" 200 units further down; the morning's " 5" 260 above the upper end.
        {k1, ";SP 3;PU 3966 3178;PD 4409 3621;SP 4;SI  0.20  0.30;PU 3963 2978;DI    0.9,-100.0;LB7\x03"},
        {k1, ";SP 3;PU 3966 7302;PD 4409 6859;SP 4;SI  0.20  0.30;PU 3963 7562;DI    0.9,-100.0;LB 5\x03"},
        // The legend gives the unit drawn; the latitude beside it, the sheet being too short
        // for one line.
        {k1, "LBMittenabstand der Fr\xFChlings-Datumslinie= 32; Peaucellier Konstante = -0.8749;\x03"},
        {k1, ";PU 70 10447;DI    0.9,-100.0;LBGeogr. Breite = 47.25\x03"},
        {k1, ";SI  0.20  0.30;SP 3;PU "},
        {k25, "IN;VS 1;PA;IW 0 0 410000 287000;PU 0 0;EA 410000 287000;;SP 4;PU 0 0;"},
        {k25, ";PU;SI  6.00, 9.00;PU 20500 281260;"},
        {k25, ";PU 125000 131000;CI 2277 ,0.2;"},
        {k25, " 99000;PD "}, // 131000 - 25 x 1280
        {sued, ";LB S\x03"},
        {sued, "Geogr. Breite = 40.00\x03"},
    });
    for (const std::string* p : {&k1, &k25, &sued}) {
        const std::regex hemisphaere("LB ?N\x03"); // named once, beside the arrow's tip
        EXPECT_EQ(std::distance(std::sregex_iterator(p->begin(), p->end(), hemisphaere), {}), p == &sued ? 0 : 1);
        EXPECT_EQ(p->rfind(";IW;IN;"), p->size() - 7);
        EXPECT_EQ(p->find("nan"), std::string::npos);
    }
}

TEST(PeaucellierHpgl, EveryPlotPassesHp2xxAndItsDxfPassesEzdxf)
{
    for (const Fall& f : faelle) {
        const test::LeserBefund b = test::pruefeMitLesern(test::goldenText(goldenOrdner(), f.name), f.name, f.alsHPGL ? 40.0 : 1000.0);
        EXPECT_TRUE(b.info.empty()) << f.name << ": " << (b.info.empty() ? "" : b.info.front());
    }
    // A unit of 150 draws far past the sheet: the header read back from the written file names
    // extents and limits that hold every entity (circles and arcs whole), and no more than them.
    AppState s = zustand(47.25, -0.8749);
    s.Par.Einheit = 150;
    const std::string dxf = test::pruefeMitLesern(schreibe(s, false), "peaucellier_150", 1000.0).dxf;
    double x = 0, y = 0;
    for (const umbrin::testing::DxfSatz& e : umbrin::testing::dxfEntitaeten(dxf)) {
        const double r = e.typ == "CIRCLE" || e.typ == "ARC" ? e.zahl(40) : 0;
        x = e.wert(10).empty() ? x : std::max(x, e.zahl(10) + r);
        y = e.wert(20).empty() ? y : std::max(y, e.zahl(20) + r);
    }
    const std::vector<std::string> z = umbrin::testing::dxfZeilen(dxf);
    for (const char* kopf : {"$EXTMAX", "$LIMMAX"}) {
        const std::size_t i = std::find(z.begin(), z.end(), kopf) - z.begin() + 2;
        EXPECT_TRUE(x > kDxfBlattBreiteMm + 100 && test::zahl(z[i]) >= x && test::zahl(z[i + 2]) >= y
                    && test::zahl(z[i]) + test::zahl(z[i + 2]) < x + y + 20) << kopf << " " << z[i] << " " << z[i + 2] << ": " << x << " " << y;
    }
}

TEST(PeaucellierHpgl, RefusesWhatItCannotDrawAndWritesNothing)
{
    const struct {
        double phi, p;
        bool verweigert;
    } faelle[] = {
        {28.0, -0.8749, true},  {-28.0, -0.8749, true}, {28.5, -0.8749, true},  {29.0, -0.8749, false},
        {67.0, -0.8749, true},  {47.25, 2.4, true},     {47.25, 0.0, false},
    };
    for (const auto& f : faelle) {
        AppState s = zustand(f.phi, f.p);
        std::string nein;
        const std::string plot = schreibe(s, true, &nein);
        EXPECT_EQ(!nein.empty(), f.verweigert) << f.phi << " " << f.p;
        EXPECT_EQ(peaucellierPlotHindernis(s), nein);
        if (f.verweigert) {
            EXPECT_TRUE(plot.empty());
        }
    }
    // A foot not placed is put at 35 % of the width before the foot mark is drawn.
    AppState s = zustand(47.25, -0.8749);
    s.FusspunktX = 0;
    s.FusspunktY = 0;
    EXPECT_NE(schreibe(s, true).find(";PU 5740 5740;CI 91 ,0.2"), std::string::npos);
}

// A dial too large for the plot sheet is written with the largest unit that fits named; written
// with that unit every stroke of it lies on the sheet (read back from the plot), at latitudes
// where the sheet's height, not its width, sets the unit.
TEST(PeaucellierHpgl, TheAdvisedUnitFitsTheSheet)
{
    for (const double breite : {30.0, 47.25, 55.0, 60.0, -40.0}) {
        AppState s = zustand(breite, -0.8749);
        s.FusspunktX = s.FusspunktY = 0;
        s.Par.Einheit = 150;
        HPGLDatei plot;
        plot.oeffnenImSpeicher();
        std::string warnung;
        ASSERT_EQ(hpglPeaucellierSU(s, plot, s.Par.Einheit, true, &warnung), "");
        std::smatch rat;
        ASSERT_TRUE(std::regex_search(warnung, rat, std::regex("at most ([0-9]+) mm|höchstens ([0-9]+) mm"))) << warnung;
        s.Par.Einheit = std::stoi(rat[1].matched ? rat[1].str() : rat[2].str());
        const std::string passend = schreibe(s, true, nullptr);
        const test::Seitenrechteck blatt = test::plotSeite(passend);
        for (const test::PlotStrich& st : test::plotStriche(passend))
            for (const test::PlotPunkt& q : st.punkte)
                ASSERT_TRUE(q.x >= blatt.x0 && q.x <= blatt.x1 && q.y >= blatt.y0 && q.y <= blatt.y1)
                    << breite << ": unit " << s.Par.Einheit << " mm, a stroke at " << q.x << " " << q.y;
    }
}
