#include "shell/Datumsdatei.h"

#include "support/TestOrdner.h"

#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

using namespace umbrin;
namespace fs = std::filesystem;

TEST(Datumsdatei, RoundTripKeepsOrderAndSkipsBadLinesForOneMessage)
{
    const test::TestOrdner dir;
    const fs::path datei = dir / "umb_days.ini";
    std::string fehler;
    ASSERT_TRUE(speichereDatumsdatei(datei, {"21/06    ( 21. Juni )", "01/03    ( 1. M\xC3\xA4rz )"}, fehler));
    {
        std::ifstream in(datei, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(bytes, "21/06    ( 21. Juni )\r\n01/03    ( 1. M\xE4rz )\r\n"); // Windows-1252
    }
    {
        std::ofstream out(datei, std::ios::binary | std::ios::app);
        out << "31/02    ( nonsense )\nabc\n\n29/02\n15/10\n";
    }
    DatumsdateiErgebnis e = ladeDatumsdatei(datei, 2021);
    EXPECT_TRUE(e.gelesen);
    EXPECT_EQ(e.linien, (std::vector<std::string>{"21/06    ( 21. Juni )", "01/03    ( 1. M\xC3\xA4rz )", "15/10"}));
    EXPECT_EQ(e.verworfen, (std::vector<std::string>{"31/02    ( nonsense )", "abc", "29/02"}));
    EXPECT_EQ(ladeDatumsdatei(datei, 2020).linien.size(), 4u); // 29/02 in a leap year

    EXPECT_FALSE(ladeDatumsdatei(dir / "missing.ini", 2021).gelesen);
}
