#include "core/HPGLListe.h"
#include "core/Sprachdienst.h"
#include "drawing/DxfChecks.h"
#include "drawing/KartenText.h"
#include "drawing/Platzierung.h"
#include "drawing/ZeichnungDruck.h"
#include "drawing/ZeichnungExport.h"
#include "support/ExportPruefung.h"
#include "support/ScriptedPrompt.h"
#include "support/TestOrdner.h"

#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

using namespace umbrin;
namespace fs = std::filesystem;

namespace {

constexpr std::int32_t W = 1100, H = 700;

struct Export {
    AppState s;
    Zeichenfensterzustand f;
    test::ScriptedPrompt frage;
    fs::path ordner;

    explicit Export(const char* name, char typ = 'v')
    {
        initialisiereZustand(s);
        LadeKartenText(s);
        s.UhrTyp = typ;
        setzePlatzierung(s, {300, 40, 400, 600}); // as the user clicked them
        s.FusspunktGesetzt = 1;
        // One folder per process: suites of several build folders may run at once.
        ordner = fs::temp_directory_path() / (std::string("umbrin_export_") + name + "_" + std::to_string(getpid()));
        fs::remove_all(ordner);
        fs::create_directories(ordner);
    }
    ~Export() { fs::remove_all(ordner); }

    bool schreibe(const fs::path& datei, const Zeichnungseintrag* eintrag, const fs::path& kartenOrdner = UMBRIN_BINARY_DIR)
    {
        ExportAuftrag a;
        a.datei = datei;
        a.bildBreite = W;
        a.bildHoehe = H;
        a.arbeitsPfad = kartenOrdner;
        Auftragsschutz schutz(s);
        return exportiereZeichnung(s, f, frage, eintrag, a, schutz);
    }
    bool schreibe(const fs::path& datei) { return schreibe(datei, zeichnungseintrag(s, false)); }

    std::vector<std::string> dateien() const
    {
        std::vector<std::string> n;
        for (const auto& e : fs::directory_iterator(ordner))
            n.push_back(e.path().filename().string());
        std::sort(n.begin(), n.end());
        return n;
    }
};

// A plot routine of a family that writes a little square, and the cone's second sheet.
Plotergebnis quadrat(Plotauftrag& a)
{
    HPGLZeile(a.plot, "IN;SP 1;PU 0 0;PD 4000 0 4000 4000 0 4000 0 0;PU;");
    return Plotergebnis::geschrieben();
}
// A writer that finds halfway through that it cannot draw the dial.
Plotergebnis verweigernd(Plotauftrag& a)
{
    HPGLZeile(a.plot, "IN;SP 1;PU 0 0;PD 4000 0;");
    return Plotergebnis::abgelehnt("not at this latitude", PromptTitle::Fehler, PromptIcon::Error);
}
std::string vorabAbgelehnt(const AppState&) { return "refused before any file"; }
Plotergebnis werfend(Plotauftrag& a)
{
    HPGLZeile(a.plot, "IN;SP 1;");
    throw HPGLSchreibfehler("Cannot write " + a.dateiname);
}
// A plot routine during whose run a folder takes the coordinate list's name: the plot is
// saved, the list cannot take its place.
Plotergebnis listeVersperrt(Plotauftrag& a)
{
    fs::create_directories(fs::path(a.dateiname).replace_extension(".txt") / "x");
    return quadrat(a);
}
constexpr Zeichnungseintrag versperrteListe{'v', -1, nullptr, nullptr, listeVersperrt, nullptr,
                                            PlotPlatzierung::Plan, DruckPlatzierung::Keine};
constexpr Zeichnungseintrag kegelEintrag{'m', -1, nullptr, nullptr, quadrat, quadrat, PlotPlatzierung::Plan,
                                         DruckPlatzierung::FussUndLegende};
constexpr Zeichnungseintrag verweigernderEintrag{'v', -1, nullptr, nullptr, verweigernd, nullptr,
                                                 PlotPlatzierung::Plan, DruckPlatzierung::Keine};
constexpr Zeichnungseintrag vorabEintrag{'v', -1, nullptr, nullptr, quadrat, nullptr, PlotPlatzierung::Plan,
                                         DruckPlatzierung::Keine, vorabAbgelehnt};
constexpr Zeichnungseintrag verweigertesBlatt{'m', -1, nullptr, nullptr, quadrat, verweigernd, PlotPlatzierung::Plan,
                                              DruckPlatzierung::Keine};
constexpr Zeichnungseintrag werfenderEintrag{'v', -1, nullptr, nullptr, werfend, nullptr, PlotPlatzierung::Plan,
                                             DruckPlatzierung::Keine};

} // namespace

TEST(ZeichnungExport, PlotHoldsTheMapAndTheFootWhereTheImageHadIt)
{
    Export e("plot");
    e.s.AlsHPGL = 1;
    const fs::path datei = e.ordner / "dial.plt";
    ASSERT_TRUE(e.schreibe(datei));
    EXPECT_EQ(e.dateien(), std::vector<std::string>{"dial.plt"});
    const std::string hpgl = test::dateiText(datei);
    test::PlotPunkt fuss{};
    ASSERT_TRUE(test::findeFussmarke(hpgl, 200, fuss));
    EXPECT_EQ(fuss.x, pixelNachPlotX(300, W));
    EXPECT_EQ(fuss.y, pixelNachPlotY(40, H));
    EXPECT_NE(hpgl.find(";SP 11"), std::string::npos); // coastlines
    EXPECT_NE(hpgl.find(";SP 12"), std::string::npos); // borders
    EXPECT_EQ(test::hp2xxPruefung(datei), "");
    ASSERT_FALSE(e.frage.asked.empty());
    EXPECT_EQ(e.frage.asked.back().text, "\r\n       Datei dial.plt gespeichert!     ");
    // In English the report says so in English, as the others do.
    setzeSprache(e.s, false);
    ASSERT_TRUE(e.schreibe(datei));
    EXPECT_EQ(e.frage.asked.back().text, "\r\n       File dial.plt saved!     ");
    setzeSprache(e.s, true);
    // The placement is the image's again, and the legend counts as placed.
    EXPECT_EQ(platzierungVon(e.s), (Platzierung{300, 40, 400, 600}));
    EXPECT_EQ(e.s.LegendeGesetzt, 1);
    EXPECT_EQ(e.s.HPGLDateiname, datei.string());
}

TEST(ZeichnungExport, DxfComesFromAUniqueTemporaryPlotAndKeepsTheFoot)
{
    Export e("dxf");
    e.s.AlsHPGL = 0;
    {
        std::ofstream(e.ordner / "umbrin.$$$") << "the user's own file";
    }
    const fs::path datei = e.ordner / "dial.dxf";
    ASSERT_TRUE(e.schreibe(datei));
    EXPECT_EQ(e.dateien(), (std::vector<std::string>{"dial.dxf", "umbrin.$$$"}));
    EXPECT_EQ(test::dateiText(e.ordner / "umbrin.$$$"), "the user's own file");
    EXPECT_EQ(e.f.DxfFaktor, 25);
    if (umbrin::testing::ezdxfVerfuegbar()) {
        EXPECT_EQ(test::ezdxfPruefung(datei), "");
    }

    // The foot mark's centre, in millimetres: plotter units / 40.
    const double fx = pixelNachPlotX(300, W) / 40.0, fy = pixelNachPlotY(40, H) / 40.0;
    bool gefunden = false;
    for (const auto& v : umbrin::testing::nurTyp(umbrin::testing::dxfEntitaeten(test::dateiText(datei)), "VERTEX")) {
        if (std::abs(v.zahl(10) - fx) < 0.01 && std::abs(v.zahl(20) - fy) < 0.01)
            gefunden = true;
    }
    EXPECT_TRUE(gefunden) << fx << " " << fy;
    if (!umbrin::testing::ezdxfVerfuegbar())
        GTEST_SKIP() << umbrin::testing::kOhneEzdxf;
}

TEST(ZeichnungExport, TypesWithoutAPlotFormMakeNoFile)
{
    for (char typ : std::string("fo")) {
        Export e("ohne", typ);
        EXPECT_FALSE(e.schreibe(e.ordner / "dial.plt"));
        EXPECT_TRUE(e.dateien().empty()) << typ;
        ASSERT_EQ(e.frage.asked.size(), 1u);
        EXPECT_EQ(e.frage.asked[0].text, keinExportText(e.s));
    }
}

TEST(ZeichnungExport, FailuresLeaveNoFileAndSayWhat)
{
    for (bool plotDatei : {true, false}) {
        Export e("fehler");
        e.s.AlsHPGL = plotDatei ? 1 : 0;
        const fs::path datei = e.ordner / "missing" / "dial.plt";
        EXPECT_FALSE(e.schreibe(datei));
        ASSERT_FALSE(e.frage.asked.empty());
        EXPECT_EQ(e.frage.asked.back().title, PromptTitle::Fehler);
        // The user's file is named, not the intermediate plot of a DXF export.
        EXPECT_NE(e.frage.asked.back().text.find("missing/dial.plt"), std::string::npos) << e.frage.asked.back().text;
        EXPECT_TRUE(e.dateien().empty());
        EXPECT_EQ(platzierungVon(e.s), (Platzierung{300, 40, 400, 600}));
    }
    for (bool plotDatei : {true, false}) {
        Export e("werfend");
        e.s.AlsHPGL = plotDatei ? 1 : 0;
        EXPECT_FALSE(e.schreibe(e.ordner / "dial.plt", &werfenderEintrag));
        EXPECT_TRUE(e.dateien().empty());
        EXPECT_NE(e.frage.asked.back().text.find("Cannot write"), std::string::npos);
        EXPECT_EQ(platzierungVon(e.s), (Platzierung{300, 40, 400, 600}));
    }
    {
        Export e("liste");
        e.f.ListingSchreiben = true;
        EXPECT_FALSE(e.schreibe(e.ordner / "dial.plt", &versperrteListe));
        EXPECT_EQ(e.frage.asked.back().title, PromptTitle::Fehler);
        EXPECT_NE(e.frage.asked.back().text.find("dial.txt"), std::string::npos) << e.frage.asked.back().text;
    }
    Export e("nullbild");
    ExportAuftrag a;
    a.datei = e.ordner / "dial.plt";
    Auftragsschutz schutz(e.s);
    EXPECT_FALSE(exportiereZeichnung(e.s, e.f, e.frage, zeichnungseintrag(e.s, false), a, schutz));
    EXPECT_EQ(e.frage.asked.back().text, keineBildgroesseText(e.s));
    EXPECT_TRUE(e.dateien().empty());
}

TEST(ZeichnungExport, ARefusedPlotLeavesTheTargetByteForByte)
{
    // A refusal inside the writer or by the row's check: the old file stays, nothing says
    // saved, the message says why; the coordinate list beside it stays too.
    const std::string alt = std::string("IN;SP 1;PU 10 10;PD 20 20;\r\n\xe4 old plot", 33);
    const struct {
        const Zeichnungseintrag* eintrag;
        bool plotDatei;
        const char* name;
        const char* text;
        PromptTitle titel;
    } faelle[] = {
        {&verweigernderEintrag, true, "dial.plt", "not at this latitude", PromptTitle::Fehler},
        {&verweigernderEintrag, false, "dial.dxf", "not at this latitude", PromptTitle::Fehler},
        {&vorabEintrag, true, "dial.plt", "refused before any file", PromptTitle::Achtung},
        {&verweigertesBlatt, true, "dialCone.plt", "not at this latitude", PromptTitle::Fehler},
    };
    for (const auto& f : faelle) {
        Export e("verweigert");
        e.s.AlsHPGL = f.plotDatei ? 1 : 0;
        e.f.ListingSchreiben = true;
        for (const char* n : {f.name, "dial.txt"})
            std::ofstream(e.ordner / n, std::ios::binary) << alt;
        const fs::path ziel = e.ordner / (std::string(f.name) == "dialCone.plt" ? "dial.plt" : f.name);
        EXPECT_FALSE(e.schreibe(ziel, f.eintrag)) << f.name;
        EXPECT_EQ(test::dateiText(e.ordner / f.name), alt) << f.name;
        EXPECT_EQ(test::dateiText(e.ordner / "dial.txt"), alt) << f.name;
        for (const fs::path& d : fs::directory_iterator(e.ordner))
            EXPECT_TRUE(d.filename() == f.name || d.filename() == "dial.txt" || d.filename() == "dial.plt") << d;
        ASSERT_FALSE(e.frage.asked.empty());
        EXPECT_EQ(e.frage.asked.back().text, f.text);
        EXPECT_EQ(e.frage.asked.back().title, f.titel);
        for (const auto& gefragt : e.frage.asked)
            EXPECT_EQ(gefragt.text.find("saved"), std::string::npos) << gefragt.text;
        EXPECT_EQ(platzierungVon(e.s), (Platzierung{300, 40, 400, 600}));
    }
}

TEST(ZeichnungExport, AFailedReplacementLeavesWhatTheNameHeld)
{
    // The DXF cannot take the place of what the chosen name holds (here a folder): the
    // failure is reported, and the export removes nothing it did not write.
    for (bool plotDatei : {true, false}) {
        Export e("ersetzen");
        e.s.AlsHPGL = plotDatei ? 1 : 0;
        const fs::path ziel = e.ordner / "dial.dxf";
        fs::create_directory(ziel);
        EXPECT_FALSE(e.schreibe(ziel));
        EXPECT_TRUE(fs::is_directory(ziel));
        EXPECT_EQ(e.frage.asked.back().title, PromptTitle::Fehler);
        EXPECT_EQ(e.dateien(), (std::vector<std::string>{"dial.dxf"}));
    }
}

TEST(ZeichnungExport, MissingCoastFileIsReportedAndTheExportGoesOn)
{
    Export e("ohnekarte");
    e.s.AlsHPGL = 1;
    ASSERT_TRUE(e.schreibe(e.ordner / "dial.plt", zeichnungseintrag(e.s, false), e.ordner));
    EXPECT_EQ(e.frage.asked.front().text, "Die Datei coastUmb.dat fehlt. Küstenlinien können nicht angezeigt werden");
    const std::string hpgl = test::dateiText(e.ordner / "dial.plt");
    EXPECT_EQ(hpgl.find(";SP 11"), std::string::npos);
    EXPECT_NE(hpgl.find(";SP 12"), std::string::npos);
}

TEST(ZeichnungExport, CoordinateListBesideThePlotOrOnThePrinter)
{
    Export e("liste");
    e.s.AlsHPGL = 1;
    e.f.ListingSchreiben = true;
    ASSERT_TRUE(e.schreibe(e.ordner / "dial.x.plt"));
    EXPECT_EQ(e.dateien(), (std::vector<std::string>{"dial.txt", "dial.x.plt"}));
    EXPECT_EQ(e.f.ListingText, (e.ordner / "dial.txt").string());
    EXPECT_GT(fs::file_size(e.ordner / "dial.txt"), 1000u);

    // The printer list is asked for; refused, the export writes nothing.
    Export p("drucker");
    p.f.ListingSchreiben = true;
    p.f.ListingZiel = "printer";
    ExportAuftrag a;
    a.datei = p.ordner / "dial.plt";
    a.bildBreite = W;
    a.bildHoehe = H;
    a.arbeitsPfad = UMBRIN_BINARY_DIR;
    int gefragt = 0;
    a.druckerListe = [&](std::string& fehler) -> std::unique_ptr<HPGLListe> {
        ++gefragt;
        fehler = "no printer";
        return nullptr;
    };
    Auftragsschutz schutz(p.s);
    EXPECT_FALSE(exportiereZeichnung(p.s, p.f, p.frage, zeichnungseintrag(p.s, false), a, schutz));
    EXPECT_EQ(gefragt, 1);
    EXPECT_EQ(p.frage.asked.back().text, "no printer");
    EXPECT_TRUE(p.dateien().empty());

    // A printer list that fails at its end is reported as a failed print.
    struct Abbruch : HPGLListe {
        void schreibe(std::string_view) override {}
        void zeilenende() override {}
        bool schliessen(std::string& fehler) override { return fehler = "paper jam", false; }
    };
    a.druckerListe = [](std::string&) -> std::unique_ptr<HPGLListe> { return std::make_unique<Abbruch>(); };
    EXPECT_FALSE(exportiereZeichnung(p.s, p.f, p.frage, zeichnungseintrag(p.s, false), a, schutz));
    EXPECT_EQ(p.frage.asked.back().text, "Fehler - Drucken abgebrochen!\n\rpaper jam");
}

TEST(ZeichnungExport, TheConeGoesOntoASecondSheet)
{
    for (const char* name : {"dial.plt", "dial"}) {
        Export e("kegel", 'm');
        e.s.AlsHPGL = 1;
        ASSERT_TRUE(e.schreibe(e.ordner / name, &kegelEintrag));
        const std::string blatt = std::string(name) == "dial" ? "dialCone" : "dialCone.plt";
        EXPECT_EQ(e.dateien(), (std::vector<std::string>{name, blatt}));
        EXPECT_EQ(e.s.HPGLDateiname, (e.ordner / blatt).string());
        bool kegelMeldung = false;
        for (const auto& f : e.frage.asked)
            kegelMeldung |= f.text == "\r\nKegelkonstruktion (Querschnitt, Mantel) in Datei  \"" + blatt + "\" !!!";
        EXPECT_TRUE(kegelMeldung);
    }
    Export d("kegeldxf", 'm');
    d.s.AlsHPGL = 0;
    ASSERT_TRUE(d.schreibe(d.ordner / "dial.dxf", &kegelEintrag));
    EXPECT_EQ(d.dateien(), (std::vector<std::string>{"dial.dxf", "dialCone.dxf"}));
    EXPECT_EQ(d.f.DxfFaktor, 25);
    // Both sheets were converted at 1000 units per millimetre: the 4000-unit square is 4 mm.
    for (const char* blatt : {"dial.dxf", "dialCone.dxf"}) {
        const auto vertices = umbrin::testing::nurTyp(umbrin::testing::dxfEntitaeten(test::dateiText(d.ordner / blatt)), "VERTEX");
        double maxX = 0;
        for (const auto& v : vertices)
            maxX = std::max(maxX, v.zahl(10));
        EXPECT_NEAR(maxX, 4.0, 1e-9) << blatt;
    }
}

TEST(ZeichnungDruck, ChecksBeforeAPrint)
{
    AppState s;
    initialisiereZustand(s);
    Zeichenfensterzustand f;
    f.BildBreite = f.AktivBreite = 1000;
    f.BildHoehe = f.AktivHoehe = 600;
    setzePlatzierung(s, {500, 30, 0, 0});
    const Zeichnungseintrag* eben = zeichnungseintrag(s, false);

    test::ScriptedPrompt frage;
    EXPECT_TRUE(druckVorpruefung(s, f, eben, frage));
    EXPECT_TRUE(frage.asked.empty());

    // The foot outside the image: Yes cancels, No prints.
    s.FusspunktX = 1001;
    frage.answers = {PromptAnswer::Yes, PromptAnswer::No};
    EXPECT_FALSE(druckVorpruefung(s, f, eben, frage));
    EXPECT_TRUE(druckVorpruefung(s, f, eben, frage));
    EXPECT_EQ(frage.asked[0].text.rfind("Der Fußpunkt des Gnomon liegt", 0), 0u);

    // A minimised window has no size to scale by.
    test::ScriptedPrompt nichts;
    f.BildBreite = 0;
    EXPECT_FALSE(druckVorpruefung(s, f, eben, nichts));
    EXPECT_EQ(nichts.asked.back().text, keineBildgroesseText(s));
    f.BildBreite = 1000;

    // Temporal hours beyond latitude 63 for the other families; then their missing print form.
    s.UhrTyp = 'a';
    s.Par.Breite = 64;
    s.Schalter.TemporalAnzeige = 1;
    test::ScriptedPrompt a;
    EXPECT_FALSE(druckVorpruefung(s, f, nullptr, a));
    EXPECT_EQ(a.asked.back().text.rfind("Temporalstunden sind", 0), 0u);
    s.Schalter.TemporalAnzeige = 0;
    for (char typ : std::string("fo")) {
        s.UhrTyp = typ;
        test::ScriptedPrompt b;
        EXPECT_FALSE(druckVorpruefung(s, f, zeichnungseintrag(s, false), b));
        EXPECT_EQ(b.asked.back().text, keinDruckText(s));
    }
}
// A failed plot or DXF export (a folder of its name; the disk full during the 270 KB plot or
// the 1 MB DXF, after the 30 KB list) keeps the old coordinate list byte for byte.
TEST(ZeichnungExport, AFailedExportKeepsTheOldCoordinateList)
{
    const std::string alt = "the list of the last export\r\n\xe4";
    for (const bool plotDatei : {true, false})
        for (const bool voll : {false, true}) {
            Export e("listealt");
            e.s.AlsHPGL = plotDatei ? 1 : 0;
            e.f.ListingSchreiben = true;
            const fs::path ziel = e.ordner / (plotDatei ? "dial.plt" : "dial.dxf");
            std::ofstream(e.ordner / "dial.txt", std::ios::binary) << alt;
            if (!voll)
                fs::create_directory(ziel);
            EXPECT_FALSE([&] {
                const test::VollePlatte platte(!voll ? RLIM_INFINITY : plotDatei ? 100000 : 500000);
                return e.schreibe(ziel);
            }()) << plotDatei << voll;
            EXPECT_EQ(test::dateiText(e.ordner / "dial.txt"), alt) << plotDatei << voll;
            EXPECT_EQ(e.dateien().size(), voll ? 1u : 2u) << plotDatei << voll;
        }
}
