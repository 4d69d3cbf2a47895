// The Habermel plots: golden files, the DXF intermediate as the plot file times 25, and every
// plot read by hp2xx and, converted, by ezdxf.
#include "core/HPGLDatei.h"
#include "core/Sonne.h"
#include "core/State.h"
#include "dials/azimuthal/HabermelZeichnung.h"
#include "support/GoldenDatei.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

using namespace umbrin;
namespace fs = std::filesystem;

namespace {

fs::path goldenOrdner() { return fs::path(UMBRIN_SOURCE_DIR) / "tests" / "dials" / "azimuthal" / "golden"; }

const struct Fall {
    const char* name;
    int art;
    bool alsHPGL;
    std::function<void(AppState&)> setze;
} faelle[] = {
    {"habermel1_wahr_k1", 1, true, [](AppState&) {}},
    {"habermel1_wahr_k25", 1, false, [](AppState&) {}},
    {"habermel1_mittel_k1", 1, true,
     [](AppState& s) {
         s.Schalter.MitZeitglZylinder = 1;
         s.Schalter.Datumslinien = '2';
         s.Schalter.StundenIntervallSonst = '1';
     }},
    {"habermel2_k1", 2, true, [](AppState&) {}},
    {"habermel2_k25", 2, false, [](AppState&) {}},
    {"habermel2_sued_k1", 2, true, [](AppState& s) { s.Par.Breite = -35; }},
};

std::string schreibe(const Fall& f)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'q';
    s.Schalter.Hoehenuhrart = static_cast<std::uint8_t>(f.art);
    s.Par.Breite = 47.25;
    s.Par.HabermelGnomon = 35;
    f.setze(s);
    HPGLDatei plot;
    plot.oeffnenImSpeicher();
    if (f.art == 1)
        habermelPlot(s, plot, f.alsHPGL, s.Par.HabermelGnomon);
    else
        habermel2Plot(s, plot, f.alsHPGL, s.Par.HabermelGnomon);
    return plot.inhalt();
}

// The commands of a plot with their numbers, labels and character sizes left out.
std::vector<test::PlotBefehl> befehle(const std::string& plot)
{
    std::vector<test::PlotBefehl> liste = test::plotBefehle(plot);
    std::erase_if(liste, [](const test::PlotBefehl& b) { return b.name == "LB" || b.name == "SI"; });
    return liste;
}

} // namespace

TEST(HabermelPlot, PlotsMatchTheirGoldenFiles)
{
    for (const Fall& f : faelle)
        test::vergleicheMitGolden(schreibe(f), goldenOrdner() / (std::string(f.name) + ".plt"));
}

TEST(HabermelPlot, TheDxfIntermediateIsThePlotTimesTwentyFive)
{
    for (const auto& [k1, k25] : {std::pair{0, 1}, std::pair{3, 4}}) {
        const auto a = befehle(schreibe(faelle[k1]));
        const auto b = befehle(schreibe(faelle[k25]));
        ASSERT_EQ(a.size(), b.size()) << faelle[k1].name;
        for (std::size_t i = 0; i < a.size(); ++i) {
            ASSERT_EQ(a[i].name, b[i].name) << i;
            ASSERT_EQ(a[i].zahlen.size(), b[i].zahlen.size()) << a[i].name << " " << i;
            // Pens, directions and chord angles stay; coordinates grow by 25 within the
            // rounding of the plot file's integers (a position rounded twice there is off by up
            // to 1.5 units, 37.5 after the factor).
            const bool bleibt = a[i].name == "SP" || a[i].name == "DI" || a[i].name == "VS";
            for (std::size_t j = 0; j < a[i].zahlen.size(); ++j) {
                if (a[i].name == "CI" && j == 1) {
                    EXPECT_EQ(a[i].zahlen[j], b[i].zahlen[j]);
                    continue;
                }
                const double soll = bleibt ? a[i].zahlen[j] : 25 * a[i].zahlen[j];
                EXPECT_NEAR(b[i].zahlen[j], soll, bleibt ? 0.15 : 38.0) << a[i].name << " " << i;
            }
        }
    }
}

TEST(HabermelPlot, EveryPlotPassesHp2xxAndItsDxfPassesEzdxf)
{
    for (const Fall& f : faelle)
        test::pruefeMitLesern(schreibe(f), f.name, f.alsHPGL ? 40.0 : 1000.0);
}
