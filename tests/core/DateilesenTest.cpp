// Every reader of a file, over a folder, a pipe without a writer and a device that never ends
// in place of the file: each refuses with a message naming the file, and none waits (an alarm
// would end a reader that hangs, and the run with it).
#include "dialogs/IniLesen.h"
#include "dials/KartenLeser.h"
#include "drawing/HpglNachDxf.h"
#include "drawing/KartenWerkzeuge.h"
#include "shell/Farbpalette.h"
#include "support/ScriptedPrompt.h"
#include "support/TestOrdner.h"
#include "tables/BerechneHorizont.h"
#include "tables/Profildatei.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using namespace umbrin;
namespace fs = std::filesystem;

TEST(Dateilesen, EveryReaderRefusesAFolderAPipeAndADevice)
{
    AppState s;
    initialisiereZustand(s);
    test::ScriptedPrompt frage;
    const auto gesagt = [&] { return frage.asked.empty() ? std::string() : frage.asked.back().text; };
    using Lies = std::function<std::string(const fs::path&)>; // what the user is told
    const std::pair<const char*, Lies> leser[] = {
        {"umb.ini", [&](auto& p) { return LeseIni(s, p, true, true, frage).fehler; }},
        {"umb.ini", [&](auto& p) { return s.IniDatei = p.string(), FarbLoad(s, true).meldung; }},
        {"profil.txt", [&](auto& p) {
             double b = 0, l = 0;
             return liesHorizontprofil(s, frage, p.string(), b, l), gesagt();
         }},
        {"coastUmb.dat", [&](auto& p) {
             KartenLesung lesung;
             std::string f;
             return leseKartenDatei(p, kKartenDateiRegel, lesung, f, true), f;
         }},
        {"grenzen.dat", [&](auto& p) { return halbiereDatei(p, frage).meldung; }},
        {"dial.plt", [&](auto& p) {
             std::vector<std::string> info;
             return HpglNachDxf(p, p.parent_path() / "dial.dxf", {}, info).meldung;
         }},
        {"N47E011.asc", [&](auto& p) {
             Kachelkopf kopf;
             std::string f;
             return leseKachelkopfDatei(p.string(), 1, kopf, f), f;
         }},
    };
    const test::TestOrdner dir("odd");
    int fall = 0;
    for (const auto& [name, lies] : leser)
        for (const char* art : {"folder", "pipe", "device"}) {
            SCOPED_TRACE(std::string(name) + " as a " + art);
            const fs::path ordner = dir / std::to_string(++fall), p = ordner / name;
            fs::create_directories(ordner);
            if (art == std::string("folder"))
                fs::create_directory(p);
            else if (art == std::string("pipe"))
                ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0);
            else
                fs::create_symlink("/dev/zero", p);
            ::alarm(20);
            const std::string meldung = lies(p);
            ::alarm(0);
            EXPECT_NE(meldung.find(name), std::string::npos) << meldung;
            EXPECT_FALSE(fs::exists(ordner / "dial.dxf"));
        }
}
