// Texts read from a file never bring a control character into a label: a horizon profile's
// header, the date lines of a construction file, a settings file and a date file, each with
// every control character in its text, drawn as the sun-path diagram and as a dial, plotted,
// converted to DXF and put on a page.
#include "core/HPGLDatei.h"
#include "core/RecordingCanvas.h"
#include "core/Textumformung.h"
#include "dialogs/IniLesen.h"
#include "dialogs/IniText.h"
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

// Every control character a line of a text file can hold (not its line ends).
std::string steuerzeichen()
{
    std::string t;
    for (char c = 1; c < 0x20; ++c)
        if (c != '\n' && c != '\r')
            t += c;
    return t + '\x7f';
}

// The texts of the DXF drawing a plot converts to.
std::vector<std::string> dxfTexte(const std::string& hpgl)
{
    std::string dxf;
    std::vector<std::string> info;
    EXPECT_TRUE(HpglTextNachDxfText(hpgl, "plot", dxf, DxfEinstellung{1, 40.0, true}, info).gespeichert());
    std::vector<std::string> texte;
    for (std::size_t p = dxf.find("TEXT\r\n"); p != std::string::npos; p = dxf.find("TEXT\r\n", p + 1)) {
        const std::size_t wert = dxf.find("\r\n  1\r\n", p) + 7;
        texte.push_back(dxf.substr(wert, dxf.find("\r\n", wert) - wert));
    }
    return texte;
}

// The labels of a plot, the texts of its DXF drawing and of a page that hold a control
// character, one a line.
std::string befund(const std::string& hpgl, const std::vector<RecordedPrimitive>& seite)
{
    std::string b;
    for (const PlotText& t : plotTexte(hpgl))
        if (hatSteuerzeichen(t.text))
            b += "plot: " + t.text + "\n";
    for (const std::string& t : dxfTexte(hpgl))
        if (hatSteuerzeichen(t))
            b += "DXF: " + t + "\n";
    for (const RecordedPrimitive& q : seite)
        if (q.kind == PrimitiveKind::Text && hatSteuerzeichen(q.text))
            b += "page: " + q.text + "\n";
    return b;
}

} // namespace

TEST(Steuerzeichen, NoTextFromAFileBringsOneIntoAPlotADxfDrawingOrAPage)
{
    const TestOrdner ordner;
    const std::string fremd = steuerzeichen() + "PD 0 0;PA 9000 9000;";
    ScriptedPrompt frage;

    // The profile's header text goes into the cartesian sun-path diagram.
    AppState s;
    initialisiereZustand(s);
    std::vector<std::string> zeilen = profilZeilen(leeresHorizontprofil(), {47.5, 9.5, 433, 0, 200}, 1);
    zeilen[2] = zeilen[2].substr(0, 42) + "Berg" + fremd;
    std::string fehler;
    ASSERT_TRUE(speichereHorizontprofil(ordner / "berg.ele", zeilen, fehler)) << fehler;
    double breite = 0;
    double laenge = 0;
    ASSERT_TRUE(liesHorizontprofil(s, frage, (ordner / "berg.ele").string(), breite, laenge));
    s.HorizontZeigen = 1;
    HPGLDatei plot;
    plot.oeffnenImSpeicher();
    SonnenstandRechtwinkligHPGL(plot, s, 100, 100, 2900, 2000, 1.0, false);
    RecordingCanvas seite(2970, 2100, true);
    std::string streiflicht;
    ZeichneSonnenstandRechtwinklig(seite, s, 100, 100, 2700, 1800, false, false, streiflicht);
    EXPECT_EQ(befund(plot.inhalt(), seite.primitives()), "");
    const std::vector<PlotText> texte = plotTexte(plot.inhalt());
    EXPECT_TRUE(std::any_of(texte.begin(), texte.end(), [](const PlotText& t) {
        return t.text.find("Berg PD 0 0;PA 9000 9000;") != std::string::npos;
    })) << "the header's text stays one label";

    // The date lines' texts of a construction file, a settings file and a date file.
    const std::vector<std::string> linien = {"21/03" + fremd, "21/06  ( 21. Juni" + steuerzeichen() + ")"};
    s.Schalter.Datumslinien = '2';
    std::vector<std::string> ini;
    IniTextErstellen(s, false, ini, frage);
    ini.insert(ini.end(), linien.begin(), linien.end());
    for (const char* name : {"sonne.umb", "umb.ini", "umb_days.ini"}) {
        SCOPED_TRACE(name);
        AppState d;
        initialisiereZustand(d);
        d.Schalter.Datumslinien = '2';
        if (std::string_view(name) == "umb_days.ini") {
            ASSERT_TRUE(speichereDatumsdatei(ordner / name, linien, fehler)) << fehler;
            d.Datumslinien = ladeDatumsdatei(ordner / name, d.Par.Jahr).linien;
        } else {
            std::ofstream(ordner / name, std::ios::binary) << IniTextBytes(ini);
            ASSERT_EQ(LeseIni(d, ordner / name, true, true, frage).status, IniLeseStatus::Gelesen);
        }
        ASSERT_EQ(d.Datumslinien.size(), 2u);
        d.UhrTyp = 'h';
        EXPECT_EQ(befund(zeichneInSicht(d, kPlot).hpgl, zeichneInSicht(d, kSeiteA4).roh), "");
    }
}

TEST(Steuerzeichen, APlotAndItsDxfDrawingDropThemFromEveryLabel)
{
    HPGLDatei plot;
    plot.oeffnenImSpeicher();
    plot.schreibe("IN;PU 0 0;LB\x1b.Y Berg\t\x01\x07\x7f\x03;PD 10 10;\r\n");
    EXPECT_EQ(plot.inhalt(), "IN;PU 0 0;LB.Y Berg \x03;PD 10 10;\r\n");
    EXPECT_EQ(ohneSteuerzeichen("H\xc2\x85\xc3\xb6he\xc2\xa0" + steuerzeichen()), "H\xc3\xb6he\xc2\xa0 ");
    EXPECT_EQ(dxfTexte("IN;SP 1;PU 0 0;LBA\x01\x7f\tB\x03;"), std::vector<std::string>{"A B"});
}
