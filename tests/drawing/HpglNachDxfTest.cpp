// The converter command by command, on small hand-written plots: which DXF records come out,
// on which layer, at which coordinates, with which text height, width factor and angle.
#include "drawing/HpglNachDxf.h"

#include "DxfChecks.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace umbrin;
using umbrin::testing::DxfSatz;
using umbrin::testing::dxfEntitaeten;
using umbrin::testing::nurTyp;

namespace {

struct Umwandlung {
    DxfErgebnis ergebnis;
    std::string dxf;
    std::vector<std::string> info;
    std::vector<DxfSatz> saetze;

    std::vector<std::string> typen() const
    {
        std::vector<std::string> t;
        for (const DxfSatz& s : saetze)
            t.push_back(s.typ);
        return t;
    }
    // The points of all VERTEX records as written, "x y".
    std::vector<std::string> punkte() const
    {
        std::vector<std::string> p;
        for (const DxfSatz& s : nurTyp(saetze, "VERTEX"))
            p.push_back(s.wert(10) + " " + s.wert(20));
        return p;
    }
    bool hatInfo(const std::string& zeile) const
    {
        return std::find(info.begin(), info.end(), zeile) != info.end();
    }
};

Umwandlung wandle(const std::string& hpgl, double massstab = 40.0, int stiftbreite = 2, bool deutsch = true)
{
    Umwandlung u;
    DxfEinstellung einstellung;
    einstellung.massstab = massstab;
    einstellung.stiftbreite = stiftbreite;
    einstellung.deutsch = deutsch;
    u.ergebnis = HpglTextNachDxfText(hpgl, "C:\\plots\\dial.plt", u.dxf, einstellung, u.info);
    u.saetze = dxfEntitaeten(u.dxf);
    return u;
}

using Typen = std::vector<std::string>;
using Punkte = std::vector<std::string>;

} // namespace

TEST(HpglNachDxf, PenDownRunBecomesOnePolylineOnThePensLayer)
{
    const Umwandlung u = wandle("IN;SP 3;PU 400 800;PD 800 800 800 1200;PU;");
    EXPECT_EQ(u.ergebnis.status, DxfStatus::Gespeichert);
    EXPECT_EQ(u.typen(), (Typen{"POLYLINE", "VERTEX", "VERTEX", "VERTEX", "SEQEND"}));
    EXPECT_EQ(u.punkte(), (Punkte{"10.0000 20.0000", "20.0000 20.0000", "20.0000 30.0000"}));
    const DxfSatz& kopf = u.saetze[0];
    EXPECT_EQ(kopf.wert(8), "L_3");
    EXPECT_EQ(kopf.wert(62), "3");
    EXPECT_EQ(kopf.wert(6), "CONTINUOUS");
    EXPECT_EQ(kopf.wert(66), "1");
    EXPECT_EQ(kopf.wert(40), " 1.5E-0001"); // medium pens: 6 plotter units
    EXPECT_EQ(kopf.wert(41), " 1.5E-0001");
    EXPECT_EQ(u.saetze[4].wert(8), "L_3");
    EXPECT_TRUE(u.info.empty());
}

TEST(HpglNachDxf, CoordinatesAreDividedByTheScale)
{
    struct Fall {
        double massstab;
        std::string hpgl;
        Punkte punkte;
    };
    const Fall faelle[] = {
        {40, "IN;PU 16157 11038;PD 0 0;", {"403.9250 275.9500", "0.0000 0.0000"}},
        {1000, "IN;PU 403925 275950;PD 25000 -50000;", {"403.9250 275.9500", "25.0000 -50.0000"}},
        {40, "IN;PU 1.5 -3;PD 4000.25 7;", {"0.0375 -0.0750", "100.0063 0.1750"}},
        {0, "IN;PU 5 6;PD 7 8;", {"5 6", "7 8"}}, // a scale of 0 counts as 1: the numbers as written
    };
    for (const Fall& f : faelle) {
        const Umwandlung u = wandle(f.hpgl, f.massstab);
        EXPECT_EQ(u.punkte(), f.punkte) << f.hpgl << " at " << f.massstab;
    }
}

// Whole plotter units are read and written by a path of their own: numbers of every length,
// with signs and leading zeros, first in a command (read with room to spare) and last (read at
// its very end), must give the exact quotient with four decimals.
TEST(HpglNachDxf, WholeUnitsOfEveryLengthGiveTheirExactQuotient)
{
    // n / 40 as n * 250 ten-thousandths, and n / 1000 as n * 10, written digit by digit.
    const auto quotient = [](long long n, long long faktor) {
        const long long q = n * faktor;
        const long long b = q < 0 ? -q : q;
        std::string nachkomma = std::to_string(b % 10000);
        nachkomma.insert(0, 4 - nachkomma.size(), '0');
        return (q < 0 ? "-" : "") + std::to_string(b / 10000) + "." + nachkomma;
    };
    const std::string ziffern = "9876543210987";
    for (std::size_t laenge = 1; laenge <= ziffern.size(); ++laenge) {
        for (const std::string vorne : {"", "-", "+", "-000", "00"}) {
            const std::string zahl = ziffern.substr(ziffern.size() - laenge);
            const long long n = std::stoll(zahl) * (vorne.rfind('-', 0) == 0 ? -1 : 1);
            const std::string token = vorne + zahl;
            for (const auto& [massstab, faktor] : {std::pair{40.0, 250LL}, std::pair{1000.0, 10LL}}) {
                // The circle takes the position's text as it is kept, the polyline has it written.
                const Umwandlung u = wandle("IN;PU " + token + ",7;CI 40;PD 1 " + token + ";", massstab);
                const std::string x = quotient(n, faktor);
                const std::string sieben = quotient(7, faktor);
                EXPECT_EQ(u.punkte(), (Punkte{x + " " + sieben, quotient(1, faktor) + " " + x})) << token;
                ASSERT_FALSE(nurTyp(u.saetze, "CIRCLE").empty());
                EXPECT_EQ(nurTyp(u.saetze, "CIRCLE")[0].wert(10), x) << token;
            }
        }
    }
    // The decimal point leaves the whole-unit path; the text is the same.
    EXPECT_EQ(wandle("IN;PU 1234567. -0;PD 12.0 -1;").punkte(),
              (Punkte{"30864.1750 0.0000", "0.3000 -0.0250"}));
}

TEST(HpglNachDxf, AfterInitialisationTheFirstLineStartsAtTheOrigin)
{
    const Umwandlung u = wandle("IN;PD 40 40;");
    EXPECT_EQ(u.punkte(), (Punkte{"0.00 0.00", "1.0000 1.0000"}));
    EXPECT_EQ(u.saetze[0].wert(8), "L_0"); // no pen selected yet
}

TEST(HpglNachDxf, PenMovesAbsoluteAndRelative)
{
    struct Fall {
        std::string hpgl;
        Typen typen;
        Punkte punkte;
    };
    const Fall faelle[] = {
        // PA with the pen down draws; PU moves without drawing.
        {"IN;PU 0 0;PD;PA 400 0 400 400;PU 800 800;", {"POLYLINE", "VERTEX", "VERTEX", "VERTEX", "SEQEND"},
         {"0.0000 0.0000", "10.0000 0.0000", "10.0000 10.0000"}},
        // PR puts the pen down and adds each pair to the position.
        {"IN;PU 400 400;PR 400 0 0 400;", {"POLYLINE", "VERTEX", "VERTEX", "VERTEX"},
         {"10.0000 10.0000", "   20.00000    10.00000", "   20.00000    20.00000"}},
        // Relative pen-up moves add up; PA returns to absolute pairs.
        {"IN;PU 400 400;PU;PR;PU 400 400 400 0;PA;PD 0 0;", {"POLYLINE", "VERTEX", "VERTEX"},
         {"   30.00000    20.00000", "0.0000 0.0000"}},
        // A pen-up move alone draws nothing.
        {"IN;PU 100 100 200 200;", {}, {}},
    };
    for (const Fall& f : faelle) {
        const Umwandlung u = wandle(f.hpgl);
        Typen typen = u.typen();
        if (!typen.empty() && typen.back() == "SEQEND" && f.typen.size() < typen.size())
            typen.pop_back(); // closed by the end of the file
        EXPECT_EQ(typen, f.typen) << f.hpgl;
        EXPECT_EQ(u.punkte(), f.punkte) << f.hpgl;
    }
}

TEST(HpglNachDxf, SelectingAPenClosesTheLineOnTheNewLayer)
{
    const Umwandlung u = wandle("IN;SP 1;PU 0 0;PD 40 0;SP 2;PD 80 0;");
    EXPECT_EQ(u.typen(), (Typen{"POLYLINE", "VERTEX", "VERTEX", "SEQEND", "POLYLINE", "VERTEX", "VERTEX", "SEQEND"}));
    EXPECT_EQ(u.saetze[0].wert(8), "L_1");
    EXPECT_EQ(u.saetze[3].wert(8), "L_2"); // SEQEND already on the new pen's layer
    EXPECT_EQ(u.saetze[4].wert(8), "L_2");
    EXPECT_EQ(u.saetze[5].wert(10), "1.0000");
}

TEST(HpglNachDxf, PenWithoutNumberStaysAndIsReported)
{
    const Umwandlung u = wandle("IN;SP 5;SP;PU 0 0;PD 40 0;");
    EXPECT_EQ(u.saetze[0].wert(8), "L_5");
    EXPECT_TRUE(u.hatInfo("Error in HPGL-command:SP ;"));
}

TEST(HpglNachDxf, LineTypesSelectTheDashPattern)
{
    struct Fall {
        const char* befehl;
        const char* typ;
    };
    const Fall faelle[] = {{"LT 1", "DOT"},          {"LT 2,2", "DASHED"}, {"LT 3", "DASHED"},
                           {"LT 4", "DASHDOT"},      {"LT 5", "CONTINUOUS"}, {"LT", "CONTINUOUS"},
                           {"LT 2.0", "CONTINUOUS"}};
    for (const Fall& f : faelle) {
        const Umwandlung u = wandle(std::string("IN;LT 4;PU 0 0;") + f.befehl + ";PD 40 0;");
        ASSERT_FALSE(u.saetze.empty()) << f.befehl;
        EXPECT_EQ(u.saetze[0].wert(6), f.typ) << f.befehl;
        EXPECT_EQ(nurTyp(u.saetze, "VERTEX")[0].wert(6), f.typ) << f.befehl;
    }
    // A change of line type does not close the open line: later vertices carry the new type.
    const Umwandlung u = wandle("IN;PU 0 0;PD 40 0;LT 2,2;PD 80 0;");
    EXPECT_EQ(u.typen(), (Typen{"POLYLINE", "VERTEX", "VERTEX", "VERTEX", "SEQEND"}));
    EXPECT_EQ(u.saetze[3].wert(6), "DASHED");
}

TEST(HpglNachDxf, RectanglesAreFiveVerticesAndKeepThePosition)
{
    const Umwandlung u = wandle("IN;PA;PU 400 400;EA 800 1200;PD 0 0;");
    EXPECT_EQ(u.typen(), (Typen{"POLYLINE", "VERTEX", "VERTEX", "VERTEX", "VERTEX", "VERTEX", "SEQEND", "POLYLINE",
                                "VERTEX", "VERTEX", "SEQEND"}));
    EXPECT_EQ(u.punkte(), (Punkte{"10.0000 10.0000", "20.0000 10.0000", "20.0000 30.0000", "10.0000 30.0000",
                                  "10.0000 10.0000", "10.0000 10.0000", "0.0000 0.0000"}));
    // ER takes its corner relative to the position. (A rectangle alone, as a sheet's frame, is
    // no drawing: a line follows.)
    const Umwandlung r = wandle("IN;PU 400 400;ER 400 -400;PD 0 0;");
    EXPECT_EQ(r.punkte()[2], "   20.00000     0.00000");
}

TEST(HpglNachDxf, PenWidthsGoIntoTheNextPolyline)
{
    struct Fall {
        std::string hpgl;
        int stiftbreite;
        const char* breite;
    };
    const Fall faelle[] = {
        {"IN;PU 0 0;PD 40 0;", 1, " 0.0E+0000"},
        {"IN;PU 0 0;PD 40 0;", 3, " 3.0E-0001"},
        {"IN;PW 1;PU 0 0;PD 40 0;", 2, "  0.10"},
        {"IN;PW 0;PU 0 0;PD 40 0;", 2, "0"},
        {"IN;PW;PU 0 0;PD 40 0;", 2, "0.8"},
    };
    for (const Fall& f : faelle) {
        const Umwandlung u = wandle(f.hpgl, 40, f.stiftbreite);
        ASSERT_FALSE(u.saetze.empty()) << f.hpgl;
        EXPECT_EQ(u.saetze[0].wert(40), f.breite) << f.hpgl;
        EXPECT_EQ(u.hatInfo("Command PW (=Penwidth) only supported by HPGL2."), f.hpgl.find("PW") != std::string::npos);
    }
}

// A plot of any length makes each remark once: a repeated one gets its count.
TEST(HpglNachDxf, ARepeatedRemarkIsKeptOnceWithItsCount)
{
    const Umwandlung u = wandle("IN;PW 1;PU 0 0;PW 1;PD 40 0;ZZ;PW 2;");
    EXPECT_EQ(u.info, (std::vector<std::string>{"Command PW (=Penwidth) only supported by HPGL2. (3x)",
                                                "Command: ZZ; not supported!"}));
}

// A thousand different remarks are kept; the rest are only counted on one closing line, while
// a remark kept before keeps counting.
TEST(HpglNachDxf, RemarksStopAtAThousandAndTheRestAreCounted)
{
    std::string hpgl = "IN;PU 0 0;PD 40 0;";
    for (int i = 0; i < 1003; ++i)
        hpgl += "PD x" + std::to_string(i) + ";";
    const Umwandlung u = wandle(hpgl + "PD x0;");
    ASSERT_EQ(u.info.size(), 1001u);
    EXPECT_EQ(u.info[0], "Error in HPGL-command:PD x0; (2x)");
    EXPECT_EQ(u.info[999], "Error in HPGL-command:PD x999;");
    EXPECT_EQ(u.info[1000], "... (+3)");
}

TEST(HpglNachDxf, CirclesAndArcsAroundTheirCentres)
{
    const Umwandlung kreis = wandle("IN;SP 7;PU 400 400;CI 80;");
    ASSERT_EQ(kreis.typen(), (Typen{"CIRCLE"}));
    EXPECT_EQ(kreis.saetze[0].wert(8), "L_7");
    EXPECT_EQ(kreis.saetze[0].wert(10), "10.0000");
    EXPECT_EQ(kreis.saetze[0].wert(20), "10.0000");
    EXPECT_EQ(kreis.saetze[0].wert(40), "2.0000");

    struct Fall {
        std::string hpgl;
        const char* start;
        const char* ende;
        Typen typen = {"ARC"};
    };
    const Fall faelle[] = {
        {"IN;PU 800 400;AA 400,400,90,2;", " 360.00", " 450.00"},  // counter-clockwise from east
        {"IN;PU 800 400;AA 400,400,-90;", " 270.00", " 360.00"},   // clockwise: written from its far end
        {"IN;PU 400 800;AA 400,400,45;", "  90.00", " 135.00"},
        // No sweep: equal angles, beside a circle (alone, the arc draws nothing).
        {"IN;PU 0 400;AA 400,400,0;CI 40;", " 180.00", " 180.00", {"ARC", "CIRCLE"}},
        {"IN;PU 800 400;AR -400,0,90;", " 360.00", " 450.00"},      // centre relative to the position
    };
    for (const Fall& f : faelle) {
        const Umwandlung u = wandle(f.hpgl);
        ASSERT_EQ(u.typen(), f.typen) << f.hpgl;
        const DxfSatz& bogen = u.saetze[0];
        EXPECT_DOUBLE_EQ(bogen.zahl(10), 10.0) << f.hpgl;
        EXPECT_DOUBLE_EQ(bogen.zahl(20), 10.0) << f.hpgl;
        EXPECT_EQ(bogen.wert(40), "   10.0000") << f.hpgl;
        EXPECT_EQ(bogen.wert(50), f.start) << f.hpgl;
        EXPECT_EQ(bogen.wert(51), f.ende) << f.hpgl;
    }
    // The pen ends at the end of the sweep: a quarter turn from east ends north of the centre.
    const Umwandlung weiter = wandle("IN;PU 800 400;AA 400,400,90;PD 400 0;");
    EXPECT_EQ(weiter.punkte()[0], "   10.00000    20.00000");
}

TEST(HpglNachDxf, AnArcsSweepMayFollowTheCentreWithoutABlank)
{
    // A negative sweep written at its full width touches the centre's y: the sign starts the
    // next number, as a plotter reads it. Elsewhere a glued sign stays a faulty number.
    const struct {
        const char* hpgl;
        const char* start;
        const char* ende;
    } faelle[] = {
        {"IN;PU 800 400;AA 400 400-90.00 0.2;", " 270.00", " 360.00"},
        {"IN;PU 800 400;AA 400 400 -90.00 0.2;", " 270.00", " 360.00"},
        {"IN;PU 800 400;AA 400 400+90 0.2;", " 360.00", " 450.00"},
        {"IN;PU 800 400;AR -400 0-90;", " 270.00", " 360.00"},
    };
    for (const auto& f : faelle) {
        const Umwandlung u = wandle(f.hpgl);
        ASSERT_EQ(u.typen(), (Typen{"ARC"})) << f.hpgl;
        EXPECT_DOUBLE_EQ(u.saetze[0].zahl(20), 10.0) << f.hpgl;
        EXPECT_EQ(u.saetze[0].wert(50), f.start) << f.hpgl;
        EXPECT_EQ(u.saetze[0].wert(51), f.ende) << f.hpgl;
        EXPECT_TRUE(u.info.empty() || !u.hatInfo("Fehler bei der Konvertierung des Bogenwinkels.")) << f.hpgl;
    }
    const Umwandlung danach = wandle("IN;PU 800 400;AA 400 400-90;PU 1-2 80;");
    EXPECT_TRUE(danach.hatInfo("Fehler in: PU 1-2 80; weil:1-2 keine Zahl ist."));
}

TEST(HpglNachDxf, CharacterSizesGiveHeightAndWidthFactor)
{
    struct Fall {
        std::string si;
        double massstab;
        const char* hoehe;
        const char* faktor;
    };
    const Fall faelle[] = {
        {"SI 0.2,0.32", 40, "  3.20", "  0.88"}, // 1.4 * 0.2 / 0.32 = 0.875 exactly
        {"SI 0.16,0.24", 40, "  2.40", "  0.93"},
        {"SI  4.00, 6.00", 1000, "  2.40", "  0.93"}, // the same size written 25 times larger
        {"SI", 40, "    2.7000", "0.7"},
        {"SI", 1000, "    0.1080", "0.7"},
    };
    for (const Fall& f : faelle) {
        const Umwandlung u = wandle("IN;" + f.si + ";LBx\x03", f.massstab);
        ASSERT_EQ(u.typen(), (Typen{"TEXT"})) << f.si;
        EXPECT_EQ(u.saetze[0].wert(40), f.hoehe) << f.si;
        EXPECT_EQ(u.saetze[0].wert(41), f.faktor) << f.si;
    }
    // A height of 0 would give an infinite width factor: the size stays and the command is reported.
    const Umwandlung null = wandle("IN;SI 0.2,0.32;SI 0.2,0;LBx\x03");
    EXPECT_EQ(null.saetze[0].wert(40), "  3.20");
    EXPECT_TRUE(null.hatInfo("Error in HPGL-command:SI 0.2,0;"));
}

TEST(HpglNachDxf, DirectionAndSlantGiveTheTextAngles)
{
    struct Fall {
        const char* befehl;
        const char* winkel;
    };
    const Fall faelle[] = {
        {"DI 100.0,0.0", "  0.0"}, {"DI 100,100", " 45.0"}, {"DI 0,1", " 90.0"},   {"DI 0,-1", "-90.0"},
        {"DI -1,0", "180.0"},      {"DI 0.001,-5", "-90.0"}, {"DI 0,0", "0.0"},     {"DI", "0.0"},
        {"DI 5", "0.0"},
    };
    for (const Fall& f : faelle) {
        const Umwandlung u = wandle(std::string("IN;DI 1,1;") + f.befehl + ";LBx\x03");
        ASSERT_EQ(u.typen(), (Typen{"TEXT"})) << f.befehl;
        EXPECT_EQ(u.saetze[0].wert(50), f.winkel) << f.befehl;
    }
    const Umwandlung schraeg = wandle("IN;SL 1;LBa\x03SL;LBb\x03SL x;LBc\x03");
    const auto texte = nurTyp(schraeg.saetze, "TEXT");
    ASSERT_EQ(texte.size(), 3u);
    EXPECT_EQ(texte[0].wert(51), " 45.0");
    EXPECT_EQ(texte[1].wert(51), "0.0");
    const Umwandlung fehler = wandle("IN;DI 1-1,2;LBa\x03");
    EXPECT_TRUE(fehler.hatInfo("Fehler bei der Angabe der Schriftrichtung: 1-1;2"));
}

TEST(HpglNachDxf, LabelsAreWrittenAtThePositionWithTheCurrentStyle)
{
    const Umwandlung u = wandle("IN;SP 4;PU 400 800;LB  12 Uhr; MEZ \x03;SA;LB^\x03SS;LBa\x03");
    const auto texte = nurTyp(u.saetze, "TEXT");
    ASSERT_EQ(texte.size(), 3u);
    EXPECT_EQ(texte[0].wert(1), "12 Uhr; MEZ"); // ";" belongs to the label; the blanks at its ends do not
    EXPECT_EQ(texte[0].wert(10), "10.0000");
    EXPECT_EQ(texte[0].wert(20), "20.0000");
    EXPECT_EQ(texte[0].wert(8), "L_4");
    EXPECT_EQ(texte[0].wert(7), "STANDARD");
    EXPECT_EQ(texte[0].wert(50), "0.0");
    EXPECT_EQ(texte[0].wert(51), "0.0");
    EXPECT_EQ(texte[1].wert(1), "^ ");
    EXPECT_EQ(texte[1].wert(7), "symbols");
    EXPECT_EQ(texte[2].wert(7), "STANDARD");
}

TEST(HpglNachDxf, LinesAreClippedToTheInputWindow)
{
    struct Fall {
        const char* name;
        std::string hpgl;
        Typen typen;
        Punkte punkte;
    };
    const std::string fenster = "IN;IW 0 0 400 400;";
    const Fall faelle[] = {
        {"inside to outside ends at the edge", fenster + "PU 200 200;PD 600 200;",
         {"POLYLINE", "VERTEX", "VERTEX", "SEQEND"}, {"5.0000 5.0000", "10.0000      5.0000"}},
        {"outside to inside starts at the edge", fenster + "PU 200 600;PD 200 200;",
         {"POLYLINE", "VERTEX", "VERTEX", "SEQEND"}, {"     5.0000 10.0000", "5.0000 5.0000"}},
        {"out and back in gives two lines", fenster + "PU 200 200;PD 600 200 600 300 200 300;",
         {"POLYLINE", "VERTEX", "VERTEX", "SEQEND", "POLYLINE", "VERTEX", "VERTEX", "SEQEND"},
         {"5.0000 5.0000", "10.0000      5.0000", "10.0000      7.5000", "5.0000 7.5000"}},
        {"beyond a corner is cut on both edges", fenster + "PU 200 200;PD 600 800;",
         {"POLYLINE", "VERTEX", "VERTEX", "SEQEND"}, {"5.0000 5.0000", "     8.3333 10.0000"}},
        {"both ends outside, through the window", fenster + "PU -200 200;PD 600 200;",
         {"POLYLINE", "VERTEX", "VERTEX", "SEQEND"}, {"0.0000      5.0000", "10.0000      5.0000"}},
        {"both ends outside, past the window", fenster + "PU -200 -200;PD 600 -100;", {}, {}},
        {"a point on the edge is inside", fenster + "PU 0 0;PD 400 400;", {"POLYLINE", "VERTEX", "VERTEX", "SEQEND"},
         {"0.0000 0.0000", "10.0000 10.0000"}},
        {"no window, no clipping", "IN;PU -200 200;PD 600 200;", {"POLYLINE", "VERTEX", "VERTEX", "SEQEND"},
         {"-5.0000 5.0000", "15.0000 5.0000"}},
        {"IW without parameters is the whole page", "IN;IW;PU 0 0;PD 20000 0;",
         {"POLYLINE", "VERTEX", "VERTEX", "SEQEND"}, {"0.0000 0.0000", "  410.0000      0.0000"}},
        {"IW without parameters is the page at 1000 per mm too", "IN;IW;PU 0 0;PD 500000 0;",
         {"POLYLINE", "VERTEX", "VERTEX", "SEQEND"}, {"0.0000 0.0000", "  410.0000      0.0000"}},
        {"relative lines are clipped too", fenster + "PU 200 200;PR 400 0;",
         {"POLYLINE", "VERTEX", "VERTEX", "SEQEND"}, {"5.0000 5.0000", "10.0000      5.0000"}},
        {"swapped corners", "IN;IW 400 400 0 0;PU 200 200;PD 600 200;", {"POLYLINE", "VERTEX", "VERTEX", "SEQEND"},
         {"5.0000 5.0000", "10.0000      5.0000"}},
    };
    for (const Fall& f : faelle) {
        const double massstab = f.hpgl.find("500000") != std::string::npos ? 1000 : 40;
        const Umwandlung u = wandle(f.hpgl, massstab);
        EXPECT_EQ(u.typen(), f.typen) << f.name;
        EXPECT_EQ(u.punkte(), f.punkte) << f.name;
    }
}

TEST(HpglNachDxf, UnsupportedCommandsAreReportedAndCloseTheLine)
{
    const Umwandlung u = wandle("IN;PU 0 0;PD 40 0;XY 1 2;pd 80 0;PD 80 0;");
    EXPECT_TRUE(u.hatInfo("Command: XY; not supported!"));
    EXPECT_TRUE(u.hatInfo("Command: pd; not supported!"));
    EXPECT_EQ(u.typen(), (Typen{"POLYLINE", "VERTEX", "VERTEX", "SEQEND", "POLYLINE", "VERTEX", "VERTEX", "SEQEND"}));
}

TEST(HpglNachDxf, FaultyParametersAreReportedOncePerCommand)
{
    const Umwandlung u = wandle("IN;PU 0 0;PD 40 0 x 3 y 4;PU 1-2 80;");
    EXPECT_TRUE(u.hatInfo("Error in HPGL-command:PD x 3 y 4;"));
    EXPECT_EQ(std::count_if(u.info.begin(), u.info.end(),
                            [](const std::string& z) { return z.rfind("Error in HPGL-command:PD", 0) == 0; }),
              1);
    EXPECT_TRUE(u.hatInfo("Fehler in: PU 1-2 80; weil:1-2 keine Zahl ist."));
    EXPECT_EQ(u.punkte(), (Punkte{"0.0000 0.0000", "1.0000 0.0000"}));
}

TEST(HpglNachDxf, InitialisationKeepsPenLineTypeAndWindow)
{
    const Umwandlung u = wandle("IN;SP 6;LT 1;IW 0 0 400 400;SA;IN;PU 200 200;PD 800 200;LBx\x03");
    EXPECT_EQ(u.saetze[0].wert(8), "L_6");
    EXPECT_EQ(u.saetze[0].wert(6), "DOT");
    EXPECT_EQ(u.punkte()[1], "10.0000      5.0000");
    EXPECT_EQ(nurTyp(u.saetze, "TEXT")[0].wert(7), "STANDARD"); // IN returns to the standard set
}
