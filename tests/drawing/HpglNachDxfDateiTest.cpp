// The converter as the windows call it: an HPGL file in, a DXF file out, a status and a
// message back. Characters, line ends, long commands and failures of the files.
#include "drawing/HpglNachDxf.h"

#include "core/SafeSave.h"
#include "DxfChecks.h"

#include "support/TestOrdner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <unistd.h>

using namespace umbrin;
using umbrin::testing::DxfSatz;
using umbrin::testing::dxfEntitaeten;
using umbrin::testing::nurTyp;
namespace fs = std::filesystem;

namespace {


std::string lies(const fs::path& datei)
{
    std::string bytes;
    std::string fehler;
    EXPECT_TRUE(readFileBytes(datei, bytes, fehler)) << fehler;
    return bytes;
}

void schreibe(const fs::path& datei, const std::string& bytes)
{
    std::string fehler;
    ASSERT_TRUE(saveFileSafely(datei, bytes, fehler)) << fehler;
}

std::size_t dateienIn(const fs::path& ordner)
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(ordner), fs::directory_iterator()));
}

// Every line end is CR LF: no CR without LF, no LF without CR.
bool nurCrLf(const std::string& text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))
            return false;
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            return false;
    }
    return !text.empty() && text.substr(text.size() - 5) == "EOF\r\n";
}

DxfEinstellung einstellung(double massstab = 40, bool deutsch = true)
{
    DxfEinstellung e;
    e.massstab = massstab;
    e.stiftbreite = 2;
    e.deutsch = deutsch;
    return e;
}

} // namespace

TEST(HpglNachDxfDatei, LabelsKeepTheirWindows1252Characters)
{
    const test::TestOrdner ordner("cp1252");
    std::vector<std::string> info;
    // The plot in Windows-1252, as the writers make it, and the same plot saved as UTF-8.
    schreibe(ordner / "a.plt", "IN;SP 4;PU 400 400;LBL\xe4nge 48\xb0 \x80\x03;");
    schreibe(ordner / "b.plt", "IN;SP 4;PU 400 400;LBL\xc3\xa4nge 48\xc2\xb0 \xe2\x82\xac\x03;");
    for (const char* name : {"a", "b"}) {
        const fs::path dxf = ordner / (std::string(name) + ".dxf");
        const DxfErgebnis e = HpglNachDxf(ordner / (std::string(name) + ".plt"), dxf, einstellung(), info);
        ASSERT_EQ(e.status, DxfStatus::Gespeichert) << e.meldung;
        const std::string bytes = lies(dxf);
        EXPECT_NE(bytes.find("  1\r\nL\xe4nge 48\xb0 \x80\r\n"), std::string::npos) << name;
        EXPECT_NE(bytes.find("$DWGCODEPAGE\r\n  3\r\nANSI_1252\r\n"), std::string::npos);

        const auto bericht = umbrin::testing::pruefeMitEzdxf(dxf, 0, 0, 0, {"Länge 48° €"});
        EXPECT_TRUE(bericht.ok || !bericht.verfuegbar) << bericht.ausgabe;
    }
    if (!umbrin::testing::ezdxfVerfuegbar())
        GTEST_SKIP() << umbrin::testing::kOhneEzdxf;
}

TEST(HpglNachDxfDatei, EveryLineEndsWithCrLf)
{
    std::vector<std::string> info;
    for (const char* hpgl : {"IN;SP 1;PU 0 0;PD 400 400;LBa\x03", "IN;PA;IW 0 0 400 400;EA 400 400;PD 40 40;"}) {
        std::string dxf;
        HpglTextNachDxfText(hpgl, "a.plt", dxf, einstellung(), info);
        EXPECT_TRUE(nurCrLf(dxf)) << hpgl;
    }
}

TEST(HpglNachDxfDatei, CommandsOfAnyLengthAreConvertedWhole)
{
    std::vector<std::string> info;
    // A relative line of 200 pairs, far longer than 250 characters.
    std::string hpgl = "IN;PU 0 0;PR";
    for (int i = 0; i < 200; ++i)
        hpgl += " 40 0";
    // A line of long coordinates: nine pairs of them no longer fit 230 characters.
    hpgl += ";PA;PU 0 0;PD";
    for (int i = 1; i <= 30; ++i)
        hpgl += " " + std::to_string(100000000 + i) + ".125 " + std::to_string(200000000 + i) + ".375";
    // A label of 600 characters with a line break inside.
    const std::string label = std::string(300, 'x') + "\r\n" + std::string(298, 'y');
    hpgl += ";LB " + label + " \x03;";

    std::string dxf;
    const DxfErgebnis e = HpglTextNachDxfText(hpgl, "a.plt", dxf, einstellung(), info);
    EXPECT_EQ(e.status, DxfStatus::Gespeichert);
    EXPECT_TRUE(info.empty()) << info.front();
    const std::vector<DxfSatz> saetze = dxfEntitaeten(dxf);
    const auto vertices = nurTyp(saetze, "VERTEX");
    ASSERT_EQ(vertices.size(), 201u + 31u);
    EXPECT_EQ(vertices[200].wert(10), "  200.00000");
    EXPECT_EQ(vertices[202].wert(10), "2500000.0281"); // 100000001.125 / 40
    EXPECT_EQ(vertices[231].wert(20), "5000000.7594"); // 200000030.375 / 40
    const auto texte = nurTyp(saetze, "TEXT");
    ASSERT_EQ(texte.size(), 1u);
    EXPECT_EQ(texte[0].wert(1), std::string(300, 'x') + "  " + std::string(298, 'y'));
}

TEST(HpglNachDxfDatei, RectangleWithoutPenWidthGetsTheLineDefault)
{
    std::vector<std::string> info;
    std::string dxf;
    HpglTextNachDxfText("IN;PW;PU 0 0;EA 400 400;PD 40 40;", "a.plt", dxf, einstellung(), info);
    const auto saetze = dxfEntitaeten(dxf);
    ASSERT_FALSE(saetze.empty());
    EXPECT_EQ(saetze[0].typ, "POLYLINE");
    EXPECT_EQ(saetze[0].wert(40), "0.8");
    EXPECT_EQ(saetze[0].wert(41), "0.8");
}

TEST(HpglNachDxfDatei, TheOutcomeComesBackWithItsMessage)
{
    const test::TestOrdner ordner("meldung");
    std::vector<std::string> info;
    schreibe(ordner / "dial.plt", "IN;SP 1;PU 0 0;PD 40 40;");
    DxfErgebnis e = HpglNachDxf(ordner / "dial.plt", ordner / "dial.dxf", einstellung(40, true), info);
    EXPECT_EQ(e.status, DxfStatus::Gespeichert);
    EXPECT_EQ(e.titel, PromptTitle::Information);
    EXPECT_EQ(e.symbol, PromptIcon::Information);
    EXPECT_EQ(e.meldung, "\r       Datei dial.dxf gespeichert!");
    e = HpglNachDxf(ordner / "dial.plt", ordner / "dial.dxf", einstellung(40, false), info);
    EXPECT_EQ(e.meldung, "\r       File dial.dxf saved!");

    // Plots that draw nothing to be seen (a frame and a window, pens, sizes and moves, an
    // empty label or one of blanks and no-break spaces, a pen put down without a move, a
    // circle of radius 0, an arc of radius 0 or without a sweep, a text that is no plot)
    // leave an older drawing of the name as it was, and say why.
    for (const char* plot : {"IN;PA;IW 0 0 400 400;EA 400 400;", "IN;SP1;PD;", "IN;SP 1;SI 0.2,0.3;PU 40 40;PR;LB\x03",
                             "IN;SP1;PA40,40;LB\xA0 \xA0\x03", "IN;SP1;PA0,0;PD0,0;", "IN;SP1;PA40,40;PD40,40,40,40;",
                             "IN;SP1;CI0;", "IN;SP1;PA100,100;AA100,100,90;", "IN;SP1;PA100,100;AA100,200,0;",
                             "UMBRIN SETTINGS\r\nSPRACHE=1\r\nPUNKT=2\r\n"}) {
        schreibe(ordner / "leer.plt", plot);
        schreibe(ordner / "leer.dxf", "the drawing of last week");
        e = HpglNachDxf(ordner / "leer.plt", ordner / "leer.dxf", einstellung(), info);
        EXPECT_EQ(e.status, DxfStatus::NichtKonvertiert) << plot;
        EXPECT_EQ(e.titel, PromptTitle::Fehler);
        EXPECT_EQ(e.symbol, PromptIcon::Warning);
        EXPECT_EQ(e.meldung, "Datei leer.plt nicht konvertiert!\n\rHPGL-Datei ist eventuell defekt.\n\r"
                             "Der Plot zeichnet nichts; die Datei leer.dxf bleibt, wie sie war.");
        EXPECT_EQ(lies(ordner / "leer.dxf"), "the drawing of last week");
    }
    e = HpglNachDxf(ordner / "leer.plt", ordner / "leer.dxf", einstellung(40, false), info);
    EXPECT_EQ(e.meldung, "File leer.plt not converted!\n\rHPGL-file is probably corrupted.\n\r"
                         "The plot draws nothing; the file leer.dxf is left as it was.");
    e = HpglNachDxf(ordner / "leer.plt", ordner / "neu.dxf", einstellung(40, false), info);
    EXPECT_EQ(e.meldung, "File leer.plt not converted!\n\rHPGL-file is probably corrupted.\n\r"
                         "The plot draws nothing; no DXF file was written.");
    EXPECT_FALSE(fs::exists(ordner / "neu.dxf"));
    fs::create_directory(ordner / "ordner.dxf");
    e = HpglNachDxf(ordner / "dial.plt", ordner / "ordner.dxf", einstellung(40, false), info);
    EXPECT_EQ(e.meldung.rfind("That was a file opening error!\n", 0), 0u) << e.meldung;
}

TEST(HpglNachDxfDatei, TextThatIsNotHpglMakesNoDxf)
{
    const test::TestOrdner ordner("keinhpgl");
    std::vector<std::string> info{"old line"};
    for (const std::string& inhalt : {std::string(""), std::string("  123;456 \r\n"), std::string("12 I  \x03\r\n")}) {
        schreibe(ordner / "x.plt", inhalt);
        const DxfErgebnis e = HpglNachDxf(ordner / "x.plt", ordner / "x.dxf", einstellung(), info);
        EXPECT_EQ(e.status, DxfStatus::KeinHpgl);
        EXPECT_EQ(e.titel, PromptTitle::Warnung);
        EXPECT_EQ(e.meldung, "   Datei x.plt nicht konvertiert!\n\rHPGL-Datei ist eventuell defekt.");
        ASSERT_EQ(info.size(), 1u);
        EXPECT_EQ(info[0], (ordner / "x.plt").string() + " ist kein HPGL-File!");
        EXPECT_FALSE(fs::exists(ordner / "x.dxf"));
    }
}

TEST(HpglNachDxfDatei, FileFailuresNameTheFileAndLeaveNoPartialDxf)
{
    const test::TestOrdner ordner("fehler");
    std::vector<std::string> info;
    DxfErgebnis e = HpglNachDxf(ordner / "fehlt.plt", ordner / "a.dxf", einstellung(), info);
    EXPECT_EQ(e.status, DxfStatus::Fehler);
    EXPECT_NE(e.meldung.find("fehlt.plt"), std::string::npos);

    schreibe(ordner / "a.plt", "IN;PU 0 0;PD 40 40;");
    e = HpglNachDxf(ordner / "a.plt", ordner / "kein_ordner" / "a.dxf", einstellung(), info);
    EXPECT_EQ(e.status, DxfStatus::Fehler);
    EXPECT_EQ(e.titel, PromptTitle::Fehler);
    EXPECT_EQ(e.meldung.rfind("Das war ein Datei-Öffnungsfehler!", 0), 0u);
    EXPECT_NE(e.meldung.find("kein_ordner"), std::string::npos);
    EXPECT_EQ(dateienIn(ordner), 1u);
}

TEST(HpglNachDxfDatei, AWriteFailureKeepsTheOldDxf)
{
    // A file-size limit makes the writes fail as a full disk would.
    const test::TestOrdner ordner("voll");
    std::vector<std::string> info;
    schreibe(ordner / "a.dxf", "old drawing");
    std::string hpgl = "IN;SP 1;PU 0 0;PD";
    for (int i = 0; i < 30000; ++i)
        hpgl += " " + std::to_string(i % 16000) + " " + std::to_string(i % 11000);
    schreibe(ordner / "a.plt", hpgl);

    DxfErgebnis e;
    {
        const test::VollePlatte voll(64 * 1024);
        ASSERT_TRUE(voll.aktiv());
        e = HpglNachDxf(ordner / "a.plt", ordner / "a.dxf", einstellung(), info);
    }

    EXPECT_EQ(e.status, DxfStatus::Fehler);
    EXPECT_NE(e.meldung.find("a.dxf"), std::string::npos) << e.meldung;
    EXPECT_EQ(lies(ordner / "a.dxf"), "old drawing");
    EXPECT_EQ(dateienIn(ordner), 2u); // the plot and the old drawing, no temporary left
}

TEST(HpglNachDxfDatei, EveryConversionStartsAfresh)
{
    std::vector<std::string> info;
    std::string dxf;
    HpglTextNachDxfText("IN;SP 9;LT 1;IW 0 0 40 40;PW 5;SI 1,1;DI 0,1;SL 1;SA;PR 1 1;XY;", "a.plt", dxf,
                        einstellung(), info);
    ASSERT_FALSE(info.empty());
    // The second plot has no IN: nothing of the first may leak into it.
    const DxfErgebnis e = HpglTextNachDxfText("PU 400 400;PD 800 400;LBx\x03", "b.plt", dxf, einstellung(), info);
    EXPECT_EQ(e.status, DxfStatus::Gespeichert);
    EXPECT_TRUE(info.empty());
    const auto saetze = dxfEntitaeten(dxf);
    ASSERT_EQ(saetze.size(), 5u);
    EXPECT_EQ(saetze[0].wert(8), "L_0");
    EXPECT_EQ(saetze[0].wert(6), "CONTINUOUS");
    EXPECT_EQ(saetze[0].wert(40), " 1.5E-0001");
    EXPECT_EQ(saetze[2].wert(10), "20.0000"); // absolute and not clipped
    const DxfSatz& text = saetze[4];
    EXPECT_EQ(text.wert(7), "STANDARD");
    EXPECT_EQ(text.wert(40), "    2.7000");
    EXPECT_EQ(text.wert(41), "0.7");
    EXPECT_EQ(text.wert(50), "0.0");
    EXPECT_EQ(text.wert(51), "0.0");
}

TEST(HpglNachDxfDatei, RecordsWithoutAPositionStartAtTheOrigin)
{
    std::vector<std::string> info;
    std::string dxf;
    HpglTextNachDxfText("SP 1;CI 40;LBa\x03", "a.plt", dxf, einstellung(), info);
    const auto saetze = dxfEntitaeten(dxf);
    ASSERT_EQ(saetze.size(), 2u);
    EXPECT_EQ(saetze[0].wert(10), "0.0");
    EXPECT_EQ(saetze[1].wert(20), "0.0");
}
