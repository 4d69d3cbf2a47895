#include "dials/planar/PlanarHpgl.h"
#include "dials/Raster.h"

#include "core/Sprachdienst.h"
#include "core/TextEncoding.h"
#include "../../support/ScriptedPrompt.h"
#include "support/GoldenDatei.h"
#include "support/PlotLeser.h"
#include "support/TestOrdner.h"
#include "support/Zahl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

using namespace umbrin;
namespace fs = std::filesystem;

namespace {

struct Plot {
    std::string hpgl;  // Windows-1252 bytes as written
    std::string liste; // the coordinate list
    test::ScriptedPrompt frage;
};

AppState grundzustand(char typ, bool schirm = false, bool alsHpgl = true)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = typ;
    s.Schirmuhr = schirm;
    s.AlsHPGL = alsHpgl;
    return s;
}

// Writes the plot of s; the grid question is answered No unless answers say otherwise.
Plot schreibe(AppState& s, std::deque<PromptAnswer> antworten = {PromptAnswer::No},
              std::deque<std::string> eingaben = {})
{
    Plot p;
    p.frage.answers = std::move(antworten);
    p.frage.textAnswers = std::move(eingaben);
    HPGLDatei datei;
    datei.oeffnenImSpeicher();
    HPGLListenDatei liste;
    liste.oeffnenImSpeicher();
    PlanarHpglAuftrag a;
    a.Dateiname = "dial.plt";
    a.Gnomon = s.Par.Gnomonhoehe * s.Zoom;
    a.ebene = ebenenParameter(s);
    schreibeHPGL_HorVertInkl(s, datei, &liste, p.frage, a);
    p.hpgl = datei.inhalt();
    p.liste = liste.inhalt();
    return p;
}

void alleFamilien(AppState& s)
{
    auto& c = s.Schalter;
    c.Temporalstunden = c.Babylonisch = c.Italienisch = c.Sonnenhoehe = 1;
    c.OhneZeitgl = c.MitZeitgl = c.Analemma = c.GanzeTageslaenge = c.Poldreieck = 1;
}

fs::path goldenOrdner()
{
    return fs::path(UMBRIN_SOURCE_DIR) / "tests" / "dials" / "planar" / "golden";
}

std::string lies(const fs::path& p) { return test::dateiText(p); }

// hp2xx, a real HPGL reader, reads the plot without complaint; pens beyond 8 declared to it
// only where the plot uses them. (hp2xx takes only short file names: the folder's is short.)
::testing::AssertionResult hp2xxLiestSauber(const std::string& hpgl, const std::string& name, bool zwoelfStifte)
{
    const test::TestOrdner ordner("hp2xx", false);
    std::ofstream(ordner / (name + ".plt"), std::ios::binary) << hpgl;
    const std::string bericht = test::hp2xxPruefung(ordner / (name + ".plt"), zwoelfStifte);
    return bericht.empty() ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << bericht;
}

struct Punkt {
    double x, y;
};

// Every point of the PU and PD commands of a plot.
std::vector<Punkt> plotPunkte(const std::string& hpgl)
{
    std::vector<Punkt> punkte;
    static const std::regex befehl(R"((PU|PD)([- 0-9]*))");
    static const std::regex zahl(R"(-?\d+)");
    for (auto it = std::sregex_iterator(hpgl.begin(), hpgl.end(), befehl); it != std::sregex_iterator(); ++it) {
        const std::string args = (*it)[2];
        std::vector<double> z;
        for (auto n = std::sregex_iterator(args.begin(), args.end(), zahl); n != std::sregex_iterator(); ++n)
            z.push_back(test::zahl(n->str()));
        for (std::size_t i = 0; i + 1 < z.size(); i += 2)
            punkte.push_back({z[i], z[i + 1]});
    }
    return punkte;
}

// The entries "x/y;" of the coordinate list (millimetres from the foot) up to the marks of
// the figure-eight, which are listed whether drawn or not.
std::vector<Punkt> listenPunkte(const std::string& liste)
{
    const std::string teil = liste.substr(0, liste.find("Markierte Datumspunkte"));
    std::vector<Punkt> punkte;
    static const std::regex eintrag(R"((-?\d+\.\d{3})/ *(-?\d+\.\d{3});)");
    for (auto it = std::sregex_iterator(teil.begin(), teil.end(), eintrag); it != std::sregex_iterator(); ++it)
        punkte.push_back({test::zahl((*it)[1]), test::zahl((*it)[2])});
    return punkte;
}

std::size_t zaehle(const std::string& text, const std::string& teil)
{
    std::size_t n = 0;
    for (std::size_t p = text.find(teil); p != std::string::npos; p = text.find(teil, p + 1))
        ++n;
    return n;
}

const struct GoldenFall {
    const char* name;
    char typ;
    bool schirm;
    int k;
} goldenFaelle[] = {
    {"vertikal_k1", 'v', false, 1},     {"vertikal_k25", 'v', false, 25},
    {"horizontal_k1", 'h', false, 1},   {"horizontal_k25", 'h', false, 25},
    {"inklinierend_k1", 'i', false, 1}, {"inklinierend_k25", 'i', false, 25},
    {"schirm_k1", 'v', true, 1},        {"schirm_k25", 'v', true, 25},
    {"schirm_inklinierend_k1", 'i', true, 1}, {"schirm_inklinierend_k25", 'i', true, 25},
};

} // namespace

TEST(PlanarHpgl, DefaultPlotsMatchTheirGoldenFiles)
{
    for (const GoldenFall& f : goldenFaelle) {
        AppState s = grundzustand(f.typ, f.schirm, f.k == 1);
        test::vergleicheMitGolden(schreibe(s).hpgl, goldenOrdner() / (std::string(f.name) + ".plt"));
    }
}

TEST(PlanarHpgl, GoldenPlotsAreReadCleanlyByARealHpglReader)
{
    for (const GoldenFall& f : goldenFaelle) {
        const std::string golden = lies(goldenOrdner() / (std::string(f.name) + ".plt"));
        ASSERT_FALSE(golden.empty()) << f.name;
        EXPECT_TRUE(hp2xxLiestSauber(golden, f.name, false)) << f.name;
    }
}

TEST(PlanarHpgl, KeyFragmentsOfTheDefaultPlots)
{
    // Checked by hand: prolog and frame, the first pen with the cross at the foot and the
    // double-gnomon mark, the legend title as a label, horizon, clip windows, pole mark.
    const struct {
        const char* golden;
        std::vector<std::string> teile;
        std::vector<std::string> fehlt;
    } faelle[] = {
        {"vertikal_k1",
         {"IN;VS 1;PA;IW 0 0 16157 11038;PU 0 0;EA 16157 11038;;SP 4;PU 0 0;"
          ";SP 4;PU 8000 11000;PD 8400 11000 8200 11000 8200 11200 8200 10800"
          ";PU 40 40;PD 2840 40 2840 160;PU 40 400;PD 40 2840 160 2840"
          ";PU 160 160;SI  0.16, 0.24;LBdoppelte Gnomonhoehe (= 2 * 35.000 mm)\x03;",
          ";SP 4;PU 5200 1146;SI  0.28, 0.50;LBvertikale SONNENUHR\x03",
          "LBS\xFC" "dabweichung= -11.70 Grad\x03", ";SP 5;PU 5 11000;PD 16400 11000;SP 1;PU ;",
          ";IW 0 11010 16151 0;", ";SP 3;PU",
          ";IW 0 0 16157 11038;SP 4;PU 8140 10940;PD 8260 10940 8260 11060 8140 11060 8140 10940;",
          // S at 7.248 mm right of and 38.668 mm above the foot, as the listing says.
          ";LT 2,2; PU 8200 11000 ;PD  8490 12547;LT ;PU "},
         {"PW"}},
        {"vertikal_k25",
         {"IN;VS 1;PA;IW 0 0 403925 275950;PU 0 0;EA 403925 275950;;SP 4;PU 0 0;"
          ";SP 4;PU 200000 275000;PD 210000 275000 205000 275000 205000 280000 205000 270000"
          ";PU 1000 1000;PD 71000 1000 71000 4000;PU 1000 10000;PD 1000 71000 4000 71000"
          ";PU 4000 4000;SI  4.00, 6.00;LBdoppelte Gnomonhoehe (= 2 * 35.000 mm)\x03;",
          ";SP 4;PU 130000 28640;SI  7.00,12.50;LBvertikale SONNENUHR\x03", ";IW 0 275250 403775 0;"},
         // The pole point lies 38 mm above the sheet: no circle of its mark goes into the DXF.
         {";CI 1250;"}},
        {"horizontal_k1",
         {";SP 4;PU 8000 4000;PD 8400 4000 8200 4000 8200 4200 8200 3800",
          ";SP 4;PU 5200 1000;SI  0.28, 0.50;LBhorizontale SONNENUHR\x03",
          ";SP 1;PU 5200 440;PD 5905 440;SP 4;LB  Tagesweg des Schattens \x03"},
         {";SP 5;PU", "LBS\x03", "IW 0 0 16157 11038;SP 4"}},
        {"inklinierend_k1",
         {";SP 4;PU 5200 1239;SI  0.28, 0.50;LBinklinierende SONNENUHR\x03", ";SP 5;PU 0 8441;PD 16400 8441",
          ";IW 0 0 16157 8446;", "LBS\x03"},
         {}},
        {"schirm_k1",
         {"LBvertikale SCHIRMUHR\x03", "LBKreisscheibe r =  0.350 x H\xF6he\x03"},
         {"LBS\x03", "LT 2,2"}},
    };
    for (const auto& f : faelle) {
        const std::string plot = lies(goldenOrdner() / (std::string(f.golden) + ".plt"));
        for (const std::string& t : f.teile)
            EXPECT_NE(plot.find(t), std::string::npos) << f.golden << ": " << t;
        for (const std::string& t : f.fehlt)
            EXPECT_EQ(plot.find(t), std::string::npos) << f.golden << ": " << t;
        EXPECT_EQ(plot.find("nan"), std::string::npos) << f.golden;
    }
    EXPECT_EQ(lies(goldenOrdner() / "vertikal_k1.plt").rfind("IN;VS 1;PA;", 0), 0u);
}

// The pole mark's circle goes into the plot only where it stands whole within the frame the
// sheet is drawn with (16157 x 11038): at 17.4 N the vertical dial's pole lies just above it.
TEST(PlanarHpgl, ThePoleCircleStandsWithinTheFrame)
{
    for (const char typ : {'v', 'h', 'i'})
        for (const double breite : {17.4, 47.25, -33.87}) {
            AppState s = grundzustand(typ);
            s.Par.Breite = breite;
            s.Par.Laenge = -(23 + 41 / 60.0);
            const std::string hpgl = schreibe(s).hpgl;
            const std::regex kreis(R"(PU +(-?[0-9.]+) +(-?[0-9.]+);CI +([0-9.]+);)");
            for (auto i = std::sregex_iterator(hpgl.begin(), hpgl.end(), kreis); i != std::sregex_iterator(); ++i) {
                const double x = test::zahl((*i)[1]), y = test::zahl((*i)[2]), r = test::zahl((*i)[3]);
                EXPECT_TRUE(x - r >= 0 && x + r <= 16157 && y - r >= 0 && y + r <= 11038)
                    << typ << " " << breite << ": " << i->str();
            }
        }
}

TEST(PlanarHpgl, CoordinateListPointsAreThePlotPointsInMillimetres)
{
    for (const int k : {1, 25}) {
        AppState s = grundzustand('v', false, k == 1);
        const Plot p = schreibe(s);
        const std::vector<Punkt> plot = plotPunkte(p.hpgl);
        const std::vector<Punkt> liste = listenPunkte(p.liste);
        ASSERT_GT(liste.size(), 100u);
        const double x0 = 8200.0 * k, y0 = 11000.0 * k, mm = 40.0 * k;
        int geprueft = 0;
        for (const Punkt& l : liste) {
            const double px = x0 + l.x * mm, py = y0 + l.y * mm;
            if (px < 0 || px > 16400.0 * k || py < 0 || py > 11480.0 * k)
                continue; // lit but off the page: listed, not drawn
            ++geprueft;
            const bool gefunden = std::any_of(plot.begin(), plot.end(), [&](const Punkt& q) {
                return std::fabs(q.x - px) <= 1.0 && std::fabs(q.y - py) <= 1.0;
            });
            EXPECT_TRUE(gefunden) << "k " << k << ": " << l.x << "/" << l.y;
        }
        EXPECT_GT(geprueft, 100);
    }
}

TEST(PlanarHpgl, ListingOfTheDefaultVerticalDial)
{
    AppState s = grundzustand('v');
    const Plot p = schreibe(s);
    const std::string l = cp1252ToUtf8(p.liste);
    for (const char* teil : {
             "Vertikale SONNENUHR\r\n",
             "     Durchstosspunkt des Polstabes       : S( 7.248/38.668)\r\n",
             "     Winkel zw. Substilare und Polstab   :  -41.66 Grad\r\n",
             "     Richtung der Substilare in P(0/0)   :   10.62 Grad\r\n",
             "     Schatten auf Substilare um (WOZ)    :   10:57  Uhr\r\n",
             "\r\nStundenlinien zeigen Wahre Ortszeit\r\n",
             "Name der gespeicherten Zeichnung: dial.plt\r\n",
             "Beginn der Deklinationlinien (Datumslinien):\r\n",
             // The zodiac line of 21 June is headed by the obliquity.
             " Sonnendeklination: 23.44 Grad",
             " Sonnendeklination: -23.44 Grad",
             "Markierte Datumspunkte auf 8er-Schleife",
         })
        EXPECT_NE(l.find(teil), std::string::npos) << teil;
    // The figure-eight of 13 h is marked on the 1st and 15th by default.
    EXPECT_NE(l.find("     1. Jan:"), std::string::npos);
    EXPECT_NE(l.find("    15. Dez:"), std::string::npos);
}

TEST(PlanarHpgl, AllFamiliesAreReadCleanlyOnEveryPlane)
{
    const struct {
        char typ;
        bool schirm;
        double breite;
    } faelle[] = {{'v', false, 47.25}, {'h', false, 47.25}, {'i', false, 47.25}, {'v', true, 47.25},
                  {'h', true, 47.25},  {'i', true, 47.25},  {'h', false, -35},   {'v', false, 60}};
    for (const auto& f : faelle) {
        AppState s = grundzustand(f.typ, f.schirm);
        s.Par.Breite = f.breite;
        alleFamilien(s);
        s.Schalter.Stiftbreite = 2;
        const Plot p = schreibe(s, {PromptAnswer::Yes}, {"10"});
        for (const char* stift : {";SP 6;", ";SP 7;", ";SP 9;", ";SP 10", ";SP 11", ";SP 5", ";SP 2;"})
            EXPECT_NE(p.hpgl.find(stift), std::string::npos) << f.typ << f.schirm << " " << stift;
        EXPECT_EQ(p.hpgl.find("nan"), std::string::npos);
        const std::string name = std::string("alle_") + f.typ + (f.schirm ? "s" : "") + std::to_string(int(f.breite));
        EXPECT_TRUE(hp2xxLiestSauber(p.hpgl, name, true)) << name;
    }
}

// The legend lines (pen 4) one above the other stand at least the descenders of the upper line
// (a third of its capitals) and the capitals of the lower one apart, on every plane, with and
// without the umbrella's disc, north and south (in English, as the gnomon height's mark is).
TEST(PlanarHpgl, LegendLinesAreSetWithLeading)
{
    for (const char typ : {'h', 'v', 'i'})
        for (const int fall : {0, 1, 2, 3}) {
            AppState s = grundzustand(typ, fall % 2);
            s.Par.Breite = fall < 2 ? 47.25 : -33.87;
            setzeSprache(s, fall < 2);
            const std::string hpgl = schreibe(s).hpgl;
            const char* marke = fall < 2 ? "LBdoppelte Gnomonhoehe (= 2 * " : "LBtwice the gnomon height (= 2 * ";
            EXPECT_NE(hpgl.find(std::string(marke) + "35.000 mm)\x03"), std::string::npos) << typ << " " << fall;
            struct Zeile {
                double x, y, hoehe, breite;
            };
            std::vector<Zeile> zeilen;
            double hoehe = 0; // of the capitals, from the last SI
            for (const test::PlotBefehl& b : test::plotBefehle(hpgl)) {
                hoehe = b.name == "SI" && b.zahlen.size() == 2 ? b.zahlen[1] * 400 : hoehe;
                if (b.name == "LB" && b.text.size() > 3 && b.stift == 4)
                    zeilen.push_back({b.an.x, b.an.y, hoehe, 0.75 * hoehe * b.text.size()});
            }
            EXPECT_GE(zeilen.size(), 4u) << typ;
            for (const Zeile& o : zeilen)
                for (const Zeile& u : zeilen)
                    if (u.y < o.y && u.x < o.x + o.breite && o.x < u.x + u.breite) {
                        EXPECT_TRUE(o.y - u.y >= o.hoehe / 3 + 1.1 * u.hoehe && u.y >= u.hoehe / 3)
                            << typ << " " << fall << ": " << o.y << ", " << u.y;
                    }
        }
}

TEST(PlanarHpgl, PenWidthCommands)
{
    AppState s = grundzustand('v');
    EXPECT_EQ(schreibe(s, {PromptAnswer::Yes}, {"10"}).hpgl.find("PW"), std::string::npos);
    s.Schalter.Stiftbreite = 3;
    const std::string plot = schreibe(s, {PromptAnswer::Yes}, {"10"}).hpgl;
    const auto raster = plot.find(";CI 80;");
    const auto pw0 = plot.find(";PW 0;");
    const auto pw2 = plot.find(";PW 2;");
    const auto datum = plot.find(";SP 1;PU ;");
    const auto pwEnde = plot.rfind(";PW 0;");
    ASSERT_NE(pw2, std::string::npos);
    EXPECT_LT(raster, pw0);
    EXPECT_LT(pw0, pw2);
    EXPECT_LT(pw2, datum);
    EXPECT_GT(pwEnde, plot.rfind(";SP 3"));
    EXPECT_EQ(zaehle(plot, "PW"), 3u);
}

TEST(PlanarHpgl, GridMeshFromTheInputBox)
{
    // Anything but a whole number of 1 mm up to the writer's bound gives the default of 10 mm.
    const struct {
        const char* antwort;
        int grenze;
        int mm;
    } faelle[] = {{"20", 410, 20},      {" 15", 410, 15}, {"abc", 410, 10}, {"", 410, 10},
                  {"0", 410, 10},       {"-5", 410, 10},  {"99999999", 410, 10}, {"12 ", 410, 10},
                  {"410", 410, 410},    {"411", 410, 10}, {"255", 255, 255}, {"256", 255, 10}};
    for (const auto& f : faelle)
        EXPECT_EQ(rasterWeite(f.antwort, f.grenze), f.mm) << "'" << f.antwort << "' bis " << f.grenze;

    for (const auto& [antworten, eingaben, schritt] :
         std::vector<std::tuple<std::deque<PromptAnswer>, std::deque<std::string>, int>>{
             {{PromptAnswer::Yes}, {"abc"}, 400}, {{PromptAnswer::Yes}, {}, 400}, {{PromptAnswer::Yes}, {"0"}, 400},
             {{PromptAnswer::Yes}, {"20"}, 800}}) {
        AppState s = grundzustand('v');
        const Plot p = schreibe(s, antworten, eingaben);
        ASSERT_EQ(p.frage.asked.size(), 1u);
        EXPECT_EQ(p.frage.asked[0].title, PromptTitle::WasNun);
        EXPECT_EQ(p.frage.asked[0].text, "Soll zusätzlich das Koordinatennetz gezeichnet werden?");
        // Grid lines through the foot at x = 8200: the first column left of it.
        const std::string erste = "PU " + std::to_string(8200 - (8200 - schritt - 2 + schritt - 1) / schritt * schritt);
        EXPECT_NE(p.hpgl.find(";IW 0 0 16150 11030;SP 9;PU 8200 11000;CI 80;" + erste + " "), std::string::npos)
            << schritt;
    }
    AppState s = grundzustand('v');
    EXPECT_EQ(schreibe(s, {PromptAnswer::No}).hpgl.find("CI 80"), std::string::npos);
}

TEST(PlanarHpgl, PlacementOfTheFoot)
{
    const struct {
        char typ;
        double wand, breite;
        const char* kreuz;
    } faelle[] = {
        {'v', 60, 47.25, ";SP 4;PU 10400 11000;PD 10800 11000"},
        {'v', -60, 47.25, ";SP 4;PU 5600 11000;PD 6000 11000"},
        {'h', 0, -40, ";SP 4;PU 8000 7000;PD 8400 7000"},
        {'h', 0, 55, ";SP 4;PU 8000 2500;PD 8400 2500"},
        {'h', 0, 20, ";SP 4;PU 8000 5500;PD 8400 5500"},
    };
    for (const auto& f : faelle) {
        AppState s = grundzustand(f.typ);
        s.Par.Wandabweichung = f.wand;
        s.Par.Breite = f.breite;
        EXPECT_NE(schreibe(s).hpgl.find(f.kreuz), std::string::npos) << f.kreuz;
    }
    AppState s = grundzustand('v');
    s.FusspunktGesetzt = 1;
    s.FusspunktX = 3000;
    s.FusspunktY = 9000;
    s.AlsHPGL = 0;
    EXPECT_NE(schreibe(s).hpgl.find(";SP 4;PU 70000 225000;PD 80000 225000"), std::string::npos);
}

TEST(PlanarHpgl, HighLatitudesSkipTheUnequalHours)
{
    // Temporal, Italian and Babylonian hours need a rising and setting sun: none beyond 66
    // degrees on either side (the south was not limited and gave undefined lines).
    for (const double breite : {70.0, -70.0, 66.5, -66.5}) {
        AppState s = grundzustand('h');
        alleFamilien(s);
        s.Par.Breite = breite;
        const std::string plot = schreibe(s).hpgl;
        EXPECT_EQ(plot.find(";SP 10"), std::string::npos) << breite;
        EXPECT_EQ(plot.find(";SP 6;"), std::string::npos) << breite;
        EXPECT_EQ(plot.find(";SP 7;"), std::string::npos) << breite;
        EXPECT_EQ(plot.find("nan"), std::string::npos) << breite;
    }
    AppState s = grundzustand('h');
    alleFamilien(s);
    s.Par.Breite = -60;
    EXPECT_NE(schreibe(s).hpgl.find(";SP 10"), std::string::npos);
}

TEST(PlanarHpgl, ExtendedTemporalLinesMirrorOnTheSouthernHemisphere)
{
    // Beyond the solstices the lines run to the declination 90 - |latitude| on both sides,
    // never to declinations beyond the poles.
    const auto temporalPunkte = [](double breite) {
        AppState s = grundzustand('h');
        s.Schalter.Temporalstunden = 1;
        s.Schalter.OhneZeitgl = 0;
        s.Schalter.Analemma = 0;
        s.Par.Breite = breite;
        const std::string plot = schreibe(s).hpgl;
        const std::string teil = plot.substr(plot.find(";SP 10"));
        return zaehle(teil, ";PD ") + zaehle(teil, ";PU ");
    };
    EXPECT_EQ(temporalPunkte(40), temporalPunkte(-40));
}

TEST(PlanarHpgl, TemporalAndHourRanges)
{
    AppState s = grundzustand('v');
    s.Schalter.Temporalstunden = 1;
    s.Zeiten.TempVon = -3;
    s.Zeiten.TempBis = 14;
    s.Schalter.StundenIntervall = '4';
    std::string l = cp1252ToUtf8(schreibe(s).liste);
    EXPECT_NE(l.find("12.00. Temporalstunde:"), std::string::npos);
    EXPECT_EQ(l.find("13.00. Temporalstunde:"), std::string::npos);
    // " 10 min": six lines an hour.
    EXPECT_NE(l.find("Linie   9:50  Uhr:"), std::string::npos);
    s.Schalter.StundenIntervall = '5';
    l = cp1252ToUtf8(schreibe(s).liste);
    EXPECT_NE(l.find("Linie   9:50  Uhr:"), std::string::npos);
    EXPECT_EQ(l.find("Linie   9:55"), std::string::npos);
}

TEST(PlanarHpgl, AnalemmaMarksOnTheSeventhAndTwentySecond)
{
    AppState s = grundzustand('v');
    s.Schalter.AnalemmaMarken = 2;
    const Plot p = schreibe(s);
    const std::string l = cp1252ToUtf8(p.liste);
    EXPECT_NE(l.find("     7. Jan:"), std::string::npos);
    EXPECT_NE(l.find("    22. Jun:"), std::string::npos);
    EXPECT_EQ(l.find("     8. Jan:"), std::string::npos);
    EXPECT_EQ(zaehle(p.hpgl, ";CI 10;"), 24u); // 13 h on an east-turned south wall: all on the dial
}

TEST(PlanarHpgl, EquatorAndPoleTriangleStayFinite)
{
    // At the equator the pole point of a south wall falls on the foot: no triangle, no
    // division by its zero distance; the latitude in the shared record stays as it was.
    for (const char typ : {'v', 'h', 'i'}) {
        AppState s = grundzustand(typ);
        s.Par.Breite = 0;
        s.Par.Wandabweichung = 0;
        s.Schalter.Poldreieck = 1;
        s.Schalter.BisFusspunkt = 1;
        const Plot p = schreibe(s);
        EXPECT_EQ(s.Par.Breite, 0.0) << typ;
        for (const char* schlecht : {"nan", "NAN", "inf", "INF"}) {
            EXPECT_EQ(p.hpgl.find(schlecht), std::string::npos) << typ << " " << schlecht;
            EXPECT_EQ(p.liste.find(schlecht), std::string::npos) << typ << " " << schlecht;
        }
    }
}

TEST(PlanarHpgl, HorizontalDialListsItsPolePointOnTheMeridian)
{
    // The plane of a horizontal dial has no wall: the list gives S due north of the foot,
    // whatever wall declination the parameters still hold.
    AppState s = grundzustand('h');
    ASSERT_NE(s.Par.Wandabweichung, 0.0);
    EXPECT_NE(schreibe(s).liste.find("S( 0.000/-32.354)"), std::string::npos);
}

TEST(PlanarHpgl, AFailedWriteEndsThePlotAndDropsTheList)
{
    const test::TestOrdner dir;
    AppState s = grundzustand('v');
    test::ScriptedPrompt frage;
    frage.answers = {PromptAnswer::No};
    PlanarHpglAuftrag a;
    a.Gnomon = s.Par.Gnomonhoehe;
    a.ebene = ebenenParameter(s);

    std::string meldung;
    {
        const test::VollePlatte voll(4096);
        ASSERT_TRUE(voll.aktiv());
        HPGLDatei plot;
        HPGLListenDatei liste;
        std::string fehler;
        const bool offen = plot.oeffnen(dir / "dial.plt", fehler) && liste.oeffnen(dir / "dial.txt", fehler);
        if (offen) {
            try {
                schreibeHPGL_HorVertInkl(s, plot, &liste, frage, a);
                if (!plot.schliessen(fehler))
                    meldung = fehler;
            } catch (const HPGLSchreibfehler& e) {
                meldung = e.what();
                plot.verwerfen();
            }
        } else {
            meldung = fehler;
        }
    }
    EXPECT_TRUE(meldung.find("dial.plt") != std::string::npos || meldung.find("dial.txt") != std::string::npos)
        << meldung;
    EXPECT_FALSE(fs::exists(dir / "dial.plt"));
    EXPECT_FALSE(fs::exists(dir / "dial.txt"));
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

TEST(PlanarHpgl, AMeanTimeLineRunsFromTheBorderAsOnScreen)
{
    // At 7 o'clock mean time the June-to-December branch of the figure-eight enters the wall
    // from the left after 21 June and leaves it in autumn. Its drawn part begins where the
    // line crosses the page border (the clip window "IW 0 ..." gives the page), as the screen
    // draws it, not at the first day that lies on the dial.
    AppState s = grundzustand('v');
    s.Schalter.OhneZeitgl = 0;
    s.Schalter.Analemma = 0;
    s.Schalter.MitZeitgl = 1;
    s.Zeiten.StundeVon = s.Zeiten.StundeBis = 7;
    s.Schalter.EotIntervall = '0';
    const Plot p = schreibe(s);
    EXPECT_TRUE(hp2xxLiestSauber(p.hpgl, "mittlere_7h", false));

    std::smatch fenster;
    ASSERT_TRUE(std::regex_search(p.hpgl, fenster, std::regex(R"(IW 0 0 (\d+) (\d+))")));
    const double rechts = test::zahl(fenster[1]), oben = test::zahl(fenster[2]);
    // The mean-time family's pen, then the whole hour's.
    const std::size_t familie = p.hpgl.find("SP 4;SP 4;PU");
    ASSERT_NE(familie, std::string::npos);
    const std::string linie = p.hpgl.substr(familie);
    const std::size_t pd = linie.find("PD");
    ASSERT_NE(pd, std::string::npos);
    const std::vector<Punkt> bisher = plotPunkte(linie.substr(0, pd));
    ASSERT_FALSE(bisher.empty());
    const Punkt anfang = bisher.back();
    const bool amRand = anfang.x == 0 || anfang.y == 0 || anfang.x == rechts || anfang.y == oben;
    EXPECT_TRUE(amRand) << anfang.x << " " << anfang.y << "\n" << linie.substr(0, 200);

    // The early-winter days before 21 December, off the dial, are not walked: the list of
    // the line holds fewer points than a whole year in steps of three days (123).
    const std::string l = cp1252ToUtf8(p.liste);
    const std::size_t kopf = l.find("Linie   7:00  Uhr:");
    ASSERT_NE(kopf, std::string::npos);
    EXPECT_LT(listenPunkte(l.substr(kopf)).size(), 100u);
}
