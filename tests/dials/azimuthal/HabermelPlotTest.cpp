// The Habermel plots: golden files, the DXF intermediate as the plot file times 25, and every
// plot read by hp2xx and, converted, by ezdxf.
#include "core/HPGLDatei.h"
#include "core/Sonne.h"
#include "core/State.h"
#include "dials/azimuthal/HabermelZeichnung.h"
#include "drawing/DxfChecks.h"
#include "drawing/HpglNachDxf.h"
#include "support/ExportPruefung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <string>
#include <unistd.h>
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
struct Befehl {
    std::string name;
    std::vector<double> zahlen;
};
std::vector<Befehl> befehle(const std::string& plot)
{
    std::vector<Befehl> liste;
    const std::regex zahl(R"([-+]?[0-9]+(\.[0-9]+)?)");
    std::size_t a = 0;
    while (a < plot.size()) {
        std::size_t e = plot.find(';', a);
        if (plot.compare(a, 2, "LB") == 0)
            e = plot.find('\x03', a);
        if (e == std::string::npos)
            e = plot.size();
        const std::string teil = plot.substr(a, e - a);
        a = e + 1;
        if (teil.size() < 2 || teil.rfind("LB", 0) == 0 || teil.rfind("SI", 0) == 0)
            continue;
        Befehl b{teil.substr(0, 2), {}};
        const std::string rest = teil.substr(2);
        for (std::sregex_iterator i(rest.begin(), rest.end(), zahl), ende; i != ende; ++i)
            b.zahlen.push_back(std::stod(i->str()));
        liste.push_back(b);
    }
    return liste;
}

} // namespace

TEST(HabermelPlot, PlotsMatchTheirGoldenFiles)
{
    // UMBRIN_GOLDEN_NEU=1 rewrites the files after a deliberate change of the plot.
    const bool neu = std::getenv("UMBRIN_GOLDEN_NEU") != nullptr;
    for (const Fall& f : faelle) {
        const std::string plot = schreibe(f);
        const fs::path datei = goldenOrdner() / (std::string(f.name) + ".plt");
        if (neu) {
            fs::create_directories(goldenOrdner());
            std::ofstream(datei, std::ios::binary) << plot;
            continue;
        }
        const std::string golden = test::dateiText(datei);
        ASSERT_FALSE(golden.empty()) << datei;
        EXPECT_EQ(plot, golden) << f.name;
    }
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
    const fs::path dir = fs::temp_directory_path() / ("umbrin_habermel_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    for (const Fall& f : faelle) {
        const fs::path plt = dir / (std::string(f.name) + ".plt");
        std::ofstream(plt, std::ios::binary) << schreibe(f);
        EXPECT_EQ(test::hp2xxPruefung(plt), "") << f.name;
        const fs::path dxf = dir / (std::string(f.name) + ".dxf");
        std::vector<std::string> info;
        DxfEinstellung e;
        e.massstab = f.alsHPGL ? 40.0 : 1000.0;
        const DxfErgebnis r = HpglNachDxf(plt, dxf, e, info);
        ASSERT_TRUE(r.gespeichert()) << f.name << ": " << r.meldung;
        if (umbrin::testing::ezdxfVerfuegbar()) {
            const umbrin::testing::EzdxfBericht b = umbrin::testing::pruefeMitEzdxf(dxf);
            EXPECT_TRUE(b.ok) << f.name << "\n" << b.ausgabe;
        }
    }
    fs::remove_all(dir);
}
