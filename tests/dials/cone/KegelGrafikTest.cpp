// The cone graph and the information drawing on a recording canvas: date scale, extremes,
// the date-line list, the page offsets of a print, and the cases that give a message.
#include "core/RecordingCanvas.h"
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/State.h"
#include "dials/cone/KegelGrafik.h"
#include "dials/cone/KegelInfo.h"
#include "dials/cone/KegelKonstruktion.h"
#include "support/Layoutpruefung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

using namespace umbrin;

namespace {

AppState zustand()
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'm';
    s.Par.Jahr = 2021;
    SchiefeUndTierkreis(s, s.Par.Jahr);
    return s;
}

std::vector<std::string> mitAnfang(const RecordingCanvas& c, const std::string& anfang)
{
    std::vector<std::string> r;
    for (const std::string& t : c.texts())
        if (t.rfind(anfang, 0) == 0)
            r.push_back(t);
    return r;
}

} // namespace

TEST(KegelGrafik, DateScaleExtremesAndTheListOfDateLines)
{
    const AppState s = zustand();
    RecordingCanvas c(700, 1000);
    EXPECT_TRUE(zeichneKegelGrafik(s, c, 700, 1000, true, 12.0, 0, 0).empty());
    // Ticks from 1 July; labels at every 21st after 21 June.
    const std::vector<std::string> monate = mitAnfang(c, "21. ");
    ASSERT_EQ(monate.size(), 6u);
    EXPECT_EQ(monate.front(), "21. Jul");
    EXPECT_EQ(monate.back(), "21. Dez");
    EXPECT_TRUE(c.hasText("min"));
    EXPECT_TRUE(c.hasText("max"));
    EXPECT_TRUE(c.hasText("1.0*max"));
    EXPECT_GT(c.linePoints(0x008000).size(), 80u);

    const Kegelkonstruktion k = baueKegelkonstruktion(s, s.Par.Gnomonhoehe, 0);
    const auto n = std::count_if(k.tabelle.begin(), k.tabelle.end(), [](const TDatumslinie& d) { return d.Tag1 != 999; });
    int zeilen = 0;
    for (const std::string& t : c.texts())
        zeilen += t.find(" (Dist.=") != std::string::npos ? 1 : 0;
    EXPECT_EQ(zeilen, n);
    EXPECT_EQ(mitAnfang(c, "        = Kegelnaechste Datumslinie").size(), 1u);
    EXPECT_LE(mitAnfang(c, "Kegelschatten zeitweise").size(), 1u);
}

// On the pictures of the drawing window at 1366 x 768 and 1920 x 1080, in both languages, no
// label stands on another, on a curve, an axis or a tick.
TEST(KegelGrafik, LabelsStandClearOfEachOtherAndOfTheCurves)
{
    AppState s = zustand();
    for (const bool deutsch : {true, false})
        for (const auto& [b, h] : {std::pair{599, 539}, std::pair{877, 852}}) {
            setzeSprache(s, deutsch);
            RecordingCanvas c(b, h);
            zeichneKegelGrafik(s, c, b, h, true, 12.0, 0, 0);
            std::string befunde;
            for (const test::Befund& f : test::pruefeLayout(c, test::Pruefumfang::Voll))
                if (f.art == test::Befundart::Ueberdeckung || f.art == test::Befundart::StrichDurchText)
                    befunde += f.meldung + "\n";
            EXPECT_EQ(befunde, "") << b;
            EXPECT_TRUE(c.hasText("min"));
            EXPECT_TRUE(c.hasText("1.0*max"));
        }
}

// Each date line's dates stand once in the list, north and south, for every number of lines.
TEST(KegelGrafik, TheListNamesEachDateLineOnce)
{
    for (const double phi : {47.25, -33.87})
        for (const char linien : {'0', '1', '2', '3'}) {
            AppState s = zustand();
            s.Par.Breite = phi;
            s.Schalter.Datumslinien = linien;
            RecordingCanvas c(700, 1000);
            zeichneKegelGrafik(s, c, 700, 1000, true, 12.0, 0, 0);
            std::set<std::string> daten;
            for (const std::string& t : c.texts())
                if (t.find(" (Dist.=") != std::string::npos) {
                    EXPECT_TRUE(daten.insert(t.substr(t.find(" am "), t.find(",  ") - t.find(" am "))).second) << phi << linien << t;
                }
            EXPECT_GE(daten.size(), 4u) << phi << " " << linien;
        }
}

TEST(KegelGrafik, PrintOffsetsStayWithThePrintAndRefusalsGiveMessages)
{
    struct Druck {
        int randX, randY, rahmenX, rahmenY;
    };
    for (const Druck d : {Druck{40, 50, 190, 250}, Druck{120, 130, 120, 130}}) {
        const AppState s = zustand();
        for (int mal = 0; mal < 2; ++mal) {
            RecordingCanvas c(2100, 2970, true);
            zeichneKegelGrafik(s, c, 1700, 2600, false, 12.0, d.randX, d.randY);
            const auto rahmen = c.select([](const RecordedPrimitive& p) { return p.kind == PrimitiveKind::Rectangle; });
            ASSERT_EQ(rahmen.size(), 1u);
            EXPECT_EQ(rahmen[0]->points[0], (CanvasPoint{d.rahmenX, d.rahmenY}));
        }
    }

    // An upright cone this wide hides every noon apex shadow inside its footprint.
    AppState breit = zustand();
    breit.Par.KegelNeigung = 90;
    breit.Par.KegelOeffnung = 80;
    RecordingCanvas c(700, 1000);
    const Konstruktionsmeldungen m = zeichneKegelGrafik(breit, c, 700, 1000, true, 12.0, 0, 0);
    ASSERT_FALSE(m.empty());
    EXPECT_NE(m[0].text.find("Stundenpunkt"), std::string::npos);
    EXPECT_TRUE(c.linePoints(0x008000).empty());

    AppState falsch = zustand();
    falsch.Par.KegelOeffnung = 60;
    RecordingCanvas c2(700, 1000);
    const Konstruktionsmeldungen m2 = zeichneKegelGrafik(falsch, c2, 700, 1000, true, 12.0, 0, 0);
    ASSERT_EQ(m2.size(), 1u);
    EXPECT_NE(m2[0].text.find("Eingabefehler"), std::string::npos);
}

TEST(KegelInfo, FigureShrinksOnceWhenTheImageIsTooNarrow)
{
    const AppState s = zustand();
    struct Fall {
        int breite2;
        bool verkleinert;
    };
    for (const Fall f : {Fall{1300, false}, Fall{150, true}}) {
        RecordingCanvas c(f.breite2, 1500);
        bool verkleinert = !f.verkleinert;
        EXPECT_TRUE(zeichneStabInfo(s, c, true, verkleinert, 1400, f.breite2, 35.0, 0, 0).empty());
        EXPECT_EQ(verkleinert, f.verkleinert);
        EXPECT_EQ(c.hasText("Bildschirmdarstellung verkleinert"), f.verkleinert);
        EXPECT_TRUE(c.hasText("a =    7.59 mm,  b =   10.54 mm,  c =    2.07 mm"));
        EXPECT_TRUE(c.hasText(" (Dist.="));
    }
}
