// The layout check finds what is planted in a small drawing, and nothing in a clean one.
#include "support/Layoutpruefung.h"

#include <gtest/gtest.h>

#include <functional>

using namespace umbrin;
using namespace umbrin::test;

namespace {

std::vector<Befundart> arten(const std::vector<Befund>& b)
{
    std::vector<Befundart> a;
    for (const Befund& f : b)
        a.push_back(f.art);
    return a;
}

using A = Befundart;

struct CanvasFall {
    const char* name;
    std::function<void(RecordingCanvas&)> zeichne;
    std::vector<Befundart> erwartet;
    bool wieGedruckt = false; // texts laid out by the printer's measure, judged by their ink
};

} // namespace

TEST(Layoutpruefung, FindsWhatIsPlantedOnACanvas)
{
    // A 400 x 300 image, font height 20 (a cell of 20, letters of 17.4): about 9.6 units a
    // character.
    const std::vector<CanvasFall> faelle = {
        {"clean: two legend lines a font height apart, a frame on the edge",
         [](RecordingCanvas& c) {
             c.textOut(10, 10, "Legend line one");
             c.textOut(10, 30, "Legend line two");
             c.rectangle(0, 0, 400, 300);
             c.moveTo(0, 150);
             c.lineTo(400, 150);
         },
         {}},
        {"overlap: 12 and 13 drawn half a number apart",
         [](RecordingCanvas& c) {
             c.textOut(100, 100, "12");
             c.textOut(111, 105, "13");
         },
         {A::Ueberdeckung}},
        {"blanks at the ends take no room",
         [](RecordingCanvas& c) {
             c.textOut(100, 100, "12    ");
             c.textOut(130, 100, "   13");
         },
         {}},
        {"off the page: a text below the image",
         [](RecordingCanvas& c) { c.textOut(50, 320, "Hour"); },
         {A::TextAusserhalb}},
        {"cut: a legend running over the right edge",
         [](RecordingCanvas& c) { c.textOut(300, 100, "Shadow casting edge"); },
         {A::TextAngeschnitten}},
        {"rotated: a text turned upward through a horizontal one",
         [](RecordingCanvas& c) {
             c.textOut(100, 100, "horizontal text");
             c.textOutRotated(140, 140, "upward text", 90);
         },
         {A::Ueberdeckung}},
        {"rotated: an upward text beside a horizontal one",
         [](RecordingCanvas& c) {
             c.textOut(100, 100, "horizontal");
             c.textOutRotated(250, 200, "upward text", 90);
         },
         {}},
        {"stroke: a line of one colour running off the image",
         [](RecordingCanvas& c) {
             c.setPenColor(FarbeRot);
             c.moveTo(200, 150);
             c.lineTo(650, 150);
             c.lineTo(700, 100);
         },
         {A::StrichAusserhalb}},
        {"stroke through text: an hour line through its number",
         [](RecordingCanvas& c) { c.textOut(100, 100, "12"), c.moveTo(110, 90), c.lineTo(110, 140); }, {A::StrichDurchText}},
        {"a line under a legend, one ending at its side, a frame round it pass",
         [](RecordingCanvas& c) {
             c.textOut(100, 100, "Legend"), c.moveTo(100, 119), c.lineTo(200, 119), c.moveTo(50, 110), c.lineTo(101, 110);
             c.rectangle(95, 98, 170, 122);
         },
         {}},
        // The ink of "Illinois" ends about 48 units right of its corner, its estimate at 76.
        {"as printed: a line past a narrow legend's last letter passes",
         [](RecordingCanvas& c) { c.textOut(100, 100, "Illinois"), c.moveTo(162, 90), c.lineTo(162, 140); }, {}, true},
        {"as printed: a line through its letters is caught",
         [](RecordingCanvas& c) { c.textOut(100, 100, "Illinois"), c.moveTo(130, 90), c.lineTo(130, 140); },
         {A::StrichDurchText}, true},
    };
    for (const CanvasFall& f : faelle) {
        RecordingCanvas c(400, 300);
        c.setFontHeight(20);
        f.zeichne(c);
        const std::vector<Befund> b = pruefeLayout(c.primitives(), {0, 0, 400, 300}, Pruefumfang::Voll, f.wieGedruckt);
        EXPECT_EQ(arten(b), f.erwartet) << f.name << "\n" << befundText(b);
    }
}

TEST(Layoutpruefung, FindsWhatIsPlantedInAPlot)
{
    // A sheet of 16000 x 11000 plotter units; characters 0.2 cm wide (80 units, a cell of
    // 120) and 0.3 cm high (120 units).
    const std::string kopf = "IN;VS 1;PA;IW 0 0 16000 11000;PU 0 0;EA 16000 11000;SI 0.2,0.3;";
    struct Fall {
        const char* name;
        std::string plot;
        std::vector<Befundart> erwartet;
    };
    const std::vector<Fall> faelle = {
        {"clean: labels in a row, one line above another", kopf + "PU 1000 1000;LB10\x03;PU 1400 1000;LB11\x03"
                                                                  ";PU 1000 1300;LB12\x03",
         {}},
        {"overlap: 10 and 14 at the same place", kopf + "PU 1000 1000;LB10\x03;PU 1050 1030;LB14\x03",
         {A::Ueberdeckung}},
        {"overlap: a label written twice", kopf + "PU 1000 5000;LBCylinder Circumference\x03;PU 1000 5000;"
                                                  "LBCylinder Circumference\x03",
         {A::Ueberdeckung}},
        {"direction: labels turned upward, side by side", kopf + "DI 0,1;PU 2000 2000;LBnoon\x03;PU 2200 2000;LBone\x03",
         {}},
        {"direction: an upward label across a level one",
         kopf + "PU 1900 2200;LBlevel label\x03;DI 0,1;PU 2000 2000;LBupward label\x03", {A::Ueberdeckung}},
        {"off the page: a label above the sheet", kopf + "PU 3000 11500;LBtitle\x03", {A::TextAusserhalb}},
        {"cut: a label over the right edge", kopf + "PU 15800 5000;LBGnomon height\x03", {A::TextAngeschnitten}},
        {"the label after a label goes on where the first ended",
         kopf + "PU 1000 1000;LBab\x03" "LBcd\x03;PU 1000 1000;LBab\x03", {A::Ueberdeckung}},
        {"stroke beyond the sheet, no window", "IN;SP 2;PU 1000 1000;PD 20000 1000;", {A::StrichAusserhalb}},
        {"stroke clipped by the window is not drawn", kopf + "SP 2;PU 1000 1000;PD 20000 1000;", {}},
        {"stroke through a label", kopf + "SP 2;PU 1000 900;PD 1000 1400;PU 960 1000;LB12\x03", {A::StrichDurchText}},
        {"stroke beyond the sheet inside a larger window", "IN;IW 0 0 30000 30000;SP 2;PU 1000 1000;PD 20000 1000;",
         {A::StrichAusserhalb}},
    };
    for (const Fall& f : faelle) {
        const std::vector<Befund> b = pruefePlotLayout(f.plot, {0, 0, 16000, 11000}, Pruefumfang::Voll);
        EXPECT_EQ(arten(b), f.erwartet) << f.name << "\n" << befundText(b);
    }
}

TEST(Layoutpruefung, WordingOfATextAUserReads)
{
    const std::pair<const char*, bool> faelle[] = {
        {"  Hour lines show Local Apparent Time (LAT) ", true}, {"Hour lines show  Local Apparent Time", false},
        {"Datum     Sonne      Dämmerung", true},                {"Cylinder Sundial (Shepherds\xC2\xB4 Dial)", false},
        {"Zylindersonnenuhr (Sch\xE4\xB4" "fer)", false},          {"Ch\xC3\xB4teau", true},
        {"Shadow casting edge (height =  25.00 mm", false},      {"Width (10 [mm] :", false},
        {"a)b(", false},                                         {"line one  \n\r  line two", true},
        {"Pin Hole at  30.0 deg", true},
    };
    for (const auto& [text, gut] : faelle)
        EXPECT_EQ(wortlautFehler(text).empty(), gut) << text << ": " << wortlautFehler(text);
}

TEST(Layoutpruefung, PageOfAPlot)
{
    struct Fall {
        const char* plot;
        double breite, hoehe;
    };
    const Fall faelle[] = {
        {"IN;VS 1;PA;IW 0 0 16157 11038;PU 0 0;EA 16157 11038;IW 5 5 10 10;", 16157, 11038},
        {"IN;SP 4;PU 0 0;EA 12000 9000;", 12000, 9000},
        {"IN;IW 400 1800 8600 10000;IW 0 0 9000 7000;", 9000, 7000},
        {"IN;VS 1;PA;SP 1;PU 100 100;PD 200 200;", 16480, 11480},
    };
    for (const Fall& f : faelle) {
        const Seitenrechteck s = plotSeite(f.plot);
        EXPECT_EQ(s.x1, f.breite) << f.plot;
        EXPECT_EQ(s.y1, f.hoehe) << f.plot;
    }
}
