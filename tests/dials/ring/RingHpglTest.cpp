// The ring dial's plot: golden plots of both layouts and every display of the deflection, the
// fragments that pin the page layout, every plot read by hp2xx and, converted, by ezdxf, the
// hour-line points against the cylinder model, and the size question.
#include "core/State.h"
#include "core/TextEncoding.h"
#include "dials/HpglDialekt.h"
#include "dials/ring/RingHpgl.h"
#include "RingModell.h"
#include "RingTestHilfen.h"
#include "support/GoldenDatei.h"
#include "support/Layoutpruefung.h"
#include "support/PlotLeser.h"
#include "support/ScriptedPrompt.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

using namespace umbrin;
using namespace umbrin::ringtest;
namespace fs = std::filesystem;

namespace {

struct GoldenFall {
    const char* name;
    int einBand, modus, zwoelf, italBab;
};
const GoldenFall goldenFaelle[] = {
    {"zwei_baender_m0", 0, 0, 1, 0}, {"zwei_baender_m1", 0, 1, 0, 1}, {"zwei_baender_m2", 0, 2, 1, 0},
    {"ein_band_m0", 1, 0, 0, 1},     {"ein_band_m1", 1, 1, 1, 0},     {"ein_band_m2", 1, 2, 0, 1},
};

AppState fallZustand(const GoldenFall& f)
{
    AppState s = ringZustand();
    s.Schalter.Ganzjaehrig = f.einBand;
    s.Schalter.RingExakt = f.modus;
    s.Schalter.ZwoelfUhrHorizontal = f.zwoelf;
    s.Schalter.Italienisch = s.Schalter.Babylonisch = f.italBab;
    s.RingBabTeil = 0;
    s.RingItalTeil = 1;
    return s;
}

fs::path goldenOrdner() { return fs::path(UMBRIN_SOURCE_DIR) / "tests/dials/ring/golden"; }

} // namespace

TEST(RingHpgl, PlotsMatchTheirGoldenFiles)
{
    for (const GoldenFall& f : goldenFaelle) {
        test::ScriptedPrompt frage;
        test::vergleicheMitGolden(ringPlot(fallZustand(f), frage), goldenOrdner() / (std::string(f.name) + ".plt"));
        EXPECT_TRUE(frage.asked.empty()) << f.name;
    }
}

TEST(RingHpgl, FragmentsOfThePage)
{
    const std::string std = test::dateiText(goldenOrdner() / "zwei_baender_m0.plt");
    EXPECT_EQ(std.rfind("IN;SS;PA;;SP 1;PU 400 9765;PD 400 9915 400 9840 6400 9840 6400 9915 6400 9765;", 0), 0u);
    const std::string ende = "1 11040 1 1;;SP 0;IN;";
    EXPECT_EQ(std.substr(std.size() - ende.size()), ende);
    struct Fragment {
        const char* datei;
        const char* text;
    };
    const Fragment fragmente[] = {
        // The title, the data line and the measures of the header.
        {"zwei_baender_m0", ";SP 1;SI 0.3,0.4;PU 600 10500;LBRing-Sonnenuhr (Bauernring):\x03SI 0.2,0.32;PU 5500 10500;LB  Stundenlinien zeigen Wahre Ortszeit\x03"},
        {"zwei_baender_m0", ";PU 1500 10260;LBGeogr. Breite =   47.25; Durchmesser = 150.0, Ringbreite = 80.0, Lochgnomon bei  30.0 Grad, horiz. Offset des Lochgnomons = 11.72 Grad\x03"},
        // Two bands: the hole line x1 = 400 + Round(3000 x 0.5236) = 1971, the summer band's window.
        {"zwei_baender_m0", ";IW 1971 9540 11396 6340"},
        {"zwei_baender_m0", ";SP 7;PU 1971 7940;CI 51,10;SA;SP 1"},
        // The noon line across the band and the date scale of the sliding hole.
        {"zwei_baender_m0", ";SP 1;SI 0.16,0.24;"},
        {"zwei_baender_m0", "LBDatum markiert Ringlochposition \x03"},
        {"zwei_baender_m2", ";SP 10"},
        {"zwei_baender_m1", ";PD;CI 20,10;"},
        // One band: hole line, window, hole circle on the equinox row, the glyph box.
        {"ein_band_m0", ";SP 1;PU 1971 5840;PD 1971 9040;IW 1971 5840 11396 9040;SP 2"},
        {"ein_band_m0", ";SP 2;PU 1971 7440;CI 51,10;"},
        {"ein_band_m0", " Grad Skalenlänge\x03"},
        {"ein_band_m1", "LB(auf der Gegenseite des Rings)\x03"},
        {"ein_band_m2", ";SP 6 ;"},
        {"ein_band_m2", ";SP 11;"},
        {"ein_band_m1", ";PD;CI 20,10"},
    };
    for (const Fragment& f : fragmente) {
        const std::string plot = test::dateiText(goldenOrdner() / (std::string(f.datei) + ".plt"));
        EXPECT_NE(plot.find(utf8ToCp1252(f.text)), std::string::npos) << f.datei << ": " << f.text;
    }
}

// Every point of the full-hour lines (pen 2, and pen 10 of the deflected lines where both are
// shown) lies where the model puts the spot of the sun at the row's declination: x1 + 2 r h,
// or with the deflection shown, that moved by r K; and the sun at that hour and row is up
// (above the bound of one degree below the horizon that the bands draw to). South of the
// equator a row stands for the opposite declination of the sun.
TEST(RingHpgl, HourLinePointsAgreeWithTheModelWhereTheSunShines)
{
    struct Fall {
        int einBand, modus;
        double phi;
        int bis;
    };
    const Fall faelle[] = {
        {1, 0, 47.25, 18}, {1, 1, 47.25, 18}, {1, 2, 47.25, 18}, {1, 0, 50, 18},  {1, 2, -35, 18},
        {1, 1, -35, 18},   {0, 0, 50, 20},    {0, 1, 50, 20},    {0, 2, -35, 20}, {0, 0, -35, 20},
    };
    for (const Fall& f : faelle) {
        AppState s = ringZustand();
        s.Par.Breite = f.phi;
        s.Schalter.Ganzjaehrig = f.einBand;
        s.Schalter.RingExakt = f.modus;
        s.Schalter.ZwoelfUhrHorizontal = 0;
        s.Zeiten.QuadVon = 12;
        s.Zeiten.QuadBis = f.bis;
        test::ScriptedPrompt frage;
        const std::string plot = ringPlot(s, frage);
        const double r = 3000, x1 = 1971, Bu = 3200, eps = s.DeklTabelle[0];
        const double ySommer = 9540, yWinter = std::nearbyint(ySommer - Bu) - 920;
        const std::vector<test::PlotBefehl> befehle = test::plotBefehle(plot);
        std::size_t geprueft = 0;
        for (std::size_t i = 0; i < befehle.size(); ++i) {
            const test::PlotBefehl& b = befehle[i];
            if ((b.stift != 2 && !(f.modus == 2 && b.stift == 10)) || b.zahlen.empty() || (b.name != "PU" && b.name != "PD"))
                continue;
            if (i + 1 < befehle.size() && (befehle[i + 1].name == "LB" || befehle[i + 1].name == "CI"))
                continue;
            for (std::size_t k = 0; k + 1 < b.zahlen.size(); k += 2) {
                const test::PlotPunkt p{b.zahlen[k], b.zahlen[k + 1]};
                // The row's declination and the sideways target from the hole's row.
                double delta = 0, T = 0;
                if (f.einBand) {
                    delta = eps - (9040 - p.y) * 2 * eps / Bu;
                    T = std::fabs(delta) * 80 / (2 * eps);
                } else if (p.y > yWinter + 1) {
                    delta = eps - (ySommer - p.y) * eps / Bu;
                    T = std::fabs(delta - s.DeklOben) * 80 / eps;
                } else {
                    delta = (p.y - yWinter) * eps / Bu;
                    T = std::fabs(delta - s.DeklUnten) * 80 / eps;
                }
                const double sonne = f.phi < 0 ? -delta : delta;
                double best = 1e9, hoehe = -90;
                for (int t = 12; t <= f.bis; ++t) {
                    const double h = sonnenhoehe(f.phi, sonne, (t - 12) * 15.0);
                    const double x = x1 + 2 * r * h * kGrad;
                    double abstand = std::fabs(p.x - x);
                    if (f.modus != 0 && h > 0)
                        abstand = std::min(abstand, std::fabs(p.x - x - r * korrekturFuer(150, 30, h, T) * kGrad));
                    if (abstand < best) {
                        best = abstand;
                        hoehe = h;
                    }
                }
                EXPECT_LT(best, 12.0) << f.phi << " mode " << f.modus << " at " << p.x << " " << p.y;
                EXPECT_GT(hoehe, -1.0) << f.phi << " band " << f.einBand << " mode " << f.modus << " at " << p.x
                                       << " " << p.y;
                ++geprueft;
            }
        }
        EXPECT_GT(geprueft, 200u) << f.phi << " " << f.modus;
    }
}

TEST(RingHpgl, ReadersAcceptEveryPlotAndItsDrawing)
{
    for (const GoldenFall& f : goldenFaelle) {
        // The drawing carries the plot's texts.
        const test::LeserBefund b = test::pruefeMitLesern(test::goldenText(goldenOrdner(), f.name), f.name);
        EXPECT_NE(b.dxf.find("Ring-Sonnenuhr (Bauernring):"), std::string::npos) << f.name;
    }
}

TEST(RingHpgl, SizeQuestionAndRefusal)
{
    struct Fall {
        double D;
        bool frage;
    };
    for (const Fall f : {Fall{214, false}, Fall{215, true}, Fall{251, true}}) {
        EXPECT_EQ(ringZuGrossFuerSeite(f.D, 30), f.frage) << f.D;
        AppState s = ringZustand();
        s.Par.RingDurchmesser = f.D;
        test::ScriptedPrompt ja;
        std::string grund;
        const std::string plot = ringPlot(s, ja, &grund);
        EXPECT_EQ(ja.asked.size(), f.frage ? 1u : 0u) << f.D;
        EXPECT_EQ(grund.empty(), !f.frage) << f.D;
        EXPECT_EQ(plot.empty(), f.frage) << f.D;
    }
    // No goes on with the plot.
    AppState s = ringZustand();
    s.Par.RingDurchmesser = 251;
    test::ScriptedPrompt nein;
    nein.answers = {PromptAnswer::No};
    std::string grund;
    EXPECT_NE(ringPlot(s, nein, &grund).find(";SP 0;IN;"), std::string::npos);
    EXPECT_TRUE(grund.empty());
    // and says at its end what runs past the sheet's right edge.
    ASSERT_EQ(nein.asked.size(), 2u);
    EXPECT_EQ(nein.asked.back().icon, PromptIcon::Warning);
    EXPECT_NE(nein.asked.back().text.find(s.Sprachspalte == 2 ? "right edge" : "rechten Rand"), std::string::npos);
    // D 110, B 50: r 2200, Bu 2000, x1 = 400 + Round(2200 x 0.5236) = 1552.
    s = ringZustand();
    s.Par.RingDurchmesser = 110;
    s.Par.RingBreite = 50;
    s.Schalter.Ganzjaehrig = 1;
    test::ScriptedPrompt keine;
    EXPECT_NE(ringPlot(s, keine).find(";SP 1;PU 1552 7040;PD 1552 9040;"), std::string::npos);
}

TEST(RingHpgl, MessagesOncePerPlotAndFiniteAtEveryLatitude)
{
    {
        AppState s = ringZustand();
        s.Schalter.TemporalAnzeige = 1;
        s.Zeiten.QuadTempVon = -2;
        s.Zeiten.QuadTempBis = 10;
        test::ScriptedPrompt frage;
        ringPlot(s, frage);
        ASSERT_EQ(frage.asked.size(), 1u);
        EXPECT_NE(frage.asked[0].text.find("zwischen 0 und 12"), std::string::npos);
    }
    for (const double phi : {-60.0, 0.0, 23.44, 66.0, 80.0}) {
        for (int band = 0; band <= 1; ++band) {
            AppState s = ringZustand();
            s.Par.Breite = phi;
            s.Schalter.Ganzjaehrig = band;
            s.Schalter.RingExakt = 2;
            s.Schalter.ZwoelfUhrHorizontal = 0;
            s.Schalter.Italienisch = s.Schalter.Babylonisch = 1;
            s.RingBabTeil = s.RingItalTeil = 2;
            test::ScriptedPrompt frage;
            const std::string plot = ringPlot(s, frage);
            EXPECT_EQ(frage.asked.size(), std::fabs(phi) > 65 ? 2u : 0u) << phi;
            for (const test::PlotPunkt& p : test::plotPunkte(plot))
                ASSERT_TRUE(std::fabs(p.x) < 100000 && std::fabs(p.y) < 100000) << phi << " " << band;
            EXPECT_EQ(plot.find("nan"), std::string::npos);
        }
    }
}

// Each band's hole circle stands at that band's own hole declination, also when the two are
// not opposite.
TEST(RingHpgl, EachBandsHoleAtItsOwnDeclination)
{
    AppState s = ringZustand();
    s.DeklOben = 5;
    s.DeklUnten = -15;
    test::ScriptedPrompt frage;
    const std::string plot = ringPlot(s, frage);
    const double eps = s.DeklTabelle[0], Bu = 3200, ySommer = 9540, yWinter = std::nearbyint(ySommer - Bu) - 920;
    const auto kreis = [](double y) { return ";SP 7;PU 1971 " + hpglZahl(y) + ";CI 51,10;"; };
    EXPECT_NE(plot.find(kreis(std::nearbyint(ySommer - (eps - 5) * Bu / eps))), std::string::npos);
    EXPECT_NE(plot.find(kreis(std::nearbyint(yWinter - 15 * Bu / eps))), std::string::npos);
}

// The smallest ring the dialog takes keeps every label of its plot on the sheet, its date
// scale's names by the sheet's left edge too.
TEST(RingHpgl, TheSmallestRingKeepsItsLabelsOnTheSheet)
{
    for (const double breite : {47.25, -60.0}) {
        AppState s = ringZustand();
        s.Par.Breite = breite;
        s.Par.RingDurchmesser = 10;
        s.Par.RingBreite = 4.5;
        s.Par.RingAlpha = 10;
        const std::string plot = ringPlot(s);
        EXPECT_EQ(test::abseits(test::pruefePlotLayout(plot, test::plotSeite(plot))), "") << breite;
    }
}
