#include "core/SafeSave.h"

#include "support/TestOrdner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

using namespace umbrin;
namespace fs = std::filesystem;

TEST(SafeSave, ReplacesTheTargetAndLeavesNoTemporaryFiles)
{
    const test::TestOrdner dir("replace");
    std::string error;
    ASSERT_TRUE(saveFileSafely(dir / "umb.ini", "old", error)) << error;
    ASSERT_TRUE(saveFileSafely(dir / "umb.ini", "new", error)) << error;
    std::string bytes;
    ASSERT_TRUE(readFileBytes(dir / "umb.ini", bytes, error));
    EXPECT_EQ(bytes, "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

// Two targets no user, root included, can write: a name that is a folder (the final rename
// fails) and a name below a regular file (the temporary file cannot be made). Either way the
// save is reported with the file's name, what the name held stays, and no temporary file is left.
TEST(SafeSave, AFailedSaveKeepsWhatWasThereAndNamesTheFile)
{
    struct Fall {
        const char* name;
        fs::path ziel;       // relative to the test folder
        fs::path vorhanden;  // the file whose old content must survive
        bool zielIstOrdner;
    };
    const Fall faelle[] = {
        {"target is a folder", "umb.ini", "umb.ini/inside.txt", true},
        {"target below a regular file", "plain/umb.ini", "plain", false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const test::TestOrdner dir("blocked");
        std::string error;
        if (f.zielIstOrdner)
            fs::create_directory(dir / f.ziel);
        ASSERT_TRUE(saveFileSafely(dir / f.vorhanden, "old", error)) << error;
        const auto vorher = std::distance(fs::recursive_directory_iterator(dir), fs::recursive_directory_iterator());

        error.clear();
        EXPECT_FALSE(saveFileSafely(dir / f.ziel, "new", error));
        EXPECT_NE(error.find("umb.ini"), std::string::npos) << error;
        std::string bytes;
        ASSERT_TRUE(readFileBytes(dir / f.vorhanden, bytes, error));
        EXPECT_EQ(bytes, "old");
        EXPECT_EQ(fs::is_directory(dir / f.ziel), f.zielIstOrdner);
        EXPECT_EQ(std::distance(fs::recursive_directory_iterator(dir), fs::recursive_directory_iterator()), vorher);
        }
}

TEST(SafeSave, AWriterDroppedWithoutCommitLeavesTheTargetAlone)
{
    const test::TestOrdner dir("abandon");
    std::string error;
    ASSERT_TRUE(saveFileSafely(dir / "plot.plt", "finished plot", error));
    {
        SafeFileWriter w(dir / "plot.plt");
        ASSERT_TRUE(w.write("half a plot"));
    }
    std::string bytes;
    ASSERT_TRUE(readFileBytes(dir / "plot.plt", bytes, error));
    EXPECT_EQ(bytes, "finished plot");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST(SafeSave, AWriteThatRunsOutOfSpaceKeepsTheOldFile)
{
    // A file-size limit makes the write fail as a full disk would, for root too.
    const test::TestOrdner dir("full");
    std::string error;
    ASSERT_TRUE(saveFileSafely(dir / "umb.ini", "old", error));
    bool ok = true;
    {
        const test::VollePlatte full(1024);
        ASSERT_TRUE(full.aktiv());
        ok = saveFileSafely(dir / "umb.ini", std::string(1 << 20, 'x'), error);
    }
    EXPECT_FALSE(ok);
    EXPECT_NE(error.find("umb.ini"), std::string::npos);
    std::string bytes;
    ASSERT_TRUE(readFileBytes(dir / "umb.ini", bytes, error));
    EXPECT_EQ(bytes, "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

// A large file streamed to the disk as it is written, its cached pages let go of on the way,
// replacing an old file that is let go of in the background: every byte arrives.
TEST(SafeSave, AStreamedFileArrivesWhole)
{
    const test::TestOrdner dir("stream");
    std::string error;
    ASSERT_TRUE(saveFileSafely(dir / "big.dxf", std::string(3 << 20, 'o'), error)) << error;
    std::string expected;
    SafeFileWriter writer;
    writer.setReleaseReplacedInBackground(true);
    ASSERT_TRUE(writer.open(dir / "big.dxf"));
    for (int piece = 0; piece < 12; ++piece) {
        std::string bytes((1 << 20) + 4093 * piece, ' ');
        for (std::size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<char>('a' + (i * 7 + static_cast<std::size_t>(piece)) % 26);
        ASSERT_TRUE(writer.write(bytes));
        writer.streamToDisk();
        expected += bytes;
    }
    ASSERT_TRUE(writer.commit()) << writer.error();
    std::string bytes;
    ASSERT_TRUE(readFileBytes(dir / "big.dxf", bytes, error)) << error;
    EXPECT_TRUE(bytes == expected) << bytes.size() << " bytes instead of " << expected.size();
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}
