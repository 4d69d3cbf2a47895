#include "tables/Grafikdatei.h"

#include "core/Sprachdienst.h"
#include "support/ScriptedPrompt.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace umbrin;
using umbrin::test::ScriptedPrompt;
namespace fs = std::filesystem;

namespace {

fs::path frischerOrdner(const std::string& name)
{
    const fs::path o = fs::temp_directory_path() / name;
    std::error_code ec;
    fs::permissions(o, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(o, ec);
    fs::create_directories(o);
    return o;
}

std::string lies(const fs::path& p)
{
    std::ifstream f(p, std::ios::binary);
    std::ostringstream o;
    o << f.rdbuf();
    return o.str();
}

std::size_t dateien(const fs::path& o)
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(o), fs::directory_iterator()));
}

void rahmen(AppState&, HPGLDatei& d)
{
    HPGLZeile(d, "IN;SP1;PU100,100;PD2100,100,2100,1600,100,1600,100,100;PU;SP0;");
}

} // namespace

// Plot and DXF files of a graph: the plot is the writer's text; the DXF goes through the
// converter from memory and leaves no temporary file beside it.
TEST(Grafikdatei, PlotAndDxfFilesLeaveNoTemporaryFile)
{
    const fs::path ordner = frischerOrdner("umbrin_grafik.datei");
    for (bool hpgl : {true, false}) {
        AppState s;
        setzeSprache(s, false);
        s.AlsHPGL = hpgl;
        const fs::path ziel = ordner / (hpgl ? "EoT.plt" : "Eot.dxf");
        ScriptedPrompt frage;
        EXPECT_TRUE(SchreibeGrafikdatei(s, ziel, rahmen, frage));
        EXPECT_EQ(s.HPGLDateiname, ziel.string());
        ASSERT_FALSE(frage.asked.empty());
        if (hpgl) {
            EXPECT_EQ(lies(ziel), "IN;SP1;PU100,100;PD2100,100,2100,1600,100,1600,100,100;PU;SP0;");
            EXPECT_EQ(frage.asked.back().text, "\r\n       File EoT.plt saved!     ");
        } else {
            EXPECT_NE(lies(ziel).find("POLYLINE"), std::string::npos);
        }
    }
    EXPECT_EQ(dateien(ordner), 2u);
}

// A writer whose output the converter cannot read: the failure is reported, the old DXF
// file stays and nothing else is left in the folder.
TEST(Grafikdatei, ConverterFailureKeepsTheOldFileAndLeavesNoTemporaryFile)
{
    const fs::path ordner = frischerOrdner("umbrin_grafik_fehler");
    const fs::path ziel = ordner / "Sonnenpositionen.dxf";
    std::ofstream(ziel, std::ios::binary) << "alt";
    AppState s;
    setzeSprache(s, true);
    s.AlsHPGL = 0;
    ScriptedPrompt frage;
    const Grafikschreiber kaputt = [](AppState&, HPGLDatei& d) { HPGLZeile(d, "kein Plot"); };
    EXPECT_FALSE(SchreibeGrafikdatei(s, ziel, kaputt, frage));
    ASSERT_EQ(frage.asked.size(), 1u);
    EXPECT_EQ(lies(ziel), "alt");
    EXPECT_EQ(dateien(ordner), 1u);
}

// A plot that cannot be written (read-only folder, or the writer's own write failing) names
// the file, keeps the old one and leaves no temporary file.
TEST(Grafikdatei, FailedWriteIsReportedAsOne)
{
    const fs::path ordner = frischerOrdner("umbrin_grafik_schreibfehler");
    const fs::path ziel = ordner / "Azi.plt";
    std::ofstream(ziel, std::ios::binary) << "alt";
    const struct {
        bool schreibgeschuetzt;
        Grafikschreiber schreiber;
    } faelle[] = {
        {true, rahmen},
        {false, [](AppState&, HPGLDatei&) { throw HPGLSchreibfehler("Azi.plt: Datenträger voll"); }},
    };
    for (const auto& f : faelle) {
        AppState s;
        setzeSprache(s, true);
        s.AlsHPGL = 1;
        ScriptedPrompt frage;
        if (f.schreibgeschuetzt)
            fs::permissions(ordner, fs::perms::owner_read | fs::perms::owner_exec, fs::perm_options::replace);
        const bool gut = SchreibeGrafikdatei(s, ziel, f.schreiber, frage);
        fs::permissions(ordner, fs::perms::owner_all, fs::perm_options::replace);
        if (gut && f.schreibgeschuetzt) {
            // Permissions do not bind this user; the old file is put back for the next case.
            std::ofstream(ziel, std::ios::binary) << "alt";
            continue;
        }
        EXPECT_FALSE(gut);
        ASSERT_EQ(frage.asked.size(), 1u);
        EXPECT_EQ(frage.asked[0].text.rfind("Datei konnte nicht gespeichert werden!", 0), 0u);
        EXPECT_NE(frage.asked[0].text.find("Azi.plt"), std::string::npos);
        EXPECT_EQ(lies(ziel), "alt");
        EXPECT_EQ(dateien(ordner), 1u);
    }
}
