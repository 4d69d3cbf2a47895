// The Sawyer plot: golden files of both hour-line kinds at two gnomon lengths with fragments
// checked by hand, read by a real HPGL reader, converted to DXF (the same text serves both
// outputs) and audited by a real DXF reader, refused where the dial cannot be drawn.
#include "core/HPGLDatei.h"
#include "core/Sprachdienst.h"
#include "core/State.h"
#include "dials/altitude/SawyerHpgl.h"
#include "support/GoldenDatei.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <algorithm>
#include <string>

using namespace umbrin;
namespace fs = std::filesystem;

namespace {

fs::path goldenOrdner() { return fs::path(UMBRIN_SOURCE_DIR) / "tests" / "dials" / "altitude" / "golden"; }

AppState zustand(double breite, bool halbeAnalemma)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'w';
    s.Par.Breite = breite;
    s.Schalter.HalbeAnalemma = halbeAnalemma;
    s.Schalter.MozGerade = !halbeAnalemma;
    s.Schalter.Datumslinien = '1';
    s.FusspunktX = 8200; // plotter units, as the export hands them in
    s.FusspunktY = 8384;
    return s;
}

std::string schreibe(const AppState& s, double gnomon, std::string* nein = nullptr)
{
    HPGLDatei plot;
    plot.oeffnenImSpeicher();
    const std::string r = hpglSawyerSU(s, plot, gnomon);
    if (nein)
        *nein = r;
    return plot.inhalt();
}

const struct Fall {
    const char* name;
    bool halbeAnalemma;
    double gnomon;
    double breite = 47.25;
} faelle[] = {
    {"sawyer_analemma_g35", true, 35},
    {"sawyer_gerade_g60", false, 60},
    {"sawyer_analemma_sued_g35", true, 35, -45.0},
    {"sawyer_gerade_sued_g60", false, 60, -45.0},
};

} // namespace

TEST(SawyerHpgl, PlotsMatchTheirGoldenFiles)
{
    for (const Fall& f : faelle)
        test::vergleicheMitGolden(schreibe(zustand(f.breite, f.halbeAnalemma), f.gnomon),
                                  goldenOrdner() / (std::string(f.name) + ".plt"));
}

TEST(SawyerHpgl, FragmentsCheckedByHand)
{
    const std::string a = test::goldenText(goldenOrdner(), "sawyer_analemma_g35");
    const std::string g = test::goldenText(goldenOrdner(), "sawyer_gerade_g60");
    test::erwarteStuecke({
        {a, "IN;VS 1;PA;IW 0 0 16400 10480;PU 0 0;EA 16400 10480;;SP 4;PU 0 0;;PU;SI  0.24, 0.36;PU 120 10270;"
            "LBSawyer-Sonnenuhren\x03;SI  0.18, 0.27;PU 120 10070;LBMittlere Ortszeit\x03"},
        {a, ";PU 120 9910;LBZeigerlaenge =  35.0 mm\x03"},
        {a, ";PU 120 9590;LBWinkel zw. vollen Stunden =  5.00 Grad\x03"},
        {a, ";PU 120 9430;LBZentrum der Stdlin. (\xFC" "ber O) =  90 mm\x03"},
        // The gnomon figure with arms of 40 x 35 = 1400 units; its label after a separated PD.
        {a, ";PU   120   240;PD  1520   240  1520   360;PU   120   240;PD   120  1640   240  1640"},
        {a, ";PU   240    60;PD ;LB Zeigerl\xE4nge =      35mm\x03"},
        {a, ";PU 8200 8384;CI 40 ,0.2;PU 8160 8384;PD 8240 8384;PU 8200 8344;PD 8200 8424"},
        // The half analemmas begin with the noon stroke down to R tan(90 - 47.25 + 23.44).
        {a, ";PU 8200 8384;PD 8200 5211;SP 3"},
        {a, ";SP 5;SA ;SP 1;PU "},
        {a, ";SS ;SP 3;SI  0.14, 0.21;PU "},
        {a, ";LB Winter bis Sommer\x03"},
        // The gnomon bar above the foot: 1400 long, 60 above it.
        {a, ";SP 4;PU 7500 8474;PD 7500 8414;PU 7500 8444;PD 8900 8444;PU 8900 8474;PD 8900 8414;IW;IN;"},
        {g, "LBZeigerlaenge =  60.0 mm\x03"},
        {g, ";PU   120   240;PD  2520   240  2520   360"},
        {g, ";SP 6;PU "},
    });
    // Between ";SA " and ";SS" the only labels are single zodiac signs of the symbol face.
    for (const std::string* p : {&a, &g}) {
        EXPECT_EQ(p->rfind(";IW;IN;"), p->size() - 7);
        std::size_t von = 0;
        int abschnitte = 0;
        while ((von = p->find(";SA ", von)) != std::string::npos) {
            const std::size_t bis = p->find(";SS", von);
            ASSERT_NE(bis, std::string::npos);
            int zeichen = 0;
            for (const test::PlotText& t : test::plotTexte(p->substr(von, bis - von))) {
                const std::string& text = t.text;
                EXPECT_EQ(text.size(), 1u) << text;
                EXPECT_TRUE(text[0] >= '^' && text[0] <= 'i') << text;
                ++zeichen;
            }
            EXPECT_GE(zeichen, 7);
            ++abschnitte;
            von = bis;
        }
        EXPECT_EQ(abschnitte, 2);
    }
}

TEST(SawyerHpgl, EveryPlotPassesHp2xxAndItsDxfPassesEzdxf)
{
    for (const Fall& f : faelle) {
        const test::LeserBefund b = test::pruefeMitLesern(test::goldenText(goldenOrdner(), f.name), f.name, 40.0);
        EXPECT_TRUE(b.info.empty()) << f.name << ": " << (b.info.empty() ? "" : b.info.front());
    }
}

TEST(SawyerHpgl, RefusesLatitudesItCannotDrawAndWritesNothing)
{
    const struct {
        double phi;
        bool verweigert;
    } faelle[] = {{28.0, true}, {-28.0, true}, {28.5, true}, {29.0, false}, {-47.25, false}, {66.6, true}, {-70.0, true}};
    for (const auto& f : faelle) {
        AppState s = zustand(f.phi, true);
        std::string nein;
        const std::string plot = schreibe(s, 35, &nein);
        EXPECT_EQ(!nein.empty(), f.verweigert) << f.phi;
        EXPECT_EQ(sawyerPlotHindernis(s), nein);
        EXPECT_EQ(plot.empty(), f.verweigert) << f.phi;
    }
}

TEST(SawyerHpgl, SaysInTheUsersLanguageOnlyWhenThePlotLeavesItsSheet)
{
    for (const bool deutsch : {false, true})
        for (const double gnomon : {35.0, 200.0}) {
            AppState s = zustand(47.25, true);
            setzeSprache(s, deutsch);
            HPGLDatei plot;
            plot.oeffnenImSpeicher();
            std::string warnung;
            EXPECT_EQ(hpglSawyerSU(s, plot, gnomon, &warnung), "");
            const std::string blatt = deutsch ? "Plotblatt" : "plot sheet";
            EXPECT_EQ(warnung.find(blatt) != std::string::npos, gnomon > 100) << gnomon << " mm: " << warnung;
        }
}
