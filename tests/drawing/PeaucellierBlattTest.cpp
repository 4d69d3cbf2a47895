// The Peaucellier dial on the pages the print offers and in its plot and DXF file, over the
// dialog's whole range of the unit: the page check refuses exactly the pages the dial would run
// off (its frame inside the page), in the user's language; the plot is written and says when its sheet cuts the dial; the
// DXF drawing, which has no paper, holds the dial whole and says nothing of a sheet.
#include "core/Sprachdienst.h"
#include "dials/altitude/PeaucellierHpgl.h"
#include "support/Ansichten.h"

#include <gtest/gtest.h>

using namespace umbrin;
using namespace umbrin::test;

namespace {

AppState zustand(double breite, double einheit, bool deutsch = true)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'p';
    s.Par.Breite = breite;
    s.Par.Einheit = einheit;
    setzeSprache(s, deutsch);
    return s;
}

// What of a sheet lies beyond its edge.
bool ueberDemRand(const std::vector<Befund>& befunde)
{
    return std::any_of(befunde.begin(), befunde.end(), [](const Befund& b) {
        return b.art == Befundart::StrichAusserhalb || b.art == Befundart::TextAusserhalb
               || b.art == Befundart::TextAngeschnitten;
    });
}

// The warnings an export gave besides its report of the saved file.
std::vector<std::string> warnungen(const Blattinhalt& b)
{
    std::vector<std::string> w;
    for (const std::string& t : b.gesagt)
        if (t.find("gespeichert") == std::string::npos && t.find("saved") == std::string::npos)
            w.push_back(t);
    return w;
}

} // namespace

TEST(PeaucellierBlatt, ThePageCheckRefusesExactlyThePagesTheDialRunsOff)
{
    const Sicht seiten[] = {kSeiteA4, kSeiteA3, {"page A4 portrait", 2100, 2970, true}, {"page A3 portrait", 2970, 4200, true}};
    int verweigert = 0, gedruckt = 0;
    for (const double breite : {29.5, 47.25, -60.0})
        for (int einheit = 10; einheit <= 300; einheit += 5)
            for (const Sicht& seite : seiten) {
                const Blattinhalt b = zeichneInSicht(zustand(breite, einheit), seite);
                // The print draws the dial in a frame 3 mm inside the page.
                const bool ueber = ueberDemRand(pruefeLayout(b.roh, {30, 30, b.breite - 30, b.hoehe - 30}));
                EXPECT_EQ(!b.nein.empty(), ueber) << seite.name << " at " << breite << ", unit " << einheit << ": " << b.nein;
                ++(b.nein.empty() ? gedruckt : verweigert);
            }
    EXPECT_GT(verweigert, 100);
    EXPECT_GT(gedruckt, 100);
}

TEST(PeaucellierBlatt, ThePageRefusalIsWhollyInTheUsersLanguage)
{
    for (const bool deutsch : {true, false}) {
        const Blattinhalt b = zeichneInSicht(zustand(47.25, 200, deutsch), kSeiteA4);
        EXPECT_NE(b.nein.find(deutsch ? "Mittenabstand der Frühlings-Datumslinie" : "Central distance"), std::string::npos)
            << b.nein;
        EXPECT_NE(b.nein.find(deutsch ? "es wird nichts gedruckt" : "nothing is printed"), std::string::npos) << b.nein;
        EXPECT_EQ(b.nein.find(deutsch ? "Central" : "Mittenabstand"), std::string::npos) << b.nein;
    }
}

TEST(PeaucellierBlatt, ThePlotSaysWhatItsSheetCutsAndTheDxfHoldsTheWholeDial)
{
    for (const double breite : {29.5, 47.25, 66.0})
        for (int einheit = 10; einheit <= 300; einheit += 10) {
            SCOPED_TRACE(std::to_string(breite) + ", unit " + std::to_string(einheit));
            const AppState s = zustand(breite, einheit, einheit % 20 == 0);
            const Blattinhalt plot = zeichneInSicht(s, kPlot);
            ASSERT_FALSE(plot.verweigert) << plot.nein;
            const bool ueber = ueberDemRand(pruefePlotLayout(plot.hpgl, plotSeite(plot.hpgl)));
            EXPECT_EQ(warnungen(plot).size(), ueber ? 1u : 0u);
            if (ueber) {
                EXPECT_NE(warnungen(plot).front().find(s.Deutsch ? " über den " : " beyond its "), std::string::npos);
            }

            // The DXF intermediate: a sheet as large as the dial needs, nothing cut.
            HPGLDatei zwischen;
            zwischen.oeffnenImSpeicher();
            AppState d = s;
            d.FusspunktX = 5000;
            d.FusspunktY = 5240;
            std::string warnung;
            EXPECT_EQ(hpglPeaucellierSU(d, zwischen, einheit, false, &warnung), "");
            EXPECT_EQ(warnung, "");
            EXPECT_FALSE(ueberDemRand(pruefePlotLayout(zwischen.inhalt(), plotSeite(zwischen.inhalt()))));
        }
    // The export of the DXF file says only that it saved it.
    AppState s = zustand(47.25, 300, false);
    TestOrdner ordner("peaucellier");
    s.AlsHPGL = 0;
    Zeichenfensterzustand f;
    ScriptedPrompt frage;
    Auftragsschutz schutz(s);
    const ExportAuftrag e{ordner / "gross.dxf", kSchirm.breite, kSchirm.hoehe, UMBRIN_BINARY_DIR, {}};
    EXPECT_TRUE(exportiereZeichnung(s, f, frage, zeichnungseintrag(s, false), e, schutz));
    ASSERT_EQ(frage.asked.size(), 1u);
    EXPECT_NE(frage.asked[0].text.find("saved"), std::string::npos);
}
