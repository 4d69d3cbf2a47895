// The mean-time dial's row of the drawing table: the export writes the dial and the cone's
// sheet as a pair of plots or of DXF drawings, and a cone that cannot be built leaves both
// files the names held as they were.
#include "core/Sonne.h"
#include "drawing/DxfChecks.h"
#include "drawing/Platzierung.h"
#include "drawing/ZeichnungExport.h"
#include "support/ExportPruefung.h"
#include "support/Kindprozess.h"
#include "support/ScriptedPrompt.h"
#include "support/TestOrdner.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace umbrin;
namespace fs = std::filesystem;

namespace {

struct KegelExport {
    AppState s;
    Zeichenfensterzustand f;
    test::ScriptedPrompt frage;
    fs::path ordner;
    bool eigenerOrdner;

    // gemeinsam: the folder another KegelExport of this name has made, for a second copy of
    // the program at work beside it.
    explicit KegelExport(const char* name, bool gemeinsam = false)
        : eigenerOrdner(!gemeinsam)
    {
        initialisiereZustand(s);
        s.UhrTyp = 'm';
        SchiefeUndTierkreis(s, s.Par.Jahr);
        setzePlatzierung(s, {550, 300, 60, 600});
        s.FusspunktGesetzt = 1;
        ordner = fs::temp_directory_path() / (std::string("umbrin_kegel_export_") + name);
        if (eigenerOrdner) {
            fs::remove_all(ordner);
            fs::create_directories(ordner);
        }
    }
    ~KegelExport()
    {
        if (eigenerOrdner)
            fs::remove_all(ordner);
    }

    bool schreibe(const fs::path& datei)
    {
        ExportAuftrag a;
        a.datei = datei;
        a.bildBreite = 1100;
        a.bildHoehe = 700;
        Auftragsschutz schutz(s);
        frage.answers.push_back(PromptAnswer::No); // no grid
        return exportiereZeichnung(s, f, frage, zeichnungseintrag(s, false), a, schutz);
    }
    bool gesagt(const std::string& stueck) const
    {
        return std::any_of(frage.asked.begin(), frage.asked.end(),
                           [&](const auto& q) { return q.text.find(stueck) != std::string::npos; });
    }
};

} // namespace

TEST(KegelExport, PlotAndDxfEachWriteTheDialAndTheConeSheet)
{
    for (const bool alsHpgl : {true, false}) {
        KegelExport e(alsHpgl ? "plt" : "dxf");
        e.s.AlsHPGL = alsHpgl;
        const std::string endung = alsHpgl ? ".plt" : ".dxf";
        const fs::path uhr = e.ordner / ("dial" + endung), blatt = e.ordner / ("dialCone" + endung);
        std::ofstream(uhr, std::ios::binary) << "old dial";
        std::ofstream(blatt, std::ios::binary) << "old cone";
        ASSERT_TRUE(e.schreibe(uhr)) << endung;
        // Each sheet written anew, the cone's a drawing of its own; the saved report names the
        // sheets that were written: both DXF drawings, or the pair of plots by the cone's name.
        EXPECT_NE(test::dateiText(uhr), "old dial");
        EXPECT_NE(test::dateiText(blatt), "old cone");
        EXPECT_NE(test::dateiText(uhr), test::dateiText(blatt));
        std::vector<std::string> berichte;
        for (const auto& q : e.frage.asked)
            if (q.text.find("gespeichert") != std::string::npos)
                berichte.push_back(q.text.substr(q.text.find_first_not_of(" \r\n")));
        const std::vector<std::string> erwartet = alsHpgl
            ? std::vector<std::string>{"Datei dialCone.plt gespeichert!     "}
            : std::vector<std::string>{"Datei dial.dxf gespeichert!", "Datei dialCone.dxf gespeichert!"};
        EXPECT_EQ(berichte, erwartet);
        EXPECT_TRUE(e.gesagt("Kegelkonstruktion (Querschnitt, Mantel) in Datei  \"dialCone" + endung + "\" !!!"));
        EXPECT_EQ(std::distance(fs::directory_iterator(e.ordner), fs::directory_iterator()), 2) << "no temporary left";
        EXPECT_EQ(e.s.FusspunktX, 550) << "the placement is back in pixels";
        if (alsHpgl) {
            const std::string plot = test::dateiText(uhr);
            EXPECT_EQ(plot.rfind("IN;VS 1;PA;IW 0 0 16157 11038;SP 4;", 0), 0u);
            EXPECT_NE(plot.find("LBKegelkonstruktion (Querschnitt, Mantel) in Datei dialCone.plt\x03"),
                      std::string::npos);
            EXPECT_EQ(test::dateiText(blatt).rfind("IN;VS 1;PA;{IW 0 0 16157 11038;}", 0), 0u);
            EXPECT_EQ(test::hp2xxPruefung(uhr), "");
            EXPECT_EQ(test::hp2xxPruefung(blatt), "");
        } else if (umbrin::testing::ezdxfVerfuegbar()) {
            EXPECT_EQ(test::ezdxfPruefung(uhr), "");
            EXPECT_EQ(test::ezdxfPruefung(blatt), "");
        }
    }
    if (!umbrin::testing::ezdxfVerfuegbar())
        GTEST_SKIP() << umbrin::testing::kOhneEzdxf;
}

TEST(KegelExport, ARefusedConeKeepsBothOldFiles)
{
    struct Fall {
        double psi, alfa;
    };
    for (const Fall f : {Fall{30, 30}, Fall{120, 61}}) {
        for (const bool alsHpgl : {true, false}) {
            KegelExport e("abgelehnt");
            e.s.AlsHPGL = alsHpgl;
            e.s.Par.KegelNeigung = f.psi;
            e.s.Par.KegelOeffnung = f.alfa;
            const std::string endung = alsHpgl ? ".plt" : ".dxf";
            const fs::path uhr = e.ordner / ("dial" + endung), blatt = e.ordner / ("dialCone" + endung);
            std::ofstream(uhr, std::ios::binary) << "old dial";
            std::ofstream(blatt, std::ios::binary) << "old cone";
            EXPECT_FALSE(e.schreibe(uhr));
            EXPECT_EQ(test::dateiText(uhr), "old dial");
            EXPECT_EQ(test::dateiText(blatt), "old cone");
            EXPECT_TRUE(e.gesagt("Eingabefehler"));
            EXPECT_FALSE(e.gesagt("saved"));
            EXPECT_EQ(e.frage.asked.size(), 1u) << "refused before the grid question";
            EXPECT_EQ(std::distance(fs::directory_iterator(e.ordner), fs::directory_iterator()), 2);
        }
    }
}

TEST(KegelExport, AConeSheetThatCannotBeWrittenKeepsBothOldFiles)
{
    // The cone sheet's name one character too long for the file system (the dial's own fits),
    // and a folder under the cone sheet's name; with and without an old dial file.
    const std::string lang(255 - 8 + 1, 'd');
    for (const bool alsHpgl : {true, false}) {
        for (const bool ordnerStattBlatt : {false, true}) {
            for (const bool alteUhr : {true, false}) {
                KegelExport e("zweites");
                e.s.AlsHPGL = alsHpgl;
                const std::string endung = alsHpgl ? ".plt" : ".dxf";
                const std::string stamm = ordnerStattBlatt ? "dial" : lang;
                const fs::path uhr = e.ordner / (stamm + endung);
                if (ordnerStattBlatt)
                    fs::create_directory(e.ordner / (stamm + "Cone" + endung));
                if (alteUhr)
                    std::ofstream(uhr, std::ios::binary) << "old dial";
                SCOPED_TRACE(endung + (ordnerStattBlatt ? " folder" : " long name") + (alteUhr ? " old dial" : ""));
                EXPECT_FALSE(e.schreibe(uhr));
                if (alteUhr)
                    EXPECT_EQ(test::dateiText(uhr), "old dial");
                else
                    EXPECT_FALSE(fs::exists(uhr));
                ASSERT_FALSE(e.frage.asked.empty());
                EXPECT_EQ(e.frage.asked.back().title, PromptTitle::Fehler);
                EXPECT_NE(e.frage.asked.back().text.find(stamm + "Cone" + endung + "\""), std::string::npos)
                    << "the last message names the cone sheet: " << e.frage.asked.back().text;
                EXPECT_FALSE(e.gesagt("saved")) << "nothing is said to be saved";
                EXPECT_FALSE(e.gesagt("gespeichert"));
                EXPECT_EQ(std::distance(fs::directory_iterator(e.ordner), fs::directory_iterator()),
                          (alteUhr ? 1 : 0) + (ordnerStattBlatt ? 1 : 0))
                    << "no temporary left";
            }
        }
    }
}

// The pair written while a viewer holds a shared lock on the old dial sheet: the export does
// not wait for it, and both sheets are new. Then three copies of the program export the cone
// into one folder at once, two of them onto the same names: none waits, none fails, and the
// next export leaves nothing but the sheets.
TEST(KegelExport, NoExportWaitsForALockOrForAnotherCopyOfTheProgram)
{
    for (const bool alsHpgl : {true, false}) {
        KegelExport e("gesperrt");
        e.s.AlsHPGL = alsHpgl;
        const std::string endung = alsHpgl ? ".plt" : ".dxf";
        const fs::path uhr = e.ordner / ("dial" + endung), blatt = e.ordner / ("dialCone" + endung);
        std::ofstream(uhr, std::ios::binary) << "old dial";
        std::ofstream(blatt, std::ios::binary) << "old cone";
        const int gesperrt = test::sperre(uhr, true);
        ASSERT_GE(gesperrt, 0);
        EXPECT_EQ(test::imKindMitFrist([&] { return e.schreibe(uhr) ? 0 : 1; }, 10), 0) << endung << " (-1: it waited)";
        ::close(gesperrt);
        EXPECT_NE(test::dateiText(uhr), "old dial");
        EXPECT_NE(test::dateiText(blatt), "old cone");
        EXPECT_EQ(std::distance(fs::directory_iterator(e.ordner), fs::directory_iterator()), 2);
    }
    const KegelExport e("kopien");
    const auto kopie = [&](const char* name) {
        return [&e, name] {
            KegelExport k("kopien", true);
            int fehlschlaege = 0;
            for (int i = 0; i < 60; ++i)
                fehlschlaege += !k.schreibe(e.ordner / name);
            return std::min(fehlschlaege, 100);
        };
    };
    EXPECT_EQ(test::inKindernMitFrist({kopie("dial.plt"), kopie("dial.plt"), kopie("other.plt")}, 60),
              (std::vector{0, 0, 0}))
        << "failed exports of each copy (-1: it waited)";
    KegelExport naechste("kopien", true);
    ASSERT_TRUE(naechste.schreibe(e.ordner / "dial.plt"));
    EXPECT_EQ(std::distance(fs::directory_iterator(e.ordner), fs::directory_iterator()), 4);
}

// A pipe or a device in the old dial sheet's place (one root made in the user's folder), held
// by another program: it is neither opened nor copied (the device would never end; a file-size
// limit stands in for the full disk), the export is refused at once, naming the sheet and what
// stands in its place, and both names keep what they held.
TEST(KegelExport, AnOldDialSheetThatIsNoFileIsRefusedAtOnce)
{
    bool ohneGeraet = false;
    for (const bool geraet : {false, true})
        for (const bool alsHpgl : {true, false}) {
            KegelExport e(geraet ? "geraet" : "pipe");
            e.s.AlsHPGL = alsHpgl;
            const std::string endung = alsHpgl ? ".plt" : ".dxf";
            const fs::path uhr = e.ordner / ("dial" + endung), blatt = e.ordner / ("dialCone" + endung);
            std::ofstream(blatt, std::ios::binary) << "old cone";
            if ((geraet ? ::mknod(uhr.c_str(), S_IFCHR | 0666, ::makedev(1, 5)) : ::mkfifo(uhr.c_str(), 0666)) != 0) {
                ohneGeraet = true;
                continue;
            }
            const int halter = test::sperre(uhr, false);
            ASSERT_GE(halter, 0);
            const std::string grund = "dial" + endung + "\" kann nicht ersetzt werden: Der Name ist der einer Pipe oder eines Geräts";
            const int r = test::imKindMitFrist([&] {
                const test::VollePlatte voll(64 << 20);
                return e.schreibe(uhr) ? 0 : e.gesagt(grund) ? 1 : 2;
            }, 20);
            ::close(halter);
            EXPECT_EQ(r, 1) << endung << (geraet ? " device" : " pipe") << " (0: saved, 2: another message, -1: it waited)";
            EXPECT_EQ(fs::status(uhr).type(), geraet ? fs::file_type::character : fs::file_type::fifo);
            EXPECT_EQ(test::dateiText(blatt), "old cone");
            EXPECT_EQ(std::distance(fs::directory_iterator(e.ordner), fs::directory_iterator()), 2) << "no temporary left";
        }
    if (ohneGeraet)
        GTEST_SKIP() << "no device can be made here";
}
