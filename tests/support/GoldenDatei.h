#pragma once
// A written plot compared with its golden file. With UMBRIN_GOLDEN_NEU=1 in the environment
// the file is rewritten instead, after a deliberate change of the plot.
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
        return;
    }
    const std::string golden = dateiText(datei);
    ASSERT_FALSE(golden.empty()) << datei;
    EXPECT_TRUE(plot == golden) << datei << " differs from the plot";
}

} // namespace umbrin::test
