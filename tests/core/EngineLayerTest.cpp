// Layer rules of the sources: the engine builds and runs without Qt (no file outside a ui/
// folder may include it), and includes point down the layers.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

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

// Includes point down the layers: core, dials, dialogs, drawing, tables, shell. A file may
// include its own layer and those below it, never one above (a ui/ folder belongs to the layer
// of the folder it sits in); a dial family includes no other family's folder.
TEST(EngineLayer, NoIncludeRunsFromALowerLayerToAHigherOne)
{
    const std::vector<std::string> schichten = {"core", "dials", "dialogs", "drawing", "tables", "shell"};
    auto rang = [&](const std::string& name) {
        for (std::size_t i = 0; i < schichten.size(); ++i)
            if (schichten[i] == name)
                return static_cast<int>(i);
        return -1;
    };
    const fs::path src = fs::path(UMBRIN_SOURCE_DIR) / "src";
    const std::regex include(R"(^\s*#\s*include\s*"([a-z]+)/)");
    const std::regex familienInclude(R"(^\s*#\s*include\s*"dials/([a-z]+)/)");
    std::string offenders;
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        if (!entry.is_regular_file())
            continue;
        const std::string schicht = fs::relative(entry.path(), src).begin()->string();
        const int eigenerRang = rang(schicht);
        ASSERT_GE(eigenerRang, 0) << "a folder outside the layer order: " << schicht;
        std::ifstream in(entry.path());
        std::string line;
        std::smatch m;
        // A dial family's folder reaches what the families share in dials/, never another
        // family's folder (but the Habermel dials, drawn on the quadrant's geometry).
        const fs::path rel = fs::relative(entry.path(), src);
        const std::string familie = schicht == "dials" && std::distance(rel.begin(), rel.end()) > 2
                                        ? std::next(rel.begin())->string() : "";
        while (std::getline(in, line)) {
            if (std::regex_search(line, m, include) && rang(m[1]) > eigenerRang)
                offenders += entry.path().generic_string() + ": " + line + "\n";
            std::smatch f;
            if (!familie.empty() && std::regex_search(line, f, familienInclude) && f[1] != familie
                && !(familie == "azimuthal" && f[1] == "quadrant"))
                offenders += entry.path().generic_string() + ": " + line + "\n";
        }
    }
    EXPECT_TRUE(offenders.empty()) << offenders;
}
