#include "core/SafeSave.h"

#include "core/Dateigroesse.h"
#include "core/Datumstext.h"
#include "core/HPGLDatei.h"
#include "core/Sprachdienst.h"
#include "core/TextEncoding.h"
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
#include "support/ExportPruefung.h"
#include "support/Kindprozess.h"
#include "support/ScriptedPrompt.h"
#include "support/TestOrdner.h"
#include "tables/BerechneHorizont.h"
#include "tables/EoTPaare.h"
#include "tables/Profildatei.h"
#include "tables/Tabellendatei.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <pwd.h>
#include <sched.h>
#include <sys/stat.h>
#include <tuple>
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

ino_t inode(const fs::path& datei)
{
    struct stat st {};
    return ::lstat(datei.c_str(), &st) == 0 ? st.st_ino : 0;
}

// A write lease on the file, as a program that shares it over the network takes one: every
// open of the file by another is refused (and the holder told). The handle that holds it, or
// -1 where the system grants no leases.
int schreibLease(const fs::path& datei)
{
    const int handle = ::open(datei.c_str(), O_RDONLY | O_CLOEXEC);
    if (handle >= 0 && ::fcntl(handle, F_SETLEASE, F_WRLCK) == 0)
        return handle;
    if (handle >= 0)
        ::close(handle);
    return -1;
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

// Two files put in place together never wait for a lock: not when a cleaner in another copy of
// the program takes the old first file's second name just before it is held (the commit tries
// again), nor when one is looking at the first name of its copy (the commit takes another), and
// not when another process locks the old first file for reading or for writing or holds a lease
// on it. Both take their places; or, when the second cannot (a folder took its name meanwhile),
// the first keeps its old file byte for byte, with its mode: the same file where only a cleaner
// or a lease stood in the way. A copy the disk has no room for refuses the commit. Nothing is
// left beside them and no handle stays open.
TEST(SafeSave, FilesPutInPlaceTogetherNeverWaitForALock)
{
    enum Fremd { Reiniger, Lesesperre, Schreibsperre, KopieBeschaut, KopieZuGross, Lease };
    std::string alt(200'000, ' ');
    for (std::size_t i = 0; i < alt.size(); ++i)
        alt[i] = static_cast<char>('a' + (i * 7 + i / 65536) % 26);
    const auto sigio = std::signal(SIGIO, SIG_IGN); // the lease's holder is told of the open
    for (const Fremd fremd : {Reiniger, Lesesperre, Schreibsperre, KopieBeschaut, KopieZuGross, Lease})
        for (const bool zweitesGeht : {true, false}) {
            SCOPED_TRACE(std::to_string(fremd) + (zweitesGeht ? "" : ", the second blocked"));
            const test::TestOrdner dir("zusammen");
            const fs::path uhr = dir / "dial.plt", kegel = dir / "dialCone.plt";
            std::string fehler;
            ASSERT_TRUE(saveFileSafely(uhr, alt, fehler));
            ASSERT_TRUE(saveFileSafely(kegel, "old cone", fehler));
            ::chmod(uhr.c_str(), 0604);
            const ino_t alteDatei = inode(uhr);
            const int gesperrt = fremd == Reiniger ? -1
                                 : fremd == Lease  ? schreibLease(uhr)
                                                   : test::sperre(uhr, fremd != Schreibsperre);
            if (fremd == Lease && gesperrt < 0)
                continue; // no leases on this system
            // A reader the lease refuses says why in words.
            std::string gelesen, grund;
            EXPECT_TRUE(fremd != Lease || (!readFileBytes(uhr, gelesen, grund, false)
                                           && grund.find("Another program holds the file for the moment") != std::string::npos))
                << grund;
            ASSERT_TRUE(fremd == Reiniger || gesperrt >= 0);
            bool genommen = fremd != Reiniger && fremd != KopieBeschaut;
            int beschaut = -1;
            const std::function<void(const fs::path&)> fremder = [&](const fs::path& zweiterName) {
                if (fremd == Reiniger && !genommen) {
                    test::imKindMitFrist([&] { return saveFileSafely(dir / "other.umb", "x", fehler) ? 0 : 1; }, 10);
                    genommen = !fs::exists(zweiterName);
                }
                if (fremd != KopieBeschaut || inode(zweiterName) == alteDatei)
                    return;
                if (beschaut >= 0) {
                    genommen = true; // another name for the copy
                    return;
                }
                // The cleaner holds its read lock and has taken the name, but not yet let go.
                beschaut = ::open(zweiterName.c_str(), O_RDONLY | O_CLOEXEC);
                struct flock lesen {};
                lesen.l_type = F_RDLCK;
                if (::fcntl(beschaut, F_OFD_SETLK, &lesen) != 0 || ::unlink(zweiterName.c_str()) != 0)
                    std::abort();
            };
            const int r = test::imKindMitFrist([&] {
                const auto handles = [] { return std::distance(fs::directory_iterator("/proc/self/fd"), {}); };
                const auto vorher = handles();
                const test::VollePlatte voll(fremd == KopieZuGross ? alt.size() / 2 : RLIM_INFINITY);
                bool gut = false;
                {
                    SafeFileWriter erste(uhr), zweite(kegel);
                    erste.write("new dial");
                    zweite.write("new cone");
                    if (!zweitesGeht)
                        fs::remove(kegel), fs::create_directory(kegel);
                    gut = commitTogether(erste, zweite, fehler, fremder);
                }
                if (beschaut >= 0)
                    ::close(beschaut);
                return !genommen ? 2 : handles() != vorher ? 3 : gut ? 0 : 1;
            }, 10);
            if (fremd == Lease)
                ::fcntl(gesperrt, F_SETLEASE, F_UNLCK);
            if (gesperrt >= 0)
                ::close(gesperrt);
            const bool erwartet = zweitesGeht && fremd != KopieZuGross;
            EXPECT_EQ(r, erwartet ? 0 : 1) << "-1: the commit waited; 2: the cleaner left the name; 3: a handle left open";
            EXPECT_TRUE(test::dateiText(uhr) == (erwartet ? "new dial" : alt)) << test::dateiText(uhr).size() << " bytes";
            EXPECT_TRUE(!erwartet || test::dateiText(kegel) == "new cone");
            EXPECT_TRUE(erwartet || (fremd != Reiniger && fremd != Lease) || inode(uhr) == alteDatei);
            EXPECT_EQ(fs::status(uhr).permissions(), static_cast<fs::perms>(0604));
            EXPECT_EQ(eintraege(dir), fremd == Reiniger ? 3u : 2u);
        }
    std::signal(SIGIO, sigio);
}

// A symbolic link in a folder that every user may write, with the sticky bit (as the temporary
// folder has), is followed only when the user or the folder's owner owns it, as the system
// follows links there: a link another user planted is refused, naming the file, and the file it
// leads to stays byte for byte. Root plays the other user by giving the link or the folder away.
TEST(SafeSave, ALinkAnotherUserPlantedInAStickyFolderIsNotFollowed)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a link to another user";
    constexpr uid_t anderer = 65534;
    struct Fall {
        mode_t ordnerModus;
        uid_t ordnerBesitzer, linkBesitzer;
        bool gefolgt;
    };
    for (const Fall f : {Fall{01777, 0, anderer, false}, Fall{01777, 0, 0, true}, Fall{01777, anderer, anderer, true},
                         Fall{00777, 0, anderer, true}, Fall{01775, 0, anderer, true}}) {
        SCOPED_TRACE(std::to_string(f.ordnerModus) + " " + std::to_string(f.linkBesitzer));
        const test::TestOrdner dir("klebrig");
        const fs::path ordner = dir / "tmp", notizen = dir / "notes.txt", link = ordner / "plan.plt";
        std::string fehler;
        ASSERT_TRUE(saveFileSafely(notizen, "my notes", fehler));
        fs::create_directory(ordner);
        fs::create_symlink(notizen, link);
        ASSERT_EQ(::lchown(link.c_str(), f.linkBesitzer, static_cast<gid_t>(-1)), 0);
        ASSERT_EQ(::chown(ordner.c_str(), f.ordnerBesitzer, static_cast<gid_t>(-1)), 0);
        ASSERT_EQ(::chmod(ordner.c_str(), f.ordnerModus), 0);
        EXPECT_EQ(saveFileSafely(link, "a plot", fehler), f.gefolgt);
        EXPECT_EQ(test::dateiText(notizen), f.gefolgt ? "a plot" : "my notes");
        EXPECT_TRUE(f.gefolgt || fehler == "Die Datei \"" + link.string() + "\" kann nicht geschrieben werden: Zugriff verweigert")
            << fehler;
        EXPECT_TRUE(fs::is_symlink(link));
        EXPECT_EQ(eintraege(ordner) + eintraege(dir), 3u);
    }
}

// A process killed while saving leaves nothing. A temporary nobody holds goes with the next save,
// and with the next print's temporary, in its folder, whatever process its name gives (this
// running one included); one that a writer in another process holds stays, whoever runs the
// tests, until that writer ends. A name of 249 characters saves.
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

    int name[2], ende[2];
    ASSERT_EQ(::pipe(name), 0);
    ASSERT_EQ(::pipe(ende), 0);
    const pid_t drucker = ::fork();
    if (drucker == 0) {
        fs::path temporaer;
        int halter = -1;
        std::string fehler;
        const std::string n = makeTemporaryFile(dir, dir / "druck.pdf", temporaer, halter, fehler)
            ? temporaer.filename().string() : "";
        char c;
        ::_exit(::write(name[1], n.data(), n.size()) == static_cast<ssize_t>(n.size()) && ::read(ende[0], &c, 1) == 1 ? 0 : 1);
    }
    char gelesen[64] = {};
    ASSERT_GT(::read(name[0], gelesen, sizeof gelesen - 1), 0);
    const fs::path gehalten = dir / gelesen;
    for (const bool druck : {false, true}) {
        SCOPED_TRACE(druck ? "a print" : "a save");
        const fs::path frei = dir / (".umbrin-" + std::to_string(::getpid()) + "-999.tmp");
        std::ofstream(frei) << "left by a print of this process";
        std::string fehler;
        fs::path temporaer;
        int halter = -1;
        ASSERT_TRUE(druck ? makeTemporaryFile(dir, dir / "druck.pdf", temporaer, halter, fehler)
                          : saveFileSafely(dir / "plot.plt", "new", fehler)) << fehler;
        EXPECT_FALSE(fs::exists(frei));
        EXPECT_TRUE(fs::exists(gehalten));
        EXPECT_EQ(eintraege(dir), druck ? 3u : 2u);
        if (druck) {
            // Held by this process as well, through a handle other than any the printer opens.
            std::string inhalt;
            ASSERT_TRUE(readFileBytes(temporaer, inhalt, fehler));
            ASSERT_TRUE(saveFileSafely(dir / "plot.plt", "newer", fehler));
            EXPECT_TRUE(fs::exists(temporaer));
            fs::remove(temporaer);
            ::close(halter);
        }
    }
    ASSERT_EQ(::write(ende[1], "x", 1), 1);
    int status = -1;
    ASSERT_EQ(::waitpid(drucker, &status, 0), drucker);
    EXPECT_EQ(status, 0);
    for (const int r : {name[0], name[1], ende[0], ende[1]})
        ::close(r);
    std::string fehler;
    ASSERT_TRUE(saveFileSafely(dir / std::string(249, 'n'), "new", fehler)) << fehler;
    EXPECT_FALSE(fs::exists(gehalten));
    EXPECT_EQ(eintraege(dir), 2u);
}

// Another user of a shared folder cannot take the temporaries' names first: with this process's
// names taken from 0 to 100 and for the hundred and one after the name a print was just given
// (as folders, which no cleaner takes for left over, as it cannot take another user's files),
// a save still goes in.
TEST(SafeSave, TemporaryNamesCannotBeForeseen)
{
    const test::TestOrdner dir("vorhersehbar");
    fs::path temporaer;
    int halter = -1;
    std::string fehler;
    ASSERT_TRUE(makeTemporaryFile(dir, dir / "druck.pdf", temporaer, halter, fehler)) << fehler;
    const std::string gegeben = temporaer.stem().string();
    const unsigned long long zuletzt = std::stoull(gegeben.substr(gegeben.rfind('-') + 1));
    fs::remove(temporaer);
    ::close(halter);
    const std::string stamm = ".umbrin-" + std::to_string(::getpid()) + "-";
    for (unsigned long long n = 0; n <= 100; ++n) {
        fs::create_directory(dir / (stamm + std::to_string(n) + ".tmp"));
        fs::create_directory(dir / (stamm + std::to_string(zuletzt + 1 + n) + ".tmp"));
    }
    EXPECT_TRUE(saveFileSafely(dir / "plan.plt", "a plot", fehler)) << fehler;
}

namespace {

// Puts the children this process makes next into a process namespace of their own, where the
// first of them is process 1 and no process number of this namespace means anything. Without
// root, a user namespace of its own (with this user as its root) lets it. False where the
// system allows neither.
bool eigenerProzessraum()
{
    if (::unshare(CLONE_NEWPID) == 0)
        return true;
    const std::string uid = std::to_string(::geteuid()), gid = std::to_string(::getegid());
    if (::unshare(CLONE_NEWUSER | CLONE_NEWPID) != 0)
        return false;
    const auto schreibe = [](const char* datei, const std::string& text) {
        std::ofstream f(datei);
        return static_cast<bool>(f << text << std::flush);
    };
    return schreibe("/proc/self/setgroups", "deny") && schreibe("/proc/self/uid_map", "0 " + uid + " 1")
        && schreibe("/proc/self/gid_map", "0 " + gid + " 1");
}

// One copy of the program at work: 3,000 saves into the folder and every hundredth time a print
// into a temporary that it fills by name and reads back. The number of saves and prints that
// failed.
int speichereUndDrucke(const fs::path& ordner, const std::string& name)
{
    int fehlschlaege = 0;
    for (int i = 0; i < 3000; ++i) {
        std::string fehler;
        fehlschlaege += !saveFileSafely(ordner / (name + ".umb"), "save " + std::to_string(i), fehler);
        if (i % 100 != 0)
            continue;
        fs::path temporaer;
        int halter = -1;
        std::string inhalt;
        const bool gemacht = makeTemporaryFile(ordner, ordner / (name + ".pdf"), temporaer, halter, fehler);
        if (gemacht)
            std::ofstream(temporaer) << "print " << i;
        fehlschlaege += !gemacht || !readFileBytes(temporaer, inhalt, fehler) || inhalt != "print " + std::to_string(i);
        std::error_code ec;
        fs::remove(temporaer, ec);
        if (halter >= 0)
            ::close(halter);
    }
    return fehlschlaege;
}

} // namespace

// Two copies of the program save and print into one folder at once, one of them in a process
// namespace of its own (a sandboxed or containerised copy), where the other's process numbers
// mean nothing: no save and no print of either fails, and nothing is left.
TEST(SafeSave, TwoCopiesInTwoProcessNamespacesSaveIntoOneFolder)
{
    const test::TestOrdner dir("namensraum");
    int bereit[2];
    ASSERT_EQ(::pipe(bereit), 0);
    const pid_t draussen = ::fork();
    if (draussen == 0) {
        ::close(bereit[0]);
        if (!eigenerProzessraum()) {
            const char nein = 'n';
            ::_exit(::write(bereit[1], &nein, 1) == 1 ? 0 : 1);
        }
        const pid_t drinnen = ::fork();
        if (drinnen == 0) {
            // Process 1 of its namespace.
            const char ja = ::getpid() == 1 ? 'j' : 'n';
            if (::write(bereit[1], &ja, 1) != 1 || ja != 'j')
                ::_exit(1);
            ::_exit(std::min(speichereUndDrucke(dir, "drinnen"), 100));
        }
        int status = 0;
        ::waitpid(drinnen, &status, 0);
        ::_exit(WIFEXITED(status) ? WEXITSTATUS(status) : 101);
    }
    ::close(bereit[1]);
    char antwort = 'n';
    const bool gelesen = ::read(bereit[0], &antwort, 1) == 1;
    ::close(bereit[0]);
    if (!gelesen || antwort != 'j') {
        int status = 0;
        ::waitpid(draussen, &status, 0);
        GTEST_SKIP() << "no process namespace of its own can be made here (neither as root nor in a user namespace)";
    }
    EXPECT_EQ(speichereUndDrucke(dir, "draussen"), 0);
    int status = -1;
    ASSERT_EQ(::waitpid(draussen, &status, 0), draussen);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "saves and prints that failed in the other namespace (101: it did not end)";
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

// A faulty line of 3 MB, quoted by every reader that names its faulty line: the quote is the
// line's first 100 characters, whole (each "ä" is two bytes in memory), and "...", so the
// message stays a few lines long. A map line's field is what looks like a number.
TEST(Dateigroesse, EveryReaderCutsTheFaultyLineItQuotes)
{
    std::string lang, zitat;
    for (int i = 0; i < 3'000'000; ++i)
        lang += "ä"; // one byte in the Windows-1252 file
    for (int i = 0; i < 100; ++i)
        zitat += "ä";
    zitat += "...";
    std::string ziffern;
    for (int i = 0; i < 1'500'000; ++i)
        ziffern += "1.";
    AppState s;
    initialisiereZustand(s);
    test::ScriptedPrompt frage;
    std::vector<std::string> ini;
    IniTextErstellen(s, false, ini, frage);
    const auto farben = static_cast<std::size_t>(std::find(ini.begin(), ini.end(), "[Farben]") - ini.begin());
    const auto gefragt = [&] {
        std::string alles;
        for (const auto& f : frage.asked)
            alles += f.text + "\n";
        return alles;
    };
    const auto einstellungen = [&](const fs::path& p, std::size_t zeile) {
        std::vector<std::string> z = ini;
        zeile < z.size() ? void(z[zeile] = lang) : z.push_back(lang);
        std::string fehler;
        EXPECT_TRUE(IniTextSpeichern(z, p, fehler));
        s.IniDatei = p.string();
    };
    KartenLesung karte;
    std::string f;
    const std::tuple<const char*, std::function<std::string(const fs::path&)>, bool> leser[] = {
        {"umb.ini", [&](auto& p) { // line 16, a number
             einstellungen(p, 16);
             LeseIni(s, p, true, true, frage);
             return gefragt();
         }, false},
        {"dial.umb", [&](auto& p) { // a date line
             einstellungen(p, ini.size());
             LeseIni(s, p, true, true, frage);
             return gefragt();
         }, false},
        {"umb.ini", [&](auto& p) { // the date lines of the settings file alone
             einstellungen(p, ini.size());
             DatumslinienLaden(s, frage);
             return gefragt();
         }, false},
        {"umb.ini", [&](auto& p) { // a colour
             einstellungen(p, farben + 1);
             return FarbLoad(s, true).meldung;
         }, false},
        {"Datum", [&](auto&) { // the date check of a date field or of a date line written out
             DatumPruefen(s, lang, &frage);
             return gefragt();
         }, false},
        {"umb_days.ini", [&](auto& p) {
             std::ofstream(p, std::ios::binary) << "21/06\r\n" << utf8ToCp1252(lang) << "\r\n";
             return ladeDatumsdatei(p, 2024).verworfen.at(0);
         }, false},
        {"coastUmb.dat", [&](auto& p) {
             std::ofstream(p, std::ios::binary) << "10.00 20.00\n" << ziffern << " 5.00\n11.00 21.00\n";
             leseKartenDatei(p, kKartenDateiRegel, karte, f, true);
             return kartenLeseMeldung(karte, "coastUmb.dat", false);
         }, true},
        {"grenzen.dat", [&](auto& p) {
             std::ofstream(p, std::ios::binary) << "10.00 20.00\n" << ziffern << " 5.00\n11.00 21.00\n";
             return kuerzeDezimalen(p, 2, frage).meldung + gefragt();
         }, true},
    };
    for (std::size_t i = 0; i < std::size(leser); ++i) {
        const auto& [name, lies, kartenzeile] = leser[i];
        frage.asked.clear();
        const test::TestOrdner ordner("zitat" + std::to_string(i));
        const std::string text = lies(ordner / name);
        SCOPED_TRACE(std::string(name) + ": " + text.substr(0, 400));
        const std::string erwartet = kartenzeile ? ziffern.substr(0, 100) + "..." : zitat;
        EXPECT_NE(text.find(erwartet), std::string::npos);
        EXPECT_EQ(text.find(erwartet.substr(0, erwartet.size() - 3) + (kartenzeile ? "1" : "ä")), std::string::npos);
        EXPECT_LT(text.size(), 700u);
    }
}
