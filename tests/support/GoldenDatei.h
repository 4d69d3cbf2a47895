#pragma once
// A written plot compared with its golden file. With UMBRIN_GOLDEN_NEU=1 in the environment
// the file is rewritten instead, after a deliberate change of the plot; such a run compares
// nothing and therefore fails, so a forgotten switch never passes. A plot that differs is left
// in the build folder beside the message, to be looked at, until the test passes again. Beside it the checks every plot
// test makes of its plots: read by the real readers, and nothing but finite numbers written.
#include "drawing/DxfChecks.h"
#include "drawing/HpglNachDxf.h"
#include "support/ExportPruefung.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace umbrin::test {

inline void vergleicheMitGolden(const std::string& plot, const std::filesystem::path& datei)
{
    if (std::getenv("UMBRIN_GOLDEN_NEU") != nullptr) {
        std::filesystem::create_directories(datei.parent_path());
        std::ofstream(datei, std::ios::binary) << plot;
        ADD_FAILURE() << datei << " rewritten, not compared: check it, then run without UMBRIN_GOLDEN_NEU";
        return;
    }
    const std::string golden = dateiText(datei);
    ASSERT_FALSE(golden.empty()) << datei;
    const std::filesystem::path neu =
        std::filesystem::path(UMBRIN_BINARY_DIR) / (datei.stem().string() + ".neu" + datei.extension().string());
    if (plot != golden) {
        std::ofstream(neu, std::ios::binary) << plot;
        ADD_FAILURE() << datei << " differs from the plot; the new plot is " << neu;
    } else {
        std::error_code ec;
        std::filesystem::remove(neu, ec); // the differing plot of an earlier run is out of date
    }
}

// The golden file `name`.plt of a folder, as text (empty when it is missing).
inline std::string goldenText(const std::filesystem::path& ordner, const std::string& name)
{
    return dateiText(ordner / (name + ".plt"));
}

// A piece a plot must hold, checked by hand.
struct PlotStueck {
    const std::string& plot;
    std::string teil;
};

inline void erwarteStuecke(std::initializer_list<PlotStueck> stuecke)
{
    for (const PlotStueck& s : stuecke)
        EXPECT_NE(s.plot.find(s.teil), std::string::npos) << s.teil;
}

// Marks the running test skipped, with the reason, when the DXF reader is missing: a test that
// promises its audit must not pass without it. The test's other checks still run and count.
inline void ohneDxfLeserUebersprungen() { GTEST_SKIP() << umbrin::testing::kOhneEzdxf; }

struct LeserBefund {
    std::string dxf;               // the converted drawing's text
    std::vector<std::string> info; // the converter's remarks
};

// A plot read by hp2xx and, converted to DXF at `massstab` plot units a millimetre (40, or
// 1000 for a plot 25 times as large), by ezdxf (without it the test is skipped). The files live in a
// folder of their own in the temporary area, removed again before the result is given.
inline LeserBefund pruefeMitLesern(const std::string& plot, const std::string& name, double massstab = 40.0)
{
    const std::filesystem::path ordner =
        std::filesystem::temp_directory_path() / ("umbrin_leser_" + std::to_string(::getpid()));
    std::filesystem::create_directories(ordner);
    const std::filesystem::path plt = ordner / (name + ".plt"), dxf = ordner / (name + ".dxf");
    std::ofstream(plt, std::ios::binary) << plot;
    LeserBefund befund;
    EXPECT_EQ(hp2xxPruefung(plt), "") << name;
    DxfEinstellung e;
    e.massstab = massstab;
    const DxfErgebnis r = HpglNachDxf(plt, dxf, e, befund.info);
    EXPECT_TRUE(r.gespeichert()) << name << ": " << r.meldung;
    if (r.gespeichert()) {
        befund.dxf = dateiText(dxf);
        const umbrin::testing::EzdxfBericht b = umbrin::testing::pruefeMitEzdxf(dxf);
        if (!b.verfuegbar)
            ohneDxfLeserUebersprungen();
        EXPECT_TRUE(!b.verfuegbar || b.ok) << name << "\n" << b.ausgabe;
    }
    std::filesystem::remove_all(ordner);
    return befund;
}

// A plot written for an extreme input: no NaN, no infinity, no coordinate clamped to the
// writer's bound (217000000), and the plot's closing commands at its end.
inline void erwarteEndlichenPlot(const std::string& plot, const std::string& ende, const std::string& wo)
{
    EXPECT_EQ(plot.find("nan"), std::string::npos) << wo;
    EXPECT_EQ(plot.find("inf"), std::string::npos) << wo;
    EXPECT_EQ(plot.find("217000000"), std::string::npos) << wo;
    if (!ende.empty()) {
        EXPECT_EQ(plot.rfind(ende), plot.size() - ende.size()) << wo;
    }
}

} // namespace umbrin::test
