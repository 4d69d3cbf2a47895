#pragma once
// A written plot compared with its golden file. With UMBRIN_GOLDEN_NEU=1 in the environment
// the file is rewritten instead, after a deliberate change of the plot; such a run compares
// nothing and therefore fails, so a forgotten switch never passes. A plot that differs is left
// in the build folder beside the message, to be looked at.
#include "support/ExportPruefung.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

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
    if (plot != golden) {
        const std::filesystem::path neu =
            std::filesystem::path(UMBRIN_BINARY_DIR) / (datei.stem().string() + ".neu" + datei.extension().string());
        std::ofstream(neu, std::ios::binary) << plot;
        ADD_FAILURE() << datei << " differs from the plot; the new plot is " << neu;
    }
}

} // namespace umbrin::test
