// The engine must build and run without Qt: no file outside a ui/ folder may include it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

namespace fs = std::filesystem;

TEST(EngineLayer, NoEngineSourceIncludesQt)
{
    const fs::path src = fs::path(UMBRIN_SOURCE_DIR) / "src";
    const std::regex qtInclude(R"(^\s*#\s*include\s*[<"]Q[A-Za-z]+)");
    std::string offenders;
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        if (!entry.is_regular_file())
            continue;
        const std::string path = entry.path().generic_string();
        if (path.find("/ui/") != std::string::npos)
            continue;
        std::ifstream in(entry.path());
        std::string line;
        while (std::getline(in, line)) {
            if (std::regex_search(line, qtInclude))
                offenders += path + ": " + line + "\n";
        }
    }
    EXPECT_TRUE(offenders.empty()) << offenders;
}
