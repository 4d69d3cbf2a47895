#include "tables/Grafikdatei.h"

#include "core/Sprachdienst.h"
#include "support/ScriptedPrompt.h"
#include "support/TestOrdner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

using namespace umbrin;
using umbrin::test::ScriptedPrompt;
namespace fs = std::filesystem;

namespace {

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
    const test::TestOrdner ordner("grafik.datei");
    for (bool hpgl : {true, false}) {
        AppState s;
        setzeSprache(s, hpgl);
        s.AlsHPGL = hpgl;
        const fs::path ziel = ordner / (hpgl ? "EoT.plt" : "Eot.dxf");
        ScriptedPrompt frage;
        EXPECT_TRUE(SchreibeGrafikdatei(s, ziel, rahmen, frage));
        EXPECT_EQ(s.HPGLDateiname, ziel.string());
        ASSERT_FALSE(frage.asked.empty());
        if (hpgl) {
            EXPECT_EQ(lies(ziel), "IN;SP1;PU100,100;PD2100,100,2100,1600,100,1600,100,100;PU;SP0;");
            EXPECT_EQ(frage.asked.back().text, "\r\n       Datei EoT.plt gespeichert!     ");
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
    const test::TestOrdner ordner;
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

// A plot that cannot be written (a folder no one can write to, or a full disk) names the file,
// keeps the old one and leaves no temporary file, in the words of the program's language; both
// hold for root as well.
TEST(Grafikdatei, FailedWriteIsReportedAsOne)
{
    const test::TestOrdner ordner;
    const fs::path alt = ordner / "Azi.plt";
    std::ofstream(alt, std::ios::binary) << "alt";
    const fs::path gesperrt = ordner.unbeschreibbar() / "Azi.plt";
    const struct {
        const char* fall;
        fs::path ziel;
        bool vollePlatte;
    } faelle[] = {{"folder", gesperrt, false}, {"full disk", alt, true}};
    for (const auto& f : faelle)
    for (const bool deutsch : {true, false}) {
        AppState s;
        setzeSprache(s, deutsch);
        s.AlsHPGL = 1;
        ScriptedPrompt frage;
        bool gut = true;
        {
            std::optional<test::VollePlatte> voll;
            if (f.vollePlatte)
                voll.emplace(16);
            // A plot longer than the full disk holds.
            const Grafikschreiber lang = [](AppState& a, HPGLDatei& d) {
                rahmen(a, d);
                HPGLZeile(d, std::string(4096, ';'));
            };
            gut = SchreibeGrafikdatei(s, f.ziel, lang, frage);
        }
        EXPECT_FALSE(gut) << f.fall;
        ASSERT_EQ(frage.asked.size(), 1u) << f.fall;
        EXPECT_EQ(frage.asked[0].text.rfind(deutsch ? "Datei konnte nicht gespeichert werden!" : "Unable to save file!", 0),
                  0u) << f.fall;
        EXPECT_NE(frage.asked[0].text.find(deutsch ? "kann nicht geschrieben" : "Cannot write"), std::string::npos)
            << frage.asked[0].text;
        EXPECT_NE(frage.asked[0].text.find("Azi.plt"), std::string::npos) << f.fall;
        EXPECT_EQ(lies(alt), "alt") << f.fall;
        EXPECT_EQ(dateien(ordner), 2u) << f.fall; // the old plot and the file that blocks the folder
    }
    // The writer's own write failing is reported the same way.
    AppState s;
    setzeSprache(s, true);
    s.AlsHPGL = 1;
    ScriptedPrompt frage;
    EXPECT_FALSE(SchreibeGrafikdatei(
        s, alt, [](AppState&, HPGLDatei&) { throw HPGLSchreibfehler("Azi.plt: Datenträger voll"); }, frage));
    ASSERT_EQ(frage.asked.size(), 1u);
    EXPECT_EQ(frage.asked[0].text.rfind("Datei konnte nicht gespeichert werden!", 0), 0u);
    EXPECT_NE(frage.asked[0].text.find("Azi.plt"), std::string::npos);
    EXPECT_EQ(lies(alt), "alt");
    EXPECT_EQ(dateien(ordner), 2u);
}
