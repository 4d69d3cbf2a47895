#include "shell/DebugLog.h"
#include "shell/HilfeSystem.h"
#include "shell/ShellZustand.h"
#include "support/TestOrdner.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <unistd.h>

using namespace umbrin;
namespace fs = std::filesystem;

namespace {
std::string lies(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
} // namespace

TEST(DebugLog, LineFormsOfTheLog)
{
    EXPECT_EQ(TDLogFile::zeile("-", "12:00:00   "), std::string(79, '-'));
    EXPECT_EQ(TDLogFile::zeile("=", "12:00:00   "), std::string(79, '='));
    EXPECT_EQ(TDLogFile::zeile("!Log File: x", "12:00:00   "), "Log File: x");
    EXPECT_EQ(TDLogFile::zeile("THookHelpSystem.Destroy", "12:00:00   "), "12:00:00   THookHelpSystem.Destroy");
}

TEST(DebugLog, SwitchedOnByArgumentInAnyCaseOrByAFileBesideTheProgram)
{
    const test::TestOrdner dir("switch");
    EXPECT_TRUE(debugGewuenscht({"-DEBUG"}, dir));
    EXPECT_TRUE(debugGewuenscht({"x", "/Debug"}, dir));
    EXPECT_FALSE(debugGewuenscht({"--debug"}, dir));
    EXPECT_FALSE(debugGewuenscht({}, dir));
    std::ofstream(dir / "debug.debug") << "";
    EXPECT_TRUE(debugGewuenscht({}, dir));
}

TEST(DebugLog, AnOldLogStaysUntouchedWhenLoggingIsOff)
{
    const test::TestOrdner dir("old");
    std::ofstream(dir / "HHDebug.txt") << "old log";
    {
        TDLogFile log(dir / "HHDebug.txt", false);
        log.schreibe("nothing");
    }
    EXPECT_EQ(lies(dir / "HHDebug.txt"), "old log");
    {
        TDLogFile log(dir / "HHDebug.txt", true, LogUmgebung{});
        log.uhr = [] { return std::string("08:15:00"); };
        log.schreibe("hello");
    }
    const std::string text = lies(dir / "HHDebug.txt");
    EXPECT_EQ(text.find("old log"), std::string::npos);
    EXPECT_NE(text.find("Log File:"), std::string::npos); // header present
    EXPECT_NE(text.find("08:15:00   hello\r\n"), std::string::npos);
}

TEST(HilfeSystem, PathsCommandNamesAndResultCodes)
{
    EXPECT_EQ(hilfePfad(" C:/a%20b/umbrin_d.chm ", "", "", 0), "C:/a b/umbrin_d.chm");
    EXPECT_EQ(hilfePfad("h.chm", "x\\y.htm", "main", 2), "mk:@MSITStore:h.chm::/x/y.htm>main");
    EXPECT_EQ(hilfeDateiFehlt("/opt/umbrin_d.chm"), "Help file /opt/umbrin_d.chm not found!");

    std::vector<std::string> gestartet;
    HilfeSystem mitViewer("/p/umbrin_d.chm", "", 0, "/usr/bin/xchm",
                          [&](const std::string& p, const std::vector<std::string>& a) {
                              gestartet.push_back(p);
                              gestartet.insert(gestartet.end(), a.begin(), a.end());
                              return true;
                          });
    bool rufeHilfe = true;
    std::string fehler;
    mitViewer.hilfeAnfrage(1, 100, rufeHilfe, fehler);
    EXPECT_FALSE(rufeHilfe);
    EXPECT_TRUE(fehler.empty());
    EXPECT_EQ(gestartet, (std::vector<std::string>{"/usr/bin/xchm", "-c", "100", "/p/umbrin_d.chm"}));
    mitViewer.hilfeAnfrage(3, 0, rufeHilfe, fehler); // anything else: the platform goes on
    EXPECT_TRUE(rufeHilfe);
    mitViewer.hilfeAnfrage(13, 4242, rufeHilfe, fehler);
    EXPECT_EQ(mitViewer.popupPosition(), 4242);

    HilfeSystem ohneViewer("/p/umbrin_e.chm", "", 0, "", nullptr);
    ohneViewer.hilfeAnfrage(1, 100, rufeHilfe, fehler);
    EXPECT_EQ(fehler, "MS Html Help is not installed on this PC.");
}

TEST(ShellZustand, CancelledPrintDropsTheLastBlock)
{
    std::vector<std::string> vier = {"a", "  __ b", "c", "d"};
    verwirfLetztenBlock(vier);
    EXPECT_EQ(vier, (std::vector<std::string>{"a", "  __ b"}));
    std::vector<std::string> eine = {"a"};
    verwirfLetztenBlock(eine);
    EXPECT_TRUE(eine.empty());
    std::vector<std::string> keine;
    verwirfLetztenBlock(keine);
    EXPECT_TRUE(keine.empty());
    std::vector<std::string> ohneStrich = {"a", "b", "c"};
    verwirfLetztenBlock(ohneStrich);
    EXPECT_TRUE(ohneStrich.empty());
}
