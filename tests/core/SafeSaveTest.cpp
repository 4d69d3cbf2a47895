#include "core/SafeSave.h"

#include "core/Dateigroesse.h"
#include "core/HPGLDatei.h"
#include "core/Sprachdienst.h"
#include "dialogs/Datumsliniendatei.h"
#include "core/RecordingCanvas.h"
#include "dialogs/IniLesen.h"
#include "dialogs/IniText.h"
#include "dials/KartenLeser.h"
#include "dials/ring/RingKorrektur.h"
#include "drawing/HpglNachDxf.h"
#include "drawing/KartenWerkzeuge.h"
#include "shell/Datumsdatei.h"
#include "shell/Farbpalette.h"
#include "support/ScriptedPrompt.h"
#include "support/TestOrdner.h"
#include "tables/BerechneHorizont.h"
#include "tables/EoTPaare.h"
#include "tables/Profildatei.h"
#include "tables/Tabellendatei.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
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

namespace {

// While it lives, a test run by root acts on files as "nobody", who owns the test folder: an
// ordinary user's rights apply, not root's right to write every file.
struct AlsNutzer {
    explicit AlsNutzer(const fs::path& ordner)
    {
        const passwd* pw = ::getpwnam("nobody");
        aktiv = !root || (pw && ::chown(ordner.c_str(), pw->pw_uid, pw->pw_gid) == 0 && ::setegid(pw->pw_gid) == 0
                          && ::seteuid(pw->pw_uid) == 0);
    }
    ~AlsNutzer() { if (root && (::seteuid(0) != 0 || ::setegid(0) != 0)) std::abort(); }
    const bool root = ::geteuid() == 0;
    bool aktiv = false;
};

std::size_t eintraege(const fs::path& ordner)
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(ordner), fs::directory_iterator()));
}

} // namespace

// Every kind of file the program saves, on a full disk, over a write-protected file, through
// a link to a file in another folder and over a file only its owner may read, in both
// languages. The last kind streams and leaves its write failures to the commit.
TEST(SafeSave, EveryKindOfFileUnderEveryFault)
{
    AppState s;
    initialisiereZustand(s);
    const std::string z(300, 'x');
    using Speichern = std::function<bool(const fs::path&, bool, std::string&)>;
    const std::pair<std::string, Speichern> arten[] = {
        {"umb.ini", [&](auto& p, bool d, auto& f) { return IniTextSpeichern({z}, p, f, d); }},
        {"sonne.umb", [&](auto& p, bool d, auto& f) { return IniTextSpeichern({z}, p, f, d); }},
        {"Tage.dat", [&](auto& p, bool d, auto& f) { return speichereDatumsdatei(p, {z}, f, d); }},
        {"tab.txt", [&](auto& p, bool d, auto& f) { return SchreibeTabellendatei(p, z, f, d); }},
        {"profil.txt", [&](auto& p, bool d, auto& f) { return speichereHorizontprofil(p, {z}, f, d); }},
        {"EoT.csv", [&](auto& p, bool d, auto& f) { return EoTPaareSpeichern(p, EoTPaareListe(s, 72, true), f, d); }},
        {kSchoenerTabelle, [&](auto& p, bool d, auto& f) {
             setzeSprache(s, d);
             RecordingCanvas c(800, 600);
             const auto m = zeichneRingKorrektur(s, c, 800, 600, true, false, 20, 60, true, p.parent_path());
             return (f = m.empty() ? "" : m.back().text).empty();
         }},
        {"dial.plt", [&](auto& p, bool d, auto& f) {
             HPGLDatei plot;
             if (!plot.oeffnen(p, f, d))
                 return false;
             plot.schreibe(z);
             return plot.schliessen(f);
         }},
        {"dial.dxf", [&](auto& p, bool d, auto& f) {
             std::vector<std::string> info;
             const DxfErgebnis r = HpglTextNachDxf("IN;PU 0 0;PD 4000 0;", "x", p, {1, 40.0, d}, info);
             f = r.meldung;
             return r.gespeichert();
         }},
        {"teile.dat", [&](auto& p, bool d, auto& f) {
             SafeFileWriter w(p, d);
             for (int i = 0; i < 2; ++i, w.streamToDisk())
                 w.write(std::string(1000, 'w'));
             return w.commit() || (f = w.error()).empty();
         }},
    };
    enum Fehler { VollePlatte, Schreibschutz, Verknuepfung, NurEigentuemer };
    const test::TestOrdner dir("faults");
    const AlsNutzer nutzer(dir);
    ASSERT_TRUE(nutzer.aktiv);
    int fall = 0;
    for (const auto& [name, speichere] : arten)
        for (const Fehler fehler : {VollePlatte, Schreibschutz, Verknuepfung, NurEigentuemer})
            for (const bool deutsch : {true, false}) {
                SCOPED_TRACE(name + " " + std::to_string(fehler) + (deutsch ? " de" : " en"));
                const fs::path hier = dir / std::to_string(++fall), dort = hier / "dort";
                fs::create_directories(dort);
                const fs::path alt = (fehler == Verknuepfung ? dort : hier) / name;
                std::string text, meldung;
                ASSERT_TRUE(saveFileSafely(alt, "old", text));
                if (fehler == Verknuepfung)
                    fs::create_symlink(fs::path("dort") / name, hier / name);
                const mode_t modus = fehler == Schreibschutz ? 0444 : fehler == NurEigentuemer ? 0600 : 0640;
                ::chmod(alt.c_str(), modus);
                bool gespeichert = false;
                {
                    const test::VollePlatte voll(fehler == VollePlatte ? 64 : RLIM_INFINITY);
                    gespeichert = speichere(hier / name, deutsch, meldung);
                }
                const bool erwartet = fehler == Verknuepfung || fehler == NurEigentuemer;
                EXPECT_EQ(gespeichert, erwartet) << meldung;
                ASSERT_TRUE(readFileBytes(alt, text, meldung));
                EXPECT_EQ(text == "old", !erwartet);
                EXPECT_EQ(fs::status(alt).permissions(), static_cast<fs::perms>(modus));
                EXPECT_EQ(fs::is_symlink(hier / name), fehler == Verknuepfung);
                EXPECT_EQ(eintraege(hier) + eintraege(dort), fehler == Verknuepfung ? 3u : 2u);
                // A file-size limit names its reason, as a full disk does.
                const char* klar = fehler == Schreibschutz ? (deutsch ? "(Schreibschutz?)" : "(Write protection?)")
                                   : fehler == VollePlatte ? (deutsch ? ": Die Datei wird zu groß" : ": File too large")
                                                           : (deutsch ? "kann nicht" : "Cannot ");
                EXPECT_TRUE(erwartet || (meldung.find(name) != std::string::npos && meldung.find(klar) != std::string::npos))
                    << meldung;
            }
}

// A process killed while saving leaves nothing; the named temporaries of processes that
// ended are removed by the next save into their folder at once, those of a running process
// never; a name of 249 characters saves.
TEST(SafeSave, NothingOutlivesAKilledProcessAndLongNamesSave)
{
    const test::TestOrdner dir("killed");
    const pid_t kind = ::fork();
    if (kind == 0) {
        SafeFileWriter w(dir / "plot.plt");
        w.write(std::string(1 << 20, 'k'));
        ::raise(SIGKILL);
    }
    ASSERT_EQ(::waitpid(kind, nullptr, 0), kind);
    EXPECT_EQ(eintraege(dir), 0u);
    const fs::path tot = dir / (".umbrin-" + std::to_string(kind) + "-0.tmp");
    const fs::path laeuft = dir / ".umbrin-1-0.tmp"; // the first process runs as long as the system
    std::string fehler;
    for (const fs::path& p : {tot, laeuft})
        ASSERT_TRUE(saveFileSafely(p, "left by another process", fehler));
    ASSERT_TRUE(saveFileSafely(dir / std::string(249, 'n'), "new", fehler)) << fehler;
    EXPECT_FALSE(fs::exists(tot));
    EXPECT_TRUE(fs::exists(laeuft));
    EXPECT_EQ(eintraege(dir), 2u);
}

// Every reader, over a folder, a pipe without a writer and a device that never ends in place
// of its file: each refuses, naming the file and what stands in its place (never calling it
// missing), and none waits (the alarm would end the run).
TEST(SafeSave, EveryReaderRefusesAFolderAPipeAndADevice)
{
    AppState s;
    initialisiereZustand(s);
    test::ScriptedPrompt frage;
    std::string f;
    double b = 0;
    KartenLesung karte;
    Kachelkopf kopf;
    std::vector<std::string> info;
    using Lies = std::function<std::string(const fs::path&)>; // what the user is told
    const std::pair<const char*, Lies> leser[] = {
        {"umb.ini", [&](auto& p) { return LeseIni(s, p, true, true, frage).fehler; }},
        {"umb.ini", [&](auto& p) {
             s.IniDatei = p.string();
             return FarbLoad(s, true).meldung;
         }},
        {"profil.txt", [&](auto& p) {
             liesHorizontprofil(s, frage, p.string(), b, b);
             return frage.asked.back().text;
         }},
        {"coastUmb.dat", [&](auto& p) {
             leseKartenDatei(p, kKartenDateiRegel, karte, f, true);
             return f;
         }},
        {"grenzen.dat", [&](auto& p) { return halbiereDatei(p, frage).meldung; }},
        {"dial.plt", [&](auto& p) { return HpglNachDxf(p, p.parent_path() / "dial.dxf", {}, info).meldung; }},
        {"N47E011.asc", [&](auto& p) {
             leseKachelkopfDatei(p.string(), 1, kopf, f);
             return f;
         }},
        {"umb_days.ini", [&](auto& p) { return ladeDatumsdatei(p, 2024).fehler; }},
    };
    const test::TestOrdner dir("odd");
    for (const auto& [name, lies] : leser)
        for (const std::string art : {"folder", "pipe", "device"}) {
            SCOPED_TRACE(std::string(name) + " as a " + art);
            const fs::path ordner = dir / (art + std::to_string(eintraege(dir))), p = ordner / name;
            fs::create_directories(ordner);
            if (art == "folder")
                fs::create_directory(p);
            else if (art == "device")
                fs::create_symlink("/dev/zero", p);
            ASSERT_TRUE(art != "pipe" || ::mkfifo(p.c_str(), 0600) == 0);
            ::alarm(20);
            const std::string text = lies(p);
            ::alarm(0);
            EXPECT_NE(text.find(name), std::string::npos) << text;
            EXPECT_NE(text.find(art == "folder" ? "Ordner" : "Pipe"), std::string::npos) << text;
            EXPECT_EQ(text.find("fehlt"), std::string::npos) << text;
            EXPECT_EQ(eintraege(ordner), 1u);
        }
}

// Every reader of the program's own files, given a sparse file of 2 GB, refuses it at once with
// its name and size in the user's language (the map tools speak German only): nothing is asked,
// nothing is written beside it. A file of the limit itself is read.
TEST(Dateigroesse, EveryReaderRefusesAFileOfTwoGigabytesWithItsNameAndSize)
{
    const test::TestOrdner dir("gross", false);
    for (const bool deutsch : {true, false}) {
        AppState s;
        initialisiereZustand(s);
        setzeSprache(s, deutsch);
        test::ScriptedPrompt frage;
        std::string f;
        double b = 0;
        KartenLesung karte;
        Kachelkopf kopf;
        std::vector<std::string> liste;
        const std::pair<const char*, std::function<std::string(const fs::path&)>> leser[] = {
            {"umb.ini", [&](auto& p) { return LeseIni(s, p, true, true, frage).fehler; }},
            {"dial.umb", [&](auto& p) { return LeseIni(s, p, true, true, frage).fehler; }},
            {"schink.ham", [&](auto& p) { return LeseIni(s, p, true, true, frage).fehler; }},
            {"umb.ini", [&](auto& p) {
                 s.IniDatei = p.string();
                 return FarbLoad(s, true).meldung;
             }},
            {"umb.ini", [&](auto& p) {
                 s.IniDatei = p.string();
                 IniTextErstellen(s, true, liste, frage);
                 return frage.asked.at(0).text;
             }},
            {"umb.ini", [&](auto& p) {
                 s.IniDatei = p.string();
                 DatumslinienSpeichern(s, frage);
                 return frage.asked.at(0).text;
             }},
            {"umb_days.ini", [&](auto& p) { return ladeDatumsdatei(p, 2024, deutsch).fehler; }},
            {"profil.ele", [&](auto& p) {
                 liesHorizontprofil(s, frage, p.string(), b, b);
                 return frage.asked.at(0).text;
             }},
            {"N47E011.asc", [&](auto& p) {
                 leseKachelkopfDatei(p.string(), s.Sprachspalte, kopf, f);
                 return f;
             }},
            {"coastUmb.dat", [&](auto& p) {
                 leseKartenDatei(p, kKartenDateiRegel, karte, f, deutsch);
                 return f;
             }},
            {"grenzen.dat", [&](auto& p) { return halbiereDatei(p, frage).meldung; }},
        };
        for (const auto& [name, lies] : leser) {
            if (!deutsch && std::string_view(name) == "grenzen.dat")
                continue;
            const fs::path ordner = dir / (std::to_string(&name - &leser[0].first) + (deutsch ? "de" : "en")), p = ordner / name;
            SCOPED_TRACE(p.string());
            fs::create_directories(ordner);
            std::ofstream(p).close();
            ASSERT_EQ(::truncate(p.c_str(), 2147483648LL), 0);
            frage.asked.clear();
            const std::string text = lies(p);
            for (const char* teil : {p.c_str(), "2147483648", deutsch ? "zu groß für" : "too large for"})
                EXPECT_NE(text.find(teil), std::string::npos) << text;
            // The settings reader names the kind by the file's name: start settings, construction data.
            const std::string endung = fs::path(name).extension().string();
            if (endung == ".ham" || endung == ".umb") {
                EXPECT_NE(text.find(endung == ".ham" ? (deutsch ? "eine Datei mit Starteinstellungen" : "a start-settings file")
                                                     : (deutsch ? "eine Datei mit Konstruktionsdaten" : "a construction-data file")),
                          std::string::npos)
                    << text;
            }
            for (const char* fremd : deutsch ? std::vector{"File ", "The file", "Original"} : std::vector{"Datei", "Ursprüngliche"})
                EXPECT_EQ(text.find(fremd), std::string::npos) << text;
            EXPECT_LE(frage.asked.size(), 1u);
            EXPECT_EQ(eintraege(ordner), 1u);
        }
    }
    std::string f;
    EXPECT_TRUE(groesseZulaessig("umb.ini", groessteDatei(Dateiart::Einstellungen), Dateiart::Einstellungen, f, true));
    // A byte over the limit is "over" it; a size that rounds to another figure needs no word.
    for (const auto& [groesse, deutsch, teil] :
         {std::tuple{4194305ULL, true, "hat 4194305 Bytes (über 4 MB): zu groß für eine Einstellungsdatei (höchstens 4194304 Bytes, 4 MB)"},
          {4194305ULL, false, "has 4194305 bytes (over 4 MB): too large for a settings file (at most 4194304 bytes, 4 MB)"},
          {6291456ULL, false, "has 6291456 bytes (6 MB): too large"}})
        EXPECT_NE(zuGrossText("umb.ini", groesse, Dateiart::Einstellungen, deutsch).find(teil), std::string::npos) << teil;
}
