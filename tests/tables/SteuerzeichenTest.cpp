// No control character read from a file reaches a label: a horizon profile's header and the
// date lines of a construction, a settings and a date file, each holding every one, drawn as
// the sun-path diagram or a dial, plotted, converted to DXF and put on a page.
#include "core/Textumformung.h"
#include "dialogs/IniLesen.h"
#include "dialogs/IniText.h"
#include "drawing/DxfChecks.h"
#include "drawing/HpglNachDxf.h"
#include "shell/Datumsdatei.h"
#include "support/Ansichten.h"
#include "tables/Profildatei.h"
#include "tables/SonnenstandRechtwinklig.h"
#include "tables/SonnenstandRechtwinkligHPGL.h"

#include <gtest/gtest.h>

using namespace umbrin;
using namespace umbrin::test;

namespace {

// A control character as UTF-8: a byte below 32, DEL, or U+0080 to U+009F in two bytes.
std::string steuerzeichen(int c)
{
    if (c < 0x80)
        return std::string(1, static_cast<char>(c));
    return {'\xc2', static_cast<char>(c)};
}

// Every control character a line of a text file can hold, the label's end among them: those
// of one byte, and the five that Windows-1252 leaves unassigned (a file gives them as U+0081,
// U+008D, U+008F, U+0090 and U+009D).
std::string steuerzeichen()
{
    std::string t;
    for (char c = 1; c < 0x20; ++c)
        t += c == '\n' || c == '\r' ? ' ' : c;
    for (const int c : {0x7f, 0x81, 0x8d, 0x8f, 0x90, 0x9d})
        t += steuerzeichen(c);
    return t;
}

// The texts of the plot, of the DXF drawing it converts to and of the page.
std::vector<std::string> texte(const std::string& hpgl, const std::vector<RecordedPrimitive>& seite = {})
{
    std::vector<std::string> t;
    for (const PlotText& p : plotTexte(hpgl))
        t.push_back(p.text);
    std::string dxf;
    std::vector<std::string> info;
    EXPECT_TRUE(HpglTextNachDxfText(hpgl, "plot", dxf, DxfEinstellung{1, 40.0, true}, info).gespeichert());
    for (const umbrin::testing::DxfSatz& satz : umbrin::testing::nurTyp(umbrin::testing::dxfEntitaeten(dxf), "TEXT"))
        t.push_back(satz.wert(1));
    for (const RecordedPrimitive& p : seite)
        if (p.kind == PrimitiveKind::Text)
            t.push_back(p.text);
    return t;
}

// No text holds any control character's UTF-8 form.
bool sauber(const std::vector<std::string>& t)
{
    for (const std::string& text : t)
        for (int c = 0; c < 0xa0; ++c)
            if ((c < 0x20 || c >= 0x7f) && text.find(steuerzeichen(c)) != std::string::npos)
                return false;
    return true;
}

} // namespace

TEST(Steuerzeichen, NoTextFromAFileBringsOneIntoAPlotADxfDrawingOrAPage)
{
    const TestOrdner ordner;
    const std::string fremd = steuerzeichen() + "PD 0 0;PA 9000 9000;";
    ScriptedPrompt frage;
    AppState s;
    initialisiereZustand(s);
    std::vector<std::string> zeilen = profilZeilen(leeresHorizontprofil(), {47.5, 9.5, 433, 0, 200}, 1);
    zeilen[2] = zeilen[2].substr(0, 42) + "Berg" + fremd;
    std::string fehler;
    ASSERT_TRUE(speichereHorizontprofil(ordner / "berg.ele", zeilen, fehler)) << fehler;
    double breite = 0;
    ASSERT_TRUE(liesHorizontprofil(s, frage, (ordner / "berg.ele").string(), breite, breite));
    s.HorizontZeigen = 1;
    HPGLDatei plot;
    plot.oeffnenImSpeicher();
    SonnenstandRechtwinkligHPGL(plot, s, 100, 100, 2900, 2000, 1.0, false);
    RecordingCanvas seite(2970, 2100, true);
    std::string streiflicht;
    ZeichneSonnenstandRechtwinklig(seite, s, 100, 100, 2700, 1800, false, false, streiflicht);
    const std::vector<std::string> t = texte(plot.inhalt(), seite.primitives());
    EXPECT_TRUE(sauber(t));
    EXPECT_EQ(std::count_if(t.begin(), t.end(), [](const std::string& x) { return x.starts_with("Berg   PD 0 0;PA 9000 9000"); }), 3)
        << "the header's text stays one label on the plot, in the DXF drawing and on the page";

    const std::vector<std::string> linien = {"21/03" + fremd, "21/06  ( 21. Juni" + steuerzeichen() + ")"};
    s.Schalter.Datumslinien = '2';
    IniTextErstellen(s, false, zeilen, frage);
    zeilen.insert(zeilen.end(), linien.begin(), linien.end());
    for (const char* name : {"sonne.umb", "umb.ini", "umb_days.ini"}) {
        const bool tage = std::string_view(name) == "umb_days.ini";
        AppState d = s;
        std::ofstream(ordner / name, std::ios::binary) << IniTextBytes(tage ? linien : zeilen);
        if (tage)
            d.Datumslinien = ladeDatumsdatei(ordner / name, 2024).linien;
        else
            ASSERT_EQ(LeseIni(d, ordner / name, true, true, frage).status, IniLeseStatus::Gelesen) << name;
        ASSERT_EQ(d.Datumslinien.size(), 2u) << name;
        EXPECT_TRUE(sauber(texte(zeichneInSicht(d, kPlot).hpgl, zeichneInSicht(d, kSeiteA4).roh))) << name;
    }
}

TEST(Steuerzeichen, APlotAndADxfDrawingDropThemFromEveryLabel)
{
    HPGLDatei plot;
    plot.oeffnenImSpeicher();
    plot.schreibe("IN;PU 0 0;LB\x1b.Y Berg\t\x01\x07\x7f\x03;PD 10 10;\r\n");
    EXPECT_EQ(plot.inhalt(), "IN;PU 0 0;LB.Y Berg \x03;PD 10 10;\r\n");
    EXPECT_EQ(ohneSteuerzeichen("H\xc2\x85\xc3\xb6he\xc2\xa0\x01\t"), "H\xc3\xb6he\xc2\xa0 ");
    for (int c = 0x80; c < 0xa0; ++c)
        EXPECT_EQ(ohneSteuerzeichen("A" + steuerzeichen(c) + "B"), "AB") << c;
    EXPECT_EQ(texte("IN;SP 1;PU 0 0;LBA\x01\x7f\tB\x03;")[1], "A B");
}
