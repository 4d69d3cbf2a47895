#include "core/HPGLDatei.h"

#include "core/SafeSave.h"

#include "support/TestOrdner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>
#include <unistd.h>

using namespace umbrin;
namespace fs = std::filesystem;

TEST(HPGLZeile, PiecesFollowEachOtherWithNothingBetween)
{
    HPGLDatei datei;
    datei.oeffnenImSpeicher();
    HPGLZeile(datei, "PU;");
    HPGLZeile(datei, "");
    HPGLZeile(datei, "PD;");
    EXPECT_EQ(datei.inhalt(), "PU;PD;");
}

TEST(HPGLZeile, APlotFileWritesItsLabelsInThePlottersCharactersTheDxfIntermediateKeepsThem)
{
    // A plotter's standard character set is plain ASCII; DXF readers show Windows-1252.
    const test::TestOrdner dir("cp1252");
    for (const auto& [zwischen, deutsch, erwartet] :
         {std::tuple{false, true, "LBpultfoermig, gross, 47 Grad / 9 Grad\x03;"},
          std::tuple{false, false, "LBpultfoermig, gross, 47 deg / 9 deg\x03;"},
          std::tuple{true, true, "LBpultf\xF6rmig, gro\xDF, 47\xB0 / 9 \xB0\x03;"}}) {
        HPGLDatei datei;
        std::string fehler, bytes;
        ASSERT_TRUE(zwischen ? datei.oeffnenZwischendatei(dir / "dial.dxf", fehler, deutsch)
                             : datei.oeffnen(dir / "dial.plt", fehler, deutsch));
        HPGLZeile(datei, "LBpultf\xC3\xB6rmig, gro\xC3\x9F, 47\xC2\xB0 / 9 \xC2\xB0\x03;");
        ASSERT_TRUE(datei.schliessen(fehler) && readFileBytes(zwischen ? datei.lesePfad() : dir / "dial.plt", bytes, fehler));
        EXPECT_EQ(bytes, erwartet);
        datei.verwerfen();
    }
}

TEST(HPGLZeile, TheTargetAppearsOnlyWhenThePlotIsClosed)
{
    const test::TestOrdner dir("commit");
    std::string fehler;
    ASSERT_TRUE(saveFileSafely(dir / "dial.plt", "old plot", fehler));
    {
        HPGLDatei datei;
        ASSERT_TRUE(datei.oeffnen(dir / "dial.plt", fehler)) << fehler;
        HPGLZeile(datei, "IN;VS 1;PA;");
        // The writer stopped half way: the plot is dropped, the old file stays.
        datei.verwerfen();
    }
    std::string bytes;
    ASSERT_TRUE(readFileBytes(dir / "dial.plt", bytes, fehler));
    EXPECT_EQ(bytes, "old plot");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST(HPGLZeile, AWriteToAClosedPlotThrowsAndNamesTheFile)
{
    HPGLDatei datei;
    try {
        HPGLZeile(datei, "IN;");
        FAIL() << "no error";
    } catch (const HPGLSchreibfehler& e) {
        EXPECT_NE(std::string(e.what()).find("nicht geöffnet"), std::string::npos);
    }
    HPGLZeile(datei, ""); // the empty text performs no write and no check
}

TEST(HPGLZeile, AFullDiskEndsTheWriterAndLeavesNoFinishedFile)
{
    // A file-size limit makes the write fail as a full disk would, for root too.
    const test::TestOrdner dir("full");
    std::string fehler;
    ASSERT_TRUE(saveFileSafely(dir / "dial.plt", "old plot", fehler));
    std::string meldung;
    {
        const test::VollePlatte voll(4096);
        ASSERT_TRUE(voll.aktiv());
        HPGLDatei datei;
        if (datei.oeffnen(dir / "dial.plt", fehler)) {
            try {
                const std::string stueck(1 << 12, 'x');
                for (int i = 0; i < 256; ++i)
                    HPGLZeile(datei, stueck);
                if (!datei.schliessen(fehler))
                    meldung = fehler;
            } catch (const HPGLSchreibfehler& e) {
                meldung = e.what();
                datei.verwerfen();
            }
        }
    }
    EXPECT_NE(meldung.find("dial.plt"), std::string::npos) << meldung;
    std::string bytes;
    ASSERT_TRUE(readFileBytes(dir / "dial.plt", bytes, fehler));
    EXPECT_EQ(bytes, "old plot");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

// A plot aimed below a regular file or at a folder cannot be opened. Both are reported with the file's name, for root too, and leave no file.
TEST(HPGLZeile, AnUnwritableTargetIsReportedWithTheFileName)
{
    const test::TestOrdner dir("blocked");
    std::string fehler;
    ASSERT_TRUE(saveFileSafely(dir / "plain", "old", fehler));
    {
        HPGLDatei datei;
        EXPECT_FALSE(datei.oeffnen(dir / "plain" / "dial.plt", fehler));
        EXPECT_NE(fehler.find("dial.plt"), std::string::npos) << fehler;
        EXPECT_THROW(HPGLZeile(datei, "IN;"), HPGLSchreibfehler);
    }
    fs::create_directory(dir / "dial.plt");
    {
        HPGLDatei datei;
        fehler.clear();
        EXPECT_FALSE(datei.oeffnen(dir / "dial.plt", fehler));
        EXPECT_NE(fehler.find("dial.plt"), std::string::npos) << fehler;
    }
    std::string bytes;
    ASSERT_TRUE(readFileBytes(dir / "plain", bytes, fehler));
    EXPECT_EQ(bytes, "old");
    EXPECT_TRUE(fs::is_directory(dir / "dial.plt"));
    EXPECT_TRUE(fs::is_empty(dir / "dial.plt"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
}
